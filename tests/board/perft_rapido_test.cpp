// Quick leaf counts on the two most common reference positions.
#include <gtest/gtest.h>

#include "board/posicion_test_util.h"

class PerftRapido : public ::testing::Test {
  protected:
    void SetUp() override {
        Salir = 0;
        IniciarClaves(12345);
    }
};

TEST_F(PerftRapido, PosicionInicialProfundidadCuatro) {
    ASSERT_EQ(CargarPosicionPrueba(FEN_INICIAL), 1);
    EXPECT_EQ(ContarHojas(1), 20u);
    EXPECT_EQ(ContarHojas(2), 400u);
    EXPECT_EQ(ContarHojas(3), 8902u);
    EXPECT_EQ(ContarHojas(4), 197281u);
    EXPECT_EQ(Salir, 0);
}

TEST_F(PerftRapido, KiwipeteProfundidadTres) {
    ASSERT_EQ(CargarPosicionPrueba(FEN_KIWIPETE), 1);
    EXPECT_EQ(ContarHojas(1), 48u);
    EXPECT_EQ(ContarHojas(2), 2039u);
    EXPECT_EQ(ContarHojas(3), 97862u);
    EXPECT_EQ(Salir, 0);
}
