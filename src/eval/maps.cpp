// Square sets of the board taken once per evaluation, for the terms' pawn and file tests.
#include "eval/eval.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

Mapas_Tablero MapasTablero;

// One bit per square holding the code, from the 64 piece codes packed one per byte.
static inline uint64_t MapaDeCodigo(const int8_t *codigos, int32_t codigo) {
#if defined(__SSE2__)
    const __m128i c = _mm_set1_epi8(static_cast<char>(codigo));
    uint64_t m = 0;
    for (int32_t i = 0; i < 4; i++) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(codigos + 16 * i));
        m |= static_cast<uint64_t>(static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, c))))
             << (16 * i);
    }
    return m;
#else
    uint64_t m = 0;
    for (int32_t s = 0; s < 64; s++) m |= static_cast<uint64_t>(codigos[s] == codigo) << s;
    return m;
#endif
}

uint64_t MapaDePieza(int32_t codigo) {
    if (codigo >= 1 && codigo <= 13) return MapasTablero.Piezas[codigo];
    return MapaDeCodigo(MapasTablero.Codigos, codigo);
}

void CalcularMapas() {
    Mapas_Tablero &m = MapasTablero;
    const int32_t *t = TableroGlobal.Tablero;
#if defined(__SSE2__)
    // Codes fit a byte: pack 64 words into 64 bytes, sixteen at a time. Of each lane take the
    // four low bits of every code as four square sets, and the squares whose code lies outside
    // 1..13; a shift brings bit k of each byte to the top, where movemask reads it.
    uint64_t bit[4] = {0, 0, 0, 0}, fuera = 0;
    const __m128i uno = _mm_set1_epi8(1), trece = _mm_set1_epi8(13);
    for (int32_t i = 0; i < 4; i++) {
        const __m128i *p = reinterpret_cast<const __m128i *>(t + 16 * i);
        const __m128i a = _mm_packs_epi32(_mm_loadu_si128(p), _mm_loadu_si128(p + 1));
        const __m128i b = _mm_packs_epi32(_mm_loadu_si128(p + 2), _mm_loadu_si128(p + 3));
        const __m128i v = _mm_packs_epi16(a, b);
        _mm_storeu_si128(reinterpret_cast<__m128i *>(m.Codigos + 16 * i), v);
        const auto mascara = [&](__m128i x) {
            return static_cast<uint64_t>(static_cast<uint32_t>(_mm_movemask_epi8(x))) << (16 * i);
        };
        bit[0] |= mascara(_mm_slli_epi16(v, 7));
        bit[1] |= mascara(_mm_slli_epi16(v, 6));
        bit[2] |= mascara(_mm_slli_epi16(v, 5));
        bit[3] |= mascara(_mm_slli_epi16(v, 4));
        fuera |= mascara(_mm_or_si128(_mm_cmplt_epi8(v, uno), _mm_cmpgt_epi8(v, trece)));
    }
    // Code c is the high pair c >> 2 with the low pair c & 3.
    const uint64_t bajo[4] = {~bit[1] & ~bit[0], ~bit[1] & bit[0], bit[1] & ~bit[0],
                              bit[1] & bit[0]};
    const uint64_t alto[4] = {~bit[3] & ~bit[2] & ~fuera, ~bit[3] & bit[2] & ~fuera,
                              bit[3] & ~bit[2] & ~fuera, bit[3] & bit[2] & ~fuera};
    for (int32_t codigo = 1; codigo <= 13; codigo++)
        m.Piezas[codigo] = alto[codigo >> 2] & bajo[codigo & 3];
#else
    for (int32_t s = 0; s < 64; s++)
        m.Codigos[s] = static_cast<int8_t>(t[s] < -128 ? -128 : (t[s] > 127 ? 127 : t[s]));
    for (int32_t codigo = 1; codigo <= 13; codigo++)
        m.Piezas[codigo] = MapaDeCodigo(m.Codigos, codigo);
#endif
    m.Piezas[0] = 0;
    m.Peones[1] = m.Piezas[PEON_B];
    m.Peones[0] = m.Piezas[PEON_N];
    m.Ocupadas = ~m.Piezas[SIN_PIEZA];

    // Own sets by code; a code outside 1..13 (it ends the scan) still sides by its value.
    uint64_t blancas = 0, negras = 0;
    for (int32_t codigo = PEON_B; codigo < SIN_PIEZA; codigo++) blancas |= m.Piezas[codigo];
    for (int32_t codigo = SIN_PIEZA + 1; codigo <= REY_N; codigo++) negras |= m.Piezas[codigo];
    const uint64_t invalidas = m.Ocupadas & ~(blancas | negras);
    m.Antes_Invalida = invalidas ? (invalidas & (0 - invalidas)) - 1 : ~0ull;
    for (uint64_t resto = invalidas; resto != 0; resto &= resto - 1) {
        const int32_t s = __builtin_ctzll(resto);
        if (m.Codigos[s] < SIN_PIEZA)
            blancas |= uint64_t(1) << s;
        else
            negras |= uint64_t(1) << s;
    }
    m.Propias[1] = blancas;
    m.Propias[0] = negras;

    // White pawns take towards square 0, Black pawns towards square 63; a step that wraps
    // round the board edge lands on the far file and is dropped.
    const uint64_t b = m.Peones[1], n = m.Peones[0];
    m.Ataques_Peon[1] = ((b >> 9) & ~COLUMNA_MAPA[7]) | ((b >> 7) & ~COLUMNA_MAPA[0]);
    m.Ataques_Peon[0] = ((n << 7) & ~COLUMNA_MAPA[7]) | ((n << 9) & ~COLUMNA_MAPA[0]);
}
