// King safety: king tables, neighbour scan, pawn shield, back-rank air, shut-in rooks, and the
// king endgame tables chosen by the wings that hold pawns.
#include "eval/eval.h"

#include <array>
#include <bit>

// Rare paths kept out of the common one.
#define APARTE __attribute__((noinline))

// Porcentaje at a fixed weight. At 100 percent single-precision 0.01 lies just below 0.01,
// so any nonzero value loses one point toward zero.
template <int32_t P>
static inline int32_t PorcentajeFijo(int32_t x) {
    if constexpr (P == 100)
        return x > 0 ? x - 1 : (x < 0 ? x + 1 : 0);
    else
        return Porcentaje(x, P);
}

// Shield files by the king's square seen from White's side: the centre file and its
// neighbours on the board, from desde to hasta; none on the far rank.
struct Columnas_Escudo {
    int8_t desde, hasta;
};
static constexpr std::array<Columnas_Escudo, 64> COLUMNAS_ESCUDO = [] {
    std::array<Columnas_Escudo, 64> t{};
    for (int32_t kb = 0; kb < 64; kb++) {
        const int32_t r = 7 - (kb >> 3), f = kb & 7;  // r 0 = own first rank
        int32_t centro = f;
        if (r <= 1 && f >= 5) centro = 6;       // castled short: shield g
        else if (r <= 1 && f <= 2) centro = 1;  // castled long: shield b
        t[kb].desde = static_cast<int8_t>(centro > 0 ? centro - 1 : 0);
        t[kb].hasta = static_cast<int8_t>(centro < 7 ? centro + 1 : 7);
        if (r == 7) t[kb] = {1, 0};
    }
    return t;
}();

// The shield row of each file: d and e have their own.
static constexpr const int32_t *FILA_ESCUDO[8] = {ESCUDO_PEON[0], ESCUDO_PEON[0], ESCUDO_PEON[0],
                                                   ESCUDO_PEON[1], ESCUDO_PEON[1], ESCUDO_PEON[0],
                                                   ESCUDO_PEON[0], ESCUDO_PEON[0]};

// Shield of the king's file and its neighbours, opening only. The pawn-storm term is left out
// on purpose: it cost 9% more nodes at a fixed depth, and 600 games at 4 s + 0.05 s against
// the build without it scored 48% (-13 +- 24 Elo).
template <bool Blanco>
static void EscudoRey(Tipo_Lado &propio, int32_t k) {
    const Columnas_Escudo columnas = COLUMNAS_ESCUDO[Blanco ? k : k ^ 56];
    if (columnas.desde > columnas.hasta) return;
    int32_t escudo = 0;
    for (int32_t c = columnas.desde; c <= columnas.hasta; c++) {
        // The rearmost own pawn of the file is the last filled slot.
        const int32_t n = propio.Peones_Columna[c];
        if (n == 0) {
            escudo += ESCUDO_SIN_PEON;
        } else {
            const int32_t s = propio.Lista_Peones[c][n - 1];
            const int32_t rp = Blanco ? 7 - (s >> 3) : (s >> 3);
            escudo += FILA_ESCUDO[c][rp];
        }
    }
    propio.Puntos_Apertura += PorcentajeFijo<PEON_SHIELD_VALOR>(escudo);
}

// Back-rank air and shut-in rooks, for a king on its first rank (kb seen from White's side).
template <bool Blanco>
APARTE static void PrimeraFila(Tipo_Lado &propio, int32_t kb) {
    const int32_t *tablero = TableroGlobal.Tablero;
    constexpr int32_t peon = Blanco ? PEON_B : PEON_N;
    constexpr int32_t torre = Blanco ? TORRE_B : TORRE_N;
    // Squares are written for White; Black reads them with the ranks reversed.
    constexpr int32_t espejo = Blanco ? 0 : 56;

    // 4. Back-rank air: a king in the corner behind an unmoved pawn wall can be mated there.
    auto hay = [&](int32_t s, int32_t pieza) { return tablero[s ^ espejo] == pieza; };
    bool sin_aire = false;
    if (kb == 63) sin_aire = hay(54, peon) && hay(55, peon);
    else if (kb == 62) sin_aire = hay(53, peon) && hay(54, peon) && hay(55, peon);
    else if (kb == 56) sin_aire = hay(48, peon) && hay(49, peon);
    else if (kb == 57) sin_aire = hay(48, peon) && hay(49, peon) && hay(50, peon);
    if (sin_aire) {
        propio.Puntos_Apertura -= 15;
        propio.Puntos_Final -= 15;
    }

    // 5. Rooks shut in by a king that can no longer castle.
    const int32_t enroque = Blanco ? TableroGlobal.Enroque_Blancas : TableroGlobal.Enroque_Negras;
    if (enroque == 0) {
        int32_t castigo = 0;
        if (kb >= 56 && kb <= 58) {
            if (hay(48, torre) || hay(49, torre)) {
                castigo = -50;
            } else {
                for (int32_t s = kb; s >= 56; s--)
                    if (hay(s, torre)) castigo -= 50;
            }
        } else if (kb >= 61 && kb <= 63) {
            if (hay(55, torre) || hay(54, torre)) {
                castigo = -50;
            } else {
                for (int32_t s = kb; s <= 63; s++)
                    if (hay(s, torre)) castigo -= 50;
            }
        }
        propio.Puntos_Apertura += castigo;
    }
}

template <bool Blanco>
static void EvaluarRey(Tipo_Lado &propio) {
    const int32_t *tablero = TableroGlobal.Tablero;
    const int32_t k = Blanco ? TableroGlobal.Rey_Blanco : TableroGlobal.Rey_Negro;

    // 1. King tables.
    propio.Puntos_Apertura += PST_K_OP[(Blanco ? 0 : 64) + k];
    propio.Puntos_Final += PST_K_EG[k];

    // 2. Neighbours: own pieces are defended by the king, enemy pieces are its targets.
    // Occupied neighbours only, in square order.
    for (uint64_t m = GEOMETRIA.Mapa_Rey[k] & MapasTablero.Ocupadas; m != 0; m &= m - 1) {
        const int32_t t = std::countr_zero(m);
        const int32_t p = tablero[t];
        if (Blanco ? p < SIN_PIEZA : p > SIN_PIEZA) {
            propio.Defensa_Casilla[t]++;
        } else if (propio.Num_Objetivos_Rey < 8) {
            propio.Objetivos_Rey[propio.Num_Objetivos_Rey++] = t;
        }
    }

    // 3. Pawn shield.
    EscudoRey<Blanco>(propio, k);

    // 4.-5. Both tests below need the king on its first rank.
    const int32_t kb = Blanco ? k : k ^ 56;  // the king's square seen from White's side
    if (kb >= 56) PrimeraFila<Blanco>(propio, kb);
}

void EvaluarReyB() { EvaluarRey<true>(Blancas); }

void EvaluarReyN() { EvaluarRey<false>(Negras); }

// With pawns on one wing only, each king is drawn away from the empty wing.
void EvaluarReyFinal() {
    if (Blancas.Num_Peones + Negras.Num_Peones == 0) return;
    const int32_t kb = TableroGlobal.Rey_Blanco, kn = TableroGlobal.Rey_Negro;
    if (Blancas.Peones_Flanco_Rey == 0 && Negras.Peones_Flanco_Rey == 0) {
        Blancas.Puntos_Apertura += PST_K_EG_KS[kb];
        Blancas.Puntos_Final += PST_K_EG_KS[kb];
        Negras.Puntos_Apertura += PST_K_EG_KS[kn];
        Negras.Puntos_Final += PST_K_EG_KS[kn];
    }
    if (Blancas.Peones_Flanco_Dama == 0 && Negras.Peones_Flanco_Dama == 0) {
        Blancas.Puntos_Apertura += PST_K_EG_QS[kb];
        Blancas.Puntos_Final += PST_K_EG_QS[kb];
        Negras.Puntos_Apertura += PST_K_EG_QS[kn];
        Negras.Puntos_Final += PST_K_EG_QS[kn];
    }
}
