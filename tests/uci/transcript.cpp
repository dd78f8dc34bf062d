// Transcript runner: fork and exec with pipes, poll-driven so neither side can block.
#include "uci/transcript.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <sstream>

std::string CrearDirectorioTemporal() {
    char plantilla[] = "/tmp/vantor_test_XXXXXX";
    return mkdtemp(plantilla) != nullptr ? plantilla : "/tmp";
}

void BorrarDirectorio(const std::string &directorio) {
    std::error_code ec;
    std::filesystem::remove_all(directorio, ec);
}

std::vector<std::string> Lineas(const std::string &texto) {
    std::vector<std::string> lineas;
    std::istringstream entrada(texto);
    for (std::string l; std::getline(entrada, l);) lineas.push_back(l);
    return lineas;
}

std::string DanzaDeCaballos(int plies) {
    static const char *const CICLO[4] = {"g1f3", "g8f6", "f3g1", "f6g8"};
    std::string s;
    for (int i = 0; i < plies; i++) s += std::string(i > 0 ? " " : "") + CICLO[i % 4];
    return s;
}

Transcripcion EjecutarMotor(const std::vector<Tramo> &tramos, int limite_ms,
                            const std::string &directorio) {
    Transcripcion r;
    const std::string dir = directorio.empty() ? CrearDirectorioTemporal() : directorio;
    int entrada[2], salida[2];
    if (pipe(entrada) != 0 || pipe(salida) != 0) return r;
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(entrada[0], 0);
        dup2(salida[1], 1);
        for (int fd : {entrada[0], entrada[1], salida[0], salida[1]}) close(fd);
        if (chdir(dir.c_str()) != 0) _exit(126);
        // VANTOR_MOTOR, when set, is a command that stands for the engine (the Windows build
        // under wine); the time limit then ends that command's process.
        if (const char *motor = getenv("VANTOR_MOTOR"))
            execl("/bin/sh", "sh", "-c", ("exec " + std::string(motor)).c_str(), nullptr);
        execl(VANTOR_BIN, VANTOR_BIN, static_cast<char *>(nullptr));
        _exit(127);
    }
    close(entrada[0]);
    close(salida[1]);
    if (pid < 0) return r;
    int fd_entrada = entrada[1], fd_salida = salida[0];
    signal(SIGPIPE, SIG_IGN);
    // marca: output size when the previous piece was written; desde: when the current
    // piece's awaited text was seen (-1 while waiting). The engine reads every piece whole.
    const auto inicio = std::chrono::steady_clock::now();
    long long desde = -1, escrito = -1;
    size_t tramo = 0, marca = 0;
    for (bool abierta = true; abierta;) {
        const long long ahora = std::chrono::duration_cast<std::chrono::milliseconds>(
                                    std::chrono::steady_clock::now() - inicio).count();
        if ((r.agotado = ahora > limite_ms)) break;
        if (escrito >= 0 && r.salida.find("bestmove", marca) != std::string::npos)
            r.respuesta_ms = ahora - escrito, escrito = -1;
        if (fd_entrada >= 0 && tramo == tramos.size()) close(fd_entrada), fd_entrada = -1;
        const Tramo *t = fd_entrada >= 0 ? &tramos[tramo] : nullptr;
        if (t != nullptr && desde < 0 && r.salida.find(t->esperar, marca) != std::string::npos)
            desde = ahora;
        if (t != nullptr && desde >= 0 && ahora >= desde + t->pausa_ms) {
            if (write(fd_entrada, t->texto.data(), t->texto.size()) < 0) tramo = tramos.size();
            else tramo++, marca = r.salida.size(), desde = -1, escrito = ahora;
        }
        pollfd p = {fd_salida, POLLIN, 0};
        char buf[4096];
        const ssize_t n = poll(&p, 1, 10) > 0 ? read(fd_salida, buf, sizeof(buf)) : -2;
        if (n > 0) r.salida.append(buf, static_cast<size_t>(n));
        abierta = n != 0 && n != -1;
    }
    if (r.agotado) kill(pid, SIGKILL);
    if (fd_entrada >= 0) close(fd_entrada);
    close(fd_salida);
    int st = 0;
    waitpid(pid, &st, 0);
    if (!r.agotado && WIFEXITED(st)) r.estado = WEXITSTATUS(st);
    // The Windows engine writes its lines in text mode: CR LF reads as the newline.
    if (getenv("VANTOR_MOTOR"))
        for (size_t p; (p = r.salida.find("\r\n")) != std::string::npos;) r.salida.erase(p, 1);
    if (directorio.empty()) BorrarDirectorio(dir);
    return r;
}

Transcripcion EjecutarMotor(const std::string &entrada, int limite_ms) {
    return EjecutarMotor(std::vector<Tramo>{{entrada}}, limite_ms);
}

const std::string RESPUESTA_UCI =
    "id name Vantor 0.5 x86\nid author Dromek, Spain.\n"
    "option name Hash type spin default 128 min 1 max 1024\n"
    "option name OwnBook type check default false\n"
    "option name OwnBookLimit type spin default 8 min 2 max 10\n"
    "option name ShowPv type combo default Middle var None var Middle var Full\n"
    "option name GaviotaTbUse type check default false\n"
    "option name GaviotaTbPath type string default empty\n"
    "option name GaviotaTbCache type spin default 32 min 8 max 1024\n"
    "option name GaviotaTbCompression type spin default 4 min 0 max 9\nuciok\n";

std::vector<std::string> Dialogo(const std::string &comandos, const std::string &directorio) {
    std::vector<Tramo> tramos;
    for (const std::string &c : Lineas(comandos)) {
        const bool tras_go = !tramos.empty() && tramos.back().texto.starts_with("go");
        tramos.emplace_back(c + "\n", 0, tras_go ? "bestmove" : "");
    }
    const std::vector<std::string> l = Lineas(EjecutarMotor(tramos, 30000, directorio).salida);
    std::vector<std::string> r;
    for (size_t i = 0; i < l.size(); i++) {
        const bool libro = i + 1 < l.size() && l[i + 1] == "info string Libro de aperturas.";
        if (l[i].starts_with("bestmove ")) r.push_back(libro ? l[i++].substr(9) : "search");
        else if (!l[i].starts_with("info depth ") && !l[i].starts_with("info currmove ") &&
                 ("\n" + RESPUESTA_UCI).find("\n" + l[i] + "\n") == std::string::npos)
            r.push_back(l[i]);
    }
    return r;
}

std::string CapturarSalida(const std::function<void()> &f) {
    testing::internal::CaptureStdout();
    f();
    return testing::internal::GetCapturedStdout();
}
