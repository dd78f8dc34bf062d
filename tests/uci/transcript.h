// Runs the real engine binary with a scripted standard input and collects its output.
#pragma once

#include <string>
#include <vector>

// One piece of input, written after waiting pausa_ms since the previous piece.
struct Tramo {
    std::string texto;
    int pausa_ms = 0;
};

struct Transcripcion {
    std::string salida;   // every byte written to standard output
    int estado = -1;      // exit status, -1 when killed or not exited normally
    bool agotado = false; // the time limit ran out and the process was killed
};

// Starts VANTOR_BIN in directorio (a fresh temporary directory when empty), feeds the
// pieces, closes its input and waits at most limite_ms for it to end.
Transcripcion EjecutarMotor(const std::vector<Tramo> &tramos, int limite_ms = 20000,
                            const std::string &directorio = "");
Transcripcion EjecutarMotor(const std::string &entrada, int limite_ms = 20000);

// A fresh empty temporary directory, and its removal with everything in it.
std::string CrearDirectorioTemporal();
void BorrarDirectorio(const std::string &directorio);

// The lines of a text, without their newlines.
std::vector<std::string> Lineas(const std::string &texto);
