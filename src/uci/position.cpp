// The "position" and "ucinewgame" commands.
#include <cstdio>
#include <cstring>

#include "book/book.h"
#include "eval/eval.h"
#include "search/search.h"
#include "uci/uci.h"

void Movimiento(const char *texto, int32_t *aplicado) {
    // 1. Every pseudo-legal move of the side to move; no further legality test.
    Lista_Jugadas lista[MAX_JUGADAS];
    TableroGlobal.Indice_Deshacer = 0;
    int32_t n = GenerarMovimientos(GENERAR_TODO, lista);

    // 2. The first move whose text matches is played; the make stores its key.
    char jugada[6];
    for (int32_t i = 0; i < n; i++) {
        uint32_t m = lista[i].Jugada;
        MovimientoCoordenadas(Desde(m), Hasta(m), Corona(m), jugada);
        if (strcmp(jugada, texto) != 0) continue;
        *aplicado = 1;
        HacerMovimiento(m);
        TipoJuego.Jugadas++;
        return;
    }

    // 3. Once a move of this command was played, unknown moves are skipped silently.
    if (*aplicado == 1) return;
    printf("info string Movimiento ilegal: %s\n", texto);
    printf("info string Enroque Blancas: %d\n", TableroGlobal.Enroque_Blancas);
    printf("info string Enroque Negras: %d\n", TableroGlobal.Enroque_Negras);
    printf("info string Ficha al Paso: %d\n", TableroGlobal.Ficha_Al_Paso);
    printf("info string Posici\xF3n Rey Blanco: %d\n", TableroGlobal.Rey_Blanco);
    printf("info string Posici\xF3n Rey Negro: %d\n", TableroGlobal.Rey_Negro);
    *aplicado = 0;
    Salir = 1;
}

void Position_Fen_Startpos(const char *texto) {
    // 1. Fresh side records and counters.
    LimpiarPuntuacion(1);
    TipoJuego.Jugadas = 0;
    TableroGlobal.Regla_50 = 0;
    TableroGlobal.Num_Historial = 0;
    int32_t aplicado = 0, desde_fen = 0;

    // 2. Any first word but "fen" means the start position.
    char palabra[80];
    const char *p = LeerPalabra(texto, palabra);
    if (strcmp(palabra, "fen") != 0) {
        p = LeerPalabra(p, palabra);
        if (!CargarFen(FEN_INICIAL)) {
            Salir = 1;
            return;
        }
        LibroSql.Fuera_De_Libro = 0;
    } else {
        // 3. The FEN words up to "moves", as many as fit in 78 characters.
        char fen[80] = "";
        for (;;) {
            p = LeerPalabra(p, palabra);
            if (palabra[0] == '\0' || strcmp(palabra, "moves") == 0) break;
            if (strlen(fen) + strlen(palabra) <= 78) {
                strcat(fen, palabra);
                strcat(fen, " ");
            }
        }
        if (!CargarFen(fen)) {
            printf("info string Formato FEN incorrecto.\n");
            Position_Fen_Startpos("startpos");
            return;
        }
        LibroSql.Fuera_De_Libro = 1;
        desde_fen = 1;
    }

    // 4. The key from scratch; it is not entered into the history.
    TableroGlobal.Clave = CalcularClave();
    if (strcmp(palabra, "moves") != 0) return;

    // 5. The game text for the book: in book only while it is short enough.
    if (*p != '\0') {
        const char *partida = p + 1;
        if (desde_fen || LibroSql.Usar_Libro == 0) {
            LibroSql.Fuera_De_Libro = 1;
        } else {
            LibroSql.Partida_Libro[0] = '\0';
            if (strlen(partida) < static_cast<size_t>(LibroSql.Limite_Libro) * 10) {
                strncpy(LibroSql.Partida_Libro, partida, 100);
                LibroSql.Partida_Libro[100] = '\0';
            } else {
                LibroSql.Fuera_De_Libro = 1;
            }
        }
    }

    // 6. The moves, one word at a time.
    for (;;) {
        p = LeerPalabra(p, palabra);
        if (palabra[0] == '\0') break;
        Movimiento(palabra, &aplicado);
    }
}

void UciNewGame() {
    // 1. Board colours, book state and the key history.
    LlenarColorCasilla();
    LibroSql.Fuera_De_Libro = 0;
    memset(TableroGlobal.Historial_Claves, 0, sizeof(TableroGlobal.Historial_Claves));
    TableroGlobal.Turno = 1;
    TableroGlobal.Regla_50 = 0;
    TableroGlobal.Num_Historial = 0;

    // 2. What a search leaves behind: stop flag, counters, lines and history tables.
    LimpiarEstadoBusqueda();

    // 3. An empty table of the first generation, and no evaluation kept.
    LimpiarTransposicion();
    OlvidarEvaluaciones();

    // 4. Search control.
    TipoJuego.Tiempo_Limite = 0;
    TipoJuego.Tiempo_Inicio = 0;
    TipoJuego.Tiempo_Usado = 0;
    TipoJuego.Por_Tiempo = 0;
    TipoJuego.Infinito = 0;
    TipoJuego.Profundidad_Maxima = MAX_PROFUNDIDAD;
    TipoJuego.Jugadas = 0;

    // 5. The start position; its first word is not "fen".
    Position_Fen_Startpos(FEN_INICIAL);
}
