// Complete short games through UCI against a weakened stockfish, with a second stockfish as
// the legality referee: every move legal, no crash, no loss on time, a result reached, and
// the engine's time use within 50 ms of its own budget.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

const char *const STOCKFISH = "/usr/games/stockfish";

// A child process spoken to line by line over two pipes.
class Proceso {
  public:
    explicit Proceso(const char *programa) {
        int entrada[2], salida[2];
        if (pipe(entrada) != 0 || pipe(salida) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            dup2(entrada[0], 0);
            dup2(salida[1], 1);
            close(entrada[1]);
            close(salida[0]);
            execl(programa, programa, static_cast<char *>(nullptr));
            _exit(127);
        }
        close(entrada[0]);
        close(salida[1]);
        escribir_ = entrada[1];
        leer_ = salida[0];
    }
    ~Proceso() {
        Enviar("quit");
        close(escribir_);
        int estado = 0;
        for (int i = 0; i < 100 && waitpid(pid_, &estado, WNOHANG) == 0; i++) usleep(10000);
        if (waitpid(pid_, &estado, WNOHANG) == 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, &estado, 0);
        }
        close(leer_);
    }
    bool Vivo() const { return pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) == 0; }
    void Enviar(const std::string &linea) {
        const std::string l = linea + "\n";
        if (write(escribir_, l.data(), l.size()) < 0) return;
    }
    // Next line, or false after ms milliseconds or at the end of output.
    bool Leer(std::string &linea, int ms) {
        const auto limite = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        for (;;) {
            const size_t fin = buffer_.find('\n');
            if (fin != std::string::npos) {
                linea = buffer_.substr(0, fin);
                buffer_.erase(0, fin + 1);
                return true;
            }
            const auto resto = std::chrono::duration_cast<std::chrono::milliseconds>(
                limite - std::chrono::steady_clock::now());
            if (resto.count() <= 0) return false;
            pollfd p{leer_, POLLIN, 0};
            if (poll(&p, 1, static_cast<int>(resto.count())) <= 0) continue;
            char bloque[4096];
            const ssize_t n = read(leer_, bloque, sizeof(bloque));
            if (n <= 0) return false;
            buffer_.append(bloque, static_cast<size_t>(n));
        }
    }
    // Reads until a line starting with prefijo; returns it ("" on timeout).
    std::string Esperar(const std::string &prefijo, int ms) {
        std::string l;
        while (Leer(l, ms)) {
            if (l.rfind(prefijo, 0) == 0) return l;
        }
        return "";
    }

  private:
    pid_t pid_ = -1;
    int escribir_ = -1, leer_ = -1;
    std::string buffer_;
};

// The referee's view of a position: legal moves, FEN, check.
struct Arbitraje {
    std::set<std::string> legales;
    std::string fen;
    bool jaque = false;
};

Arbitraje Arbitrar(Proceso &arbitro, const std::string &posicion) {
    Arbitraje a;
    arbitro.Enviar(posicion);
    arbitro.Enviar("d");
    arbitro.Enviar("go perft 1");
    std::string l;
    while (arbitro.Leer(l, 5000)) {
        if (l.rfind("Fen: ", 0) == 0) a.fen = l.substr(5);
        else if (l.rfind("Checkers:", 0) == 0) a.jaque = l.size() > 10;
        else if (l.rfind("Nodes searched", 0) == 0) break;
        else if (l.size() >= 7 && l.find(": ") != std::string::npos && l[0] >= 'a' && l[0] <= 'h') {
            a.legales.insert(l.substr(0, l.find(':')));
        }
    }
    return a;
}

// Budget of the go command for the side to move with T and I on its clock, n plies played.
int Presupuesto(int t, int inc, int jugadas) {
    int n = 130 - jugadas;
    if (n < 2) n = 2;
    if (t >= 10001 && t <= 19999) {
        const int b = static_cast<int>(static_cast<double>(t) / n + 0.5) + inc;
        return b < 1000 ? (inc ? inc : 1000) : b;
    }
    if (t <= 9999) return inc ? inc : 500;
    return static_cast<int>(static_cast<double>(t) / n + 250.5) + inc;
}

struct Resultado {
    std::string final;  // how the game ended
    int plies = 0;
    int exceso_maximo = -1000;  // largest time over budget of the engine, in ms
};

// One game from startpos plus apertura; the engine plays White when blancas.
Resultado JugarPartida(const std::string &apertura, bool blancas, int reloj, int inc) {
    Resultado r;
    Proceso motor(VANTOR_BIN), rival(STOCKFISH), arbitro(STOCKFISH);
    motor.Enviar("uci");
    EXPECT_NE(motor.Esperar("uciok", 5000), "");
    motor.Enviar("setoption name OwnBook value false");
    motor.Enviar("isready");
    EXPECT_NE(motor.Esperar("readyok", 5000), "");
    motor.Enviar("ucinewgame");
    rival.Enviar("uci");
    rival.Esperar("uciok", 5000);
    rival.Enviar("setoption name UCI_LimitStrength value true");
    rival.Enviar("setoption name UCI_Elo value 1350");
    rival.Enviar("isready");
    rival.Esperar("readyok", 5000);
    arbitro.Enviar("uci");
    arbitro.Esperar("uciok", 5000);

    std::vector<std::string> jugadas;
    std::istringstream in(apertura);
    for (std::string j; in >> j;) jugadas.push_back(j);
    std::map<std::string, int> vistas;
    int relojes[2] = {reloj, reloj};  // [0] White, [1] Black
    for (;;) {
        std::string posicion = "position startpos";
        if (!jugadas.empty()) {
            posicion += " moves";
            for (const std::string &j : jugadas) posicion += " " + j;
        }
        const Arbitraje a = Arbitrar(arbitro, posicion);
        r.plies = static_cast<int>(jugadas.size());
        if (a.legales.empty()) {
            r.final = a.jaque ? "mate" : "stalemate";
            return r;
        }
        // Repetition on placement, side, castling and en passant.
        std::istringstream campos(a.fen);
        std::string c[6];
        for (auto &x : c) campos >> x;
        if (++vistas[c[0] + c[1] + c[2] + c[3]] >= 3) {
            r.final = "repetition";
            return r;
        }
        if (std::stoi(c[4]) >= 100) {
            r.final = "fifty";
            return r;
        }
        if (jugadas.size() >= 200) {
            r.final = "cap";
            return r;
        }
        const int lado = c[1] == "w" ? 0 : 1;
        const bool turno_motor = (lado == 0) == blancas;
        Proceso &jugador = turno_motor ? motor : rival;
        jugador.Enviar(posicion);
        std::ostringstream go;
        go << "go wtime " << relojes[0] << " btime " << relojes[1] << " winc " << inc << " binc "
           << inc;
        const auto inicio = std::chrono::steady_clock::now();
        jugador.Enviar(go.str());
        const std::string mejor = jugador.Esperar("bestmove", relojes[lado] + 5000);
        const int usado = static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                               std::chrono::steady_clock::now() - inicio)
                                               .count());
        if (turno_motor) {
            EXPECT_TRUE(motor.Vivo()) << posicion;
            EXPECT_NE(mejor, "") << "no bestmove after " << posicion;
            if (mejor.empty()) {
                r.final = "no bestmove";
                return r;
            }
            const int presupuesto = Presupuesto(relojes[lado], inc,
                                                static_cast<int>(jugadas.size()));
            if (usado - presupuesto > r.exceso_maximo) r.exceso_maximo = usado - presupuesto;
            if (usado - presupuesto > 40) {
                std::printf("overrun %d ms (budget %d) after %s\n", usado - presupuesto,
                            presupuesto, posicion.c_str());
            }
        }
        relojes[lado] -= usado;
        if (turno_motor) {
            EXPECT_GT(relojes[lado], 0) << "lost on time after " << posicion;
            if (relojes[lado] <= 0) {
                r.final = "time";
                return r;
            }
        }
        relojes[lado] += inc;
        std::istringstream palabras(mejor);
        std::string w, jugada;
        palabras >> w >> jugada;
        EXPECT_TRUE(a.legales.count(jugada)) << "illegal " << jugada << " after " << posicion;
        if (!a.legales.count(jugada)) {
            r.final = "illegal";
            return r;
        }
        jugadas.push_back(jugada);
    }
}

}  // namespace

TEST(PartidasReales, PartidasCompletasContraStockfish) {
    if (access(STOCKFISH, X_OK) != 0) GTEST_SKIP() << "no stockfish";
    struct Partida {
        const char *apertura;
        bool blancas;
    };
    const Partida partidas[] = {{"", true}, {"e2e4 c7c5", false}, {"d2d4 d7d5 c2c4", false}};
    int exceso = -1000;
    for (const Partida &p : partidas) {
        const Resultado r = JugarPartida(p.apertura, p.blancas, 6000, 100);
        EXPECT_TRUE(r.final == "mate" || r.final == "stalemate" || r.final == "repetition" ||
                    r.final == "fifty" || r.final == "cap")
            << r.final;
        std::printf("game from [%s], engine %s: %s after %d plies, worst overrun %d ms\n",
                    p.apertura, p.blancas ? "White" : "Black", r.final.c_str(), r.plies,
                    r.exceso_maximo);
        if (r.exceso_maximo > exceso) exceso = r.exceso_maximo;
    }
    std::printf("worst overrun over all games: %d ms\n", exceso);
#ifndef __SANITIZE_ADDRESS__
    // Instrumented builds search too slowly for the check rhythm to hold this margin.
    EXPECT_LE(exceso, 50);
#endif
}
