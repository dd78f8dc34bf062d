// Attack tests and the Zobrist keys.
#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "board/posicion_test_util.h"

class AtaquesYClaves : public ::testing::Test {
  protected:
    void SetUp() override {
        Salir = 0;
        IniciarClaves(77);
    }
};

TEST_F(AtaquesYClaves, PosicionInicialAtacaSoloLaSextaFila) {
    ASSERT_EQ(CargarPosicionPrueba(FEN_INICIAL), 1);
    for (int32_t s = 0; s < 64; s++) {
        const int32_t fila = 8 - s / 8;
        if (fila <= 6) {
            EXPECT_EQ(JaqueBlancas(s), fila == 6 ? 1 : 0) << s;
        }
        if (fila >= 3) {
            EXPECT_EQ(JaqueNegras(s), fila == 3 ? 1 : 0) << s;
        }
    }
}

TEST_F(AtaquesYClaves, RayosSeCortanEnLaPrimeraPieza) {
    ASSERT_EQ(CargarPosicionPrueba("4k3/8/8/8/8/8/8/r3K3 w - - 0 1"), 1);
    EXPECT_EQ(JaqueBlancas(60), 1);
    EXPECT_EQ(JaqueBlancas(61), 0);  // the king itself blocks the ray
    ASSERT_EQ(CargarPosicionPrueba("4k3/8/8/8/8/8/8/r1N1K3 w - - 0 1"), 1);
    EXPECT_EQ(JaqueBlancas(60), 0);
    // Diagonal: a bishop behind a pawn does not attack; the queen sees both line kinds.
    ASSERT_EQ(CargarPosicionPrueba("4k3/8/8/1b6/2P5/8/8/q3K3 w - - 0 1"), 1);
    EXPECT_EQ(JaqueBlancas(43), 0);
    EXPECT_EQ(JaqueBlancas(60), 1);
    EXPECT_EQ(JaqueBlancas(49), 1);
}

TEST_F(AtaquesYClaves, SinSaltosSobreElBorde) {
    // Black pawn h5: attacks g4, not a3 (which would be a wrap from the h-file).
    ASSERT_EQ(CargarPosicionPrueba("4k3/8/8/7p/8/8/8/4K3 w - - 0 1"), 1);
    EXPECT_EQ(JaqueBlancas(38), 1);
    EXPECT_EQ(JaqueBlancas(40), 0);
    EXPECT_EQ(JaqueBlancas(39), 0);
    // Rook a6 along the rank: not h7 across the edge. Knight h8: f7 and g6 only.
    ASSERT_EQ(CargarPosicionPrueba("k6N/8/r7/8/8/8/8/4K3 w - - 0 1"), 1);
    EXPECT_EQ(JaqueBlancas(15), 0);
    EXPECT_EQ(JaqueBlancas(23), 1);
    int atacadas = 0;
    for (int32_t s = 0; s < 64; s++) atacadas += JaqueNegras(s);
    EXPECT_EQ(JaqueNegras(13), 1);
    EXPECT_EQ(JaqueNegras(22), 1);
    EXPECT_EQ(atacadas, 2 + 5);  // knight squares and the king's five neighbours
    // Kings next to each other attack through sideways and diagonal steps only.
    ASSERT_EQ(CargarPosicionPrueba("8/8/8/8/8/8/8/k6K w - - 0 1"), 1);
    EXPECT_EQ(JaqueNegras(55), 1);
    EXPECT_EQ(JaqueNegras(56 - 8 + 7), 1);
    EXPECT_EQ(JaqueNegras(48), 0);
}

TEST_F(AtaquesYClaves, DespachadoresPorBando) {
    ASSERT_EQ(CargarPosicionPrueba("4k3/8/8/8/8/8/8/r3K3 w - - 0 1"), 1);
    TableroGlobal.Turno = 0;
    EXPECT_EQ(Jaque2(59), JaqueNegras(59));
    EXPECT_EQ(Jaque2(48), 0);
    TableroGlobal.Turno = 1;
    EXPECT_EQ(Jaque2(48), 1);
    EXPECT_EQ(Peon_Asalvo(48, 1), 1);
    EXPECT_EQ(Peon_Asalvo(51, 0), 1);
    EXPECT_EQ(Salir, 0);
    TableroGlobal.Turno = 3;
    EXPECT_EQ(Jaque2(48), 0);
    EXPECT_EQ(Salir, 1);
    Salir = 0;
    EXPECT_EQ(Peon_Asalvo(48, 2), 0);
    EXPECT_EQ(Salir, 1);
}

TEST_F(AtaquesYClaves, ClavesParesYRepetiblesPorSemilla) {
    uint32_t copia[14][64];
    std::memcpy(copia, zobrist_Tablero, sizeof(copia));
    const uint32_t turno = zobrist_Turno[0];
    std::set<uint32_t> distintas;
    for (int f = 0; f < 14; f++) {
        for (int s = 0; s < 64; s++) {
            EXPECT_EQ(zobrist_Tablero[f][s] & 1u, 0u);
            distintas.insert(zobrist_Tablero[f][s]);
        }
    }
    EXPECT_EQ(turno & 1u, 0u);
    EXPECT_GT(distintas.size(), 880u);
    IniciarClaves(77);
    EXPECT_EQ(std::memcmp(copia, zobrist_Tablero, sizeof(copia)), 0);
    EXPECT_EQ(zobrist_Turno[0], turno);
    IniciarClaves(78);
    EXPECT_NE(std::memcmp(copia, zobrist_Tablero, sizeof(copia)), 0);
}

TEST_F(AtaquesYClaves, ClaveDesdeCeroPorTermino) {
    ASSERT_EQ(CargarPosicionPrueba("r3k2r/8/8/8/3pP3/8/8/R3K2R b KQkq e3 0 1"), 1);
    const uint32_t base = TableroGlobal.Clave;
    TableroGlobal.Turno = 1;
    EXPECT_EQ(CalcularClave() ^ base, zobrist_Turno[0]);
    TableroGlobal.Turno = 0;
    TableroGlobal.Ficha_Al_Paso = 0;
    EXPECT_EQ(CalcularClave() ^ base, zobrist_Tablero[0][36]);
    TableroGlobal.Ficha_Al_Paso = 36;
    TableroGlobal.Enroque_Blancas = 5;
    EXPECT_EQ(CalcularClave() ^ base, zobrist_Tablero[7][60] ^ zobrist_Tablero[7][58]);
    TableroGlobal.Enroque_Blancas = 3;
    TableroGlobal.Enroque_Negras = 0;
    EXPECT_EQ(CalcularClave() ^ base, zobrist_Tablero[7][3] ^ zobrist_Tablero[7][0]);
}

namespace {

// The attack rule written plainly with Color_Casilla as the edge test, for comparison with
// the table-driven functions. atacantes: 0 White pieces, 7 Black pieces.
int32_t AtacadaDirecta(int32_t s, int32_t atacantes) {
    const int32_t *T = TableroGlobal.Tablero;
    const int32_t *C = TableroGlobal.Color_Casilla;
    auto en = [](int32_t t) { return t >= 0 && t < 64; };
    const int32_t peon = PEON_B + atacantes, caballo = CABALLO_B + atacantes;
    const int32_t alfil = ALFIL_B + atacantes, torre = TORRE_B + atacantes;
    const int32_t dama = DAMA_B + atacantes, rey = REY_B + atacantes;
    const int32_t atras = atacantes == 0 ? 8 : -8;  // pawns stand behind, seen from them
    for (int32_t d : {atras - 1, atras + 1}) {
        if (en(s + d) && C[s + d] == C[s] && T[s + d] == peon) return 1;
    }
    for (int32_t d : {10, -6, 6, -10, 17, 15, -15, -17}) {
        if (en(s + d) && C[s + d] != C[s] && T[s + d] == caballo) return 1;
    }
    for (int32_t d : {9, 7, -7, -9}) {
        for (int32_t t = s + d; en(t) && C[t] == C[s]; t += d) {
            if (T[t] == SIN_PIEZA) continue;
            if (T[t] == alfil || T[t] == dama) return 1;
            break;
        }
    }
    for (int32_t d : {8, -8, 1, -1}) {
        for (int32_t t = s + d; en(t) && (d == 8 || d == -8 || t / 8 == s / 8); t += d) {
            if (T[t] == SIN_PIEZA) continue;
            if (T[t] == torre || T[t] == dama) return 1;
            break;
        }
    }
    for (int32_t d : {8, -8, 1, -1, 9, -9, 7, -7}) {
        const bool recto = d == 8 || d == -8, lateral = d == 1 || d == -1;
        if (!en(s + d) || T[s + d] != rey) continue;
        if (recto || (lateral ? C[s + d] != C[s] : C[s + d] == C[s])) return 1;
    }
    return 0;
}

}  // namespace

// Random boards, every square tested for both colours, including squares that hold pieces.
TEST_F(AtaquesYClaves, CoincideConLaReglaDeColorEnTablerosAleatorios) {
    LlenarColorCasilla();
    uint32_t estado = 2024;
    for (int tablero = 0; tablero < 400; tablero++) {
        const int densidad = 4 + tablero % 28;  // from nearly empty to crowded
        for (int32_t s = 0; s < 64; s++) {
            estado = estado * 1664525u + 1013904223u;
            const uint32_t r = estado >> 16;
            const int32_t codigo = 1 + static_cast<int32_t>(r % 13);
            TableroGlobal.Tablero[s] =
                static_cast<int>(r >> 8) % 64 < densidad ? codigo : SIN_PIEZA;
        }
        for (int32_t s = 0; s < 64; s++) {
            ASSERT_EQ(JaqueBlancas(s), AtacadaDirecta(s, 7)) << "board " << tablero << " sq " << s;
            ASSERT_EQ(JaqueNegras(s), AtacadaDirecta(s, 0)) << "board " << tablero << " sq " << s;
        }
    }
}
