// Moves in algebraic notation resolved against the legal ones.
#include <gtest/gtest.h>

#include "support/position.h"
#include "uci/uci.h"

namespace {

using LectorSan = PruebaTablero;

TEST_F(LectorSan, ResuelveSoloLaJugadaLegalUnica) {
    const char *ENROQUES = "r3k2r/1P6/8/8/8/8/8/R3K2R w KQkq - 0 1";
    const char *PINES = "4r1k1/8/8/8/4N3/8/8/1N2K3 w - - 0 1";
    // {fen, san, move text or "" when san names no single legal move}. The book source test
    // replays SAN as well: plain moves, captures, castling, marks, own-piece squares, two
    // knights for one square, disambiguation by rank.
    const struct { const char *fen, *san, *texto; } casos[] = {
        {FEN_INICIAL, "Ke2", ""},
        {ENROQUES, "0-0-0", "e1c1 O"}, {ENROQUES, "b8=Q+", "b7b8q"}, {ENROQUES, "bxa8=R", "b7a8r"},
        {ENROQUES, "b8", ""},  // a promotion needs its piece
        {"4k3/8/8/8/8/8/8/R2K3R w - - 0 1", "Rae1", ""},  // the king stands between
        {"4k3/8/8/8/8/8/8/R2K3R w - - 0 1", "Rhe1", "h1e1"},
        {"3k4/8/8/8/R7/8/8/R3K3 w - - 0 1", "Ra3", ""},  // both rooks reach a3
        {"3k4/8/8/8/R7/8/8/R3K3 w - - 0 1", "R4a3", "a4a3"},
        // The pinned e4 knight drops out, so the other one needs no disambiguation.
        {PINES, "Nd2", "b1d2"}, {PINES, "Nbd2", "b1d2"}, {PINES, "Ned2", ""},
        {"rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1", "Qh4", ""},
    };
    for (const auto &c : casos) {
        ASSERT_EQ(CargarPosicionPrueba(c.fen), 1) << c.fen;
        const uint32_t m = JugadaSan(c.san);
        EXPECT_EQ(m ? TextoPrueba(m) : "", c.texto) << c.san << " in " << c.fen;
    }
}

}  // namespace
