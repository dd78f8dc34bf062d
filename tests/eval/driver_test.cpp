// The evaluation driver (material, phase, cache, endgame gate, closing steps, reset) and the
// colour symmetry of the whole evaluation.
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "support/eval.h"

using namespace eval_test;

namespace {

class EvaluacionDriver : public ::testing::Test {
  protected:
    CacheDePrueba sin_cache{0};
    void SetUp() override { Cargar(FEN_INICIAL); }
};

// Side records as the terms would leave them: only what a test sets is nonzero.
void Vacios(int32_t fase, int32_t turno) {
    LimpiarPuntuacion(1);
    TableroGlobal.Fase = fase, TableroGlobal.Turno = turno;
}

// Exact multiples of 100 lose a point; otherwise percentages equal the extended-precision
// product, around multiples of the divisors, both signs, 32-bit limits.
TEST_F(EvaluacionDriver, PorcentajeIgualaElProductoExtendido) {
    const int32_t casos[][3] = {{3000, 1, 29},  {30, 100, 29}, {-30, 100, -29},
                                {31, 100, 30},  {100, 20, 19}, {150, -1, -1}};
    for (const auto &c : casos) EXPECT_EQ(Porcentaje(c[0], c[1]), c[2]) << c[0] << " at " << c[1];
    std::vector<int64_t> valores = {INT32_MAX, INT32_MIN + 1, 2147483600, -2147483600};
    for (int64_t x = -30000; x <= 30000; x++) valores.push_back(x);
    for (int64_t x = 100; x < INT32_MAX; x = x * 3 + 1)
        valores.insert(valores.end(), {x - 1, x, x + 1, -x + 1, -x, -x - 1});
    for (int64_t x : valores) {
        ASSERT_EQ(Porcentaje(x, 1), EscalarExtendido(x, 0.01f)) << x;
        if (std::abs(x) < 20000000) {
            ASSERT_EQ(Porcentaje(x, 104), EscalarExtendido(x * 104, 0.01f)) << x;
        }
    }
}

TEST_F(EvaluacionDriver, MezclaDivideExactosLosMultiplosDe24YAcotaBajoElMate) {
    // {phase, White to move, White's opening and endgame, score for White}: Black's tempo
    // in; 20 + 10 of tempo; 12 x 6 + 12 x 10 = 8 x 24; 115 / 24 and -(5 x 23 + 10) / 24
    // truncate toward zero; the clamps below mate.
    struct { int32_t fase, turno, op_b, eg_b, esperado; } casos[] = {
        {24, 0, 35, 0, 30}, {0, 1, 0, 20, 30}, {12, 1, 1, 0, 8}, {23, 1, 0, -10, 4},
        {23, 0, 0, 0, -5},  {24, 1, 40000, 0, 31936}, {24, 0, 40000, 0, 31936},
        {0, 1, 0, -40000, -31936}};
    for (const auto &c : casos) {
        Vacios(c.fase, c.turno);
        Blancas.Puntos_Apertura = c.op_b, Blancas.Puntos_Final = c.eg_b;
        EXPECT_EQ(CerrarEvaluacion(), c.turno ? c.esperado : -c.esperado) << c.fase << c.op_b;
    }
}

// Material with its adjustments: the start position has the bishop pair. Then White 1950 with
// knights 2 x -6, rooks -2 x -3, two knights -10, two rooks -5; Black 1200 with its queen -5
// a White knight.
TEST_F(EvaluacionDriver, MaterialSeAjustaPorPeonesParejasYDamaRival) {
    const struct { const char *fen; Puntos esperado; } casos[] = {
        {FEN_INICIAL, {4159, 4169, 4159, 4169}},
        {"3qk3/pp6/8/8/8/8/PPP5/RN2K1NR w - - 0 1", {1929, 1929, 1190, 1190}}};
    for (const auto &c : casos) {
        Cargar(c.fen);
        Material(Blancas, Negras);
        Material(Negras, Blancas);
        EXPECT_EQ(Actuales(), c.esperado) << c.fen;
    }
}

// A hit returns the stored score with the mover's sign before any term runs: the phase is
// up to date and the side records stay as they were. A miss stores White's score.
TEST_F(EvaluacionDriver, AciertoDeCacheDevuelveConElSignoDelTurnoYGuardaElDeBlancas) {
    CacheDePrueba c(1024);
    c.Entrada().Clave = TableroGlobal.Clave;
    c.Entrada().Puntuacion = 77;
    Blancas.Puntos_Apertura = 5;
    EXPECT_EQ(Evaluar(), 77);
    EXPECT_EQ(TableroGlobal.Fase, 24);
    EXPECT_EQ(Blancas.Puntos_Apertura, 5);
    EXPECT_EQ(Blancas.Lista_Caballos[0], -1);
    TableroGlobal.Turno = 0;
    EXPECT_EQ(Evaluar(), -77);
    Cargar("r1bqkbnr/pppp1ppp/2n5/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R b KQkq - 2 2");
    const int32_t v = Evaluar();
    EXPECT_EQ(c.Entrada().Clave, TableroGlobal.Clave);
    EXPECT_EQ(c.Entrada().Puntuacion, -v);
    for (const auto &[fen, fase] : {std::pair{"3qk3/pp6/8/8/8/8/PPP5/RN2K1NR w - - 0 1", 10},
                                    std::pair{"qqqqk3/8/8/8/8/8/8/QQQQK3 w - - 0 1", 24}}) {
        Cargar(fen);
        c.Entrada().Clave = TableroGlobal.Clave;
        Evaluar();
        EXPECT_EQ(TableroGlobal.Fase, fase) << fen;
    }
}

TEST_F(EvaluacionDriver, FiltroDeFinalesEntablaMenoresSolosSinTocarLaCache) {
    CacheDePrueba c(64);
    for (const char *fen : {"8/8/4k3/8/8/3BK3/8/8 w - - 0 1", "8/8/4k3/8/8/4K3/8/8 b - - 0 1",
                            "8/4n3/4k3/8/8/3BK3/8/8 w - - 0 1"}) {
        Cargar(fen);
        EXPECT_EQ(Evaluar(), 0) << fen;
        EXPECT_EQ(c.Entrada().Clave, 0u) << fen;
        EXPECT_EQ(c.Entrada().Puntuacion, -32001) << fen;
    }
    Cargar("8/8/4k3/8/8/3RK3/8/8 b - - 0 1");
    EXPECT_LT(Evaluar(), -300);
}

TEST_F(EvaluacionDriver, PesosDeMovilidadTropismoAtaqueAlReyYDesequilibrio) {
    AJUSTE_MOB[1] = 104;
    Vacios(24, 1);
    // Mobility 50 each, 51 and 49; tropism 100 at 20 percent 19, Black's endgame-only one
    // invisible at phase 24.
    Blancas.Movilidad_Apertura = Negras.Movilidad_Apertura = 50;
    Blancas.Tropismo_Apertura = Negras.Tropismo_Final = 100;
    EXPECT_EQ(CerrarEvaluacion(), 51 + 19 + 5 - 49);
    EXPECT_EQ(Blancas.Puntos_Apertura, 51 + 19 + 5);
    // King attack: two attackers and a queen, at most 399 units.
    struct { int32_t atacantes, damas, ataque, esperado, queda; } casos[] = {
        {1, 1, 200, 0, 200}, {2, 1, 200, 395, 200}, {5, 0, 300, 0, 0}, {3, 1, 1000, 499, 399}};
    for (const auto &c : casos) {
        Vacios(24, 1);
        Blancas.Atacantes_Rey = c.atacantes, Blancas.Ataque_Rey = c.ataque;
        Blancas.Num_Damas = Negras.Num_Damas = c.damas;
        EXPECT_EQ(CerrarEvaluacion(), 5 + c.esperado) << c.atacantes << " " << c.ataque;
        EXPECT_EQ(Blancas.Ataque_Rey, c.queda);
    }
    // 500 at 104 percent is 519; Black's lone queen brings the imbalance -60.
    AJUSTE_ATT[0] = 104;
    Vacios(0, 1);
    Negras.Num_Damas = 1, Negras.Atacantes_Rey = 3, Negras.Ataque_Rey = 1000;
    EXPECT_EQ(CerrarEvaluacion(), 10 - 519 - 60);
}

// Garbage in every work field evaluates as a clean load: the evaluation resets them all but
// the piece counts, which only the set-up reset clears.
TEST_F(EvaluacionDriver, ReinicioLimpiaCamposDeTrabajoYCuentasSoloAPeticion) {
    for (const char *fen : {FEN_KIWIPETE, "3q1rk1/5ppp/8/8/8/8/5PPP/3Q1RK1 w - - 0 1",
                            "8/8/P3k3/7p/8/3K4/8/8 w - - 0 1"}) {
        Cargar(fen);
        const int32_t v = Evaluar();
        const Puntos p = Actuales();
        for (Tipo_Lado *l : {&Blancas, &Negras}) {
            const Tipo_Lado c = *l;
            std::memset(l, 0x55, sizeof *l);
            l->Num_Peones = c.Num_Peones, l->Num_Caballos = c.Num_Caballos;
            l->Num_Alfiles = c.Num_Alfiles, l->Num_Torres = c.Num_Torres, l->Num_Damas = c.Num_Damas;
        }
        OlvidarEvaluaciones();
        EXPECT_EQ(Evaluar(), v) << fen;
        EXPECT_EQ(Actuales(), p) << fen;
        LimpiarPuntuacion(1);
        for (const Tipo_Lado *l : {&Blancas, &Negras})
            EXPECT_EQ(std::vector({l->Num_Peones, l->Num_Caballos, l->Num_Alfiles, l->Num_Torres,
                                   l->Num_Damas}), std::vector(5, 0)) << fen;
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

TEST(EspejoEvaluacion, PosicionesEspejoPuntuanIgualParaQuienMueve) {
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
        CargarMuestra(m, true);
        ASSERT_EQ(Evaluar(), v) << m.fen << " against " << EspejoFen(m.fen);
    }
}

}  // namespace
