// Static evaluation: the driver and its terms.
#pragma once

#include <cstdint>

#include "board/board.h"
#include "eval/scale.h"

// Percent weights of mobility and king attack; index 0 Black, 1 White. Each search gives the
// side to move AJUSTE_PROPIO and the other side AJUSTE_RIVAL.
extern int32_t AJUSTE_MOB[2];
extern int32_t AJUSTE_ATT[2];
inline constexpr int32_t AJUSTE_PROPIO = 100, AJUSTE_RIVAL = 104;

int32_t Evaluar();  // score for the side to move
// Empties the evaluations kept for repeats: a new game starts without them.
void OlvidarEvaluaciones();

// The evaluation cache, kept beside the transposition table that sizes it (search/tt.cpp):
// scores from White's point of view, by position key. The read gives 1 with the score when the
// key is there, 0 when it is not, -1 when the table's size gave no cache; the store always
// overwrites.
int32_t LeerCacheEvaluacion(uint32_t clave, int32_t *puntos);
void GuardarCacheEvaluacion(uint32_t clave, int32_t puntos);
void LimpiarPuntuacion(int32_t limpiar_material);
void LlenarTablasEvaluacion();  // tropism and mobility tables, filled at start-up

// Board scan: pawn bookkeeping, knights, bishops, queens.
void EvaluarPiezasTableroJuego();

// Pawn structure and rooks.
void EvaluarPeonesB();
void EvaluarPeonesN();
void EvaluarTorreB();
void EvaluarTorreN();

// King safety: king tables, neighbour scan, shield, back-rank air, shut-in rooks.
void EvaluarReyB();
void EvaluarReyN();
void EvaluarReyFinal();  // king endgame tables by the wings that hold pawns

// Threats on enemy pieces.
void AmenazasPeonB();
void AmenazasPeonN();
void AmenazasCaballoB();
void AmenazasCaballoN();
void AmenazasAlfilB();
void AmenazasAlfilN();
void AmenazasTorreB();
void AmenazasTorreN();
void AmenazasDamaB();
void AmenazasDamaN();
void AmenazasReyB();
void AmenazasReyN();

// Positional patterns.
void PatronesApertura();
void IslasPeones();
void PatronesCaballoB();
void PatronesCaballoN();
void PatronesAlfilB();
void PatronesAlfilN();

// Tables of the driver, the board scan and the patterns.
inline constexpr int32_t PENALIZACION_ALFIL_ATRAPADO = -150;
inline constexpr int32_t PENALIZACION_ALFIL_ATRAPADO2 = -50;
inline constexpr int32_t PENALIZACION_CABALLO_ATRAPADO1 = -150;
inline constexpr int32_t PENALIZACION_CABALLO_ATRAPADO2 = -50;

extern const int32_t CABALLO_ADJ[9];  // by own pawns
extern const int32_t TORRE_ADJ[9];    // by own pawns, subtracted
extern const int32_t imbalance[9][9];  // [major][minor], 4 = equal
extern const int32_t KING_ATTACK_MULTI[400];

// Square tables: the opening ones hold White's 64 then Black's 64 (ranks reversed); the
// endgame ones are symmetric and indexed by either colour's own square.
extern const int32_t PST_N_OP[128];
extern const int32_t PST_N_EG[64];
extern const int32_t PST_B_OP[128];
extern const int32_t PST_B_EG[64];
extern const int32_t PST_Q_OP[128];
extern const int32_t PST_Q_EG[64];
extern const int32_t PST_OUTPOST[128];

// Tropism weights by White piece code (knight, bishop, rook, queen).
extern const int32_t tropismFactorMg[7];
extern const int32_t tropismFactorEg[7];

// Filled by LlenarTablasEvaluacion: opening row first, endgame row from index 9 (knight),
// 16 (bishop, rook) and 32 (queen).
extern int32_t BONUS_CABALLO_MOVILIDAD[18];
extern int32_t BONUS_ALFIL_MOVILIDAD[32];
extern int32_t BONUS_TORRE_MOVILIDAD[32];
extern int32_t BONUS_DAMA_MOVILIDAD[64];
extern int16_t TROPISMO_DISTANCIA[64][64];  // 14 minus the Manhattan distance

// 1 when a Black pawn attacks the square (the enemy-pawn test of a White piece).
int32_t AmenazadoPorPeonN(int32_t casilla);
// 1 when a White pawn attacks the square (the enemy-pawn test of a Black piece).
int32_t AmenazadoPorPeonB(int32_t casilla);

// Internal to eval/: material and its adjustments for side p against r, assigned to p's
// opening and endgame points (step 5 of Evaluar).
void Material(Tipo_Lado &p, const Tipo_Lado &r);

// Internal to eval/: steps 11 to 19 of Evaluar (weights, king attack, tempo, blend,
// imbalance, scaling, clamp, cache store) on the side records as the terms left them.
int32_t CerrarEvaluacion();

// Tables of pawn structure, rooks and king safety.
extern const int32_t PST_P_OP[128];
extern const int32_t PST_P_EG[64];
extern const int32_t PST_BONUS_DEFENDED_OP[128];
extern const int32_t PST_BONUS_DEFENDED_EG[128];
extern const int32_t PST_BONUS_FALANGE_OP[128];
extern const int32_t PST_BONUS_FALANGE_EG[128];
extern const int32_t BONUS_PASSED[2][8];  // [0] opening, [1] endgame, by rank index
extern const int32_t BONUS_PEON_IMPARABLE[8];
extern const int32_t PENALIZACION_PEON_RETRASADO_MALUS[8];
extern const int32_t PST_R_OP[128];
extern const int32_t PST_R_EG[64];
extern const int32_t PST_K_OP[128];
extern const int32_t PST_K_EG[64];
extern const int32_t PST_K_EG_KS[64];
extern const int32_t PST_K_EG_QS[64];
extern const int32_t ESCUDO_PEON[2][8];  // [0] files a-c and f-h, [1] files d-e
extern const int32_t att_on_hang_mg[16];
extern const int32_t att_on_hang_eg[16];

inline constexpr int32_t PENALIZACION_DOBLADO_OP = -12, PENALIZACION_DOBLADO_EG = -24;
inline constexpr int32_t PENALIZACION_AISLADO_OP = -10, PENALIZACION_AISLADO_EG = -20;
inline constexpr int32_t PENALIZACION_AISLADO_ABIERTO_OP = -20;  // isolated on a half-open file
inline constexpr int32_t PENALIZACION_RETRASADO_EG = -8;
inline constexpr int32_t PENALIZACION_RETRASADO_ABIERTO_OP = -8;  // on top of the file value
inline constexpr int32_t BONUS_PEON_CENTRO = 5;
inline constexpr int32_t ESCUDO_SIN_PEON = -36;
inline constexpr int32_t PEON_SHIELD_VALOR = 100;

// Internal to eval/: square sets of the position, one bit per square (bit 0 = a8), taken from
// the board's sets by CalcularMapas at the start of the board scan. Index 1 White, 0 Black.
struct Mapas_Tablero {
    uint64_t Peones[2];        // pawns of each colour
    uint64_t Ataques_Peon[2];  // squares those pawns attack
    uint64_t Ocupadas;         // every occupied square
    uint64_t Piezas[14];       // squares holding each code 1..13 (7: the empty squares)
    uint64_t Propias[2];       // own to a side's pieces: codes below 7 White, above 7 Black
    uint64_t Antes_Invalida;   // squares before the first code outside 1..13 (all when none)
};
extern Mapas_Tablero MapasTablero;
void CalcularMapas();

// Internal to eval/: passed-pawn values by rank index, worked out once from BONUS_PASSED with
// the truncating arithmetic of the pawn term: a third of the bonus (the candidate), the opening
// bonus at 100 [0] and 80 [1] percent, and the endgame bonus by the enemy king's closeness
// (TROPISMO_DISTANCIA, 0..14) at 100 and 80 percent.
struct Valores_Pasado {
    int32_t Tercio[2][8];
    int32_t Apertura[2][8];
    int32_t Final[2][15][8];
};
extern const Valores_Pasado VALORES_PASADO;
