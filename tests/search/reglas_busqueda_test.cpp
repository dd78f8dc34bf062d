// Rules of the full-width search that decide results: draws, mate distance, mate and
// stalemate, the null move, the root progress lines and the line bookkeeping.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>

#include "search/busqueda_test_util.h"
#include "uci/uci.h"

class ReglasBusqueda : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(PrepararBusqueda(FEN_INICIAL), 1); }

    static void Jugar(const char *san) {
        const uint32_t m = JugadaSan(san);
        ASSERT_NE(m, 0u) << san;
        ASSERT_EQ(HacerMovimiento(m), 1);
    }
    static int32_t Buscar(int32_t prof, int32_t alpha, int32_t beta) {
        TipoJuego.Nodos = 0;
        return AlphaBeta_Pv(prof, alpha, beta, JaqueRaiz(), 0, -1);
    }
};

TEST_F(ReglasBusqueda, RepeticionDebajoDeLaRaiz) {
    for (const char *san : {"Nf3", "Nf6", "Ng1", "Ng8"}) Jugar(san);
    // Back at the start position, whose key never entered the history: no repetition yet.
    EXPECT_EQ(TableroGlobal.Regla_50, 4);
    Buscar(2, -100, 100);
    EXPECT_GT(TipoJuego.Nodos, 1u);
    // One more knight move repeats the position after Nf3.
    Jugar("Nf3");
    EXPECT_EQ(Buscar(2, -100, 100), 0);
    EXPECT_EQ(TipoJuego.Nodos, 1u);
    // The root itself makes no draw test.
    TableroGlobal.Indice_Deshacer = 0;
    Buscar(2, -100, 100);
    EXPECT_GT(TipoJuego.Nodos, 1u);
}

TEST_F(ReglasBusqueda, CincuentaJugadasDesdeCientoUno) {
    ASSERT_EQ(CargarPosicionPrueba("4k3/8/8/8/8/8/4R3/4K3 w - - 100 80"), 1);
    TableroGlobal.Indice_Deshacer = 1;
    EXPECT_EQ(TableroGlobal.Regla_50, 100);
    Buscar(2, -100, 100);
    EXPECT_GT(TipoJuego.Nodos, 1u);
    TableroGlobal.Regla_50 = 101;
    TableroGlobal.Num_Historial = 101;
    EXPECT_EQ(Buscar(2, -100, 100), 0);
    EXPECT_EQ(TipoJuego.Nodos, 1u);
}

TEST_F(ReglasBusqueda, DistanciaAlMate) {
    TableroGlobal.Indice_Deshacer = 3;
    EXPECT_EQ(Buscar(3, 31997, SIN_PUNTUACION), 31997);
    EXPECT_EQ(TipoJuego.Nodos, 1u);
    EXPECT_EQ(Buscar(3, -SIN_PUNTUACION, 3 - MATE), 3 - MATE);
    EXPECT_EQ(TipoJuego.Nodos, 1u);
    Buscar(3, 31996, SIN_PUNTUACION);
    EXPECT_GT(TipoJuego.Nodos, 1u);
}

TEST_F(ReglasBusqueda, MateYAhogado) {
    ASSERT_EQ(CargarPosicionPrueba("R5k1/5ppp/8/8/8/8/8/6K1 b - - 0 1"), 1);
    EXPECT_EQ(Buscar(2, -SIN_PUNTUACION, SIN_PUNTUACION), -MATE);
    TableroGlobal.Indice_Deshacer = 2;
    EXPECT_EQ(Buscar(2, -SIN_PUNTUACION, SIN_PUNTUACION), 2 - MATE);
    ASSERT_EQ(CargarPosicionPrueba("7k/5Q2/8/8/8/8/8/6K1 b - - 0 1"), 1);
    EXPECT_EQ(Buscar(2, -SIN_PUNTUACION, SIN_PUNTUACION), 0);
    // Neither stores anything in the table.
    uint32_t jugada;
    int32_t puntuacion;
    const int32_t prof = 0;
    RecuperarPosicion(-SIN_PUNTUACION, SIN_PUNTUACION, &prof, &puntuacion, &jugada);
    EXPECT_EQ(puntuacion, -SIN_PUNTUACION);
}

// The slot after the last history key holds the null move's key when the null move was made
// (and cut off), a real child's key otherwise.
static bool NuloProbado(const char *fen) {
    EXPECT_EQ(CargarPosicionPrueba(fen), 1);
    TableroGlobal.Indice_Deshacer = 1;
    const int32_t e = Evaluar();
    const uint32_t clave = TableroGlobal.Clave;
    const int32_t n = TableroGlobal.Num_Historial;
    TableroGlobal.Historial_Claves[n] = 0;
    TipoJuego.Nodos = 0;
    // Far enough below the evaluation that the side to move keeps the score after passing.
    AlphaBeta_Pv(4, e - 201, e - 200, 0, 0, -1);
    return TableroGlobal.Historial_Claves[n] == (clave ^ zobrist_Turno[0]);
}

TEST_F(ReglasBusqueda, NuloSoloConPiezas) {
    EXPECT_TRUE(NuloProbado("6k1/5ppp/8/8/8/8/PPP5/4R1K1 w - - 0 1"));
    EXPECT_FALSE(NuloProbado("6k1/8/8/8/8/8/PPP5/6K1 w - - 0 1"));
    // Black with a knight but White to move with pawns only: still no null move.
    EXPECT_FALSE(NuloProbado("1n4k1/8/8/8/8/8/PPPPP3/6K1 w - - 0 1"));
}

TEST_F(ReglasBusqueda, NuloSaltadoPorLaTabla) {
    ASSERT_EQ(CargarPosicionPrueba("6k1/5ppp/8/8/8/8/PPP5/4R1K1 w - - 0 1"), 1);
    TableroGlobal.Indice_Deshacer = 1;
    const int32_t e = Evaluar();
    // An upper bound at the reduced depth, below alpha: the null move is not tried.
    AlmacenarPosicion(0, e - 500, TT_ALPHA, 0);
    const int32_t n = TableroGlobal.Num_Historial;
    TableroGlobal.Historial_Claves[n] = 0;
    const uint32_t clave = TableroGlobal.Clave;
    AlphaBeta_Pv(4, e - 201, e - 200, 0, 0, -1);
    EXPECT_NE(TableroGlobal.Historial_Claves[n], clave ^ zobrist_Turno[0]);
}

TEST_F(ReglasBusqueda, LineasCurrmoveEnLaRaiz) {
    TipoJuego.Mostrar_Pv = 2;
    TipoJuego.Tiempo_Inicio = 0;
    testing::internal::CaptureStdout();
    Buscar(1, -SIN_PUNTUACION, SIN_PUNTUACION);
    std::istringstream salida(testing::internal::GetCapturedStdout());
    std::string linea;
    int esperado = 1;
    while (std::getline(salida, linea)) {
        char jugada[8], resto[8];
        unsigned numero, nodos, nps;
        int lleno, n = 0;
        ASSERT_EQ(
            std::sscanf(linea.c_str(),
                        "info currmove %7s currmovenumber %u nodes %u nps %u hashfull %d%n%7s",
                        jugada, &numero, &nodos, &nps, &lleno, &n, resto),
            5)
            << linea;
        EXPECT_EQ(static_cast<size_t>(n), linea.size()) << linea;
        EXPECT_EQ(std::strlen(jugada), 4u);
        EXPECT_EQ(numero, static_cast<unsigned>(esperado++));
        EXPECT_LE(nodos, TipoJuego.Nodos);
    }
    EXPECT_EQ(esperado, 21);
    EXPECT_NE(TipoJuego.Tiempo_Usado, 0u);

    TipoJuego.Mostrar_Pv = 1;
    testing::internal::CaptureStdout();
    Buscar(1, -SIN_PUNTUACION, SIN_PUNTUACION);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

TEST_F(ReglasBusqueda, CurrmoveConCoronacion) {
    ASSERT_EQ(CargarPosicionPrueba("7k/P7/8/8/8/8/8/K7 w - - 0 1"), 1);
    TipoJuego.Mostrar_Pv = 2;
    testing::internal::CaptureStdout();
    Buscar(1, -SIN_PUNTUACION, SIN_PUNTUACION);
    const std::string salida = testing::internal::GetCapturedStdout();
    EXPECT_NE(salida.find("info currmove a7a8q currmovenumber 1 "), std::string::npos) << salida;
    EXPECT_NE(salida.find("info currmove a7a8n currmovenumber 4 "), std::string::npos) << salida;
}

TEST_F(ReglasBusqueda, LineaPrincipalYRaizGuardadas) {
    ASSERT_EQ(CargarPosicionPrueba("r1bq2rk/pp3pbp/2p1p1pQ/7P/3P4/2PB1N2/PP3PPR/2KR4 w - - 0 1"),
              1);
    const int32_t v = BuscarHasta(5);
    EXPECT_EQ(v, MATE - 3);
    EXPECT_EQ(pv_line[0][0], JugadaSan("Qxh7+"));
    int largo = 0;
    while (pv_line[0][largo] != 0) largo++;
    EXPECT_EQ(largo, 3);
    ASSERT_GE(Mejor_Movimiento_Pos, 0);
    for (int k = 0; k <= largo; k++)
        EXPECT_EQ(pv_line_Root[Mejor_Movimiento_Pos][k], pv_line[0][k]);
    // The line is playable and ends in mate.
    for (int k = 0; k < largo; k++) ASSERT_EQ(HacerMovimiento(pv_line[0][k]), 1);
    Lista_Jugadas lista[MAX_JUGADAS];
    const int32_t n = GenerarMovimientos(GENERAR_TODO, lista);
    int legales = 0;
    for (int32_t i = 0; i < n; i++) {
        legales += HacerMovimiento(lista[i].Jugada);
        DeshacerMovimiento();
    }
    EXPECT_EQ(legales, 0);
    EXPECT_EQ(JaqueRaiz(), 1);
}

TEST_F(ReglasBusqueda, RaizGuardaExactoConSuJugada) {
    ASSERT_EQ(CargarPosicionPrueba(FEN_KIWIPETE), 1);
    const int32_t v = BuscarHasta(3);
    uint32_t jugada;
    int32_t puntuacion;
    const int32_t prof = 3;
    EXPECT_EQ(RecuperarPosicion(-SIN_PUNTUACION, SIN_PUNTUACION, &prof, &puntuacion, &jugada), 1);
    EXPECT_EQ(puntuacion, v);
    EXPECT_EQ(jugada, pv_line[0][0]);
}

TEST_F(ReglasBusqueda, RepetirBusquedaDaLosMismosNodos) {
    ASSERT_EQ(CargarPosicionPrueba(FEN_KIWIPETE), 1);
    BuscarHasta(4);
    const uint32_t nodos = TipoJuego.Nodos;
    const uint32_t mejor = pv_line[0][0];
    ASSERT_EQ(PrepararBusqueda(FEN_KIWIPETE), 1);
    BuscarHasta(4);
    EXPECT_EQ(TipoJuego.Nodos, nodos);
    EXPECT_EQ(pv_line[0][0], mejor);
}
