// The search's own machinery: table indexing, the move loop's selection and prefetching, the
// draw and check tests. Only search/*.cpp (and the tests) include it.
#pragma once

#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "search/search.h"

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

void CalcularTamanoTransposicion(int32_t megas, Registro_TT *tt);  // sizing only, no allocation

// Move of the first table slot holding the current position, whatever its depth; 0 if none.
uint32_t JugadaTabla();
// 1 when the table already says a null-window search at depth reducida fails low here.
int32_t NuloInutil(int32_t reducida, int32_t alpha, int32_t beta);

// The cut-off updates of history, killers and refutations.
void ActualizarHistoricos(uint32_t jugada, int32_t profundidad, int32_t puntuacion,
                          int32_t jugada_previa, const Lista_Jugadas *lista, int32_t legales);

// Draw by the fifty-move rule (above 100) or by a repeated key among the reversible plies
// (the current position counted among them).
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

// Depths, margins and counts of the principal variation search and the quiescence search.
inline constexpr int32_t PROF_TABLAS = 3;         // tablebase probes at this depth or less
inline constexpr int32_t PROF_NULO_ESTATICO = 3;  // static null move, margins STAT_NULL_MARGIN
// Null-move reduction R = (NULO_R_PASO d + NULO_R_BASE) / 256, d the remaining depth.
inline constexpr int32_t NULO_R_PASO = 67, NULO_R_BASE = 823;
inline constexpr int32_t PROF_RAZOR = 4;          // razoring, margins RAZOR_MARGIN
inline constexpr int32_t ITERACION_PV_RAIZ = 2;   // the root's line gives the hash move up to it
inline constexpr int32_t PROF_IID = 7, IID_REDUCCION = 2;  // internal iterative deepening
inline constexpr int32_t PROF_JAQUE_NULA = 7;     // null-window nodes extend checks below it
// Futility: a quiet move whose eval + FUTILIDAD_BASE + FUTILIDAD_POR_PLY d cannot reach beta.
inline constexpr int32_t FUTILIDAD_BASE = 50, FUTILIDAD_POR_PLY = 50, PROF_FUTILIDAD = 6;
// Move count: past QUIETAS_POR_PLY d quiet moves, at depth PROF_CUENTA_QUIETAS or less.
inline constexpr int32_t QUIETAS_POR_PLY = 3, PROF_CUENTA_QUIETAS = 3;
// The first legal moves are never reduced; late-move reductions from depth PROF_LMR, one ply
// more where more than LMR_RESTO_EXTRA would remain; losing captures one ply from PROF_SEE.
inline constexpr int32_t LEGALES_SIN_REDUCCION = 3;
inline constexpr int32_t PROF_LMR = 3, LMR_RESTO_EXTRA = 2, PROF_SEE = 2;
inline constexpr int32_t DELTA_MARGEN = 150;      // quiescence's delta pruning

// Move ordering bands, highest first: the hash move, captures (plus 64 per victim kind less the
// attacker kind; en passant as a pawn takes a pawn), promotion captures, promotions (plus the
// piece's exchange value), mate killers, killers (less the history percentage), the refutation
// (plus it); other quiet moves score their history percentage alone.
inline constexpr int32_t ORDEN_HASH = 6000000, ORDEN_CAPTURA = 5000000,
                         ORDEN_CAPTURA_CORONACION = 4000000, ORDEN_CORONACION = 3500000,
                         ORDEN_KILLER_MATE = 2000000, ORDEN_KILLER = 1000000,
                         ORDEN_REFUTACION = 500000;
inline constexpr int32_t ORDEN_AL_PASO = ORDEN_CAPTURA + 64 * 1 - 1;

// The last ply at which a node may still make moves. A make at ply 63 cannot raise
// Indice_Deshacer, so nodes there only evaluate.
inline constexpr int32_t PLY_MAXIMO = 62;

// Moves the entry with the greatest score among i..num-1 into place i;
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


// Asks for the table bucket and the evaluation cache entry of the
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

// The key after move m, for prefetching only; changes of the castling
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

// The skip test of a loop that asks for every entry's tables.
struct Sin_Descarte {
    bool operator()(uint32_t) const { return false; }
};

// Puts entry i+1 of the list in place (the order stays the one the
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

// The same for the first entry, before the work that comes ahead of
// the move loop.
template <typename Descarte = Sin_Descarte>
inline void PrepararPrimera(Lista_Jugadas *lista, int32_t num, int32_t &colocadas,
                            bool tabla = true, Descarte descartada = {}) {
    PrepararSiguiente(lista, -1, num, colocadas, tabla, descartada);
}
