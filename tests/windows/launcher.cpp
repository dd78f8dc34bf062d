// Starts a program on Windows pipes (CreatePipe + CreateProcess, as a GUI does) and relays
// this process's standard input and output to them, so that the Linux-side transcript tests
// reach an engine under wine through pipes that PeekNamedPipe can see.
#include <windows.h>

// Copies until either side ends, then closes the target: the child's end of input, or ours.
static void Copiar(HANDLE de, HANDLE a) {
    char b[4096];
    DWORD n, w;
    while (ReadFile(de, b, sizeof b, &n, nullptr) && n > 0 && WriteFile(a, b, n, &w, nullptr)) {
    }
    CloseHandle(a);
}

static HANDLE escribir_hijo;
static DWORD WINAPI Reenviar(void *) {
    Copiar(GetStdHandle(STD_INPUT_HANDLE), escribir_hijo);
    return 0;
}

int main(int argc, char **argv) {
    SECURITY_ATTRIBUTES heredable{sizeof heredable, nullptr, TRUE};
    HANDLE leer_hijo, leer_salida, escribir_salida;
    if (argc != 2 || !CreatePipe(&leer_hijo, &escribir_hijo, &heredable, 0) ||
        !CreatePipe(&leer_salida, &escribir_salida, &heredable, 0))
        return 2;
    // Only the child's ends are inherited, so that it sees the end of its input.
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
    Copiar(leer_salida, GetStdHandle(STD_OUTPUT_HANDLE));
    WaitForSingleObject(pi.hProcess, INFINITE);
    DWORD estado = 1;
    GetExitCodeProcess(pi.hProcess, &estado);
    return static_cast<int>(estado);
}
