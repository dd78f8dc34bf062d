// The command loop, "setoption", "position" and "go": transcripts and the state left behind.
#include <gtest/gtest.h>

#include <filesystem>

#include "book/book.h"
#include "search/search.h"
#include "support/transcript.h"
#include "uci/uci.h"

namespace {

const std::string RUTA = "setoption name GaviotaTbPath value ";

std::string Error(const std::string &opcion, const std::string &resto = "") {
    return "info string Valor incorrecto para " + opcion + "." + resto;
}

TEST(BucleComandos, RespuestasExactasYLineasQueNoCoincidenCallan) {
    const struct { std::string entrada, salida; } casos[] = {
        {"uci\nquit\n", RESPUESTA_UCI},
        {"isready\nisready\nquit\n", "readyok\nreadyok\n"},
        {"\n      \nUCI\nstop\nponderhit\nucinewgam\nisready\nquit\n", "readyok\n"},
        {"   uci   \nuci\tx\nisready\tnow\nquit\n", RESPUESTA_UCI},  // a tab is part of a word
        {"isready" + std::string(193, 'x') + "\n" + std::string(200, 'u') + "\nquit\n", ""},
        // End of input without quit, not even a newline, and nothing read after quit.
        {"isready\r\nquit\r\n", "readyok\n"}, {"isready", "readyok\n"}, {"quit\nisready\n", ""},
        {std::string(70000, ' ') + "isready\nquit\n", "readyok\n"},
        // Malformed "go" arguments: nothing searched, nothing printed.
        {"go wtime\ngo wtime -5 btime -5\ngo wtime +5 btime 5\ngo movetime abc\n"
         "go movetime 1e3\ngo depth\ngo depth -3\ngo depth 0\ngo depth x movestogo\n"
         "go movestogo 40\ngo wtime 60000\ngo btime 60000 binc 100\n"
         "go ponder nodes 1000 mate 3 searchmoves e2e4 d2d4\ngo " + std::string(300, 'x') +
             "\nisready\nquit\n",
         "readyok\n"},
        // An unknown first move ends the program after six diagnostic lines; an unknown move
        // after one that was played is skipped without a word.
        {"position fen r3k2r/8/8/8/3pP3/8/8/R3K2R b Kq e3 0 1 moves a1a2\nisready\n",
         "info string Movimiento ilegal: a1a2\ninfo string Enroque Blancas: 1\n"
         "info string Enroque Negras: 2\ninfo string Ficha al Paso: 36\n"
         "info string Posici\xF3n Rey Blanco: 60\ninfo string Posici\xF3n Rey Negro: 4\n"},
        {"position startpos moves e2e4 e7e5 e2e4 g1f3\nisready\nquit\n", "readyok\n"},
        // A value of 252 characters or more ends the program without a word.
        {RUTA + std::string(251, 'x') + "\nisready\nquit\n",
         Error("GaviotaTbPath", std::string(" ").append(251, 'x') + " \nreadyok\n")},
        {RUTA + std::string(252, 'x') + "\nisready\nquit\n", ""},
    };
    for (const auto &c : casos) {
        Transcripcion t = EjecutarMotor(c.entrada);
        std::string nombre = c.entrada.substr(0, 40);
        EXPECT_FALSE(t.agotado) << nombre;
        EXPECT_EQ(t.salida, c.salida) << nombre;
        EXPECT_EQ(t.estado, 0) << nombre;
    }
}

TEST(SetOption, MensajesYValoresDeRepuesto) {
    // The messages, then the lines of the later "uci" reply that differ from the default one.
    const std::string o = "option name ", e = Error("Hash");
    const struct { std::string comandos; std::vector<std::string> salida; } casos[] = {
        // Values in range, or above Hash's maximum, and a GaviotaTbCache below its minimum.
        {"Hash value 2048\nOwnBookLimit value 10\nGaviotaTbCache value 4\n"
         "GaviotaTbCompression value 9\nShowPv value Full\nGaviotaTbUse value true",
         {o + "Hash type spin default 1024 min 1 max 1024",
          o + "OwnBookLimit type spin default 10 min 2 max 10",
          o + "ShowPv type combo default Full var None var Middle var Full",
          o + "GaviotaTbUse type check default true",
          o + "GaviotaTbCache type spin default 4 min 8 max 1024",
          o + "GaviotaTbCompression type spin default 9 min 0 max 9"}},
        // Out of range: back to the default without a word (an empty path reads "empty");
        // unreadable: a message as well.
        {"OwnBookLimit value 5\nOwnBookLimit value 11\nGaviotaTbCache value 1015\n"
         "GaviotaTbCompression value 10\nGaviotaTbPath value", {}},
        {"Hash value 0\nOwnBookLimit value 5\nOwnBookLimit value 1",
         {o + "Hash type spin default 0 min 1 max 1024"}},
        {"Hash value -1\nHash value 64MB\nHash value\nOwnBookLimit value diez\n"
         "GaviotaTbCache value x\nGaviotaTbCompression value -1\nShowPv value none\n"
         "OwnBook value True\nGaviotaTbUse value yes",
         {e, e, e, Error("OwnBookLimit"), Error("GaviotaTbCache"), Error("GaviotaTbCompression"),
          Error("ShowPv"), Error("OwnBook"), Error("GaviotaTbUse")}},
        // Two-word and unknown names do nothing; "name Hash" alone reads the value "empty".
        {"Clear Hash\nhash value 1\nHash", {e}},
    };
    for (const auto &c : casos) {
        std::string comandos;
        for (const std::string &l : Lineas(c.comandos)) comandos += "setoption name " + l + "\n";
        EXPECT_EQ(Dialogo(comandos + "setoption\nuci\nquit\n"), c.salida) << c.comandos;
    }
    // One directory missing, one writable: one error line, the whole list kept, the test file
    // removed. No writable directory: the path is left empty.
    const std::string dir = CrearDirectorioTemporal(), malo = dir + "/no", bueno = dir + "/tb/";
    std::filesystem::create_directory(bueno);
    EXPECT_EQ(Dialogo(RUTA + malo + ";" + bueno + "\nuci\n" + RUTA + malo + "\nuci\n", dir),
              (std::vector<std::string>{Error("GaviotaTbPath", " " + malo + " "),
                                        o + "GaviotaTbPath type string default " + malo + ";" +
                                            bueno,
                                        Error("GaviotaTbPath", " " + malo + " "),
                                        o + "GaviotaTbPath type string default "}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(bueno), {}), 0);
    BorrarDirectorio(dir);
}

class Posicion : public ::testing::Test {
protected:
    void SetUp() override {
        IniciarMotor(12345, 1);
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

// Out of book at 80 characters (a trailing space counts), at 20 with limit 2, and without
// OwnBook; the book transcripts decide the texts of 19, 24, 79 and 84 characters and a FEN.
TEST_F(Posicion, LibroSoloConTextoMasCortoQueElLimiteYConOwnBook) {
    const struct { std::string jugadas; int32_t usar, limite; } casos[] = {
        {DanzaDeCaballos(16) + " ", 1, 8}, {DanzaDeCaballos(4) + " ", 1, 2}, {"e2e4", 0, 8}};
    for (const auto &c : casos) {
        LibroSql.Usar_Libro = c.usar, LibroSql.Limite_Libro = c.limite;
        EXPECT_EQ(Posicionar("startpos moves " + c.jugadas), "") << c.jugadas;
        EXPECT_EQ(LibroSql.Fuera_De_Libro, 1) << c.jugadas;
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
