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

// Leaves of the legal move tree of the given depth, every move made and unmade.
inline uint64_t ContarHojas(int depth) {
    if (depth == 0) return 1;
    Lista_Jugadas lista[MAX_JUGADAS];
    const int32_t n = GenerarMovimientos(GENERAR_TODO, lista);
    uint64_t total = 0;
    for (int32_t i = 0; i < n; i++) {
        if (HacerMovimiento(lista[i].Jugada)) total += ContarHojas(depth - 1);
        DeshacerMovimiento();
    }
    return total;
}

// The same position with colours swapped: ranks reversed, letter case swapped, the other
// side to move, castling letters swapped and the en-passant rank mirrored.
inline std::string EspejoFen(const std::string &fen) {
    std::string campos[6];
    size_t i = 0;
    for (char c : fen) {
        if (c == ' ') {
            if (++i == 6) break;
            continue;
        }
        campos[i] += c;
    }
    auto cambiar = [](char c) {
        return static_cast<char>(std::isupper(static_cast<unsigned char>(c)) ? std::tolower(c)
                                                                             : std::toupper(c));
    };
    std::string filas[8], tablero;
    size_t f = 0;
    for (char c : campos[0]) {
        if (c == '/')
            f++;
        else
            filas[f] += cambiar(c);
    }
    for (int r = 7; r >= 0; r--) {
        tablero += filas[r];
        if (r > 0) tablero += '/';
    }
    std::string enroque;
    for (char c : std::string("KQkq")) {
        if (campos[2].find(cambiar(c)) != std::string::npos) enroque += c;
    }
    if (enroque.empty()) enroque.push_back('-');
    std::string paso = campos[3];
    if (paso.size() == 2) paso[1] = static_cast<char>('1' + ('8' - paso[1]));
    std::string res = tablero + " " + (campos[1] == "w" ? "b" : "w") + " " + enroque + " " + paso;
    for (int k = 4; k < 6; k++) {
        if (!campos[k].empty()) res += " " + campos[k];
    }
    return res;
}
