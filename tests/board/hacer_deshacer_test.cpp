// Make and unmake: exact restoration, incremental key and counts, the special moves.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "board/posicion_test_util.h"

namespace {

// Everything a make/unmake pair must give back.
struct Foto {
    int32_t tablero[64];
    int32_t rb, rn, eb, en, paso, indice, turno, regla, num_hist;
    uint32_t clave;
    int32_t cuentas[10];
    std::vector<uint32_t> historial;
    std::vector<Registro_Deshacer> pila;

    bool operator==(const Foto &o) const {
        return std::memcmp(tablero, o.tablero, sizeof(tablero)) == 0 && rb == o.rb && rn == o.rn &&
               eb == o.eb && en == o.en && paso == o.paso && indice == o.indice &&
               turno == o.turno && regla == o.regla && num_hist == o.num_hist && clave == o.clave &&
               std::memcmp(cuentas, o.cuentas, sizeof(cuentas)) == 0 && historial == o.historial &&
               pila.size() == o.pila.size() &&
               (pila.empty() ||
                std::memcmp(pila.data(), o.pila.data(), pila.size() * sizeof(pila[0])) == 0);
    }
};

void Cuentas(const Tipo_Lado &l, int32_t *c) {
    c[0] = l.Num_Peones;
    c[1] = l.Num_Caballos;
    c[2] = l.Num_Alfiles;
    c[3] = l.Num_Torres;
    c[4] = l.Num_Damas;
}

Foto Tomar() {
    const Tipo_Tablero &t = TableroGlobal;
    Foto f;
    std::memcpy(f.tablero, t.Tablero, sizeof(f.tablero));
    f.rb = t.Rey_Blanco;
    f.rn = t.Rey_Negro;
    f.eb = t.Enroque_Blancas;
    f.en = t.Enroque_Negras;
    f.paso = t.Ficha_Al_Paso;
    f.indice = t.Indice_Deshacer;
    f.turno = t.Turno;
    f.regla = t.Regla_50;
    f.num_hist = t.Num_Historial;
    f.clave = t.Clave;
    Cuentas(Blancas, f.cuentas);
    Cuentas(Negras, f.cuentas + 5);
    f.historial.assign(t.Historial_Claves, t.Historial_Claves + t.Num_Historial);
    f.pila.assign(t.Pila_Deshacer, t.Pila_Deshacer + t.Indice_Deshacer);
    return f;
}

// Counts and king squares rebuilt from the squares alone.
void ComprobarRecuento() {
    const Tipo_Tablero &t = TableroGlobal;
    int32_t n[16] = {};
    for (int s = 0; s < 64; s++) n[t.Tablero[s]]++;
    EXPECT_EQ(n[REY_B], 1);
    EXPECT_EQ(n[REY_N], 1);
    EXPECT_EQ(t.Tablero[t.Rey_Blanco], REY_B);
    EXPECT_EQ(t.Tablero[t.Rey_Negro], REY_N);
    int32_t c[10];
    Cuentas(Blancas, c);
    Cuentas(Negras, c + 5);
    for (int k = 0; k < 5; k++) {
        EXPECT_EQ(c[k], n[PEON_B + k]);
        EXPECT_EQ(c[5 + k], n[PEON_N + k]);
    }
}

// Small deterministic generator for the walks.
uint32_t Siguiente(uint32_t &estado) {
    estado = estado * 1664525u + 1013904223u;
    return estado >> 8;
}

uint32_t Buscar(const char *desde, const char *hasta, int32_t corona = NINGUNA) {
    Lista_Jugadas lista[MAX_JUGADAS];
    const int32_t n = GenerarMovimientos(GENERAR_TODO, lista);
    for (int32_t i = 0; i < n; i++) {
        const uint32_t m = lista[i].Jugada;
        if (std::string(NOMBRE_CASILLA[Desde(m)]) == desde &&
            std::string(NOMBRE_CASILLA[Hasta(m)]) == hasta && Corona(m) == corona) {
            return m;
        }
    }
    ADD_FAILURE() << "no generated move " << desde << hasta;
    return 0;
}

}  // namespace

class HacerDeshacer : public ::testing::Test {
  protected:
    void SetUp() override {
        Salir = 0;
        IniciarClaves(99);
    }
};

// Long random walks over legal moves: every pair restores everything, and after each make
// the incremental key and the counts agree with a rebuild from scratch.
TEST_F(HacerDeshacer, RestauraTodoTrasCadaParEnPaseosAleatorios) {
    const char *fens[] = {
        FEN_INICIAL,
        FEN_KIWIPETE,
        "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - -",
        "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1",
        "rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ - 1 8",
        "r3k2r/1P4P1/8/3pP3/8/8/1p4p1/R3K2R w KQkq d6 37 40",
        "4k3/1P6/8/2pP4/8/8/6p1/4K3 w - c6 0 1",
    };
    uint32_t estado = 12345;
    int pasos = 0;
    for (const char *fen : fens) {
        for (int paseo = 0; paseo < 12; paseo++) {
            ASSERT_EQ(CargarPosicionPrueba(fen), 1);
            std::vector<Foto> camino;
            for (int ply = 0; ply < 60; ply++) {
                const Foto antes = Tomar();
                Lista_Jugadas lista[MAX_JUGADAS];
                const int32_t n = GenerarMovimientos(GENERAR_TODO, lista);
                std::vector<uint32_t> legales;
                for (int32_t i = 0; i < n; i++) {
                    if (HacerMovimiento(lista[i].Jugada)) {
                        legales.push_back(lista[i].Jugada);
                        ASSERT_EQ(TableroGlobal.Clave, CalcularClave());
                    }
                    DeshacerMovimiento();
                    ASSERT_TRUE(Tomar() == antes) << fen << " ply " << ply;
                }
                if (legales.empty()) break;
                const uint32_t m = legales[Siguiente(estado) % legales.size()];
                camino.push_back(antes);
                ASSERT_EQ(HacerMovimiento(m), 1);
                ASSERT_EQ(TableroGlobal.Clave, CalcularClave());
                ASSERT_EQ(TableroGlobal.Clave & 1u, 0u);
                ASSERT_EQ(TableroGlobal.Historial_Claves[TableroGlobal.Num_Historial - 1],
                          TableroGlobal.Clave);
                ComprobarRecuento();
                pasos++;
            }
            // Back to the start, one unmake at a time.
            while (!camino.empty()) {
                DeshacerMovimiento();
                ASSERT_TRUE(Tomar() == camino.back());
                camino.pop_back();
            }
        }
    }
    EXPECT_GT(pasos, 3000);
    EXPECT_EQ(Salir, 0);
}

TEST_F(HacerDeshacer, DoblePasoFijaAlPasoYReloj) {
    ASSERT_EQ(CargarPosicionPrueba(FEN_INICIAL), 1);
    TableroGlobal.Regla_50 = 12;
    const int32_t hist = TableroGlobal.Num_Historial;
    ASSERT_EQ(HacerMovimiento(Buscar("e2", "e4")), 1);
    EXPECT_EQ(TableroGlobal.Ficha_Al_Paso, 36);
    EXPECT_EQ(TableroGlobal.Regla_50, 0);
    EXPECT_EQ(TableroGlobal.Turno, 0);
    EXPECT_EQ(TableroGlobal.Num_Historial, hist + 1);
    EXPECT_EQ(TableroGlobal.Indice_Deshacer, 1);
    // The same position loaded with "e3" as en-passant field has the same key.
    const uint32_t clave = TableroGlobal.Clave;
    ASSERT_EQ(CargarPosicionPrueba("rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1"),
              1);
    EXPECT_EQ(TableroGlobal.Clave, clave);
}

TEST_F(HacerDeshacer, EnroqueMueveLaTorreYMarcaElEstado) {
    ASSERT_EQ(CargarPosicionPrueba("r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 3 1"), 1);
    const Foto antes = Tomar();
    ASSERT_EQ(HacerMovimiento(Buscar("e1", "g1")), 1);
    const Tipo_Tablero &t = TableroGlobal;
    EXPECT_EQ(t.Tablero[62], REY_B);
    EXPECT_EQ(t.Tablero[61], TORRE_B);
    EXPECT_EQ(t.Tablero[63], SIN_PIEZA);
    EXPECT_EQ(t.Tablero[60], SIN_PIEZA);
    EXPECT_EQ(t.Enroque_Blancas, 5);
    EXPECT_EQ(t.Rey_Blanco, 62);
    EXPECT_EQ(t.Regla_50, 4);
    EXPECT_EQ(t.Clave, CalcularClave());
    // Black castles queen side in reply.
    ASSERT_EQ(HacerMovimiento(Buscar("e8", "c8")), 1);
    EXPECT_EQ(t.Tablero[2], REY_N);
    EXPECT_EQ(t.Tablero[3], TORRE_N);
    EXPECT_EQ(t.Tablero[0], SIN_PIEZA);
    EXPECT_EQ(t.Enroque_Negras, 4);
    EXPECT_EQ(t.Rey_Negro, 2);
    EXPECT_EQ(t.Clave, CalcularClave());
    DeshacerMovimiento();
    DeshacerMovimiento();
    EXPECT_TRUE(Tomar() == antes);
    EXPECT_EQ(t.Enroque_Blancas, 3);
}

TEST_F(HacerDeshacer, DerechosDeEnroqueSegunLaPiezaQueSale) {
    struct Caso {
        const char *desde, *hasta;
        int32_t blancas, negras;
    };
    for (const Caso &c : {Caso{"h1", "h5", 2, 3}, Caso{"a1", "a5", 1, 3}, Caso{"e1", "e2", 0, 3},
                          Caso{"h1", "h8", 2, 3}, Caso{"a1", "a8", 1, 3}}) {
        ASSERT_EQ(CargarPosicionPrueba("r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1"), 1);
        HacerMovimiento(Buscar(c.desde, c.hasta));
        EXPECT_EQ(TableroGlobal.Enroque_Blancas, c.blancas) << c.desde << c.hasta;
        // Taking a rook on its corner leaves the other side's state alone.
        EXPECT_EQ(TableroGlobal.Enroque_Negras, c.negras) << c.desde << c.hasta;
        EXPECT_EQ(TableroGlobal.Clave, CalcularClave());
        DeshacerMovimiento();
    }
    // States 4 and 5 never change, not even when the king moves again.
    ASSERT_EQ(CargarPosicionPrueba("4k3/8/8/8/8/8/8/5RK1 w - - 0 1"), 1);
    TableroGlobal.Enroque_Blancas = 5;
    TableroGlobal.Clave = CalcularClave();
    HacerMovimiento(Buscar("g1", "h1"));
    EXPECT_EQ(TableroGlobal.Enroque_Blancas, 5);
    EXPECT_EQ(TableroGlobal.Clave, CalcularClave());
}

TEST_F(HacerDeshacer, AlPasoQuitaElPeonDeSuCasilla) {
    ASSERT_EQ(CargarPosicionPrueba("4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 2"), 1);
    const Foto antes = Tomar();
    const uint32_t m = Buscar("e5", "d6");
    EXPECT_TRUE(Es_Al_Paso(m));
    EXPECT_EQ(Captura(m), NINGUNA);
    ASSERT_EQ(HacerMovimiento(m), 1);
    EXPECT_EQ(TableroGlobal.Tablero[19], PEON_B);
    EXPECT_EQ(TableroGlobal.Tablero[27], SIN_PIEZA);
    EXPECT_EQ(TableroGlobal.Tablero[28], SIN_PIEZA);
    EXPECT_EQ(Negras.Num_Peones, 0);
    EXPECT_EQ(TableroGlobal.Ficha_Al_Paso, 0);
    EXPECT_EQ(TableroGlobal.Clave, CalcularClave());
    DeshacerMovimiento();
    EXPECT_TRUE(Tomar() == antes);
}

TEST_F(HacerDeshacer, CoronacionConCapturaCambiaLasCuentas) {
    ASSERT_EQ(CargarPosicionPrueba("4kr2/4P3/8/8/8/8/8/4K3 w - - 5 9"), 1);
    const Foto antes = Tomar();
    ASSERT_EQ(HacerMovimiento(Buscar("e7", "f8", CABALLO_B)), 1);
    EXPECT_EQ(TableroGlobal.Tablero[5], CABALLO_B);
    EXPECT_EQ(TableroGlobal.Tablero[12], SIN_PIEZA);
    EXPECT_EQ(Blancas.Num_Peones, 0);
    EXPECT_EQ(Blancas.Num_Caballos, 1);
    EXPECT_EQ(Negras.Num_Torres, 0);
    EXPECT_EQ(TableroGlobal.Regla_50, 0);
    EXPECT_EQ(TableroGlobal.Clave, CalcularClave());
    DeshacerMovimiento();
    EXPECT_TRUE(Tomar() == antes);
}

TEST_F(HacerDeshacer, JugadaIlegalDevuelveCeroYSeDeshace) {
    // The knight on e2 is pinned by the rook on e8.
    ASSERT_EQ(CargarPosicionPrueba("4r1k1/8/8/8/8/8/4N3/4K3 w - - 0 1"), 1);
    const Foto antes = Tomar();
    EXPECT_EQ(HacerMovimiento(Buscar("e2", "c3")), 0);
    DeshacerMovimiento();
    EXPECT_TRUE(Tomar() == antes);
    // A black king stepping next to the white king.
    ASSERT_EQ(CargarPosicionPrueba("8/8/8/3k4/8/3K4/8/8 b - - 0 1"), 1);
    EXPECT_EQ(HacerMovimiento(Buscar("d5", "d4")), 0);
    DeshacerMovimiento();
    EXPECT_EQ(HacerMovimiento(Buscar("d5", "d6")), 1);
    DeshacerMovimiento();
}

TEST_F(HacerDeshacer, RelojSinTopeYPilasSaturadas) {
    ASSERT_EQ(CargarPosicionPrueba("4k3/8/8/8/8/8/8/4K2R w - - 100 80"), 1);
    HacerMovimiento(Buscar("h1", "h2"));
    EXPECT_EQ(TableroGlobal.Regla_50, 101);
    DeshacerMovimiento();
    EXPECT_EQ(TableroGlobal.Regla_50, 100);

    // At 63 the undo index stays; at 600 the history takes no more keys.
    TableroGlobal.Indice_Deshacer = 63;
    TableroGlobal.Num_Historial = 600;
    const uint32_t ultima = TableroGlobal.Historial_Claves[599];
    const uint32_t m = Buscar("h1", "h2");
    HacerMovimiento(m);
    EXPECT_EQ(TableroGlobal.Indice_Deshacer, 63);
    EXPECT_EQ(TableroGlobal.Num_Historial, 600);
    EXPECT_EQ(TableroGlobal.Historial_Claves[599], ultima);
    EXPECT_EQ(TableroGlobal.Pila_Deshacer[63].Jugada, m);
}

TEST_F(HacerDeshacer, CapturaDeReyActivaSalir) {
    ASSERT_EQ(CargarPosicionPrueba("4k3/8/8/8/8/8/8/4K2R w - - 0 1"), 1);
    const Foto antes = Tomar();
    HacerMovimiento(CrearJugada(63, 4, TORRE_B, REY_N, NINGUNA));
    EXPECT_EQ(Salir, 1);
    DeshacerMovimiento();
    EXPECT_TRUE(Tomar() == antes);
}
