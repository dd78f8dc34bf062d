// Helpers for the tests of single evaluation terms: load a position, run the board scan, and
// measure what one term adds to the accumulators of both sides.
#pragma once

#include <gtest/gtest.h>

#include "board/board.h"
#include "board/posicion_test_util.h"
#include "eval/eval.h"

namespace terminos {

// Opening and endgame accumulators of both sides.
struct Puntos {
    int32_t op_b, eg_b, op_n, eg_n;
};

inline Puntos Leer() {
    return {Blancas.Puntos_Apertura, Blancas.Puntos_Final, Negras.Puntos_Apertura,
            Negras.Puntos_Final};
}

// What the call f adds to each accumulator.
template <class F>
Puntos Delta(F f) {
    const Puntos antes = Leer();
    f();
    const Puntos despues = Leer();
    return {despues.op_b - antes.op_b, despues.eg_b - antes.eg_b, despues.op_n - antes.op_n,
            despues.eg_n - antes.eg_n};
}

// Loads fen as the position command does and leaves the side records as the evaluation
// driver has them after its board scan.
inline void CargarPosicion(const char *fen) {
    static bool iniciado = false;
    if (!iniciado) {
        IniciarClaves(20240601u);
        LlenarTablasEvaluacion();
        iniciado = true;
    }
    Salir = 0;
    ASSERT_EQ(CargarPosicionPrueba(fen), 1) << fen;
    LimpiarPuntuacion(0);
    EvaluarPiezasTableroJuego();
}

}  // namespace terminos
