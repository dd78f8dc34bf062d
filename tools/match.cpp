// match ENGINE_A ENGINE_B [games] [tc]: plays two UCI engines against each other from a fixed
// selection of openings, each opening twice with the colours swapped. The clocks are kept here
// and our own board code referees. Prints each result as it comes, then W/D/L from A's side,
// the score and an Elo difference with a 95% error bar. tc is "seconds+increment", e.g. 4+0.05.
// Options for one engine follow as A:name=value or B:name=value (a "setoption" each).
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "game.h"

static const char APERTURAS[] = "/openings/8moves_v3_3000.epd";

static const char USO[] =
    "usage: match ENGINE_A ENGINE_B [games (default 60)] [tc (default 4+0.05)] "
    "[A:name=value | B:name=value ...]\n";

// Elo difference of a score fraction.
static double Elo(double s) { return -400.0 * std::log10(1.0 / s - 1.0); }

// Reads a positive integer; 0 when the text is not one.
static int LeerEntero(const char *texto) {
    char *fin = nullptr;
    const long v = strtol(texto, &fin, 10);
    return *texto != '\0' && *fin == '\0' && v > 0 && v <= 100000 ? static_cast<int>(v) : 0;
}

// "base+inc" in seconds into milliseconds; 0 when malformed.
static int LeerControl(const char *texto, int *base_ms, int *inc_ms) {
    char *fin = nullptr;
    const double base = strtod(texto, &fin);
    if (fin == texto || base <= 0 || base > 36000) return 0;
    double inc = 0;
    if (*fin == '+') {
        const char *p = fin + 1;
        inc = strtod(p, &fin);
        if (fin == p || inc < 0 || inc > 600) return 0;
    }
    if (*fin != '\0') return 0;
    *base_ms = static_cast<int>(base * 1000 + 0.5);
    *inc_ms = static_cast<int>(inc * 1000 + 0.5);
    return 1;
}

int main(int argc, char **argv) {
    // 1. Arguments: the engine options last, each turned into a "setoption" line.
    int partidas = 60, base_ms = 4000, inc_ms = 50;
    std::string opciones[2];
    int posicionales = argc;
    while (posicionales > 3) {
        const std::string o = argv[posicionales - 1];
        const size_t igual = o.find('=');
        const bool lado = o.size() >= 3 && (o[0] == 'A' || o[0] == 'B') && o[1] == ':';
        if (!lado || igual == std::string::npos) break;
        opciones[o[0] == 'B'] = "setoption name " + o.substr(2, igual - 2) + " value " +
                                o.substr(igual + 1) + "\n" + opciones[o[0] == 'B'];
        posicionales--;
    }
    if (posicionales < 3 || posicionales > 5 ||
        (posicionales > 3 && (partidas = LeerEntero(argv[3])) == 0) ||
        (posicionales > 4 && !LeerControl(argv[4], &base_ms, &inc_ms))) {
        fputs(USO, stderr);
        return 2;
    }
    for (int i = 1; i <= 2; i++) {
        if (access(argv[i], X_OK) != 0) {
            fprintf(stderr, "%s: not an executable\n%s", argv[i], USO);
            return 2;
        }
    }
    setvbuf(stdout, nullptr, _IOLBF, 0);

    // 2. The openings, from ../shared seen from here or from the source tree of this binary
    // (build/<type>/match); one every so many lines, so the selection is fixed.
    std::string carpeta = "../shared";
    if (access((carpeta + APERTURAS).c_str(), R_OK) != 0)
        carpeta = JuntoAlPrograma("../../../shared");
    std::vector<std::string> todas;
    std::ifstream epd(carpeta + APERTURAS);
    for (std::string l; std::getline(epd, l);) {
        if (!l.empty() && l.back() == '\r') l.pop_back();
        if (!l.empty()) todas.push_back(l);
    }
    const size_t aperturas = static_cast<size_t>(partidas + 1) / 2;
    if (todas.size() < aperturas) {
        fprintf(stderr, "only %zu openings in %s%s\n", todas.size(), carpeta.c_str(), APERTURAS);
        return 1;
    }
    const size_t paso = todas.size() / aperturas;

    // 3. The board code and both engines.
    IniciarMotor(1, 1);
    Motor a{argv[1], 'A', opciones[0], {}};
    Motor b{argv[2], 'B', opciones[1], {}};
    if (!Reiniciar(a) || !Reiniciar(b)) {
        Parar(a);
        Parar(b);
        return 1;
    }
    printf("A = %s\nB = %s\n%d games, %d ms + %d ms per move, %zu openings\n", a.ruta.c_str(),
           b.ruta.c_str(), partidas, base_ms, inc_ms, aperturas);

    // 4. The games, A with White first on each opening.
    int g = 0, e = 0, p = 0;
    const uint32_t inicio = ObtenerTicks();
    for (int i = 0; i < partidas; i++) {
        const size_t k = static_cast<size_t>(i / 2) * paso;
        const bool a_blancas = i % 2 == 0;
        const Resultado r = a_blancas ? JugarPartida(todas[k], a, b, base_ms, inc_ms)
                                      : JugarPartida(todas[k], b, a, base_ms, inc_ms);
        const int para_a = a_blancas ? r.blancas : -r.blancas;
        (para_a > 0 ? g : para_a < 0 ? p : e)++;
        printf("game %3d/%d  opening %4zu  A %s  %s  %s  (A +%d =%d -%d)\n", i + 1, partidas,
               k + 1, a_blancas ? "white" : "black",
               r.blancas > 0 ? "1-0    " : r.blancas < 0 ? "0-1    " : "1/2-1/2",
               r.motivo.c_str(), g, e, p);
    }
    Parar(a);
    Parar(b);

    // 5. The total, the score and the Elo estimate with a 95% error bar from the per-game
    // variance of the score.
    const double n = partidas, s = (g + 0.5 * e) / n;
    printf("\nA vs B: +%d =%d -%d in %d games, %.0f s\n", g, e, p, partidas,
           (ObtenerTicks() - inicio) / 1000.0);
    printf("score of A: %.1f%%\n", 100.0 * s);
    const double var = (g * (1 - s) * (1 - s) + e * (0.5 - s) * (0.5 - s) + p * s * s) / n;
    const double error = 1.96 * std::sqrt(var / n);
    if (s <= 0.0 || s >= 1.0) {
        printf("Elo difference: not finite (every game went one way)\n");
    } else {
        const double bajo = std::max(s - error, 1e-6), alto = std::min(s + error, 1 - 1e-6);
        printf("Elo difference: %+.1f +/- %.1f (95%%: %+.1f .. %+.1f)\n", Elo(s),
               (Elo(alto) - Elo(bajo)) / 2, Elo(bajo), Elo(alto));
    }
    return 0;
}
