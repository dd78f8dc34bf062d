// Quiescence search: stand pat, delta pruning, the capture filter, mates and table stores.
#include <gtest/gtest.h>

#include "search/busqueda_test_util.h"
#include "uci/uci.h"

class Quiescencia : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(PrepararBusqueda(FEN_INICIAL), 1); }

    // Runs one quiescence call on fen from a fresh node count; returns its score.
    int32_t Qs(const char *fen, int32_t alpha, int32_t beta, int32_t entrada = 0) {
        EXPECT_EQ(CargarPosicionPrueba(fen), 1);
        TipoJuego.Nodos = 0;
        return AlphaBeta_Qs(alpha, beta, JaqueRaiz(), 0, entrada);
    }

    // The table slot holding the current position, or null.
    static const TT_Entrada *Entrada() {
        const Grupo &g =
            TT_Datos[TableroGlobal.Clave % static_cast<uint32_t>(TT_Opciones.Num_Grupos)];
        for (const TT_Entrada &e : g.Entradas) {
            if (e.Clave == TableroGlobal.Clave) return &e;
        }
        return nullptr;
    }
};

// White queen can take an undefended knight; Black keeps a rook besides it.
static const char *FEN_DELTA = "r5k1/8/8/3n4/8/8/8/3Q2K1 w - - 0 1";
static const char *FEN_DELTA_UNA_PIEZA = "6k1/8/8/3n4/8/8/8/3Q2K1 w - - 0 1";

TEST_F(Quiescencia, StandPatCortaSinGenerar) {
    ASSERT_EQ(CargarPosicionPrueba(FEN_DELTA), 1);
    const int32_t e = Evaluar();
    EXPECT_EQ(Qs(FEN_DELTA, e - 10, e), e);
    EXPECT_EQ(TipoJuego.Nodos, 1u);
    EXPECT_EQ(Qs(FEN_DELTA, e - 10, e - 5), e);
    // Below beta the capture is searched and raises the score.
    EXPECT_GT(Qs(FEN_DELTA, e - 10, e + 1), e);
    EXPECT_GT(TipoJuego.Nodos, 1u);
}

TEST_F(Quiescencia, PodaDeltaConElValorDelCodigoAnterior) {
    ASSERT_EQ(CargarPosicionPrueba(FEN_DELTA), 1);
    const int32_t e = Evaluar();
    // The knight (code 9) counts as the entry before it, a pawn's 100: limit e + 250.
    EXPECT_EQ(Qs(FEN_DELTA, e + 251, e + 3000), e);
    EXPECT_EQ(TipoJuego.Nodos, 1u);
    Qs(FEN_DELTA, e + 250, e + 3000);
    EXPECT_GT(TipoJuego.Nodos, 1u);
}

TEST_F(Quiescencia, SinPodaDeltaConUnaPiezaOEnEntrada) {
    ASSERT_EQ(CargarPosicionPrueba(FEN_DELTA_UNA_PIEZA), 1);
    int32_t e = Evaluar();
    Qs(FEN_DELTA_UNA_PIEZA, e + 2000, e + 3000);
    EXPECT_GT(TipoJuego.Nodos, 1u);
    ASSERT_EQ(CargarPosicionPrueba(FEN_DELTA), 1);
    e = Evaluar();
    Qs(FEN_DELTA, e + 2000, e + 3000, 1);
    EXPECT_GT(TipoJuego.Nodos, 1u);
}

TEST_F(Quiescencia, FiltroDeCapturasPorIntercambio) {
    // Qxd5 against a pawn defended by e6, the rook d1 behind the queen: exchange negative.
    Qs("4k3/8/4p3/3p4/8/8/3Q4/3RK3 w - - 0 1", -SIN_PUNTUACION, SIN_PUNTUACION);
    EXPECT_EQ(TipoJuego.Nodos, 1u);
    // The same capture from the entry node is searched.
    Qs("4k3/8/4p3/3p4/8/8/3Q4/3RK3 w - - 0 1", -SIN_PUNTUACION, SIN_PUNTUACION, 1);
    EXPECT_GT(TipoJuego.Nodos, 1u);
    // A knight taking a defended bishop needs no exchange estimate.
    Qs("4k3/8/4p3/3b4/8/4N3/8/4K3 w - - 0 1", -SIN_PUNTUACION, SIN_PUNTUACION);
    EXPECT_GT(TipoJuego.Nodos, 1u);
    // Nor does a pawn taking a queen.
    Qs("4k3/8/4p3/3q4/4P3/8/8/4K3 w - - 0 1", -SIN_PUNTUACION, SIN_PUNTUACION);
    EXPECT_GT(TipoJuego.Nodos, 1u);
}

TEST_F(Quiescencia, JaqueMateYEvasionesTranquilas) {
    EXPECT_EQ(Qs("R5k1/5ppp/8/8/8/8/8/6K1 b - - 0 1", -SIN_PUNTUACION, SIN_PUNTUACION), -MATE);
    TableroGlobal.Indice_Deshacer = 3;
    EXPECT_EQ(AlphaBeta_Qs(-SIN_PUNTUACION, SIN_PUNTUACION, 1, 0, 0), 3 - MATE);
    // With f7 free the king steps out of check by a quiet move.
    const int32_t v = Qs("R5k1/6pp/8/8/8/8/8/6K1 b - - 0 1", -SIN_PUNTUACION, SIN_PUNTUACION);
    EXPECT_GT(v, -UMBRAL_MATE);
}

TEST_F(Quiescencia, TablasPorReglaYRepeticion) {
    ASSERT_EQ(CargarPosicionPrueba(FEN_DELTA), 1);
    const int32_t e = Evaluar();
    TableroGlobal.Regla_50 = 101;
    TableroGlobal.Num_Historial = 101;
    EXPECT_EQ(AlphaBeta_Qs(e - 10, e - 5, 0, 0, 0), 0);
    TableroGlobal.Regla_50 = 100;
    EXPECT_EQ(AlphaBeta_Qs(e - 10, e - 5, 0, 0, 0), e);
}

TEST_F(Quiescencia, EntradaGuardaExactoOCotaSuperior) {
    ASSERT_EQ(CargarPosicionPrueba(FEN_DELTA), 1);
    const int32_t e = Evaluar();
    const int32_t v = Qs(FEN_DELTA, e - 50, e + 3000, 1);
    const TT_Entrada *t = Entrada();
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(Tipo_TT(t->Info), TT_EXACTO);
    EXPECT_EQ(Profundidad_TT(t->Info), 0);
    EXPECT_EQ(t->Jugada, JugadaSan("Qxd5"));
    EXPECT_EQ(t->Puntuacion, v);

    // No capture at all: an upper bound without a move, the stand-pat score.
    const char *quieta = "6k1/8/8/8/8/8/8/3Q2K1 w - - 0 1";
    ASSERT_EQ(CargarPosicionPrueba(quieta), 1);
    const int32_t q = Evaluar();
    EXPECT_EQ(Qs(quieta, q - 50, q + 50, 1), q);
    t = Entrada();
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(Tipo_TT(t->Info), TT_ALPHA);
    EXPECT_EQ(t->Jugada, 0u);
    EXPECT_EQ(t->Puntuacion, q);

    // Away from the entry node nothing is stored.
    LimpiarTransposicion();
    Qs(FEN_DELTA, e - 50, e + 3000, 0);
    EXPECT_EQ(Entrada(), nullptr);
}
