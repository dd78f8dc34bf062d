// "position" and "ucinewgame": the game state they leave behind.
#include <gtest/gtest.h>

#include <string>

#include "book/book.h"
#include "search/search.h"
#include "uci/transcript.h"
#include "uci/uci.h"

namespace {

class Posicion : public ::testing::Test {
protected:
    void SetUp() override {
        IniciarClaves(12345);
        Salir = 0;
        LibroSql.Usar_Libro = 1;
        LibroSql.Limite_Libro = 8;
        LibroSql.Partida_Libro[0] = '\0';
        UciNewGame();
    }
    void TearDown() override { Salir = 0; }
    static std::string Posicionar(const std::string &resto) {
        return CapturarSalida([&] { Position_Fen_Startpos(resto.c_str()); });
    }
};

TEST_F(Posicion, JugadasSeAplicanYGuardanUnaClaveCadaUnaHastaSeiscientas) {
    EXPECT_EQ(Posicionar(" startpos moves e2e4 e7e5"), "");
    EXPECT_EQ(TipoJuego.Jugadas, 2);
    EXPECT_EQ(TableroGlobal.Num_Historial, 2);
    EXPECT_EQ(TableroGlobal.Historial_Claves[1], TableroGlobal.Clave);
    EXPECT_EQ(TableroGlobal.Clave, CalcularClave());
    EXPECT_STREQ(LibroSql.Partida_Libro, "e2e4 e7e5");
    EXPECT_EQ(LibroSql.Fuera_De_Libro, 0);
    EXPECT_EQ(TableroGlobal.Tablero[28], PEON_N);
    EXPECT_EQ(TableroGlobal.Turno, 1);

    Posicionar("startpos moves " + DanzaDeCaballos(700));
    EXPECT_EQ(TipoJuego.Jugadas, 700);
    EXPECT_EQ(TableroGlobal.Num_Historial, 600);
    EXPECT_EQ(TableroGlobal.Tablero[62], CABALLO_B);
    EXPECT_EQ(TableroGlobal.Clave, CalcularClave());
}

TEST_F(Posicion, LibroSegunLargoDelTextoYNuncaTrasUnFen) {
    std::string dieciseis = DanzaDeCaballos(16);
    ASSERT_EQ(dieciseis.size(), 79u);
    const struct {
        std::string resto;
        int32_t usar, limite, fuera;
    } casos[] = {
        {"startpos moves " + dieciseis, 1, 8, 0},
        {"startpos moves " + dieciseis + " ", 1, 8, 1},  // 80 characters
        {"startpos moves " + DanzaDeCaballos(4), 1, 2, 0},
        {"startpos moves " + DanzaDeCaballos(4) + " ", 1, 2, 1},
        {"startpos moves e2e4", 0, 8, 1},  // without OwnBook
        {"fen 4k3/8/8/8/8/8/4P3/4K3 w - - 0 1 moves e2e4 e8d7", 1, 8, 1},
    };
    for (const auto &c : casos) {
        LibroSql.Usar_Libro = c.usar;
        LibroSql.Limite_Libro = c.limite;
        EXPECT_EQ(Posicionar(c.resto), "") << c.resto;
        EXPECT_EQ(LibroSql.Fuera_De_Libro, c.fuera) << c.resto;
        EXPECT_EQ(TableroGlobal.Clave, CalcularClave()) << c.resto;
    }
}

TEST_F(Posicion, CoronacionSoloConLetraMinuscula) {
    const std::string fen = "fen 7k/4P3/8/8/8/8/8/4K3 w - - 0 1 moves ";
    Posicionar(fen + "e7e8n");
    EXPECT_EQ(TableroGlobal.Tablero[4], CABALLO_B);
    EXPECT_EQ(Salir, 0);
    for (const char *mala : {"e7e8Q", "e7e8"}) {
        Salir = 0;
        std::string s = Posicionar(fen + mala);
        EXPECT_EQ(s.rfind("info string Movimiento ilegal: " + std::string(mala) + "\n", 0), 0u)
            << s;
        EXPECT_EQ(Salir, 1) << mala;
    }
}

TEST_F(Posicion, FenIncorrectoVuelveALaPosicionInicial) {
    EXPECT_EQ(Posicionar("fen moves e2e4"), "info string Formato FEN incorrecto.\n");
    EXPECT_EQ(TipoJuego.Jugadas, 0);
    EXPECT_EQ(TableroGlobal.Tablero[52], PEON_B);
    EXPECT_EQ(Salir, 0);
}

}  // namespace
