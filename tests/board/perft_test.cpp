// Perft: leaf counts and last-move statistics against the published figures, mirrored positions,
// and the perft command's printed report.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "support/position.h"
#include "support/transcript.h"

namespace {

struct Esperado {
    uint32_t nodos;
    int32_t capturas, al_paso, enroques, coronaciones;  // -1 when not published
};

const char *const FEN_POS5 = "rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ - 1 8";
const char *const FEN_POS6 =
    "r4rk1/1pp1qppp/p1np1n2/2b1p1B1/2B1P1b1/P1NP1N2/1PP1QPPP/R4RK1 w - - 0 10";

// Statistics of MiniMax from the loaded position, as the perft command counts them.
Estadisticas_Perft Contar(int32_t profundidad) {
    TipoJuego.Profundidad_Maxima = profundidad;
    Estadisticas_Perft est = {};
    MiniMax(0, &est, 0);
    return est;
}

class Perft : public PruebaTablero {
  protected:
    void SetUp() override {
        PruebaTablero::SetUp();
        TipoJuego = {};
    }

    static Estadisticas_Perft Comprobar(const std::string &fen, int32_t profundidad,
                                        const Esperado &e) {
        SCOPED_TRACE(fen + " depth " + std::to_string(profundidad));
        EXPECT_EQ(CargarPosicionPrueba(fen.c_str()), 1);
        const Estadisticas_Perft est = Contar(profundidad);
        EXPECT_EQ(est.Nodos, e.nodos);
        const int32_t medidos[4] = {est.Capturas, est.Capturas_Al_Paso, est.Enroques,
                                    est.Coronaciones};
        const int32_t esperados[4] = {e.capturas, e.al_paso, e.enroques, e.coronaciones};
        for (int k = 0; k < 4; k++) {
            if (esperados[k] >= 0) {
                EXPECT_EQ(medidos[k], esperados[k]) << "statistic " << k;
            }
        }
        EXPECT_EQ(Salir, 0);
        EXPECT_EQ(TableroGlobal.Indice_Deshacer, 0);
        return est;
    }
};

// The deepest published figures of each position: a fault at a shallower ply changes them too.
// The colour mirror must give the same statistics: a slip between the White and Black twins
// shows up there.
TEST_F(Perft, CifrasPublicadasEnCadaPosicionYSuEspejo) {
    const struct { const char *fen; int32_t prof; Esperado e; } casos[] = {
        {FEN_INICIAL, 5, {4865609, 82719, 258, 0, 0}},
        {FEN_KIWIPETE, 4, {4085603, 757163, 1929, 128013, 15172}},
        {FEN_POS3, 5, {674624, 52051, 1165, 0, 0}},
        {FEN_POS4, 4, {422333, 131393, 0, 7795, 60032}},
        {FEN_POS5, 3, {62379, -1, -1, -1, -1}},
        {FEN_POS6, 3, {89890, -1, -1, -1, -1}},
        // Castling rights against attacks, en passant giving check, promotion giving check.
        {"r3k2r/1b4bq/8/8/8/8/7B/R3K2R w KQkq - 0 1", 4, {1274206, -1, -1, -1, -1}},
        {"8/8/1k6/2b5/2pP4/8/5K2/8 b - d3 0 1", 6, {1440467, -1, -1, -1, -1}},
        {"4k3/1P6/8/8/8/8/K7/8 w - - 0 1", 6, {217342, -1, -1, -1, -1}},
    };
    for (const auto &c : casos) {
        const Estadisticas_Perft a = Comprobar(c.fen, c.prof, c.e);
        const Estadisticas_Perft b = Comprobar(EspejoFen(c.fen), c.prof, c.e);
        EXPECT_EQ(std::memcmp(&a, &b, sizeof(a)), 0) << c.fen;
    }
}

class ComandoPerftSalida : public Perft {
  protected:
    void SetUp() override {
        Perft::SetUp();
        ASSERT_EQ(CargarPosicionPrueba(FEN_INICIAL), 1);
    }

    static std::string Ejecutar(const char *resto) {
        return CapturarSalida([&] { ComandoPerft(resto); });
    }

    // The two timing lines, when they hold a number, become "Tiempo" and "Nps".
    static std::string SinTiempos(const std::string &salida) {
        return std::regex_replace(salida, std::regex("\nTiempo\\(ms\\): \\d+\nNps: \\d+\n"),
                                  "\nTiempo\nNps\n");
    }
};

TEST_F(ComandoPerftSalida, InicialProfundidadTresByteAByte) {
    EXPECT_EQ(SinTiempos(Ejecutar(" 3")),
              "32bit. Valores maximos: 4294967295\nNodos: 8902\nCapturas: 34\nCaptura Ep: 0\n"
              "Coronacion: 0\nEnroques: 0\nTiempo\nNps\nDivide\n"
              "------------------------------\n"
              "g1h3: 400\ng1f3: 440\nb1c3: 440\nb1a3: 400\n"
              "h2h3: 380\nh2h4: 420\ng2g3: 420\ng2g4: 421\nf2f3: 380\nf2f4: 401\n"
              "e2e3: 599\ne2e4: 600\nd2d3: 539\nd2d4: 560\nc2c3: 420\nc2c4: 441\n"
              "b2b3: 420\nb2b4: 421\na2a3: 380\na2a4: 420\n");
    EXPECT_EQ(TipoJuego.Profundidad_Maxima, 3);
    EXPECT_EQ(TableroGlobal.Indice_Deshacer, 0);
}

// No digits, zero, or a value negative in 32 bits: nothing at all. 2^32 + 1 is depth 1.
TEST_F(ComandoPerftSalida, ProfundidadInvalidaNoImprimeNadaYCuentanLosBitsBajos) {
    TipoJuego.Profundidad_Maxima = 9;
    const std::vector<std::string> restos = {"",   " x",          " 3x", " -3", " +3",
                                             " 0", " 4294967295", " " + std::string(79, '0') + "3"};
    for (const std::string &resto : restos)  // the last one is 80 characters
        EXPECT_EQ(Ejecutar(resto.c_str()), "") << '"' << resto << '"';
    EXPECT_EQ(TipoJuego.Profundidad_Maxima, 9);
    EXPECT_NE(Ejecutar((" " + std::string(78, '0') + "2").c_str()).find("Nodos: 400\n"),
              std::string::npos);
    EXPECT_NE(Ejecutar(" 4294967297 extra").find("Nodos: 20\n"), std::string::npos);
}

// A mating root move has no leaf at depth 2 and is not listed; promotions carry their letter.
TEST_F(ComandoPerftSalida, DivideOmiteElMateYEscribeLaCoronacion) {
    ASSERT_EQ(CargarPosicionPrueba("rnbqkbnr/pppp1ppp/8/4p3/6P1/5P2/PPPPP2P/RNBQKBNR b KQkq - 0 2"),
              1);
    std::string salida = Ejecutar(" 2");
    EXPECT_EQ(salida.find("d8h4"), std::string::npos) << salida;
    EXPECT_NE(salida.find("d8g5: "), std::string::npos) << salida;

    ASSERT_EQ(CargarPosicionPrueba("1r2k3/2P5/8/8/8/8/8/4K3 w - - 0 1"), 1);
    salida = Ejecutar(" 1");
    EXPECT_NE(salida.find("Nodos: 13\nCapturas: 4\nCaptura Ep: 0\nCoronacion: 8\n"),
              std::string::npos)
        << salida;
    EXPECT_NE(salida.find("c7b8q: 1\nc7b8r: 1\nc7b8b: 1\nc7b8n: 1\nc7c8q: 1\nc7c8r: 1\n"),
              std::string::npos)
        << salida;
}

}  // namespace
