// Loading and unloading the tablebase library at "isready", and probing it in a search.
#include <gtest/gtest.h>

#include "uci/transcript.h"

TEST(CargaTablas, SeCargaUnaVezSeDescargaEnSilencioYLaBusquedaLasConsulta) {
    // The library loses what its first initialisation allocated: a leak a sanitizer would report.
    const char *lsan = getenv("LSAN_OPTIONS");
    const std::string previo = lsan != nullptr ? lsan : "";
    setenv("LSAN_OPTIONS", "detect_leaks=0", 1);
    // Loaded at the first isready, kept at the second, unloaded without a word, loaded anew.
    const std::string uso = "setoption name GaviotaTbUse value ", s = EjecutarMotor(
        {{uso + "true\nsetoption name GaviotaTbPath value /usr/share/gaviotatb/gtb1\n"
                "setoption name GaviotaTbCompression value 1\nisready\nisready\n" + uso +
          "false\nisready\n" + uso + "true\nisready\nposition fen 8/8/8/4k3/8/8/8/3QK3 w - - 0 1\n"
          "go depth 6\n"}, {"quit\n", 0, "bestmove"}}).salida;
    lsan != nullptr ? setenv("LSAN_OPTIONS", previo.c_str(), 1) : unsetenv("LSAN_OPTIONS");
    const std::string carga = s.substr(0, s.find("readyok\n") + 8), tablas =
        "Initialized: Ok\n\nState cache: Ok\n\n3-pc TBs available\n3-pc TBs complete\n"
        "No 4-pc TBs available\nNo 5-pc TBs available\nreadyok\n";  // the library's lines end so
    EXPECT_TRUE(carga.ends_with(tablas)) << s;
    EXPECT_TRUE(s.starts_with(carga + "readyok\nreadyok\n" + carga + "info depth ")) << s;
    const size_t tb = s.rfind(" tbhits ");
    ASSERT_NE(tb, std::string::npos) << s;
    EXPECT_GT(atoi(s.c_str() + tb + 8), 0);
    EXPECT_NE(s.find(" score mate ", tb), std::string::npos) << s;
}
