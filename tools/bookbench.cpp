// bookbench [MB] [folder] [keep]: writes a PGN of at least MB megabytes (300 by default) of random legal
// games in the form game servers export them (tags, a clock comment after every move, NAGs and
// now and then a variation), then times vantor-book on it and reports its throughput and its
// peak resident memory, once keeping every line and once with --min-games 2. The builder's own
// summary lines show what it kept.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "board/board.h"
#include "support/board.h"
#include "support/process.h"
#include "uci/uci.h"

static uint64_t estado = 88172645463325252ull;
static uint32_t Azar(uint32_t n) {
    estado ^= estado << 13;
    estado ^= estado >> 7;
    estado ^= estado << 17;
    return static_cast<uint32_t>(estado % n);
}

// SAN of a legal move m among the legal moves, before it is made.
static std::string San(uint32_t m, const std::vector<uint32_t> &jugadas) {
    static const char LETRA[7] = {0, 0, 'N', 'B', 'R', 'Q', 'K'};
    const int32_t tipo = TipoDeCodigo(Ficha(m));
    const bool captura = Captura(m) != NINGUNA || Es_Al_Paso(m);
    std::string s;
    if (Es_Enroque(m)) {
        s = Hasta(m) % 8 == 6 ? "O-O" : "O-O-O";
    } else if (tipo == 1) {
        if (captura) s = std::string(1, static_cast<char>('a' + Desde(m) % 8)) + "x";
        s += NOMBRE_CASILLA[Hasta(m)];
        if (Corona(m) != NINGUNA) s += std::string("=") + LETRA[TipoDeCodigo(Corona(m))];
    } else {
        // Told apart by file, else by rank, else by both.
        bool otra = false, columna = false, fila = false;
        for (const uint32_t o : jugadas) {
            if (o == m || Ficha(o) != Ficha(m) || Hasta(o) != Hasta(m)) continue;
            otra = true;
            columna |= Desde(o) % 8 == Desde(m) % 8;
            fila |= Desde(o) / 8 == Desde(m) / 8;
        }
        s = LETRA[tipo];
        if (otra && !columna) s += NOMBRE_CASILLA[Desde(m)][0];
        else if (otra && !fila) s += NOMBRE_CASILLA[Desde(m)][1];
        else if (otra) s += NOMBRE_CASILLA[Desde(m)];
        if (captura) s += "x";
        s += NOMBRE_CASILLA[Hasta(m)];
    }
    return s;
}

// One game, 20 to 120 plies; earlier generated moves are likelier, so openings repeat.
static std::string Partida(int32_t numero) {
    Position_Fen_Startpos("startpos");
    const int32_t plies = 20 + static_cast<int32_t>(Azar(101));
    std::string texto;
    int32_t ply = 0, reloj = 300;
    for (; ply < plies; ply++) {
        TableroGlobal.Indice_Deshacer = 0;
        const std::vector<uint32_t> jugadas = JugadasLegales();
        const uint64_t n = jugadas.size();
        if (n == 0) break;
        const uint32_t r = Azar(1000);
        const uint32_t m = jugadas[n * r * r / 1000000];
        if (ply % 2 == 0) texto += std::to_string(ply / 2 + 1) + ". ";
        texto += San(m, jugadas);
        HacerMovimiento(m);
        if (Azar(40) == 0) texto += " $" + std::to_string(1 + Azar(6));
        reloj -= static_cast<int32_t>(Azar(4));
        char clk[48];
        std::snprintf(clk, sizeof(clk), " { [%%clk 0:%02d:%02d] }", reloj / 60, reloj % 60);
        texto += clk;
        if (Azar(100) == 0) texto += " ( 5... Nf6 6. d4 )";
        texto += ply % 12 == 11 ? "\n" : " ";
    }
    static const char *const RESULTADO[3] = {"1-0", "0-1", "1/2-1/2"};
    const char *resultado = RESULTADO[Azar(3)];
    std::string pgn = "[Event \"Rated Blitz game\"]\n[Site \"https://example.org/" +
                      std::to_string(numero) + "\"]\n[Date \"2026.12.07\"]\n[Round \"-\"]\n"
                      "[White \"player" + std::to_string(Azar(5000)) + "\"]\n[Black \"player" +
                      std::to_string(Azar(5000)) + "\"]\n[Result \"" + resultado +
                      "\"]\n[WhiteElo \"1500\"]\n[BlackElo \"1500\"]\n[TimeControl \"300+0\"]\n"
                      "[Termination \"Normal\"]\n\n";
    return pgn + texto + resultado + "\n\n";
}

// Runs the builder with its arguments and prints what it says; its wall time in seconds and
// peak resident megabytes.
static bool Medir(const std::vector<std::string> &args, double &segundos, double &megas) {
    Proceso p;
    if (!Lanzar(p, args, "", true)) return false;
    while (LeerAlgo(p, 1000) != 0) {
        std::fputs(p.leido.c_str(), stdout);
        std::fflush(stdout);
        p.leido.clear();
    }
    const Uso_Proceso uso = Esperar(p, -1);
    segundos = uso.segundos;
    megas = uso.megas;
    return uso.estado == 0;
}

int main(int argc, char **argv) {
    const long megas = argc > 1 ? std::atol(argv[1]) : 300;
    const std::string carpeta = argc > 2 ? argv[2] : "/tmp";
    const std::string libro = JuntoAlPrograma("vantor-book");
    if (megas <= 0) {
        std::fputs("usage: bookbench [MB] [folder] [keep]\n", stderr);
        return 2;
    }
    IniciarMotor(1, 1);

    // 1. The PGN.
    const std::string pgn = carpeta + "/bookbench.pgn";
    std::FILE *f = std::fopen(pgn.c_str(), "wb");
    if (f == nullptr) {
        std::fprintf(stderr, "bookbench: cannot write %s\n", pgn.c_str());
        return 1;
    }
    long long bytes = 0;
    int32_t partidas = 0;
    while (bytes < megas * 1048576LL) {
        const std::string p = Partida(partidas++);
        std::fwrite(p.data(), 1, p.size(), f);
        bytes += static_cast<long long>(p.size());
    }
    std::fclose(f);
    std::printf("%s: %d games, %.1f MB\n", pgn.c_str(), partidas, bytes / 1048576.0);

    // 2. The builder on it, keeping every line, then only moves played in two games.
    const std::string db = carpeta + "/bookbench.db";
    for (const bool minimo : {false, true}) {
        std::vector<std::string> args = {libro, "--force", db, pgn};
        if (minimo) args.insert(args.begin() + 1, {"--min-games", "2"});
        double segundos = 0, pico = 0;
        if (!Medir(args, segundos, pico)) {
            std::fprintf(stderr, "bookbench: %s failed\n", libro.c_str());
            return 1;
        }
        std::printf("vantor-book%s: %.2f s, %.1f MB/s, peak %.1f MB resident\n",
                    minimo ? " --min-games 2" : "", segundos, bytes / 1048576.0 / segundos, pico);
    }
    std::filesystem::remove(db);
    if (argc <= 3 || std::string(argv[3]) != "keep") std::filesystem::remove(pgn);
    return 0;
}
