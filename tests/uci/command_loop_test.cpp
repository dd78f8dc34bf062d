// The command loop as the interface sees it: transcripts of the real engine.
#include <gtest/gtest.h>

#include "uci/transcript.h"

namespace {

const char RESPUESTA_UCI[] =
    "id name Vantor 0.5 x86\n"
    "id author Dromek, Spain.\n"
    "option name Hash type spin default 128 min 1 max 1024\n"
    "option name OwnBook type check default false\n"
    "option name OwnBookLimit type spin default 8 min 2 max 10\n"
    "option name ShowPv type combo default Middle var None var Middle var Full\n"
    "option name GaviotaTbUse type check default false\n"
    "option name GaviotaTbPath type string default empty\n"
    "option name GaviotaTbCache type spin default 32 min 8 max 1024\n"
    "option name GaviotaTbCompression type spin default 4 min 0 max 9\n"
    "uciok\n";

TEST(BucleComandos, UciRespondeOnceLineasExactas) {
    Transcripcion t = EjecutarMotor("uci\nquit\n");
    EXPECT_FALSE(t.agotado);
    EXPECT_EQ(t.salida, RESPUESTA_UCI);
    EXPECT_EQ(Lineas(t.salida).size(), 11u);
    EXPECT_EQ(t.estado, 0);
}

TEST(BucleComandos, IsReadySoloImprimeReadyok) {
    Transcripcion t = EjecutarMotor("isready\nisready\nquit\n");
    EXPECT_EQ(t.salida, "readyok\nreadyok\n");
    EXPECT_EQ(t.estado, 0);
}

TEST(BucleComandos, LineasVaciasMayusculasYStopSueltoNoHacenNada) {
    Transcripcion t = EjecutarMotor("\n      \nUCI\nstop\nponderhit\ndebug on\nucinewgam\n"
                                    "isready\nquit\n");
    EXPECT_EQ(t.salida, "readyok\n");
    EXPECT_EQ(t.estado, 0);
}

TEST(BucleComandos, SoloElEspacioSeparaPalabras) {
    // Leading and trailing spaces are fine; a tab belongs to the word.
    Transcripcion t = EjecutarMotor("   uci   \nuci\tx\nisready\tnow\nquit\n");
    EXPECT_EQ(t.salida, RESPUESTA_UCI);
}

TEST(BucleComandos, PalabraLargaSeCortaYNoCoincide) {
    // "isready" followed by 193 more letters: cut to 78 characters, still no match.
    std::string larga = "isready" + std::string(193, 'x');
    Transcripcion t = EjecutarMotor(larga + "\n" + std::string(200, 'u') + "\nquit\n");
    EXPECT_EQ(t.salida, "");
    EXPECT_EQ(t.estado, 0);
}

TEST(BucleComandos, RetornoDeCarroAntesDelSaltoSeIgnora) {
    Transcripcion t = EjecutarMotor("isready\r\nquit\r\n");
    EXPECT_EQ(t.salida, "readyok\n");
    EXPECT_EQ(t.estado, 0);
}

TEST(BucleComandos, FinDeEntradaSinQuitTerminaConEstadoCero) {
    Transcripcion t = EjecutarMotor("isready");  // not even a final newline
    EXPECT_FALSE(t.agotado);
    EXPECT_EQ(t.salida, "readyok\n");
    EXPECT_EQ(t.estado, 0);

    Transcripcion vacia = EjecutarMotor("");
    EXPECT_EQ(vacia.salida, "");
    EXPECT_EQ(vacia.estado, 0);
}

TEST(BucleComandos, QuitTerminaAntesDeLasLineasSiguientes) {
    Transcripcion t = EjecutarMotor("quit\nisready\n");
    EXPECT_EQ(t.salida, "");
    EXPECT_EQ(t.estado, 0);
}

TEST(BucleComandos, LineaMuyLargaSeLeeEnTrozos) {
    // 70000 spaces before "isready": the first 65535 characters are one read, the rest
    // (spaces, then the word) the next one.
    Transcripcion t = EjecutarMotor(std::string(70000, ' ') + "isready\nquit\n");
    EXPECT_EQ(t.salida, "readyok\n");
}

TEST(BucleComandos, IsReadyReconstruyeLaTablaConElNuevoTamano) {
    // Hash takes effect at the next isready and is reported by "uci".
    Transcripcion t = EjecutarMotor("setoption name Hash value 0\nisready\nuci\nquit\n");
    std::vector<std::string> l = Lineas(t.salida);
    ASSERT_GE(l.size(), 3u);
    EXPECT_EQ(l[0], "readyok");
    EXPECT_EQ(l[3], "option name Hash type spin default 1 min 1 max 1024");
}

TEST(BucleComandos, PosicionConPrimeraJugadaDesconocidaTermina) {
    // Six diagnostic lines, then the program ends with status 0; later lines are not read.
    Transcripcion t = EjecutarMotor("position startpos moves e2e5\nisready\n");
    EXPECT_EQ(t.salida,
              "info string Movimiento ilegal: e2e5\n"
              "info string Enroque Blancas: 3\n"
              "info string Enroque Negras: 3\n"
              "info string Ficha al Paso: 0\n"
              "info string Posici\xF3n Rey Blanco: 60\n"
              "info string Posici\xF3n Rey Negro: 4\n");
    EXPECT_EQ(t.estado, 0);
}

}  // namespace
