// Tactics of our own (tests/data/tactics.epd), solved through the suite tool at go depth 9.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "support/process.h"

TEST(Tacticas, ResuelveCadaPosicionDelFichero) {
    const std::string fichero = std::string(VANTOR_DATA_DIR) + "/tactics.epd";
    int posiciones = 0;
    std::ifstream f(fichero);
    for (std::string l; std::getline(f, l);) posiciones += l.find(" bm ") != std::string::npos;
    EXPECT_GE(posiciones, 20) << fichero;
    // Each searched from fresh tables; the listing says which failed.
    std::string salida;
    const int estado =
        Correr({VANTOR_WAC_BIN, fichero, "depth", "9", "lista"}, &salida, 600000).estado;
    const std::string n = std::to_string(posiciones);
    EXPECT_NE(salida.find("Solved " + n + " of " + n + " (depth 9)"), std::string::npos) << salida;
    EXPECT_EQ(estado, 0);
}
