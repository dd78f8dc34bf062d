// Square sets of the board taken once per evaluation, for the terms' pawn and file tests.
#include "eval/eval.h"

Mapas_Tablero MapasTablero;

void CalcularMapas() {
    Mapas_Tablero &m = MapasTablero;
    const uint64_t *mapa = TableroGlobal.Mapa_Pieza;
    m.Piezas[0] = 0;
    for (int32_t codigo = 1; codigo <= 13; codigo++) m.Piezas[codigo] = mapa[codigo];
    m.Peones[1] = m.Piezas[PEON_B];
    m.Peones[0] = m.Piezas[PEON_N];
    m.Ocupadas = ~mapa[SIN_PIEZA];

    // Own sets by code; a code outside 1..13 (it ends the scan) still sides by its value.
    const uint64_t invalidas = mapa[0] | mapa[14] | mapa[15];
    m.Antes_Invalida = invalidas ? (invalidas & (0 - invalidas)) - 1 : ~0ull;
    m.Propias[1] = MapaPropias(true);
    m.Propias[0] = MapaPropias(false);

    // White pawns take towards square 0, Black pawns towards square 63; a step that wraps
    // round the board edge lands on the far file and is dropped.
    const uint64_t b = m.Peones[1], n = m.Peones[0];
    m.Ataques_Peon[1] = ((b >> 9) & ~COLUMNA_MAPA[7]) | ((b >> 7) & ~COLUMNA_MAPA[0]);
    m.Ataques_Peon[0] = ((n << 7) & ~COLUMNA_MAPA[7]) | ((n << 9) & ~COLUMNA_MAPA[0]);
}
