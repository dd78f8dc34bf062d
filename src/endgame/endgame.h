// Endgame knowledge consulted by the evaluation.
#pragma once

#include <cstdint>

// FinalesReconocidos once neither side has more than two men.
int32_t FactorMaterialEscaso(int32_t wP, int32_t wN, int32_t wB, int32_t wR, int32_t wQ,
                             int32_t bP, int32_t bN, int32_t bB, int32_t bR, int32_t bQ);

// Scale factors of the evaluation, in percent.
inline constexpr int32_t ESCALA_TABLAS = 0, ESCALA_NORMAL = 100;

// Scale factor in percent: 0 draw, 100 no scaling, negative values also turn the sign. The
// evaluation asks at every call, so the counts come first and the middlegame makes no call.
inline int32_t FinalesReconocidos(int32_t wP, int32_t wN, int32_t wB, int32_t wR, int32_t wQ,
                                  int32_t bP, int32_t bN, int32_t bB, int32_t bR, int32_t bQ) {
    if (wP + wN + wB + wR + wQ > 2 || bP + bN + bB + bR + bQ > 2) return ESCALA_NORMAL;
    return FactorMaterialEscaso(wP, wN, wB, wR, wQ, bP, bN, bB, bR, bQ);
}

// A finished score for the side to move, or 32001 when there is no special knowledge.
int32_t EvaluarFinalesDificiles();

// A won ending against a bare king, strong side 1 White or 0 Black: the lone king is driven to
// the edge and the other king brought close. Score for the side to move.
int32_t KXK(int32_t lado);

// Internal to endgame/.

// The men of one side (at most two of a kind) as one number: P + 3 N + 9 B + 27 R + 81 Q.
constexpr int32_t CodigoMaterial(int32_t p, int32_t n, int32_t b, int32_t r, int32_t q) {
    return p + 3 * n + 9 * b + 27 * r + 81 * q;
}
// The same from the letters of the men, as in "RN" or "PB"; "" is a bare king.
constexpr int32_t MAT(const char *hombres) {
    int32_t c = 0;
    for (; *hombres != '\0'; hombres++) {
        const char h = *hombres;
        c += h == 'P' ? 1 : h == 'N' ? 3 : h == 'B' ? 9 : h == 'R' ? 27 : h == 'Q' ? 81 : 0;
    }
    return c;
}

// One configuration of the factor table, for either colour as the first side.
struct Factor_Final {
    int32_t Uno, Otro, Factor;
};
extern const Factor_Final FACTORES_FINALES[];
extern const int32_t NUM_FACTORES_FINALES;

extern const int32_t Rey_Tablero_Fin_Mate[64];  // the mated king's square, high in corners
extern const int32_t PushClose[8];              // by king distance, best at 2
extern const int32_t PushAway[8];               // by distance, growing
extern const int32_t KBNKMateTable[2][64];      // by the bishop's square colour (1 light)
extern const int32_t KRKN_Table[64];            // 0 in the corners, 2 in the centre
