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

// Castling of the king on s: it must stand on e1 or e8; the destination square is left to the
// make.
template <bool BLANCO>
static inline void GenerarEnroques(int32_t s, Lista_Jugadas *lista, int32_t &n) {
    const Tipo_Tablero &t = TableroGlobal;
    const int32_t *T = t.Tablero;
    const int32_t enroque = BLANCO ? t.Enroque_Blancas : t.Enroque_Negras;
    constexpr int32_t inicio = BLANCO ? E1 : E8, torre = BLANCO ? TORRE_B : TORRE_N;
    const bool corto = TieneDerecho(enroque, ENROQUE_CORTO);
    const bool largo = TieneDerecho(enroque, ENROQUE_LARGO);
    if (s == inicio && corto && T[s + 1] == SIN_PIEZA && T[s + 2] == SIN_PIEZA &&
        T[s + 3] == torre && !Jaque2(s) && !Jaque2(s + 1)) {
        Anadir(lista, n, Palabra(s, s + 2, T[s], NINGUNA, NINGUNA, BIT_ENROQUE));
    }
    if (s == inicio && largo && T[s - 1] == SIN_PIEZA && T[s - 2] == SIN_PIEZA &&
        T[s - 3] == SIN_PIEZA && T[s - 4] == torre && !Jaque2(s) && !Jaque2(s - 1)) {
        Anadir(lista, n, Palabra(s, s - 2, T[s], NINGUNA, NINGUNA, BIT_ENROQUE));
    }
}

// King: the two castlings (all moves only), then the eight steps.
template <bool BLANCO>
static inline void GenerarRey(int32_t s, int32_t modo, const Mapas_Generacion &m,
                              Lista_Jugadas *lista, int32_t &n) {
    if (modo != GENERAR_CAPTURAS) GenerarEnroques<BLANCO>(s, lista, n);
    // King steps from GEOMETRIA, in the order 8, -8, 1, -1, 9, -9, 7, -7.
    GenerarSaltos(s, TableroGlobal.Tablero[s], GEOMETRIA.Rey[s], GEOMETRIA.Num_Rey[s],
                  GEOMETRIA.Mapa_Rey[s], m, lista, n);
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

// Squares a slider on s reaches along rays K to K + 3: the empty ones and the first occupied
// one. Squares 63 and 0 stand in for a missing blocker: their rays that way are empty.
template <int32_t K>
static inline uint64_t Alcance(int32_t s, uint64_t ocupadas) {
    uint64_t a = 0;
    for (int32_t k = K; k < K + 4; k++) {
        const uint64_t rayo = GEOMETRIA.Mapa_Rayo[s][k];
        const uint64_t bloqueo = rayo & ocupadas;
        const int32_t tope =
            DIRECCIONES_RAYO[k] > 0 ? Menor(bloqueo | 1ull << 63) : Mayor(bloqueo | 1);
        a |= rayo ^ GEOMETRIA.Mapa_Rayo[tope][k];
    }
    return a;
}
static_assert([] {
    for (int32_t k = 0; k < 8; k++)
        if (GEOMETRIA.Mapa_Rayo[DIRECCIONES_RAYO[k] > 0 ? 63 : 0][k] != 0) return false;
    return true;
}());

// The moves of the set a of squares for the piece on s: the empty ones, then the captures.
static inline void AnadirDestinos(int32_t s, int32_t ficha, uint64_t a, const Mapas_Generacion &m,
                                  Lista_Jugadas *lista, int32_t &n) {
    for (uint64_t q = a & m.Vacias; q != 0; q &= q - 1) {
        Anadir(lista, n, Palabra(s, Menor(q), ficha, NINGUNA, NINGUNA));
    }
    for (uint64_t c = a & m.Enemigas; c != 0; c &= c - 1) {
        const int32_t h = Menor(c);
        Anadir(lista, n, Palabra(s, h, ficha, TableroGlobal.Tablero[h], NINGUNA));
    }
}

// Each pawn move of the set a, from the square desplazamiento beyond its to square.
static inline void AnadirPeones(uint64_t a, int32_t desplazamiento, int32_t ficha, bool captura,
                                uint32_t banderas, Lista_Jugadas *lista, int32_t &n) {
    for (; a != 0; a &= a - 1) {
        const int32_t h = Menor(a);
        const int32_t c = captura ? TableroGlobal.Tablero[h] : NINGUNA;
        Anadir(lista, n, Palabra(h + desplazamiento, h, ficha, c, NINGUNA, banderas));
    }
}

template <bool BLANCO>
static int32_t Hojas(Lista_Jugadas *lista, int32_t *sencillas) {
    const Tipo_Tablero &t = TableroGlobal;
    const uint64_t *M = t.Mapa_Pieza;
    const Mapas_Generacion m = TomarMapas<BLANCO>(GENERAR_TODO);
    constexpr int32_t b = BLANCO ? 0 : 7;  // Black's codes are White's plus 7
    const uint64_t rey_rival = M[BLANCO ? REY_N : REY_B];
    // Codes that are no piece, or a king to take: left to GenerarMovimientos and the full make.
    if (m.Propias & ~(M[PEON_B + b] | M[CABALLO_B + b] | M[ALFIL_B + b] | M[TORRE_B + b] |
                      M[DAMA_B + b] | M[REY_B + b]))
        return -1;
    uint64_t rey_atacado = 0;
    int32_t n = 0;

    // 1. Pawns short of the promotion rank and out of reach of an en-passant capture, by set:
    // White's step up the board is -8, a capture -7 off the h-file or -9 off the a-file.
    constexpr uint64_t COL_A = COLUMNA_MAPA[0], COL_H = COLUMNA_MAPA[7];
    constexpr uint64_t SEPTIMA = BLANCO ? 0xffull << 8 : 0xffull << 48;
    constexpr uint64_t TERCERA = BLANCO ? 0xffull << 40 : 0xffull << 16;
    const int32_t paso = t.Ficha_Al_Paso;
    const uint64_t junto_paso = paso != 0 ? (1ull << paso >> 1 | 1ull << paso << 1) : 0;
    const uint64_t peones = M[PEON_B + b], aparte = peones & (SEPTIMA | junto_paso);
    const uint64_t p = peones & ~aparte;
    auto avanza = [](uint64_t x, int32_t d) { return BLANCO ? x >> d : x << d; };
    const uint64_t uno = avanza(p, 8) & m.Vacias, dos = avanza(uno & TERCERA, 8) & m.Vacias;
    const uint64_t izquierda = avanza(peones & ~(BLANCO ? COL_A : COL_H), 9);
    const uint64_t derecha = avanza(peones & ~(BLANCO ? COL_H : COL_A), 7);
    rey_atacado |= (izquierda | derecha) & rey_rival;
    constexpr int32_t atras = BLANCO ? 1 : -1;
    AnadirPeones(uno, 8 * atras, PEON_B + b, false, 0, lista, n);
    AnadirPeones(dos, 16 * atras, PEON_B + b, false, BIT_DOBLE_PASO, lista, n);
    AnadirPeones(avanza(p & ~(BLANCO ? COL_A : COL_H), 9) & m.Enemigas, 9 * atras, PEON_B + b,
                 true, 0, lista, n);
    AnadirPeones(avanza(p & ~(BLANCO ? COL_H : COL_A), 7) & m.Enemigas, 7 * atras, PEON_B + b,
                 true, 0, lista, n);

    // 2. Knights, bishops, rooks and queens.
    const uint64_t ocupadas = ~m.Vacias;
    for (uint64_t q = M[CABALLO_B + b]; q != 0; q &= q - 1) {
        const int32_t s = Menor(q);
        const uint64_t a = GEOMETRIA.Mapa_Caballo[s];
        rey_atacado |= a & rey_rival;
        AnadirDestinos(s, CABALLO_B + b, a, m, lista, n);
    }
    for (int32_t ficha : {ALFIL_B + b, TORRE_B + b, DAMA_B + b}) {
        for (uint64_t q = M[ficha]; q != 0; q &= q - 1) {
            const int32_t s = Menor(q);
            uint64_t a = ficha != ALFIL_B + b ? Alcance<4>(s, ocupadas) : 0;
            if (ficha != TORRE_B + b) a |= Alcance<0>(s, ocupadas);
            rey_atacado |= a & rey_rival;
            AnadirDestinos(s, ficha, a, m, lista, n);
        }
    }
    *sencillas = n;

    // 3. The rest through the generators of the scan: kings, and the pawns set aside.
    for (uint64_t q = aparte; q != 0; q &= q - 1) {
        GenerarPeon<BLANCO>(Menor(q), GENERAR_TODO, m, lista, n);
    }
    for (uint64_t q = M[REY_B + b]; q != 0; q &= q - 1) {
        const int32_t s = Menor(q);
        rey_atacado |= GEOMETRIA.Mapa_Rey[s] & rey_rival;
        GenerarRey<BLANCO>(s, GENERAR_TODO, m, lista, n);
    }
    return rey_atacado != 0 || n >= MAX_JUGADAS ? -1 : n;
}

int32_t GenerarHojas(Lista_Jugadas *lista, int32_t *sencillas) {
    int32_t n = -1;
    if (TableroGlobal.Turno == 1) n = Hojas<true>(lista, sencillas);
    if (TableroGlobal.Turno == 0) n = Hojas<false>(lista, sencillas);
    if (n >= 0) IndexMove = n;
    return n;
}
