// The only place that talks to the operating system. linux.cpp and windows.cpp implement
// it; the build compiles the one for its target.
#pragma once

#include <cstddef>
#include <cstdint>

// Milliseconds from a monotonic clock, wrapping at 32 bits like a tick count.
uint32_t ObtenerTicks();

// 1 when a line (or part of one) is waiting on standard input, without blocking.
int32_t HayEntradaPendiente();

// Processor time (user and system) used by this process so far, in seconds: for the tools.
double SegundosProceso();

// Run-time library loading; null or 0 on failure.
void *CargarBiblioteca(const char *nombre);
void *ObtenerSimbolo(void *biblioteca, const char *nombre);
int32_t LiberarBiblioteca(void *biblioteca);  // 1 on success

// File name of the tablebase probing library.
extern const char NOMBRE_GTB[];

// Separator put between a directory and a file name.
extern const char SEPARADOR_RUTA;

// Asks the system to back a large block with huge pages where it can; a hint only.
void AconsejarPaginasGrandes(void *bloque, size_t bytes);
