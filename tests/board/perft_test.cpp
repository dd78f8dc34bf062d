// Leaf counts and last-move statistics against the published perft figures.
#include <gtest/gtest.h>

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

// Statistics of MiniMax from the loaded position, as the perft command counts them.
Estadisticas_Perft Contar(int32_t profundidad) {
    TipoJuego.Profundidad_Maxima = profundidad;
    Estadisticas_Perft est = {};
    MiniMax(0, &est, 0);
    return est;
}

}  // namespace

class Perft : public ::testing::Test {
  protected:
    void SetUp() override {
        Salir = 0;
        TipoJuego = {};
        IniciarClaves(20240601);
    }

    static void Comprobar(const char *fen, int32_t profundidad, const Esperado &e) {
        SCOPED_TRACE(std::string(fen) + " depth " + std::to_string(profundidad));
        ASSERT_EQ(CargarPosicionPrueba(fen), 1);
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
    }
};

// The deepest published figures of each position: a fault at a shallower ply changes them too.
TEST_F(Perft, CifrasPublicadas) {
    const struct { const char *fen; int32_t prof; Esperado e; } casos[] = {
        {FEN_INICIAL, 5, {4865609, 82719, 258, 0, 0}},
        {FEN_KIWIPETE, 4, {4085603, 757163, 1929, 128013, 15172}},
        {FEN_POS3, 5, {674624, 52051, 1165, 0, 0}},
        {FEN_POS4, 4, {422333, 131393, 0, 7795, 60032}},
        {FEN_POS4_ESPEJO, 4, {422333, 131393, 0, 7795, 60032}},
        {FEN_POS5, 3, {62379, -1, -1, -1, -1}},
        {FEN_POS6, 3, {89890, -1, -1, -1, -1}},
    };
    for (const auto &c : casos) Comprobar(c.fen, c.prof, c.e);
}

// A slip between the White and Black twins shows up as different counts in the mirror.
TEST_F(Perft, CadaPosicionEspejadaDaLasMismasCifras) {
    for (const char *fen :
         {FEN_INICIAL, FEN_KIWIPETE, FEN_POS3, FEN_POS5, FEN_POS6,
          "r3k2r/1b4bq/8/8/8/8/7B/R3K2R w KQkq - 0 1", "8/8/1k6/2b5/2pP4/8/5K2/8 b - d3 0 1",
          "4k3/1P6/8/8/8/8/K7/8 w - - 0 1"}) {
        ASSERT_EQ(CargarPosicionPrueba(fen), 1);
        const Estadisticas_Perft a = Contar(3);
        const std::string espejo = EspejoFen(fen);
        ASSERT_EQ(CargarPosicionPrueba(espejo.c_str()), 1) << espejo;
        const Estadisticas_Perft b = Contar(3);
        EXPECT_EQ(std::memcmp(&a, &b, sizeof(a)), 0)
            << espejo << " nodes " << a.Nodos << " / " << b.Nodos;
    }
}
