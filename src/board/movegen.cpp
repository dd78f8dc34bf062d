// Pseudo-legal move generation, in a fixed scan and direction order.
#include <initializer_list>

#include "board/board.h"

// Move lists are filled through a local count; IndexMove is written once per call.
// Entries beyond the capacity of the list are dropped.
static inline void Anadir(Lista_Jugadas *lista, int32_t &n, uint32_t jugada) {
    if (n < MAX_JUGADAS) lista[n++].Jugada = jugada;
}

static inline uint32_t Palabra(int32_t desde, int32_t hasta, int32_t ficha, int32_t captura,
                               int32_t corona, uint32_t banderas = 0) {
    return CrearJugada(desde, hasta, ficha, captura, corona, banderas);
}

// True when code p belongs to the side that is not BLANCO.
template <bool BLANCO>
static inline bool EsEnemiga(int32_t p) {
    return BLANCO ? (p > SIN_PIEZA && p <= REY_N) : (p >= PEON_B && p < SIN_PIEZA);
}

// One move to an empty or enemy square (the caller has checked the square); mode 2 drops
// moves to empty squares.
static inline void AnadirNormal(int32_t desde, int32_t hasta, int32_t modo, Lista_Jugadas *lista,
                                int32_t &n) {
    const int32_t *T = TableroGlobal.Tablero;
    const int32_t p = T[hasta];
    if (p == SIN_PIEZA) {
        if (modo == GENERAR_CAPTURAS) return;
        Anadir(lista, n, Palabra(desde, hasta, T[desde], NINGUNA, NINGUNA));
    } else {
        Anadir(lista, n, Palabra(desde, hasta, T[desde], p, NINGUNA));
    }
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
static inline void GenerarPeon(int32_t s, int32_t modo, Lista_Jugadas *lista, int32_t &n) {
    const Tipo_Tablero &t = TableroGlobal;
    const int32_t *T = t.Tablero;
    const int32_t *C = t.Color_Casilla;
    const int32_t c = C[s];
    // Forward step, the two capture steps, and the ranks that promote and double-step.
    constexpr int32_t avance = BLANCO ? -8 : 8;
    constexpr int32_t diag1 = BLANCO ? -7 : 7, diag2 = BLANCO ? -9 : 9;
    constexpr int32_t lado1 = BLANCO ? 1 : -1;  // en-passant pawn beside s for diag1
    const bool corona = BLANCO ? (s >= 8 && s <= 15) : (s >= 48 && s <= 55);
    const bool inicial = BLANCO ? (s >= 48 && s <= 55) : (s >= 8 && s <= 15);
    const int32_t a = s + diag1, b = s + diag2, f = s + avance;

    if (t.Ficha_Al_Paso != 0) {
        if (t.Ficha_Al_Paso == s + lado1 && a >= 0 && a < 64 && C[a] == c) {
            Anadir(lista, n, Palabra(s, a, T[s], NINGUNA, NINGUNA, BIT_AL_PASO));
        }
        if (t.Ficha_Al_Paso == s - lado1 && b >= 0 && b < 64 && C[b] == c) {
            Anadir(lista, n, Palabra(s, b, T[s], NINGUNA, NINGUNA, BIT_AL_PASO));
        }
    }
    if (a >= 0 && a < 64 && C[a] == c && EsEnemiga<BLANCO>(T[a])) {
        if (corona) {
            AnadirCoronacion(s, a, lista, n);
        } else {
            Anadir(lista, n, Palabra(s, a, T[s], T[a], NINGUNA));
        }
    }
    if (b >= 0 && b < 64 && C[b] == c && EsEnemiga<BLANCO>(T[b])) {
        if (corona) {
            AnadirCoronacion(s, b, lista, n);
        } else {
            Anadir(lista, n, Palabra(s, b, T[s], T[b], NINGUNA));
        }
    }
    if (f >= 0 && f < 64 && T[f] == SIN_PIEZA) {
        if (corona) {
            AnadirCoronacion(s, f, lista, n);
        } else if (modo != GENERAR_CAPTURAS) {
            Anadir(lista, n, Palabra(s, f, T[s], NINGUNA, NINGUNA));
            const int32_t d = f + avance;
            if (inicial && T[d] == SIN_PIEZA) {
                Anadir(lista, n, Palabra(s, d, T[s], NINGUNA, NINGUNA, BIT_DOBLE_PASO));
            }
        }
    }
}

// Knight jumps from GEOMETRIA, in the order 10, -6, 6, -10, 17, 15, -15, -17.
template <bool BLANCO>
static inline void GenerarCaballo(int32_t s, int32_t modo, Lista_Jugadas *lista, int32_t &n) {
    const int32_t *T = TableroGlobal.Tablero;
    const uint8_t *saltos = GEOMETRIA.Caballo[s];
    for (int32_t i = 0, num = GEOMETRIA.Num_Caballo[s]; i < num; i++) {
        const int32_t h = saltos[i];
        const int32_t p = T[h];
        if (p == SIN_PIEZA || EsEnemiga<BLANCO>(p)) AnadirNormal(s, h, modo, lista, n);
    }
}

// One ray of GEOMETRIA from s, nearest square first, up to the first occupied square.
template <bool BLANCO, int32_t K>
static inline void Rayo(int32_t s, int32_t modo, Lista_Jugadas *lista, int32_t &n) {
    const int32_t *T = TableroGlobal.Tablero;
    const uint8_t *rayo = GEOMETRIA.Rayo[s][K];
    for (int32_t i = 0, largo = GEOMETRIA.Largo_Rayo[s][K]; i < largo; i++) {
        const int32_t h = rayo[i];
        const int32_t p = T[h];
        if (p == SIN_PIEZA) {
            AnadirNormal(s, h, modo, lista, n);
            continue;
        }
        if (EsEnemiga<BLANCO>(p)) AnadirNormal(s, h, modo, lista, n);
        break;
    }
}

// Bishop rays 9, 7, -7, -9.
template <bool BLANCO>
static inline void GenerarAlfil(int32_t s, int32_t modo, Lista_Jugadas *lista, int32_t &n) {
    Rayo<BLANCO, 0>(s, modo, lista, n);
    Rayo<BLANCO, 1>(s, modo, lista, n);
    Rayo<BLANCO, 2>(s, modo, lista, n);
    Rayo<BLANCO, 3>(s, modo, lista, n);
}

// Rook rays 8, -8, -1, 1.
template <bool BLANCO>
static inline void GenerarTorre(int32_t s, int32_t modo, Lista_Jugadas *lista, int32_t &n) {
    Rayo<BLANCO, 4>(s, modo, lista, n);
    Rayo<BLANCO, 5>(s, modo, lista, n);
    Rayo<BLANCO, 6>(s, modo, lista, n);
    Rayo<BLANCO, 7>(s, modo, lista, n);
}

// King: the two castlings (all moves only), then the eight steps.
template <bool BLANCO>
static inline void GenerarRey(int32_t s, int32_t modo, Lista_Jugadas *lista, int32_t &n) {
    const Tipo_Tablero &t = TableroGlobal;
    const int32_t *T = t.Tablero;
    if (modo != GENERAR_CAPTURAS) {
        // The king must stand on e1 or e8; the destination square is left to the make.
        const int32_t enroque = BLANCO ? t.Enroque_Blancas : t.Enroque_Negras;
        constexpr int32_t inicio = BLANCO ? 60 : 4, torre = BLANCO ? TORRE_B : TORRE_N;
        if (s == inicio && (enroque == 1 || enroque == 3) && T[s + 1] == SIN_PIEZA &&
            T[s + 2] == SIN_PIEZA && T[s + 3] == torre && !Jaque2(s) && !Jaque2(s + 1)) {
            Anadir(lista, n, Palabra(s, s + 2, T[s], NINGUNA, NINGUNA, BIT_ENROQUE));
        }
        if (s == inicio && (enroque == 2 || enroque == 3) && T[s - 1] == SIN_PIEZA &&
            T[s - 2] == SIN_PIEZA && T[s - 3] == SIN_PIEZA && T[s - 4] == torre && !Jaque2(s) &&
            !Jaque2(s - 1)) {
            Anadir(lista, n, Palabra(s, s - 2, T[s], NINGUNA, NINGUNA, BIT_ENROQUE));
        }
    }
    // King steps from GEOMETRIA, in the order 8, -8, 1, -1, 9, -9, 7, -7.
    const uint8_t *pasos = GEOMETRIA.Rey[s];
    for (int32_t i = 0, num = GEOMETRIA.Num_Rey[s]; i < num; i++) {
        const int32_t h = pasos[i];
        const int32_t p = T[h];
        if (p == SIN_PIEZA || EsEnemiga<BLANCO>(p)) AnadirNormal(s, h, modo, lista, n);
    }
}

// Scan of the side to move: White from h1 down to a8, Black from a8 up to h1.
template <bool BLANCO>
static inline int32_t Generar(int32_t modo, Lista_Jugadas *lista) {
    const int32_t *T = TableroGlobal.Tablero;
    int32_t n = 0;
    for (int32_t i = 0; i < 64; i++) {
        const int32_t s = BLANCO ? 63 - i : i;
        const int32_t p = BLANCO ? T[s] : T[s] - 7;
        if (BLANCO ? p >= SIN_PIEZA : p <= 0) continue;
        switch (p) {
            case PEON_B: GenerarPeon<BLANCO>(s, modo, lista, n); break;
            case CABALLO_B: GenerarCaballo<BLANCO>(s, modo, lista, n); break;
            case ALFIL_B: GenerarAlfil<BLANCO>(s, modo, lista, n); break;
            case TORRE_B: GenerarTorre<BLANCO>(s, modo, lista, n); break;
            case DAMA_B:
                // Queen: rook rays first, then bishop rays.
                GenerarTorre<BLANCO>(s, modo, lista, n);
                GenerarAlfil<BLANCO>(s, modo, lista, n);
                break;
            case REY_B: GenerarRey<BLANCO>(s, modo, lista, n); break;
            default: Salir = 1; break;  // an impossible code on a square of this side
        }
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

// The per-piece generators append at IndexMove and read Turno for their colour.
#define GENERADOR_PUBLICO(nombre, generador)                           \
    void nombre(int32_t casilla, int32_t modo, Lista_Jugadas *lista) { \
        int32_t n = IndexMove;                                         \
        if (TableroGlobal.Turno == 1) {                                \
            generador<true>(casilla, modo, lista, n);                  \
        } else if (TableroGlobal.Turno == 0) {                         \
            generador<false>(casilla, modo, lista, n);                 \
        }                                                              \
        IndexMove = n;                                                 \
    }

GENERADOR_PUBLICO(ObtenerMovimientoPeon, GenerarPeon)
GENERADOR_PUBLICO(ObtenerMovimientoCaballo, GenerarCaballo)
GENERADOR_PUBLICO(ObtenerMovimientoAlfil, GenerarAlfil)
GENERADOR_PUBLICO(ObtenerMovimientoTorre, GenerarTorre)
GENERADOR_PUBLICO(ObtenerMovimientoRey, GenerarRey)
