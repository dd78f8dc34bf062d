// Any bytes as the rest of a "setoption" line, then the "uci" reply that prints the
// settings back and an "isready" that applies them.
#include "fuzz/harness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *datos, size_t largo) {
    return fuzz::UnaLinea(datos, largo, "\n", "setoption ", {"uci", "isready"});
}
