// The tablebase probe call path of the search: when it runs, what it passes, and how the
// answer becomes the node's score.
#include <gtest/gtest.h>

#include <vector>

#include "search/busqueda_test_util.h"
#include "tablebase/tablebase.h"

namespace {

struct Llamada {
    bool dura;
    unsigned lado, al_paso, enroque;
    std::vector<unsigned> cas_b, cas_n;
    std::vector<unsigned> pie_b, pie_n;
    unsigned info_previa;
};
std::vector<Llamada> llamadas;
int respuesta = 1;
unsigned info_respuesta = 1, plies_respuesta = 10;

void Registrar(bool dura, unsigned lado, unsigned al_paso, unsigned enroque, const unsigned *wsq,
               const unsigned *bsq, const unsigned char *wpc, const unsigned char *bpc,
               unsigned *info) {
    Llamada l{dura, lado, al_paso, enroque, {}, {}, {}, {}, *info};
    for (int i = 0;; i++) {
        l.cas_b.push_back(wsq[i]);
        l.pie_b.push_back(wpc[i]);
        if (wsq[i] == 64) break;
    }
    for (int i = 0;; i++) {
        l.cas_n.push_back(bsq[i]);
        l.pie_n.push_back(bpc[i]);
        if (bsq[i] == 64) break;
    }
    llamadas.push_back(l);
}

int SondaDura(unsigned lado, unsigned al_paso, unsigned enroque, const unsigned *wsq,
              const unsigned *bsq, const unsigned char *wpc, const unsigned char *bpc,
              unsigned *info, unsigned *plies) {
    Registrar(true, lado, al_paso, enroque, wsq, bsq, wpc, bpc, info);
    *info = info_respuesta;
    *plies = plies_respuesta;
    return respuesta;
}

int SondaBlanda(unsigned lado, unsigned al_paso, unsigned enroque, const unsigned *wsq,
                const unsigned *bsq, const unsigned char *wpc, const unsigned char *bpc,
                unsigned *info, unsigned *plies) {
    Registrar(false, lado, al_paso, enroque, wsq, bsq, wpc, bpc, info);
    *info = info_respuesta;
    *plies = plies_respuesta;
    return respuesta;
}

}  // namespace

class SondaTablas : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(PrepararBusqueda(FEN_INICIAL), 1);
        llamadas.clear();
        respuesta = 1;
        info_respuesta = 1;
        plies_respuesta = 10;
        tbprobe_Gaviota.Cargada = 1;
        tbprobe_Gaviota.Disponibles = 1 | 2 | 4 | 8;
        tb_probe_hard = SondaDura;
        tb_probe_soft = SondaBlanda;
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
        TipoJuego.Nodos = 0;
        return AlphaBeta_Pv(prof, -SIN_PUNTUACION, SIN_PUNTUACION, JaqueRaiz(), 0, -1);
    }
};

TEST_F(SondaTablas, CodificaCasillasPiezasYEnroques) {
    TipoJuego.Profundidad = 1;
    EXPECT_EQ(Nodo("r3k3/8/8/8/8/8/8/4K2R w Kq - 0 1", 3), 31999 - 10);
    ASSERT_EQ(llamadas.size(), 1u);
    const Llamada &l = llamadas[0];
    EXPECT_TRUE(l.dura);
    EXPECT_EQ(l.lado, 0u);
    EXPECT_EQ(l.al_paso, 64u);
    EXPECT_EQ(l.enroque, 8u + 1u);
    EXPECT_EQ(l.info_previa, 7u);
    // a8 to h1 order, squares counted from a1; kings and rooks by type.
    EXPECT_EQ(l.cas_b, (std::vector<unsigned>{4, 7, 64}));
    EXPECT_EQ(l.pie_b, (std::vector<unsigned>{6, 4, 0}));
    EXPECT_EQ(l.cas_n, (std::vector<unsigned>{56, 60, 64}));
    EXPECT_EQ(l.pie_n, (std::vector<unsigned>{4, 6, 0}));
    EXPECT_EQ(tbprobe_Gaviota.Aciertos, 1u);
}

TEST_F(SondaTablas, AlPasoYBlandaFueraDeLaPrimeraIteracion) {
    TipoJuego.Profundidad = 2;
    // Black just played d7d5: the square passed over is d6, 43 from a1.
    Nodo("4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1", 2);
    ASSERT_EQ(llamadas.size(), 1u);
    EXPECT_FALSE(llamadas[0].dura);
    EXPECT_EQ(llamadas[0].al_paso, 43u);
    EXPECT_EQ(llamadas[0].pie_b, (std::vector<unsigned>{1, 6, 0}));
    // White just played e2e4, Black to move: e3 is 20 from a1.
    llamadas.clear();
    Nodo("4k3/8/8/8/3pP3/8/8/4K3 b - e3 0 1", 2);
    ASSERT_EQ(llamadas.size(), 1u);
    EXPECT_EQ(llamadas[0].lado, 1u);
    EXPECT_EQ(llamadas[0].al_paso, 20u);
}

TEST_F(SondaTablas, PuntuacionSegunResultadoYTurno) {
    const char *blancas = "4k3/8/8/8/8/8/4P3/4K3 w - - 0 1";
    const char *negras = "4k3/8/8/8/8/8/4P3/4K3 b - - 0 1";
    info_respuesta = 1;
    EXPECT_EQ(Nodo(blancas, 1), 31999 - 10);
    EXPECT_EQ(Nodo(negras, 1), 10 - 31999);
    info_respuesta = 2;
    EXPECT_EQ(Nodo(blancas, 1), 10 - 31999);
    EXPECT_EQ(Nodo(negras, 1), 31999 - 10);
    info_respuesta = 0;
    EXPECT_EQ(Nodo(blancas, 1), 0);
    info_respuesta = 5;
    EXPECT_EQ(Nodo(blancas, 1), 0);
    EXPECT_EQ(TipoJuego.Nodos, 1u);
    // Any return other than 1 is no answer: the node is searched.
    respuesta = 0;
    Nodo(blancas, 1);
    EXPECT_GT(TipoJuego.Nodos, 1u);
}

// A node answered by the probe counts one node; one not probed goes on to its children.
TEST_F(SondaTablas, SoloConTablasDeEsasPiezasYCercaDeLasHojas) {
    const char *cinco = "4k3/4p3/8/8/8/8/4P3/3QK3 w - - 0 1";
    const char *cuatro = "4k3/8/8/8/8/8/4P3/3QK3 w - - 0 1";
    const char *tres = "4k3/8/8/8/8/8/4P3/4K3 w - - 0 1";
    tbprobe_Gaviota.Disponibles = 1 | 2 | 4 | 8;
    Nodo(cinco, 1);
    EXPECT_GT(TipoJuego.Nodos, 1u);
    Nodo(cuatro, 1);
    EXPECT_EQ(TipoJuego.Nodos, 1u);
    tbprobe_Gaviota.Disponibles = 16;
    Nodo(cinco, 1);
    EXPECT_EQ(TipoJuego.Nodos, 1u);
    tbprobe_Gaviota.Disponibles = 1;
    Nodo(cuatro, 1);
    EXPECT_GT(TipoJuego.Nodos, 1u);
    Nodo(tres, 1);
    EXPECT_EQ(TipoJuego.Nodos, 1u);
    // Depth 3 is probed, depth 4 is not.
    Nodo(tres, 3);
    EXPECT_EQ(TipoJuego.Nodos, 1u);
    Nodo(tres, 4);
    EXPECT_GT(TipoJuego.Nodos, 1u);
    // Never at the root, never while the library is not loaded.
    TableroGlobal.Indice_Deshacer = 0;
    TipoJuego.Nodos = 0;
    AlphaBeta_Pv(1, -SIN_PUNTUACION, SIN_PUNTUACION, 0, 0, -1);
    EXPECT_GT(TipoJuego.Nodos, 1u);
    tbprobe_Gaviota.Cargada = 0;
    llamadas.clear();
    Nodo(tres, 1);
    EXPECT_TRUE(llamadas.empty());
}
