// Constant tables of the search and the tables filled once at start-up.
#include <cmath>

#include "search/internal.h"

constexpr int32_t RAZOR_MARGIN[5] = {0, 300, 360, 420, 480};
constexpr int32_t STAT_NULL_MARGIN[4] = {0, 120, 240, 360};

int32_t lmr[64][256];
int32_t valor_captura[14][14];
int32_t valor_captura_coronacion[14][14];
int32_t valor_coronacion[14];

// Late-move reductions: 0.5 ln(d) ln(min(m, 63)), capped at d - 1, kept from 1 up.
void LlenarLmr() {
    for (int d = 0; d < 64; d++) {
        for (int m = 0; m < 256; m++) {
            double x = 0.5 * std::log(static_cast<double>(d)) *
                       std::log(static_cast<double>(m < 63 ? m : 63));
            double y = x < d - 1 ? x : d - 1;
            // ln(0) makes x infinite or not a number; both end up as no reduction.
            lmr[d][m] = (!std::isnan(x) && y >= 1.0) ? static_cast<int32_t>(y) : 0;
        }
    }
}

// Piece kind 1..6 of a white or black code.

// MVV/LVA capture scores, promotion captures one band lower, plain promotions lower still.
void LlenarValoresOrden() {
    for (int a = 0; a < 14; a++) {
        valor_coronacion[a] = 0;
        for (int v = 0; v < 14; v++) {
            valor_captura[a][v] = 0;
            valor_captura_coronacion[a][v] = 0;
        }
    }
    for (int a = 1; a < 14; a++) {
        if (a == SIN_PIEZA) continue;
        valor_coronacion[a] = ORDEN_CORONACION + Valor_See[a];
        for (int v = 1; v < 14; v++) {
            if (v == SIN_PIEZA) continue;
            valor_captura[a][v] = ORDEN_CAPTURA + 64 * TipoDeCodigo(v) - TipoDeCodigo(a);
            valor_captura_coronacion[a][v] =
                ORDEN_CAPTURA_CORONACION + 64 * TipoDeCodigo(v) - TipoDeCodigo(a);
        }
    }
}
