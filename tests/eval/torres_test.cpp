// Rook terms: files, seventh rank, trapped rooks, mobility, king attack and the trial capture.
#include <cstring>

#include "eval/eval_test_util.h"

using namespace eval_test;

namespace {

TEST(EvaluacionTorres, FilesSeventhRankAndTrapsScoreTermByTerm) {
    const struct {
        const char *fen;
        int32_t op, eg;
    } casos[] = {
        // Square 4 on e1 / 0; e5 defended by d6: +5, undefended +7.
        {"4k3/8/3p4/4p3/8/8/8/4R1K1 w - - 0 1", 9, 5},
        {"4k3/8/2p5/4p3/8/8/8/4R1K1 w - - 0 1", 11, 7},
        // The pawn is found through an own knight standing first on the file.
        {"4k3/8/3p4/4p3/4N3/8/8/4R1K1 w - - 0 1", 9, 5},
        // An own pawn on the file: no file bonus.
        {"4k3/8/3p4/4p3/8/8/4P3/4R1K1 w - - 0 1", 4, 0},
        // An enemy queen up the open file: +5 and +14.
        {"4k3/8/8/4q3/8/8/8/4R1K1 w - - 0 1", 23, 19},
        {"4k3/8/8/8/8/8/8/q3R1K1 w - - 0 1", 18, 14},
        // a7 and b7 (-4, -2), open files 14 each, seventh 16 / 32 each and 8 / 16 once.
        {"6k1/RR6/8/8/8/8/8/6K1 w - - 0 1", -6 + 28 + 32 + 8, 28 + 64 + 16},
        {"8/RR4k1/8/8/8/8/8/6K1 w - - 0 1", -6 + 28, 28},
        {"8/RR5p/6k1/8/8/8/8/6K1 w - - 0 1", -6 + 28 + 32 + 8, 28 + 64 + 16},
        // h2 behind h3 and g2: -4, +7 against the undefended h3, trapped -180; a bishop -100.
        {"6k1/8/8/8/8/7p/6pR/6K1 w - - 0 1", -177, -173},
        {"6k1/8/8/8/8/7p/6bR/6K1 w - - 0 1", -97, -93},
        {"6k1/8/8/8/8/p7/Rp6/6K1 w - - 0 1", -177, -173},
        {"6k1/8/8/8/8/8/6pR/6K1 w - - 0 1", 10, 14},
    };
    for (const auto &c : casos) {
        const Puntos p = Delta(c.fen, {EvaluarTorreB, EvaluarTorreN});
        EXPECT_EQ(p.op_b, c.op) << c.fen;
        EXPECT_EQ(p.eg_b, c.eg) << c.fen;
    }
}

TEST(EvaluacionTorres, MobilityCountsEmptySquaresAndEveryStopButOwnPawns) {
    const struct {
        const char *fen;
        int32_t casillas, torres;  // squares of each rook
    } casos[] = {
        // f1 and the own king g1, d1 to a1; the own pawn on e2 stops the file.
        {"4k3/8/8/8/8/8/4P3/4R1K1 w - - 0 1", 6, 1},
        // An enemy pawn there is one more square; so is an own knight.
        {"4k3/8/8/8/8/8/4p3/4R1K1 w - - 0 1", 7, 1},
        {"4k3/8/8/8/8/8/4N3/4R1K1 w - - 0 1", 7, 1},
        // In the open, and with two rooks seeing each other along the rank.
        {"4k3/8/8/8/3R4/8/8/6K1 w - - 0 1", 14, 1},
        {"4k3/8/8/8/R6R/8/8/6K1 w - - 0 1", 14, 2},
    };
    for (const auto &c : casos) {
        Escanear(c.fen);
        const int32_t op = Blancas.Movilidad_Apertura, eg = Blancas.Movilidad_Final;
        EvaluarTorreB();
        EXPECT_EQ(Blancas.Movilidad_Apertura - op, c.torres * BONUS_TORRE_MOVILIDAD[c.casillas])
            << c.fen;
        EXPECT_EQ(Blancas.Movilidad_Final - eg, c.torres * BONUS_TORRE_MOVILIDAD[16 + c.casillas])
            << c.fen;
    }
}

// King-attack units that White's rooks add; the position must come back unchanged.
int32_t UnidadesTorre(const char *fen) {
    Escanear(fen);
    const Tipo_Tablero antes = TableroGlobal;
    const int32_t ataque = Blancas.Ataque_Rey;
    EvaluarTorreB();
    EXPECT_EQ(std::memcmp(TableroGlobal.Tablero, antes.Tablero, sizeof antes.Tablero), 0) << fen;
    EXPECT_EQ(TableroGlobal.Turno, antes.Turno) << fen;
    EXPECT_EQ(TableroGlobal.Clave, antes.Clave) << fen;
    EXPECT_EQ(TableroGlobal.Indice_Deshacer, antes.Indice_Deshacer) << fen;
    return Blancas.Ataque_Rey - ataque;
}

TEST(EvaluacionTorres, CheckWithASafeCaptureAddsUnitsOnlyWithAQueen) {
    const struct {
        const char *fen;
        int32_t unidades;
    } casos[] = {
        // e-file check: e7, e8 and the king 9 each; d-file: d7 and d8.
        {"4k3/8/8/8/8/8/8/3R2K1 w - - 0 1", 18},
        // Re1 checks and attacks the loose a1 rook: 27 + 24, whoever is to move.
        {"4k3/8/8/8/7Q/8/8/r3R1K1 w - - 0 1", 27 + 24},
        {"4k3/8/8/8/7Q/8/8/r3R1K1 b - - 0 1", 27 + 24},
        // No queen, no trial.
        {"4k3/8/8/8/8/8/8/r3R1K1 w - - 0 1", 27},
        // Rxa1 loses the rook for the knight: the trial fails.
        {"4k3/8/8/8/8/2Q5/1b6/n3R1K1 w - - 0 1", 27},
    };
    for (const auto &c : casos) EXPECT_EQ(UnidadesTorre(c.fen), c.unidades) << c.fen;
    EXPECT_EQ(Blancas.Atacantes_Rey, 1);
}

}  // namespace
