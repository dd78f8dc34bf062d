// The "book" command: every line of the book replayed from the start position.
#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "book/book.h"

// The three error lines naming the line, then the book is closed.
static void ErrorLibro(int codigo, const char *linea) {
    printf("Error en el libro de apertura.\n");
    printf("C\363digo de error: %d\n", codigo);
    printf("Apertura incorrecta en: %s\n", linea);
    CerrarBaseDeDatos();
}

// Plays one move of a line; 0 when it is not a generated move (Movimiento has printed why) or
// is too long for a move of the book.
static int32_t JugarMovimientoLibro(const char *texto, size_t largo) {
    if (largo > 4) return 0;
    memcpy(LibroSql.Jugada_Libro, texto, largo);
    LibroSql.Jugada_Libro[largo] = '\0';
    int32_t aplicado = 0;
    Movimiento(LibroSql.Jugada_Libro, &aplicado);
    // The check goes on running; only the line is wrong.
    if (!aplicado) Salir = 0;
    return aplicado;
}

// Plays the moves of a line: its first four characters, then from each later space the text
// up to the next one. 0 at the first move that cannot be played.
static int32_t ReproducirLinea(const char *texto) {
    const size_t primera = std::min<size_t>(strlen(texto), 4);
    if (!JugarMovimientoLibro(texto, primera)) return 0;
    for (const char *p = strchr(texto + primera, ' '); p != nullptr;) {
        const char *fin = strchr(p + 1, ' ');
        const size_t largo = fin != nullptr ? static_cast<size_t>(fin - p - 1) : strlen(p + 1);
        if (!JugarMovimientoLibro(p + 1, largo)) return 0;
        p = fin;
    }
    return 1;
}

void ComprobarLibro() {
    Registro_Libro &l = LibroSql;
    char linea[101] = "";

    // 1.-2. Open.
    printf("Analizando libro de aperturas...\n");
    if (!AbrirBaseDeDatos()) {
        printf("Libro de apertura cargado: No.\n");
        CerrarBaseDeDatos();
        l.Fuera_De_Libro = 1;
        return;
    }

    // 3. Every line. Only SQLite's generic error (no such table or column) means a corrupt book;
    // after any other failure the statement is null, and stepping it answers the misuse code.
    snprintf(l.Consulta_Sql, sizeof(l.Consulta_Sql), "SELECT Partida FROM Book;");
    int rc = sqlite3_prepare_v2(l.Base_Datos, l.Consulta_Sql, -1, &l.Sentencia, nullptr);
    if (rc == SQLITE_ERROR) {
        printf("Error: Libro de aperturas corrupto.\n");
        CerrarBaseDeDatos();
        return;
    }

    // 4. Each line from the start position.
    while ((rc = sqlite3_step(l.Sentencia)) == SQLITE_ROW) {
        const unsigned char *t = sqlite3_column_text(l.Sentencia, 0);
        const char *texto = t != nullptr ? reinterpret_cast<const char *>(t) : "";
        // A line too long for the copy shows nothing in the message.
        snprintf(linea, sizeof(linea), "%s", strlen(texto) <= 100 ? texto : "");
        Position_Fen_Startpos(FEN_INICIAL);
        if (!ReproducirLinea(texto)) return ErrorLibro(100, linea);
    }

    // 5. All lines done, or a failed step.
    if (rc != SQLITE_DONE) return ErrorLibro(rc, linea);
    printf("Libro de apertura correcto.\n");
    CerrarBaseDeDatos();
}
