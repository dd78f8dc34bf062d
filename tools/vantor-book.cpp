// vantor-book [--plies N] [--force] OUTPUT.db INPUT...: builds an opening book from PGN files,
// tab-separated opening lists (column "pgn") and lines of coordinate moves. Every move is
// replayed by the engine; rejected lines are reported; the book is written to a temporary file
// beside OUTPUT.db and moved into place only when everything succeeded.
#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "board/board.h"
#include "book/book.h"

static const char USO[] = "usage: vantor-book [--plies N] [--force] OUTPUT.db INPUT...\n"
                          "  N: plies kept of each line, 1 to 20 (16 by default)\n";

// Inputs with more lines than this show their progress.
static constexpr int32_t LINEAS_PROGRESO = 5000;

// The whole file into texto; false when it cannot be read.
static bool LeerArchivo(const std::string &ruta, std::string &texto) {
    std::error_code ec;
    if (std::filesystem::is_directory(ruta, ec)) return false;
    std::ifstream f(ruta, std::ios::binary);
    if (!f) return false;
    std::ostringstream s;
    s << f.rdbuf();
    if (f.bad()) return false;
    texto = s.str();
    return true;
}

// The lines in one transaction into a new table Book; false with the reason in error.
static bool Escribir(const std::string &ruta, const std::vector<std::string> &lineas,
                     std::string &error) {
    sqlite3 *db = nullptr;
    sqlite3_stmt *st = nullptr;
    bool ok = sqlite3_open_v2(ruta.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                              nullptr) == SQLITE_OK &&
              sqlite3_exec(db,
                           "PRAGMA journal_mode=OFF; BEGIN; CREATE TABLE Book (Partida TEXT);",
                           nullptr, nullptr, nullptr) == SQLITE_OK &&
              sqlite3_prepare_v2(db, "INSERT INTO Book (Partida) VALUES (?1);", -1, &st,
                                 nullptr) == SQLITE_OK;
    for (size_t i = 0; ok && i < lineas.size(); i++) {
        ok = sqlite3_bind_text(st, 1, lineas[i].c_str(), -1, SQLITE_STATIC) == SQLITE_OK &&
             sqlite3_step(st) == SQLITE_DONE && sqlite3_reset(st) == SQLITE_OK;
    }
    sqlite3_finalize(st);
    ok = ok && sqlite3_exec(db, "COMMIT;", nullptr, nullptr, nullptr) == SQLITE_OK;
    if (!ok) error = db != nullptr ? sqlite3_errmsg(db) : "out of memory";
    if (sqlite3_close(db) != SQLITE_OK) ok = false;
    return ok;
}

int main(int argc, char **argv) {
    // 1. Arguments.
    int32_t plies = 16;
    bool forzar = false;
    int a = 1;
    for (; a < argc && std::strncmp(argv[a], "--", 2) == 0; a++) {
        if (std::strcmp(argv[a], "--force") == 0) {
            forzar = true;
        } else if (std::strcmp(argv[a], "--plies") == 0 && a + 1 < argc && Es_Numero(argv[a + 1]) &&
                   std::strlen(argv[a + 1]) <= 2 && std::atoi(argv[a + 1]) >= 1 &&
                   std::atoi(argv[a + 1]) <= 20) {
            plies = std::atoi(argv[++a]);
        } else {
            std::fputs(USO, stderr);
            return 2;
        }
    }
    if (argc - a < 2) {
        std::fputs(USO, stderr);
        return 2;
    }
    const std::string salida = argv[a];
    std::error_code ec;
    if (!forzar && std::filesystem::exists(salida, ec)) {
        std::fprintf(stderr, "vantor-book: %s exists; --force replaces it\n", salida.c_str());
        return 1;
    }

    // 2. Every input is read before anything is written.
    std::vector<std::string> nombres, textos;
    for (int i = a + 1; i < argc; i++) {
        std::string texto;
        if (!LeerArchivo(argv[i], texto)) {
            std::fprintf(stderr, "vantor-book: cannot read %s\n", argv[i]);
            return 1;
        }
        nombres.push_back(argv[i]);
        textos.push_back(std::move(texto));
    }

    // 3. Each line replayed by the engine's own generator and make.
    IniciarClaves(1);
    LlenarColorCasilla();
    std::vector<std::string> lineas, rechazos;
    int32_t leidas = 0;
    for (size_t f = 0; f < textos.size(); f++) {
        const size_t antes = rechazos.size();
        std::vector<Linea_Fuente> fuente = LeerFuenteLibro(nombres[f], textos[f], rechazos);
        leidas += static_cast<int32_t>(fuente.size() + rechazos.size() - antes);
        const int32_t total =
            static_cast<int32_t>(std::count(textos[f].begin(), textos[f].end(), '\n'));
        int32_t aviso = LINEAS_PROGRESO;
        for (const Linea_Fuente &l : fuente) {
            std::string texto, mensaje;
            if (ConvertirLineaLibro(nombres[f], l, plies, texto, mensaje)) lineas.push_back(texto);
            else rechazos.push_back(mensaje);
            if (total > LINEAS_PROGRESO && l.Linea >= aviso) {
                std::fprintf(stderr, "%s: line %d of %d\n", nombres[f].c_str(), l.Linea, total);
                aviso = l.Linea + LINEAS_PROGRESO;
            }
        }
    }
    for (const std::string &r : rechazos) std::fprintf(stderr, "vantor-book: %s\n", r.c_str());
    const int32_t rechazadas = static_cast<int32_t>(rechazos.size());
    const int32_t quitadas = DepurarLineasLibro(lineas);
    if (lineas.empty()) {
        std::fprintf(stderr, "vantor-book: no line to write\n");
        return 1;
    }

    // 4. A fixed shuffle: the probe reads at most 15 rows of the lines that continue a game,
    // so sorted rows would offer only the first few replies.
    uint32_t estado = 2463534242u;
    for (size_t i = lineas.size() - 1; i > 0; i--) {
        estado ^= estado << 13;
        estado ^= estado >> 17;
        estado ^= estado << 5;
        std::swap(lineas[i], lineas[estado % (i + 1)]);
    }

    // 5. A temporary file beside the output, moved into place.
    const std::string temporal = salida + ".tmp" + std::to_string(getpid());
    std::filesystem::remove(temporal, ec);
    std::string error;
    if (!Escribir(temporal, lineas, error)) {
        std::fprintf(stderr, "vantor-book: cannot write %s: %s\n", temporal.c_str(), error.c_str());
        std::filesystem::remove(temporal, ec);
        return 1;
    }
    std::filesystem::rename(temporal, salida, ec);
    if (ec) {
        std::fprintf(stderr, "vantor-book: cannot write %s: %s\n", salida.c_str(),
                     ec.message().c_str());
        std::filesystem::remove(temporal, ec);
        return 1;
    }
    std::printf("%s: %d lines read, %zu written, %d rejected, %d duplicates or prefixes dropped\n",
                salida.c_str(), leidas, lineas.size(), rechazadas, quitadas);
    return 0;
}
