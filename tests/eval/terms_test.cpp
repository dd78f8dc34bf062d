// The evaluation terms on small hand-built positions, and whole evaluations term by term.
#include <array>
#include <string>
#include <vector>

#include "support/eval.h"

using namespace eval_test;

namespace {

TEST(EstructuraPeones, EstructurasHechasAManoTerminoATermino) {
    ComprobarTerminos(
        {EvaluarPeonesB, EvaluarPeonesN},
        {// e6 blocked by a knight: passed at 80 percent, isolated, square, centre; endgame
         // closeness to the king t = 8 x 160 / 30. Elsewhere, or an own piece: 100 percent.
         {"k7/4n3/4P3/8/8/8/8/6K1 w - - 0 1", {63, 71, 0, 0}},
         {"kn6/8/4P3/8/8/8/8/6K1 w - - 0 1", {79, 94, 0, 0}},
         {"k6r/4N3/4P3/8/8/8/8/6K1 w - - 0 1", {79, 94, 0, 0}},
         // a7 out of the king's reach +400, unless an enemy piece is left.
         {"7k/P7/8/8/8/8/8/K7 b - - 0 1", {494, 590, 0, 0}},
         {"7k/P7/8/8/8/8/8/K6n b - - 0 1", {94, 190, 0, 0}},
         // a5 against a king on e8: 3 moves beat 4 king steps only with White to move.
         {"4k3/8/8/P7/8/8/8/K7 w - - 0 1", {300 + 14, 300 + 59, 0, 0}},
         {"4k3/8/8/P7/8/8/8/K7 b - - 0 1", {14, 59, 0, 0}},
         // e3 passed, e2 doubled and never passed, both isolated.
         {"4k3/8/8/8/8/4P3/4P3/4K3 w - - 0 1", {-4 - 27, -7 - 47, 0, 0}},
         // Isolated on closed files; c3 backward on a half-open file, d4 e4 phalanx only.
         {"k7/p7/8/8/8/8/P7/K7 w - - 0 1", {-25, -17, -25, -17}},
         {"6k1/8/8/3pp3/3PP3/2P5/8/6K1 w - - 0 1", {-12 + 56, -9, 56, 0}},
         {"4k3/8/8/3p4/3P4/2P5/8/4K3 w - - 0 1", {6, -10, 5, -23}},
         // d5 blocked by d6 beside e5: candidate a third of 50 / 100; an enemy pawn beyond the
         // partner, on the other side, or a second blocker undoes it.
         {"k7/8/3p4/3PP3/8/8/8/K6r w - - 0 1", {51 + 35, 34 + 1, -5, -23}},
         {"k7/5p2/3p4/3PP3/8/8/8/K6r w - - 0 1", {51 + 35 - 16, 34 + 1 - 33, -20, -44}},
         {"k7/2p5/3p4/3PP3/8/8/8/K6r w - - 0 1", {51 + 35 - 16, 34 + 1 - 33, -6, -11}},
         {"k7/3p4/3p4/3PP3/8/8/8/K6r w - - 0 1", {51 + 35 - 16, 34 + 1 - 33, -22, -70}}});
}

TEST(EvaluacionTorres, ColumnasSeptimaFilaYTrampasTerminoATermino) {
    ComprobarTerminos(
        {EvaluarTorreB, EvaluarTorreN},
        {// e1 4 / 0; e5 defended +5, loose +7, seen through an own knight; own pawn: none.
         {"4k3/8/3p4/4p3/8/8/8/4R1K1 w - - 0 1", {9, 5, 0, 0}},
         {"4k3/8/2p5/4p3/8/8/8/4R1K1 w - - 0 1", {11, 7, 0, 0}},
         {"4k3/8/3p4/4p3/8/8/4P3/4R1K1 w - - 0 1", {4, 0, 0, 0}},
         // An enemy queen up the open file: +5 and +14.
         {"4k3/8/8/4q3/8/8/8/4R1K1 w - - 0 1", {23, 19, 0, 0}},
         // a7 b7 -4 -2, open files 14 each, seventh 16 / 32 each and 8 / 16 once.
         {"6k1/RR6/8/8/8/8/8/6K1 w - - 0 1", {-6 + 28 + 32 + 8, 28 + 64 + 16, 0, 0}},
         {"8/RR4k1/8/8/8/8/8/6K1 w - - 0 1", {-6 + 28, 28, 0, 0}},
         {"8/RR5p/6k1/8/8/8/8/6K1 w - - 0 1", {-6 + 28 + 32 + 8, 28 + 64 + 16, 0, 0}},
         // h2 behind h3 g2: -4, +7 for the loose h3, trapped -180, by a bishop -100.
         {"6k1/8/8/8/8/7p/6pR/6K1 w - - 0 1", {-177, -173, 0, 0}},
         {"6k1/8/8/8/8/7p/6bR/6K1 w - - 0 1", {-97, -93, 0, 0}},
         {"6k1/8/8/8/8/8/6pR/6K1 w - - 0 1", {10, 14, 0, 0}}});
}

TEST(EvaluacionTorres, JaqueConCapturaSeguraSumaUnidadesSoloConDama) {
    const struct { const char *fen; int32_t unidades; } casos[] = {
        {"4k3/8/8/8/8/8/8/3R2K1 w - - 0 1", 18},  // d7 and d8, 9 each
        // Re1 checks (e7, e8, the king) and attacks the loose a1 rook, whoever is to move.
        {"4k3/8/8/8/7Q/8/8/r3R1K1 w - - 0 1", 27 + 24},
        {"4k3/8/8/8/7Q/8/8/r3R1K1 b - - 0 1", 27 + 24},
        {"4k3/8/8/8/8/8/8/r3R1K1 w - - 0 1", 27},              // no queen, no trial
        {"4k3/8/8/8/8/2Q5/1b6/n3R1K1 w - - 0 1", 27},          // Rxa1 loses the rook
    };
    for (const auto &c : casos)
        for (bool espejo : {false, true}) {
            const Tipo_Lado &lado = Escanear(c.fen, espejo);
            const Tipo_Tablero antes = TableroGlobal;
            const int32_t ataque = lado.Ataque_Rey;
            (espejo ? EvaluarTorreN : EvaluarTorreB)();
            ComprobarIntacto(antes, c.fen);
            EXPECT_EQ(lado.Ataque_Rey - ataque, c.unidades) << c.fen << " mirror " << espejo;
        }
    EXPECT_EQ(Negras.Atacantes_Rey, 1);
}

TEST(PatronesPosicionales, PatronesDeAperturaCuentanSoloEnLaApertura) {
    ComprobarTerminos({PatronesApertura},
                      {{"4k3/8/8/8/8/3P4/3P4/2B1K3 w - - 0 1", {-70, 0, 0, 0}},  // d2 blocked, c1 home
                       {"4k3/8/8/8/8/3P4/3P4/4K3 w - - 0 1", {-20, 0, 0, 0}},
                       {"4k3/8/8/8/8/4n3/4P3/4KB2 w - - 0 1", {-70, 0, 0, 0}},   // by any piece
                       {"4k3/8/8/8/3P4/2N5/2P5/4K3 w - - 0 1", {-20, 0, 0, 0}},  // Nc3 before c2
                       {"4k3/8/8/8/3PP3/2N5/2P5/4K3 w - - 0 1", {0, 0, 0, 0}},
                       {"4k3/8/8/8/3P1B2/6B1/8/4K3 w - - 0 1", {10, 0, 0, 0}},   // bishops, once
                       {"4k3/8/8/1B6/2B1P3/8/8/4K3 w - - 0 1", {10, 0, 0, 0}}});
}

TEST(PatronesPosicionales, IslasDePeonesCuestanTresPorIslaDeDiferencia) {
    ComprobarTerminos({IslasPeones},
                      {{"4k3/pppppppp/8/8/8/8/PP1PP1PP/4K3 w - - 0 1", {-6, -6, 6, 6}},  // 3 v 1
                       {"4k3/pp1pp1pp/8/8/8/8/PPPPPPPP/4K3 w - - 0 1", {6, 6, -6, -6}},
                       {"4k3/8/8/8/8/8/P1P4P/4K3 w - - 0 1", {-9, -9, 9, 9}}});
}

TEST(PatronesPosicionales, PuestosDeCaballoYTrampasEnLasEsquinas) {
    ComprobarTerminos(
        {PatronesCaballoB, PatronesCaballoN},
        {// e5 hole, one defender 9 x 2.5, two 9 x 3.0; elsewhere 9 x 1.0, none or attacked 0.
         {"4k3/8/4p3/3pNp2/3P4/8/8/4K3 w - - 0 1", {22, 22, 0, 0}},
         {"4k3/8/4p3/3pNp2/3P1P2/8/8/4K3 w - - 0 1", {27, 27, 0, 0}},
         {"4k3/8/8/4N3/3P4/8/8/4K3 w - - 0 1", {9, 9, 0, 0}},
         {"4k3/8/8/4N3/8/8/8/4K3 w - - 0 1", {0, 0, 0, 0}},
         {"4k3/8/2p5/3N4/2P5/8/8/4K3 w - - 0 1", {0, 0, 0, 0}},
         // One pawn beside with the other file empty: 9 x 1.5; behind an own pawn +5.
         {"4k3/8/4p3/4Np2/8/8/8/4K3 w - - 0 1", {13, 13, 0, 0}},
         {"4k3/3p4/4p3/4Np2/8/8/8/4K3 w - - 0 1", {0, 0, 0, 0}},
         {"4k3/8/4p3/3pN3/8/8/8/4K3 w - - 0 1", {13, 13, 0, 0}},
         {"4k3/5p2/4p3/3pN3/8/8/8/4K3 w - - 0 1", {0, 0, 0, 0}},
         {"4k3/8/8/8/3P4/3N4/8/4K3 w - - 0 1", {5, 5, 0, 0}},
         {"4k3/8/8/3p4/3PnP2/4P3/8/4K3 b - - 0 1", {0, 0, 22, 22}},
         // a8: a7, c7 defended twice, or c7 once; h7: g7 with h6 and f6.
         {"Nb1qk3/p1p5/8/8/8/8/8/4K3 w - - 0 1", {-200, -200, 0, 0}},
         {"Nb2k3/p1p5/8/8/8/8/8/4K3 w - - 0 1", {-50, -50, 0, 0}},
         {"4k3/6pN/5p1p/8/8/8/8/4K3 w - - 0 1", {-300, -300, 0, 0}},
         {"4k3/8/8/8/8/5P1P/6Pn/4K3 b - - 0 1", {0, 0, -300, -300}}});
}

TEST(PatronesPosicionales, ColorDePeonesDelAlfilYFianchettoPorAlfil) {
    // b2 with c3 13, blocked -10 / -20; e2 (12 + 4) tests b2 again; fianchetto g2 +4, enemy
    // e4 backed by d5 -20, colour 12 + 2.
    ComprobarTerminos({PatronesAlfilB, PatronesAlfilN},
                      {{"4k3/8/8/8/8/2P5/1B6/4K3 w - - 0 1", {3, -7, 0, 0}},
                       {"4k3/8/8/8/8/2P5/1B2B3/4K3 w - - 0 1", {9, -11, 0, 0}},
                       {"4k3/1b2b3/2p5/8/8/8/8/4K3 w - - 0 1", {0, 0, 9, -11}},
                       {"4k3/8/8/3p4/4p3/6P1/6BP/4K3 w - - 0 1", {-2, -2, 0, 0}}});
}

TEST(SeguridadRey, EscudoAireYTorresEncerradasTerminoATermino) {
    // Black's e8 without pawns: table 10 / -24, shield -36 x 3 weighted to -107.
    const int32_t e8 = 10 - 107, e8_eg = -24;
    ComprobarTerminos(
        {EvaluarReyB, EvaluarReyN},
        {// g1: 50 / -48, shield 6 to 5, air -15; e1: 3; f2 g3 h2: 2 - 11 + 2 to -6, no air.
         {"4k3/8/8/8/8/8/5PPP/6K1 w - - 0 1", {50 + 5 - 15, -48 - 15, e8, e8_eg}},
         {"4k3/8/8/8/8/8/3PPP2/4K3 w - - 0 1", {10 + 3, -24, e8, e8_eg}},
         {"4k3/8/8/8/8/6P1/5P1P/6K1 w - - 0 1", {50 - 6, -48, e8, e8_eg}},
         // h1, a1: 40 / -72, shield -32 to -31, air; g1 with g2 h2: no air.
         {"4k3/8/8/8/8/8/6PP/7K w - - 0 1", {40 - 31 - 15, -72 - 15, e8, e8_eg}},
         {"4k3/8/8/8/8/8/6PP/6K1 w - - 0 1", {50 - 31, -48, e8, e8_eg}},
         // Shut-in rooks -50: e1 exempt, f1 h1, none with a right, b1 once, c1 twice, g8 h8.
         {"4k3/8/8/8/8/8/8/R3K2R w - - 0 1", {e8, e8_eg, e8, e8_eg}},
         {"4k3/8/8/8/8/8/8/5K1R w - - 0 1", {30 - 107 - 50, -36, e8, e8_eg}},
         {"4k3/8/8/8/8/8/8/5K1R w K - 0 1", {30 - 107, -36, e8, e8_eg}},
         {"4k3/8/8/8/8/8/1R6/RK6 w - - 0 1", {50 - 107 - 50, -48, e8, e8_eg}},
         {"4k3/8/8/8/8/8/8/RRK5 w - - 0 1", {30 - 107 - 100, -36, e8, e8_eg}},
         {"6kr/8/8/8/8/8/8/4K3 w - - 0 1", {e8, e8_eg, 50 - 107 - 50, -48}},
         // a3: files a and b only, a2 alone -33, with b2 3; none on the enemy's first rank.
         {"4k3/8/8/8/8/K7/P7/8 w - - 0 1", {-23, -36, e8, e8_eg}},
         {"4k3/8/8/8/8/K7/PP6/8 w - - 0 1", {-23 + 36, -36, e8, e8_eg}},
         {"K7/8/8/8/8/8/PP6/4k3 w - - 0 1", {-40, -72, -70, -24}}});
}

TEST(SeguridadRey, TablasDeFinalSegunLosFlancosConPeones) {
    ComprobarTerminos({EvaluarReyFinal},
                      {{"6k1/p7/8/8/8/8/7P/1K6 w - - 0 1", {0, 0, 0, 0}},          // both wings
                       {"1k6/8/8/3p4/4P3/8/8/6K1 w - - 0 1", {-20, -20, -20, -20}},  // d and e
                       {"1k6/p7/8/8/8/8/8/6K1 w - - 0 1", {-20, -20, 0, 0}},     // queen side
                       {"k7/8/8/8/8/8/6P1/7K w - - 0 1", {0, 0, -30, -30}},      // king side
                       {"1k6/8/8/8/8/8/8/6K1 w - - 0 1", {0, 0, 0, 0}}});        // no pawns
}

TEST(AmenazasPiezas, PiezaDefendidaUnaVezCuentaUnaVezYPeonesPorPeon) {
    const Caso casos[] = {
        // c6 knight defended once, attacked by bishop and rook: once; undefended or defended
        // twice: nothing; d5 hit by two pawns: twice, the b7 bishop finds it used up; the f2
        // rook by the king; a checked king nothing.
        {"6k1/1p6/2n5/8/B7/8/8/2R3K1 w - - 0 1", {15, 23, 0, 0}},
        {"6k1/1p6/2n5/8/8/8/8/2R3K1 w - - 0 1", {15, 23, 0, 0}},
        {"6k1/8/2n5/8/B7/8/8/2R3K1 w - - 0 1", {0, 0, 0, 0}},
        {"6k1/1p1p4/2n5/8/B7/8/8/2R3K1 w - - 0 1", {0, 0, 0, 0}},
        {"6k1/1B6/4p3/3n4/2P1P3/8/8/6K1 w - - 0 1", {30, 46, 0, 0}},
        {"6k1/8/8/8/7b/8/5r2/6K1 w - - 0 1", {17, 25, 0, 0}},
        {"6kr/8/5N2/8/8/8/8/6K1 w - - 0 1", {0, 0, 0, 0}},
        {"6kr/4n3/5N2/8/8/8/8/6K1 w - - 0 1", {0, 0, 0, 0}},
    };
    // The threat terms after those that fill the defence counts, in the driver's order.
    const auto amenazas = [](const std::string &fen) {
        Delta(fen.c_str(), {EvaluarTorreB, EvaluarTorreN, EvaluarReyB, EvaluarReyN});
        return Delta(nullptr, {AmenazasPeonB, AmenazasCaballoB, AmenazasPeonN, AmenazasCaballoN,
                               AmenazasAlfilB, AmenazasAlfilN, AmenazasTorreB, AmenazasTorreN,
                               AmenazasDamaB, AmenazasDamaN, AmenazasReyB, AmenazasReyN});
    };
    for (const Caso &c : casos) {
        const Puntos e = amenazas(EspejoFen(c.fen));
        EXPECT_EQ((Puntos{e.op_n, e.eg_n, e.op_b, e.eg_b}), c.p) << "mirror of " << c.fen;
        EXPECT_EQ(amenazas(c.fen), c.p) << c.fen;
        if (c.fen[2] == 'r' || &c == casos) {
            EXPECT_EQ(Negras.Defensa_Casilla[&c == casos ? 18 : 6], -1) << c.fen;  // used up
        }
    }
}

std::vector<int32_t> Lista(const int32_t *p, int32_t n) { return {p, p + n}; }

// A side's scores, mobility, endgame tropism and king-attack units after the scan.
using Registro = std::vector<int32_t>;
Registro RegistroDe(const Tipo_Lado &b) {
    return {b.Puntos_Apertura, b.Puntos_Final, b.Movilidad_Apertura, b.Movilidad_Final,
            b.Tropismo_Final, b.Ataque_Rey};
}

TEST(EvaluacionPiezas, ExploracionPuntuaCasillasMovilidadYPatronesDeMenoresYDama) {
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
    for (const auto &c : casos)
        for (bool espejo : {false, true})
            EXPECT_EQ(RegistroDe(Escanear(c.fen, espejo)), c.r) << c.fen << " mirror " << espejo;
    Escanear("4k3/8/5N2/8/8/8/8/4K3 w - - 0 1");
    EXPECT_EQ((Registro{Blancas.Atacantes_Rey, Blancas.Num_Objetivos_Caballo}), (Registro{1, 1}));
    // a1 sees c1 to its right: c1's own square value (-16, it reaches g5) and 4 for a1; the
    // same for a8 and c8 on the mirror.
    const auto apertura = [](const char *fen, bool e) { return Escanear(fen, e).Puntos_Apertura; };
    for (bool e : {false, true})
        EXPECT_EQ(apertura("4k3/8/8/8/8/8/8/B1B1K2B w - - 0 1", e) -
                      apertura("4k3/8/8/8/8/8/8/B3K2B w - - 0 1", e), -16 + 4) << e;
}

TEST(EvaluacionPiezas, AtaquesObjetivosYDefensaSiguenLosRayosSinDarLaVuelta) {
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
// the exchange against the queen; the position comes back intact. Each also on its mirror.
TEST(EvaluacionPiezas, JaqueDeDamaQueGanaPiezaSumaTreintaYSeisUnidadesYRestaura) {
    const struct { const char *fen; int32_t unidades; } casos[] = {
        {"8/r3Q2k/8/8/8/8/8/4K3 b - - 0 1", 42 + 36},  // e7 checks along the rank, hits a7
        {"8/r3Q2k/8/8/8/8/8/4K3 w - - 0 1", 42 + 36},
        {"4k3/8/8/8/8/8/R2q3K/8 w - - 0 1", 42 + 36},
        {"8/r3Q2k/8/1n6/8/8/8/R3K3 b - - 0 1", 42}};  // Nb5xQ, Ra1xN
    for (const auto &c : casos)
        for (const std::string &fen : {std::string(c.fen), EspejoFen(c.fen)})
            for (int32_t lleno : {0, 1}) {
                Cargar(fen.c_str());
                if (lleno) TableroGlobal.Indice_Deshacer = MAX_DESHACER - 1;
                const Tipo_Tablero antes = TableroGlobal;
                const int32_t torres = Blancas.Num_Torres + Negras.Num_Torres;
                EvaluarPiezasTableroJuego();
                ComprobarIntacto(antes, fen.c_str());
                EXPECT_EQ(Blancas.Num_Torres + Negras.Num_Torres, torres) << fen;
                EXPECT_EQ(Salir, 0) << fen;
                const Tipo_Lado &dama = Blancas.Num_Damas ? Blancas : Negras;
                EXPECT_EQ(dama.Ataque_Rey, lleno ? 42 : c.unidades) << fen;
            }
}

using Lado = std::array<int32_t, 6>;  // opening, endgame, mobility and tropism of each
Lado Campos(const Tipo_Lado &l) {
    return {l.Puntos_Apertura, l.Puntos_Final, l.Movilidad_Apertura, l.Movilidad_Final,
            l.Tropismo_Apertura, l.Tropismo_Final};
}

TEST(EvaluacionCompleta, PosicionesCalculadasAManoCoincidenTerminoATermino) {
    CacheDePrueba sin_cache(0);
    const struct { const char *fen; Lado blancas, negras; int32_t fase, valor; } casos[] = {
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
        EXPECT_EQ(Campos(Blancas), c.blancas) << "White " << c.fen;
        EXPECT_EQ(Campos(Negras), c.negras) << "Black " << c.fen;
    }
}

}  // namespace
