// Child processes: posix_spawn with the pipes as its file actions, poll for reading, wait4 for
// the resources used.
#include "support/process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

extern char **environ;

static long long Milisegundos(std::chrono::steady_clock::time_point desde) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now() - desde).count();
}

int Lanzar(Proceso &p, const std::vector<std::string> &args, const std::string &carpeta,
           bool unir_errores) {
    signal(SIGPIPE, SIG_IGN);
    p = Proceso{};
    if (args.empty()) return 0;
    int a[2], b[2];
    if (pipe2(a, O_CLOEXEC) != 0) return 0;
    if (pipe2(b, O_CLOEXEC) != 0) {
        close(a[0]);
        close(a[1]);
        return 0;
    }
    // The pipes are close-on-exec, so a second child never holds the first one's open; dup2
    // leaves the child's copies on 0, 1 (and 2) open.
    posix_spawn_file_actions_t acciones;
    posix_spawn_file_actions_init(&acciones);
    posix_spawn_file_actions_adddup2(&acciones, a[0], 0);
    posix_spawn_file_actions_adddup2(&acciones, b[1], 1);
    if (unir_errores) posix_spawn_file_actions_adddup2(&acciones, b[1], 2);
    if (!carpeta.empty()) posix_spawn_file_actions_addchdir_np(&acciones, carpeta.c_str());
    std::vector<char *> argv;
    for (const std::string &s : args) argv.push_back(const_cast<char *>(s.c_str()));
    argv.push_back(nullptr);
    p.inicio = std::chrono::steady_clock::now();
    const int error = posix_spawn(&p.pid, argv[0], &acciones, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&acciones);
    close(a[0]);
    close(b[1]);
    p.entrada = a[1];
    p.salida = b[0];
    if (error != 0) {
        p.pid = -1;
        CerrarEntrada(p);
        close(p.salida);
        p.salida = -1;
        return 0;
    }
    return 1;
}

int Escribir(Proceso &p, const std::string &texto) {
    size_t hecho = 0;
    while (p.entrada >= 0 && hecho < texto.size()) {
        const ssize_t n = write(p.entrada, texto.data() + hecho, texto.size() - hecho);
        if (n <= 0) return 0;
        hecho += static_cast<size_t>(n);
    }
    return hecho == texto.size();
}

int LeerAlgo(Proceso &p, int espera_ms) {
    if (p.salida < 0) return 0;
    pollfd f{p.salida, POLLIN, 0};
    if (poll(&f, 1, espera_ms < 0 ? 0 : espera_ms) <= 0) return -1;
    char buffer[4096];
    const ssize_t n = read(p.salida, buffer, sizeof(buffer));
    if (n <= 0) return 0;
    p.leido.append(buffer, static_cast<size_t>(n));
    return static_cast<int>(n);
}

int EsperarLinea(Proceso &p, const std::string &prefijo, int limite_ms, std::string *linea) {
    const auto inicio = std::chrono::steady_clock::now();
    for (;;) {
        size_t fin;
        while ((fin = p.leido.find('\n')) != std::string::npos) {
            std::string l = p.leido.substr(0, fin);
            p.leido.erase(0, fin + 1);
            if (!l.empty() && l.back() == '\r') l.pop_back();
            if (l.rfind(prefijo, 0) != 0) continue;
            if (linea != nullptr) *linea = l;
            return 1;
        }
        const long long resto = limite_ms - Milisegundos(inicio);
        if (resto <= 0) return 0;
        if (LeerAlgo(p, static_cast<int>(resto)) == 0) return -1;
    }
}

int LeerTodo(Proceso &p, int limite_ms) {
    const auto inicio = std::chrono::steady_clock::now();
    for (;;) {
        const long long resto = limite_ms < 0 ? 1000 : limite_ms - Milisegundos(inicio);
        if (resto <= 0) return 0;
        if (LeerAlgo(p, static_cast<int>(resto)) == 0) return 1;
    }
}

void CerrarEntrada(Proceso &p) {
    if (p.entrada >= 0) close(p.entrada);
    p.entrada = -1;
}

Uso_Proceso Esperar(Proceso &p, int limite_ms) {
    Uso_Proceso u;
    CerrarEntrada(p);
    if (p.salida >= 0) close(p.salida);
    p.salida = -1;
    if (p.pid <= 0) return u;
    int estado = 0;
    rusage uso{};
    // Short sleeps between looks: a child that ends is seen within a few milliseconds.
    const auto tope = std::chrono::steady_clock::now() + std::chrono::milliseconds(limite_ms);
    pid_t hecho;
    while ((hecho = wait4(p.pid, &estado, limite_ms < 0 ? 0 : WNOHANG, &uso)) == 0 &&
           std::chrono::steady_clock::now() < tope)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    const bool matado = hecho == 0;
    if (matado) {
        kill(p.pid, SIGKILL);
        hecho = wait4(p.pid, &estado, 0, &uso);
    }
    u.segundos = Milisegundos(p.inicio) / 1000.0;
    if (hecho == p.pid) {
        u.cpu = uso.ru_utime.tv_sec + uso.ru_stime.tv_sec +
                (uso.ru_utime.tv_usec + uso.ru_stime.tv_usec) * 1e-6;
        u.megas = uso.ru_maxrss / 1024.0;
        if (!matado && WIFEXITED(estado)) u.estado = WEXITSTATUS(estado);
    }
    p.pid = -1;
    return u;
}

Uso_Proceso Correr(const std::vector<std::string> &args, std::string *salida, int limite_ms,
                   int espera_ms, const std::string &carpeta, bool unir_errores) {
    Proceso p;
    salida->clear();
    if (!Lanzar(p, args, carpeta, unir_errores)) return Uso_Proceso{};
    LeerTodo(p, limite_ms);
    *salida = p.leido;
    return Esperar(p, espera_ms);
}

std::string JuntoAlPrograma(const std::string &nombre) {
    char propio[4096] = {0};
    if (readlink("/proc/self/exe", propio, sizeof(propio) - 1) <= 0) return nombre;
    const std::string ruta = propio;
    return ruta.substr(0, ruta.rfind('/') + 1) + nombre;
}
