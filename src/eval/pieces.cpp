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

// Knight targets in the scan's jump order (-17, -15, -10, -6, 6, 10, 15, 17): a jump that
// keeps the square colour has wrapped round the board.
struct Saltos_Caballo {
    uint8_t Destino[64][8];
    uint8_t Num[64];
};
static constexpr Saltos_Caballo CrearSaltos() {
    Saltos_Caballo c{};
    const int32_t saltos[8] = {-17, -15, -10, -6, 6, 10, 15, 17};
    for (int32_t s = 0; s < 64; s++) {
        for (int32_t salto : saltos) {
            const int32_t d = s + salto;
            if (d < 0 || d > 63 || ((d & 7) + (d >> 3)) % 2 == ((s & 7) + (s >> 3)) % 2) continue;
            c.Destino[s][c.Num[s]++] = static_cast<uint8_t>(d);
        }
    }
    return c;
}
static constexpr Saltos_Caballo SALTOS_CABALLO = CrearSaltos();

// Rays of GEOMETRIA in the scan's order: bishop -7, -9, 7, 9; queen -9, 9, -7, 7, 1, -1, 8, -8.
static constexpr int32_t RAYOS_ALFIL[4] = {2, 3, 1, 0};
static constexpr int32_t RAYOS_DAMA[8] = {3, 0, 2, 1, 7, 6, 4, 5};

// Per-colour view of the scan: own record, enemy record and the colour-dependent numbers.
struct Vista_Lado {
    Tipo_Lado *propio;
    Tipo_Lado *rival;
    int32_t blanco;        // 1 White, 0 Black
    int32_t rey_rival;     // square of the enemy king
    uint64_t zona_rey;     // the enemy king's square and its neighbours, one bit per square
    int32_t mitad;         // offset of the colour's half of the opening tables
    int32_t num_caballos;  // places used in the piece lists
    int32_t num_alfiles;
    int32_t num_torres;
    int32_t num_damas;
};

// Squares at king distance 0 or 1 from each square, one bit per square.
struct Zonas_Rey {
    uint64_t Zona[64];
};
static constexpr Zonas_Rey CrearZonas() {
    Zonas_Rey z{};
    for (int32_t rey = 0; rey < 64; rey++) {
        const int32_t f = rey & 7, r = rey >> 3;
        for (int32_t dr = -1; dr <= 1; dr++)
            for (int32_t df = -1; df <= 1; df++)
                if (f + df >= 0 && f + df < 8 && r + dr >= 0 && r + dr < 8)
                    z.Zona[rey] |= uint64_t(1) << ((r + dr) * 8 + f + df);
    }
    return z;
}
static constexpr Zonas_Rey ZONAS_REY = CrearZonas();

// King distance 0 or 1 from the enemy king; an empty square is never the king's own.
static inline int32_t EnZonaRey(const Vista_Lado &v, int32_t casilla) {
    return static_cast<int32_t>((v.zona_rey >> casilla) & 1);
}

static inline int32_t EsPropia(const Vista_Lado &v, int32_t pieza) {
    return v.blanco ? pieza < SIN_PIEZA : pieza > SIN_PIEZA;
}

static inline int32_t AtacadaPorPeonRival(const Vista_Lado &v, int32_t casilla) {
    return static_cast<int32_t>((MapasTablero.Ataques_Peon[!v.blanco] >> casilla) & 1);
}

// Rank 5 or higher for White, rank 4 or lower for Black.
static inline int32_t EnMitadRival(const Vista_Lado &v, int32_t casilla) {
    return v.blanco ? casilla < 32 : casilla >= 32;
}

EN_LINEA static void EvaluarPeon(Vista_Lado &v, int32_t s) {
    const Tipo_Tablero &t = TableroGlobal;
    Tipo_Lado &p = *v.propio;
    int32_t f = s & 7;

    // 1. File list, most advanced pawn first; a sixth pawn on a file is dropped.
    int32_t n = p.Peones_Columna[f];
    if (n < 5) {
        int32_t *col = p.Lista_Peones[f];
        if (v.blanco) {
            col[n] = s;
        } else {
            // Black pawns arrive rearmost first: the new one goes in front.
            for (int32_t i = n; i > 0; i--) col[i] = col[i - 1];
            col[0] = s;
        }
        p.Peones_Columna[f] = n + 1;
    }

    // 2. Counts by rank, wing and square colour.
    if (v.blanco ? (s >= 48 && s < 56) : (s >= 8 && s < 16)) p.Peones_Segunda++;
    if (f <= 2) p.Peones_Flanco_Dama++;
    if (f >= 5) p.Peones_Flanco_Rey++;
    if (t.Color_Casilla[s] == 1)
        p.Peones_Claras++;
    else
        p.Peones_Oscuras++;

    // 3. Capture squares: defended own men and attacked enemy men.
    int32_t capturas[2];
    if (v.blanco) {
        capturas[0] = s - 9;
        capturas[1] = s - 7;
    } else {
        capturas[0] = s + 7;
        capturas[1] = s + 9;
    }
    for (int32_t c : capturas) {
        if (c < 0 || c > 63 || t.Color_Casilla[c] != t.Color_Casilla[s]) continue;
        int32_t pieza = t.Tablero[c];
        if (pieza == SIN_PIEZA) continue;
        if (EsPropia(v, pieza)) {
            p.Defensa_Casilla[c]++;
        } else if (p.Num_Amenazas_Peon < 16) {
            p.Amenazas_Peon[p.Num_Amenazas_Peon++] = c;
        }
    }
}

// What every piece of the scan adds the same way: king-attack units, mobility (endgame half
// of the bonus table from index final), square tables and tropism.
EN_LINEA static void SumarPieza(const Vista_Lado &v, int32_t s, int32_t tipo, int32_t ataque,
                                const int32_t *bonus, int32_t movilidad, int32_t final,
                                const int32_t *pst_op, const int32_t *pst_eg) {
    Tipo_Lado &p = *v.propio;
    if (ataque > 0) {
        p.Ataque_Rey += ataque;
        p.Atacantes_Rey++;
    }
    p.Movilidad_Apertura += bonus[movilidad];
    p.Movilidad_Final += bonus[final + movilidad];
    p.Puntos_Apertura += pst_op[v.mitad + s];
    p.Puntos_Final += pst_eg[s];
    const int32_t cercania = TROPISMO_DISTANCIA[s][v.rey_rival];
    p.Tropismo_Apertura += tropismFactorMg[tipo] * cercania;
    p.Tropismo_Final += tropismFactorEg[tipo] * cercania;
}

EN_LINEA static void EvaluarCaballo(Vista_Lado &v, int32_t s) {
    const Tipo_Tablero &t = TableroGlobal;
    Tipo_Lado &p = *v.propio;
    const int32_t codigo_rey_rival = v.blanco ? REY_N : REY_B;
    int32_t movilidad = 0, ataque = 0, mitad_rival = 0;

    for (int32_t i = 0; i < SALTOS_CABALLO.Num[s]; i++) {
        const int32_t d = SALTOS_CABALLO.Destino[s][i];
        int32_t pieza = t.Tablero[d];
        if (pieza == SIN_PIEZA) {
            int32_t libre = !AtacadaPorPeonRival(v, d);
            movilidad += libre;
            if (EnZonaRey(v, d)) ataque += 6;
            if (libre && EnMitadRival(v, d)) mitad_rival = 1;
            continue;
        }
        if (EnZonaRey(v, d)) ataque += 6;
        if (EsPropia(v, pieza)) {
            p.Defensa_Casilla[d]++;
            continue;
        }
        if (pieza == codigo_rey_rival) ataque += 4;
        int32_t libre = !AtacadaPorPeonRival(v, d);
        movilidad += libre;
        if (p.Num_Objetivos_Caballo < 64) p.Objetivos_Caballo[p.Num_Objetivos_Caballo++] = d;
        if (libre && EnMitadRival(v, d)) mitad_rival = 1;
    }

    SumarPieza(v, s, CABALLO_B, ataque, BONUS_CABALLO_MOVILIDAD, movilidad, 9, PST_N_OP,
               PST_N_EG);
    if (!mitad_rival) {
        p.Puntos_Apertura -= 5;
        p.Puntos_Final -= 5;
    }
    if (v.num_caballos < 8) p.Lista_Caballos[v.num_caballos++] = s;
}

EN_LINEA static void EvaluarAlfil(Vista_Lado &v, int32_t s) {
    const Tipo_Tablero &t = TableroGlobal;
    Tipo_Lado &p = *v.propio;
    const int32_t codigo_rey_rival = v.blanco ? REY_N : REY_B;
    const int32_t peon_propio = v.blanco ? PEON_B : PEON_N;
    const int32_t alfil_propio = v.blanco ? ALFIL_B : ALFIL_N;
    int32_t movilidad = 0, ataque = 0, mitad_rival = 0;

    if (v.num_alfiles < 8) p.Lista_Alfiles[v.num_alfiles++] = s;

    for (int32_t k : RAYOS_ALFIL) {
        const uint8_t *rayo = GEOMETRIA.Rayo[s][k];
        for (int32_t i = 0, largo = GEOMETRIA.Largo_Rayo[s][k]; i < largo; i++) {
            const int32_t d = rayo[i];
            int32_t pieza = t.Tablero[d];
            if (pieza == SIN_PIEZA) {
                movilidad += !AtacadaPorPeonRival(v, d);
                if (EnZonaRey(v, d)) ataque += 6;
                if (EnMitadRival(v, d)) mitad_rival = 1;
                continue;
            }
            // The first occupied square ends the ray.
            if (EnZonaRey(v, d)) ataque += 6;
            if (EsPropia(v, pieza)) {
                p.Defensa_Casilla[d]++;
                if (pieza != peon_propio && !AtacadaPorPeonRival(v, d)) movilidad++;
            } else {
                if (pieza == codigo_rey_rival) ataque += 4;
                movilidad += !AtacadaPorPeonRival(v, d);
                if (p.Num_Objetivos_Alfil < 112) p.Objetivos_Alfil[p.Num_Objetivos_Alfil++] = d;
            }
            if (EnMitadRival(v, d)) mitad_rival = 1;
            break;
        }
    }

    SumarPieza(v, s, ALFIL_B, ataque, BONUS_ALFIL_MOVILIDAD, movilidad, 16, PST_B_OP,
               PST_B_EG);
    int32_t extra = mitad_rival ? 0 : -5;

    // Other own bishops further up the file (short of the last rank) and further right on
    // the rank (short of the h-file).
    if (v.blanco) {
        for (int32_t d = s - 8; d >= 8; d -= 8)
            if (t.Tablero[d] == alfil_propio) extra += 4;
    } else {
        for (int32_t d = s + 8; d <= 55; d += 8)
            if (t.Tablero[d] == alfil_propio) extra += 4;
    }
    for (int32_t d = s + 1; (d & 7) != 7 && (d & 7) != 0; d++)
        if (t.Tablero[d] == alfil_propio) extra += 4;

    // Bishops shut in behind enemy pawns on the rim.
    const int32_t *b = t.Tablero;
    if (v.blanco) {
        if (s == 15 && b[13] == PEON_N && b[22] == PEON_N) extra += PENALIZACION_ALFIL_ATRAPADO;
        if (s == 23 && b[21] == PEON_N && b[30] == PEON_N) extra += PENALIZACION_ALFIL_ATRAPADO2;
        if (s == 8 && b[10] == PEON_N && b[17] == PEON_N) extra += PENALIZACION_ALFIL_ATRAPADO;
        if (s == 16 && b[18] == PEON_N && b[25] == PEON_N) extra += PENALIZACION_ALFIL_ATRAPADO2;
    } else {
        if (s == 55 && b[53] == PEON_B && b[46] == PEON_B) extra += PENALIZACION_ALFIL_ATRAPADO;
        if (s == 47 && b[45] == PEON_B && b[38] == PEON_B) extra += PENALIZACION_ALFIL_ATRAPADO2;
        if (s == 48 && b[50] == PEON_B && b[41] == PEON_B) extra += PENALIZACION_ALFIL_ATRAPADO;
        if (s == 40 && b[42] == PEON_B && b[33] == PEON_B) extra += PENALIZACION_ALFIL_ATRAPADO2;
    }
    p.Puntos_Apertura += extra;
    p.Puntos_Final += extra;
}

// Tries the queen's captures in the order found, with the queen's side to move; 1 when one
// of them is legal and holds in the exchange.
static int32_t CapturaConJaque(const Vista_Lado &v, int32_t s, const int32_t *objetivos,
                               int32_t num) {
    Tipo_Tablero &t = TableroGlobal;
    const int32_t turno = t.Turno;
    const int32_t dama = t.Tablero[s];
    int32_t exito = 0;
    for (int32_t i = 0; i < num && !exito; i++) {
        t.Turno = v.blanco;
        uint32_t jugada = CrearJugada(s, objetivos[i], dama, t.Tablero[objetivos[i]], NINGUNA);
        if (HacerMovimiento(jugada) && See(jugada, t.Turno) >= 0) exito = 1;
        // Taken back whatever the make reported.
        DeshacerMovimiento();
    }
    t.Turno = turno;
    return exito;
}

EN_LINEA static void EvaluarDama(Vista_Lado &v, int32_t s) {
    const Tipo_Tablero &t = TableroGlobal;
    Tipo_Lado &p = *v.propio;
    const int32_t rey_rival = v.rey_rival;
    const int32_t codigo_rey_rival = v.blanco ? REY_N : REY_B;
    const int32_t peon_propio = v.blanco ? PEON_B : PEON_N;
    int32_t movilidad = 0, ataque = 0, jaque = 0;
    int32_t objetivos[8], num_objetivos = 0;

    for (int32_t k : RAYOS_DAMA) {
        const uint8_t *rayo = GEOMETRIA.Rayo[s][k];
        for (int32_t i = 0, largo = GEOMETRIA.Largo_Rayo[s][k]; i < largo; i++) {
            const int32_t d = rayo[i];
            int32_t pieza = t.Tablero[d];
            if (pieza == SIN_PIEZA) {
                movilidad++;
                if (EnZonaRey(v, d)) ataque += 15;
                continue;
            }
            if (EnZonaRey(v, d)) ataque += 15;
            if (EsPropia(v, pieza)) {
                p.Defensa_Casilla[d]++;
                if (pieza != peon_propio) movilidad++;
            } else {
                movilidad++;
                if (p.Num_Objetivos_Dama < 224) p.Objetivos_Dama[p.Num_Objetivos_Dama++] = d;
                if (pieza == codigo_rey_rival) {
                    ataque += 12;
                    jaque = 1;
                } else {
                    objetivos[num_objetivos++] = d;
                }
            }
            break;
        }
    }

    // A check that also wins a piece safely is worth 36 more units.
    if (jaque && num_objetivos > 0 && CabeJugadaDePrueba() &&
        CapturaConJaque(v, s, objetivos, num_objetivos))
        ataque += 36;

    SumarPieza(v, s, DAMA_B, ataque, BONUS_DAMA_MOVILIDAD, movilidad, 32, PST_Q_OP,
               PST_Q_EG);

    // Seventh rank. Deliberately reads the enemy's second-rank count as the scan has built
    // it so far: only enemy pawns on squares before this one are counted yet.
    int32_t septima = v.blanco ? (s >= 8 && s < 16) : (s >= 48 && s < 56);
    int32_t rey_en_primera = v.blanco ? rey_rival < 8 : rey_rival >= 56;
    if (septima && (rey_en_primera || v.rival->Peones_Segunda > 0)) {
        p.Puntos_Apertura += 4;
        p.Puntos_Final += 8;
    }
    if (v.num_damas < 8) p.Lista_Damas[v.num_damas++] = s;
}

void EvaluarPiezasTableroJuego() {
    const Tipo_Tablero &t = TableroGlobal;
    CalcularMapas();
    Vista_Lado blancas = {&Blancas, &Negras, 1, t.Rey_Negro, ZONAS_REY.Zona[t.Rey_Negro & 63], 0, 0, 0, 0, 0};
    Vista_Lado negras = {&Negras, &Blancas, 0, t.Rey_Blanco, ZONAS_REY.Zona[t.Rey_Blanco & 63], 64, 0, 0, 0, 0};

    // Occupied squares in scan order (a8 first); empty squares add nothing.
    for (uint64_t resto = MapasTablero.Ocupadas; resto != 0; resto &= resto - 1) {
        const int32_t s = __builtin_ctzll(resto);
        int32_t pieza = t.Tablero[s];
        // An impossible code ends the scan here.
        if (pieza < 1 || pieza > 13) return;
        switch (pieza) {
            case PEON_B: EvaluarPeon(blancas, s); break;
            case CABALLO_B: EvaluarCaballo(blancas, s); break;
            case ALFIL_B: EvaluarAlfil(blancas, s); break;
            case TORRE_B:
                if (blancas.num_torres < 8) Blancas.Lista_Torres[blancas.num_torres++] = s;
                break;
            case DAMA_B: EvaluarDama(blancas, s); break;
            case PEON_N: EvaluarPeon(negras, s); break;
            case CABALLO_N: EvaluarCaballo(negras, s); break;
            case ALFIL_N: EvaluarAlfil(negras, s); break;
            case TORRE_N:
                if (negras.num_torres < 8) Negras.Lista_Torres[negras.num_torres++] = s;
                break;
            case DAMA_N: EvaluarDama(negras, s); break;
            default: break;  // empty squares and kings
        }
    }
}
