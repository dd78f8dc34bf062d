// Loading and unloading the tablebase library at "isready", and probing it in a search.
#include <gtest/gtest.h>

#include <cstdlib>

#include "uci/transcript.h"

namespace {

TEST(CargaTablas, SeCargaUnaVezSeDescargaEnSilencioYLaBusquedaLasConsulta) {
    // The load initialises the library twice and the library loses what the first one
    // allocated: a leak inside it that the sanitizer build would report at exit.
    const char *lsan = getenv("LSAN_OPTIONS");
    const std::string previo = lsan != nullptr ? lsan : "";
    setenv("LSAN_OPTIONS", "detect_leaks=0", 1);
    // A second isready keeps the library; switching the option off unloads it without
    // output; switching it on again loads it anew, and the search then finds its hits.
    const std::string uso = "setoption name GaviotaTbUse value ";
    const Transcripcion t = EjecutarMotor(
        {{uso + "true\nsetoption name GaviotaTbPath value /usr/share/gaviotatb/gtb1\n"
                "setoption name GaviotaTbCompression value 1\nisready\nisready\n" + uso +
          "false\nisready\n" + uso + "true\nisready\nposition fen 8/8/8/4k3/8/8/8/3QK3 w - - 0 1\n"
          "go depth 6\n"},
         {"quit\n", 0, "bestmove"}});
    lsan != nullptr ? setenv("LSAN_OPTIONS", previo.c_str(), 1) : unsetenv("LSAN_OPTIONS");
    // The library writes its own lines before each report.
    const std::string informe =
        "Initialized: Ok\n\nState cache: Ok\n\n3-pc TBs available\n3-pc TBs complete\n"
        "No 4-pc TBs available\nNo 5-pc TBs available\nreadyok\n";
    const std::string &s = t.salida;
    const size_t primero = s.find(informe), ultimo = s.rfind(informe);
    ASSERT_NE(primero, std::string::npos) << s;
    EXPECT_EQ(s.compare(primero + informe.size(), 16, "readyok\nreadyok\n"), 0) << s;
    EXPECT_EQ(s.find("Initialized: ", primero + 1), ultimo) << "two loads in all";
    EXPECT_EQ(s.find("info", primero), ultimo + informe.size()) << "loaded again before the search";
    const size_t tb = s.rfind(" tbhits ");
    ASSERT_NE(tb, std::string::npos) << s;
    EXPECT_GT(atoi(s.c_str() + tb + 8), 0);
    EXPECT_NE(s.find(" score mate ", tb), std::string::npos) << s;
    EXPECT_EQ(t.estado, 0);
}

}  // namespace
