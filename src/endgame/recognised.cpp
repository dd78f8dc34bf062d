// Drawn and drawish material, and the lone-king mate.
#include "board/board.h"
#include "endgame/endgame.h"

// 1. More than two men on either side (the inline FinalesReconocidos): no scaling.
int32_t FactorMaterialEscaso(int32_t wP, int32_t wN, int32_t wB, int32_t wR, int32_t wQ,
                             int32_t bP, int32_t bN, int32_t bB, int32_t bR, int32_t bQ) {
    // 2. At most one man a side: bare kings, and minor against minor or none, are dead draws.
    const int32_t w = wP + wN + wB + wR + wQ, b = bP + bN + bB + bR + bQ;
    if (w <= 1 && b <= 1) return wP + wR + wQ + bP + bR + bQ == 0 ? ESCALA_TABLAS : ESCALA_NORMAL;

    // 3. The table, either colour first. Two bishops alone draw only on one square colour.
    const int32_t blancas = CodigoMaterial(wP, wN, wB, wR, wQ);
    const int32_t negras = CodigoMaterial(bP, bN, bB, bR, bQ);
    if ((blancas == MAT("BB") && negras == 0) || (negras == MAT("BB") && blancas == 0)) {
        const int32_t *alfiles = (blancas != 0 ? Blancas : Negras).Lista_Alfiles;
        const int32_t *color = TableroGlobal.Color_Casilla;
        return alfiles[0] >= 0 && alfiles[1] >= 0 && color[alfiles[0]] == color[alfiles[1]]
                   ? ESCALA_TABLAS
                   : ESCALA_NORMAL;
    }
    for (int32_t i = 0; i < NUM_FACTORES_FINALES; i++) {
        const Factor_Final &f = FACTORES_FINALES[i];
        if ((f.Uno == blancas && f.Otro == negras) || (f.Uno == negras && f.Otro == blancas))
            return f.Factor;
    }
    return ESCALA_NORMAL;
}

int32_t KXK(int32_t lado) {
    const Tipo_Tablero &t = TableroGlobal;
    const Tipo_Lado &f = lado == 1 ? Blancas : Negras;
    const int32_t debil = lado == 1 ? t.Rey_Negro : t.Rey_Blanco;
    const int32_t v = VALOR_PEON * f.Num_Peones + VALOR_CABALLO * f.Num_Caballos +
                      VALOR_ALFIL * f.Num_Alfiles + VALOR_TORRE * f.Num_Torres +
                      VALOR_DAMA * f.Num_Damas + Rey_Tablero_Fin_Mate[debil] +
                      PushClose[DistanciaRey(t.Rey_Blanco, t.Rey_Negro)];
    return t.Turno == lado ? v : -v;
}
