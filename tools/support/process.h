// A child process on two pipes: start it, write to its standard input, read its standard
// output with a time limit, close its input, wait for it (or kill it) and read what it used.
// POSIX only: shared by the tools that run other programs and by the tests.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

struct Proceso {
    pid_t pid = -1;
    int entrada = -1, salida = -1;  // our ends of the child's standard input and output
    std::string leido;              // output read and not yet taken as a line
    std::chrono::steady_clock::time_point inicio;
};

struct Uso_Proceso {
    int estado = -1;       // exit status; -1 when killed, ended by a signal or never started
    double segundos = 0;   // wall time from the start to the end
    double cpu = 0;        // user and system processor seconds
    double megas = 0;      // peak resident memory in megabytes
};

// Starts args[0] (a path, taken from carpeta when relative) with the rest as its arguments,
// in carpeta (ours when empty); its standard error joins the output with unir_errores.
// 0 when the program could not be started. A write to a child that has ended no longer
// stops this process (SIGPIPE is ignored from the first start).
int Lanzar(Proceso &p, const std::vector<std::string> &args, const std::string &carpeta = "",
           bool unir_errores = false);

// 1 when the whole text was written.
int Escribir(Proceso &p, const std::string &texto);

// Waits up to espera_ms for output and appends it to leido: the bytes read, 0 at the end of
// the output, -1 when nothing came in time.
int LeerAlgo(Proceso &p, int espera_ms);

// Takes lines from the output until one starts with prefijo (any line with ""), within
// limite_ms; that line goes to *linea without its line end. 1 when it came, 0 on time-out,
// -1 at the end of the output.
int EsperarLinea(Proceso &p, const std::string &prefijo, int limite_ms,
                 std::string *linea = nullptr);

// Reads until the output ends (1) or limite_ms runs out (0); a negative limit waits for ever.
// The output stays in leido.
int LeerTodo(Proceso &p, int limite_ms);

void CerrarEntrada(Proceso &p);

// Closes both pipes and waits up to limite_ms for the child to end (for ever when negative),
// then kills it.
Uso_Proceso Esperar(Proceso &p, int limite_ms);

// A program run to its end: Lanzar, LeerTodo within limite_ms into *salida, then Esperar up
// to espera_ms (estado -1 when it could not be started).
Uso_Proceso Correr(const std::vector<std::string> &args, std::string *salida, int limite_ms,
                   int espera_ms = 5000, const std::string &carpeta = "", bool unir_errores = false);

// The path of nombre in the folder of the running program (a tool finds the engine built
// next to it this way).
std::string JuntoAlPrograma(const std::string &nombre);
