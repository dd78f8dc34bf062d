// Pawn structure terms on small hand-built positions; expected sums worked out term by term.
#include "eval/terminos_test_util.h"

using terminos::CargarPosicion;
using terminos::Delta;
using terminos::Puntos;

namespace {

class EstructuraPeones : public ::testing::Test {
protected:
    // What both pawn functions add for fen, run in the driver's order.
    static Puntos Peones(const char *fen) {
        CargarPosicion(fen);
        return Delta([] {
            EvaluarPeonesB();
            EvaluarPeonesN();
        });
    }
};

TEST_F(EstructuraPeones, PasadoBloqueadoPorPiezaRivalValeOchentaPorCiento) {
    // e6: passed pct(80 x 80) = 63, isolated on a half-open file -20, square 15, centre +5.
    // Endgame: e = 160, closeness to a8 is 8, t = 8 x 160 / 30 = 42, pct(118 x 80) = 94,
    // isolated -20, square -3.
    Puntos p = Peones("k7/4n3/4P3/8/8/8/8/6K1 w - - 0 1");
    EXPECT_EQ(p.op_b, 63);
    EXPECT_EQ(p.eg_b, 71);
    EXPECT_EQ(p.op_n, 0);
    EXPECT_EQ(p.eg_n, 0);

    // The knight elsewhere, or an own piece in front: the full 100 percent (pct(8000) = 79,
    // pct(11800) = 117).
    for (const char *fen :
         {"kn6/8/4P3/8/8/8/8/6K1 w - - 0 1", "k6r/4N3/4P3/8/8/8/8/6K1 w - - 0 1"}) {
        p = Peones(fen);
        EXPECT_EQ(p.op_b, 79) << fen;
        EXPECT_EQ(p.eg_b, 94) << fen;
    }
}

TEST_F(EstructuraPeones, PeonImparableSoloSinPiezasRivalesYConTiempo) {
    // a7 with Black to move: 1 + 1 moves against a king 7 steps away.
    // Opening 129 passed - 20 isolated - 15 square + 400; endgame: closeness 6, t = 52,
    // pct(208 x 100) = 207, - 20 + 3 + 400.
    Puntos p = Peones("7k/P7/8/8/8/8/8/K7 b - - 0 1");
    EXPECT_EQ(p.op_b, 494);
    EXPECT_EQ(p.eg_b, 590);

    // A single enemy knight anywhere takes the 400 away.
    p = Peones("7k/P7/8/8/8/8/8/K6n b - - 0 1");
    EXPECT_EQ(p.op_b, 94);
    EXPECT_EQ(p.eg_b, 190);

    // a5 against a king on e8: 3 moves win the race against 4 king steps only with White to
    // move; with Black to move the tempo makes it 4 against 4.
    const Puntos blancas = Peones("4k3/8/8/P7/8/8/8/K7 w - - 0 1");
    const Puntos negras = Peones("4k3/8/8/P7/8/8/8/K7 b - - 0 1");
    EXPECT_EQ(blancas.op_b - negras.op_b, 300);
    EXPECT_EQ(blancas.eg_b - negras.eg_b, 300);
}

TEST_F(EstructuraPeones, PeonDobladoTraseroPenalizadoYNuncaPasado) {
    // e3: passed 11 / 16 (closeness 9 to e8, t = 7), isolated -20 / -20, square 5 / -3.
    // e2: doubled -12 / -24, isolated -20 / -20, square 5 / -3, no passed bonus.
    const Puntos p = Peones("4k3/8/8/8/8/4P3/4P3/4K3 w - - 0 1");
    EXPECT_EQ(p.op_b, -4 - 27);
    EXPECT_EQ(p.eg_b, -7 - 47);
}

TEST_F(EstructuraPeones, AisladoEnColumnaCerradaCuestaMenos) {
    // a2 against a7: isolated -10 (not -20) and -20, square -15 and 3; Black the mirror.
    const Puntos p = Peones("k7/p7/8/8/8/8/P7/K7 w - - 0 1");
    EXPECT_EQ(p.op_b, -25);
    EXPECT_EQ(p.eg_b, -17);
    EXPECT_EQ(p.op_n, -25);
    EXPECT_EQ(p.eg_n, -17);
}

TEST_F(EstructuraPeones, FalangePrevaleceSobreDefensaYRetrasadoSeCastiga) {
    // c3: backward on a half-open file -9 - 8 and -8, square 5 / -1.
    // d4: beside e4 and defended by c3, phalanx only 13 / 3, square 15 / -3.
    // e4: phalanx 13 / 3, square 15 / -3.
    // Black d5, e5: phalanx 13 / 3 and square 15 / -3 each.
    const Puntos p = Peones("6k1/8/8/3pp3/3PP3/2P5/8/6K1 w - - 0 1");
    EXPECT_EQ(p.op_b, -12 + 28 + 28);
    EXPECT_EQ(p.eg_b, -9 + 0 + 0);
    EXPECT_EQ(p.op_n, 56);
    EXPECT_EQ(p.eg_n, 0);
}

TEST_F(EstructuraPeones, PeonDefendidoSinVecinoTomaLaTablaDeDefensa) {
    // c3 backward -17 / -8, square 5 / -1; d4 defended 3 / 2, square 15 / -3.
    // Black d5: isolated on a closed file -10 / -20, square 15 / -3.
    const Puntos p = Peones("4k3/8/8/3p4/3P4/2P5/8/4K3 w - - 0 1");
    EXPECT_EQ(p.op_b, -12 + 18);
    EXPECT_EQ(p.eg_b, -9 - 1);
    EXPECT_EQ(p.op_n, 5);
    EXPECT_EQ(p.eg_n, -23);
}

TEST_F(EstructuraPeones, CandidatoBloqueadoConMayoriaRecibeUnTercio) {
    // d5 blocked by d6 beside e5, nothing else in front of the pair: candidate 50/3 = 16 and
    // 100/3 = 33, phalanx 15 / 4, square 15 / -3, centre 5. e5: phalanx, square, centre.
    const Puntos candidato = Peones("k7/8/3p4/3PP3/8/8/8/K6r w - - 0 1");
    EXPECT_EQ(candidato.op_b, 51 + 35);
    EXPECT_EQ(candidato.eg_b, 34 + 1);

    // The rule fails with an enemy pawn two files away beyond the partner, on the other
    // neighbouring file, or a second blocker on the file; nothing else of White changes.
    for (const char *fen : {"k7/5p2/3p4/3PP3/8/8/8/K6r w - - 0 1",
                            "k7/2p5/3p4/3PP3/8/8/8/K6r w - - 0 1",
                            "k7/3p4/3p4/3PP3/8/8/8/K6r w - - 0 1"}) {
        const Puntos p = Peones(fen);
        EXPECT_EQ(candidato.op_b - p.op_b, 16) << fen;
        EXPECT_EQ(candidato.eg_b - p.eg_b, 33) << fen;
    }
}

}  // namespace
