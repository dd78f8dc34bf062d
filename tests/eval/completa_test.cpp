// Whole evaluations of complete positions, worked out by hand from the tables term by term,
// so that a wrong table entry or a lost term shows up in the side records.
#include "eval/eval_test_util.h"

using namespace eval_test;

namespace {

struct Lado {
    int32_t op, eg, mov_op, mov_eg, trop_op, trop_eg;
};

void Comprobar(const Tipo_Lado &l, const Lado &e, const char *fen, const char *lado) {
    EXPECT_EQ(l.Puntos_Apertura, e.op) << lado << " " << fen;
    EXPECT_EQ(l.Puntos_Final, e.eg) << lado << " " << fen;
    EXPECT_EQ(l.Movilidad_Apertura, e.mov_op) << lado << " " << fen;
    EXPECT_EQ(l.Movilidad_Final, e.mov_eg) << lado << " " << fen;
    EXPECT_EQ(l.Tropismo_Apertura, e.trop_op) << lado << " " << fen;
    EXPECT_EQ(l.Tropismo_Final, e.trop_eg) << lado << " " << fen;
}

TEST(EvaluacionCompleta, HandWorkedPositionsMatchTermByTerm) {
    SinCache sin_cache;
    const struct {
        const char *fen;
        Lado blancas, negras;
        int32_t fase, valor;
    } casos[] = {
        // Start position, White (Black mirrors it without the tempo):
        //   material 4159 / 4169;
        //   knights b1, g1: 2 squares each, 4 x (2 - 4) = -8 twice; squares -40 -40 / -30 -30;
        //     -5 each for the enemy half; tropism 3 x (4 + 5) = 27 both; +5 each for the pawn
        //     in front;
        //   bishops c1, f1: no square, -30 twice; squares -16 -16 / -10 -10; -5 each; tropism
        //     2 x (5 + 6) = 22 / 11; +4 for f1 on c1's rank; pawn colour 4 and 4: 0;
        //   queen d1: c1 and e1, 2 - 14 = -12 / -24; square -5 / -8; tropism 12 / 24;
        //   rooks a1, h1: one square each, -12 / -24 twice; squares 0; tropism 2 x 7 = 14 / 7;
        //   pawns: phalanx 8 x 2 / 6, squares -20 / 0;
        //   king e1: 10 / -24, shield d2 e2 f2 1 + 1 + 2 weighted to 3;
        //   mobility -112 scaled to -111, -148 to -147; tropism 75 at 20 percent 14, 69 -> 13;
        //   tempo 5 / 10.
        {FEN_INICIAL,
         {4159 - 80 - 10 + 10 - 32 - 10 + 4 - 5 - 4 + 10 + 3 - 111 + 14 + 5,
          4169 - 60 - 10 + 10 - 20 - 10 + 4 - 8 + 6 - 24 - 147 + 13 + 10, -112, -148, 75, 69},
         {3948, 3923, -112, -148, 75, 69},
         24, 5},
        // Castled kings, no rights, White (Black mirrors it without the tempo):
        //   material 1800, rook adjustment +3 with three pawns;
        //   queen d1: c2 b3 a4, e2 f3 g4 h5, e1, f1 (own rook), c1 b1 a1, d2..d7 and the queen
        //     on d8: 19 squares, 5 / 10; square -5 / -8; tropism 2 x 4 / 4 x 4; the d8 queen is
        //     defended once (by f8): threat 25 / 33;
        //   rook f1: e1, d1 (own queen), g1 (own king): 3 squares, -8 / -16; square 2 / 0;
        //     tropism 2 x 6 / 6;
        //   pawns f2 g2 h2: phalanx 2 + 2 + 2 / 1 + 1 + 1, squares 5 - 5 - 15 / -1 + 1 + 3;
        //   king g1: 50 / -48, shield 6 weighted to 5, air -15 / -15;
        //   mobility -3 scaled to -2, -6 to -5; tropism 20 -> 3, 22 -> 4; tempo 5 / 10.
        {"3q1rk1/5ppp/8/8/8/8/5PPP/3Q1RK1 w - - 0 1",
         {1803 - 5 + 2 + 6 - 15 + 50 + 5 - 15 + 25 - 2 + 3 + 5,
          1803 - 8 + 0 + 3 + 3 - 48 - 15 + 33 - 5 + 4 + 10, -3, -6, 20, 22},
         {1857, 1770, -3, -6, 20, 22},
         12, 7},
        // Passed pawns, White to move:
        //   White a6: passed pct(80 x 100) = 79, endgame e = 160, closeness to e6 10,
        //     t = 1600 / 30 = 53, pct(107 x 100) = 106; isolated on a half-open file -20 / -20;
        //     2 moves against 4 king steps: unstoppable +350; square -15 / 3;
        //   Black h5: passed 29, endgame e = 60, closeness to d3 8, t = 16, pct(4400) = 43;
        //     isolated -20 / -20; 4 + 1 moves against 4 king steps; square -15 / 3;
        //   kings d3 and e6: -20 / 12 each, no shield pawn: -107; no wing table (pawns on
        //     both wings); tempo 5 / 10 for White.
        {"8/8/P3k3/7p/8/3K4/8/8 w - - 0 1",
         {100 + 79 - 20 + 350 - 15 - 20 - 107 + 5, 100 + 106 - 20 + 350 + 3 + 12 + 10, 0, 0,
          0, 0},
         {100 + 29 - 20 - 15 - 20 - 107, 100 + 43 - 20 + 3 + 12, 0, 0, 0, 0},
         0, 561 - 138},
    };
    for (const auto &c : casos) {
        Cargar(c.fen);
        EXPECT_EQ(Evaluar(), c.valor) << c.fen;
        EXPECT_EQ(TableroGlobal.Fase, c.fase) << c.fen;
        Comprobar(Blancas, c.blancas, c.fen, "White");
        Comprobar(Negras, c.negras, c.fen, "Black");
    }
}

}  // namespace
