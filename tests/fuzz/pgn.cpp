// Any bytes as a book source, read in small blocks, replayed and gathered as the book builder does.
#include <sstream>

#include "book/builder.h"
#include "fuzz/harness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *datos, size_t largo) {
    fuzz::Reiniciar();
    std::istringstream entrada(std::string(reinterpret_cast<const char *>(datos), largo));
    Lector_Fuente f;
    AbrirFuente(f, entrada, "fuzz", 64);
    Arbol_Libro arbol;
    std::vector<uint16_t> jugadas;
    while (SiguienteJugadas(f, 16, jugadas)) AnadirLinea(arbol, jugadas);
    for (uint32_t n : LineasLibro(arbol, 2)) TextoLinea(arbol, n);
    return 0;
}
