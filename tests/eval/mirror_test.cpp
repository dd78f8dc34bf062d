// Colour symmetry: a position and its colour mirror evaluate alike for the side to move.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "eval/eval_test_util.h"

using namespace eval_test;

// The first four fields of every line of an EPD file, with clocks appended; every paso-th line.
static std::vector<std::string> LeerEpd(const std::string &ruta, int paso) {
    std::vector<std::string> fens;
    std::ifstream f(ruta);
    std::string linea;
    for (int n = 0; std::getline(f, linea); n++) {
        if (n % paso != 0) continue;
        std::istringstream in(linea);
        std::string a, b, c, d;
        if (!(in >> a >> b >> c >> d)) continue;
        fens.push_back(a + " " + b + " " + c + " " + d + " 0 1");
    }
    return fens;
}

// Accepted asymmetries, each with its reason; empty while none is known.
//   (none: every term is written for White and mirrored rank for rank for Black, the scan's
//   one-pass reads depend on the file only, and the truncations go toward zero both ways)

class EspejoEvaluacion : public ::testing::Test {
  protected:
    Registro_TT tt;
    void SetUp() override {
        tt = TT_Opciones;
        Neutro();
        TT_Opciones.Megas_Cache = 0;
    }
    void TearDown() override { TT_Opciones = tt; }

    static std::vector<std::string> Posiciones() {
        std::string dir = VANTOR_SHARED_DIR;
        std::vector<std::string> fens = LeerEpd(dir + "/testsuites/wac.epd", 1);
        for (const std::string &f : LeerEpd(dir + "/openings/8moves_v3_3000.epd", 15))
            fens.push_back(f);
        for (const std::string &f : LeerEpd(dir + "/testsuites/bratko-kopec.epd", 1))
            fens.push_back(f);
        return fens;
    }
};

TEST_F(EspejoEvaluacion, MirroredPositionsScoreTheSameForTheSideToMove) {
    std::vector<std::string> fens = Posiciones();
    ASSERT_GT(fens.size(), 400u) << "test suites not found under " << VANTOR_SHARED_DIR;
    int diferentes = 0;
    for (const std::string &fen : fens) {
        Cargar(fen.c_str());
        int32_t v = Evaluar();
        Tipo_Lado b = Blancas, n = Negras;
        std::string espejo = Espejo(fen);
        Cargar(espejo.c_str());
        int32_t w = Evaluar();
        if (v == w) continue;
        diferentes++;
        ADD_FAILURE() << fen << " gives " << v << ", " << espejo << " gives " << w
                      << "\n  opening " << b.Puntos_Apertura << "/" << n.Puntos_Apertura
                      << " vs " << Negras.Puntos_Apertura << "/" << Blancas.Puntos_Apertura
                      << "\n  endgame " << b.Puntos_Final << "/" << n.Puntos_Final << " vs "
                      << Negras.Puntos_Final << "/" << Blancas.Puntos_Final;
        if (diferentes > 10) break;
    }
}

TEST_F(EspejoEvaluacion, SideRecordsSwapUnderTheMirror) {
    for (const std::string &fen : Posiciones()) {
        Cargar(fen.c_str());
        Evaluar();
        Tipo_Lado b = Blancas, n = Negras;
        Cargar(Espejo(fen).c_str());
        Evaluar();
        const Tipo_Lado *pares[2][2] = {{&b, &Negras}, {&n, &Blancas}};
        for (auto &par : pares) {
            const Tipo_Lado &x = *par[0], &y = *par[1];
            ASSERT_EQ(x.Movilidad_Apertura, y.Movilidad_Apertura) << fen;
            ASSERT_EQ(x.Movilidad_Final, y.Movilidad_Final) << fen;
            ASSERT_EQ(x.Tropismo_Apertura, y.Tropismo_Apertura) << fen;
            ASSERT_EQ(x.Tropismo_Final, y.Tropismo_Final) << fen;
            ASSERT_EQ(x.Ataque_Rey, y.Ataque_Rey) << fen;
            ASSERT_EQ(x.Atacantes_Rey, y.Atacantes_Rey) << fen;
            ASSERT_EQ(x.Peones_Segunda, y.Peones_Segunda) << fen;
            ASSERT_EQ(x.Num_Amenazas_Peon, y.Num_Amenazas_Peon) << fen;
            ASSERT_EQ(x.Num_Objetivos_Dama, y.Num_Objetivos_Dama) << fen;
            for (int s = 0; s < 64; s++)
                ASSERT_EQ(x.Defensa_Casilla[s], y.Defensa_Casilla[s ^ 56]) << fen << " " << s;
            for (int f = 0; f < 8; f++)
                for (int k = 0; k < 5; k++) {
                    int32_t a = x.Lista_Peones[f][k], c = y.Lista_Peones[f][k];
                    ASSERT_EQ(a, c < 0 ? c : c ^ 56) << fen << " file " << f;
                }
            ASSERT_EQ(x.Puntos_Apertura, y.Puntos_Apertura) << fen;
            ASSERT_EQ(x.Puntos_Final, y.Puntos_Final) << fen;
        }
    }
}
