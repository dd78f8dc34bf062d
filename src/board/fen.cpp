// FEN loading and the word helpers it uses.
#include <cstdlib>
#include <cstring>

#include "board/board.h"

const char *Split_String(const char *texto, char *buffer) {
    while (*texto == ' ') texto++;
    int n = 0;
    // A token longer than 78 characters is cut; the rest stays for the next call.
    while (*texto != ' ' && *texto != '\0' && n < 78) buffer[n++] = *texto++;
    buffer[n] = '\0';
    return texto;
}

int32_t Es_Numero(const char *texto) {
    int n = 0;
    for (; texto[n] != '\0'; n++) {
        if (n >= 79 || texto[n] < '0' || texto[n] > '9') return 0;
    }
    return n > 0 ? 1 : 0;
}

int32_t ConvertirNumero(const char *texto) {
    // A 64-bit conversion, saturating beyond its range; the low 32 bits are kept as signed.
    const long long v = std::strtoll(texto, nullptr, 10);
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<unsigned long long>(v)));
}

// The cursor never moves past the terminating zero.
static const char *Saltar(const char *p) { return *p != '\0' ? p + 1 : p; }

// Puts the piece of letter c on square s and counts it; 0 when c is no piece letter.
static int32_t PonerLetra(char c, int32_t s) {
    static const char LETRAS[] = "PNBRQKpnbrqk";
    const char *l = c != '\0' ? std::strchr(LETRAS, c) : nullptr;
    if (l == nullptr) return 0;
    const int32_t i = static_cast<int32_t>(l - LETRAS);
    const int32_t tipo = i % 6;  // 0 pawn .. 5 king
    Tipo_Tablero &t = TableroGlobal;
    Tipo_Lado &lado = i < 6 ? Blancas : Negras;
    t.Tablero[s] = i < 6 ? PEON_B + tipo : PEON_N + tipo;
    int32_t *const cuenta[5] = {&lado.Num_Peones, &lado.Num_Caballos, &lado.Num_Alfiles,
                                &lado.Num_Torres, &lado.Num_Damas};
    if (tipo < 5) {
        (*cuenta[tipo])++;
    } else {
        (i < 6 ? t.Rey_Blanco : t.Rey_Negro) = s;
    }
    return 1;
}

// The load itself; CargarFen rebuilds the square sets after it, whatever it returned.
static int32_t LeerFen(const char *texto) {
    Tipo_Tablero &t = TableroGlobal;
    const char *p = texto;
    t.Rey_Blanco = t.Rey_Negro = 0;
    t.Enroque_Blancas = t.Enroque_Negras = SIN_ENROQUE;
    t.Ficha_Al_Paso = 0;

    // Board field, rank 8 first; a digit run past the h-file just ends the rank.
    for (int fila = 0; fila < 8; fila++) {
        int columna = 0;
        while (columna < 8) {
            const char c = *p++;
            if (c >= '1' && c <= '8') {
                const int fin = columna + (c - '0');
                for (; columna < fin && columna < 8; columna++) {
                    t.Tablero[fila * 8 + columna] = SIN_PIEZA;
                }
                columna = fin;
            } else if (PonerLetra(c, fila * 8 + columna)) {
                columna++;
            } else {
                return 0;  // a space, a zero or a foreign character where a square belongs
            }
        }
        p = Saltar(p);  // the separator, whatever it is
    }

    // Side to move: anything but 'w' is Black; a missing field keeps Turno.
    if (*p != '\0') {
        t.Turno = *p == 'w' ? 1 : 0;
        p = Saltar(Saltar(p));
    }

    // Castling rights, only in the order KQkq.
    if (*p == '-') {
        p = Saltar(Saltar(p));
    } else {
        if (*p == 'K') t.Enroque_Blancas += ENROQUE_CORTO, p++;
        if (*p == 'Q') t.Enroque_Blancas += ENROQUE_LARGO, p++;
        if (*p == 'k') t.Enroque_Negras += ENROQUE_CORTO, p++;
        if (*p == 'q') t.Enroque_Negras += ENROQUE_LARGO, p++;
        p = Saltar(p);
    }

    // En-passant square, stored as the square of the pawn that double-stepped.
    char palabra[80];
    p = Split_String(p, palabra);
    while (*p != ' ' && *p != '\0') p++;  // the uncut end of a long token
    if (std::strcmp(palabra, "-") != 0) {
        for (int32_t s = 0; s < 64; s++) {
            if (std::strcmp(palabra, NOMBRE_CASILLA[s]) != 0) continue;
            if (s / 8 == 5) t.Ficha_Al_Paso = s - 8;
            if (s / 8 == 2) t.Ficha_Al_Paso = s + 8;
            break;
        }
    }

    // Half-move clock: 101 and more is cut to 100; the full-move number is not read.
    if (*p != '\0') {
        Split_String(p, palabra);
        if (Es_Numero(palabra)) {
            const int32_t v = ConvertirNumero(palabra);
            t.Regla_50 = t.Num_Historial = v > 100 ? 100 : v;
        }
    }
    if (t.Regla_50 < 0 || t.Regla_50 > 100) t.Regla_50 = t.Num_Historial = 0;
    return 1;
}

int32_t CargarFen(const char *texto) {
    const int32_t leida = LeerFen(texto);
    ReconstruirMapas();
    return leida;
}

void ReconstruirMapas() {
    Tipo_Tablero &t = TableroGlobal;
    for (uint64_t &m : t.Mapa_Pieza) m = 0;
    for (int32_t s = 0; s < 64; s++) t.Mapa_Pieza[IndiceMapa(t.Tablero[s])] |= 1ull << s;
}

void LlenarColorCasilla() {
    // Light squares (a8, h1) have file + row even.
    for (int32_t s = 0; s < 64; s++) {
        TableroGlobal.Color_Casilla[s] = ColorCasilla(s);
    }
}
