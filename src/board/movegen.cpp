// Pseudo-legal move generation, in a fixed scan and direction order.
#include <initializer_list>

#include "board/board.h"

// Square sets of one generation call, taken from the board's sets at its start: the squares
// the scan visits for the side to move, the empty squares, the enemy pieces, and the squares a
// piece may move to in this mode.
struct Mapas_Generacion {
    uint64_t Propias, Vacias, Enemigas, Destinos, Peones;
};

template <bool BLANCO>
static inline Mapas_Generacion TomarMapas(int32_t modo) {
    const uint64_t *mapa = TableroGlobal.Mapa_Pieza;
    Mapas_Generacion m;
    m.Propias = MapaPropias(BLANCO);
    m.Vacias = mapa[SIN_PIEZA];
    m.Enemigas = MapaRivales(BLANCO);
    m.Peones = mapa[BLANCO ? PEON_B : PEON_N];
    m.Destinos = modo == GENERAR_CAPTURAS ? m.Enemigas : m.Enemigas | m.Vacias;
    return m;
}

// Any s: squares off the board are in no set.
static inline bool Tiene(uint64_t mapa, int32_t s) {
    return static_cast<uint32_t>(s) < 64 && ((mapa >> s) & 1) != 0;
}
static inline int32_t Menor(uint64_t mapa) { return __builtin_ctzll(mapa); }
static inline int32_t Mayor(uint64_t mapa) { return 63 - __builtin_clzll(mapa); }

// Move lists are filled through a local count; IndexMove is written once per call.
// Entries beyond the capacity of the list are dropped.
static inline void Anadir(Lista_Jugadas *lista, int32_t &n, uint32_t jugada) {
    if (n < MAX_JUGADAS) lista[n++].Jugada = jugada;
}

static inline uint32_t Palabra(int32_t desde, int32_t hasta, int32_t ficha, int32_t captura,
                               int32_t corona, uint32_t banderas = 0) {
    return CrearJugada(desde, hasta, ficha, captura, corona, banderas);
}

// One move of the piece on desde to a square of Destinos.
static inline void AnadirDestino(int32_t desde, int32_t hasta, int32_t ficha,
                                 const Mapas_Generacion &m, Lista_Jugadas *lista, int32_t &n) {
    const int32_t captura = Tiene(m.Vacias, hasta) ? NINGUNA : TableroGlobal.Tablero[hasta];
    Anadir(lista, n, Palabra(desde, hasta, ficha, captura, NINGUNA));
}

// The four promotions, queen first, whatever the mode.
static inline void AnadirCoronacion(int32_t desde, int32_t hasta, Lista_Jugadas *lista,
                                    int32_t &n) {
    const int32_t *T = TableroGlobal.Tablero;
    const int32_t ficha = T[desde];
    const int32_t captura = T[hasta] == SIN_PIEZA ? NINGUNA : T[hasta];
    const int32_t base = ficha < SIN_PIEZA ? 0 : 7;
    for (int32_t corona : {DAMA_B, TORRE_B, ALFIL_B, CABALLO_B}) {
        Anadir(lista, n, Palabra(desde, hasta, ficha, captura, corona + base));
    }
}

// Pawn of colour BLANCO on s: en passant, the two captures, the push, the double step.
template <bool BLANCO>
static inline void GenerarPeon(int32_t s, int32_t modo, const Mapas_Generacion &m,
                               Lista_Jugadas *lista, int32_t &n) {
    const Tipo_Tablero &t = TableroGlobal;
    const int32_t *T = t.Tablero;
    // Forward step, the two capture steps, and the ranks that promote and double-step.
    constexpr int32_t avance = BLANCO ? -8 : 8;
    constexpr int32_t diag1 = BLANCO ? -7 : 7, diag2 = BLANCO ? -9 : 9;
    constexpr int32_t lado1 = BLANCO ? 1 : -1;  // en-passant pawn beside s for diag1
    const bool corona = BLANCO ? (s >= 8 && s <= 15) : (s >= 48 && s <= 55);
    const bool inicial = BLANCO ? (s >= 48 && s <= 55) : (s >= 8 && s <= 15);
    const int32_t a = s + diag1, b = s + diag2, f = s + avance;
    // The capture squares on the board: where an enemy pawn attacking s would stand.
    const uint64_t diagonales = BLANCO ? GEOMETRIA.Mapa_Peon_N[s] : GEOMETRIA.Mapa_Peon_B[s];
    const int32_t ficha = T[s];

    if (t.Ficha_Al_Paso != 0) {
        if (t.Ficha_Al_Paso == s + lado1 && Tiene(diagonales, a)) {
            Anadir(lista, n, Palabra(s, a, ficha, NINGUNA, NINGUNA, BIT_AL_PASO));
        }
        if (t.Ficha_Al_Paso == s - lado1 && Tiene(diagonales, b)) {
            Anadir(lista, n, Palabra(s, b, ficha, NINGUNA, NINGUNA, BIT_AL_PASO));
        }
    }
    const uint64_t tomas = diagonales & m.Enemigas;
    if (tomas != 0) {
        if (Tiene(tomas, a)) {
            if (corona) {
                AnadirCoronacion(s, a, lista, n);
            } else {
                Anadir(lista, n, Palabra(s, a, ficha, T[a], NINGUNA));
            }
        }
        if (Tiene(tomas, b)) {
            if (corona) {
                AnadirCoronacion(s, b, lista, n);
            } else {
                Anadir(lista, n, Palabra(s, b, ficha, T[b], NINGUNA));
            }
        }
    }
    if (f >= 0 && f < 64 && Tiene(m.Vacias, f)) {
        if (corona) {
            AnadirCoronacion(s, f, lista, n);
        } else if (modo != GENERAR_CAPTURAS) {
            Anadir(lista, n, Palabra(s, f, ficha, NINGUNA, NINGUNA));
            const int32_t d = f + avance;
            if (inicial && Tiene(m.Vacias, d)) {
                Anadir(lista, n, Palabra(s, d, ficha, NINGUNA, NINGUNA, BIT_DOBLE_PASO));
            }
        }
    }
}

// Steps from a GEOMETRIA list (knight jumps or king steps) in list order, to Destinos only.
static inline void GenerarSaltos(int32_t s, int32_t ficha, const uint8_t *saltos, int32_t num,
                                 uint64_t mapa, const Mapas_Generacion &m, Lista_Jugadas *lista,
                                 int32_t &n) {
    if ((mapa & m.Destinos) == 0) return;
    for (int32_t i = 0; i < num; i++) {
        const int32_t h = saltos[i];
        if (Tiene(m.Destinos, h)) AnadirDestino(s, h, ficha, m, lista, n);
    }
}

// One ray of GEOMETRIA from s: the empty squares nearest first, then the first occupied
// square when it holds an enemy piece. Rays with a positive step run towards higher squares.
template <int32_t K>
static inline void Rayo(int32_t s, int32_t ficha, int32_t modo, const Mapas_Generacion &m,
                        Lista_Jugadas *lista, int32_t &n) {
    constexpr bool sube = DIRECCIONES_RAYO[K] > 0;
    const uint64_t rayo = GEOMETRIA.Mapa_Rayo[s][K];
    if (modo == GENERAR_CAPTURAS && (rayo & m.Enemigas) == 0) return;
    const uint64_t bloqueo = rayo & ~m.Vacias;
    uint64_t libres = rayo;
    int32_t tope = -1;
    if (bloqueo != 0) {
        tope = sube ? Menor(bloqueo) : Mayor(bloqueo);
        const uint64_t bit = 1ull << tope;
        libres &= sube ? bit - 1 : ~((bit << 1) - 1);
    }
    if (modo != GENERAR_CAPTURAS) {
        const uint32_t base = Palabra(s, 0, ficha, NINGUNA, NINGUNA);
        while (libres != 0) {
            const int32_t h = sube ? Menor(libres) : Mayor(libres);
            libres ^= 1ull << h;
            Anadir(lista, n, base | static_cast<uint32_t>(h) << 7);
        }
    }
    if (tope >= 0 && Tiene(m.Enemigas, tope)) {
        Anadir(lista, n, Palabra(s, tope, ficha, TableroGlobal.Tablero[tope], NINGUNA));
    }
}

// The rays D of a slider, in the order given.
template <int32_t... D>
static void Rayos(int32_t s, int32_t ficha, int32_t modo, const Mapas_Generacion &m,
                  Lista_Jugadas *lista, int32_t &n) {
    (Rayo<D>(s, ficha, modo, m, lista, n), ...);
}
// Bishop rays 9, 7, -7, -9; rook rays 8, -8, -1, 1.
static constexpr auto RayosAlfil = Rayos<0, 1, 2, 3>;
static constexpr auto RayosTorre = Rayos<4, 5, 6, 7>;

// In capture mode a slider with no enemy piece on its lines has nothing to add.
static inline void GenerarAlfil(int32_t s, int32_t ficha, int32_t modo, const Mapas_Generacion &m,
                                Lista_Jugadas *lista, int32_t &n) {
    if (modo == GENERAR_CAPTURAS && (GEOMETRIA.Mapa_Alfil[s] & m.Enemigas) == 0) return;
    RayosAlfil(s, ficha, modo, m, lista, n);
}

static inline void GenerarTorre(int32_t s, int32_t ficha, int32_t modo, const Mapas_Generacion &m,
                                Lista_Jugadas *lista, int32_t &n) {
    if (modo == GENERAR_CAPTURAS && (GEOMETRIA.Mapa_Torre[s] & m.Enemigas) == 0) return;
    RayosTorre(s, ficha, modo, m, lista, n);
}

// King: the two castlings (all moves only), then the eight steps.
template <bool BLANCO>
static inline void GenerarRey(int32_t s, int32_t modo, const Mapas_Generacion &m,
                              Lista_Jugadas *lista, int32_t &n) {
    const Tipo_Tablero &t = TableroGlobal;
    const int32_t *T = t.Tablero;
    if (modo != GENERAR_CAPTURAS) {
        // The king must stand on e1 or e8; the destination square is left to the make.
        const int32_t enroque = BLANCO ? t.Enroque_Blancas : t.Enroque_Negras;
        constexpr int32_t inicio = BLANCO ? E1 : E8, torre = BLANCO ? TORRE_B : TORRE_N;
        const bool corto = enroque == ENROQUE_CORTO || enroque == ENROQUES;
        const bool largo = enroque == ENROQUE_LARGO || enroque == ENROQUES;
        if (s == inicio && corto && T[s + 1] == SIN_PIEZA && T[s + 2] == SIN_PIEZA &&
            T[s + 3] == torre && !Jaque2(s) && !Jaque2(s + 1)) {
            Anadir(lista, n, Palabra(s, s + 2, T[s], NINGUNA, NINGUNA, BIT_ENROQUE));
        }
        if (s == inicio && largo && T[s - 1] == SIN_PIEZA &&
            T[s - 2] == SIN_PIEZA && T[s - 3] == SIN_PIEZA && T[s - 4] == torre && !Jaque2(s) &&
            !Jaque2(s - 1)) {
            Anadir(lista, n, Palabra(s, s - 2, T[s], NINGUNA, NINGUNA, BIT_ENROQUE));
        }
    }
    // King steps from GEOMETRIA, in the order 8, -8, 1, -1, 9, -9, 7, -7.
    GenerarSaltos(s, T[s], GEOMETRIA.Rey[s], GEOMETRIA.Num_Rey[s], GEOMETRIA.Mapa_Rey[s], m, lista,
                  n);
}

// The moves of a piece of the given kind (White's code) on s, for the side to move. Forced
// inline: the scan's copy loses its speed when the compiler shares one body.
template <bool BLANCO>
__attribute__((always_inline)) static inline void GenerarTipo(int32_t tipo, int32_t s,
                                                              int32_t ficha, int32_t modo,
                                                              const Mapas_Generacion &m,
                                                              Lista_Jugadas *lista, int32_t &n) {
    switch (tipo) {
        case PEON_B: GenerarPeon<BLANCO>(s, modo, m, lista, n); break;
        case CABALLO_B:
            // Jumps in the order 10, -6, 6, -10, 17, 15, -15, -17.
            GenerarSaltos(s, ficha, GEOMETRIA.Caballo[s], GEOMETRIA.Num_Caballo[s],
                          GEOMETRIA.Mapa_Caballo[s], m, lista, n);
            break;
        case ALFIL_B: GenerarAlfil(s, ficha, modo, m, lista, n); break;
        case TORRE_B: GenerarTorre(s, ficha, modo, m, lista, n); break;
        case DAMA_B:
            // Queen: rook rays first, then bishop rays.
            GenerarTorre(s, ficha, modo, m, lista, n);
            GenerarAlfil(s, ficha, modo, m, lista, n);
            break;
        case REY_B: GenerarRey<BLANCO>(s, modo, m, lista, n); break;
        default: Salir = 1; break;  // an impossible code on a square of this side
    }
}

// Scan of the side to move: White from h1 down to a8, Black from a8 up to h1.
template <bool BLANCO>
static inline int32_t Generar(int32_t modo, Lista_Jugadas *lista) {
    const Mapas_Generacion m = TomarMapas<BLANCO>(modo);
    int32_t n = 0;
    uint64_t resto = m.Propias;
    if (modo == GENERAR_CAPTURAS && TableroGlobal.Ficha_Al_Paso == 0) {
        // Pawns with nothing to take and short of the last rank add nothing: leave them out.
        // A white pawn takes on s-7 off the h-file and on s-9 off the a-file.
        constexpr uint64_t COL_A = 0x0101010101010101ull, COL_H = COL_A << 7;
        const uint64_t e = m.Enemigas;
        const uint64_t toman = BLANCO ? (((e << 7) & ~COL_H) | ((e << 9) & ~COL_A))
                                      : (((e >> 7) & ~COL_A) | ((e >> 9) & ~COL_H));
        constexpr uint64_t SEPTIMA = BLANCO ? 0xFFull << 8 : 0xFFull << 48;
        resto &= ~(m.Peones & ~(toman | SEPTIMA));
    }
    for (; resto != 0;) {
        const int32_t s = BLANCO ? Mayor(resto) : Menor(resto);
        resto ^= 1ull << s;
        const int32_t ficha = TableroGlobal.Tablero[s];
        GenerarTipo<BLANCO>(BLANCO ? ficha : ficha - 7, s, ficha, modo, m, lista, n);
    }
    return n;
}

int32_t GenerarMovimientos(int32_t modo, Lista_Jugadas *lista) {
    int32_t n = 0;
    if (TableroGlobal.Turno == 1) {
        n = Generar<true>(modo, lista);
    } else if (TableroGlobal.Turno == 0) {
        n = Generar<false>(modo, lista);
    } else {
        Salir = 1;
    }
    if (n >= MAX_JUGADAS) Salir = 1;
    IndexMove = n;
    return n;
}
