// FEN loading, including the forgiving treatment of odd fields.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/position.h"

using CargaFen = PruebaTablero;

// The fields after the board, each with its fall-back. Turno starts at 0 before each load.
TEST_F(CargaFen, CamposTrasElTablero) {
    struct Caso { const char *resto; int32_t turno, enroque_b, enroque_n, paso, regla; };
    const Caso casos[] = {
        {" b KQkq e3 0 1", 0, 3, 3, 36, 0},
        {" w - a3 0 1", 1, 0, 0, 32, 0},
        {" w - e4 0 1", 1, 0, 0, 0, 0},
        {" w - e33 0 1", 1, 0, 0, 0, 0},
        {" w - E3 0 1", 1, 0, 0, 0, 0},
        {" w kQ - 0 1", 1, 0, 1, 0, 0},
        {" w HAha - 0 1", 1, 0, 0, 0, 0},
        {" w - - 150 1", 1, 0, 0, 0, 100},
        {" w - - 4294967295 1", 1, 0, 0, 0, 0},
        {" w - - 4294967301", 1, 0, 0, 0, 5},
        {" w - - -5", 1, 0, 0, 0, 0},
        {"", 0, 0, 0, 0, 0},
        {"  w KQkq - 9 1", 0, 0, 0, 0, 0},
        {" W KQkq - 0 1", 0, 3, 3, 0, 0},
    };
    for (const Caso &c : casos) {
        TableroGlobal.Turno = 0;
        const std::string fen = std::string("r3k2r/8/8/8/8/8/8/R3K2R") + c.resto;
        ASSERT_EQ(CargarPosicionPrueba(fen.c_str()), 1) << fen;
        const Tipo_Tablero &t = TableroGlobal;
        const std::vector<int32_t> leido = {t.Turno, t.Enroque_Blancas, t.Enroque_Negras,
                                            t.Ficha_Al_Paso, t.Regla_50, t.Num_Historial};
        EXPECT_EQ(leido, (std::vector<int32_t>{c.turno, c.enroque_b, c.enroque_n, c.paso, c.regla,
                                               c.regla}))
            << fen;
    }
    // A clock field that is no number keeps the caller's clock.
    TableroGlobal.Regla_50 = 7;
    ASSERT_EQ(CargarFen("4k3/8/8/8/8/8/8/4K3 w - - abc 1"), 1);
    EXPECT_EQ(TableroGlobal.Regla_50, 7);
}

TEST_F(CargaFen, TableroMalFormadoDevuelveCero) {
    // After the eighth square one character is skipped, whatever it is: in the last one the
    // extra 7, so '/' stands where a square belongs.
    for (const char *tablero :
         {"rnbqkbnr/pppp pppp/8/8/8/8/PPPPPPPP/RNBQKBNR", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP",
          "rnbqkbnr/ppppxppp/8/8/8/8/PPPPPPPP/RNBQKBNR", "", "4k3/7p7/8/8/8/8/8/4K3",
          "rnbqkbnr/ppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR",
          "rnbqkbnr/pppppppp/9/8/8/8/PPPPPPPP/RNBQKBNR"})
        EXPECT_EQ(CargarPosicionPrueba((std::string(tablero) + " w - - 0 1").c_str()), 0)
            << tablero;
    // A digit run past the h-file only ends the rank. Any character counts as the separator:
    // the x takes the place of the space, so the space is read as the side (Black).
    TableroGlobal.Turno = 1;
    ASSERT_EQ(CargarPosicionPrueba("4k3/3p5/8/8/8/8/8/4K3x w - - 0 1"), 1);
    EXPECT_EQ(TableroGlobal.Tablero[11] * 100 + Negras.Num_Peones * 10 + TableroGlobal.Turno,
              PEON_N * 100 + 10);
}
