// Runs an EPD suite (by default the shared WAC positions) at a fixed depth or time through the
// go command and counts the positions whose best move the engine plays.
//   wac [file.epd] [depth N | movetime MS] [lista] [subset]
// "lista" prints a line per position; "subset" keeps only the WAC positions of SUBCONJUNTO.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "board/board.h"
#include "platform/platform.h"
#include "search/search.h"
#include "support/board.h"
#include "uci/uci.h"

// WAC positions this engine solved at go depth 7 and 9, every other one of those kept: a quick
// tactical benchmark.
static const std::set<int> SUBCONJUNTO = {
    3,   5,   7,   9,   11,  15,  17,  20,  23,  25,  28,  30,  34,  36,  38,  40,  43,  45,  47,
    50,  53,  57,  60,  62,  64,  67,  72,  76,  78,  83,  88,  93,  95,  98,  102, 105, 107, 110,
    112, 114, 117, 122, 125, 127, 129, 135, 140, 144, 148, 151, 153, 159, 164, 170, 174, 180, 189,
    195, 199, 202, 205, 215, 219, 234, 241, 251, 255, 259, 276, 278, 281, 292, 300};

struct Posicion_Epd {
    std::string fen, id;
    std::vector<std::string> mejores;  // bm moves in SAN
};

// FEN fields and the bm and id operations of one EPD line.
static bool LeerEpd(const std::string &linea, Posicion_Epd &p) {
    std::istringstream in(linea);
    std::string campo;
    p.fen.clear();
    for (int i = 0; i < 4 && in >> campo; i++) {
        if (i > 0) p.fen += ' ';
        p.fen += campo;
    }
    std::string resto;
    std::getline(in, resto);
    const size_t bm = resto.find("bm ");
    if (bm == std::string::npos) return false;
    std::istringstream jugadas(resto.substr(bm + 3, resto.find(';', bm) - bm - 3));
    p.mejores.clear();
    while (jugadas >> campo) p.mejores.push_back(campo);
    const size_t id = resto.find("id \"");
    p.id = id == std::string::npos ? "" : resto.substr(id + 4, resto.find('"', id + 4) - id - 4);
    return !p.mejores.empty();
}

int main(int argc, char **argv) {
    const char *fichero = "../shared/testsuites/wac.epd";
    std::string limite = "depth 8";
    bool lista = false, subconjunto = false;
    for (int i = 1; i < argc; i++) {
        const std::string a = argv[i];
        if ((a == "depth" || a == "movetime") && i + 1 < argc) limite = a + " " + argv[++i];
        else if (a == "lista") lista = true;
        else if (a == "subset") subconjunto = true;
        else fichero = argv[i];
    }

    FILE *f = std::fopen(fichero, "r");
    if (f == nullptr) {
        std::fprintf(stderr, "no suite at %s\n", fichero);
        return 1;
    }
    IniciarMotor(1, 64);

    std::fflush(stdout);
    const int salida = dup(1);
    FILE *informe = fdopen(salida, "w");
    setvbuf(informe, nullptr, _IONBF, 0);

    char linea[1024];
    int total = 0, resueltas = 0;
    const uint32_t inicio = ObtenerTicks();
    std::string ids;
    while (std::fgets(linea, sizeof(linea), f) != nullptr) {
        Posicion_Epd p;
        if (!LeerEpd(linea, p)) continue;
        if (subconjunto && (p.id.rfind("WAC.", 0) != 0 || !SUBCONJUNTO.count(std::atoi(
                                                              p.id.c_str() + 4))))
            continue;
        total++;
        UciNewGame();
        Position_Fen_Startpos(("fen " + p.fen).c_str());
        // The bm moves as move texts, resolved before the search.
        std::vector<std::string> buenas;
        for (const std::string &san : p.mejores) {
            const uint32_t m = JugadaSan(san.c_str());
            if (m != 0) buenas.push_back(TextoJugada(m));
        }
        FILE *lineas = std::tmpfile();
        dup2(fileno(lineas), 1);
        TipoJuego.Mostrar_Pv = 0;
        ComandoGo(limite.c_str());
        std::fflush(stdout);
        dup2(salida, 1);
        std::rewind(lineas);
        std::string jugada;
        char l[4096];
        while (std::fgets(l, sizeof(l), lineas) != nullptr) {
            if (std::strncmp(l, "bestmove ", 9) == 0) jugada = std::strtok(l + 9, " \n");
        }
        std::fclose(lineas);
        bool ok = false;
        for (const std::string &b : buenas) ok = ok || b == jugada;
        resueltas += ok;
        if (ok) ids += p.id + "\n";
        if (lista)
            std::fprintf(informe, "%-9s %s %-6s bm %s\n", p.id.c_str(), ok ? "ok  " : "fail",
                         jugada.c_str(), p.mejores[0].c_str());
    }
    std::fclose(f);
    std::fprintf(informe, "Solved %d of %d (%s) in %u ms\n", resueltas, total, limite.c_str(),
                 ObtenerTicks() - inicio);
    if (lista) std::fprintf(informe, "Solved ids:\n%s", ids.c_str());
    LiberarTransposicion();
    return 0;
}
