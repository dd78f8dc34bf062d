// The perft command's printed report.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "board/posicion_test_util.h"
#include "uci/transcript.h"

class ComandoPerftSalida : public ::testing::Test {
  protected:
    void SetUp() override {
        Salir = 0;
        TipoJuego = {};
        IniciarClaves(7);
        ASSERT_EQ(CargarPosicionPrueba(FEN_INICIAL), 1);
    }

    static std::string Ejecutar(const char *resto) {
        return CapturarSalida([&] { ComandoPerft(resto); });
    }

    // The two timing lines, once checked to hold a number, become "Tiempo" and "Nps".
    static std::string SinTiempos(std::string salida) {
        for (const std::string prefijo : {"Tiempo(ms): ", "Nps: "}) {
            const size_t i = salida.find(prefijo), fin = salida.find('\n', i);
            if (i == std::string::npos || fin == std::string::npos) return "no " + prefijo;
            const std::string cifra = salida.substr(i + prefijo.size(), fin - i - prefijo.size());
            EXPECT_TRUE(!cifra.empty() &&
                        cifra.find_first_not_of("0123456789") == std::string::npos)
                << prefijo << cifra;
            salida.replace(i, fin - i, prefijo.substr(0, prefijo.find_first_of("(:")));
        }
        return salida;
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
