// The one global position, the side records, the move word and the board functions.
#pragma once

#include <cstdint>

#include "board/geometry.h"

// Piece codes. Below 7 is White, above 7 is Black; Black = White + 7.
inline constexpr int32_t PEON_B = 1, CABALLO_B = 2, ALFIL_B = 3, TORRE_B = 4, DAMA_B = 5,
                         REY_B = 6;
inline constexpr int32_t SIN_PIEZA = 7;
inline constexpr int32_t PEON_N = 8, CABALLO_N = 9, ALFIL_N = 10, TORRE_N = 11, DAMA_N = 12,
                         REY_N = 13;
inline constexpr int32_t NINGUNA = 15;  // "none" in the 4-bit fields of a move

// The piece type of a code, either colour: 1 pawn to 6 king.
constexpr int32_t TipoDeCodigo(int32_t codigo) { return codigo > 7 ? codigo - 7 : codigo; }

// Scores: centipawns for the side to move. A mate found at ply p scores MATE - p; beyond
// UMBRAL_MATE a score is a mate; SIN_PUNTUACION stands for plus infinity, its negation for minus.
inline constexpr int32_t MATE = 32000;
inline constexpr int32_t UMBRAL_MATE = 31936;
inline constexpr int32_t SIN_PUNTUACION = 32001;

// A mate score: beyond the threshold, but not one of the two infinities.
constexpr bool EsMate(int32_t v) {
    return (v > UMBRAL_MATE && v != SIN_PUNTUACION) || (v < -UMBRAL_MATE && v != -SIN_PUNTUACION);
}

// Material values of the evaluation and the endgame rules.
inline constexpr int32_t VALOR_PEON = 100, VALOR_CABALLO = 325, VALOR_ALFIL = 335,
                         VALOR_TORRE = 500, VALOR_DAMA = 1000;

// Depth limit of iterative deepening and of perft.
inline constexpr int32_t MAX_PROFUNDIDAD = 32;

inline constexpr const char *FEN_INICIAL =
    "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

// Squares by name, a8 = 0 to h1 = 63.
enum : int32_t {
    A8 = 0, B8, C8, D8, E8, F8, G8, H8,
    A7, B7, C7, D7, E7, F7, G7, H7,
    A6, B6, C6, D6, E6, F6, G6, H6,
    A5, B5, C5, D5, E5, F5, G5, H5,
    A4, B4, C4, D4, E4, F4, G4, H4,
    A3, B3, C3, D3, E3, F3, G3, H3,
    A2, B2, C2, D2, E2, F2, G2, H2,
    A1, B1, C1, D1, E1, F1, G1, H1
};

// Castling states of a side: the rights left (bit 0 king side, bit 1 queen side), or the
// castling it made, after which nothing changes the state.
inline constexpr int32_t SIN_ENROQUE = 0, ENROQUE_CORTO = 1, ENROQUE_LARGO = 2, ENROQUES = 3,
                         ENROCADO_LARGO = 4, ENROCADO_CORTO = 5;
// Whether a state still holds a right (ENROQUE_CORTO, ENROQUE_LARGO, or ENROQUES for any).
constexpr bool TieneDerecho(int32_t estado, int32_t derecho) {
    return estado >= ENROQUE_CORTO && estado <= ENROQUES && (estado & derecho) != 0;
}

inline constexpr int32_t MAX_JUGADAS = 256;     // capacity of one move list
inline constexpr int32_t MAX_DESHACER = 64;     // undo records
inline constexpr int32_t MAX_HISTORIAL = 600;   // game and search-line keys

// Generation modes.
inline constexpr int32_t GENERAR_TODO = 1;
inline constexpr int32_t GENERAR_CAPTURAS = 2;

struct Registro_Deshacer {
    uint32_t Clave, Jugada;
    int32_t Rey_Blanco, Rey_Negro, Enroque_Blancas, Enroque_Negras, Ficha_Al_Paso, Regla_50;
};
static_assert(sizeof(Registro_Deshacer) == 32);

struct Tipo_Tablero {
    int32_t Rey_Blanco;
    int32_t Rey_Negro;
    // Castling state: SIN_ENROQUE .. ENROCADO_CORTO.
    int32_t Enroque_Blancas;
    int32_t Enroque_Negras;
    int32_t Ficha_Al_Paso;  // square of the pawn that just double-stepped, 0 = none
    int32_t Indice_Deshacer;
    int32_t Turno;  // 1 White, 0 Black
    int32_t Regla_50;
    int32_t Fase;
    Registro_Deshacer Pila_Deshacer[MAX_DESHACER];
    uint32_t Historial_Claves[MAX_HISTORIAL];
    int32_t Num_Historial;
    uint32_t Clave;
    int32_t Color_Casilla[64];  // 1 light, 0 dark
    int32_t Tablero[64];
    // Squares holding each code, bit s for square s (see IndiceMapa): kept with Tablero by
    // EscribirCasilla, and rebuilt from it by ReconstruirMapas after any other write.
    uint64_t Mapa_Pieza[16];
};

// Side record: evaluation work fields around the five piece counts.
struct Tipo_Lado {
    int32_t Peones_Columna[8];
    int32_t Peones_Flanco_Dama;
    int32_t Peones_Flanco_Rey;
    int32_t Lista_Peones[8][5];  // [file][slot], most advanced pawn first, -1 = empty
    int32_t Lista_Caballos[8];
    int32_t Lista_Alfiles[8];
    int32_t Lista_Torres[8];
    int32_t Lista_Damas[8];
    int32_t Peones_Claras;
    int32_t Peones_Oscuras;
    int32_t Peones_Segunda;
    int32_t Num_Peones;
    int32_t Num_Caballos;
    int32_t Num_Alfiles;
    int32_t Num_Torres;
    int32_t Num_Damas;
    int32_t Puntos_Apertura;
    int32_t Puntos_Final;
    int32_t Movilidad_Apertura;
    int32_t Movilidad_Final;
    int32_t Tropismo_Apertura;
    int32_t Tropismo_Final;
    int32_t Defensa_Casilla[64];
    int32_t Amenazas_Peon[16];
    int32_t Num_Amenazas_Peon;
    int32_t Objetivos_Caballo[64];
    int32_t Num_Objetivos_Caballo;
    int32_t Objetivos_Alfil[112];
    int32_t Num_Objetivos_Alfil;
    int32_t Objetivos_Torre[112];
    int32_t Num_Objetivos_Torre;
    int32_t Objetivos_Dama[224];
    int32_t Num_Objetivos_Dama;
    int32_t Objetivos_Rey[8];
    int32_t Num_Objetivos_Rey;
    int32_t Ataque_Rey;
    int32_t Atacantes_Rey;
};

// One entry of a move list.
struct Lista_Jugadas {
    uint32_t Jugada;
    int32_t Valor_Orden;
};

// Search control, shared by the front end, perft and the searches.
struct Registro_Juego {
    int32_t Detener;
    int32_t Tiempo_Limite;
    uint32_t Tiempo_Inicio;
    uint32_t Tiempo_Usado;
    int32_t Por_Tiempo;
    int32_t Infinito;
    int32_t Profundidad_Maxima;
    int32_t Profundidad;
    uint32_t Nodos;
    int32_t Jugadas;
    uint32_t Mejor_Jugada;
    uint32_t Jugada_Ponder;
    int32_t Mostrar_Pv;  // MOSTRAR_NADA, MOSTRAR_MEDIO or MOSTRAR_TODO
};

// ShowPv: None, Middle, Full.
inline constexpr int32_t MOSTRAR_NADA = 0, MOSTRAR_MEDIO = 1, MOSTRAR_TODO = 2;

extern Tipo_Tablero TableroGlobal;
extern Tipo_Lado Blancas, Negras;
extern Registro_Juego TipoJuego;
extern int32_t IndexMove;
extern int32_t Salir;  // ends the program after the current command
extern uint32_t zobrist_Tablero[14][64];
extern uint32_t zobrist_Turno[1];
extern const char *const NOMBRE_CASILLA[64];  // "a8" .. "h1"

// Move word:
//   bits  0-6  Desde      from square
//   bits  7-13 Hasta      to square
//   bits 14-17 Ficha      moving piece (the pawn for a promotion)
//   bits 18-21 Captura    piece on the to square before the move, 15 when empty
//   bits 22-25 Corona     promotion piece, 15 when none
//   bit  26    Es_Al_Paso
//   bit  27    Es_Doble_Paso
//   bit  28    Es_Enroque
inline constexpr uint32_t BIT_AL_PASO = 1u << 26;
inline constexpr uint32_t BIT_DOBLE_PASO = 1u << 27;
inline constexpr uint32_t BIT_ENROQUE = 1u << 28;

inline int32_t Desde(uint32_t m) { return static_cast<int32_t>(m & 127); }
inline int32_t Hasta(uint32_t m) { return static_cast<int32_t>((m >> 7) & 127); }
inline int32_t Ficha(uint32_t m) { return static_cast<int32_t>((m >> 14) & 15); }
inline int32_t Captura(uint32_t m) { return static_cast<int32_t>((m >> 18) & 15); }
inline int32_t Corona(uint32_t m) { return static_cast<int32_t>((m >> 22) & 15); }
inline bool Es_Al_Paso(uint32_t m) { return (m & BIT_AL_PASO) != 0; }
inline bool Es_Doble_Paso(uint32_t m) { return (m & BIT_DOBLE_PASO) != 0; }
inline bool Es_Enroque(uint32_t m) { return (m & BIT_ENROQUE) != 0; }

inline uint32_t CrearJugada(int32_t desde, int32_t hasta, int32_t ficha, int32_t captura,
                            int32_t corona, uint32_t banderas = 0) {
    return static_cast<uint32_t>(desde) | static_cast<uint32_t>(hasta) << 7 |
           static_cast<uint32_t>(ficha) << 14 | static_cast<uint32_t>(captura) << 18 |
           static_cast<uint32_t>(corona) << 22 | banderas;
}

// Set of a code in Mapa_Pieza: 7 holds the empty squares, 0, 14 and 15 the codes that are no
// piece. The board only ever holds codes 0..15 (those of the 4-bit move fields); a test that
// writes another one sees it in the set of its low four bits.
inline int32_t IndiceMapa(int32_t p) { return p & 15; }

// Square s receives code p: Tablero and the square sets change together.
inline void EscribirCasilla(int32_t s, int32_t p) {
    Tipo_Tablero &t = TableroGlobal;
    const uint64_t bit = 1ull << s;
    t.Mapa_Pieza[IndiceMapa(t.Tablero[s])] ^= bit;
    t.Mapa_Pieza[IndiceMapa(p)] ^= bit;
    t.Tablero[s] = p;
}

// The square sets from Tablero: every writer of squares other than EscribirCasilla calls it.
void ReconstruirMapas();

// Squares of a side's codes (below 7 White, above 7 Black, impossible codes included) and of
// the pieces it can capture (its enemy's codes 1..6 or 8..13).
inline uint64_t MapaPropias(bool blancas) {
    const uint64_t *m = TableroGlobal.Mapa_Pieza;
    return blancas ? m[0] | m[1] | m[2] | m[3] | m[4] | m[5] | m[6]
                   : m[8] | m[9] | m[10] | m[11] | m[12] | m[13] | m[14] | m[15];
}
inline uint64_t MapaRivales(bool blancas) {
    const uint64_t *m = TableroGlobal.Mapa_Pieza;
    return blancas ? m[8] | m[9] | m[10] | m[11] | m[12] | m[13]
                   : m[1] | m[2] | m[3] | m[4] | m[5] | m[6];
}

// Move text: from-square and to-square ("e2e4"), then 'n', 'b', 'r' or 'q' for a promotion code
// of either colour; out has room for 6 characters.
void MovimientoCoordenadas(int32_t desde, int32_t hasta, int32_t corona, char *out);
// Standard algebraic notation ("Nf3", "exd5", "O-O", "e8=Q+", "Rae1"): the legal move of the
// current position that the text names, 0 when none or more than one.
uint32_t JugadaSan(const char *san);

// FEN loading and word helpers.
int32_t CargarFen(const char *texto);  // 1 when the board field was read
const char *Split_String(const char *texto, char *buffer);  // buffer of 80 bytes
int32_t Es_Numero(const char *texto);
// The value of a decimal number as a 64-bit conversion gives it (saturating beyond its range),
// low 32 bits kept: the numbers of FEN clocks, perft, "go" and "setoption".
int32_t ConvertirNumero(const char *texto);

// Keys.
void IniciarClaves(uint32_t semilla);  // srand(semilla), then draw every key
// The same draw from a generator of our own that gives glibc's rand sequence on every
// platform: bench's fixed keys, whatever the C library.
void IniciarClavesFijas(uint32_t semilla);
uint32_t CalcularClave();              // key of the current position from scratch

// Generation, attacks, make and unmake.
int32_t GenerarMovimientos(int32_t modo, Lista_Jugadas *lista);
int32_t JaqueBlancas(int32_t casilla);  // attacked by Black
int32_t JaqueNegras(int32_t casilla);   // attacked by White
// Nonzero when White's king (blanco) or Black's is attacked.
inline int32_t ReyAtacado(bool blanco) {
    const Tipo_Tablero &t = TableroGlobal;
    return blanco ? JaqueBlancas(t.Rey_Blanco) : JaqueNegras(t.Rey_Negro);
}
// Nonzero when the side to move is in check.
inline int32_t LadoEnJaque() { return ReyAtacado(TableroGlobal.Turno == 1); }
int32_t Jaque2(int32_t casilla);
int32_t Peon_Asalvo(int32_t casilla, int32_t lado);
int32_t HacerMovimiento(uint32_t jugada);  // 1 when the mover's king is safe afterwards
void DeshacerMovimiento();
// The undo record of a move (or of a null move, jugada 0): the state a move changes and
// its unmake cannot rebuild from the move word.
inline void GuardarDeshacer(Registro_Deshacer &r, uint32_t jugada) {
    const Tipo_Tablero &t = TableroGlobal;
    r.Clave = t.Clave;
    r.Jugada = jugada;
    r.Rey_Blanco = t.Rey_Blanco;
    r.Rey_Negro = t.Rey_Negro;
    r.Enroque_Blancas = t.Enroque_Blancas;
    r.Enroque_Negras = t.Enroque_Negras;
    r.Ficha_Al_Paso = t.Ficha_Al_Paso;
    r.Regla_50 = t.Regla_50;
}
inline void RestaurarDeshacer(const Registro_Deshacer &r) {
    Tipo_Tablero &t = TableroGlobal;
    t.Clave = r.Clave;
    t.Rey_Blanco = r.Rey_Blanco;
    t.Rey_Negro = r.Rey_Negro;
    t.Enroque_Blancas = r.Enroque_Blancas;
    t.Enroque_Negras = r.Enroque_Negras;
    t.Ficha_Al_Paso = r.Ficha_Al_Paso;
    t.Regla_50 = r.Regla_50;
}
// 1 while a make can still be taken back: a make at the top record does not raise
// Indice_Deshacer, so its unmake would restore the record below it instead.
inline int32_t CabeJugadaDePrueba() { return TableroGlobal.Indice_Deshacer < MAX_DESHACER - 1; }
void LlenarColorCasilla();

// Perft.
struct Estadisticas_Perft {
    uint32_t Nodos;
    int32_t Capturas, Capturas_Al_Paso, Enroques, Coronaciones;
};
extern int32_t PosicionesPorJugada;
void ComandoPerft(const char *resto);
int32_t MiniMax(int32_t ply, Estadisticas_Perft *est, uint32_t jugada);  // always 0

// Static exchange.
struct Registro_See {
    uint32_t Jugada;
    int32_t Rey_Blanco, Rey_Negro;
};
struct Pila_See {
    int32_t Num;
    Registro_See Capturas[40];
};
extern Pila_See SeeMove;
extern const int32_t Valor_See[16];
int32_t See(uint32_t jugada, int32_t lado);
uint32_t Obtener_Ataques_Menores(int32_t casilla, int32_t lado);
int32_t SeeHacerMovimiento(uint32_t jugada);
void SeeDeshacerMovimiento();
void LimpiarSee();

// Internal to board/.

// Larger of the file and the rank distance.
constexpr int32_t DistanciaRey(int32_t a, int32_t b) {
    int32_t df = (a & 7) - (b & 7), dr = (a >> 3) - (b >> 3);
    if (df < 0) df = -df;
    if (dr < 0) dr = -dr;
    return df > dr ? df : dr;
}

// Attack tests limited to what a change on square c can decide: the ray of casilla through c
// and a knight jump onto c. A square not attacked before the change is attacked after it
// exactly when one of these answers 1 for a changed square.
int32_t JaqueBlancasLinea(int32_t casilla, int32_t c);  // by Black
int32_t JaqueNegrasLinea(int32_t casilla, int32_t c);   // by White
// Squares that alone stand between the king of the side to move and an enemy bishop, rook
// or queen on its line: for a king not attacked, the only squares whose emptying exposes it.
uint64_t Clavadas();
// HacerMovimiento for a side whose king is not attacked before the move, given Clavadas() of
// the position: the same make and answer, with the safety test limited to the lines the move
// can open.
int32_t HacerMovimientoSinJaque(uint32_t jugada, uint64_t clavadas);
// The make and unmake of perft's last ply. The safety test after the make reads only the
// squares, their sets and the king squares, and the unmake follows at once, so these alone
// change: the key, history, undo record, counts, clock, castling and en-passant states and the
// side to move stay. The record holds what every leaf of one position starts from: its sets
// and king squares, restored by each unmake, and jaque and clavadas as MiniMax passes them to
// HacerMovimiento (in check) or HacerMovimientoSinJaque (not), whose answer HacerHoja gives.
struct Registro_Hojas {
    uint64_t Mapa_Pieza[16];
    int32_t Rey_Blanco, Rey_Negro;
    int32_t Jaque;
    uint64_t Clavadas;
};
// 1 when the moves here can be made by the leaf make, with r filled: the full make and unmake
// give every square back (an odd en-passant state from a FEN may not).
int32_t PrepararHojas(Registro_Hojas &r, int32_t jaque, uint64_t clavadas);
// The moves of GenerarMovimientos (all moves) for perft's last ply, in another order: first
// *sencillas moves and captures of knights, bishops, rooks, queens and the pawns that neither
// promote nor may take en passant, then the moves of the kings and of the other pawns. -1 when
// GenerarMovimientos and the full make must do it: a code that is no piece on the side to
// move's squares, a king to take, or a full list.
int32_t GenerarHojas(Lista_Jugadas *lista, int32_t *sencillas);
// HacerHoja and DeshacerHoja take any move of GenerarHojas, the Sencilla pair its first group.
int32_t HacerHoja(uint32_t jugada, const Registro_Hojas &r);
void DeshacerHoja(uint32_t jugada, const Registro_Hojas &r);
int32_t HacerHojaSencilla(uint32_t jugada, const Registro_Hojas &r);
void DeshacerHojaSencilla(uint32_t jugada, const Registro_Hojas &r);
// After the make of jugada (paso: Ficha_Al_Paso before it), LadoEnJaque() for a side that was
// not in check before that make.
int32_t DaJaque(uint32_t jugada, int32_t paso);
