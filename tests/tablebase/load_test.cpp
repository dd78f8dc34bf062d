// Loading and unloading the tablebase library at "isready".
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "uci/transcript.h"

namespace {

const char INFORME_TRES_PIEZAS[] =
    "Initialized: Ok\n\n"
    "State cache: Ok\n\n"
    "3-pc TBs available\n"
    "3-pc TBs complete\n"
    "No 4-pc TBs available\n"
    "No 5-pc TBs available\n"
    "readyok\n";

// The load initialises the library twice (restart, then init), and the library keeps
// no pointer to what the first initialisation allocated: a leak inside it that the
// sanitizer build would report at exit. Leak detection is off for these runs only.
class CargaTablas : public ::testing::Test {
protected:
    void SetUp() override {
        const char *v = getenv("LSAN_OPTIONS");
        tenia = v != nullptr;
        if (tenia) previo = v;
        setenv("LSAN_OPTIONS", "detect_leaks=0", 1);
    }
    void TearDown() override {
        if (tenia)
            setenv("LSAN_OPTIONS", previo.c_str(), 1);
        else
            unsetenv("LSAN_OPTIONS");
    }
    bool tenia = false;
    std::string previo;
};

bool TerminaCon(const std::string &s, const std::string &fin) {
    return s.size() >= fin.size() && s.compare(s.size() - fin.size(), fin.size(), fin) == 0;
}

TEST_F(CargaTablas, TresPiezasDisponiblesYCompletas) {
    Transcripcion t = EjecutarMotor(
        "setoption name GaviotaTbUse value true\n"
        "setoption name GaviotaTbPath value /usr/share/gaviotatb/gtb1\n"
        "setoption name GaviotaTbCompression value 1\n"
        "isready\nquit\n");
    EXPECT_TRUE(TerminaCon(t.salida, INFORME_TRES_PIEZAS)) << t.salida;
    EXPECT_EQ(t.estado, 0);
}

TEST_F(CargaTablas, SinArchivosLasTablasNoEstanDisponibles) {
    std::string dir = CrearDirectorioTemporal();
    Transcripcion t = EjecutarMotor({{"setoption name GaviotaTbUse value true\n"
                                      "setoption name GaviotaTbPath value " +
                                          dir +
                                          "\n"
                                          "isready\nquit\n",
                                      0}},
                                    20000, dir);
    EXPECT_TRUE(TerminaCon(t.salida,
                           "No 3-pc TBs available\nNo 4-pc TBs available\n"
                           "No 5-pc TBs available\nreadyok\n"))
        << t.salida;
    BorrarDirectorio(dir);
}

TEST_F(CargaTablas, SoloSeCargaUnaVezYSeDescargaEnSilencio) {
    // A second isready keeps the loaded library; switching the option off unloads it
    // without output; switching it on again loads it anew.
    std::string carga =
        "setoption name GaviotaTbUse value true\n"
        "setoption name GaviotaTbPath value /usr/share/gaviotatb/gtb1\n"
        "setoption name GaviotaTbCompression value 1\n";
    Transcripcion t = EjecutarMotor(carga +
                                    "isready\nisready\n"
                                    "setoption name GaviotaTbUse value false\nisready\n"
                                    "setoption name GaviotaTbUse value true\nisready\nquit\n");
    std::string s = t.salida;
    size_t primero = s.find(INFORME_TRES_PIEZAS);
    ASSERT_NE(primero, std::string::npos) << s;
    std::string resto = s.substr(primero + strlen(INFORME_TRES_PIEZAS));
    EXPECT_EQ(resto.rfind("readyok\nreadyok\n", 0), 0u) << "loaded once, unloaded silently";
    EXPECT_EQ(resto.find("Initialized: "), resto.rfind("Initialized: ")) << "two loads in all";
    EXPECT_TRUE(TerminaCon(resto, INFORME_TRES_PIEZAS)) << "loaded again at the end";
    EXPECT_EQ(t.estado, 0);
}

TEST_F(CargaTablas, LaBusquedaConsultaLasTablasCargadas) {
    // King and queen against king: the loaded library answers the probes of the search.
    Transcripcion t =
        EjecutarMotor({{"setoption name GaviotaTbUse value true\n"
                        "setoption name GaviotaTbPath value /usr/share/gaviotatb/gtb1\n"
                        "setoption name GaviotaTbCompression value 1\n"
                        "isready\nposition fen 8/8/8/4k3/8/8/8/3QK3 w - - 0 1\n"
                        "go depth 6\n"},
                       {"quit\n", 0, "bestmove"}});
    size_t info = t.salida.rfind("info depth ");
    ASSERT_NE(info, std::string::npos) << t.salida;
    unsigned aciertos = 0;
    size_t tb = t.salida.find(" tbhits ", info);
    ASSERT_NE(tb, std::string::npos);
    ASSERT_EQ(sscanf(t.salida.c_str() + tb, " tbhits %u", &aciertos), 1);
    EXPECT_GT(aciertos, 0u);
    EXPECT_NE(t.salida.find(" score mate ", info), std::string::npos) << t.salida;
}

}  // namespace
