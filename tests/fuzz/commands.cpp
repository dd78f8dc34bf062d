// Any bytes as the engine's input: split into lines as the command loop reads them (at most
// 65535 bytes a line, the newline kept) and run one after another.
#include "fuzz/harness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *datos, size_t largo) {
    fuzz::Reiniciar();
    const char *p = reinterpret_cast<const char *>(datos);
    for (size_t i = 0; i < largo;) {
        size_t fin = i;
        while (fin < largo && fin - i < 65535 && p[fin] != '\n') fin++;
        if (fin < largo && p[fin] == '\n' && fin - i < 65535) fin++;
        fuzz::EjecutarComando(std::string(p + i, fin - i));
        i = fin;
    }
    return 0;
}
