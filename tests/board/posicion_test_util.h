// Test-side position set-up shared by the suites that need a loaded board.
#pragma once

#include <cstring>

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
