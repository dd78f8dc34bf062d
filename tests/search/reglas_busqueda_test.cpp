// Rules of the full-width search that decide results: draws, mate distance, mate and
// stalemate, the null move and the line bookkeeping.
#include <gtest/gtest.h>

#include <string>

#include "search/busqueda_test_util.h"
#include "uci/uci.h"

class ReglasBusqueda : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(PrepararBusqueda(FEN_INICIAL), 1); }
};

TEST_F(ReglasBusqueda, TablasPorRepeticionYCincuentaDebajoDeLaRaiz) {
    for (const char *san : {"Nf3", "Nf6", "Ng1", "Ng8"})
        ASSERT_EQ(HacerMovimiento(JugadaSan(san)), 1) << san;
    // Back at the start position, whose key never entered the history: no repetition.
    Buscar(2, -100, 100);
    EXPECT_GT(TipoJuego.Nodos, 1u);
    ASSERT_EQ(HacerMovimiento(JugadaSan("Nf3")), 1);
    EXPECT_EQ(Buscar(2, -100, 100), 0);  // the position after Nf3 again
    EXPECT_EQ(TipoJuego.Nodos, 1u);
    TableroGlobal.Indice_Deshacer = 0;  // the root makes no draw test
    Buscar(2, -100, 100);
    EXPECT_GT(TipoJuego.Nodos, 1u);

    ASSERT_EQ(CargarPosicionPrueba("4k3/8/8/8/8/8/4R3/4K3 w - - 100 80"), 1);
    TableroGlobal.Indice_Deshacer = 1;
    Buscar(2, -100, 100);
    EXPECT_GT(TipoJuego.Nodos, 1u);
    TableroGlobal.Num_Historial = TableroGlobal.Regla_50 = 101;
    EXPECT_EQ(Buscar(2, -100, 100), 0);
    EXPECT_EQ(TipoJuego.Nodos, 1u);
}

TEST_F(ReglasBusqueda, MateAhogadoYDistanciaAlMate) {
    TableroGlobal.Indice_Deshacer = 3;
    EXPECT_EQ(Buscar(3, 31997, SIN_PUNTUACION), 31997);
    EXPECT_EQ(TipoJuego.Nodos, 1u);
    EXPECT_EQ(Buscar(3, -SIN_PUNTUACION, 3 - MATE), 3 - MATE);
    EXPECT_EQ(TipoJuego.Nodos, 1u);
    Buscar(3, 31996, SIN_PUNTUACION);
    EXPECT_GT(TipoJuego.Nodos, 1u);

    ASSERT_EQ(CargarPosicionPrueba("R5k1/5ppp/8/8/8/8/8/6K1 b - - 0 1"), 1);
    EXPECT_EQ(Buscar(2), -MATE);
    TableroGlobal.Indice_Deshacer = 2;
    EXPECT_EQ(Buscar(2), 2 - MATE);
    ASSERT_EQ(CargarPosicionPrueba("7k/5Q2/8/8/8/8/8/6K1 b - - 0 1"), 1);
    EXPECT_EQ(Buscar(2), 0);
    // Neither stores anything in the table.
    uint32_t jugada;
    int32_t puntuacion;
    const int32_t prof = 0;
    EXPECT_EQ(RecuperarPosicion(-SIN_PUNTUACION, SIN_PUNTUACION, &prof, &puntuacion, &jugada), 0);
    EXPECT_EQ(puntuacion, -SIN_PUNTUACION);
}

// The slot after the last history key holds the null move's key when the null move was made,
// a real child's key otherwise. With guardar, an upper bound below alpha is stored first.
static bool NuloProbado(const char *fen, bool guardar = false) {
    EXPECT_EQ(CargarPosicionPrueba(fen), 1);
    TableroGlobal.Indice_Deshacer = 1;
    const int32_t e = Evaluar();
    if (guardar) AlmacenarPosicion(0, e - 500, TT_ALPHA, 0);
    const uint32_t clave = TableroGlobal.Clave;
    const int32_t n = TableroGlobal.Num_Historial;
    TableroGlobal.Historial_Claves[n] = 0;
    // Far enough below the evaluation that the side to move keeps the score after passing.
    AlphaBeta_Pv(4, e - 201, e - 200, 0, 0, -1);
    return TableroGlobal.Historial_Claves[n] == (clave ^ zobrist_Turno[0]);
}

TEST_F(ReglasBusqueda, NuloSoloConPiezasYSinCotaQueLoDescarte) {
    EXPECT_TRUE(NuloProbado("6k1/5ppp/8/8/8/8/PPP5/4R1K1 w - - 0 1"));
    EXPECT_FALSE(NuloProbado("6k1/8/8/8/8/8/PPP5/6K1 w - - 0 1"));
    // Black with a knight but White to move with pawns only: still no null move.
    EXPECT_FALSE(NuloProbado("1n4k1/8/8/8/8/8/PPPPP3/6K1 w - - 0 1"));
    EXPECT_FALSE(NuloProbado("6k1/5ppp/8/8/8/8/PPP5/4R1K1 w - - 0 1", true));
}

TEST_F(ReglasBusqueda, LineaPrincipalJugableHastaElMateYGuardadaEnLaRaiz) {
    ASSERT_EQ(CargarPosicionPrueba("r1bq2rk/pp3pbp/2p1p1pQ/7P/3P4/2PB1N2/PP3PPR/2KR4 w - - 0 1"),
              1);
    EXPECT_EQ(BuscarHasta(5), MATE - 3);
    uint32_t jugada;
    int32_t puntuacion;
    const int32_t prof = 5;
    EXPECT_EQ(RecuperarPosicion(-SIN_PUNTUACION, SIN_PUNTUACION, &prof, &puntuacion, &jugada), 1);
    EXPECT_EQ(puntuacion, MATE - 3);
    EXPECT_EQ(jugada, pv_line[0][0]);
    ASSERT_GE(Mejor_Movimiento_Pos, 0);
    int largo = 0;
    for (; pv_line[0][largo] != 0; largo++) {
        EXPECT_EQ(pv_line_Root[Mejor_Movimiento_Pos][largo], pv_line[0][largo]);
        ASSERT_EQ(HacerMovimiento(pv_line[0][largo]), 1);
    }
    EXPECT_EQ(largo, 3);
    EXPECT_EQ(pv_line_Root[Mejor_Movimiento_Pos][largo], 0u);
    EXPECT_TRUE(JugadasLegales().empty());  // mate on the board
    EXPECT_EQ(JaqueRaiz(), 1);
}
