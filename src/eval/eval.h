// Static evaluation: the driver and its terms.
#pragma once

#include <cstdint>

#include "board/board.h"

// Percent weights of mobility and king attack; index 0 Black, 1 White.
extern int32_t AJUSTE_MOB[2];
extern int32_t AJUSTE_ATT[2];

// x scaled by p percent: x times single-precision 0.01 in extended precision, truncated.
int32_t Porcentaje(int32_t x, int32_t p);

int32_t Evaluar();  // score for the side to move
void LimpiarPuntuacion(int32_t limpiar_material);

// Terms.
void EvaluarPiezasTableroJuego();
void EvaluarPeonesB();
void EvaluarPeonesN();
void EvaluarTorreB();
void EvaluarTorreN();

// Start-up tables.
void LlenarTablasEvaluacion();  // tropism and mobility tables
