// The board's geometry, worked out at compile time and shared by generation, attack tests,
// exchanges and the evaluation: the colour of a square, files, rays, jumps and steps.
#pragma once

#include <cstdint>
#include <initializer_list>

// Colour of a square: 1 light (a8, h1), 0 dark.
constexpr int32_t ColorCasilla(int32_t s) { return ((s & 7) + (s >> 3)) % 2 == 0 ? 1 : 0; }

// Squares of a file (0 = a), and the light squares.
inline constexpr uint64_t COLUMNA_MAPA[8] = {
    0x0101010101010101ull, 0x0202020202020202ull, 0x0404040404040404ull, 0x0808080808080808ull,
    0x1010101010101010ull, 0x2020202020202020ull, 0x4040404040404040ull, 0x8080808080808080ull};
inline constexpr uint64_t MAPA_CLARAS = 0xaa55aa55aa55aa55ull;
static_assert([] {
    for (int32_t s = 0; s < 64; s++)
        if (static_cast<int32_t>((MAPA_CLARAS >> s) & 1) != ColorCasilla(s)) return false;
    return true;
}());

// Board geometry by the square-colour edge rule, worked out at compile time: for each square
// the squares along each ray (nearest first) and the knight jumps.
inline constexpr int32_t DIRECCIONES_RAYO[8] = {9, 7, -7, -9, 8, -8, -1, 1};
struct Geometria_Tablero {
    uint8_t Rayo[64][8][7];
    uint8_t Largo_Rayo[64][8];
    uint8_t Caballo[64][8];
    uint8_t Num_Caballo[64];
    uint8_t Rey[64][8];
    uint8_t Num_Rey[64];
    uint8_t Peon_B[64][2];  // white pawns attacking the square stand here
    uint8_t Num_Peon_B[64];
    uint8_t Peon_N[64][2];
    uint8_t Num_Peon_N[64];
    // The same squares as sets, bit s for square s.
    uint64_t Mapa_Rayo[64][8];
    uint64_t Mapa_Caballo[64];
    uint64_t Mapa_Rey[64];
    uint64_t Mapa_Peon_B[64];
    uint64_t Mapa_Peon_N[64];
    uint64_t Mapa_Alfil[64];  // the four diagonal rays together
    uint64_t Mapa_Torre[64];  // the file and rank rays together
    int8_t Direccion[64][64];  // ray of the first square holding the second, -1 if none
};

// The geometry follows the edge rule of the generators: a diagonal step stays on the board
// when it keeps the square colour, a knight jump when it changes it, a vertical step when it
// stays in 0..63 and a sideways step within its rank (which a step of 1 leaves only by
// keeping the colour). So the first squares of the eight rays are the king's steps.
constexpr Geometria_Tablero CrearGeometria() {
    Geometria_Tablero g{};
    for (int32_t s = 0; s < 64; s++) {
        const int32_t c = ColorCasilla(s);
        for (int32_t k = 0; k < 8; k++) {
            const int32_t d = DIRECCIONES_RAYO[k];
            int32_t n = 0;
            for (int32_t t = s + d; t >= 0 && t < 64; t += d) {
                if (k < 4 && ColorCasilla(t) != c) break;                          // diagonals
                if ((d == 1 && (t & 7) == 0) || (d == -1 && (t & 7) == 7)) break;  // rank ends
                g.Rayo[s][k][n++] = static_cast<uint8_t>(t);
            }
            g.Largo_Rayo[s][k] = static_cast<uint8_t>(n);
        }
        for (int32_t d : {10, -6, 6, -10, 17, 15, -15, -17}) {
            const int32_t t = s + d;
            if (t >= 0 && t < 64 && ColorCasilla(t) != c) g.Caballo[s][g.Num_Caballo[s]++] = t;
        }
        for (int32_t d : {8, -8, 1, -1, 9, -9, 7, -7}) {
            const int32_t t = s + d;
            if (t < 0 || t > 63) continue;
            const bool recto = d == 8 || d == -8, lateral = d == 1 || d == -1;
            if (recto || (lateral ? ColorCasilla(t) != c : ColorCasilla(t) == c)) {
                g.Rey[s][g.Num_Rey[s]++] = static_cast<uint8_t>(t);
            }
        }
        // A white pawn attacks s from s+7 or s+9, a black one from s-7 or s-9.
        for (int32_t d : {7, 9}) {
            if (s + d < 64 && ColorCasilla(s + d) == c) g.Peon_B[s][g.Num_Peon_B[s]++] = s + d;
            if (s - d >= 0 && ColorCasilla(s - d) == c) g.Peon_N[s][g.Num_Peon_N[s]++] = s - d;
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

inline constexpr Geometria_Tablero GEOMETRIA = CrearGeometria();
