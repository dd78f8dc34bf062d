// Quiescence search: captures and promotions from a stand-pat score, every move in check.
#include "eval/eval.h"
#include "search/internal.h"

// Knights, bishops, rooks and queens of the side not to move.
static inline int32_t PiezasRival() {
    const Tipo_Lado &r = TableroGlobal.Turno == 1 ? Negras : Blancas;
    return r.Num_Caballos + r.Num_Alfiles + r.Num_Torres + r.Num_Damas;
}

// A capture that cannot lose material by its nature needs no exchange estimate.
static inline int32_t CapturaSegura(uint32_t m) {
    const int32_t ficha = Ficha(m), captura = Captura(m);
    if (ficha == PEON_B || ficha == PEON_N) return 1;
    if (Es_Al_Paso(m)) return 1;
    const bool menor = ficha == CABALLO_B || ficha == ALFIL_B || ficha == CABALLO_N ||
                       ficha == ALFIL_N;
    if (menor && captura != PEON_B && captura != PEON_N) return 1;
    return Valor_See[captura] >= Valor_See[ficha] ? 1 : 0;
}

// 1 when the side to move attacks the to square of the move just made. Without an attacker
// the exchange is the captured piece alone, never below 0.
static inline int32_t Recapturable(uint32_t m) {
    const int32_t casilla = Hasta(m);
    return TableroGlobal.Turno == 1 ? JaqueNegras(casilla) : JaqueBlancas(casilla);
}

int32_t AlphaBeta_Qs(int32_t alpha, int32_t beta, int32_t en_jaque, int32_t ventana_nula,
                     int32_t entrada) {
    Tipo_Tablero &t = TableroGlobal;
    const int32_t ply = t.Indice_Deshacer;

    // 1. Count the node; the quiescence search adds nothing to the line.
    TipoJuego.Nodos++;
    if (ply > 0 && ventana_nula == 0) pv_line[ply][0] = 0;

    // 2. Time and stop.
    ComprobarTiempo();
    if (TipoJuego.Detener == 1) return 0;

    // 3. Fifty moves and repetitions.
    if (PosicionTablas()) return 0;

    // 4. The table only at the entry node and in check.
    uint32_t hash = 0;
    const int32_t usa_tabla = (en_jaque || entrada) ? 1 : 0;
    if (usa_tabla) {
        const int32_t prof = 0;
        int32_t puntuacion;
        if (RecuperarPosicion(alpha, beta, &prof, &puntuacion, &hash) && ventana_nula == 1) {
            return puntuacion;
        }
    }

    // 5. Too deep to make moves.
    if (ply > PLY_MAXIMO) return Evaluar();

    // 6. Stand pat and the move set.
    Lista_Jugadas lista[MAX_JUGADAS];
    int32_t num, mejor, alpha_q, estatica = 0;
    if (!en_jaque) {
        estatica = Evaluar();
        if (estatica >= beta) return estatica;
        mejor = estatica;
        alpha_q = alpha > estatica ? alpha : estatica;
        num = GenerarMovimientos(GENERAR_CAPTURAS, lista);
    } else {
        mejor = -SIN_PUNTUACION;
        alpha_q = alpha;
        num = GenerarMovimientos(GENERAR_TODO, lista);
    }
    OrdenarMovimientosTodos(num, &hash, lista, 0);

    // Captures out of check past the entry node: the ones the delta and exchange tests see.
    const auto examinada = [&](uint32_t m) {
        return !en_jaque && !entrada && (Captura(m) != NINGUNA || Es_Al_Paso(m));
    };
    // Delta pruning needs more than one piece on the other side. Deliberately the value one
    // code below the captured piece: a white pawn counts 0, a queen as a rook, en passant
    // (code 15) as 0.
    const int32_t delta = PiezasRival() > 1 ? 1 : 0;
    const auto sin_margen = [&](uint32_t m) {
        return examinada(m) && delta && alpha > estatica + Valor_See[Captura(m) - 1] + DELTA_MARGEN;
    };

    int32_t colocadas = 0;
    PrepararPrimera(lista, num, colocadas, false, sin_margen);
    uint32_t mejor_jugada = 0;
    // Below the root every node was reached by a legal move or a null move: en_jaque is
    // exact and the other king is not attacked, so the safety and check tests after a make
    // look only at the lines the move changed.
    const int32_t propio_atacado = ply > 0 ? en_jaque : LadoEnJaque();
    const int32_t rival_atacado = ply > 0 ? 0 : ReyAtacado(t.Turno != 1);
    const uint64_t clavadas = num > 0 && !propio_atacado ? Clavadas() : 0;
    auto hacer = [propio_atacado, clavadas](uint32_t m) {
        return propio_atacado ? HacerMovimiento(m) : HacerMovimientoSinJaque(m, clavadas);
    };

    // 7. Move loop.
    for (int32_t i = 0; i < num; i++) {
        if (i >= colocadas) SeleccionarJugada(lista, i, num);
        PrepararSiguiente(lista, i, num, colocadas, false, sin_margen);
        const uint32_t m = lista[i].Jugada;
        const int32_t paso = t.Ficha_Al_Paso;
        if (sin_margen(m)) continue;
        if (examinada(m)) {
            if (!hacer(m)) {
                DeshacerMovimiento();
                continue;
            }
            if (!CapturaSegura(m) && Recapturable(m) && See(m, t.Turno) < 0) {
                DeshacerMovimiento();
                continue;
            }
        } else if (!hacer(m)) {
            DeshacerMovimiento();
            continue;
        }

        const int32_t jaque = rival_atacado ? LadoEnJaque() : DaJaque(m, paso);
        if (i == 0 && jaque) PrecargarTablas();
        const int32_t v = -AlphaBeta_Qs(-beta, -alpha_q, jaque, ventana_nula, 0);
        DeshacerMovimiento();
        if (TipoJuego.Detener == 1) return 0;

        if (v > mejor) {
            mejor = v;
            if (v > alpha_q) {
                mejor_jugada = m;
                if (v >= beta) {
                    if (usa_tabla) AlmacenarPosicion(0, v, TT_BETA, m);
                    return v;
                }
                alpha_q = v;
            }
        }
    }

    // 8. In check with no legal move: mated.
    if (mejor == -SIN_PUNTUACION) return ply - MATE;

    // 9. Store at the entry node and in check.
    if (usa_tabla) {
        if (mejor_jugada != 0) AlmacenarPosicion(0, mejor, TT_EXACTO, mejor_jugada);
        else AlmacenarPosicion(0, mejor, TT_ALPHA, 0);
    }
    return mejor;
}
