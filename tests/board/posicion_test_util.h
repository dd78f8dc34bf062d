// Test-side position set-up shared by the suites that need a loaded board.
#pragma once

#include <cctype>
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

// The same position with colours swapped: ranks reversed, letter case swapped, the other side
// to move, castling letters swapped, the en-passant rank mirrored.
inline std::string EspejoFen(const std::string &fen) {
    std::string campos[4], filas[8];
    for (size_t i = 0, c = 0; c < fen.size() && i < 4; c++) {
        if (fen[c] == ' ')
            i++;
        else
            campos[i] += fen[c];
    }
    auto cambiar = [](char c) {
        return static_cast<char>(std::isupper(c) ? std::tolower(c) : std::toupper(c));
    };
    size_t f = 0;
    for (char c : campos[0]) {
        if (c == '/')
            f++;
        else
            filas[f] += cambiar(c);
    }
    std::string res;
    for (int r = 7; r >= 0; r--) res += filas[r] + (r > 0 ? "/" : " ");
    res += campos[1] == "w" ? "b " : "w ";
    std::string enroque;
    for (char c : std::string("KQkq")) {
        if (campos[2].find(cambiar(c)) != std::string::npos) enroque += c;
    }
    std::string paso = campos[3];
    if (paso.size() == 2) paso[1] = static_cast<char>('1' + ('8' - paso[1]));
    return res + (enroque.empty() ? std::string(1, '-') : enroque) + " " + paso;
}
