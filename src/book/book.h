// Opening book: the SQLite book at "go" and the "book" check.
#pragma once

#include <cstdint>

#include "board/board.h"

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

// The book database "Book.db" of the working directory.
int32_t AbrirBaseDeDatos();        // 1 when the connection opened
int32_t CerrarBaseDeDatos();       // statement and connection closed, game text cleared; 0
int32_t ObtenerNumeroAperturas();  // rows of the book, 0 when it cannot be counted

// The probe run first by "go": 1 when it answered with a book move.
int32_t JugarLibro();
// The "book" command: replays every line of the book.
void ComprobarLibro();

// Defined by the front end (uci/position.cpp): the check replays each line exactly as a
// "position" command does, through the two functions that command runs.
void Position_Fen_Startpos(const char *texto);
void Movimiento(const char *texto, int32_t *aplicado);
