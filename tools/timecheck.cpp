// timecheck [vantor]: runs the engine over a sweep of "go wtime/btime" clocks and a series of
// "go infinite" + "stop", and prints how far each answer came after its own budget and how long
// "stop" took to answer. The budgets are those of the engine's own go handler.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

#include "board/board.h"
#include "platform/platform.h"
#include "uci/uci.h"

static int Entrada = -1, Salida = -1;
static std::string Pendiente;

// Starts the engine with pipes on its standard input and output.
static pid_t Arrancar(const char *ruta) {
    int a[2], b[2];
    if (pipe(a) != 0 || pipe(b) != 0) return -1;
    pid_t pid = fork();
    if (pid == 0) {
        dup2(a[0], 0);
        dup2(b[1], 1);
        close(a[1]);
        close(b[0]);
        execl(ruta, ruta, static_cast<char *>(nullptr));
        _exit(127);
    }
    close(a[0]);
    close(b[1]);
    Entrada = a[1];
    Salida = b[0];
    return pid;
}

static void Enviar(const std::string &texto) {
    if (write(Entrada, texto.data(), texto.size()) < 0) perror("write");
}

// Waits for a line that starts with prefijo; returns the tick count when it arrived, 0 on
// time-out or end of output.
static uint32_t EsperarLinea(const char *prefijo, int limite_ms) {
    const uint32_t inicio = ObtenerTicks();
    for (;;) {
        size_t fin;
        while ((fin = Pendiente.find('\n')) != std::string::npos) {
            std::string linea = Pendiente.substr(0, fin);
            Pendiente.erase(0, fin + 1);
            if (linea.rfind(prefijo, 0) == 0) return ObtenerTicks();
        }
        const int resto = limite_ms - static_cast<int>(ObtenerTicks() - inicio);
        if (resto <= 0) return 0;
        pollfd p{Salida, POLLIN, 0};
        if (poll(&p, 1, resto) <= 0) return 0;
        char buffer[4096];
        const ssize_t n = read(Salida, buffer, sizeof(buffer));
        if (n <= 0) return 0;
        Pendiente.append(buffer, static_cast<size_t>(n));
    }
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
    std::string ruta = argc > 1 ? argv[1] : "";
    if (ruta.empty()) {
        char propia[4096] = {0};
        if (readlink("/proc/self/exe", propia, sizeof(propia) - 1) <= 0) return 1;
        ruta = std::string(propia);
        ruta = ruta.substr(0, ruta.rfind('/') + 1) + "vantor";
    }
    signal(SIGPIPE, SIG_IGN);
    const pid_t pid = Arrancar(ruta.c_str());
    if (pid < 0) return 1;
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
        usleep(200000 + 50000 * i);
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
    close(Entrada);
    int estado = 0;
    waitpid(pid, &estado, 0);
    printf("clock sweep: %d searches, worst time over budget %d ms\n", partidas, peor);
    printf("stop: 10 searches, slowest answer %d ms\n", peor_stop);
    printf("searches without an answer: %d, engine exit status %d\n", fallos,
           WIFEXITED(estado) ? WEXITSTATUS(estado) : -1);
    return fallos == 0 ? 0 : 1;
}
