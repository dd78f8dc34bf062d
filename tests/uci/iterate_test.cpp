// The iterative-deepening driver: its start state, its answer and the resets after it.
#include <gtest/gtest.h>

#include <cstring>

#include "eval/eval.h"
#include "search/search.h"
#include "tablebase/tablebase.h"
#include "uci/transcript.h"
#include "uci/uci.h"

namespace {

class Iteracion : public ::testing::Test {
protected:
    void SetUp() override {
        LlenarTablasEvaluacion();
        LlenarLmr();
        LimpiarSee();
        LlenarValoresOrden();
        IniciarClaves(99);
        Salir = 0;
        CrearTransposicion(1);
        UciNewGame();
        TipoJuego.Mostrar_Pv = 1;
    }
    void TearDown() override {
        LiberarTransposicion();
        Salir = 0;
    }
    // Runs a search to the given depth limit and returns its output.
    static std::string Buscar(int32_t limite) {
        TipoJuego.Profundidad_Maxima = limite;
        TipoJuego.Por_Tiempo = 0;
        return CapturarSalida([] { IniciarBusqueda(); });
    }
};

TEST_F(Iteracion, SinIteracionNuncaRepiteLaJugadaDeOtraBusqueda) {
    std::string s = Buscar(3);
    ASSERT_EQ(s.rfind("bestmove "), s.find("bestmove ")) << s;
    EXPECT_NE(s.find("bestmove "), std::string::npos);
    EXPECT_EQ(s.find("bestmove 0000"), std::string::npos);
    // A limit of 1 runs no iteration, whatever the last search answered.
    EXPECT_EQ(Buscar(1), "bestmove 0000\n");
    EXPECT_EQ(Buscar(-7), "bestmove 0000\n");
}

TEST_F(Iteracion, StopAntesDeLaPrimeraIteracionNoDaJugada) {
    TipoJuego.Detener = 1;
    EXPECT_EQ(Buscar(6), "bestmove 0000\n");
    EXPECT_EQ(TipoJuego.Detener, 0) << "cleared after the answer";
}

TEST_F(Iteracion, DespuesDeBestmoveTodoLoAcumuladoSeLimpia) {
    tbprobe_Gaviota.Aciertos = 3;
    Buscar(4);
    EXPECT_EQ(TipoJuego.Nodos, 0u);
    EXPECT_EQ(TipoJuego.Detener, 0);
    EXPECT_EQ(tbprobe_Gaviota.Aciertos, 0u);
    EXPECT_EQ(TT_Opciones.Ocupadas, 0);
    EXPECT_EQ(TT_Opciones.Edad, 2);
    EXPECT_EQ(pv_line_fin[0], 0u);
    EXPECT_EQ(pv_line[0][0], 0u);
    EXPECT_EQ(Max_Historico, 0);
    EXPECT_EQ(Min_Historico, 0);
    int32_t suma = 0;
    for (const auto &fila : Historico_Bueno)
        for (int32_t v : fila) suma |= v;
    for (const auto &fila : Historico_Killer)
        for (uint32_t v : fila) suma |= static_cast<int32_t>(v);
    EXPECT_EQ(suma, 0);
    // The best and ponder moves of the answer stay readable.
    EXPECT_NE(TipoJuego.Mejor_Jugada, 0u);
}

TEST_F(Iteracion, LaEdadAvanzaYPasadaLa126LaTablaSeVacia) {
    AlmacenarPosicion(5, 10, TT_EXACTO, 123);
    TT_Opciones.Edad = 7;
    Buscar(1);
    EXPECT_EQ(TT_Opciones.Edad, 8);
    int32_t prof = 5, valor = 0;
    uint32_t jugada = 0;
    EXPECT_EQ(RecuperarPosicion(-50, 50, &prof, &valor, &jugada), 1) << "the table survives";

    TT_Opciones.Edad = 126;
    Buscar(1);
    EXPECT_EQ(TT_Opciones.Edad, 1);
    EXPECT_EQ(RecuperarPosicion(-50, 50, &prof, &valor, &jugada), 0);
    EXPECT_EQ(jugada, 0u);
}

TEST_F(Iteracion, ElRivalPesaUnCuatroPorCientoMas) {
    Buscar(1);
    EXPECT_EQ(AJUSTE_MOB[1], 100);
    EXPECT_EQ(AJUSTE_ATT[1], 100);
    EXPECT_EQ(AJUSTE_MOB[0], 104);
    EXPECT_EQ(AJUSTE_ATT[0], 104);
    Position_Fen_Startpos("startpos moves e2e4");
    Buscar(1);
    EXPECT_EQ(AJUSTE_MOB[0], 100);
    EXPECT_EQ(AJUSTE_ATT[0], 100);
    EXPECT_EQ(AJUSTE_MOB[1], 104);
    EXPECT_EQ(AJUSTE_ATT[1], 104);
}

TEST_F(Iteracion, LaRaizEmpiezaEnElPlyCero) {
    Position_Fen_Startpos("startpos moves e2e4 e7e5");
    ASSERT_EQ(TableroGlobal.Indice_Deshacer, 1);
    std::string s = Buscar(3);
    EXPECT_EQ(TableroGlobal.Indice_Deshacer, 0);
    EXPECT_EQ(TableroGlobal.Num_Historial, 2) << "every make of the search was unmade";
    EXPECT_NE(s.find("info depth 2 "), std::string::npos) << s;
}

}  // namespace
