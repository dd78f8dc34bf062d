// The "info" report of an iteration, and searches through the real engine.
#include <gtest/gtest.h>

#include <cstring>
#include <regex>

#include "support/position.h"
#include "platform/platform.h"
#include "search/search.h"
#include "tablebase/tablebase.h"
#include "support/transcript.h"
#include "uci/uci.h"

namespace {

TEST(InformePv, LineaCompletaPuntuacionesYDecisionesDeShowPv) {
    const Registro_TT guardado = TT_Opciones;
    TipoJuego = Registro_Juego{};
    TipoJuego.Tiempo_Inicio = ObtenerTicks() - 2000;
    TipoJuego.Nodos = 100000;
    TipoJuego.Profundidad_Maxima = 5;
    TipoJuego.Mostrar_Pv = 2;
    TT_Opciones.Num_Grupos = 1000;
    TT_Opciones.Ocupadas = 1234;  // 1234 / 4000 -> 308
    tbprobe_Gaviota.Aciertos = 7;
    memset(pv_line_fin, 0, sizeof(pv_line_fin));
    pv_line_fin[0] = CrearJugada(52, 36, PEON_B, NINGUNA, NINGUNA, BIT_DOBLE_PASO);
    pv_line_fin[1] = CrearJugada(12, 4, PEON_B, NINGUNA, DAMA_B);  // e7e8q
    pv_line_fin[3] = pv_line_fin[0];  // beyond the terminator: never printed
    int32_t impreso = 0;
    const auto imprimir = [&](int32_t prof, int32_t valor, int32_t cota) {
        impreso = 0;
        return CapturarSalida([&] { ImprimirPv(prof, &impreso, valor, cota); });
    };
    const std::string s = imprimir(4, 37, 0);
    unsigned tiempo = 0, nps = 0;
    int leidos = 0;
    ASSERT_EQ(sscanf(s.c_str(), "info depth 4 seldepth 2 time %u nodes 100000 nps %u %n", &tiempo,
                     &nps, &leidos), 2) << s;
    EXPECT_EQ(s.substr(static_cast<size_t>(leidos)),
              "tbhits 7 hashfull 308 score cp 37 pv e2e4 e7e8q \n");
    EXPECT_EQ(nps, static_cast<unsigned>(100000 / (tiempo * 0.001)));
    const struct { int32_t valor, cota; const char *texto; } puntos[] = {
        {31995, 0, " score mate 3 pv "}, {-31996, 0, " score mate -2 pv "},
        {150, 1, " score cp 150 lowerbound pv "}, {20, -1, " score cp 20 upperbound pv "},
        {31936, 0, " score cp 31936 pv "},
    };
    for (const auto &c : puntos)
        EXPECT_NE(imprimir(3, c.valor, c.cota).find(c.texto), std::string::npos) << c.texto;
    // Mostrar_Pv, Infinito, Profundidad_Maxima, time used / budget (0: no clock),
    // depth reported, printed.
    const struct {
        int32_t mostrar, infinito, maxima, usado, limite, prof;
        bool imprime;
    } casos[] = {
        {2, 0, 5, 0, 0, 1, true},    {0, 0, 5, 0, 0, 4, false},   {0, 1, 32, 0, 0, 4, true},
        {1, 0, 5, 0, 0, 2, false},   {1, 0, 5, 0, 0, 3, true},    {1, 0, 4, 0, 0, 2, true},
        {1, 0, 32, 500, 3000, 20, false}, {1, 0, 32, 2000, 3000, 2, true},
        {1, 0, 32, 5, -150, 2, true},
    };
    for (const auto &c : casos) {
        TipoJuego.Mostrar_Pv = c.mostrar;
        TipoJuego.Infinito = c.infinito;
        TipoJuego.Profundidad_Maxima = c.maxima;
        TipoJuego.Por_Tiempo = c.limite != 0;
        TipoJuego.Tiempo_Limite = c.limite;
        TipoJuego.Tiempo_Inicio = ObtenerTicks() - c.usado;
        EXPECT_EQ(!imprimir(c.prof, 10, 0).empty(), c.imprime) << "row " << &c - casos;
        EXPECT_EQ(impreso, c.imprime ? 1 : 0);
    }
    TT_Opciones = guardado;
}

// The "info depth" lines without their time and speed, and their depths.
std::pair<std::vector<std::string>, std::vector<int>> Informes(const std::string &salida) {
    static const std::regex tiempo(" time \\d+( nodes \\d+) nps \\d+");
    std::pair<std::vector<std::string>, std::vector<int>> r;
    for (const std::string &l : Lineas(salida))
        if (l.starts_with("info depth ")) {
            r.first.push_back(std::regex_replace(l, tiempo, "$1"));
            r.second.push_back(std::stoi(l.substr(11)));
        }
    return r;
}

TEST(BusquedaUci, ShowPvDecideQueIteracionesSeInformanYBestmoveSigueLaPv) {
    const std::string mate = "fen 6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1";
    const struct {
        std::string posicion, opcion;
        std::vector<int> profundidades;
        bool currmove;
    } casos[] = {
        {"startpos moves e2e4", "Full", {1, 2, 3, 4}, true},
        {"startpos moves e2e4", "Middle", {3, 4}, false},
        {"startpos moves e2e4", "None", {5}, false},
        {mate, "Full", {1, 2}, true},  // a mate in one: no ponder move
        {"fen R5k1/5ppp/8/8/8/8/8/6K1 b - - 0 1", "Full", {1, 2}, false},  // mated, stalemated:
        {"fen 7k/5Q2/6K1/8/8/8/8/8 b - - 0 1", "Full", {1, 2, 3, 4}, false},  // no move to give
    };
    for (const auto &c : casos) {
        const Transcripcion t = EjecutarMotor("setoption name ShowPv value " + c.opcion +
                                              "\nposition " + c.posicion + "\ngo depth 5\n");
        const auto [inf, prof] = Informes(t.salida);
        EXPECT_EQ(prof, c.profundidades) << c.opcion << "\n" << t.salida;
        EXPECT_EQ(t.salida.find("info currmove ") != std::string::npos, c.currmove) << c.opcion;
        ASSERT_FALSE(prof.empty());
        // Each move followed by a space; "bestmove" with the first two moves of the last report.
        const std::string &ultimo = inf.back();
        ASSERT_EQ(ultimo.back(), ' ') << ultimo;
        std::smatch pv;
        ASSERT_TRUE(std::regex_search(ultimo, pv, std::regex(" pv (\\S*) ?(\\S*)")));
        EXPECT_EQ(Lineas(t.salida).back(), "bestmove " + (pv[1].length() ? pv[1].str() : "0000") +
                                             (pv[2].length() ? " ponder " + pv[2].str() : ""));
        EXPECT_EQ(t.estado, 0);
    }
}

TEST(BusquedaUci, SinIteracionAceptadaContestaUnaJugadaLegalYSoloEso) {
    // The expected move where one is plainly best: taking a hanging queen, a mate, a queen.
    const struct { std::string fen, go, jugada; } casos[] = {
        {FEN_INICIAL, "depth 1", ""},
        // 79 and 80 nines (cut to 78) saturate to -1; 2^32 + 1 keeps its low word 1.
        {FEN_INICIAL, "depth " + std::string(79, '9'), ""},
        {FEN_INICIAL, "depth " + std::string(80, '9'), ""},
        {FEN_INICIAL, "depth 4294967297", ""},
        {"4k3/8/8/8/8/8/3q4/4K3 w - - 0 1", "depth 1", "e1d2"},  // in check
        {"k7/8/8/8/8/8/6q1/7K w - - 0 1", "depth 1", "h1g2"},    // a single legal move
        {"6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1", "depth 1", "a1a8"},
        {"8/4P3/8/8/8/8/k7/7K w - - 0 1", "depth 1", "e7e8q"},
        {"R5k1/5ppp/8/8/8/8/8/6K1 b - - 0 1", "depth 1", "0000"},  // mated
        {"7k/5Q2/6K1/8/8/8/8/8 b - - 0 1", "depth 1", "0000"},     // stalemated
    };
    for (const auto &c : casos) {
        const Transcripcion t = EjecutarMotor("position fen " + c.fen + "\ngo " + c.go + "\n");
        ASSERT_TRUE(t.salida.starts_with("bestmove ") && t.salida.ends_with("\n")) << t.salida;
        const std::string jugada = t.salida.substr(9, t.salida.size() - 10);
        Position_Fen_Startpos(("fen " + c.fen).c_str());
        if (!c.jugada.empty()) {
            EXPECT_EQ(jugada, c.jugada) << c.fen;
        }
        EXPECT_TRUE(jugada == "0000" ? JugadasLegales().empty() : JugadaDeTexto(jugada) != 0)
            << c.fen << " " << jugada;
    }
    // The look leaves nothing behind: a depth 6 search reports the same after it.
    const std::string seis =
        "setoption name ShowPv value Full\nposition startpos moves e2e4 c7c5\ngo depth 6\n";
    const auto solo = Informes(EjecutarMotor(seis).salida).first;
    const auto tras = Informes(EjecutarMotor({{"position startpos moves e2e4 c7c5\ngo depth 1\n"},
                                              {seis, 0, "bestmove"}}).salida).first;
    EXPECT_EQ(solo.size(), 5u);
    EXPECT_EQ(solo, tras);
}

TEST(BusquedaUci, LaMismaBusquedaTrasUcinewgameCuentaLosMismosNodos) {
    const std::string busqueda =
        "ucinewgame\nposition fen r1bqkb1r/pppp1ppp/2n2n2/4p3/2B1P3/5N2/PPPP1PPP/RNBQK2R w KQkq "
        "- 4 4\ngo depth 6\n";
    const auto inf = Informes(
        EjecutarMotor({{busqueda}, {busqueda, 0, "bestmove"}, {"quit\n", 0, "bestmove"}}).salida)
                         .first;
    const size_t mitad = inf.size() / 2;
    ASSERT_TRUE(mitad > 0 && inf.size() == 2 * mitad);
    EXPECT_EQ(std::vector(inf.begin(), inf.begin() + mitad),
              std::vector(inf.begin() + mitad, inf.end()));
}

TEST(BusquedaUci, StopTerminaInfiniteYQuitDuranteMovetimeSePierde) {
    // ShowPv None silences all but the last report, but not an infinite search. Left without
    // input, that search goes on (the poll never waits for a line); "stop" ends it within
    // 50 ms. With the input closed no "stop" can come: the search ends, answers, and the engine
    // exits. The time check reads and drops "quit"; movetime and clocks are answered within a
    // generous bound on their budgets (750 and 500 ms), and the engine goes on reading.
    const std::string inicio = "setoption name ShowPv value None\nposition startpos\ngo ";
    const struct {
        std::vector<Tramo> tramos;
        size_t finales;  // the last lines: "bestmove", then "readyok" when there are two
        long long minimo_ms, maximo_ms;  // from the last piece before "bestmove" to it
    } casos[] = {
        {{{inicio + "infinite\n"}, {"stop\n", 0, "info depth 7 "}, {"isready\n", 0, "bestmove"}},
         2, 0, 50},
        {{{inicio + "infinite\n"}}, 1, 0, 8000},
        {{{inicio + "movetime 1000\n"}, {"quit\n", 200}, {"isready\n", 0, "bestmove"}}, 2,
         300, 1500},
        {{{inicio + "wtime 5000 btime 5000\n"}, {"isready\n", 0, "bestmove"}}, 2, 450, 1500},
    };
    for (const auto &c : casos) {
        const Transcripcion t = EjecutarMotor(c.tramos, 8000);
        const std::vector<std::string> l = Lineas(t.salida);
        const std::vector<int> prof = Informes(t.salida).second;
        ASSERT_TRUE(!prof.empty() && l.size() == prof.size() + c.finales) << t.salida;
        const bool infinita = c.tramos[0].texto.ends_with("infinite\n");
        EXPECT_EQ(prof.size() >= 2 && prof.back() == static_cast<int>(prof.size()), infinita);
        EXPECT_TRUE(l[prof.size()].starts_with("bestmove ")) << t.salida;
        EXPECT_EQ(l.back() == "readyok", c.finales == 2);
        EXPECT_EQ(t.estado, 0);
        EXPECT_TRUE(t.respuesta_ms >= c.minimo_ms && t.respuesta_ms <= c.maximo_ms)
            << t.respuesta_ms << " ms\n" << t.salida;
    }
}

}  // namespace
