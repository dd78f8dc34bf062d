// Tablebase settings, the library handle and its entry points; the unload.
#include "platform/platform.h"
#include "tablebase/tablebase.h"

#include <cstdio>

// The four options (use, path, cache, compression) are set by the start-up.
Registro_Tablas tbprobe_Gaviota = {0, 0, 0, 0, "", 0, VERBOSIDAD_GTB, 0, FRACCION_WDL_GTB, nullptr};

void *gtb_hmod = nullptr;
Tb_Init tb_init = nullptr, tb_restart = nullptr;
Tb_Vacia tb_done = nullptr, tbcache_done = nullptr, tbcache_flush = nullptr,
         tbstats_reset = nullptr;
Tb_Prueba tb_probe_hard = nullptr, tb_probe_soft = nullptr;
Tb_Estado tb_is_initialized = nullptr, tbcache_is_on = nullptr;
Tb_Disponibles tb_availability = nullptr;
Tb_Cache tbcache_init = nullptr, tbcache_restart = nullptr;
Tb_Rutas_Init tbpaths_init = nullptr;
Tb_Rutas_Add tbpaths_add = nullptr;
Tb_Rutas_Done tbpaths_done = nullptr;

// 1 when unloaded or nothing was loaded, 0 when releasing the library failed.
int32_t Descargar_gtbgaviota_dll() {
    if (gtb_hmod == nullptr) return 1;
    // A library missing an entry point stays loaded: skip what was not found.
    if (tbcache_flush != nullptr) tbcache_flush();
    if (tbcache_done != nullptr) tbcache_done();
    if (tb_done != nullptr) tb_done();
    if (tbpaths_done != nullptr) tbprobe_Gaviota.Rutas = tbpaths_done(tbprobe_Gaviota.Rutas);
    if (!LiberarBiblioteca(gtb_hmod)) {
        printf("info string Error: Liberar tabla de finales gaviota.\n");
        return 0;
    }
    gtb_hmod = nullptr;
    tb_init = tb_restart = nullptr;
    tb_done = tbcache_done = tbcache_flush = tbstats_reset = nullptr;
    tb_probe_hard = tb_probe_soft = nullptr;
    tb_is_initialized = tbcache_is_on = nullptr;
    tb_availability = nullptr;
    tbcache_init = tbcache_restart = nullptr;
    tbpaths_init = nullptr;
    tbpaths_add = nullptr;
    tbpaths_done = nullptr;
    tbprobe_Gaviota.Cargada = 0;
    return 1;
}
