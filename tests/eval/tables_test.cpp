// Invariants of the evaluation tables, and a few entries checked against the printed ones.
#include <gtest/gtest.h>

#include <iterator>

#include "eval/eval.h"

namespace {

TEST(TablasEvaluacion, HalvesMirrorSymmetricTablesAreSymmetricAndCornersMatch) {
    // Two-half tables: Black's half is White's with ranks reversed; all are symmetric by file.
    const int32_t *mitades[] = {PST_N_OP, PST_B_OP, PST_Q_OP, PST_OUTPOST, PST_P_OP, PST_R_OP,
                                PST_K_OP, PST_BONUS_DEFENDED_OP, PST_BONUS_DEFENDED_EG,
                                PST_BONUS_FALANGE_OP, PST_BONUS_FALANGE_EG};
    // One-half endgame tables: symmetric by file and by rank.
    const int32_t *simetricas[] = {PST_N_EG, PST_B_EG, PST_Q_EG, PST_P_EG, PST_K_EG, PST_R_EG};
    for (int k = 0; k < 11; k++)
        for (int s = 0; s < 64; s++) {
            EXPECT_EQ(mitades[k][64 + s], mitades[k][s ^ 56]) << "table " << k << " square " << s;
            EXPECT_EQ(mitades[k][s], mitades[k][s ^ 7]) << "table " << k << " square " << s;
        }
    for (int k = 0; k < 6; k++)
        for (int s = 0; s < 64; s++) {
            EXPECT_EQ(simetricas[k][s], simetricas[k][s ^ 56]) << "table " << k << " " << s;
            EXPECT_EQ(simetricas[k][s], simetricas[k][s ^ 7]) << "table " << k << " " << s;
        }
    // The wing tables are constant along files and mirror each other across the board.
    for (int s = 0; s < 64; s++) {
        EXPECT_EQ(PST_K_EG_KS[s], PST_K_EG_KS[s & 7]) << s;
        EXPECT_EQ(PST_K_EG_QS[s], PST_K_EG_KS[s ^ 7]) << s;
    }
    const int32_t esquinas[] = {
        PST_N_OP[0], -135, PST_N_OP[64], -50, PST_N_EG[27], 10, PST_B_OP[66], -16, PST_B_OP[9], 3,
        PST_B_EG[0], -30, PST_Q_OP[60], -5, PST_Q_EG[35], 8, PST_OUTPOST[19], 12,
        PST_P_OP[36], 15, PST_P_EG[8], 3, PST_R_OP[59], 4, PST_K_OP[0], -40, PST_K_OP[70], 50,
        PST_K_EG[56], -72, PST_K_EG_KS[63], -30, PST_BONUS_FALANGE_OP[26], 10,
        PST_BONUS_FALANGE_EG[51], 0, PST_BONUS_DEFENDED_OP[16], 8, PST_BONUS_DEFENDED_EG[40], 1,
        BONUS_PASSED[1][6], 260, BONUS_PEON_IMPARABLE[6], 400, ESCUDO_PEON[0][6], -35,
        ESCUDO_PEON[1][4], -13, imbalance[3][6], 60, imbalance[5][2], -60,
        KING_ATTACK_MULTI[10], 1, KING_ATTACK_MULTI[233], 499, att_on_hang_mg[PEON_N], 11,
        att_on_hang_eg[DAMA_B], 33};
    for (size_t i = 0; i < std::size(esquinas); i += 2)
        EXPECT_EQ(esquinas[i], esquinas[i + 1]) << "entry " << i / 2;
}

TEST(TablasEvaluacion, ImbalanceThreatsAndKingAttackKeepTheirShape) {
    for (int i = 0; i < 9; i++)
        for (int j = 0; j < 9; j++) EXPECT_EQ(imbalance[8 - i][8 - j], -imbalance[i][j]) << i << j;
    for (int i = 1; i < 400; i++) EXPECT_LE(KING_ATTACK_MULTI[i - 1], KING_ATTACK_MULTI[i]) << i;
    EXPECT_EQ(KING_ATTACK_MULTI[0], 0);
    EXPECT_EQ(KING_ATTACK_MULTI[234], 500);
    EXPECT_EQ(KING_ATTACK_MULTI[399], 500);
    for (int32_t pieza = PEON_B; pieza <= REY_B; pieza++) {
        EXPECT_EQ(att_on_hang_mg[pieza + 7], att_on_hang_mg[pieza]) << pieza;
        EXPECT_EQ(att_on_hang_eg[pieza + 7], att_on_hang_eg[pieza]) << pieza;
    }
    for (int32_t codigo : {0, REY_B, SIN_PIEZA, REY_N, 14, 15})
        EXPECT_EQ(att_on_hang_mg[codigo] + att_on_hang_eg[codigo], 0) << codigo;
}

}  // namespace
