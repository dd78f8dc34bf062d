// The eight engine options: one table gives their names, types, defaults and bounds to the
// "uci" reply, to "setoption" and to the start-up settings.
#include <climits>
#include <cstdio>
#include <cstring>

#include "book/book.h"
#include "platform/platform.h"
#include "search/search.h"
#include "tablebase/tablebase.h"
#include "uci/uci.h"

enum : int32_t { OPCION_SPIN, OPCION_CHECK, OPCION_COMBO, OPCION_CADENA };

// One option. A number given to "setoption" outside Piso..Tope is stored as Repuesto; the "uci"
// line shows Minimo and Maximo, which need not be those bounds.
struct Opcion_Motor {
    const char *Nombre;
    int32_t Tipo;
    int32_t *Campo;   // the setting; GaviotaTbPath keeps its text in tbprobe_Gaviota.Ruta
    int32_t Defecto;  // at start-up; the Hash size is set when the table is first made
    int32_t Minimo, Maximo;
    int32_t Piso, Tope, Repuesto;
};

// In the order of the "uci" reply.
static const Opcion_Motor OPCIONES[] = {
    {"Hash", OPCION_SPIN, &TT_Opciones.Megas_Tabla, MEGAS_INICIALES, 1, MAX_MEGAS, INT32_MIN,
     MAX_MEGAS, MAX_MEGAS},
    {"OwnBook", OPCION_CHECK, &LibroSql.Usar_Libro, 0, 0, 1, 0, 0, 0},
    {"OwnBookLimit", OPCION_SPIN, &LibroSql.Limite_Libro, 8, 2, 10, 2, 10, 8},
    {"ShowPv", OPCION_COMBO, &TipoJuego.Mostrar_Pv, 1, 0, 2, 0, 0, 0},
    {"GaviotaTbUse", OPCION_CHECK, &tbprobe_Gaviota.Usar_Tablas, 0, 0, 1, 0, 0, 0},
    {"GaviotaTbPath", OPCION_CADENA, nullptr, 0, 0, 0, 0, 0, 0},
    // Values below the advertised minimum are taken as they are.
    {"GaviotaTbCache", OPCION_SPIN, &tbprobe_Gaviota.Cache_Tablas, 32, 8, 1024, INT32_MIN, 1014,
     32},
    {"GaviotaTbCompression", OPCION_SPIN, &tbprobe_Gaviota.Compresion, 4, 0, 9, INT32_MIN, 9, 4},
};

// The values of the ShowPv combo, by Mostrar_Pv.
static const char *const VALORES_SHOWPV[3] = {"None", "Middle", "Full"};

void AjustesIniciales() {
    for (const Opcion_Motor &o : OPCIONES) {
        if (o.Campo != nullptr && o.Campo != &TT_Opciones.Megas_Tabla) *o.Campo = o.Defecto;
    }
    strcpy(tbprobe_Gaviota.Ruta, "empty");
}

void ImprimirOpciones() {
    for (const Opcion_Motor &o : OPCIONES) {
        // Each line is written whole.
        char linea[400];
        int32_t n = snprintf(linea, sizeof(linea), "option name %s type ", o.Nombre);
        if (o.Tipo == OPCION_SPIN) {
            // The configured Hash total, however it is split between table and cache.
            const int32_t valor = o.Campo == &TT_Opciones.Megas_Tabla
                                      ? TT_Opciones.Megas_Tabla + TT_Opciones.Megas_Cache
                                      : *o.Campo;
            snprintf(linea + n, sizeof(linea) - n, "spin default %d min %d max %d\n", valor,
                     o.Minimo, o.Maximo);
        } else if (o.Tipo == OPCION_CHECK) {
            // OwnBook shows true only when the book really opens.
            if (o.Campo == &LibroSql.Usar_Libro) {
                if (LibroSql.Usar_Libro != 1 || !AbrirBaseDeDatos()) LibroSql.Usar_Libro = 0;
                CerrarBaseDeDatos();
            }
            snprintf(linea + n, sizeof(linea) - n, "check default %s\n",
                     *o.Campo == 1 ? "true" : "false");
        } else if (o.Tipo == OPCION_COMBO) {
            const int32_t v = *o.Campo;
            n += snprintf(linea + n, sizeof(linea) - n, "combo default %s",
                          VALORES_SHOWPV[v == 0 ? 0 : (v == 2 ? 2 : 1)]);
            for (const char *valor : VALORES_SHOWPV)
                n += snprintf(linea + n, sizeof(linea) - n, " var %s", valor);
            snprintf(linea + n, sizeof(linea) - n, "\n");
        } else {
            snprintf(linea + n, sizeof(linea) - n, "string default %s\n", tbprobe_Gaviota.Ruta);
        }
        fputs(linea, stdout);
    }
}

// 1 when a file can be created (and is then removed) in the directory of one path piece.
static int32_t DirectorioEscribible(const char *pieza, size_t largo) {
    char archivo[300];
    memcpy(archivo, pieza, largo);
    if (largo == 0 || pieza[largo - 1] != SEPARADOR_RUTA) archivo[largo++] = SEPARADOR_RUTA;
    strcpy(archivo + largo, "acceso.txt");
    FILE *f = fopen(archivo, "w");
    if (f == nullptr) return 0;
    fclose(f);
    remove(archivo);
    return 1;
}

// GaviotaTbPath: the whole list is kept once any of its directories is writable.
static void OpcionRuta(const char *valor) {
    char *ruta = tbprobe_Gaviota.Ruta;
    ruta[0] = '\0';
    if (strcmp(valor, "empty") == 0) {
        strcpy(ruta, "empty");
        return;
    }
    const char *inicio = valor;
    for (;;) {
        const char *fin = strchr(inicio, ';');
        size_t largo = fin != nullptr ? static_cast<size_t>(fin - inicio) : strlen(inicio);
        // An empty piece names no directory and is passed over.
        if (largo > 0) {
            if (DirectorioEscribible(inicio, largo)) {
                snprintf(ruta, 256, "%.255s", valor);
            } else {
                printf("info string Valor incorrecto para GaviotaTbPath. %.*s \n",
                       static_cast<int>(largo), inicio);
            }
        }
        if (fin == nullptr) break;
        inicio = fin + 1;
    }
}

void ComandoSetOption(const char *resto) {
    // 1. Three words: "name", the option name, "value"; only the name is looked at.
    char primera[80], nombre[80], tercera[80];
    const char *p = LeerPalabra(resto, primera);
    p = LeerPalabra(p, nombre);
    p = LeerPalabra(p, tercera);

    // 2. An overlong value ends the program without a word, straight after this command.
    if (strlen(p) > 252) {
        Salir = 1;
        return;
    }

    // 3. The value; nothing but one space after the third word reads as "empty".
    char valor[256];
    if (p[0] == '\0' || (p[0] == ' ' && p[1] == '\0')) {
        strcpy(valor, "empty");
    } else {
        while (*p == ' ' || *p == '\t') p++;
        strcpy(valor, p);
    }

    // 4. The option by exact name; an unknown one does nothing.
    const Opcion_Motor *o = nullptr;
    for (const Opcion_Motor &x : OPCIONES) {
        if (strcmp(nombre, x.Nombre) == 0) o = &x;
    }
    if (o == nullptr) return;
    if (o->Tipo == OPCION_CADENA) return OpcionRuta(valor);
    int32_t v = 0, valido = 0;
    if (o->Tipo == OPCION_SPIN) {
        valido = Es_Numero(valor);
        if (valido) v = ConvertirNumero(valor);
        if (v < o->Piso || v > o->Tope) v = o->Repuesto;
    } else if (o->Tipo == OPCION_CHECK) {
        valido = strcmp(valor, "true") == 0 || strcmp(valor, "false") == 0;
        v = strcmp(valor, "true") == 0;
    } else {
        for (int32_t i = 0; i < 3; i++) {
            if (strcmp(valor, VALORES_SHOWPV[i]) == 0) valido = 1, v = i;
        }
    }
    if (!valido) {
        printf("info string Valor incorrecto para %s.\n", o->Nombre);
        return;
    }
    *o->Campo = v;
    // The Hash size is rebuilt at the next "isready", all of it for the table until then.
    if (o->Campo == &TT_Opciones.Megas_Tabla) TT_Opciones.Megas_Cache = 0;
}
