// Static exchange evaluation, played out on the board with a light make of its own.
#include <cstring>
#include <initializer_list>

#include "board/board.h"

Pila_See SeeMove;

void LimpiarSee() { std::memset(&SeeMove, 0, sizeof(SeeMove)); }

int32_t SeeHacerMovimiento(uint32_t jugada) {
    Tipo_Tablero &t = TableroGlobal;
    if (SeeMove.Num >= 40) {
        Salir = 1;  // never reached from See, which stops at 40 captures
        return 0;
    }
    SeeMove.Capturas[SeeMove.Num++] = {jugada, t.Rey_Blanco, t.Rey_Negro};
    const int32_t desde = Desde(jugada), hasta = Hasta(jugada), corona = Corona(jugada);
    const int32_t p = t.Tablero[desde];
    EscribirCasilla(hasta, corona < NINGUNA ? corona : p);
    EscribirCasilla(desde, SIN_PIEZA);
    if (p == REY_B) t.Rey_Blanco = hasta;
    if (p == REY_N) t.Rey_Negro = hasta;
    return ReyAtacado(Ficha(jugada) < SIN_PIEZA) ? 0 : 1;
}

void SeeDeshacerMovimiento() {
    if (SeeMove.Num <= 0) return;
    Tipo_Tablero &t = TableroGlobal;
    const Registro_See &r = SeeMove.Capturas[--SeeMove.Num];
    const int32_t desde = Desde(r.Jugada), hasta = Hasta(r.Jugada);
    const int32_t ficha = Ficha(r.Jugada), captura = Captura(r.Jugada);
    // A promoted piece goes back as the mover's pawn.
    const int32_t peon = ficha < SIN_PIEZA ? PEON_B : PEON_N;
    EscribirCasilla(desde, Corona(r.Jugada) < NINGUNA ? peon : t.Tablero[hasta]);
    EscribirCasilla(hasta, captura < NINGUNA ? captura : SIN_PIEZA);
    t.Rey_Blanco = r.Rey_Blanco;
    t.Rey_Negro = r.Rey_Negro;
}

// Makes the capture of the piece on casilla from desde; 1 when it was legal and stays made.
static int32_t Probar(int32_t desde, int32_t casilla, int32_t corona) {
    const int32_t *T = TableroGlobal.Tablero;
    const uint32_t m = CrearJugada(desde, casilla, T[desde], T[casilla], corona);
    if (SeeHacerMovimiento(m)) return 1;
    SeeDeshacerMovimiento();
    return 0;
}

// Rays of GEOMETRIA by exchange direction: 9, 7, -7, -9, 8, -8, -1, 1 are rays 0 to 7.
static constexpr int32_t RAYO_ALFIL[4] = {0, 3, 2, 1};               // 9, -9, -7, 7
static constexpr int32_t RAYO_TORRE[4] = {7, 6, 5, 4};               // 1, -1, -8, 8
static constexpr int32_t RAYO_DAMA[8] = {3, 0, 2, 1, 7, 6, 4, 5};    // -9, 9, -7, 7, 1, -1, 8, -8

// The nearest occupied square of ray k of casilla; the ray must hold one.
static inline int32_t PrimeraDelRayo(int32_t casilla, int32_t k, uint64_t ocupadas) {
    const uint64_t bloqueo = GEOMETRIA.Mapa_Rayo[casilla][k] & ocupadas;
    return DIRECCIONES_RAYO[k] > 0 ? __builtin_ctzll(bloqueo) : 63 - __builtin_clzll(bloqueo);
}

uint32_t Obtener_Ataques_Menores(int32_t casilla, int32_t lado) {
    const int32_t *T = TableroGlobal.Tablero;
    const uint64_t *mapa = TableroGlobal.Mapa_Pieza;
    const Geometria_Tablero &g = GEOMETRIA;
    const bool blanco = lado == 1;
    const int32_t objetivo = T[casilla];
    if (blanco ? (objetivo < PEON_N || objetivo > REY_N)
               : (objetivo < PEON_B || objetivo > REY_B)) {
        return 0;
    }
    if (SeeMove.Num >= 40) return 0;
    const int32_t base = blanco ? 0 : 7;
    auto hecha = [] { return SeeMove.Capturas[SeeMove.Num - 1].Jugada; };
    // A failed try leaves the board and its sets as they were, so the squares found below
    // stay valid.

    // 1. Pawns, from behind the square (White's from t+7 up, Black's from t-7 down); onto the
    // last rank they come in as queens.
    const bool ultima = blanco ? casilla < 8 : casilla >= 56;
    const int32_t corona = ultima ? DAMA_B + base : NINGUNA;
    const uint64_t peones =
        (blanco ? g.Mapa_Peon_B[casilla] : g.Mapa_Peon_N[casilla]) & mapa[PEON_B + base];
    if (peones != 0) {
        for (int32_t d : {7, 9}) {
            const int32_t s = blanco ? casilla + d : casilla - d;
            if (s >= 0 && s <= 63 && ((peones >> s) & 1) && Probar(s, casilla, corona))
                return hecha();
        }
    }

    // 2. Knights, by increasing jump, which is increasing square.
    for (uint64_t r = g.Mapa_Caballo[casilla] & mapa[CABALLO_B + base]; r != 0; r &= r - 1) {
        if (Probar(__builtin_ctzll(r), casilla, NINGUNA)) return hecha();
    }

    // 3.-5. Bishops, rooks, then queens: the nearest piece on each ray that holds one.
    const uint64_t ocupadas = ~mapa[SIN_PIEZA];
    auto deslizante = [&](const int32_t *rayos, int32_t num, int32_t pieza) -> uint32_t {
        for (int32_t i = 0; i < num; i++) {
            const int32_t k = rayos[i];
            if (!(g.Mapa_Rayo[casilla][k] & mapa[pieza])) continue;
            const int32_t s = PrimeraDelRayo(casilla, k, ocupadas);
            if (T[s] == pieza && Probar(s, casilla, NINGUNA)) return hecha();
        }
        return 0;
    };
    uint32_t m = 0;
    if (g.Mapa_Alfil[casilla] & mapa[ALFIL_B + base]) m = deslizante(RAYO_ALFIL, 4, ALFIL_B + base);
    if (m == 0 && (g.Mapa_Torre[casilla] & mapa[TORRE_B + base]))
        m = deslizante(RAYO_TORRE, 4, TORRE_B + base);
    if (m == 0 && ((g.Mapa_Alfil[casilla] | g.Mapa_Torre[casilla]) & mapa[DAMA_B + base]))
        m = deslizante(RAYO_DAMA, 8, DAMA_B + base);
    if (m != 0) return m;

    // 6. The king, last, in the order 8, -8, 1, -1, 9, -9, 7, -7.
    if (g.Mapa_Rey[casilla] & mapa[REY_B + base]) {
        for (int32_t i = 0, n = g.Num_Rey[casilla]; i < n; i++) {
            const int32_t s = g.Rey[casilla][i];
            if (T[s] == REY_B + base && Probar(s, casilla, NINGUNA)) return hecha();
        }
    }
    return 0;
}

int32_t See(uint32_t jugada, int32_t lado) {
    // 1. Quiet moves and en-passant captures have nothing on the to square.
    if (Captura(jugada) == NINGUNA) return 0;
    const int32_t casilla = Hasta(jugada);
    const int32_t otro = lado == 1 ? 0 : 1;
    SeeMove.Num = 0;

    // 2.-3. Both sides take turns with their least valuable legal attacker.
    uint32_t a[20] = {}, b[20] = {};
    int32_t n = 0, e = 0;
    for (int32_t r = 0;; r++) {
        a[r] = Obtener_Ataques_Menores(casilla, lado);
        if (a[r] == 0) {
            n = e = r;
            break;
        }
        b[r] = Obtener_Ataques_Menores(casilla, otro);
        if (b[r] == 0) {
            n = r + 1;
            e = r;
            break;
        }
        if (r + 1 == 20) {
            n = e = 20;
            break;
        }
    }

    // 4. Take the exchange back.
    while (SeeMove.Num > 0) SeeDeshacerMovimiento();

    // 5.-7. Gains and losses in capture order, summed up to the cut-off e.
    if (a[0] == 0) return Valor_See[Captura(jugada)];
    int32_t lista[41];
    int32_t k = 0;
    lista[k++] = Valor_See[Captura(jugada)];
    for (int32_t r = 0; r < n; r++) {
        if (a[r] != 0) lista[k++] = -Valor_See[Captura(a[r])];
        if (b[r] != 0) lista[k++] = Valor_See[Captura(b[r])];
    }
    int32_t total = 0;
    for (int32_t i = 0; i <= e && i < k; i++) total += lista[i];
    return total;
}
