// Runs the real engine binary with a scripted standard input and collects its output.
#pragma once

#include <functional>
#include <string>
#include <vector>

// One piece of input, written pausa_ms after the output since the previous piece contains
// esperar. A search drops the input sent during it: commands after "go" wait for "bestmove".
struct Tramo {
    std::string texto;
    int pausa_ms = 0;
    std::string esperar = "";
};

struct Transcripcion {
    std::string salida;   // every byte written to standard output
    int estado = -1;      // exit status, -1 when killed or not exited normally
    bool agotado = false; // the time limit ran out and the process was killed
    long long respuesta_ms = -1;  // from a piece written to the "bestmove" that follows it
};

// Starts VANTOR_BIN in directorio (a fresh temporary one when empty), feeds the pieces,
// closes its input and waits at most limite_ms for it to end.
Transcripcion EjecutarMotor(const std::vector<Tramo> &tramos, int limite_ms = 20000,
                            const std::string &directorio = "");
Transcripcion EjecutarMotor(const std::string &entrada, int limite_ms = 20000);

extern const std::string RESPUESTA_UCI;  // the reply to "uci" with every option at its default
// Runs the command lines in directorio, each line after a "go" once "bestmove" came, and returns
// the output lines without search reports and lines of RESPUESTA_UCI; a "bestmove" stands as its
// move when the book gave it, else as "search".
std::vector<std::string> Dialogo(const std::string &comandos, const std::string &directorio = "");

std::string CrearDirectorioTemporal();
void BorrarDirectorio(const std::string &directorio);  // with everything in it
std::vector<std::string> Lineas(const std::string &texto);  // without their newlines
std::string CapturarSalida(const std::function<void()> &f);  // what f writes to stdout
// Knights out and back from the start: a legal game of any length without captures.
std::string DanzaDeCaballos(int plies);
