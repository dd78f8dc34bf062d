// Helpers of the evaluation tests: load a position, run the board scan, measure what a term
// adds to the accumulators, and switch the evaluation cache on with a test-owned array.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "board/board.h"
#include "board/posicion_test_util.h"
#include "eval/eval.h"
#include "search/search.h"

namespace eval_test {

// Loads fen the way the position command does, with both weights at 100 percent.
inline void Cargar(const char *fen) {
    static bool tablas = false;
    if (!tablas) {
        IniciarClaves(12345);
        LlenarTablasEvaluacion();
        tablas = true;
    }
    Salir = 0;
    AJUSTE_MOB[0] = AJUSTE_MOB[1] = AJUSTE_ATT[0] = AJUSTE_ATT[1] = 100;
    ASSERT_EQ(CargarPosicionPrueba(fen), 1) << fen;
    LimpiarPuntuacion(0);
}

// Leaves the side records as the driver has them after its board scan.
inline void Escanear(const char *fen) {
    Cargar(fen);
    EvaluarPiezasTableroJuego();
}

// Opening and endgame accumulators of both sides.
struct Puntos {
    int32_t op_b, eg_b, op_n, eg_n;
    bool operator==(const Puntos &) const = default;
};
inline std::ostream &operator<<(std::ostream &o, const Puntos &p) {
    return o << '{' << p.op_b << ", " << p.eg_b << ", " << p.op_n << ", " << p.eg_n << '}';
}

// What the calls add to each accumulator, after the board scan of fen unless fen is null.
inline Puntos Delta(const char *fen, std::initializer_list<void (*)()> terminos) {
    if (fen) Escanear(fen);
    const Tipo_Lado &b = Blancas, &n = Negras;
    const Puntos a = {b.Puntos_Apertura, b.Puntos_Final, n.Puntos_Apertura, n.Puntos_Final};
    for (auto f : terminos) f();
    return {b.Puntos_Apertura - a.op_b, b.Puntos_Final - a.eg_b, n.Puntos_Apertura - a.op_n,
            n.Puntos_Final - a.eg_n};
}

// Evaluation cache on, backed by a vector the test owns; off again on destruction.
struct CacheDePrueba {
    std::vector<Cache_Entrada> entradas;
    Registro_TT previo = TT_Opciones;
    Cache_Entrada *previa = TT_Cache;
    explicit CacheDePrueba(int32_t num) : entradas(num, Cache_Entrada{0, -32001}) {
        TT_Opciones.Megas_Cache = 1;
        TT_Opciones.Num_Cache = num;
        TT_Cache = entradas.data();
    }
    ~CacheDePrueba() {
        TT_Opciones = previo;
        TT_Cache = previa;
    }
    Cache_Entrada &Entrada() { return entradas[TableroGlobal.Clave % entradas.size()]; }
};

// Evaluation cache off for the life of the guard.
struct SinCache {
    Registro_TT previo = TT_Opciones;
    SinCache() { TT_Opciones.Megas_Cache = 0; }
    ~SinCache() { TT_Opciones = previo; }
};

}  // namespace eval_test
