// Attack tests: is a square attacked by the pieces of one colour?
#include "board/board.h"

// 1 when the first piece along the ray is a or b.
static inline bool PrimeraEs(const uint8_t *rayo, int32_t largo, const int32_t *T, int32_t a,
                             int32_t b) {
    for (int32_t k = 0; k < largo; k++) {
        const int32_t p = T[rayo[k]];
        if (p != SIN_PIEZA) return p == a || p == b;
    }
    return false;
}

// 1 when square s is attacked by the side whose pieces are PEON..REY. The rays, jumps and
// steps come from GEOMETRIA, which follows the Color_Casilla edge rule.
template <int32_t PEON, int32_t CABALLO, int32_t ALFIL, int32_t TORRE, int32_t DAMA, int32_t REY>
static inline int32_t Atacada(int32_t s) {
    const int32_t *T = TableroGlobal.Tablero;
    const Geometria_Tablero &g = GEOMETRIA;

    // Sliders: the four diagonals, then file and rank.
    const uint8_t(*rayo)[7] = g.Rayo[s];
    const uint8_t *largo = g.Largo_Rayo[s];
    if (PrimeraEs(rayo[0], largo[0], T, ALFIL, DAMA)) return 1;
    if (PrimeraEs(rayo[1], largo[1], T, ALFIL, DAMA)) return 1;
    if (PrimeraEs(rayo[2], largo[2], T, ALFIL, DAMA)) return 1;
    if (PrimeraEs(rayo[3], largo[3], T, ALFIL, DAMA)) return 1;
    if (PrimeraEs(rayo[4], largo[4], T, TORRE, DAMA)) return 1;
    if (PrimeraEs(rayo[5], largo[5], T, TORRE, DAMA)) return 1;
    if (PrimeraEs(rayo[6], largo[6], T, TORRE, DAMA)) return 1;
    if (PrimeraEs(rayo[7], largo[7], T, TORRE, DAMA)) return 1;

    // Knights, the king, and pawns one rank behind the square as the attacker sees it.
    for (int32_t k = 0, n = g.Num_Caballo[s]; k < n; k++) {
        if (T[g.Caballo[s][k]] == CABALLO) return 1;
    }
    for (int32_t k = 0, n = g.Num_Rey[s]; k < n; k++) {
        if (T[g.Rey[s][k]] == REY) return 1;
    }
    const uint8_t *peon = PEON == PEON_B ? g.Peon_B[s] : g.Peon_N[s];
    const int32_t n_peon = PEON == PEON_B ? g.Num_Peon_B[s] : g.Num_Peon_N[s];
    for (int32_t k = 0; k < n_peon; k++) {
        if (T[peon[k]] == PEON) return 1;
    }
    return 0;
}

int32_t JaqueBlancas(int32_t casilla) {
    return Atacada<PEON_N, CABALLO_N, ALFIL_N, TORRE_N, DAMA_N, REY_N>(casilla);
}

int32_t JaqueNegras(int32_t casilla) {
    return Atacada<PEON_B, CABALLO_B, ALFIL_B, TORRE_B, DAMA_B, REY_B>(casilla);
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
