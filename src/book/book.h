// Opening book: the SQLite book at "go", the "book" check and the reader of book sources.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

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

// Book sources for the builder: text in, lines out, no input or output of their own.

// One opening line as read from a source, before its moves are replayed.
struct Linea_Fuente {
    std::vector<std::string> Jugadas;  // move words: SAN, or coordinates when Coordenadas
    std::vector<int32_t> Lineas;       // the input line of each move word
    int32_t Linea;                     // the input line where it starts
    int32_t Coordenadas;
};

// Splits a source into its lines: a PGN file (SAN movetext; tags, comments, variations,
// NAGs, move numbers and results skipped), a tab-separated list with a "pgn" column, or
// lines of coordinate moves. Lines that cannot be read are added to rechazos as messages
// naming nombre and the input line. Any bytes are accepted.
std::vector<Linea_Fuente> LeerFuenteLibro(const std::string &nombre, const std::string &texto,
                                          std::vector<std::string> &rechazos);

// Replays a line from the start position with the engine's own moves, cut after plies plies
// and before a promotion, into the book's move text. 0 with a message naming nombre, the
// input line and the move when a move is unreadable, illegal or ambiguous.
int32_t ConvertirLineaLibro(const std::string &nombre, const Linea_Fuente &linea, int32_t plies,
                            std::string &texto, std::string &mensaje);

// Sorts the lines and drops duplicates and lines that a kept line continues; returns how
// many were dropped.
int32_t DepurarLineasLibro(std::vector<std::string> &lineas);
