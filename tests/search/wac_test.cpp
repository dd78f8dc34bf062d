// A fixed subset of the WAC suite that the engine solves: each position from fresh tables,
// searched by the go command to a fixed depth, must give one of the suite's best moves.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>

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

TEST(SubconjuntoWac, ResuelveLasPosicionesElegidas) {
    std::ifstream f(std::string(VANTOR_SHARED_DIR) + "/testsuites/wac.epd");
    if (!f) GTEST_SKIP() << "no WAC suite under " << VANTOR_SHARED_DIR;
    // The start-up pieces as the suite tool runs them: seed 1, 64 MB, no tablebases.
    LlenarTablasEvaluacion();
    LlenarLmr();
    LimpiarSee();
    LlenarValoresOrden();
    IniciarClaves(1);
    CrearTransposicion(64);
    tbprobe_Gaviota.Cargada = 0;
    Salir = 0;

    size_t vistas = 0, resueltas = 0;
    for (std::string linea; std::getline(f, linea);) {
        const size_t id = linea.find("id \"WAC."), bm = linea.find(" bm ");
        if (id == std::string::npos || bm == std::string::npos) continue;
        if (!NUMEROS.count(std::stoi(linea.substr(id + 8)))) continue;
        vistas++;
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
            ASSERT_NE(m, 0u) << linea;
            char texto[6];
            MovimientoCoordenadas(Desde(m), Hasta(m), Corona(m), texto);
            buenas.insert(texto);
        }
        TipoJuego.Mostrar_Pv = 0;
        testing::internal::CaptureStdout();
        ComandoGo("depth 7");
        const std::string salida = testing::internal::GetCapturedStdout();
        const size_t b = salida.find("bestmove ");
        ASSERT_NE(b, std::string::npos) << linea;
        std::string jugada;
        std::istringstream(salida.substr(b + 9)) >> jugada;
        EXPECT_TRUE(buenas.count(jugada)) << linea << ": played " << jugada;
        resueltas += buenas.count(jugada);
    }
    EXPECT_EQ(vistas, NUMEROS.size());
    std::printf("WAC subset: %zu of %zu solved at depth 7\n", resueltas, vistas);
    CrearTransposicion(16);  // leave the table as the other suites expect it
}
