// Move ordering: scores for a fresh list, the history/killer updates and their clearing.
#include <cstring>
#include <initializer_list>

#include "search/internal.h"

// Whole part of num / d for 0 < num < 100 d, d < 2^32, from inv = 1 / d. The product is
// within 4e-14 of the quotient, and a quotient that is not whole lies at least 1 / d > 2e-10
// from the next integer: adding 1e-12 lifts a whole one that fell short and moves no other.
static inline int32_t Cociente(int64_t num, double inv) {
    return static_cast<int32_t>(static_cast<double>(num) * inv + 1e-12);
}

// Percentage of a history value against the extreme of its own sign:
// 0..100 for h > 0, -102 for h = 0, -101..-1 for h < 0.
static inline int32_t PorcentajeHistorico(int32_t h, double inv_max, double inv_min,
                                          int64_t max, int64_t min) {
    // Negative values are the common case in a search.
    if (h < 0) {
        const int64_t abs_h = -static_cast<int64_t>(h), abs_min = -min;
        if (abs_h >= abs_min) return -101;
        return -Cociente(100 * abs_h, -inv_min) - 1;
    }
    if (h == 0) return -102;
    if (h >= max) return 100;
    return Cociente(100 * static_cast<int64_t>(h), inv_max);
}

// Score of a move that is not quiet: en passant, a capture or a promotion.
static inline int32_t ValorNoQuieta(uint32_t m) {
    if (Es_Al_Paso(m)) return ORDEN_AL_PASO;
    if (Captura(m) != NINGUNA) {
        return Corona(m) == NINGUNA ? valor_captura[Ficha(m)][Captura(m)]
                                    : valor_captura_coronacion[Corona(m)][Captura(m)];
    }
    // Captura is 15 here, so Corona is not.
    return valor_coronacion[Corona(m)];
}

void OrdenarMovimientosTodos(int32_t num, uint32_t *jugada_hash, Lista_Jugadas *lista,
                             uint32_t refutacion) {
    const uint32_t hash = *jugada_hash;
    // Captura and Corona both 15 and no en passant: a quiet move.
    constexpr uint32_t CAMPOS = 0xFFu << 18 | BIT_AL_PASO, QUIETA = 0xFFu << 18;

    // Up to the first quiet move nothing of the history is needed: capture lists stop here.
    int32_t i = 0;
    for (; i < num; i++) {
        const uint32_t m = lista[i].Jugada;
        if (m == hash) lista[i].Valor_Orden = ORDEN_HASH;
        else if ((m & CAMPOS) == QUIETA) break;
        else lista[i].Valor_Orden = ValorNoQuieta(m);
    }
    if (i == num) return;

    const int32_t ply = TableroGlobal.Indice_Deshacer;
    const uint32_t k0 = Historico_Killer[ply][0], k1 = Historico_Killer[ply][1];
    const uint32_t m0 = Historico_Killer_Mate[ply][0], m1 = Historico_Killer_Mate[ply][1];
    // The refutation counts only when it is not already the first killer.
    const uint32_t rechazo = (refutacion != 0 && refutacion != k0) ? refutacion : 0;
    // Each reciprocal is read only for values of its own sign; a zero extreme is never
    // divided by.
    const int64_t max = Max_Historico, min = Min_Historico;
    const double inv_max = max != 0 ? 1.0 / static_cast<double>(max) : 0.0;
    const double inv_min = min != 0 ? 1.0 / static_cast<double>(min) : 0.0;
    // To squares of the killers and the refutation: a quiet move going elsewhere is none of them.
    uint64_t especiales = 0;
    for (const uint32_t e : {m0, m1, k0, k1, rechazo}) especiales |= uint64_t(1) << (Hasta(e) & 63);

    for (; i < num; i++) {
        const uint32_t m = lista[i].Jugada;
        int32_t valor;
        if (m == hash) {
            valor = ORDEN_HASH;
        } else if ((m & CAMPOS) == QUIETA) {
            const int32_t hp = PorcentajeHistorico(Historico_Bueno[Ficha(m)][Hasta(m)], inv_max,
                                                   inv_min, max, min);
            if (((especiales >> (Hasta(m) & 63)) & 1) == 0) valor = hp;
            else if (m == m0 || m == m1) valor = ORDEN_KILLER_MATE - hp;
            else if (m == k0 || m == k1) valor = ORDEN_KILLER - hp;
            else if (m == rechazo) valor = ORDEN_REFUTACION + hp;
            else valor = hp;
        } else {
            valor = ValorNoQuieta(m);
        }
        lista[i].Valor_Orden = valor;
    }
}

// Adds to a history value with wrap-around instead of overflow.
static inline int32_t SumarHistorico(int32_t h, int32_t d) {
    return static_cast<int32_t>(static_cast<uint32_t>(h) + static_cast<uint32_t>(d));
}

void ActualizarHistoricos(uint32_t jugada, int32_t profundidad, int32_t puntuacion,
                          int32_t jugada_previa, const Lista_Jugadas *lista, int32_t legales) {
    const int32_t ply = TableroGlobal.Indice_Deshacer;
    const int32_t dd = profundidad * profundidad;

    // 1. Bonus for the cut-off move.
    int32_t &h = Historico_Bueno[Ficha(jugada)][Hasta(jugada)];
    h = SumarHistorico(h, 2 * dd);
    if (h > Max_Historico) Max_Historico = h;

    // 2. Mate killers for mate scores (the infinities excluded), killers otherwise.
    uint32_t *killer = EsMate(puntuacion) ? Historico_Killer_Mate[ply] : Historico_Killer[ply];
    if (killer[0] != jugada) {
        killer[1] = killer[0];
        killer[0] = jugada;
    }

    // 3. Refutation of the move that led here.
    if (jugada_previa > 0) {
        const uint32_t previa = static_cast<uint32_t>(jugada_previa);
        Historico_Rechazado[Desde(previa) * 64 + Hasta(previa)] = jugada;
    }

    // 4. Penalty for the first entries of the list, the cut-off move included when it is
    // among them.
    for (int32_t i = 0; i < legales; i++) {
        const uint32_t m = lista[i].Jugada;
        int32_t &p = Historico_Bueno[Ficha(m)][Hasta(m)];
        p = SumarHistorico(p, -dd);
        if (p < Min_Historico) Min_Historico = p;
    }
}

void LimpiarHistoricos() {
    std::memset(Historico_Bueno, 0, sizeof(Historico_Bueno));
    std::memset(Historico_Killer, 0, sizeof(Historico_Killer));
    std::memset(Historico_Killer_Mate, 0, sizeof(Historico_Killer_Mate));
    std::memset(Historico_Rechazado, 0, sizeof(Historico_Rechazado));
    Max_Historico = 0;
    Min_Historico = 0;
    std::memset(pv_line, 0, sizeof(pv_line));
    std::memset(pv_line_fin, 0, sizeof(pv_line_fin));
    std::memset(pv_line_Root, 0, sizeof(pv_line_Root));
}
