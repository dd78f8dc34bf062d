// The board scan: pawn bookkeeping, knights, bishops and queens of both colours.
#include "eval/eval.h"

// The pawn geometry follows the square-colour edge rule of the scan.
int32_t AmenazadoPorPeonN(int32_t casilla) {
    const int32_t *T = TableroGlobal.Tablero;
    const Geometria_Tablero &g = GEOMETRIA;
    for (int32_t i = 0; i < g.Num_Peon_N[casilla]; i++)
        if (T[g.Peon_N[casilla][i]] == PEON_N) return 1;
    return 0;
}

int32_t AmenazadoPorPeonB(int32_t casilla) {
    const int32_t *T = TableroGlobal.Tablero;
    const Geometria_Tablero &g = GEOMETRIA;
    for (int32_t i = 0; i < g.Num_Peon_B[casilla]; i++)
        if (T[g.Peon_B[casilla][i]] == PEON_B) return 1;
    return 0;
}

// The scan's per-piece terms are inlined into it, so each colour's copy sees its own constant
// view and loses the colour tests.
#define EN_LINEA __attribute__((always_inline)) inline

// Bits set in x: one instruction in the copy of the scan built for processors with popcnt.
EN_LINEA static int32_t Contar(uint64_t x) { return __builtin_popcountll(x); }

// Unsigned and 64 bits wide, so an index needs no sign extension.
static inline uint64_t Primera(uint64_t x) { return static_cast<uint64_t>(__builtin_ctzll(x)); }
static inline uint64_t Ultima(uint64_t x) { return 63 ^ static_cast<uint64_t>(__builtin_clzll(x)); }

// The scan's square sets, taken from the board's geometry at compile time and laid out ray by
// ray, as the scan reads them (that layout measured 0.6% fewer instructions than GEOMETRIA's
// square-by-square one).
struct Mapas_Escaneo {
    uint64_t Caballo[64];     // GEOMETRIA's knight jumps
    uint64_t Rayo[8][64];     // [ray of DIRECCIONES_RAYO][s]: GEOMETRIA's rays, ray by ray
    uint64_t Columna[2][64];  // [colour][s]: the file toward the enemy, short of its last rank
    uint64_t Fila[64];        // same rank to the right, short of the h-file
    uint64_t Zona[64];        // king distance 0 or 1
};

static constexpr Mapas_Escaneo CrearMapasEscaneo() {
    Mapas_Escaneo m{};
    constexpr uint64_t OCTAVA = 0xffull, PRIMERA = 0xffull << 56;
    for (int32_t s = 0; s < 64; s++) {
        const uint64_t *rayo = GEOMETRIA.Mapa_Rayo[s];  // in the order of DIRECCIONES_RAYO
        for (int32_t d = 0; d < 8; d++) m.Rayo[d][s] = rayo[d];
        m.Caballo[s] = GEOMETRIA.Mapa_Caballo[s];
        m.Columna[1][s] = rayo[5] & ~OCTAVA;
        m.Columna[0][s] = rayo[4] & ~PRIMERA;
        m.Fila[s] = rayo[7] & ~COLUMNA_MAPA[7];
        m.Zona[s] = GEOMETRIA.Mapa_Rey[s] | uint64_t(1) << s;
    }
    return m;
}
static constexpr Mapas_Escaneo MAPAS_ESCANEO = CrearMapasEscaneo();

// Rank 5 or higher for White, rank 4 or lower for Black; index 1 White, 0 Black.
static constexpr uint64_t MITAD_RIVAL[2] = {0xffffffff00000000ull, 0x00000000ffffffffull};
// Second rank of each colour (White: squares 48..55, Black: 8..15).
static constexpr uint64_t SEGUNDA[2] = {0x000000000000ff00ull, 0x00ff000000000000ull};
static constexpr uint64_t FLANCO_DAMA = COLUMNA_MAPA[0] | COLUMNA_MAPA[1] | COLUMNA_MAPA[2];
static constexpr uint64_t FLANCO_REY = COLUMNA_MAPA[5] | COLUMNA_MAPA[6] | COLUMNA_MAPA[7];

// Squares of ray D (an index of DIRECCIONES_RAYO) from s up to and including the first occupied
// one. With no occupied square the search stops at square 63 or 0, whose ray in that
// direction is empty.
template <int32_t D>
EN_LINEA static uint64_t Rayo(uint64_t s, uint64_t ocupadas) {
    const uint64_t rayo = MAPAS_ESCANEO.Rayo[D][s];
    const uint64_t bloqueo = rayo & ocupadas;
    const uint64_t tope =
        DIRECCIONES_RAYO[D] < 0 ? Ultima(bloqueo | 1) : Primera(bloqueo | (1ull << 63));
    return rayo ^ MAPAS_ESCANEO.Rayo[D][tope];
}
static_assert([] {
    for (int32_t d = 0; d < 8; d++)
        if (GEOMETRIA.Mapa_Rayo[DIRECCIONES_RAYO[d] < 0 ? 0 : 63][d] != 0) return false;
    return true;
}());

// Per-colour view of the scan: own record and the square sets the terms test against.
struct Vista_Lado {
    Tipo_Lado *propio;
    int32_t rey_rival;     // square of the enemy king
    int32_t mitad;         // offset of the colour's half of the opening tables
    const int16_t *cercania;  // TROPISMO_DISTANCIA's column of the enemy king, rows 64 apart
    uint64_t zona_rey;     // the enemy king's square and its neighbours
    uint64_t propias;      // squares holding own pieces
    uint64_t rivales;      // squares holding enemy pieces
    uint64_t libres;       // squares no enemy pawn attacks
    uint64_t rey_codigo;   // squares holding the enemy king's code
    uint64_t alcance_rey;  // either of the two above
    uint64_t peones;       // own pawns
};

template <int32_t C>
static inline Vista_Lado CrearVista(Tipo_Lado &propio, int32_t rey_rival) {
    const Mapas_Tablero &m = MapasTablero;
    Vista_Lado v;
    v.propio = &propio;
    v.rey_rival = rey_rival;
    v.mitad = C ? 0 : 64;
    v.cercania = &TROPISMO_DISTANCIA[0][0] + rey_rival;
    v.zona_rey = MAPAS_ESCANEO.Zona[rey_rival & 63];
    v.propias = m.Propias[C];
    v.rivales = m.Ocupadas & ~m.Propias[C];
    v.libres = ~m.Ataques_Peon[!C];
    v.rey_codigo = m.Piezas[C ? REY_N : REY_B];
    v.alcance_rey = v.zona_rey | v.rey_codigo;
    v.peones = m.Peones[C];
    return v;
}

// King-attack units: per square in the enemy king's zone, and per enemy king hit.
EN_LINEA static int32_t Unidades(const Vista_Lado &v, uint64_t ataques, int32_t zona,
                                 int32_t rey) {
    if (!(ataques & v.alcance_rey)) return 0;
    return zona * Contar(ataques & v.zona_rey) + rey * Contar(ataques & v.rey_codigo);
}

// Defended own men get one more in Defensa_Casilla.
EN_LINEA static void Defender(Tipo_Lado &p, uint64_t defendidas) {
    for (; defendidas != 0; defendidas &= defendidas - 1) p.Defensa_Casilla[Primera(defendidas)]++;
}

template <int32_t C>
EN_LINEA static void EvaluarPeones(const Vista_Lado &v, uint64_t peones) {
    Tipo_Lado &p = *v.propio;

    // 1. File lists in scan order, most advanced pawn first; a sixth pawn on a file is dropped.
    for (uint64_t resto = peones; resto != 0; resto &= resto - 1) {
        const int32_t s = Primera(resto), f = s & 7;
        const int32_t n = p.Peones_Columna[f];
        if (n >= 5) continue;
        int32_t *col = p.Lista_Peones[f];
        if (C) {
            col[n] = s;
        } else {
            // Black pawns arrive rearmost first: the new one goes in front.
            for (int32_t i = n; i > 0; i--) col[i] = col[i - 1];
            col[0] = s;
        }
        p.Peones_Columna[f] = n + 1;
    }

    // 2. Counts by rank, wing and square colour.
    const int32_t claras = Contar(peones & MAPA_CLARAS);
    p.Peones_Segunda += Contar(peones & SEGUNDA[C]);
    p.Peones_Flanco_Dama += Contar(peones & FLANCO_DAMA);
    p.Peones_Flanco_Rey += Contar(peones & FLANCO_REY);
    p.Peones_Claras += claras;
    p.Peones_Oscuras += Contar(peones) - claras;

    // 3. Capture squares toward the a-file and toward the h-file; a wrapped step is dropped.
    const uint64_t izquierda = (C ? peones >> 9 : peones << 7) & ~COLUMNA_MAPA[7];
    const uint64_t derecha = (C ? peones >> 7 : peones << 9) & ~COLUMNA_MAPA[0];
    Defender(p, izquierda & v.propias);
    Defender(p, derecha & v.propias);
    const uint64_t ai = izquierda & v.rivales, ad = derecha & v.rivales;
    if (!(ai | ad)) return;
    // Attacked men by pawn in scan order, the a-file side first.
    const uint64_t atacantes = C ? (ai << 9) | (ad << 7) : (ai >> 7) | (ad >> 9);
    for (uint64_t resto = atacantes; resto != 0 && p.Num_Amenazas_Peon < 16; resto &= resto - 1) {
        const int32_t s = Primera(resto);
        const int32_t ci = C ? s - 9 : s + 7, cd = C ? s - 7 : s + 9;
        if ((ai >> (ci & 63)) & 1) p.Amenazas_Peon[p.Num_Amenazas_Peon++] = ci;
        if (((ad >> (cd & 63)) & 1) && p.Num_Amenazas_Peon < 16)
            p.Amenazas_Peon[p.Num_Amenazas_Peon++] = cd;
    }
}

// Sums a run of the scan's pieces adds to the side record, kept out of memory until the run
// ends (the Defensa_Casilla stores would otherwise force them back each time). Tropism adds
// the enemy king's closeness per kind; the factors multiply in once.
struct Suma_Piezas {
    int32_t ataque = 0, atacantes = 0;
    int32_t movilidad_apertura = 0, movilidad_final = 0;
    int32_t apertura = 0, final = 0;
    int32_t cercania[7] = {};
};

// Tropism only from the kinds the run can hold: knights and bishops, or a queen.
template <bool DAMA>
EN_LINEA static void Volcar(Tipo_Lado &p, const Suma_Piezas &a) {
    p.Ataque_Rey += a.ataque;
    p.Atacantes_Rey += a.atacantes;
    p.Movilidad_Apertura += a.movilidad_apertura;
    p.Movilidad_Final += a.movilidad_final;
    p.Puntos_Apertura += a.apertura;
    p.Puntos_Final += a.final;
    int32_t tropismo_apertura = 0, tropismo_final = 0;
    constexpr int32_t TIPOS[3] = {CABALLO_B, ALFIL_B, DAMA_B};
    for (int32_t k = DAMA ? 2 : 0; k < (DAMA ? 3 : 2); k++) {
        const int32_t tipo = TIPOS[k];
        tropismo_apertura += tropismFactorMg[tipo] * a.cercania[tipo];
        tropismo_final += tropismFactorEg[tipo] * a.cercania[tipo];
    }
    p.Tropismo_Apertura += tropismo_apertura;
    p.Tropismo_Final += tropismo_final;
}

// What every piece of the scan adds the same way: king-attack units, mobility (endgame half
// of the bonus table from index final), square tables and tropism.
EN_LINEA static void SumarPieza(const Vista_Lado &v, Suma_Piezas &a, uint64_t s, int32_t tipo,
                                int32_t ataque, const int32_t *bonus, int32_t movilidad,
                                int32_t final, const int32_t *pst_op, const int32_t *pst_eg) {
    if (ataque > 0) {
        a.ataque += ataque;
        a.atacantes++;
    }
    a.movilidad_apertura += bonus[movilidad];
    a.movilidad_final += bonus[final + movilidad];
    a.apertura += pst_op[v.mitad + s];
    a.final += pst_eg[s];
    a.cercania[tipo] += v.cercania[64 * s];
}

template <int32_t C>
EN_LINEA static void EvaluarCaballo(const Vista_Lado &v, Suma_Piezas &a, uint64_t s,
                                    int32_t &num) {
    Tipo_Lado &p = *v.propio;
    const uint64_t saltos = MAPAS_ESCANEO.Caballo[s];
    // Empty or enemy targets no enemy pawn covers: mobility and the enemy-half test.
    const uint64_t libres = saltos & ~v.propias & v.libres;

    Defender(p, saltos & v.propias);
    for (uint64_t resto = saltos & v.rivales; resto != 0; resto &= resto - 1)
        if (p.Num_Objetivos_Caballo < 64)
            p.Objetivos_Caballo[p.Num_Objetivos_Caballo++] = Primera(resto);

    SumarPieza(v, a, s, CABALLO_B, Unidades(v, saltos, 6, 4), BONUS_CABALLO_MOVILIDAD,
               Contar(libres), 9, PST_N_OP, PST_N_EG);
    if (!(libres & MITAD_RIVAL[C])) {
        a.apertura -= 5;
        a.final -= 5;
    }
    if (num < 8) p.Lista_Caballos[num++] = s;
}

template <int32_t C>
EN_LINEA static void EvaluarAlfil(const Vista_Lado &v, Suma_Piezas &a, uint64_t s,
                                  int32_t &num) {
    const Tipo_Tablero &t = TableroGlobal;
    Tipo_Lado &p = *v.propio;
    const uint64_t ocupadas = MapasTablero.Ocupadas;

    if (num < 8) p.Lista_Alfiles[num++] = s;

    // Rays -7, -9, +7, +9, each up to its first occupied square.
    const uint64_t rayos[4] = {Rayo<2>(s, ocupadas), Rayo<3>(s, ocupadas), Rayo<1>(s, ocupadas),
                               Rayo<0>(s, ocupadas)};
    const uint64_t ataques = rayos[0] | rayos[1] | rayos[2] | rayos[3];
    Defender(p, ataques & v.propias);
    if (ataques & v.rivales) {
        // At most one enemy man per ray: the one that ends it.
        for (uint64_t rayo : rayos)
            if ((rayo & v.rivales) && p.Num_Objetivos_Alfil < 112)
                p.Objetivos_Alfil[p.Num_Objetivos_Alfil++] = Primera(rayo & v.rivales);
    }

    // Own pawns never count; anything else counts when no enemy pawn covers it.
    SumarPieza(v, a, s, ALFIL_B, Unidades(v, ataques, 6, 4), BONUS_ALFIL_MOVILIDAD,
               Contar(ataques & v.libres & ~v.peones), 16, PST_B_OP, PST_B_EG);
    int32_t extra = (ataques & MITAD_RIVAL[C]) ? 0 : -5;

    // Other own bishops further up the file (short of the last rank) and further right on
    // the rank (short of the h-file).
    const uint64_t alfiles = MapasTablero.Piezas[C ? ALFIL_B : ALFIL_N];
    extra += 4 * Contar(alfiles & (MAPAS_ESCANEO.Columna[C][s] | MAPAS_ESCANEO.Fila[s]));

    // Bishops shut in behind enemy pawns on the rim: h7, h6, a7, a6 (Black: h2, h3, a2, a3).
    constexpr uint64_t RINCONES = C ? (1ull << H7) | (1ull << H6) | (1ull << A7) | (1ull << A6)
                                    : (1ull << H2) | (1ull << H3) | (1ull << A2) | (1ull << A3);
    if ((RINCONES >> s) & 1) {
        const int32_t *b = t.Tablero;
        constexpr int32_t a7 = PENALIZACION_ALFIL_ATRAPADO, a6 = PENALIZACION_ALFIL_ATRAPADO2;
        if (C) {
            if (s == H7 && b[F7] == PEON_N && b[G6] == PEON_N) extra += a7;
            if (s == H6 && b[F6] == PEON_N && b[G5] == PEON_N) extra += a6;
            if (s == A7 && b[C7] == PEON_N && b[B6] == PEON_N) extra += a7;
            if (s == A6 && b[C6] == PEON_N && b[B5] == PEON_N) extra += a6;
        } else {
            if (s == H2 && b[F2] == PEON_B && b[G3] == PEON_B) extra += a7;
            if (s == H3 && b[F3] == PEON_B && b[G4] == PEON_B) extra += a6;
            if (s == A2 && b[C2] == PEON_B && b[B3] == PEON_B) extra += a7;
            if (s == A3 && b[C3] == PEON_B && b[B4] == PEON_B) extra += a6;
        }
    }
    a.apertura += extra;
    a.final += extra;
}

// Tries the queen's captures in the order found, with the queen's side to move; 1 when one
// of them is legal and holds in the exchange.
static int32_t CapturaConJaque(int32_t blanco, int32_t s, const int32_t *objetivos, int32_t num) {
    Tipo_Tablero &t = TableroGlobal;
    const int32_t turno = t.Turno;
    const int32_t dama = t.Tablero[s];
    int32_t exito = 0;
    for (int32_t i = 0; i < num && !exito; i++) {
        t.Turno = blanco;
        uint32_t jugada = CrearJugada(s, objetivos[i], dama, t.Tablero[objetivos[i]], NINGUNA);
        if (HacerMovimiento(jugada) && See(jugada, t.Turno) >= 0) exito = 1;
        // Taken back whatever the make reported.
        DeshacerMovimiento();
    }
    t.Turno = turno;
    return exito;
}

template <int32_t C>
EN_LINEA static void EvaluarDama(const Vista_Lado &v, uint64_t s, int32_t &num) {
    Tipo_Lado &p = *v.propio;
    const uint64_t ocupadas = MapasTablero.Ocupadas;

    // Rays -9, +9, -7, +7, +1, -1, +8, -8, each up to its first occupied square.
    const uint64_t rayos[8] = {Rayo<3>(s, ocupadas), Rayo<0>(s, ocupadas), Rayo<2>(s, ocupadas),
                               Rayo<1>(s, ocupadas), Rayo<7>(s, ocupadas), Rayo<6>(s, ocupadas),
                               Rayo<4>(s, ocupadas), Rayo<5>(s, ocupadas)};
    uint64_t ataques = 0;
    for (uint64_t rayo : rayos) ataques |= rayo;
    Defender(p, ataques & v.propias);

    // Enemy men in ray order; those other than the king are the capture targets.
    int32_t objetivos[8], num_objetivos = 0;
    if (ataques & v.rivales) {
        for (uint64_t rayo : rayos) {
            if (!(rayo & v.rivales)) continue;
            const int32_t d = Primera(rayo & v.rivales);
            if (p.Num_Objetivos_Dama < 224) p.Objetivos_Dama[p.Num_Objetivos_Dama++] = d;
            if (!((v.rey_codigo >> d) & 1)) objetivos[num_objetivos++] = d;
        }
    }

    // A check that also wins a piece safely is worth 36 more units.
    int32_t ataque = Unidades(v, ataques, 15, 12);
    if ((ataques & v.rey_codigo) && num_objetivos > 0 && CabeJugadaDePrueba() &&
        CapturaConJaque(C, s, objetivos, num_objetivos))
        ataque += 36;

    // Every square counts for mobility except own pawns.
    Suma_Piezas a;
    SumarPieza(v, a, s, DAMA_B, ataque, BONUS_DAMA_MOVILIDAD, Contar(ataques & ~v.peones), 32,
               PST_Q_OP, PST_Q_EG);
    Volcar<true>(p, a);

    // Seventh rank. Deliberately counts only the enemy pawns on their second rank that come
    // before this square in the scan.
    const int32_t septima = C ? (s >= 8 && s < 16) : (s >= 48 && s < 56);
    const int32_t rey_en_primera = C ? v.rey_rival < 8 : v.rey_rival >= 56;
    const uint64_t antes = (uint64_t(1) << s) - 1;
    if (septima && (rey_en_primera || (MapasTablero.Peones[!C] & SEGUNDA[!C] & antes))) {
        p.Puntos_Apertura += 4;
        p.Puntos_Final += 8;
    }
    if (num < 8) p.Lista_Damas[num++] = s;
}

// One colour's pawns, knights, bishops and rooks, each kind in scan order.
template <int32_t C>
EN_LINEA static void EscanearLado(const Vista_Lado &v) {
    const Mapas_Tablero &m = MapasTablero;
    Tipo_Lado &p = *v.propio;
    EvaluarPeones<C>(v, m.Peones[C]);
    Suma_Piezas a;
    int32_t num = 0;
    for (uint64_t resto = m.Piezas[C ? CABALLO_B : CABALLO_N]; resto; resto &= resto - 1)
        EvaluarCaballo<C>(v, a, Primera(resto), num);
    num = 0;
    for (uint64_t resto = m.Piezas[C ? ALFIL_B : ALFIL_N]; resto; resto &= resto - 1)
        EvaluarAlfil<C>(v, a, Primera(resto), num);
    Volcar<false>(p, a);
    num = 0;
    for (uint64_t resto = m.Piezas[C ? TORRE_B : TORRE_N]; resto && num < 8;
         resto &= resto - 1)
        p.Lista_Torres[num++] = Primera(resto);
}

// A board holding an impossible code, square by square up to it. A queen's trial capture of
// such a code puts back a different one, so the piece sets are taken again after every queen;
// the terms after the scan still see the sets of the board as it came in.
static void EscanearHastaCodigoInvalido() {
    const Tipo_Tablero &t = TableroGlobal;
    const Mapas_Tablero entrada = MapasTablero;
    Vista_Lado blancas = CrearVista<1>(Blancas, t.Rey_Negro);
    Vista_Lado negras = CrearVista<0>(Negras, t.Rey_Blanco);
    int32_t num[2][4] = {};
    for (int32_t s = 0; s < 64; s++) {
        const int32_t pieza = t.Tablero[s];
        if (pieza == SIN_PIEZA) continue;
        if (pieza < 1 || pieza > 13) break;
        const uint64_t casilla = uint64_t(1) << s;
        Suma_Piezas a;
        switch (pieza) {
            case PEON_B: EvaluarPeones<1>(blancas, casilla); break;
            case CABALLO_B: EvaluarCaballo<1>(blancas, a, s, num[1][0]); break;
            case ALFIL_B: EvaluarAlfil<1>(blancas, a, s, num[1][1]); break;
            case TORRE_B:
                if (num[1][2] < 8) Blancas.Lista_Torres[num[1][2]++] = s;
                break;
            case PEON_N: EvaluarPeones<0>(negras, casilla); break;
            case CABALLO_N: EvaluarCaballo<0>(negras, a, s, num[0][0]); break;
            case ALFIL_N: EvaluarAlfil<0>(negras, a, s, num[0][1]); break;
            case TORRE_N:
                if (num[0][2] < 8) Negras.Lista_Torres[num[0][2]++] = s;
                break;
            case DAMA_B:
            case DAMA_N:
                if (pieza == DAMA_B)
                    EvaluarDama<1>(blancas, s, num[1][3]);
                else
                    EvaluarDama<0>(negras, s, num[0][3]);
                CalcularMapas();
                // The enemy-pawn tests keep the sets of the board as it came in.
                MapasTablero.Ataques_Peon[0] = entrada.Ataques_Peon[0];
                MapasTablero.Ataques_Peon[1] = entrada.Ataques_Peon[1];
                blancas = CrearVista<1>(Blancas, t.Rey_Negro);
                negras = CrearVista<0>(Negras, t.Rey_Blanco);
                break;
            default: break;  // kings
        }
        Volcar<false>(pieza < SIN_PIEZA ? Blancas : Negras, a);
    }
    MapasTablero = entrada;
}

// Two copies, chosen once at load time: with and without the popcnt instruction (gcc only:
// clang 14 does not export the dispatched name).
#if defined(__x86_64__) && !defined(__POPCNT__) && !defined(__clang__)
__attribute__((target_clones("popcnt", "default")))
#endif
void EvaluarPiezasTableroJuego() {
    const Tipo_Tablero &t = TableroGlobal;
    CalcularMapas();
    const Mapas_Tablero &m = MapasTablero;
    if (m.Antes_Invalida != ~0ull) {
        EscanearHastaCodigoInvalido();
        return;
    }
    const Vista_Lado blancas = CrearVista<1>(Blancas, t.Rey_Negro);
    const Vista_Lado negras = CrearVista<0>(Negras, t.Rey_Blanco);
    EscanearLado<1>(blancas);
    EscanearLado<0>(negras);

    // Queens last and in scan order across both colours: their trial captures make and
    // unmake moves, which leaves the same traces as a square-by-square scan.
    const uint64_t damas_b = m.Piezas[DAMA_B], damas_n = m.Piezas[DAMA_N];
    int32_t num_b = 0, num_n = 0;
    for (uint64_t resto = damas_b | damas_n; resto != 0; resto &= resto - 1) {
        const int32_t s = Primera(resto);
        if ((damas_b >> s) & 1)
            EvaluarDama<1>(blancas, s, num_b);
        else
            EvaluarDama<0>(negras, s, num_n);
    }
}
