// Two UCI engines on pipes and a game between them refereed with our own board code: shared by
// the match and endgames tools.
#pragma once

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "board/board.h"
#include "platform/platform.h"
#include "support/board.h"
#include "support/process.h"
#include "uci/uci.h"

inline constexpr int MARGEN_MS = 2000;     // grace after the clock before a side counts as hung
inline constexpr int ARRANQUE_MS = 10000;  // time for "uciok" and "readyok"
inline constexpr int TOPE_PLIES = 250;     // adjudicated a draw from here on

struct Motor {
    std::string ruta;
    char nombre;           // 'A' or 'B'
    std::string opciones;  // "setoption" lines sent after "uciok"
    Proceso proceso;
};

// Sends a text; 0 when the engine no longer reads.
inline int Enviar(Motor &m, const std::string &texto) { return Escribir(m.proceso, texto); }

// Waits up to limite_ms for a line that starts with prefijo and stores it: 1 when it came,
// 0 on time-out, -1 when the engine's output ended.
inline int EsperarLinea(Motor &m, const char *prefijo, int limite_ms, std::string *linea) {
    return EsperarLinea(m.proceso, prefijo, limite_ms, linea);
}

// "quit", a polite second, then the hard way.
inline void Parar(Motor &m) {
    if (m.proceso.pid <= 0) return;
    Enviar(m, "quit\n");
    Esperar(m.proceso, 1000);
}

// Starts the engine and waits for "uciok" and "readyok"; 1 on success.
inline int Arrancar(Motor &m) {
    return Lanzar(m.proceso, {m.ruta}) && Enviar(m, "uci\n") &&
           EsperarLinea(m, "uciok", ARRANQUE_MS, nullptr) == 1 &&
           Enviar(m, m.opciones + "isready\n") &&
           EsperarLinea(m, "readyok", ARRANQUE_MS, nullptr) == 1;
}

inline int Reiniciar(Motor &m) {
    Parar(m);
    if (Arrancar(m)) return 1;
    fprintf(stderr, "engine %c (%s) does not start again\n", m.nombre, m.ruta.c_str());
    return 0;
}

// Everything that decides repetitions: squares, side to move, castling and en-passant state.
using Firma_Posicion = std::array<int32_t, 68>;
inline Firma_Posicion Firma() {
    const Tipo_Tablero &t = TableroGlobal;
    Firma_Posicion f;
    std::copy(std::begin(t.Tablero), std::end(t.Tablero), f.begin());
    f[64] = t.Turno;
    f[65] = t.Enroque_Blancas;
    f[66] = t.Enroque_Negras;
    f[67] = t.Ficha_Al_Paso;
    return f;
}

// Plays the move text on the board; 0 when no legal move has that text.
inline int JugarTexto(const std::string &texto) {
    // The game can outgrow the undo stack; each move starts from its bottom.
    TableroGlobal.Indice_Deshacer = 0;
    const uint32_t m = JugadaDeTexto(texto);
    return m != 0 && HacerMovimiento(m);
}

// K v K, or a lone knight or bishop against a bare king.
inline int MaterialInsuficiente() {
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
    int plies = 0;  // moves played by both sides
};

// One game from the FEN; blanco plays White. The clocks are in milliseconds; with movetime_ms
// above 0 every move is asked for at that fixed time instead and no clock is kept.
inline Resultado JugarPartida(const std::string &fen, Motor &blanco, Motor &negro, int base_ms,
                              int inc_ms, int movetime_ms = 0) {
    Motor *lado[2] = {&negro, &blanco};  // indexed by Turno
    for (Motor *m : lado) {
        if (m->proceso.pid <= 0 && !Reiniciar(*m)) return {m == &blanco ? -1 : 1, "engine does not start"};
        if (!Enviar(*m, "ucinewgame\nisready\n") ||
            EsperarLinea(*m, "readyok", ARRANQUE_MS, nullptr) != 1) {
            Reiniciar(*m);
            return {m == &blanco ? -1 : 1, std::string("engine ") + m->nombre + " not ready"};
        }
    }

    // 1. Our board from the opening.
    if (!CargarPosicion(fen.c_str())) return {0, "bad opening FEN"};
    std::vector<Firma_Posicion> vistas{Firma()};
    std::string jugadas;
    int reloj[2] = {base_ms, base_ms};

    for (int ply = 0;; ply++) {
        auto fin = [ply](int blancas, const std::string &motivo) {
            return Resultado{blancas, motivo, ply};
        };
        // 2. The end of the game, judged before each move.
        const int32_t turno = TableroGlobal.Turno;
        const int gana_el_otro = turno == 1 ? -1 : 1;
        TableroGlobal.Indice_Deshacer = 0;
        if (JugadasLegales().empty()) {
            const int32_t rey = turno == 1 ? TableroGlobal.Rey_Blanco : TableroGlobal.Rey_Negro;
            const int32_t jaque = turno == 1 ? JaqueBlancas(rey) : JaqueNegras(rey);
            return jaque ? fin(gana_el_otro, "checkmate") : fin(0, "stalemate");
        }
        if (MaterialInsuficiente()) return fin(0, "insufficient material");
        if (TableroGlobal.Regla_50 >= 100) return fin(0, "fifty moves");
        int veces = 0;
        for (const Firma_Posicion &v : vistas) veces += v == vistas.back();
        if (veces >= 3) return fin(0, "threefold repetition");
        if (ply >= TOPE_PLIES) return fin(0, "adjudicated at the ply cap");

        // 3. Ask the side to move, with the clocks as they stand or at the fixed time.
        Motor &m = *lado[turno];
        char go[160];
        if (movetime_ms > 0)
            snprintf(go, sizeof(go), "go movetime %d\n", movetime_ms);
        else
            snprintf(go, sizeof(go), "go wtime %d btime %d winc %d binc %d\n", reloj[1],
                     reloj[0], inc_ms, inc_ms);
        std::string linea;
        const std::string posicion = "position fen " + fen + (jugadas.empty() ? "" : " moves") +
                                     jugadas + "\n";
        const uint32_t inicio = ObtenerTicks();
        const int espera = (movetime_ms > 0 ? movetime_ms : reloj[turno]) + MARGEN_MS;
        const int respuesta =
            Enviar(m, posicion + go) ? EsperarLinea(m, "bestmove", espera, &linea) : -1;
        const int usado = static_cast<int>(ObtenerTicks() - inicio);
        if (respuesta != 1) {
            Reiniciar(m);
            return fin(gana_el_otro, std::string("engine ") + m.nombre +
                                         (respuesta == 0 ? " hung (no bestmove)" : " died"));
        }

        // 4. The clock, then the move itself.
        // A clock at zero has run out too: "go wtime 0" would set no time limit.
        if (movetime_ms <= 0) {
            reloj[turno] -= usado;
            if (reloj[turno] <= 0) {
                char texto[80];
                snprintf(texto, sizeof(texto), "engine %c lost on time (%d ms over)", m.nombre,
                         -reloj[turno]);
                return fin(gana_el_otro, texto);
            }
            reloj[turno] += inc_ms;
        }
        char palabra[80] = "";
        sscanf(linea.c_str(), "bestmove %79s", palabra);
        if (!JugarTexto(palabra)) {
            return fin(gana_el_otro, std::string("engine ") + m.nombre +
                                         " played illegal move \"" + palabra + "\"");
        }
        jugadas += std::string(" ") + palabra;
        vistas.push_back(Firma());
    }
}

