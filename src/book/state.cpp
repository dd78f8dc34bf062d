// The opening book record.
#include "book/book.h"

// No connection; OwnBook and OwnBookLimit are set by the start-up.
Registro_Libro LibroSql = {nullptr, nullptr, 0, 0, 0, "", "", ""};
