// The board scan: square values, mobility, tropism, king attack and the bookkeeping fields.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "eval/eval_test_util.h"

using namespace eval_test;

class EvaluacionPiezas : public ::testing::Test {
  protected:
    void SetUp() override { Neutro(); }
};

TEST_F(EvaluacionPiezas, KnightOnD4CountsFourSquaresAndDefendsItsPawns) {
    // c6 and e6 are covered by Black pawns, c2 and e2 hold own pawns.
    Escanear("4k3/pppppppp/8/8/3N4/8/2P1P3/4K3 w - - 0 1");
    EXPECT_EQ(Blancas.Movilidad_Apertura, 0);
    EXPECT_EQ(Blancas.Movilidad_Final, 0);
    EXPECT_EQ(Blancas.Puntos_Apertura, 15);  // no -5: b5 and f5 reach the enemy half
    EXPECT_EQ(Blancas.Puntos_Final, 10);
    EXPECT_EQ(Blancas.Tropismo_Apertura, 3 * 9);
    EXPECT_EQ(Blancas.Tropismo_Final, 3 * 9);
    EXPECT_EQ(Blancas.Defensa_Casilla[50], 0);  // c2 defended once
    EXPECT_EQ(Blancas.Defensa_Casilla[52], 0);
    EXPECT_EQ(Blancas.Defensa_Casilla[35], -1);
    EXPECT_EQ(Blancas.Lista_Caballos[0], 35);
    EXPECT_EQ(Blancas.Lista_Caballos[1], -1);
    EXPECT_EQ(Blancas.Ataque_Rey, 0);
    EXPECT_EQ(Blancas.Atacantes_Rey, 0);
}

TEST_F(EvaluacionPiezas, BishopBehindItsPawnsHasNoMobility) {
    Escanear("4k3/8/8/8/8/8/1P1P4/2B1K3 w - - 0 1");
    EXPECT_EQ(Blancas.Movilidad_Apertura, -30);
    EXPECT_EQ(Blancas.Movilidad_Final, -30);
    EXPECT_EQ(Blancas.Puntos_Apertura, -16 - 5);
    EXPECT_EQ(Blancas.Puntos_Final, -10 - 5);
    EXPECT_EQ(Blancas.Defensa_Casilla[49], 0);
    EXPECT_EQ(Blancas.Defensa_Casilla[51], 0);
    EXPECT_EQ(Blancas.Lista_Alfiles[0], 58);
}

TEST_F(EvaluacionPiezas, BlackBishopOnC8ReadsTheBlackHalf) {
    Escanear("2b1k3/1p1p4/8/8/8/8/8/4K3 b - - 0 1");
    EXPECT_EQ(Negras.Puntos_Apertura, -16 - 5);
    EXPECT_EQ(Negras.Movilidad_Apertura, -30);
}

TEST_F(EvaluacionPiezas, PawnFilesRunFromTheMostAdvancedPawn) {
    Escanear("4k3/p7/p7/p7/P7/P7/P7/4K3 w - - 0 1");
    EXPECT_EQ(Blancas.Lista_Peones[0][0], 32);  // a4
    EXPECT_EQ(Blancas.Lista_Peones[0][1], 40);
    EXPECT_EQ(Blancas.Lista_Peones[0][2], 48);
    EXPECT_EQ(Blancas.Lista_Peones[0][3], -1);
    EXPECT_EQ(Negras.Lista_Peones[0][0], 24);   // a5
    EXPECT_EQ(Negras.Lista_Peones[0][1], 16);
    EXPECT_EQ(Negras.Lista_Peones[0][2], 8);
    EXPECT_EQ(Negras.Lista_Peones[0][3], -1);
    EXPECT_EQ(Blancas.Peones_Segunda, 1);
    EXPECT_EQ(Negras.Peones_Segunda, 1);
    EXPECT_EQ(Blancas.Peones_Flanco_Dama, 3);
    EXPECT_EQ(Negras.Peones_Flanco_Rey, 0);
    // a4 and a2 are light, a3 dark; for Black a5 and a7 are dark, a6 light.
    EXPECT_EQ(Blancas.Peones_Claras, 2);
    EXPECT_EQ(Negras.Peones_Oscuras, 2);
}

TEST_F(EvaluacionPiezas, SixthPawnOnAFileIsNeitherStoredNorCounted) {
    Escanear("4k3/P6p/P6p/P6p/P6p/P6p/P6p/4K3 w - - 0 1");
    EXPECT_EQ(Blancas.Peones_Columna[0], 5);
    EXPECT_EQ(Blancas.Lista_Peones[0][0], 8);   // a7 first
    EXPECT_EQ(Blancas.Lista_Peones[0][4], 40);  // a3 last; a2 dropped
    EXPECT_EQ(Negras.Peones_Columna[7], 5);
    // Black's most advanced pawn (h2) comes last in the scan and is the one dropped.
    EXPECT_EQ(Negras.Lista_Peones[7][0], 47);
    EXPECT_EQ(Negras.Lista_Peones[7][4], 15);
    // The dropped pawn still counts on its rank.
    EXPECT_EQ(Blancas.Peones_Segunda, 1);
}

TEST_F(EvaluacionPiezas, PawnThreatsListAttackedEnemyMenOnly) {
    // e4 attacks the knight on d5 and the king on f5; b2 defends a3 and c3.
    Escanear("8/8/8/3n1k2/4P3/N1N5/1P6/4K3 w - - 0 1");
    ASSERT_EQ(Blancas.Num_Amenazas_Peon, 2);
    EXPECT_EQ(Blancas.Amenazas_Peon[0], 27);
    EXPECT_EQ(Blancas.Amenazas_Peon[1], 29);
    EXPECT_EQ(Blancas.Defensa_Casilla[40], 0);
    EXPECT_EQ(Blancas.Defensa_Casilla[42], 0);
}

TEST_F(EvaluacionPiezas, PawnAttackTestsRejectWrappedDiagonals) {
    Cargar("4k3/7p/2p5/8/8/4P3/P7/4K3 w - - 0 1");
    EXPECT_EQ(AmenazadoPorPeonN(24), 0);  // a5: h7 is 9 squares away but no neighbour
    EXPECT_EQ(AmenazadoPorPeonN(25), 1);  // b5 from c6
    EXPECT_EQ(AmenazadoPorPeonN(22), 1);  // g6 from h7
    EXPECT_EQ(AmenazadoPorPeonN(3), 0);   // rank 8
    EXPECT_EQ(AmenazadoPorPeonB(39), 0);  // h4: a2 is 9 squares away but no neighbour
    EXPECT_EQ(AmenazadoPorPeonB(37), 1);  // f4 from e3
    EXPECT_EQ(AmenazadoPorPeonB(35), 1);  // d4 from e3
    EXPECT_EQ(AmenazadoPorPeonB(41), 1);  // b3 from a2
    EXPECT_EQ(AmenazadoPorPeonB(60), 0);  // rank 1
}

TEST_F(EvaluacionPiezas, KnightGivingCheckAddsKingAttackOnce) {
    // The knight on f6 checks e8 (6 + 4 units) and covers d7 next to it (6 more).
    Escanear("4k3/8/5N2/8/8/8/8/4K3 w - - 0 1");
    EXPECT_EQ(Blancas.Ataque_Rey, 6 + 4 + 6);
    EXPECT_EQ(Blancas.Atacantes_Rey, 1);
    ASSERT_EQ(Blancas.Num_Objetivos_Caballo, 1);
    EXPECT_EQ(Blancas.Objetivos_Caballo[0], 4);
}

// White's record from fen equals Black's record from the mirrored position.
static void ComprobarEspejo(const char *fen) {
    Escanear(fen);
    Tipo_Lado b = Blancas;
    Escanear(Espejo(fen).c_str());
    const Tipo_Lado &n = Negras;
    EXPECT_EQ(b.Puntos_Apertura, n.Puntos_Apertura) << fen;
    EXPECT_EQ(b.Puntos_Final, n.Puntos_Final) << fen;
    EXPECT_EQ(b.Movilidad_Apertura, n.Movilidad_Apertura) << fen;
    EXPECT_EQ(b.Ataque_Rey, n.Ataque_Rey) << fen;
}

TEST_F(EvaluacionPiezas, BishopsShutInBehindPawnsOnTheRimArePenalised) {
    Escanear("4k3/5p1B/6p1/8/8/8/8/4K3 w - - 0 1");
    EXPECT_EQ(Blancas.Puntos_Apertura, -5 - 150);
    EXPECT_EQ(Blancas.Puntos_Final, -20 - 150);
    Escanear("4k3/8/B1p5/1p6/8/8/8/4K3 w - - 0 1");
    EXPECT_EQ(Blancas.Puntos_Apertura, -5 - 50);
    EXPECT_EQ(Blancas.Puntos_Final, -10 - 50);
    // Without the g6 pawn the h7 bishop is free (and g6 counts for mobility).
    Escanear("4k3/5p1B/8/8/8/8/8/4K3 w - - 0 1");
    EXPECT_EQ(Blancas.Puntos_Apertura, -5);
    ComprobarEspejo("4k3/5p1B/6p1/8/8/8/8/4K3 w - - 0 1");
    ComprobarEspejo("4k3/8/B1p5/1p6/8/8/8/4K3 w - - 0 1");
    ComprobarEspejo("4k3/B1p5/1p6/8/8/8/8/4K3 w - - 0 1");
    ComprobarEspejo("4k3/8/5p1B/6p1/8/8/8/4K3 w - - 0 1");
}

TEST_F(EvaluacionPiezas, BishopsOnOneFileOrRankEarnFourEach) {
    // c1 sees another bishop up its file; c5 has nothing above it.
    Escanear("4k3/8/8/2B5/8/8/8/2B1K3 w - - 0 1");
    EXPECT_EQ(Blancas.Puntos_Apertura, 5 - 16 + 4);
    EXPECT_EQ(Blancas.Puntos_Final, 20 - 10 + 4);
    // a1 sees c1 to its right; the h-file is not looked at.
    Escanear("4k3/8/8/8/8/8/8/B1B1K2B w - - 0 1");
    Tipo_Lado con = Blancas;
    Escanear("4k3/8/8/8/8/8/8/B3K2B w - - 0 1");
    // c1 itself adds its square value (it reaches g5, so no -5) and a1 earns 4 for it.
    EXPECT_EQ(con.Puntos_Apertura - Blancas.Puntos_Apertura, PST_B_OP[58] + 4);
    ComprobarEspejo("4k3/8/8/2B5/8/8/8/2B1K3 w - - 0 1");
    ComprobarEspejo("4k3/8/8/8/8/8/8/B1B1K2B w - - 0 1");
}

TEST_F(EvaluacionPiezas, QueenCountsEveryRaySquareAndTheKingZone) {
    Escanear("4k3/8/8/8/3Q4/8/8/4K3 w - - 0 1");
    EXPECT_EQ(Blancas.Movilidad_Apertura, 13);  // 27 squares
    EXPECT_EQ(Blancas.Movilidad_Final, 26);
    EXPECT_EQ(Blancas.Ataque_Rey, 30);  // d7 and d8
    EXPECT_EQ(Blancas.Atacantes_Rey, 1);
    EXPECT_EQ(Blancas.Tropismo_Apertura, 2 * 9);
    EXPECT_EQ(Blancas.Tropismo_Final, 4 * 9);
    EXPECT_EQ(Blancas.Lista_Damas[0], 35);
    ComprobarEspejo("4k3/8/8/8/3Q4/8/8/4K3 w - - 0 1");
    ComprobarEspejo("r3k3/1p6/8/8/1Q6/8/1P6/4K3 w - - 0 1");
}

TEST_F(EvaluacionPiezas, QueenOnTheSeventhNeedsTheKingBehindOrAPawnFoundBeforeIt) {
    Escanear("4k3/Q7/8/8/8/8/8/4K3 w - - 0 1");
    EXPECT_EQ(Blancas.Puntos_Apertura, 4);
    EXPECT_EQ(Blancas.Puntos_Final, -16 + 8);
    // The scan has met the a7 pawn before the queen on h7, but not the h7 pawn before a7.
    Escanear("8/p6Q/4k3/8/8/8/8/4K3 w - - 0 1");
    EXPECT_EQ(Blancas.Puntos_Apertura, 4);
    Escanear("8/Q6p/4k3/8/8/8/8/4K3 w - - 0 1");
    EXPECT_EQ(Blancas.Puntos_Apertura, 0);
    ComprobarEspejo("8/p6Q/4k3/8/8/8/8/4K3 w - - 0 1");
    ComprobarEspejo("8/Q6p/4k3/8/8/8/8/4K3 w - - 0 1");
}

TEST_F(EvaluacionPiezas, ScanStopsAtAnImpossibleCode) {
    Cargar("4k3/8/8/6N1/8/8/8/4K3 w - - 0 1");
    TableroGlobal.Tablero[20] = 0;
    LimpiarPuntuacion(0);
    EvaluarPiezasTableroJuego();
    EXPECT_EQ(Blancas.Lista_Caballos[0], -1);
    TableroGlobal.Tablero[20] = 14;
    LimpiarPuntuacion(0);
    EvaluarPiezasTableroJuego();
    EXPECT_EQ(Blancas.Lista_Caballos[0], -1);
}

TEST_F(EvaluacionPiezas, QueenCheckThatWinsAPieceSafelyAddsThirtySixUnits) {
    // e7 checks h7 along the rank (g7 and h7: 15 + 15 + 12 units) and attacks the a7 rook.
    const char *suelta = "8/r3Q2k/8/8/8/8/8/4K3 b - - 0 1";
    Escanear(suelta);
    EXPECT_EQ(Blancas.Ataque_Rey, 42 + 36);
    EXPECT_EQ(Blancas.Atacantes_Rey, 1);
    // The b5 knight takes the queen back and the a1 rook takes the knight: the exchange
    // after the capture goes against the queen, so nothing is added.
    Escanear("8/r3Q2k/8/1n6/8/8/8/R3K3 b - - 0 1");
    EXPECT_EQ(Blancas.Ataque_Rey, 42);
    // No trial at the top of the undo stack: a make there could not be taken back.
    Cargar(suelta);
    TableroGlobal.Indice_Deshacer = MAX_DESHACER - 1;
    const Tipo_Tablero antes = TableroGlobal;
    EvaluarPiezasTableroJuego();
    EXPECT_EQ(Blancas.Ataque_Rey, 42);
    EXPECT_EQ(std::memcmp(TableroGlobal.Tablero, antes.Tablero, sizeof(antes.Tablero)), 0);
    ComprobarEspejo(suelta);
    ComprobarEspejo("8/r3Q2k/8/1n6/8/8/8/R3K3 b - - 0 1");
}

TEST_F(EvaluacionPiezas, TrialCapturesLeaveThePositionAndTurnAsTheyWere) {
    for (const char *fen : {"8/r3Q2k/8/8/8/8/8/4K3 b - - 0 1", "8/r3Q2k/8/8/8/8/8/4K3 w - - 0 1",
                            "4k3/8/8/8/8/8/R2q3K/8 w - - 0 1"}) {
        Cargar(fen);
        const Tipo_Tablero antes = TableroGlobal;
        const Tipo_Lado b = Blancas, n = Negras;
        EvaluarPiezasTableroJuego();
        EXPECT_EQ(TableroGlobal.Turno, antes.Turno) << fen;
        EXPECT_EQ(TableroGlobal.Clave, antes.Clave) << fen;
        EXPECT_EQ(TableroGlobal.Indice_Deshacer, antes.Indice_Deshacer) << fen;
        EXPECT_EQ(TableroGlobal.Num_Historial, antes.Num_Historial) << fen;
        EXPECT_EQ(TableroGlobal.Rey_Blanco, antes.Rey_Blanco) << fen;
        EXPECT_EQ(TableroGlobal.Rey_Negro, antes.Rey_Negro) << fen;
        EXPECT_EQ(std::memcmp(TableroGlobal.Tablero, antes.Tablero, sizeof(antes.Tablero)), 0);
        EXPECT_EQ(Blancas.Num_Torres, b.Num_Torres) << fen;
        EXPECT_EQ(Negras.Num_Torres, n.Num_Torres) << fen;
        EXPECT_EQ(Salir, 0) << fen;
    }
    // The Black queen's trial really happened: it checks h2 and attacks a2.
    EXPECT_EQ(Negras.Ataque_Rey, 42 + 36);
}
