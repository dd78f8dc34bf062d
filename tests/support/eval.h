// Evaluation test helpers: load and scan, what terms add, a test-owned evaluation cache.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <vector>

#include "board/board.h"
#include "support/position.h"
#include "eval/eval.h"
#include "search/search.h"

namespace eval_test {

// Loads fen the way the position command does, with both weights at 100 percent.
inline void Cargar(const char *fen) {
    static bool tablas = false;
    if (!tablas) IniciarMotor(12345, 1), tablas = true;
    Salir = 0;
    AJUSTE_MOB[0] = AJUSTE_MOB[1] = AJUSTE_ATT[0] = AJUSTE_ATT[1] = 100;
    ASSERT_EQ(CargarPosicionPrueba(fen), 1) << fen;
    LimpiarPuntuacion(0);
}

// Leaves the side records as the driver has them after its board scan of fen, or of its colour
// mirror; returns the record of the side that fen's White stands for.
inline const Tipo_Lado &Escanear(const std::string &fen, bool espejo = false) {
    Cargar((espejo ? EspejoFen(fen) : fen).c_str());
    EvaluarPiezasTableroJuego();
    return espejo ? Negras : Blancas;
}

// Opening and endgame accumulators of both sides.
struct Puntos { int32_t op_b, eg_b, op_n, eg_n; bool operator==(const Puntos &) const = default; };
inline std::ostream &operator<<(std::ostream &o, const Puntos &p) {
    return o << '{' << p.op_b << ", " << p.eg_b << ", " << p.op_n << ", " << p.eg_n << '}';
}
inline Puntos Actuales() {
    return {Blancas.Puntos_Apertura, Blancas.Puntos_Final, Negras.Puntos_Apertura,
            Negras.Puntos_Final};
}

// What the calls add to each accumulator, after the board scan of fen unless fen is null; with
// espejo, of fen's colour mirror, each side's accumulators in the other's place.
inline Puntos Delta(const char *fen, std::initializer_list<void (*)()> terminos,
                    bool espejo = false) {
    if (fen) Escanear(fen, espejo);
    const Puntos a = Actuales();
    for (auto f : terminos) f();
    const Puntos d = Actuales();
    const Puntos r{d.op_b - a.op_b, d.eg_b - a.eg_b, d.op_n - a.op_n, d.eg_n - a.eg_n};
    return espejo ? Puntos{r.op_n, r.eg_n, r.op_b, r.eg_b} : r;
}

// Each case on its board and on its colour mirror, which catches slips between the B and N twins.
struct Caso { const char *fen; Puntos p; };
inline void ComprobarTerminos(std::initializer_list<void (*)()> terminos,
                              std::initializer_list<Caso> casos) {
    for (const Caso &c : casos) {
        EXPECT_EQ(Delta(c.fen, terminos), c.p) << c.fen;
        EXPECT_EQ(Delta(c.fen, terminos, true), c.p) << "mirror of " << c.fen;
    }
}

// The board, side to move, key, undo and history counts and king squares are as before.
inline void ComprobarIntacto(const Tipo_Tablero &antes, const char *fen) {
    const Tipo_Tablero &t = TableroGlobal;
    EXPECT_EQ(std::memcmp(t.Tablero, antes.Tablero, sizeof t.Tablero), 0) << fen;
    auto estado = [](const Tipo_Tablero &e) {
        return std::vector<int64_t>{e.Turno,         e.Clave,      e.Indice_Deshacer,
                                    e.Num_Historial, e.Rey_Blanco, e.Rey_Negro};
    };
    EXPECT_EQ(estado(t), estado(antes)) << fen;
}

// Evaluation cache backed by num entries the test owns, or off with num 0; restored at the end.
struct CacheDePrueba {
    std::vector<Cache_Entrada> entradas;
    Registro_TT previo = TT_Opciones;
    Cache_Entrada *previa = TT_Cache;
    explicit CacheDePrueba(int32_t num) : entradas(num, Cache_Entrada{0, -32001}) {
        TT_Opciones.Megas_Cache = num > 0;
        if (num) TT_Opciones.Num_Cache = num, TT_Cache = entradas.data();
    }
    ~CacheDePrueba() { TT_Opciones = previo, TT_Cache = previa; }
    Cache_Entrada &Entrada() { return entradas[TableroGlobal.Clave % entradas.size()]; }
};

}  // namespace eval_test
