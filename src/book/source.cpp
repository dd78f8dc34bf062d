// Book sources for the builder: PGN, tab-separated opening lists and coordinate lines, read
// into lines of the book's move text. Text in, lines and messages out: any bytes are safe.
#include <algorithm>
#include <cstring>

#include "book/book.h"
#include "uci/uci.h"

// Move words kept per line: no cut is longer.
static constexpr size_t MAX_PALABRAS = 20;

static bool EsBlanco(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v' || c == '\0';
}

// from-square, to-square and an optional promotion letter.
static bool EsCoordenada(const std::string &w) {
    if (w.size() != 4 && w.size() != 5) return false;
    for (size_t i = 0; i < 4; i++) {
        if (i % 2 == 0 ? (w[i] < 'a' || w[i] > 'h') : (w[i] < '1' || w[i] > '8')) return false;
    }
    return w.size() == 4 || std::strchr("nbrq", w[4]) != nullptr;
}

static std::string Mensaje(const std::string &nombre, int32_t linea, const std::string &texto) {
    return nombre + ":" + std::to_string(linea) + ": " + texto;
}

// A line ends: kept when it holds a move, and then a new one starts.
static void CerrarLinea(Linea_Fuente &actual, std::vector<Linea_Fuente> &salida) {
    if (!actual.Jugadas.empty()) salida.push_back(actual);
    actual.Jugadas.clear();
    actual.Lineas.clear();
}

static void AnadirJugada(Linea_Fuente &actual, const std::string &w, int32_t linea) {
    if (actual.Jugadas.empty()) actual.Linea = linea;
    if (actual.Jugadas.size() < MAX_PALABRAS) {
        actual.Jugadas.push_back(w);
        actual.Lineas.push_back(linea);
    }
}

// PGN movetext of t[i, fin), starting on input line linea: the moves of the main line go into
// actual, and each game ends at its result or at the tags of the next one.
static void LeerMovetext(const std::string &t, size_t i, size_t fin, int32_t linea,
                         Linea_Fuente &actual, std::vector<Linea_Fuente> &salida) {
    int32_t profundidad = 0;  // variations open
    while (i < fin) {
        const char c = t[i];
        if (c == '\n') {
            linea++;
            i++;
        } else if (EsBlanco(c)) {
            i++;
        } else if (c == '{') {
            // A comment, over any number of lines, to its end or to the end of the text.
            for (i++; i < fin && t[i] != '}'; i++) linea += t[i] == '\n';
            i++;
        } else if (c == ';' || (c == '%' && (i == 0 || t[i - 1] == '\n'))) {
            while (i < fin && t[i] != '\n') i++;
        } else if (c == '(') {
            profundidad++;
            i++;
        } else if (c == ')') {
            if (profundidad > 0) profundidad--;
            i++;
        } else if (c == '[') {
            // Tags: a new game starts; a quoted value may hold ']'.
            CerrarLinea(actual, salida);
            profundidad = 0;
            bool comillas = false;
            for (i++; i < fin && t[i] != '\n' && (comillas || t[i] != ']'); i++) {
                if (t[i] == '\\' && comillas && i + 1 < fin && t[i + 1] != '\n') i++;
                else if (t[i] == '"') comillas = !comillas;
            }
            if (i < fin && t[i] == ']') i++;
        } else {
            size_t j = i;
            while (j < fin && !EsBlanco(t[j]) && std::strchr("{}()[];", t[j]) == nullptr) j++;
            if (j == i) j++;  // a lone '}' or ']'
            std::string w = t.substr(i, j - i);
            i = j;
            if (profundidad > 0) continue;
            if (w == "1-0" || w == "0-1" || w == "1/2-1/2" || w == "*") {
                CerrarLinea(actual, salida);
                continue;
            }
            // Move numbers, also written against the move ("1.e4", "3...Nf6").
            size_t k = 0;
            while (k < w.size() && w[k] >= '0' && w[k] <= '9') k++;
            if (k > 0 && k < w.size() && w[k] == '.') {
                while (k < w.size() && w[k] == '.') k++;
                w.erase(0, k);
            }
            // NAGs, lone annotations and stray closing marks.
            if (w.empty() || w[0] == '$' || w.find_first_not_of("!?}]") == std::string::npos)
                continue;
            AnadirJugada(actual, w, linea);
        }
    }
}

// The cells of one line split at tabs.
static std::vector<std::string> Celdas(const std::string &fila) {
    std::vector<std::string> celdas(1);
    for (char c : fila) {
        if (c == '\t') celdas.emplace_back();
        else if (c != '\r') celdas.back() += c;
    }
    return celdas;
}

std::vector<Linea_Fuente> LeerFuenteLibro(const std::string &nombre, const std::string &texto,
                                          std::vector<std::string> &rechazos) {
    std::vector<Linea_Fuente> salida;
    Linea_Fuente actual{{}, {}, 1, 0};

    // The input lines, as [start, end) of texto.
    std::vector<std::pair<size_t, size_t>> filas;
    for (size_t i = 0; i < texto.size();) {
        size_t fin = std::min(texto.find('\n', i), texto.size());
        filas.emplace_back(i, fin);
        i = fin + 1;
    }

    // The format, from the first line that is not blank.
    size_t primera = 0;
    while (primera < filas.size() &&
           std::all_of(texto.begin() + filas[primera].first, texto.begin() + filas[primera].second,
                       EsBlanco)) {
        primera++;
    }
    if (primera == filas.size()) return salida;
    const std::string cabecera =
        texto.substr(filas[primera].first, filas[primera].second - filas[primera].first);
    const size_t inicio = cabecera.find_first_not_of(" \t\r\f\v");
    size_t fin_palabra = cabecera.find_first_of(" \t\r\f\v", inicio);
    if (fin_palabra == std::string::npos) fin_palabra = cabecera.size();

    if (cabecera[inicio] != '[' && cabecera.find('\t') != std::string::npos) {
        // A tab-separated list: the movetext of each row in its "pgn" column.
        const std::vector<std::string> nombres = Celdas(cabecera);
        const size_t columna = std::find(nombres.begin(), nombres.end(), "pgn") - nombres.begin();
        if (columna == nombres.size()) {
            rechazos.push_back(Mensaje(nombre, static_cast<int32_t>(primera + 1),
                                       "no column named pgn in the header"));
            return salida;
        }
        for (size_t f = primera + 1; f < filas.size(); f++) {
            const std::string fila = texto.substr(filas[f].first, filas[f].second - filas[f].first);
            const int32_t linea = static_cast<int32_t>(f + 1);
            const std::vector<std::string> celdas = Celdas(fila);
            if (celdas.size() <= columna) {
                if (!std::all_of(fila.begin(), fila.end(), EsBlanco))
                    rechazos.push_back(Mensaje(nombre, linea, "no pgn column in this row"));
                continue;
            }
            LeerMovetext(celdas[columna], 0, celdas[columna].size(), linea, actual, salida);
            CerrarLinea(actual, salida);
        }
    } else if (cabecera[inicio] != '[' &&
               EsCoordenada(cabecera.substr(inicio, fin_palabra - inicio))) {
        // One line of coordinate moves per input line.
        actual.Coordenadas = 1;
        for (size_t f = primera; f < filas.size(); f++) {
            const int32_t linea = static_cast<int32_t>(f + 1);
            for (size_t i = filas[f].first; i < filas[f].second;) {
                size_t j = i;
                while (j < filas[f].second && !EsBlanco(texto[j])) j++;
                if (j > i) AnadirJugada(actual, texto.substr(i, j - i), linea);
                i = j + 1;
            }
            CerrarLinea(actual, salida);
        }
    } else {
        LeerMovetext(texto, 0, texto.size(), 1, actual, salida);
        CerrarLinea(actual, salida);
    }
    return salida;
}

// The legal move of the current position whose move text is w, or 0.
static uint32_t JugadaCoordenadas(const std::string &w) {
    Lista_Jugadas lista[MAX_JUGADAS];
    const int32_t n = GenerarMovimientos(GENERAR_TODO, lista);
    char texto[6];
    for (int32_t i = 0; i < n; i++) {
        const uint32_t m = lista[i].Jugada;
        MovimientoCoordenadas(Desde(m), Hasta(m), Corona(m), texto);
        if (w != texto) continue;
        const int32_t legal = HacerMovimiento(m);
        DeshacerMovimiento();
        if (legal) return m;
    }
    return 0;
}

int32_t ConvertirLineaLibro(const std::string &nombre, const Linea_Fuente &linea, int32_t plies,
                            std::string &texto, std::string &mensaje) {
    texto.clear();
    Position_Fen_Startpos("startpos");
    for (size_t k = 0; k < linea.Jugadas.size() && k < static_cast<size_t>(plies); k++) {
        const std::string &w = linea.Jugadas[k];
        // The played moves are never taken back: the undo stack starts over for each.
        TableroGlobal.Indice_Deshacer = 0;
        const uint32_t m = linea.Coordenadas ? JugadaCoordenadas(w) : JugadaSan(w.c_str());
        if (m == 0) {
            std::string razon = "move ";
            razon += std::to_string(k + 1) + " '" + w.substr(0, 40);
            razon += "' is illegal, ambiguous or unreadable";
            mensaje = Mensaje(nombre, linea.Lineas[k], razon);
            return 0;
        }
        // The book's move text has no room for a promotion.
        if (Corona(m) != NINGUNA) break;
        char jugada[6];
        MovimientoCoordenadas(Desde(m), Hasta(m), Corona(m), jugada);
        HacerMovimiento(m);
        if (!texto.empty()) texto += ' ';
        texto += jugada;
    }
    return 1;
}

int32_t DepurarLineasLibro(std::vector<std::string> &lineas) {
    std::sort(lineas.begin(), lineas.end());
    // Sorted, a line that another continues is followed by one that does.
    std::vector<std::string> quedan;
    for (size_t i = 0; i < lineas.size(); i++) {
        if (lineas[i].empty()) continue;
        if (i + 1 < lineas.size() &&
            (lineas[i + 1] == lineas[i] || lineas[i + 1].starts_with(lineas[i] + " "))) {
            continue;
        }
        quedan.push_back(lineas[i]);
    }
    const int32_t quitadas = static_cast<int32_t>(lineas.size() - quedan.size());
    lineas.swap(quedan);
    return quitadas;
}
