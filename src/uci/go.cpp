// The "go" command: its parameters, the time budget, and the time check of the search.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "book/book.h"
#include "platform/platform.h"
#include "search/search.h"
#include "uci/uci.h"

// Truncation toward zero into 32 bits; out-of-range values give the x86 integer
// indefinite value, as the hardware conversion does.
static int32_t Truncar(double x) {
    if (!(x > -2147483649.0 && x < 2147483648.0)) return INT32_MIN;
    return static_cast<int32_t>(x);
}

// 32-bit sum that wraps instead of overflowing.
static int32_t Sumar(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

int32_t CalcularPresupuesto(const Parametros_Go *p) {
    Registro_Juego &j = TipoJuego;
    int32_t con_reloj = 0;

    // 1. A depth (or "infinite") alone means an untimed search.
    if (j.Profundidad_Maxima != 0) j.Por_Tiempo = 0;

    // 2. A fixed time per move, with a safety margin.
    if (p->movetime != 0) {
        j.Profundidad_Maxima = MAX_PROFUNDIDAD;
        j.Por_Tiempo = 1;
        j.Tiempo_Limite = Sumar(p->movetime, -250);
        con_reloj = 1;
    }

    // 3. Both clocks are needed; they override a movetime.
    if (p->wtime != 0 && p->btime != 0) {
        int32_t t = TableroGlobal.Turno == 1 ? p->wtime : p->btime;
        int32_t inc = TableroGlobal.Turno == 1 ? p->winc : p->binc;
        j.Profundidad_Maxima = MAX_PROFUNDIDAD;
        j.Por_Tiempo = 1;
        con_reloj = 1;
        if (p->movestogo != 0) {
            j.Jugadas = p->movestogo;
            j.Tiempo_Limite = Sumar(Truncar(static_cast<double>(t) / p->movestogo + 0.5),
                                    Truncar(inc * 0.6));
        } else {
            // Plies left in an assumed game of 130, at least 2.
            j.Jugadas = 130 - j.Jugadas;
            if (j.Jugadas < 2) j.Jugadas = 2;
            double n = j.Jugadas;
            if (t >= 10001 && t <= 19999) {
                j.Tiempo_Limite = Sumar(Truncar(t / n + 0.5), inc);
                if (j.Tiempo_Limite < 1000) j.Tiempo_Limite = inc != 0 ? inc : 1000;
            } else if (t <= 9999) {
                j.Tiempo_Limite = inc != 0 ? inc : 500;
            } else {
                j.Tiempo_Limite = Sumar(Truncar(t / n + 250.5), inc);
            }
        }
    }

    // 4. Neither a clock nor a depth: nothing is searched.
    if (!con_reloj && j.Profundidad_Maxima == 0) return 0;
    return 1;
}

// Takes the word after a parameter; its value when it is a number, else the old value.
static const char *LeerValor(const char *p, int32_t *valor) {
    char palabra[80];
    p = LeerPalabra(p, palabra);
    if (Es_Numero(palabra)) *valor = ConvertirNumero(palabra);
    return p;
}

void ComandoGo(const char *resto) {
    // The book answers first while the game is in book.
    if (JugarLibro()) return;

    // Parameters; anything not listed (ponder, nodes, mate, searchmoves) is ignored.
    Parametros_Go prm = {0, 0, 0, 0, 0, 0};
    TipoJuego.Profundidad_Maxima = 0;
    TipoJuego.Infinito = 0;
    char palabra[80];
    const char *p = resto;
    for (;;) {
        p = LeerPalabra(p, palabra);
        if (palabra[0] == '\0') break;
        if (strcmp(palabra, "wtime") == 0) p = LeerValor(p, &prm.wtime);
        else if (strcmp(palabra, "btime") == 0) p = LeerValor(p, &prm.btime);
        else if (strcmp(palabra, "winc") == 0) p = LeerValor(p, &prm.winc);
        else if (strcmp(palabra, "binc") == 0) p = LeerValor(p, &prm.binc);
        else if (strcmp(palabra, "movetime") == 0) p = LeerValor(p, &prm.movetime);
        else if (strcmp(palabra, "movestogo") == 0) {
            // Read as a floating-point number, then truncated.
            p = LeerPalabra(p, palabra);
            if (Es_Numero(palabra)) prm.movestogo = Truncar(strtod(palabra, nullptr));
        } else if (strcmp(palabra, "depth") == 0) {
            p = LeerValor(p, &TipoJuego.Profundidad_Maxima);
            if (TipoJuego.Profundidad_Maxima > 32) TipoJuego.Profundidad_Maxima = MAX_PROFUNDIDAD;
        } else if (strcmp(palabra, "infinite") == 0) {
            TipoJuego.Infinito = 1;
            TipoJuego.Profundidad_Maxima = MAX_PROFUNDIDAD;
        }
    }
    if (CalcularPresupuesto(&prm)) IniciarBusqueda();
}

void ComprobarTiempo() {
    // 1. Only once every 2048 nodes.
    if ((TipoJuego.Nodos & 2047) != 0) return;

    // 2. The clock never ends the first iteration, nor a search without a move to play.
    if (TipoJuego.Profundidad > 1 && TipoJuego.Por_Tiempo == 1) {
        int32_t usado = static_cast<int32_t>(ObtenerTicks() - TipoJuego.Tiempo_Inicio);
        if (usado >= TipoJuego.Tiempo_Limite && pv_line_fin[0] != 0) TipoJuego.Detener = 1;
    }

    // 3. Input: only "stop" counts; any other line sent during a search is lost.
    if (!HayEntradaPendiente()) return;
    char linea[80];
    memset(linea, 0, sizeof(linea));
    if (fgets(linea, sizeof(linea), stdin) == nullptr) {
        // An infinite search ends only on "stop", which can no longer come once the
        // input is closed: end it rather than run on forever. Bounded searches go on.
        if (feof(stdin) && TipoJuego.Infinito == 1) TipoJuego.Detener = 1;
        return;
    }
    QuitarFinDeLinea(linea);
    if (strcmp(linea, "stop") == 0) TipoJuego.Detener = 1;
}
