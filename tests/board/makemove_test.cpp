// Make and unmake: exact restoration, incremental key and counts, the special moves.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <utility>
#include <vector>

#include "support/position.h"

namespace {

// Everything a make/unmake pair must give back, compared as one block of words: the board,
// the ten fields before the undo stack, the counts, and the live parts of both stacks.
struct Foto {
    std::vector<int32_t> palabras;
    static Foto Tomar() {
        const Tipo_Tablero &t = TableroGlobal;
        Foto f;
        auto poner = [&f](const void *p, size_t bytes) {
            f.palabras.resize(f.palabras.size() + bytes / 4);
            std::memcpy(f.palabras.data() + f.palabras.size() - bytes / 4, p, bytes);
        };
        poner(t.Tablero, sizeof(t.Tablero));
        poner(&t, offsetof(Tipo_Tablero, Fase));  // kings .. Regla_50
        poner(&t.Num_Historial, 8);               // Num_Historial, Clave
        poner(&Blancas.Num_Peones, 20);
        poner(&Negras.Num_Peones, 20);
        poner(t.Historial_Claves, 4 * t.Num_Historial);
        poner(t.Pila_Deshacer, sizeof(Registro_Deshacer) * t.Indice_Deshacer);
        return f;
    }
    bool operator==(const Foto &o) const = default;
};

// The square sets as the squares alone give them.
void ComprobarMapas() {
    const Tipo_Tablero &t = TableroGlobal;
    uint64_t mapas[16] = {};
    for (int s = 0; s < 64; s++) mapas[t.Tablero[s]] |= 1ull << s;
    for (int p = 0; p < 16; p++) ASSERT_EQ(t.Mapa_Pieza[p], mapas[p]) << "code " << p;
}

// The key, the counts, the king squares and the square sets rebuilt from the squares alone.
void ComprobarDesdeCero() {
    const Tipo_Tablero &t = TableroGlobal;
    int32_t n[16] = {};
    for (int s = 0; s < 64; s++) n[t.Tablero[s]]++;
    ComprobarMapas();
    ASSERT_EQ(t.Clave, CalcularClave());
    ASSERT_EQ(t.Tablero[t.Rey_Blanco] * 100 + t.Tablero[t.Rey_Negro], REY_B * 100 + REY_N);
    for (const Tipo_Lado *lado : {&Blancas, &Negras}) {
        const int32_t base = lado == &Blancas ? PEON_B : PEON_N;
        const int32_t cuentas[5] = {lado->Num_Peones, lado->Num_Caballos, lado->Num_Alfiles,
                                    lado->Num_Torres, lado->Num_Damas};
        for (int k = 0; k < 5; k++) ASSERT_EQ(cuentas[k], n[base + k]) << base + k;
    }
}

using HacerDeshacer = PruebaTablero;

}  // namespace

// Random walks over legal moves: every pair restores everything, legal or not, and after
// each make and unmake the incremental key, the counts, the kings and the square sets agree
// with a rebuild.
TEST_F(HacerDeshacer, RestauraTodoTrasCadaParEnPaseosAleatorios) {
    std::vector<Foto> camino;
    const int pasos = PaseosAleatorios(
        {FEN_INICIAL, FEN_KIWIPETE, FEN_POS3, FEN_POS4,
         "r3k2r/1P4P1/8/3pP3/8/8/1p4p1/R3K2R w KQkq d6 37 40"},
        12, 60, 12345, [&camino](const char *fen, int ply) {
            if (ply < 0) {  // take the whole walk back
                for (; !camino.empty(); camino.pop_back()) {
                    ASSERT_TRUE(Foto::Tomar() == camino.back()) << fen;
                    if (camino.size() > 1) DeshacerMovimiento();
                }
                return;
            }
            ComprobarDesdeCero();
            const Tipo_Tablero &t = TableroGlobal;
            if (ply > 0) {
                ASSERT_EQ(t.Historial_Claves[t.Num_Historial - 1], t.Clave);
            }
            camino.push_back(Foto::Tomar());
            for (uint32_t m : Generadas()) {
                HacerMovimiento(m);
                ASSERT_EQ(t.Clave, CalcularClave());
                ComprobarMapas();
                DeshacerMovimiento();
                ComprobarMapas();
                ASSERT_TRUE(Foto::Tomar() == camino.back()) << fen << " ply " << ply;
            }
        });
    EXPECT_GT(pasos, 2000);
    EXPECT_EQ(Salir, 0);
}

// Rights go with the piece leaving its square; taking a rook on its corner leaves the other
// side's state alone, and the castled states 4 and 5 never change.
TEST_F(HacerDeshacer, DerechosDeEnroqueSegunLaPiezaQueSale) {
    // The move, then White's state times 10 plus Black's after it.
    const std::pair<const char *, int32_t> casos[] = {
        {"h1h5", 23}, {"a1a5", 13}, {"e1e2", 3}, {"h1h8", 23}, {"a1a8", 13}};
    for (const auto &[jugada, estados] : casos) {
        ASSERT_EQ(CargarPosicionPrueba("r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1"), 1);
        HacerMovimiento(BuscarJugada(jugada));
        EXPECT_EQ(TableroGlobal.Enroque_Blancas * 10 + TableroGlobal.Enroque_Negras, estados)
            << jugada;
    }
    ASSERT_EQ(CargarPosicionPrueba("4k3/8/8/8/8/8/8/5RK1 w - - 0 1"), 1);
    TableroGlobal.Enroque_Blancas = 5;
    TableroGlobal.Clave = CalcularClave();
    HacerMovimiento(BuscarJugada("g1h1"));
    EXPECT_EQ(TableroGlobal.Enroque_Blancas, 5);
    EXPECT_EQ(TableroGlobal.Clave, CalcularClave());
}

TEST_F(HacerDeshacer, RelojSinTopePilasSaturadasYReyCapturado) {
    ASSERT_EQ(CargarPosicionPrueba("4k3/8/8/8/8/8/8/4K2R w - - 100 80"), 1);
    HacerMovimiento(BuscarJugada("h1h2"));
    EXPECT_EQ(TableroGlobal.Regla_50, 101);
    DeshacerMovimiento();
    TableroGlobal.Indice_Deshacer = 63;
    TableroGlobal.Num_Historial = 600;
    const uint32_t ultima = TableroGlobal.Historial_Claves[599];
    const uint32_t m = BuscarJugada("h1h2");
    HacerMovimiento(m);
    EXPECT_EQ(TableroGlobal.Indice_Deshacer * 1000 + TableroGlobal.Num_Historial, 63600);
    EXPECT_EQ(TableroGlobal.Historial_Claves[599], ultima);
    EXPECT_EQ(TableroGlobal.Pila_Deshacer[63].Jugada, m);

    // A captured king is impossible: Salir, but the pair still restores the board.
    ASSERT_EQ(CargarPosicionPrueba("4k3/8/8/8/8/8/8/4K2R w - - 0 1"), 1);
    const Foto antes = Foto::Tomar();
    HacerMovimiento(CrearJugada(63, 4, TORRE_B, REY_N, NINGUNA));
    EXPECT_EQ(Salir, 1);
    DeshacerMovimiento();
    EXPECT_TRUE(Foto::Tomar() == antes);
}
