// Any bytes as a book source, read, replayed and cleaned as the book builder does.
#include "book/book.h"
#include "fuzz/fuzz_motor.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *datos, size_t largo) {
    fuzz::Reiniciar();
    std::vector<std::string> rechazos, textos;
    const std::string fuente(reinterpret_cast<const char *>(datos), largo);
    for (const Linea_Fuente &l : LeerFuenteLibro("fuzz", fuente, rechazos)) {
        std::string texto, mensaje;
        if (ConvertirLineaLibro("fuzz", l, 16, texto, mensaje)) textos.push_back(texto);
    }
    DepurarLineasLibro(textos);
    return 0;
}
