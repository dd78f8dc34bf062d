// Helpers for the tests of single evaluation terms: load a position, run the board scan, and
// measure what one term adds to the accumulators of both sides.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "board/board.h"
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
        LlenarColorCasilla();
        LlenarTablasEvaluacion();
        iniciado = true;
    }
    Salir = 0;
    LimpiarPuntuacion(1);
    TableroGlobal.Regla_50 = 0;
    TableroGlobal.Num_Historial = 0;
    TableroGlobal.Indice_Deshacer = 0;
    ASSERT_EQ(CargarFen(fen), 1) << fen;
    TableroGlobal.Clave = CalcularClave();
    LimpiarPuntuacion(0);
    EvaluarPiezasTableroJuego();
}

// The same position with the colours exchanged: ranks reversed, case swapped, the other side
// to move, castling rights swapped. The en-passant field is dropped.
inline std::string FenEspejo(const std::string &fen) {
    const size_t fin_tablero = fen.find(' ');
    const std::string tablero = fen.substr(0, fin_tablero);
    std::string filas[8];
    int32_t n = 0;
    for (char c : tablero) {
        if (c == '/') n++;
        else filas[n] += std::isupper(static_cast<unsigned char>(c)) ? std::tolower(c) : std::toupper(c);
    }
    std::string salida;
    for (int32_t i = 7; i >= 0; i--) {
        salida += filas[i];
        if (i) salida += '/';
    }
    const char lado = fen[fin_tablero + 1] == 'w' ? 'b' : 'w';
    const std::string enroque = fen.substr(fin_tablero + 3, fen.find(' ', fin_tablero + 3) - fin_tablero - 3);
    std::string nuevo;
    for (char c : std::string("KQkq")) {
        const char espejo = std::isupper(static_cast<unsigned char>(c)) ? std::tolower(c) : std::toupper(c);
        if (enroque.find(espejo) != std::string::npos) nuevo += c;
    }
    if (nuevo.empty()) nuevo = "-";
    return salida + " " + lado + " " + nuevo + " - 0 1";
}

}  // namespace terminos
