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

// One key from 31 successive draws of azar: bit k is set when draw k is even, bit 0 stays
// clear. A candidate that equals a filled key with its top bit inverted is drawn again.
template <typename Azar> static uint32_t SacarClave(Azar azar) {
    for (;;) {
        uint32_t candidata = 0;
        for (int k = 1; k <= 31; k++) {
            if ((azar() & 1) == 0) candidata |= 1u << k;
        }
        if (!ChocaConTabla(candidata)) return candidata;
    }
}

// Every key, row 0 first; unfilled entries are 0 and the collision test skips them.
template <typename Azar> static void LlenarClaves(Azar azar) {
    std::memset(zobrist_Tablero, 0, sizeof(zobrist_Tablero));
    for (int fila = 0; fila < 14; fila++) {
        for (int s = 0; s < 64; s++) zobrist_Tablero[fila][s] = SacarClave(azar);
    }
    zobrist_Turno[0] = SacarClave(azar);
}

void IniciarClaves(uint32_t semilla) {
    std::srand(semilla);
    LlenarClaves([] { return std::rand(); });
}

// glibc's rand: an additive generator over 31 words seeded by a Lehmer generator, its first
// 310 outputs dropped. Written out so that fixed-seed keys do not depend on the C library.
void IniciarClavesFijas(uint32_t semilla) {
    uint32_t estado[31];
    int32_t palabra = semilla == 0 ? 1 : static_cast<int32_t>(semilla);
    estado[0] = static_cast<uint32_t>(palabra);
    for (int i = 1; i < 31; i++) {
        // 16807 * palabra mod (2^31 - 1), without overflow (Schrage).
        palabra = 16807 * (palabra % 127773) - 2836 * (palabra / 127773);
        if (palabra < 0) palabra += 2147483647;
        estado[i] = static_cast<uint32_t>(palabra);
    }
    int32_t delante = 3, detras = 0;
    const auto azar = [&] {
        estado[delante] += estado[detras];
        const uint32_t r = estado[delante] >> 1;
        delante = (delante + 1) % 31;
        detras = (detras + 1) % 31;
        return static_cast<int32_t>(r);
    };
    for (int i = 0; i < 310; i++) azar();
    LlenarClaves(azar);
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
