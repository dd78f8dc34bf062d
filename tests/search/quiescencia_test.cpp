// Quiescence search: stand pat, delta pruning, the capture filter, mates and table stores.
#include <gtest/gtest.h>

#include "search/busqueda_test_util.h"
#include "uci/uci.h"

// White queen can take an undefended knight; Black keeps a rook besides it.
static const char *FEN_DELTA = "r5k1/8/8/3n4/8/8/8/3Q2K1 w - - 0 1";

class Quiescencia : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(PrepararBusqueda(FEN_INICIAL), 1); }

    // Loads fen (FEN_DELTA by default) and returns its static evaluation.
    static int32_t Cargar(const char *fen = FEN_DELTA) {
        EXPECT_EQ(CargarPosicionPrueba(fen), 1);
        return Evaluar();
    }
    // One quiescence call on the loaded position from a fresh node count.
    static int32_t Qs(int32_t alpha, int32_t beta, int32_t entrada = 0) {
        TipoJuego.Nodos = 0;
        return AlphaBeta_Qs(alpha, beta, JaqueRaiz(), 0, entrada);
    }
};

TEST_F(Quiescencia, StandPatYPodaDelta) {
    const int32_t e = Cargar();
    EXPECT_EQ(Qs(e - 10, e), e);
    EXPECT_EQ(TipoJuego.Nodos, 1u);
    EXPECT_EQ(Qs(e - 10, e - 5), e);
    EXPECT_GT(Qs(e - 10, e + 1), e);  // below beta the capture raises the score
    // The knight (code 9) counts as the entry before it, a pawn's 100: limit e + 250.
    EXPECT_EQ(Qs(e + 251, e + 3000), e);
    EXPECT_EQ(TipoJuego.Nodos, 1u);
    Qs(e + 250, e + 3000);
    EXPECT_GT(TipoJuego.Nodos, 1u);
    // Never at the entry node, never when the opponent has one piece only.
    Qs(e + 2000, e + 3000, 1);
    EXPECT_GT(TipoJuego.Nodos, 1u);
    const int32_t u = Cargar("6k1/8/8/3n4/8/8/8/3Q2K1 w - - 0 1");
    Qs(u + 2000, u + 3000);
    EXPECT_GT(TipoJuego.Nodos, 1u);
}

TEST_F(Quiescencia, FiltroDeCapturasPorIntercambio) {
    // {fen, entry, searched}: Qxd5 takes a pawn defended by e6 (negative exchange) and is
    // skipped except at the entry node; Nxd5 of a bishop and exd5 of a queen need no estimate.
    const struct {
        const char *fen;
        int32_t entrada;
        bool buscada;
    } casos[] = {{"4k3/8/4p3/3p4/8/8/3Q4/3RK3 w - - 0 1", 0, false},
                 {"4k3/8/4p3/3p4/8/8/3Q4/3RK3 w - - 0 1", 1, true},
                 {"4k3/8/4p3/3b4/8/4N3/8/4K3 w - - 0 1", 0, true},
                 {"4k3/8/4p3/3q4/4P3/8/8/4K3 w - - 0 1", 0, true}};
    for (const auto &c : casos) {
        Cargar(c.fen);
        Qs(-SIN_PUNTUACION, SIN_PUNTUACION, c.entrada);
        EXPECT_EQ(TipoJuego.Nodos > 1u, c.buscada) << c.fen << " entry " << c.entrada;
    }
}

TEST_F(Quiescencia, EnJaqueTodasLasEvasionesYMatePorPly) {
    Cargar("R5k1/5ppp/8/8/8/8/8/6K1 b - - 0 1");
    EXPECT_EQ(Qs(-SIN_PUNTUACION, SIN_PUNTUACION), -MATE);
    TableroGlobal.Indice_Deshacer = 3;
    EXPECT_EQ(Qs(-SIN_PUNTUACION, SIN_PUNTUACION), 3 - MATE);
    // With f7 free the king steps out of check by a quiet move.
    Cargar("R5k1/6pp/8/8/8/8/8/6K1 b - - 0 1");
    EXPECT_GT(Qs(-SIN_PUNTUACION, SIN_PUNTUACION), -UMBRAL_MATE);
}

TEST_F(Quiescencia, CapturasIlegalesYJaquesDescubiertosDesdeCualquierPly) {
    for (const int32_t ply : {0, 2}) {
        // Nxf3 by the pinned knight and the en passant capture that opens the fifth rank are
        // both illegal: the node only stands pat.
        for (const char *fen : {"7k/8/8/8/1b6/5q2/3N4/4K3 w - - 0 1",
                                "4k3/8/8/KPp4r/8/8/8/8 w - c6 0 1"}) {
            const int32_t e = Cargar(fen);
            TableroGlobal.Indice_Deshacer = ply;
            EXPECT_EQ(Qs(-SIN_PUNTUACION, SIN_PUNTUACION), e) << fen << " ply " << ply;
            EXPECT_EQ(TipoJuego.Nodos, 1u) << fen << " ply " << ply;
        }
        // Nxd7 uncovers the bishop's check, and Black has no evasion: mate one ply below.
        Cargar("7k/3q3p/8/4N3/8/8/1B6/2K3R1 w - - 0 1");
        TableroGlobal.Indice_Deshacer = ply;
        EXPECT_EQ(Qs(-SIN_PUNTUACION, SIN_PUNTUACION), MATE - ply - 1) << "ply " << ply;
    }
}
