// Linux: monotonic clock, poll on standard input, dlopen of Debian's probing library.
#include "platform/platform.h"

#include <dlfcn.h>
#include <poll.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <time.h>

const char NOMBRE_GTB[] = "libgaviotatb.so.1";
const char SEPARADOR_RUTA = '/';

uint32_t ObtenerTicks() {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    uint64_t ms = static_cast<uint64_t>(ts.tv_sec) * 1000u +
                  static_cast<uint64_t>(ts.tv_nsec) / 1000000u;
    return static_cast<uint32_t>(ms);
}

double SegundosProceso() {
    rusage r;
    getrusage(RUSAGE_SELF, &r);
    return static_cast<double>(r.ru_utime.tv_sec + r.ru_stime.tv_sec) +
           static_cast<double>(r.ru_utime.tv_usec + r.ru_stime.tv_usec) * 1e-6;
}

int32_t HayEntradaPendiente() {
    pollfd p{0, POLLIN, 0};
    if (poll(&p, 1, 0) <= 0) return 0;
    // End of input or a closed pipe also counts: the reader then sees end of file.
    return (p.revents & (POLLIN | POLLHUP | POLLERR)) != 0 ? 1 : 0;
}

void *CargarBiblioteca(const char *nombre) { return dlopen(nombre, RTLD_NOW | RTLD_LOCAL); }

void *ObtenerSimbolo(void *biblioteca, const char *nombre) {
    return biblioteca ? dlsym(biblioteca, nombre) : nullptr;
}

int32_t LiberarBiblioteca(void *biblioteca) { return dlclose(biblioteca) == 0 ? 1 : 0; }

void AconsejarPaginasGrandes(void *bloque, size_t bytes) {
    // Only whole pages inside the block can be advised.
    const uintptr_t pagina = 4096;
    const uintptr_t inicio = (reinterpret_cast<uintptr_t>(bloque) + pagina - 1) & ~(pagina - 1);
    const uintptr_t fin = (reinterpret_cast<uintptr_t>(bloque) + bytes) & ~(pagina - 1);
    if (bloque == nullptr || fin <= inicio) return;
    madvise(reinterpret_cast<void *>(inicio), fin - inicio, MADV_HUGEPAGE);
}
