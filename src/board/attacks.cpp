// Attack tests: is a square attacked by the pieces of one colour?
#include "board/board.h"

// The first occupied square of ray K of s.
template <int32_t K>
static inline int32_t PrimeraOcupada(uint64_t bloqueo) {
    return DIRECCIONES_RAYO[K] > 0 ? __builtin_ctzll(bloqueo) : 63 - __builtin_clzll(bloqueo);
}

// 1 when the first piece along ray K of s is in piezas.
template <int32_t K>
static inline bool PrimeraEn(int32_t s, uint64_t piezas, uint64_t ocupadas) {
    const uint64_t rayo = GEOMETRIA.Mapa_Rayo[s][K];
    if (!(rayo & piezas)) return false;
    return (piezas >> PrimeraOcupada<K>(rayo & ocupadas)) & 1;
}

// 1 when square s is attacked by the side whose pieces are PEON..REY. The rays and jumps come
// from GEOMETRIA, which follows the Color_Casilla edge rule; an impossible code blocks a ray.
template <int32_t PEON, int32_t CABALLO, int32_t ALFIL, int32_t TORRE, int32_t DAMA, int32_t REY>
static inline int32_t Atacada(int32_t s) {
    const uint64_t *m = TableroGlobal.Mapa_Pieza;
    const Geometria_Tablero &g = GEOMETRIA;
    // A black pawn attacks from s-7 and s-9, a white one from s+7 and s+9.
    const uint64_t peones = PEON == PEON_N ? g.Mapa_Peon_N[s] : g.Mapa_Peon_B[s];
    if ((peones & m[PEON]) | (g.Mapa_Caballo[s] & m[CABALLO]) | (g.Mapa_Rey[s] & m[REY])) return 1;

    // Diagonals, then file and rank: only rays that hold an attacker are followed.
    const uint64_t ocupadas = ~m[SIN_PIEZA];
    const uint64_t diagonales = m[ALFIL] | m[DAMA], rectas = m[TORRE] | m[DAMA];
    if (g.Mapa_Alfil[s] & diagonales) {
        if (PrimeraEn<0>(s, diagonales, ocupadas) || PrimeraEn<1>(s, diagonales, ocupadas) ||
            PrimeraEn<2>(s, diagonales, ocupadas) || PrimeraEn<3>(s, diagonales, ocupadas))
            return 1;
    }
    if (g.Mapa_Torre[s] & rectas) {
        if (PrimeraEn<4>(s, rectas, ocupadas) || PrimeraEn<5>(s, rectas, ocupadas) ||
            PrimeraEn<6>(s, rectas, ocupadas) || PrimeraEn<7>(s, rectas, ocupadas))
            return 1;
    }
    return 0;
}

// Atacada on ray K of s alone: its sliders, and on the ray's first square the king and (for
// the rays a pawn attacks along) the pawn.
template <int32_t K, int32_t PEON, int32_t CABALLO, int32_t ALFIL, int32_t TORRE, int32_t DAMA,
          int32_t REY>
static inline int32_t AtacadaRayo(int32_t s) {
    const uint64_t *m = TableroGlobal.Mapa_Pieza;
    const Geometria_Tablero &g = GEOMETRIA;
    // Rays 0 and 1 (+9, +7) lead to white pawns attacking s, rays 2 and 3 to black ones.
    constexpr bool CON_PEON = PEON == PEON_N ? (K == 2 || K == 3) : (K == 0 || K == 1);
    const uint64_t rayo = g.Mapa_Rayo[s][K];
    const uint64_t cerca = rayo & g.Mapa_Rey[s];
    const uint64_t piezas = (K < 4 ? m[ALFIL] : m[TORRE]) | m[DAMA] |
                            (cerca & (m[REY] | (CON_PEON ? m[PEON] : 0)));
    if (!(rayo & piezas)) return 0;
    return (piezas >> PrimeraOcupada<K>(rayo & ~m[SIN_PIEZA])) & 1;
}

// Atacada on the ray of s through c, or on a knight jump onto c (never on a ray of s).
template <int32_t PEON, int32_t CABALLO, int32_t ALFIL, int32_t TORRE, int32_t DAMA, int32_t REY>
static inline int32_t AtacadaLinea(int32_t s, int32_t c) {
    const Geometria_Tablero &g = GEOMETRIA;
    switch (g.Direccion[s][c]) {
        case 0: return AtacadaRayo<0, PEON, CABALLO, ALFIL, TORRE, DAMA, REY>(s);
        case 1: return AtacadaRayo<1, PEON, CABALLO, ALFIL, TORRE, DAMA, REY>(s);
        case 2: return AtacadaRayo<2, PEON, CABALLO, ALFIL, TORRE, DAMA, REY>(s);
        case 3: return AtacadaRayo<3, PEON, CABALLO, ALFIL, TORRE, DAMA, REY>(s);
        case 4: return AtacadaRayo<4, PEON, CABALLO, ALFIL, TORRE, DAMA, REY>(s);
        case 5: return AtacadaRayo<5, PEON, CABALLO, ALFIL, TORRE, DAMA, REY>(s);
        case 6: return AtacadaRayo<6, PEON, CABALLO, ALFIL, TORRE, DAMA, REY>(s);
        case 7: return AtacadaRayo<7, PEON, CABALLO, ALFIL, TORRE, DAMA, REY>(s);
        default:
            return (g.Mapa_Caballo[s] >> c & 1) && TableroGlobal.Tablero[c] == CABALLO;
    }
}

int32_t JaqueBlancasLinea(int32_t casilla, int32_t c) {
    return AtacadaLinea<PEON_N, CABALLO_N, ALFIL_N, TORRE_N, DAMA_N, REY_N>(casilla, c);
}

int32_t JaqueNegrasLinea(int32_t casilla, int32_t c) {
    return AtacadaLinea<PEON_B, CABALLO_B, ALFIL_B, TORRE_B, DAMA_B, REY_B>(casilla, c);
}

// The highest square of a set that is not empty.
static inline uint64_t Alta(uint64_t mapa) { return 1ull << (63 - __builtin_clzll(mapa)); }

// Clavadas for the king on rey and the enemy sliders ALFIL, TORRE and DAMA.
template <int32_t ALFIL, int32_t TORRE, int32_t DAMA>
static inline uint64_t ClavadasDe(int32_t rey) {
    const uint64_t *m = TableroGlobal.Mapa_Pieza;
    const uint64_t ocupadas = ~m[SIN_PIEZA];
    const uint64_t diagonales = m[ALFIL] | m[DAMA], rectas = m[TORRE] | m[DAMA];
    uint64_t clavadas = 0;
    for (int32_t k = 0; k < 8; k++) {
        const uint64_t piezas = k < 4 ? diagonales : rectas;
        const uint64_t rayo = GEOMETRIA.Mapa_Rayo[rey][k];
        if (!(rayo & piezas)) continue;
        // The first two pieces along the ray: a blocker, then the slider behind it.
        const bool sube = DIRECCIONES_RAYO[k] > 0;
        const uint64_t bloqueo = rayo & ocupadas;
        const uint64_t primera = sube ? bloqueo & (0 - bloqueo) : Alta(bloqueo);
        const uint64_t resto = bloqueo ^ primera;
        if (resto && ((sube ? resto & (0 - resto) : Alta(resto)) & piezas)) clavadas |= primera;
    }
    return clavadas;
}

uint64_t Clavadas() {
    const Tipo_Tablero &t = TableroGlobal;
    if (t.Turno == 1) return ClavadasDe<ALFIL_N, TORRE_N, DAMA_N>(t.Rey_Blanco);
    return ClavadasDe<ALFIL_B, TORRE_B, DAMA_B>(t.Rey_Negro);
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
        // The castling rook's corner and its square beside the king.
        const int32_t h = Hasta(jugada);
        const int32_t torre = h == G1 ? H1 : h == C1 ? A1 : h == G8 ? H8 : A8;
        const int32_t destino = h == G1 ? F1 : h == C1 ? D1 : h == G8 ? F8 : D8;
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
