// The book probe of "go": a random line among those that continue the game.
#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "book/book.h"

// The lines read for one probe, each cut to 100 characters.
static char Filas_Libro[15][101];

// No book move: the book is closed and stays unused until the next "position".
static int32_t DejarLibro() {
    CerrarBaseDeDatos();
    LibroSql.Fuera_De_Libro = 1;
    return 0;
}

int32_t JugarLibro() {
    Registro_Libro &l = LibroSql;

    // 1. Out of book, or the book is off.
    if (l.Fuera_De_Libro == 1 || l.Usar_Libro == 0) return CerrarBaseDeDatos();

    // 2. Open.
    if (!AbrirBaseDeDatos()) {
        printf("Libro de apertura cargado: No.\n");
        return DejarLibro();
    }

    // 3. Fresh buffers.
    l.Consulta_Sql[0] = '\0';
    l.Jugada_Libro[0] = '\0';
    memset(Filas_Libro, 0, sizeof(Filas_Libro));

    // 4.-5. The lines that continue the game, or a window at a random offset from the start.
    const size_t largo = strlen(l.Partida_Libro);
    int rc;
    if (largo > 0) {
        // The lines that begin with the game text, as LIKE 'text%' selects them (ASCII case
        // ignored, '%' and '_' in the text as wildcards, up to 15 rows in the table's order),
        // with the pattern bound rather than written into the statement. A quote would end
        // the statement's literal, so it would not prepare: a text with one continues no line.
        if (strchr(l.Partida_Libro, '\'') != nullptr) return DejarLibro();
        char patron[sizeof(l.Partida_Libro) + 1];
        snprintf(patron, sizeof(patron), "%s%%", l.Partida_Libro);
        snprintf(l.Consulta_Sql, sizeof(l.Consulta_Sql),
                 "SELECT Partida FROM Book WHERE Partida LIKE ?1 LIMIT 15;");
        rc = sqlite3_prepare_v2(l.Base_Datos, l.Consulta_Sql, -1, &l.Sentencia, nullptr);
        if (rc == SQLITE_OK) rc = sqlite3_bind_text(l.Sentencia, 1, patron, -1, SQLITE_TRANSIENT);
    } else {
        const int32_t n = ObtenerNumeroAperturas();
        // A single line has no offset to draw from: its first move is played.
        const int32_t k = n >= 2 ? rand() % (n - 1) + 1 : 0;
        snprintf(l.Consulta_Sql, sizeof(l.Consulta_Sql), "%s%d, 15;",
                 "SELECT Partida FROM Book LIMIT ", k);
        rc = sqlite3_prepare_v2(l.Base_Datos, l.Consulta_Sql, -1, &l.Sentencia, nullptr);
    }
    if (rc != SQLITE_OK) return DejarLibro();

    // 6. The rows.
    int32_t filas = 0;
    while ((rc = sqlite3_step(l.Sentencia)) == SQLITE_ROW) {
        const unsigned char *texto = sqlite3_column_text(l.Sentencia, 0);
        if (filas < 15) {
            snprintf(Filas_Libro[filas++], 101, "%.100s",
                     texto != nullptr ? reinterpret_cast<const char *>(texto) : "");
        }
    }

    // 7. Nothing read, or a failed step.
    if (rc != SQLITE_DONE) {
        printf("Error en el libro de apertura.\n");
        printf("C\363digo de error: %d\n", rc);
        return DejarLibro();
    }
    if (filas == 0) return DejarLibro();

    // 8. The four characters after the game text and its space, in a random row. Where the
    // character after the text is not a space (a "position" line ending in a blank, or a text
    // that stops inside a move) the row would give a broken move: it gives none, on purpose.
    const char *fila = Filas_Libro[rand() % filas];
    if (largo == 0) snprintf(l.Jugada_Libro, sizeof(l.Jugada_Libro), "%.4s", fila);
    else if (strlen(fila) > largo && fila[largo] == ' ')
        snprintf(l.Jugada_Libro, sizeof(l.Jugada_Libro), "%.4s", fila + largo + 1);

    // 9. The chosen line ends where the game stands.
    if (l.Jugada_Libro[0] == '\0') return DejarLibro();

    // 10. The book move, played unchecked.
    CerrarBaseDeDatos();
    l.Fuera_De_Libro = 0;
    printf("bestmove %s\n", l.Jugada_Libro);
    printf("info string Libro de aperturas.\n");
    return 1;
}
