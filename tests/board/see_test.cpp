// Static exchange on one square, played out and taken back on the board.
#include <gtest/gtest.h>

#include <cstring>

#include "support/position.h"

class IntercambioEstatico : public PruebaTablero {
  protected:
    void SetUp() override {
        PruebaTablero::SetUp();
        LimpiarSee();
    }

    // See of the capture desde-hasta for the side to move; the board must come back whole.
    static int32_t SeeDe(const char *fen, int32_t desde, int32_t hasta) {
        EXPECT_EQ(CargarPosicionPrueba(fen), 1);
        Tipo_Tablero antes;
        std::memcpy(&antes, &TableroGlobal, sizeof(antes));
        const int32_t *T = TableroGlobal.Tablero;
        const int32_t captura = T[hasta] == SIN_PIEZA ? NINGUNA : T[hasta];
        const int32_t v =
            See(CrearJugada(desde, hasta, T[desde], captura, NINGUNA), TableroGlobal.Turno);
        EXPECT_EQ(std::memcmp(&antes, &TableroGlobal, sizeof(antes)), 0) << fen;
        EXPECT_EQ(SeeMove.Num, 0);
        return v;
    }

    // Pieces of the exchange sequence on casilla, taken alternately from lado and the other.
    static std::vector<int32_t> Secuencia(int32_t casilla, int32_t lado) {
        std::vector<int32_t> fichas;
        for (uint32_t m; (m = Obtener_Ataques_Menores(casilla, lado)) != 0; lado = 1 - lado) {
            fichas.push_back(Ficha(m) * 100 + Desde(m));
        }
        while (SeeMove.Num > 0) SeeDeshacerMovimiento();
        return fichas;
    }
};

// Squares: d1 59, d2 51, d5 27, e4 36, c3 42, b3 41, e6 20, d4 35, e8 4, e6 20.
TEST_F(IntercambioEstatico, MenorAtacantePrimeroYRayosX) {
    // Knight before bishop before rook; Black's rook, queen, then king. Three captures each:
    // the knight's value minus Black's first recapturing piece, whoever makes the first one.
    const char *fen = "q2r4/8/4k3/3p4/8/1BN5/8/3RK3 w - - 0 1";
    ASSERT_EQ(CargarPosicionPrueba(fen), 1);
    EXPECT_EQ(Secuencia(27, 1), (std::vector<int32_t>{242, 1103, 341, 1200, 459, 1320}));
    EXPECT_EQ(SeeDe(fen, 42, 27), 325 - 500);
    EXPECT_EQ(SeeDe(fen, 59, 27), 325 - 500);
    // The queen in front of the rook goes first; the rook follows through once it has left.
    ASSERT_EQ(CargarPosicionPrueba("3rk3/3r4/8/3p4/8/8/3Q4/3RK3 w - - 0 1"), 1);
    EXPECT_EQ(Secuencia(27, 1), (std::vector<int32_t>{551, 1111, 459, 1103}));
}

TEST_F(IntercambioEstatico, AtacantesClavadosYReyDefendidoSeSaltan) {
    // The knight on d4 is pinned to its king by the rook on d8: the full pawn value.
    EXPECT_EQ(SeeDe("3r3k/8/4p3/8/3N4/8/8/3K4 w - - 0 1", 35, 20), 100);
    EXPECT_EQ(SeeDe("4r2k/8/4p3/8/3N4/8/8/3K4 w - - 0 1", 35, 20), 0);
    // The king may not take a defended rook.
    ASSERT_EQ(CargarPosicionPrueba("4k3/8/8/8/8/3p4/4r3/4K3 w - - 0 1"), 1);
    EXPECT_TRUE(Secuencia(52, 1).empty());
    ASSERT_EQ(CargarPosicionPrueba("4k3/8/8/8/8/8/4r3/4K3 w - - 0 1"), 1);
    EXPECT_EQ(Secuencia(52, 1), std::vector<int32_t>{660});
    EXPECT_EQ(TableroGlobal.Rey_Blanco, 60);
}

TEST_F(IntercambioEstatico, PeonQueCoronaEntraComoDamaYSeDeshaceComoPeon) {
    ASSERT_EQ(CargarPosicionPrueba("rk6/1P6/8/8/8/8/8/4K3 w - - 0 1"), 1);
    EXPECT_EQ(Corona(Obtener_Ataques_Menores(0, 1)), DAMA_B);
    EXPECT_EQ(Ficha(Obtener_Ataques_Menores(0, 0)), REY_N);
    while (SeeMove.Num > 0) SeeDeshacerMovimiento();
    EXPECT_EQ(TableroGlobal.Tablero[9] * 100 + TableroGlobal.Tablero[0], 111);
    EXPECT_EQ(TableroGlobal.Rey_Negro, 1);
    EXPECT_EQ(SeeDe("rk6/1P6/8/8/8/8/8/4K3 w - - 0 1", 9, 0), 0);
    EXPECT_EQ(SeeDe("r1k5/1P6/8/8/8/8/8/4K3 w - - 0 1", 9, 0), 500);
}
