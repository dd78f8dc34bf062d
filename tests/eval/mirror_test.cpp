// Colour symmetry of the whole evaluation and of every term.
#include <array>
#include <string>
#include <vector>

#include "eval/eval_test_util.h"

using namespace eval_test;

namespace {

// White's record of a position against Black's record of its mirror, or the reverse.
void CompararLados(const Tipo_Lado &x, const Tipo_Lado &y, const std::string &fen) {
    auto campos = [](const Tipo_Lado &l) {
        return std::array{l.Movilidad_Apertura, l.Movilidad_Final, l.Tropismo_Apertura,
                          l.Tropismo_Final,     l.Ataque_Rey,      l.Atacantes_Rey,
                          l.Num_Amenazas_Peon,  l.Num_Objetivos_Dama, l.Puntos_Apertura,
                          l.Puntos_Final};
    };
    ASSERT_EQ(campos(x), campos(y)) << fen;
    for (int s = 0; s < 64; s++)
        ASSERT_EQ(x.Defensa_Casilla[s], y.Defensa_Casilla[s ^ 56]) << fen << " square " << s;
    for (int f = 0; f < 8; f++)
        for (int k = 0; k < 5; k++) {
            const int32_t c = y.Lista_Peones[f][k];
            ASSERT_EQ(x.Lista_Peones[f][k], c < 0 ? c : c ^ 56) << fen << " file " << f;
        }
}

// A position met on a random walk, with the castling states a FEN cannot carry.
struct Muestra { std::string fen; int32_t enroque_b, enroque_n; };

void CargarMuestra(const Muestra &m, bool espejo) {
    Cargar((espejo ? EspejoFen(m.fen) : m.fen).c_str());
    TableroGlobal.Enroque_Blancas = espejo ? m.enroque_n : m.enroque_b;
    TableroGlobal.Enroque_Negras = espejo ? m.enroque_b : m.enroque_n;
    TableroGlobal.Clave = CalcularClave();
}

TEST(EspejoEvaluacion, MirroredPositionsScoreTheSameForTheSideToMove) {
    CacheDePrueba sin_cache(0);
    // Openings with castling and en passant, promotion races, and small endings of the
    // material the endgame knowledge scales.
    std::vector<Muestra> muestras;
    PaseosAleatorios(
        {FEN_INICIAL, FEN_KIWIPETE, "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - -",
         "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1",
         "rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ - 1 8",
         "r3k2r/1P4P1/8/3pP3/8/8/1p4p1/R3K2R w KQkq d6 37 40",
         "r1bqkb1r/pppp1ppp/2n2n2/4p3/2B1P3/5N2/PPPP1PPP/RNBQK2R w KQkq - 4 4",
         "8/4k3/8/3np3/8/2B5/4K3/8 w - - 0 1", "6k1/8/8/8/3N4/8/2RK4/r7 b - - 0 1",
         "8/8/2k5/8/1p6/8/1K2NN2/8 w - - 0 1", "8/3k4/8/8/8/8/2BBK3/7r w - - 0 1",
         "8/2kq4/8/8/8/3Q4/2BK4/8 w - - 0 1", "8/8/4k3/3pp3/8/5N2/4K3/8 w - - 0 1",
         "4k3/P7/8/8/8/8/7p/4K3 w - - 0 1", "8/1k6/8/8/2PP4/8/5K2/8 b - - 0 1"},
        8, 40, 4242, [&](const char *, int ply) {
            const Tipo_Tablero &t = TableroGlobal;
            if (ply >= 0) muestras.push_back({FenActual(), t.Enroque_Blancas, t.Enroque_Negras});
        });
    ASSERT_GT(muestras.size(), 3000u);
    for (const Muestra &m : muestras) {
        CargarMuestra(m, false);
        const int32_t v = Evaluar();
        const Tipo_Lado b = Blancas, n = Negras;
        CargarMuestra(m, true);
        const int32_t w = Evaluar();
        // The records first: they tell which side and which field went wrong.
        CompararLados(b, Negras, m.fen);
        CompararLados(n, Blancas, m.fen);
        ASSERT_EQ(v, w) << m.fen << " against " << EspejoFen(m.fen);
    }
}

// Every term after the scan, in the driver's order, bypassing the endgame gate.
void Terminos(const std::string &fen) {
    Delta(fen.c_str(),
          {PatronesApertura, EvaluarPeonesB, EvaluarPeonesN, EvaluarTorreB, EvaluarTorreN,
           EvaluarReyB, EvaluarReyN, EvaluarReyFinal, IslasPeones, AmenazasPeonB,
           AmenazasCaballoB, PatronesCaballoB, AmenazasPeonN, AmenazasCaballoN, PatronesCaballoN,
           AmenazasAlfilB, PatronesAlfilB, AmenazasAlfilN, PatronesAlfilN, AmenazasTorreB,
           AmenazasTorreN, AmenazasDamaB, AmenazasDamaN, AmenazasReyB, AmenazasReyN});
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
