// Test-side position set-up shared by the suites that need a loaded board.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>

#include "board/board.h"

// Loads fen the way the position command does: cleared side records and clock, the square
// colours, the FEN, then the key from scratch. Returns the result of CargarFen.
inline int32_t CargarPosicionPrueba(const char *fen) {
    std::memset(&Blancas, 0, sizeof(Blancas));
    std::memset(&Negras, 0, sizeof(Negras));
    TableroGlobal.Regla_50 = 0;
    TableroGlobal.Num_Historial = 0;
    TableroGlobal.Indice_Deshacer = 0;
    LlenarColorCasilla();
    const int32_t ok = CargarFen(fen);
    TableroGlobal.Clave = CalcularClave();
    return ok;
}

inline constexpr const char *FEN_INICIAL =
    "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";
inline constexpr const char *FEN_KIWIPETE =
    "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1";

// Text of a move word: squares, promotion letter, " ep" or " O" for en passant and castling.
inline std::string TextoPrueba(uint32_t m) {
    std::string t = std::string(NOMBRE_CASILLA[Desde(m)]) + NOMBRE_CASILLA[Hasta(m)];
    if (Corona(m) < NINGUNA) t += "?pnbrqk?pnbrqk"[Corona(m)];
    if (Es_Al_Paso(m)) t += " ep";
    if (Es_Enroque(m)) t += " O";
    return t;
}

// The generated move (mode 1) with that text, or 0.
inline uint32_t BuscarJugada(const std::string &texto) {
    Lista_Jugadas lista[MAX_JUGADAS];
    const int32_t n = GenerarMovimientos(GENERAR_TODO, lista);
    for (int32_t i = 0; i < n; i++) {
        if (TextoPrueba(lista[i].Jugada) == texto) return lista[i].Jugada;
    }
    return 0;
}
