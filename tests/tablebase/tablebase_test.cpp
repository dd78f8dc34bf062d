// Tablebases: the probe path with a stand-in probe, and the real library loaded at "isready".
#include <gtest/gtest.h>

#include <vector>

#include "support/search.h"
#include "tablebase/tablebase.h"
#include "support/transcript.h"

namespace {

// One recorded probe; each side's squares and piece types in pairs, up to the 64 end mark.
struct Llamada {
    bool dura;
    unsigned lado, al_paso, enroque, info_previa;
    std::vector<unsigned> b, n;
};
std::vector<Llamada> llamadas;
int respuesta;
unsigned info_respuesta;

template <bool DURA>
int Sonda(unsigned lado, unsigned al_paso, unsigned enroque, const unsigned *wsq,
          const unsigned *bsq, const unsigned char *wpc, const unsigned char *bpc, unsigned *info,
          unsigned *plies) {
    Llamada l{DURA, lado, al_paso, enroque, *info, {}, {}};
    for (int i = 0; i == 0 || wsq[i - 1] != 64; i++) l.b.insert(l.b.end(), {wsq[i], wpc[i]});
    for (int i = 0; i == 0 || bsq[i - 1] != 64; i++) l.n.insert(l.n.end(), {bsq[i], bpc[i]});
    llamadas.push_back(l);
    *info = info_respuesta;
    *plies = 10;
    return respuesta;
}


class SondaTablas : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(PrepararBusqueda(FEN_INICIAL), 1);
        llamadas.clear();
        respuesta = 1;
        info_respuesta = 1;
        tbprobe_Gaviota.Cargada = 1;
        tbprobe_Gaviota.Disponibles = 1 | 2 | 4 | 8;
        tb_probe_hard = Sonda<true>;
        tb_probe_soft = Sonda<false>;
    }
    void TearDown() override {
        tbprobe_Gaviota.Cargada = 0;
        tbprobe_Gaviota.Disponibles = 0;
        tb_probe_hard = tb_probe_soft = nullptr;
    }
    // One node at ply 1 of fen.
    static int32_t Nodo(const char *fen, int32_t prof) {
        EXPECT_EQ(CargarPosicionPrueba(fen), 1);
        TableroGlobal.Indice_Deshacer = 1;
        return Buscar(prof);
    }
};

TEST_F(SondaTablas, CodificaCasillasPiezasEnroquesYAlPaso) {
    TipoJuego.Profundidad = 1;
    EXPECT_EQ(Nodo("r3k3/8/8/8/8/8/8/4K2R w Kq - 0 1", 3), 31999 - 10);
    TipoJuego.Profundidad = 2;
    // Black just played d7d5: d6 is 43 from a1. White just played e2e4: e3 is 20.
    Nodo("4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1", 2);
    Nodo("4k3/8/8/8/3pP3/8/8/4K3 b - e3 0 1", 2);
    ASSERT_EQ(llamadas.size(), 3u);
    const Llamada &l = llamadas[0];
    EXPECT_TRUE(l.dura);  // hard probe in the first iteration only
    EXPECT_EQ(std::vector<unsigned>({l.lado, l.al_paso, l.enroque, l.info_previa}),
              std::vector<unsigned>({0, 64, 8 + 1, 7}));
    // a8 to h1 order, squares counted from a1; kings and rooks by type.
    EXPECT_EQ(l.b, (std::vector<unsigned>{4, 6, 7, 4, 64, 0}));
    EXPECT_EQ(l.n, (std::vector<unsigned>{56, 4, 60, 6, 64, 0}));
    EXPECT_EQ(tbprobe_Gaviota.Aciertos, 3u);
    EXPECT_FALSE(llamadas[1].dura);
    EXPECT_EQ(llamadas[1].al_paso, 43u);
    EXPECT_EQ(llamadas[1].b, (std::vector<unsigned>{36, 1, 4, 6, 64, 0}));
    EXPECT_EQ(llamadas[2].lado, 1u);
    EXPECT_EQ(llamadas[2].al_paso, 20u);
}

TEST_F(SondaTablas, PuntuacionSegunResultadoYTurno) {
    const char *blancas = "4k3/8/8/8/8/8/4P3/4K3 w - - 0 1";
    const char *negras = "4k3/8/8/8/8/8/4P3/4K3 b - - 0 1";
    // {answer info, side to move's fen, score}: 1 White wins, 2 Black wins, others draw.
    const struct {
        unsigned info;
        const char *fen;
        int32_t valor;
    } casos[] = {{1, blancas, 31999 - 10}, {1, negras, 10 - 31999}, {2, blancas, 10 - 31999},
                 {2, negras, 31999 - 10},  {0, blancas, 0},         {5, blancas, 0}};
    for (const auto &c : casos) {
        info_respuesta = c.info;
        EXPECT_EQ(Nodo(c.fen, 1), c.valor) << c.info << " " << c.fen;
        EXPECT_EQ(TipoJuego.Nodos, 1u);
    }
    respuesta = 0;  // any return other than 1 is no answer: the node is searched
    Nodo(blancas, 1);
    EXPECT_GT(TipoJuego.Nodos, 1u);
}

TEST_F(SondaTablas, SoloConTablasDeEsasPiezasYCercaDeLasHojas) {
    const char *cinco = "4k3/4p3/8/8/8/8/4P3/3QK3 w - - 0 1";
    const char *cuatro = "4k3/8/8/8/8/8/4P3/3QK3 w - - 0 1";
    const char *tres = "4k3/8/8/8/8/8/4P3/4K3 w - - 0 1";
    // {available sets, fen, depth, probed}; a probed node counts one node.
    const struct { unsigned disponibles; const char *fen; int32_t prof; bool sondeado; } casos[] = {
        {15, cinco, 1, false}, {15, cuatro, 1, true}, {16, cinco, 1, true}, {1, cuatro, 1, false},
        {1, tres, 1, true},    {1, tres, 3, true},    {1, tres, 4, false}};
    for (const auto &c : casos) {
        tbprobe_Gaviota.Disponibles = c.disponibles;
        Nodo(c.fen, c.prof);
        EXPECT_EQ(TipoJuego.Nodos == 1u, c.sondeado)
            << c.disponibles << " " << c.fen << " " << c.prof;
    }
    // Never at the root, never while the library is not loaded.
    TableroGlobal.Indice_Deshacer = 0;
    Buscar(1);
    EXPECT_GT(TipoJuego.Nodos, 1u);
    llamadas.clear();
    tbprobe_Gaviota.Cargada = 0;
    Nodo(tres, 1);
    EXPECT_TRUE(llamadas.empty());
}

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

}  // namespace
