// Helpers of the evaluation tests: set up a position from FEN, mirror it, and switch the
// evaluation cache on with a test-owned array.
#pragma once

#include <string>
#include <vector>

#include "board/board.h"
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
    LlenarColorCasilla();
    LimpiarPuntuacion(1);
    TableroGlobal.Regla_50 = 0;
    TableroGlobal.Num_Historial = 0;
    TableroGlobal.Indice_Deshacer = 0;
    CargarFen(fen);
    TableroGlobal.Clave = CalcularClave();
    Salir = 0;
}

// Runs the board scan alone on fen.
inline void Escanear(const char *fen) {
    Cargar(fen);
    LimpiarPuntuacion(0);
    EvaluarPiezasTableroJuego();
}

// Ranks reversed, colours swapped, side to move swapped, castling and en passant mirrored.
inline std::string Espejo(const std::string &fen) {
    std::vector<std::string> campos;
    size_t i = 0;
    while (i < fen.size()) {
        while (i < fen.size() && fen[i] == ' ') i++;
        size_t j = i;
        while (j < fen.size() && fen[j] != ' ') j++;
        if (j > i) campos.push_back(fen.substr(i, j - i));
        i = j;
    }
    auto cambiar = [](char c) {
        if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
        if (c >= 'A' && c <= 'Z') return static_cast<char>(c - 'A' + 'a');
        return c;
    };
    std::vector<std::string> filas;
    std::string fila;
    for (char c : campos[0]) {
        if (c == '/') {
            filas.push_back(fila);
            fila.clear();
        } else {
            fila += cambiar(c);
        }
    }
    filas.push_back(fila);
    std::string out;
    for (size_t k = filas.size(); k-- > 0;) out += filas[k] + (k ? "/" : "");
    out += campos.size() > 1 && campos[1] == "w" ? " b " : " w ";
    std::string enroque;
    if (campos.size() > 2 && campos[2] != "-") {
        for (char c : std::string("KQkq"))
            if (campos[2].find(cambiar(c)) != std::string::npos) enroque += c;
    }
    out += enroque.empty() ? "-" : enroque;
    std::string paso = "-";
    if (campos.size() > 3 && campos[3].size() == 2) {
        paso = campos[3];
        paso[1] = static_cast<char>('1' + ('8' - paso[1]));
    }
    out += " " + paso + " 0 1";
    return out;
}

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

// No cache and both weights at 100 percent.
inline void Neutro() {
    TT_Opciones.Megas_Cache = 0;
    AJUSTE_MOB[0] = AJUSTE_MOB[1] = 100;
    AJUSTE_ATT[0] = AJUSTE_ATT[1] = 100;
}

}  // namespace eval_test
