// Transposition table: sizing, clearing, store and probe rules.
#include <gtest/gtest.h>

#include <cmath>

#include "search/search.h"

namespace {

// Buckets of 48 bytes in the table's megabytes, rounded half up.
int32_t GruposEsperados(int32_t megas) {
    return static_cast<int32_t>(std::llround(megas * 1048576.0 / 48.0));
}

class Transposicion : public ::testing::Test {
protected:
    void SetUp() override {
        Salir = 0;
        TableroGlobal.Indice_Deshacer = 0;
        TableroGlobal.Clave = 0x1234u;
        CrearTransposicion(1);
        ASSERT_NE(TT_Datos, nullptr);
    }
    void TearDown() override { LiberarTransposicion(); }

    // A key of the same bucket as TableroGlobal.Clave, different for each k.
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
};

TEST_F(Transposicion, TamanoPequenoSinCacheYMenorQueUnoCuentaComoUno) {
    for (int32_t m : {-5, 0, 1, 31}) {
        Registro_TT tt = {};
        tt.Num_Cache = 777;
        CalcularTamanoTransposicion(m, &tt);
        int32_t esperado = m < 1 ? 1 : m;
        EXPECT_EQ(tt.Megas_Tabla, esperado) << m;
        EXPECT_EQ(tt.Megas_Cache, 0) << m;
        EXPECT_EQ(tt.Num_Grupos, GruposEsperados(esperado)) << m;
        EXPECT_EQ(tt.Num_Cache, 777) << "cache count untouched for " << m;
    }
}

TEST_F(Transposicion, DesdeTreintaYDosUnOctavoVaALaCache) {
    struct Caso {
        int32_t megas, tabla, cache;
    };
    for (Caso c : {Caso{32, 28, 4}, Caso{128, 112, 16}, Caso{100, 87, 13}, Caso{1024, 896, 128}}) {
        Registro_TT tt = {};
        CalcularTamanoTransposicion(c.megas, &tt);
        EXPECT_EQ(tt.Megas_Tabla, c.tabla) << c.megas;
        EXPECT_EQ(tt.Megas_Cache, c.cache) << c.megas;
        EXPECT_EQ(tt.Megas_Tabla + tt.Megas_Cache, c.megas);
        EXPECT_EQ(tt.Num_Grupos, GruposEsperados(c.tabla)) << c.megas;
        EXPECT_EQ(tt.Num_Cache, c.cache * 1048576 / 8) << c.megas;
    }
}

TEST_F(Transposicion, MasDeMilVeinticuatroUsaLasCifrasFijas) {
    Registro_TT tt = {};
    CalcularTamanoTransposicion(2048, &tt);
    EXPECT_EQ(tt.Megas_Tabla, 896);
    EXPECT_EQ(tt.Megas_Cache, 128);
    // One bucket more than 896 MB computes to.
    EXPECT_EQ(tt.Num_Grupos, 19573420);
    EXPECT_EQ(tt.Num_Cache, 16777216);
}

TEST_F(Transposicion, CrearDejaTodoVacioYLaCacheSoloDesdeTreintaYDos) {
    EXPECT_EQ(TT_Cache, nullptr);
    EXPECT_EQ(TT_Opciones.Num_Grupos, 21845);
    CrearTransposicion(32);
    ASSERT_NE(TT_Cache, nullptr);
    for (int32_t g = 0; g < TT_Opciones.Num_Grupos; g += 997) {
        for (const TT_Entrada &e : TT_Datos[g].Entradas) {
            EXPECT_EQ(e.Clave, 0u);
            EXPECT_EQ(e.Jugada, 0u);
            EXPECT_EQ(e.Puntuacion, -32001);
            EXPECT_EQ(e.Info, 0);
        }
    }
    EXPECT_EQ(TT_Cache[TT_Opciones.Num_Cache - 1].Puntuacion, -32001);
    EXPECT_EQ(TT_Opciones.Edad, 1);
    EXPECT_EQ(TT_Opciones.Ocupadas, 0);
    EXPECT_EQ(Salir, 0);
}

TEST_F(Transposicion, LimpiarVaciaYVuelveALaPrimeraEdad) {
    TT_Opciones.Edad = 40;
    Guardar(99, 5, 10, TT_EXACTO, 7);
    EXPECT_EQ(TT_Opciones.Ocupadas, 1);
    LimpiarTransposicion();
    EXPECT_EQ(GrupoDe(99).Entradas[0].Clave, 0u);
    EXPECT_EQ(GrupoDe(99).Entradas[0].Puntuacion, -32001);
    EXPECT_EQ(TT_Opciones.Edad, 1);
    EXPECT_EQ(TT_Opciones.Ocupadas, 0);
}

TEST_F(Transposicion, InfoEmpaquetaProfundidadEdadYTipo) {
    TT_Opciones.Edad = 9;
    Guardar(5, 300, 0, TT_BETA, 1);
    const TT_Entrada &e = GrupoDe(5).Entradas[0];
    EXPECT_EQ(Profundidad_TT(e.Info), 126);
    EXPECT_EQ(Edad_TT(e.Info), 9);
    EXPECT_EQ(Tipo_TT(e.Info), TT_BETA);
    // An unknown bound type is stored as no bound.
    Guardar(5, 3, 0, 7, 1);
    EXPECT_EQ(Tipo_TT(e.Info), 0);
    EXPECT_EQ(Profundidad_TT(e.Info), 3);
}

TEST_F(Transposicion, MismaPosicionSobrescribeYConservaLaJugadaSiLaNuevaEsCero) {
    uint32_t k = 4242;
    Guardar(k, 20, 50, TT_EXACTO, 111);
    Guardar(k, 2, -7, TT_ALPHA, 0);
    const TT_Entrada &e = GrupoDe(k).Entradas[0];
    EXPECT_EQ(e.Clave, k);
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
    int32_t prof[4] = {3, 9, 9, 1};
    for (int32_t i = 0; i < 4; i++) Guardar(MismoGrupo(base, i), prof[i], i, TT_EXACTO, 1);
    EXPECT_EQ(TT_Opciones.Ocupadas, 4);
    Guardar(MismoGrupo(base, 4), 2, 0, TT_EXACTO, 1);
    const Grupo &g = GrupoDe(base);
    EXPECT_EQ(g.Entradas[1].Clave, MismoGrupo(base, 4));
    EXPECT_EQ(g.Entradas[2].Clave, MismoGrupo(base, 2));
    EXPECT_EQ(TT_Opciones.Ocupadas, 4) << "same generation: no new entry counted";

    // A later generation: among the old entries the deepest goes (depth 9, slot 2).
    TT_Opciones.Edad = 2;
    Guardar(MismoGrupo(base, 5), 1, 0, TT_EXACTO, 1);
    EXPECT_EQ(g.Entradas[2].Clave, MismoGrupo(base, 5));
    EXPECT_EQ(TT_Opciones.Ocupadas, 4);

    // Slot 0 is old: replaced before the new, shallow entry in slot 2.
    Guardar(MismoGrupo(base, 6), 50, 0, TT_EXACTO, 1);
    EXPECT_EQ(g.Entradas[0].Clave, MismoGrupo(base, 6));
    EXPECT_EQ(g.Entradas[2].Clave, MismoGrupo(base, 5));

    // Now slot 0 is new and slot 1 old: finding the older victim counts one more entry.
    Guardar(MismoGrupo(base, 7), 1, 0, TT_EXACTO, 1);
    EXPECT_EQ(g.Entradas[1].Clave, MismoGrupo(base, 7));
    EXPECT_EQ(TT_Opciones.Ocupadas, 5);
}

TEST_F(Transposicion, OcupadasNoPasaDeCuatroPorGrupo) {
    TT_Opciones.Ocupadas = 4 * TT_Opciones.Num_Grupos;
    Guardar(3, 1, 0, TT_EXACTO, 1);
    EXPECT_EQ(TT_Opciones.Ocupadas, 4 * TT_Opciones.Num_Grupos);
    EXPECT_EQ(HashFull(), 1000);
    TT_Opciones.Ocupadas = 4 * TT_Opciones.Num_Grupos / 2;
    EXPECT_EQ(HashFull(), 500);
    TT_Opciones.Ocupadas = 87;
    // 87 / 87380 x 1000 = 0.9956..., truncated.
    EXPECT_EQ(HashFull(), 0);
}

TEST_F(Transposicion, MateSeGuardaRelativoAlNodoYSeLeeRelativoALaRaiz) {
    uint32_t k = 555;
    TableroGlobal.Indice_Deshacer = 5;
    Guardar(k, 4, 31990, TT_EXACTO, 9);
    EXPECT_EQ(GrupoDe(k).Entradas[0].Puntuacion, 31995);
    TableroGlobal.Indice_Deshacer = 3;
    int32_t prof = 4, valor = 0;
    uint32_t jugada = 0;
    EXPECT_EQ(RecuperarPosicion(-100, 100, &prof, &valor, &jugada), 1);
    EXPECT_EQ(valor, 31992);

    // Mated scores move the other way; the threshold itself is no mate.
    TableroGlobal.Indice_Deshacer = 5;
    Guardar(k, 4, -31990, TT_EXACTO, 9);
    EXPECT_EQ(GrupoDe(k).Entradas[0].Puntuacion, -31995);
    Guardar(k, 4, 31936, TT_EXACTO, 9);
    EXPECT_EQ(GrupoDe(k).Entradas[0].Puntuacion, 31936);
}

TEST_F(Transposicion, ExactaCortaSiempreYLasCotasSoloFueraDeLaVentana) {
    uint32_t jugada = 0;
    int32_t prof = 3, valor = 0;
    Guardar(10, 3, 500, TT_EXACTO, 1);
    EXPECT_EQ(RecuperarPosicion(-10, 10, &prof, &valor, &jugada), 1);
    EXPECT_EQ(valor, 500);

    // Upper bound: a cut only when it is at most alpha.
    Guardar(11, 3, 40, TT_ALPHA, 1);
    EXPECT_EQ(RecuperarPosicion(40, 100, &prof, &valor, &jugada), 1);
    EXPECT_EQ(RecuperarPosicion(39, 100, &prof, &valor, &jugada), 0);
    EXPECT_EQ(valor, 40);

    // Lower bound: a cut only when it is at least beta.
    Guardar(12, 3, 40, TT_BETA, 1);
    EXPECT_EQ(RecuperarPosicion(-100, 40, &prof, &valor, &jugada), 1);
    EXPECT_EQ(RecuperarPosicion(-100, 41, &prof, &valor, &jugada), 0);

    // No bound type settles nothing inside an open window.
    Guardar(13, 3, 40, 0, 1);
    EXPECT_EQ(RecuperarPosicion(-100, 100, &prof, &valor, &jugada), 0);
}

TEST_F(Transposicion, EntradaPocoProfundaDaJugadaYValorSinCorte) {
    TableroGlobal.Indice_Deshacer = 2;
    Guardar(20, 2, 31980, TT_EXACTO, 4321);
    int32_t prof = 5, valor = 0;
    uint32_t jugada = 0;
    EXPECT_EQ(RecuperarPosicion(-100, 100, &prof, &valor, &jugada), 0);
    EXPECT_EQ(jugada, 4321u);
    EXPECT_EQ(valor, 31982) << "the stored value, without the mate correction";
    EXPECT_EQ(prof, 5) << "the requested depth is only read";

    // A position not stored: no move, no score.
    TableroGlobal.Clave = 21;
    EXPECT_EQ(RecuperarPosicion(-100, 100, &prof, &valor, &jugada), 0);
    EXPECT_EQ(jugada, 0u);
    EXPECT_EQ(valor, -32001);
}

TEST_F(Transposicion, SinTablaNadaSeGuardaYNadaSeEncuentra) {
    LiberarTransposicion();
    Guardar(30, 3, 1, TT_EXACTO, 1);
    int32_t prof = 0, valor = 0;
    uint32_t jugada = 9;
    EXPECT_EQ(RecuperarPosicion(-100, 100, &prof, &valor, &jugada), 0);
    EXPECT_EQ(valor, -32001);
    EXPECT_EQ(jugada, 0u);
}

}  // namespace
