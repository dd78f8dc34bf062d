// The board scan: square values, mobility, tropism, king attack and the bookkeeping fields.
#include <vector>

#include "eval/eval_test_util.h"

using namespace eval_test;

namespace {

std::vector<int32_t> Lista(const int32_t *p, int32_t n) { return {p, p + n}; }

// White's scores, mobility, endgame tropism and king-attack units after the scan.
using Registro = std::vector<int32_t>;
Registro Blanco() {
    const Tipo_Lado &b = Blancas;
    return {b.Puntos_Apertura, b.Puntos_Final, b.Movilidad_Apertura, b.Movilidad_Final,
            b.Tropismo_Final, b.Ataque_Rey};
}

TEST(EvaluacionPiezas, ScanScoresSquaresMobilityAndPatternsOfTheMinorsAndTheQueen) {
    const struct { const char *fen; Registro r; } casos[] = {
        // d4 knight: 4 free squares worth 0, b5 f5 in the enemy half, square 15 / 10.
        {"4k3/pppppppp/8/8/3N4/8/2P1P3/4K3 w - - 0 1", {15, 10, 0, 0, 27, 0}},
        // c1 behind b2 and d2: no square -30, square -16 / -10, -5 for the enemy half.
        {"4k3/8/8/8/8/8/1P1P4/2B1K3 w - - 0 1", {-21, -15, -30, -30, 5, 0}},
        // A knight giving check: 6 + 4 for the king and 6 for d7 beside it.
        {"4k3/8/5N2/8/8/8/8/4K3 w - - 0 1", {15, 0, 16, 16, 33, 16}},
        // Bishops: h7 shut in behind f7 g6, a6 behind c6 b5, h7 free; c1 sees c5.
        {"4k3/5p1B/6p1/8/8/8/8/4K3 w - - 0 1", {-5 - 150, -20 - 150, -25, -25, 10, 0}},
        {"4k3/8/B1p5/1p6/8/8/8/4K3 w - - 0 1", {-5 - 50, -10 - 50, -20, -20, 8, 0}},
        {"4k3/5p1B/8/8/8/8/8/4K3 w - - 0 1", {-5, -20, 0, 0, 10, 0}},
        {"4k3/8/8/2B5/8/8/8/2B1K3 w - - 0 1", {5 - 16 + 4, 20 - 10 + 4, 30, 30, 14, 12}},
        // d4 queen: 27 squares, d7 d8 in the king zone; seventh rank +4 (king or pawn ahead).
        {"4k3/8/8/8/3Q4/8/8/4K3 w - - 0 1", {0, 8, 13, 26, 36, 30}},
        {"4k3/Q7/8/8/8/8/8/4K3 w - - 0 1", {4, -8, 7, 14, 36, 45}},
        {"8/p6Q/4k3/8/8/8/8/4K3 w - - 0 1", {4, -8, 7, 14, 40, 60}},
        {"8/Q6p/4k3/8/8/8/8/4K3 w - - 0 1", {0, -16, 7, 14, 36, 45}},
    };
    for (const auto &c : casos) {
        Escanear(c.fen);
        EXPECT_EQ(Blanco(), c.r) << c.fen;
    }
    Escanear("2b1k3/1p1p4/8/8/8/8/8/4K3 b - - 0 1");  // c8 reads the Black half
    EXPECT_EQ((Registro{Negras.Puntos_Apertura, Negras.Puntos_Final, Negras.Movilidad_Apertura}),
              (Registro{-21, -15, -30}));
    Escanear("4k3/8/5N2/8/8/8/8/4K3 w - - 0 1");
    EXPECT_EQ((Registro{Blancas.Atacantes_Rey, Blancas.Num_Objetivos_Caballo}), (Registro{1, 1}));
    // a1 sees c1 to its right: c1's own square value (-16, it reaches g5) and 4 for a1.
    Escanear("4k3/8/8/8/8/8/8/B1B1K2B w - - 0 1");
    const int32_t con = Blancas.Puntos_Apertura;
    Escanear("4k3/8/8/8/8/8/8/B3K2B w - - 0 1");
    EXPECT_EQ(con - Blancas.Puntos_Apertura, -16 + 4);
}

TEST(EvaluacionPiezas, AttacksTargetsAndDefenceFollowTheRaysWithoutWrapping) {
    Escanear("8/8/8/3n1k2/4P3/N1N5/1P6/4K3 w - - 0 1");
    EXPECT_EQ(Lista(Blancas.Amenazas_Peon, Blancas.Num_Amenazas_Peon), (std::vector{27, 29}));
    EXPECT_EQ(Blancas.Defensa_Casilla[40], 0);
    // The first enemy man of each ray, bishop -7 -9 +7 +9, queen -9 +9 -7 +7 +1 -1 +8 -8.
    Escanear("7k/3p4/1n3n2/8/b2B2r1/4b3/Kr6/3q4 w - - 0 1");
    EXPECT_EQ(Lista(Blancas.Objetivos_Alfil, Blancas.Num_Objetivos_Alfil),
              (std::vector{21, 17, 49, 44}));
    Escanear("7k/3p4/1n3n2/8/b2Q2r1/4b3/Kr6/3q4 w - - 0 1");
    EXPECT_EQ(Lista(Blancas.Objetivos_Dama, Blancas.Num_Objetivos_Dama),
              (std::vector{17, 44, 21, 49, 38, 32, 59, 11}));
    // Pawn threats pawn by pawn, a-file side first, repeats kept, sixteen at most, no wrap.
    Escanear("r1r1k3/1P1P4/8/8/nnnnnnnn/PPPPPPPP/8/7K w - - 0 1");
    EXPECT_EQ(Lista(Blancas.Amenazas_Peon, Blancas.Num_Amenazas_Peon),
              (std::vector{0, 2, 2, 4, 33, 32, 34, 33, 35, 34, 36, 35, 37, 36, 38, 37}));
    EXPECT_EQ(Blancas.Defensa_Casilla[40], -1);
}

// A queen check winning a loose piece safely adds 36 units, not with the undo stack full or
// the exchange against the queen; the position comes back intact.
TEST(EvaluacionPiezas, QueenCheckWinningAPieceAddsThirtySixUnitsAndRestoresThePosition) {
    const struct { const char *fen; int32_t unidades; } casos[] = {
        {"8/r3Q2k/8/8/8/8/8/4K3 b - - 0 1", 42 + 36},  // e7 checks along the rank, hits a7
        {"8/r3Q2k/8/8/8/8/8/4K3 w - - 0 1", 42 + 36},
        {"4k3/8/8/8/8/8/R2q3K/8 w - - 0 1", 42 + 36},
        {"8/r3Q2k/8/1n6/8/8/8/R3K3 b - - 0 1", 42}};  // Nb5xQ, Ra1xN
    for (const auto &c : casos)
        for (int32_t lleno : {0, 1}) {
            Cargar(c.fen);
            if (lleno) TableroGlobal.Indice_Deshacer = MAX_DESHACER - 1;
            const Tipo_Tablero antes = TableroGlobal;
            const int32_t torres = Blancas.Num_Torres + Negras.Num_Torres;
            EvaluarPiezasTableroJuego();
            ComprobarIntacto(antes, c.fen);
            EXPECT_EQ(Blancas.Num_Torres + Negras.Num_Torres, torres) << c.fen;
            EXPECT_EQ(Salir, 0) << c.fen;
            const Tipo_Lado &dama = Blancas.Num_Damas ? Blancas : Negras;
            EXPECT_EQ(dama.Ataque_Rey, lleno ? 42 : c.unidades) << c.fen;
        }
}

}  // namespace
