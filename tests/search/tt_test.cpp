// Transposition table: sizing, store and probe rules.
#include <gtest/gtest.h>

#include <utility>

#include "search/internal.h"

namespace {

class Transposicion : public ::testing::Test {
protected:
    void SetUp() override {
        TableroGlobal.Indice_Deshacer = 0;
        CrearTransposicion(1);
        ASSERT_NE(TT_Datos, nullptr);
    }
    void TearDown() override { LiberarTransposicion(); }

    // A key of the same bucket as base, different for each k.
    static uint32_t MismoGrupo(uint32_t base, int32_t k) {
        return base + static_cast<uint32_t>(k) * static_cast<uint32_t>(TT_Opciones.Num_Grupos);
    }
    static const Grupo &GrupoDe(uint32_t clave) {
        return TT_Datos[clave % static_cast<uint32_t>(TT_Opciones.Num_Grupos)];
    }
    static void Guardar(uint32_t clave, int32_t prof, int32_t valor, int32_t tipo,
                        uint32_t jugada) {
        TableroGlobal.Clave = clave;
        AlmacenarPosicion(prof, valor, tipo, jugada);
    }
    static int32_t Probar(uint32_t clave, int32_t alfa, int32_t beta, int32_t prof = 3) {
        TableroGlobal.Clave = clave;
        jugada = 0;
        return RecuperarPosicion(alfa, beta, &prof, &valor, &jugada);
    }
    static inline int32_t valor = 0;
    static inline uint32_t jugada = 0;
};

// The reciprocal remainder against %, at the edges of both operands and at random divisors;
// the 32-bit builds take the path without 128-bit products.
TEST(RestoRapido, IgualAlOperadorResto) {
    Divisor_Rapido r{0, 0};
    for (uint32_t i = 0, azar = 1, d = 1; i < 400; i++, d = 1 + (azar >> (2 + i % 30))) {
        azar = azar * 1664525u + 1013904223u;
        const uint32_t tope = UINT32_MAX / d * d;
        for (uint32_t x : {0u, 1u, d - 1, d, d + 1, tope - 1, tope, UINT32_MAX, azar})
            ASSERT_EQ(RestoRapido(x, static_cast<int32_t>(d), r), x % d) << x << " % " << d;
    }
}

TEST_F(Transposicion, MismaPosicionSobrescribeYConservaLaJugadaSiLaNuevaEsCero) {
    uint32_t k = 4242;
    Guardar(k, 20, 50, TT_EXACTO, 111);
    Guardar(k, 2, -7, TT_ALPHA, 0);
    const TT_Entrada &e = GrupoDe(k).Entradas[0];
    EXPECT_EQ(e.Jugada, 111u);
    EXPECT_EQ(e.Puntuacion, -7);
    EXPECT_EQ(Profundidad_TT(e.Info), 2) << "a shallower store still overwrites";
    Guardar(k, 2, -7, TT_ALPHA, 222);
    EXPECT_EQ(e.Jugada, 222u);
    EXPECT_EQ(GrupoDe(k).Entradas[1].Clave, 0u) << "no second slot for the same key";
    EXPECT_EQ(TT_Opciones.Ocupadas, 1);
}

TEST_F(Transposicion, GrupoLlenoReemplazaLaMasViejaYEntreIgualesLaMasProfunda) {
    uint32_t base = 17;
    // Same generation: depths 3, 9, 9, 1 -> the first 9 (slot 1) is the victim.
    const int32_t prof[4] = {3, 9, 9, 1};
    for (int32_t i = 0; i < 4; i++) Guardar(MismoGrupo(base, i), prof[i], i, TT_EXACTO, 1);
    Guardar(MismoGrupo(base, 4), 2, 0, TT_EXACTO, 1);
    const Grupo &g = GrupoDe(base);
    EXPECT_EQ(g.Entradas[1].Clave, MismoGrupo(base, 4));
    EXPECT_EQ(TT_Opciones.Ocupadas, 4) << "same generation: no new entry counted";

    // A later generation: among the old entries the deepest goes (depth 9, slot 2).
    TT_Opciones.Edad = 2;
    Guardar(MismoGrupo(base, 5), 1, 0, TT_EXACTO, 1);
    EXPECT_EQ(g.Entradas[2].Clave, MismoGrupo(base, 5));
    // Slot 0 is old: replaced before the new, shallow entry in slot 2.
    Guardar(MismoGrupo(base, 6), 50, 0, TT_EXACTO, 1);
    EXPECT_EQ(g.Entradas[0].Clave, MismoGrupo(base, 6));
    EXPECT_EQ(g.Entradas[2].Clave, MismoGrupo(base, 5));
}

TEST_F(Transposicion, MateSeGuardaRelativoAlNodoYSeLeeRelativoALaRaiz) {
    TableroGlobal.Indice_Deshacer = 5;
    Guardar(555, 4, 31990, TT_EXACTO, 9);
    EXPECT_EQ(GrupoDe(555).Entradas[0].Puntuacion, 31995);
    TableroGlobal.Indice_Deshacer = 3;
    EXPECT_EQ(Probar(555, -100, 100), 1);
    EXPECT_EQ(valor, 31992);

    // Mated scores move the other way; the threshold itself is no mate.
    TableroGlobal.Indice_Deshacer = 5;
    Guardar(556, 4, -31990, TT_EXACTO, 9);
    EXPECT_EQ(GrupoDe(556).Entradas[0].Puntuacion, -31995);
    Guardar(557, 4, 31936, TT_EXACTO, 9);
    EXPECT_EQ(GrupoDe(557).Entradas[0].Puntuacion, 31936);
}

TEST_F(Transposicion, ExactaCortaSiempreYLasCotasSoloFueraDeLaVentana) {
    Guardar(10, 3, 500, TT_EXACTO, 1);
    Guardar(11, 3, 40, TT_ALPHA, 1);
    Guardar(12, 3, 40, TT_BETA, 1);
    Guardar(13, 3, 40, 0, 1);
    const struct {
        uint32_t clave;
        int32_t alfa, beta, corta;
    } casos[] = {{10, -10, 10, 1}, {11, 40, 100, 1},  {11, 39, 100, 0},   {12, -100, 40, 1},
                 {12, -100, 41, 0}, {13, -100, 100, 0}};
    for (const auto &c : casos) {
        EXPECT_EQ(Probar(c.clave, c.alfa, c.beta), c.corta)
            << c.clave << " [" << c.alfa << ", " << c.beta << "]";
        EXPECT_EQ(jugada, 1u) << c.clave;
    }
}

TEST_F(Transposicion, EntradaPocoProfundaDaJugadaYValorSinCorte) {
    TableroGlobal.Indice_Deshacer = 2;
    Guardar(20, 2, 31980, TT_EXACTO, 4321);
    EXPECT_EQ(Probar(20, -100, 100, 5), 0);
    EXPECT_EQ(jugada, 4321u);
    EXPECT_EQ(valor, 31982) << "the stored value, without the mate correction";
    EXPECT_EQ(Probar(21, -100, 100), 0);  // not stored: no move, no score
    EXPECT_EQ(std::make_pair(jugada, valor), std::make_pair(0u, -32001));
}

}  // namespace
