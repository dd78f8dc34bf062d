// Transcript runner: the engine as a child process, fed piece by piece as its output comes.
#include "support/transcript.h"

#include <cstdlib>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <sstream>

#include "support/process.h"

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
    // VANTOR_MOTOR, when set, is a command that stands for the engine (the Windows build under
    // wine); the time limit then ends that command's process.
    const char *motor = getenv("VANTOR_MOTOR");
    Proceso p;
    if (!Lanzar(p, motor ? std::vector<std::string>{"/bin/sh", "-c", "exec " + std::string(motor)}
                         : std::vector<std::string>{VANTOR_BIN},
                dir))
        return r;
    // marca: output size when the previous piece was written; desde: when the current
    // piece's awaited text was seen (-1 while waiting); escrito: when the last piece went out,
    // until a "bestmove" after it. The engine reads every piece whole.
    const auto inicio = std::chrono::steady_clock::now();
    long long desde = -1, escrito = -1;
    size_t tramo = 0, marca = 0;
    for (int n = 1; n != 0; n = LeerAlgo(p, 10)) {
        const long long ahora = std::chrono::duration_cast<std::chrono::milliseconds>(
                                    std::chrono::steady_clock::now() - inicio).count();
        if ((r.agotado = ahora > limite_ms)) break;
        if (escrito >= 0 && p.leido.find("bestmove", marca) != std::string::npos)
            r.respuesta_ms = ahora - escrito, escrito = -1;
        if (tramo == tramos.size()) {
            CerrarEntrada(p);
            continue;
        }
        const Tramo &t = tramos[tramo];
        if (desde < 0 && p.leido.find(t.esperar, marca) != std::string::npos) desde = ahora;
        if (desde >= 0 && ahora >= desde + t.pausa_ms) {
            if (!Escribir(p, t.texto)) tramo = tramos.size();
            else tramo++, marca = p.leido.size(), desde = -1, escrito = ahora;
        }
    }
    r.salida = p.leido;
    const Uso_Proceso uso = Esperar(p, r.agotado ? 0 : 5000);
    if (!r.agotado) r.estado = uso.estado;
    // The Windows engine writes its lines in text mode: CR LF reads as the newline.
    if (motor)
        for (size_t c; (c = r.salida.find("\r\n")) != std::string::npos;) r.salida.erase(c, 1);
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
        tramos.push_back({c + "\n", 0, tras_go ? "bestmove" : ""});
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
