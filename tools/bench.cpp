// bench [depth] [solo]: fixed-depth search of a fixed list of positions: nodes per position,
// the total (the signature), time and speed; then the speed of stockfish's own bench for
// comparison ("solo" leaves it out).
// bench depth long [solo]: the same for the six positions of "bench infinite" with the engine's
// default hash size, so a fixed-depth run meets the table misses of long searches.
// bench infinite [ms] [solo]: the built engine as a user runs it (default settings), six of the
// positions each searched with "go infinite" and stopped after ms milliseconds (3000 by
// default); the speed is taken from the nodes and time of each search's last info line.
#ifndef _WIN32
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#endif
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "board/board.h"
#include "eval/eval.h"
#include "platform/platform.h"
#include "search/search.h"
#include "tablebase/tablebase.h"
#include "uci/uci.h"

static const char *const POSICIONES[] = {
    // Openings.
    "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
    "rnbqkbnr/pppp1ppp/8/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R b KQkq - 1 2",
    "r1bqkb1r/pppp1ppp/2n2n2/4p3/2B1P3/5N2/PPPP1PPP/RNBQK2R w KQkq - 4 4",
    "rnbqkb1r/pp2pppp/3p1n2/8/3NP3/8/PPP2PPP/RNBQKB1R w KQkq - 1 5",
    "rnbqk2r/ppp1ppbp/3p1np1/8/2PPP3/2N5/PP3PPP/R1BQKBNR w KQkq - 1 5",
    "r1bqk2r/pppp1ppp/2n2n2/2b1p3/2B1P3/2P2N2/PP1P1PPP/RNBQK2R w KQkq - 1 5",
    "rnbqkb1r/ppp2ppp/4pn2/3p4/2PP4/2N5/PP2PPPP/R1BQKBNR w KQkq - 2 4",
    "r1bqkbnr/pp1ppppp/2n5/2p5/4P3/5N2/PPPP1PPP/RNBQKB1R w KQkq - 2 3",
    // Middlegames.
    "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1",
    "r1bq1rk1/pp2bppp/2n1pn2/3p4/2PP4/2N1PN2/PP1B1PPP/R2QKB1R w KQ - 4 8",
    "r2q1rk1/pp1nbppp/2p1pn2/3p4/2PP1B2/2N1PN2/PPQ2PPP/R3KB1R w KQ - 2 9",
    "2rq1rk1/pb1nbppp/1p2pn2/2pp4/2PP4/1PN1PN2/PB2BPPP/2RQ1RK1 w - - 0 11",
    "r1b2rk1/2q1bppp/p2p1n2/np2p3/3PP3/2P2N1P/PPB2PP1/RNBQR1K1 w - - 1 12",
    "r4rk1/1pp1qppp/p1np1n2/2b1p1B1/2B1P1b1/P1NP1N2/1PP1QPPP/R4RK1 w - - 0 10",
    "2rr3k/pp3pp1/1nnqbN1p/3pN3/2pP4/2P3Q1/PPB4P/R4RK1 w - - 0 1",
    "r1bq2rk/pp3pbp/2p1p1pQ/7P/3P4/2PB1N2/PP3PPR/2KR4 w - - 0 1",
    "3r1rk1/p4ppp/1qp1b3/2b1p3/4P3/1BN1B3/PPPQ1PPP/3R1RK1 w - - 0 1",
    "r2qr1k1/1p1nbppp/p2p1n2/2pPp3/P1P1P3/2N1BN1P/1P2BPP1/R2Q1RK1 b - - 0 13",
    "1r2r1k1/3bnppp/p2q4/2RPp3/4P3/6P1/2Q1NPBP/2R3K1 w - - 0 1",
    "r1b1r1k1/1pq1bppp/p2ppn2/6B1/3NP3/2N2P2/PPPQ2PP/2KR1B1R w - - 0 12",
    // Endgames.
    "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1",
    "8/8/4k3/8/2p5/8/B2P2K1/8 w - - 0 1",
    "8/8/1P6/5pr1/8/4R3/7k/2K5 w - - 0 1",
    "8/3k4/8/8/8/4B3/4KB2/2B5 w - - 0 1",
    "6k1/5ppp/8/8/8/8/5PPP/3R2K1 w - - 0 1",
    "8/8/8/3k4/8/8/3PK3/8 w - - 0 1",
    "5k2/8/3K4/4P3/8/8/8/8 w - - 0 1",
    "8/5pk1/6p1/7p/5P1P/6P1/5K2/3r4 b - - 0 1",
    "4r1k1/5pp1/7p/8/8/1P5P/P4PP1/2R3K1 w - - 0 1",
    "8/8/8/8/4k3/8/2q5/K7 b - - 0 1",
};
#ifdef _WIN32
// Windows runs only the fixed-depth search: no child engine, no stockfish, and no process
// times from the runtime library, so the CPU figure prints 0.
static double SegundosCpu() { return 0; }
#else
static double Segundos(const timeval &t) { return t.tv_sec + t.tv_usec * 1e-6; }

// CPU seconds used by this process so far.
static double SegundosCpu() {
    rusage r;
    getrusage(RUSAGE_SELF, &r);
    return Segundos(r.ru_utime);
}
#endif

static const int NUM_POSICIONES = sizeof(POSICIONES) / sizeof(POSICIONES[0]);

#ifndef _WIN32
// Stockfish's "bench 16 1 13" (single thread): its own wall-clock nodes per second, and its
// nodes per CPU second from the child's resource usage.
static void VelocidadStockfish(long long *nps, long long *nps_cpu) {
    *nps = *nps_cpu = -1;
    rusage antes, despues;
    getrusage(RUSAGE_CHILDREN, &antes);
    FILE *p = popen("/usr/games/stockfish bench 16 1 13 2>&1", "r");
    if (p == nullptr) return;
    char linea[256];
    long long nodos = -1;
    while (std::fgets(linea, sizeof(linea), p) != nullptr) {
        const char *c = std::strchr(linea, ':');
        if (c == nullptr) continue;
        if (std::strncmp(linea, "Nodes/second", 12) == 0) *nps = std::atoll(c + 1);
        if (std::strncmp(linea, "Nodes searched", 14) == 0) nodos = std::atoll(c + 1);
    }
    pclose(p);
    getrusage(RUSAGE_CHILDREN, &despues);
    const double cpu = Segundos(despues.ru_utime) - Segundos(antes.ru_utime);
    if (nodos > 0 && cpu > 0) *nps_cpu = static_cast<long long>(nodos / cpu);
}
#endif

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

// Two openings, three middlegames and an ending of the list.
static const int POSICIONES_INFINITO[6] = {0, 5, 9, 12, 17, 20};

#ifndef _WIN32
// Stockfish's speed and the ratio of ours to it, from the same run.
static void CompararStockfish(FILE *informe, uint64_t nps, long long nps_cpu) {
    long long sf, sf_cpu;
    VelocidadStockfish(&sf, &sf_cpu);
    std::fprintf(informe, "Stockfish nps    : %lld (per CPU second %lld)\n", sf, sf_cpu);
    if (sf > 0 && sf_cpu > 0) {
        std::fprintf(informe, "Ratio            : %.2f", static_cast<double>(nps) / sf);
        if (nps_cpu > 0)
            std::fprintf(informe, " (per CPU second %.2f)", static_cast<double>(nps_cpu) / sf_cpu);
        std::fprintf(informe, "\n");
    }
}

// The engine as a child process on two pipes.
struct Motor {
    pid_t pid = -1;
    int entrada = -1, salida = -1;
    std::string pendiente;
};

static bool Enviar(Motor &m, const std::string &texto) {
    return write(m.entrada, texto.data(), texto.size()) == static_cast<ssize_t>(texto.size());
}

// Reads lines until one starts with prefijo (within limite_ms); the last line holding both
// " nodes " and " time " is kept in *info. False on time-out or end of output.
static bool Esperar(Motor &m, const char *prefijo, int limite_ms, std::string *info) {
    const uint32_t inicio = ObtenerTicks();
    for (;;) {
        size_t fin;
        while ((fin = m.pendiente.find('\n')) != std::string::npos) {
            const std::string linea = m.pendiente.substr(0, fin);
            m.pendiente.erase(0, fin + 1);
            if (info != nullptr && linea.find(" nodes ") != std::string::npos &&
                linea.find(" time ") != std::string::npos)
                *info = linea;
            if (linea.rfind(prefijo, 0) == 0) return true;
        }
        const int resto = limite_ms - static_cast<int>(ObtenerTicks() - inicio);
        pollfd p{m.salida, POLLIN, 0};
        if (resto <= 0 || poll(&p, 1, resto) <= 0) return false;
        char buffer[4096];
        const ssize_t n = read(m.salida, buffer, sizeof(buffer));
        if (n <= 0) return false;
        m.pendiente.append(buffer, static_cast<size_t>(n));
    }
}

static bool Arrancar(Motor &m, const std::string &ruta) {
    int a[2], b[2];
    if (pipe(a) != 0) return false;
    if (pipe(b) != 0) {
        close(a[0]);
        close(a[1]);
        return false;
    }
    m.pid = fork();
    if (m.pid == 0) {
        dup2(a[0], 0);
        dup2(b[1], 1);
        close(a[0]);
        close(a[1]);
        close(b[0]);
        close(b[1]);
        execl(ruta.c_str(), ruta.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    close(a[0]);
    close(b[1]);
    m.entrada = a[1];
    m.salida = b[0];
    return m.pid > 0 && Enviar(m, "uci\n") && Esperar(m, "uciok", 10000, nullptr);
}

static void Parar(Motor &m) {
    if (m.pid <= 0) return;
    Enviar(m, "quit\n");
    close(m.entrada);
    close(m.salida);
    int estado = 0;
    for (int i = 0; i < 40 && waitpid(m.pid, &estado, WNOHANG) == 0; i++) usleep(50000);
    if (waitpid(m.pid, &estado, WNOHANG) == 0) {
        kill(m.pid, SIGKILL);
        waitpid(m.pid, &estado, 0);
    }
}

// The number after " word " in an info line, or 0.
static uint64_t Campo(const std::string &linea, const char *palabra) {
    const size_t p = linea.find(palabra);
    return p == std::string::npos ? 0 : std::strtoull(linea.c_str() + p + std::strlen(palabra),
                                                       nullptr, 10);
}

static int BenchInfinito(const char *programa, int ms, bool con_stockfish) {
    // The engine built next to this tool.
    std::string ruta = programa;
    const size_t barra = ruta.rfind('/');
    ruta = (barra == std::string::npos ? std::string(".") : ruta.substr(0, barra)) + "/vantor";
    Motor m;
    signal(SIGPIPE, SIG_IGN);
    if (!Arrancar(m, ruta)) {
        std::printf("%s does not start\n", ruta.c_str());
        Parar(m);
        return 1;
    }
    uint64_t nodos = 0, tiempo = 0;
    for (int i : POSICIONES_INFINITO) {
        std::string info;
        const bool ok = Enviar(m, std::string("ucinewgame\nposition fen ") + POSICIONES[i] +
                                      "\nisready\n") &&
                        Esperar(m, "readyok", 60000, nullptr) && Enviar(m, "go infinite\n");
        usleep(static_cast<useconds_t>(ms) * 1000);
        if (!ok || !Enviar(m, "stop\n") || !Esperar(m, "bestmove", 10000, &info)) {
            std::printf("no answer on position %d\n", i + 1);
            Parar(m);
            return 1;
        }
        const uint64_t n = Campo(info, " nodes "), t = Campo(info, " time ");
        nodos += n;
        tiempo += t;
        std::printf("%2d %10llu %6llu ms  %s\n", i + 1, static_cast<unsigned long long>(n),
                    static_cast<unsigned long long>(t), POSICIONES[i]);
    }
    Parar(m);
    const uint64_t nps = tiempo ? nodos * 1000 / tiempo : 0;
    std::printf("===========================\n");
    std::printf("Search time (ms) : %d per position, go infinite then stop\n", ms);
    std::printf("Nodes (last info): %llu in %llu ms\n", static_cast<unsigned long long>(nodos),
                static_cast<unsigned long long>(tiempo));
    std::printf("Nodes/second     : %llu\n", static_cast<unsigned long long>(nps));
    if (con_stockfish) CompararStockfish(stdout, nps, 0);
    return 0;
}
#endif

int main(int argc, char **argv) {
    const bool solo = argc > 2 && std::strcmp(argv[argc - 1], "solo") == 0;
#ifdef _WIN32
    if (!solo || (argc > 1 && std::strcmp(argv[1], "infinite") == 0)) {
        std::printf("Windows runs only \"bench [depth] [long] solo\".\n");
        return 1;
    }
#else
    if (argc > 1 && std::strcmp(argv[1], "infinite") == 0) {
        const int ms = argc > 2 && std::strcmp(argv[2], "solo") != 0 ? std::atoi(argv[2]) : 3000;
        return BenchInfinito(argv[0], ms > 0 ? ms : 3000, !solo);
    }
#endif
    const int profundidad = argc > 1 ? std::atoi(argv[1]) : 9;
    [[maybe_unused]] const bool con_stockfish = !solo;
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
    for (int i = 0; i < NUM_POSICIONES; i++) {
        if (largo && std::find(std::begin(POSICIONES_INFINITO), std::end(POSICIONES_INFINITO), i) ==
                         std::end(POSICIONES_INFINITO))
            continue;
        FILE *lineas = std::tmpfile();
        dup2(fileno(lineas), 1);
        UciNewGame();
        const std::string pos = std::string("fen ") + POSICIONES[i];
        Position_Fen_Startpos(pos.c_str());
        TipoJuego.Mostrar_Pv = 0;
        const uint32_t inicio = ObtenerTicks();
        const double inicio_cpu = SegundosCpu();
        ComandoGo(orden);
        const uint32_t usado = ObtenerTicks() - inicio;
        cpu += SegundosCpu() - inicio_cpu;
        std::fflush(stdout);
        dup2(salida, 1);
        // The driver clears the node counter after bestmove: its last report keeps the figure.
        const uint32_t nodos = NodosInformados(lineas);
        std::fclose(lineas);
        total += nodos;
        tiempo += usado;
        std::fprintf(informe, "%2d %10u %6u ms  %s\n", i + 1, nodos, usado, POSICIONES[i]);
    }
    const uint64_t nps = tiempo ? total * 1000 / tiempo : 0;
    std::fprintf(informe, "===========================\n");
    std::fprintf(informe, "Depth            : %d\n", profundidad);
    std::fprintf(informe, "Total time (ms)  : %u\n", tiempo);
    std::fprintf(informe, "Nodes searched   : %llu\n", static_cast<unsigned long long>(total));
    std::fprintf(informe, "Nodes/second     : %llu\n", static_cast<unsigned long long>(nps));
    const long long nps_cpu = cpu > 0 ? static_cast<long long>(total / cpu) : 0;
    std::fprintf(informe, "Nodes/CPU second : %lld\n", nps_cpu);
#ifndef _WIN32
    if (con_stockfish) CompararStockfish(informe, nps, nps_cpu);
#endif
    LiberarTransposicion();
    return 0;
}
