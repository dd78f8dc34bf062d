// Specialised evaluations of endings with very little material.
#include "board/board.h"
#include "endgame/endgame.h"
#include "eval/eval.h"
#include "search/search.h"

int32_t EvaluarFinalesDificiles() {
    const Tipo_Lado &b = Blancas, &n = Negras;
    const int32_t hb = b.Num_Peones + b.Num_Caballos + b.Num_Alfiles + b.Num_Torres + b.Num_Damas;
    const int32_t hn = n.Num_Peones + n.Num_Caballos + n.Num_Alfiles + n.Num_Torres + n.Num_Damas;
    // A rook or a queen, whatever beside, or two bishops alone, against a bare king.
    if (hn == 0 && (b.Num_Torres + b.Num_Damas > 0 || (hb == 2 && b.Num_Alfiles == 2)))
        return KXK(1);
    if (hb == 0 && (n.Num_Torres + n.Num_Damas > 0 || (hn == 2 && n.Num_Alfiles == 2)))
        return KXK(0);
    return SIN_PUNTUACION;
}
