// Runs an EPD suite (by default the WAC positions) at a fixed depth or time through the
// go command and counts the positions whose best move the engine plays.
//   wac [file.epd] [depth N | movetime MS] [lista]
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "board/board.h"
#include "eval/eval.h"
#include "platform/platform.h"
#include "search/search.h"
#include "tablebase/tablebase.h"
#include "uci/uci.h"

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

static std::string TextoCoordenadas(uint32_t m) {
    char t[6];
    MovimientoCoordenadas(Desde(m), Hasta(m), Corona(m), t);
    return t;
}

int main(int argc, char **argv) {
    // The suite file may be left out: then the first word is the limit.
    const bool con_fichero = argc > 1 && std::strcmp(argv[1], "depth") != 0 &&
                             std::strcmp(argv[1], "movetime") != 0;
    const int a = con_fichero ? 2 : 1;
    const char *fichero = con_fichero ? argv[1] : "../shared/testsuites/wac.epd";
    std::string limite = argc > a + 1 ? std::string(argv[a]) + " " + argv[a + 1] : "depth 8";
    const bool lista = argc > a + 2 && std::strcmp(argv[a + 2], "lista") == 0;

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
        total++;
        UciNewGame();
        Position_Fen_Startpos(("fen " + p.fen).c_str());
        // The bm moves as move texts, resolved before the search.
        std::vector<std::string> buenas;
        for (const std::string &san : p.mejores) {
            const uint32_t m = JugadaSan(san.c_str());
            if (m != 0) buenas.push_back(TextoCoordenadas(m));
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
