// Rooks: square tables, mobility, tropism, king attack, files, seventh rank, trapped rooks.
#include "eval/eval.h"

// The rook's rays in the order right, left, up, down, as indices of DIRECCIONES_RAYO. Right and
// down run towards higher squares, left and up towards lower ones.
static constexpr int32_t RAYOS_TORRE[4] = {7, 6, 5, 4};
static_assert(DIRECCIONES_RAYO[7] == 1 && DIRECCIONES_RAYO[6] == -1 && DIRECCIONES_RAYO[5] == -8 &&
              DIRECCIONES_RAYO[4] == 8);

// Squares in a set: one instruction in the copies built for processors with popcnt.
__attribute__((always_inline)) static inline int32_t Contar(uint64_t m) {
    return __builtin_popcountll(m);
}

template <bool Blanco>
__attribute__((always_inline)) static inline void EvaluarTorres(Tipo_Lado &propio,
                                                                  const Tipo_Lado &rival) {
    if (propio.Num_Torres == 0) return;
    const int32_t *tablero = TableroGlobal.Tablero;
    constexpr int32_t torre = Blanco ? TORRE_B : TORRE_N;
    constexpr int32_t peon_rival = Blanco ? PEON_N : PEON_B;
    constexpr int32_t alfil_rival = Blanco ? ALFIL_N : ALFIL_B;
    constexpr int32_t dama_rival = Blanco ? DAMA_N : DAMA_B;
    constexpr int32_t rey_rival_pieza = Blanco ? REY_N : REY_B;
    constexpr int32_t mitad = Blanco ? 0 : 64;
    const int32_t rey_rival = Blanco ? TableroGlobal.Rey_Negro : TableroGlobal.Rey_Blanco;
    // The king's own square too: a checking rook reaches it.
    const uint64_t zona = GEOMETRIA.Mapa_Rey[rey_rival] | uint64_t(1) << rey_rival;
    const uint64_t ocupadas = MapasTablero.Ocupadas;
    const uint64_t peones_rivales = MapasTablero.Peones[Blanco ? 0 : 1];
    const uint64_t no_peones_propios = ~MapasTablero.Peones[Blanco ? 1 : 0];
    // Seventh rank counts when the enemy king is on its first rank or its pawns are at home.
    const bool septima_util = (rey_rival >> 3) == (Blanco ? 0 : 7) || rival.Peones_Segunda > 0;
    int32_t op = 0, eg = 0, en_septima = 0;
    // Sums kept in registers and added to the side's record once, after the last rook.
    int32_t mov_op = 0, mov_eg = 0, tropismo = 0, ataque = 0, atacantes = 0;
    const int32_t num = propio.Num_Torres < 8 ? propio.Num_Torres : 8;

    for (int32_t i = 0; i < num; i++) {
        const int32_t s = propio.Lista_Torres[i];
        if (s < 0) break;
        const int32_t f = s & 7;
        int32_t unidades = 0, num_capturas = 0;
        int32_t capturas[4];
        bool jaque = false;
        int32_t peon_frente[2] = {-1, -1};  // enemy pawn seen up and down the file
        const bool buscar_peon = !propio.Peones_Columna[f] && rival.Peones_Columna[f] > 0;

        // 1. Rays: the first occupied square of each, then what stands there.
        uint64_t alcanzadas = 0;
        // Unrolled, so that each ray's direction tests are constants.
#pragma GCC unroll 4
        for (int32_t d = 0; d < 4; d++) {
            const uint64_t rayo = GEOMETRIA.Mapa_Rayo[s][RAYOS_TORRE[d]];
            const uint64_t piezas = rayo & ocupadas;
            if (piezas == 0) {
                alcanzadas |= rayo;
                continue;
            }
            const bool hacia_arriba = d == 0 || d == 3;  // towards higher squares
            const int32_t t = hacia_arriba ? __builtin_ctzll(piezas) : 63 - __builtin_clzll(piezas);
            alcanzadas |= rayo & ~GEOMETRIA.Mapa_Rayo[t][RAYOS_TORRE[d]];
            const int32_t p = tablero[t];
            if (Blanco ? p > SIN_PIEZA : p < SIN_PIEZA) {
                if (propio.Num_Objetivos_Torre < 112)
                    propio.Objetivos_Torre[propio.Num_Objetivos_Torre++] = t;
                if (p == rey_rival_pieza) {
                    unidades += 9;
                    jaque = true;
                } else {
                    capturas[num_capturas++] = t;
                    if (p == dama_rival && d >= 2) {
                        op += 5;
                        eg += 5;
                    }
                }
            } else {
                propio.Defensa_Casilla[t]++;
            }
            // Half-open file: the first enemy pawn along the file, through any pieces.
            if (d >= 2 && buscar_peon) {
                const uint64_t vistos = rayo & peones_rivales;
                if (vistos != 0)
                    peon_frente[d - 2] =
                        hacia_arriba ? __builtin_ctzll(vistos) : 63 - __builtin_clzll(vistos);
            }
        }
        // Every square reached, empty or not, that touches the enemy king.
        unidades += 9 * Contar(zona & alcanzadas);
        // Mobility: the squares reached but those of own pawns.
        const int32_t movilidad = Contar(alcanzadas & no_peones_propios);

        // 2. Square tables and mobility.
        op += PST_R_OP[mitad + s];
        eg += PST_R_EG[s];
        mov_op += BONUS_TORRE_MOVILIDAD[movilidad];
        mov_eg += BONUS_TORRE_MOVILIDAD[16 + movilidad];

        // 3. A checking rook that can take a piece safely is a stronger attack.
        if (jaque && num_capturas > 0 && propio.Num_Damas > 0 &&
            CabeJugadaDePrueba()) {
            const int32_t turno = TableroGlobal.Turno;
            TableroGlobal.Turno = Blanco ? 1 : 0;
            for (int32_t k = 0; k < num_capturas; k++) {
                const int32_t t = capturas[k];
                const uint32_t jugada = CrearJugada(s, t, torre, tablero[t], NINGUNA);
                const bool buena = HacerMovimiento(jugada) && See(jugada, TableroGlobal.Turno) >= 0;
                DeshacerMovimiento();
                if (buena) {
                    unidades += 24;
                    break;
                }
            }
            TableroGlobal.Turno = turno;
        }
        if (unidades > 0) {
            ataque += unidades;
            atacantes++;
        }

        // 4. Tropism.
        tropismo += TROPISMO_DISTANCIA[s][rey_rival];

        // 5. Seventh rank.
        if ((s >> 3) == (Blanco ? 1 : 6) && septima_util) {
            op += 16;
            eg += 32;
            en_septima++;
        }

        // 6. Open and half-open files; a half-open file is worth less against a defended pawn.
        if (!propio.Peones_Columna[f]) {
            if (!rival.Peones_Columna[f]) {
                op += 14;
                eg += 14;
            } else {
                for (int32_t k = 0; k < 2; k++) {
                    const int32_t peon_visto = peon_frente[k];
                    if (peon_visto < 0) continue;
                    const bool defendido = Blanco ? AmenazadoPorPeonN(peon_visto)
                                                  : AmenazadoPorPeonB(peon_visto);
                    const int32_t valor = defendido ? 5 : 7;
                    op += valor;
                    eg += valor;
                }
            }
        }

        // 7. Trapped on the second rank behind an enemy pawn chain.
        const int32_t h2 = Blanco ? 55 : 15, a2 = Blanco ? 48 : 8;
        const int32_t h3 = Blanco ? 47 : 23, a3 = Blanco ? 40 : 16;
        const int32_t g2 = Blanco ? 54 : 14, b2 = Blanco ? 49 : 9;
        int32_t cierre = SIN_PIEZA;
        if (s == h2 && tablero[h3] == peon_rival) cierre = tablero[g2];
        if (s == a2 && tablero[a3] == peon_rival) cierre = tablero[b2];
        const int32_t atrapada = cierre == alfil_rival ? -100 : cierre == peon_rival ? -180 : 0;
        op += atrapada;
        eg += atrapada;
    }
    if (en_septima >= 2) {
        op += 8;
        eg += 16;
    }
    propio.Puntos_Apertura += op;
    propio.Puntos_Final += eg;
    propio.Movilidad_Apertura += mov_op;
    propio.Movilidad_Final += mov_eg;
    propio.Tropismo_Apertura += 2 * tropismo;
    propio.Tropismo_Final += tropismo;
    propio.Ataque_Rey += ataque;
    propio.Atacantes_Rey += atacantes;
}

// Two copies of each, chosen once at load time: with and without the popcnt instruction (gcc
// only: clang 14 does not export the dispatched name).
#if defined(__x86_64__) && !defined(__POPCNT__) && !defined(__clang__)
__attribute__((target_clones("popcnt", "default")))
#endif
void EvaluarTorreB() { EvaluarTorres<true>(Blancas, Negras); }

#if defined(__x86_64__) && !defined(__POPCNT__) && !defined(__clang__)
__attribute__((target_clones("popcnt", "default")))
#endif
void EvaluarTorreN() { EvaluarTorres<false>(Negras, Blancas); }
