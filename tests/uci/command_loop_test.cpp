// The command loop and "setoption" as the interface sees them: transcripts of the real engine.
#include <gtest/gtest.h>

#include <filesystem>

#include "uci/transcript.h"

namespace {

const std::string RUTA = "setoption name GaviotaTbPath value ";

std::string Error(const std::string &opcion, const std::string &resto = "") {
    return "info string Valor incorrecto para " + opcion + "." + resto;
}

TEST(BucleComandos, RespuestasExactasYLineasQueNoCoincidenCallan) {
    const struct { std::string entrada, salida; } casos[] = {
        {"uci\nquit\n", RESPUESTA_UCI},
        {"isready\nisready\nquit\n", "readyok\nreadyok\n"},
        {"\n      \nUCI\nstop\nponderhit\nucinewgam\nisready\nquit\n", "readyok\n"},
        {"   uci   \nuci\tx\nisready\tnow\nquit\n", RESPUESTA_UCI},  // a tab is part of a word
        {"isready" + std::string(193, 'x') + "\n" + std::string(200, 'u') + "\nquit\n", ""},
        // End of input without quit, not even a newline, and nothing read after quit.
        {"isready\r\nquit\r\n", "readyok\n"}, {"isready", "readyok\n"}, {"quit\nisready\n", ""},
        {std::string(70000, ' ') + "isready\nquit\n", "readyok\n"},
        // Malformed "go" arguments: nothing searched, nothing printed.
        {"go wtime\ngo wtime -5 btime -5\ngo wtime +5 btime 5\ngo movetime abc\n"
         "go movetime 1e3\ngo depth\ngo depth -3\ngo depth 0\ngo depth x movestogo\n"
         "go movestogo 40\ngo wtime 60000\ngo btime 60000 binc 100\n"
         "go ponder nodes 1000 mate 3 searchmoves e2e4 d2d4\ngo " + std::string(300, 'x') +
             "\nisready\nquit\n",
         "readyok\n"},
        // A depth limit of 1 runs no iteration; 79 and 80 nines (cut to 78) saturate to -1
        // and 2^32 + 1 keeps its low word 1.
        {"go depth 1\ngo depth " + std::string(79, '9') + "\ngo depth " + std::string(80, '9') +
             "\ngo depth 4294967297\nquit\n",
         "bestmove 0000\nbestmove 0000\nbestmove 0000\nbestmove 0000\n"},
        // An unknown first move ends the program after six diagnostic lines; an unknown move
        // after one that was played is skipped without a word.
        {"position fen r3k2r/8/8/8/3pP3/8/8/R3K2R b Kq e3 0 1 moves a1a2\nisready\n",
         "info string Movimiento ilegal: a1a2\ninfo string Enroque Blancas: 1\n"
         "info string Enroque Negras: 2\ninfo string Ficha al Paso: 36\n"
         "info string Posici\xF3n Rey Blanco: 60\ninfo string Posici\xF3n Rey Negro: 4\n"},
        {"position startpos moves e2e4 e7e5 e2e4 g1f3\nisready\nquit\n", "readyok\n"},
        // A value of 252 characters or more ends the program without a word.
        {RUTA + std::string(251, 'x') + "\nisready\nquit\n",
         Error("GaviotaTbPath", std::string(" ").append(251, 'x') + " \nreadyok\n")},
        {RUTA + std::string(252, 'x') + "\nisready\nquit\n", ""},
    };
    for (const auto &c : casos) {
        Transcripcion t = EjecutarMotor(c.entrada);
        std::string nombre = c.entrada.substr(0, 40);
        EXPECT_FALSE(t.agotado) << nombre;
        EXPECT_EQ(t.salida, c.salida) << nombre;
        EXPECT_EQ(t.estado, 0) << nombre;
    }
}

TEST(SetOption, MensajesYValoresDeRepuesto) {
    // The messages, then the lines of the later "uci" reply that differ from the default one.
    const std::string o = "option name ", e = Error("Hash");
    const struct { std::string comandos; std::vector<std::string> salida; } casos[] = {
        // Values in range, or above Hash's maximum, and a GaviotaTbCache below its minimum.
        {"Hash value 2048\nOwnBookLimit value 10\nGaviotaTbCache value 4\n"
         "GaviotaTbCompression value 9\nShowPv value Full\nGaviotaTbUse value true",
         {o + "Hash type spin default 1024 min 1 max 1024",
          o + "OwnBookLimit type spin default 10 min 2 max 10",
          o + "ShowPv type combo default Full var None var Middle var Full",
          o + "GaviotaTbUse type check default true",
          o + "GaviotaTbCache type spin default 4 min 8 max 1024",
          o + "GaviotaTbCompression type spin default 9 min 0 max 9"}},
        // Out of range: back to the default without a word (an empty path reads "empty");
        // unreadable: a message as well.
        {"OwnBookLimit value 5\nOwnBookLimit value 11\nGaviotaTbCache value 1015\n"
         "GaviotaTbCompression value 10\nGaviotaTbPath value", {}},
        {"Hash value 0\nOwnBookLimit value 5\nOwnBookLimit value 1",
         {o + "Hash type spin default 0 min 1 max 1024"}},
        {"Hash value -1\nHash value 64MB\nHash value\nOwnBookLimit value diez\n"
         "GaviotaTbCache value x\nGaviotaTbCompression value -1\nShowPv value none\n"
         "OwnBook value True\nGaviotaTbUse value yes",
         {e, e, e, Error("OwnBookLimit"), Error("GaviotaTbCache"), Error("GaviotaTbCompression"),
          Error("ShowPv"), Error("OwnBook"), Error("GaviotaTbUse")}},
        // Two-word and unknown names do nothing; "name Hash" alone reads the value "empty".
        {"Clear Hash\nhash value 1\nHash", {e}},
    };
    for (const auto &c : casos) {
        std::string comandos;
        for (const std::string &l : Lineas(c.comandos)) comandos += "setoption name " + l + "\n";
        EXPECT_EQ(Dialogo(comandos + "setoption\nuci\nquit\n"), c.salida) << c.comandos;
    }
    // One directory missing, one writable: one error line, the whole list kept, the test file
    // removed. No writable directory: the path is left empty.
    const std::string dir = CrearDirectorioTemporal(), malo = dir + "/no", bueno = dir + "/tb/";
    std::filesystem::create_directory(bueno);
    EXPECT_EQ(Dialogo(RUTA + malo + ";" + bueno + "\nuci\n" + RUTA + malo + "\nuci\n", dir),
              (std::vector<std::string>{Error("GaviotaTbPath", " " + malo + " "),
                                        o + "GaviotaTbPath type string default " + malo + ";" +
                                            bueno,
                                        Error("GaviotaTbPath", " " + malo + " "),
                                        o + "GaviotaTbPath type string default "}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(bueno), {}), 0);
    BorrarDirectorio(dir);
}

}  // namespace
