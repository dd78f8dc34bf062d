// The endgame rules against Debian's 3-piece tablebases on every legal king-and-pawn ending.
#include <cstdio>

#include "endgame/endgame.h"
#include "search/busqueda_test_util.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace {

TEST(TablasKpk, NoRuleCallsAWonPositionDrawn) {
    ASSERT_EQ(PrepararBusqueda(FEN_INICIAL), 1);
    Registro_Tablas &tb = tbprobe_Gaviota;
    std::snprintf(tb.Ruta, sizeof(tb.Ruta), "/usr/share/gaviotatb/gtb1");
    tb.Compresion = 1, tb.Verbosidad = 0;
    {
#if defined(__SANITIZE_ADDRESS__)
        __lsan::ScopedDisabler sin_fugas;  // the library loses its first initialisation
#endif
        Cargar_gtbgaviota_dll();
    }
    ASSERT_TRUE(tb.Cargada == 1 && (tb.Disponibles & 2) != 0)
        << "no complete 3-piece tablebases under " << tb.Ruta
        << " (scripts/deps.sh installs Debian's gaviotatb package)";

    // Verdicts for the side to move: 1 win, 0 draw, -1 loss; the rules also 2 for none.
    long legales = 0, juzgadas = 0, acuerdos = 0;
    std::vector<std::string> contraejemplos;
    for (const char *piezas : {"PKk", "pKk"})
        for (int p = 8; p < 56; p++)
            for (int rb = 0; rb < 64; rb++)
                for (int rn = 0; rn < 64; rn++)
                    for (char turno : {'w', 'b'}) {
                        if (rb == p || rn == p || DistanciaRey(rb, rn) < 2) continue;
                        std::string casillas(64, ' ');
                        casillas[p] = piezas[0], casillas[rb] = 'K', casillas[rn] = 'k';
                        const std::string fen = FenDeCasillas(casillas, turno);
                        ASSERT_EQ(CargarPosicionPrueba(fen.c_str()), 1) << fen;
                        if (JaqueRaiz(true)) continue;
                        LimpiarPuntuacion(0);
                        EvaluarPiezasTableroJuego();
                        const int32_t v = EvaluarFinalesDificiles();
                        TableroGlobal.Indice_Deshacer = 1;  // ply 1 returns the tables' score
                        const int32_t t = Buscar(1);
                        ASSERT_EQ(TipoJuego.Nodos, 1u) << "no tablebase answer for " << fen;
                        const int regla = v == 32001 ? 2 : (v > 0) - (v < 0);
                        const int dicen = (t > 0) - (t < 0);
                        legales++;
                        if (regla == 2) continue;
                        juzgadas++, acuerdos += regla == dicen;
                        if (regla == 0 && dicen != 0) contraejemplos.push_back(fen);
                    }
    Descargar_gtbgaviota_dll();
    std::printf("KPK: %ld legal positions; the rules judge %ld and agree with the tables on %ld "
                "(%.2f%%)\n", legales, juzgadas, acuerdos, 100.0 * acuerdos / juzgadas);
    EXPECT_TRUE(contraejemplos.empty())
        << contraejemplos.size() << " won positions called drawn, the first " << contraejemplos[0];
}

}  // namespace
