// Any bytes as the rest of a "setoption" line, then the "uci" reply that prints the
// settings back and an "isready" that applies them.
#include "fuzz/harness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *datos, size_t largo) {
    fuzz::Reiniciar();
    std::string texto(reinterpret_cast<const char *>(datos), largo);
    const size_t nl = texto.find('\n');
    if (nl != std::string::npos) texto.resize(nl);
    fuzz::EjecutarComando("setoption " + texto);
    fuzz::EjecutarComando("uci");
    fuzz::EjecutarComando("isready");
    return 0;
}
