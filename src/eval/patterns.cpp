// Fixed positional patterns: development, pawn islands, knight outposts and traps, and the
// bishop's pawn colour and fianchetto.
#include "eval/eval.h"

#include <array>

// Rare paths kept out of the knight loop.
#define APARTE __attribute__((noinline))

static inline int32_t Hay(int32_t casilla, int32_t pieza) {
    return TableroGlobal.Tablero[casilla] == pieza;
}

static inline int32_t Ocupada(int32_t casilla) {
    return TableroGlobal.Tablero[casilla] != SIN_PIEZA;
}

static int32_t AlgunaEn(int32_t pieza, const int32_t (&casillas)[5]) {
    for (int32_t c : casillas)
        if (Hay(c, pieza)) return 1;
    return 0;
}

// Opening development, opening accumulator only.
void PatronesApertura() {
    int32_t b = 0, n = 0;

    // Centre pawns blocked on their home squares, worse with the bishop still behind them.
    if (Hay(E2, PEON_B) && Ocupada(E3)) b -= Hay(F1, ALFIL_B) ? 70 : 20;
    if (Hay(D2, PEON_B) && Ocupada(D3)) b -= Hay(C1, ALFIL_B) ? 70 : 20;
    if (Hay(E7, PEON_N) && Ocupada(E6)) n -= Hay(F8, ALFIL_N) ? 70 : 20;
    if (Hay(D7, PEON_N) && Ocupada(D6)) n -= Hay(C8, ALFIL_N) ? 70 : 20;

    // With a centre pawn on the fourth rank: a knight in front of the c- or f-pawn while the
    // other centre square stays empty, and a bishop developed outside the own pawn chain.
    static const int32_t FUERA_D4[5] = {H2, G3, F4, G5, H4};
    static const int32_t FUERA_E4[5] = {A2, B3, C4, B5, A4};
    static const int32_t FUERA_D5[5] = {H7, G6, F5, G4, H5};
    static const int32_t FUERA_E5[5] = {A7, B6, C5, B4, A5};
    if (Hay(D4, PEON_B)) {
        if (Hay(C2, PEON_B) && Hay(C3, CABALLO_B) && !Ocupada(E4)) b -= 20;
        if (AlgunaEn(ALFIL_B, FUERA_D4)) b += 10;
    }
    if (Hay(E4, PEON_B)) {
        if (Hay(F2, PEON_B) && Hay(F3, CABALLO_B) && !Ocupada(D4)) b -= 20;
        if (AlgunaEn(ALFIL_B, FUERA_E4)) b += 10;
    }
    if (Hay(D5, PEON_N)) {
        if (Hay(C7, PEON_N) && Hay(C6, CABALLO_N) && !Ocupada(E5)) n -= 20;
        if (AlgunaEn(ALFIL_N, FUERA_D5)) n += 10;
    }
    if (Hay(E5, PEON_N)) {
        if (Hay(F7, PEON_N) && Hay(F6, CABALLO_N) && !Ocupada(D5)) n -= 20;
        if (AlgunaEn(ALFIL_N, FUERA_E5)) n += 10;
    }

    Blancas.Puntos_Apertura += b;
    Negras.Puntos_Apertura += n;
}

// Islands by the set of files holding pawns (bit f = file f): files holding pawns whose
// left-hand file holds none.
static constexpr std::array<int8_t, 256> ISLAS_COLUMNAS = [] {
    std::array<int8_t, 256> t{};
    for (int32_t m = 0; m < 256; m++)
        for (int32_t f = 0; f < 8; f++)
            if ((m >> f & 1) && (f == 0 || !(m >> (f - 1) & 1))) t[m]++;
    return t;
}();

// Files holding pawns of a set, one bit per file.
static inline uint32_t ColumnasConPeones(uint64_t peones) {
    peones |= peones >> 32;
    peones |= peones >> 16;
    peones |= peones >> 8;
    return static_cast<uint32_t>(peones & 0xFF);
}

void IslasPeones() {
    const Mapas_Tablero &m = MapasTablero;
    int32_t dif = 3 * (ISLAS_COLUMNAS[ColumnasConPeones(m.Peones[0])] -
                       ISLAS_COLUMNAS[ColumnasConPeones(m.Peones[1])]);
    Blancas.Puntos_Apertura += dif;
    Blancas.Puntos_Final += dif;
    Negras.Puntos_Apertura -= dif;
    Negras.Puntos_Final -= dif;
}

// Outpost multipliers by defending pawns, ordinary square then hole, in halves: 0, 1, 1.5
// and 1.5, 2.5, 3. The exact product truncated toward zero is value x halves / 2.
static constexpr int32_t MEDIOS_PUESTO[2][3] = {{0, 2, 3}, {3, 5, 6}};

// 1 when an enemy pawn stands anywhere on file f from the square desde onward, stepping by
// paso (toward the enemy's home rank).
static int32_t PeonEnColumna(int32_t desde, int32_t paso, int32_t peon) {
    for (int32_t d = desde; d >= 0 && d <= 63; d += paso)
        if (TableroGlobal.Tablero[d] == peon) return 1;
    return 0;
}

// The outpost value of a knight not attacked by an enemy pawn, from its nonzero table value.
// adelante is -8 for White and +8 for Black; the sides of the knight keep their files under
// the colour mirror.
APARTE static int32_t ValorPuesto(int32_t s, int32_t blanco, int32_t valor) {
    const Tipo_Tablero &t = TableroGlobal;
    const int32_t adelante = blanco ? -8 : 8;
    const int32_t peon_rival = blanco ? PEON_N : PEON_B;
    const int32_t f = s & 7;
    const int32_t frente = s + adelante;

    int32_t hueco = 0;
    if (frente >= 0 && frente <= 63 && t.Tablero[frente] == peon_rival) {
        int32_t izquierda = f > 0 && t.Tablero[s - 1] == peon_rival;
        int32_t derecha = f < 7 && t.Tablero[s + 1] == peon_rival;
        // Nothing of the enemy on the side file from the rank in front up to its home rank.
        int32_t izquierda_libre = f == 0 || !PeonEnColumna(frente - 1, adelante, peon_rival);
        int32_t derecha_libre = f == 7 || !PeonEnColumna(frente + 1, adelante, peon_rival);
        hueco = (izquierda && derecha) || (derecha && izquierda_libre) ||
                (izquierda && derecha_libre);
    }

    // Own pawns diagonally behind the knight, steps off the board edge dropped.
    const uint64_t b = 1ull << s;
    const uint64_t atras = blanco ? ((b << 7) & ~COLUMNA_MAPA[7]) | ((b << 9) & ~COLUMNA_MAPA[0])
                                  : ((b >> 9) & ~COLUMNA_MAPA[7]) | ((b >> 7) & ~COLUMNA_MAPA[0]);
    const uint64_t guardias = atras & MapasTablero.Peones[blanco ? 1 : 0];
    const int32_t defensores = (guardias != 0) + ((guardias & (guardias - 1)) != 0);
    return valor * MEDIOS_PUESTO[hueco][defensores] / 2;
}

// Knight in a corner cage. Pawn-guard tests read the enemy's Defensa_Casilla as the pawn
// and knight threats of this side have left it.
APARTE static int32_t CaballoAtrapadoB(int32_t s) {
    const int32_t *defensa = Negras.Defensa_Casilla;
    int32_t v = 0;
    if (s == A8) {
        if (Hay(A7, PEON_N)) v += PENALIZACION_CABALLO_ATRAPADO2;
        if (Hay(C7, PEON_N) && defensa[C7] >= 1) v += PENALIZACION_CABALLO_ATRAPADO1;
    } else if (s == H8) {
        if (Hay(H7, PEON_N)) v += PENALIZACION_CABALLO_ATRAPADO2;
        if (Hay(F7, PEON_N) && defensa[F7] >= 1) v += PENALIZACION_CABALLO_ATRAPADO1;
    } else if (s == H7) {
        if (Hay(G7, PEON_N)) {
            if (Hay(H6, PEON_N)) v += PENALIZACION_CABALLO_ATRAPADO1;
            if (Hay(F6, PEON_N)) v += PENALIZACION_CABALLO_ATRAPADO1;
        }
    } else if (s == A7) {
        if (Hay(B7, PEON_N)) {
            if (Hay(A6, PEON_N)) v += PENALIZACION_CABALLO_ATRAPADO1;
            if (Hay(C6, PEON_N)) v += PENALIZACION_CABALLO_ATRAPADO1;
        }
    }
    return v;
}

APARTE static int32_t CaballoAtrapadoN(int32_t s) {
    const int32_t *defensa = Blancas.Defensa_Casilla;
    int32_t v = 0;
    if (s == A1) {
        if (Hay(A2, PEON_B)) v += PENALIZACION_CABALLO_ATRAPADO2;
        if (Hay(C2, PEON_B) && defensa[C2] >= 1) v += PENALIZACION_CABALLO_ATRAPADO1;
    } else if (s == H1) {
        if (Hay(H2, PEON_B)) v += PENALIZACION_CABALLO_ATRAPADO2;
        if (Hay(F2, PEON_B) && defensa[F2] >= 1) v += PENALIZACION_CABALLO_ATRAPADO1;
    } else if (s == H2) {
        if (Hay(G2, PEON_B)) {
            if (Hay(H3, PEON_B)) v += PENALIZACION_CABALLO_ATRAPADO1;
            if (Hay(F3, PEON_B)) v += PENALIZACION_CABALLO_ATRAPADO1;
        }
    } else if (s == A2) {
        if (Hay(B2, PEON_B)) {
            if (Hay(A3, PEON_B)) v += PENALIZACION_CABALLO_ATRAPADO1;
            if (Hay(C3, PEON_B)) v += PENALIZACION_CABALLO_ATRAPADO1;
        }
    }
    return v;
}

// The corner squares where a knight can be caged: a8 h8 a7 h7, and a1 h1 a2 h2.
static constexpr uint64_t JAULAS_B = 1ull << A8 | 1ull << H8 | 1ull << A7 | 1ull << H7;
static constexpr uint64_t JAULAS_N = 1ull << A1 | 1ull << H1 | 1ull << A2 | 1ull << H2;

void PatronesCaballoB() {
    Tipo_Lado &p = Blancas;
    for (int32_t i = 0; i < 8 && p.Lista_Caballos[i] != -1; i++) {
        const int32_t s = p.Lista_Caballos[i];
        int32_t v = 0;
        // Knight on its own half behind a pawn of its own.
        if (s >= 32 && Hay(s - 8, PEON_B)) v += 5;
        // Outposts lie in the enemy half: most squares are worth nothing at any multiplier.
        const int32_t puesto = PST_OUTPOST[s];
        if (puesto != 0 && !(MapasTablero.Ataques_Peon[0] >> s & 1)) v += ValorPuesto(s, 1, puesto);
        if ((JAULAS_B >> s) & 1) v += CaballoAtrapadoB(s);
        p.Puntos_Apertura += v;
        p.Puntos_Final += v;
    }
}

void PatronesCaballoN() {
    Tipo_Lado &p = Negras;
    for (int32_t i = 0; i < 8 && p.Lista_Caballos[i] != -1; i++) {
        const int32_t s = p.Lista_Caballos[i];
        int32_t v = 0;
        if (s < 32 && Hay(s + 8, PEON_N)) v += 5;
        const int32_t puesto = PST_OUTPOST[64 + s];
        if (puesto != 0 && !(MapasTablero.Ataques_Peon[1] >> s & 1)) v += ValorPuesto(s, 0, puesto);
        if ((JAULAS_N >> s) & 1) v += CaballoAtrapadoN(s);
        p.Puntos_Apertura += v;
        p.Puntos_Final += v;
    }
}

// Own pawns on the bishop's colour hurt, enemy pawns there help a little.
static int32_t ColorPeones(const Tipo_Lado &p, const Tipo_Lado &r, int32_t claro) {
    const int32_t propios = claro ? p.Peones_Claras : p.Peones_Oscuras;
    const int32_t rivales = claro ? r.Peones_Claras : r.Peones_Oscuras;
    return -3 * (propios - 4) + (4 - rivales);
}

// Both bishop terms for each bishop of the side. The fianchetto squares are tested once per
// bishop, wherever it stands, so their score is counted once and added per bishop.
static void SumarAlfiles(Tipo_Lado &p, const Tipo_Lado &r, int32_t v, int32_t ap, int32_t fin) {
    const int32_t *color = TableroGlobal.Color_Casilla;
    const int32_t claras = ColorPeones(p, r, 1), oscuras = ColorPeones(p, r, 0);
    int32_t total = 0, num = 0;
    for (; num < 8 && p.Lista_Alfiles[num] != -1; num++)
        total += color[p.Lista_Alfiles[num]] == 1 ? claras : oscuras;
    p.Puntos_Apertura += total + num * (v + ap);
    p.Puntos_Final += total + num * (v + fin);
}

void PatronesAlfilB() {
    if (Blancas.Lista_Alfiles[0] == -1) return;
    int32_t v = 0, ap = 0, fin = 0;
    if (Hay(B2, ALFIL_B)) {
        if (Hay(C3, PEON_B)) ap -= 10, fin -= 20;
        if (Hay(B3, PEON_B) && (Hay(A2, PEON_B) || Hay(C2, PEON_B))) v += 4;
        if (Hay(D4, PEON_N) && (Hay(E5, PEON_N) || Hay(C5, PEON_N))) v -= 20;
    }
    if (Hay(G2, ALFIL_B)) {
        if (Hay(F3, PEON_B)) ap -= 10, fin -= 20;
        if (Hay(G3, PEON_B) && (Hay(H2, PEON_B) || Hay(F2, PEON_B))) v += 4;
        if (Hay(E4, PEON_N) && (Hay(D5, PEON_N) || Hay(F5, PEON_N))) v -= 20;
    }
    SumarAlfiles(Blancas, Negras, v, ap, fin);
}

void PatronesAlfilN() {
    if (Negras.Lista_Alfiles[0] == -1) return;
    int32_t v = 0, ap = 0, fin = 0;
    if (Hay(B7, ALFIL_N)) {
        if (Hay(C6, PEON_N)) ap -= 10, fin -= 20;
        if (Hay(B6, PEON_N) && (Hay(A7, PEON_N) || Hay(C7, PEON_N))) v += 4;
        if (Hay(D5, PEON_B) && (Hay(E4, PEON_B) || Hay(C4, PEON_B))) v -= 20;
    }
    if (Hay(G7, ALFIL_N)) {
        if (Hay(F6, PEON_N)) ap -= 10, fin -= 20;
        if (Hay(G6, PEON_N) && (Hay(H7, PEON_N) || Hay(F7, PEON_N))) v += 4;
        if (Hay(E5, PEON_B) && (Hay(D4, PEON_B) || Hay(F4, PEON_B))) v -= 20;
    }
    SumarAlfiles(Negras, Blancas, v, ap, fin);
}
