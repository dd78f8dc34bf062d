// Time budget and depth limit of "go", computed from its parameters.
#include <gtest/gtest.h>

#include "uci/uci.h"

namespace {

class Presupuesto : public ::testing::Test {
protected:
    void SetUp() override {
        TipoJuego = Registro_Juego{};
        TipoJuego.Tiempo_Limite = -12345;  // a stale budget that must not leak through
        TableroGlobal.Turno = 1;
    }
    // Runs the budget with the go handler's preset of depth and infinite (both 0).
    static int32_t Calcular(Parametros_Go p, int32_t profundidad = 0) {
        TipoJuego.Profundidad_Maxima = profundidad;
        return CalcularPresupuesto(&p);
    }
};

TEST_F(Presupuesto, RelojAlInicioReservaUnaPartidaDeCientoTreintaPlies) {
    EXPECT_EQ(Calcular({60000, 60000, 0, 0, 0, 0}), 1);
    EXPECT_EQ(TipoJuego.Tiempo_Limite, 712);  // 60000 / 130 + 250.5
    EXPECT_EQ(TipoJuego.Jugadas, 130);
    EXPECT_EQ(TipoJuego.Profundidad_Maxima, 32);
    EXPECT_EQ(TipoJuego.Por_Tiempo, 1);
}

TEST_F(Presupuesto, EntreDiezYVeinteSegundosConMinimoDeUnSegundo) {
    TipoJuego.Jugadas = 20;
    EXPECT_EQ(Calcular({15000, 15000, 0, 0, 0, 0}), 1);
    EXPECT_EQ(TipoJuego.Jugadas, 110);
    EXPECT_EQ(TipoJuego.Tiempo_Limite, 1000);  // 136 is below 1000, no increment

    TipoJuego.Jugadas = 20;
    Calcular({15000, 15000, 300, 0, 0, 0});
    EXPECT_EQ(TipoJuego.Tiempo_Limite, 300);  // 437 is below 1000: the increment alone

    TipoJuego.Jugadas = 120;  // n = 10
    Calcular({19999, 5, 0, 0, 0, 0});
    EXPECT_EQ(TipoJuego.Tiempo_Limite, 2000);  // 1999.9 + 0.5, above 1000
}

TEST_F(Presupuesto, PocoTiempoJuegaConElIncremento) {
    Calcular({5000, 5000, 100, 0, 0, 0});
    EXPECT_EQ(TipoJuego.Tiempo_Limite, 100);
    Calcular({5000, 5000, 0, 0, 0, 0});
    EXPECT_EQ(TipoJuego.Tiempo_Limite, 500);
    // A negative clock (the low 32 bits of a huge number) counts as little time.
    Calcular({-1, 5000, 0, 0, 0, 0});
    EXPECT_EQ(TipoJuego.Tiempo_Limite, 500);
}

TEST_F(Presupuesto, DiezMilExactosYVeinteMilUsanElMargenDe250) {
    TipoJuego.Jugadas = 120;  // n = 10
    Calcular({10000, 1, 7, 0, 0, 0});
    EXPECT_EQ(TipoJuego.Tiempo_Limite, 1257);  // 1000 + 250.5 -> 1250, + 7
    TipoJuego.Jugadas = 120;
    Calcular({20000, 1, 0, 0, 0, 0});
    EXPECT_EQ(TipoJuego.Tiempo_Limite, 2250);
}

TEST_F(Presupuesto, JugadasPasadasDeCientoTreintaDejanDos) {
    TipoJuego.Jugadas = 200;
    Calcular({60000, 60000, 0, 0, 0, 0});
    EXPECT_EQ(TipoJuego.Jugadas, 2);
    EXPECT_EQ(TipoJuego.Tiempo_Limite, 30250);
}

TEST_F(Presupuesto, MovestogoRepartePorIgualYUsaSeisDecimasDelIncremento) {
    EXPECT_EQ(Calcular({60000, 60000, 1000, 0, 40, 0}), 1);
    EXPECT_EQ(TipoJuego.Tiempo_Limite, 2100);  // 1500.5 + 600
    EXPECT_EQ(TipoJuego.Jugadas, 40);

    // Black to move reads btime and binc.
    TableroGlobal.Turno = 0;
    Calcular({60000, 30000, 1000, 10, 3, 0});
    EXPECT_EQ(TipoJuego.Tiempo_Limite, 10006);  // 10000.5 + trunc(6.0)
}

TEST_F(Presupuesto, MovetimeDejaUnMargenDe250) {
    EXPECT_EQ(Calcular({0, 0, 0, 0, 0, 1000}), 1);
    EXPECT_EQ(TipoJuego.Tiempo_Limite, 750);
    EXPECT_EQ(TipoJuego.Profundidad_Maxima, 32);
    EXPECT_EQ(TipoJuego.Por_Tiempo, 1);
    Calcular({0, 0, 0, 0, 0, 100});
    EXPECT_EQ(TipoJuego.Tiempo_Limite, -150);
}

TEST_F(Presupuesto, LosRelojesMandanSobreMovetimeYProfundidad) {
    Calcular({60000, 60000, 0, 0, 0, 1000});
    EXPECT_EQ(TipoJuego.Tiempo_Limite, 712);
    Calcular({60000, 60000, 0, 0, 0, 0}, 5);
    EXPECT_EQ(TipoJuego.Profundidad_Maxima, 32);
    EXPECT_EQ(TipoJuego.Por_Tiempo, 1);
}

TEST_F(Presupuesto, ProfundidadSolaNoUsaReloj) {
    TipoJuego.Por_Tiempo = 1;
    EXPECT_EQ(Calcular({0, 0, 0, 0, 0, 0}, 5), 1);
    EXPECT_EQ(TipoJuego.Profundidad_Maxima, 5);
    EXPECT_EQ(TipoJuego.Por_Tiempo, 0);
    EXPECT_EQ(TipoJuego.Tiempo_Limite, -12345) << "the budget is left as it was";
}

TEST_F(Presupuesto, UnSoloRelojNoBuscaNada) {
    EXPECT_EQ(Calcular({60000, 0, 0, 0, 0, 0}), 0);
    EXPECT_EQ(Calcular({0, 60000, 1000, 1000, 30, 0}), 0);
    EXPECT_EQ(Calcular({0, 0, 0, 0, 0, 0}), 0);
    EXPECT_EQ(TipoJuego.Tiempo_Limite, -12345);
}

TEST_F(Presupuesto, ValoresExtremosNoDesbordan) {
    // The sums wrap in 32 bits, as the machine's addition does.
    Calcular({INT32_MAX, INT32_MAX, INT32_MAX, 0, 1, 0});
    EXPECT_EQ(TipoJuego.Tiempo_Limite, -858993461);  // 2147483647 + 1288490188
    Calcular({0, 0, 0, 0, 0, INT32_MIN});
    EXPECT_EQ(TipoJuego.Tiempo_Limite, 2147483398);
    TipoJuego.Jugadas = 0;
    Calcular({INT32_MAX, INT32_MAX, 5, 0, 0, 0});
    EXPECT_EQ(TipoJuego.Tiempo_Limite, 16519360);  // 2147483647 / 130 + 250.5, + 5
}

}  // namespace
