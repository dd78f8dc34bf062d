// Move notations: the coordinate move text of the engine, and standard algebraic notation
// read against the legal moves.
#include <cstring>

#include "board/board.h"

void MovimientoCoordenadas(int32_t desde, int32_t hasta, int32_t corona, char *out) {
    out[0] = static_cast<char>('a' + desde % 8);
    out[1] = static_cast<char>('8' - desde / 8);
    out[2] = static_cast<char>('a' + hasta % 8);
    out[3] = static_cast<char>('8' - hasta / 8);
    // Either colour's promotion code gives the same lower-case letter.
    switch (corona) {
    case CABALLO_B: case CABALLO_N: out[4] = 'n'; break;
    case ALFIL_B: case ALFIL_N: out[4] = 'b'; break;
    case TORRE_B: case TORRE_N: out[4] = 'r'; break;
    case DAMA_B: case DAMA_N: out[4] = 'q'; break;
    default: out[4] = '\0'; break;
    }
    out[5] = '\0';
}

// Piece kind 1..6 of a SAN letter, 0 when the letter names no piece.
static int32_t TipoLetra(char c) {
    switch (c) {
        case 'N': return 2;
        case 'B': return 3;
        case 'R': return 4;
        case 'Q': return 5;
        case 'K': return 6;
        default: return 0;
    }
}


uint32_t JugadaSan(const char *san) {
    // Copy without check, mate and annotation marks.
    char texto[16];
    size_t n = std::strlen(san);
    while (n > 0 && std::strchr("+#!?", san[n - 1]) != nullptr) n--;
    if (n == 0 || n >= sizeof(texto)) return 0;
    std::memcpy(texto, san, n);
    texto[n] = 0;

    // Castling, written with letter O or digit 0, as the file the king goes to.
    int32_t enroque = 0;
    if (!std::strcmp(texto, "O-O") || !std::strcmp(texto, "0-0")) enroque = G1 & 7;
    if (!std::strcmp(texto, "O-O-O") || !std::strcmp(texto, "0-0-0")) enroque = C1 & 7;

    int32_t pieza = 1, corona = 0, hasta = -1, columna = -1, fila = -1;
    if (!enroque) {
        // Promotion: "=Q" or a bare piece letter after the rank.
        if (n >= 2 && TipoLetra(texto[n - 1]) != 0 &&
            (texto[n - 2] == '=' || (texto[n - 2] >= '1' && texto[n - 2] <= '8'))) {
            corona = TipoLetra(texto[n - 1]);
            n -= texto[n - 2] == '=' ? 2 : 1;
        }
        if (n < 2) return 0;
        const char f = texto[n - 2], r = texto[n - 1];
        if (f < 'a' || f > 'h' || r < '1' || r > '8') return 0;
        hasta = (f - 'a') + 8 * ('8' - r);
        size_t i = 0;
        if (TipoLetra(texto[0]) != 0) pieza = TipoLetra(texto[i++]);
        // What stands between piece and target: disambiguation and capture marks.
        for (; i < n - 2; i++) {
            const char c = texto[i];
            if (c >= 'a' && c <= 'h') columna = c - 'a';
            else if (c >= '1' && c <= '8') fila = '8' - c;
            else if (c != 'x' && c != ':' && c != '-') return 0;
        }
    }

    Lista_Jugadas lista[MAX_JUGADAS];
    const int32_t num = GenerarMovimientos(GENERAR_TODO, lista);
    uint32_t encontrada = 0;
    int32_t coincidencias = 0;
    for (int32_t i = 0; i < num; i++) {
        const uint32_t m = lista[i].Jugada;
        if (enroque) {
            if (!Es_Enroque(m) || Hasta(m) % 8 != enroque) continue;
        } else {
            if (Es_Enroque(m) || Hasta(m) != hasta || TipoDeCodigo(Ficha(m)) != pieza) continue;
            if (columna >= 0 && Desde(m) % 8 != columna) continue;
            if (fila >= 0 && Desde(m) / 8 != fila) continue;
            const int32_t c = Corona(m) == NINGUNA ? 0 : TipoDeCodigo(Corona(m));
            if (c != corona) continue;
        }
        const int32_t legal = HacerMovimiento(m);
        DeshacerMovimiento();
        if (legal) {
            encontrada = m;
            coincidencias++;
        }
    }
    return coincidencias == 1 ? encontrada : 0;
}
