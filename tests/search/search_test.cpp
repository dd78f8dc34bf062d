// Search rules that decide results, quiescence, and known mates with their first move.
#include <gtest/gtest.h>

#include "support/search.h"
#include "uci/uci.h"

// White queen can take an undefended knight; Black keeps a rook besides it.
static const char *FEN_DELTA = "r5k1/8/8/3n4/8/8/8/3Q2K1 w - - 0 1";

class ReglasBusqueda : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(PrepararBusqueda(FEN_INICIAL), 1); }

    // Loads fen (FEN_DELTA by default) and returns its static evaluation.
    static int32_t Cargar(const char *fen = FEN_DELTA) {
        EXPECT_EQ(CargarPosicionPrueba(fen), 1);
        return Evaluar();
    }
    // One quiescence call on the loaded position from a fresh node count.
    static int32_t Qs(int32_t alpha, int32_t beta, int32_t entrada = 0) {
        TipoJuego.Nodos = 0;
        return AlphaBeta_Qs(alpha, beta, JaqueRaiz(), 0, entrada);
    }
};
using Quiescencia = ReglasBusqueda;

TEST_F(ReglasBusqueda, TablasPorRepeticionYCincuentaDebajoDeLaRaiz) {
    for (const char *san : {"Nf3", "Nf6", "Ng1", "Ng8"})
        ASSERT_EQ(HacerMovimiento(JugadaSan(san)), 1) << san;
    // Back at the start position, whose key never entered the history: no repetition.
    Buscar(2, -100, 100);
    EXPECT_GT(TipoJuego.Nodos, 1u);
    ASSERT_EQ(HacerMovimiento(JugadaSan("Nf3")), 1);
    EXPECT_EQ(Buscar(2, -100, 100), 0);  // the position after Nf3 again
    EXPECT_EQ(TipoJuego.Nodos, 1u);
    TableroGlobal.Indice_Deshacer = 0;  // the root makes no draw test
    Buscar(2, -100, 100);
    EXPECT_GT(TipoJuego.Nodos, 1u);

    ASSERT_EQ(CargarPosicionPrueba("4k3/8/8/8/8/8/4R3/4K3 w - - 100 80"), 1);
    TableroGlobal.Indice_Deshacer = 1;
    Buscar(2, -100, 100);
    EXPECT_GT(TipoJuego.Nodos, 1u);
    TableroGlobal.Num_Historial = TableroGlobal.Regla_50 = 101;
    EXPECT_EQ(Buscar(2, -100, 100), 0);
    EXPECT_EQ(TipoJuego.Nodos, 1u);
}

TEST_F(ReglasBusqueda, MateAhogadoYDistanciaAlMate) {
    TableroGlobal.Indice_Deshacer = 3;
    EXPECT_EQ(Buscar(3, 31997, SIN_PUNTUACION), 31997);
    EXPECT_EQ(TipoJuego.Nodos, 1u);
    EXPECT_EQ(Buscar(3, -SIN_PUNTUACION, 3 - MATE), 3 - MATE);
    EXPECT_EQ(TipoJuego.Nodos, 1u);
    Buscar(3, 31996, SIN_PUNTUACION);
    EXPECT_GT(TipoJuego.Nodos, 1u);

    ASSERT_EQ(CargarPosicionPrueba("R5k1/5ppp/8/8/8/8/8/6K1 b - - 0 1"), 1);
    EXPECT_EQ(Buscar(2), -MATE);
    TableroGlobal.Indice_Deshacer = 2;
    EXPECT_EQ(Buscar(2), 2 - MATE);
    ASSERT_EQ(CargarPosicionPrueba("7k/5Q2/8/8/8/8/8/6K1 b - - 0 1"), 1);
    EXPECT_EQ(Buscar(2), 0);
    // Neither stores anything in the table.
    uint32_t jugada;
    int32_t puntuacion;
    const int32_t prof = 0;
    EXPECT_EQ(RecuperarPosicion(-SIN_PUNTUACION, SIN_PUNTUACION, &prof, &puntuacion, &jugada), 0);
    EXPECT_EQ(puntuacion, -SIN_PUNTUACION);
}

// The slot after the last history key holds the null move's key when the null move was made,
// a real child's key otherwise. With guardar, an upper bound below alpha is stored first.
static bool NuloProbado(const char *fen, bool guardar = false) {
    EXPECT_EQ(CargarPosicionPrueba(fen), 1);
    TableroGlobal.Indice_Deshacer = 1;
    const int32_t e = Evaluar();
    if (guardar) AlmacenarPosicion(0, e - 500, TT_ALPHA, 0);
    const uint32_t clave = TableroGlobal.Clave;
    const int32_t n = TableroGlobal.Num_Historial;
    TableroGlobal.Historial_Claves[n] = 0;
    // Far enough below the evaluation that the side to move keeps the score after passing.
    AlphaBeta_Pv(4, e - 201, e - 200, 0, 0, -1);
    return TableroGlobal.Historial_Claves[n] == (clave ^ zobrist_Turno[0]);
}

TEST_F(ReglasBusqueda, NuloSoloConPiezasYSinCotaQueLoDescarte) {
    EXPECT_TRUE(NuloProbado("6k1/5ppp/8/8/8/8/PPP5/4R1K1 w - - 0 1"));
    EXPECT_FALSE(NuloProbado("6k1/8/8/8/8/8/PPP5/6K1 w - - 0 1"));
    // Black with a knight but White to move with pawns only: still no null move.
    EXPECT_FALSE(NuloProbado("1n4k1/8/8/8/8/8/PPPPP3/6K1 w - - 0 1"));
    EXPECT_FALSE(NuloProbado("6k1/5ppp/8/8/8/8/PPP5/4R1K1 w - - 0 1", true));
}

TEST_F(Quiescencia, StandPatYPodaDelta) {
    const int32_t e = Cargar();
    EXPECT_EQ(Qs(e - 10, e), e);
    EXPECT_EQ(TipoJuego.Nodos, 1u);
    EXPECT_EQ(Qs(e - 10, e - 5), e);
    EXPECT_GT(Qs(e - 10, e + 1), e);  // below beta the capture raises the score
    // The knight (code 9) counts as the entry before it, a pawn's 100: limit e + 250.
    EXPECT_EQ(Qs(e + 251, e + 3000), e);
    EXPECT_EQ(TipoJuego.Nodos, 1u);
    Qs(e + 250, e + 3000);
    EXPECT_GT(TipoJuego.Nodos, 1u);
    // Never at the entry node, never when the opponent has one piece only.
    Qs(e + 2000, e + 3000, 1);
    EXPECT_GT(TipoJuego.Nodos, 1u);
    const int32_t u = Cargar("6k1/8/8/3n4/8/8/8/3Q2K1 w - - 0 1");
    Qs(u + 2000, u + 3000);
    EXPECT_GT(TipoJuego.Nodos, 1u);
}

TEST_F(Quiescencia, FiltroDeCapturasPorIntercambio) {
    // {fen, entry, searched}: Qxd5 takes a pawn defended by e6 (negative exchange) and is
    // skipped except at the entry node; Nxd5 of a bishop and exd5 of a queen need no estimate.
    const struct {
        const char *fen;
        int32_t entrada;
        bool buscada;
    } casos[] = {{"4k3/8/4p3/3p4/8/8/3Q4/3RK3 w - - 0 1", 0, false},
                 {"4k3/8/4p3/3p4/8/8/3Q4/3RK3 w - - 0 1", 1, true},
                 {"4k3/8/4p3/3b4/8/4N3/8/4K3 w - - 0 1", 0, true},
                 {"4k3/8/4p3/3q4/4P3/8/8/4K3 w - - 0 1", 0, true}};
    for (const auto &c : casos) {
        Cargar(c.fen);
        Qs(-SIN_PUNTUACION, SIN_PUNTUACION, c.entrada);
        EXPECT_EQ(TipoJuego.Nodos > 1u, c.buscada) << c.fen << " entry " << c.entrada;
    }
}

// In check every evasion is searched, quiet king steps too (mate scores: the test below).
TEST_F(Quiescencia, EnJaqueTambienLasEvasionesTranquilas) {
    Cargar("R5k1/6pp/8/8/8/8/8/6K1 b - - 0 1");  // the king steps to f7
    EXPECT_GT(Qs(-SIN_PUNTUACION, SIN_PUNTUACION), -UMBRAL_MATE);
}

TEST_F(Quiescencia, CapturasIlegalesYJaquesDescubiertosDesdeCualquierPly) {
    for (const int32_t ply : {0, 2}) {
        // Nxf3 by the pinned knight and the en passant capture that opens the fifth rank are
        // both illegal: the node only stands pat.
        for (const char *fen : {"7k/8/8/8/1b6/5q2/3N4/4K3 w - - 0 1",
                                "4k3/8/8/KPp4r/8/8/8/8 w - c6 0 1"}) {
            const int32_t e = Cargar(fen);
            TableroGlobal.Indice_Deshacer = ply;
            EXPECT_EQ(Qs(-SIN_PUNTUACION, SIN_PUNTUACION), e) << fen << " ply " << ply;
            EXPECT_EQ(TipoJuego.Nodos, 1u) << fen << " ply " << ply;
        }
        // Nxd7 uncovers the bishop's check, and Black has no evasion: mate one ply below.
        Cargar("7k/3q3p/8/4N3/8/8/1B6/2K3R1 w - - 0 1");
        TableroGlobal.Indice_Deshacer = ply;
        EXPECT_EQ(Qs(-SIN_PUNTUACION, SIN_PUNTUACION), MATE - ply - 1) << "ply " << ply;
    }
}

// The score, the first move, the root's table entry and line, and a line that plays to mate.
TEST_F(ReglasBusqueda, MatesEnDosYTresConLaJugadaQueMataYSuLineaPrincipal) {
    const struct { const char *fen, *san; int32_t prof, valor; } casos[] = {
        {"r1bq2rk/pp3pbp/2p1p1pQ/7P/3P4/2PB1N2/PP3PPR/2KR4 w - - 0 1", "Qxh7+", 6, MATE - 3},
        {"5k2/6pp/p1qN4/1p1p4/3P4/2PKP2Q/PP3r2/3R4 b - - 0 1", "Qc4+", 6, MATE - 3},
        {"7k/pp4np/2p3p1/3pN1q1/3P4/Q7/1r3rPP/2R2RK1 w - - 0 1", "Qf8+", 6, MATE - 3},
        {"r3q1kr/ppp5/3p2pQ/8/3PP1b1/5R2/PPP3P1/5RK1 w - - 0 1", "Rf8+", 8, MATE - 5},
        {"r3k2r/pbp2pp1/3b1n2/1p6/3P3p/1B2N1Pq/PP1PQP1P/R1B2RK1 b kq - 0 1", "Qxh2+", 8, MATE - 5},
        {"6k1/5p2/p5np/4B3/3P4/1PP1q3/P3r1QP/6RK w - - 0 1", "Qa8+", 8, MATE - 5},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(c.fen);
        ASSERT_EQ(PrepararBusqueda(c.fen), 1);
        EXPECT_EQ(BuscarHasta(c.prof), c.valor);
        EXPECT_EQ(pv_line[0][0], JugadaSan(c.san));
        uint32_t jugada;
        int32_t puntuacion;
        EXPECT_EQ(RecuperarPosicion(-SIN_PUNTUACION, SIN_PUNTUACION, &c.prof, &puntuacion, &jugada),
                  1);
        EXPECT_EQ(puntuacion, c.valor);
        EXPECT_EQ(jugada, pv_line[0][0]);
        ASSERT_GE(Mejor_Movimiento_Pos, 0);
        int largo = 0;
        for (; pv_line[0][largo] != 0; largo++) {
            EXPECT_EQ(pv_line_Root[Mejor_Movimiento_Pos][largo], pv_line[0][largo]);
            ASSERT_EQ(HacerMovimiento(pv_line[0][largo]), 1);
        }
        EXPECT_EQ(largo, MATE - c.valor);
        EXPECT_EQ(pv_line_Root[Mejor_Movimiento_Pos][largo], 0u);
        EXPECT_TRUE(JugadasLegales().empty());  // mate on the board
        EXPECT_EQ(JaqueRaiz(), 1);
    }
}
