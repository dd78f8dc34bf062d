// "position" and "ucinewgame": the game state they leave behind.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>

#include "book/book.h"
#include "search/search.h"
#include "tablebase/tablebase.h"
#include "uci/uci.h"

namespace {

std::string Capturar(const std::function<void()> &f) {
    fflush(stdout);
    int guardado = dup(1);
    FILE *tmp = tmpfile();
    dup2(fileno(tmp), 1);
    f();
    fflush(stdout);
    dup2(guardado, 1);
    close(guardado);
    std::string texto;
    rewind(tmp);
    char buf[512];
    size_t n;
    while ((n = fread(buf, 1, sizeof(buf), tmp)) > 0) texto.append(buf, n);
    fclose(tmp);
    return texto;
}

// Knights out and back: a legal game of any length without captures.
std::string DanzaDeCaballos(int plies) {
    static const char *const CICLO[4] = {"g1f3", "g8f6", "f3g1", "f6g8"};
    std::string s;
    for (int i = 0; i < plies; i++) {
        if (i > 0) s += ' ';
        s += CICLO[i % 4];
    }
    return s;
}

class Posicion : public ::testing::Test {
protected:
    void SetUp() override {
        IniciarClaves(12345);
        Salir = 0;
        LibroSql.Usar_Libro = 0;
        LibroSql.Limite_Libro = 8;
        LibroSql.Partida_Libro[0] = '\0';
        UciNewGame();
    }
    void TearDown() override { Salir = 0; }
    // Runs a "position" command and returns what it printed.
    static std::string Posicionar(const std::string &resto) {
        return Capturar([&] { Position_Fen_Startpos(resto.c_str()); });
    }
};

TEST_F(Posicion, StartposSinJugadasDejaElLibroComoEstaba) {
    strcpy(LibroSql.Partida_Libro, "d2d4");
    LibroSql.Fuera_De_Libro = 1;
    EXPECT_EQ(Posicionar(" startpos"), "");
    EXPECT_EQ(LibroSql.Fuera_De_Libro, 0);
    EXPECT_STREQ(LibroSql.Partida_Libro, "d2d4");
    EXPECT_EQ(TipoJuego.Jugadas, 0);
    EXPECT_EQ(TableroGlobal.Num_Historial, 0);
    EXPECT_EQ(TableroGlobal.Clave, CalcularClave());
    EXPECT_EQ(TableroGlobal.Tablero[60], REY_B);

    // "moves" with nothing after it: still no move, the game text untouched.
    EXPECT_EQ(Posicionar(" startpos moves"), "");
    EXPECT_EQ(TipoJuego.Jugadas, 0);
    EXPECT_STREQ(LibroSql.Partida_Libro, "d2d4");
}

TEST_F(Posicion, JugadasSeAplicanYGuardanUnaClaveCadaUna) {
    LibroSql.Usar_Libro = 1;
    EXPECT_EQ(Posicionar(" startpos moves e2e4 e7e5"), "");
    EXPECT_EQ(TipoJuego.Jugadas, 2);
    EXPECT_EQ(TableroGlobal.Num_Historial, 2);
    EXPECT_EQ(TableroGlobal.Historial_Claves[1], TableroGlobal.Clave);
    EXPECT_EQ(TableroGlobal.Clave, CalcularClave());
    EXPECT_STREQ(LibroSql.Partida_Libro, "e2e4 e7e5");
    EXPECT_EQ(LibroSql.Fuera_De_Libro, 0);
    EXPECT_EQ(TableroGlobal.Tablero[36], PEON_B);
    EXPECT_EQ(TableroGlobal.Tablero[28], PEON_N);
    EXPECT_EQ(TableroGlobal.Turno, 1);
    EXPECT_EQ(TableroGlobal.Indice_Deshacer, 1) << "reset before every game move";

    // Without OwnBook the same game is out of book and the text is not recorded.
    LibroSql.Usar_Libro = 0;
    LibroSql.Partida_Libro[0] = '\0';
    Posicionar("startpos moves e2e4 e7e5");
    EXPECT_EQ(LibroSql.Fuera_De_Libro, 1);
    EXPECT_STREQ(LibroSql.Partida_Libro, "");
}

TEST_F(Posicion, LimiteDelLibroCuentaCaracteresDelTexto) {
    LibroSql.Usar_Libro = 1;
    std::string dieciseis = DanzaDeCaballos(16);  // 79 characters
    ASSERT_EQ(dieciseis.size(), 79u);
    Posicionar("startpos moves " + dieciseis);
    EXPECT_EQ(LibroSql.Fuera_De_Libro, 0);
    EXPECT_EQ(std::string(LibroSql.Partida_Libro), dieciseis);

    // A trailing space makes 80: out of book, the moves still played.
    Posicionar("startpos moves " + dieciseis + " ");
    EXPECT_EQ(LibroSql.Fuera_De_Libro, 1);
    EXPECT_EQ(TipoJuego.Jugadas, 16);

    LibroSql.Limite_Libro = 2;
    Posicionar("startpos moves " + DanzaDeCaballos(4));  // 19 characters
    EXPECT_EQ(LibroSql.Fuera_De_Libro, 0);
    Posicionar("startpos moves " + DanzaDeCaballos(4) + " ");
    EXPECT_EQ(LibroSql.Fuera_De_Libro, 1);
}

TEST_F(Posicion, FenConJugadasNuncaUsaElLibro) {
    LibroSql.Usar_Libro = 1;
    EXPECT_EQ(Posicionar("fen 4k3/8/8/8/8/8/4P3/4K3 w - - 0 1 moves e2e4 e8d7"), "");
    EXPECT_EQ(LibroSql.Fuera_De_Libro, 1);
    EXPECT_EQ(TipoJuego.Jugadas, 2);
    EXPECT_EQ(TableroGlobal.Tablero[36], PEON_B);
    EXPECT_EQ(TableroGlobal.Rey_Negro, 11);
    EXPECT_EQ(TableroGlobal.Clave, CalcularClave());
}

TEST_F(Posicion, FenIncorrectoVuelveALaPosicionInicialSinJugadas) {
    std::string s = Posicionar("fen moves e2e4");
    EXPECT_EQ(s, "info string Formato FEN incorrecto.\n");
    EXPECT_EQ(TipoJuego.Jugadas, 0);
    EXPECT_EQ(TableroGlobal.Tablero[52], PEON_B);
    EXPECT_EQ(LibroSql.Fuera_De_Libro, 0);
    EXPECT_EQ(Salir, 0);
}

TEST_F(Posicion, CoronacionSoloConLetraMinuscula) {
    const std::string fen = "fen 7k/4P3/8/8/8/8/8/4K3 w - - 0 1 moves ";
    Posicionar(fen + "e7e8q");
    EXPECT_EQ(TableroGlobal.Tablero[4], DAMA_B);
    EXPECT_EQ(Salir, 0);
    Posicionar(fen + "e7e8n");
    EXPECT_EQ(TableroGlobal.Tablero[4], CABALLO_B);

    std::string s = Posicionar(fen + "e7e8Q");
    EXPECT_EQ(s.rfind("info string Movimiento ilegal: e7e8Q\n", 0), 0u) << s;
    EXPECT_EQ(Salir, 1);
    Salir = 0;
    s = Posicionar(fen + "e7e8");
    EXPECT_EQ(s.rfind("info string Movimiento ilegal: e7e8\n", 0), 0u) << s;
    EXPECT_EQ(Salir, 1);
}

TEST_F(Posicion, PrimeraJugadaDesconocidaDaSeisLineasYTermina) {
    std::string s = Posicionar("fen r3k2r/8/8/8/3pP3/8/8/R3K2R b Kq e3 0 1 moves a1a2");
    EXPECT_EQ(s,
              "info string Movimiento ilegal: a1a2\n"
              "info string Enroque Blancas: 1\n"
              "info string Enroque Negras: 2\n"
              "info string Ficha al Paso: 36\n"
              "info string Posici\xF3n Rey Blanco: 60\n"
              "info string Posici\xF3n Rey Negro: 4\n");
    EXPECT_EQ(Salir, 1);
    EXPECT_EQ(TipoJuego.Jugadas, 0);
}

TEST_F(Posicion, JugadaDesconocidaTrasUnaAplicadaSeSaltaEnSilencio) {
    EXPECT_EQ(Posicionar("startpos moves e2e4 e7e5 e2e4 g1f3"), "");
    EXPECT_EQ(Salir, 0);
    EXPECT_EQ(TipoJuego.Jugadas, 3);
    EXPECT_EQ(TableroGlobal.Tablero[45], CABALLO_B);
    EXPECT_EQ(TableroGlobal.Turno, 0);
}

TEST_F(Posicion, JugadaPseudoLegalQueDejaEnJaqueSeAcepta) {
    // The bishop on e2 is pinned by the rook on e8; the generator still offers e2d3.
    EXPECT_EQ(Posicionar("fen 4r2k/8/8/8/8/8/4B3/4K3 w - - 0 1 moves e2d3"), "");
    EXPECT_EQ(TipoJuego.Jugadas, 1);
    EXPECT_EQ(TableroGlobal.Tablero[43], ALFIL_B);
}

TEST_F(Posicion, DespuesDeSeiscientasClavesLasJugadasSiguenSinGuardarse) {
    Posicionar("startpos moves " + DanzaDeCaballos(700));
    EXPECT_EQ(TipoJuego.Jugadas, 700);
    EXPECT_EQ(TableroGlobal.Num_Historial, 600);
    EXPECT_EQ(TableroGlobal.Clave, CalcularClave());
    // 700 plies of the four-ply cycle: back at the start position.
    EXPECT_EQ(TableroGlobal.Tablero[62], CABALLO_B);
    EXPECT_EQ(TableroGlobal.Turno, 1);
}

TEST_F(Posicion, RelojDelFenDaElHistorialYSeVuelveACero) {
    Posicionar("fen 4k3/8/8/8/8/8/8/4K2R w K - 37 60");
    EXPECT_EQ(TableroGlobal.Regla_50, 37);
    EXPECT_EQ(TableroGlobal.Num_Historial, 37);
    Posicionar("startpos");
    EXPECT_EQ(TableroGlobal.Regla_50, 0);
    EXPECT_EQ(TableroGlobal.Num_Historial, 0);
}

TEST_F(Posicion, NuevaPartidaLimpiaBusquedaTablaYContadores) {
    CrearTransposicion(1);
    Posicionar("startpos moves e2e4");
    AlmacenarPosicion(5, 10, TT_EXACTO, 1);
    TT_Opciones.Edad = 50;
    TipoJuego.Detener = 1;
    TipoJuego.Tiempo_Limite = 99;
    TipoJuego.Infinito = 1;
    TipoJuego.Profundidad_Maxima = 3;
    TipoJuego.Nodos = 1000;
    tbprobe_Gaviota.Aciertos = 4;
    pv_line_fin[0] = 77;
    pv_line[3][2] = 77;
    LibroSql.Fuera_De_Libro = 1;

    UciNewGame();
    int32_t prof = 0, valor = 0;
    uint32_t jugada = 0;
    EXPECT_EQ(RecuperarPosicion(-100, 100, &prof, &valor, &jugada), 0);
    EXPECT_EQ(TT_Opciones.Edad, 1);
    EXPECT_EQ(TipoJuego.Detener, 0);
    EXPECT_EQ(TipoJuego.Tiempo_Limite, 0);
    EXPECT_EQ(TipoJuego.Infinito, 0);
    EXPECT_EQ(TipoJuego.Profundidad_Maxima, 32);
    EXPECT_EQ(TipoJuego.Nodos, 0u);
    EXPECT_EQ(tbprobe_Gaviota.Aciertos, 0u);
    EXPECT_EQ(pv_line_fin[0], 0u);
    EXPECT_EQ(pv_line[3][2], 0u);
    EXPECT_EQ(LibroSql.Fuera_De_Libro, 0);
    EXPECT_EQ(TableroGlobal.Tablero[52], PEON_B);
    EXPECT_EQ(TableroGlobal.Turno, 1);
    EXPECT_EQ(TableroGlobal.Historial_Claves[0], 0u);
    LiberarTransposicion();
}

TEST_F(Posicion, TextoDeJugadaConCoronacionDeCualquierColor) {
    char t[6];
    MovimientoCoordenadas(0, 63, NINGUNA, t);
    EXPECT_STREQ(t, "a8h1");
    MovimientoCoordenadas(12, 4, DAMA_B, t);
    EXPECT_STREQ(t, "e7e8q");
    MovimientoCoordenadas(51, 58, CABALLO_N, t);
    EXPECT_STREQ(t, "d2c1n");
    MovimientoCoordenadas(9, 1, TORRE_B, t);
    EXPECT_STREQ(t, "b7b8r");
    MovimientoCoordenadas(49, 56, ALFIL_N, t);
    EXPECT_STREQ(t, "b2a1b");
    // A king, an empty square or code 0 is no promotion.
    for (int32_t c : {0, REY_B, SIN_PIEZA, REY_N, 14}) {
        MovimientoCoordenadas(52, 36, c, t);
        EXPECT_STREQ(t, "e2e4") << c;
    }
}

}  // namespace
