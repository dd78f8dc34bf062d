// The "go" command: its parameters, the time budget, and the time check of the search.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "book/book.h"
#include "platform/platform.h"
#include "search/search.h"
#include "uci/uci.h"

// The budget's constants: the margin kept from a movetime, the assumed game length in plies
// with the fewest moves left it assumes, the share of the increment taken with movestogo, the
// clock bands (short up to 9999 ms, middle 10001 to 19999), the budgets of a short clock or a
// middle band that came out small, and what is added before truncating in each band.
static constexpr int32_t MARGEN_MOVETIME = 250;
static constexpr int32_t PLIES_PARTIDA = 130, MIN_JUGADAS_RESTANTES = 2;
static constexpr double PARTE_INCREMENTO = 0.6;
static constexpr int32_t RELOJ_CORTO = 9999, RELOJ_MEDIO_DESDE = 10001, RELOJ_MEDIO_HASTA = 19999;
static constexpr int32_t PRESUPUESTO_MINIMO = 1000, PRESUPUESTO_CORTO = 500;
static constexpr double REDONDEO = 0.5, REDONDEO_LARGO = 250.5;
// The time check looks at the clock and the input once every 2048 nodes.
static constexpr uint32_t INTERVALO_NODOS = 2048;

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
        j.Tiempo_Limite = Sumar(p->movetime, -MARGEN_MOVETIME);
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
            j.Tiempo_Limite = Sumar(Truncar(static_cast<double>(t) / p->movestogo + REDONDEO),
                                    Truncar(inc * PARTE_INCREMENTO));
        } else {
            // Plies left in the assumed game.
            j.Jugadas = PLIES_PARTIDA - j.Jugadas;
            if (j.Jugadas < MIN_JUGADAS_RESTANTES) j.Jugadas = MIN_JUGADAS_RESTANTES;
            double n = j.Jugadas;
            if (t >= RELOJ_MEDIO_DESDE && t <= RELOJ_MEDIO_HASTA) {
                j.Tiempo_Limite = Sumar(Truncar(t / n + REDONDEO), inc);
                if (j.Tiempo_Limite < PRESUPUESTO_MINIMO)
                    j.Tiempo_Limite = inc != 0 ? inc : PRESUPUESTO_MINIMO;
            } else if (t <= RELOJ_CORTO) {
                j.Tiempo_Limite = inc != 0 ? inc : PRESUPUESTO_CORTO;
            } else {
                // Exactly 10000, and 20000 or more.
                j.Tiempo_Limite = Sumar(Truncar(t / n + REDONDEO_LARGO), inc);
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
            if (TipoJuego.Profundidad_Maxima > MAX_PROFUNDIDAD)
                TipoJuego.Profundidad_Maxima = MAX_PROFUNDIDAD;
        } else if (strcmp(palabra, "infinite") == 0) {
            TipoJuego.Infinito = 1;
            TipoJuego.Profundidad_Maxima = MAX_PROFUNDIDAD;
        }
    }
    if (CalcularPresupuesto(&prm)) IniciarBusqueda();
}

void ComprobarTiempo() {
    // 1. Only once every INTERVALO_NODOS nodes.
    if ((TipoJuego.Nodos & (INTERVALO_NODOS - 1)) != 0) return;

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
