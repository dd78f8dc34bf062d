// The integer scaling gives the extended-precision product, truncated, for every factor the
// evaluation uses.
#include <gtest/gtest.h>

#include <cstdlib>

#include "eval/eval.h"

static int32_t EscalarExtendido(int32_t x, float f) {
    return static_cast<int32_t>(static_cast<long double>(x) * static_cast<long double>(f));
}

TEST(EscalarExacto, IgualAlProductoExtendido) {
    const float factores[] = {0.01f, 1.0f / 24.0f, 1.0f / 3.0f, 1.0f / 30.0f, 0.125f,
                              0.5f,  0.75f,        1.0f,        1.25f,        1.5f, 0.0f};
    const int32_t bordes[] = {0, 1, -1, 100, -100, 300, -300, 2400, -2400, 24, -24, 2147483647,
                              -2147483647 - 1, 1000000, -1000000, 99, -99, 101, -101};
    std::srand(3);
    for (float f : factores) {
        for (int32_t x : bordes) {
            if (f > 1.0f && (x > 1000000 || x < -1000000)) continue;  // would leave 32 bits
            EXPECT_EQ(EscalarExacto(x, f), EscalarExtendido(x, f)) << x << " * " << f;
        }
        for (int i = 0; i < 20000; i++) {
            const int32_t x = (std::rand() % 200001) - 100000;
            ASSERT_EQ(EscalarExacto(x, f), EscalarExtendido(x, f)) << x << " * " << f;
        }
    }
    // Single-precision 0.01 lies below 0.01: whole multiples of 100 lose a point.
    EXPECT_EQ(EscalarExacto(300, 0.01f), 2);
    EXPECT_EQ(EscalarExacto(-300, 0.01f), -2);
}
