// Searches through the real engine: reports by ShowPv, bestmove, stop, and dropped input.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "uci/transcript.h"

namespace {

struct Informe {
    int profundidad = 0, seldepth = 0;
    unsigned nodos = 0;
    std::string puntuacion, pv;  // "cp 37" or "mate 1"; the moves, space-terminated
};

// The "info depth" lines of an output, parsed.
std::vector<Informe> Informes(const std::string &salida) {
    std::vector<Informe> r;
    for (const std::string &l : Lineas(salida)) {
        if (l.rfind("info depth ", 0) != 0) continue;
        Informe i;
        unsigned tiempo, nps, tb;
        int hash, leidos = 0;
        if (sscanf(
                l.c_str(),
                "info depth %d seldepth %d time %u nodes %u nps %u tbhits %u hashfull %d score %n",
                &i.profundidad, &i.seldepth, &tiempo, &i.nodos, &nps, &tb, &hash, &leidos) != 7)
            continue;
        std::string resto = l.substr(static_cast<size_t>(leidos));
        size_t pv = resto.find(" pv ");
        i.puntuacion = resto.substr(0, pv);
        if (pv != std::string::npos) i.pv = resto.substr(pv + 4);
        r.push_back(i);
    }
    return r;
}

std::string UltimaLinea(const std::string &salida) {
    std::vector<std::string> l = Lineas(salida);
    return l.empty() ? std::string() : l.back();
}

// "bestmove" with the first two moves of a reported line.
std::string RespuestaDe(const std::string &pv) {
    size_t a = pv.find(' ');
    std::string primera = pv.substr(0, a);
    size_t b = pv.find(' ', a + 1);
    if (b == std::string::npos) return "bestmove " + primera;
    return "bestmove " + primera + " ponder " + pv.substr(a + 1, b - a - 1);
}

TEST(BusquedaUci, FullInformaCadaIteracionHastaUnaMenosQueElLimite) {
    Transcripcion t = EjecutarMotor({{"setoption name ShowPv value Full\nposition startpos\n"
                                      "go depth 5\n"},
                                     {"quit\n", 0, "bestmove"}});
    std::vector<Informe> inf = Informes(t.salida);
    ASSERT_EQ(inf.size(), 4u) << t.salida;
    for (int d = 0; d < 4; d++) {
        EXPECT_EQ(inf[d].profundidad, d + 1);
        EXPECT_GE(inf[d].seldepth, 1);
        EXPECT_EQ(inf[d].pv.back(), ' ') << "each move is followed by a space";
    }
    EXPECT_NE(t.salida.find("info currmove "), std::string::npos);
    EXPECT_EQ(UltimaLinea(t.salida), RespuestaDe(inf.back().pv));
    EXPECT_EQ(t.estado, 0);
}

TEST(BusquedaUci, MiddleSoloDesdeLaMitadYNoneSoloElInformeFinal) {
    Transcripcion t = EjecutarMotor("position startpos moves e2e4\ngo depth 5\n");
    std::vector<Informe> inf = Informes(t.salida);
    ASSERT_EQ(inf.size(), 2u) << t.salida;
    EXPECT_EQ(inf[0].profundidad, 3);
    EXPECT_EQ(inf[1].profundidad, 4);
    EXPECT_EQ(t.salida.find("currmove"), std::string::npos);

    // None: the one report forced at the end, with the depth the driver stopped at.
    Transcripcion n = EjecutarMotor(
        "setoption name ShowPv value None\n"
        "position startpos moves e2e4\ngo depth 5\n");
    std::vector<Informe> una = Informes(n.salida);
    ASSERT_EQ(una.size(), 1u) << n.salida;
    EXPECT_EQ(una[0].profundidad, 5);
    EXPECT_EQ(Lineas(n.salida).size(), 2u);
    EXPECT_EQ(UltimaLinea(n.salida), RespuestaDe(una[0].pv));
}

TEST(BusquedaUci, LaMismaBusquedaTrasUcinewgameCuentaLosMismosNodos) {
    const std::string busqueda =
        "ucinewgame\nposition fen r1bqkb1r/pppp1ppp/2n2n2/4p3/2B1P3/5N2/PPPP1PPP/RNBQK2R w KQkq - "
        "4 4\n"
        "go depth 6\n";
    // Each piece waits for the previous answer: input sent during a search is dropped.
    Transcripcion t =
        EjecutarMotor({{busqueda}, {busqueda, 0, "bestmove"}, {"quit\n", 0, "bestmove"}});
    std::vector<Informe> inf = Informes(t.salida);
    ASSERT_EQ(inf.size() % 2, 0u);
    ASSERT_GE(inf.size(), 2u);
    size_t mitad = inf.size() / 2;
    for (size_t i = 0; i < mitad; i++) {
        EXPECT_EQ(inf[i].profundidad, inf[mitad + i].profundidad);
        EXPECT_EQ(inf[i].nodos, inf[mitad + i].nodos) << "depth " << inf[i].profundidad;
        EXPECT_EQ(inf[i].pv, inf[mitad + i].pv);
        EXPECT_EQ(inf[i].puntuacion, inf[mitad + i].puntuacion);
    }
}

TEST(BusquedaUci, MateEnUnoSinPonderYSinJugadaLaJugadaNula) {
    Transcripcion t = EjecutarMotor("position fen 6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1\ngo depth 4\n");
    std::vector<Informe> inf = Informes(t.salida);
    ASSERT_FALSE(inf.empty()) << t.salida;
    EXPECT_EQ(inf.back().puntuacion, "mate 1");
    EXPECT_EQ(inf.back().pv, "a1a8 ");
    EXPECT_EQ(UltimaLinea(t.salida), "bestmove a1a8");

    // Mated, and stalemated: no move to give.
    t = EjecutarMotor(
        {{"position fen R5k1/5ppp/8/8/8/8/8/6K1 b - - 0 1\ngo depth 3\n"},
         {"position fen 7k/5Q2/6K1/8/8/8/8/8 b - - 0 1\ngo depth 3\n", 0, "bestmove"}});
    std::vector<std::string> l = Lineas(t.salida);
    ASSERT_GE(l.size(), 2u);
    EXPECT_EQ(l.back(), "bestmove 0000");
    EXPECT_EQ(std::count(l.begin(), l.end(), "bestmove 0000"), 2);
}

TEST(BusquedaUci, InfiniteInformaTodoYTerminaConStop) {
    // ShowPv None does not silence an infinite search.
    Transcripcion t = EjecutarMotor({{"setoption name ShowPv value None\nposition startpos\n"
                                      "go infinite\n",
                                      0},
                                     {"stop\n", 700},
                                     {"isready\n", 0, "bestmove"}});
    EXPECT_FALSE(t.agotado);
    std::vector<Informe> inf = Informes(t.salida);
    ASSERT_GE(inf.size(), 2u) << t.salida;
    for (size_t i = 0; i < inf.size(); i++) EXPECT_EQ(inf[i].profundidad, static_cast<int>(i) + 1);
    std::vector<std::string> l = Lineas(t.salida);
    ASSERT_GE(l.size(), 2u);
    EXPECT_EQ(l[l.size() - 2], RespuestaDe(inf.back().pv));
    EXPECT_EQ(l.back(), "readyok");
    EXPECT_EQ(t.estado, 0);
}

TEST(BusquedaUci, FinDeEntradaDuranteInfiniteTerminaLaBusqueda) {
    // With the input closed no "stop" can come: the search ends, answers, and the engine exits.
    Transcripcion t = EjecutarMotor("position startpos\ngo infinite\n", 20000);
    EXPECT_FALSE(t.agotado);
    std::vector<std::string> l = Lineas(t.salida);
    ASSERT_FALSE(l.empty());
    EXPECT_EQ(l.back().rfind("bestmove ", 0), 0u) << t.salida;
    EXPECT_EQ(t.estado, 0);
}

TEST(BusquedaUci, QuitDuranteLaBusquedaSePierde) {
    // The time check reads and drops "quit"; the engine answers and goes on reading.
    Transcripcion t = EjecutarMotor({{"position startpos\ngo movetime 1000\n", 0},
                                     {"quit\n", 200},
                                     {"isready\n", 0, "bestmove"}});
    EXPECT_FALSE(t.agotado);
    std::vector<std::string> l = Lineas(t.salida);
    ASSERT_GE(l.size(), 2u) << t.salida;
    EXPECT_EQ(l[l.size() - 2].rfind("bestmove ", 0), 0u);
    EXPECT_EQ(l.back(), "readyok");
    EXPECT_EQ(t.estado, 0);
}

TEST(BusquedaUci, MovetimeCortoBuscaAlMenosUnaIteracion) {
    // A budget of 100 - 250 ms is spent at once, but the first iteration always ends.
    Transcripcion t = EjecutarMotor(
        "setoption name ShowPv value Full\nposition startpos\n"
        "go movetime 100\n");
    std::vector<Informe> inf = Informes(t.salida);
    ASSERT_FALSE(inf.empty()) << t.salida;
    EXPECT_EQ(inf[0].profundidad, 1);
    EXPECT_EQ(UltimaLinea(t.salida), RespuestaDe(inf.back().pv));
}

}  // namespace
