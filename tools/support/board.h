// Board helpers shared by the tools and the tests: loading a FEN, legal moves, move texts, a
// FEN from squares.
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "board/board.h"
#include "uci/uci.h"

// Loads fen as the position command does: cleared side records and clocks, an empty undo
// stack, the FEN, then the key from scratch. Returns the result of CargarFen.
inline int32_t CargarPosicion(const char *fen) {
    std::memset(&Blancas, 0, sizeof(Blancas));
    std::memset(&Negras, 0, sizeof(Negras));
    TableroGlobal.Regla_50 = 0;
    TableroGlobal.Num_Historial = 0;
    TableroGlobal.Indice_Deshacer = 0;
    const int32_t ok = CargarFen(fen);
    TableroGlobal.Clave = CalcularClave();
    return ok;
}

// The legal moves of the current position, in generation order.
inline std::vector<uint32_t> JugadasLegales() {
    Lista_Jugadas lista[MAX_JUGADAS];
    const int32_t n = GenerarMovimientos(GENERAR_TODO, lista);
    std::vector<uint32_t> legales;
    for (int32_t i = 0; i < n; i++) {
        if (HacerMovimiento(lista[i].Jugada)) legales.push_back(lista[i].Jugada);
        DeshacerMovimiento();
    }
    return legales;
}

// The move as the protocol writes it, e.g. "e7e8q".
inline std::string TextoJugada(uint32_t m) {
    char t[6];
    MovimientoCoordenadas(Desde(m), Hasta(m), Corona(m), t);
    return t;
}

// The legal move written texto, or 0.
inline uint32_t JugadaDeTexto(const std::string &texto) {
    for (uint32_t m : JugadasLegales())
        if (TextoJugada(m) == texto) return m;
    return 0;
}

// FEN of a board written as 64 characters from a8, ' ' for an empty square; turno 'w' or 'b',
// no castling, no en passant.
inline std::string FenDeCasillas(const std::string &casillas, char turno) {
    std::string fen;
    for (int s = 0; s < 64; s++) {
        if (casillas[s] != ' ')
            fen += casillas[s];
        else if (s % 8 > 0 && fen.back() >= '1' && fen.back() <= '7')
            fen.back()++;
        else
            fen += '1';
        if (s % 8 == 7 && s < 63) fen += '/';
    }
    return fen + ' ' + turno + " - - 0 1";
}
