// Colour symmetry: a position and its colour mirror evaluate alike for the side to move, and
// every term scores one colour as it scores the mirrored position for the other.
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "eval/eval_test_util.h"

using namespace eval_test;

namespace {

// Accepted asymmetries: none. Every term is written for White and mirrored rank for rank for
// Black, the scan's one-pass reads depend on the file only, and truncation goes toward zero.

// The first four fields of every paso-th line of an EPD file, with clocks appended.
std::vector<std::string> LeerEpd(const std::string &ruta, int paso) {
    std::vector<std::string> fens;
    std::ifstream f(ruta);
    std::string linea, a, b, c, d;
    for (int n = 0; std::getline(f, linea); n++) {
        std::istringstream in(linea);
        if (n % paso == 0 && in >> a >> b >> c >> d)
            fens.push_back(a + " " + b + " " + c + " " + d + " 0 1");
    }
    return fens;
}

// White's record of a position against Black's record of its mirror, or the reverse.
void CompararLados(const Tipo_Lado &x, const Tipo_Lado &y, const std::string &fen) {
    ASSERT_EQ(x.Movilidad_Apertura, y.Movilidad_Apertura) << fen;
    ASSERT_EQ(x.Movilidad_Final, y.Movilidad_Final) << fen;
    ASSERT_EQ(x.Tropismo_Apertura, y.Tropismo_Apertura) << fen;
    ASSERT_EQ(x.Tropismo_Final, y.Tropismo_Final) << fen;
    ASSERT_EQ(x.Ataque_Rey, y.Ataque_Rey) << fen;
    ASSERT_EQ(x.Atacantes_Rey, y.Atacantes_Rey) << fen;
    ASSERT_EQ(x.Num_Amenazas_Peon, y.Num_Amenazas_Peon) << fen;
    ASSERT_EQ(x.Num_Objetivos_Dama, y.Num_Objetivos_Dama) << fen;
    for (int s = 0; s < 64; s++)
        ASSERT_EQ(x.Defensa_Casilla[s], y.Defensa_Casilla[s ^ 56]) << fen << " square " << s;
    for (int f = 0; f < 8; f++)
        for (int k = 0; k < 5; k++) {
            const int32_t c = y.Lista_Peones[f][k];
            ASSERT_EQ(x.Lista_Peones[f][k], c < 0 ? c : c ^ 56) << fen << " file " << f;
        }
    ASSERT_EQ(x.Puntos_Apertura, y.Puntos_Apertura) << fen;
    ASSERT_EQ(x.Puntos_Final, y.Puntos_Final) << fen;
}

TEST(EspejoEvaluacion, MirroredPositionsScoreTheSameForTheSideToMove) {
    SinCache sin_cache;
    const std::string dir = VANTOR_SHARED_DIR;
    std::vector<std::string> fens = LeerEpd(dir + "/testsuites/wac.epd", 1);
    for (const auto &f : LeerEpd(dir + "/openings/8moves_v3_3000.epd", 15)) fens.push_back(f);
    for (const auto &f : LeerEpd(dir + "/testsuites/bratko-kopec.epd", 1)) fens.push_back(f);
    ASSERT_GT(fens.size(), 400u) << "test suites not found under " << dir;
    for (const std::string &fen : fens) {
        Cargar(fen.c_str());
        const int32_t v = Evaluar();
        const Tipo_Lado b = Blancas, n = Negras;
        const std::string espejo = EspejoFen(fen);
        Cargar(espejo.c_str());
        const int32_t w = Evaluar();
        // The records first: they tell which side and which field went wrong.
        CompararLados(b, Negras, fen);
        CompararLados(n, Blancas, fen);
        ASSERT_EQ(v, w) << fen << " against " << espejo;
    }
}

// Every term after the scan, in the driver's order, bypassing the endgame gate.
void Terminos(const std::string &fen) {
    Escanear(fen.c_str());
    for (auto f : {PatronesApertura, EvaluarPeonesB, EvaluarPeonesN, EvaluarTorreB,
                   EvaluarTorreN, EvaluarReyB, EvaluarReyN, EvaluarReyFinal, IslasPeones,
                   AmenazasPeonB, AmenazasCaballoB, PatronesCaballoB, AmenazasPeonN,
                   AmenazasCaballoN, PatronesCaballoN, AmenazasAlfilB, PatronesAlfilB,
                   AmenazasAlfilN, PatronesAlfilN, AmenazasTorreB, AmenazasTorreN, AmenazasDamaB,
                   AmenazasDamaN, AmenazasReyB, AmenazasReyN})
        f();
}

TEST(EspejoEvaluacion, EveryTermMirrorsOnSmallPositionsThatTheGateWouldCut) {
    for (const char *fen :
         {"6k1/RR5p/8/8/8/7p/6pR/6K1 w - - 0 1", "k7/8/2p5/1pPP4/8/8/8/K6r b - - 0 1",
          "4k3/8/8/8/7Q/8/8/r3R1K1 w - - 0 1", "7k/P7/8/8/8/8/8/K7 b - - 0 1",
          "6k1/1B6/4p3/3n4/2P1P3/8/8/6K1 w - - 0 1", "6kr/4n3/5N2/8/8/8/8/6K1 w - - 0 1",
          "r3k2r/8/8/8/8/8/8/R4K1R w kq - 0 1", "4k3/B1p5/1p6/8/8/8/5p1B/B1B1K3 w - - 0 1",
          "8/r3Q2k/8/1n6/8/8/8/R3K3 b - - 0 1", "Nb1qk3/p1p5/8/8/8/8/8/4K3 w - - 0 1",
          "4k3/8/4p3/3pNp2/3P4/8/8/4K3 w - - 0 1"}) {
        Terminos(fen);
        const Tipo_Lado b = Blancas, n = Negras;
        Terminos(EspejoFen(fen));
        CompararLados(b, Negras, fen);
        CompararLados(n, Blancas, fen);
    }
}

}  // namespace
