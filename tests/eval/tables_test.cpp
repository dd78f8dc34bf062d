// Invariants of the evaluation tables.
#include <gtest/gtest.h>

#include "eval/eval.h"

static int Espejo(int s) { return s ^ 56; }       // same file, rank reversed
static int Columna(int s) { return s ^ 7; }       // same rank, file reversed

TEST(TablasEvaluacion, BlackHalvesAreTheWhiteHalvesWithRanksReversed) {
    const int32_t *tablas[] = {PST_N_OP, PST_B_OP, PST_Q_OP, PST_OUTPOST};
    const char *nombres[] = {"PST_N_OP", "PST_B_OP", "PST_Q_OP", "PST_OUTPOST"};
    for (int k = 0; k < 4; k++)
        for (int s = 0; s < 64; s++)
            EXPECT_EQ(tablas[k][64 + s], tablas[k][Espejo(s)]) << nombres[k] << " " << s;
}

TEST(TablasEvaluacion, SquareTablesAreSymmetric) {
    const int32_t *finales[] = {PST_N_EG, PST_B_EG, PST_Q_EG};
    for (const int32_t *t : finales)
        for (int s = 0; s < 64; s++) {
            EXPECT_EQ(t[s], t[Espejo(s)]) << s;
            EXPECT_EQ(t[s], t[Columna(s)]) << s;
        }
    const int32_t *aperturas[] = {PST_N_OP, PST_B_OP, PST_Q_OP, PST_OUTPOST};
    for (const int32_t *t : aperturas)
        for (int s = 0; s < 64; s++) EXPECT_EQ(t[s], t[Columna(s)]) << s;
}

TEST(TablasEvaluacion, CornerEntriesMatchThePrintedTables) {
    EXPECT_EQ(PST_N_OP[0], -135);   // a8
    EXPECT_EQ(PST_N_OP[63], -50);   // h1
    EXPECT_EQ(PST_N_OP[64 + 0], -50);  // Black knight on a8 counts as a White one on a1
    EXPECT_EQ(PST_B_OP[58], -16);   // c1
    EXPECT_EQ(PST_B_OP[64 + 2], -16);  // Black bishop on c8
    EXPECT_EQ(PST_B_OP[9], 3);      // b7
    EXPECT_EQ(PST_Q_OP[60], -5);
    EXPECT_EQ(PST_Q_OP[64 + 4], -5);
    EXPECT_EQ(PST_Q_OP[36], 0);
    EXPECT_EQ(PST_N_EG[27], 10);
    EXPECT_EQ(PST_B_EG[0], -30);
    EXPECT_EQ(PST_Q_EG[35], 8);
    EXPECT_EQ(PST_OUTPOST[28], 9);  // e5
    EXPECT_EQ(PST_OUTPOST[19], 12);  // d6
    EXPECT_EQ(PST_OUTPOST[64 + 36], 9);  // Black's e4
}

TEST(TablasEvaluacion, ImbalanceIsAntisymmetricUnderColourExchange) {
    for (int i = 0; i < 9; i++)
        for (int j = 0; j < 9; j++) EXPECT_EQ(imbalance[8 - i][8 - j], -imbalance[i][j]) << i << j;
    EXPECT_EQ(imbalance[4][4], 0);
    EXPECT_EQ(imbalance[3][6], 60);
}

TEST(TablasEvaluacion, KingAttackGrowsToFiveHundred) {
    for (int i = 1; i < 400; i++) EXPECT_LE(KING_ATTACK_MULTI[i - 1], KING_ATTACK_MULTI[i]) << i;
    EXPECT_EQ(KING_ATTACK_MULTI[0], 0);
    EXPECT_EQ(KING_ATTACK_MULTI[10], 1);
    EXPECT_EQ(KING_ATTACK_MULTI[233], 499);
    EXPECT_EQ(KING_ATTACK_MULTI[234], 500);
    EXPECT_EQ(KING_ATTACK_MULTI[399], 500);
}

TEST(TablasEvaluacion, StartUpTablesHoldMobilityRowsAndTropism) {
    LlenarTablasEvaluacion();
    EXPECT_EQ(BONUS_CABALLO_MOVILIDAD[4], 0);
    EXPECT_EQ(BONUS_CABALLO_MOVILIDAD[9 + 8], 16);
    EXPECT_EQ(BONUS_ALFIL_MOVILIDAD[0], -30);
    EXPECT_EQ(BONUS_ALFIL_MOVILIDAD[16 + 13], 35);
    EXPECT_EQ(BONUS_TORRE_MOVILIDAD[14], 14);
    EXPECT_EQ(BONUS_TORRE_MOVILIDAD[16 + 0], -28);
    EXPECT_EQ(BONUS_DAMA_MOVILIDAD[27], 13);
    EXPECT_EQ(BONUS_DAMA_MOVILIDAD[32 + 0], -28);
    EXPECT_EQ(TROPISMO_DISTANCIA[0][63], 0);
    EXPECT_EQ(TROPISMO_DISTANCIA[36][28], 13);  // e4, e5
    EXPECT_EQ(TROPISMO_DISTANCIA[20][20], 14);
    for (int a = 0; a < 64; a++)
        for (int b = 0; b < 64; b++) {
            EXPECT_EQ(TROPISMO_DISTANCIA[a][b], TROPISMO_DISTANCIA[b][a]);
            EXPECT_EQ(TROPISMO_DISTANCIA[a][b], TROPISMO_DISTANCIA[a ^ 56][b ^ 56]);
        }
}
