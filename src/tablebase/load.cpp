// Loading of the tablebase probing library and its availability report.
#include <cstdio>

#include "platform/platform.h"
#include "tablebase/tablebase.h"

// Every entry point must exist, in this order; four of them are only required.
static const char *const NOMBRES_GTB[20] = {
    "tb_init",         "tb_restart",        "tb_done",           "tb_probe_hard",
    "tb_probe_soft",   "tb_probe_WDL_hard", "tb_probe_WDL_soft", "tb_is_initialized",
    "tb_availability", "tb_indexmemory",    "tbcache_init",      "tbcache_restart",
    "tbcache_done",    "tbcache_is_on",     "tbcache_flush",     "tbstats_reset",
    "tbpaths_init",    "tbpaths_add",       "tbpaths_done",      "tbpaths_getmain",
};

// Resolves the twenty names; 1 when all were found.
static int32_t ResolverSimbolos(void *h) {
    void *s[20];
    for (int32_t i = 0; i < 20; i++) {
        s[i] = ObtenerSimbolo(h, NOMBRES_GTB[i]);
        if (s[i] == nullptr) return 0;
    }
    tb_init = reinterpret_cast<Tb_Init>(s[0]);
    tb_restart = reinterpret_cast<Tb_Init>(s[1]);
    tb_done = reinterpret_cast<Tb_Vacia>(s[2]);
    tb_probe_hard = reinterpret_cast<Tb_Prueba>(s[3]);
    tb_probe_soft = reinterpret_cast<Tb_Prueba>(s[4]);
    tb_is_initialized = reinterpret_cast<Tb_Estado>(s[7]);
    tb_availability = reinterpret_cast<Tb_Disponibles>(s[8]);
    tbcache_init = reinterpret_cast<Tb_Cache>(s[10]);
    tbcache_restart = reinterpret_cast<Tb_Cache>(s[11]);
    tbcache_done = reinterpret_cast<Tb_Vacia>(s[12]);
    tbcache_is_on = reinterpret_cast<Tb_Estado>(s[13]);
    tbcache_flush = reinterpret_cast<Tb_Vacia>(s[14]);
    tbstats_reset = reinterpret_cast<Tb_Vacia>(s[15]);
    tbpaths_init = reinterpret_cast<Tb_Rutas_Init>(s[16]);
    tbpaths_add = reinterpret_cast<Tb_Rutas_Add>(s[17]);
    tbpaths_done = reinterpret_cast<Tb_Rutas_Done>(s[18]);
    return 1;
}

void Cargar_gtbgaviota_dll() {
    Registro_Tablas &tb = tbprobe_Gaviota;

    // 1.-3. Load and resolve. A library without every name is released at once, so a
    // later "isready" starts again from nothing.
    gtb_hmod = CargarBiblioteca(NOMBRE_GTB);
    if (gtb_hmod == nullptr || !ResolverSimbolos(gtb_hmod)) {
        if (gtb_hmod != nullptr) LiberarBiblioteca(gtb_hmod);
        gtb_hmod = nullptr;
        printf("info string Error loading dll library %s.\n", NOMBRE_GTB);
        tb.Cargada = 0;
        return;
    }

    // 4. Paths, then restart and initialise the tables and their cache.
    tb.Cargada = 1;
    tb.Rutas = tbpaths_done(tb.Rutas);
    tb.Rutas = tbpaths_init();
    tb.Rutas = tbpaths_add(tb.Rutas, tb.Ruta);
    tb_restart(tb.Verbosidad, tb.Compresion, tb.Rutas);
    size_t bytes = static_cast<size_t>(static_cast<uint32_t>(tb.Cache_Tablas) * 1048576u);
    tbcache_restart(bytes, tb.Fraccion_Wdl);
    const char *texto = tb_init(tb.Verbosidad, tb.Compresion, tb.Rutas);
    if (texto != nullptr) printf("%s\n", texto);
    tbcache_init(bytes, tb.Fraccion_Wdl);
    tbstats_reset();

    // 5. The report, as plain lines.
    printf("Initialized: %s\n\n", tb_is_initialized() ? "Ok" : "FAILED");
    printf("State cache: %s\n\n", tbcache_is_on() ? "Ok" : "FAILED");
    tb.Disponibles = tb_availability();
    for (int32_t piezas = 3; piezas <= 5; piezas++) {
        uint32_t bit = 1u << (2 * (piezas - 3));
        if (tb.Disponibles & bit) {
            printf("%d-pc TBs available\n", piezas);
            if (tb.Disponibles & (bit << 1)) printf("%d-pc TBs complete\n", piezas);
        } else {
            printf("No %d-pc TBs available\n", piezas);
        }
    }
}
