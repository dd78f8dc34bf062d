// The late-move reduction table built at start-up.
#include <gtest/gtest.h>

#include "search/search.h"

TEST(TablaLmr, FilasDeReferencia) {
    LlenarLmr();
    const int m[7] = {4, 5, 8, 12, 20, 40, 63};
    const int filas[6][8] = {{3, 0, 0, 1, 1, 1, 2, 2},  {5, 1, 1, 1, 1, 2, 2, 3},
                             {8, 1, 1, 2, 2, 3, 3, 4},  {12, 1, 1, 2, 3, 3, 4, 5},
                             {20, 2, 2, 3, 3, 4, 5, 6}, {63, 2, 3, 4, 5, 6, 7, 8}};
    for (const auto &f : filas) {
        for (int k = 0; k < 7; k++) EXPECT_EQ(lmr[f[0]][m[k]], f[k + 1]) << f[0] << "," << m[k];
    }
}

TEST(TablaLmr, BordesSinReduccion) {
    LlenarLmr();
    for (int k = 0; k < 256; k++) {
        EXPECT_EQ(lmr[0][k], 0);
        EXPECT_EQ(lmr[1][k], 0);
        if (k >= 20) {
            EXPECT_EQ(lmr[2][k], 1) << k;
        } else if (k <= 12) {
            EXPECT_EQ(lmr[2][k], 0) << k;
        }
    }
    for (int d = 0; d < 64; d++) {
        EXPECT_EQ(lmr[d][0], 0);
        EXPECT_EQ(lmr[d][1], 0);
        // From 63 moves on the row stays flat, and it never reaches the depth itself.
        for (int k = 63; k < 256; k++) EXPECT_EQ(lmr[d][k], lmr[d][63]);
        for (int k = 0; k < 256; k++) EXPECT_LT(lmr[d][k], d > 0 ? d : 1);
    }
}
