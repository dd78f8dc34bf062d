// Tactics the engine solves at go depth 7, run through the suite tool: our own positions
// always, a fixed subset of the WAC suite when the shared suites are present.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "support/process.h"
#include "uci/transcript.h"

// Solved by this engine at depths 7 and 9 (go depth), every other one of those kept.
static const std::set<int> NUMEROS = {
    3,   5,   7,   9,   11,  15,  17,  20,  23,  25,  28,  30,  34,  36,  38,  40,  43,  45,  47,
    50,  53,  57,  60,  62,  64,  67,  72,  76,  78,  83,  88,  93,  95,  98,  102, 105, 107, 110,
    112, 114, 117, 122, 125, 127, 129, 135, 140, 144, 148, 151, 153, 159, 164, 170, 174, 180, 189,
    195, 199, 202, 205, 215, 219, 234, 241, 251, 255, 259, 276, 278, 281, 292, 300};

// Tactics of our own in the same notation, checked on every run: a knight fork, a discovered
// check, a capture that promotes, a pin, a capture of the pinned piece and four mates.
static const char *const PROPIAS[] = {
    "q3k3/8/8/1N6/8/8/8/4K3 w - - bm Nc7+; id \"own.1\";",
    "4k3/8/8/8/q7/8/4N3/4R1K1 w - - bm Nc3+; id \"own.2\";",
    "2r5/1P6/8/8/8/8/k7/4K3 w - - bm bxc8=Q; id \"own.3\";",
    "4k3/8/2q5/8/P7/8/8/4KB2 w - - bm Bb5; id \"own.4\";",
    "r3k2r/ppp2ppp/2n5/3q4/3P4/2N5/PPP2PPP/R2QK2R w KQkq - bm Nxd5; id \"own.5\";",
    "r1bqkb1r/pppp1ppp/2n2n2/4p2Q/2B1P3/8/PPPP1PPP/RNB1K1NR w KQkq - bm Qxf7#; id \"own.6\";",
    "r1b1kb1r/pppp1ppp/5q2/4n3/3KP3/2N3PN/PPP4P/R1BQ1B1R b kq - bm Bc5+; id \"own.7\";",
    "6k1/5ppp/8/8/8/8/1q3PPP/3R2K1 w - - bm Rd8#; id \"own.8\";",
    "r2qkb1r/pp2nppp/3p4/2pNN1B1/2BnP3/3P4/PPP2PPP/R2bK2R w KQkq - bm Nf6+; id \"own.9\";",
};

TEST(SubconjuntoWac, ResuelveLasPosicionesElegidas) {
    std::vector<std::string> lineas(std::begin(PROPIAS), std::end(PROPIAS));
    // The WAC subset, when the shared suites lie beside the checkout.
    const std::string ruta = std::string(VANTOR_SHARED_DIR) + "/testsuites/wac.epd";
    std::ifstream f(ruta);
    for (std::string linea; std::getline(f, linea);) {
        const size_t id = linea.find("id \"WAC.");
        if (id != std::string::npos && NUMEROS.count(std::stoi(linea.substr(id + 8))))
            lineas.push_back(linea);
    }
    const size_t esperadas = std::size(PROPIAS) + (f.is_open() ? NUMEROS.size() : 0);
    std::printf("%s\n", f.is_open() ? "own tactics and the WAC subset"
                                    : ("own tactics only: no suite at " + ruta).c_str());
    EXPECT_EQ(lineas.size(), esperadas);
    // The suite tool searches each from fresh tables with go depth 7 and lists the result.
    const std::string dir = CrearDirectorioTemporal(), fichero = dir + "/tacticas.epd";
    {
        std::ofstream epd(fichero);
        for (const std::string &l : lineas) epd << l << "\n";
    }
    Proceso p;
    ASSERT_TRUE(Lanzar(p, {VANTOR_WAC_BIN, fichero, "depth", "7", "lista"}));
    LeerTodo(p, 600000);
    size_t listadas = 0;
    for (const std::string &linea : Lineas(p.leido)) {
        if (linea.rfind("Solved ", 0) == 0 && std::isdigit(linea[7]))
            std::printf("%s\n", linea.c_str());
        if (linea.find(" bm ") == std::string::npos) continue;
        listadas++;
        EXPECT_NE(linea.find(" ok "), std::string::npos) << linea;
    }
    EXPECT_EQ(Esperar(p, 5000).estado, 0);
    EXPECT_EQ(listadas, esperadas);
    BorrarDirectorio(dir);
}
