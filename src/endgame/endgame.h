// Endgame knowledge consulted by the evaluation.
#pragma once

#include <cstdint>

// Scale factor in percent: 0 draw, 100 no scaling.
int32_t FinalesReconocidos(int32_t wP, int32_t wN, int32_t wB, int32_t wR, int32_t wQ,
                           int32_t bP, int32_t bN, int32_t bB, int32_t bR, int32_t bQ);

// A finished score for the side to move, or 32001 when there is no special knowledge.
int32_t EvaluarFinalesDificiles();
