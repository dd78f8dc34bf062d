// Positional patterns: development, pawn islands, knight outposts and traps, bishops.
#include <gtest/gtest.h>

#include "eval/eval_test_util.h"

using namespace eval_test;

class PatronesPosicionales : public ::testing::Test {
  protected:
    void SetUp() override { Neutro(); }

    // Both accumulators of a side gained by a pattern function after the board scan.
    struct Ganancia {
        int32_t apertura, final;
    };
    static Ganancia Aplicar(const char *fen, void (*patron)(), const Tipo_Lado &lado) {
        Escanear(fen);
        int32_t ap = lado.Puntos_Apertura, fin = lado.Puntos_Final;
        patron();
        return {lado.Puntos_Apertura - ap, lado.Puntos_Final - fin};
    }
};

TEST_F(PatronesPosicionales, BlockedCentrePawnsAndAShutInBishopCostInTheOpening) {
    // Doubled d-pawn with the bishop at home: -20 and -50.
    EXPECT_EQ(Aplicar("4k3/8/8/8/8/3P4/3P4/2B1K3 w - - 0 1", PatronesApertura, Blancas).apertura,
              -70);
    EXPECT_EQ(Aplicar("4k3/8/8/8/8/3P4/3P4/4K3 w - - 0 1", PatronesApertura, Blancas).apertura,
              -20);
    // The mirror for Black, and nothing in the endgame accumulator.
    Ganancia n = Aplicar("2b1k3/3p4/3p4/8/8/8/8/4K3 w - - 0 1", PatronesApertura, Negras);
    EXPECT_EQ(n.apertura, -70);
    EXPECT_EQ(n.final, 0);
    // e-pawn blocked by any piece, with the f1 bishop home.
    EXPECT_EQ(Aplicar("4k3/8/8/8/8/4n3/4P3/4KB2 w - - 0 1", PatronesApertura, Blancas).apertura,
              -70);
}

TEST_F(PatronesPosicionales, KnightInFrontOfTheCPawnWithAnEmptyCentre) {
    EXPECT_EQ(Aplicar("4k3/8/8/8/3P4/2N5/2P5/4K3 w - - 0 1", PatronesApertura, Blancas).apertura,
              -20);
    EXPECT_EQ(Aplicar("4k3/8/8/8/3PP3/2N5/2P5/4K3 w - - 0 1", PatronesApertura, Blancas).apertura,
              0);
    EXPECT_EQ(Aplicar("4k3/5p2/5n2/4p3/8/8/8/4K3 w - - 0 1", PatronesApertura, Negras).apertura,
              -20);
}

TEST_F(PatronesPosicionales, BishopOutsideThePawnChainEarnsTenOnce) {
    EXPECT_EQ(Aplicar("4k3/8/8/8/3P1B2/6B1/8/4K3 w - - 0 1", PatronesApertura, Blancas).apertura,
              10);
    EXPECT_EQ(Aplicar("4k3/8/8/1B6/2B1P3/8/8/4K3 w - - 0 1", PatronesApertura, Blancas).apertura,
              10);
    EXPECT_EQ(Aplicar("4k3/8/1b6/4p3/8/8/8/4K3 w - - 0 1", PatronesApertura, Negras).apertura,
              10);
}

TEST_F(PatronesPosicionales, PawnIslandsCostThreePerIslandDifference) {
    // White on a, b, d, e, g, h: three islands; Black on every file: one.
    const char *fen = "4k3/pppppppp/8/8/8/8/PP1PP1PP/4K3 w - - 0 1";
    Ganancia b = Aplicar(fen, IslasPeones, Blancas);
    EXPECT_EQ(b.apertura, -6);
    EXPECT_EQ(b.final, -6);
    Ganancia n = Aplicar(fen, IslasPeones, Negras);
    EXPECT_EQ(n.apertura, 6);
    EXPECT_EQ(n.final, 6);
    // A pawnless side has no islands.
    EXPECT_EQ(Aplicar("4k3/8/8/8/8/8/P1P4P/4K3 w - - 0 1", IslasPeones, Blancas).final, -9);
}

TEST_F(PatronesPosicionales, OutpostOnAHoleWithOneDefender) {
    // e5 with Black pawns on e6, d5 and f5 and a White pawn on d4: 9 x 2.5 = 22.5.
    const char *fen = "4k3/8/4p3/3pNp2/3P4/8/8/4K3 w - - 0 1";
    Ganancia b = Aplicar(fen, PatronesCaballoB, Blancas);
    EXPECT_EQ(b.apertura, 22);
    EXPECT_EQ(b.final, 22);
    EXPECT_EQ(Aplicar(Espejo(fen).c_str(), PatronesCaballoN, Negras).apertura, 22);
    // Two defenders on a hole: 9 x 3.0.
    EXPECT_EQ(Aplicar("4k3/8/4p3/3pNp2/3P1P2/8/8/4K3 w - - 0 1", PatronesCaballoB, Blancas).final,
              27);
    // An ordinary square with one defender: 9 x 1.0; without a defender nothing.
    EXPECT_EQ(Aplicar("4k3/8/8/4N3/3P4/8/8/4K3 w - - 0 1", PatronesCaballoB, Blancas).final, 9);
    EXPECT_EQ(Aplicar("4k3/8/8/4N3/8/8/8/4K3 w - - 0 1", PatronesCaballoB, Blancas).final, 0);
}

TEST_F(PatronesPosicionales, OutpostWithOnePawnBesideNeedsAnEmptyFileOnTheOtherSide) {
    // Black pawns e6 and f5, nothing on the d-file: a hole, no defender: 9 x 1.5.
    EXPECT_EQ(Aplicar("4k3/8/4p3/4Np2/8/8/8/4K3 w - - 0 1", PatronesCaballoB, Blancas).final, 13);
    // A Black pawn on d7 fills the d-file: an ordinary square, no defender.
    EXPECT_EQ(Aplicar("4k3/3p4/4p3/4Np2/8/8/8/4K3 w - - 0 1", PatronesCaballoB, Blancas).final, 0);
    // The same with the pawn on the left: the f-file must then be empty.
    EXPECT_EQ(Aplicar("4k3/8/4p3/3pN3/8/8/8/4K3 w - - 0 1", PatronesCaballoB, Blancas).final, 13);
    EXPECT_EQ(Aplicar("4k3/5p2/4p3/3pN3/8/8/8/4K3 w - - 0 1", PatronesCaballoB, Blancas).final, 0);
}

TEST_F(PatronesPosicionales, KnightAttackedByAPawnGetsNoOutpost) {
    EXPECT_EQ(Aplicar("4k3/8/2p5/3N4/2P5/8/8/4K3 w - - 0 1", PatronesCaballoB, Blancas).final, 0);
    EXPECT_EQ(Aplicar("4k3/8/8/3N4/2P5/8/8/4K3 w - - 0 1", PatronesCaballoB, Blancas).final, 9);
}

TEST_F(PatronesPosicionales, KnightBehindItsOwnPawnOnItsHalfEarnsFive) {
    EXPECT_EQ(Aplicar("4k3/8/8/8/3P4/3N4/8/4K3 w - - 0 1", PatronesCaballoB, Blancas).final, 5);
    EXPECT_EQ(Aplicar("4k3/8/3n4/3p4/8/8/8/4K3 w - - 0 1", PatronesCaballoN, Negras).final, 5);
}

TEST_F(PatronesPosicionales, TrappedKnightsInTheCorners) {
    // a8 behind a7: -50; c7 defended by the d8 queen and the b8 bishop: -150 more.
    EXPECT_EQ(Aplicar("1b1qk3/p7/8/8/8/8/8/N3K3 w - - 0 1", PatronesCaballoB, Blancas).final, 0);
    EXPECT_EQ(Aplicar("Nb1qk3/p1p5/8/8/8/8/8/4K3 w - - 0 1", PatronesCaballoB, Blancas).final,
              -200);
    // c7 defended once only (the b8 bishop): the a7 pawn alone counts.
    EXPECT_EQ(Aplicar("Nb2k3/p1p5/8/8/8/8/8/4K3 w - - 0 1", PatronesCaballoB, Blancas).final, -50);
    // h7 with g7 and both h6 and f6.
    EXPECT_EQ(Aplicar("4k3/6pN/5p1p/8/8/8/8/4K3 w - - 0 1", PatronesCaballoB, Blancas).final,
              -300);
    // Black's mirror: a1 behind a2, c2 defended twice.
    EXPECT_EQ(Aplicar("4k3/8/8/8/8/8/P1P5/nB1QK3 b - - 0 1", PatronesCaballoN, Negras).final,
              -200);
    EXPECT_EQ(Aplicar("4k3/8/8/8/8/5P1P/6Pn/4K3 b - - 0 1", PatronesCaballoN, Negras).final,
              -300);
}

TEST_F(PatronesPosicionales, BishopPawnColourAndFianchettoPerBishop) {
    // b2 (dark) with the own c3 pawn (dark): -3 x (1 - 4) + (4 - 0) = 13, blocked -10/-20.
    Ganancia uno = Aplicar("4k3/8/8/8/8/2P5/1B6/4K3 w - - 0 1", PatronesAlfilB, Blancas);
    EXPECT_EQ(uno.apertura, 13 - 10);
    EXPECT_EQ(uno.final, 13 - 20);
    // A second bishop on e2 (light, 12 + 4) tests the b2 pattern again.
    Ganancia dos = Aplicar("4k3/8/8/8/8/2P5/1B2B3/4K3 w - - 0 1", PatronesAlfilB, Blancas);
    EXPECT_EQ(dos.apertura, 13 + 16 - 20);
    EXPECT_EQ(dos.final, 13 + 16 - 40);
    // Black's mirror.
    Ganancia n = Aplicar("4k3/1b2b3/2p5/8/8/8/8/4K3 w - - 0 1", PatronesAlfilN, Negras);
    EXPECT_EQ(n.apertura, dos.apertura);
    EXPECT_EQ(n.final, dos.final);
}

TEST_F(PatronesPosicionales, FianchettoShelterAndEnemyCentre) {
    // g2 bishop with g3 and h2: +4; enemy e4 pawn backed by d5: -20. Colour term for the
    // light g2: no own pawn on light squares (12), enemy e4 and d5 on light ones (2).
    Ganancia g = Aplicar("4k3/8/8/3p4/4p3/6P1/6BP/4K3 w - - 0 1", PatronesAlfilB, Blancas);
    EXPECT_EQ(g.apertura, 12 + (4 - 2) + 4 - 20);
    EXPECT_EQ(g.final, g.apertura);
}
