// Pawn structure: passed, unstoppable, doubled, isolated, backward, phalanx and defended pawns.
#include "eval/eval.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Single-precision factor, multiplied in extended precision and truncated.
static constexpr float UN_TREINTAVO = 1.0f / 30.0f;

// Square sets of one pawn, index 1 White, 0 Black: the squares in front on its own file, in
// front on its own and both neighbouring files, and for the candidate rule with the partner
// on the left [0] or on the right [1], in front on the partner's file, the other neighbouring
// file and the file beyond the partner.
struct Mapas_Peon {
    uint64_t Frente[2][64];
    uint64_t Pasado[2][64];
    uint64_t Candidato[2][64][2];
};
static constexpr uint64_t Columnas(int32_t f, int32_t desde, int32_t hasta) {
    uint64_t m = 0;
    for (int32_t g = f + desde; g <= f + hasta; g++)
        if (g >= 0 && g <= 7) m |= COLUMNA_MAPA[g];
    return m;
}
static constexpr Mapas_Peon CrearMapasPeon() {
    Mapas_Peon m{};
    for (int32_t c = 0; c < 2; c++) {
        for (int32_t s = 0; s < 64; s++) {
            const int32_t f = s & 7, fila = s >> 3;
            uint64_t delante = 0;
            for (int32_t t = 0; t < 64; t++)
                if (c == 1 ? (t >> 3) < fila : (t >> 3) > fila) delante |= uint64_t(1) << t;
            m.Frente[c][s] = delante & COLUMNA_MAPA[f];
            m.Pasado[c][s] = delante & Columnas(f, -1, 1);
            m.Candidato[c][s][0] = delante & (Columnas(f, -2, -1) | Columnas(f, 1, 1));
            m.Candidato[c][s][1] = delante & (Columnas(f, 1, 2) | Columnas(f, -1, -1));
        }
    }
    return m;
}
static constexpr Mapas_Peon MAPAS_PEON = CrearMapasPeon();

// Bit f set when the count of file f equals valor.
static inline uint32_t ColumnasConCuenta(const int32_t *peones_columna, int32_t valor) {
#if defined(__SSE2__)
    // Eight compares at once, packed to one bit each.
    const __m128i *p = reinterpret_cast<const __m128i *>(peones_columna);
    const __m128i v = _mm_set1_epi32(valor), cero = _mm_setzero_si128();
    const __m128i a = _mm_cmpeq_epi32(_mm_loadu_si128(p), v);
    const __m128i b = _mm_cmpeq_epi32(_mm_loadu_si128(p + 1), v);
    return static_cast<uint32_t>(_mm_movemask_epi8(_mm_packs_epi16(_mm_packs_epi32(a, b), cero)));
#else
    uint32_t columnas = 0;
    for (int32_t f = 0; f < 8; f++) columnas |= uint32_t(peones_columna[f] == valor) << f;
    return columnas;
#endif
}

// Bit f set when the count of file f is not zero.
static inline uint32_t ColumnasConPeones(const int32_t *peones_columna) {
    return ~ColumnasConCuenta(peones_columna, 0) & 0xFF;
}

// Our rule for a candidate passed pawn. The pawn is blocked: a lone enemy pawn stands in front
// of it on its file. It is a candidate when an own pawn stands beside it on file g and no enemy
// pawn stands in front of the pair on file g, on the pawn's other neighbouring file or on the file
// two columns away beyond g: two own pawns face one enemy pawn, so one of them will pass.
template <bool Blanco>
static bool EsCandidato(int32_t s, int32_t f, const Tipo_Lado &rival, uint64_t propios,
                        uint64_t rivales) {
    constexpr int32_t c = Blanco ? 1 : 0;
    if (rival.Peones_Columna[f] != 1) return false;
    if (f > 0 && ((propios >> (s - 1)) & 1) && !(rivales & MAPAS_PEON.Candidato[c][s][0]))
        return true;
    return f < 7 && ((propios >> (s + 1)) & 1) && !(rivales & MAPAS_PEON.Candidato[c][s][1]);
}

// What every pawn of one side is measured against, taken once per call.
struct Contexto_Peones {
    uint64_t Propios;            // own pawns on the board
    uint64_t Rivales;            // enemy pawns on the files the scan has counted
    uint64_t Con_Vecino;         // squares with an own pawn beside them
    uint64_t Con_Apoyo_Delante;  // squares with an own pawn diagonally in front
    uint64_t Defendidas;         // squares an own pawn defends
    uint32_t Columnas_Propias;   // files whose own count is not zero
    int32_t Rey_Rival, Tempo;
    bool Rival_Sin_Piezas;
};

// Squares of the centre bonus: d5, e5, d6, e6 for White, d4, e4, d3, e3 for Black.
template <bool Blanco>
static constexpr uint64_t CENTRO = Blanco ? 0x0000000018180000ull : 0x0000181800000000ull;

// Passed bonus of the pawn on s, rank index r: 80 percent when an enemy piece blocks it, less
// in the endgame the nearer the enemy king, plus the race it wins against a bare king.
template <bool Blanco>
static void SumarPasado(const Contexto_Peones &x, int32_t s, int32_t &op, int32_t &eg) {
    const int32_t r = Blanco ? 7 - (s >> 3) : (s >> 3);
    const int32_t frente = s + (Blanco ? -8 : 8);
    const int32_t bloqueo = frente >= 0 && frente < 64 ? TableroGlobal.Tablero[frente] : SIN_PIEZA;
    const bool bloqueado = Blanco ? bloqueo > SIN_PIEZA : bloqueo < SIN_PIEZA;
    const int32_t k = bloqueado ? 1 : 0;
    const int32_t d = TROPISMO_DISTANCIA[s][x.Rey_Rival];
    op += VALORES_PASADO.Apertura[k][r];
    if (d >= 0 && d < 15) {
        eg += VALORES_PASADO.Final[k][d][r];
    } else {
        const int32_t e = BONUS_PASSED[1][r];
        eg += Porcentaje(e - EscalarExtendido(d * e, UN_TREINTAVO), k ? 80 : 100);
    }
    if (x.Rival_Sin_Piezas) {
        const int32_t coronacion = Blanco ? (s & 7) : 56 + (s & 7);
        if (7 - r + x.Tempo < DistanciaRey(x.Rey_Rival, coronacion)) {
            op += BONUS_PEON_IMPARABLE[r];
            eg += BONUS_PEON_IMPARABLE[r];
        }
    }
}

// Squares behind the men of m on their files, seen from the side that moves towards square 0
// (Blanco) or towards square 63: the squares that have one of them in front.
template <bool Blanco>
static inline uint64_t Detras(uint64_t m) {
    uint64_t y = Blanco ? m << 8 : m >> 8;
    y |= Blanco ? y << 8 : y >> 8;
    y |= Blanco ? y << 16 : y >> 16;
    y |= Blanco ? y << 32 : y >> 32;
    return y;
}

// Members of a set that usually holds few.
static inline int32_t Contar(uint64_t m) {
    int32_t n = 0;
    for (; m != 0; m &= m - 1) n++;
    return n;
}

// Members of any set, summed eight bits at a time.
static inline int32_t ContarTodos(uint64_t m) {
    m -= (m >> 1) & 0x5555555555555555ull;
    m = (m & 0x3333333333333333ull) + ((m >> 2) & 0x3333333333333333ull);
    m = (m + (m >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    return static_cast<int32_t>((m * 0x0101010101010101ull) >> 56);
}

// The part of one side's pawn term that depends on the pawns alone: every term but the passed
// bonus, and the pawns that get that bonus. Keyed by the own pawns, the enemy pawns on the files
// the scan has counted, the files where the enemy count is one, and the length of the own lists,
// which an entry only holds when it equals the number of own pawns.
struct Estructura_Peones {
    uint64_t Propios, Rivales;
    uint16_t Solo_Uno, En_Listas;
    int32_t Apertura, Final;
    uint64_t Pasados;
};

// Structures met lately, by side. An entry is a function of its key, so a found one is always
// right; the zeroed entry is the right one for a side without pawns.
static Estructura_Peones Estructuras[2][1024];

// The structure from square sets. Valid when the file lists hold exactly the pawns of the board,
// most advanced first, as the scan leaves them: then a pawn is doubled when an own pawn stands
// in front of it, and the first of its list otherwise.
template <bool Blanco>
static void CalcularEstructura(const Contexto_Peones &x, uint32_t solo_uno, int32_t en_listas,
                               Estructura_Peones &e) {
    constexpr int32_t mitad = Blanco ? 0 : 64;
    const uint64_t propios = x.Propios;
    int32_t op = 0, eg = 0;

    // 8. Square tables.
    for (uint64_t resto = propios; resto != 0; resto &= resto - 1) {
        const int32_t s = __builtin_ctzll(resto);
        op += PST_P_OP[mitad + s];
        eg += PST_P_EG[s];
    }

    // 1. File status.
    const uint64_t no_a = ~COLUMNA_MAPA[0], no_h = ~COLUMNA_MAPA[7];
    const uint64_t tapadas = Detras<Blanco>(x.Rivales);
    const uint64_t vigiladas = tapadas | ((tapadas << 1) & no_a) | ((tapadas >> 1) & no_h);
    const uint64_t semiabiertas = propios & ~tapadas;

    // 2. Doubled.
    const uint64_t doblados = propios & Detras<Blanco>(propios);
    const int32_t num_doblados = Contar(doblados);
    op += num_doblados * PENALIZACION_DOBLADO_OP;
    eg += num_doblados * PENALIZACION_DOBLADO_EG;

    // 3. Phalanx, or else defended.
    for (uint64_t resto = propios & x.Con_Vecino; resto != 0; resto &= resto - 1) {
        const int32_t s = __builtin_ctzll(resto);
        op += PST_BONUS_FALANGE_OP[mitad + s];
        eg += PST_BONUS_FALANGE_EG[mitad + s];
    }
    for (uint64_t resto = propios & x.Defendidas & ~x.Con_Vecino; resto != 0; resto &= resto - 1) {
        const int32_t s = __builtin_ctzll(resto);
        op += PST_BONUS_DEFENDED_OP[mitad + s];
        eg += PST_BONUS_DEFENDED_EG[mitad + s];
    }

    // 4. Isolated: no own pawn counted on a neighbouring file.
    const uint32_t solas = ~((x.Columnas_Propias << 1) | (x.Columnas_Propias >> 1)) & 0xFF;
    const uint64_t aislados = propios & (uint64_t(solas) * 0x0101010101010101ull);
    if (aislados != 0) {
        const int32_t abiertos = Contar(aislados & semiabiertas), todos = Contar(aislados);
        op += abiertos * PENALIZACION_AISLADO_ABIERTO_OP +
              (todos - abiertos) * PENALIZACION_AISLADO_OP;
        eg += todos * PENALIZACION_AISLADO_EG;
    }

    // 5. Backward.
    const uint64_t retrasados = propios & ~x.Defendidas & x.Con_Apoyo_Delante;
    for (uint64_t resto = retrasados; resto != 0; resto &= resto - 1) {
        const int32_t s = __builtin_ctzll(resto);
        op += PENALIZACION_PEON_RETRASADO_MALUS[s & 7];
        eg += PENALIZACION_RETRASADO_EG;
    }
    op += Contar(retrasados & semiabiertas) * PENALIZACION_RETRASADO_ABIERTO_OP;

    // 6. Candidates: blocked by the lone enemy pawn of the file, first of the file, with a
    // partner beside and no enemy pawn in front on the partner's file, on the other
    // neighbouring file or on the file beyond the partner.
    const uint64_t bloqueados =
        propios & tapadas & ~doblados & (uint64_t(solo_uno) * 0x0101010101010101ull);
    if (bloqueados & x.Con_Vecino) {
        const uint64_t no_ab = ~(COLUMNA_MAPA[0] | COLUMNA_MAPA[1]);
        const uint64_t no_gh = ~(COLUMNA_MAPA[6] | COLUMNA_MAPA[7]);
        const uint64_t a_izquierda = (tapadas << 1) & no_a, a_derecha = (tapadas >> 1) & no_h;
        const uint64_t dos_izquierda = (tapadas << 2) & no_ab, dos_derecha = (tapadas >> 2) & no_gh;
        const uint64_t con_izquierda = (propios << 1) & no_a, con_derecha = (propios >> 1) & no_h;
        const uint64_t candidatos =
            bloqueados & ((con_izquierda & ~(dos_izquierda | a_izquierda | a_derecha)) |
                          (con_derecha & ~(dos_derecha | a_derecha | a_izquierda)));
        for (uint64_t resto = candidatos; resto != 0; resto &= resto - 1) {
            const int32_t s = __builtin_ctzll(resto);
            const int32_t r = Blanco ? 7 - (s >> 3) : (s >> 3);
            op += VALORES_PASADO.Tercio[0][r];
            eg += VALORES_PASADO.Tercio[1][r];
        }
    }

    // 9. Centre.
    op += Contar(propios & CENTRO<Blanco>) * BONUS_PEON_CENTRO;

    // 7. Passed, scored by the caller.
    e.Propios = propios;
    e.Rivales = x.Rivales;
    e.Solo_Uno = static_cast<uint16_t>(solo_uno);
    e.En_Listas = static_cast<uint16_t>(en_listas);
    e.Apertura = op;
    e.Final = eg;
    e.Pasados = propios & ~vigiladas & ~doblados;
}

// Pawn by pawn from the file lists, for boards the lists do not cover.
template <bool Blanco>
static void PeonesPorListas(const Contexto_Peones &x, const Tipo_Lado &propio,
                            const Tipo_Lado &rival, int32_t &op, int32_t &eg) {
    constexpr int32_t c = Blanco ? 1 : 0;
    constexpr int32_t mitad = Blanco ? 0 : 64;  // Black half of the square tables
    for (uint32_t resto = x.Columnas_Propias; resto != 0; resto &= resto - 1) {
        const int32_t f = __builtin_ctz(resto);
        const int32_t num = propio.Peones_Columna[f];
        const bool aislado = !(x.Columnas_Propias & (((2u << f) | (1u << f >> 1)) & 0xFF));
        for (int32_t i = 0; i < num; i++) {
            const int32_t s = propio.Lista_Peones[f][i];
            if (s < 0) break;
            const int32_t r = Blanco ? 7 - (s >> 3) : (s >> 3);
            const uint64_t bit = uint64_t(1) << s;

            // 1. File status.
            const bool semiabierta = !(x.Rivales & MAPAS_PEON.Frente[c][s]);
            bool pasado = !(x.Rivales & MAPAS_PEON.Pasado[c][s]);

            // 2. Doubled: every pawn of the file but the most advanced.
            if (num >= 2 && i > 0) {
                op += PENALIZACION_DOBLADO_OP;
                eg += PENALIZACION_DOBLADO_EG;
                pasado = false;
            }

            // 3. Phalanx, or else defended.
            const bool defendido = (x.Defendidas & bit) != 0;
            if (x.Con_Vecino & bit) {
                op += PST_BONUS_FALANGE_OP[mitad + s];
                eg += PST_BONUS_FALANGE_EG[mitad + s];
            } else if (defendido) {
                op += PST_BONUS_DEFENDED_OP[mitad + s];
                eg += PST_BONUS_DEFENDED_EG[mitad + s];
            }

            // 4. Isolated.
            if (aislado) {
                op += semiabierta ? PENALIZACION_AISLADO_ABIERTO_OP : PENALIZACION_AISLADO_OP;
                eg += PENALIZACION_AISLADO_EG;
            }

            // 5. Backward: undefended, with an own pawn diagonally in front.
            if (!defendido && (x.Con_Apoyo_Delante & bit)) {
                op += PENALIZACION_PEON_RETRASADO_MALUS[f];
                if (semiabierta) op += PENALIZACION_RETRASADO_ABIERTO_OP;
                eg += PENALIZACION_RETRASADO_EG;
            }

            // 6. Candidate: a third of the passed bonus.
            if (!semiabierta && i == 0 && EsCandidato<Blanco>(s, f, rival, x.Propios, x.Rivales)) {
                op += VALORES_PASADO.Tercio[0][r];
                eg += VALORES_PASADO.Tercio[1][r];
            }

            // 7. Passed.
            if (pasado) SumarPasado<Blanco>(x, s, op, eg);

            // 8. Square tables.
            op += PST_P_OP[mitad + s];
            eg += PST_P_EG[s];

            // 9. Centre.
            if (CENTRO<Blanco> & bit) op += BONUS_PEON_CENTRO;
        }
    }
}

// The sets a structure is worked out from: squares with an own pawn beside them, diagonally in
// front of them, or defending them.
template <bool Blanco>
static void CompletarContexto(Contexto_Peones &x, const Tipo_Lado &propio) {
    const uint64_t p = x.Propios, no_a = ~COLUMNA_MAPA[0], no_h = ~COLUMNA_MAPA[7];
    x.Columnas_Propias = ColumnasConPeones(propio.Peones_Columna);
    x.Con_Vecino = ((p << 1) & no_a) | ((p >> 1) & no_h);
    x.Con_Apoyo_Delante = Blanco ? ((p << 9) & no_a) | ((p << 7) & no_h)
                                 : ((p >> 7) & no_a) | ((p >> 9) & no_h);
    x.Defendidas = MapasTablero.Ataques_Peon[Blanco ? 1 : 0];
}

template <bool Blanco>
static void EvaluarPeones(Tipo_Lado &propio, const Tipo_Lado &rival) {
    constexpr int32_t c = Blanco ? 1 : 0;
    Contexto_Peones x;
    // The enemy pawns only on files the scan has counted, as the file tests look at the count
    // before the squares.
    const uint64_t columnas_rivales = ColumnasConPeones(rival.Peones_Columna);
    x.Rivales = MapasTablero.Peones[1 - c] & (columnas_rivales * 0x0101010101010101ull);
    x.Propios = MapasTablero.Peones[c];
    const uint32_t solo_uno = ColumnasConCuenta(rival.Peones_Columna, 1);
    int32_t en_listas = 0;
    for (int32_t f = 0; f < 8; f++) en_listas += propio.Peones_Columna[f];

    // A structure is looked up, or worked out and kept, when the lists hold every pawn of the
    // board; a file with more pawns than its list takes the pawn-by-pawn walk.
    const uint64_t clave = (x.Propios * 0x9E3779B97F4A7C15ull) ^
                           (x.Rivales * 0xC2B2AE3D27D4EB4Full) ^ (uint64_t(solo_uno) << 32);
    Estructura_Peones &e = Estructuras[c][clave >> 54];
    int32_t op = 0, eg = 0;
    bool por_listas = false;
    if (e.Propios != x.Propios || e.Rivales != x.Rivales || e.Solo_Uno != solo_uno ||
        e.En_Listas != en_listas) {
        CompletarContexto<Blanco>(x, propio);
        if (en_listas == ContarTodos(x.Propios))
            CalcularEstructura<Blanco>(x, solo_uno, en_listas, e);
        else
            por_listas = true;
    }
    if (!por_listas) {
        op = e.Apertura;
        eg = e.Final;
    }
    const uint64_t pasados = por_listas ? 0 : e.Pasados;
    if (pasados != 0 || por_listas) {
        x.Rey_Rival = Blanco ? TableroGlobal.Rey_Negro : TableroGlobal.Rey_Blanco;
        x.Rival_Sin_Piezas =
            rival.Num_Caballos + rival.Num_Alfiles + rival.Num_Torres + rival.Num_Damas == 0;
        // The enemy gains a tempo in the pawn race when it is to move.
        x.Tempo = (TableroGlobal.Turno == (Blanco ? 0 : 1)) ? 1 : 0;
        for (uint64_t resto = pasados; resto != 0; resto &= resto - 1)
            SumarPasado<Blanco>(x, __builtin_ctzll(resto), op, eg);
        if (por_listas) PeonesPorListas<Blanco>(x, propio, rival, op, eg);
    }
    propio.Puntos_Apertura += op;
    propio.Puntos_Final += eg;
}

void EvaluarPeonesB() { EvaluarPeones<true>(Blancas, Negras); }

void EvaluarPeonesN() { EvaluarPeones<false>(Negras, Blancas); }
