// Attack tests: is a square attacked by the pieces of one colour?
#include <initializer_list>

#include "board/board.h"

// 1 when square s is attacked by the side whose pieces are PEON..REY. Board edges come from
// Color_Casilla: diagonal steps keep the colour, knight jumps and sideways steps change it.
// ARRIBA is the pawn's forward step of the attacking side (-8 White, +8 Black).
template <int32_t PEON, int32_t CABALLO, int32_t ALFIL, int32_t TORRE, int32_t DAMA,
          int32_t REY, int ARRIBA>
static inline int32_t Atacada(int32_t s) {
    const int32_t *T = TableroGlobal.Tablero;
    const int32_t *C = TableroGlobal.Color_Casilla;
    const int32_t c = C[s];

    // Pawns stand one rank behind the square, from the attacker's point of view.
    {
        const int32_t a = s - ARRIBA - 1, b = s - ARRIBA + 1;
        if (a >= 0 && a < 64 && T[a] == PEON && C[a] == c) return 1;
        if (b >= 0 && b < 64 && T[b] == PEON && C[b] == c) return 1;
    }

    // Sliders along the four diagonals: the walk stops at the board edge (colour change).
    for (int32_t d : {9, 7, -7, -9}) {
        for (int32_t t = s + d; t >= 0 && t < 64 && C[t] == c; t += d) {
            const int32_t p = T[t];
            if (p == SIN_PIEZA) continue;
            if (p == ALFIL || p == DAMA) return 1;
            break;
        }
    }

    // Sliders along the file and the rank.
    for (int32_t t = s + 8; t < 64; t += 8) {
        const int32_t p = T[t];
        if (p == SIN_PIEZA) continue;
        if (p == TORRE || p == DAMA) return 1;
        break;
    }
    for (int32_t t = s - 8; t >= 0; t -= 8) {
        const int32_t p = T[t];
        if (p == SIN_PIEZA) continue;
        if (p == TORRE || p == DAMA) return 1;
        break;
    }
    for (int32_t t = s - 1; t >= 0 && (t & 7) != 7; t--) {
        const int32_t p = T[t];
        if (p == SIN_PIEZA) continue;
        if (p == TORRE || p == DAMA) return 1;
        break;
    }
    for (int32_t t = s + 1; (t & 7) != 0; t++) {
        const int32_t p = T[t];
        if (p == SIN_PIEZA) continue;
        if (p == TORRE || p == DAMA) return 1;
        break;
    }

    // Knights land on the other colour.
    for (int32_t d : {10, -6, 6, -10, 17, 15, -15, -17}) {
        const int32_t t = s + d;
        if (t >= 0 && t < 64 && T[t] == CABALLO && C[t] != c) return 1;
    }

    // The enemy king on a neighbouring square.
    for (int32_t d : {8, -8}) {
        const int32_t t = s + d;
        if (t >= 0 && t < 64 && T[t] == REY) return 1;
    }
    for (int32_t d : {1, -1}) {
        const int32_t t = s + d;
        if (t >= 0 && t < 64 && T[t] == REY && C[t] != c) return 1;
    }
    for (int32_t d : {9, -9, 7, -7}) {
        const int32_t t = s + d;
        if (t >= 0 && t < 64 && T[t] == REY && C[t] == c) return 1;
    }
    return 0;
}

int32_t JaqueBlancas(int32_t casilla) {
    return Atacada<PEON_N, CABALLO_N, ALFIL_N, TORRE_N, DAMA_N, REY_N, 8>(casilla);
}

int32_t JaqueNegras(int32_t casilla) {
    return Atacada<PEON_B, CABALLO_B, ALFIL_B, TORRE_B, DAMA_B, REY_B, -8>(casilla);
}

int32_t Jaque2(int32_t casilla) {
    if (TableroGlobal.Turno == 1) return JaqueBlancas(casilla);
    if (TableroGlobal.Turno == 0) return JaqueNegras(casilla);
    Salir = 1;
    return 0;
}

int32_t Peon_Asalvo(int32_t casilla, int32_t lado) {
    if (lado == 1) return JaqueBlancas(casilla);
    if (lado == 0) return JaqueNegras(casilla);
    Salir = 1;
    return 0;
}
