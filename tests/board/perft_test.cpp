// Leaf counts and last-move statistics against the published perft figures.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "board/posicion_test_util.h"

namespace {

struct Esperado {
    uint32_t nodos;
    int32_t capturas, al_paso, enroques, coronaciones;  // -1 when not published
};

const char *const FEN_POS3 = "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - -";
const char *const FEN_POS4 = "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1";
const char *const FEN_POS4_ESPEJO =
    "r2q1rk1/pP1p2pp/Q4n2/bbp1p3/Np6/1B3NBn/pPPP1PPP/R3K2R b KQ - 0 1";
const char *const FEN_POS5 = "rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ - 1 8";
const char *const FEN_POS6 =
    "r4rk1/1pp1qppp/p1np1n2/2b1p1B1/2B1P1b1/P1NP1N2/1PP1QPPP/R4RK1 w - - 0 10";

}  // namespace

class Perft : public ::testing::Test {
  protected:
    void SetUp() override {
        Salir = 0;
        std::memset(&TipoJuego, 0, sizeof(TipoJuego));
        IniciarClaves(20240601);
    }

    // Runs MiniMax the way the perft command does and checks every published figure.
    static void Comprobar(const char *fen, int32_t profundidad, const Esperado &e) {
        SCOPED_TRACE(std::string(fen) + " depth " + std::to_string(profundidad));
        ASSERT_EQ(CargarPosicionPrueba(fen), 1);
        TipoJuego.Profundidad_Maxima = profundidad;
        Estadisticas_Perft est;
        std::memset(&est, 0, sizeof(est));
        Lista_Jugadas lista[MAX_JUGADAS];
        const int32_t n = GenerarMovimientos(GENERAR_TODO, lista);
        for (int32_t i = 0; i < n; i++) {
            if (HacerMovimiento(lista[i].Jugada)) MiniMax(1, &est, lista[i].Jugada);
            DeshacerMovimiento();
        }
        EXPECT_EQ(est.Nodos, e.nodos);
        if (e.capturas >= 0) {
            EXPECT_EQ(est.Capturas, e.capturas);
        }
        if (e.al_paso >= 0) {
            EXPECT_EQ(est.Capturas_Al_Paso, e.al_paso);
        }
        if (e.enroques >= 0) {
            EXPECT_EQ(est.Enroques, e.enroques);
        }
        if (e.coronaciones >= 0) {
            EXPECT_EQ(est.Coronaciones, e.coronaciones);
        }
        EXPECT_EQ(Salir, 0);
        EXPECT_EQ(TableroGlobal.Indice_Deshacer, 0);
    }
};

TEST_F(Perft, PosicionInicialHastaCuatro) {
    Comprobar(FEN_INICIAL, 1, {20, 0, 0, 0, 0});
    Comprobar(FEN_INICIAL, 2, {400, 0, 0, 0, 0});
    Comprobar(FEN_INICIAL, 3, {8902, 34, 0, 0, 0});
    Comprobar(FEN_INICIAL, 4, {197281, 1576, 0, 0, 0});
}

TEST_F(Perft, PosicionInicialProfundidadCinco) {
    Comprobar(FEN_INICIAL, 5, {4865609, 82719, 258, 0, 0});
}

TEST_F(Perft, KiwipeteHastaTres) {
    Comprobar(FEN_KIWIPETE, 1, {48, 8, 0, 2, 0});
    Comprobar(FEN_KIWIPETE, 2, {2039, 351, 1, 91, 0});
    Comprobar(FEN_KIWIPETE, 3, {97862, 17102, 45, 3162, 0});
}

TEST_F(Perft, KiwipeteProfundidadCuatro) {
    Comprobar(FEN_KIWIPETE, 4, {4085603, 757163, 1929, 128013, 15172});
}

TEST_F(Perft, FinalDeTorresProfundidadCinco) {
    Comprobar(FEN_POS3, 1, {14, 1, 0, 0, 0});
    Comprobar(FEN_POS3, 3, {2812, 209, 2, 0, 0});
    Comprobar(FEN_POS3, 5, {674624, 52051, 1165, 0, 0});
}

TEST_F(Perft, PosicionCuatroYSuEspejoCoinciden) {
    for (const char *fen : {FEN_POS4, FEN_POS4_ESPEJO}) {
        Comprobar(fen, 1, {6, 0, 0, 0, 0});
        Comprobar(fen, 2, {264, 87, 0, 6, 48});
        Comprobar(fen, 3, {9467, 1021, 4, 0, 120});
        Comprobar(fen, 4, {422333, 131393, 0, 7795, 60032});
    }
}

TEST_F(Perft, PosicionesCincoYSeis) {
    Comprobar(FEN_POS5, 1, {44, -1, -1, -1, -1});
    Comprobar(FEN_POS5, 2, {1486, -1, -1, -1, -1});
    Comprobar(FEN_POS5, 3, {62379, -1, -1, -1, -1});
    Comprobar(FEN_POS6, 1, {46, -1, -1, -1, -1});
    Comprobar(FEN_POS6, 2, {2079, -1, -1, -1, -1});
    Comprobar(FEN_POS6, 3, {89890, -1, -1, -1, -1});
}

// A colour slip between the White and Black twins shows up as different counts.
TEST_F(Perft, CadaPosicionEspejadaDaLasMismasCifras) {
    for (const char *fen :
         {FEN_INICIAL, FEN_KIWIPETE, FEN_POS3, FEN_POS5, FEN_POS6,
          "r3k2r/1b4bq/8/8/8/8/7B/R3K2R w KQkq - 0 1", "8/8/1k6/2b5/2pP4/8/5K2/8 b - d3 0 1",
          "4k3/1P6/8/8/8/8/K7/8 w - - 0 1"}) {
        ASSERT_EQ(CargarPosicionPrueba(fen), 1);
        TipoJuego.Profundidad_Maxima = 3;
        Estadisticas_Perft a, b;
        std::memset(&a, 0, sizeof(a));
        std::memset(&b, 0, sizeof(b));
        MiniMax(0, &a, 0);
        const std::string espejo = EspejoFen(fen);
        ASSERT_EQ(CargarPosicionPrueba(espejo.c_str()), 1) << espejo;
        MiniMax(0, &b, 0);
        EXPECT_EQ(a.Nodos, b.Nodos) << espejo;
        EXPECT_EQ(a.Capturas, b.Capturas) << espejo;
        EXPECT_EQ(a.Capturas_Al_Paso, b.Capturas_Al_Paso) << espejo;
        EXPECT_EQ(a.Enroques, b.Enroques) << espejo;
        EXPECT_EQ(a.Coronaciones, b.Coronaciones) << espejo;
    }
}
