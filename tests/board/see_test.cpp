// Static exchange on one square, played out and taken back on the board.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "board/posicion_test_util.h"

class IntercambioEstatico : public ::testing::Test {
  protected:
    void SetUp() override {
        Salir = 0;
        IniciarClaves(5);
        LimpiarSee();
    }

    // See of the capture desde-hasta for the side to move, checking the board comes back.
    static int32_t SeeDe(const char *fen, int32_t desde, int32_t hasta) {
        EXPECT_EQ(CargarPosicionPrueba(fen), 1);
        int32_t antes[64];
        std::memcpy(antes, TableroGlobal.Tablero, sizeof(antes));
        const int32_t rb = TableroGlobal.Rey_Blanco, rn = TableroGlobal.Rey_Negro;
        const int32_t *T = TableroGlobal.Tablero;
        const int32_t captura = T[hasta] == SIN_PIEZA ? NINGUNA : T[hasta];
        const int32_t v =
            See(CrearJugada(desde, hasta, T[desde], captura, NINGUNA), TableroGlobal.Turno);
        EXPECT_EQ(std::memcmp(antes, TableroGlobal.Tablero, sizeof(antes)), 0) << fen;
        EXPECT_EQ(TableroGlobal.Rey_Blanco, rb);
        EXPECT_EQ(TableroGlobal.Rey_Negro, rn);
        EXPECT_EQ(SeeMove.Num, 0);
        return v;
    }
};

// Squares: d1 59, d2 51, d5 27, d7 11, d8 3, e4 36, c3 42, b3 41.
TEST_F(IntercambioEstatico, CapturasSencillas) {
    EXPECT_EQ(SeeDe("4k3/8/8/3n4/4P3/8/8/4K3 w - - 0 1", 36, 27), 325);
    EXPECT_EQ(SeeDe("4k3/8/2p5/3p4/8/8/8/3RK3 w - - 0 1", 59, 27), 0);
    EXPECT_EQ(SeeDe("4k3/8/8/3p4/8/8/8/3RK3 w - - 0 1", 59, 27), 100);
    // A rook taking a knight defended by a pawn: e = 1 gives 0 whatever the pieces.
    EXPECT_EQ(SeeDe("4k3/8/2p5/3n4/8/8/8/3RK3 w - - 0 1", 59, 27), 0);
}

TEST_F(IntercambioEstatico, CuatroTorresEnLaColumna) {
    EXPECT_EQ(SeeDe("3rk3/3r4/8/3p4/8/8/3R4/3RK3 w - - 0 1", 51, 27), 500);
}

TEST_F(IntercambioEstatico, MenorAtacantePrimeroYRayosX) {
    // White: knight c3, bishop b3, rook d1; Black: rook d8, queen a8, king e6, all on d5.
    const char *fen = "q2r4/8/4k3/3p4/8/1BN5/8/3RK3 w - - 0 1";
    ASSERT_EQ(CargarPosicionPrueba(fen), 1);
    LimpiarSee();
    const uint32_t primera = Obtener_Ataques_Menores(27, 1);
    EXPECT_EQ(Desde(primera), 42);
    EXPECT_EQ(Ficha(primera), CABALLO_B);
    EXPECT_EQ(Captura(primera), PEON_N);
    EXPECT_EQ(TableroGlobal.Tablero[27], CABALLO_B);
    EXPECT_EQ(Ficha(Obtener_Ataques_Menores(27, 0)), TORRE_N);
    EXPECT_EQ(Desde(Obtener_Ataques_Menores(27, 1)), 41);
    EXPECT_EQ(Ficha(Obtener_Ataques_Menores(27, 0)), DAMA_N);
    EXPECT_EQ(Desde(Obtener_Ataques_Menores(27, 1)), 59);
    EXPECT_EQ(Ficha(Obtener_Ataques_Menores(27, 0)), REY_N);
    EXPECT_EQ(Obtener_Ataques_Menores(27, 1), 0u);
    EXPECT_EQ(SeeMove.Num, 6);
    while (SeeMove.Num > 0) SeeDeshacerMovimiento();
    // Three captures each: the knight's value minus Black's first recapturing piece.
    EXPECT_EQ(SeeDe(fen, 42, 27), 325 - 500);
    // The estimate does not depend on which piece makes the first capture.
    EXPECT_EQ(SeeDe(fen, 59, 27), 325 - 500);

    // Queen d2 in front of rook d1: the queen captures, the rook follows through.
    ASSERT_EQ(CargarPosicionPrueba("3rk3/3r4/8/3p4/8/8/3Q4/3RK3 w - - 0 1"), 1);
    EXPECT_EQ(Ficha(Obtener_Ataques_Menores(27, 1)), DAMA_B);
    EXPECT_EQ(Ficha(Obtener_Ataques_Menores(27, 0)), TORRE_N);
    const uint32_t rayo_x = Obtener_Ataques_Menores(27, 1);
    EXPECT_EQ(Ficha(rayo_x), TORRE_B);
    EXPECT_EQ(Desde(rayo_x), 59);
    while (SeeMove.Num > 0) SeeDeshacerMovimiento();
}

TEST_F(IntercambioEstatico, AtacanteClavadoSeSalta) {
    // The knight on d4 is pinned by the rook on d8... to its own king on d1; it cannot take
    // on e6, so the bishop does.
    ASSERT_EQ(CargarPosicionPrueba("3r3k/8/4p3/8/3N4/8/1B6/3K4 w - - 0 1"), 1);
    EXPECT_EQ(Obtener_Ataques_Menores(20, 1), 0u);  // the bishop on b2 does not reach e6
    // Every attacker pinned: the full value of the captured piece.
    EXPECT_EQ(SeeDe("3r3k/8/4p3/8/3N4/8/8/3K4 w - - 0 1", 35, 20), 100);
    EXPECT_EQ(SeeDe("3r3k/4r3/4p3/8/3N4/8/8/3K4 w - - 0 1", 35, 20), 100);
    // Unpinned, the knight's capture is answered by the rook: 0.
    EXPECT_EQ(SeeDe("4r2k/8/4p3/8/3N4/8/8/3K4 w - - 0 1", 35, 20), 0);
    EXPECT_EQ(SeeDe("7k/4r3/4p3/8/3N4/8/8/3K4 w - - 0 1", 35, 20), 0);
}

TEST_F(IntercambioEstatico, PeonQueCoronaEntraComoDama) {
    // b7 takes a8 as a queen; the king on b8 recaptures the queen.
    ASSERT_EQ(CargarPosicionPrueba("rk6/1P6/8/8/8/8/8/4K3 w - - 0 1"), 1);
    LimpiarSee();
    const uint32_t m = Obtener_Ataques_Menores(0, 1);
    EXPECT_EQ(Corona(m), DAMA_B);
    EXPECT_EQ(TableroGlobal.Tablero[0], DAMA_B);
    EXPECT_EQ(Ficha(Obtener_Ataques_Menores(0, 0)), REY_N);
    EXPECT_EQ(TableroGlobal.Rey_Negro, 0);
    while (SeeMove.Num > 0) SeeDeshacerMovimiento();
    EXPECT_EQ(TableroGlobal.Tablero[9], PEON_B);
    EXPECT_EQ(TableroGlobal.Tablero[0], TORRE_N);
    EXPECT_EQ(TableroGlobal.Rey_Negro, 1);
    EXPECT_EQ(SeeDe("rk6/1P6/8/8/8/8/8/4K3 w - - 0 1", 9, 0), 0);
    EXPECT_EQ(SeeDe("r1k5/1P6/8/8/8/8/8/4K3 w - - 0 1", 9, 0), 500);
}

TEST_F(IntercambioEstatico, SilenciosaYAlPasoValenCero) {
    ASSERT_EQ(CargarPosicionPrueba("4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 2"), 1);
    EXPECT_EQ(See(CrearJugada(28, 19, PEON_B, NINGUNA, NINGUNA, BIT_AL_PASO), 1), 0);
    EXPECT_EQ(See(CrearJugada(28, 20, PEON_B, NINGUNA, NINGUNA), 1), 0);
    // Black to capture: the black side finds its attacker in the other direction.
    EXPECT_EQ(SeeDe("4k3/8/8/3p4/4P3/8/8/4K3 b - - 0 1", 27, 36), 100);
    EXPECT_EQ(Valor_See[0] + Valor_See[7] + Valor_See[14] + Valor_See[15], 0);
    EXPECT_EQ(Valor_See[REY_B], Valor_See[REY_N]);
}

// A king capture onto a defended square is illegal and skipped; See then gives the full
// value, as for any side without a legal capture.
TEST_F(IntercambioEstatico, ReyNoCapturaPiezaDefendida) {
    ASSERT_EQ(CargarPosicionPrueba("4k3/8/8/8/8/3p4/4r3/4K3 w - - 0 1"), 1);
    LimpiarSee();
    EXPECT_EQ(Obtener_Ataques_Menores(52, 1), 0u);
    EXPECT_EQ(SeeMove.Num, 0);
    EXPECT_EQ(TableroGlobal.Tablero[52], TORRE_N);
    EXPECT_EQ(TableroGlobal.Rey_Blanco, 60);
    ASSERT_EQ(CargarPosicionPrueba("4k3/8/8/8/8/8/4r3/4K3 w - - 0 1"), 1);
    EXPECT_EQ(Ficha(Obtener_Ataques_Menores(52, 1)), REY_B);
    EXPECT_EQ(TableroGlobal.Rey_Blanco, 52);
    SeeDeshacerMovimiento();
    EXPECT_EQ(TableroGlobal.Rey_Blanco, 60);
    EXPECT_EQ(SeeDe("4k3/8/8/8/8/3p4/4r3/4K3 w - - 0 1", 60, 52), 500);
}
