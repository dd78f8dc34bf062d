// match ENGINE_A ENGINE_B [games] [tc]: plays two UCI engines against each other from a fixed
// selection of openings, each opening twice with the colours swapped. The clocks are kept here
// and our own board code referees. Prints each result as it comes, then W/D/L from A's side,
// the score and an Elo difference with a 95% error bar. tc is "seconds+increment", e.g. 4+0.05.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "board/board.h"
#include "platform/platform.h"
#include "uci/uci.h"

static const char APERTURAS[] = "/openings/8moves_v3_3000.epd";

static const char USO[] =
    "usage: match ENGINE_A ENGINE_B [games (default 60)] [tc (default 4+0.05)]\n";
static constexpr int MARGEN_MS = 2000;     // grace after the clock before a side counts as hung
static constexpr int ARRANQUE_MS = 10000;  // time for "uciok" and "readyok"
static constexpr int TOPE_PLIES = 250;     // adjudicated a draw from here on

struct Motor {
    std::string ruta;
    char nombre;  // 'A' or 'B'
    pid_t pid;
    int entrada, salida;  // the engine's standard input and output
    std::string pendiente;
};

// Sends a text; 0 when the engine no longer reads.
static int Enviar(Motor &m, const std::string &texto) {
    return write(m.entrada, texto.data(), texto.size()) == static_cast<ssize_t>(texto.size());
}

// Waits up to limite_ms for a line that starts with prefijo and stores it: 1 when it came,
// 0 on time-out, -1 when the engine's output ended.
static int EsperarLinea(Motor &m, const char *prefijo, int limite_ms, std::string *linea) {
    const uint32_t inicio = ObtenerTicks();
    for (;;) {
        size_t fin;
        while ((fin = m.pendiente.find('\n')) != std::string::npos) {
            std::string l = m.pendiente.substr(0, fin);
            m.pendiente.erase(0, fin + 1);
            if (!l.empty() && l.back() == '\r') l.pop_back();
            if (l.rfind(prefijo, 0) != 0) continue;
            if (linea != nullptr) *linea = l;
            return 1;
        }
        const int resto = limite_ms - static_cast<int>(ObtenerTicks() - inicio);
        if (resto <= 0) return 0;
        pollfd p{m.salida, POLLIN, 0};
        if (poll(&p, 1, resto) <= 0) continue;  // the loop re-checks the time left
        char buffer[4096];
        const ssize_t n = read(m.salida, buffer, sizeof(buffer));
        if (n <= 0) return -1;
        m.pendiente.append(buffer, static_cast<size_t>(n));
    }
}

static void Parar(Motor &m) {
    if (m.pid <= 0) return;
    Enviar(m, "quit\n");
    close(m.entrada);
    close(m.salida);
    // A polite second, then the hard way.
    int estado = 0;
    for (int i = 0; i < 20 && waitpid(m.pid, &estado, WNOHANG) == 0; i++) usleep(50000);
    if (waitpid(m.pid, &estado, WNOHANG) == 0) {
        kill(m.pid, SIGKILL);
        waitpid(m.pid, &estado, 0);
    }
    m.pid = -1;
}

// Starts the engine and waits for "uciok" and "readyok"; 1 on success.
static int Arrancar(Motor &m) {
    int a[2], b[2];
    if (pipe2(a, O_CLOEXEC) != 0) return 0;
    if (pipe2(b, O_CLOEXEC) != 0) {
        close(a[0]);
        close(a[1]);
        return 0;
    }
    m.pid = fork();
    if (m.pid == 0) {
        // dup2 clears close-on-exec on 0 and 1 only, so the other engine's pipes stay shut.
        dup2(a[0], 0);
        dup2(b[1], 1);
        execl(m.ruta.c_str(), m.ruta.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    close(a[0]);
    close(b[1]);
    m.entrada = a[1];
    m.salida = b[0];
    m.pendiente.clear();
    if (m.pid < 0) {
        close(m.entrada);
        close(m.salida);
        return 0;
    }
    return Enviar(m, "uci\n") && EsperarLinea(m, "uciok", ARRANQUE_MS, nullptr) == 1 &&
           Enviar(m, "isready\n") && EsperarLinea(m, "readyok", ARRANQUE_MS, nullptr) == 1;
}

static int Reiniciar(Motor &m) {
    Parar(m);
    if (Arrancar(m)) return 1;
    fprintf(stderr, "engine %c (%s) does not start again\n", m.nombre, m.ruta.c_str());
    return 0;
}

// Everything that decides repetitions: squares, side to move, castling and en-passant state.
static std::string Firma() {
    const Tipo_Tablero &t = TableroGlobal;
    std::string f(reinterpret_cast<const char *>(t.Tablero), sizeof(t.Tablero));
    const int32_t resto[4] = {t.Turno, t.Enroque_Blancas, t.Enroque_Negras, t.Ficha_Al_Paso};
    f.append(reinterpret_cast<const char *>(resto), sizeof(resto));
    return f;
}

// 1 when the side to move has a move that keeps its king safe.
static int HayJugadaLegal() {
    Lista_Jugadas lista[MAX_JUGADAS];
    TableroGlobal.Indice_Deshacer = 0;
    const int32_t n = GenerarMovimientos(GENERAR_TODO, lista);
    for (int32_t i = 0; i < n; i++) {
        const int32_t segura = HacerMovimiento(lista[i].Jugada);
        DeshacerMovimiento();
        if (segura) return 1;
    }
    return 0;
}

// Plays the move text on the board; 0 when no legal move has that text.
static int JugarTexto(const std::string &texto) {
    Lista_Jugadas lista[MAX_JUGADAS];
    // The game can outgrow the undo stack; each move starts from its bottom.
    TableroGlobal.Indice_Deshacer = 0;
    const int32_t n = GenerarMovimientos(GENERAR_TODO, lista);
    char nombre[6];
    for (int32_t i = 0; i < n; i++) {
        const uint32_t m = lista[i].Jugada;
        MovimientoCoordenadas(Desde(m), Hasta(m), Corona(m), nombre);
        if (texto == nombre) return HacerMovimiento(m);
    }
    return 0;
}

// K v K, or a lone knight or bishop against a bare king.
static int MaterialInsuficiente() {
    int menores = 0, otras = 0;
    for (int32_t p : TableroGlobal.Tablero) {
        if (p == CABALLO_B || p == ALFIL_B || p == CABALLO_N || p == ALFIL_N) {
            menores++;
        } else if (p != SIN_PIEZA && p != REY_B && p != REY_N) {
            otras++;
        }
    }
    return otras == 0 && menores <= 1;
}

struct Resultado {
    int blancas;  // 1 White won, 0 draw, -1 Black won
    std::string motivo;
};

// One game from the FEN; blanco plays White. The clocks are in milliseconds.
static Resultado JugarPartida(const std::string &fen, Motor &blanco, Motor &negro, int base_ms,
                              int inc_ms) {
    Motor *lado[2] = {&negro, &blanco};  // indexed by Turno
    for (Motor *m : lado) {
        if (m->pid <= 0 && !Reiniciar(*m)) return {m == &blanco ? -1 : 1, "engine does not start"};
        if (!Enviar(*m, "ucinewgame\nisready\n") ||
            EsperarLinea(*m, "readyok", ARRANQUE_MS, nullptr) != 1) {
            Reiniciar(*m);
            return {m == &blanco ? -1 : 1, std::string("engine ") + m->nombre + " not ready"};
        }
    }

    // 1. Our board from the opening.
    memset(&Blancas, 0, sizeof(Blancas));
    memset(&Negras, 0, sizeof(Negras));
    TableroGlobal.Indice_Deshacer = 0;
    TableroGlobal.Num_Historial = 0;
    if (!CargarFen(fen.c_str())) return {0, "bad opening FEN"};
    TableroGlobal.Clave = CalcularClave();
    std::vector<std::string> vistas{Firma()};
    std::string jugadas;
    int reloj[2] = {base_ms, base_ms};

    for (int ply = 0;; ply++) {
        // 2. The end of the game, judged before each move.
        const int32_t turno = TableroGlobal.Turno;
        const int gana_el_otro = turno == 1 ? -1 : 1;
        if (!HayJugadaLegal()) {
            const int32_t rey = turno == 1 ? TableroGlobal.Rey_Blanco : TableroGlobal.Rey_Negro;
            const int32_t jaque = turno == 1 ? JaqueBlancas(rey) : JaqueNegras(rey);
            return jaque ? Resultado{gana_el_otro, "checkmate"} : Resultado{0, "stalemate"};
        }
        if (MaterialInsuficiente()) return {0, "insufficient material"};
        if (TableroGlobal.Regla_50 >= 100) return {0, "fifty moves"};
        int veces = 0;
        for (const std::string &v : vistas) veces += v == vistas.back();
        if (veces >= 3) return {0, "threefold repetition"};
        if (ply >= TOPE_PLIES) return {0, "adjudicated at the ply cap"};

        // 3. Ask the side to move, with the clocks as they stand.
        Motor &m = *lado[turno];
        char go[160];
        snprintf(go, sizeof(go), "go wtime %d btime %d winc %d binc %d\n", reloj[1], reloj[0],
                 inc_ms, inc_ms);
        std::string linea;
        const std::string posicion = "position fen " + fen + (jugadas.empty() ? "" : " moves") +
                                     jugadas + "\n";
        const uint32_t inicio = ObtenerTicks();
        const int respuesta = Enviar(m, posicion + go)
                                  ? EsperarLinea(m, "bestmove", reloj[turno] + MARGEN_MS, &linea)
                                  : -1;
        const int usado = static_cast<int>(ObtenerTicks() - inicio);
        if (respuesta != 1) {
            Reiniciar(m);
            return {gana_el_otro, std::string("engine ") + m.nombre +
                                      (respuesta == 0 ? " hung (no bestmove)" : " died")};
        }

        // 4. The clock, then the move itself.
        // A clock at zero has run out too: "go wtime 0" would set no time limit.
        reloj[turno] -= usado;
        if (reloj[turno] <= 0) {
            char texto[80];
            snprintf(texto, sizeof(texto), "engine %c lost on time (%d ms over)", m.nombre,
                     -reloj[turno]);
            return {gana_el_otro, texto};
        }
        reloj[turno] += inc_ms;
        char palabra[80] = "";
        sscanf(linea.c_str(), "bestmove %79s", palabra);
        if (!JugarTexto(palabra)) {
            return {gana_el_otro, std::string("engine ") + m.nombre + " played illegal move \"" +
                                      palabra + "\""};
        }
        jugadas += std::string(" ") + palabra;
        vistas.push_back(Firma());
    }
}

// Elo difference of a score fraction.
static double Elo(double s) { return -400.0 * std::log10(1.0 / s - 1.0); }

// Reads a positive integer; 0 when the text is not one.
static int LeerEntero(const char *texto) {
    char *fin = nullptr;
    const long v = strtol(texto, &fin, 10);
    return *texto != '\0' && *fin == '\0' && v > 0 && v <= 100000 ? static_cast<int>(v) : 0;
}

// "base+inc" in seconds into milliseconds; 0 when malformed.
static int LeerControl(const char *texto, int *base_ms, int *inc_ms) {
    char *fin = nullptr;
    const double base = strtod(texto, &fin);
    if (fin == texto || base <= 0 || base > 36000) return 0;
    double inc = 0;
    if (*fin == '+') {
        const char *p = fin + 1;
        inc = strtod(p, &fin);
        if (fin == p || inc < 0 || inc > 600) return 0;
    }
    if (*fin != '\0') return 0;
    *base_ms = static_cast<int>(base * 1000 + 0.5);
    *inc_ms = static_cast<int>(inc * 1000 + 0.5);
    return 1;
}

int main(int argc, char **argv) {
    // 1. Arguments.
    int partidas = 60, base_ms = 4000, inc_ms = 50;
    if (argc < 3 || argc > 5 || (argc > 3 && (partidas = LeerEntero(argv[3])) == 0) ||
        (argc > 4 && !LeerControl(argv[4], &base_ms, &inc_ms))) {
        fputs(USO, stderr);
        return 2;
    }
    for (int i = 1; i <= 2; i++) {
        if (access(argv[i], X_OK) != 0) {
            fprintf(stderr, "%s: not an executable\n%s", argv[i], USO);
            return 2;
        }
    }
    setvbuf(stdout, nullptr, _IOLBF, 0);
    signal(SIGPIPE, SIG_IGN);

    // 2. The openings, from ../shared seen from here or from the source tree of this binary
    // (build/<type>/match); one every so many lines, so the selection is fixed.
    std::string carpeta = "../shared";
    char propia[4096] = {0};
    if (access((carpeta + APERTURAS).c_str(), R_OK) != 0 &&
        readlink("/proc/self/exe", propia, sizeof(propia) - 1) > 0) {
        carpeta = std::string(propia);
        carpeta = carpeta.substr(0, carpeta.rfind('/')) + "/../../../shared";
    }
    std::vector<std::string> todas;
    std::ifstream epd(carpeta + APERTURAS);
    for (std::string l; std::getline(epd, l);) {
        if (!l.empty() && l.back() == '\r') l.pop_back();
        if (!l.empty()) todas.push_back(l);
    }
    const size_t aperturas = static_cast<size_t>(partidas + 1) / 2;
    if (todas.size() < aperturas) {
        fprintf(stderr, "only %zu openings in %s%s\n", todas.size(), carpeta.c_str(), APERTURAS);
        return 1;
    }
    const size_t paso = todas.size() / aperturas;

    // 3. The board code and both engines.
    IniciarClaves(1);
    LlenarColorCasilla();
    Motor a{argv[1], 'A', -1, -1, -1, ""}, b{argv[2], 'B', -1, -1, -1, ""};
    if (!Reiniciar(a) || !Reiniciar(b)) {
        Parar(a);
        Parar(b);
        return 1;
    }
    printf("A = %s\nB = %s\n%d games, %d ms + %d ms per move, %zu openings\n", a.ruta.c_str(),
           b.ruta.c_str(), partidas, base_ms, inc_ms, aperturas);

    // 4. The games, A with White first on each opening.
    int g = 0, e = 0, p = 0;
    const uint32_t inicio = ObtenerTicks();
    for (int i = 0; i < partidas; i++) {
        const size_t k = static_cast<size_t>(i / 2) * paso;
        const bool a_blancas = i % 2 == 0;
        const Resultado r = a_blancas ? JugarPartida(todas[k], a, b, base_ms, inc_ms)
                                      : JugarPartida(todas[k], b, a, base_ms, inc_ms);
        const int para_a = a_blancas ? r.blancas : -r.blancas;
        (para_a > 0 ? g : para_a < 0 ? p : e)++;
        printf("game %3d/%d  opening %4zu  A %s  %s  %s  (A +%d =%d -%d)\n", i + 1, partidas,
               k + 1, a_blancas ? "white" : "black",
               r.blancas > 0 ? "1-0    " : r.blancas < 0 ? "0-1    " : "1/2-1/2",
               r.motivo.c_str(), g, e, p);
    }
    Parar(a);
    Parar(b);

    // 5. The total, the score and the Elo estimate with a 95% error bar from the per-game
    // variance of the score.
    const double n = partidas, s = (g + 0.5 * e) / n;
    printf("\nA vs B: +%d =%d -%d in %d games, %.0f s\n", g, e, p, partidas,
           (ObtenerTicks() - inicio) / 1000.0);
    printf("score of A: %.1f%%\n", 100.0 * s);
    const double var = (g * (1 - s) * (1 - s) + e * (0.5 - s) * (0.5 - s) + p * s * s) / n;
    const double error = 1.96 * std::sqrt(var / n);
    if (s <= 0.0 || s >= 1.0) {
        printf("Elo difference: not finite (every game went one way)\n");
    } else {
        const double bajo = std::max(s - error, 1e-6), alto = std::min(s + error, 1 - 1e-6);
        printf("Elo difference: %+.1f +/- %.1f (95%%: %+.1f .. %+.1f)\n", Elo(s),
               (Elo(alto) - Elo(bajo)) / 2, Elo(bajo), Elo(alto));
    }
    return 0;
}
