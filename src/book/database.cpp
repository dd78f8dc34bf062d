// Opening and closing the book database, and counting its lines.
#include <sqlite3.h>

#include <cstdio>
#include <cstring>

#include "book/book.h"

static_assert((SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_URI) == 0x46);

int32_t AbrirBaseDeDatos() {
    // A missing file is created empty, and then simply holds no line.
    int rc = sqlite3_open_v2("file:Book.db", &LibroSql.Base_Datos,
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_URI,
                             nullptr);
    return rc == SQLITE_OK ? 1 : 0;
}

int32_t CerrarBaseDeDatos() {
    if (LibroSql.Sentencia != nullptr) sqlite3_finalize(LibroSql.Sentencia);
    // A failed open still hands back a connection that must be closed.
    if (LibroSql.Base_Datos != nullptr) sqlite3_close(LibroSql.Base_Datos);
    LibroSql.Sentencia = nullptr;
    LibroSql.Base_Datos = nullptr;
    LibroSql.Partida_Libro[0] = '\0';
    return 0;
}

int32_t ObtenerNumeroAperturas() {
    snprintf(LibroSql.Consulta_Sql, sizeof(LibroSql.Consulta_Sql),
             "SELECT COUNT(Partida) FROM Book;");
    if (sqlite3_prepare_v2(LibroSql.Base_Datos, LibroSql.Consulta_Sql, -1, &LibroSql.Sentencia,
                           nullptr) != SQLITE_OK) {
        return 0;
    }
    int32_t n = 0;
    while (sqlite3_step(LibroSql.Sentencia) == SQLITE_ROW)
        n = sqlite3_column_int(LibroSql.Sentencia, 0);
    sqlite3_finalize(LibroSql.Sentencia);
    LibroSql.Sentencia = nullptr;
    return n;
}
