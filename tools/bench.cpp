// bench [depth] [long]: fixed-depth search of a fixed list of positions with a constant key
// seed and fresh tables: nodes per position, the total (the signature), time and speed.
// With "long" only the six longer positions, at the engine's default hash size, so that a
// fixed-depth run meets the table misses of long searches. A trailing "solo" of older command
// lines is accepted and changes nothing. The peers tool compares the speed with other engines.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "board/board.h"
#include "platform/platform.h"
#include "positions.h"
#include "search/search.h"
#include "uci/uci.h"

// The nodes figure of the last "info depth" line written to the scratch file.
static uint32_t NodosInformados(FILE *lineas) {
    std::rewind(lineas);
    char linea[4096];
    uint32_t nodos = 0;
    while (std::fgets(linea, sizeof(linea), lineas) != nullptr) {
        const char *c = std::strstr(linea, " nodes ");
        if (std::strncmp(linea, "info depth", 10) == 0 && c != nullptr) {
            nodos = static_cast<uint32_t>(std::strtoul(c + 7, nullptr, 10));
        }
    }
    return nodos;
}

int main(int argc, char **argv) {
    const int profundidad = argc > 1 ? std::atoi(argv[1]) : 9;
    const bool largo = argc > 2 && std::strcmp(argv[2], "long") == 0;

    // The start-up pieces with a constant seed and a fixed hash size; no book, no tablebases.
    IniciarMotor(1, largo ? MEGAS_INICIALES : 32);
    // Keys from a generator of our own, so that the node total is the same on every C library.
    IniciarClavesFijas(1);

    // The engine's own lines go to a scratch file, read back for the node count of the final
    // report; the figures go to the saved standard output.
    std::fflush(stdout);
    const int salida = dup(1);
    FILE *informe = fdopen(salida, "w");
    setvbuf(informe, nullptr, _IONBF, 0);

    uint64_t total = 0;
    uint32_t tiempo = 0;
    double cpu = 0;
    char orden[32];
    std::snprintf(orden, sizeof(orden), "depth %d", profundidad);
    for (int i = 0; i < NUM_POSICIONES_BENCH; i++) {
        if (largo && std::find(std::begin(POSICIONES_LARGAS), std::end(POSICIONES_LARGAS), i) ==
                         std::end(POSICIONES_LARGAS))
            continue;
        FILE *lineas = std::tmpfile();
        dup2(fileno(lineas), 1);
        UciNewGame();
        const std::string pos = std::string("fen ") + POSICIONES_BENCH[i];
        Position_Fen_Startpos(pos.c_str());
        TipoJuego.Mostrar_Pv = 0;
        const uint32_t inicio = ObtenerTicks();
        const double inicio_cpu = SegundosProceso();
        ComandoGo(orden);
        const uint32_t usado = ObtenerTicks() - inicio;
        cpu += SegundosProceso() - inicio_cpu;
        std::fflush(stdout);
        dup2(salida, 1);
        // The driver clears the node counter after bestmove: its last report keeps the figure.
        const uint32_t nodos = NodosInformados(lineas);
        std::fclose(lineas);
        total += nodos;
        tiempo += usado;
        std::fprintf(informe, "%2d %10u %6u ms  %s\n", i + 1, nodos, usado, POSICIONES_BENCH[i]);
    }
    const uint64_t nps = tiempo ? total * 1000 / tiempo : 0;
    std::fprintf(informe, "===========================\n");
    std::fprintf(informe, "Depth            : %d\n", profundidad);
    std::fprintf(informe, "Total time (ms)  : %u\n", tiempo);
    std::fprintf(informe, "Nodes searched   : %llu\n", static_cast<unsigned long long>(total));
    std::fprintf(informe, "Nodes/second     : %llu\n", static_cast<unsigned long long>(nps));
    const long long nps_cpu = cpu > 0 ? static_cast<long long>(total / cpu) : 0;
    std::fprintf(informe, "Nodes/CPU second : %lld\n", nps_cpu);
    LiberarTransposicion();
    return 0;
}
