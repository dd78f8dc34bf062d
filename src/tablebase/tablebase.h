// Tablebase settings and the probing library.
#pragma once

#include <cstddef>
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

// What the library is told besides the options: its verbosity and the WDL fraction of its cache.
inline constexpr int32_t VERBOSIDAD_GTB = 1;
inline constexpr int32_t FRACCION_WDL_GTB = 16;

int32_t Descargar_gtbgaviota_dll();

// The probing library, loaded at run time; each pointer is null while not resolved.
typedef char *(*Tb_Init)(int verbosidad, int compresion, const char **rutas);
typedef void (*Tb_Vacia)();
typedef int (*Tb_Prueba)(unsigned turno, unsigned al_paso, unsigned enroques,
                         const unsigned *casillas_b, const unsigned *casillas_n,
                         const unsigned char *piezas_b, const unsigned char *piezas_n,
                         unsigned *info, unsigned *plies);
typedef int (*Tb_Estado)();
typedef unsigned (*Tb_Disponibles)();
typedef int (*Tb_Cache)(size_t bytes, int fraccion_wdl);
typedef const char **(*Tb_Rutas_Init)();
typedef const char **(*Tb_Rutas_Add)(const char **rutas, const char *ruta);
typedef const char **(*Tb_Rutas_Done)(const char **rutas);

extern void *gtb_hmod;
extern Tb_Init tb_init, tb_restart;
extern Tb_Vacia tb_done, tbcache_done, tbcache_flush, tbstats_reset;
extern Tb_Prueba tb_probe_hard, tb_probe_soft;
extern Tb_Estado tb_is_initialized, tbcache_is_on;
extern Tb_Disponibles tb_availability;
extern Tb_Cache tbcache_init, tbcache_restart;
extern Tb_Rutas_Init tbpaths_init;
extern Tb_Rutas_Add tbpaths_add;
extern Tb_Rutas_Done tbpaths_done;

// Loads, resolves and initialises the library with the current settings, then reports.
void Cargar_gtbgaviota_dll();

// Probes the current position when the library holds tables for its number of men, the hard
// probe when dura: 1 with the score for the side to move (a mate in plies as 31999 - plies, a
// draw as 0) and one more hit counted, 0 when there is no answer.
int32_t SondearTablas(int32_t dura, int32_t *puntuacion);
