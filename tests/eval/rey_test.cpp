// King safety: king tables, shield, back-rank air, shut-in rooks, neighbours, endgame tables.
#include "eval/terminos_test_util.h"

using terminos::CargarPosicion;
using terminos::Delta;
using terminos::Puntos;

namespace {

class SeguridadRey : public ::testing::Test {
protected:
    static Puntos Reyes(const char *fen) {
        CargarPosicion(fen);
        return Delta([] {
            EvaluarReyB();
            EvaluarReyN();
        });
    }
    static Puntos ReyFinal(const char *fen) {
        CargarPosicion(fen);
        return Delta([] { EvaluarReyFinal(); });
    }
};

TEST_F(SeguridadRey, EscudoCompletoYReySinEscudo) {
    const Puntos p = Reyes("4k3/8/8/8/8/8/5PPP/6K1 w - - 0 1");
    // g1: table 50 / -48, shield 2 + 2 + 2 weighted to 5, no air behind f2 g2 h2: -15.
    EXPECT_EQ(p.op_b, 50 + 5 - 15);
    EXPECT_EQ(p.eg_b, -48 - 15);
    // e8 without pawns: table 10 / -24, shield -36 x 3 weighted to -107, opening only.
    EXPECT_EQ(p.op_n, 10 - 107);
    EXPECT_EQ(p.eg_n, -24);
    // Centre files count less: e1 behind d2 e2 f2 is 1 + 1 + 2, weighted to 3.
    EXPECT_EQ(Reyes("4k3/8/8/8/8/8/3PPP2/4K3 w - - 0 1").op_b, 10 + 3);
    // An advanced shield pawn: f2 g3 h2 is 2 - 11 + 2, weighted to -6; g2 is empty, so no air.
    EXPECT_EQ(Reyes("4k3/8/8/8/8/6P1/5P1P/6K1 w - - 0 1").op_b, 50 - 6);
}

TEST_F(SeguridadRey, FaltaDeAireEnLaPrimeraFila) {
    // h1 behind g2 h2, and a1 behind a2 b2: table 40 / -72, shield 2 - 36 + 2 -> -31, air -15.
    for (const char *fen : {"7k/8/8/8/8/8/6PP/7K w - - 0 1", "7k/8/8/8/8/8/PP6/K7 w - - 0 1"}) {
        const Puntos p = Reyes(fen);
        EXPECT_EQ(p.op_b, 40 - 31 - 15) << fen;
        EXPECT_EQ(p.eg_b, -72 - 15) << fen;
    }
    // g1 with g2 h2 only has air on f2.
    Puntos p = Reyes("7k/8/8/8/8/8/6PP/6K1 w - - 0 1");
    EXPECT_EQ(p.op_b, 50 - 31);
    EXPECT_EQ(p.eg_b, -48);
    // b1 behind a2 b2 c2: table 50 / -48, shield +6 -> 5, air -15.
    p = Reyes("7k/8/8/8/8/8/PPP5/1K6 w - - 0 1");
    EXPECT_EQ(p.op_b, 50 + 5 - 15);
    EXPECT_EQ(p.eg_b, -48 - 15);
}

TEST_F(SeguridadRey, TorresEncerradasPorReySinEnroque) {
    // e1 is exempt: table 10 and the empty shield -107 only.
    EXPECT_EQ(Reyes("4k3/8/8/8/8/8/8/R3K2R w - - 0 1").op_b, 10 - 107);
    // f1 shuts in the rook on h1: -50, opening only.
    Puntos p = Reyes("4k3/8/8/8/8/8/8/5K1R w - - 0 1");
    EXPECT_EQ(p.op_b, 30 - 107 - 50);
    EXPECT_EQ(p.eg_b, -36);
    // A castling right left means no penalty.
    EXPECT_EQ(Reyes("4k3/8/8/8/8/8/8/5K1R w K - 0 1").op_b, 30 - 107);
    // b1 with rooks on a1 and b2: -50 once for the rook on the second rank.
    EXPECT_EQ(Reyes("4k3/8/8/8/8/8/1R6/RK6 w - - 0 1").op_b, 50 - 107 - 50);
    // c1 with rooks on b1 and a1: -50 for each.
    EXPECT_EQ(Reyes("4k3/8/8/8/8/8/8/RRK5 w - - 0 1").op_b, 30 - 107 - 100);
    // Black on g8 with the rook on h8, no rights: the mirror.
    p = Reyes("6kr/8/8/8/8/8/8/4K3 w - - 0 1");
    EXPECT_EQ(p.op_n, 50 - 107 - 50);
}

TEST_F(SeguridadRey, VecinosSinSaltarElBorde) {
    // King on h4: g5 is a neighbour, a4 and a3 are across the board edge.
    CargarPosicion("4k3/8/8/6n1/n6K/n6P/8/8 w - - 0 1");
    const int32_t defensa = Blancas.Defensa_Casilla[47];
    EvaluarReyB();
    ASSERT_EQ(Blancas.Num_Objetivos_Rey, 1);
    EXPECT_EQ(Blancas.Objetivos_Rey[0], 30);
    EXPECT_EQ(Blancas.Defensa_Casilla[47], defensa + 1);
}

TEST_F(SeguridadRey, TablasFinalesSegunLosFlancosConPeones) {
    // Pawns on both wings: nothing.
    Puntos p = ReyFinal("6k1/p7/8/8/8/8/7P/1K6 w - - 0 1");
    EXPECT_EQ(p.op_b, 0);
    EXPECT_EQ(p.eg_b, 0);
    EXPECT_EQ(p.op_n, 0);
    // Pawns on d and e only: both tables, g1 -20 + 0 and b8 0 - 20, in both accumulators.
    p = ReyFinal("1k6/8/8/3p4/4P3/8/8/6K1 w - - 0 1");
    EXPECT_EQ(p.op_b, -20);
    EXPECT_EQ(p.eg_b, -20);
    EXPECT_EQ(p.op_n, -20);
    EXPECT_EQ(p.eg_n, -20);
    // Queen-side pawns only: the king-side table alone.
    p = ReyFinal("1k6/p7/8/8/8/8/8/6K1 w - - 0 1");
    EXPECT_EQ(p.eg_b, -20);
    EXPECT_EQ(p.eg_n, 0);
    // King-side pawns only: the queen-side table alone (h1 0, a8 -30).
    p = ReyFinal("k7/8/8/8/8/8/6P1/7K w - - 0 1");
    EXPECT_EQ(p.eg_b, 0);
    EXPECT_EQ(p.eg_n, -30);
    // No pawns at all: nothing, though no wing holds a pawn.
    p = ReyFinal("1k6/8/8/8/8/8/8/6K1 w - - 0 1");
    EXPECT_EQ(p.eg_b, 0);
    EXPECT_EQ(p.eg_n, 0);
}

TEST_F(SeguridadRey, TormentaDePeonesSoloConElInterruptor) {
    // A black pawn on g3 in front of the castled king; the shield pawns are unchanged.
    const int32_t sin = Reyes("4k3/8/8/8/8/8/5PPP/6K1 w - - 0 1").op_b;
    const int32_t con = Reyes("4k3/8/8/8/8/6p1/5PPP/6K1 w - - 0 1").op_b;
    // Weighted at 100 percent, -32 becomes -31.
    EXPECT_EQ(con - sin, USAR_TORMENTA_PEONES ? -31 : 0);
}

}  // namespace
