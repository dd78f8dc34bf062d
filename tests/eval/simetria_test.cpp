// Every term of pawns, rooks, kings and threats scores a position for one colour exactly as
// it scores the colour-mirrored position for the other: catches slips between B and N twins.
#include "eval/terminos_test_util.h"

using terminos::CargarPosicion;

namespace {

// What the terms add to one side record.
struct Aporte {
    int32_t puntos_op, puntos_eg, movilidad_op, movilidad_eg, tropismo_op, tropismo_eg, ataque,
        atacantes;
    bool operator==(const Aporte &) const = default;
};

static Aporte Leer(const Tipo_Lado &l) {
    return {l.Puntos_Apertura, l.Puntos_Final, l.Movilidad_Apertura, l.Movilidad_Final,
            l.Tropismo_Apertura, l.Tropismo_Final, l.Ataque_Rey, l.Atacantes_Rey};
}

static Aporte Restar(const Aporte &a, const Aporte &b) {
    return {a.puntos_op - b.puntos_op,       a.puntos_eg - b.puntos_eg,
            a.movilidad_op - b.movilidad_op, a.movilidad_eg - b.movilidad_eg,
            a.tropismo_op - b.tropismo_op,   a.tropismo_eg - b.tropismo_eg,
            a.ataque - b.ataque,             a.atacantes - b.atacantes};
}

// The terms in the driver's order; returns what they add to White and to Black.
static void Aportes(const std::string &fen, Aporte &blancas, Aporte &negras) {
    CargarPosicion(fen.c_str());
    const Aporte b0 = Leer(Blancas), n0 = Leer(Negras);
    EvaluarPeonesB();
    EvaluarPeonesN();
    EvaluarTorreB();
    EvaluarTorreN();
    EvaluarReyB();
    EvaluarReyN();
    EvaluarReyFinal();
    AmenazasPeonB();
    AmenazasCaballoB();
    AmenazasPeonN();
    AmenazasCaballoN();
    AmenazasAlfilB();
    AmenazasAlfilN();
    AmenazasTorreB();
    AmenazasTorreN();
    AmenazasDamaB();
    AmenazasDamaN();
    AmenazasReyB();
    AmenazasReyN();
    blancas = Restar(Leer(Blancas), b0);
    negras = Restar(Leer(Negras), n0);
}

TEST(SimetriaTerminos, PosicionEspejoDaLoMismoAlOtroColor) {
    const char *posiciones[] = {
        "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
        "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1",
        "r4rk1/1pp1qppp/p1np1n2/2b1p1B1/2B1P1b1/P1NP1N2/1PP1QPPP/R4RK1 w - - 0 10",
        "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1",
        "2r3k1/pp3ppp/4p3/3pP3/3P4/P4N2/1P3PPP/2R3K1 b - - 0 1",
        "6k1/RR5p/8/8/8/8/8/6K1 w - - 0 1",
        "6k1/8/8/8/8/7p/6pR/6K1 w - - 0 1",
        "6k1/8/8/8/8/p7/Rb6/6K1 b - - 0 1",
        "4k3/8/8/8/7Q/8/8/r3R1K1 w - - 0 1",
        "4k3/8/8/8/8/2Q5/1b6/n3R1K1 w - - 0 1",
        "k7/8/3p4/3PP3/8/8/8/K6r w - - 0 1",
        "k7/8/2p5/1pPP4/8/8/8/K6r b - - 0 1",
        "7k/P7/8/8/8/8/8/K7 b - - 0 1",
        "4k3/8/8/P7/8/8/8/K7 w - - 0 1",
        "6k1/1B6/4p3/3n4/2P1P3/8/8/6K1 w - - 0 1",
        "6kr/4n3/5N2/8/8/8/8/6K1 w - - 0 1",
        "1k6/8/8/3p4/4P3/8/8/6K1 w - - 0 1",
        "4k3/8/8/8/8/6p1/5PPP/6K1 w - - 0 1",
        "r3k2r/8/8/8/8/8/8/R4K1R w kq - 0 1",
    };
    for (const char *fen : posiciones) {
        const std::string espejo = EspejoFen(fen);
        Aporte b, n, b_espejo, n_espejo;
        Aportes(fen, b, n);
        Aportes(espejo, b_espejo, n_espejo);
        EXPECT_TRUE(b == n_espejo) << fen << " / " << espejo;
        EXPECT_TRUE(n == b_espejo) << fen << " / " << espejo;
    }
}

}  // namespace
