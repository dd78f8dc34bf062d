// A fixed subset of the WAC suite that the engine solves: each position from fresh tables,
// searched by the go command to a fixed depth, must give one of the suite's best moves.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "eval/eval.h"
#include "search/search.h"
#include "tablebase/tablebase.h"
#include "uci/uci.h"

namespace {

// Solved by this engine at depths 7 and 9 (go depth), every other one of those kept.
const int NUMEROS[] = {3,   5,   7,   9,   11,  15,  17,  20,  23,  25,  28,  30,  34,  36,  38,
                       40,  43,  45,  47,  50,  53,  57,  60,  62,  64,  67,  72,  76,  78,  83,
                       88,  93,  95,  98,  102, 105, 107, 110, 112, 114, 117, 122, 125, 127, 129,
                       135, 140, 144, 148, 151, 153, 159, 164, 170, 174, 180, 189, 195, 199, 202,
                       205, 215, 219, 234, 241, 251, 255, 259, 276, 278, 281, 292, 300};

struct Posicion_Wac {
    std::string fen, id;
    std::vector<std::string> mejores;
};

std::vector<Posicion_Wac> LeerSuite() {
    std::set<std::string> ids;
    for (int n : NUMEROS) {
        char id[16];
        std::snprintf(id, sizeof(id), "WAC.%03d", n);
        ids.insert(id);
    }
    std::vector<Posicion_Wac> suite;
    std::ifstream f(std::string(VANTOR_SHARED_DIR) + "/testsuites/wac.epd");
    for (std::string linea; std::getline(f, linea);) {
        Posicion_Wac p;
        std::istringstream in(linea);
        std::string campo;
        for (int i = 0; i < 4 && in >> campo; i++) {
            if (i > 0) p.fen += ' ';
            p.fen += campo;
        }
        const size_t id = linea.find("id \"");
        const size_t bm = linea.find(" bm ");
        if (id == std::string::npos || bm == std::string::npos) continue;
        p.id = linea.substr(id + 4, linea.find('"', id + 4) - id - 4);
        if (!ids.count(p.id)) continue;
        std::istringstream jugadas(linea.substr(bm + 4, linea.find(';', bm) - bm - 4));
        while (jugadas >> campo) p.mejores.push_back(campo);
        suite.push_back(p);
    }
    return suite;
}

}  // namespace

TEST(SubconjuntoWac, ResuelveLasPosicionesElegidas) {
    const std::vector<Posicion_Wac> suite = LeerSuite();
    if (suite.empty()) GTEST_SKIP() << "no WAC suite under " << VANTOR_SHARED_DIR;
    ASSERT_EQ(suite.size(), sizeof(NUMEROS) / sizeof(NUMEROS[0]));

    // The start-up pieces as the suite tool runs them: seed 1, 64 MB, no tablebases.
    LlenarTablasEvaluacion();
    LlenarLmr();
    LimpiarSee();
    LlenarValoresOrden();
    IniciarClaves(1);
    CrearTransposicion(64);
    tbprobe_Gaviota.Cargada = 0;
    Salir = 0;

    int resueltas = 0;
    for (const Posicion_Wac &p : suite) {
        UciNewGame();
        Position_Fen_Startpos(("fen " + p.fen).c_str());
        std::set<std::string> buenas;
        for (const std::string &san : p.mejores) {
            const uint32_t m = JugadaSan(san.c_str());
            ASSERT_NE(m, 0u) << p.id << " " << san;
            char texto[6];
            MovimientoCoordenadas(Desde(m), Hasta(m), Corona(m), texto);
            buenas.insert(texto);
        }
        TipoJuego.Mostrar_Pv = 0;
        testing::internal::CaptureStdout();
        ComandoGo("depth 7");
        const std::string salida = testing::internal::GetCapturedStdout();
        const size_t b = salida.find("bestmove ");
        ASSERT_NE(b, std::string::npos) << p.id;
        std::istringstream resto(salida.substr(b + 9));
        std::string jugada;
        resto >> jugada;
        EXPECT_TRUE(buenas.count(jugada))
            << p.id << " played " << jugada << ", bm " << p.mejores[0];
        resueltas += buenas.count(jugada) ? 1 : 0;
    }
    std::printf("WAC subset: %d of %zu solved at depth 7\n", resueltas, suite.size());
    // Leave the table as the other suites expect it.
    CrearTransposicion(16);
}
