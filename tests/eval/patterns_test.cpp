// Positional patterns: development, pawn islands, knight outposts and traps, bishops.
#include "eval/eval_test_util.h"

using namespace eval_test;

namespace {

struct Caso {
    const char *fen;
    int32_t op, eg;
};

// What the pattern adds to the side's accumulators, for every row.
void Comprobar(void (*patron)(), const Tipo_Lado &lado, std::initializer_list<Caso> casos) {
    for (const Caso &c : casos) {
        Escanear(c.fen);
        const int32_t op = lado.Puntos_Apertura, eg = lado.Puntos_Final;
        patron();
        EXPECT_EQ(lado.Puntos_Apertura - op, c.op) << c.fen;
        EXPECT_EQ(lado.Puntos_Final - eg, c.eg) << c.fen;
    }
}

TEST(PatronesPosicionales, OpeningPatternsCountInTheOpeningOnly) {
    Comprobar(PatronesApertura, Blancas,
              {{"4k3/8/8/8/8/3P4/3P4/2B1K3 w - - 0 1", -70, 0},  // blocked d2, c1 at home
               {"4k3/8/8/8/8/3P4/3P4/4K3 w - - 0 1", -20, 0},
               {"4k3/8/8/8/8/4n3/4P3/4KB2 w - - 0 1", -70, 0},   // blocked by any piece
               {"4k3/8/8/8/3P4/2N5/2P5/4K3 w - - 0 1", -20, 0},  // Nc3 before c2, e4 empty
               {"4k3/8/8/8/3PP3/2N5/2P5/4K3 w - - 0 1", 0, 0},
               {"4k3/8/8/8/3P1B2/6B1/8/4K3 w - - 0 1", 10, 0},   // two bishops, once
               {"4k3/8/8/1B6/2B1P3/8/8/4K3 w - - 0 1", 10, 0}});
    Comprobar(PatronesApertura, Negras,
              {{"2b1k3/3p4/3p4/8/8/8/8/4K3 w - - 0 1", -70, 0},
               {"4k3/5p2/5n2/4p3/8/8/8/4K3 w - - 0 1", -20, 0},
               {"4k3/8/1b6/4p3/8/8/8/4K3 w - - 0 1", 10, 0}});
}

TEST(PatronesPosicionales, PawnIslandsCostThreePerIslandDifference) {
    // White a, b, d, e, g, h: three islands against one.
    const char *fen = "4k3/pppppppp/8/8/8/8/PP1PP1PP/4K3 w - - 0 1";
    Comprobar(IslasPeones, Blancas, {{fen, -6, -6}, {"4k3/8/8/8/8/8/P1P4P/4K3 w - - 0 1", -9, -9}});
    Comprobar(IslasPeones, Negras, {{fen, 6, 6}});
}

TEST(PatronesPosicionales, KnightOutpostsBySupportAndHoles) {
    Comprobar(PatronesCaballoB, Blancas,
              {// e5 hole (e6, d5, f5), one defender: 9 x 2.5 = 22.5; two: 9 x 3.0.
               {"4k3/8/4p3/3pNp2/3P4/8/8/4K3 w - - 0 1", 22, 22},
               {"4k3/8/4p3/3pNp2/3P1P2/8/8/4K3 w - - 0 1", 27, 27},
               // Ordinary square: one defender 9 x 1.0, none 0.
               {"4k3/8/8/4N3/3P4/8/8/4K3 w - - 0 1", 9, 9},
               {"4k3/8/8/4N3/8/8/8/4K3 w - - 0 1", 0, 0},
               // One pawn beside needs the other file empty: 9 x 1.5, else ordinary.
               {"4k3/8/4p3/4Np2/8/8/8/4K3 w - - 0 1", 13, 13},
               {"4k3/3p4/4p3/4Np2/8/8/8/4K3 w - - 0 1", 0, 0},
               {"4k3/8/4p3/3pN3/8/8/8/4K3 w - - 0 1", 13, 13},
               {"4k3/5p2/4p3/3pN3/8/8/8/4K3 w - - 0 1", 0, 0},
               // Attacked by the c6 pawn: no outpost at all.
               {"4k3/8/2p5/3N4/2P5/8/8/4K3 w - - 0 1", 0, 0},
               {"4k3/8/8/3N4/2P5/8/8/4K3 w - - 0 1", 9, 9},
               // Behind an own pawn on its own half: +5.
               {"4k3/8/8/8/3P4/3N4/8/4K3 w - - 0 1", 5, 5}});
    Comprobar(PatronesCaballoN, Negras,
              {{"4k3/8/8/3p4/3PnP2/4P3/8/4K3 b - - 0 1", 22, 22},
               {"4k3/8/3n4/3p4/8/8/8/4K3 w - - 0 1", 5, 5}});
}

TEST(PatronesPosicionales, TrappedKnightsInTheCorners) {
    Comprobar(PatronesCaballoB, Blancas,
              {{"Nb1qk3/p1p5/8/8/8/8/8/4K3 w - - 0 1", -200, -200},  // a7, c7 defended twice
               {"Nb2k3/p1p5/8/8/8/8/8/4K3 w - - 0 1", -50, -50},     // c7 defended once
               {"4k3/6pN/5p1p/8/8/8/8/4K3 w - - 0 1", -300, -300}}); // h7: g7 with h6 and f6
    Comprobar(PatronesCaballoN, Negras,
              {{"4k3/8/8/8/8/8/P1P5/nB1QK3 b - - 0 1", -200, -200},
               {"4k3/8/8/8/8/5P1P/6Pn/4K3 b - - 0 1", -300, -300}});
}

TEST(PatronesPosicionales, BishopPawnColourAndFianchettoPerBishop) {
    // b2 (dark) with c3: -3 x (1 - 4) + (4 - 0) = 13, blocked -10 / -20; a second bishop on
    // e2 (light, 12 + 4) tests b2 again.
    Comprobar(PatronesAlfilB, Blancas,
              {{"4k3/8/8/8/8/2P5/1B6/4K3 w - - 0 1", 3, -7},
               {"4k3/8/8/8/8/2P5/1B2B3/4K3 w - - 0 1", 9, -11},
               // g2 with g3 h2 +4, enemy e4 backed by d5 -20, colour 12 + 2.
               {"4k3/8/8/3p4/4p3/6P1/6BP/4K3 w - - 0 1", -2, -2}});
    Comprobar(PatronesAlfilN, Negras, {{"4k3/1b2b3/2p5/8/8/8/8/4K3 w - - 0 1", 9, -11}});
}

}  // namespace
