// Endgame knowledge consulted by the evaluation. Both functions are the neutral answers
// until the knowledge of drawn material and special endings is built: no scaling, and no
// special score.
#include "endgame/endgame.h"

int32_t FinalesReconocidos(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t,
                           int32_t, int32_t, int32_t) {
    return 100;
}

int32_t EvaluarFinalesDificiles() { return 32001; }
