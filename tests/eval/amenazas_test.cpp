// Threat terms: which attacked pieces earn a bonus, and that each square counts once.
#include "eval/terminos_test_util.h"

using terminos::CargarPosicion;
using terminos::Delta;
using terminos::Puntos;

namespace {

class AmenazasPiezas : public ::testing::Test {
protected:
    // Every threat term after the terms that fill the defence counts, in the driver's order.
    static Puntos Amenazas(const char *fen) {
        CargarPosicion(fen);
        EvaluarTorreB();
        EvaluarTorreN();
        EvaluarReyB();
        EvaluarReyN();
        return Delta([] {
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
        });
    }
};

TEST_F(AmenazasPiezas, PiezaDefendidaUnaVezCuentaUnaSolaVez) {
    // The c6 knight, defended by b7 only, attacked by the a4 bishop and the c1 rook.
    Puntos p = Amenazas("6k1/1p6/2n5/8/B7/8/8/2R3K1 w - - 0 1");
    EXPECT_EQ(p.op_b, 15);
    EXPECT_EQ(p.eg_b, 23);
    EXPECT_EQ(p.op_n, 0);
    EXPECT_EQ(Negras.Defensa_Casilla[18], -1);
    // The rook alone earns the same bonus.
    p = Amenazas("6k1/1p6/2n5/8/8/8/8/2R3K1 w - - 0 1");
    EXPECT_EQ(p.op_b, 15);
    EXPECT_EQ(p.eg_b, 23);
    // Undefended, or defended twice: no bonus.
    for (const char *fen : {"6k1/8/2n5/8/B7/8/8/2R3K1 w - - 0 1",
                            "6k1/1p1p4/2n5/8/B7/8/8/2R3K1 w - - 0 1"}) {
        p = Amenazas(fen);
        EXPECT_EQ(p.op_b, 0) << fen;
        EXPECT_EQ(p.eg_b, 0) << fen;
    }
}

TEST_F(AmenazasPiezas, AtaqueDePeonCuentaPorPeonYAgotaLaCasilla) {
    // d5 knight defended by e6, attacked by c4 and e4 (twice) and by the b7 bishop (used up).
    const Puntos p = Amenazas("6k1/1B6/4p3/3n4/2P1P3/8/8/6K1 w - - 0 1");
    EXPECT_EQ(p.op_b, 2 * 15);
    EXPECT_EQ(p.eg_b, 2 * 23);
    EXPECT_EQ(p.op_n, 0);
}

TEST_F(AmenazasPiezas, PiezaJuntoAlReyYReyAmenazado) {
    // The f2 rook next to the White king, defended once by the h4 bishop: a rook's threat.
    const Puntos p = Amenazas("6k1/8/8/8/7b/8/5r2/6K1 w - - 0 1");
    EXPECT_EQ(p.op_b, 17);
    EXPECT_EQ(p.eg_b, 25);

    // A knight checking a king that its rook defends: no bonus, the square is used up.
    const Puntos jaque = Amenazas("6kr/8/5N2/8/8/8/8/6K1 w - - 0 1");
    EXPECT_EQ(jaque.op_b, 0);
    EXPECT_EQ(jaque.eg_b, 0);
    EXPECT_EQ(Negras.Defensa_Casilla[6], -1);
    // Defended twice (rook and e7 knight): no bonus either, and the square is used up.
    const Puntos doble = Amenazas("6kr/4n3/5N2/8/8/8/8/6K1 w - - 0 1");
    EXPECT_EQ(doble.op_b, 0);
    EXPECT_EQ(Negras.Defensa_Casilla[6], -1);
}

}  // namespace
