#include <cstdio>

#include "platform/platform.h"
#include "search/search.h"
#include "uci/uci.h"

int main() {
    // Replies reach the interface at once, and the input poll of the search sees exactly what
    // the command reader has not consumed: both streams unbuffered before anything is read.
    setvbuf(stdout, nullptr, _IONBF, 0);
    setvbuf(stdin, nullptr, _IONBF, 0);
    IniciarMotor(ObtenerTicks(), MEGAS_INICIALES);
    BucleComandos();
    return 0;
}
