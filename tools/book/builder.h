// The book builder's parts: a streaming reader of book sources, the replay of a line by the
// engine, and the tree of lines with the number of games behind each move.
#pragma once

#include <cstdint>
#include <deque>
#include <istream>
#include <string>
#include <vector>

// Move words kept per line: no cut is longer.
inline constexpr size_t MAX_PALABRAS = 20;

// One opening line as read from a source, before its moves are replayed.
struct Linea_Fuente {
    std::vector<std::string> Jugadas;  // move words, SAN or coordinates
    std::vector<int32_t> Lineas;       // the input line of each move word
};

// Source formats, told by the first line that is not blank.
enum Formato_Fuente : int32_t { FUENTE_PGN, FUENTE_LISTA, FUENTE_COORDENADAS };

// Reads a source one line at a time, never holding more than a block of it: a PGN file (tags,
// comments, variations, NAGs, move numbers and results skipped), a tab-separated list whose
// movetext is in its "pgn" column, or lines of coordinate moves. A byte-order mark at the start
// is skipped. Any bytes are accepted.
struct Lector_Fuente {
    std::istream *Entrada = nullptr;
    std::string Nombre;
    std::vector<char> Bloque;
    size_t Pos = 0, Fin = 0;
    bool Agotada = false;
    int64_t Base = 0;    // bytes before the block
    int32_t Linea = 1;   // input line of the next byte
    int32_t Formato = FUENTE_PGN;
    bool Terminada = false;  // a list without a "pgn" column: nothing to read

    // List rows: the "pgn" column, the column of the next byte, whether the row holds text.
    size_t Columna_Pgn = 0, Columna = 0;
    bool Fila_Con_Texto = false;

    // Movetext: state, open variations, the word being read and its line.
    int32_t Estado = 0;
    int32_t Profundidad = 0;
    bool Comillas = false, Escape = false, Inicio_Linea = true, Larga = false;
    std::string Palabra;
    int32_t Linea_Palabra = 0;

    Linea_Fuente Actual;
    std::deque<Linea_Fuente> Listas;  // lines complete, not yet handed out
    std::vector<std::string> Rechazos;  // messages naming the source and the input line
};

// Starts reading entrada, named nombre in messages, through blocks of bloque bytes; the format
// is told from the first line that is not blank.
void AbrirFuente(Lector_Fuente &f, std::istream &entrada, const std::string &nombre,
                 size_t bloque = 1 << 20);
// Bytes of the source consumed so far.
int64_t BytesLeidos(const Lector_Fuente &f);
// The next line of the source into linea; false at the end. Rejections gathered on the way are
// left in f.Rechazos for the caller.
bool SiguienteLinea(Lector_Fuente &f, Linea_Fuente &linea);

// A coordinate move: from-square, to-square and an optional promotion letter.
bool EsCoordenada(const std::string &w);

// The next line of the source replayed from the start position with the engine's own moves,
// cut after plies plies and before a promotion; each word is a coordinate move when it reads as
// one, else SAN. The moves go to jugadas as from-square * 64 + to-square. A line with a word
// that is unreadable, illegal or ambiguous is skipped, its message (naming the source, the
// input line and the word) left in f.Rechazos after the reader's own. false at the end.
bool SiguienteJugadas(Lector_Fuente &f, int32_t plies, std::vector<uint16_t> &jugadas);

// The lines read so far as a tree of moves, each node counting the games that played it.
struct Nodo_Libro {
    uint32_t Padre, Hijo, Hermano;  // 0 = none; node 0 is the start position
    uint32_t Partidas;
    uint16_t Jugada;
};
using Arbol_Libro = std::deque<Nodo_Libro>;

void AnadirLinea(Arbol_Libro &arbol, const std::vector<uint16_t> &jugadas);
// The lines to write: each path whose moves were all played in at least minimo games, as long as
// it goes, ordered by its move text.
std::vector<uint32_t> LineasLibro(const Arbol_Libro &arbol, uint32_t minimo);
// The book's move text of the path that ends at nodo.
std::string TextoLinea(const Arbol_Libro &arbol, uint32_t nodo);
