// Helpers of the evaluation tests: set up a position from FEN, mirror it, and switch the
// evaluation cache on with a test-owned array.
#pragma once

#include <string>
#include <vector>

#include "board/board.h"
#include "board/posicion_test_util.h"
#include "eval/eval.h"
#include "search/search.h"

namespace eval_test {

// Loads fen the way the position command does, with the tables the evaluation needs.
inline void Cargar(const char *fen) {
    static bool tablas = false;
    if (!tablas) {
        IniciarClaves(12345);
        LlenarTablasEvaluacion();
        tablas = true;
    }
    Salir = 0;
    CargarPosicionPrueba(fen);
    LimpiarPuntuacion(0);
}

// Runs the board scan alone on fen.
inline void Escanear(const char *fen) {
    Cargar(fen);
    EvaluarPiezasTableroJuego();
}

inline std::string Espejo(const std::string &fen) { return EspejoFen(fen); }

// Evaluation cache on, backed by a vector the test owns; off again on destruction.
struct CacheDePrueba {
    std::vector<Cache_Entrada> entradas;
    Registro_TT previo;
    Cache_Entrada *previa;
    explicit CacheDePrueba(int32_t num) : entradas(num), previo(TT_Opciones), previa(TT_Cache) {
        for (auto &e : entradas) {
            e.Clave = 0;
            e.Puntuacion = -32001;
        }
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

// Both weights at 100 percent.
inline void Neutro() {
    AJUSTE_MOB[0] = AJUSTE_MOB[1] = 100;
    AJUSTE_ATT[0] = AJUSTE_ATT[1] = 100;
}

}  // namespace eval_test
