// Complete short games through UCI against a weakened stockfish, with a second stockfish as
// the legality referee: every move legal, no crash, no loss on time, a result reached.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "uci/transcript.h"

namespace {

const char *const STOCKFISH = "/usr/games/stockfish";
using Reloj = std::chrono::steady_clock;

// A child process spoken to line by line over two pipes.
class Proceso {
  public:
    explicit Proceso(const char *programa)
        : pid_(LanzarProceso(programa, "", &escribir_, &leer_)) {}
    ~Proceso() {
        close(escribir_);
        close(leer_);
        if (Vivo()) kill(pid_, SIGKILL), waitpid(pid_, nullptr, 0);
    }
    bool Vivo() {
        if (pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) != 0) pid_ = -1;
        return pid_ > 0;
    }
    void Enviar(const std::string &linea) {
        const std::string l = linea + "\n";
        if (write(escribir_, l.data(), l.size()) < 0) return;
    }
    // Next line, or false after ms milliseconds or at the end of output.
    bool Leer(std::string &linea, int ms) {
        const auto limite = Reloj::now() + std::chrono::milliseconds(ms);
        linea.clear();
        for (char ch;;) {
            const auto resto =
                std::chrono::duration_cast<std::chrono::milliseconds>(limite - Reloj::now());
            pollfd p{leer_, POLLIN, 0};
            if (resto.count() <= 0 || poll(&p, 1, static_cast<int>(resto.count())) <= 0 ||
                read(leer_, &ch, 1) != 1)
                return false;
            if (ch == '\n') return true;
            linea += ch;
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
    int escribir_ = -1, leer_ = -1;  // set by LanzarProceso, so declared before pid_
    pid_t pid_ = -1;
};

// One game from startpos plus apertura, the engine playing White when blancas; returns how
// it ended: mate, stalemate, repetition, fifty, cap, the opponent's flag fall, or the
// engine's fault.
std::string JugarPartida(const std::string &apertura, bool blancas, int reloj, int inc) {
    Proceso motor(VANTOR_BIN), rival(STOCKFISH), arbitro(STOCKFISH);
    for (const char *l : {"uci", "setoption name OwnBook value false", "isready", "ucinewgame"})
        motor.Enviar(l);
    EXPECT_NE(motor.Esperar("readyok", 5000), "");
    for (const char *l : {"uci", "setoption name UCI_LimitStrength value true",
                          "setoption name UCI_Elo value 1350", "isready"})
        rival.Enviar(l);
    rival.Esperar("readyok", 5000);
    std::string jugadas = apertura.empty() ? "" : " " + apertura;
    std::map<std::string, int> vistas;
    int relojes[2] = {reloj, reloj};  // [0] White, [1] Black
    for (int plies = 0;; plies++) {
        const std::string posicion =
            "position startpos" + (jugadas.empty() ? "" : " moves" + jugadas);
        // The referee's legal moves, FEN and checkers for the position.
        std::set<std::string> legales;
        std::string c[6], l;
        bool jaque = false;
        for (const std::string &m : {posicion, std::string("d"), std::string("go perft 1")})
            arbitro.Enviar(m);
        while (arbitro.Leer(l, 5000) && l.rfind("Nodes searched", 0) != 0) {
            if (l.rfind("Fen: ", 0) == 0)
                std::istringstream(l.substr(5)) >> c[0] >> c[1] >> c[2] >> c[3] >> c[4];
            else if (l.rfind("Checkers:", 0) == 0)
                jaque = l.size() > 10;
            else if (l.size() >= 7 && l[0] >= 'a' && l[0] <= 'h' &&
                     l.find(": ") != std::string::npos)
                legales.insert(l.substr(0, l.find(':')));
        }
        if (legales.empty()) return jaque ? "mate" : "stalemate";
        if (++vistas[c[0] + c[1] + c[2] + c[3]] >= 3) return "repetition";
        if (std::stoi(c[4]) >= 100) return "fifty";
        if (plies >= 200) return "cap";
        const int lado = c[1] == "w" ? 0 : 1;
        const bool turno_motor = (lado == 0) == blancas;
        Proceso &jugador = turno_motor ? motor : rival;
        std::ostringstream go;
        go << "go wtime " << relojes[0] << " btime " << relojes[1] << " winc " << inc << " binc "
           << inc;
        const auto inicio = Reloj::now();
        jugador.Enviar(posicion);
        jugador.Enviar(go.str());
        const std::string mejor = jugador.Esperar("bestmove", relojes[lado] + 5000);
        relojes[lado] -= static_cast<int>(
            std::chrono::duration_cast<std::chrono::milliseconds>(Reloj::now() - inicio).count());
        std::string jugada;
        std::istringstream(mejor) >> l >> jugada;
        if (turno_motor && (!motor.Vivo() || mejor.empty())) return "crash after " + posicion;
        if (turno_motor && relojes[lado] <= 0) return "lost on time after " + posicion;
        // The weakened opponent can overrun too; a negative clock would then be sent to us.
        if (!turno_motor && relojes[lado] <= 0) return "opponent lost on time";
        if (!legales.count(jugada)) return "illegal " + jugada + " after " + posicion;
        relojes[lado] += inc;
        jugadas += " " + jugada;
    }
}

}  // namespace

TEST(PartidasReales, PartidasCompletasContraStockfish) {
    if (access(STOCKFISH, X_OK) != 0) GTEST_SKIP() << "no stockfish";
    signal(SIGPIPE, SIG_IGN);  // a crashed engine must fail the game, not end the binary
    const std::pair<const char *, bool> partidas[] = {
        {"", true}, {"e2e4 c7c5", false}, {"d2d4 d7d5 c2c4", false}};
    const std::set<std::string> finales = {"mate", "stalemate", "repetition", "fifty", "cap",
                                           "opponent lost on time"};
    for (const auto &[apertura, blancas] : partidas) {
        const std::string final = JugarPartida(apertura, blancas, 6000, 100);
        EXPECT_TRUE(finales.count(final)) << final;
        std::printf("game from [%s], engine %s: %s\n", apertura, blancas ? "White" : "Black",
                    final.c_str());
    }
}
