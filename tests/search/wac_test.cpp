// Tactics the engine solves: each position from fresh tables, searched by the go command to a
// fixed depth, must give one of its best moves. Our own positions always; a fixed subset of
// the WAC suite when the shared suites are present.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "eval/eval.h"
#include "search/search.h"
#include "tablebase/tablebase.h"
#include "uci/uci.h"

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

// Searches each EPD line from fresh tables with "go depth 7"; the number of lines solved.
static size_t Resolver(const std::vector<std::string> &lineas) {
    size_t resueltas = 0;
    for (const std::string &linea : lineas) {
        const size_t bm = linea.find(" bm ");
        std::istringstream campos(linea);
        std::string fen, campo;
        for (int i = 0; i < 4 && campos >> campo; i++) fen += (i ? " " : "") + campo;
        UciNewGame();
        Position_Fen_Startpos(("fen " + fen).c_str());
        // The best moves in SAN, resolved on the loaded position into move texts.
        std::set<std::string> buenas;
        std::istringstream mejores(linea.substr(bm + 4, linea.find(';', bm) - bm - 4));
        for (std::string san; mejores >> san;) {
            const uint32_t m = JugadaSan(san.c_str());
            EXPECT_NE(m, 0u) << linea;
            char texto[6];
            MovimientoCoordenadas(Desde(m), Hasta(m), Corona(m), texto);
            buenas.insert(texto);
        }
        TipoJuego.Mostrar_Pv = 0;
        testing::internal::CaptureStdout();
        ComandoGo("depth 7");
        const std::string salida = testing::internal::GetCapturedStdout();
        const size_t b = salida.find("bestmove ");
        EXPECT_NE(b, std::string::npos) << linea;
        std::string jugada;
        if (b != std::string::npos) std::istringstream(salida.substr(b + 9)) >> jugada;
        EXPECT_TRUE(buenas.count(jugada)) << linea << ": played " << jugada;
        resueltas += buenas.count(jugada);
    }
    return resueltas;
}

TEST(SubconjuntoWac, ResuelveLasPosicionesElegidas) {
    // The start-up pieces as the suite tool runs them: seed 1, 64 MB, no tablebases.
    LlenarTablasEvaluacion();
    LlenarLmr();
    LimpiarSee();
    LlenarValoresOrden();
    IniciarClaves(1);
    CrearTransposicion(64);
    tbprobe_Gaviota.Cargada = 0;
    Salir = 0;

    const std::vector<std::string> propias(std::begin(PROPIAS), std::end(PROPIAS));
    std::printf("Own tactics: %zu of %zu solved at depth 7\n", Resolver(propias), propias.size());

    // The WAC subset, when the shared suites lie beside the checkout.
    const std::string ruta = std::string(VANTOR_SHARED_DIR) + "/testsuites/wac.epd";
    std::ifstream f(ruta);
    std::vector<std::string> wac;
    for (std::string linea; std::getline(f, linea);) {
        const size_t id = linea.find("id \"WAC.");
        if (id != std::string::npos && linea.find(" bm ") != std::string::npos &&
            NUMEROS.count(std::stoi(linea.substr(id + 8))))
            wac.push_back(linea);
    }
    if (!f.is_open()) {
        std::printf("WAC subset: no suite at %s, own tactics only\n", ruta.c_str());
    } else {
        EXPECT_EQ(wac.size(), NUMEROS.size()) << ruta;
        std::printf("WAC subset: %zu of %zu solved at depth 7\n", Resolver(wac), wac.size());
    }
    CrearTransposicion(16);  // leave the table as the other suites expect it
}
