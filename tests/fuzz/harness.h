// The engine set up once per fuzzing process and reset before every input; small searches.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string>

#include "book/book.h"
#include "search/search.h"
#include "tablebase/tablebase.h"
#include "uci/uci.h"

namespace fuzz {

// Write end of the pipe that stands in for standard input during a search.
inline int entrada_busqueda = -1;

// Start-up with replies to /dev/null, standard input on a pipe that stays open and a 1 MB
// table. The book and the path test write into the working folder: run in a scratch one.
inline void Iniciar() {
    static bool hecho = false;
    if (hecho) return;
    hecho = true;
    if (freopen("/dev/null", "w", stdout) == nullptr) abort();
    int tubo[2];
    if (pipe(tubo) != 0) abort();
    dup2(tubo[0], 0);
    close(tubo[0]);
    entrada_busqueda = tubo[1];
    fcntl(0, F_SETFL, fcntl(0, F_GETFL) | O_NONBLOCK);
    IniciarMotor(1, 1);
}

// perft lines an input may run at full depth (at most 2); later ones count to depth 1, so a
// long input of perft lines on a position of 200 moves still ends in a fraction of a second.
inline int32_t perft_restantes = 0;

// The settings of start-up and a new game, as a fresh process would have them, with perft full
// depth allowed to that many more lines.
inline void Reiniciar(int32_t perft = 8) {
    Iniciar();
    Salir = 0;
    if (tbprobe_Gaviota.Cargada == 1) Descargar_gtbgaviota_dll();
    tbprobe_Gaviota.Cargada = 0;
    AjustesIniciales();
    if (TT_Opciones.Megas_Tabla + TT_Opciones.Megas_Cache != 1) {
        TT_Opciones.Megas_Tabla = 1;
        TT_Opciones.Megas_Cache = 0;
        CrearTransposicion(1);
    }
    UciNewGame();
    perft_restantes = perft;
}

// Drops whatever a search left unread on the stand-in input.
inline void VaciarEntrada() {
    char basura[256];
    while (read(0, basura, sizeof(basura)) > 0) {
    }
    clearerr(stdin);
}

// Sizes the next "isready" would allocate, limited to a few megabytes.
inline void LimitarMemoria() {
    if (TT_Opciones.Megas_Tabla + TT_Opciones.Megas_Cache > 4) {
        TT_Opciones.Megas_Tabla = 4;
        TT_Opciones.Megas_Cache = 0;
    }
    if (tbprobe_Gaviota.Cache_Tablas > 8) tbprobe_Gaviota.Cache_Tablas = 8;
}

// perft deeper than the input's budget allows is cut to it; everything else of the line stays.
// The line is read as the engine reads it: line end already removed, depth in 32 bits.
inline void LimitarPerft(std::string &linea) {
    char palabra[80];
    const char *resto = LeerPalabra(linea.c_str(), palabra);
    if (strcmp(palabra, "perft") != 0) return;
    while (*resto == ' ') resto++;
    const char *fin = resto;
    while (*fin != ' ' && *fin != '\0') fin++;
    const std::string numero(resto, fin);
    if (numero.size() >= sizeof(palabra) || !Es_Numero(numero.c_str())) return;
    const int32_t tope = perft_restantes > 0 ? 2 : 1;
    if (perft_restantes > 0) perft_restantes--;
    if (ConvertirNumero(numero.c_str()) <= tope) return;
    linea = "perft " + std::to_string(tope) + std::string(fin);
}

// Runs one input line as the command loop would. A "go" finds "stop" waiting, so it ends
// after its first time check; a command that ends the program starts a fresh one instead.
inline void EjecutarComando(const std::string &entrada) {
    static char buffer[65536];
    const auto copiar = [](const std::string &s) {
        const size_t n = s.size() < sizeof(buffer) ? s.size() : sizeof(buffer) - 1;
        memcpy(buffer, s.data(), n);
        buffer[n] = '\0';
    };
    copiar(entrada);
    QuitarFinDeLinea(buffer);
    std::string linea(buffer);
    LimitarPerft(linea);
    char palabra[80];
    LeerPalabra(linea.c_str(), palabra);
    if (strcmp(palabra, "go") == 0 && write(entrada_busqueda, "stop\n", 5) != 5) abort();
    copiar(linea);
    const int32_t salir = EjecutarLinea(buffer);
    VaciarEntrada();
    LimitarMemoria();
    if (salir) Reiniciar(perft_restantes);
}

// The input up to its first byte of fin, after prefijo, as one command line; then the others.
inline int UnaLinea(const uint8_t *datos, size_t largo, const char *fin, const std::string &prefijo,
                    std::initializer_list<const char *> luego) {
    Reiniciar();
    std::string texto(reinterpret_cast<const char *>(datos), largo);
    texto.resize(std::min(texto.find_first_of(fin), texto.size()));
    EjecutarComando(prefijo + texto);
    for (const char *c : luego) EjecutarComando(c);
    return 0;
}

}  // namespace fuzz
