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
void LlenarTablasEvaluacion();  // tropism and mobility tables, filled at start-up

// Board scan: pawn bookkeeping, knights, bishops, queens.
void EvaluarPiezasTableroJuego();

// Pawn structure and rooks.
void EvaluarPeonesB();
void EvaluarPeonesN();
void EvaluarTorreB();
void EvaluarTorreN();

// King safety: king tables, neighbour scan, shield, back-rank air, shut-in rooks.
void EvaluarReyB();
void EvaluarReyN();
void EvaluarReyFinal();  // king endgame tables by the wings that hold pawns

// Threats on enemy pieces.
void AmenazasPeonB();
void AmenazasPeonN();
void AmenazasCaballoB();
void AmenazasCaballoN();
void AmenazasAlfilB();
void AmenazasAlfilN();
void AmenazasTorreB();
void AmenazasTorreN();
void AmenazasDamaB();
void AmenazasDamaN();
void AmenazasReyB();
void AmenazasReyN();

// Positional patterns.
void PatronesApertura();
void IslasPeones();
void PatronesCaballoB();
void PatronesCaballoN();
void PatronesAlfilB();
void PatronesAlfilN();

// Tables of the driver, the board scan and the patterns.

// Tables of pawn structure, rooks and king safety.
