// Pseudo-legal generation: contents and the exact order of the list.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "board/posicion_test_util.h"

class Generacion : public ::testing::Test {
  protected:
    void SetUp() override {
        Salir = 0;
        IniciarClaves(11);
    }

    // Move texts of the generated list, with a suffix for promotions and flags.
    static std::vector<std::string> Textos(int32_t modo) {
        Lista_Jugadas lista[MAX_JUGADAS];
        const int32_t n = GenerarMovimientos(modo, lista);
        EXPECT_EQ(n, IndexMove);
        std::vector<std::string> res;
        for (int32_t i = 0; i < n; i++) {
            const uint32_t m = lista[i].Jugada;
            std::string t = std::string(NOMBRE_CASILLA[Desde(m)]) + NOMBRE_CASILLA[Hasta(m)];
            if (Corona(m) < NINGUNA) t += "?pnbrqk?pnbrqk"[Corona(m)];
            if (Es_Al_Paso(m)) t += " ep";
            if (Es_Enroque(m)) t += " O";
            res.push_back(t);
        }
        return res;
    }

    static size_t Posicion(const std::vector<std::string> &v, const std::string &t) {
        for (size_t i = 0; i < v.size(); i++) {
            if (v[i] == t) return i;
        }
        return v.size();
    }
};

TEST_F(Generacion, PosicionInicialEnOrdenDeBarrido) {
    ASSERT_EQ(CargarPosicionPrueba(FEN_INICIAL), 1);
    const std::vector<std::string> esperado = {
        "g1h3", "g1f3", "b1c3", "b1a3", "h2h3", "h2h4", "g2g3", "g2g4", "f2f3", "f2f4",
        "e2e3", "e2e4", "d2d3", "d2d4", "c2c3", "c2c4", "b2b3", "b2b4", "a2a3", "a2a4"};
    EXPECT_EQ(Textos(GENERAR_TODO), esperado);
    EXPECT_TRUE(Textos(GENERAR_CAPTURAS).empty());

    // Black scans from a8 upwards; the double step carries its flag.
    ASSERT_EQ(CargarPosicionPrueba("rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1"),
              1);
    const std::vector<std::string> negras = Textos(GENERAR_TODO);
    ASSERT_EQ(negras.size(), 20u);
    EXPECT_EQ(negras[0], "b8c6");
    EXPECT_EQ(negras[1], "b8a6");
    EXPECT_EQ(negras[4], "a7a6");
    EXPECT_EQ(negras[5], "a7a5");
    Lista_Jugadas lista[MAX_JUGADAS];
    GenerarMovimientos(GENERAR_TODO, lista);
    EXPECT_EQ(lista[5].Jugada, CrearJugada(8, 24, PEON_N, NINGUNA, NINGUNA, BIT_DOBLE_PASO));
}

TEST_F(Generacion, PalabraDeJugadaSegunLosCampos) {
    ASSERT_EQ(CargarPosicionPrueba(FEN_INICIAL), 1);
    Lista_Jugadas lista[MAX_JUGADAS];
    GenerarMovimientos(GENERAR_TODO, lista);
    const uint32_t e2e4 = lista[11].Jugada;
    EXPECT_EQ(Desde(e2e4), 52);
    EXPECT_EQ(Hasta(e2e4), 36);
    EXPECT_EQ(Ficha(e2e4), PEON_B);
    EXPECT_EQ(Captura(e2e4), NINGUNA);
    EXPECT_EQ(Corona(e2e4), NINGUNA);
    EXPECT_TRUE(Es_Doble_Paso(e2e4));
    EXPECT_FALSE(Es_Al_Paso(e2e4) || Es_Enroque(e2e4));
    EXPECT_EQ(e2e4 >> 29, 0u);
}

TEST_F(Generacion, CoronacionesDamaTorreAlfilCaballoCapturaPrimero) {
    ASSERT_EQ(CargarPosicionPrueba("2r1k3/1P6/8/8/8/8/8/4K3 w - - 0 1"), 1);
    const std::vector<std::string> todas = Textos(GENERAR_TODO);
    const std::vector<std::string> coronas = {"b7c8q", "b7c8r", "b7c8b", "b7c8n",
                                              "b7b8q", "b7b8r", "b7b8b", "b7b8n"};
    ASSERT_EQ(todas.size(), 5u + 8u);  // the king on e1 is scanned first
    EXPECT_EQ(std::vector<std::string>(todas.begin() + 5, todas.end()), coronas);
    EXPECT_EQ(Textos(GENERAR_CAPTURAS), coronas);

    Lista_Jugadas lista[MAX_JUGADAS];
    GenerarMovimientos(GENERAR_CAPTURAS, lista);
    EXPECT_EQ(lista[0].Jugada, CrearJugada(9, 2, PEON_B, TORRE_N, DAMA_B));
    EXPECT_EQ(lista[7].Jugada, CrearJugada(9, 1, PEON_B, NINGUNA, CABALLO_B));

    // Black promotes on rank 1 with the black codes, capturing towards s+7 then s+9 first.
    ASSERT_EQ(CargarPosicionPrueba("4k3/8/8/8/8/8/6p1/4K2R b - - 0 1"), 1);
    GenerarMovimientos(GENERAR_CAPTURAS, lista);
    ASSERT_EQ(IndexMove, 8);
    EXPECT_EQ(lista[0].Jugada, CrearJugada(54, 63, PEON_N, TORRE_B, DAMA_N));
    EXPECT_EQ(lista[3].Jugada, CrearJugada(54, 63, PEON_N, TORRE_B, CABALLO_N));
    EXPECT_EQ(lista[4].Jugada, CrearJugada(54, 62, PEON_N, NINGUNA, DAMA_N));
    EXPECT_EQ(lista[7].Jugada, CrearJugada(54, 62, PEON_N, NINGUNA, CABALLO_N));
}

TEST_F(Generacion, AlPasoAntesDelAvanceYEnAmbosModos) {
    ASSERT_EQ(CargarPosicionPrueba("4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 2"), 1);
    const std::vector<std::string> todas = Textos(GENERAR_TODO);
    EXPECT_LT(Posicion(todas, "e5d6 ep"), Posicion(todas, "e5e6"));
    EXPECT_LT(Posicion(todas, "e5e6"), todas.size());
    EXPECT_EQ(Textos(GENERAR_CAPTURAS), std::vector<std::string>{"e5d6 ep"});

    // Black takes towards s+9 when the pawn stands at s+1; no wrap from the h-file.
    ASSERT_EQ(CargarPosicionPrueba("4k3/8/8/8/Pp5p/8/8/4K3 b - a3 0 1"), 1);
    EXPECT_EQ(Textos(GENERAR_CAPTURAS), std::vector<std::string>{"b4a3 ep"});
}

TEST_F(Generacion, EnroqueTrasLaTorreDeH1YAntesDeLosPasosDelRey) {
    ASSERT_EQ(CargarPosicionPrueba("4k3/8/8/8/8/8/8/R3K2R w KQ - 0 1"), 1);
    std::vector<std::string> v = Textos(GENERAR_TODO);
    const size_t rey = Posicion(v, "e1g1 O");
    ASSERT_GT(rey, 0u);
    EXPECT_EQ(v[rey - 1].substr(0, 2), "h1");
    EXPECT_EQ(v[rey + 1], "e1c1 O");
    EXPECT_EQ(v[rey + 2], "e1e2");  // then +8 (off board), -8, +1, -1, ...
    EXPECT_EQ(v[rey + 3], "e1f1");
    EXPECT_EQ(v[rey + 4], "e1d1");

    // A rook attacking f1 removes only the king-side castling; one on g1 leaves it to the
    // make; one on b1 changes nothing.
    ASSERT_EQ(CargarPosicionPrueba("4kr2/8/8/8/8/8/8/R3K2R w KQ - 0 1"), 1);
    v = Textos(GENERAR_TODO);
    EXPECT_EQ(Posicion(v, "e1g1 O"), v.size());
    EXPECT_LT(Posicion(v, "e1c1 O"), v.size());
    for (const char *fen :
         {"4k1r1/8/8/8/8/8/8/R3K2R w KQ - 0 1", "1r2k3/8/8/8/8/8/8/R3K2R w KQ - 0 1"}) {
        ASSERT_EQ(CargarPosicionPrueba(fen), 1);
        v = Textos(GENERAR_TODO);
        EXPECT_LT(Posicion(v, "e1g1 O"), v.size()) << fen;
        EXPECT_LT(Posicion(v, "e1c1 O"), v.size()) << fen;
    }
    // No castling out of check, none without the rook, none for the castled states.
    ASSERT_EQ(CargarPosicionPrueba("4k3/8/8/8/8/8/4r3/R3K2R w KQ - 0 1"), 1);
    v = Textos(GENERAR_TODO);
    EXPECT_EQ(Posicion(v, "e1g1 O") + Posicion(v, "e1c1 O"), 2 * v.size());
    ASSERT_EQ(CargarPosicionPrueba("4k3/8/8/8/8/8/8/R3K3 w KQ - 0 1"), 1);
    v = Textos(GENERAR_TODO);
    EXPECT_EQ(Posicion(v, "e1g1 O"), v.size());
    EXPECT_LT(Posicion(v, "e1c1 O"), v.size());
    for (int32_t estado : {4, 5, 0}) {
        ASSERT_EQ(CargarPosicionPrueba("4k3/8/8/8/8/8/8/R3K2R w - - 0 1"), 1);
        TableroGlobal.Enroque_Blancas = estado;
        v = Textos(GENERAR_TODO);
        EXPECT_EQ(Posicion(v, "e1g1 O") + Posicion(v, "e1c1 O"), 2 * v.size()) << estado;
    }
    // Black castles the same way from e8, and never in mode 2.
    ASSERT_EQ(CargarPosicionPrueba("r3k2r/8/8/8/8/8/8/4K3 b kq - 0 1"), 1);
    v = Textos(GENERAR_TODO);
    EXPECT_EQ(Posicion(v, "e8g8 O") + 1, Posicion(v, "e8c8 O"));
    EXPECT_TRUE(Textos(GENERAR_CAPTURAS).empty());
}

TEST_F(Generacion, BordesPorColorDeCasilla) {
    // Knight on h8: only f7 and g6; knight order +10, -6, +6, -10, +17, +15, -15, -17.
    ASSERT_EQ(CargarPosicionPrueba("7N/8/8/8/8/8/8/k3K3 w - - 0 1"), 1);
    std::vector<std::string> v = Textos(GENERAR_TODO);
    EXPECT_EQ(std::vector<std::string>(v.end() - 2, v.end()),
              (std::vector<std::string>{"h8f7", "h8g6"}));
    EXPECT_EQ(v.size(), 5u + 2u);
    ASSERT_EQ(CargarPosicionPrueba("8/8/8/8/3N4/8/8/k3K3 w - - 0 1"), 1);
    v = Textos(GENERAR_TODO);
    EXPECT_EQ(
        std::vector<std::string>(v.end() - 8, v.end()),
        (std::vector<std::string>{"d4f3", "d4f5", "d4b3", "d4b5", "d4e2", "d4c2", "d4e6", "d4c6"}));
    // Bishop rays +9, +7, -7, -9 from the nearest square; queen: rook rays first.
    ASSERT_EQ(CargarPosicionPrueba("k7/8/8/8/8/8/1Q6/7K w - - 0 1"), 1);
    v = Textos(GENERAR_TODO);
    ASSERT_EQ(v.size(), 23u + 3u);
    EXPECT_EQ(v[0], "h1h2");
    const std::vector<std::string> dama = {"b2b1", "b2b3", "b2b4", "b2b5", "b2b6", "b2b7",
                                           "b2b8", "b2a2", "b2c2", "b2d2", "b2e2", "b2f2",
                                           "b2g2", "b2h2", "b2c1", "b2a1", "b2c3", "b2d4",
                                           "b2e5", "b2f6", "b2g7", "b2h8", "b2a3"};
    EXPECT_EQ(std::vector<std::string>(v.begin() + 3, v.end()), dama);
}

TEST_F(Generacion, CapturasSoloEnModoDos) {
    ASSERT_EQ(CargarPosicionPrueba(FEN_KIWIPETE), 1);
    Lista_Jugadas lista[MAX_JUGADAS];
    const int32_t todas = GenerarMovimientos(GENERAR_TODO, lista);
    std::vector<uint32_t> capturas_todas;
    for (int32_t i = 0; i < todas; i++) {
        if (Captura(lista[i].Jugada) < NINGUNA || Es_Al_Paso(lista[i].Jugada) ||
            Corona(lista[i].Jugada) < NINGUNA) {
            capturas_todas.push_back(lista[i].Jugada);
        }
    }
    const int32_t n = GenerarMovimientos(GENERAR_CAPTURAS, lista);
    std::vector<uint32_t> modo2;
    for (int32_t i = 0; i < n; i++) modo2.push_back(lista[i].Jugada);
    EXPECT_EQ(modo2, capturas_todas);
    EXPECT_EQ(n, 8);
}

TEST_F(Generacion, CodigosImposiblesYTurnoInvalidoActivanSalir) {
    ASSERT_EQ(CargarPosicionPrueba(FEN_INICIAL), 1);
    TableroGlobal.Turno = 2;
    Lista_Jugadas lista[MAX_JUGADAS];
    EXPECT_EQ(GenerarMovimientos(GENERAR_TODO, lista), 0);
    EXPECT_EQ(Salir, 1);

    Salir = 0;
    ASSERT_EQ(CargarPosicionPrueba(FEN_INICIAL), 1);
    TableroGlobal.Tablero[40] = 0;  // a3: blocks a2 and b1, belongs to neither side
    EXPECT_EQ(GenerarMovimientos(GENERAR_TODO, lista), 17);
    EXPECT_EQ(Salir, 1);

    Salir = 0;
    TableroGlobal.Tablero[40] = SIN_PIEZA;
    TableroGlobal.Turno = 0;
    TableroGlobal.Tablero[20] = 14;  // e6
    EXPECT_EQ(GenerarMovimientos(GENERAR_TODO, lista), 18);
    EXPECT_EQ(Salir, 1);
}

// A board of queens overflows the list: it stops at 256 entries and raises Salir.
TEST_F(Generacion, ListaLlenaSeCortaEn256) {
    ASSERT_EQ(CargarPosicionPrueba("kQQQQQQn/QQ4Q1/Q6Q/Q4Q1n/Q6Q/Q6Q/1Q2Q2Q/1QQQ2QK w - - 0 1"), 1);
    Lista_Jugadas lista[MAX_JUGADAS + 1];
    lista[MAX_JUGADAS].Jugada = 0xDEADu;
    EXPECT_EQ(GenerarMovimientos(GENERAR_TODO, lista), MAX_JUGADAS);
    EXPECT_EQ(IndexMove, MAX_JUGADAS);
    EXPECT_EQ(lista[MAX_JUGADAS].Jugada, 0xDEADu);
    EXPECT_EQ(Salir, 1);
}
