// Whole evaluations of complete positions worked out by hand term by term, so that a wrong
// table entry or a lost term shows up in the side records.
#include <array>

#include "eval/eval_test_util.h"

using namespace eval_test;

namespace {

using Lado = std::array<int32_t, 6>;  // opening, endgame, mobility and tropism of each
Lado Registro(const Tipo_Lado &l) {
    return {l.Puntos_Apertura, l.Puntos_Final, l.Movilidad_Apertura, l.Movilidad_Final,
            l.Tropismo_Apertura, l.Tropismo_Final};
}

TEST(EvaluacionCompleta, HandWorkedPositionsMatchTermByTerm) {
    CacheDePrueba sin_cache(0);
    const struct {
        const char *fen;
        Lado blancas, negras;
        int32_t fase, valor;
    } casos[] = {
        // Material 4159 / 4169; knights and bishops at home, blocked queen and rooks: mobility
        // -112 / -148 scaled to -111 / -147; tropism 75 / 69 at 20 percent; White's tempo.
        {FEN_INICIAL, {3953, 3933, -112, -148, 75, 69}, {3948, 3923, -112, -148, 75, 69}, 24, 5},
        // Castled kings without rights: shield and air, the d8 queen threatened through the
        // d-file, the f1 rook shut in by queen and king.
        {"3q1rk1/5ppp/8/8/8/8/5PPP/3Q1RK1 w - - 0 1", {1862, 1780, -3, -6, 20, 22},
         {1857, 1770, -3, -6, 20, 22}, 12, 7},
        // Passed pawns: a6 unstoppable (+350), h5 caught; isolated, bare kings, no wing table.
        {"8/8/P3k3/7p/8/3K4/8/8 w - - 0 1", {372, 561, 0, 0, 0, 0}, {-33, 138, 0, 0, 0, 0}, 0,
         423},
    };
    for (const auto &c : casos) {
        Cargar(c.fen);
        EXPECT_EQ(Evaluar(), c.valor) << c.fen;
        EXPECT_EQ(TableroGlobal.Fase, c.fase) << c.fen;
        EXPECT_EQ(Registro(Blancas), c.blancas) << "White " << c.fen;
        EXPECT_EQ(Registro(Negras), c.negras) << "Black " << c.fen;
    }
}

}  // namespace
