// The line-limited safety and check tests against the whole attack test.
#include <gtest/gtest.h>

#include <cstring>

#include "board/posicion_test_util.h"

// Random walks through positions full of pins, discovered checks, en passant along a rank and
// castling rooks: for every move of every position where neither king is attacked, the
// limited make gives the same answer and the same board as the full one, and the limited
// check test agrees with the whole test after it.
TEST(JaqueTrasJugada, CoincideConLaPruebaCompletaEnPaseosAleatorios) {
    Salir = 0;
    IniciarClaves(5);
    int ilegales = 0, jaques = 0, probadas = 0;
    PaseosAleatorios(
        {FEN_KIWIPETE, "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - -",
         "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1",
         "8/8/8/K2pP2q/8/8/8/4k3 w - d6 0 1", "7k/5b2/8/3pP3/8/8/K7/8 w - d6 0 1",
         "8/k7/8/8/3Pp3/8/5B2/7K b - d3 0 1", "4k3/8/8/2KPp2r/8/8/8/8 w - e6 0 1",
         "r3k2r/1b4bq/8/8/8/8/7B/R3K2R w KQkq - 0 1", "1k6/8/2b5/8/4N3/3Q4/2K2R1r/8 w - - 0 1"},
        10, 40, 777, [&](const char *, int ply) {
            if (ply < 0 || JaqueRaiz() || JaqueRaiz(true)) return;
            const int32_t paso = TableroGlobal.Ficha_Al_Paso;
            const uint64_t clavadas = Clavadas();
            Lista_Jugadas lista[MAX_JUGADAS];
            for (int32_t i = 0, n = GenerarMovimientos(GENERAR_TODO, lista); i < n; i++) {
                const uint32_t m = lista[i].Jugada;
                const int32_t legal = HacerMovimiento(m);
                const int32_t jaque = JaqueRaiz();
                const Tipo_Tablero completo = TableroGlobal;
                DeshacerMovimiento();
                ASSERT_EQ(HacerMovimientoSinJaque(m, clavadas), legal) << TextoPrueba(m);
                ASSERT_EQ(std::memcmp(&completo, &TableroGlobal, sizeof(completo)), 0);
                if (legal) {
                    ASSERT_EQ(DaJaque(m, paso), jaque) << TextoPrueba(m);
                }
                DeshacerMovimiento();
                probadas++;
                ilegales += !legal;
                jaques += legal && jaque;
            }
        });
    EXPECT_GT(probadas, 20000);
    EXPECT_GT(ilegales, 300);
    EXPECT_GT(jaques, 300);
    EXPECT_EQ(Salir, 0);
}
