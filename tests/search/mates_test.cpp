// Known mates found by the search, with the mating first move and the exact distance.
#include <gtest/gtest.h>

#include "search/busqueda_test_util.h"
#include "uci/uci.h"

TEST(MatesBusqueda, MatesEnDosYTresConLaJugadaQueMata) {
    const struct {
        const char *fen, *san;
        int32_t prof, valor;
    } casos[] = {
        {"r1bq2rk/pp3pbp/2p1p1pQ/7P/3P4/2PB1N2/PP3PPR/2KR4 w - - 0 1", "Qxh7+", 6, MATE - 3},
        {"5k2/6pp/p1qN4/1p1p4/3P4/2PKP2Q/PP3r2/3R4 b - - 0 1", "Qc4+", 6, MATE - 3},
        {"7k/pp4np/2p3p1/3pN1q1/3P4/Q7/1r3rPP/2R2RK1 w - - 0 1", "Qf8+", 6, MATE - 3},
        {"r3q1kr/ppp5/3p2pQ/8/3PP1b1/5R2/PPP3P1/5RK1 w - - 0 1", "Rf8+", 8, MATE - 5},
        {"r3k2r/pbp2pp1/3b1n2/1p6/3P3p/1B2N1Pq/PP1PQP1P/R1B2RK1 b kq - 0 1", "Qxh2+", 8, MATE - 5},
        {"6k1/5p2/p5np/4B3/3P4/1PP1q3/P3r1QP/6RK w - - 0 1", "Qa8+", 8, MATE - 5},
    };
    for (const auto &c : casos) {
        ASSERT_EQ(PrepararBusqueda(c.fen), 1);
        EXPECT_EQ(BuscarHasta(c.prof), c.valor) << c.fen;
        EXPECT_EQ(pv_line[0][0], JugadaSan(c.san)) << c.fen;
    }
}
