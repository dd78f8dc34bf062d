// endgames [engine] [movetime_ms]: the engine plays itself through UCI, tablebases off, from a
// fixed set of queen, rook, bishop and knight, and two-bishop mates against a bare king, both
// colours strong and both to move, at a fixed time per move. Prints each game, then per ending
// how many games ended in mate within the fifty-move rule and in how many moves. The engine
// keeps 250 ms of a movetime as a safety margin, so the default of 350 searches about 100 ms;
// a movetime of 250 or less stops after the first iteration that passes 2048 nodes.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h>

#include "game.h"

static constexpr int POR_FINAL = 12;

// A legal position of the strong men (White's letters) against a bare king, drawn from the
// generator: the weak king neither in check nor touching a strong man, some move to play.
static std::string Posicion(const char *hombres, int fuertes, int turno, uint32_t &estado) {
    auto azar = [&estado](uint32_t n) {
        estado = estado * 1664525u + 1013904223u;
        return static_cast<int>((estado >> 8) % n);
    };
    for (;;) {
        char casillas[64];
        std::fill(casillas, casillas + 64, ' ');
        std::string piezas = std::string("K") + hombres;
        int rey_debil, alfiles[2] = {-1, -1}, num_alfiles = 0;
        for (char h : piezas) {
            int c;
            do c = azar(64);
            while (casillas[c] != ' ');
            casillas[c] = fuertes == 1 ? h : static_cast<char>(std::tolower(h));
            if (h == 'B') alfiles[num_alfiles++] = c;
        }
        do rey_debil = azar(64);
        while (casillas[rey_debil] != ' ');
        casillas[rey_debil] = fuertes == 1 ? 'k' : 'K';
        // Two bishops on one colour cannot mate.
        if (num_alfiles == 2 && ((alfiles[0] ^ (alfiles[0] >> 3)) & 1) ==
                                    ((alfiles[1] ^ (alfiles[1] >> 3)) & 1))
            continue;
        const std::string fen = FenDeCasillas(std::string(casillas, 64), turno == 1 ? 'w' : 'b');
        if (!CargarPosicion(fen.c_str())) continue;
        bool toca = false;
        for (int k = 0; k < GEOMETRIA.Num_Rey[rey_debil]; k++)
            toca = toca || casillas[GEOMETRIA.Rey[rey_debil][k]] != ' ';
        const int32_t jaque = fuertes == 1 ? JaqueNegras(rey_debil) : JaqueBlancas(rey_debil);
        if (!toca && !jaque && !JugadasLegales().empty()) return fen;
    }
}

int main(int argc, char **argv) {
    // 1. The engine: by default the vantor built next to this tool.
    const std::string motor = argc > 1 ? argv[1] : JuntoAlPrograma("vantor");
    const int movetime = argc > 2 ? std::atoi(argv[2]) : 350;
    if (access(motor.c_str(), X_OK) != 0 || movetime <= 0) {
        fprintf(stderr, "usage: endgames [engine] [movetime_ms (default 350)]\n");
        return 2;
    }
    setvbuf(stdout, nullptr, _IOLBF, 0);

    // 2. Board code and two copies of the engine, tablebases off.
    IniciarMotor(1, 1);
    const std::string opciones = "setoption name GaviotaTbUse value false\n"
                                 "setoption name OwnBook value false\n"
                                 "setoption name Hash value 32\n";
    Motor a{motor, 'A', opciones, {}}, b{motor, 'B', opciones, {}};
    if (!Reiniciar(a) || !Reiniciar(b)) {
        Parar(a);
        Parar(b);
        return 1;
    }
    printf("%s, movetime %d ms, %d games per ending\n", motor.c_str(), movetime, POR_FINAL);

    // 3. The games; the strong side's colour and the side to move alternate.
    const char *const FINALES[4][2] = {{"KQK", "Q"}, {"KRK", "R"}, {"KBNK", "BN"}, {"KBBK", "BB"}};
    char resumen[4][160];
    uint32_t estado = 7;
    for (int f = 0; f < 4; f++) {
        int mates = 0, suma = 0, maximo = 0;
        for (int i = 0; i < POR_FINAL; i++) {
            const int fuertes = i % 2 == 0 ? 1 : 0;
            const int turno = (i / 2) % 2 == 0 ? fuertes : 1 - fuertes;
            const std::string fen = Posicion(FINALES[f][1], fuertes, turno, estado);
            const Resultado r = JugarPartida(fen, a, b, 0, 0, movetime);
            // The strong side's moves: every other ply, starting with the first when it moves.
            const int jugadas = (r.plies + (turno == fuertes ? 1 : 0)) / 2;
            const bool mate = r.motivo == "checkmate" && r.blancas == (fuertes == 1 ? 1 : -1);
            if (mate) {
                mates++;
                suma += jugadas;
                maximo = std::max(maximo, jugadas);
            }
            printf("%-4s %2d  %-34s  %s after %d moves\n", FINALES[f][0], i + 1, fen.c_str(),
                   r.motivo.c_str(), jugadas);
        }
        snprintf(resumen[f], sizeof(resumen[f]),
                 "%-4s  %2d of %d mated within the fifty-move rule, moves average %.1f max %d",
                 FINALES[f][0], mates, POR_FINAL, mates ? static_cast<double>(suma) / mates : 0.0,
                 maximo);
    }
    Parar(a);
    Parar(b);
    printf("\n");
    for (const char *l : resumen) printf("%s\n", l);
    return 0;
}
