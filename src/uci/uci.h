// The UCI front end: start-up, command loop, options, position, go and reports.
#pragma once

#include <cstdint>

#include "board/board.h"
#include "book/book.h"

// The start-up sequence with keys drawn from semilla and a table of megas megabytes: the engine
// passes the tick count and the default size, tools, tests and fuzzers fixed ones.
void IniciarMotor(uint32_t semilla, int32_t megas);
void AjustesIniciales();  // every option but Hash at its default (the option table)
void BucleComandos();                 // runs until Salir, then shuts down
int32_t EjecutarLinea(char *linea);   // one line read from the input: trimmed, dispatched; Salir
void Apagar();                        // frees tables, unloads the library, exits with 0

// Reads one word (space-separated, at most 78 characters) into buffer (80 bytes);
// returns the position of the character that ended the word.
const char *LeerPalabra(const char *texto, char *buffer);

// Commands.
void ComandoUci();
void ComandoIsReady();
void ComandoSetOption(const char *resto);
void ComandoGo(const char *resto);
void UciNewGame();
// Position_Fen_Startpos and Movimiento: declared with the book, whose check replays lines
// through them.

// Time control (the search's time check, declared with the search) and reports.
void ImprimirPv(int32_t profundidad, int32_t *impreso, int32_t puntuacion, int32_t cota);

// Internal to uci/.
void ImprimirOpciones();                // the eight option lines of the "uci" reply
void QuitarFinDeLinea(char *linea);     // drops a final newline and a carriage return before it

// The "go" parameters after parsing.
struct Parametros_Go {
    int32_t wtime, btime, winc, binc, movestogo, movetime;
};
// Sets the budget and the depth limit; 1 when a search must run, 0 when nothing is searched.
int32_t CalcularPresupuesto(const Parametros_Go *p);
void IniciarBusqueda();  // iterative deepening up to "bestmove" and the resets after it
// Clears what a search leaves behind: the stop flag, the node and hit counters, the lines and
// the history tables (after every search and at a new game).
void LimpiarEstadoBusqueda();
