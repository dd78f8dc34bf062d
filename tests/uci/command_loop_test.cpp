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

TEST(BucleComandos, RespuestasExactasYLineasQueNoCoincidenCallan) {
    const struct {
        std::string entrada, salida;
    } casos[] = {
        {"uci\nquit\n", RESPUESTA_UCI},
        {"isready\nisready\nquit\n", "readyok\nreadyok\n"},
        {"\n      \nUCI\nstop\nponderhit\nucinewgam\nisready\nquit\n", "readyok\n"},
        {"   uci   \nuci\tx\nisready\tnow\nquit\n", RESPUESTA_UCI},  // a tab is part of a word
        {"isready" + std::string(193, 'x') + "\n" + std::string(200, 'u') + "\nquit\n", ""},
        {"isready\r\nquit\r\n", "readyok\n"},
        {"isready", "readyok\n"},  // end of input without quit, not even a newline
        {"quit\nisready\n", ""},
        {std::string(70000, ' ') + "isready\nquit\n", "readyok\n"},
        // Malformed "go" arguments: nothing searched, nothing printed.
        {"go wtime\ngo wtime -5 btime -5\ngo wtime +5 btime 5\ngo movetime abc\n"
         "go movetime 1e3\ngo depth\ngo depth -3\ngo depth 0\ngo depth x movestogo\n"
         "go movestogo 40\ngo wtime 60000\ngo btime 60000 binc 100\n"
         "go ponder nodes 1000 mate 3 searchmoves e2e4 d2d4\ngo " + std::string(300, 'x') +
             "\nisready\nquit\n",
         "readyok\n"},
        // A depth limit of 1 runs no iteration; 79 and 80 nines (cut to 78) saturate to -1
        // and 2^32 + 1 keeps its low word 1.
        {"go depth 1\ngo depth " + std::string(79, '9') + "\ngo depth " + std::string(80, '9') +
             "\ngo depth 4294967297\nquit\n",
         "bestmove 0000\nbestmove 0000\nbestmove 0000\nbestmove 0000\n"},
    };
    for (const auto &c : casos) {
        Transcripcion t = EjecutarMotor(c.entrada);
        std::string nombre = c.entrada.substr(0, 40);
        EXPECT_FALSE(t.agotado) << nombre;
        EXPECT_EQ(t.salida, c.salida) << nombre;
        EXPECT_EQ(t.estado, 0) << nombre;
    }
}

TEST(BucleComandos, PosicionConPrimeraJugadaDesconocidaTermina) {
    // Six diagnostic lines, then the program ends with status 0; later lines are not read.
    Transcripcion t = EjecutarMotor(
        "position fen r3k2r/8/8/8/3pP3/8/8/R3K2R b Kq e3 0 1 moves a1a2\nisready\n");
    EXPECT_EQ(t.salida,
              "info string Movimiento ilegal: a1a2\n"
              "info string Enroque Blancas: 1\n"
              "info string Enroque Negras: 2\n"
              "info string Ficha al Paso: 36\n"
              "info string Posici\xF3n Rey Blanco: 60\n"
              "info string Posici\xF3n Rey Negro: 4\n");
    EXPECT_EQ(t.estado, 0);

    // An unknown move after one that was played is skipped without a word.
    t = EjecutarMotor("position startpos moves e2e4 e7e5 e2e4 g1f3\nisready\nquit\n");
    EXPECT_EQ(t.salida, "readyok\n");
    EXPECT_EQ(t.estado, 0);
}

}  // namespace
