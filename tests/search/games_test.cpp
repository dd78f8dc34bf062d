// Short games through UCI against a weakened stockfish, refereed by the match tool's code.
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>

#include "game.h"

TEST(PartidasReales, PartidasCompletasContraStockfish) {
    const char *const stockfish = "/usr/games/stockfish";
    if (access(stockfish, X_OK) != 0) GTEST_SKIP() << "no stockfish";
    IniciarMotor(1, 1);
    Motor motor{VANTOR_BIN, 'A', "setoption name OwnBook value false\n", {}};
    Motor rival{stockfish, 'B',
                "setoption name UCI_LimitStrength value true\nsetoption name UCI_Elo value 1350\n",
                {}};
    const std::pair<const char *, bool> partidas[] = {
        {FEN_INICIAL, true},
        {"rnbqkbnr/pp1ppppp/8/2p5/4P3/8/PPPP1PPP/RNBQKBNR w KQkq c6 0 2", false},
        {"rnbqkbnr/ppp1pppp/8/3p4/2PP4/8/PP2PPPP/RNBQKBNR b KQkq c3 0 2", false}};
    for (const auto &[fen, blancas] : partidas) {
        const Resultado r = blancas ? JugarPartida(fen, motor, rival, 6000, 100)
                                    : JugarPartida(fen, rival, motor, 6000, 100);
        const bool falta = r.motivo.find("engine A") != std::string::npos ||
                           r.motivo == "engine does not start";
        EXPECT_FALSE(falta) << r.motivo << " after " << r.plies << " plies from " << fen;
        std::printf("game from %s, engine %s: %s after %d plies\n", fen,
                    blancas ? "White" : "Black", r.motivo.c_str(), r.plies);
    }
    Parar(motor);
    Parar(rival);
}
