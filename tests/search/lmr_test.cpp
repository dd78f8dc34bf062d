// The late-move reduction table built at start-up.
#include <gtest/gtest.h>

#include "search/search.h"

TEST(TablaLmr, FilasDeReferenciaYBordes) {
    LlenarLmr();
    const int m[7] = {4, 5, 8, 12, 20, 40, 63};
    const int filas[6][8] = {{3, 0, 0, 1, 1, 1, 2, 2},  {5, 1, 1, 1, 1, 2, 2, 3},
                             {8, 1, 1, 2, 2, 3, 3, 4},  {12, 1, 1, 2, 3, 3, 4, 5},
                             {20, 2, 2, 3, 3, 4, 5, 6}, {63, 2, 3, 4, 5, 6, 7, 8}};
    for (const auto &f : filas) {
        for (int k = 0; k < 7; k++) EXPECT_EQ(lmr[f[0]][m[k]], f[k + 1]) << f[0] << "," << m[k];
    }
    // No reduction at depths 0 and 1 nor for the first two moves; flat from 63 moves on;
    // always below the depth itself.
    for (int d = 0; d < 64; d++) {
        for (int k = 0; k < 256; k++) {
            if (d < 2 || k < 2) {
                EXPECT_EQ(lmr[d][k], 0) << d << "," << k;
            }
            if (k > 63) {
                EXPECT_EQ(lmr[d][k], lmr[d][63]) << d << "," << k;
            }
            EXPECT_LT(lmr[d][k], d > 0 ? d : 1) << d << "," << k;
        }
    }
}
