// Invariants of the pawn, rook, king and threat tables, and a few entries checked by hand.
#include <gtest/gtest.h>

#include "eval/eval.h"

namespace {

// Black's half of a 128-entry table is White's with the ranks reversed (square ^ 56).
static void ComprobarMitadNegra(const int32_t *tabla, const char *nombre) {
    for (int32_t s = 0; s < 64; s++) EXPECT_EQ(tabla[64 + s], tabla[s ^ 56]) << nombre << " " << s;
}

// The same value on a square and on its file mirror (square ^ 7).
static void ComprobarSimetriaColumnas(const int32_t *tabla, const char *nombre) {
    for (int32_t s = 0; s < 64; s++) EXPECT_EQ(tabla[s], tabla[s ^ 7]) << nombre << " " << s;
}

TEST(TablasEstructura, MitadesNegrasSonLasBlancasInvertidas) {
    const int32_t *tablas[] = {PST_P_OP, PST_BONUS_DEFENDED_OP, PST_BONUS_DEFENDED_EG,
                               PST_BONUS_FALANGE_OP, PST_BONUS_FALANGE_EG, PST_R_OP, PST_K_OP};
    const char *nombres[] = {"PST_P_OP", "DEFENDED_OP", "DEFENDED_EG", "FALANGE_OP",
                             "FALANGE_EG", "PST_R_OP", "PST_K_OP"};
    for (int32_t i = 0; i < 7; i++) {
        ComprobarMitadNegra(tablas[i], nombres[i]);
        ComprobarSimetriaColumnas(tablas[i], nombres[i]);
    }
}

TEST(TablasEstructura, TablasFinalesComunesSonSimetricas) {
    for (const int32_t *tabla : {PST_P_EG, PST_K_EG, PST_R_EG}) {
        ComprobarSimetriaColumnas(tabla, "endgame");
        for (int32_t s = 0; s < 64; s++) EXPECT_EQ(tabla[s], tabla[s ^ 56]) << s;
    }
    // The wing tables are constant along files and mirror each other across the board.
    for (int32_t s = 0; s < 64; s++) {
        EXPECT_EQ(PST_K_EG_KS[s], PST_K_EG_KS[s & 7]) << s;
        EXPECT_EQ(PST_K_EG_QS[s], PST_K_EG_KS[s ^ 7]) << s;
    }
}

TEST(TablasEstructura, EsquinasYEntradasSueltas) {
    EXPECT_EQ(PST_K_OP[0], -40);      // a8
    EXPECT_EQ(PST_K_OP[64 + 6], 50);  // Black g8, as White g1
    EXPECT_EQ(PST_K_EG[56], -72);     // a1
    EXPECT_EQ(PST_K_EG_KS[63], -30);
    EXPECT_EQ(PST_P_OP[36], 15);               // e4
    EXPECT_EQ(PST_BONUS_FALANGE_OP[26], 10);   // c5
    EXPECT_EQ(PST_BONUS_DEFENDED_EG[40], 1);   // a3
    EXPECT_EQ(PST_R_OP[59], 4);                // d1
    EXPECT_EQ(BONUS_PASSED[1][6], 260);
    EXPECT_EQ(ESCUDO_PEON[0][6], -35);
    EXPECT_EQ(ESCUDO_PEON[1][4], -13);
    for (int32_t r : {0, 7}) EXPECT_EQ(BONUS_PASSED[0][r] + BONUS_PEON_IMPARABLE[r], 0);
}

TEST(TablasEstructura, AmenazasIgualesParaAmbosColores) {
    for (int32_t pieza = PEON_B; pieza <= REY_B; pieza++) {
        EXPECT_EQ(att_on_hang_mg[pieza + 7], att_on_hang_mg[pieza]) << pieza;
        EXPECT_EQ(att_on_hang_eg[pieza + 7], att_on_hang_eg[pieza]) << pieza;
    }
    EXPECT_EQ(att_on_hang_mg[PEON_N], 11);
    EXPECT_EQ(att_on_hang_eg[DAMA_N], 33);
    for (int32_t codigo : {0, REY_B, SIN_PIEZA, REY_N, 14, 15}) {
        EXPECT_EQ(att_on_hang_mg[codigo], 0) << codigo;
        EXPECT_EQ(att_on_hang_eg[codigo], 0) << codigo;
    }
}

}  // namespace
