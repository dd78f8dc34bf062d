// FEN loading, including the forgiving treatment of odd fields.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "board/posicion_test_util.h"

class CargaFen : public ::testing::Test {
  protected:
    void SetUp() override {
        Salir = 0;
        IniciarClaves(3);
        TableroGlobal.Turno = 1;
    }
    static const Tipo_Tablero &T() { return TableroGlobal; }
};

TEST_F(CargaFen, PosicionInicialCompleta) {
    TableroGlobal.Turno = 0;
    ASSERT_EQ(CargarPosicionPrueba(FEN_INICIAL), 1);
    EXPECT_EQ(T().Rey_Blanco, 60);
    EXPECT_EQ(T().Rey_Negro, 4);
    EXPECT_EQ(T().Enroque_Blancas, 3);
    EXPECT_EQ(T().Enroque_Negras, 3);
    EXPECT_EQ(T().Ficha_Al_Paso, 0);
    EXPECT_EQ(T().Turno, 1);
    for (const Tipo_Lado *l : {&Blancas, &Negras}) {
        EXPECT_EQ(l->Num_Peones, 8);
        EXPECT_EQ(l->Num_Caballos, 2);
        EXPECT_EQ(l->Num_Alfiles, 2);
        EXPECT_EQ(l->Num_Torres, 2);
        EXPECT_EQ(l->Num_Damas, 1);
    }
    const int32_t fila8[8] = {11, 9, 10, 12, 13, 10, 9, 11};
    const int32_t fila1[8] = {4, 2, 3, 5, 6, 3, 2, 4};
    for (int c = 0; c < 8; c++) {
        EXPECT_EQ(T().Tablero[c], fila8[c]);
        EXPECT_EQ(T().Tablero[8 + c], PEON_N);
        for (int f = 2; f < 6; f++) EXPECT_EQ(T().Tablero[f * 8 + c], SIN_PIEZA);
        EXPECT_EQ(T().Tablero[48 + c], PEON_B);
        EXPECT_EQ(T().Tablero[56 + c], fila1[c]);
    }
    EXPECT_EQ(T().Color_Casilla[0], 1);
    EXPECT_EQ(T().Color_Casilla[7], 0);
    EXPECT_EQ(T().Color_Casilla[56], 0);
    EXPECT_EQ(T().Color_Casilla[63], 1);
}

TEST_F(CargaFen, CasillaAlPasoEsLaDelPeonQueAvanzoDos) {
    struct Caso {
        const char *campo;
        int32_t esperado;
    };
    for (const Caso &c :
         {Caso{"e3", 36}, Caso{"a3", 32}, Caso{"h6", 31}, Caso{"d6", 27}, Caso{"e4", 0},
          Caso{"a8", 0}, Caso{"-", 0}, Caso{"e33", 0}, Caso{"E3", 0}}) {
        const std::string fen = std::string("4k3/8/8/8/8/8/8/4K3 b - ") + c.campo + " 0 1";
        ASSERT_EQ(CargarPosicionPrueba(fen.c_str()), 1);
        EXPECT_EQ(T().Ficha_Al_Paso, c.esperado) << c.campo;
    }
    ASSERT_EQ(CargarPosicionPrueba("rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1"),
              1);
    EXPECT_EQ(T().Ficha_Al_Paso, 36);
    EXPECT_EQ(T().Turno, 0);
}

TEST_F(CargaFen, RelojSeRecortaA100YLosValoresNegativosDanCero) {
    struct Caso {
        const char *campo;
        int32_t esperado;
    };
    for (const Caso &c :
         {Caso{"150", 100}, Caso{"101", 100}, Caso{"100", 100}, Caso{"55", 55}, Caso{"0", 0},
          Caso{"4294967295", 0}, Caso{"4294967296", 0}, Caso{"4294967301", 5},
          Caso{"2147483648", 0}, Caso{"x", 0}, Caso{"-5", 0}}) {
        const std::string fen = std::string("4k3/8/8/8/8/8/8/4K3 w - - ") + c.campo + " 1";
        ASSERT_EQ(CargarPosicionPrueba(fen.c_str()), 1);
        EXPECT_EQ(T().Regla_50, c.esperado) << c.campo;
        EXPECT_EQ(T().Num_Historial, c.esperado) << c.campo;
    }
    // A non-number or a missing field keeps whatever clock the caller had set.
    TableroGlobal.Regla_50 = 7;
    ASSERT_EQ(CargarFen("4k3/8/8/8/8/8/8/4K3 w - - abc 1"), 1);
    EXPECT_EQ(T().Regla_50, 7);
    ASSERT_EQ(CargarFen("4k3/8/8/8/8/8/8/4K3 w - -   "), 1);
    EXPECT_EQ(T().Regla_50, 7);
}

TEST_F(CargaFen, EnroqueSoloEnElOrdenKQkq) {
    struct Caso {
        const char *campo;
        int32_t blancas, negras;
    };
    for (const Caso &c : {Caso{"KQkq", 3, 3}, Caso{"kQ", 0, 1}, Caso{"Kq", 1, 2}, Caso{"Qk", 2, 1},
                          Caso{"-", 0, 0}, Caso{"HAha", 0, 0}, Caso{"qk", 0, 2}}) {
        const std::string fen = std::string("r3k2r/8/8/8/8/8/8/R3K2R w ") + c.campo + " - 0 1";
        ASSERT_EQ(CargarPosicionPrueba(fen.c_str()), 1);
        EXPECT_EQ(T().Enroque_Blancas, c.blancas) << c.campo;
        EXPECT_EQ(T().Enroque_Negras, c.negras) << c.campo;
    }
}

TEST_F(CargaFen, CamposAusentesOMalEspaciados) {
    // Ends after the board: side kept, no castling, no clock.
    TableroGlobal.Turno = 0;
    ASSERT_EQ(CargarPosicionPrueba("r3k2r/8/8/8/8/8/8/R3K2R"), 1);
    EXPECT_EQ(T().Turno, 0);
    EXPECT_EQ(T().Enroque_Blancas, 0);
    EXPECT_EQ(T().Enroque_Negras, 0);
    EXPECT_EQ(T().Regla_50, 0);
    // Two spaces: the second one is read as the side, and the castling field is lost.
    ASSERT_EQ(CargarPosicionPrueba("r3k2r/8/8/8/8/8/8/R3K2R  w KQkq - 0 1"), 1);
    EXPECT_EQ(T().Turno, 0);
    EXPECT_EQ(T().Enroque_Blancas, 0);
    EXPECT_EQ(T().Enroque_Negras, 0);
    // Any letter but 'w' is Black.
    ASSERT_EQ(CargarPosicionPrueba("r3k2r/8/8/8/8/8/8/R3K2R W KQkq - 0 1"), 1);
    EXPECT_EQ(T().Turno, 0);
    EXPECT_EQ(T().Enroque_Blancas, 3);
}

TEST_F(CargaFen, TableroMalFormadoDevuelveCero) {
    for (const char *fen : {"rnbqkbnr/pppp pppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
                            "rnbqkbnr/ppppxppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
                            "rnbqkbnr/pppppppp/9/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
                            "rnbqkbnr/pppppppp/0/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
                            "rnbqkbnr/ppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
                            "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP", ""}) {
        EXPECT_EQ(CargarPosicionPrueba(fen), 0) << fen;
    }
}

// A digit run past the h-file just ends the rank; the next character is skipped as the
// separator whatever it is.
TEST_F(CargaFen, RachaDeVaciasQueSaleDeLaFilaLaTermina) {
    ASSERT_EQ(CargarPosicionPrueba("4k3/3p5/8/8/8/8/8/4K3 w - - 0 1"), 1);
    EXPECT_EQ(T().Tablero[11], PEON_N);
    EXPECT_EQ(T().Tablero[15], SIN_PIEZA);
    EXPECT_EQ(Negras.Num_Peones, 1);
    ASSERT_EQ(CargarPosicionPrueba("4k3x8/8/8/8/8/8/4K3 w - - 0 1"), 1);
    EXPECT_EQ(T().Rey_Blanco, 60);
    // After the eighth square one character is skipped whatever it is: here the extra digit,
    // so the '/' then stands where a square belongs.
    EXPECT_EQ(CargarPosicionPrueba("4k3/7p7/8/8/8/8/8/4K3 w - - 0 1"), 0);
}

TEST(PalabrasFen, SplitStringYEsNumero) {
    char buf[80];
    const char *resto = Split_String("   abc def", buf);
    EXPECT_STREQ(buf, "abc");
    EXPECT_STREQ(resto, " def");
    resto = Split_String("   ", buf);
    EXPECT_STREQ(buf, "");
    const std::string largo(100, '7');
    resto = Split_String(largo.c_str(), buf);
    EXPECT_EQ(std::strlen(buf), 78u);
    EXPECT_EQ(std::strlen(resto), 22u);

    EXPECT_EQ(Es_Numero("0"), 1);
    EXPECT_EQ(Es_Numero(std::string(79, '9').c_str()), 1);
    EXPECT_EQ(Es_Numero(std::string(80, '9').c_str()), 0);
    EXPECT_EQ(Es_Numero(""), 0);
    EXPECT_EQ(Es_Numero("-1"), 0);
    EXPECT_EQ(Es_Numero("+1"), 0);
    EXPECT_EQ(Es_Numero("12a"), 0);
}
