// Principal variation search, quiescence, move ordering and the transposition table.
#pragma once

#include <cstdint>

#include "board/board.h"

// Bound types.
inline constexpr int32_t TT_EXACTO = 1;
inline constexpr int32_t TT_ALPHA = 2;  // upper bound
inline constexpr int32_t TT_BETA = 3;   // lower bound

struct TT_Entrada {
    uint32_t Clave;  // 0 = empty
    uint32_t Jugada;
    int16_t Puntuacion;
    // bits 0-6 Profundidad_TT, bits 7-13 Edad, bits 14-15 Tipo
    uint16_t Info;
};
static_assert(sizeof(TT_Entrada) == 12);

// Largest depth and generation an entry stores in its 7-bit fields; past this generation the
// table starts over.
inline constexpr int32_t MAX_EDAD = 126;

struct Grupo {
    TT_Entrada Entradas[4];
};

struct Cache_Entrada {
    uint32_t Clave;
    int16_t Puntuacion;
};

struct Registro_TT {
    int32_t Megas_Tabla;
    int32_t Megas_Cache;
    int32_t Num_Grupos;
    int32_t Num_Cache;
    int32_t Ocupadas;
    int32_t Edad;
};

extern Registro_TT TT_Opciones;
extern Grupo *TT_Datos;
extern Cache_Entrada *TT_Cache;

// Hash size in megabytes at start-up, and the largest the option takes.
inline constexpr int32_t MEGAS_INICIALES = 128, MAX_MEGAS = 1024;
void CrearTransposicion(int32_t megas);
void LimpiarTransposicion();
void LiberarTransposicion();
void AlmacenarPosicion(int32_t profundidad, int32_t puntuacion, int32_t tipo, uint32_t jugada);
int32_t RecuperarPosicion(int32_t alpha, int32_t beta, const int32_t *profundidad,
                          int32_t *puntuacion, uint32_t *jugada);
int32_t HashFull();  // the hashfull figure of the reports

// Move ordering and history.
extern int32_t valor_captura[14][14];
extern int32_t valor_captura_coronacion[14][14];
extern int32_t valor_coronacion[14];
extern int32_t Historico_Bueno[14][64];
extern int32_t Max_Historico, Min_Historico;
extern uint32_t Historico_Killer[64][2];
extern uint32_t Historico_Killer_Mate[64][2];
extern uint32_t Historico_Rechazado[64 * 64];
void LlenarValoresOrden();
void OrdenarMovimientosTodos(int32_t num, uint32_t *jugada_hash, Lista_Jugadas *lista,
                             uint32_t refutacion);
void LimpiarHistoricos();

// Search.
extern uint32_t pv_line[64][64];
extern uint32_t pv_line_fin[64];
extern uint32_t pv_line_Root[256][64];
extern int32_t Mejor_Movimiento_Pos;
extern int32_t lmr[64][256];
extern const int32_t RAZOR_MARGIN[5];
extern const int32_t STAT_NULL_MARGIN[4];
void LlenarLmr();
// The answer of a search that accepted no iteration: a legal move of the current position
// chosen by a one-ply look that leaves every table as it was; 0 when there is none.
uint32_t JugadaDeUnPly();
// The time check at every node below the root: defined by the front end, which owns the clock
// budget and the input ("stop").
void ComprobarTiempo();
int32_t AlphaBeta_Pv(int32_t profundidad, int32_t alpha, int32_t beta, int32_t en_jaque,
                     int32_t nulo_prohibido, int32_t jugada_previa);
int32_t AlphaBeta_Qs(int32_t alpha, int32_t beta, int32_t en_jaque, int32_t ventana_nula,
                     int32_t entrada);
