// Endgame knowledge: drawish material factors, the lone-king mate and the specialised endings,
// each case checked on the position and on its colour mirror.
#include "endgame/endgame.h"
#include "eval/eval_test_util.h"

using namespace eval_test;

namespace {

int32_t Factor(const std::string &fen) {
    Escanear(fen.c_str());
    const Tipo_Lado &b = Blancas, &n = Negras;
    return FinalesReconocidos(b.Num_Peones, b.Num_Caballos, b.Num_Alfiles, b.Num_Torres,
                              b.Num_Damas, n.Num_Peones, n.Num_Caballos, n.Num_Alfiles,
                              n.Num_Torres, n.Num_Damas);
}

int32_t Especial(const std::string &fen) {
    Escanear(fen.c_str());
    return EvaluarFinalesDificiles();
}

TEST(FinalesReconocidos, OneConfigurationPerFactorRowForBothColours) {
    const struct {
        const char *fen;
        int32_t factor;
    } casos[] = {
        {"8/8/4k3/8/8/2NNK3/8/8 w - - 0 1", 0},      // two knights v bare king
        {"8/4b3/4k3/8/8/2NNK3/8/8 b - - 0 1", 0},    // two knights v bishop
        {"8/8/4k3/8/8/2BBK3/8/8 w - - 0 1", 100},    // bishops on both colours
        {"8/8/4k3/8/8/1B1BK3/8/8 w - - 0 1", 0},     // both on light squares
        {"8/3r4/4k3/8/8/2NRK3/8/8 w - - 0 1", 3},    // rook and knight v rook
        {"8/3b4/4k3/8/8/2NPK3/8/8 w - - 0 1", 5},    // pawn and knight v bishop
        {"8/3n4/4k3/8/8/2BPK3/8/8 w - - 0 1", 10},   // pawn and bishop v knight
        {"8/2bb4/4k3/8/8/2NPK3/8/8 w - - 0 1", 12},  // pawn and knight v two bishops
        {"8/2nb4/4k3/8/8/2N1K3/8/8 b - - 0 1", 15},  // knight and bishop v knight
        {"8/2bb4/4k3/8/8/2NNK3/8/8 w - - 0 1", 15},  // two minors v two minors
        {"8/2rr4/4k3/8/8/2NQK3/8/8 w - - 0 1", 25},  // two rooks v queen and knight
        {"8/2pp4/4k3/8/8/2N1K3/8/8 w - - 0 1", -1},  // two pawns v knight
        {"8/3r4/4k3/8/8/2BPK3/8/8 w - - 0 1", -10},  // rook v pawn and bishop
        {"8/3n4/4k3/8/8/2B1K3/8/8 w - - 0 1", 0},    // minor v minor
        {"8/8/4k3/8/8/3PK3/8/8 w - - 0 1", 100},     // pawn v bare king
        {"8/8/4k3/8/8/2NNK3/3P4/8 w - - 0 1", 100},  // three men
        {"8/3r4/4k3/8/8/2NNK3/8/8 w - - 0 1", 100},  // a pair not in the table
    };
    for (const auto &c : casos) {
        EXPECT_EQ(Factor(c.fen), c.factor) << c.fen;
        EXPECT_EQ(Factor(EspejoFen(c.fen)), c.factor) << EspejoFen(c.fen);
    }
}

TEST(FinalesReconocidos, TheDriverScalesByTheFactorAndANegativeOneTurnsTheSign) {
    // {white rooks, knights, pawns, black rooks, knights, pawns, score before, after}: an
    // exact multiple of 100 loses a point in the percent scaling; a factor of 0 (knight v
    // knight) leaves the score as it is here.
    const int32_t casos[][8] = {{1, 1, 0, 1, 0, 0, 300, 8}, {0, 0, 2, 0, 1, 0, 150, -1},
                                {0, 1, 0, 0, 1, 0, 150, 150}, {0, 0, 1, 0, 0, 0, 150, 150}};
    for (const auto &c : casos) {
        LimpiarPuntuacion(1);
        TableroGlobal.Fase = 0;
        TableroGlobal.Turno = 1;
        Blancas.Num_Torres = c[0], Blancas.Num_Caballos = c[1], Blancas.Num_Peones = c[2];
        Negras.Num_Torres = c[3], Negras.Num_Caballos = c[4], Negras.Num_Peones = c[5];
        const int32_t menor = c[1] - c[4];  // the imbalance of a minor piece more or less
        Blancas.Puntos_Final = c[6] - 10 - (menor > 0 ? 45 : menor < 0 ? -45 : 0);
        EXPECT_EQ(CerrarEvaluacion(), c[7]) << c[6];
    }
}

// Worked values of the specialised endings for the side to move; 32001 = no knowledge.
TEST(FinalesDificiles, EveryEvaluatorScoresItsWorkedPositionsAlikeForBothColours) {
    SinCache sin_cache;
    const struct {
        const char *fen;
        int32_t valor;
    } casos[] = {
        {"7k/8/5K2/8/8/8/8/3Q4 w - - 0 1", 1200},      // KXK: 1000 + 100 + 100
        {"7k/8/5K2/8/8/8/8/3Q4 b - - 0 1", -1200},
        {"7k/8/5K2/8/8/8/4P3/3R4 w - - 0 1", 800},     // a pawn beside the rook
        {"k7/8/2K5/8/8/8/8/3B1N2 w - - 0 1", 960},     // KBNK: 200 + 660 + 100
        {"8/8/8/8/8/5k2/8/3bn2K b - - 0 1", 960},
        {"7k/8/5K2/8/8/8/8/1q1Q4 w - - 0 1", 300},     // KQKQ: 100 + 100 + 100
        {"7k/8/5K2/8/8/8/8/1q1Q4 b - - 0 1", 220},     // the White king: 100 + 40 + 80
        {"7k/8/5K2/8/8/8/8/r2R4 b - - 0 1", 220},      // KRKR
        {"7k/8/5K2/8/8/8/8/r2Q4 w - - 0 1", 800},      // KQKR: 100 + 500 + 100 + 100
        {"7k/8/5K2/8/8/8/1b6/R1B5 b - - 0 1", -700},   // KRBKB: 100 + 500 + 100
        {"7b/8/8/4k3/8/2K5/8/RN6 w - - 0 1", 620},     // rook and knight: 20 + 500 + 100
        {"7k/8/5K2/8/8/8/8/2BBb3 w - - 0 1", -135},    // KBBKB: 100 - 335 + 100
        {"7k/8/8/4K3/8/8/8/2BBb3 w - - 0 1", 0},       // kings 3 apart
        {"7k/8/5K2/8/8/8/8/1RB4r w - - 0 1", 635},     // KRBKR: 100 + 335 + 100 + 100
        {"7k/8/5K2/8/8/8/8/1RB4r b - - 0 1", -635},
        {"7k/7n/5K2/8/8/8/8/2BB4 w - - 0 1", 540},     // KBBKN: 100 + 335 + 100 + 5
        {"7k/1b6/b4K2/8/8/8/8/2BB4 w - - 0 1", 390},   // KBBKBB: 100 + 100 + 90 + 100
        {"7k/8/5K2/8/8/8/R7/2b5 w - - 0 1", 300},      // KRKB, a dark corner: 100 + 200
        {"7k/8/5K2/8/8/8/R7/3b4 w - - 0 1", 0},        // the light bishop's safe corner
        {"4k3/3R3n/6K1/8/8/8/8/8 b - - 0 1", -250},    // KRKN: 70 + 100 + 80
        {"4k3/3R4/6K1/4n3/8/8/8/8 w - - 0 1", 0},      // a central knight
        {"7Q/8/8/8/4k3/p7/K7/8 w - - 0 1", 1060},      // queen v pawn, king in front
        {"7K/7Q/8/8/8/8/p7/4k3 w - - 0 1", -900},      // the pawn wins the race
        {"7K/8/8/8/8/8/1pk5/4R3 w - - 0 1", 0},        // rook v pawn next to its king
        {"7K/8/8/8/2B5/8/p7/7k w - - 0 1", 0},         // the bishop takes the pawn
        {"7K/8/8/8/2B5/8/p7/7k b - - 0 1", 335},       // ... or cannot stop it
        {"7K/8/5B2/8/p7/8/8/7k b - - 0 1", 0},         // the bishop covers a1
        {"7K/8/1N6/8/p7/8/8/7k w - - 0 1", 0},         // the knight takes the pawn
        {"7K/8/1N6/8/p7/8/8/7k b - - 0 1", 325},       // ... or cannot stop it
        {"7K/8/8/1N6/p7/8/8/7k b - - 0 1", 0},         // a jump covers a3
        {"k7/8/8/8/8/8/P7/K7 w - - 0 1", 0},           // rook pawn, king in the corner
        {"2k5/8/8/8/8/8/P7/K7 w - - 0 1", 32001},
        {"7k/8/8/7P/8/8/4B3/K7 w - - 0 1", 0},         // wrong bishop, king in the corner
        {"7k/8/8/7P/8/8/3B4/K7 w - - 0 1", 475},       // right bishop: 435 + 40
        {"7k/8/8/7P/8/8/3B4/K7 b - - 0 1", -475},
        {"7k/7P/8/8/8/8/3B4/K7 w - - 0 1", 530},       // attacked pawn: 435 + 5 + 90
        {"1k6/P7/8/8/8/8/8/K1N5 b - - 0 1", 0},        // knight, pawn on the seventh
        {"2k5/P7/8/8/8/8/8/K1N5 w - - 0 1", 325},
        {"8/8/8/4k3/3p4/8/8/1n3B1K b - - 0 1", 220},   // guarded pawn: 60 + 100 + 60
        {"8/8/8/4k3/3p4/8/8/1n3B1K w - - 0 1", 0},
        {"8/8/8/8/3p4/8/8/kn3B1K b - - 0 1", 0},       // unguarded pawn
        {"8/8/4k3/8/8/3NK3/8/8 w - - 0 1", 32001},     // nothing known
    };
    for (const auto &c : casos) {
        for (const std::string &fen : {std::string(c.fen), EspejoFen(c.fen)}) {
            EXPECT_EQ(Especial(fen), c.valor) << fen;
            // The driver returns the special score unchanged.
            Cargar(fen.c_str());
            if (c.valor != 32001) {
                EXPECT_EQ(Evaluar(), c.valor) << fen;
            }
        }
    }
}

// Random legal placements of each configuration, White's men before the slash: the whole
// evaluation of a position equals that of its colour mirror.
TEST(FinalesDificiles, RandomPlacementsEvaluateAsTheirMirrors) {
    SinCache sin_cache;
    uint32_t estado = 2024;
    auto azar = [&estado](uint32_t n) {
        estado = estado * 1664525u + 1013904223u;
        return (estado >> 8) % n;
    };
    for (const char *material :
         {"R/", "BB/", "BN/", "Q/R", "RB/B", "RN/B", "BB/B", "RB/R", "BB/N", "Q/Q", "R/R",
          "BB/BB", "R/B", "R/N", "Q/P", "R/P", "B/P", "N/P", "P/", "BP/", "NP/", "B/NP"}) {
        for (int n = 0; n < 300;) {
            std::string casillas(64, ' ');
            bool negras = false;
            for (const char *h = material; *h != '\0'; h++) {
                if (*h == '/') {
                    negras = true;
                    continue;
                }
                uint32_t c;
                do c = azar(64);
                while (casillas[c] != ' ' || (*h == 'P' && (c < 8 || c >= 56)));
                casillas[c] = negras ? static_cast<char>(std::tolower(*h)) : *h;
            }
            uint32_t rb, rn;
            do rb = azar(64);
            while (casillas[rb] != ' ');
            casillas[rb] = 'K';
            do rn = azar(64);
            while (casillas[rn] != ' ' || DistanciaRey(rb, rn) < 2);
            casillas[rn] = 'k';
            std::string fen;
            for (int s = 0; s < 64; s++) {
                if (casillas[s] == ' ' && !fen.empty() && std::isdigit(fen.back()))
                    fen.back()++;
                else
                    fen += casillas[s] == ' ' ? '1' : casillas[s];
                if (s % 8 == 7 && s < 63) fen += '/';
            }
            fen += azar(2) ? " w - - 0 1" : " b - - 0 1";
            Cargar(fen.c_str());
            if (JaqueRaiz(true)) continue;  // the side not to move stands in check
            n++;
            const int32_t v = Evaluar();
            Cargar(EspejoFen(fen).c_str());
            ASSERT_EQ(Evaluar(), v) << fen;
        }
    }
}

}  // namespace
