// Constant tables of the endgame knowledge.
#include "endgame/endgame.h"

// Drawish material: the factor in percent for one side's men against the other's, either
// colour first. Two bishops against a bare king depend on their squares and are decided in
// FinalesReconocidos; a configuration not listed gives 100.
constexpr Factor_Final FACTORES_FINALES[] = {
    {MAT("NN"), MAT(""), 0},     {MAT("NN"), MAT("N"), 0},    {MAT("NN"), MAT("B"), 0},
    {MAT("RN"), MAT("R"), 3},    {MAT("PN"), MAT("B"), 5},    {MAT("BB"), MAT("R"), 5},
    {MAT("QN"), MAT("Q"), 5},    {MAT("QB"), MAT("Q"), 5},    {MAT("PN"), MAT("N"), 10},
    {MAT("PB"), MAT("N"), 10},   {MAT("PB"), MAT("B"), 10},   {MAT("NB"), MAT("B"), 10},
    {MAT("PB"), MAT("BB"), 10},  {MAT("RN"), MAT("RP"), 10},  {MAT("RB"), MAT("RP"), 10},
    {MAT("PN"), MAT("BB"), 12},  {MAT("NB"), MAT("N"), 15},   {MAT("NN"), MAT("NN"), 15},
    {MAT("NN"), MAT("NB"), 15},  {MAT("NN"), MAT("BB"), 15},  {MAT("NB"), MAT("NB"), 15},
    {MAT("NB"), MAT("BB"), 15},  {MAT("BB"), MAT("BB"), 15},  {MAT("NB"), MAT("PN"), 25},
    {MAT("NB"), MAT("PB"), 25},  {MAT("RR"), MAT("QN"), 25},  {MAT("RR"), MAT("QB"), 25},
    {MAT("PP"), MAT("N"), -1},   {MAT("PP"), MAT("B"), -1},   {MAT("NN"), MAT("PN"), -1},
    {MAT("NN"), MAT("PB"), -1},  {MAT("R"), MAT("PN"), -10},  {MAT("R"), MAT("PB"), -10},
};
constexpr int32_t NUM_FACTORES_FINALES = sizeof(FACTORES_FINALES) / sizeof(FACTORES_FINALES[0]);

// Square tables, a8 first.
constexpr int32_t Rey_Tablero_Fin_Mate[64] = {
    100,  90,  80,  70,  70,  80,  90, 100,
     90,  70,  60,  50,  50,  60,  70,  90,
     80,  60,  40,  30,  30,  40,  60,  80,
     70,  50,  30,  20,  20,  30,  50,  70,
     70,  50,  30,  20,  20,  30,  50,  70,
     80,  60,  40,  30,  30,  40,  60,  80,
     90,  70,  60,  50,  50,  60,  70,  90,
    100,  90,  80,  70,  70,  80,  90, 100,
};

// Distance 1 cannot occur between kings.
constexpr int32_t PushClose[8] = {0, 0, 100, 80, 60, 40, 20, 10};
constexpr int32_t PushAway[8] = {0, 5, 20, 40, 60, 80, 90, 100};

// [0] a dark bishop mates in a1 and h8, [1] a light one in a8 and h1.
constexpr int32_t KBNKMateTable[2][64] = {
    {
          0,  20,  80, 100, 120, 140, 160, 200,
         20,   0,  20,  80, 100, 120, 140, 160,
         80,  20,   0,  20,  80, 100, 120, 140,
        100,  80,  20,   0,  20,  80, 100, 120,
        120, 100,  80,  20,   0,  20,  80, 100,
        140, 120, 100,  80,  20,   0,  20,  80,
        160, 140, 120, 100,  80,  20,   0,  20,
        200, 160, 140, 120, 100,  80,  20,   0,
    },
    {
        200, 160, 140, 120, 100,  80,  20,   0,
        160, 140, 120, 100,  80,  20,   0,  20,
        140, 120, 100,  80,  20,   0,  20,  80,
        120, 100,  80,  20,   0,  20,  80, 100,
        100,  80,  20,   0,  20,  80, 100, 120,
         80,  20,   0,  20,  80, 100, 120, 140,
         20,   0,  20,  80, 100, 120, 140, 160,
          0,  20,  80, 100, 120, 140, 160, 200,
    },
};

// Where a knight is hard to catch: 0 in the corner blocks, 2 in the centre.
constexpr int32_t KRKN_Table[64] = {
    0, 0, 1, 1, 1, 1, 0, 0,
    0, 0, 1, 1, 1, 1, 0, 0,
    1, 1, 2, 2, 2, 2, 1, 1,
    1, 1, 2, 2, 2, 2, 1, 1,
    1, 1, 2, 2, 2, 2, 1, 1,
    1, 1, 2, 2, 2, 2, 1, 1,
    0, 0, 1, 1, 1, 1, 0, 0,
    0, 0, 1, 1, 1, 1, 0, 0,
};
