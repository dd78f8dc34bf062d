// Transposition table and evaluation cache: sizing, clearing, store and probe.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "eval/eval.h"
#include "platform/platform.h"
#include "search/internal.h"

Registro_TT TT_Opciones;
Grupo *TT_Datos = nullptr;
Cache_Entrada *TT_Cache = nullptr;
Divisor_Rapido Modulo_Grupos, Modulo_Cache;

// Bytes in one megabyte; the reciprocals of a group's and a cache entry's size in bytes (48
// and 8, in single precision), and the cache's share of a size from 32 MB (an eighth, as twice
// the size times a sixteenth). Below 1 MB the table has 21845 groups; above the largest size
// a fixed split.
static constexpr long double MEGA = 1048576.0L;
static constexpr float POR_GRUPO = 0.020833334f, POR_ENTRADA_CACHE = 0.125f;
static constexpr float DIECISEISAVO = 0.0625f;
static constexpr int32_t MEGAS_SIN_CACHE = 31, GRUPOS_MINIMOS = 21845;
static constexpr int32_t MEGAS_TABLA_TOPE = 896, MEGAS_CACHE_TOPE = 128;
static constexpr int32_t GRUPOS_TOPE = 19573420, CACHE_TOPE = 16777216;
static_assert(POR_GRUPO == 1.0f / 48.0f && 48 == sizeof(Grupo));

void CalcularTamanoTransposicion(int32_t megas, Registro_TT *tt) {
    if (megas < 1) {
        tt->Megas_Tabla = 1;
        tt->Megas_Cache = 0;
        tt->Num_Grupos = GRUPOS_MINIMOS;
    } else if (megas <= MEGAS_SIN_CACHE) {
        tt->Megas_Tabla = megas;
        tt->Megas_Cache = 0;
        tt->Num_Grupos = static_cast<int32_t>(megas * MEGA * POR_GRUPO + 0.5L);
    } else if (megas <= MAX_MEGAS) {
        // An eighth of the budget, rounded, goes to the evaluation cache.
        int32_t cache =
            static_cast<int32_t>(static_cast<long double>(2 * megas) * DIECISEISAVO + 0.5L);
        tt->Megas_Tabla = megas - cache;
        tt->Megas_Cache = cache;
        tt->Num_Grupos = static_cast<int32_t>(tt->Megas_Tabla * MEGA * POR_GRUPO + 0.5L);
        tt->Num_Cache = static_cast<int32_t>(cache * MEGA * POR_ENTRADA_CACHE + 0.5L);
    } else {
        tt->Megas_Tabla = MEGAS_TABLA_TOPE;
        tt->Megas_Cache = MEGAS_CACHE_TOPE;
        tt->Num_Grupos = GRUPOS_TOPE;
        tt->Num_Cache = CACHE_TOPE;
    }
}

void LiberarTransposicion() {
    free(TT_Datos);
    free(TT_Cache);
    TT_Datos = nullptr;
    TT_Cache = nullptr;
}

void CrearTransposicion(int32_t megas) {
    CalcularTamanoTransposicion(megas, &TT_Opciones);
    LiberarTransposicion();

    // malloc, not new: a failure must be reported, never thrown.
    TT_Datos = static_cast<Grupo *>(
        malloc(sizeof(Grupo) * static_cast<size_t>(TT_Opciones.Num_Grupos)));
    int32_t fallo = TT_Datos == nullptr;
    AconsejarPaginasGrandes(TT_Datos, sizeof(Grupo) * static_cast<size_t>(TT_Opciones.Num_Grupos));
    if (TT_Opciones.Megas_Cache > 0) {
        TT_Cache = static_cast<Cache_Entrada *>(
            malloc(sizeof(Cache_Entrada) * static_cast<size_t>(TT_Opciones.Num_Cache)));
        if (TT_Cache == nullptr) fallo = 1;
        AconsejarPaginasGrandes(TT_Cache,
                                sizeof(Cache_Entrada) * static_cast<size_t>(TT_Opciones.Num_Cache));
    }
    if (fallo) {
        printf("info string Memoria insuficiente para la tabla hash.\n");
        Salir = 1;
        return;
    }
    LimpiarTransposicion();
}

// Fills n elements with modelo: the first is written and doubled up to a block of about 4 KB,
// which is then copied over the rest from the first-level cache by the library's block copy.
template <typename T>
static void Rellenar(T *destino, int32_t n, const T &modelo) {
    if (destino == nullptr || n <= 0) return;
    constexpr int32_t BLOQUE = 4096 / sizeof(T);
    destino[0] = modelo;
    int32_t hechos = 1;
    while (hechos < n) {
        const int32_t origen = hechos < BLOQUE ? hechos : BLOQUE;
        const int32_t copia = origen < n - hechos ? origen : n - hechos;
        std::memcpy(destino + hechos, destino, static_cast<size_t>(copia) * sizeof(T));
        hechos += copia;
    }
}

void LimpiarTransposicion() {
    static constexpr TT_Entrada VACIA = {0, 0, -SIN_PUNTUACION, 0};
    Rellenar(TT_Datos, TT_Opciones.Num_Grupos, Grupo{{VACIA, VACIA, VACIA, VACIA}});
    // The cache exists only when this size gave it megabytes.
    Rellenar(TT_Cache, TT_Opciones.Num_Cache, Cache_Entrada{0, -SIN_PUNTUACION});
    TT_Opciones.Edad = 1;
    TT_Opciones.Ocupadas = 0;
}

void AlmacenarPosicion(int32_t profundidad, int32_t puntuacion, int32_t tipo, uint32_t jugada) {
    if (TT_Datos == nullptr) return;
    uint32_t clave = TableroGlobal.Clave;
    Grupo &g = TT_Datos[IndiceGrupo(clave)];
    int32_t maximo = 4 * TT_Opciones.Num_Grupos;

    // 1. Same position, else an empty slot, else the oldest (then deepest) victim.
    int32_t victima = 0, destino = -1, vacia = 0;
    int32_t c = TT_Opciones.Ocupadas, subida = 0;
    for (int32_t i = 0; i < 4; i++) {
        const TT_Entrada &e = g.Entradas[i];
        if (e.Clave == clave) {
            destino = i;
            break;
        }
        if (e.Clave == 0) {
            destino = i;
            vacia = 1;
            break;
        }
        const TT_Entrada &v = g.Entradas[victima];
        if (Edad_TT(e.Info) < Edad_TT(v.Info)) {
            victima = i;
            // Replacing an older generation counts as a newly taken entry.
            if (c < maximo) {
                c++;
                subida = 1;
            }
        } else if (Edad_TT(e.Info) == Edad_TT(v.Info) &&
                   Profundidad_TT(e.Info) > Profundidad_TT(v.Info)) {
            victima = i;
        }
    }
    if (subida) TT_Opciones.Ocupadas = c;
    if (vacia && TT_Opciones.Ocupadas < maximo) TT_Opciones.Ocupadas++;
    if (destino < 0) destino = victima;
    TT_Entrada &e = g.Entradas[destino];

    // 2. Mate scores are kept relative to this node.
    int32_t ply = TableroGlobal.Indice_Deshacer;
    if (puntuacion > UMBRAL_MATE) puntuacion += ply;
    else if (puntuacion < -UMBRAL_MATE) puntuacion -= ply;

    // 3. A store without a move keeps the move of the same position.
    if (jugada != 0 || e.Clave != clave) e.Jugada = jugada;
    e.Clave = clave;
    e.Puntuacion = static_cast<int16_t>(puntuacion);
    int32_t prof = profundidad < 0 ? 0 : (profundidad > MAX_EDAD ? MAX_EDAD : profundidad);
    int32_t edad = TT_Opciones.Edad > MAX_EDAD ? MAX_EDAD : TT_Opciones.Edad;
    if (edad < 1) edad = 1;
    if (tipo < 0 || tipo > 3) tipo = 0;
    e.Info = static_cast<uint16_t>(prof | edad << 7 | tipo << 14);
}

// 1 when the stored bound settles the node; the score and move are written in any case.
int32_t RecuperarPosicion(int32_t alpha, int32_t beta, const int32_t *profundidad,
                          int32_t *puntuacion, uint32_t *jugada) {
    *puntuacion = -SIN_PUNTUACION;
    *jugada = 0;
    if (TT_Datos == nullptr) return 0;
    uint32_t clave = TableroGlobal.Clave;
    const Grupo &g = TT_Datos[IndiceGrupo(clave)];
    int32_t ply = TableroGlobal.Indice_Deshacer;

    // The window narrows from slot to slot.
    int32_t a = alpha, b = beta;
    for (const TT_Entrada &e : g.Entradas) {
        if (e.Clave != clave) continue;
        int32_t valor = e.Puntuacion;
        *puntuacion = valor;
        *jugada = e.Jugada;
        if (Profundidad_TT(e.Info) < *profundidad) continue;
        if (valor > UMBRAL_MATE) valor -= ply;
        else if (valor < -UMBRAL_MATE) valor += ply;
        *puntuacion = valor;
        switch (Tipo_TT(e.Info)) {
        case TT_EXACTO:
            return 1;
        case TT_ALPHA:
            if (valor < b) b = valor;
            break;
        case TT_BETA:
            if (valor > a) a = valor;
            break;
        default:
            break;
        }
        if (a >= b) return 1;
    }
    return 0;
}

uint32_t JugadaTabla() {
    if (TT_Datos == nullptr) return 0;
    const uint32_t clave = TableroGlobal.Clave;
    for (const TT_Entrada &e : TT_Datos[IndiceGrupo(clave)].Entradas) {
        if (e.Clave == clave) return e.Jugada;
    }
    return 0;
}

// 1 when the table already says a null-window search at depth reducida fails low here.
int32_t NuloInutil(int32_t reducida, int32_t alpha, int32_t beta) {
    if (TT_Datos == nullptr) return 0;
    const uint32_t clave = TableroGlobal.Clave;
    const Grupo &g = TT_Datos[IndiceGrupo(clave)];
    for (const TT_Entrada &e : g.Entradas) {
        if (e.Clave == clave && Profundidad_TT(e.Info) >= reducida && Tipo_TT(e.Info) == TT_ALPHA &&
            e.Puntuacion < beta && e.Puntuacion <= alpha) {
            return 1;
        }
    }
    return 0;
}

int32_t LeerCacheEvaluacion(uint32_t clave, int32_t *puntos) {
    if (TT_Opciones.Megas_Cache == 0 || TT_Cache == nullptr) return -1;
    const Cache_Entrada &e = TT_Cache[IndiceCache(clave)];
    if (e.Clave != clave) return 0;
    *puntos = e.Puntuacion;
    return 1;
}

void GuardarCacheEvaluacion(uint32_t clave, int32_t puntos) {
    if (TT_Opciones.Megas_Cache == 0 || TT_Cache == nullptr) return;
    Cache_Entrada &e = TT_Cache[IndiceCache(clave)];
    e.Clave = clave;
    e.Puntuacion = static_cast<int16_t>(puntos);
}

int32_t HashFull() {
    if (TT_Opciones.Num_Grupos <= 0) return 0;
    double lleno = static_cast<double>(TT_Opciones.Ocupadas) / (4.0 * TT_Opciones.Num_Grupos);
    return static_cast<int32_t>(lleno * 1000.0);
}
