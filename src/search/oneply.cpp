// The answer of a search that accepted no iteration: a depth limit of 1 runs none, and a
// "stop" can end the first one. A GUI cannot play "0000", so the engine still names a legal
// move: the table's move for this position when a deeper search left one, else the move whose
// position the static evaluation likes best, a mate first and a stalemate as a draw. Nothing
// the next search reads changes: the table, the history and the node counter are not written,
// and the evaluation cache slots the look fills are put back.
#include "eval/eval.h"
#include "search/internal.h"

// 1 when the side to move has a legal move.
static int32_t HayRespuesta() {
    Lista_Jugadas lista[MAX_JUGADAS];
    const int32_t num = GenerarMovimientos(GENERAR_TODO, lista);
    for (int32_t i = 0; i < num; i++) {
        const int32_t legal = HacerMovimiento(lista[i].Jugada);
        DeshacerMovimiento();
        if (legal) return 1;
    }
    return 0;
}

// Score of the position after a move, for the side that made it.
static int32_t ValorTrasJugada() {
    if (!HayRespuesta()) return LadoEnJaque() ? MATE : 0;
    Cache_Entrada *e = nullptr;
    Cache_Entrada guardada = {0, 0};
    if (TT_Cache != nullptr && TT_Opciones.Megas_Cache != 0) {
        e = &TT_Cache[IndiceCache(TableroGlobal.Clave)];
        guardada = *e;
    }
    const int32_t v = -Evaluar();
    if (e != nullptr) *e = guardada;
    return v;
}

uint32_t JugadaDeUnPly() {
    Tipo_Tablero &t = TableroGlobal;
    // A game past the key history's capacity loses a key at each unmake: keep the count.
    const int32_t num_historial = t.Num_Historial;
    const uint32_t tabla = JugadaTabla();
    Lista_Jugadas lista[MAX_JUGADAS];
    const int32_t num = GenerarMovimientos(GENERAR_TODO, lista);
    uint32_t mejor = 0;
    int32_t mejor_valor = -SIN_PUNTUACION;
    for (int32_t i = 0; i < num; i++) {
        const uint32_t m = lista[i].Jugada;
        int32_t v = -SIN_PUNTUACION;
        if (HacerMovimiento(m)) v = m == tabla ? SIN_PUNTUACION : ValorTrasJugada();
        DeshacerMovimiento();
        // Ties keep the first move generated.
        if (v > mejor_valor) {
            mejor_valor = v;
            mejor = m;
        }
    }
    t.Num_Historial = num_historial;
    return mejor;
}
