// Windows: tick count, console or pipe polling of standard input, LoadLibraryA.
#include "platform/platform.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

const char NOMBRE_GTB[] = "gtbprobe_x86.dll";
const char SEPARADOR_RUTA = '\\';

uint32_t ObtenerTicks() { return GetTickCount(); }

double SegundosProceso() {
    FILETIME creado, salido, sistema, usuario;
    if (!GetProcessTimes(GetCurrentProcess(), &creado, &salido, &sistema, &usuario)) return 0;
    // Both in units of 100 ns.
    const auto cien_ns = [](const FILETIME &f) {
        return (static_cast<uint64_t>(f.dwHighDateTime) << 32) | f.dwLowDateTime;
    };
    return static_cast<double>(cien_ns(sistema) + cien_ns(usuario)) * 1e-7;
}

int32_t HayEntradaPendiente() {
    static int32_t iniciado = 0;
    static HANDLE entrada = nullptr;
    static int32_t tuberia = 0;

    // Decided once: a console gets key events only, with whatever was pending dropped;
    // anything else is treated as a pipe.
    if (!iniciado) {
        iniciado = 1;
        entrada = GetStdHandle(STD_INPUT_HANDLE);
        DWORD modo = 0;
        tuberia = GetConsoleMode(entrada, &modo) ? 0 : 1;
        if (!tuberia) {
            const DWORD eventos = ENABLE_WINDOW_INPUT | ENABLE_MOUSE_INPUT;
            SetConsoleMode(entrada, modo & ~eventos);
            FlushConsoleInputBuffer(entrada);
        }
    }

    DWORD n = 0;
    if (tuberia) {
        // A failed peek (a file, a broken pipe) lets the reader find out.
        if (!PeekNamedPipe(entrada, nullptr, 0, nullptr, &n, nullptr)) return 1;
        return n != 0 ? 1 : 0;
    }
    // A console holds a line only once more than one event is waiting.
    GetNumberOfConsoleInputEvents(entrada, &n);
    return n > 1 ? 1 : 0;
}

void *CargarBiblioteca(const char *nombre) {
    return reinterpret_cast<void *>(LoadLibraryA(nombre));
}

void *ObtenerSimbolo(void *biblioteca, const char *nombre) {
    if (biblioteca == nullptr) return nullptr;
    return reinterpret_cast<void *>(GetProcAddress(static_cast<HMODULE>(biblioteca), nombre));
}

int32_t LiberarBiblioteca(void *biblioteca) {
    return FreeLibrary(static_cast<HMODULE>(biblioteca)) ? 1 : 0;
}

// Large pages need a privilege that a console program does not hold: nothing to do.
void AconsejarPaginasGrandes(void *, size_t) {}
