// Tablebase settings and the probing library.
#pragma once

#include <cstdint>

struct Registro_Tablas {
    int32_t Usar_Tablas;
    uint32_t Aciertos;
    int32_t Cargada;
    uint32_t Disponibles;
    char Ruta[256];
    int32_t Compresion;
    int32_t Verbosidad;
    int32_t Cache_Tablas;
    int32_t Fraccion_Wdl;
    const char **Rutas;
};

extern Registro_Tablas tbprobe_Gaviota;

int32_t Descargar_gtbgaviota_dll();

// The library's probes, filled when the library is loaded; null otherwise.
typedef int (*Tipo_Sonda_Tablas)(int side, unsigned ep, unsigned castling, const unsigned *wsq,
                                 const unsigned *bsq, const unsigned char *wpc,
                                 const unsigned char *bpc, unsigned *info, unsigned *plies);
extern Tipo_Sonda_Tablas tb_probe_hard;
extern Tipo_Sonda_Tablas tb_probe_soft;
