// Tactics of our own (tests/data/tactics.epd), solved through the suite tool at go depth 9.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "support/process.h"
#include "support/transcript.h"

TEST(Tacticas, ResuelveCadaPosicionDelFichero) {
    const std::string fichero = std::string(VANTOR_DATA_DIR) + "/tactics.epd";
    size_t esperadas = 0;
    std::ifstream f(fichero);
    for (std::string l; std::getline(f, l);) esperadas += l.find(" bm ") != std::string::npos;
    EXPECT_GE(esperadas, 20u) << fichero;
    // The suite tool searches each from fresh tables and lists the result.
    Proceso p;
    ASSERT_TRUE(Lanzar(p, {VANTOR_WAC_BIN, fichero, "depth", "9", "lista"}));
    LeerTodo(p, 600000);
    size_t listadas = 0;
    for (const std::string &linea : Lineas(p.leido)) {
        if (linea.find(" bm ") == std::string::npos) continue;
        listadas++;
        EXPECT_NE(linea.find(" ok "), std::string::npos) << linea;
    }
    EXPECT_EQ(Esperar(p, 5000).estado, 0);
    EXPECT_EQ(listadas, esperadas);
}
