// Principal variation search, quiescence, move ordering and the transposition table.
#pragma once

#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "board/board.h"

// Scores.
inline constexpr int32_t MATE = 32000;
inline constexpr int32_t UMBRAL_MATE = 31936;
inline constexpr int32_t SIN_PUNTUACION = 32001;  // used as +32001 and -32001

// Bound types.
inline constexpr int32_t TT_EXACTO = 1;
inline constexpr int32_t TT_ALPHA = 2;  // upper bound
inline constexpr int32_t TT_BETA = 3;   // lower bound

struct TT_Entrada {
    uint32_t Clave;  // 0 = empty
    uint32_t Jugada;
    int16_t Puntuacion;
    // bits 0-6 Profundidad_TT, bits 7-13 Edad, bits 14-15 Tipo
    uint16_t Info;
};
static_assert(sizeof(TT_Entrada) == 12);

struct Grupo {
    TT_Entrada Entradas[4];
};

struct Cache_Entrada {
    uint32_t Clave;
    int16_t Puntuacion;
};

struct Registro_TT {
    int32_t Megas_Tabla;
    int32_t Megas_Cache;
    int32_t Num_Grupos;
    int32_t Num_Cache;
    int32_t Ocupadas;
    int32_t Edad;
};

extern Registro_TT TT_Opciones;
extern Grupo *TT_Datos;
extern Cache_Entrada *TT_Cache;

// Remainder by a runtime divisor through a cached 64-bit reciprocal: exact for every 32-bit
// dividend and divisor, without a division instruction. The reciprocal follows the divisor.
struct Divisor_Rapido {
    uint32_t Divisor;
    uint64_t Reciproco;
};
extern Divisor_Rapido Modulo_Grupos, Modulo_Cache;

__attribute__((always_inline)) inline uint32_t RestoRapido(uint32_t x, int32_t divisor,
                                                           Divisor_Rapido &r) {
    const uint32_t d = static_cast<uint32_t>(divisor);
    if (__builtin_expect(r.Divisor != d, 0)) {
        r.Divisor = d;
        r.Reciproco = UINT64_MAX / d + 1;
    }
    const uint64_t fraccion = r.Reciproco * x;
#ifdef __SIZEOF_INT128__
    return static_cast<uint32_t>((static_cast<unsigned __int128>(fraccion) * d) >> 64);
#else
    // The high word of the 96-bit product from two 32-bit halves; the sum cannot carry
    // out of 64 bits, so this is exact.
    const uint64_t alto = (fraccion >> 32) * d + (((fraccion & 0xFFFFFFFFu) * d) >> 32);
    return static_cast<uint32_t>(alto >> 32);
#endif
}

// Bucket of a key in the table, entry of a key in the evaluation cache.
inline uint32_t IndiceGrupo(uint32_t clave) {
    return RestoRapido(clave, TT_Opciones.Num_Grupos, Modulo_Grupos);
}
inline uint32_t IndiceCache(uint32_t clave) {
    return RestoRapido(clave, TT_Opciones.Num_Cache, Modulo_Cache);
}

inline int32_t Profundidad_TT(uint16_t info) { return info & 127; }
inline int32_t Edad_TT(uint16_t info) { return (info >> 7) & 127; }
inline int32_t Tipo_TT(uint16_t info) { return info >> 14; }

// Hash size in megabytes at start-up.
inline constexpr int32_t MEGAS_INICIALES = 128;
void CrearTransposicion(int32_t megas);
void LimpiarTransposicion();
void LiberarTransposicion();
void AlmacenarPosicion(int32_t profundidad, int32_t puntuacion, int32_t tipo, uint32_t jugada);
int32_t RecuperarPosicion(int32_t alpha, int32_t beta, const int32_t *profundidad,
                          int32_t *puntuacion, uint32_t *jugada);
int32_t HashFull();  // the hashfull figure of the reports
// Move of the first table slot holding the current position, whatever its depth; 0 if none.
uint32_t JugadaTabla();

// Move ordering and history.
extern int32_t valor_captura[14][14];
extern int32_t valor_captura_coronacion[14][14];
extern int32_t valor_coronacion[14];
extern int32_t Historico_Bueno[14][64];
extern int32_t Max_Historico, Min_Historico;
extern uint32_t Historico_Killer[64][2];
extern uint32_t Historico_Killer_Mate[64][2];
extern uint32_t Historico_Rechazado[64 * 64];
void LlenarValoresOrden();
void OrdenarMovimientosTodos(int32_t num, uint32_t *jugada_hash, Lista_Jugadas *lista,
                             uint32_t refutacion);
void LimpiarHistoricos();

// Search.
extern uint32_t pv_line[64][64];
extern uint32_t pv_line_fin[64];
extern uint32_t pv_line_Root[256][64];
extern int32_t Mejor_Movimiento_Pos;
extern int32_t lmr[64][256];
extern const int32_t RAZOR_MARGIN[5];
extern const int32_t STAT_NULL_MARGIN[4];
extern const int32_t Flip3[64];
void LlenarLmr();
// The answer of a search that accepted no iteration: a legal move of the current position
// chosen by a one-ply look that leaves every table as it was; 0 when there is none.
uint32_t JugadaDeUnPly();
int32_t AlphaBeta_Pv(int32_t profundidad, int32_t alpha, int32_t beta, int32_t en_jaque,
                     int32_t nulo_prohibido, int32_t jugada_previa);
int32_t AlphaBeta_Qs(int32_t alpha, int32_t beta, int32_t en_jaque, int32_t ventana_nula,
                     int32_t entrada);

// Transposition table internals shared with the front end and the tests.
void CalcularTamanoTransposicion(int32_t megas, Registro_TT *tt);  // sizing only, no allocation

// Internal to search/: the cut-off updates of history, killers and refutations.
void ActualizarHistoricos(uint32_t jugada, int32_t profundidad, int32_t puntuacion,
                          int32_t jugada_previa, const Lista_Jugadas *lista, int32_t legales);

// Internal to search/: draw by the fifty-move rule (above 100) or by a repeated key among
// the reversible plies (the current position counted among them).
inline int32_t PosicionTablas() {
    const Tipo_Tablero &t = TableroGlobal;
    if (t.Regla_50 > 100) return 1;
    if (t.Regla_50 > 3) {
        int32_t desde = t.Num_Historial - t.Regla_50;
        if (desde < 0) desde = 0;
        int32_t veces = 0;
        for (int32_t i = desde; i < t.Num_Historial; i++) {
            if (t.Historial_Claves[i] == t.Clave && ++veces >= 2) return 1;
        }
    }
    return 0;
}

// Internal to search/: 1 when the side to move is in check.
inline int32_t LadoEnJaque() {
    return TableroGlobal.Turno == 1 ? JaqueBlancas(TableroGlobal.Rey_Blanco)
                                    : JaqueNegras(TableroGlobal.Rey_Negro);
}

// Internal to search/: the last ply at which a node may still make moves. A make at ply 63
// cannot raise Indice_Deshacer, so nodes there only evaluate.
inline constexpr int32_t PLY_MAXIMO = 62;

// Internal to search/: moves the entry with the greatest score among i..num-1 into place i;
// ties keep the earliest.
inline void SeleccionarJugada(Lista_Jugadas *lista, int32_t i, int32_t num) {
    int32_t mejor = i, j = i + 1;
#if defined(__SSE2__)
    if (num - i >= 8) {
        // Four lanes, each keeping the first entry of its greatest score; then the greatest
        // score of the lanes at the lowest index, then the rest one by one.
        static_assert(sizeof(Lista_Jugadas) == 8);
        auto puntos = [lista](int32_t k) {
            const __m128 a = _mm_castsi128_ps(
                _mm_loadu_si128(reinterpret_cast<const __m128i *>(lista + k)));
            const __m128 b = _mm_castsi128_ps(
                _mm_loadu_si128(reinterpret_cast<const __m128i *>(lista + k + 2)));
            return _mm_castps_si128(_mm_shuffle_ps(a, b, _MM_SHUFFLE(3, 1, 3, 1)));
        };
        __m128i indice = _mm_setr_epi32(i, i + 1, i + 2, i + 3), actual = indice;
        __m128i valor = puntos(i);
        const __m128i cuatro = _mm_set1_epi32(4);
        for (j = i + 4; j + 4 <= num; j += 4) {
            const __m128i v = puntos(j);
            actual = _mm_add_epi32(actual, cuatro);
            const __m128i mayor = _mm_cmpgt_epi32(v, valor);
            valor = _mm_or_si128(_mm_and_si128(mayor, v), _mm_andnot_si128(mayor, valor));
            indice = _mm_or_si128(_mm_and_si128(mayor, actual), _mm_andnot_si128(mayor, indice));
        }
        alignas(16) int32_t vs[4], is[4];
        _mm_store_si128(reinterpret_cast<__m128i *>(vs), valor);
        _mm_store_si128(reinterpret_cast<__m128i *>(is), indice);
        mejor = is[0];
        int32_t vm = vs[0];
        for (int32_t k = 1; k < 4; k++) {
            if (vs[k] > vm || (vs[k] == vm && is[k] < mejor)) {
                vm = vs[k];
                mejor = is[k];
            }
        }
    }
#endif
    for (; j < num; j++) {
        if (lista[j].Valor_Orden > lista[mejor].Valor_Orden) mejor = j;
    }
    if (mejor != i) {
        const Lista_Jugadas t = lista[i];
        lista[i] = lista[mejor];
        lista[mejor] = t;
    }
}


// Internal to search/: asks for the table bucket and the evaluation cache entry of the
// position with that key ahead of their probes. Changes nothing. Quiescence nodes past the
// first read the table only in check, so for them (tabla false) only the cache is asked for.
inline void PrecargarTablas(uint32_t clave, bool tabla = true) {
    if (tabla && TT_Datos != nullptr) {
        const Grupo *g = &TT_Datos[IndiceGrupo(clave)];
        __builtin_prefetch(g);
        __builtin_prefetch(reinterpret_cast<const char *>(g) + sizeof(Grupo) - 1);
    }
    if (TT_Cache != nullptr && TT_Opciones.Megas_Cache != 0) {
        __builtin_prefetch(&TT_Cache[IndiceCache(clave)]);
    }
}
inline void PrecargarTablas(bool tabla = true) { PrecargarTablas(TableroGlobal.Clave, tabla); }

// Internal to search/: the key after move m, for prefetching only; changes of the castling
// state are left out.
inline uint32_t ClaveTrasJugada(uint32_t m) {
    // Row of a 4-bit code: the code modulo 14, without the division.
    auto fila = [](int32_t p) { return p < 14 ? p : p - 14; };
    const Tipo_Tablero &t = TableroGlobal;
    const int32_t desde = Desde(m), hasta = Hasta(m), ficha = Ficha(m);
    const int32_t captura = Captura(m), corona = Corona(m);
    uint32_t clave = t.Clave ^ zobrist_Turno[0] ^ zobrist_Tablero[fila(ficha)][desde] ^
                     zobrist_Tablero[fila(corona < NINGUNA ? corona : ficha)][hasta];
    if (captura < NINGUNA) clave ^= zobrist_Tablero[fila(captura)][hasta];
    if (t.Ficha_Al_Paso != 0) {
        clave ^= zobrist_Tablero[0][t.Ficha_Al_Paso];
        const int32_t tomado = ficha < SIN_PIEZA ? PEON_N : PEON_B;
        if (Es_Al_Paso(m)) clave ^= zobrist_Tablero[tomado][t.Ficha_Al_Paso];
    }
    if (Es_Doble_Paso(m)) clave ^= zobrist_Tablero[0][hasta];
    return clave;
}

// Internal to search/: the skip test of a loop that asks for every entry's tables.
struct Sin_Descarte {
    bool operator()(uint32_t) const { return false; }
};

// Internal to search/: puts entry i+1 of the list in place (the order stays the one the
// selection gives) and prefetches the tables of the position after it, so that they come
// from memory while move i is searched; not for a move the loop will skip without making it
// (descartada true). colocadas: entries already in place.
template <typename Descarte = Sin_Descarte>
inline void PrepararSiguiente(Lista_Jugadas *lista, int32_t i, int32_t num, int32_t &colocadas,
                              bool tabla = true, Descarte descartada = {}) {
    if (i + 1 >= num) return;
    SeleccionarJugada(lista, i + 1, num);
    colocadas = i + 2;
    const uint32_t m = lista[i + 1].Jugada;
    if (!descartada(m)) PrecargarTablas(ClaveTrasJugada(m), tabla);
}

// Internal to search/: the same for the first entry, before the work that comes ahead of
// the move loop.
template <typename Descarte = Sin_Descarte>
inline void PrepararPrimera(Lista_Jugadas *lista, int32_t num, int32_t &colocadas,
                            bool tabla = true, Descarte descartada = {}) {
    PrepararSiguiente(lista, -1, num, colocadas, tabla, descartada);
}
