// Constant tables of the board subsystem.
#include <initializer_list>

#include "board/board.h"

// Exchange values by piece code: empty, code 0, 14 and 15 are worth nothing.
constexpr int32_t Valor_See[16] = {
    0, 100, 325, 325, 500, 1000, 10000, 0, 100, 325, 325, 500, 1000, 10000, 0, 0,
};

// Directions of the exchange's attacker search, in the order they are tried.
constexpr int32_t See_Mov_Ca[8] = {-17, -15, -10, -6, 6, 10, 15, 17};
constexpr int32_t See_Mov_Al[4] = {9, -9, -7, 7};
constexpr int32_t See_Mov_To[4] = {1, -1, -8, 8};
constexpr int32_t See_Mov_Da[8] = {-9, 9, -7, 7, 1, -1, 8, -8};

// The geometry follows the edge rule of the generators: a diagonal step stays on the board
// when it keeps the square colour, a knight jump when it changes it, a vertical step when it
// stays in 0..63 and a sideways step within its rank (which a step of 1 leaves only by
// keeping the colour). So the first squares of the eight rays are the king's steps.
static constexpr int32_t ColorDe(int32_t s) { return ((s & 7) + (s >> 3)) % 2 == 0 ? 1 : 0; }

static constexpr Geometria_Tablero CrearGeometria() {
    Geometria_Tablero g{};
    for (int32_t s = 0; s < 64; s++) {
        const int32_t c = ColorDe(s);
        for (int32_t k = 0; k < 8; k++) {
            const int32_t d = DIRECCIONES_RAYO[k];
            int32_t n = 0;
            for (int32_t t = s + d; t >= 0 && t < 64; t += d) {
                if (k < 4 && ColorDe(t) != c) break;                               // diagonals
                if ((d == 1 && (t & 7) == 0) || (d == -1 && (t & 7) == 7)) break;  // rank ends
                g.Rayo[s][k][n++] = static_cast<uint8_t>(t);
            }
            g.Largo_Rayo[s][k] = static_cast<uint8_t>(n);
        }
        for (int32_t d : {10, -6, 6, -10, 17, 15, -15, -17}) {
            const int32_t t = s + d;
            if (t >= 0 && t < 64 && ColorDe(t) != c) g.Caballo[s][g.Num_Caballo[s]++] = t;
        }
        for (int32_t d : {8, -8, 1, -1, 9, -9, 7, -7}) {
            const int32_t t = s + d;
            if (t < 0 || t > 63) continue;
            const bool recto = d == 8 || d == -8, lateral = d == 1 || d == -1;
            if (recto || (lateral ? ColorDe(t) != c : ColorDe(t) == c)) {
                g.Rey[s][g.Num_Rey[s]++] = static_cast<uint8_t>(t);
            }
        }
        // A white pawn attacks s from s+7 or s+9, a black one from s-7 or s-9.
        for (int32_t d : {7, 9}) {
            if (s + d < 64 && ColorDe(s + d) == c) g.Peon_B[s][g.Num_Peon_B[s]++] = s + d;
            if (s - d >= 0 && ColorDe(s - d) == c) g.Peon_N[s][g.Num_Peon_N[s]++] = s - d;
        }
    }
    for (int32_t s = 0; s < 64; s++) {
        for (int32_t k = 0; k < 8; k++) {
            for (int32_t i = 0; i < g.Largo_Rayo[s][k]; i++) {
                g.Mapa_Rayo[s][k] |= 1ull << g.Rayo[s][k][i];
            }
            (k < 4 ? g.Mapa_Alfil[s] : g.Mapa_Torre[s]) |= g.Mapa_Rayo[s][k];
        }
        for (int32_t t = 0; t < 64; t++) g.Direccion[s][t] = -1;
        for (int32_t k = 0; k < 8; k++) {
            for (int32_t i = 0; i < g.Largo_Rayo[s][k]; i++) g.Direccion[s][g.Rayo[s][k][i]] = k;
        }
        for (int32_t i = 0; i < g.Num_Caballo[s]; i++) g.Mapa_Caballo[s] |= 1ull << g.Caballo[s][i];
        for (int32_t i = 0; i < g.Num_Rey[s]; i++) g.Mapa_Rey[s] |= 1ull << g.Rey[s][i];
        for (int32_t i = 0; i < g.Num_Peon_B[s]; i++) g.Mapa_Peon_B[s] |= 1ull << g.Peon_B[s][i];
        for (int32_t i = 0; i < g.Num_Peon_N[s]; i++) g.Mapa_Peon_N[s] |= 1ull << g.Peon_N[s][i];
    }
    return g;
}

constexpr Geometria_Tablero GEOMETRIA = CrearGeometria();
