// Pawn structure: passed, unstoppable, doubled, isolated, backward, phalanx and defended pawns.
#include "eval/eval.h"

// Single-precision factors, multiplied in extended precision and truncated.
static constexpr float UN_TERCIO = 1.0f / 3.0f;
static constexpr float UN_TREINTAVO = 1.0f / 30.0f;

static int32_t Escalar(int32_t x, float factor) {
    return static_cast<int32_t>(static_cast<long double>(x) * static_cast<long double>(factor));
}

// 1 when pieza stands on any square from desde on, stepping by paso, inside the board.
static bool HayPiezaEnRayo(const int32_t *tablero, int32_t desde, int32_t paso, int32_t pieza) {
    for (int32_t t = desde; t >= 0 && t < 64; t += paso)
        if (tablero[t] == pieza) return true;
    return false;
}

// Our rule for a candidate passed pawn. The pawn is blocked: a lone enemy pawn stands in front
// of it on its file. It is a candidate when an own pawn stands beside it on file g and no enemy
// pawn stands in front of the pair on file g, on the pawn's other neighbouring file or on the file
// two columns away beyond g: two own pawns face one enemy pawn, so one of them will pass.
template <bool Blanco>
static bool EsCandidato(const int32_t *tablero, int32_t s, int32_t f, const Tipo_Lado &rival) {
    constexpr int32_t adelante = Blanco ? -8 : 8;
    constexpr int32_t peon = Blanco ? PEON_B : PEON_N;
    constexpr int32_t peon_rival = Blanco ? PEON_N : PEON_B;
    if (rival.Peones_Columna[f] != 1) return false;
    for (int32_t lado = -1; lado <= 1; lado += 2) {
        const int32_t g = f + lado;
        if (g < 0 || g > 7 || tablero[s + lado] != peon) continue;
        const int32_t otra = f - lado, lejana = g + lado;
        if (rival.Peones_Columna[g] &&
            HayPiezaEnRayo(tablero, s + lado + adelante, adelante, peon_rival))
            continue;
        if (otra >= 0 && otra <= 7 && rival.Peones_Columna[otra] &&
            HayPiezaEnRayo(tablero, s - lado + adelante, adelante, peon_rival))
            continue;
        if (lejana >= 0 && lejana <= 7 && rival.Peones_Columna[lejana] &&
            HayPiezaEnRayo(tablero, s + 2 * lado + adelante, adelante, peon_rival))
            continue;
        return true;
    }
    return false;
}

template <bool Blanco>
static void EvaluarPeones(Tipo_Lado &propio, const Tipo_Lado &rival) {
    const int32_t *tablero = TableroGlobal.Tablero;
    constexpr int32_t adelante = Blanco ? -8 : 8;
    constexpr int32_t peon = Blanco ? PEON_B : PEON_N;
    constexpr int32_t peon_rival = Blanco ? PEON_N : PEON_B;
    constexpr int32_t mitad = Blanco ? 0 : 64;  // Black half of the square tables
    const int32_t rey_rival = Blanco ? TableroGlobal.Rey_Negro : TableroGlobal.Rey_Blanco;
    const bool rival_sin_piezas =
        rival.Num_Caballos + rival.Num_Alfiles + rival.Num_Torres + rival.Num_Damas == 0;
    // The enemy gains a tempo in the pawn race when it is to move.
    const int32_t tempo = (TableroGlobal.Turno == (Blanco ? 0 : 1)) ? 1 : 0;
    int32_t op = 0, eg = 0;

    for (int32_t f = 0; f < 8; f++) {
        const int32_t num = propio.Peones_Columna[f];
        for (int32_t i = 0; i < num; i++) {
            const int32_t s = propio.Lista_Peones[f][i];
            if (s < 0) break;
            const int32_t r = Blanco ? 7 - (s >> 3) : (s >> 3);
            const int32_t frente = s + adelante, detras = s - adelante;
            const bool hay_frente = frente >= 0 && frente < 64;
            const bool hay_detras = detras >= 0 && detras < 64;

            // 1. File status.
            const bool semiabierta =
                !rival.Peones_Columna[f] || !HayPiezaEnRayo(tablero, frente, adelante, peon_rival);
            bool pasado = semiabierta;
            if (pasado && f > 0 && rival.Peones_Columna[f - 1])
                pasado = !HayPiezaEnRayo(tablero, frente - 1, adelante, peon_rival);
            if (pasado && f < 7 && rival.Peones_Columna[f + 1])
                pasado = !HayPiezaEnRayo(tablero, frente + 1, adelante, peon_rival);

            // 2. Doubled: every pawn of the file but the most advanced.
            if (num >= 2 && i > 0) {
                op += PENALIZACION_DOBLADO_OP;
                eg += PENALIZACION_DOBLADO_EG;
                pasado = false;
            }

            // 3. Phalanx, or else defended.
            const bool al_lado =
                (f > 0 && tablero[s - 1] == peon) || (f < 7 && tablero[s + 1] == peon);
            const bool defendido = hay_detras && ((f > 0 && tablero[detras - 1] == peon) ||
                                                  (f < 7 && tablero[detras + 1] == peon));
            if (al_lado) {
                op += PST_BONUS_FALANGE_OP[mitad + s];
                eg += PST_BONUS_FALANGE_EG[mitad + s];
            } else if (defendido) {
                op += PST_BONUS_DEFENDED_OP[mitad + s];
                eg += PST_BONUS_DEFENDED_EG[mitad + s];
            }

            // 4. Isolated.
            if ((f == 0 || !propio.Peones_Columna[f - 1]) &&
                (f == 7 || !propio.Peones_Columna[f + 1])) {
                op += semiabierta ? PENALIZACION_AISLADO_ABIERTO_OP : PENALIZACION_AISLADO_OP;
                eg += PENALIZACION_AISLADO_EG;
            }

            // 5. Backward: undefended, with an own pawn diagonally in front.
            if (!defendido && hay_frente &&
                ((f > 0 && tablero[frente - 1] == peon) ||
                 (f < 7 && tablero[frente + 1] == peon))) {
                op += PENALIZACION_PEON_RETRASADO_MALUS[f];
                if (semiabierta) op += PENALIZACION_RETRASADO_ABIERTO_OP;
                eg += PENALIZACION_RETRASADO_EG;
            }

            // 6. Candidate: a third of the passed bonus.
            if (!semiabierta && i == 0 && EsCandidato<Blanco>(tablero, s, f, rival)) {
                op += Escalar(BONUS_PASSED[0][r], UN_TERCIO);
                eg += Escalar(BONUS_PASSED[1][r], UN_TERCIO);
            }

            // 7. Passed, 80 percent when an enemy piece blocks it; less in the endgame the
            // nearer the enemy king.
            if (pasado) {
                const int32_t bloqueo = hay_frente ? tablero[frente] : SIN_PIEZA;
                const bool bloqueado = Blanco ? bloqueo > SIN_PIEZA : bloqueo < SIN_PIEZA;
                const int32_t p = bloqueado ? 80 : 100;
                const int32_t e = BONUS_PASSED[1][r];
                const int32_t t = Escalar(TROPISMO_DISTANCIA[s][rey_rival] * e, UN_TREINTAVO);
                op += Porcentaje(BONUS_PASSED[0][r], p);
                eg += Porcentaje(e - t, p);
                if (rival_sin_piezas) {
                    const int32_t coronacion = Blanco ? f : 56 + f;
                    if (7 - r + tempo < DistanciaRey(rey_rival, coronacion)) {
                        op += BONUS_PEON_IMPARABLE[r];
                        eg += BONUS_PEON_IMPARABLE[r];
                    }
                }
            }

            // 8. Square tables.
            op += PST_P_OP[mitad + s];
            eg += PST_P_EG[s];

            // 9. Centre: d5, e5, d6, e6 for White, d4, e4, d3, e3 for Black.
            if ((f == 3 || f == 4) && (r == 4 || r == 5)) op += BONUS_PEON_CENTRO;
        }
    }
    propio.Puntos_Apertura += op;
    propio.Puntos_Final += eg;
}

void EvaluarPeonesB() { EvaluarPeones<true>(Blancas, Negras); }

void EvaluarPeonesN() { EvaluarPeones<false>(Negras, Blancas); }
