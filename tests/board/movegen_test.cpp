// Pseudo-legal generation: contents and the exact order of the list.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/position.h"

class Generacion : public PruebaTablero {
  protected:
    static std::vector<std::string> Textos(const char *fen, int32_t modo) {
        EXPECT_EQ(CargarPosicionPrueba(fen), 1);
        std::vector<std::string> res;
        for (uint32_t m : Generadas(modo)) res.push_back(TextoPrueba(m));
        EXPECT_EQ(static_cast<int32_t>(res.size()), IndexMove);
        return res;
    }

    // The moves of v from the one starting with desde onwards, up to cuantas of them.
    static std::vector<std::string> Desde(const std::vector<std::string> &v,
                                          const std::string &desde, size_t cuantas) {
        size_t i = 0;
        while (i < v.size() && v[i].compare(0, desde.size(), desde) != 0) i++;
        return std::vector<std::string>(v.begin() + i, v.begin() + std::min(v.size(), i + cuantas));
    }
};

TEST_F(Generacion, AlPasoAntesDelAvanceYDoblePasoMarcado) {
    EXPECT_EQ(Desde(Textos("4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 2", GENERAR_TODO), "e5", 3),
              (std::vector<std::string>{"e5d6 ep", "e5e6"}));
    // Black takes towards s+9 when the pawn stands at s+1; the h-pawn does not wrap to a3.
    EXPECT_EQ(Textos("4k3/8/8/8/Pp5p/8/8/4K3 b - a3 0 1", GENERAR_CAPTURAS),
              std::vector<std::string>{"b4a3 ep"});
}

TEST_F(Generacion, EnroqueTrasLaTorreDeH1YAntesDeLosPasosDelRey) {
    EXPECT_EQ(Desde(Textos("4k3/8/8/8/8/8/8/R3K2R w KQ - 0 1", GENERAR_TODO), "h1f1", 5),
              (std::vector<std::string>{"h1f1", "e1g1 O", "e1c1 O", "e1e2", "e1f1"}));
    struct Caso { const char *fen; bool corto, largo; };
    // A rook on f1's file removes the short castling; on g1's file it is left to the make;
    // on b1's file nothing changes; none out of check, without the rook, or once castled.
    for (const Caso &c : {Caso{"4kr2/8/8/8/8/8/8/R3K2R w KQ - 0 1", false, true},
                          Caso{"4k1r1/8/8/8/8/8/8/R3K2R w KQ - 0 1", true, true},
                          Caso{"1r2k3/8/8/8/8/8/8/R3K2R w KQ - 0 1", true, true},
                          Caso{"4k3/8/8/8/8/8/4r3/R3K2R w KQ - 0 1", false, false},
                          Caso{"4k3/8/8/8/8/8/8/R3K3 w KQ - 0 1", false, true},
                          Caso{"4k3/8/8/8/8/8/8/R3K2R w - - 0 1", false, false},
                          Caso{"r3k2r/8/8/8/8/8/8/4K3 b kq - 0 1", true, true}}) {
        const std::vector<std::string> v = Textos(c.fen, GENERAR_TODO);
        const bool negras = c.fen[0] == 'r';
        auto hay = [&](const char *t) { return std::find(v.begin(), v.end(), t) != v.end(); };
        EXPECT_EQ(hay(negras ? "e8g8 O" : "e1g1 O"), c.corto) << c.fen;
        EXPECT_EQ(hay(negras ? "e8c8 O" : "e1c1 O"), c.largo) << c.fen;
    }
    for (int32_t estado : {4, 5}) {
        ASSERT_EQ(CargarPosicionPrueba("4k3/8/8/8/8/8/8/R3K2R w - - 0 1"), 1);
        TableroGlobal.Enroque_Blancas = estado;
        EXPECT_EQ(BuscarJugada("e1g1 O") | BuscarJugada("e1c1 O"), 0u) << estado;
    }
    EXPECT_TRUE(Textos("r3k2r/8/8/8/8/8/8/4K3 b kq - 0 1", GENERAR_CAPTURAS).empty());
}

// Captures, en passant, and promotions with and without a capture; in the order of mode 1, which
// the perft divide test checks.
TEST_F(Generacion, ModoDosEsLaSubsecuenciaDeCapturasYCoronaciones) {
    ASSERT_EQ(CargarPosicionPrueba("r3k2r/1P4P1/8/3pP3/8/8/1p4p1/R3K2R w KQkq d6 0 1"), 1);
    std::vector<uint32_t> todas;
    for (uint32_t m : Generadas())
        if (Captura(m) < NINGUNA || Es_Al_Paso(m) || Corona(m) < NINGUNA) todas.push_back(m);
    EXPECT_EQ(Generadas(GENERAR_CAPTURAS), todas);
    EXPECT_EQ(todas.size(), 19u);
}

// More than 256 pseudo-legal moves: the list stops at its capacity and Salir is raised.
TEST_F(Generacion, ListaLlenaSeDetieneEnSuCapacidad) {
    Lista_Jugadas lista[MAX_JUGADAS + 1];
    ASSERT_EQ(CargarPosicionPrueba("kQQQQQQn/QQ4Q1/Q6Q/Q4Q1n/Q6Q/Q6Q/1Q2Q2Q/1QQQ2QK w - - 0 1"), 1);
    lista[MAX_JUGADAS].Jugada = 0xDEADu;
    EXPECT_EQ(GenerarMovimientos(GENERAR_TODO, lista), MAX_JUGADAS);
    EXPECT_EQ(lista[MAX_JUGADAS].Jugada, 0xDEADu);
    EXPECT_EQ(Salir, 1);
}
