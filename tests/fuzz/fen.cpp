// Any bytes as the FEN of a "position fen" command (and its moves), then what an interface
// does next with a position: a short search and a small perft.
#include "fuzz/harness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *datos, size_t largo) {
    fuzz::Reiniciar();
    std::string texto(reinterpret_cast<const char *>(datos), largo);
    const size_t nl = texto.find_first_of("\r\n");
    if (nl != std::string::npos) texto.resize(nl);
    fuzz::EjecutarComando("position fen " + texto);
    fuzz::EjecutarComando("go depth 3");
    fuzz::EjecutarComando("perft 2");
    return 0;
}
