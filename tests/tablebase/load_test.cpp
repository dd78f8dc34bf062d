// Loading and unloading the tablebase library at "isready".
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "uci/transcript.h"

namespace {

const char CARGA[] =
    "setoption name GaviotaTbUse value true\n"
    "setoption name GaviotaTbPath value /usr/share/gaviotatb/gtb1\n"
    "setoption name GaviotaTbCompression value 1\n";
const std::string INFORME =
    "Initialized: Ok\n\nState cache: Ok\n\n3-pc TBs available\n3-pc TBs complete\n"
    "No 4-pc TBs available\nNo 5-pc TBs available\nreadyok\n";

// The load initialises the library twice and the library loses what the first one
// allocated: a leak inside it that the sanitizer build would report at exit.
class CargaTablas : public ::testing::Test {
protected:
    void SetUp() override {
        const char *v = getenv("LSAN_OPTIONS");
        previo = v != nullptr ? std::make_unique<std::string>(v) : nullptr;
        setenv("LSAN_OPTIONS", "detect_leaks=0", 1);
    }
    void TearDown() override {
        if (previo) setenv("LSAN_OPTIONS", previo->c_str(), 1);
        else unsetenv("LSAN_OPTIONS");
    }
    std::unique_ptr<std::string> previo;
};

TEST_F(CargaTablas, SeCargaUnaVezYSeDescargaEnSilencio) {
    // A second isready keeps the library; switching the option off unloads it without
    // output; switching it on again loads it anew.
    Transcripcion t = EjecutarMotor(std::string(CARGA) +
                                    "isready\nisready\n"
                                    "setoption name GaviotaTbUse value false\nisready\n"
                                    "setoption name GaviotaTbUse value true\nisready\nquit\n");
    // The library writes its own lines before each report.
    const std::string &s = t.salida;
    size_t primero = s.find(INFORME), ultimo = s.rfind(INFORME);
    ASSERT_NE(primero, std::string::npos) << s;
    EXPECT_EQ(s.compare(primero + INFORME.size(), 16, "readyok\nreadyok\n"), 0) << s;
    EXPECT_EQ(ultimo + INFORME.size(), s.size()) << "loaded again at the end";
    EXPECT_EQ(s.find("Initialized: ", primero + 1), ultimo) << "two loads in all";
    EXPECT_EQ(t.estado, 0);
}

TEST_F(CargaTablas, LaBusquedaConsultaLasTablasCargadas) {
    Transcripcion t = EjecutarMotor({{std::string(CARGA) +
                                      "isready\nposition fen 8/8/8/4k3/8/8/8/3QK3 w - - 0 1\n"
                                      "go depth 6\n"},
                                     {"quit\n", 0, "bestmove"}});
    size_t tb = t.salida.rfind(" tbhits ");
    unsigned aciertos = 0;
    ASSERT_NE(tb, std::string::npos) << t.salida;
    ASSERT_EQ(sscanf(t.salida.c_str() + tb, " tbhits %u", &aciertos), 1);
    EXPECT_GT(aciertos, 0u);
    EXPECT_NE(t.salida.find(" score mate ", tb), std::string::npos) << t.salida;
}

}  // namespace
