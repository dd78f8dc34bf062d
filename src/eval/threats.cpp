// Threats: bonuses for attacks on enemy pieces, from the target lists of the board scan.
#include "eval/eval.h"

// 1 when the piece code belongs to the enemy of the side named.
template <bool Blanco>
static bool EsRival(int32_t p) {
    return Blanco ? p > SIN_PIEZA && p <= REY_N : p >= PEON_B && p < SIN_PIEZA;
}

// Pawn attacks count whatever defends the target, and twice for two attacking pawns.
template <bool Blanco>
static void AmenazasPeon(Tipo_Lado &propio, Tipo_Lado &rival) {
    const int32_t *tablero = TableroGlobal.Tablero;
    for (int32_t i = 0; i < propio.Num_Amenazas_Peon; i++) {
        const int32_t s = propio.Amenazas_Peon[i];
        const int32_t p = tablero[s];
        if (!EsRival<Blanco>(p)) continue;
        propio.Puntos_Apertura += att_on_hang_mg[p];
        propio.Puntos_Final += att_on_hang_eg[p];
        rival.Defensa_Casilla[s] = -1;
    }
}

// Piece attacks count on a piece defended exactly once (value 0), and once over all lists:
// the square is used up (-1) after its bonus. The enemy king's square is always used up.
template <bool Blanco>
static void AmenazasLista(const int32_t *lista, int32_t num, Tipo_Lado &propio, Tipo_Lado &rival) {
    const int32_t *tablero = TableroGlobal.Tablero;
    constexpr int32_t rey_rival = Blanco ? REY_N : REY_B;
    for (int32_t i = 0; i < num; i++) {
        const int32_t s = lista[i];
        const int32_t p = tablero[s];
        if (!EsRival<Blanco>(p)) continue;
        if (rival.Defensa_Casilla[s] == 0) {
            propio.Puntos_Apertura += att_on_hang_mg[p];
            propio.Puntos_Final += att_on_hang_eg[p];
            rival.Defensa_Casilla[s] = -1;
        } else if (p == rey_rival) {
            rival.Defensa_Casilla[s] = -1;
        }
    }
}

void AmenazasPeonB() { AmenazasPeon<true>(Blancas, Negras); }
void AmenazasPeonN() { AmenazasPeon<false>(Negras, Blancas); }

void AmenazasCaballoB() {
    AmenazasLista<true>(Blancas.Objetivos_Caballo, Blancas.Num_Objetivos_Caballo, Blancas, Negras);
}
void AmenazasCaballoN() {
    AmenazasLista<false>(Negras.Objetivos_Caballo, Negras.Num_Objetivos_Caballo, Negras, Blancas);
}

void AmenazasAlfilB() {
    AmenazasLista<true>(Blancas.Objetivos_Alfil, Blancas.Num_Objetivos_Alfil, Blancas, Negras);
}
void AmenazasAlfilN() {
    AmenazasLista<false>(Negras.Objetivos_Alfil, Negras.Num_Objetivos_Alfil, Negras, Blancas);
}

void AmenazasTorreB() {
    AmenazasLista<true>(Blancas.Objetivos_Torre, Blancas.Num_Objetivos_Torre, Blancas, Negras);
}
void AmenazasTorreN() {
    AmenazasLista<false>(Negras.Objetivos_Torre, Negras.Num_Objetivos_Torre, Negras, Blancas);
}

void AmenazasDamaB() {
    AmenazasLista<true>(Blancas.Objetivos_Dama, Blancas.Num_Objetivos_Dama, Blancas, Negras);
}
void AmenazasDamaN() {
    AmenazasLista<false>(Negras.Objetivos_Dama, Negras.Num_Objetivos_Dama, Negras, Blancas);
}

void AmenazasReyB() {
    AmenazasLista<true>(Blancas.Objetivos_Rey, Blancas.Num_Objetivos_Rey, Blancas, Negras);
}
void AmenazasReyN() {
    AmenazasLista<false>(Negras.Objetivos_Rey, Negras.Num_Objetivos_Rey, Negras, Blancas);
}
