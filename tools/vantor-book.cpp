// vantor-book [--plies N] [--min-games N] [--force] OUTPUT.db INPUT...: builds an opening book
// from PGN files, tab-separated opening lists (column "pgn") and lines of coordinate moves.
// Inputs are read as streams, one game at a time; every move is replayed by the engine; rejected
// lines are reported; the book is written to a temporary file beside OUTPUT.db and moved into
// place only when everything succeeded.
#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "board/board.h"
#include "book/builder.h"
#include "uci/uci.h"

static const char USO[] =
    "usage: vantor-book [--plies N] [--min-games N] [--force] OUTPUT.db INPUT...\n"
    "  --plies N      plies kept of each line, 1 to 20 (16 by default)\n"
    "  --min-games N  keep a move only when at least N input games played it (1 by default)\n";

// Inputs larger than this report their progress, once per this many bytes.
static constexpr int64_t PASO_PROGRESO = 32 << 20;

// A whole number of at most nine digits, or 0.
static int32_t Numero(const char *texto) {
    return Es_Numero(texto) && std::strlen(texto) <= 9 ? std::atoi(texto) : 0;
}

// The lines in one transaction into a new table Book; false with the reason in error.
static bool Escribir(const std::string &ruta, const Arbol_Libro &arbol,
                     const std::vector<uint32_t> &lineas, std::string &error) {
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
        const std::string texto = TextoLinea(arbol, lineas[i]);
        ok = sqlite3_bind_text(st, 1, texto.c_str(), -1, SQLITE_TRANSIENT) == SQLITE_OK &&
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
    int32_t plies = 16, minimo = 1;
    bool forzar = false;
    int a = 1;
    for (; a < argc && std::strncmp(argv[a], "--", 2) == 0; a++) {
        const int32_t valor = a + 1 < argc ? Numero(argv[a + 1]) : 0;
        if (std::strcmp(argv[a], "--force") == 0) {
            forzar = true;
        } else if (std::strcmp(argv[a], "--plies") == 0 && valor >= 1 &&
                   valor <= static_cast<int32_t>(MAX_PALABRAS)) {
            plies = valor;
            a++;
        } else if (std::strcmp(argv[a], "--min-games") == 0 && valor >= 1) {
            minimo = valor;
            a++;
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

    // 2. Every input can be opened before any is read.
    std::vector<std::ifstream> entradas;
    for (int i = a + 1; i < argc; i++) {
        entradas.emplace_back();
        if (!std::filesystem::is_directory(argv[i], ec)) entradas.back().open(argv[i], std::ios::binary);
        if (!entradas.back()) {
            std::fprintf(stderr, "vantor-book: cannot read %s\n", argv[i]);
            return 1;
        }
    }

    // 3. Each line replayed by the engine's own generator and make, into the tree.
    IniciarMotor(1, 1);
    Arbol_Libro arbol;
    Lector_Fuente fuente;
    std::vector<uint16_t> jugadas;
    int32_t rechazadas = 0, aceptadas = 0;
    for (size_t f = 0; f < entradas.size(); f++) {
        const char *nombre = argv[a + 1 + static_cast<int>(f)];
        const int64_t total = static_cast<int64_t>(std::filesystem::file_size(nombre, ec));
        int64_t aviso = PASO_PROGRESO;
        AbrirFuente(fuente, entradas[f], nombre);
        for (;;) {
            const bool hay = SiguienteJugadas(fuente, plies, jugadas);
            for (const std::string &r : fuente.Rechazos)
                std::fprintf(stderr, "vantor-book: %s\n", r.c_str());
            rechazadas += static_cast<int32_t>(fuente.Rechazos.size());
            fuente.Rechazos.clear();
            if (!hay) break;
            AnadirLinea(arbol, jugadas);
            aceptadas++;
            if (!ec && total > PASO_PROGRESO && BytesLeidos(fuente) >= aviso) {
                std::fprintf(stderr, "%s: %lld of %lld MB, %d lines\n", nombre,
                             static_cast<long long>(BytesLeidos(fuente) >> 20),
                             static_cast<long long>(total >> 20), aceptadas + rechazadas);
                aviso = BytesLeidos(fuente) + PASO_PROGRESO;
            }
        }
        if (entradas[f].bad()) {
            std::fprintf(stderr, "vantor-book: cannot read %s\n", nombre);
            return 1;
        }
    }
    std::vector<uint32_t> lineas = LineasLibro(arbol, static_cast<uint32_t>(minimo));
    if (lineas.empty()) {
        std::fprintf(stderr, "vantor-book: no line to write\n");
        return 1;
    }

    // 4. A fixed shuffle: the probe reads at most 15 rows of the lines that continue a game,
    // so rows in order would offer only the first few replies.
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
    if (!Escribir(temporal, arbol, lineas, error)) {
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
                salida.c_str(), aceptadas + rechazadas, lineas.size(), rechazadas,
                aceptadas - static_cast<int32_t>(lineas.size()));
    return 0;
}
