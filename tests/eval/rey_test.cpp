// King safety and threats: king tables, shield, air, shut-in rooks, endgame tables by wing,
// and the threat bonus that each attacked square earns once.
#include "eval/eval_test_util.h"

using namespace eval_test;

namespace {

struct Caso {
    const char *fen;
    Puntos p;
};

TEST(SeguridadRey, ShieldAirAndShutInRooksScoreTermByTerm) {
    // e8 without pawns: table 10 / -24, shield -36 x 3 weighted to -107, opening only.
    const Caso casos[] = {
        // g1: 50 / -48, shield 2 + 2 + 2 weighted to 5, air -15.
        {"4k3/8/8/8/8/8/5PPP/6K1 w - - 0 1", {50 + 5 - 15, -48 - 15, 10 - 107, -24}},
        // e1 behind d2 e2 f2: 1 + 1 + 2 weighted to 3.
        {"4k3/8/8/8/8/8/3PPP2/4K3 w - - 0 1", {10 + 3, -24, 10 - 107, -24}},
        // f2 g3 h2: 2 - 11 + 2 weighted to -6; g2 empty, so no air.
        {"4k3/8/8/8/8/6P1/5P1P/6K1 w - - 0 1", {50 - 6, -48, 10 - 107, -24}},
        // h1 behind g2 h2, a1 behind a2 b2: 40 / -72, shield -32 weighted to -31, air -15.
        {"4k3/8/8/8/8/8/6PP/7K w - - 0 1", {40 - 31 - 15, -72 - 15, 10 - 107, -24}},
        {"4k3/8/8/8/8/8/PP6/K7 w - - 0 1", {40 - 31 - 15, -72 - 15, 10 - 107, -24}},
        // g1 with g2 h2 only: no air.
        {"4k3/8/8/8/8/8/6PP/6K1 w - - 0 1", {50 - 31, -48, 10 - 107, -24}},
        // b1 behind a2 b2 c2.
        {"4k3/8/8/8/8/8/PPP5/1K6 w - - 0 1", {50 + 5 - 15, -48 - 15, 10 - 107, -24}},
        // Shut-in rooks: e1 exempt; f1 with h1 -50; a castling right left: nothing; b1 with
        // b2 (and a1) -50 once; c1 with b1 and a1 -50 each; Black g8 with h8.
        {"4k3/8/8/8/8/8/8/R3K2R w - - 0 1", {10 - 107, -24, 10 - 107, -24}},
        {"4k3/8/8/8/8/8/8/5K1R w - - 0 1", {30 - 107 - 50, -36, 10 - 107, -24}},
        {"4k3/8/8/8/8/8/8/5K1R w K - 0 1", {30 - 107, -36, 10 - 107, -24}},
        {"4k3/8/8/8/8/8/1R6/RK6 w - - 0 1", {50 - 107 - 50, -48, 10 - 107, -24}},
        {"4k3/8/8/8/8/8/8/RRK5 w - - 0 1", {30 - 107 - 100, -36, 10 - 107, -24}},
        {"6kr/8/8/8/8/8/8/4K3 w - - 0 1", {10 - 107, -24, 50 - 107 - 50, -48}},
    };
    for (const Caso &c : casos) EXPECT_EQ(Delta(c.fen, {EvaluarReyB, EvaluarReyN}), c.p) << c.fen;
}

TEST(SeguridadRey, EndgameTablesFollowTheWingsThatHoldPawns) {
    const Caso casos[] = {
        {"6k1/p7/8/8/8/8/7P/1K6 w - - 0 1", {0, 0, 0, 0}},        // both wings
        {"1k6/8/8/3p4/4P3/8/8/6K1 w - - 0 1", {-20, -20, -20, -20}},  // d and e: both tables
        {"1k6/p7/8/8/8/8/8/6K1 w - - 0 1", {-20, -20, 0, 0}},    // queen side: KS only
        {"k7/8/8/8/8/8/6P1/7K w - - 0 1", {0, 0, -30, -30}},     // king side: QS only
        {"1k6/8/8/8/8/8/8/6K1 w - - 0 1", {0, 0, 0, 0}},         // no pawns at all
    };
    for (const Caso &c : casos) EXPECT_EQ(Delta(c.fen, {EvaluarReyFinal}), c.p) << c.fen;
}

TEST(SeguridadRey, NeighboursDoNotWrapAroundTheBoardEdge) {
    // King on h4: g5 is a neighbour, a4 and a3 are across the edge.
    Escanear("4k3/8/8/6n1/n6K/n6P/8/8 w - - 0 1");
    const int32_t defensa = Blancas.Defensa_Casilla[47];
    EvaluarReyB();
    ASSERT_EQ(Blancas.Num_Objetivos_Rey, 1);
    EXPECT_EQ(Blancas.Objetivos_Rey[0], 30);
    EXPECT_EQ(Blancas.Defensa_Casilla[47], defensa + 1);
}

TEST(SeguridadRey, ShieldFilesStopAtTheBoardEdgeAndOnTheFarRank) {
    auto b = [](const char *fen) { return Delta(fen, {EvaluarReyB, EvaluarReyN}).op_b; };
    auto n = [](const char *fen) { return Delta(fen, {EvaluarReyB, EvaluarReyN}).op_n; };
    // a3: files a and b only. a2 alone: 2 - 36 weighted to -33; with b2: 4 weighted to 3;
    // c2 lies outside the shield.
    EXPECT_EQ(b("4k3/8/8/8/8/K7/PP6/8 w - - 0 1") - b("4k3/8/8/8/8/K7/P7/8 w - - 0 1"), 36);
    EXPECT_EQ(b("4k3/8/8/8/8/K7/PPP5/8 w - - 0 1"), b("4k3/8/8/8/8/K7/PP6/8 w - - 0 1"));
    // The same for Black on h6 with files g and h.
    EXPECT_EQ(n("8/6pp/7k/8/8/8/8/4K3 b - - 0 1") - n("8/7p/7k/8/8/8/8/4K3 b - - 0 1"), 36);
    EXPECT_EQ(n("8/5ppp/7k/8/8/8/8/4K3 b - - 0 1"), n("8/6pp/7k/8/8/8/8/4K3 b - - 0 1"));
    // A king on the enemy's first rank has no shield at all.
    EXPECT_EQ(b("K7/8/8/8/8/8/PP6/4k3 w - - 0 1"), b("K7/8/8/8/8/8/8/4k3 w - - 0 1"));
    EXPECT_EQ(n("8/6pp/8/8/8/8/8/4K2k b - - 0 1"), n("8/8/8/8/8/8/8/4K2k b - - 0 1"));
}

// Every threat term after the terms that fill the defence counts, in the driver's order.
Puntos Amenazas(const char *fen) {
    Delta(fen, {EvaluarTorreB, EvaluarTorreN, EvaluarReyB, EvaluarReyN});
    return Delta(nullptr, {AmenazasPeonB, AmenazasCaballoB, AmenazasPeonN, AmenazasCaballoN,
                           AmenazasAlfilB, AmenazasAlfilN, AmenazasTorreB, AmenazasTorreN,
                           AmenazasDamaB, AmenazasDamaN, AmenazasReyB, AmenazasReyN});
}

TEST(AmenazasPiezas, APieceDefendedOnceCountsOnceAndPawnsCountPerPawn) {
    const Caso casos[] = {
        // c6 knight defended by b7 only, attacked by the a4 bishop and the c1 rook: once.
        {"6k1/1p6/2n5/8/B7/8/8/2R3K1 w - - 0 1", {15, 23, 0, 0}},
        {"6k1/1p6/2n5/8/8/8/8/2R3K1 w - - 0 1", {15, 23, 0, 0}},
        // Undefended, or defended twice: nothing.
        {"6k1/8/2n5/8/B7/8/8/2R3K1 w - - 0 1", {0, 0, 0, 0}},
        {"6k1/1p1p4/2n5/8/B7/8/8/2R3K1 w - - 0 1", {0, 0, 0, 0}},
        // d5 knight attacked by the c4 and e4 pawns: twice, whatever its defence; the b7
        // bishop finds the square used up.
        {"6k1/1B6/4p3/3n4/2P1P3/8/8/6K1 w - - 0 1", {30, 46, 0, 0}},
        // f2 rook beside the White king, defended once by the h4 bishop.
        {"6k1/8/8/8/7b/8/5r2/6K1 w - - 0 1", {17, 25, 0, 0}},
        // A checked king earns nothing, defended once or twice.
        {"6kr/8/5N2/8/8/8/8/6K1 w - - 0 1", {0, 0, 0, 0}},
        {"6kr/4n3/5N2/8/8/8/8/6K1 w - - 0 1", {0, 0, 0, 0}},
    };
    for (const Caso &c : casos) {
        EXPECT_EQ(Amenazas(c.fen), c.p) << c.fen;
        if (std::string(c.fen).rfind("6kr", 0) == 0) {
            EXPECT_EQ(Negras.Defensa_Casilla[6], -1) << c.fen;  // used up
        }
    }
    Amenazas("6k1/1p6/2n5/8/B7/8/8/2R3K1 w - - 0 1");
    EXPECT_EQ(Negras.Defensa_Casilla[18], -1);
}

}  // namespace
