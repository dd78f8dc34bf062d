// Test-side position set-up shared by the suites that need a loaded board.
#pragma once

#include <cctype>
#include <cstdint>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "board/board.h"
#include "support/board.h"
#include "uci/uci.h"

// CargarPosicion with the square colours filled.
inline int32_t CargarPosicionPrueba(const char *fen) {
    LlenarColorCasilla();
    return CargarPosicion(fen);
}

inline constexpr const char *FEN_KIWIPETE =
    "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1";
inline constexpr const char *FEN_POS3 = "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - -";
inline constexpr const char *FEN_POS4 =
    "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1";

// Board suites start from the engine's start-up with the keys of a fixed seed.
class PruebaTablero : public ::testing::Test {
  protected:
    void SetUp() override {
        IniciarMotor(99, 1);
    }
};

// Text of a move word with " ep" or " O" for en passant and castling.
inline std::string TextoPrueba(uint32_t m) {
    return TextoJugada(m) + (Es_Al_Paso(m) ? " ep" : "") + (Es_Enroque(m) ? " O" : "");
}

// The generated list of the loaded position, GENERAR_TODO or GENERAR_CAPTURAS.
inline std::vector<uint32_t> Generadas(int32_t modo = GENERAR_TODO) {
    Lista_Jugadas lista[MAX_JUGADAS];
    std::vector<uint32_t> r(GenerarMovimientos(modo, lista));
    for (size_t i = 0; i < r.size(); i++) r[i] = lista[i].Jugada;
    return r;
}

// The generated move (mode 1) with that text, or 0.
inline uint32_t BuscarJugada(const std::string &texto) {
    for (uint32_t m : Generadas())
        if (TextoPrueba(m) == texto) return m;
    return 0;
}

// 1 when the king of the side to move (of the other side with rival) is attacked.
inline int32_t JaqueRaiz(bool rival = false) {
    const Tipo_Tablero &t = TableroGlobal;
    return (t.Turno == 1) != rival ? JaqueBlancas(t.Rey_Blanco) : JaqueNegras(t.Rey_Negro);
}

// From each fen, paseos walks of up to plies random legal moves. visita(fen, ply) runs on every
// position reached (the last one included), and once more with ply -1 before the walk's board
// is dropped. Stops at the first fatal failure; returns the number of moves played.
template <class Visita>
int PaseosAleatorios(std::initializer_list<const char *> fens, int paseos, int plies,
                     uint32_t estado, Visita visita) {
    int pasos = 0;
    for (const char *fen : fens) {
        for (int paseo = 0; paseo < paseos; paseo++) {
            EXPECT_EQ(CargarPosicionPrueba(fen), 1) << fen;
            for (int ply = 0;; ply++) {
                visita(fen, ply);
                if (::testing::Test::HasFatalFailure() || ply == plies) break;
                const std::vector<uint32_t> legales = JugadasLegales();
                if (legales.empty()) break;
                estado = estado * 1664525u + 1013904223u;
                HacerMovimiento(legales[(estado >> 8) % legales.size()]);
                pasos++;
            }
            visita(fen, -1);
            if (::testing::Test::HasFatalFailure()) return pasos;
        }
    }
    return pasos;
}

// FEN text of the loaded position: board, side, castling rights (states 1 to 3), the
// en-passant square behind Ficha_Al_Paso, the half-move clock.
inline std::string FenActual() {
    const Tipo_Tablero &t = TableroGlobal;
    std::string fen, enroque;
    for (int s = 0, vacias = 0; s < 64; s++) {
        const int32_t p = t.Tablero[s];
        vacias += p == SIN_PIEZA;
        if ((p != SIN_PIEZA || s % 8 == 7) && vacias > 0) fen += std::to_string(vacias), vacias = 0;
        if (p != SIN_PIEZA) fen += " PNBRQK pnbrqk"[p];
        if (s % 8 == 7) fen += s < 63 ? '/' : ' ';
    }
    for (int k = 0; k < 4; k++) {
        const int32_t e = k < 2 ? t.Enroque_Blancas : t.Enroque_Negras;
        if (e >= 1 && e <= 3 && (e & (1 << (k % 2)))) enroque += "KQkq"[k];
    }
    const int32_t paso = t.Ficha_Al_Paso;
    return fen + (t.Turno == 1 ? "w " : "b ") + (enroque.empty() ? "-" : enroque) + " " +
           (paso == 0 ? "-" : NOMBRE_CASILLA[paso / 8 == 4 ? paso + 8 : paso - 8]) + " " +
           std::to_string(t.Regla_50) + " 1";
}

// The same position with colours swapped: ranks reversed, letter case swapped, the other side
// to move, castling letters swapped, the en-passant rank mirrored.
inline std::string EspejoFen(const std::string &fen) {
    std::istringstream campos(fen);
    std::string tablero, lado, enroque, paso, res, derechos;
    campos >> tablero >> lado >> enroque >> paso;
    auto cambiar = [](char c) {
        return static_cast<char>(std::isupper(c) ? std::tolower(c) : std::toupper(c));
    };
    std::vector<std::string> filas(1);
    for (char c : tablero) c == '/' ? filas.emplace_back() : filas.back() += cambiar(c);
    for (size_t r = filas.size(); r-- > 0;) res += filas[r] + (r > 0 ? "/" : " ");
    for (char c : std::string("KQkq"))
        if (enroque.find(cambiar(c)) != std::string::npos) derechos += c;
    if (paso.size() == 2) paso[1] = static_cast<char>('1' + ('8' - paso[1]));
    return res + (lado == "w" ? "b " : "w ") + (derechos.empty() ? "-" : derechos) + " " + paso;
}
