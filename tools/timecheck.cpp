// timecheck [vantor]: runs the engine over a sweep of "go wtime/btime" clocks and a series of
// "go infinite" + "stop", and prints how far each answer came after its own budget and how long
// "stop" took to answer. The budgets are those of the engine's own go handler.
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

#include "board/board.h"
#include "platform/platform.h"
#include "support/process.h"
#include "uci/uci.h"

static Proceso Motor;

static void Enviar(const std::string &texto) {
    if (!Escribir(Motor, texto)) perror("write");
}

// Waits for a line that starts with prefijo; returns the tick count when it arrived, 0 on
// time-out or end of output.
static uint32_t EsperarLinea(const char *prefijo, int limite_ms) {
    return EsperarLinea(Motor, prefijo, limite_ms) == 1 ? ObtenerTicks() : 0;
}

// The budget the go handler gives these clocks at the start of a game.
static int32_t Presupuesto(int32_t turno, int32_t reloj, int32_t inc) {
    TableroGlobal.Turno = turno;
    TipoJuego.Jugadas = 0;
    TipoJuego.Profundidad_Maxima = 0;
    TipoJuego.Infinito = 0;
    Parametros_Go p = {reloj, reloj, inc, inc, 0, 0};
    CalcularPresupuesto(&p);
    return TipoJuego.Tiempo_Limite;
}

int main(int argc, char **argv) {
    const std::string ruta = argc > 1 ? argv[1] : JuntoAlPrograma("vantor");
    if (!Lanzar(Motor, {ruta})) return 1;
    Enviar("setoption name ShowPv value None\nisready\n");
    if (!EsperarLinea("readyok", 10000)) {
        fprintf(stderr, "no readyok from %s\n", ruta.c_str());
        return 1;
    }

    // 1. Clock sweep, both sides to move, from a middlegame position.
    const char *posicion =
        "r1bq1rk1/pp2bppp/2n1pn2/3p4/2PP4/2N1PN2/PP1B1PPP/R2QKB1R %c - - 0 1";
    const int32_t relojes[] = {2000, 9000, 12000, 30000, 60000};
    const int32_t incrementos[] = {0, 200};
    int peor = INT_MIN, fallos = 0, partidas = 0;
    for (int32_t reloj : relojes) {
        for (int32_t inc : incrementos) {
            for (int32_t turno : {1, 0}) {
                char fen[128], go[128];
                snprintf(fen, sizeof(fen), posicion, turno ? 'w' : 'b');
                snprintf(go, sizeof(go), "go wtime %d btime %d winc %d binc %d\n", reloj, reloj,
                         inc, inc);
                const int32_t limite = Presupuesto(turno, reloj, inc);
                Enviar(std::string("ucinewgame\nposition fen ") + fen + "\n");
                const uint32_t inicio = ObtenerTicks();
                Enviar(go);
                const uint32_t fin = EsperarLinea("bestmove", limite + 10000);
                partidas++;
                if (fin == 0) {
                    fallos++;
                    printf("wtime %6d inc %4d %s: no bestmove\n", reloj, inc, turno ? "w" : "b");
                    continue;
                }
                const int exceso = static_cast<int>(fin - inicio) - limite;
                if (exceso > peor) peor = exceso;
                printf("wtime %6d inc %4d %s: budget %5d ms, answered after %5u ms, over %4d\n",
                       reloj, inc, turno ? "w" : "b", limite, fin - inicio, exceso);
            }
        }
    }

    // 2. "stop" during an infinite search.
    int peor_stop = 0;
    for (int i = 0; i < 10; i++) {
        Enviar("ucinewgame\nposition startpos\ngo infinite\n");
        std::this_thread::sleep_for(std::chrono::milliseconds(200 + 50 * i));
        const uint32_t inicio = ObtenerTicks();
        Enviar("stop\n");
        const uint32_t fin = EsperarLinea("bestmove", 10000);
        if (fin == 0) {
            fallos++;
            continue;
        }
        if (static_cast<int>(fin - inicio) > peor_stop) peor_stop = static_cast<int>(fin - inicio);
    }

    Enviar("quit\n");
    const Uso_Proceso uso = Esperar(Motor, 10000);
    printf("clock sweep: %d searches, worst time over budget %d ms\n", partidas, peor);
    printf("stop: 10 searches, slowest answer %d ms\n", peor_stop);
    printf("searches without an answer: %d, engine exit status %d\n", fallos, uso.estado);
    return fallos == 0 ? 0 : 1;
}
