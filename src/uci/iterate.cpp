// Iterative deepening with aspiration windows, the "info" reports and "bestmove".
#include <cstdio>
#include <cstring>

#include "eval/eval.h"
#include "platform/platform.h"
#include "search/search.h"
#include "tablebase/tablebase.h"
#include "uci/uci.h"

// Iterations up to PROF_VENTANA_COMPLETA search the full window; later ones a window of
// VENTANA_INICIAL around the last score, widened VENTANA_FACTOR times after each failure, at
// most VENTANA_INTENTOS times. A score more than MARGEN_COTA from the last is reported as a bound.
static constexpr int32_t PROF_VENTANA_COMPLETA = 6;
static constexpr int32_t VENTANA_INICIAL = 25, VENTANA_FACTOR = 4, VENTANA_INTENTOS = 3;
static constexpr int32_t MARGEN_COTA = 100;
// ShowPv Middle reports a timed search once it is past this share of its budget (in single
// precision), an untimed one from this share of its depth limit.
static constexpr float PARTE_TEMPRANA = 1.0f / 3.0f;
static constexpr double PARTE_PROFUNDIDAD = 0.5;

void ImprimirPv(int32_t profundidad, int32_t *impreso, int32_t puntuacion, int32_t cota) {
    Registro_Juego &j = TipoJuego;

    // 1.-2. Whether to print: always when infinite, else by ShowPv.
    uint32_t transcurrido = ObtenerTicks() - j.Tiempo_Inicio;
    int32_t temprano = transcurrido == 0 ||
                       static_cast<double>(transcurrido) <= j.Tiempo_Limite * PARTE_TEMPRANA;
    if (j.Infinito != 1) {
        if (j.Mostrar_Pv == MOSTRAR_NADA) return;
        if (j.Mostrar_Pv == MOSTRAR_MEDIO) {
            if (j.Por_Tiempo == 0 && profundidad < j.Profundidad_Maxima * PARTE_PROFUNDIDAD) return;
            if (j.Por_Tiempo != 0 && temprano) return;
        }
    }

    // 3. Time and speed.
    *impreso = 1;
    j.Tiempo_Usado = ObtenerTicks() - j.Tiempo_Inicio;
    uint32_t nps = 0;
    if (j.Tiempo_Usado != 0) {
        double v = j.Nodos / (j.Tiempo_Usado * 0.001);
        nps = static_cast<uint32_t>(static_cast<unsigned long long>(v));
    }

    // 4. The line, each move followed by a space.
    char linea[64 * 6 + 1];
    int32_t n = 0, largo = 0;
    while (n < 64 && pv_line_fin[n] != 0) {
        uint32_t m = pv_line_fin[n++];
        MovimientoCoordenadas(Desde(m), Hasta(m), Corona(m), linea + largo);
        largo += static_cast<int32_t>(strlen(linea + largo));
        linea[largo++] = ' ';
    }
    linea[largo] = '\0';

    // 5.-6. One line, written at once.
    char salida[1024];
    int32_t k = snprintf(salida, sizeof(salida),
                         "info depth %d seldepth %d time %u nodes %u nps %u tbhits %u hashfull %d "
                         "score ",
                         profundidad, n, j.Tiempo_Usado, j.Nodos, nps, tbprobe_Gaviota.Aciertos,
                         HashFull());
    if (EsMate(puntuacion)) {
        // Moves to mate, negative when mated.
        int32_t movs = puntuacion > 0 ? static_cast<int32_t>((MATE - puntuacion + 1) * 0.5)
                                      : static_cast<int32_t>((-MATE - puntuacion - 1) * 0.5);
        k += snprintf(salida + k, sizeof(salida) - k, "mate %d", movs);
    } else {
        k += snprintf(salida + k, sizeof(salida) - k, "cp %d%s", puntuacion,
                      cota == 1 ? " lowerbound" : (cota == -1 ? " upperbound" : ""));
    }
    snprintf(salida + k, sizeof(salida) - k, " pv %s\n", linea);
    fputs(salida, stdout);
}

// Takes the line of an accepted iteration and reports it.
static void Reportar(int32_t d, int32_t *impreso, int32_t puntuacion, int32_t cota) {
    TipoJuego.Mejor_Jugada = pv_line[0][0];
    TipoJuego.Jugada_Ponder = 0;
    if (pv_line[0][0] != 0) {
        // The copy includes the terminator, so a shorter line replaces a longer one.
        int32_t i = 0;
        while (i < 63 && pv_line[0][i] != 0) {
            pv_line_fin[i] = pv_line[0][i];
            i++;
        }
        pv_line_fin[i] = 0;
        TipoJuego.Jugada_Ponder = pv_line[0][1];
    }
    ImprimirPv(d, impreso, puntuacion, cota);
}

// One call of the root search, with the root's entry state set as it expects.
static int32_t BuscarRaiz(int32_t d, int32_t alpha, int32_t beta, int32_t en_jaque) {
    Mejor_Movimiento_Pos = -1;
    return AlphaBeta_Pv(d, alpha, beta, en_jaque, 0, -1);
}

void LimpiarEstadoBusqueda() {
    TipoJuego.Detener = 0;
    TipoJuego.Nodos = 0;
    tbprobe_Gaviota.Aciertos = 0;
    LimpiarHistoricos();
}

// Empties what one search accumulates; the table only ages, and starts over past its oldest
// generation.
static void LimpiarTrasBusqueda() {
    LimpiarEstadoBusqueda();
    TT_Opciones.Ocupadas = 0;
    TT_Opciones.Edad++;
    if (TT_Opciones.Edad > MAX_EDAD) LimpiarTransposicion();
}

void IniciarBusqueda() {
    Registro_Juego &j = TipoJuego;
    Tipo_Tablero &t = TableroGlobal;

    // 1. Start state. The best and ponder moves are cleared too, so that a search that
    // finds no move never answers with the move of an earlier search.
    int32_t impreso = 0;
    t.Indice_Deshacer = 0;
    j.Tiempo_Inicio = ObtenerTicks();
    j.Profundidad = 1;
    if (j.Profundidad_Maxima <= 0) j.Profundidad_Maxima = 1;
    if (j.Profundidad_Maxima > MAX_PROFUNDIDAD) j.Profundidad_Maxima = MAX_PROFUNDIDAD;
    j.Mejor_Jugada = 0;
    j.Jugada_Ponder = 0;

    // 2. The opponent's mobility and king attack weigh 4% more than our own.
    int32_t blancas = t.Turno == 1;
    AJUSTE_ATT[0] = AJUSTE_MOB[0] = blancas ? AJUSTE_RIVAL : AJUSTE_PROPIO;
    AJUSTE_ATT[1] = AJUSTE_MOB[1] = blancas ? AJUSTE_PROPIO : AJUSTE_RIVAL;

    // 3. Whether the side to move is in check.
    int32_t en_jaque = 0;
    if (t.Turno == 1) en_jaque = JaqueBlancas(t.Rey_Blanco);
    else if (t.Turno == 0) en_jaque = JaqueNegras(t.Rey_Negro);
    else Salir = 1;

    // 4. Iterations 1 .. Profundidad_Maxima - 1.
    int32_t previa = 0, ultima = 0, puntuacion = 0;
    for (int32_t d = 1; d < j.Profundidad_Maxima; d++, j.Profundidad = d) {
        // 4a. Stopped: keep the previous score.
        if (j.Detener == 1) {
            puntuacion = previa;
            break;
        }

        // 4b. Full window at low depth or around a mate, else aspiration (25, 100, 400).
        if (d <= PROF_VENTANA_COMPLETA || EsMate(previa)) {
            puntuacion = BuscarRaiz(d, -SIN_PUNTUACION, SIN_PUNTUACION, en_jaque);
        } else {
            int32_t delta = VENTANA_INICIAL, aceptada = 0;
            for (int32_t intento = 0; intento < VENTANA_INTENTOS; intento++) {
                puntuacion = BuscarRaiz(d, previa - delta, previa + delta, en_jaque);
                if (j.Detener == 1) break;
                if (puntuacion > previa - delta && puntuacion < previa + delta) {
                    aceptada = 1;
                    break;
                }
                if (EsMate(puntuacion)) break;
                delta *= VENTANA_FACTOR;
            }
            if (!aceptada && j.Detener != 1)
                puntuacion = BuscarRaiz(d, -SIN_PUNTUACION, SIN_PUNTUACION, en_jaque);
        }

        // 4c. Accept and report, unless stopped; two mates in a row end the search.
        if (d == 1) {
            if (j.Detener == 0) Reportar(d, &impreso, puntuacion, 0);
        } else {
            if (EsMate(ultima) && EsMate(puntuacion) && j.Infinito == 0) break;
            if (j.Detener == 0) {
                int32_t cota = 0;
                if (puntuacion > previa + MARGEN_COTA) cota = 1;
                else if (puntuacion < previa - MARGEN_COTA) cota = -1;
                ultima = puntuacion;
                Reportar(d, &impreso, puntuacion, cota);
            } else {
                // An interrupted iteration is never used.
                puntuacion = ultima;
            }
        }
        previa = puntuacion;
    }

    // 5. One report per search, whatever ShowPv says.
    if (!impreso && pv_line_fin[0] != 0) {
        j.Mejor_Jugada = pv_line_fin[0];
        j.Jugada_Ponder = pv_line_fin[1];
        int32_t infinito = j.Infinito;
        j.Infinito = 1;
        ImprimirPv(j.Profundidad, &impreso, puntuacion, 0);
        j.Infinito = infinito;
    }

    // 6. The answer. Without an accepted iteration (a depth limit of 1, or a stop during
    // the first) the one-ply look names a legal move; "0000" only when the root has none.
    if (j.Mejor_Jugada == 0) {
        j.Mejor_Jugada = pv_line_fin[0] != 0 ? pv_line_fin[0] : JugadaDeUnPly();
        j.Jugada_Ponder = pv_line_fin[0] != 0 ? pv_line_fin[1] : 0;
    }
    char texto[6], ponder[6];
    if (j.Mejor_Jugada == 0) {
        printf("bestmove 0000\n");
    } else {
        uint32_t m = j.Mejor_Jugada;
        MovimientoCoordenadas(Desde(m), Hasta(m), Corona(m), texto);
        if (j.Jugada_Ponder != 0) {
            uint32_t q = j.Jugada_Ponder;
            MovimientoCoordenadas(Desde(q), Hasta(q), Corona(q), ponder);
            printf("bestmove %s ponder %s\n", texto, ponder);
        } else {
            printf("bestmove %s\n", texto);
        }
    }

    // 7. Ready for the next search.
    LimpiarTrasBusqueda();
}
