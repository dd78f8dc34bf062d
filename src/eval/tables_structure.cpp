// Constant tables of pawn structure, rooks, king safety and threats.
// Square tables: 8 values a line, rank 8 first (square 0 = a8). Tables of 128 entries hold
// White's 64 and then Black's 64, the Black half being the White half with the ranks reversed.
#include "eval/eval.h"

// Pawn square tables.
constexpr int32_t PST_P_OP[128] = {
      0,   0,   0,   0,   0,   0,   0,   0,
    -15,  -5,   5,   5,   5,   5,  -5, -15,
    -15,  -5,   5,  15,  15,   5,  -5, -15,
    -15,  -5,   5,  15,  15,   5,  -5, -15,
    -15,  -5,   5,  15,  15,   5,  -5, -15,
    -15,  -5,   5,   5,   5,   5,  -5, -15,
    -15,  -5,   5,   5,   5,   5,  -5, -15,
      0,   0,   0,   0,   0,   0,   0,   0,

      0,   0,   0,   0,   0,   0,   0,   0,
    -15,  -5,   5,   5,   5,   5,  -5, -15,
    -15,  -5,   5,   5,   5,   5,  -5, -15,
    -15,  -5,   5,  15,  15,   5,  -5, -15,
    -15,  -5,   5,  15,  15,   5,  -5, -15,
    -15,  -5,   5,  15,  15,   5,  -5, -15,
    -15,  -5,   5,   5,   5,   5,  -5, -15,
      0,   0,   0,   0,   0,   0,   0,   0,
};
constexpr int32_t PST_P_EG[64] = {
      0,   0,   0,   0,   0,   0,   0,   0,
      3,   1,  -1,  -3,  -3,  -1,   1,   3,
      3,   1,  -1,  -3,  -3,  -1,   1,   3,
      3,   1,  -1,  -3,  -3,  -1,   1,   3,
      3,   1,  -1,  -3,  -3,  -1,   1,   3,
      3,   1,  -1,  -3,  -3,  -1,   1,   3,
      3,   1,  -1,  -3,  -3,  -1,   1,   3,
      0,   0,   0,   0,   0,   0,   0,   0,
};

// A pawn defended by an own pawn, by its rank.
constexpr int32_t PST_BONUS_DEFENDED_OP[128] = {
      0,   0,   0,   0,   0,   0,   0,   0,
     12,  12,  12,  12,  12,  12,  12,  12,
      8,   8,   8,   8,   8,   8,   8,   8,
      5,   5,   5,   5,   5,   5,   5,   5,
      3,   3,   3,   3,   3,   3,   3,   3,
      1,   1,   1,   1,   1,   1,   1,   1,
      0,   0,   0,   0,   0,   0,   0,   0,
      0,   0,   0,   0,   0,   0,   0,   0,

      0,   0,   0,   0,   0,   0,   0,   0,
      0,   0,   0,   0,   0,   0,   0,   0,
      1,   1,   1,   1,   1,   1,   1,   1,
      3,   3,   3,   3,   3,   3,   3,   3,
      5,   5,   5,   5,   5,   5,   5,   5,
      8,   8,   8,   8,   8,   8,   8,   8,
     12,  12,  12,  12,  12,  12,  12,  12,
      0,   0,   0,   0,   0,   0,   0,   0,
};
constexpr int32_t PST_BONUS_DEFENDED_EG[128] = {
      0,   0,   0,   0,   0,   0,   0,   0,
      5,   5,   5,   5,   5,   5,   5,   5,
      4,   4,   4,   4,   4,   4,   4,   4,
      3,   3,   3,   3,   3,   3,   3,   3,
      2,   2,   2,   2,   2,   2,   2,   2,
      1,   1,   1,   1,   1,   1,   1,   1,
      0,   0,   0,   0,   0,   0,   0,   0,
      0,   0,   0,   0,   0,   0,   0,   0,

      0,   0,   0,   0,   0,   0,   0,   0,
      0,   0,   0,   0,   0,   0,   0,   0,
      1,   1,   1,   1,   1,   1,   1,   1,
      2,   2,   2,   2,   2,   2,   2,   2,
      3,   3,   3,   3,   3,   3,   3,   3,
      4,   4,   4,   4,   4,   4,   4,   4,
      5,   5,   5,   5,   5,   5,   5,   5,
      0,   0,   0,   0,   0,   0,   0,   0,
};

// A pawn with an own pawn beside it.
constexpr int32_t PST_BONUS_FALANGE_OP[128] = {
      0,   0,   0,   0,   0,   0,   0,   0,
     24,  24,  24,  24,  24,  24,  24,  24,
     16,  16,  16,  16,  16,  16,  16,  16,
     10,  10,  10,  15,  15,  10,  10,  10,
      6,   6,   8,  13,  13,   8,   6,   6,
      2,   2,   2,   5,   5,   2,   2,   2,
      2,   2,   2,   2,   2,   2,   2,   2,
      0,   0,   0,   0,   0,   0,   0,   0,

      0,   0,   0,   0,   0,   0,   0,   0,
      2,   2,   2,   2,   2,   2,   2,   2,
      2,   2,   2,   5,   5,   2,   2,   2,
      6,   6,   8,  13,  13,   8,   6,   6,
     10,  10,  10,  15,  15,  10,  10,  10,
     16,  16,  16,  16,  16,  16,  16,  16,
     24,  24,  24,  24,  24,  24,  24,  24,
      0,   0,   0,   0,   0,   0,   0,   0,
};
constexpr int32_t PST_BONUS_FALANGE_EG[128] = {
      0,   0,   0,   0,   0,   0,   0,   0,
      5,   6,   6,   6,   6,   6,   6,   5,
      3,   4,   5,   5,   5,   5,   4,   3,
      2,   3,   3,   4,   4,   3,   3,   2,
      1,   2,   2,   3,   3,   2,   2,   1,
      1,   1,   1,   2,   2,   1,   1,   1,
      1,   1,   1,   0,   0,   1,   1,   1,
      0,   0,   0,   0,   0,   0,   0,   0,

      0,   0,   0,   0,   0,   0,   0,   0,
      1,   1,   1,   0,   0,   1,   1,   1,
      1,   1,   1,   2,   2,   1,   1,   1,
      1,   2,   2,   3,   3,   2,   2,   1,
      2,   3,   3,   4,   4,   3,   3,   2,
      3,   4,   5,   5,   5,   5,   4,   3,
      5,   6,   6,   6,   6,   6,   6,   5,
      0,   0,   0,   0,   0,   0,   0,   0,
};

// By rank index from the own side (0 = own first rank): opening row, endgame row.
constexpr int32_t BONUS_PASSED[2][8] = {
    {0, 12, 12, 30, 50, 80, 130, 0},
    {0, 24, 24, 60, 100, 160, 260, 0},
};
constexpr int32_t BONUS_PEON_IMPARABLE[8] = {0, 150, 200, 250, 300, 350, 400, 0};

// Opening penalty of a backward pawn, by file a..h.
constexpr int32_t PENALIZACION_PEON_RETRASADO_MALUS[8] = {-5, -7, -9, -11, -11, -9, -7, -5};

// Rook square tables.
constexpr int32_t PST_R_OP[128] = {
      4,   4,   4,   4,   4,   4,   4,   4,
     -4,  -2,   0,   2,   2,   0,  -2,  -4,
     -4,  -2,   0,   2,   2,   0,  -2,  -4,
     -4,  -2,   0,   2,   2,   0,  -2,  -4,
     -4,  -2,   0,   2,   2,   0,  -2,  -4,
     -4,  -2,   0,   2,   2,   0,  -2,  -4,
     -4,  -2,   0,   2,   2,   0,  -2,  -4,
      0,   0,   2,   4,   4,   2,   0,   0,

      0,   0,   2,   4,   4,   2,   0,   0,
     -4,  -2,   0,   2,   2,   0,  -2,  -4,
     -4,  -2,   0,   2,   2,   0,  -2,  -4,
     -4,  -2,   0,   2,   2,   0,  -2,  -4,
     -4,  -2,   0,   2,   2,   0,  -2,  -4,
     -4,  -2,   0,   2,   2,   0,  -2,  -4,
     -4,  -2,   0,   2,   2,   0,  -2,  -4,
      4,   4,   4,   4,   4,   4,   4,   4,
};
constexpr int32_t PST_R_EG[64] = {};

// King square tables.
constexpr int32_t PST_K_OP[128] = {
    -40, -30, -50, -70, -70, -50, -30, -40,
    -30, -20, -40, -60, -60, -40, -20, -30,
    -20, -10, -30, -50, -50, -30, -10, -20,
    -10,   0, -20, -40, -40, -20,   0, -10,
      0,  10, -10, -30, -30, -10,  10,   0,
     10,  20,   0, -20, -20,   0,  20,  10,
     30,  40,  20,   0,   0,  20,  40,  30,
     40,  50,  30,  10,  10,  30,  50,  40,

     40,  50,  30,  10,  10,  30,  50,  40,
     30,  40,  20,   0,   0,  20,  40,  30,
     10,  20,   0, -20, -20,   0,  20,  10,
      0,  10, -10, -30, -30, -10,  10,   0,
    -10,   0, -20, -40, -40, -20,   0, -10,
    -20, -10, -30, -50, -50, -30, -10, -20,
    -30, -20, -40, -60, -60, -40, -20, -30,
    -40, -30, -50, -70, -70, -50, -30, -40,
};
constexpr int32_t PST_K_EG[64] = {
    -72, -48, -36, -24, -24, -36, -48, -72,
    -48, -24, -12,   0,   0, -12, -24, -48,
    -36, -12,   0,  12,  12,   0, -12, -36,
    -24,   0,  12,  24,  24,  12,   0, -24,
    -24,   0,  12,  24,  24,  12,   0, -24,
    -36, -12,   0,  12,  12,   0, -12, -36,
    -48, -24, -12,   0,   0, -12, -24, -48,
    -72, -48, -36, -24, -24, -36, -48, -72,
};

// King endgame tables when one wing has no pawns: keep the king away from the empty wing.
constexpr int32_t PST_K_EG_KS[64] = {
      0,   0,   0,   0,   0, -10, -20, -30,
      0,   0,   0,   0,   0, -10, -20, -30,
      0,   0,   0,   0,   0, -10, -20, -30,
      0,   0,   0,   0,   0, -10, -20, -30,
      0,   0,   0,   0,   0, -10, -20, -30,
      0,   0,   0,   0,   0, -10, -20, -30,
      0,   0,   0,   0,   0, -10, -20, -30,
      0,   0,   0,   0,   0, -10, -20, -30,
};
constexpr int32_t PST_K_EG_QS[64] = {
    -30, -20, -10,   0,   0,   0,   0,   0,
    -30, -20, -10,   0,   0,   0,   0,   0,
    -30, -20, -10,   0,   0,   0,   0,   0,
    -30, -20, -10,   0,   0,   0,   0,   0,
    -30, -20, -10,   0,   0,   0,   0,   0,
    -30, -20, -10,   0,   0,   0,   0,   0,
    -30, -20, -10,   0,   0,   0,   0,   0,
    -30, -20, -10,   0,   0,   0,   0,   0,
};

// Shield pawn by its rank index from the own side; row 0 files a, b, c, f, g, h, row 1 d, e.
constexpr int32_t ESCUDO_PEON[2][8] = {
    {0, 2, -11, -20, -27, -32, -35, 0},
    {0, 1, -5, -10, -13, -16, -17, 0},
};

// Threat on an enemy piece, by its piece code; kings and empty codes are worth nothing.
constexpr int32_t att_on_hang_mg[16] = {0, 11, 15, 15, 17, 25, 0, 0, 11, 15, 15, 17, 25, 0, 0, 0};
constexpr int32_t att_on_hang_eg[16] = {0, 19, 23, 23, 25, 33, 0, 0, 19, 23, 23, 25, 33, 0, 0, 0};

// EscalarExtendido at compile time. Every product here fits the 64-bit mantissa, so it is exact
// and the truncation gives what the run-time call gives.
static constexpr int32_t EscalarConstante(int32_t x, float factor) {
    return static_cast<int32_t>(static_cast<long double>(x) * static_cast<long double>(factor));
}

static constexpr Valores_Pasado CrearValoresPasado() {
    Valores_Pasado v{};
    for (int32_t k = 0; k < 2; k++) {
        const int32_t p = k == 0 ? 100 : 80;
        for (int32_t r = 0; r < 8; r++) {
            const int32_t e = BONUS_PASSED[1][r];
            v.Tercio[k][r] = EscalarConstante(BONUS_PASSED[k][r], 1.0f / 3.0f);
            v.Apertura[k][r] = EscalarConstante(BONUS_PASSED[0][r] * p, 0.01f);
            for (int32_t d = 0; d < 15; d++) {
                const int32_t t = EscalarConstante(d * e, 1.0f / 30.0f);
                v.Final[k][d][r] = EscalarConstante((e - t) * p, 0.01f);
            }
        }
    }
    return v;
}
constexpr Valores_Pasado VALORES_PASADO = CrearValoresPasado();
