// Reset of the evaluation work fields of the side records.
#include <cstring>

#include "eval/eval.h"

static inline void LimpiarLado(Tipo_Lado &lado, int32_t limpiar_material) {
    for (int32_t &v : lado.Peones_Columna) v = 0;

    // Square lists and defence map: -1 (every byte 0xFF) marks an empty slot or an unowned
    // square.
    std::memset(lado.Lista_Peones, 0xFF, sizeof(lado.Lista_Peones));
    std::memset(lado.Lista_Caballos, 0xFF, sizeof(lado.Lista_Caballos));
    std::memset(lado.Lista_Alfiles, 0xFF, sizeof(lado.Lista_Alfiles));
    std::memset(lado.Lista_Torres, 0xFF, sizeof(lado.Lista_Torres));
    std::memset(lado.Lista_Damas, 0xFF, sizeof(lado.Lista_Damas));
    std::memset(lado.Defensa_Casilla, 0xFF, sizeof(lado.Defensa_Casilla));

    // Target lists are emptied by their counts only; stale contents are never read.
    lado.Num_Amenazas_Peon = 0;
    lado.Num_Objetivos_Caballo = 0;
    lado.Num_Objetivos_Alfil = 0;
    lado.Num_Objetivos_Torre = 0;
    lado.Num_Objetivos_Dama = 0;
    lado.Num_Objetivos_Rey = 0;

    lado.Puntos_Apertura = 0;
    lado.Puntos_Final = 0;
    lado.Movilidad_Apertura = 0;
    lado.Movilidad_Final = 0;
    lado.Tropismo_Apertura = 0;
    lado.Tropismo_Final = 0;
    lado.Peones_Flanco_Dama = 0;
    lado.Peones_Flanco_Rey = 0;
    lado.Peones_Claras = 0;
    lado.Peones_Oscuras = 0;
    lado.Peones_Segunda = 0;
    lado.Ataque_Rey = 0;
    lado.Atacantes_Rey = 0;

    // The piece counts belong to the board; only position set-up clears them.
    if (limpiar_material) {
        lado.Num_Peones = 0;
        lado.Num_Caballos = 0;
        lado.Num_Alfiles = 0;
        lado.Num_Torres = 0;
        lado.Num_Damas = 0;
    }
}

void LimpiarPuntuacion(int32_t limpiar_material) {
    LimpiarLado(Blancas, limpiar_material);
    LimpiarLado(Negras, limpiar_material);
}
