// "position", "ucinewgame" and "go": the game state and limits they leave behind.
#include <gtest/gtest.h>

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

TEST_F(Posicion, JugadasGuardanUnaClaveCadaUnaHastaSeiscientasYFenIncorrectoEsElInicial) {
    EXPECT_EQ(Posicionar(" startpos moves e2e4 e7e5"), "");
    EXPECT_EQ(TableroGlobal.Num_Historial, 2);
    EXPECT_EQ(TableroGlobal.Historial_Claves[1], TableroGlobal.Clave);
    EXPECT_STREQ(LibroSql.Partida_Libro, "e2e4 e7e5");
    Posicionar("startpos moves " + DanzaDeCaballos(700));
    EXPECT_EQ(TipoJuego.Jugadas, 700);
    EXPECT_EQ(TableroGlobal.Num_Historial, 600);
    EXPECT_EQ(TableroGlobal.Tablero[62], CABALLO_B);
    EXPECT_EQ(TableroGlobal.Clave, CalcularClave());
    EXPECT_EQ(Posicionar("fen moves e2e4"), "info string Formato FEN incorrecto.\n");
    EXPECT_EQ(TipoJuego.Jugadas, 0);
    EXPECT_EQ(TableroGlobal.Tablero[52], PEON_B);
    EXPECT_EQ(Salir, 0);
}

TEST_F(Posicion, LibroSegunLargoDelTextoYNuncaTrasUnFen) {
    std::string dieciseis = DanzaDeCaballos(16);
    ASSERT_EQ(dieciseis.size(), 79u);
    const struct { std::string resto; int32_t usar, limite, fuera; } casos[] = {
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


constexpr int32_t VIEJO = -12345;  // a stale budget that must not leak through

TEST(Presupuesto, EjemplosDeLasReglasDeGo) {
    struct Caso {
        const char *nombre;
        int32_t jugadas;  // plies already played
        Parametros_Go p;
        int32_t profundidad, busca, limite, prof_final, por_tiempo, turno = 1;
    };
    const Caso casos[] = {
        {"60000/60000 at ply 0", 0, {60000, 60000, 0, 0, 0, 0}, 0, 1, 712, 32, 1},
        {"15000 after 20 plies", 20, {15000, 15000, 0, 0, 0, 0}, 0, 1, 1000, 32, 1},
        {"15000 inc 300, below 1000", 20, {15000, 15000, 300, 0, 0, 0}, 0, 1, 300, 32, 1},
        {"19999 with 10 plies left", 120, {19999, 5, 0, 0, 0, 0}, 0, 1, 2000, 32, 1},
        {"10000 with 10 plies left", 120, {10000, 1, 7, 0, 0, 0}, 0, 1, 1257, 32, 1},
        {"5000 inc 100", 0, {5000, 5000, 100, 0, 0, 0}, 0, 1, 100, 32, 1},
        {"5000 without inc", 0, {5000, 5000, 0, 0, 0, 0}, 0, 1, 500, 32, 1},
        {"negative clock", 0, {-1, 5000, 0, 0, 0, 0}, 0, 1, 500, 32, 1},
        {"past 130 plies", 200, {60000, 60000, 0, 0, 0, 0}, 0, 1, 30250, 32, 1},
        {"movestogo 40 winc 1000", 0, {60000, 60000, 1000, 0, 40, 0}, 0, 1, 2100, 32, 1},
        {"movetime 1000", 0, {0, 0, 0, 0, 0, 1000}, 0, 1, 750, 32, 1},
        {"movetime 100", 0, {0, 0, 0, 0, 0, 100}, 0, 1, -150, 32, 1},
        {"clocks beat movetime", 0, {60000, 60000, 0, 0, 0, 1000}, 0, 1, 712, 32, 1},
        {"clocks beat depth 5", 0, {60000, 60000, 0, 0, 0, 0}, 5, 1, 712, 32, 1},
        {"depth alone", 0, {0, 0, 0, 0, 0, 0}, 5, 1, VIEJO, 5, 0},
        {"white clock only", 0, {60000, 0, 0, 0, 0, 0}, 0, 0, VIEJO, 0, 1},
        {"black clock only", 0, {0, 60000, 1000, 1000, 30, 0}, 0, 0, VIEJO, 0, 1},
        {"sums wrap in 32 bits", 0, {INT32_MAX, INT32_MAX, INT32_MAX, 0, 1, 0}, 0, 1,
         -858993461, 32, 1},
        {"huge negative movetime", 0, {0, 0, 0, 0, 0, INT32_MIN}, 0, 1, 2147483398, 32, 1},
        // Black to move reads btime and binc: 10000.5 + trunc(6.0).
        {"black to move", 0, {60000, 30000, 1000, 10, 3, 0}, 0, 1, 10006, 32, 1, 0},
    };
    for (const Caso &c : casos) {
        TipoJuego = Registro_Juego{};
        TipoJuego.Tiempo_Limite = VIEJO;
        TipoJuego.Por_Tiempo = 1;
        TipoJuego.Jugadas = c.jugadas;
        TipoJuego.Profundidad_Maxima = c.profundidad;
        TableroGlobal.Turno = c.turno;
        EXPECT_EQ(CalcularPresupuesto(&c.p), c.busca) << c.nombre;
        EXPECT_EQ(TipoJuego.Tiempo_Limite, c.limite) << c.nombre;
        EXPECT_EQ(TipoJuego.Profundidad_Maxima, c.prof_final) << c.nombre;
        EXPECT_EQ(TipoJuego.Por_Tiempo, c.por_tiempo) << c.nombre;
    }
    TableroGlobal.Turno = 1;
}

}  // namespace
