// Constant tables of the board subsystem.
#include "board/board.h"

// Exchange values by piece code: empty, code 0, 14 and 15 are worth nothing.
constexpr int32_t Valor_See[16] = {
    0, 100, 325, 325, 500, 1000, 10000, 0, 100, 325, 325, 500, 1000, 10000, 0, 0,
};
