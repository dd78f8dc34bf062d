// Opening book state.
#pragma once

#include <cstdint>

struct sqlite3;
struct sqlite3_stmt;

struct Registro_Libro {
    sqlite3 *Base_Datos;
    sqlite3_stmt *Sentencia;
    int32_t Fuera_De_Libro;  // 1 = no book move for the rest of this game
    int32_t Usar_Libro;
    int32_t Limite_Libro;
    char Partida_Libro[101];
    char Jugada_Libro[5];
    char Consulta_Sql[256];
};

extern Registro_Libro LibroSql;
