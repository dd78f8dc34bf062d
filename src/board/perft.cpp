// The perft command: leaf counts with statistics and a divide table.
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "board/board.h"
#include "platform/platform.h"

int32_t PosicionesPorJugada = 0;

static inline void Sumar(int32_t &contador) {
    if (contador != INT32_MAX) contador++;
}

// Counts the last move of a sequence as a leaf; every counter saturates.
static inline void ContarHoja(Estadisticas_Perft *est, uint32_t jugada) {
    if (Captura(jugada) < NINGUNA) Sumar(est->Capturas);
    if (Es_Al_Paso(jugada)) {
        Sumar(est->Capturas_Al_Paso);
        Sumar(est->Capturas);
    }
    if (Es_Enroque(jugada)) Sumar(est->Enroques);
    if (Corona(jugada) < NINGUNA) Sumar(est->Coronaciones);
    if (est->Nodos != UINT32_MAX) est->Nodos++;
    Sumar(PosicionesPorJugada);
}

// k increments of a saturating counter at once.
static inline void Sumar(int32_t &contador, uint32_t k) {
    const int64_t suma = static_cast<int64_t>(contador) + k;
    contador = suma > INT32_MAX ? INT32_MAX : static_cast<int32_t>(suma);
}

// The leaves below a position through GenerarHojas's list and the leaf make and unmake,
// counted in the list's own counters and added once. Nothing here sets Detener.
static void ContarHojas(Estadisticas_Perft *est, const Lista_Jugadas *lista, int32_t sencillas,
                        int32_t n, const Registro_Hojas &r) {
    uint32_t nodos = 0, capturas = 0, al_paso = 0, enroques = 0, coronaciones = 0;
    for (int32_t i = 0; i < sencillas; i++) {
        const uint32_t m = lista[i].Jugada;
        const int32_t legal = HacerHojaSencilla(m, r);
        DeshacerHojaSencilla(m, r);
        nodos += legal;
        capturas += legal & (Captura(m) < NINGUNA);
    }
    for (int32_t i = sencillas; i < n; i++) {
        const uint32_t m = lista[i].Jugada;
        const int32_t legal = HacerHoja(m, r);
        DeshacerHoja(m, r);
        if (!legal) continue;
        nodos++;
        capturas += (Captura(m) < NINGUNA) + Es_Al_Paso(m);
        al_paso += Es_Al_Paso(m);
        enroques += Es_Enroque(m);
        coronaciones += Corona(m) < NINGUNA;
    }
    const uint64_t total = static_cast<uint64_t>(est->Nodos) + nodos;
    est->Nodos = total > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(total);
    Sumar(est->Capturas, capturas);
    Sumar(est->Capturas_Al_Paso, al_paso);
    Sumar(est->Enroques, enroques);
    Sumar(est->Coronaciones, coronaciones);
    Sumar(PosicionesPorJugada, nodos);
}

int32_t MiniMax(int32_t ply, Estadisticas_Perft *est, uint32_t jugada) {
    if (TipoJuego.Detener) return 0;
    if (ply == TipoJuego.Profundidad_Maxima) {
        ContarHoja(est, jugada);
        return 0;
    }
    // Out of check, the safety test after each make needs only the lines the move opened.
    const int32_t jaque = LadoEnJaque();
    const uint64_t clavadas = jaque ? 0 : Clavadas();
    Lista_Jugadas lista[MAX_JUGADAS];
    // One ply above the leaves they are counted here, through the leaf make and unmake; a
    // position they do not take (odd, from a FEN) goes through the full ones below.
    Registro_Hojas r;
    int32_t sencillas = 0;
    if (ply + 1 == TipoJuego.Profundidad_Maxima && PrepararHojas(r, jaque, clavadas)) {
        const int32_t n = GenerarHojas(lista, &sencillas);
        if (n >= 0) {
            ContarHojas(est, lista, sencillas, n, r);
            return 0;
        }
    }
    const int32_t n = GenerarMovimientos(GENERAR_TODO, lista);
    for (int32_t i = 0; i < n; i++) {
        const uint32_t m = lista[i].Jugada;
        if ((jaque ? HacerMovimiento(m) : HacerMovimientoSinJaque(m, clavadas)) &&
            !TipoJuego.Detener) {
            MiniMax(ply + 1, est, m);
        }
        DeshacerMovimiento();
    }
    return 0;
}

// Leaves per second: nodes over seconds, with 0.001 in single precision and the division
// done in extended precision, rounded by adding one half and truncating.
static int32_t CalcularNps(uint32_t nodos, uint32_t usado) {
    if (nodos == 0) return 0;
    if (usado == 0) return static_cast<int32_t>(nodos);
    const long double v =
        static_cast<long double>(nodos) / (static_cast<long double>(usado) * 0.001f) + 0.5L;
    // Out of range gives the integer-indefinite value, as the x87 store does.
    if (v >= 2147483648.0L) return INT32_MIN;
    return static_cast<int32_t>(v);
}

void ComandoPerft(const char *resto) {
    // 1. The depth: one token of 1 to 79 digits, taken whole (no cut at 78 characters), its
    // value capped at 32. Zero, or a value negative in 32 bits, would never reach the leaf
    // depth, so it is taken as no command at all.
    while (*resto == ' ') resto++;
    size_t largo = 0;
    while (resto[largo] != ' ' && resto[largo] != '\0') largo++;
    char palabra[80];
    if (largo >= sizeof(palabra)) return;
    std::memcpy(palabra, resto, largo);
    palabra[largo] = '\0';
    if (!Es_Numero(palabra)) return;
    int32_t profundidad = ConvertirNumero(palabra);
    if (profundidad <= 0) return;
    if (profundidad > MAX_PROFUNDIDAD) profundidad = MAX_PROFUNDIDAD;
    TipoJuego.Profundidad_Maxima = profundidad;

    Estadisticas_Perft est;
    std::memset(&est, 0, sizeof(est));
    int32_t cuenta[MAX_JUGADAS];
    char texto[MAX_JUGADAS][6];
    std::memset(cuenta, 0, sizeof(cuenta));
    std::memset(texto, 0, sizeof(texto));

    // 2.-3. Count below each legal root move, in generation order.
    TipoJuego.Tiempo_Inicio = ObtenerTicks();
    Lista_Jugadas lista[MAX_JUGADAS];
    const int32_t n = GenerarMovimientos(GENERAR_TODO, lista);
    for (int32_t i = 0; i < n; i++) {
        const uint32_t m = lista[i].Jugada;
        if (!HacerMovimiento(m)) {
            DeshacerMovimiento();
            continue;
        }
        PosicionesPorJugada = 0;
        if (!TipoJuego.Detener) MiniMax(1, &est, m);
        MovimientoCoordenadas(Desde(m), Hasta(m), Corona(m), texto[i]);
        cuenta[i] = PosicionesPorJugada;
        DeshacerMovimiento();
    }
    TipoJuego.Tiempo_Usado = ObtenerTicks() - TipoJuego.Tiempo_Inicio + 1;

    // 4.-5. Totals.
    printf("32bit. Valores maximos: %u\n", UINT32_MAX);
    printf("Nodos: %u\n", est.Nodos);
    printf("Capturas: %d\n", est.Capturas);
    printf("Captura Ep: %d\n", est.Capturas_Al_Paso);
    printf("Coronacion: %d\n", est.Coronaciones);
    printf("Enroques: %d\n", est.Enroques);
    printf("Tiempo(ms): %u\n", ObtenerTicks() - TipoJuego.Tiempo_Inicio);
    printf("Nps: %d\n", CalcularNps(est.Nodos, TipoJuego.Tiempo_Usado));

    // 6. Divide: root moves with no leaf below them (or illegal) are left out.
    printf("Divide\n");
    printf("------------------------------\n");
    for (int32_t i = 0; i < n; i++) {
        if (cuenta[i] == 0) continue;
        printf("%s: ", texto[i]);
        printf("%d\n", cuenta[i]);
    }
}
