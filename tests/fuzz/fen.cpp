// Any bytes as the FEN of a "position fen" command (and its moves), then what an interface
// does next with a position: a short search and a small perft.
#include "fuzz/harness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *datos, size_t largo) {
    return fuzz::UnaLinea(datos, largo, "\r\n", "position fen ", {"go depth 3", "perft 2"});
}
