// Moves in standard algebraic notation resolved against the legal moves.
#include <gtest/gtest.h>

#include "board/posicion_test_util.h"
#include "uci/uci.h"

class LectorSan : public ::testing::Test {
  protected:
    void SetUp() override {
        IniciarClaves(7);
        Salir = 0;
    }
    // Move text of the move that san resolves to, "" when it resolves to nothing.
    static std::string Texto(const char *san) {
        const uint32_t m = JugadaSan(san);
        if (m == 0) return "";
        std::string t = std::string(NOMBRE_CASILLA[Desde(m)]) + NOMBRE_CASILLA[Hasta(m)];
        if (Corona(m) != NINGUNA) t += "??nbrq???nbrq"[Corona(m)];
        return t;
    }
};

TEST_F(LectorSan, PiezasPeonesYCapturas) {
    ASSERT_EQ(CargarPosicionPrueba(FEN_INICIAL), 1);
    EXPECT_EQ(Texto("Nf3"), "g1f3");
    EXPECT_EQ(Texto("e4"), "e2e4");
    EXPECT_EQ(Texto("e4!?"), "e2e4");
    EXPECT_EQ(Texto("Nd2"), "");  // the square is taken by the own pawn
    EXPECT_EQ(Texto("e5"), "");
    EXPECT_EQ(Texto("Ke2"), "");
    ASSERT_EQ(CargarPosicionPrueba("rnbqkbnr/ppp1pppp/8/3p4/4P3/8/PPPP1PPP/RNBQKBNR w KQkq d6 0 2"),
              1);
    EXPECT_EQ(Texto("exd5"), "e4d5");
    EXPECT_EQ(Texto("Bb5+"), "f1b5");
}

TEST_F(LectorSan, EnroquesYCoronaciones) {
    ASSERT_EQ(CargarPosicionPrueba("r3k2r/1P6/8/8/8/8/8/R3K2R w KQkq - 0 1"), 1);
    EXPECT_EQ(Texto("O-O"), "e1g1");
    EXPECT_EQ(Texto("O-O-O"), "e1c1");
    EXPECT_EQ(Texto("0-0-0"), "e1c1");
    EXPECT_EQ(Texto("b8=Q+"), "b7b8q");
    EXPECT_EQ(Texto("b8N"), "b7b8n");
    EXPECT_EQ(Texto("bxa8=R"), "b7a8r");
    EXPECT_EQ(Texto("b8"), "");  // a promotion needs its piece
}

TEST_F(LectorSan, DesambiguacionYClavadas) {
    ASSERT_EQ(CargarPosicionPrueba("4k3/8/8/8/8/8/8/R3K2R w - - 0 1"), 1);
    EXPECT_EQ(Texto("Rd1"), "a1d1");
    EXPECT_EQ(Texto("Rf1"), "h1f1");
    ASSERT_EQ(CargarPosicionPrueba("4k3/8/8/8/8/8/8/R5KR w - - 0 1"), 1);
    EXPECT_EQ(Texto("Rb1"), "a1b1");
    ASSERT_EQ(CargarPosicionPrueba("4k3/8/8/8/8/8/8/R2K3R w - - 0 1"), 1);
    EXPECT_EQ(Texto("Rae1"), "");  // the king stands between: only h1 reaches e1
    EXPECT_EQ(Texto("Rhe1"), "h1e1");
    ASSERT_EQ(CargarPosicionPrueba("3k4/8/8/8/R7/8/8/R3K3 w - - 0 1"), 1);
    EXPECT_EQ(Texto("Ra3"), "");  // both rooks reach a3
    EXPECT_EQ(Texto("R1a3"), "a1a3");
    EXPECT_EQ(Texto("R4a3"), "a4a3");
    // A pinned knight drops out, so the other one is named without disambiguation.
    ASSERT_EQ(CargarPosicionPrueba("4r1k1/8/8/8/8/2N3N1/8/4K3 w - - 0 1"), 1);
    EXPECT_EQ(Texto("Ne2"), "");
    ASSERT_EQ(CargarPosicionPrueba("4r1k1/8/8/8/4N3/8/8/1N2K3 w - - 0 1"), 1);
    EXPECT_EQ(Texto("Nd2"), "b1d2");
    EXPECT_EQ(Texto("Nbd2"), "b1d2");
    EXPECT_EQ(Texto("Ned2"), "");
}

TEST_F(LectorSan, MateYNegras) {
    ASSERT_EQ(
        CargarPosicionPrueba("r1bqkb1r/pppp1ppp/2n2n2/4p2Q/2B1P3/8/PPPP1PPP/RNB1K1NR w KQkq - 4 4"),
        1);
    EXPECT_EQ(Texto("Qxf7#"), "h5f7");
    ASSERT_EQ(CargarPosicionPrueba("rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1"),
              1);
    EXPECT_EQ(Texto("Nf6"), "g8f6");
    EXPECT_EQ(Texto("c5"), "c7c5");
    EXPECT_EQ(Texto("Qh4"), "");
}
