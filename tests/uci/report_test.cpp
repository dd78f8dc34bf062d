// The "info" report of an iteration: when it is printed and what it says.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "platform/platform.h"
#include "search/search.h"
#include "tablebase/tablebase.h"
#include "uci/transcript.h"
#include "uci/uci.h"

namespace {

class InformePv : public ::testing::Test {
protected:
    void SetUp() override {
        guardado = TT_Opciones;
        TipoJuego = Registro_Juego{};
        TipoJuego.Tiempo_Inicio = ObtenerTicks();
        TipoJuego.Profundidad_Maxima = 5;
        TipoJuego.Mostrar_Pv = 2;
        TT_Opciones.Num_Grupos = 1000;
        TT_Opciones.Ocupadas = 0;
        tbprobe_Gaviota.Aciertos = 0;
        memset(pv_line_fin, 0, sizeof(pv_line_fin));
        pv_line_fin[0] = CrearJugada(52, 36, PEON_B, NINGUNA, NINGUNA, BIT_DOBLE_PASO);
        pv_line_fin[1] = CrearJugada(12, 4, PEON_B, NINGUNA, DAMA_B);  // e7e8q
        pv_line_fin[3] = pv_line_fin[0];  // beyond the terminator: never printed
    }
    void TearDown() override { TT_Opciones = guardado; }
    std::string Imprimir(int32_t prof, int32_t valor, int32_t cota = 0) {
        impreso = 0;
        return CapturarSalida([&] { ImprimirPv(prof, &impreso, valor, cota); });
    }
    int32_t impreso = 0;
    Registro_TT guardado;
};

TEST_F(InformePv, LineaCompletaEnElOrdenDeCampos) {
    TipoJuego.Tiempo_Inicio = ObtenerTicks() - 2000;
    TipoJuego.Nodos = 100000;
    TT_Opciones.Ocupadas = 1234;  // 1234 / 4000 -> 308
    tbprobe_Gaviota.Aciertos = 7;
    std::string s = Imprimir(4, 37);
    unsigned tiempo = 0, nps = 0;
    int leidos = 0;
    ASSERT_EQ(sscanf(s.c_str(), "info depth 4 seldepth 2 time %u nodes 100000 nps %u %n", &tiempo,
                     &nps, &leidos), 2) << s;
    EXPECT_EQ(s.substr(static_cast<size_t>(leidos)),
              "tbhits 7 hashfull 308 score cp 37 pv e2e4 e7e8q \n");
    EXPECT_EQ(nps, static_cast<unsigned>(100000 / (tiempo * 0.001)));
}

TEST_F(InformePv, PuntuacionesDeMateYCotas) {
    const struct {
        int32_t valor, cota;
        const char *texto;
    } casos[] = {
        {31995, 0, " score mate 3 pv "},     {-31996, 0, " score mate -2 pv "},
        {31999, 1, " score mate 1 pv "},     {150, 1, " score cp 150 lowerbound pv "},
        {20, -1, " score cp 20 upperbound pv "}, {31936, 0, " score cp 31936 pv "},
        {-32001, 0, " score cp -32001 pv "},
    };
    for (const auto &c : casos)
        EXPECT_NE(Imprimir(3, c.valor, c.cota).find(c.texto), std::string::npos) << c.texto;
}

TEST_F(InformePv, DecisionesDeShowPv) {
    // Mostrar_Pv, Infinito, Profundidad_Maxima, time used / budget (0: no clock),
    // depth reported, printed.
    const struct {
        int32_t mostrar, infinito, maxima, usado, limite, prof;
        bool imprime;
    } casos[] = {
        {2, 0, 5, 0, 0, 1, true},    {0, 0, 5, 0, 0, 4, false},   {0, 1, 32, 0, 0, 4, true},
        {1, 0, 5, 0, 0, 2, false},   {1, 0, 5, 0, 0, 3, true},    {1, 0, 4, 0, 0, 2, true},
        {1, 0, 32, 500, 3000, 20, false}, {1, 0, 32, 2000, 3000, 2, true},
        {1, 0, 32, 5, -150, 2, true},
    };
    for (const auto &c : casos) {
        TipoJuego.Mostrar_Pv = c.mostrar;
        TipoJuego.Infinito = c.infinito;
        TipoJuego.Profundidad_Maxima = c.maxima;
        TipoJuego.Por_Tiempo = c.limite != 0;
        TipoJuego.Tiempo_Limite = c.limite;
        TipoJuego.Tiempo_Inicio = ObtenerTicks() - c.usado;
        std::string s = Imprimir(c.prof, 10);
        EXPECT_EQ(!s.empty(), c.imprime) << "ShowPv " << c.mostrar << " max " << c.maxima
                                         << " used " << c.usado << " depth " << c.prof;
        EXPECT_EQ(impreso, c.imprime ? 1 : 0);
    }
}

}  // namespace
