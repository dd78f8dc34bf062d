// Start-up pieces and a fresh search state for the search suites.
#pragma once

#include <cstring>

#include "support/position.h"
#include "eval/eval.h"
#include "search/search.h"
#include "tablebase/tablebase.h"

// Fills the start-up tables once per process and resets the search state; then loads fen.
inline int32_t PrepararBusqueda(const char *fen) {
    static bool iniciado = false;
    if (!iniciado) {
        IniciarMotor(12345, 16);
        iniciado = true;
    }
    LimpiarTransposicion();
    LimpiarHistoricos();
    std::memset(&TipoJuego, 0, sizeof(TipoJuego));
    TipoJuego.Profundidad = 1;
    TipoJuego.Profundidad_Maxima = 32;
    tbprobe_Gaviota.Cargada = 0;
    tbprobe_Gaviota.Aciertos = 0;
    Mejor_Movimiento_Pos = -1;
    Salir = 0;
    return CargarPosicionPrueba(fen);
}

// One search call from a fresh node count.
inline int32_t Buscar(int32_t prof, int32_t alpha = -SIN_PUNTUACION,
                      int32_t beta = SIN_PUNTUACION) {
    TipoJuego.Nodos = 0;
    return AlphaBeta_Pv(prof, alpha, beta, JaqueRaiz(), 0, -1);
}

// Iterative deepening with full windows from depth 1 to hasta; returns the last score.
inline int32_t BuscarHasta(int32_t hasta) {
    int32_t v = 0;
    for (int32_t d = 1; d <= hasta; d++) {
        TipoJuego.Profundidad = d;
        Mejor_Movimiento_Pos = -1;
        TableroGlobal.Indice_Deshacer = 0;
        v = AlphaBeta_Pv(d, -SIN_PUNTUACION, SIN_PUNTUACION, JaqueRaiz(), 0, -1);
    }
    return v;
}
