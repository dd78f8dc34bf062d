// The board scan: square values, mobility, tropism, king attack and the bookkeeping fields.
#include <cstring>

#include "eval/eval_test_util.h"

using namespace eval_test;

namespace {

TEST(EvaluacionPiezas, MinorPiecesCountOnlyFreeSquaresAndDefendTheirPawns) {
    // d4 knight: c6, e6 covered by Black pawns, c2, e2 own pawns: 4 squares, worth 0; b5 and f5
    // reach the enemy half; square 15 / 10, tropism 3 x 9.
    Escanear("4k3/pppppppp/8/8/3N4/8/2P1P3/4K3 w - - 0 1");
    EXPECT_EQ(Blancas.Movilidad_Apertura, 0);
    EXPECT_EQ(Blancas.Puntos_Apertura, 15);
    EXPECT_EQ(Blancas.Puntos_Final, 10);
    EXPECT_EQ(Blancas.Tropismo_Final, 27);
    EXPECT_EQ(Blancas.Defensa_Casilla[50], 0);  // c2 defended once
    EXPECT_EQ(Blancas.Defensa_Casilla[35], -1);
    EXPECT_EQ(Blancas.Lista_Caballos[0], 35);
    // c1 bishop behind b2 and d2: no mobility (-30), square -16 / -10, -5 for the enemy half;
    // Black's c8 reads the Black half.
    for (const char *fen : {"4k3/8/8/8/8/8/1P1P4/2B1K3 w - - 0 1",
                            "2b1k3/1p1p4/8/8/8/8/8/4K3 b - - 0 1"}) {
        Escanear(fen);
        const Tipo_Lado &l = Blancas.Num_Alfiles ? Blancas : Negras;
        EXPECT_EQ(l.Movilidad_Apertura, -30) << fen;
        EXPECT_EQ(l.Movilidad_Final, -30) << fen;
        EXPECT_EQ(l.Puntos_Apertura, -21) << fen;
        EXPECT_EQ(l.Puntos_Final, -15) << fen;
    }
    // A knight giving check adds 6 + 4 for the king and 6 for d7 beside it, one attacker.
    Escanear("4k3/8/5N2/8/8/8/8/4K3 w - - 0 1");
    EXPECT_EQ(Blancas.Ataque_Rey, 16);
    EXPECT_EQ(Blancas.Atacantes_Rey, 1);
    EXPECT_EQ(Blancas.Num_Objetivos_Caballo, 1);
}

TEST(EvaluacionPiezas, PawnBookkeepingRunsFromTheMostAdvancedPawnAndDropsASixth) {
    Escanear("4k3/P6p/P6p/P6p/P6p/P6p/P6p/4K3 w - - 0 1");
    EXPECT_EQ(Blancas.Peones_Columna[0], 5);
    EXPECT_EQ(Blancas.Lista_Peones[0][0], 8);   // a7 first
    EXPECT_EQ(Blancas.Lista_Peones[0][4], 40);  // a3 last; a2 dropped
    EXPECT_EQ(Negras.Peones_Columna[7], 5);
    EXPECT_EQ(Negras.Lista_Peones[7][0], 47);   // h3 first; h2 comes last in the scan
    EXPECT_EQ(Negras.Lista_Peones[7][4], 15);
    EXPECT_EQ(Blancas.Peones_Segunda, 1);       // the dropped pawn still counts on its rank
    EXPECT_EQ(Blancas.Peones_Flanco_Dama, 6);
    EXPECT_EQ(Blancas.Peones_Claras, 3);        // a6, a4, a2
    EXPECT_EQ(Negras.Peones_Oscuras, 3);        // h6, h4, h2
}

TEST(EvaluacionPiezas, PawnAttacksRejectWrappedDiagonals) {
    Escanear("8/8/8/3n1k2/4P3/N1N5/1P6/4K3 w - - 0 1");
    ASSERT_EQ(Blancas.Num_Amenazas_Peon, 2);  // the d5 knight and the f5 king
    EXPECT_EQ(Blancas.Amenazas_Peon[0], 27);
    EXPECT_EQ(Blancas.Defensa_Casilla[40], 0);
    Cargar("4k3/7p/2p5/8/8/4P3/P7/4K3 w - - 0 1");
    const int32_t casos[][3] = {{24, 0, 0}, {25, 0, 1}, {22, 0, 1}, {3, 0, 0},
                                {39, 1, 0}, {37, 1, 1}, {41, 1, 1}, {60, 1, 0}};
    for (const auto &c : casos)
        EXPECT_EQ(c[1] ? AmenazadoPorPeonB(c[0]) : AmenazadoPorPeonN(c[0]), c[2]) << c[0];
}

// Enemy men at the ends of the rays, listed ray by ray (not by square): bishop -7, -9, +7,
// +9; queen -9, +9, -7, +7, +1, -1, +8, -8. Nothing beyond the first man of a ray counts.
TEST(EvaluacionPiezas, TargetsFollowTheRayOrderAndStopAtTheFirstMan) {
    Escanear("7k/3p4/1n3n2/8/b2B2r1/4b3/Kr6/3q4 w - - 0 1");
    const int32_t alfil[] = {21, 17, 49, 44};
    ASSERT_EQ(Blancas.Num_Objetivos_Alfil, 4);
    for (int32_t i = 0; i < 4; i++) EXPECT_EQ(Blancas.Objetivos_Alfil[i], alfil[i]) << i;
    Escanear("7k/3p4/1n3n2/8/b2Q2r1/4b3/Kr6/3q4 w - - 0 1");
    const int32_t dama[] = {17, 44, 21, 49, 38, 32, 59, 11};
    ASSERT_EQ(Blancas.Num_Objetivos_Dama, 8);
    for (int32_t i = 0; i < 8; i++) EXPECT_EQ(Blancas.Objetivos_Dama[i], dama[i]) << i;
}

// e4 is guarded by the d3 pawn, the f2 knight, the g2 bishop and the e1 queen; h1 by the
// bishop, the knight and the queen along the first rank; the king itself guards nothing here.
TEST(EvaluacionPiezas, DefenceCountsEveryGuardOfAnOwnMan) {
    Escanear("k7/8/8/8/4P3/3P4/5NB1/4Q2K w - - 0 1");
    const int32_t *d = Blancas.Defensa_Casilla;
    EXPECT_EQ(d[36], 3);
    EXPECT_EQ(d[63], 2);
    EXPECT_EQ(d[53], 0);   // f2 by the queen
    EXPECT_EQ(d[43], 0);   // d3 by the knight
    EXPECT_EQ(d[54], -1);  // g2: nobody
    EXPECT_EQ(d[60], -1);  // e1: nobody
}

// Threats are listed pawn by pawn in scan order, each pawn's a-file side first, a man hit
// twice is listed twice, and the list stops at sixteen. The h3 pawn does not wrap round to a3.
TEST(EvaluacionPiezas, PawnThreatsListPawnByPawnUpToSixteen) {
    Escanear("r1r1k3/1P1P4/8/8/nnnnnnnn/PPPPPPPP/8/7K w - - 0 1");
    const int32_t esperadas[] = {0, 2, 2, 4, 33, 32, 34, 33, 35, 34, 36, 35, 37, 36, 38, 37};
    ASSERT_EQ(Blancas.Num_Amenazas_Peon, 16);
    for (int32_t i = 0; i < 16; i++) EXPECT_EQ(Blancas.Amenazas_Peon[i], esperadas[i]) << i;
    EXPECT_EQ(Blancas.Defensa_Casilla[40], -1);
}

TEST(EvaluacionPiezas, BishopPatternsTrapsAndFileMates) {
    const struct {
        const char *fen;
        int32_t op, eg;
    } casos[] = {
        {"4k3/5p1B/6p1/8/8/8/8/4K3 w - - 0 1", -5 - 150, -20 - 150},  // h7 behind f7 g6
        {"4k3/8/B1p5/1p6/8/8/8/4K3 w - - 0 1", -5 - 50, -10 - 50},    // a6 behind c6 b5
        {"4k3/5p1B/8/8/8/8/8/4K3 w - - 0 1", -5, -20},                // g6 free
        {"4k3/8/8/2B5/8/8/8/2B1K3 w - - 0 1", 5 - 16 + 4, 20 - 10 + 4},  // c1 sees c5
    };
    for (const auto &c : casos) {
        Escanear(c.fen);
        EXPECT_EQ(Blancas.Puntos_Apertura, c.op) << c.fen;
        EXPECT_EQ(Blancas.Puntos_Final, c.eg) << c.fen;
    }
    // a1 sees c1 to its right: c1's own square value (-16, it reaches g5) and 4 for a1.
    Escanear("4k3/8/8/8/8/8/8/B1B1K2B w - - 0 1");
    const int32_t con = Blancas.Puntos_Apertura;
    Escanear("4k3/8/8/8/8/8/8/B3K2B w - - 0 1");
    EXPECT_EQ(con - Blancas.Puntos_Apertura, -16 + 4);
}

TEST(EvaluacionPiezas, QueenCountsEveryRaySquareTheKingZoneAndTheSeventh) {
    Escanear("4k3/8/8/8/3Q4/8/8/4K3 w - - 0 1");
    EXPECT_EQ(Blancas.Movilidad_Apertura, 13);  // 27 squares
    EXPECT_EQ(Blancas.Movilidad_Final, 26);
    EXPECT_EQ(Blancas.Ataque_Rey, 30);  // d7 and d8
    EXPECT_EQ(Blancas.Tropismo_Final, 36);
    // Seventh rank: the king on the eighth, or a pawn met before the queen in the scan.
    const int32_t casos[][2] = {{0, 4}, {1, 4}, {2, 0}};
    const char *fens[] = {"4k3/Q7/8/8/8/8/8/4K3 w - - 0 1", "8/p6Q/4k3/8/8/8/8/4K3 w - - 0 1",
                          "8/Q6p/4k3/8/8/8/8/4K3 w - - 0 1"};
    for (const auto &c : casos) {
        Escanear(fens[c[0]]);
        EXPECT_EQ(Blancas.Puntos_Apertura, c[1]) << fens[c[0]];
    }
}

TEST(EvaluacionPiezas, ScanStopsAtAnImpossibleCode) {
    for (int32_t codigo : {0, 14}) {
        Cargar("4k3/8/8/6N1/8/8/8/4K3 w - - 0 1");
        TableroGlobal.Tablero[20] = codigo;
        ReconstruirMapas();
        EvaluarPiezasTableroJuego();
        EXPECT_EQ(Blancas.Lista_Caballos[0], -1) << codigo;
    }
}

TEST(EvaluacionPiezas, QueenCheckThatWinsAPieceSafelyAddsThirtySixUnits) {
    // e7 checks h7 along the rank (g7, h7: 15 + 15 + 12) and attacks the loose a7 rook.
    Escanear("8/r3Q2k/8/8/8/8/8/4K3 b - - 0 1");
    EXPECT_EQ(Blancas.Ataque_Rey, 42 + 36);
    // Nb5xQ then Ra1xN: the exchange goes against the queen, nothing is added.
    Escanear("8/r3Q2k/8/1n6/8/8/8/R3K3 b - - 0 1");
    EXPECT_EQ(Blancas.Ataque_Rey, 42);
}

// With the undo stack at its top no trial is made; otherwise the position comes back intact.
TEST(EvaluacionPiezas, TrialCapturesLeaveThePositionAndTurnAsTheyWere) {
    for (const char *fen : {"8/r3Q2k/8/8/8/8/8/4K3 b - - 0 1", "8/r3Q2k/8/8/8/8/8/4K3 w - - 0 1",
                            "4k3/8/8/8/8/8/R2q3K/8 w - - 0 1"}) {
        for (int32_t lleno : {0, 1}) {
            Cargar(fen);
            if (lleno) TableroGlobal.Indice_Deshacer = MAX_DESHACER - 1;
            const Tipo_Tablero antes = TableroGlobal;
            const Tipo_Lado b = Blancas, n = Negras;
            EvaluarPiezasTableroJuego();
            const Tipo_Tablero &t = TableroGlobal;
            EXPECT_EQ(std::memcmp(t.Tablero, antes.Tablero, sizeof t.Tablero), 0) << fen;
            EXPECT_EQ(t.Turno, antes.Turno) << fen;
            EXPECT_EQ(t.Clave, antes.Clave) << fen;
            EXPECT_EQ(t.Indice_Deshacer, antes.Indice_Deshacer) << fen;
            EXPECT_EQ(t.Num_Historial, antes.Num_Historial) << fen;
            EXPECT_EQ(t.Rey_Blanco * 64 + t.Rey_Negro, antes.Rey_Blanco * 64 + antes.Rey_Negro);
            EXPECT_EQ(Blancas.Num_Torres + Negras.Num_Torres, b.Num_Torres + n.Num_Torres);
            EXPECT_EQ(Salir, 0) << fen;
            const Tipo_Lado &dama = Blancas.Num_Damas ? Blancas : Negras;
            EXPECT_EQ(dama.Ataque_Rey, lleno ? 42 : 42 + 36) << fen;
        }
    }
}

}  // namespace
