// Start-up, the command loop, the "uci" and "isready" replies and the shutdown.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "book/book.h"
#include "eval/eval.h"
#include "search/search.h"
#include "tablebase/tablebase.h"
#include "uci/uci.h"

// The line buffer is reused for every command.
static char Linea[65536];

void IniciarMotor(uint32_t semilla, int32_t megas) {
    // 1. Nothing asks to end the program yet.
    Salir = 0;

    // 2.-4. Tables filled once.
    LlenarTablasEvaluacion();
    LlenarLmr();
    LimpiarSee();
    LlenarValoresOrden();

    // 5. Keys; the book draws from the same generator.
    IniciarClaves(semilla);

    // 6. The table.
    TT_Opciones.Megas_Tabla = megas;
    CrearTransposicion(megas);

    // 7. Default settings.
    tbprobe_Gaviota.Cargada = 0;
    AjustesIniciales();

    // 8. A new game from the start position.
    UciNewGame();
}

const char *LeerPalabra(const char *texto, char *buffer) {
    while (*texto == ' ') texto++;
    int32_t n = 0;
    // Only the space separates words; longer words are cut to 78 characters.
    while (*texto != '\0' && *texto != ' ') {
        if (n < 78) buffer[n++] = *texto;
        texto++;
    }
    buffer[n] = '\0';
    return texto;
}

void ComandoUci() {
    printf("id name Vantor 0.5");
    printf(" x86\n");
    printf("id author Dromek, Spain.\n");
    ImprimirOpciones();
    printf("uciok\n");
}

void ComandoIsReady() {
    // 1. Load or unload the tablebase library as the setting asks.
    if (tbprobe_Gaviota.Usar_Tablas == 1 && tbprobe_Gaviota.Cargada == 0) {
        Cargar_gtbgaviota_dll();
    } else if (tbprobe_Gaviota.Usar_Tablas == 0 && tbprobe_Gaviota.Cargada == 1) {
        Descargar_gtbgaviota_dll();
        tbprobe_Gaviota.Cargada = 0;
    }
    // 2. The table never survives an "isready".
    CrearTransposicion(TT_Opciones.Megas_Tabla + TT_Opciones.Megas_Cache);
    printf("readyok\n");
}

void Apagar() {
    Salir = 1;
    LiberarTransposicion();
    Descargar_gtbgaviota_dll();
    exit(0);
}

// Dispatch of one line by its first word; unknown words do nothing.
static void Despachar(const char *linea) {
    char palabra[80];
    const char *resto = LeerPalabra(linea, palabra);
    if (strcmp(palabra, "ucinewgame") == 0) UciNewGame();
    else if (strcmp(palabra, "uci") == 0) ComandoUci();
    else if (strcmp(palabra, "isready") == 0) ComandoIsReady();
    else if (strcmp(palabra, "setoption") == 0) ComandoSetOption(resto);
    else if (strcmp(palabra, "position") == 0) Position_Fen_Startpos(resto);
    else if (strcmp(palabra, "go") == 0) ComandoGo(resto);
    else if (strcmp(palabra, "book") == 0) ComprobarLibro();
    else if (strcmp(palabra, "perft") == 0) ComandoPerft(resto);
    else if (strcmp(palabra, "quit") == 0) Salir = 1;
}

// Removes the newline that ends a complete line, and a carriage return before it, so
// that input with CR LF line ends reads the same as with LF alone.
void QuitarFinDeLinea(char *linea) {
    size_t n = strlen(linea);
    if (n == 0 || linea[n - 1] != '\n') return;
    linea[--n] = '\0';
    if (n > 0 && linea[n - 1] == '\r') linea[n - 1] = '\0';
}

int32_t EjecutarLinea(char *linea) {
    QuitarFinDeLinea(linea);
    Despachar(linea);
    return Salir;
}

void BucleComandos() {
    for (;;) {
        // 1. Read one line; the end of input behaves as "quit".
        memset(Linea, 0, sizeof(Linea));
        if (fgets(Linea, sizeof(Linea), stdin) == nullptr) Salir = 1;
        // 2. Run it; a command may have asked to end the program.
        if (EjecutarLinea(Linea)) Apagar();
    }
}
