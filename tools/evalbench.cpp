// Evaluation speed: full static evaluations per second over a fixed list of positions, with
// the evaluation cache off, and a checksum of the scores so that a pure speed change can be
// told from a change of behaviour.
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "board/board.h"
#include "eval/eval.h"
#include "search/search.h"
#include "uci/uci.h"

static const char *const POSICIONES[] = {
    "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
    "r1bqkb1r/pppp1ppp/2n2n2/4p3/2B1P3/5N2/PPPP1PPP/RNBQK2R w KQkq - 4 4",
    "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1",
    "2rr3k/pp3pp1/1nnqbN1p/3pN3/2pP4/2P3Q1/PPB4P/R4RK1 w - - 0 1",
    "r1b2rk1/2q1b1pp/p2ppn2/1p6/3QP3/1BN1B3/PPP3PP/R4RK1 w - - 0 1",
    "4rrk1/pp1n3p/3q2pQ/2p1pb2/2PP4/2P3N1/P2B2PP/4RRK1 b - - 0 1",
    "rnbqkb1r/p3pppp/1p6/2ppP3/3N4/2P5/PPP1QPPP/R1B1KB1R w KQkq - 0 1",
    "r1bq1rk1/pp2ppbp/2np1np1/8/3NP3/2N1BP2/PPPQ2PP/R3KB1R w KQ - 0 1",
    "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1",
    "8/8/1p3k2/p1p2p2/P1P2P2/1P3K2/8/8 w - - 0 1",
    "6k1/5ppp/8/8/8/8/5PPP/3R2K1 w - - 0 1",
    "8/5pk1/6p1/7p/3Q3P/6P1/5PK1/1q6 b - - 0 1",
};

int main(int argc, char **argv) {
    int32_t vueltas = argc > 1 ? std::atoi(argv[1]) : 200000;
    // A table too small for an evaluation cache: every call evaluates.
    IniciarMotor(12345, 1);
    AJUSTE_MOB[0] = AJUSTE_MOB[1] = 100;
    AJUSTE_ATT[0] = AJUSTE_ATT[1] = 100;

    const int32_t num = sizeof(POSICIONES) / sizeof(POSICIONES[0]);
    int64_t suma = 0, evaluaciones = 0;
    double segundos = 0;
    for (int32_t i = 0; i < num; i++) {
        LimpiarPuntuacion(1);
        TableroGlobal.Regla_50 = TableroGlobal.Num_Historial = TableroGlobal.Indice_Deshacer = 0;
        CargarFen(POSICIONES[i]);
        TableroGlobal.Clave = CalcularClave();
        int32_t v = Evaluar();
        auto inicio = std::chrono::steady_clock::now();
        for (int32_t k = 0; k < vueltas; k++) suma += Evaluar();
        auto fin = std::chrono::steady_clock::now();
        segundos += std::chrono::duration<double>(fin - inicio).count();
        evaluaciones += vueltas;
        std::printf("%2d %6d  %s\n", i + 1, v, POSICIONES[i]);
    }
    std::printf("Evaluaciones: %lld\nSegundos: %.3f\nEvaluaciones por segundo: %.0f\n"
                "Nanosegundos por evaluacion: %.1f\nSuma: %lld\n",
                static_cast<long long>(evaluaciones), segundos, evaluaciones / segundos,
                1e9 * segundos / evaluaciones, static_cast<long long>(suma));
    return 0;
}
