// King safety and threats: tables, shield, air, shut-in rooks, wing tables, threat bonuses.
#include "eval/eval_test_util.h"

using namespace eval_test;

namespace {

TEST(SeguridadRey, ShieldAirAndShutInRooksScoreTermByTerm) {
    // Black's e8 without pawns: table 10 / -24, shield -36 x 3 weighted to -107.
    const int32_t e8 = 10 - 107, e8_eg = -24;
    ComprobarTerminos(
        {EvaluarReyB, EvaluarReyN},
        {// g1: 50 / -48, shield 6 to 5, air -15; e1: 3; f2 g3 h2: 2 - 11 + 2 to -6, no air.
         {"4k3/8/8/8/8/8/5PPP/6K1 w - - 0 1", {50 + 5 - 15, -48 - 15, e8, e8_eg}},
         {"4k3/8/8/8/8/8/3PPP2/4K3 w - - 0 1", {10 + 3, -24, e8, e8_eg}},
         {"4k3/8/8/8/8/6P1/5P1P/6K1 w - - 0 1", {50 - 6, -48, e8, e8_eg}},
         // h1, a1: 40 / -72, shield -32 to -31, air; g1 with g2 h2: no air.
         {"4k3/8/8/8/8/8/6PP/7K w - - 0 1", {40 - 31 - 15, -72 - 15, e8, e8_eg}},
         {"4k3/8/8/8/8/8/6PP/6K1 w - - 0 1", {50 - 31, -48, e8, e8_eg}},
         // Shut-in rooks -50: e1 exempt, f1 h1, none with a right, b1 once, c1 twice, g8 h8.
         {"4k3/8/8/8/8/8/8/R3K2R w - - 0 1", {e8, e8_eg, e8, e8_eg}},
         {"4k3/8/8/8/8/8/8/5K1R w - - 0 1", {30 - 107 - 50, -36, e8, e8_eg}},
         {"4k3/8/8/8/8/8/8/5K1R w K - 0 1", {30 - 107, -36, e8, e8_eg}},
         {"4k3/8/8/8/8/8/1R6/RK6 w - - 0 1", {50 - 107 - 50, -48, e8, e8_eg}},
         {"4k3/8/8/8/8/8/8/RRK5 w - - 0 1", {30 - 107 - 100, -36, e8, e8_eg}},
         {"6kr/8/8/8/8/8/8/4K3 w - - 0 1", {e8, e8_eg, 50 - 107 - 50, -48}},
         // a3: files a and b only, a2 alone -33, with b2 3; none on the enemy's first rank.
         {"4k3/8/8/8/8/K7/P7/8 w - - 0 1", {-23, -36, e8, e8_eg}},
         {"4k3/8/8/8/8/K7/PP6/8 w - - 0 1", {-23 + 36, -36, e8, e8_eg}},
         {"K7/8/8/8/8/8/PP6/4k3 w - - 0 1", {-40, -72, -70, -24}}});
}

TEST(SeguridadRey, EndgameTablesFollowTheWingsThatHoldPawns) {
    ComprobarTerminos({EvaluarReyFinal},
                      {{"6k1/p7/8/8/8/8/7P/1K6 w - - 0 1", {0, 0, 0, 0}},          // both wings
                       {"1k6/8/8/3p4/4P3/8/8/6K1 w - - 0 1", {-20, -20, -20, -20}},  // d and e
                       {"1k6/p7/8/8/8/8/8/6K1 w - - 0 1", {-20, -20, 0, 0}},     // queen side
                       {"k7/8/8/8/8/8/6P1/7K w - - 0 1", {0, 0, -30, -30}},      // king side
                       {"1k6/8/8/8/8/8/8/6K1 w - - 0 1", {0, 0, 0, 0}}});        // no pawns
}

TEST(AmenazasPiezas, APieceDefendedOnceCountsOnceAndPawnsCountPerPawn) {
    const Caso casos[] = {
        // c6 knight defended once, attacked by bishop and rook: once; undefended or defended
        // twice: nothing; d5 hit by two pawns: twice, the b7 bishop finds it used up; the f2
        // rook by the king; a checked king nothing.
        {"6k1/1p6/2n5/8/B7/8/8/2R3K1 w - - 0 1", {15, 23, 0, 0}},
        {"6k1/1p6/2n5/8/8/8/8/2R3K1 w - - 0 1", {15, 23, 0, 0}},
        {"6k1/8/2n5/8/B7/8/8/2R3K1 w - - 0 1", {0, 0, 0, 0}},
        {"6k1/1p1p4/2n5/8/B7/8/8/2R3K1 w - - 0 1", {0, 0, 0, 0}},
        {"6k1/1B6/4p3/3n4/2P1P3/8/8/6K1 w - - 0 1", {30, 46, 0, 0}},
        {"6k1/8/8/8/7b/8/5r2/6K1 w - - 0 1", {17, 25, 0, 0}},
        {"6kr/8/5N2/8/8/8/8/6K1 w - - 0 1", {0, 0, 0, 0}},
        {"6kr/4n3/5N2/8/8/8/8/6K1 w - - 0 1", {0, 0, 0, 0}},
    };
    for (const Caso &c : casos) {
        // The threat terms after those that fill the defence counts, in the driver's order.
        Delta(c.fen, {EvaluarTorreB, EvaluarTorreN, EvaluarReyB, EvaluarReyN});
        EXPECT_EQ(Delta(nullptr, {AmenazasPeonB, AmenazasCaballoB, AmenazasPeonN,
                                  AmenazasCaballoN, AmenazasAlfilB, AmenazasAlfilN,
                                  AmenazasTorreB, AmenazasTorreN, AmenazasDamaB, AmenazasDamaN,
                                  AmenazasReyB, AmenazasReyN}),
                  c.p) << c.fen;
        if (c.fen[2] == 'r' || &c == casos) {
            EXPECT_EQ(Negras.Defensa_Casilla[&c == casos ? 18 : 6], -1) << c.fen;  // used up
        }
    }
}

}  // namespace
