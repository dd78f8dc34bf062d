#include "platform/platform.h"
#include "uci/uci.h"

int main() {
    IniciarMotor(ObtenerTicks());
    BucleComandos();
    return 0;
}
