// "go" parsing through the real engine: bad arguments, silent cases, no-move answers.
#include <gtest/gtest.h>

#include "uci/transcript.h"

namespace {

TEST(ComandoGo, UnSoloRelojNoBuscaNiImprime) {
    Transcripcion t = EjecutarMotor("go wtime 60000\ngo btime 60000 binc 100\nisready\nquit\n");
    EXPECT_EQ(t.salida, "readyok\n");
    EXPECT_EQ(t.estado, 0);
}

TEST(ComandoGo, ArgumentosMalFormadosSeIgnoranSinRomperNada) {
    Transcripcion t = EjecutarMotor(
        "go wtime\n"
        "go wtime -5 btime -5\n"
        "go wtime +5 btime 5\n"
        "go movetime abc\n"
        "go movetime 1e3\n"
        "go depth\n"
        "go depth -3\n"
        "go depth 0\n"
        "go depth x movestogo\n"
        "go movestogo 40\n"
        "go ponder nodes 1000 mate 3 searchmoves e2e4 d2d4\n"
        "go " + std::string(300, 'x') + "\n"
        "isready\nquit\n");
    EXPECT_FALSE(t.agotado);
    EXPECT_EQ(t.salida, "readyok\n");
    EXPECT_EQ(t.estado, 0);
}

TEST(ComandoGo, NumerosLargosSeLeenCortadosASetentaYOchoCifras) {
    // Words keep 78 characters, so 80 nines are a (saturated, then -1) number: both
    // clocks are "set", the budget is the 500 ms of a short clock, and a search runs.
    std::string ochenta(80, '9');
    Transcripcion t = EjecutarMotor("go wtime " + ochenta + " btime " + ochenta + "\nquit\n");
    std::vector<std::string> l = Lineas(t.salida);
    ASSERT_FALSE(l.empty());
    EXPECT_EQ(l.back().rfind("bestmove ", 0), 0u) << t.salida;
    EXPECT_EQ(t.estado, 0);
}

TEST(ComandoGo, SinIteracionesContestaConLaJugadaNula) {
    // A depth limit of 1 runs no iteration; 79 nines saturate to -1 and 2^32 + 1 keeps
    // its low word 1: both end as a limit of 1.
    std::string setenta_y_nueve(79, '9');
    Transcripcion t = EjecutarMotor("go depth 1\ngo depth " + setenta_y_nueve +
                                    "\ngo depth 4294967297\nquit\n");
    EXPECT_EQ(t.salida, "bestmove 0000\nbestmove 0000\nbestmove 0000\n");
    EXPECT_EQ(t.estado, 0);
}

}  // namespace
