// The "info" report of an iteration: when it is printed and what it says.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <regex>

#include "platform/platform.h"
#include "search/search.h"
#include "tablebase/tablebase.h"
#include "uci/uci.h"

namespace {

// Everything f writes to standard output.
std::string Capturar(const std::function<void()> &f) {
    fflush(stdout);
    int guardado = dup(1);
    FILE *tmp = tmpfile();
    dup2(fileno(tmp), 1);
    f();
    fflush(stdout);
    dup2(guardado, 1);
    close(guardado);
    std::string texto;
    rewind(tmp);
    char buf[512];
    size_t n;
    while ((n = fread(buf, 1, sizeof(buf), tmp)) > 0) texto.append(buf, n);
    fclose(tmp);
    return texto;
}

class InformePv : public ::testing::Test {
protected:
    void SetUp() override {
        TipoJuego = Registro_Juego{};
        TipoJuego.Tiempo_Inicio = ObtenerTicks();
        TipoJuego.Profundidad_Maxima = 5;
        TipoJuego.Mostrar_Pv = 2;
        TT_Opciones.Num_Grupos = 1000;
        TT_Opciones.Ocupadas = 0;
        tbprobe_Gaviota.Aciertos = 0;
        memset(pv_line_fin, 0, sizeof(pv_line_fin));
        // e2e4 e7e5
        pv_line_fin[0] = CrearJugada(52, 36, PEON_B, NINGUNA, NINGUNA, BIT_DOBLE_PASO);
        pv_line_fin[1] = CrearJugada(12, 28, PEON_N, NINGUNA, NINGUNA, BIT_DOBLE_PASO);
        impreso = 0;
    }
    std::string Imprimir(int32_t prof, int32_t valor, int32_t cota = 0) {
        return Capturar([&] { ImprimirPv(prof, &impreso, valor, cota); });
    }
    int32_t impreso;
};

TEST_F(InformePv, LineaCompletaEnElOrdenDeCampos) {
    TipoJuego.Tiempo_Inicio = ObtenerTicks() - 2000;
    TipoJuego.Nodos = 100000;
    TT_Opciones.Ocupadas = 1234;  // 1234 / 4000 -> 308
    tbprobe_Gaviota.Aciertos = 7;
    std::string s = Imprimir(4, 37);
    std::smatch m;
    ASSERT_TRUE(std::regex_match(s, m,
                                 std::regex("info depth 4 seldepth 2 time (\\d+) nodes 100000 "
                                            "nps (\\d+) tbhits 7 hashfull 308 score cp 37 "
                                            "pv e2e4 e7e5 \n")))
        << s;
    uint32_t tiempo = std::stoul(m[1]);
    EXPECT_GE(tiempo, 2000u);
    EXPECT_LT(tiempo, 2500u);
    EXPECT_EQ(std::stoul(m[2]), static_cast<unsigned long>(100000 / (tiempo * 0.001)));
    EXPECT_EQ(TipoJuego.Tiempo_Usado, tiempo);
    EXPECT_EQ(impreso, 1);
}

TEST_F(InformePv, PuntuacionesDeMateYCotas) {
    EXPECT_NE(Imprimir(3, 31995).find(" score mate 3 pv "), std::string::npos);
    EXPECT_NE(Imprimir(3, -31996).find(" score mate -2 pv "), std::string::npos);
    EXPECT_NE(Imprimir(3, 31999, 1).find(" score mate 1 pv "), std::string::npos);
    EXPECT_NE(Imprimir(3, 150, 1).find(" score cp 150 lowerbound pv "), std::string::npos);
    EXPECT_NE(Imprimir(3, 20, -1).find(" score cp 20 upperbound pv "), std::string::npos);
    // The threshold and the infinities are not mates.
    EXPECT_NE(Imprimir(3, 31936).find(" score cp 31936 pv "), std::string::npos);
    EXPECT_NE(Imprimir(3, -32001).find(" score cp -32001 pv "), std::string::npos);
}

TEST_F(InformePv, NoneNoImprimeSalvoEnInfinito) {
    TipoJuego.Mostrar_Pv = 0;
    EXPECT_EQ(Imprimir(4, 10), "");
    EXPECT_EQ(impreso, 0);
    TipoJuego.Infinito = 1;
    EXPECT_NE(Imprimir(4, 10), "");
    EXPECT_EQ(impreso, 1);
}

TEST_F(InformePv, MiddleSinRelojDesdeLaMitadDeLaProfundidad) {
    TipoJuego.Mostrar_Pv = 1;
    TipoJuego.Profundidad_Maxima = 5;
    EXPECT_EQ(Imprimir(2, 10), "");
    EXPECT_NE(Imprimir(3, 10), "");
    TipoJuego.Profundidad_Maxima = 4;
    EXPECT_NE(Imprimir(2, 10), "");
}

TEST_F(InformePv, MiddleConRelojCallaElPrimerTercio) {
    TipoJuego.Mostrar_Pv = 1;
    TipoJuego.Por_Tiempo = 1;
    TipoJuego.Tiempo_Limite = 3000;
    TipoJuego.Profundidad_Maxima = 32;
    TipoJuego.Tiempo_Inicio = ObtenerTicks() - 500;
    EXPECT_EQ(Imprimir(20, 10), "");
    TipoJuego.Tiempo_Inicio = ObtenerTicks() - 2000;
    EXPECT_NE(Imprimir(2, 10), "");
    // A spent budget: never early once a millisecond has passed.
    TipoJuego.Tiempo_Limite = -150;
    TipoJuego.Tiempo_Inicio = ObtenerTicks() - 5;
    EXPECT_NE(Imprimir(2, 10), "");
}

TEST_F(InformePv, LaLineaAcabaEnElCeroYLlevaLasCoronaciones) {
    pv_line_fin[1] = CrearJugada(12, 4, PEON_B, NINGUNA, DAMA_B);  // e7e8q
    pv_line_fin[2] = 0;
    pv_line_fin[3] = pv_line_fin[0];  // beyond the terminator: never printed
    std::string s = Imprimir(6, 0);
    EXPECT_NE(s.find("seldepth 2 "), std::string::npos);
    EXPECT_NE(s.find(" pv e2e4 e7e8q \n"), std::string::npos) << s;

    memset(pv_line_fin, 0, sizeof(pv_line_fin));
    s = Imprimir(6, 0);
    EXPECT_NE(s.find("seldepth 0 "), std::string::npos);
    EXPECT_NE(s.find(" pv \n"), std::string::npos);
}

}  // namespace
