// Perft speed: start position to depth 6 and Kiwipete to depth 5, every leaf made and
// unmade, then the same start-position count by stockfish for comparison. Wall-clock
// figures swing with the load of the machine, so processor times are given as well, and
// the ratio is also taken on them (stockfish's start-up time taken off).
#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <cstdio>
#include <cstring>
#include <string>

#include "board/board.h"
#include "platform/platform.h"
#include "uci/uci.h"

struct Medida {
    uint32_t ms;    // wall clock
    double cpu_ms;  // processor time
};

// Sets the position as the position command does.
static void Cargar(const char *fen) { Position_Fen_Startpos((std::string("fen ") + fen).c_str()); }

#ifdef _WIN32
// Windows counts leaves only: no process times from the runtime library (the CPU figures
// print 0) and no stockfish to compare with.
enum { RUSAGE_SELF };
static double CpuMs(int) { return 0; }
#else
// Processor milliseconds used so far by this process, or by its finished children.
static double CpuMs(int quien) {
    rusage r;
    getrusage(quien, &r);
    return (r.ru_utime.tv_sec + r.ru_stime.tv_sec) * 1000.0 +
           (r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1000.0;
}
#endif

// Leaves below the current position through MiniMax, as the perft command counts them.
static uint32_t Contar(int32_t profundidad, Medida *m) {
    std::memset(&TipoJuego, 0, sizeof(TipoJuego));
    TipoJuego.Profundidad_Maxima = profundidad;
    Estadisticas_Perft est;
    std::memset(&est, 0, sizeof(est));
    const uint32_t inicio = ObtenerTicks();
    const double cpu = CpuMs(RUSAGE_SELF);
    MiniMax(0, &est, 0);
    m->cpu_ms = CpuMs(RUSAGE_SELF) - cpu;
    m->ms = ObtenerTicks() - inicio;
    return est.Nodos;
}

static void Informar(const char *nombre, uint32_t hojas, uint32_t esperado, const Medida &m) {
    const double nps = m.ms > 0 ? hojas * 1000.0 / m.ms : 0.0;
    std::printf("%-18s leaves %u%s  ms %u  leaves/s %.0f  cpu ms %.0f\n", nombre, hojas,
                hojas == esperado ? "" : " (WRONG)", m.ms, nps, m.cpu_ms);
}

#ifndef _WIN32
// Feeds the commands to stockfish and times it; the leaves come from its "Nodes searched".
static uint64_t Stockfish(const char *comandos, Medida *m) {
    const std::string orden =
        std::string("printf '") + comandos + "' | /usr/games/stockfish 2>/dev/null";
    const uint32_t inicio = ObtenerTicks();
    const double cpu = CpuMs(RUSAGE_CHILDREN);
    FILE *p = popen(orden.c_str(), "r");
    if (!p) return 0;
    char linea[256];
    uint64_t nodos = 0;
    while (std::fgets(linea, sizeof(linea), p)) {
        unsigned long long n = 0;
        if (std::sscanf(linea, "Nodes searched: %llu", &n) == 1) nodos = n;
    }
    pclose(p);
    m->ms = ObtenerTicks() - inicio;
    m->cpu_ms = CpuMs(RUSAGE_CHILDREN) - cpu;
    return nodos;
}
#endif

int main() {
    IniciarMotor(1, 1);
    Medida inicial, kiwi;

    Cargar("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1");
    Informar("startpos perft 6", Contar(6, &inicial), 119060324u, inicial);

    Cargar("r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1");
    Informar("kiwipete perft 5", Contar(5, &kiwi), 193690690u, kiwi);
#ifndef _WIN32

    // Stockfish right after ours, then its bare start-up, which is taken off its time.
    Medida sf, arranque;
    const uint64_t nodos_sf = Stockfish("position startpos\\ngo perft 6\\nquit\\n", &sf);
    if (nodos_sf == 0) {
        std::printf("stockfish: not available\n");
        return 0;
    }
    Stockfish("quit\\n", &arranque);
    std::printf("stockfish perft 6  leaves %llu  ms %u  cpu ms %.0f (start-up %.0f)\n",
                static_cast<unsigned long long>(nodos_sf), sf.ms, sf.cpu_ms, arranque.cpu_ms);
    const double cpu_sf = sf.cpu_ms - arranque.cpu_ms;
    std::printf("ratio ours/stockfish, startpos perft 6: wall %.2f  cpu %.2f\n",
                sf.ms > 0 ? static_cast<double>(inicial.ms) / sf.ms : 0.0,
                cpu_sf > 0 ? inicial.cpu_ms / cpu_sf : 0.0);
#endif
    return 0;
}
