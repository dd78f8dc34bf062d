// Endgame knowledge: drawish factors, the specialised endings, each also on its colour mirror,
// and the king-and-pawn rules against Debian's 3-piece tablebases.
#include <array>
#include <cstdio>

#include "endgame/endgame.h"
#include "support/eval.h"
#include "support/search.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

using namespace eval_test;

namespace {

TEST(FinalesReconocidos, UnaConfiguracionPorFilaDeFactorParaAmbosColores) {
    const struct { const char *fen; int32_t factor; } casos[] = {
        {"8/4b3/4k3/8/8/2NNK3/8/8 b - - 0 1", 0},    {"8/8/4k3/8/8/2BBK3/8/8 w - - 0 1", 100},
        {"8/8/4k3/8/8/1B1BK3/8/8 w - - 0 1", 0},     {"8/3r4/4k3/8/8/2NRK3/8/8 w - - 0 1", 3},
        {"8/3b4/4k3/8/8/2NPK3/8/8 w - - 0 1", 5},    {"8/3n4/4k3/8/8/2BPK3/8/8 w - - 0 1", 10},
        {"8/2bb4/4k3/8/8/2NPK3/8/8 w - - 0 1", 12},  {"8/2bb4/4k3/8/8/2NNK3/8/8 w - - 0 1", 15},
        {"8/2rr4/4k3/8/8/2NQK3/8/8 w - - 0 1", 25},  {"8/2pp4/4k3/8/8/2N1K3/8/8 w - - 0 1", -1},
        {"8/3r4/4k3/8/8/2BPK3/8/8 w - - 0 1", -10},  {"8/3n4/4k3/8/8/2B1K3/8/8 w - - 0 1", 0},
        {"8/8/4k3/8/8/2NNK3/3P4/8 w - - 0 1", 100},  {"8/3r4/4k3/8/8/2NNK3/8/8 w - - 0 1", 100},
    };
    for (const auto &c : casos) {
        for (const std::string &fen : {std::string(c.fen), EspejoFen(c.fen)}) {
            Escanear(fen.c_str());
            const Tipo_Lado &b = Blancas, &n = Negras;
            EXPECT_EQ(FinalesReconocidos(b.Num_Peones, b.Num_Caballos, b.Num_Alfiles, b.Num_Torres,
                                         b.Num_Damas, n.Num_Peones, n.Num_Caballos, n.Num_Alfiles,
                                         n.Num_Torres, n.Num_Damas), c.factor) << fen;
        }
    }
}

TEST(FinalesReconocidos, ElDriverEscalaPorElFactorYMenosUnoCambiaElSigno) {
    // {White rooks, knights, pawns, Black rooks, knights, score before, after}: rook and knight
    // v rook at 3 percent (300, a multiple of 100, loses a point), two pawns v knight at -1.
    for (const auto &c : {std::array{1, 1, 0, 1, 0, 300, 8}, std::array{0, 0, 2, 0, 1, 150, -1}}) {
        LimpiarPuntuacion(1);
        TableroGlobal.Fase = 0, TableroGlobal.Turno = 1;
        Blancas.Num_Torres = c[0], Blancas.Num_Caballos = c[1], Blancas.Num_Peones = c[2];
        Negras.Num_Torres = c[3], Negras.Num_Caballos = c[4];
        Blancas.Puntos_Final = c[5] - 10 - 45 * (c[1] - c[4]);  // tempo and minor imbalance
        EXPECT_EQ(CerrarEvaluacion(), c[6]);
    }
}

// Worked values of the specialised endings for the side to move; 32001 = no knowledge.
const struct { const char *fen; int32_t valor; } CASOS[] = {
    {"7k/8/5K2/8/8/8/8/3Q4 w - - 0 1", 1200},      // KXK: 1000 + 100 + 100
    {"7k/8/5K2/8/8/8/8/3Q4 b - - 0 1", -1200},
    {"k7/8/2K5/8/8/8/8/3B1N2 w - - 0 1", 960},     // KBNK: 200 + 660 + 100
    {"8/8/8/8/8/5k2/8/3bn2K b - - 0 1", 960},
    {"7k/8/5K2/8/8/8/8/1q1Q4 b - - 0 1", 220},     // KQKQ, KRKR: White king 100 + 40 + 80
    {"4r2k/8/5K2/8/8/8/8/3Q4 w - - 0 1", 740},     // KQKR: 100 + 500 + 100 + 40
    {"7b/8/8/4k3/8/2K5/8/RN6 b - - 0 1", -620},    // KRNKB: 20 + 500 + 100
    {"7k/8/5K2/8/8/8/8/2BBb3 w - - 0 1", -135},    // KBBKB: 100 - 335 + 100
    {"7k/8/5K2/8/8/8/8/1RB4r w - - 0 1", 635},     // KRBKR: 100 + 335 + 100 + 100
    {"7k/7n/5K2/8/8/8/8/2BB4 w - - 0 1", 540},     // KBBKN: 100 + 335 + 100 + 5
    {"7k/1b6/b4K2/8/8/8/8/2BB4 w - - 0 1", 390},   // KBBKBB: 100 + 100 + 90 + 100
    {"7k/8/5K2/8/8/8/R7/2b5 w - - 0 1", 300},      // KRKB, a dark corner: 100 + 200
    {"7k/8/5K2/8/8/8/R7/3b4 w - - 0 1", 0},        // the light bishop's safe corner
    {"4k3/3R3n/6K1/8/8/8/8/8 b - - 0 1", -250},    // KRKN: 70 + 100 + 80
    {"7Q/8/8/8/4k3/p7/K7/8 w - - 0 1", 1060},      // queen v pawn, king in front
    {"7K/7Q/8/8/8/8/p7/4k3 w - - 0 1", -900},      // the pawn wins the race
    {"7K/8/8/8/8/8/1pk5/4R3 w - - 0 1", 0},        // rook v pawn next to its king
    {"7K/8/8/8/2B5/8/p7/7k b - - 0 1", 335},       // the bishop cannot stop the pawn
    {"7K/8/1N6/8/p7/8/8/7k b - - 0 1", 325},       // ... or cannot stop it
    {"7K/8/8/1N6/p7/8/8/7k b - - 0 1", 0},         // a jump covers a3
    {"k7/8/8/8/8/8/P7/K7 w - - 0 1", 0},           // rook pawn, king in the corner
    {"2k5/8/8/8/8/8/P7/K7 w - - 0 1", 32001},
    {"7k/8/8/7P/8/8/4B3/K7 w - - 0 1", 0},         // wrong bishop, king in the corner
    {"7k/8/8/7P/8/8/3B4/K7 b - - 0 1", -475},      // right bishop: 435 + 40
    {"7k/7P/8/8/8/8/3B4/K7 w - - 0 1", 530},       // attacked pawn: 435 + 5 + 90
    {"1k6/P7/8/8/8/8/8/K1N5 b - - 0 1", 0},        // knight, pawn on the seventh
    {"2k5/P7/8/8/8/8/8/K1N5 w - - 0 1", 325},
    {"8/8/8/4k3/3p4/8/8/1n3B1K b - - 0 1", 220},   // guarded pawn: 60 + 100 + 60
    {"8/8/8/8/3p4/8/8/kn3B1K b - - 0 1", 0},       // unguarded pawn
};

// The driver returns every special value unchanged; random walks from each position reach
// others of the same endings, each evaluating as its mirror.
TEST(FinalesDificiles, CadaEvaluadorPuntuaSusPosicionesIgualParaAmbosColores) {
    CacheDePrueba sin_cache(0);
    for (const auto &c : CASOS) {
        for (const std::string &fen : {std::string(c.fen), EspejoFen(c.fen)}) {
            Escanear(fen.c_str());
            EXPECT_EQ(EvaluarFinalesDificiles(), c.valor) << fen;
            Cargar(fen.c_str());
            EXPECT_EQ(c.valor == 32001 ? 32001 : Evaluar(), c.valor) << fen;
        }
        PaseosAleatorios({c.fen}, 8, 24, 2024, [](const char *, int ply) {
            if (ply < 0) return;
            const std::string fen = FenActual();
            Cargar(EspejoFen(fen).c_str());
            const int32_t v = Evaluar();
            Cargar(fen.c_str());  // the walk goes on from here
            ASSERT_EQ(Evaluar(), v) << fen;
        });
    }
}

TEST(FinalesDificiles, MaterialDeTablasBuscaCeroAProfundidadDiez) {
    // Two knights against a bare king; the rook pawn with the defending king in its corner.
    for (const char *fen : {"8/8/4k3/8/8/2NNK3/8/8 w - - 0 1", "1k6/8/8/8/P7/8/8/1K6 w - - 0 1"}) {
        ASSERT_EQ(PrepararBusqueda(fen), 1);
        EXPECT_EQ(BuscarHasta(10), 0) << fen;
    }
}

// Every legal king-and-pawn ending, the pawn of either colour, either side to move.
TEST(TablasKpk, NingunaReglaDaTablasAUnaPosicionGanada) {
    ASSERT_EQ(PrepararBusqueda(FEN_INICIAL), 1);
    Registro_Tablas &tb = tbprobe_Gaviota;
    std::snprintf(tb.Ruta, sizeof(tb.Ruta), "/usr/share/gaviotatb/gtb1");
    tb.Compresion = 1, tb.Verbosidad = 0;
    {
#if defined(__SANITIZE_ADDRESS__)
        __lsan::ScopedDisabler sin_fugas;  // the library loses its first initialisation
#endif
        Cargar_gtbgaviota_dll();
    }
    ASSERT_TRUE(tb.Cargada == 1 && (tb.Disponibles & 2) != 0)
        << "no complete 3-piece tablebases under " << tb.Ruta
        << " (scripts/deps.sh installs Debian's gaviotatb package)";

    // Verdicts for the side to move: 1 win, 0 draw, -1 loss; the rules also 2 for none.
    long legales = 0, juzgadas = 0, acuerdos = 0;
    std::vector<std::string> contraejemplos;
    for (const char *piezas : {"PKk", "pKk"})
        for (int p = 8; p < 56; p++)
            for (int rb = 0; rb < 64; rb++)
                for (int rn = 0; rn < 64; rn++)
                    for (char turno : {'w', 'b'}) {
                        if (rb == p || rn == p || DistanciaRey(rb, rn) < 2) continue;
                        std::string casillas(64, ' ');
                        casillas[p] = piezas[0], casillas[rb] = 'K', casillas[rn] = 'k';
                        const std::string fen = FenDeCasillas(casillas, turno);
                        ASSERT_EQ(CargarPosicionPrueba(fen.c_str()), 1) << fen;
                        if (JaqueRaiz(true)) continue;
                        LimpiarPuntuacion(0);
                        EvaluarPiezasTableroJuego();
                        const int32_t v = EvaluarFinalesDificiles();
                        TableroGlobal.Indice_Deshacer = 1;  // ply 1 returns the tables' score
                        const int32_t t = Buscar(1);
                        ASSERT_EQ(TipoJuego.Nodos, 1u) << "no tablebase answer for " << fen;
                        const int regla = v == 32001 ? 2 : (v > 0) - (v < 0);
                        const int dicen = (t > 0) - (t < 0);
                        legales++;
                        if (regla == 2) continue;
                        juzgadas++, acuerdos += regla == dicen;
                        if (regla == 0 && dicen != 0) contraejemplos.push_back(fen);
                    }
    Descargar_gtbgaviota_dll();
    std::printf("KPK: %ld legal positions; the rules judge %ld and agree with the tables on %ld "
                "(%.2f%%)\n", legales, juzgadas, acuerdos, 100.0 * acuerdos / juzgadas);
    EXPECT_TRUE(contraejemplos.empty())
        << contraejemplos.size() << " won positions called drawn, the first " << contraejemplos[0];
}

}  // namespace
