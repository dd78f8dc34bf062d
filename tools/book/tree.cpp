// Lines replayed by the engine into a tree of moves that counts the games behind each move.
#include <algorithm>

#include "book/builder.h"
#include "support/board.h"
#include "uci/uci.h"

// One line replayed into jugadas; false, with the message in f.Rechazos, at a word that is no
// legal move.
static bool Reproducir(Lector_Fuente &f, const Linea_Fuente &linea, int32_t plies,
                       std::vector<uint16_t> &jugadas) {
    jugadas.clear();
    Position_Fen_Startpos("startpos");
    for (size_t k = 0; k < linea.Jugadas.size() && k < static_cast<size_t>(plies); k++) {
        const std::string &w = linea.Jugadas[k];
        // The played moves are never taken back: the undo stack starts over for each.
        TableroGlobal.Indice_Deshacer = 0;
        const uint32_t m = EsCoordenada(w) ? JugadaDeTexto(w) : JugadaSan(w.c_str());
        if (m == 0) {
            f.Rechazos.push_back(f.Nombre + ":" + std::to_string(linea.Lineas[k]) + ": move " +
                                 std::to_string(k + 1) + " '" + w.substr(0, 40) +
                                 "' is illegal, ambiguous or unreadable");
            return false;
        }
        // The book's move text has no room for a promotion.
        if (Corona(m) != NINGUNA) break;
        HacerMovimiento(m);
        jugadas.push_back(static_cast<uint16_t>(Desde(m) * 64 + Hasta(m)));
    }
    return true;
}

bool SiguienteJugadas(Lector_Fuente &f, int32_t plies, std::vector<uint16_t> &jugadas) {
    Linea_Fuente linea;
    while (SiguienteLinea(f, linea)) {
        if (Reproducir(f, linea, plies, jugadas)) return true;
    }
    return false;
}

// Move text of a tree move.
static std::string TextoNodo(uint16_t j) {
    char texto[6];
    MovimientoCoordenadas(j / 64, j % 64, NINGUNA, texto);
    return texto;
}

void AnadirLinea(Arbol_Libro &arbol, const std::vector<uint16_t> &jugadas) {
    if (arbol.empty()) arbol.push_back(Nodo_Libro{0, 0, 0, 0, 0});
    uint32_t nodo = 0;
    arbol[0].Partidas++;
    for (const uint16_t j : jugadas) {
        uint32_t hijo = arbol[nodo].Hijo;
        while (hijo != 0 && arbol[hijo].Jugada != j) hijo = arbol[hijo].Hermano;
        if (hijo == 0) {
            hijo = static_cast<uint32_t>(arbol.size());
            arbol.push_back(Nodo_Libro{nodo, 0, arbol[nodo].Hijo, 0, j});
            arbol[nodo].Hijo = hijo;
        }
        arbol[hijo].Partidas++;
        nodo = hijo;
    }
}

std::vector<uint32_t> LineasLibro(const Arbol_Libro &arbol, uint32_t minimo) {
    std::vector<uint32_t> lineas, pila;
    if (!arbol.empty()) pila.push_back(0);
    while (!pila.empty()) {
        const uint32_t nodo = pila.back();
        pila.pop_back();
        // The children played often enough, pushed so that the first by move text comes out first.
        std::vector<std::pair<std::string, uint32_t>> hijos;
        for (uint32_t h = arbol[nodo].Hijo; h != 0; h = arbol[h].Hermano) {
            if (arbol[h].Partidas < minimo) continue;
            hijos.emplace_back(TextoNodo(arbol[h].Jugada), h);
        }
        if (hijos.empty()) {
            if (nodo != 0) lineas.push_back(nodo);
            continue;
        }
        std::sort(hijos.rbegin(), hijos.rend());
        for (const auto &h : hijos) pila.push_back(h.second);
    }
    return lineas;
}

std::string TextoLinea(const Arbol_Libro &arbol, uint32_t nodo) {
    std::string texto;
    for (; nodo != 0; nodo = arbol[nodo].Padre) {
        const std::string jugada = TextoNodo(arbol[nodo].Jugada);
        texto.insert(0, texto.empty() ? jugada : jugada + " ");
    }
    return texto;
}
