// Attack tests: is a square attacked by the pieces of one colour?
#include "board/board.h"

// 1 when the first piece along the ray is a or b, or, on the ray's first square, the king
// or (CON_PEON) the attacking pawn: the first squares of the rays are the king's steps, and
// two of them the pawn's.
template <int32_t REY, int32_t PEON, bool CON_PEON>
static inline bool PrimeraEs(const uint8_t *rayo, int32_t largo, const int32_t *T, int32_t a,
                             int32_t b) {
    if (largo == 0) return false;
    int32_t p = T[rayo[0]];
    if (p != SIN_PIEZA) return p == a || p == b || p == REY || (CON_PEON && p == PEON);
    for (int32_t k = 1; k < largo; k++) {
        p = T[rayo[k]];
        if (p != SIN_PIEZA) return p == a || p == b;
    }
    return false;
}

// 1 when square s is attacked by the side whose pieces are PEON..REY. The rays and jumps come
// from GEOMETRIA, which follows the Color_Casilla edge rule.
template <int32_t PEON, int32_t CABALLO, int32_t ALFIL, int32_t TORRE, int32_t DAMA, int32_t REY>
static inline int32_t Atacada(int32_t s) {
    const int32_t *T = TableroGlobal.Tablero;
    const Geometria_Tablero &g = GEOMETRIA;
    // A black pawn attacks from the -7 and -9 rays (2 and 3), a white one from +9 and +7.
    constexpr bool NEGRAS = PEON == PEON_N;

    // Diagonals, then file and rank.
    const uint8_t(*rayo)[7] = g.Rayo[s];
    const uint8_t *largo = g.Largo_Rayo[s];
    if (PrimeraEs<REY, PEON, !NEGRAS>(rayo[0], largo[0], T, ALFIL, DAMA)) return 1;
    if (PrimeraEs<REY, PEON, !NEGRAS>(rayo[1], largo[1], T, ALFIL, DAMA)) return 1;
    if (PrimeraEs<REY, PEON, NEGRAS>(rayo[2], largo[2], T, ALFIL, DAMA)) return 1;
    if (PrimeraEs<REY, PEON, NEGRAS>(rayo[3], largo[3], T, ALFIL, DAMA)) return 1;
    if (PrimeraEs<REY, PEON, false>(rayo[4], largo[4], T, TORRE, DAMA)) return 1;
    if (PrimeraEs<REY, PEON, false>(rayo[5], largo[5], T, TORRE, DAMA)) return 1;
    if (PrimeraEs<REY, PEON, false>(rayo[6], largo[6], T, TORRE, DAMA)) return 1;
    if (PrimeraEs<REY, PEON, false>(rayo[7], largo[7], T, TORRE, DAMA)) return 1;

    // Knights land on the other colour.
    for (int32_t k = 0, n = g.Num_Caballo[s]; k < n; k++) {
        if (T[g.Caballo[s][k]] == CABALLO) return 1;
    }
    return 0;
}

// Atacada on the ray of s through c, or on a knight jump onto c (never on a ray of s).
template <int32_t PEON, int32_t CABALLO, int32_t ALFIL, int32_t TORRE, int32_t DAMA, int32_t REY>
static inline int32_t AtacadaLinea(int32_t s, int32_t c) {
    const int32_t *T = TableroGlobal.Tablero;
    const Geometria_Tablero &g = GEOMETRIA;
    constexpr bool NEGRAS = PEON == PEON_N;
    const uint8_t(*rayo)[7] = g.Rayo[s];
    const uint8_t *largo = g.Largo_Rayo[s];
    switch (g.Direccion[s][c]) {
        case 0: return PrimeraEs<REY, PEON, !NEGRAS>(rayo[0], largo[0], T, ALFIL, DAMA);
        case 1: return PrimeraEs<REY, PEON, !NEGRAS>(rayo[1], largo[1], T, ALFIL, DAMA);
        case 2: return PrimeraEs<REY, PEON, NEGRAS>(rayo[2], largo[2], T, ALFIL, DAMA);
        case 3: return PrimeraEs<REY, PEON, NEGRAS>(rayo[3], largo[3], T, ALFIL, DAMA);
        case 4: return PrimeraEs<REY, PEON, false>(rayo[4], largo[4], T, TORRE, DAMA);
        case 5: return PrimeraEs<REY, PEON, false>(rayo[5], largo[5], T, TORRE, DAMA);
        case 6: return PrimeraEs<REY, PEON, false>(rayo[6], largo[6], T, TORRE, DAMA);
        case 7: return PrimeraEs<REY, PEON, false>(rayo[7], largo[7], T, TORRE, DAMA);
        default: return ((g.Mapa_Caballo[s] >> c) & 1) != 0 && T[c] == CABALLO;
    }
}

int32_t JaqueBlancasLinea(int32_t casilla, int32_t c) {
    return AtacadaLinea<PEON_N, CABALLO_N, ALFIL_N, TORRE_N, DAMA_N, REY_N>(casilla, c);
}

int32_t JaqueNegrasLinea(int32_t casilla, int32_t c) {
    return AtacadaLinea<PEON_B, CABALLO_B, ALFIL_B, TORRE_B, DAMA_B, REY_B>(casilla, c);
}

int32_t DaJaque(uint32_t jugada, int32_t paso) {
    const Tipo_Tablero &t = TableroGlobal;
    const bool blancas = t.Turno == 1;
    const int32_t rey = blancas ? t.Rey_Blanco : t.Rey_Negro;
    auto linea = [&](int32_t c) {
        return blancas ? JaqueBlancasLinea(rey, c) : JaqueNegrasLinea(rey, c);
    };
    // The squares the move changed: from, to, the pawn taken en passant, the castling rook's.
    if (linea(Desde(jugada)) || linea(Hasta(jugada))) return 1;
    if (Es_Al_Paso(jugada) && paso != 0 && linea(paso)) return 1;
    if (Es_Enroque(jugada)) {
        const int32_t h = Hasta(jugada);
        const int32_t torre = h == 62 ? 63 : h == 58 ? 56 : h == 6 ? 7 : 0;
        const int32_t destino = h == 62 ? 61 : h == 58 ? 59 : h == 6 ? 5 : 3;
        if (linea(torre) || linea(destino)) return 1;
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
