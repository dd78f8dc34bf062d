// Zobrist keys: drawing the tables and the key of a position from scratch.
#include <cstdlib>
#include <cstring>

#include "board/board.h"

// True when the candidate equals a filled table key with its top bit inverted.
static bool ChocaConTabla(uint32_t candidata) {
    for (int fila = 0; fila < 14; fila++) {
        for (int s = 0; s < 64; s++) {
            const uint32_t k = zobrist_Tablero[fila][s];
            if (k != 0 && candidata == (k ^ 0x80000000u)) return true;
        }
    }
    return false;
}

uint32_t rand64() {
    for (;;) {
        // Bits 1..31 come from the parity of successive rand values; bit 0 stays clear.
        uint32_t candidata = 0;
        for (int k = 1; k <= 31; k++) {
            if ((std::rand() & 1) == 0) candidata |= 1u << k;
        }
        if (!ChocaConTabla(candidata)) return candidata;
    }
}

void IniciarClaves(uint32_t semilla) {
    std::srand(semilla);
    // Unfilled entries are 0 and the collision test skips them.
    std::memset(zobrist_Tablero, 0, sizeof(zobrist_Tablero));
    for (int fila = 0; fila < 14; fila++) {
        for (int s = 0; s < 64; s++) zobrist_Tablero[fila][s] = rand64();
    }
    zobrist_Turno[0] = rand64();
}

uint32_t CalcularClave() {
    const Tipo_Tablero &t = TableroGlobal;
    uint32_t clave = 0;
    for (int s = 0; s < 64; s++) {
        const int32_t p = t.Tablero[s];
        // Codes outside the table never stand on a loaded board; they are skipped.
        if (p != SIN_PIEZA && static_cast<uint32_t>(p) < 14) clave ^= zobrist_Tablero[p][s];
    }
    if (t.Ficha_Al_Paso != 0) clave ^= zobrist_Tablero[0][t.Ficha_Al_Paso];
    // Castling states live in row 7: Black's from column 0 up, White's from column 63 down.
    clave ^= zobrist_Tablero[SIN_PIEZA][63 - t.Enroque_Blancas];
    clave ^= zobrist_Tablero[SIN_PIEZA][t.Enroque_Negras];
    if (t.Turno == 1) clave ^= zobrist_Turno[0];
    return clave;
}
