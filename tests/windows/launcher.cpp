// Starts a program on Windows pipes (CreatePipe + CreateProcess, as a GUI does) and relays
// this process's standard input and output to them, so that the Linux-side transcript tests
// reach an engine under wine through pipes that PeekNamedPipe can see.
#include <windows.h>

static HANDLE escribir_hijo;

// Our input to the child; the end of ours closes its pipe, its end of input.
static DWORD WINAPI Reenviar(void *) {
    char b[4096];
    DWORD n, w;
    while (ReadFile(GetStdHandle(STD_INPUT_HANDLE), b, sizeof b, &n, nullptr) && n > 0)
        if (!WriteFile(escribir_hijo, b, n, &w, nullptr)) break;
    CloseHandle(escribir_hijo);
    return 0;
}

int main(int argc, char **argv) {
    SECURITY_ATTRIBUTES heredable{sizeof heredable, nullptr, TRUE};
    HANDLE leer_hijo, leer_salida, escribir_salida;
    if (argc != 2 || !CreatePipe(&leer_hijo, &escribir_hijo, &heredable, 0) ||
        !CreatePipe(&leer_salida, &escribir_salida, &heredable, 0))
        return 2;
    SetHandleInformation(escribir_hijo, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(leer_salida, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = leer_hijo;
    si.hStdOutput = escribir_salida;
    si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION pi;
    if (!CreateProcessA(argv[1], nullptr, nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi))
        return 2;
    CloseHandle(leer_hijo);
    CloseHandle(escribir_salida);
    CreateThread(nullptr, 0, Reenviar, nullptr, 0, nullptr);

    // The child's output, its text-mode CR LF line ends passed on as LF.
    char b[4097];
    DWORD n, w;
    bool cr = false;
    while (ReadFile(leer_salida, b + 1, sizeof b - 1, &n, nullptr) && n > 0) {
        b[0] = '\r';
        char *desde = cr ? b : b + 1, *fin = b + 1 + n, *k = desde;
        cr = fin[-1] == '\r';
        for (char *p = desde; p < fin - (cr ? 1 : 0); p++)
            if (!(*p == '\r' && p + 1 < fin && p[1] == '\n')) *k++ = *p;
        WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), desde, static_cast<DWORD>(k - desde), &w, nullptr);
    }
    if (cr) WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), "\r", 1, &w, nullptr);
    WaitForSingleObject(pi.hProcess, INFINITE);
    DWORD estado = 1;
    GetExitCodeProcess(pi.hProcess, &estado);
    return static_cast<int>(estado);
}
