// Make and unmake. Squares change only through PonerPieza, QuitarPieza and MoverPieza, so
// Tablero, its square sets, the piece counts and (in the make) the key move together.
#include "board/board.h"

// Counts are kept for pawns to queens; kings and odd codes count into a sink.
static int32_t Sumidero;
// clang-format off
static int32_t *const CONTADOR[16] = {
    &Sumidero,          &Blancas.Num_Peones,  &Blancas.Num_Caballos, &Blancas.Num_Alfiles,
    &Blancas.Num_Torres, &Blancas.Num_Damas,  &Sumidero,             &Sumidero,
    &Negras.Num_Peones, &Negras.Num_Caballos, &Negras.Num_Alfiles,   &Negras.Num_Torres,
    &Negras.Num_Damas,  &Sumidero,            &Sumidero,             &Sumidero};
// clang-format on

// Key of piece p on square s; codes beyond the table contribute nothing.
static inline uint32_t Z(int32_t p, int32_t s) {
    return static_cast<uint32_t>(p) < 14 ? zobrist_Tablero[p][s] : 0u;
}

static inline bool Contable(int32_t p) {
    return (p >= PEON_B && p <= DAMA_B) || (p >= PEON_N && p <= DAMA_N);
}

static inline void PonerPieza(int32_t s, int32_t p, uint32_t &clave) {
    EscribirCasilla(s, p);
    (*CONTADOR[p & 15])++;
    clave ^= Z(p, s);
}

static inline void QuitarPieza(int32_t s, int32_t p, uint32_t &clave) {
    EscribirCasilla(s, SIN_PIEZA);
    (*CONTADOR[p & 15])--;
    clave ^= Z(p, s);
}

// Moves piece p (the one on desde) to hasta.
static inline void MoverPieza(int32_t desde, int32_t hasta, int32_t p, uint32_t &clave) {
    EscribirCasilla(hasta, p);
    EscribirCasilla(desde, SIN_PIEZA);
    clave ^= Z(p, desde) ^ Z(p, hasta);
}

static inline void MoverPieza(int32_t desde, int32_t hasta, uint32_t &clave) {
    MoverPieza(desde, hasta, TableroGlobal.Tablero[desde], clave);
}

// Castling state without one right; no rights and a castling made stay as they are.
static inline int32_t SinDerecho(int32_t estado, int32_t derecho) {
    return TieneDerecho(estado, ENROQUES) ? (estado & ~derecho) : estado;
}

// Key term of the two castling states.
static inline uint32_t TerminoEnroque(int32_t blancas, int32_t negras) {
    return zobrist_Tablero[SIN_PIEZA][63 - blancas] ^ zobrist_Tablero[SIN_PIEZA][negras];
}

// The make itself; true when the mover is White.
static inline __attribute__((always_inline)) bool Hacer(uint32_t m) {
    Tipo_Tablero &t = TableroGlobal;
    const int32_t desde = Desde(m), hasta = Hasta(m), ficha = Ficha(m);
    const int32_t captura = Captura(m), corona = Corona(m);
    const bool blanco = ficha < SIN_PIEZA;
    const int32_t pieza = t.Tablero[desde];
    uint32_t clave = t.Clave;

    // 1. Save what the unmake cannot rebuild from the move word.
    GuardarDeshacer(t.Pila_Deshacer[t.Indice_Deshacer], m);
    const int32_t enroque_b = t.Enroque_Blancas, enroque_n = t.Enroque_Negras;

    if (Es_Enroque(m)) {
        // 2. Castling: the rook first, by the to square and the colour.
        if (blanco && hasta == G1) {
            MoverPieza(H1, F1, clave);
            t.Rey_Blanco = G1;
            t.Enroque_Blancas = ENROCADO_CORTO;
        } else if (blanco && hasta == C1) {
            MoverPieza(A1, D1, clave);
            t.Rey_Blanco = C1;
            t.Enroque_Blancas = ENROCADO_LARGO;
        } else if (!blanco && hasta == G8) {
            MoverPieza(H8, F8, clave);
            t.Rey_Negro = G8;
            t.Enroque_Negras = ENROCADO_CORTO;
        } else if (!blanco && hasta == C8) {
            MoverPieza(A8, D8, clave);
            t.Rey_Negro = C8;
            t.Enroque_Negras = ENROCADO_LARGO;
        } else {
            Salir = 1;
        }
    } else {
        // 3. Rights lost by the piece leaving its square; a castling made never changes.
        switch (pieza) {
            case TORRE_B:
                if (desde == H1) t.Enroque_Blancas = SinDerecho(t.Enroque_Blancas, ENROQUE_CORTO);
                if (desde == A1) t.Enroque_Blancas = SinDerecho(t.Enroque_Blancas, ENROQUE_LARGO);
                break;
            case REY_B:
                t.Enroque_Blancas = SinDerecho(t.Enroque_Blancas, ENROQUES);
                t.Rey_Blanco = hasta;
                break;
            case TORRE_N:
                if (desde == H8) t.Enroque_Negras = SinDerecho(t.Enroque_Negras, ENROQUE_CORTO);
                if (desde == A8) t.Enroque_Negras = SinDerecho(t.Enroque_Negras, ENROQUE_LARGO);
                break;
            case REY_N:
                t.Enroque_Negras = SinDerecho(t.Enroque_Negras, ENROQUES);
                t.Rey_Negro = hasta;
                break;
            default: break;
        }
    }
    if (t.Enroque_Blancas != enroque_b || t.Enroque_Negras != enroque_n) {
        clave ^= TerminoEnroque(enroque_b, enroque_n) ^
                 TerminoEnroque(t.Enroque_Blancas, t.Enroque_Negras);
    }

    // 4. An ordinary capture leaves the to square before the mover arrives.
    const bool al_paso = Es_Al_Paso(m);
    if (captura < NINGUNA && !al_paso) {
        if (!Contable(captura)) Salir = 1;
        QuitarPieza(hasta, captura, clave);
    }

    // 5. The piece itself.
    MoverPieza(desde, hasta, pieza, clave);

    // 6. En-passant state; an en-passant capture removes the pawn beside the to square.
    const int32_t paso = t.Ficha_Al_Paso;
    if (paso != 0) clave ^= zobrist_Tablero[0][paso];
    t.Ficha_Al_Paso = 0;
    if (Es_Doble_Paso(m)) {
        t.Ficha_Al_Paso = hasta;
        clave ^= zobrist_Tablero[0][hasta];
    } else if (al_paso && paso != 0) {
        QuitarPieza(paso, blanco ? PEON_N : PEON_B, clave);
    }

    // 7. Promotion: the pawn on the to square turns into Corona.
    if (corona < NINGUNA) {
        if (!Contable(corona) || corona == PEON_B || corona == PEON_N) Salir = 1;
        QuitarPieza(hasta, blanco ? PEON_B : PEON_N, clave);
        PonerPieza(hasta, corona, clave);
    }

    // 8.-11. Side key, history, undo index, side to move.
    clave ^= zobrist_Turno[0];
    t.Clave = clave;
    if (t.Num_Historial < MAX_HISTORIAL) t.Historial_Claves[t.Num_Historial++] = clave;
    if (t.Indice_Deshacer < MAX_DESHACER - 1) t.Indice_Deshacer++;
    t.Turno = 1 - t.Turno;

    // 12. Pawn moves and captures reset the clock; otherwise it counts up without a cap.
    const bool reinicia = ficha == PEON_B || ficha == PEON_N || captura < NINGUNA || al_paso;
    t.Regla_50 = reinicia ? 0 : t.Regla_50 + 1;

    return blanco;
}

// 1 when the king of the side that moved (White when blanco) is not attacked.
static inline int32_t ReyASalvo(bool blanco) { return ReyAtacado(blanco) ? 0 : 1; }

int32_t HacerMovimiento(uint32_t m) {
    // 13. Legal when the mover's king is not attacked.
    return ReyASalvo(Hacer(m));
}

int32_t HacerMovimientoSinJaque(uint32_t m, uint64_t clavadas) {
    const Tipo_Tablero &t = TableroGlobal;
    const int32_t rey_b = t.Rey_Blanco, rey_n = t.Rey_Negro, paso = t.Ficha_Al_Paso;
    const bool blanco = Hacer(m);
    const int32_t rey = blanco ? t.Rey_Blanco : t.Rey_Negro;
    // A king that moved gets the whole test; otherwise only the lines through the squares
    // the move emptied can have opened onto it, and the from square only when it was the
    // last piece between the king and a slider.
    if (Es_Enroque(m) || rey != (blanco ? rey_b : rey_n)) return ReyASalvo(blanco);
    auto linea = [&](int32_t c) {
        return blanco ? JaqueBlancasLinea(rey, c) : JaqueNegrasLinea(rey, c);
    };
    if ((clavadas >> Desde(m) & 1) && linea(Desde(m))) return 0;
    if (Es_Al_Paso(m) && paso != 0 && linea(paso)) return 0;
    return 1;
}

int32_t PrepararHojas(Registro_Hojas &r, int32_t jaque, uint64_t clavadas) {
    const Tipo_Tablero &t = TableroGlobal;
    // An en-passant pawn that is not the opponent's, or an occupied square behind it: the full
    // make and unmake of that capture do not give the squares back as they were.
    const int32_t paso = t.Ficha_Al_Paso;
    if (paso != 0) {
        const bool blanco = t.Turno == 1;
        const int32_t detras = blanco ? paso - 8 : paso + 8;
        if (t.Tablero[paso] != (blanco ? PEON_N : PEON_B) || detras < 0 || detras > 63 ||
            t.Tablero[detras] != SIN_PIEZA)
            return 0;
    }
    for (int32_t i = 0; i < 16; i++) r.Mapa_Pieza[i] = t.Mapa_Pieza[i];
    r.Rey_Blanco = t.Rey_Blanco;
    r.Rey_Negro = t.Rey_Negro;
    r.Jaque = jaque;
    r.Clavadas = clavadas;
    return 1;
}

// Codes of a leaf's move: the to square's before it (7 when empty) and after it.
static inline int32_t Antes(uint32_t m) { return Captura(m) < NINGUNA ? Captura(m) : SIN_PIEZA; }
static inline int32_t Llega(uint32_t m) { return Corona(m) < NINGUNA ? Corona(m) : Ficha(m); }

// The sets and squares a leaf's move changes: the make's values, or with DESHACER the record's
// back. Each set is written from the record, not changed in place, so that no make waits for the
// last unmake's writes. SENCILLA: no promotion, en passant or castling.
template <bool DESHACER, bool SENCILLA>
static inline __attribute__((always_inline)) void CambiarHoja(uint32_t m,
                                                              const Registro_Hojas &r) {
    Tipo_Tablero &t = TableroGlobal;
    uint64_t *M = t.Mapa_Pieza;
    const uint64_t *o = r.Mapa_Pieza;
    const int32_t desde = Desde(m), hasta = Hasta(m), ficha = Ficha(m);
    const int32_t antes = Antes(m), llega = SENCILLA ? ficha : Llega(m);
    const uint64_t bd = DESHACER ? 0 : 1ull << desde, bh = DESHACER ? 0 : 1ull << hasta;
    // Where two of these are one set (Antes is 7 for a quiet move, Llega is Ficha unless it
    // promotes), the later write carries both changes.
    M[antes] = o[antes] ^ bh;
    if (!SENCILLA) M[llega] = o[llega] ^ bh;
    M[SIN_PIEZA] = o[SIN_PIEZA] ^ bd ^ (antes == SIN_PIEZA ? bh : 0);
    M[ficha] = o[ficha] ^ bd ^ (llega == ficha ? bh : 0);
    t.Tablero[hasta] = DESHACER ? antes : llega;
    t.Tablero[desde] = DESHACER ? ficha : SIN_PIEZA;
    if (SENCILLA) return;
    const bool blanco = ficha < SIN_PIEZA;
    if (Es_Al_Paso(m) && t.Ficha_Al_Paso != 0) {
        const int32_t paso = t.Ficha_Al_Paso, peon = blanco ? PEON_N : PEON_B;
        const uint64_t bp = DESHACER ? 0 : 1ull << paso;
        M[peon] = o[peon] ^ bp;
        M[SIN_PIEZA] ^= bp;
        t.Tablero[paso] = DESHACER ? peon : SIN_PIEZA;
    } else if (Es_Enroque(m)) {
        // The rook, from the corner beyond the to square to the square the king crossed.
        const int32_t torre = blanco ? TORRE_B : TORRE_N;
        const int32_t esquina = hasta > desde ? hasta + 1 : hasta - 2, cruce = (desde + hasta) / 2;
        const uint64_t bt = DESHACER ? 0 : 1ull << esquina | 1ull << cruce;
        M[torre] = o[torre] ^ bt;
        M[SIN_PIEZA] ^= bt;
        t.Tablero[esquina] = DESHACER ? torre : SIN_PIEZA;
        t.Tablero[cruce] = DESHACER ? SIN_PIEZA : torre;
    }
}

// 1 when emptying square c opened a line onto the mover's king (White's when blanco). Out of
// line: a pinned piece or an en-passant capture is the rare leaf.
__attribute__((noinline)) static int32_t AbreLinea(bool blanco, int32_t c) {
    const Tipo_Tablero &t = TableroGlobal;
    return blanco ? JaqueBlancasLinea(t.Rey_Blanco, c) : JaqueNegrasLinea(t.Rey_Negro, c);
}

// The safety tests: HacerMovimiento's in check, HacerMovimientoSinJaque's out of it.
int32_t HacerHoja(uint32_t m, const Registro_Hojas &r) {
    Tipo_Tablero &t = TableroGlobal;
    CambiarHoja<false, false>(m, r);
    const int32_t desde = Desde(m), ficha = Ficha(m), paso = t.Ficha_Al_Paso;
    const bool blanco = ficha < SIN_PIEZA;
    if (r.Jaque || ficha == REY_B || ficha == REY_N) {
        if (ficha == REY_B) t.Rey_Blanco = Hasta(m);
        if (ficha == REY_N) t.Rey_Negro = Hasta(m);
        return ReyASalvo(blanco);
    }
    if ((r.Clavadas >> desde & 1) && AbreLinea(blanco, desde)) return 0;
    if (Es_Al_Paso(m) && paso != 0 && AbreLinea(blanco, paso)) return 0;
    return 1;
}

void DeshacerHoja(uint32_t m, const Registro_Hojas &r) {
    CambiarHoja<true, false>(m, r);
    TableroGlobal.Rey_Blanco = r.Rey_Blanco;
    TableroGlobal.Rey_Negro = r.Rey_Negro;
}

int32_t HacerHojaSencilla(uint32_t m, const Registro_Hojas &r) {
    CambiarHoja<false, true>(m, r);
    const bool blanco = Ficha(m) < SIN_PIEZA;
    if (r.Jaque) [[unlikely]] return ReyASalvo(blanco);
    return (r.Clavadas >> Desde(m) & 1) && AbreLinea(blanco, Desde(m)) ? 0 : 1;
}

void DeshacerHojaSencilla(uint32_t m, const Registro_Hojas &r) { CambiarHoja<true, true>(m, r); }

void DeshacerMovimiento() {
    Tipo_Tablero &t = TableroGlobal;
    uint32_t sin_clave = 0;  // the unmake restores the saved key instead

    // 1.-3. The record of the last make, and the counters it raised.
    const int32_t k = t.Indice_Deshacer >= 1 ? t.Indice_Deshacer - 1 : 0;
    const Registro_Deshacer &r = t.Pila_Deshacer[k];
    const uint32_t m = r.Jugada;
    if (t.Num_Historial > 0) t.Num_Historial--;
    t.Indice_Deshacer = k;
    t.Turno = 1 - t.Turno;

    const int32_t desde = Desde(m), hasta = Hasta(m), ficha = Ficha(m);
    const int32_t captura = Captura(m), corona = Corona(m);
    const bool blanco = ficha < SIN_PIEZA;

    // 4. The castling rook goes back to its corner.
    if (Es_Enroque(m)) {
        if (blanco && hasta == G1) {
            MoverPieza(F1, H1, sin_clave);
        } else if (blanco && hasta == C1) {
            MoverPieza(D1, A1, sin_clave);
        } else if (!blanco && hasta == G8) {
            MoverPieza(F8, H8, sin_clave);
        } else if (!blanco && hasta == C8) {
            MoverPieza(D8, A8, sin_clave);
        } else {
            Salir = 1;
        }
    }

    // 5. The mover goes back.
    MoverPieza(hasta, desde, sin_clave);

    // 6. The captured piece comes back, beside the to square for en passant.
    if (Es_Al_Paso(m) && r.Ficha_Al_Paso != 0) {
        PonerPieza(r.Ficha_Al_Paso, blanco ? PEON_N : PEON_B, sin_clave);
    } else if (captura < NINGUNA) {
        if (!Contable(captura)) Salir = 1;
        PonerPieza(hasta, captura, sin_clave);
    }

    // 7. A promoted piece turns back into the pawn.
    if (corona < NINGUNA) {
        QuitarPieza(desde, corona, sin_clave);
        PonerPieza(desde, blanco ? PEON_B : PEON_N, sin_clave);
    }

    // 8. Everything else from the record, the key included.
    RestaurarDeshacer(r);
}
