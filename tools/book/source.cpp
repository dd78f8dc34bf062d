// Book sources read a byte at a time through one block: PGN, tab-separated opening lists and
// lines of coordinate moves, into lines of move words.
#include <algorithm>
#include <cstring>
#include <string_view>

#include "book/builder.h"

// The first line is read whole up to this length to tell the format.
static constexpr size_t MAX_CABECERA = 1 << 16;
// A word longer than this is kept cut, and marked unreadable.
static constexpr size_t MAX_LARGO_PALABRA = 40;

// Movetext states.
enum : int32_t { NORMAL, COMENTARIO, RESTO_LINEA, ETIQUETA };

static constexpr bool EsBlanco(int c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v' || c == '\0';
}

bool EsCoordenada(const std::string &w) {
    if (w.size() != 4 && w.size() != 5) return false;
    for (size_t i = 0; i < 4; i++) {
        if (i % 2 == 0 ? (w[i] < 'a' || w[i] > 'h') : (w[i] < '1' || w[i] > '8')) return false;
    }
    return w.size() == 4 || std::strchr("nbrq", w[4]) != nullptr;
}

static std::string Mensaje(const Lector_Fuente &f, int32_t linea, const std::string &texto) {
    return f.Nombre + ":" + std::to_string(linea) + ": " + texto;
}

// A fresh block when the last one is used up; false at the end of the input.
static bool Rellenar(Lector_Fuente &f) {
    if (f.Pos < f.Fin) return true;
    if (f.Agotada) return false;
    f.Base += static_cast<int64_t>(f.Fin);
    f.Entrada->read(f.Bloque.data(), static_cast<std::streamsize>(f.Bloque.size()));
    f.Fin = static_cast<size_t>(f.Entrada->gcount());
    f.Pos = 0;
    f.Agotada = f.Fin < f.Bloque.size();
    return f.Fin > 0;
}

// The next byte, or -1 at the end.
static int Leer(Lector_Fuente &f) {
    return Rellenar(f) ? static_cast<unsigned char>(f.Bloque[f.Pos++]) : -1;
}

int64_t BytesLeidos(const Lector_Fuente &f) { return f.Base + static_cast<int64_t>(f.Pos); }

// A line ends: kept when it holds a move, and then a new one starts.
static void CerrarLinea(Lector_Fuente &f) {
    if (!f.Actual.Jugadas.empty()) f.Listas.push_back(std::move(f.Actual));
    f.Actual = Linea_Fuente{};
}

static void AnadirJugada(Lector_Fuente &f, const std::string &w, int32_t linea) {
    Linea_Fuente &a = f.Actual;
    if (a.Jugadas.size() < MAX_PALABRAS) {
        a.Jugadas.push_back(w);
        a.Lineas.push_back(linea);
    }
}

// A word of movetext is complete: a move, unless it is inside a variation, a result (which ends
// the game), a move number, a NAG or a lone annotation.
static void CerrarPalabra(Lector_Fuente &f) {
    if (f.Palabra.empty()) return;
    const std::string &w = f.Palabra;
    if (f.Profundidad > 0) {
    } else if ((w[0] == '0' || w[0] == '1' || w[0] == '*') &&
               (w == "1-0" || w == "0-1" || w == "1/2-1/2" || w == "*")) {
        CerrarLinea(f);
    } else if (f.Actual.Jugadas.size() < MAX_PALABRAS) {
        // Move numbers, also written against the move ("1.e4", "3...Nf6").
        size_t k = 0;
        while (k < w.size() && w[k] >= '0' && w[k] <= '9') k++;
        if (k > 0 && k < w.size() && w[k] == '.') {
            while (k < w.size() && w[k] == '.') k++;
        } else {
            k = 0;
        }
        if (k < w.size() && w[k] != '$' && w.find_first_not_of("!?}]", k) != std::string::npos)
            AnadirJugada(f, w.substr(k) + (f.Larga ? "..." : ""), f.Linea_Palabra);
    }
    f.Palabra.clear();
    f.Larga = false;
}

// Byte classes of movetext: a word's own byte, a blank, or a byte of PGN's own.
enum : uint8_t { DE_PALABRA, BLANCO, PROPIO };
static constexpr struct Clases {
    uint8_t Clase[256];
    constexpr Clases() : Clase{} {
        for (int c = 0; c < 256; c++) {
            Clase[c] = EsBlanco(c)                   ? BLANCO
                       : std::string_view("{}()[];").find(static_cast<char>(c)) !=
                               std::string_view::npos
                           ? PROPIO
                           : DE_PALABRA;
        }
    }
} CLASES;

// The movetext machine, one byte at a time.
static void Movetext(Lector_Fuente &f, int c) {
    const bool inicio = f.Inicio_Linea;
    f.Inicio_Linea = c == '\n';
    switch (f.Estado) {
    case COMENTARIO:
        if (c == '}') f.Estado = NORMAL;
        return;
    case RESTO_LINEA:
        if (c != '\n') return;
        f.Estado = NORMAL;
        break;
    case ETIQUETA:
        // A backslash in a quoted value escapes the next byte, unless the line ends.
        if (f.Escape && c != '\n') {
            f.Escape = false;
            return;
        }
        f.Escape = false;
        if (c == '\n') {
            f.Estado = NORMAL;
            break;
        }
        if (c == ']' && !f.Comillas) f.Estado = NORMAL;
        else if (c == '"') f.Comillas = !f.Comillas;
        else if (c == '\\' && f.Comillas) f.Escape = true;
        return;
    default:
        break;
    }

    // An escape line: '%' as the first byte of a line.
    if (c == '%' && inicio) {
        f.Estado = RESTO_LINEA;
        return;
    }

    // A word runs to a blank or to a byte of PGN's own.
    if (c >= 0 && CLASES.Clase[c] == DE_PALABRA) {
        if (f.Palabra.empty()) f.Linea_Palabra = f.Linea;
        if (f.Palabra.size() < MAX_LARGO_PALABRA) f.Palabra += static_cast<char>(c);
        else f.Larga = true;
        return;
    }
    CerrarPalabra(f);
    if (c == '{') {
        f.Estado = COMENTARIO;
    } else if (c == ';') {
        f.Estado = RESTO_LINEA;
    } else if (c == '(') {
        f.Profundidad++;
    } else if (c == ')') {
        if (f.Profundidad > 0) f.Profundidad--;
    } else if (c == '[') {
        // Tags: a new game starts.
        CerrarLinea(f);
        f.Profundidad = 0;
        f.Comillas = f.Escape = false;
        f.Estado = ETIQUETA;
    }
}

// The movetext of a list cell or of a whole file ends: the machine starts over.
static void TerminarMovetext(Lector_Fuente &f) {
    CerrarPalabra(f);
    f.Estado = NORMAL;
    f.Profundidad = 0;
    f.Inicio_Linea = true;
}

static void Fila(Lector_Fuente &f, int c) {
    if (c == '\n' || c < 0) {
        TerminarMovetext(f);
        if (f.Columna < f.Columna_Pgn && f.Fila_Con_Texto)
            f.Rechazos.push_back(Mensaje(f, f.Linea, "no pgn column in this row"));
        CerrarLinea(f);
        f.Columna = 0;
        f.Fila_Con_Texto = false;
        return;
    }
    if (!EsBlanco(c)) f.Fila_Con_Texto = true;
    if (c == '\t') {
        if (f.Columna == f.Columna_Pgn) TerminarMovetext(f);
        // The cell's first byte starts a line of its movetext.
        if (++f.Columna == f.Columna_Pgn) f.Inicio_Linea = true;
    } else if (c != '\r' && f.Columna == f.Columna_Pgn) {
        Movetext(f, c);
    }
}

static void Coordenadas(Lector_Fuente &f, int c) {
    if (!EsBlanco(c) && c >= 0) {
        if (f.Palabra.empty()) f.Linea_Palabra = f.Linea;
        if (f.Palabra.size() < MAX_LARGO_PALABRA) f.Palabra += static_cast<char>(c);
        else f.Larga = true;
        return;
    }
    if (!f.Palabra.empty()) {
        AnadirJugada(f, f.Larga ? f.Palabra + "..." : f.Palabra, f.Linea_Palabra);
        f.Palabra.clear();
        f.Larga = false;
    }
    if (c == '\n' || c < 0) CerrarLinea(f);
}

// The cells of a header line split at tabs.
static std::vector<std::string> Celdas(const std::string &fila) {
    std::vector<std::string> celdas(1);
    for (char c : fila) {
        if (c == '\t') celdas.emplace_back();
        else if (c != '\r') celdas.back() += c;
    }
    return celdas;
}

// Reads on into a block twice as large, keeping what it holds.
static void LeerMas(Lector_Fuente &f) {
    f.Bloque.resize(2 * f.Bloque.size());
    f.Entrada->read(f.Bloque.data() + f.Fin, static_cast<std::streamsize>(f.Bloque.size() - f.Fin));
    const size_t n = static_cast<size_t>(f.Entrada->gcount());
    f.Agotada = f.Fin + n < f.Bloque.size();
    f.Fin += n;
}

// End of the first line at or after i in the block that is not blank, reading on while it is
// cut by the block's end (up to MAX_CABECERA bytes); the block's end when there is none.
static size_t PrimeraLinea(Lector_Fuente &f, size_t &i, int32_t &numero) {
    for (;;) {
        size_t fin = i;
        while (fin < f.Fin && f.Bloque[fin] != '\n') fin++;
        if (fin == f.Fin && !f.Agotada && f.Fin < MAX_CABECERA) {
            LeerMas(f);
            continue;
        }
        if (!std::all_of(f.Bloque.begin() + i, f.Bloque.begin() + fin, EsBlanco) || fin == f.Fin)
            return fin;
        i = fin + 1;
        numero++;
    }
}

void AbrirFuente(Lector_Fuente &f, std::istream &entrada, const std::string &nombre,
                 size_t bloque) {
    f = Lector_Fuente{};
    f.Entrada = &entrada;
    f.Nombre = nombre;
    f.Bloque.resize(bloque > 0 ? (bloque + 1) / 2 : 1);

    // The first line that is not blank decides; a byte-order mark is not part of the text.
    do LeerMas(f);
    while (f.Fin < 3 && !f.Agotada);
    size_t i = 0;
    int32_t numero = 1;
    if (f.Fin >= 3 && std::memcmp(f.Bloque.data(), "\xEF\xBB\xBF", 3) == 0) f.Pos = i = 3;
    const size_t fin = PrimeraLinea(f, i, numero);
    const std::string cabecera(f.Bloque.data() + i, fin - i);
    const size_t inicio = cabecera.find_first_not_of(" \t\r\f\v");
    if (inicio != std::string::npos && cabecera[inicio] != '[') {
        size_t fin_palabra = cabecera.find_first_of(" \t\r\f\v", inicio);
        if (fin_palabra == std::string::npos) fin_palabra = cabecera.size();
        if (cabecera.find('\t') != std::string::npos) {
            // A list: its header is read here, its rows as they come.
            const std::vector<std::string> nombres = Celdas(cabecera);
            f.Formato = FUENTE_LISTA;
            f.Columna_Pgn = std::find(nombres.begin(), nombres.end(), "pgn") - nombres.begin();
            f.Linea = numero + 1;
            f.Pos = std::min(fin + 1, f.Fin);
            if (f.Columna_Pgn == nombres.size()) {
                f.Rechazos.push_back(Mensaje(f, numero, "no column named pgn in the header"));
                f.Terminada = true;
            }
        } else if (EsCoordenada(cabecera.substr(inicio, fin_palabra - inicio))) {
            f.Formato = FUENTE_COORDENADAS;
        }
    }
}

// PGN through the current block: a comment, an escape line or a word is taken in one sweep,
// every other byte by the movetext machine.
static void PgnBloque(Lector_Fuente &f) {
    const char *b = f.Bloque.data();
    size_t i = f.Pos;
    const size_t fin = f.Fin;
    while (i < fin && f.Listas.empty()) {
        const auto c = static_cast<unsigned char>(b[i]);
        if (f.Estado == COMENTARIO || f.Estado == RESTO_LINEA) {
            const bool comentario = f.Estado == COMENTARIO;
            const void *q = std::memchr(b + i, comentario ? '}' : '\n', fin - i);
            const size_t hasta = q != nullptr ? static_cast<size_t>(static_cast<const char *>(q) - b)
                                              : fin;
            if (comentario) f.Linea += static_cast<int32_t>(std::count(b + i, b + hasta, '\n'));
            // A comment's '}' is consumed; the newline that ends an escape line is a byte of its own.
            i = q != nullptr && comentario ? hasta + 1 : hasta;
            if (q != nullptr) f.Estado = NORMAL;
            f.Inicio_Linea = false;
        } else if (f.Estado == ETIQUETA && !f.Escape && c != '"' && c != '\\' && c != ']' &&
                   c != '\n') {
            // Inside a tag only quotes, backslashes, ']' and the newline matter.
            while (++i < fin && b[i] != '"' && b[i] != '\\' && b[i] != ']' && b[i] != '\n') {
            }
            f.Inicio_Linea = false;
        } else if (f.Estado == NORMAL && c == ' ' && f.Palabra.empty()) {
            i++;
            f.Inicio_Linea = false;
        } else if (f.Estado == NORMAL && CLASES.Clase[c] == DE_PALABRA &&
                   !(c == '%' && f.Inicio_Linea)) {
            size_t j = i + 1;
            while (j < fin && CLASES.Clase[static_cast<unsigned char>(b[j])] == DE_PALABRA) j++;
            if (f.Palabra.empty()) f.Linea_Palabra = f.Linea;
            const size_t cabe = MAX_LARGO_PALABRA - std::min(f.Palabra.size(), MAX_LARGO_PALABRA);
            f.Palabra.append(b + i, std::min(j - i, cabe));
            if (j - i > cabe) f.Larga = true;
            f.Inicio_Linea = false;
            i = j;
        } else {
            i++;
            Movetext(f, c);
            if (c == '\n') f.Linea++;
        }
    }
    f.Pos = i;
}

bool SiguienteLinea(Lector_Fuente &f, Linea_Fuente &linea) {
    while (f.Listas.empty() && !f.Terminada) {
        if (f.Formato == FUENTE_PGN) {
            if (Rellenar(f)) {
                PgnBloque(f);
                continue;
            }
            TerminarMovetext(f);
            CerrarLinea(f);
            f.Terminada = true;
            continue;
        }
        const int c = Leer(f);
        if (f.Formato == FUENTE_LISTA) Fila(f, c);
        else Coordenadas(f, c);
        if (c < 0) f.Terminada = true;
        else if (c == '\n') f.Linea++;
    }
    if (f.Listas.empty()) return false;
    linea = std::move(f.Listas.front());
    f.Listas.pop_front();
    return true;
}
