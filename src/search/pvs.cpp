// Principal variation search: the full-width node procedure with its pruning, reductions,
// extensions, line bookkeeping and the root progress line.
#include <cstdio>

#include "eval/eval.h"
#include "platform/platform.h"
#include "search/internal.h"
#include "tablebase/tablebase.h"

// Null move made in place: saves the undo record at the current ply and flips the side.
static void HacerNulo(int32_t ply) {
    Tipo_Tablero &t = TableroGlobal;
    GuardarDeshacer(t.Pila_Deshacer[ply], 0);
    t.Clave ^= zobrist_Turno[0];
    if (t.Ficha_Al_Paso != 0) {
        t.Clave ^= zobrist_Tablero[0][t.Ficha_Al_Paso];
        t.Ficha_Al_Paso = 0;
    }
    t.Regla_50++;
    t.Turno = 1 - t.Turno;
    if (t.Indice_Deshacer < MAX_DESHACER - 1) t.Indice_Deshacer++;
    if (t.Num_Historial < MAX_HISTORIAL) t.Historial_Claves[t.Num_Historial++] = t.Clave;
}

static void DeshacerNulo(int32_t ply, int32_t num_historial) {
    Tipo_Tablero &t = TableroGlobal;
    t.Indice_Deshacer = ply;
    t.Turno = 1 - t.Turno;
    t.Num_Historial = num_historial;
    RestaurarDeshacer(t.Pila_Deshacer[ply]);
}

// Copies a zero-terminated line of at most 64 words, the terminator included.
static inline void CopiarLinea(uint32_t *destino, const uint32_t *origen) {
    for (int k = 0; k < 64; k++) {
        destino[k] = origen[k];
        if (origen[k] == 0) break;
    }
}

// The line at ply becomes the move followed by the line found below it.
static void ActualizarPv(int32_t ply, uint32_t jugada, int32_t indice) {
    uint32_t *linea = pv_line[ply];
    linea[0] = jugada;
    if (ply < 63) {
        const uint32_t *abajo = pv_line[ply + 1];
        int k = 0;
        while (k < 62 && abajo[k] != 0) {
            linea[k + 1] = abajo[k];
            k++;
        }
        linea[k + 1] = 0;
        pv_line[ply + 1][0] = 0;
    } else {
        linea[1] = 0;
    }
    if (ply == 0) {
        Mejor_Movimiento_Pos = indice;
        if (pv_line[0][0] != 0) CopiarLinea(pv_line_Root[indice], pv_line[0]);
    }
}

// The root's "info currmove" line.
static void ImprimirJugadaActual(uint32_t m, int32_t numero) {
    char texto[6];
    MovimientoCoordenadas(Desde(m), Hasta(m), Corona(m), texto);
    const uint32_t usado = ObtenerTicks() - TipoJuego.Tiempo_Inicio;
    TipoJuego.Tiempo_Usado = usado;
    const uint32_t nps =
        usado != 0 ? static_cast<uint32_t>(TipoJuego.Nodos / (usado * 0.001)) : 0;
    printf("info currmove %s currmovenumber %d nodes %u nps %u hashfull %d\n", texto, numero,
           TipoJuego.Nodos, nps, HashFull());
}

int32_t AlphaBeta_Pv(int32_t profundidad, int32_t alpha, int32_t beta, int32_t en_jaque,
                     int32_t nulo_prohibido, int32_t jugada_previa) {
    Tipo_Tablero &t = TableroGlobal;
    const int32_t ply = t.Indice_Deshacer;
    const int32_t ventana_nula = (beta - 1 == alpha) ? 1 : 0;
    const int32_t alpha_inicial = alpha;
    int32_t puntuacion;

    // 1. Count the node; a PV node starts its line empty.
    TipoJuego.Nodos++;
    if (!ventana_nula && ply > 0) pv_line[ply][0] = 0;

    // 2. Below the root: time, draws and mate distance.
    if (ply > 0) {
        ComprobarTiempo();
        if (TipoJuego.Detener == 1) return 0;
        if (PosicionTablas()) return 0;
        if (alpha < ply - MATE) alpha = ply - MATE;
        if (beta > MATE - ply) beta = MATE - ply;
        if (alpha >= beta) return alpha;
    }

    // 3. Transposition table.
    uint32_t hash = 0;
    if (RecuperarPosicion(alpha, beta, &profundidad, &puntuacion, &hash) && ventana_nula) {
        return puntuacion;
    }

    // 4. Tablebases near the leaves.
    // The hard probe only at ply 1 of the first iteration.
    if (tbprobe_Gaviota.Cargada == 1 && ply > 0 && profundidad <= PROF_TABLAS &&
        SondearTablas(ply == 1 && TipoJuego.Profundidad == 1, &puntuacion)) {
        return puntuacion;
    }

    // 5. Leaves go to the quiescence search.
    if (profundidad <= 0 || ply > PLY_MAXIMO) {
        return AlphaBeta_Qs(alpha, beta, en_jaque, ventana_nula, 1);
    }

    // 6. Static evaluation, only where the pruning below may use it.
    const int32_t poda = (ventana_nula && !en_jaque && ply > 0) ? 1 : 0;
    const int32_t acotada = (alpha >= -(UMBRAL_MATE - 1) && beta <= UMBRAL_MATE - 1) ? 1 : 0;
    const int32_t eval = poda ? Evaluar() : -SIN_PUNTUACION;

    if (poda && acotada) {
        // 7. Static null move.
        if (profundidad <= PROF_NULO_ESTATICO && eval - STAT_NULL_MARGIN[profundidad] > beta) {
            return eval - STAT_NULL_MARGIN[profundidad];
        }

        // 8. Null move, when the side to move has a piece besides pawns.
        const Tipo_Lado &propio = t.Turno == 1 ? Blancas : Negras;
        if (profundidad > 1 && !nulo_prohibido && eval >= beta &&
            propio.Num_Caballos + propio.Num_Alfiles + propio.Num_Torres + propio.Num_Damas > 0) {
            // Divided by 256 as a product with its exact reciprocal, rounded down.
            const int32_t r =
                static_cast<int32_t>((NULO_R_PASO * profundidad + NULO_R_BASE) * 0.00390625);
            const int32_t reducida = profundidad - r;
            if (!NuloInutil(reducida, alpha, beta)) {
                const int32_t num_historial = t.Num_Historial;
                HacerNulo(ply);
                PrecargarTablas();
                const int32_t v = reducida > 0
                                      ? -AlphaBeta_Pv(reducida, -beta, -beta + 1, 0, 1, -1)
                                      : -AlphaBeta_Qs(-beta, -beta + 1, 0, ventana_nula, 1);
                DeshacerNulo(ply, num_historial);
                if (TipoJuego.Detener == 1) return 0;
                if (v >= beta) return EsMate(v) ? beta : v;
            }
        }
    }

    // 9. Razoring, without a hash move and without a pawn about to promote.
    if (poda && acotada && !nulo_prohibido && hash == 0 && profundidad <= PROF_RAZOR) {
        bool septima = false;
        const int32_t peon = t.Turno == 1 ? PEON_B : PEON_N;
        const int32_t inicio = t.Turno == 1 ? A7 : A2;
        for (int32_t s = inicio; s < inicio + 8; s++) {
            if (t.Tablero[s] == peon) septima = true;
        }
        if (!septima && eval < beta - RAZOR_MARGIN[profundidad]) {
            const int32_t q = AlphaBeta_Qs(alpha, beta, 0, ventana_nula, 1);
            if (TipoJuego.Detener == 1) return 0;
            if (q < beta - RAZOR_MARGIN[profundidad]) return q;
        }
    }

    // 10. Hash move at the root.
    if (ply == 0) {
        if (TipoJuego.Profundidad <= ITERACION_PV_RAIZ) hash = pv_line[0][0];
        if (hash == 0) hash = JugadaTabla();
    }

    // 11. Internal iterative deepening.
    if (!ventana_nula && ply > 0 && hash == 0 && !en_jaque && profundidad >= PROF_IID) {
        AlphaBeta_Pv(profundidad - IID_REDUCCION, alpha, beta, 0, 1, -1);
        if (TipoJuego.Detener == 1) return 0;
        hash = JugadaTabla();
    }

    // 12. Generate and score.
    Lista_Jugadas lista[MAX_JUGADAS];
    const int32_t num = GenerarMovimientos(GENERAR_TODO, lista);
    uint32_t refutacion = 0;
    if (jugada_previa > 0) {
        const uint32_t previa = static_cast<uint32_t>(jugada_previa);
        refutacion = Historico_Rechazado[Desde(previa) * 64 + Hasta(previa)];
    }
    OrdenarMovimientosTodos(num, &hash, lista, refutacion);

    // 13. Move loop.
    const uint32_t k0 = Historico_Killer[ply][0], k1 = Historico_Killer[ply][1];
    const uint32_t m0 = Historico_Killer_Mate[ply][0], m1 = Historico_Killer_Mate[ply][1];
    const int32_t prof_lmr = profundidad < 63 ? profundidad : 63;  // the rows of lmr
    const int32_t base_futilidad = eval + FUTILIDAD_BASE;
    int32_t mejor = -SIN_PUNTUACION, legales = 0, quietos = 0;
    uint32_t mejor_jugada = 0;
    int32_t colocadas = 0;
    PrepararPrimera(lista, num, colocadas);
    // Kings attacked before any move: when neither is, the safety and check tests after a
    // make look only at the lines the move changed.
    const int32_t propio_atacado = num > 0 ? LadoEnJaque() : 0;
    const int32_t rival_atacado = num > 0 ? ReyAtacado(t.Turno != 1) : 0;
    const uint64_t clavadas = num > 0 && !propio_atacado ? Clavadas() : 0;

    for (int32_t i = 0; i < num; i++) {
        if (i >= colocadas) SeleccionarJugada(lista, i, num);
        PrepararSiguiente(lista, i, num, colocadas);
        const uint32_t m = lista[i].Jugada;
        const int32_t paso = t.Ficha_Al_Paso;
        if (!(propio_atacado ? HacerMovimiento(m) : HacerMovimientoSinJaque(m, clavadas))) {
            DeshacerMovimiento();
            continue;
        }

        const bool captura = Captura(m) != NINGUNA || Es_Al_Paso(m);
        const bool quieta = !captura && Corona(m) == NINGUNA;
        const bool especial = m == hash || m == k0 || m == k1 || m == m0 || m == m1;
        if (quieta && !especial) quietos++;
        if (legales < MAX_JUGADAS) legales++;
        const int32_t da_jaque = rival_atacado ? LadoEnJaque() : DaJaque(m, paso);

        // Extensions: checks, and at PV nodes a pawn reaching its seventh rank.
        int32_t nueva = profundidad - 1;
        if (ply > 0) {
            if (da_jaque && (!ventana_nula || profundidad < PROF_JAQUE_NULA)) nueva = profundidad;
            if (!ventana_nula && ((Ficha(m) == PEON_B && Hasta(m) >= A7 && Hasta(m) <= H7) ||
                                  (Ficha(m) == PEON_N && Hasta(m) >= A2 && Hasta(m) <= H2))) {
                nueva++;
            }
        }

        if (ply == 0 && TipoJuego.Mostrar_Pv == MOSTRAR_TODO) ImprimirJugadaActual(m, legales);

        // Futility and move-count pruning of quiet moves with a bad history.
        const bool historia_mala = quieta && Historico_Bueno[Ficha(m)][Hasta(m)] < 0;
        if (ventana_nula && !en_jaque && !da_jaque && historia_mala && !especial && acotada) {
            if ((profundidad <= PROF_FUTILIDAD && legales != 1 &&
                 base_futilidad + FUTILIDAD_POR_PLY * profundidad < beta) ||
                (quietos > QUIETAS_POR_PLY * profundidad && profundidad <= PROF_CUENTA_QUIETAS)) {
                DeshacerMovimiento();
                continue;
            }
        }

        // Late-move reduction.
        int32_t reduccion = 0;
        if (profundidad >= PROF_LMR && !en_jaque && !da_jaque && legales > LEGALES_SIN_REDUCCION &&
            historia_mala && !especial && !Es_Enroque(m)) {
            const int32_t r = lmr[prof_lmr][legales < MAX_JUGADAS ? legales : MAX_JUGADAS - 1];
            if (r > 0) {
                reduccion = nueva - r > LMR_RESTO_EXTRA ? r + 1 : r;
                nueva -= reduccion;
            }
        }

        // Captures that lose material by exchange go one ply shallower.
        if (profundidad >= PROF_SEE && ventana_nula && legales > LEGALES_SIN_REDUCCION &&
            !en_jaque && !da_jaque && acotada && captura && See(m, t.Turno) < 0) {
            reduccion = 1;
            nueva -= 1;
        }

        // Principal variation search with its re-searches.
        const int32_t previa = static_cast<int32_t>(m);
        int32_t v;
        if (mejor == -SIN_PUNTUACION) {
            v = -AlphaBeta_Pv(nueva, -beta, -alpha, da_jaque, 0, previa);
            if (TipoJuego.Detener != 1 && reduccion > 0 && v > alpha) {
                v = -AlphaBeta_Pv(nueva + reduccion, -beta, -alpha, da_jaque, 0, previa);
            }
        } else {
            v = -AlphaBeta_Pv(nueva, -alpha - 1, -alpha, da_jaque, 0, previa);
            if (TipoJuego.Detener != 1 && v > alpha && v < beta) {
                v = -AlphaBeta_Pv(nueva, -beta, -alpha, da_jaque, 0, previa);
            }
            if (TipoJuego.Detener != 1 && v > alpha && reduccion > 0) {
                v = -AlphaBeta_Pv(nueva + reduccion, -alpha - 1, -alpha, da_jaque, 0, previa);
                if (TipoJuego.Detener != 1 && v > alpha && v < beta) {
                    v = -AlphaBeta_Pv(nueva + reduccion, -beta, -alpha, da_jaque, 0, previa);
                }
            }
        }

        DeshacerMovimiento();
        if (TipoJuego.Detener == 1) return 0;

        if (v > mejor) {
            mejor = v;
            if (v > alpha) {
                mejor_jugada = m;
                if (v >= beta) {
                    // Cut-off: history, killers and refutation for quiet moves.
                    if (!en_jaque && quieta) {
                        ActualizarHistoricos(m, profundidad, v, jugada_previa, lista, legales);
                    }
                    if (!ventana_nula || ply == 0) ActualizarPv(ply, m, i);
                    break;
                }
                alpha = v;
                if (!ventana_nula || ply == 0) ActualizarPv(ply, m, i);
            }
        }
    }

    // 14. The root keeps the line of its best move.
    if (ply == 0 && TipoJuego.Detener != 1 && Mejor_Movimiento_Pos != -1 &&
        pv_line_Root[Mejor_Movimiento_Pos][0] != 0) {
        CopiarLinea(pv_line[0], pv_line_Root[Mejor_Movimiento_Pos]);
    }

    // 15. Mate or stalemate.
    if (mejor == -SIN_PUNTUACION && legales == 0) return en_jaque ? ply - MATE : 0;

    // 16. Store.
    const int32_t tipo = (mejor > alpha_inicial && mejor < beta) ? TT_EXACTO
                         : mejor >= beta                          ? TT_BETA
                                                                  : TT_ALPHA;
    AlmacenarPosicion(profundidad, mejor, tipo, mejor_jugada);
    return mejor;
}
