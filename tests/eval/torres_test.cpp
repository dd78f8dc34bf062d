// Rook terms: files, seventh rank, trapped rooks, mobility, king attack and the trial capture.
#include <cstring>

#include "eval/terminos_test_util.h"

using terminos::CargarPosicion;
using terminos::Delta;
using terminos::Puntos;

namespace {

class EvaluacionTorres : public ::testing::Test {
protected:
    static Puntos Torres(const char *fen) {
        CargarPosicion(fen);
        return Delta([] {
            EvaluarTorreB();
            EvaluarTorreN();
        });
    }
};

TEST_F(EvaluacionTorres, ColumnaAbiertaMovilidadYTropismo) {
    CargarPosicion("k7/8/8/8/8/8/8/3R3K w - - 0 1");
    const Tipo_Lado antes = Blancas;
    EvaluarTorreB();
    // Square 4, open file +14 in both accumulators, nothing half-open.
    EXPECT_EQ(Blancas.Puntos_Apertura - antes.Puntos_Apertura, 4 + 14);
    EXPECT_EQ(Blancas.Puntos_Final - antes.Puntos_Final, 14);
    // e1..g1, the own king on h1 (not a pawn), c1..a1 and d2..d8: 14 squares.
    EXPECT_EQ(Blancas.Movilidad_Apertura - antes.Movilidad_Apertura, 2 * (14 - 7));
    EXPECT_EQ(Blancas.Movilidad_Final - antes.Movilidad_Final, 4 * (14 - 7));
    // Closeness of d1 to a8 is 14 - 10 = 4, twice in the opening.
    EXPECT_EQ(Blancas.Tropismo_Apertura - antes.Tropismo_Apertura, 8);
    EXPECT_EQ(Blancas.Tropismo_Final - antes.Tropismo_Final, 4);
    EXPECT_EQ(Blancas.Defensa_Casilla[63], antes.Defensa_Casilla[63] + 1);
    EXPECT_EQ(Blancas.Ataque_Rey, antes.Ataque_Rey);
    EXPECT_EQ(Blancas.Atacantes_Rey, antes.Atacantes_Rey);
}

TEST_F(EvaluacionTorres, SemiabiertaValeMenosContraPeonDefendido) {
    // e5 defended by d6: +5; undefended: +7; both on top of the square value 4.
    Puntos p = Torres("4k3/8/3p4/4p3/8/8/8/4R1K1 w - - 0 1");
    EXPECT_EQ(p.op_b, 9);
    EXPECT_EQ(p.eg_b, 5);
    p = Torres("4k3/8/2p5/4p3/8/8/8/4R1K1 w - - 0 1");
    EXPECT_EQ(p.op_b, 11);
    EXPECT_EQ(p.eg_b, 7);
    // The pawn is found through an own knight standing first on the file.
    p = Torres("4k3/8/3p4/4p3/4N3/8/8/4R1K1 w - - 0 1");
    EXPECT_EQ(p.op_b, 9);
    // With an own pawn on the file there is no file bonus.
    p = Torres("4k3/8/3p4/4p3/8/8/4P3/4R1K1 w - - 0 1");
    EXPECT_EQ(p.op_b, 4);
    EXPECT_EQ(p.eg_b, 0);
}

TEST_F(EvaluacionTorres, SeptimaSoloConReyEnOctavaOPeonesEnCasa) {
    // a7 and b7 (square values -4, -2), open files 14 each, seventh 16/32 each and 8/16 once.
    Puntos p = Torres("6k1/RR6/8/8/8/8/8/6K1 w - - 0 1");
    EXPECT_EQ(p.op_b, -6 + 28 + 32 + 8);
    EXPECT_EQ(p.eg_b, 28 + 64 + 16);
    // King on g7 and no black pawns: no seventh-rank bonus.
    p = Torres("8/RR4k1/8/8/8/8/8/6K1 w - - 0 1");
    EXPECT_EQ(p.op_b, -6 + 28);
    EXPECT_EQ(p.eg_b, 28);
    // A black pawn still on h7 brings it back.
    p = Torres("8/RR5p/6k1/8/8/8/8/6K1 w - - 0 1");
    EXPECT_EQ(p.op_b, -6 + 28 + 32 + 8);
    EXPECT_EQ(p.eg_b, 28 + 64 + 16);
}

TEST_F(EvaluacionTorres, TorreAtrapadaDetrasDeCadenaRival) {
    // h2 with h3 and g2: square -4, half-open +7 against the undefended h3, trapped -180.
    Puntos p = Torres("6k1/8/8/8/8/7p/6pR/6K1 w - - 0 1");
    EXPECT_EQ(p.op_b, -177);
    EXPECT_EQ(p.eg_b, -173);
    // A bishop on g2 instead: -100.
    p = Torres("6k1/8/8/8/8/7p/6bR/6K1 w - - 0 1");
    EXPECT_EQ(p.op_b, -97);
    EXPECT_EQ(p.eg_b, -93);
    // The queen-side twin on a2.
    p = Torres("6k1/8/8/8/8/p7/Rp6/6K1 w - - 0 1");
    EXPECT_EQ(p.op_b, -177);
    EXPECT_EQ(p.eg_b, -173);
    // Without the pawn on h3 the rook is free.
    p = Torres("6k1/8/8/8/8/8/6pR/6K1 w - - 0 1");
    EXPECT_EQ(p.op_b, -4 + 14);
}

TEST_F(EvaluacionTorres, DamaRivalEnLaColumnaYObjetivos) {
    // The queen on the rook's file: +5, open file +14, square 4.
    Puntos p = Torres("4k3/8/8/4q3/8/8/8/4R1K1 w - - 0 1");
    EXPECT_EQ(p.op_b, 23);
    EXPECT_EQ(p.eg_b, 19);
    EXPECT_EQ(Blancas.Num_Objetivos_Torre, 1);
    EXPECT_EQ(Blancas.Objetivos_Torre[0], 28);
    // The same queen on the rank gives no bonus.
    p = Torres("4k3/8/8/8/8/8/8/q3R1K1 w - - 0 1");
    EXPECT_EQ(p.op_b, 18);
    EXPECT_EQ(p.eg_b, 14);
}

TEST_F(EvaluacionTorres, AtaqueAlReyPorColumna) {
    // Check along the e-file: e7 next to the king 9, the king's square 9, the king 9.
    CargarPosicion("4k3/8/8/8/8/8/8/4R1K1 w - - 0 1");
    int32_t ataque = Blancas.Ataque_Rey, atacantes = Blancas.Atacantes_Rey;
    EvaluarTorreB();
    EXPECT_EQ(Blancas.Ataque_Rey - ataque, 27);
    EXPECT_EQ(Blancas.Atacantes_Rey - atacantes, 1);
    // Along the d-file: d7 and d8 are next to the king.
    CargarPosicion("4k3/8/8/8/8/8/8/3R2K1 w - - 0 1");
    ataque = Blancas.Ataque_Rey;
    EvaluarTorreB();
    EXPECT_EQ(Blancas.Ataque_Rey - ataque, 18);
}

// King-attack units of White's rooks; the trial captures must leave the position as it was.
static int32_t UnidadesTorre(const char *fen) {
    CargarPosicion(fen);
    const Tipo_Tablero antes = TableroGlobal;
    const int32_t ataque = Blancas.Ataque_Rey;
    EvaluarTorreB();
    const Tipo_Tablero &t = TableroGlobal;
    EXPECT_EQ(std::memcmp(t.Tablero, antes.Tablero, sizeof t.Tablero), 0) << fen;
    EXPECT_EQ(t.Clave, antes.Clave) << fen;
    EXPECT_EQ(t.Turno, antes.Turno) << fen;
    EXPECT_EQ(t.Indice_Deshacer, antes.Indice_Deshacer) << fen;
    EXPECT_EQ(t.Num_Historial, antes.Num_Historial) << fen;
    EXPECT_EQ(t.Rey_Blanco * 64 + t.Rey_Negro, antes.Rey_Blanco * 64 + antes.Rey_Negro) << fen;
    return Blancas.Ataque_Rey - ataque;
}

TEST_F(EvaluacionTorres, JaqueConCapturaSeguraSumaSoloConDama) {
    // Re1 checks and attacks the loose rook on a1: 27 units for the check, 24 for the capture.
    EXPECT_EQ(UnidadesTorre("4k3/8/8/8/7Q/8/8/r3R1K1 w - - 0 1"), 27 + 24);
    // The same with Black to move: the side to move is restored after the trial.
    EXPECT_EQ(UnidadesTorre("4k3/8/8/8/7Q/8/8/r3R1K1 b - - 0 1"), 27 + 24);
    // Without a queen the trial is not made.
    EXPECT_EQ(UnidadesTorre("4k3/8/8/8/8/8/8/r3R1K1 w - - 0 1"), 27);
    // Knight on a1 defended by the bishop, the queen behind it: the exchange after Rxa1 is
    // knight for rook, so the trial fails.
    EXPECT_EQ(UnidadesTorre("4k3/8/8/8/8/2Q5/1b6/n3R1K1 w - - 0 1"), 27);
}

}  // namespace
