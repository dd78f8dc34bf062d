// peers [seconds S] [rounds R] [depth D] [build PATH ...] [only nps|callgrind|bench|perft]: our
// engine against the installed engines of its kind (and other builds of ours given by path),
// in one run and with the same settings for all:
//  1. nodes per second: the six long positions of bench, "go infinite" for S seconds each
//     (3 by default), Hash 128, one thread, book and pondering off, after a one-second
//     warm-up; the engines take turns on each position, R rounds (1 by default). Nodes and
//     time come from each search's last info line that has both.
//  2. instructions per node under callgrind: "go depth D" (12 by default), Hash 16, on one
//     middlegame position; the instructions of a run that only starts the engine and sets
//     the position are taken off.
//  3. stockfish's own bench against ours (bench 9), and
//  4. stockfish's "go perft 6" against our perft 6 from the start position, wall time from
//     the command to the answer and processor time less the engine's start-up.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "positions.h"
#include "support/process.h"

static const char *const POSICION_CALLGRIND =
    "r1bq1rk1/pp2bppp/2n1pn2/3p4/2PP4/2N1PN2/PP3PPP/R2QKB1R w KQ - 0 8";
static const char *const VALGRIND = "/usr/bin/valgrind";
static const char *const STOCKFISH = "/usr/games/stockfish";
static const int ESPERA_MS = 60000;  // for any answer that is not a search

struct Motor {
    std::string paquete, ruta;  // Debian package (empty for ours) and program
    std::string nombre;         // from "id name"
    Proceso p;
};

// The number after " palabra " in a line, or -1.
static long long Campo(const std::string &linea, const char *palabra) {
    const std::string clave = std::string(" ") + palabra + " ";
    const size_t i = linea.find(clave);
    return i == std::string::npos ? -1 : std::atoll(linea.c_str() + i + clave.size());
}

// The number after the colon of the first line that starts with prefijo, or -1.
static long long Cifra(const std::string &texto, const char *prefijo) {
    for (size_t i = 0; i < texto.size();) {
        const size_t fin = std::min(texto.find('\n', i), texto.size());
        const std::string l = texto.substr(i, fin - i);
        if (l.find(prefijo) != std::string::npos && l.find(':') != std::string::npos)
            return std::atoll(l.c_str() + l.find(':') + 1);
        i = fin + 1;
    }
    return -1;
}

// Starts the engine (under the command in delante, e.g. valgrind), reads its options and sets
// the common ones that it has; 1 when it answered "readyok".
static int Abrir(Motor &m, int megas, const std::vector<std::string> &delante = {},
                 int espera_ms = ESPERA_MS) {
    std::vector<std::string> args = delante;
    args.push_back(m.ruta);
    if (!Lanzar(m.p, args, "", !delante.empty()) || !Escribir(m.p, "uci\n")) return 0;
    std::string l, ajustes = "setoption name Hash value " + std::to_string(megas) + "\n";
    while (EsperarLinea(m.p, "", espera_ms, &l) == 1 && l != "uciok") {
        if (l.rfind("id name ", 0) == 0 && m.paquete != "build") m.nombre = l.substr(8);
        const size_t fin = l.find(" type ");
        if (l.rfind("option name ", 0) != 0 || fin == std::string::npos) continue;
        const std::string opcion = l.substr(12, fin - 12);
        if (opcion == "Threads" || opcion == "Number of Threads")
            ajustes += "setoption name " + opcion + " value 1\n";
        if (opcion == "OwnBook" || opcion == "Ponder")
            ajustes += "setoption name " + opcion + " value false\n";
    }
    return l == "uciok" && Escribir(m.p, ajustes + "isready\n") &&
           EsperarLinea(m.p, "readyok", espera_ms) == 1;
}

static void Cerrar(Motor &m) {
    Escribir(m.p, "quit\n");
    Esperar(m.p, 5000);
}

// Sends the commands and reads until a line starts with fin; the last line with both nodes
// and time is kept in *ultima. 1 when fin came.
static int Leer(Motor &m, const std::string &comandos, const char *fin, int espera_ms,
                std::string *ultima) {
    if (!Escribir(m.p, comandos)) return 0;
    std::string l;
    int r;
    while ((r = EsperarLinea(m.p, "", espera_ms, &l)) == 1 && l.rfind(fin, 0) != 0)
        if (Campo(l, "nodes") >= 0 && Campo(l, "time") >= 0) *ultima = l;
    return r == 1;
}

// "go infinite" for ms milliseconds from fen, the output read all the while so that the engine
// never waits on a full pipe; its nodes and milliseconds by its last report, 0 on failure.
static int Infinito(Motor &m, const char *fen, int ms, long long *nodos, long long *tiempo) {
    std::string ultima;
    if (!Leer(m, std::string("ucinewgame\nposition fen ") + fen + "\nisready\n", "readyok",
              ESPERA_MS, &ultima) || !Escribir(m.p, "go infinite\n"))
        return 0;
    const auto tope = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < tope)
        LeerAlgo(m.p, static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                           tope - std::chrono::steady_clock::now()).count()));
    ultima.clear();
    if (!Leer(m, "stop\n", "bestmove", 10000, &ultima) || ultima.empty()) return 0;
    *nodos = Campo(ultima, "nodes");
    *tiempo = Campo(ultima, "time");
    return *tiempo > 0;
}

static std::string Mega(double x) {
    char t[32];
    std::snprintf(t, sizeof(t), "%.3f M", x / 1e6);
    return t;
}

// One row of the table: a label, then a column per engine.
static void Fila(const std::string &etiqueta, const std::vector<std::string> &columnas) {
    std::printf("   %-14s", etiqueta.c_str());
    // A long name (a build's path) keeps its end, one space apart from the next.
    for (const std::string &c : columnas)
        std::printf(" %15s", c.substr(c.size() > 15 ? c.size() - 15 : 0).c_str());
    std::printf("\n");
}

static double Mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v.size() % 2 ? v[v.size() / 2]
                                        : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

// 1. Nodes per second, the engines in turn on each position (the first one rotating).
static void NodosPorSegundo(std::vector<Motor> &motores, int segundos, int rondas) {
    std::printf("\n1. Nodes per second: go infinite %d s on each of %zu positions, Hash 128, "
                "one thread, book and ponder off,\n   after a 1 s warm-up; the engines take "
                "turns on each position; nodes and time from the last info line.\n",
                segundos, std::size(POSICIONES_LARGAS));
    std::vector<Motor *> vivos;
    for (Motor &m : motores) {
        long long n, t;
        if (Abrir(m, 128) && Infinito(m, POSICIONES_BENCH[0], 1000, &n, &t))
            vivos.push_back(&m);
        else
            std::printf("   %s does not search: left out\n", m.ruta.c_str()), Esperar(m.p, 0);
    }
    if (vivos.empty() || vivos[0] != &motores[0]) {
        std::printf("   our engine does not search: nothing to compare\n");
        for (Motor *m : vivos) Cerrar(*m);
        return;
    }
    std::vector<std::vector<double>> cocientes(vivos.size());
    for (int r = 1; r <= rondas; r++) {
        std::vector<std::string> nombres;
        for (Motor *m : vivos) nombres.push_back(m->nombre);
        std::printf("\n");
        Fila("round " + std::to_string(r), nombres);
        std::vector<long long> nodos(vivos.size()), tiempo(vivos.size());
        for (size_t k = 0; k < std::size(POSICIONES_LARGAS); k++) {
            std::vector<std::string> fila(vivos.size(), "failed");
            for (size_t j = 0; j < vivos.size(); j++) {
                const size_t i = (j + k) % vivos.size();
                long long n = 0, t = 0;
                if (!Infinito(*vivos[i], POSICIONES_BENCH[POSICIONES_LARGAS[k]], segundos * 1000,
                              &n, &t))
                    continue;
                nodos[i] += n, tiempo[i] += t;
                fila[i] = Mega(n * 1000.0 / t);
            }
            Fila("position " + std::to_string(POSICIONES_LARGAS[k] + 1), fila);
        }
        std::vector<double> nps(vivos.size());
        std::vector<std::string> total, cociente = {""};
        for (size_t i = 0; i < vivos.size(); i++) {
            nps[i] = tiempo[i] > 0 ? nodos[i] * 1000.0 / tiempo[i] : 0;
            total.push_back(Mega(nps[i]));
            if (i == 0) continue;
            cocientes[i].push_back(nps[i] > 0 ? nps[0] / nps[i] : 0);
            char t[16];
            std::snprintf(t, sizeof(t), "%.2f", cocientes[i].back());
            cociente.push_back(t);
        }
        Fila("nodes/s", total);
        Fila("ours/theirs", cociente);
    }
    std::printf("\n   ratio ours/theirs%s:", rondas > 1 ? ", median of the rounds" : "");
    for (size_t i = 1; i < vivos.size(); i++)
        std::printf("  %s %.2f", vivos[i]->nombre.c_str(), Mediana(cocientes[i]));
    std::printf("\n");
    for (Motor *m : vivos) Cerrar(*m);
}

// The instructions callgrind counts for the engine, with or without the search; the nodes of
// the search's last report go to *nodos. -1 on failure.
static long long Instrucciones(Motor &m, int profundidad, bool buscar, long long *nodos) {
    const std::vector<std::string> valgrind = {VALGRIND, "--tool=callgrind",
                                               "--callgrind-out-file=/dev/null"};
    if (!Abrir(m, 16, valgrind, 600000)) {
        Esperar(m.p, 0);
        return -1;
    }
    std::string ultima, l;
    const std::string posicion = std::string("position fen ") + POSICION_CALLGRIND + "\n";
    int bien = buscar ? Leer(m, posicion + "go depth " + std::to_string(profundidad) + "\n",
                             "bestmove", 3600000, &ultima)
                      : Leer(m, posicion + "isready\n", "readyok", 600000, &ultima);
    Escribir(m.p, "quit\n");
    long long instrucciones = -1;
    while (EsperarLinea(m.p, "", 600000, &l) == 1) {
        const size_t c = l.find("Collected :");
        if (c != std::string::npos) instrucciones = std::atoll(l.c_str() + c + 11);
    }
    Esperar(m.p, 10000);
    *nodos = Campo(ultima, "nodes");
    return bien ? instrucciones : -1;
}

// 2. Instructions per node.
static void InstruccionesPorNodo(std::vector<Motor> &motores, int profundidad) {
    std::printf("\n2. Instructions per node (callgrind): go depth %d, Hash 16, one thread, "
                "book off,\n   position %s;\n   the instructions of start-up and set-up alone "
                "are taken off; a ratio below 1 means fewer for us.\n",
                profundidad, POSICION_CALLGRIND);
    if (access(VALGRIND, X_OK) != 0) {
        std::printf("   valgrind is missing (apt-get install valgrind)\n");
        return;
    }
    double nuestras = 0;
    for (Motor &m : motores) {
        long long nodos = 0, vacio = 0;
        const long long base = Instrucciones(m, profundidad, false, &vacio);
        const long long todo = Instrucciones(m, profundidad, true, &nodos);
        if (base < 0 || todo < 0 || nodos <= 0) {
            std::printf("   %-16s failed\n", m.nombre.c_str());
            continue;
        }
        const double por_nodo = static_cast<double>(todo - base) / nodos;
        if (&m == &motores[0]) nuestras = por_nodo;
        std::printf("   %-16s nodes %10lld  instructions %14lld  per node %7.0f", m.nombre.c_str(),
                    nodos, todo - base, por_nodo);
        if (&m != &motores[0] && nuestras > 0)
            std::printf("  ours/theirs %.2f", nuestras / por_nodo);
        std::printf("\n");
    }
}

// 3. Stockfish's bench against ours.
static void Benches() {
    std::printf("\n3. Bench programs, one after the other: our bench 9 (30 positions, Hash 32) "
                "and stockfish's bench 16 1 13;\n   each program's own nodes per second, and "
                "its nodes per processor second (start-up included).\n");
    // Each program run to its end with its standard error joined.
    std::string nuestra, suya;
    const Uso_Proceso uso_n =
        Correr({JuntoAlPrograma("bench"), "9"}, &nuestra, 1800000, 10000, "", true);
    const Uso_Proceso uso_s =
        Correr({STOCKFISH, "bench", "16", "1", "13"}, &suya, 1800000, 10000, "", true);
    const long long nps_n = Cifra(nuestra, "Nodes/second"), nps_s = Cifra(suya, "Nodes/second");
    const long long nodos_n = Cifra(nuestra, "Nodes searched"),
                    nodos_s = Cifra(suya, "Nodes searched");
    if (uso_n.estado != 0 || nps_n <= 0 || uso_s.estado != 0 || nps_s <= 0) {
        std::printf("   a bench failed (ours: %lld nodes/s, stockfish: %lld)\n", nps_n, nps_s);
        return;
    }
    const double cpu_n = nodos_n / uso_n.cpu, cpu_s = nodos_s / uso_s.cpu;
    std::printf("   ours       nodes/s %s  per CPU second %s\n", Mega(nps_n).c_str(),
                Mega(cpu_n).c_str());
    std::printf("   stockfish  nodes/s %s  per CPU second %s\n", Mega(nps_s).c_str(),
                Mega(cpu_s).c_str());
    std::printf("   ratio ours/stockfish: %.2f (per CPU second %.2f)\n",
                static_cast<double>(nps_n) / nps_s, cpu_n / cpu_s);
}

// Wall milliseconds from the perft command to its count (ms[0]) and from the start of the
// process (ms[1]), and processor seconds of the whole process less those of a run that starts
// the engine and quits; 0 on failure.
static int Perft(Motor &m, const std::string &orden, const char *cuenta, long long *hojas,
                 double *ms, double *cpu) {
    if (!Abrir(m, 16)) return 0;
    Escribir(m.p, "quit\n");
    const double base = Esperar(m.p, 5000).cpu;
    if (!Abrir(m, 16)) return 0;
    std::string l;
    const auto inicio = std::chrono::steady_clock::now();
    if (!Escribir(m.p, "position startpos\n" + orden + "\n") ||
        EsperarLinea(m.p, cuenta, 600000, &l) != 1) {
        Esperar(m.p, 0);
        return 0;
    }
    const auto ahora = std::chrono::steady_clock::now();
    ms[0] = std::chrono::duration<double, std::milli>(ahora - inicio).count();
    ms[1] = std::chrono::duration<double, std::milli>(ahora - m.p.inicio).count();
    *hojas = std::atoll(l.c_str() + l.find(':') + 1);
    Escribir(m.p, "quit\n");
    *cpu = Esperar(m.p, 5000).cpu - base;
    return 1;
}

int main(int argc, char **argv) {
    int segundos = 3, rondas = 1, profundidad = 12;
    std::string solo;
    std::vector<std::string> otras;  // other builds of ours, compared as peers
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string clave = argv[i];
        const int v = std::atoi(argv[i + 1]);
        if (clave == "seconds" && v > 0) segundos = v;
        else if (clave == "rounds" && v > 0) rondas = v;
        else if (clave == "depth" && v > 1) profundidad = v;
        else if (clave == "only") solo = argv[i + 1];
        else if (clave == "build") otras.push_back(argv[i + 1]);
        else argc = 0;
    }
    if (argc % 2 == 0) {
        std::fprintf(stderr, "usage: peers [seconds S] [rounds R] [depth D] [build PATH ...] "
                             "[only nps|callgrind|bench|perft]\n");
        return 2;
    }
    setvbuf(stdout, nullptr, _IOLBF, 0);

    // Ours first, then each peer that is installed.
    std::vector<Motor> motores = {{"", JuntoAlPrograma("vantor"), "vantor", {}}};
    for (const std::string &ruta : otras) motores.push_back({"build", ruta, ruta, {}});
    const char *const PARES[] = {"stockfish", "glaurung", "toga2", "ethereal-chess"};
    std::string faltan;
    for (const char *paquete : PARES) {
        const std::string ruta = std::string("/usr/games/") + paquete;
        if (access(ruta.c_str(), X_OK) == 0) motores.push_back({paquete, ruta, paquete, {}});
        else faltan += std::string(" ") + paquete;
    }
    std::printf("engines:");
    for (const Motor &m : motores) std::printf(" %s", m.ruta.c_str());
    std::printf("\nmissing:%s\n", faltan.empty() ? " none" : (faltan + " (apt-get install" +
                                                              faltan + ")").c_str());
    std::ifstream carga("/proc/loadavg");
    std::string cargas[3];
    carga >> cargas[0] >> cargas[1] >> cargas[2];
    std::printf("load average at the start: %s %s %s (2 cores shared: figures of one run)\n",
                cargas[0].c_str(), cargas[1].c_str(), cargas[2].c_str());
    if (access(motores[0].ruta.c_str(), X_OK) != 0) {
        std::printf("no engine at %s\n", motores[0].ruta.c_str());
        return 1;
    }

    if (solo.empty() || solo == "nps") NodosPorSegundo(motores, segundos, rondas);
    if (solo.empty() || solo == "callgrind") InstruccionesPorNodo(motores, profundidad);
    size_t sf = 1;
    while (sf < motores.size() && motores[sf].paquete != "stockfish") sf++;
    const bool stockfish = sf < motores.size();
    if ((solo.empty() || solo == "bench" || solo == "perft") && !stockfish)
        std::printf("\nstockfish is missing: no bench or perft comparison\n");
    if ((solo.empty() || solo == "bench") && stockfish) Benches();
    if ((solo.empty() || solo == "perft") && stockfish) {
        std::printf("\n4. Perft 6 from the start position, ours then stockfish's go perft 6.\n");
        long long h[2] = {0, 0};
        double ms[2][2] = {}, cpu[2] = {0, 0};
        if (!Perft(motores[0], "perft 6", "Nodos:", &h[0], ms[0], &cpu[0]) ||
            !Perft(motores[sf], "go perft 6", "Nodes searched:", &h[1], ms[1], &cpu[1])) {
            std::printf("   a perft failed\n");
            return 1;
        }
        for (int i = 0; i < 2; i++)
            std::printf("   %-16s leaves %lld  wall %.0f ms (%.0f ms from its start)  "
                        "cpu %.0f ms\n", motores[i ? sf : 0].nombre.c_str(), h[i], ms[i][0], ms[i][1],
                        cpu[i] * 1000);
        std::printf("   ratio of our time to stockfish's: wall %.2f  cpu %.2f; wall with "
                    "stockfish's start-up counted %.2f\n",
                    ms[0][0] / ms[1][0], cpu[0] / cpu[1], ms[0][0] / ms[1][1]);
    }
    return 0;
}
