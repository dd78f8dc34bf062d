// The opening book record.
#include "book/book.h"

// No connection, in book until a "position" says otherwise, OwnBook off, limit of 8 moves.
Registro_Libro LibroSql = {nullptr, nullptr, 0, 0, 8, "", "", ""};
