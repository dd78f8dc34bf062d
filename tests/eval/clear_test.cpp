// Reset of the side records' evaluation work fields.
#include <gtest/gtest.h>

#include <cstring>

#include "eval/eval.h"

namespace {

class LimpiezaLados : public ::testing::Test {
protected:
    void SetUp() override {
        // Every byte 0x55: every field holds a value that no reset writes.
        memset(&Blancas, 0x55, sizeof(Blancas));
        memset(&Negras, 0x55, sizeof(Negras));
    }
    static constexpr int32_t BASURA = 0x55555555;
};

TEST_F(LimpiezaLados, ListasAMenosUnoYSumasACeroEnAmbosLados) {
    LimpiarPuntuacion(0);
    for (const Tipo_Lado *l : {&Blancas, &Negras}) {
        for (int32_t v : l->Peones_Columna) EXPECT_EQ(v, 0);
        for (const auto &c : l->Lista_Peones)
            for (int32_t v : c) EXPECT_EQ(v, -1);
        for (int32_t i = 0; i < 8; i++) {
            EXPECT_EQ(l->Lista_Caballos[i], -1);
            EXPECT_EQ(l->Lista_Alfiles[i], -1);
            EXPECT_EQ(l->Lista_Torres[i], -1);
            EXPECT_EQ(l->Lista_Damas[i], -1);
        }
        for (int32_t v : l->Defensa_Casilla) EXPECT_EQ(v, -1);
        for (int32_t v : {l->Num_Amenazas_Peon, l->Num_Objetivos_Caballo, l->Num_Objetivos_Alfil,
                          l->Num_Objetivos_Torre, l->Num_Objetivos_Dama, l->Num_Objetivos_Rey,
                          l->Puntos_Apertura, l->Puntos_Final, l->Movilidad_Apertura,
                          l->Movilidad_Final, l->Tropismo_Apertura, l->Tropismo_Final,
                          l->Peones_Flanco_Dama, l->Peones_Flanco_Rey, l->Peones_Claras,
                          l->Peones_Oscuras, l->Peones_Segunda, l->Ataque_Rey,
                          l->Atacantes_Rey})
            EXPECT_EQ(v, 0);
        // Counts and list contents survive: only the position set-up clears the counts.
        EXPECT_EQ(l->Num_Peones, BASURA);
        EXPECT_EQ(l->Num_Damas, BASURA);
        EXPECT_EQ(l->Objetivos_Dama[223], BASURA);
        EXPECT_EQ(l->Amenazas_Peon[0], BASURA);
    }
}

TEST_F(LimpiezaLados, ConMaterialTambienLasCincoCuentas) {
    LimpiarPuntuacion(1);
    for (const Tipo_Lado *l : {&Blancas, &Negras}) {
        for (int32_t v : {l->Num_Peones, l->Num_Caballos, l->Num_Alfiles, l->Num_Torres,
                          l->Num_Damas})
            EXPECT_EQ(v, 0);
        EXPECT_EQ(l->Lista_Damas[7], -1);
    }
}

}  // namespace
