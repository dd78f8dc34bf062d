// The eight engine options: the "setoption" parser and the option lines of "uci".
#include <cstdio>
#include <cstring>

#include "book/book.h"
#include "platform/platform.h"
#include "search/search.h"
#include "tablebase/tablebase.h"
#include "uci/uci.h"

void ImprimirOpciones() {
    printf("option name Hash type spin default %d min 1 max 1024\n",
           TT_Opciones.Megas_Tabla + TT_Opciones.Megas_Cache);

    // OwnBook shows true only when the book really opens.
    if (LibroSql.Usar_Libro == 1 && AbrirBaseDeDatos()) {
        printf("option name OwnBook type check default true\n");
    } else {
        LibroSql.Usar_Libro = 0;
        printf("option name OwnBook type check default false\n");
    }
    CerrarBaseDeDatos();

    printf("option name OwnBookLimit type spin default %d min 2 max 10\n", LibroSql.Limite_Libro);
    if (TipoJuego.Mostrar_Pv == 0)
        printf("option name ShowPv type combo default None var None var Middle var Full\n");
    else if (TipoJuego.Mostrar_Pv == 2)
        printf("option name ShowPv type combo default Full var None var Middle var Full\n");
    else
        printf("option name ShowPv type combo default Middle var None var Middle var Full\n");
    if (tbprobe_Gaviota.Usar_Tablas == 1)
        printf("option name GaviotaTbUse type check default true\n");
    else
        printf("option name GaviotaTbUse type check default false\n");
    printf("option name GaviotaTbPath type string default %s\n", tbprobe_Gaviota.Ruta);
    printf("option name GaviotaTbCache type spin default %d min 8 max 1024\n",
           tbprobe_Gaviota.Cache_Tablas);
    printf("option name GaviotaTbCompression type spin default %d min 0 max 9\n",
           tbprobe_Gaviota.Compresion);
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

// Reads "true" or "false" into *campo; 0 when the value is neither.
static int32_t LeerBooleano(const char *valor, int32_t *campo) {
    if (strcmp(valor, "true") == 0) *campo = 1;
    else if (strcmp(valor, "false") == 0) *campo = 0;
    else return 0;
    return 1;
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
    int32_t numero = Es_Numero(valor);
    int32_t v = numero ? ConvertirNumero(valor) : 0;

    // 4. The options, by exact name.
    if (strcmp(nombre, "Hash") == 0) {
        if (!numero) {
            printf("info string Valor incorrecto para Hash.\n");
            return;
        }
        // Rebuilt at the next "isready".
        TT_Opciones.Megas_Cache = 0;
        TT_Opciones.Megas_Tabla = v >= 1025 ? 1024 : v;
    } else if (strcmp(nombre, "ShowPv") == 0) {
        if (strcmp(valor, "None") == 0) TipoJuego.Mostrar_Pv = 0;
        else if (strcmp(valor, "Middle") == 0) TipoJuego.Mostrar_Pv = 1;
        else if (strcmp(valor, "Full") == 0) TipoJuego.Mostrar_Pv = 2;
        else printf("info string Valor incorrecto para ShowPv.\n");
    } else if (strcmp(nombre, "OwnBook") == 0) {
        if (!LeerBooleano(valor, &LibroSql.Usar_Libro))
            printf("info string Valor incorrecto para OwnBook.\n");
    } else if (strcmp(nombre, "OwnBookLimit") == 0) {
        if (!numero) printf("info string Valor incorrecto para OwnBookLimit.\n");
        else LibroSql.Limite_Libro = (v >= 2 && v <= 10) ? v : 8;
    } else if (strcmp(nombre, "GaviotaTbUse") == 0) {
        if (!LeerBooleano(valor, &tbprobe_Gaviota.Usar_Tablas))
            printf("info string Valor incorrecto para GaviotaTbUse.\n");
    } else if (strcmp(nombre, "GaviotaTbCache") == 0) {
        // Values below the advertised minimum are taken as they are.
        if (!numero) printf("info string Valor incorrecto para GaviotaTbCache.\n");
        else tbprobe_Gaviota.Cache_Tablas = v <= 1014 ? v : 32;
    } else if (strcmp(nombre, "GaviotaTbCompression") == 0) {
        if (!numero) printf("info string Valor incorrecto para GaviotaTbCompression.\n");
        else tbprobe_Gaviota.Compresion = v <= 9 ? v : 4;
    } else if (strcmp(nombre, "GaviotaTbPath") == 0) {
        OpcionRuta(valor);
    }
}
