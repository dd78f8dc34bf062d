// The endgame rules against Debian's 3-piece tablebases: every legal king-and-pawn ending, with
// the pawn of either colour and either side to move.
#include <cstdio>
#include <cstring>

#include "endgame/endgame.h"
#include "search/busqueda_test_util.h"
#include "uci/transcript.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace {

const char RUTA_KPK[] = "/usr/share/gaviotatb/gtb1";

// The rules' verdict for the side to move: 0 draw, 1 win, -1 loss, 2 none.
int Veredicto() {
    LimpiarPuntuacion(0);
    EvaluarPiezasTableroJuego();
    const Tipo_Lado &b = Blancas, &n = Negras;
    if (FinalesReconocidos(b.Num_Peones, b.Num_Caballos, b.Num_Alfiles, b.Num_Torres,
                           b.Num_Damas, n.Num_Peones, n.Num_Caballos, n.Num_Alfiles,
                           n.Num_Torres, n.Num_Damas) == 0)
        return 0;
    const int32_t v = EvaluarFinalesDificiles();
    return v == 32001 ? 2 : v > 0 ? 1 : v < 0 ? -1 : 0;
}

TEST(TablasKpk, NoRuleCallsAWonPositionDrawn) {
    ASSERT_EQ(PrepararBusqueda(FEN_INICIAL), 1);
    Registro_Tablas &tb = tbprobe_Gaviota;
    std::snprintf(tb.Ruta, sizeof(tb.Ruta), "%s", RUTA_KPK);
    tb.Compresion = 1;
    std::string informe;
    {
#if defined(__SANITIZE_ADDRESS__)
        // The library loses what its first initialisation allocated.
        __lsan::ScopedDisabler sin_fugas;
#endif
        informe = CapturarSalida(Cargar_gtbgaviota_dll);
    }
    ASSERT_TRUE(tb.Cargada == 1 && (tb.Disponibles & 2) != 0)
        << "no complete 3-piece tablebases under " << RUTA_KPK
        << " (scripts/deps.sh installs Debian's gaviotatb package):\n" << informe;

    // Kings and pawn placed square by square; the side not to move must not stand in check.
    long legales = 0, juzgadas = 0, acuerdos = 0, tablas = 0, reconocidas = 0;
    std::vector<std::string> contraejemplos;
    for (char peon : {'P', 'p'})
        for (int p = 8; p < 56; p++)
            for (int rb = 0; rb < 64; rb++)
                for (int rn = 0; rn < 64; rn++) {
                    if (rb == p || rn == p || rb == rn || DistanciaRey(rb, rn) < 2) continue;
                    for (char turno : {'w', 'b'}) {
                        char casillas[64];
                        std::memset(casillas, '1', sizeof(casillas));
                        casillas[p] = peon, casillas[rb] = 'K', casillas[rn] = 'k';
                        std::string fen;
                        for (int s = 0; s < 64; s++)
                            fen += std::string(1, casillas[s]) + (s % 8 == 7 && s < 63 ? "/" : "");
                        fen += std::string(" ") + turno + " - - 0 1";
                        ASSERT_EQ(CargarPosicionPrueba(fen.c_str()), 1) << fen;
                        if (JaqueRaiz(true)) continue;
                        legales++;
                        const int regla = Veredicto();
                        // A node at ply 1 returns the tables' score for the side to move.
                        TableroGlobal.Indice_Deshacer = 1;
                        const int32_t v = Buscar(1);
                        ASSERT_EQ(TipoJuego.Nodos, 1u) << "no tablebase answer for " << fen;
                        const int tablas_dicen = v > 0 ? 1 : v < 0 ? -1 : 0;
                        tablas += tablas_dicen == 0;
                        if (regla == 2) continue;
                        juzgadas++;
                        acuerdos += regla == tablas_dicen;
                        reconocidas += regla == 0 && tablas_dicen == 0;
                        if (regla == 0 && tablas_dicen != 0) contraejemplos.push_back(fen);
                    }
                }
    Descargar_gtbgaviota_dll();
    std::printf("KPK: %ld legal positions; the rules judge %ld and agree with the tables on %ld (%.2f%%); "
                "they recognise %ld of the %ld drawn positions (%.1f%%)\n",
                legales, juzgadas, acuerdos, 100.0 * acuerdos / juzgadas, reconocidas, tablas,
                100.0 * reconocidas / tablas);
    EXPECT_GT(juzgadas, 0);
    EXPECT_TRUE(contraejemplos.empty()) << contraejemplos.size() << " won positions called "
                                        << "drawn, the first " << contraejemplos[0];
}

}  // namespace
