// Positional patterns: development, pawn islands, knight outposts and traps, bishops.
#include "eval/eval_test_util.h"

using namespace eval_test;

namespace {

TEST(PatronesPosicionales, OpeningPatternsCountInTheOpeningOnly) {
    ComprobarTerminos({PatronesApertura},
                      {{"4k3/8/8/8/8/3P4/3P4/2B1K3 w - - 0 1", {-70, 0, 0, 0}},  // d2 blocked, c1 home
                       {"4k3/8/8/8/8/3P4/3P4/4K3 w - - 0 1", {-20, 0, 0, 0}},
                       {"4k3/8/8/8/8/4n3/4P3/4KB2 w - - 0 1", {-70, 0, 0, 0}},   // by any piece
                       {"4k3/8/8/8/3P4/2N5/2P5/4K3 w - - 0 1", {-20, 0, 0, 0}},  // Nc3 before c2
                       {"4k3/8/8/8/3PP3/2N5/2P5/4K3 w - - 0 1", {0, 0, 0, 0}},
                       {"4k3/8/8/8/3P1B2/6B1/8/4K3 w - - 0 1", {10, 0, 0, 0}},   // bishops, once
                       {"4k3/8/8/1B6/2B1P3/8/8/4K3 w - - 0 1", {10, 0, 0, 0}}});
}

TEST(PatronesPosicionales, PawnIslandsCostThreePerIslandDifference) {
    ComprobarTerminos({IslasPeones},
                      {{"4k3/pppppppp/8/8/8/8/PP1PP1PP/4K3 w - - 0 1", {-6, -6, 6, 6}},  // 3 v 1
                       {"4k3/pp1pp1pp/8/8/8/8/PPPPPPPP/4K3 w - - 0 1", {6, 6, -6, -6}},
                       {"4k3/8/8/8/8/8/P1P4P/4K3 w - - 0 1", {-9, -9, 9, 9}}});
}

TEST(PatronesPosicionales, KnightOutpostsAndTrapsInTheCorners) {
    ComprobarTerminos(
        {PatronesCaballoB, PatronesCaballoN},
        {// e5 hole, one defender 9 x 2.5, two 9 x 3.0; elsewhere 9 x 1.0, none or attacked 0.
         {"4k3/8/4p3/3pNp2/3P4/8/8/4K3 w - - 0 1", {22, 22, 0, 0}},
         {"4k3/8/4p3/3pNp2/3P1P2/8/8/4K3 w - - 0 1", {27, 27, 0, 0}},
         {"4k3/8/8/4N3/3P4/8/8/4K3 w - - 0 1", {9, 9, 0, 0}},
         {"4k3/8/8/4N3/8/8/8/4K3 w - - 0 1", {0, 0, 0, 0}},
         {"4k3/8/2p5/3N4/2P5/8/8/4K3 w - - 0 1", {0, 0, 0, 0}},
         // One pawn beside with the other file empty: 9 x 1.5; behind an own pawn +5.
         {"4k3/8/4p3/4Np2/8/8/8/4K3 w - - 0 1", {13, 13, 0, 0}},
         {"4k3/3p4/4p3/4Np2/8/8/8/4K3 w - - 0 1", {0, 0, 0, 0}},
         {"4k3/8/4p3/3pN3/8/8/8/4K3 w - - 0 1", {13, 13, 0, 0}},
         {"4k3/5p2/4p3/3pN3/8/8/8/4K3 w - - 0 1", {0, 0, 0, 0}},
         {"4k3/8/8/8/3P4/3N4/8/4K3 w - - 0 1", {5, 5, 0, 0}},
         {"4k3/8/8/3p4/3PnP2/4P3/8/4K3 b - - 0 1", {0, 0, 22, 22}},
         // a8: a7, c7 defended twice, or c7 once; h7: g7 with h6 and f6.
         {"Nb1qk3/p1p5/8/8/8/8/8/4K3 w - - 0 1", {-200, -200, 0, 0}},
         {"Nb2k3/p1p5/8/8/8/8/8/4K3 w - - 0 1", {-50, -50, 0, 0}},
         {"4k3/6pN/5p1p/8/8/8/8/4K3 w - - 0 1", {-300, -300, 0, 0}},
         {"4k3/8/8/8/8/5P1P/6Pn/4K3 b - - 0 1", {0, 0, -300, -300}}});
}

TEST(PatronesPosicionales, BishopPawnColourAndFianchettoPerBishop) {
    // b2 with c3 13, blocked -10 / -20; e2 (12 + 4) tests b2 again; fianchetto g2 +4, enemy
    // e4 backed by d5 -20, colour 12 + 2.
    ComprobarTerminos({PatronesAlfilB, PatronesAlfilN},
                      {{"4k3/8/8/8/8/2P5/1B6/4K3 w - - 0 1", {3, -7, 0, 0}},
                       {"4k3/8/8/8/8/2P5/1B2B3/4K3 w - - 0 1", {9, -11, 0, 0}},
                       {"4k3/1b2b3/2p5/8/8/8/8/4K3 w - - 0 1", {0, 0, 9, -11}},
                       {"4k3/8/8/3p4/4p3/6P1/6BP/4K3 w - - 0 1", {-2, -2, 0, 0}}});
}

}  // namespace
