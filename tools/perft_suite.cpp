// Perft speed: start position to depth 6 and Kiwipete to depth 5, every leaf made and
// unmade. Wall-clock figures swing with the load of the machine, so processor times are given
// as well. The peers tool compares the start-position count with stockfish's.

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

// Processor milliseconds used so far by this process.
static double CpuMs() { return SegundosProceso() * 1000.0; }

// Leaves below the current position through MiniMax, as the perft command counts them.
static uint32_t Contar(int32_t profundidad, Medida *m) {
    std::memset(&TipoJuego, 0, sizeof(TipoJuego));
    TipoJuego.Profundidad_Maxima = profundidad;
    Estadisticas_Perft est;
    std::memset(&est, 0, sizeof(est));
    const uint32_t inicio = ObtenerTicks();
    const double cpu = CpuMs();
    MiniMax(0, &est, 0);
    m->cpu_ms = CpuMs() - cpu;
    m->ms = ObtenerTicks() - inicio;
    return est.Nodos;
}

// Prints the figures; 1 when the count is the published one.
static int Informar(const char *nombre, uint32_t hojas, uint32_t esperado, const Medida &m) {
    const double nps = m.ms > 0 ? hojas * 1000.0 / m.ms : 0.0;
    std::printf("%-18s leaves %u%s  ms %u  leaves/s %.0f  cpu ms %.0f\n", nombre, hojas,
                hojas == esperado ? "" : " (WRONG)", m.ms, nps, m.cpu_ms);
    return hojas == esperado;
}

int main() {
    IniciarMotor(1, 1);
    Medida inicial, kiwi;

    Cargar(FEN_INICIAL);
    int bien = Informar("startpos perft 6", Contar(6, &inicial), 119060324u, inicial);

    Cargar("r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1");
    bien &= Informar("kiwipete perft 5", Contar(5, &kiwi), 193690690u, kiwi);
    return bien ? 0 : 1;
}
