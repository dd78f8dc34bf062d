// Constant tables of the board subsystem.
#include "board/board.h"

// Exchange values by piece code: empty, code 0, 14 and 15 are worth nothing.
constexpr int32_t Valor_See[16] = {
    0, 100, 325, 325, 500, 1000, 10000, 0, 100, 325, 325, 500, 1000, 10000, 0, 0,
};

// Directions of the exchange's attacker search, in the order they are tried.
constexpr int32_t See_Mov_Ca[8] = {-17, -15, -10, -6, 6, 10, 15, 17};
constexpr int32_t See_Mov_Al[4] = {9, -9, -7, 7};
constexpr int32_t See_Mov_To[4] = {1, -1, -8, 8};
constexpr int32_t See_Mov_Da[8] = {-9, 9, -7, 7, 1, -1, 8, -8};
