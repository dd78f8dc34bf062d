// The evaluation driver: material, phase, cache, endgame gate and the closing steps.
#include <gtest/gtest.h>

#include "eval/eval_test_util.h"

using namespace eval_test;

static const char *INICIAL = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

class EvaluacionDriver : public ::testing::Test {
  protected:
    Registro_TT tt;
    Cache_Entrada *cache;
    void SetUp() override {
        tt = TT_Opciones;
        cache = TT_Cache;
        Neutro();
        TT_Opciones.Megas_Cache = 0;
        Cargar(INICIAL);
    }
    void TearDown() override {
        TT_Opciones = tt;
        TT_Cache = cache;
    }

    // Side records as the terms would leave them: only what a test sets is nonzero.
    static void RegistrosVacios(int32_t fase, int32_t turno) {
        LimpiarPuntuacion(1);
        TableroGlobal.Fase = fase;
        TableroGlobal.Turno = turno;
    }
};

TEST_F(EvaluacionDriver, PercentScalingLosesOnePointOnExactMultiplesOfHundred) {
    // The product 3000 scales to 29, not 30, whichever way it is made up.
    EXPECT_EQ(Porcentaje(3000, 1), 29);
    EXPECT_EQ(Porcentaje(-3000, 1), -29);
    EXPECT_EQ(Porcentaje(30, 100), 29);
    EXPECT_EQ(Porcentaje(-30, 100), -29);
    EXPECT_EQ(Porcentaje(3000, 100), 2999);
    EXPECT_EQ(Porcentaje(100, 20), 19);
    EXPECT_EQ(Porcentaje(31, 100), 30);
    EXPECT_EQ(Porcentaje(150, -1), -1);
    EXPECT_EQ(Porcentaje(0, 104), 0);
}

TEST_F(EvaluacionDriver, CacheHitAfterMaterialLeavesTheStartPositionMaterialVisible) {
    CacheDePrueba c(1024);
    c.Entrada().Clave = TableroGlobal.Clave;
    c.Entrada().Puntuacion = 77;
    EXPECT_EQ(Evaluar(), 77);
    EXPECT_EQ(TableroGlobal.Fase, 24);
    // 4120 of material, -11 of adjustments, +50/+60 for the bishop pair.
    EXPECT_EQ(Blancas.Puntos_Apertura, 4159);
    EXPECT_EQ(Blancas.Puntos_Final, 4169);
    EXPECT_EQ(Negras.Puntos_Apertura, 4159);
    EXPECT_EQ(Negras.Puntos_Final, 4169);
    // The probe returns before the board scan.
    EXPECT_EQ(Blancas.Lista_Caballos[0], -1);
}

TEST_F(EvaluacionDriver, CachedScoreTakesTheSignOfTheSideToMove) {
    CacheDePrueba c(1024);
    Cargar("rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1");
    c.Entrada().Clave = TableroGlobal.Clave;
    c.Entrada().Puntuacion = 123;
    EXPECT_EQ(Evaluar(), -123);
    TableroGlobal.Turno = 1;
    EXPECT_EQ(Evaluar(), 123);
}

TEST_F(EvaluacionDriver, MaterialAdjustmentsFollowPawnsAndEnemyMinors) {
    CacheDePrueba c(64);
    // White: two knights and two rooks with three pawns; Black: a queen against them.
    Cargar("3qk3/pp6/8/8/8/8/PPP5/RN2K1NR w - - 0 1");
    c.Entrada().Clave = TableroGlobal.Clave;
    Evaluar();
    // 300 + 650 + 1000 = 1950; knights 2 x -6, rooks -2 x -3, pair of knights -10, of rooks -5.
    EXPECT_EQ(Blancas.Puntos_Apertura, 1950 - 12 + 6 - 10 - 5);
    // 200 + 1000; the queen costs 5 for each of the two enemy knights.
    EXPECT_EQ(Negras.Puntos_Apertura, 1200 - 10);
    EXPECT_EQ(Negras.Puntos_Final, 1190);
    EXPECT_EQ(TableroGlobal.Fase, 2 + 4 + 4);
}

TEST_F(EvaluacionDriver, PhaseIsLimitedTo24) {
    CacheDePrueba c(64);
    Cargar("qqqqk3/8/8/8/8/8/8/QQQQK3 w - - 0 1");
    c.Entrada().Clave = TableroGlobal.Clave;
    Evaluar();
    EXPECT_EQ(TableroGlobal.Fase, 24);
}

TEST_F(EvaluacionDriver, EndgameGateDrawsBareMinorsWithoutTouchingTheCache) {
    CacheDePrueba c(64);
    for (const char *fen : {"8/8/4k3/8/8/3BK3/8/8 w - - 0 1", "8/8/4k3/8/8/4K3/8/8 b - - 0 1",
                            "8/4n3/4k3/8/8/3BK3/8/8 w - - 0 1"}) {
        Cargar(fen);
        EXPECT_EQ(Evaluar(), 0) << fen;
        EXPECT_EQ(c.Entrada().Clave, 0u) << fen;
        EXPECT_EQ(c.Entrada().Puntuacion, -32001) << fen;
    }
}

TEST_F(EvaluacionDriver, RookEndingPassesTheGateAndScoresForTheStrongSide) {
    Cargar("8/8/4k3/8/8/3RK3/8/8 w - - 0 1");
    EXPECT_GT(Evaluar(), 300);
    Cargar("8/8/4k3/8/8/3RK3/8/8 b - - 0 1");
    EXPECT_LT(Evaluar(), -300);
}

TEST_F(EvaluacionDriver, FullEvaluationIsStoredFromWhitesPointOfView) {
    CacheDePrueba c(4096);
    Cargar("r1bqkbnr/pppp1ppp/2n5/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R b KQkq - 2 2");
    int32_t v = Evaluar();
    EXPECT_EQ(c.Entrada().Clave, TableroGlobal.Clave);
    EXPECT_EQ(c.Entrada().Puntuacion, -v);
    // The second call is the cache hit and agrees with the first.
    EXPECT_EQ(Evaluar(), v);
}

TEST_F(EvaluacionDriver, EvaluationLeavesThePositionUnchanged) {
    // The queen checks from e7 and attacks the rook, so the scan tries a capture.
    Cargar("4k3/r3Q3/8/8/8/8/8/4K3 b - - 0 1");
    Tipo_Tablero antes = TableroGlobal;
    Evaluar();
    EXPECT_EQ(TableroGlobal.Clave, antes.Clave);
    EXPECT_EQ(TableroGlobal.Turno, antes.Turno);
    EXPECT_EQ(TableroGlobal.Indice_Deshacer, antes.Indice_Deshacer);
    for (int s = 0; s < 64; s++) EXPECT_EQ(TableroGlobal.Tablero[s], antes.Tablero[s]);
    EXPECT_EQ(Negras.Num_Torres, 1);
}

TEST_F(EvaluacionDriver, BlendDividesMultiplesOf24Exactly) {
    RegistrosVacios(24, 0);
    Negras.Puntos_Apertura = -35;  // +30 for White once Black's tempo is in
    EXPECT_EQ(CerrarEvaluacion(), -30);
    RegistrosVacios(0, 1);
    Blancas.Puntos_Final = 20;  // 30 with the tempo
    EXPECT_EQ(CerrarEvaluacion(), 30);
    // 12 x (1 + 5) + 12 x (0 + 10) = 192 = 8 x 24.
    RegistrosVacios(12, 1);
    Blancas.Puntos_Apertura = 1;
    EXPECT_EQ(CerrarEvaluacion(), 8);
    // 5 x 23 = 115 is not a multiple: 4.79 truncates to 4.
    RegistrosVacios(23, 1);
    Blancas.Puntos_Final = -10;
    EXPECT_EQ(CerrarEvaluacion(), 4);
    // Black's tempo: -(5 x 23 + 10) / 24 = -5.2 truncates toward zero, to -5.
    RegistrosVacios(23, 0);
    EXPECT_EQ(CerrarEvaluacion(), 5);
}

TEST_F(EvaluacionDriver, MobilityWeightsPerSideAndTropismAtTwentyPercent) {
    AJUSTE_MOB[1] = 104;
    AJUSTE_MOB[0] = 100;
    RegistrosVacios(24, 1);
    Blancas.Movilidad_Apertura = 50;  // 5200 scales to 51
    Negras.Movilidad_Apertura = 50;   // 49
    Blancas.Tropismo_Apertura = 100;  // 19
    Negras.Tropismo_Final = 100;      // endgame only, invisible at phase 24
    EXPECT_EQ(CerrarEvaluacion(), 51 + 19 + 5 - 49);
    EXPECT_EQ(Blancas.Puntos_Apertura, 51 + 19 + 5);
}

TEST_F(EvaluacionDriver, KingAttackNeedsTwoAttackersAndAQueen) {
    RegistrosVacios(24, 0);
    Blancas.Num_Damas = Negras.Num_Damas = 1;
    Blancas.Atacantes_Rey = 1;
    Blancas.Ataque_Rey = 200;
    EXPECT_EQ(CerrarEvaluacion(), 5);  // Black's tempo only
    EXPECT_EQ(Blancas.Ataque_Rey, 200);

    RegistrosVacios(24, 0);
    Blancas.Num_Damas = Negras.Num_Damas = 1;
    Blancas.Atacantes_Rey = 2;
    Blancas.Ataque_Rey = 200;
    EXPECT_EQ(CerrarEvaluacion(), 5 - Porcentaje(KING_ATTACK_MULTI[200], 100));
    EXPECT_GT(KING_ATTACK_MULTI[200], 100);

    // Without a queen nothing is scored and the units are wiped.
    RegistrosVacios(24, 1);
    Negras.Atacantes_Rey = 5;
    Negras.Ataque_Rey = 300;
    EXPECT_EQ(CerrarEvaluacion(), 5);
    EXPECT_EQ(Negras.Ataque_Rey, 0);
}

TEST_F(EvaluacionDriver, KingAttackUnitsAreLimitedTo399) {
    AJUSTE_ATT[0] = 104;
    RegistrosVacios(0, 1);
    Negras.Num_Damas = 1;
    Negras.Atacantes_Rey = 3;
    Negras.Ataque_Rey = 1000;
    // 500 at 104 percent is 519 (52000 x 0.01f truncated); the queen imbalance adds -60.
    EXPECT_EQ(CerrarEvaluacion(), 10 - 519 - 60);
    EXPECT_EQ(Negras.Ataque_Rey, 399);
}

TEST_F(EvaluacionDriver, ImbalanceComparesMajorAndMinorDifferences) {
    struct Caso {
        int32_t bt, bd, bc, ba, nt, nd, nc, na, esperado;
    } casos[] = {
        {2, 1, 2, 2, 2, 1, 2, 2, 0},    // equal material
        {1, 0, 0, 0, 0, 0, 1, 0, 0},    // rook against knight: [5][3]
        {0, 1, 0, 0, 2, 0, 0, 0, 0},    // queen against two rooks
        {0, 0, 2, 0, 1, 0, 0, 0, 60},   // two minors against a rook: [3][6]
        {1, 0, 0, 0, 0, 0, 1, 1, -60},  // the same for Black: [5][2]
        {0, 0, 5, 0, 0, 0, 0, 0, 45},   // a minor difference beyond +4 stays at column 8
        {0, 0, 0, 0, 5, 0, 0, 0, -60},  // a major difference below -3 goes to row 0
    };
    for (const Caso &c : casos) {
        RegistrosVacios(24, 1);
        Blancas.Num_Torres = c.bt, Blancas.Num_Damas = c.bd;
        Blancas.Num_Caballos = c.bc, Blancas.Num_Alfiles = c.ba;
        Negras.Num_Torres = c.nt, Negras.Num_Damas = c.nd;
        Negras.Num_Caballos = c.nc, Negras.Num_Alfiles = c.na;
        EXPECT_EQ(CerrarEvaluacion() - 5, c.esperado)
            << c.bt << c.bd << c.bc << c.ba << " v " << c.nt << c.nd << c.nc << c.na;
    }
}

TEST_F(EvaluacionDriver, ScoresAreClampedBelowMate) {
    RegistrosVacios(24, 1);
    Blancas.Puntos_Apertura = 40000;
    EXPECT_EQ(CerrarEvaluacion(), UMBRAL_MATE);
    RegistrosVacios(24, 1);
    Negras.Puntos_Apertura = 40000;
    EXPECT_EQ(CerrarEvaluacion(), -UMBRAL_MATE);
    RegistrosVacios(24, 0);
    Negras.Puntos_Apertura = 40000;
    EXPECT_EQ(CerrarEvaluacion(), UMBRAL_MATE);
}
