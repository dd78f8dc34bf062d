// Pawn structure terms on small hand-built positions; expected sums worked out term by term.
#include <string>

#include "eval/eval_test_util.h"

using namespace eval_test;

namespace {

Puntos Peones(const char *fen) { return Delta(fen, {EvaluarPeonesB, EvaluarPeonesN}); }

TEST(EstructuraPeones, HandBuiltStructuresScoreTermByTerm) {
    const struct {
        const char *fen;
        Puntos p;
    } casos[] = {
        // e6 blocked by a knight: passed pct(80 x 80) = 63, isolated on a half-open file -20,
        // square 15, centre 5; endgame e = 160, t = 8 x 160 / 30 = 42, pct(118 x 80) = 94,
        // isolated -20, square -3.
        {"k7/4n3/4P3/8/8/8/8/6K1 w - - 0 1", {63, 71, 0, 0}},
        // Knight elsewhere or an own piece in front: 100 percent, pct(8000) = 79, 117.
        {"kn6/8/4P3/8/8/8/8/6K1 w - - 0 1", {79, 94, 0, 0}},
        {"k6r/4N3/4P3/8/8/8/8/6K1 w - - 0 1", {79, 94, 0, 0}},
        // a7, Black to move, king 7 steps away: 129 passed - 20 isolated - 15 square + 400;
        // endgame closeness 6, t = 52, pct(20800) = 207, - 20 + 3 + 400.
        {"7k/P7/8/8/8/8/8/K7 b - - 0 1", {494, 590, 0, 0}},
        // Any enemy piece takes the 400 away.
        {"7k/P7/8/8/8/8/8/K6n b - - 0 1", {94, 190, 0, 0}},
        // e3 passed 11 / 16, isolated -20 / -20, square 5 / -3; e2 doubled -12 / -24,
        // isolated -20 / -20, square 5 / -3, never passed.
        {"4k3/8/8/8/8/4P3/4P3/4K3 w - - 0 1", {-4 - 27, -7 - 47, 0, 0}},
        // a2 against a7: isolated on a closed file -10 / -20, square -15 / 3; Black mirrors.
        {"k7/p7/8/8/8/8/P7/K7 w - - 0 1", {-25, -17, -25, -17}},
        // c3 backward on a half-open file -9 - 8 / -8, square 5 / -1; d4 and e4 phalanx only
        // 13 / 3 though d4 is defended, square 15 / -3; Black d5 e5 the same.
        {"6k1/8/8/3pp3/3PP3/2P5/8/6K1 w - - 0 1", {-12 + 56, -9, 56, 0}},
        // d4 defended without a neighbour: 3 / 2; Black d5 isolated on a closed file.
        {"4k3/8/8/3p4/3P4/2P5/8/4K3 w - - 0 1", {6, -10, 5, -23}},
    };
    for (const auto &c : casos) EXPECT_EQ(Peones(c.fen), c.p) << c.fen;
}

TEST(EstructuraPeones, UnstoppableRaceCountsTheTempo) {
    // a5 against a king on e8: 3 moves beat 4 king steps only with White to move.
    const Puntos w = Peones("4k3/8/8/P7/8/8/8/K7 w - - 0 1");
    const Puntos b = Peones("4k3/8/8/P7/8/8/8/K7 b - - 0 1");
    EXPECT_EQ(w.op_b - b.op_b, 300);
    EXPECT_EQ(w.eg_b - b.eg_b, 300);
}

TEST(EstructuraPeones, BlockedCandidateWithAMajorityGetsAThird) {
    // d5 blocked by d6 beside e5: candidate 50/3 = 16 and 100/3 = 33, phalanx 15 / 4, square
    // 15 / -3, centre 5; e5: phalanx, square, centre.
    const Puntos candidato = Peones("k7/8/3p4/3PP3/8/8/8/K6r w - - 0 1");
    EXPECT_EQ(candidato.op_b, 51 + 35);
    EXPECT_EQ(candidato.eg_b, 34 + 1);
    // An enemy pawn beyond the partner, on the other side, or a second blocker undoes it.
    for (const char *fen : {"k7/5p2/3p4/3PP3/8/8/8/K6r w - - 0 1",
                            "k7/2p5/3p4/3PP3/8/8/8/K6r w - - 0 1",
                            "k7/3p4/3p4/3PP3/8/8/8/K6r w - - 0 1"}) {
        const Puntos p = Peones(fen);
        EXPECT_EQ(candidato.op_b - p.op_b, 16) << fen;
        EXPECT_EQ(candidato.eg_b - p.eg_b, 33) << fen;
    }
}

TEST(EstructuraPeones, PassedBonusFollowsTheTruncatingArithmeticForEveryKingSquare) {
    // A lone White pawn, a Black knight to rule out the race; only the Black king moves, so
    // apart from the passed bonus every term stays the same.
    for (int32_t r = 1; r <= 6; r++) {
        const int32_t s = (7 - r) * 8 + 1;  // b-file
        bool primero = true;
        int32_t resto_op = 0, resto_eg = 0;
        for (int32_t k = 0; k < 64; k++) {
            if (k == s || k == 63 || k == 7 || DistanciaRey(k, 63) <= 1) continue;
            char filas[8][9] = {};
            for (int32_t t = 0; t < 64; t++) {
                const char c = t == s ? 'P' : t == k ? 'k' : t == 63 ? 'K' : t == 7 ? 'n' : '1';
                filas[t >> 3][t & 7] = c;
            }
            std::string fen;
            for (int32_t f = 0; f < 8; f++) fen += std::string(filas[f]) + (f < 7 ? "/" : "");
            fen += " w - - 0 1";
            const Puntos p = Peones(fen.c_str());
            const int32_t pct = k == s - 8 ? 80 : 100;
            const int32_t e = BONUS_PASSED[1][r];
            const int32_t t = EscalarExtendido(TROPISMO_DISTANCIA[s][k] * e, 1.0f / 30.0f);
            const int32_t op = p.op_b - Porcentaje(BONUS_PASSED[0][r], pct);
            const int32_t eg = p.eg_b - Porcentaje(e - t, pct);
            if (primero) resto_op = op, resto_eg = eg, primero = false;
            EXPECT_EQ(op, resto_op) << fen;
            EXPECT_EQ(eg, resto_eg) << fen;
        }
    }
}

}  // namespace
