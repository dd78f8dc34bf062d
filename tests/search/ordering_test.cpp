// Ordering scores of fresh lists.
#include <gtest/gtest.h>

#include "support/search.h"
#include "uci/uci.h"

namespace {

class OrdenMovimientos : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(PrepararBusqueda(FEN_INICIAL), 1); }

    // Scores the current position's list and returns the score of the move named in SAN.
    int32_t ValorDe(const char *san, uint32_t hash = 0, uint32_t refutacion = 0) {
        const uint32_t m = JugadaSan(san);
        num = GenerarMovimientos(GENERAR_TODO, lista);
        OrdenarMovimientosTodos(num, &hash, lista, refutacion);
        for (int32_t i = 0; i < num; i++) {
            if (lista[i].Jugada == m && m != 0) return lista[i].Valor_Orden;
        }
        ADD_FAILURE() << san << " not generated";
        return 0;
    }
    Lista_Jugadas lista[MAX_JUGADAS];
    int32_t num = 0;
};

TEST_F(OrdenMovimientos, CapturasCoronacionesYMovimientoHash) {
    const char *DAMAS = "4k3/8/8/p2q4/4P3/8/3Q4/4K3 w - - 0 1";
    const char *CORONA = "r3k3/1P6/8/8/8/8/8/4K3 w - - 0 1";
    const char *PASO = "4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1";
    const struct { const char *fen, *san, *hash; int32_t valor; } casos[] = {
        {DAMAS, "exd5", "", 5000319},     {DAMAS, "Qxd5", "", 5000315},
        {DAMAS, "Qxa5", "", 5000059},     {DAMAS, "Qxa5", "Qxa5", 6000000},
        {DAMAS, "exd5", "Qxa5", 5000319}, {PASO, "exd6", "", 5000063},
        {CORONA, "b8=Q", "", 3501000},    {CORONA, "b8=N", "", 3500325},
        {CORONA, "bxa8=Q", "", 4000251},  {CORONA, "bxa8=N", "", 4000254},
    };
    for (const auto &c : casos) {
        ASSERT_EQ(CargarPosicionPrueba(c.fen), 1);
        const uint32_t hash = *c.hash ? JugadaSan(c.hash) : 0;
        EXPECT_EQ(ValorDe(c.san, hash), c.valor) << c.fen << " " << c.san << " hash " << c.hash;
    }
}

TEST_F(OrdenMovimientos, KillersYRefutacionesPorPlyConSuPorcentajeDeHistoria) {
    const uint32_t nf3 = JugadaSan("Nf3"), nc3 = JugadaSan("Nc3");
    EXPECT_EQ(ValorDe("h3"), -102);
    EXPECT_EQ(ValorDe("Nf3", 0, nf3), 500000 - 102);
    Max_Historico = 200;
    Historico_Bueno[CABALLO_B][Hasta(nf3)] = 100;
    Historico_Killer[0][0] = nf3;
    Historico_Killer[0][1] = nc3;
    EXPECT_EQ(ValorDe("Nf3"), 999950);
    EXPECT_EQ(ValorDe("Nc3", 0, nc3), 1000102);  // a refutation that is a killer stays one
    Historico_Killer_Mate[0][1] = nf3;
    EXPECT_EQ(ValorDe("Nf3"), 1999950);
    // Killers belong to their ply.
    Historico_Killer[1][0] = JugadaSan("e4");
    EXPECT_EQ(ValorDe("e4"), -102);
    TableroGlobal.Indice_Deshacer = 1;
    EXPECT_EQ(ValorDe("e4"), 1000102);
}

}  // namespace
