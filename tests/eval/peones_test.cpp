// Pawn structure terms on small hand-built positions; expected sums worked out term by term.
#include "eval/eval_test_util.h"

using namespace eval_test;

namespace {

TEST(EstructuraPeones, HandBuiltStructuresScoreTermByTerm) {
    ComprobarTerminos(
        {EvaluarPeonesB, EvaluarPeonesN},
        {// e6 blocked by a knight: passed at 80 percent, isolated, square, centre; endgame
         // closeness to the king t = 8 x 160 / 30. Elsewhere, or an own piece: 100 percent.
         {"k7/4n3/4P3/8/8/8/8/6K1 w - - 0 1", {63, 71, 0, 0}},
         {"kn6/8/4P3/8/8/8/8/6K1 w - - 0 1", {79, 94, 0, 0}},
         {"k6r/4N3/4P3/8/8/8/8/6K1 w - - 0 1", {79, 94, 0, 0}},
         // a7 out of the king's reach +400, unless an enemy piece is left.
         {"7k/P7/8/8/8/8/8/K7 b - - 0 1", {494, 590, 0, 0}},
         {"7k/P7/8/8/8/8/8/K6n b - - 0 1", {94, 190, 0, 0}},
         // a5 against a king on e8: 3 moves beat 4 king steps only with White to move.
         {"4k3/8/8/P7/8/8/8/K7 w - - 0 1", {300 + 14, 300 + 59, 0, 0}},
         {"4k3/8/8/P7/8/8/8/K7 b - - 0 1", {14, 59, 0, 0}},
         // e3 passed, e2 doubled and never passed, both isolated.
         {"4k3/8/8/8/8/4P3/4P3/4K3 w - - 0 1", {-4 - 27, -7 - 47, 0, 0}},
         // Isolated on closed files; c3 backward on a half-open file, d4 e4 phalanx only.
         {"k7/p7/8/8/8/8/P7/K7 w - - 0 1", {-25, -17, -25, -17}},
         {"6k1/8/8/3pp3/3PP3/2P5/8/6K1 w - - 0 1", {-12 + 56, -9, 56, 0}},
         {"4k3/8/8/3p4/3P4/2P5/8/4K3 w - - 0 1", {6, -10, 5, -23}},
         // d5 blocked by d6 beside e5: candidate a third of 50 / 100; an enemy pawn beyond the
         // partner, on the other side, or a second blocker undoes it.
         {"k7/8/3p4/3PP3/8/8/8/K6r w - - 0 1", {51 + 35, 34 + 1, -5, -23}},
         {"k7/5p2/3p4/3PP3/8/8/8/K6r w - - 0 1", {51 + 35 - 16, 34 + 1 - 33, -20, -44}},
         {"k7/2p5/3p4/3PP3/8/8/8/K6r w - - 0 1", {51 + 35 - 16, 34 + 1 - 33, -6, -11}},
         {"k7/3p4/3p4/3PP3/8/8/8/K6r w - - 0 1", {51 + 35 - 16, 34 + 1 - 33, -22, -70}}});
}

}  // namespace
