// Drawn material searched through the real engine: every line scores a draw.
#include <gtest/gtest.h>

#include "uci/transcript.h"

namespace {

TEST(FinalesEnBusqueda, DrawnMaterialScoresZeroAtDepthTen) {
    // Two knights against a bare king; the rook pawn with the defending king in its corner.
    for (const char *fen : {"8/8/4k3/8/8/2NNK3/8/8 w - - 0 1", "1k6/8/8/8/P7/8/8/1K6 w - - 0 1"}) {
        Transcripcion t = EjecutarMotor(
            {{std::string("position fen ") + fen + "\ngo depth 10\n"}, {"quit\n", 0, "bestmove"}});
        std::string ultimo;
        for (const std::string &l : Lineas(t.salida))
            if (l.rfind("info depth ", 0) == 0) ultimo = l;
        EXPECT_NE(ultimo.find(" score cp 0 pv "), std::string::npos) << fen << "\n" << t.salida;
    }
}

}  // namespace
