// Searches through the real engine: reports by ShowPv, bestmove, stop, and dropped input.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "uci/transcript.h"

namespace {

struct Informe {
    int profundidad = 0;
    unsigned nodos = 0;
    std::string resto;  // score and pv
    std::string pv;     // the moves, space-terminated
};

// The "info depth" lines of an output, parsed.
std::vector<Informe> Informes(const std::string &salida) {
    std::vector<Informe> r;
    for (const std::string &l : Lineas(salida)) {
        Informe i;
        unsigned x;
        int leidos = 0;
        if (sscanf(l.c_str(), "info depth %d seldepth %u time %u nodes %u nps %u tbhits %u "
                   "hashfull %u %n", &i.profundidad, &x, &x, &i.nodos, &x, &x, &x, &leidos) != 7)
            continue;
        i.resto = l.substr(static_cast<size_t>(leidos));
        size_t pv = i.resto.find(" pv ");
        if (pv != std::string::npos) i.pv = i.resto.substr(pv + 4);
        r.push_back(i);
    }
    return r;
}

std::string UltimaLinea(const std::string &salida) {
    std::vector<std::string> l = Lineas(salida);
    return l.empty() ? std::string() : l.back();
}

// The last line must be "bestmove" with the first two moves of the last report.
void ComprobarRespuesta(const std::string &salida, const std::string &pv) {
    size_t a = pv.find(' '), b = pv.find(' ', a + 1);
    std::string esperada = "bestmove " + pv.substr(0, a);
    if (b != std::string::npos) esperada += " ponder " + pv.substr(a + 1, b - a - 1);
    EXPECT_EQ(UltimaLinea(salida), esperada) << salida;
}

TEST(BusquedaUci, ShowPvDecideQueIteracionesSeInforman) {
    const struct {
        const char *valor;
        std::vector<int> profundidades;
        bool currmove;
    } casos[] = {{"Full", {1, 2, 3, 4}, true}, {"Middle", {3, 4}, false}, {"None", {5}, false}};
    for (const auto &c : casos) {
        Transcripcion t = EjecutarMotor(std::string("setoption name ShowPv value ") + c.valor +
                                        "\nposition startpos moves e2e4\ngo depth 5\n");
        std::vector<Informe> inf = Informes(t.salida);
        std::vector<int> prof;
        for (const Informe &i : inf) prof.push_back(i.profundidad);
        EXPECT_EQ(prof, c.profundidades) << c.valor << "\n" << t.salida;
        EXPECT_EQ(t.salida.find("info currmove ") != std::string::npos, c.currmove) << c.valor;
        ASSERT_FALSE(inf.empty() || inf.back().pv.empty());
        EXPECT_EQ(inf.back().pv.back(), ' ') << "each move is followed by a space";
        ComprobarRespuesta(t.salida, inf.back().pv);
        EXPECT_EQ(t.estado, 0);
    }
}

TEST(BusquedaUci, LaMismaBusquedaTrasUcinewgameCuentaLosMismosNodos) {
    const std::string busqueda =
        "ucinewgame\nposition fen r1bqkb1r/pppp1ppp/2n2n2/4p3/2B1P3/5N2/PPPP1PPP/RNBQK2R w KQkq "
        "- 4 4\ngo depth 6\n";
    // Each piece waits for the previous answer: input sent during a search is dropped.
    Transcripcion t =
        EjecutarMotor({{busqueda}, {busqueda, 0, "bestmove"}, {"quit\n", 0, "bestmove"}});
    std::vector<Informe> inf = Informes(t.salida);
    size_t mitad = inf.size() / 2;
    ASSERT_TRUE(mitad > 0 && inf.size() == 2 * mitad) << t.salida;
    for (size_t i = 0; i < mitad; i++) {
        EXPECT_EQ(inf[i].nodos, inf[mitad + i].nodos) << "depth " << inf[i].profundidad;
        EXPECT_EQ(inf[i].resto, inf[mitad + i].resto);
    }
}

TEST(BusquedaUci, MateEnUnoSinPonderYSinJugadaLaJugadaNula) {
    Transcripcion t = EjecutarMotor("position fen 6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1\ngo depth 4\n");
    std::vector<Informe> inf = Informes(t.salida);
    ASSERT_FALSE(inf.empty()) << t.salida;
    EXPECT_EQ(inf.back().resto, "score mate 1 pv a1a8 ");
    EXPECT_EQ(UltimaLinea(t.salida), "bestmove a1a8");

    // Mated, and stalemated: no move to give.
    t = EjecutarMotor(
        {{"position fen R5k1/5ppp/8/8/8/8/8/6K1 b - - 0 1\ngo depth 3\n"},
         {"position fen 7k/5Q2/6K1/8/8/8/8/8 b - - 0 1\ngo depth 3\n", 0, "bestmove"}});
    std::vector<std::string> l = Lineas(t.salida);
    EXPECT_EQ(std::count(l.begin(), l.end(), "bestmove 0000"), 2) << t.salida;
}

TEST(BusquedaUci, InfiniteInformaTodoYTerminaProntoConStop) {
    // ShowPv None does not silence an infinite search.
    Transcripcion t = EjecutarMotor({{"setoption name ShowPv value None\nposition startpos\n"
                                      "go infinite\n"},
                                     {"stop\n", 700},
                                     {"isready\n", 0, "bestmove"}},
                                    8000);
    EXPECT_FALSE(t.agotado);
    std::vector<Informe> inf = Informes(t.salida);
    ASSERT_GE(inf.size(), 2u) << t.salida;
    for (size_t i = 0; i < inf.size(); i++) EXPECT_EQ(inf[i].profundidad, static_cast<int>(i) + 1);
    EXPECT_EQ(UltimaLinea(t.salida), "readyok");
    EXPECT_EQ(t.estado, 0);

    // With the input closed no "stop" can come: the search ends, answers, and the engine exits.
    t = EjecutarMotor("position startpos\ngo infinite\n");
    EXPECT_FALSE(t.agotado);
    EXPECT_EQ(UltimaLinea(t.salida).rfind("bestmove ", 0), 0u) << t.salida;
    EXPECT_EQ(t.estado, 0);
}

TEST(BusquedaUci, MovetimeRespetaSuPresupuestoYQuitDuranteLaBusquedaSePierde) {
    // The time check reads and drops "quit"; the engine answers and goes on reading.
    // The limit is a generous bound on the 1000 ms budget.
    Transcripcion t = EjecutarMotor({{"position startpos\ngo movetime 1000\n"},
                                     {"quit\n", 200},
                                     {"isready\n", 0, "bestmove"}},
                                    8000);
    EXPECT_FALSE(t.agotado);
    std::vector<std::string> l = Lineas(t.salida);
    ASSERT_GE(l.size(), 2u) << t.salida;
    EXPECT_EQ(l[l.size() - 2].rfind("bestmove ", 0), 0u);
    EXPECT_EQ(l.back(), "readyok");
    EXPECT_EQ(t.estado, 0);
}

}  // namespace
