// The global records of the search: lines, history, killers and refutations.
#include "search/internal.h"

uint32_t pv_line[64][64];
uint32_t pv_line_fin[64];
uint32_t pv_line_Root[256][64];
int32_t Mejor_Movimiento_Pos = -1;

int32_t Historico_Bueno[14][64];
int32_t Max_Historico = 0, Min_Historico = 0;
uint32_t Historico_Killer[64][2];
uint32_t Historico_Killer_Mate[64][2];
uint32_t Historico_Rechazado[64 * 64];
