// Rook terms: files, seventh rank, trapped rooks, mobility, king attack and the trial capture.
#include "eval/eval_test_util.h"

using namespace eval_test;

namespace {

TEST(EvaluacionTorres, FilesSeventhRankAndTrapsScoreTermByTerm) {
    ComprobarTerminos(
        {EvaluarTorreB, EvaluarTorreN},
        {// e1 4 / 0; e5 defended +5, loose +7, seen through an own knight; own pawn: none.
         {"4k3/8/3p4/4p3/8/8/8/4R1K1 w - - 0 1", {9, 5, 0, 0}},
         {"4k3/8/2p5/4p3/8/8/8/4R1K1 w - - 0 1", {11, 7, 0, 0}},
         {"4k3/8/3p4/4p3/8/8/4P3/4R1K1 w - - 0 1", {4, 0, 0, 0}},
         // An enemy queen up the open file: +5 and +14.
         {"4k3/8/8/4q3/8/8/8/4R1K1 w - - 0 1", {23, 19, 0, 0}},
         // a7 b7 -4 -2, open files 14 each, seventh 16 / 32 each and 8 / 16 once.
         {"6k1/RR6/8/8/8/8/8/6K1 w - - 0 1", {-6 + 28 + 32 + 8, 28 + 64 + 16, 0, 0}},
         {"8/RR4k1/8/8/8/8/8/6K1 w - - 0 1", {-6 + 28, 28, 0, 0}},
         {"8/RR5p/6k1/8/8/8/8/6K1 w - - 0 1", {-6 + 28 + 32 + 8, 28 + 64 + 16, 0, 0}},
         // h2 behind h3 g2: -4, +7 for the loose h3, trapped -180, by a bishop -100.
         {"6k1/8/8/8/8/7p/6pR/6K1 w - - 0 1", {-177, -173, 0, 0}},
         {"6k1/8/8/8/8/7p/6bR/6K1 w - - 0 1", {-97, -93, 0, 0}},
         {"6k1/8/8/8/8/8/6pR/6K1 w - - 0 1", {10, 14, 0, 0}}});
}

TEST(EvaluacionTorres, CheckWithASafeCaptureAddsUnitsOnlyWithAQueen) {
    const struct { const char *fen; int32_t unidades; } casos[] = {
        {"4k3/8/8/8/8/8/8/3R2K1 w - - 0 1", 18},  // d7 and d8, 9 each
        // Re1 checks (e7, e8, the king) and attacks the loose a1 rook, whoever is to move.
        {"4k3/8/8/8/7Q/8/8/r3R1K1 w - - 0 1", 27 + 24},
        {"4k3/8/8/8/7Q/8/8/r3R1K1 b - - 0 1", 27 + 24},
        {"4k3/8/8/8/8/8/8/r3R1K1 w - - 0 1", 27},              // no queen, no trial
        {"4k3/8/8/8/8/2Q5/1b6/n3R1K1 w - - 0 1", 27},          // Rxa1 loses the rook
    };
    for (const auto &c : casos) {
        Escanear(c.fen);
        const Tipo_Tablero antes = TableroGlobal;
        const int32_t ataque = Blancas.Ataque_Rey;
        EvaluarTorreB();
        ComprobarIntacto(antes, c.fen);
        EXPECT_EQ(Blancas.Ataque_Rey - ataque, c.unidades) << c.fen;
    }
    EXPECT_EQ(Blancas.Atacantes_Rey, 1);
}

}  // namespace
