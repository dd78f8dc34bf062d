// Attack tests, the Zobrist keys, and the line-limited make and check tests.
#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "support/position.h"

namespace {

// The attack rule written plainly with Color_Casilla as the edge test, to compare with the
// table-driven functions. atacantes: 0 White pieces, 7 Black pieces.
int32_t AtacadaDirecta(int32_t s, int32_t atacantes) {
    const int32_t *T = TableroGlobal.Tablero, *C = TableroGlobal.Color_Casilla;
    auto en = [](int32_t t) { return t >= 0 && t < 64; };
    auto es = [&](int32_t t, int32_t pieza) { return T[t] == pieza + atacantes; };
    const int32_t atras = atacantes == 0 ? 8 : -8;  // pawns stand behind, seen from them
    for (int32_t d : {atras - 1, atras + 1}) {
        if (en(s + d) && C[s + d] == C[s] && es(s + d, PEON_B)) return 1;
    }
    for (int32_t d : {10, -6, 6, -10, 17, 15, -15, -17}) {
        if (en(s + d) && C[s + d] != C[s] && es(s + d, CABALLO_B)) return 1;
    }
    for (int32_t d : {9, 7, -7, -9, 8, -8, 1, -1}) {
        const bool diagonal = d != 8 && d != -8 && d != 1 && d != -1;
        for (int32_t t = s + d; en(t); t += d) {
            if (diagonal ? C[t] != C[s] : ((d == 1 || d == -1) && t / 8 != s / 8)) break;
            if (t == s + d && es(t, REY_B)) return 1;
            if (T[t] == SIN_PIEZA) continue;
            if (es(t, DAMA_B) || es(t, diagonal ? ALFIL_B : TORRE_B)) return 1;
            break;
        }
    }
    return 0;
}

using AtaquesYClaves = PruebaTablero;
using JaqueTrasJugada = PruebaTablero;

// Random boards, every square tested for both colours, squares with pieces included.
TEST_F(AtaquesYClaves, CoincideConLaReglaDeColorEnTablerosAleatorios) {
    uint32_t estado = 2024;
    for (int tablero = 0; tablero < 400; tablero++) {
        const uint32_t densidad = 4 + tablero % 28;  // from nearly empty to crowded
        for (int32_t s = 0; s < 64; s++) {
            estado = estado * 1664525u + 1013904223u;
            const uint32_t r = estado >> 16;
            TableroGlobal.Tablero[s] =
                (r >> 8) % 64 < densidad ? 1 + static_cast<int32_t>(r % 13) : 7;
        }
        ReconstruirMapas();
        for (int32_t s = 0; s < 64; s++) {
            ASSERT_EQ(JaqueBlancas(s), AtacadaDirecta(s, 7)) << "board " << tablero << " sq " << s;
            ASSERT_EQ(JaqueNegras(s), AtacadaDirecta(s, 0)) << "board " << tablero << " sq " << s;
        }
    }
}

TEST_F(AtaquesYClaves, ClavesParesYPorTermino) {
    std::set<uint32_t> distintas(&zobrist_Tablero[0][0], &zobrist_Tablero[0][0] + 14 * 64);
    for (uint32_t k : distintas) EXPECT_EQ(k & 1u, 0u);
    EXPECT_GT(distintas.size(), 880u);

    // Side, en passant and castling each enter the key through their own entries.
    ASSERT_EQ(CargarPosicionPrueba("r3k2r/8/8/8/3pP3/8/8/R3K2R b KQkq e3 0 1"), 1);
    const uint32_t base = TableroGlobal.Clave;
    TableroGlobal.Turno = 1;
    EXPECT_EQ(CalcularClave() ^ base, zobrist_Turno[0]);
    TableroGlobal.Turno = 0;
    TableroGlobal.Ficha_Al_Paso = 0;
    EXPECT_EQ(CalcularClave() ^ base, zobrist_Tablero[0][36]);
    TableroGlobal.Ficha_Al_Paso = 36;
    TableroGlobal.Enroque_Blancas = 5;
    TableroGlobal.Enroque_Negras = 0;
    EXPECT_EQ(CalcularClave() ^ base, zobrist_Tablero[7][60] ^ zobrist_Tablero[7][58] ^
                                          zobrist_Tablero[7][3] ^ zobrist_Tablero[7][0]);
}

// Random walks through positions full of pins, discovered checks, en passant along a rank and
// castling rooks: for every move of every position where neither king is attacked, the
// limited make gives the same answer and the same board as the full one, and the limited
// check test agrees with the whole test after it.
TEST_F(JaqueTrasJugada, CoincideConLaPruebaCompletaEnPaseosAleatorios) {
    int ilegales = 0, jaques = 0, probadas = 0;
    PaseosAleatorios(
        {FEN_KIWIPETE, FEN_POS3, FEN_POS4, "8/8/8/K2pP2q/8/8/8/4k3 w - d6 0 1",
         "7k/5b2/8/3pP3/8/8/K7/8 w - d6 0 1", "8/k7/8/8/3Pp3/8/5B2/7K b - d3 0 1",
         "4k3/8/8/2KPp2r/8/8/8/8 w - e6 0 1",
         "r3k2r/1b4bq/8/8/8/8/7B/R3K2R w KQkq - 0 1", "1k6/8/2b5/8/4N3/3Q4/2K2R1r/8 w - - 0 1"},
        10, 40, 777, [&](const char *, int ply) {
            if (ply < 0 || JaqueRaiz() || JaqueRaiz(true)) return;
            const int32_t paso = TableroGlobal.Ficha_Al_Paso;
            const uint64_t clavadas = Clavadas();
            for (uint32_t m : Generadas()) {
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

}  // namespace
