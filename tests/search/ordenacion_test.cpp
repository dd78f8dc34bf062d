// Ordering scores of fresh lists and the cut-off updates of history, killers and refutations.
#include <gtest/gtest.h>

#include "search/busqueda_test_util.h"
#include "uci/uci.h"

class OrdenMovimientos : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(PrepararBusqueda(FEN_INICIAL), 1); }

    // Scores the current position's list and returns the score of the move named in SAN.
    int32_t ValorDe(const char *san, uint32_t hash = 0, uint32_t refutacion = 0) {
        const uint32_t m = JugadaSan(san);
        EXPECT_NE(m, 0u) << san;
        num = GenerarMovimientos(GENERAR_TODO, lista);
        OrdenarMovimientosTodos(num, &hash, lista, refutacion);
        for (int32_t i = 0; i < num; i++) {
            if (lista[i].Jugada == m) return lista[i].Valor_Orden;
        }
        ADD_FAILURE() << san << " not generated";
        return 0;
    }

    Lista_Jugadas lista[MAX_JUGADAS];
    int32_t num = 0;
};

TEST_F(OrdenMovimientos, CapturasPorVictimaYAtacante) {
    ASSERT_EQ(CargarPosicionPrueba("4k3/8/8/p2q4/4P3/8/3Q4/4K3 w - - 0 1"), 1);
    EXPECT_EQ(ValorDe("exd5"), 5000319);
    EXPECT_EQ(ValorDe("Qxd5"), 5000315);
    EXPECT_EQ(ValorDe("Qxa5"), 5000059);
    // The hash move outranks the capture of the queen.
    EXPECT_EQ(ValorDe("Qxa5", JugadaSan("Qxa5")), 6000000);
    EXPECT_EQ(ValorDe("exd5", JugadaSan("Qxa5")), 5000319);
}

TEST_F(OrdenMovimientos, CoronacionesDebajoDeLasCapturas) {
    ASSERT_EQ(CargarPosicionPrueba("r3k3/1P6/8/8/8/8/8/4K3 w - - 0 1"), 1);
    EXPECT_EQ(ValorDe("b8=Q"), 3501000);
    EXPECT_EQ(ValorDe("b8=R"), 3500500);
    EXPECT_EQ(ValorDe("b8=N"), 3500325);
    EXPECT_EQ(ValorDe("bxa8=Q"), 4000251);
    EXPECT_EQ(ValorDe("bxa8=N"), 4000254);
}

TEST_F(OrdenMovimientos, AlPasoValeComoPeonPorPeon) {
    ASSERT_EQ(CargarPosicionPrueba("4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1"), 1);
    EXPECT_EQ(ValorDe("exd6"), 5000063);
}

TEST_F(OrdenMovimientos, KillersRestanElPorcentajeDeHistoria) {
    const uint32_t nf3 = JugadaSan("Nf3"), nc3 = JugadaSan("Nc3");
    Max_Historico = 200;
    Historico_Bueno[CABALLO_B][Hasta(nf3)] = 100;
    Historico_Killer[0][0] = nf3;
    Historico_Killer[0][1] = nc3;
    EXPECT_EQ(ValorDe("Nf3"), 999950);
    EXPECT_EQ(ValorDe("Nc3"), 1000102);
    // Mate killers take the higher band the same way.
    Historico_Killer_Mate[0][1] = nf3;
    EXPECT_EQ(ValorDe("Nf3"), 1999950);
}

TEST_F(OrdenMovimientos, HistoriaNulaDebajoDeLaNegativa) {
    const uint32_t a3 = JugadaSan("a3");
    Min_Historico = -1000;
    Historico_Bueno[PEON_B][Hasta(a3)] = -1;
    EXPECT_EQ(ValorDe("a3"), -1);
    EXPECT_EQ(ValorDe("h3"), -102);
    Historico_Bueno[PEON_B][Hasta(a3)] = -1000;
    EXPECT_EQ(ValorDe("a3"), -101);
    Historico_Bueno[PEON_B][Hasta(a3)] = -999;
    EXPECT_EQ(ValorDe("a3"), -100);
}

TEST_F(OrdenMovimientos, PorcentajeTruncadoExacto) {
    const uint32_t e4 = JugadaSan("e4");
    // Ratios that are whole numbers must not fall one short through the reciprocal.
    const int32_t casos[][3] = {{3, 3, 100}, {1, 3, 33}, {2, 3, 66}, {7, 700, 1},
                                {49, 100, 49}, {29, 100, 29}, {999999, 1000000, 99}};
    for (const auto &c : casos) {
        Max_Historico = c[1];
        Historico_Bueno[PEON_B][Hasta(e4)] = c[0];
        EXPECT_EQ(ValorDe("e4"), c[2]) << c[0] << "/" << c[1];
    }
    Min_Historico = -3;
    Historico_Bueno[PEON_B][Hasta(e4)] = -1;
    EXPECT_EQ(ValorDe("e4"), -34);
}

TEST_F(OrdenMovimientos, ExtremosEnCeroNoRompen) {
    // Inconsistent extremes (tests only): values still land in their bands.
    Max_Historico = 0;
    Min_Historico = 0;
    Historico_Bueno[PEON_B][Hasta(JugadaSan("e4"))] = 5;
    Historico_Bueno[PEON_B][Hasta(JugadaSan("d4"))] = -5;
    EXPECT_EQ(ValorDe("e4"), 100);
    EXPECT_EQ(ValorDe("d4"), -101);
}

TEST_F(OrdenMovimientos, RefutacionSoloSiNoEsElPrimerKiller) {
    const uint32_t nf3 = JugadaSan("Nf3");
    EXPECT_EQ(ValorDe("Nf3", 0, nf3), 500000 - 102);
    Historico_Killer[0][0] = nf3;
    EXPECT_EQ(ValorDe("Nf3", 0, nf3), 1000102);
    // A refutation equal to the second killer still scores as a killer.
    Historico_Killer[0][0] = 0;
    Historico_Killer[0][1] = nf3;
    EXPECT_EQ(ValorDe("Nf3", 0, nf3), 1000102);
}

TEST_F(OrdenMovimientos, KillersSonDelPlyActual) {
    Historico_Killer[1][0] = JugadaSan("Nf3");
    EXPECT_EQ(ValorDe("Nf3"), -102);
    TableroGlobal.Indice_Deshacer = 1;
    EXPECT_EQ(ValorDe("Nf3"), 1000102);
}

TEST_F(OrdenMovimientos, SeleccionEmpatesAlPrimero) {
    Lista_Jugadas l[4] = {{1, 5}, {2, 9}, {3, 9}, {4, 7}};
    SeleccionarJugada(l, 0, 4);
    EXPECT_EQ(l[0].Jugada, 2u);
    SeleccionarJugada(l, 1, 4);
    EXPECT_EQ(l[1].Jugada, 3u);
    SeleccionarJugada(l, 2, 4);
    EXPECT_EQ(l[2].Jugada, 4u);
}

TEST_F(OrdenMovimientos, CorteEnTerceraJugadaAProfundidadCinco) {
    num = GenerarMovimientos(GENERAR_TODO, lista);
    const uint32_t a = lista[0].Jugada, b = lista[1].Jugada, c = lista[2].Jugada;
    ActualizarHistoricos(c, 5, 40, -1, lista, 3);
    EXPECT_EQ(Historico_Bueno[Ficha(c)][Hasta(c)], 25);
    EXPECT_EQ(Historico_Bueno[Ficha(a)][Hasta(a)], -25);
    EXPECT_EQ(Historico_Bueno[Ficha(b)][Hasta(b)], -25);
    EXPECT_EQ(Max_Historico, 50);
    EXPECT_EQ(Min_Historico, -25);
    EXPECT_EQ(Historico_Killer[0][0], c);
    EXPECT_EQ(Historico_Killer_Mate[0][0], 0u);
}

TEST_F(OrdenMovimientos, KillersYMateKillersSeDesplazan) {
    num = GenerarMovimientos(GENERAR_TODO, lista);
    const uint32_t a = lista[0].Jugada, b = lista[1].Jugada;
    ActualizarHistoricos(a, 2, 10, -1, lista, 1);
    ActualizarHistoricos(b, 2, 10, -1, lista, 2);
    EXPECT_EQ(Historico_Killer[0][0], b);
    EXPECT_EQ(Historico_Killer[0][1], a);
    // The same move again does not push the other one out.
    ActualizarHistoricos(b, 2, 10, -1, lista, 2);
    EXPECT_EQ(Historico_Killer[0][1], a);
    // Mate scores fill the mate killers; the infinities do not count as mates.
    ActualizarHistoricos(a, 2, 31990, -1, lista, 1);
    EXPECT_EQ(Historico_Killer_Mate[0][0], a);
    ActualizarHistoricos(b, 2, -31937, -1, lista, 1);
    EXPECT_EQ(Historico_Killer_Mate[0][0], b);
    EXPECT_EQ(Historico_Killer_Mate[0][1], a);
    ActualizarHistoricos(a, 2, SIN_PUNTUACION, -1, lista, 1);
    EXPECT_EQ(Historico_Killer[0][0], a);
    EXPECT_EQ(Historico_Killer_Mate[0][0], b);
}

TEST_F(OrdenMovimientos, RefutacionDeLaJugadaPrevia) {
    num = GenerarMovimientos(GENERAR_TODO, lista);
    const uint32_t previa = CrearJugada(12, 28, PEON_N, NINGUNA, NINGUNA, BIT_DOBLE_PASO);
    ActualizarHistoricos(lista[0].Jugada, 1, 0, static_cast<int32_t>(previa), lista, 1);
    EXPECT_EQ(Historico_Rechazado[12 * 64 + 28], lista[0].Jugada);
    ActualizarHistoricos(lista[1].Jugada, 1, 0, -1, lista, 1);
    EXPECT_EQ(Historico_Rechazado[12 * 64 + 28], lista[0].Jugada);
}

TEST_F(OrdenMovimientos, LimpiarHistoricosBorraTodo) {
    num = GenerarMovimientos(GENERAR_TODO, lista);
    const uint32_t previa = lista[5].Jugada;
    ActualizarHistoricos(lista[2].Jugada, 4, 31990, static_cast<int32_t>(previa), lista, 3);
    pv_line[3][0] = pv_line_fin[0] = pv_line_Root[7][1] = 5;
    LimpiarHistoricos();
    EXPECT_EQ(Max_Historico, 0);
    EXPECT_EQ(Min_Historico, 0);
    EXPECT_EQ(Historico_Bueno[Ficha(lista[2].Jugada)][Hasta(lista[2].Jugada)], 0);
    EXPECT_EQ(Historico_Killer_Mate[0][0], 0u);
    EXPECT_EQ(Historico_Rechazado[Desde(previa) * 64 + Hasta(previa)], 0u);
    EXPECT_EQ(pv_line[3][0] | pv_line_fin[0] | pv_line_Root[7][1], 0u);
}
