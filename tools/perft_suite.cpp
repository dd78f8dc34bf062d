// Perft speed: start position to depth 6 and Kiwipete to depth 5, every leaf made and
// unmade, then the same start-position count by stockfish for comparison.
#include <cstdio>
#include <cstring>
#include <string>

#include "board/board.h"
#include "platform/platform.h"

static void Cargar(const char *fen) {
    std::memset(&Blancas, 0, sizeof(Blancas));
    std::memset(&Negras, 0, sizeof(Negras));
    TableroGlobal.Regla_50 = 0;
    TableroGlobal.Num_Historial = 0;
    TableroGlobal.Indice_Deshacer = 0;
    LlenarColorCasilla();
    if (!CargarFen(fen)) std::printf("bad FEN: %s\n", fen);
    TableroGlobal.Clave = CalcularClave();
}

// Leaves below the current position through MiniMax, as the perft command counts them.
static uint32_t Contar(int32_t profundidad, uint32_t *ms) {
    std::memset(&TipoJuego, 0, sizeof(TipoJuego));
    TipoJuego.Profundidad_Maxima = profundidad;
    Estadisticas_Perft est;
    std::memset(&est, 0, sizeof(est));
    const uint32_t inicio = ObtenerTicks();
    MiniMax(0, &est, 0);
    *ms = ObtenerTicks() - inicio;
    return est.Nodos;
}

static void Informar(const char *nombre, uint32_t hojas, uint32_t esperado, uint32_t ms) {
    const double nps = ms > 0 ? hojas * 1000.0 / ms : 0.0;
    std::printf("%-22s leaves %u%s  ms %u  leaves/s %.0f\n", nombre, hojas,
                hojas == esperado ? "" : " (WRONG)", ms, nps);
}

// Runs stockfish's own perft 6 from the start position; milliseconds, or 0 when unavailable.
static uint32_t TiempoStockfish(uint64_t *nodos) {
    const uint32_t inicio = ObtenerTicks();
    FILE *p = popen(
        "printf 'position startpos\\ngo perft 6\\nquit\\n' | /usr/games/stockfish "
        "2>/dev/null",
        "r");
    if (!p) return 0;
    char linea[256];
    *nodos = 0;
    while (std::fgets(linea, sizeof(linea), p)) {
        unsigned long long n = 0;
        if (std::sscanf(linea, "Nodes searched: %llu", &n) == 1) *nodos = n;
    }
    pclose(p);
    return ObtenerTicks() - inicio;
}

int main() {
    IniciarClaves(1);
    uint32_t ms_inicial = 0, ms_kiwi = 0;

    Cargar("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1");
    const uint32_t inicial = Contar(6, &ms_inicial);
    Informar("startpos perft 6", inicial, 119060324u, ms_inicial);

    Cargar("r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1");
    const uint32_t kiwi = Contar(5, &ms_kiwi);
    Informar("kiwipete perft 5", kiwi, 193690690u, ms_kiwi);

    uint64_t nodos_sf = 0;
    const uint32_t ms_sf = TiempoStockfish(&nodos_sf);
    if (nodos_sf == 0) {
        std::printf("stockfish: not available\n");
        return 0;
    }
    std::printf("stockfish perft 6      leaves %llu  ms %u\n",
                static_cast<unsigned long long>(nodos_sf), ms_sf);
    std::printf("ratio (ours / stockfish, startpos perft 6): %.2f\n",
                ms_sf > 0 ? static_cast<double>(ms_inicial) / ms_sf : 0.0);
    return 0;
}
