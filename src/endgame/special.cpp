// Specialised evaluations of endings with very little material: mating nets, races of a piece
// against a lone pawn, a minor piece against a pawn, and the drawing rules of king and pawn.
#include "board/board.h"
#include "endgame/endgame.h"

// Throughout, s is the strong side (1 White, 0 Black) and its opponent the weak side; a value
// worked out for the strong side is returned as it is when s is to move, negated otherwise.

static inline Tipo_Lado &Lado(int32_t s) { return s == 1 ? Blancas : Negras; }
static inline int32_t Rey(int32_t s) {
    return s == 1 ? TableroGlobal.Rey_Blanco : TableroGlobal.Rey_Negro;
}
static inline int32_t Signo(int32_t v, int32_t s) { return TableroGlobal.Turno == s ? v : -v; }
static inline int32_t DistanciaReyes() {
    return DistanciaRey(TableroGlobal.Rey_Blanco, TableroGlobal.Rey_Negro);
}
static inline uint64_t Bit(int32_t c) { return uint64_t{1} << c; }

// The nets of equal or nearly equal material need the kings this close.
static constexpr int32_t RED_DISTANCIA = 2;
// KBNKMateTable's corner region of a bishop's colour: values from this up.
static constexpr int32_t ESQUINA_KBNK = 140;

// The single pawn of a side: the first filled slot of the files a to h, -1 when none.
static int32_t PrimerPeon(const Tipo_Lado &l) {
    for (int32_t f = 0; f < 8; f++) {
        if (l.Lista_Peones[f][0] >= 0) return l.Lista_Peones[f][0];
    }
    return -1;
}

// Squares of a pawn of side s: one step forward (White towards rank 8), its promotion square,
// the ranks it stands from its own first rank, and the squares from the step to promotion.
static inline int32_t Paso(int32_t s) { return s == 1 ? -8 : 8; }
static inline int32_t Coronacion(int32_t p, int32_t s) { return s == 1 ? (p & 7) : 56 + (p & 7); }
static inline int32_t Avance(int32_t p, int32_t s) { return s == 1 ? 7 - (p >> 3) : p >> 3; }
static uint64_t Camino(int32_t p, int32_t s) {
    uint64_t m = 0;
    for (int32_t c = p + Paso(s); c >= 0 && c < 64; c += Paso(s)) m |= Bit(c);
    return m;
}

// Bishop and knight against a bare king: to a corner of the bishop's colour.
static int32_t KBNK(int32_t s) {
    const int32_t color = TableroGlobal.Color_Casilla[Lado(s).Lista_Alfiles[0]];
    return Signo(KBNKMateTable[color][Rey(1 - s)] + VALOR_CABALLO + VALOR_ALFIL +
                     PushClose[DistanciaReyes()],
                 s);
}

// Queen against rook: the king to the edge, away from its rook.
static int32_t KQKR(int32_t s) {
    const int32_t rey = Rey(1 - s);
    return Signo(Rey_Tablero_Fin_Mate[rey] + VALOR_DAMA - VALOR_TORRE +
                     PushClose[DistanciaReyes()] +
                     PushAway[DistanciaRey(rey, Lado(1 - s).Lista_Torres[0])],
                 s);
}

// Rook and bishop, or rook and knight, against bishop.
static int32_t KRBKB(int32_t s) {
    return Signo(Rey_Tablero_Fin_Mate[Rey(1 - s)] + VALOR_TORRE + PushClose[DistanciaReyes()], s);
}

// Two bishops against bishop: only a net with the kings close, and even then the base is a
// bishop's worth below it, on purpose.
static int32_t KBBKB(int32_t s) {
    const int32_t d = DistanciaReyes();
    if (d > RED_DISTANCIA) return 0;
    return Signo(Rey_Tablero_Fin_Mate[Rey(1 - s)] - VALOR_ALFIL + PushClose[d], s);
}

// Rook and bishop against rook, two bishops against knight: a net with the kings close, the
// weak king away from its piece.
static int32_t RedCercana(int32_t s, int32_t pieza) {
    const int32_t d = DistanciaReyes(), rey = Rey(1 - s);
    if (d > RED_DISTANCIA) return 0;
    return Signo(Rey_Tablero_Fin_Mate[rey] + VALOR_ALFIL + PushClose[d] +
                     PushAway[DistanciaRey(rey, pieza)],
                 s);
}

// Equal material: the side to move (lado) attacks when the kings are close.
static int32_t RedSimetrica(int32_t lado, const int32_t *piezas, int32_t num) {
    const int32_t d = DistanciaReyes(), rey = Rey(1 - lado);
    if (d > RED_DISTANCIA) return 0;
    int32_t v = PushClose[d] + Rey_Tablero_Fin_Mate[rey];
    for (int32_t i = 0; i < num; i++) v += PushAway[DistanciaRey(rey, piezas[i])];
    return v;
}
static int32_t KQKQ(int32_t lado) { return RedSimetrica(lado, Lado(1 - lado).Lista_Damas, 1); }
static int32_t KRKR(int32_t lado) { return RedSimetrica(lado, Lado(1 - lado).Lista_Torres, 1); }
static int32_t KBBKBB(int32_t lado) {
    return RedSimetrica(lado, Lado(1 - lado).Lista_Alfiles, 2);
}

// Rook against bishop: only a king caught in a corner of its bishop's colour is lost.
static int32_t KRKB(int32_t s) {
    const int32_t c = TableroGlobal.Color_Casilla[Lado(1 - s).Lista_Alfiles[0]];
    const int32_t rey = Rey(1 - s), d = DistanciaReyes();
    if (KBNKMateTable[1 - c][rey] >= ESQUINA_KBNK || KBNKMateTable[c][rey] < ESQUINA_KBNK || d > 3)
        return 0;
    return Signo(PushClose[d] + KBNKMateTable[c][rey], s);
}

// Rook against knight: only a knight in a corner block, near the strong king and the rook.
static int32_t KRKN(int32_t s) {
    const int32_t caballo = Lado(1 - s).Lista_Caballos[0], rey = Rey(1 - s);
    if (KRKN_Table[caballo] != 0 || DistanciaRey(Rey(s), caballo) > 2 ||
        DistanciaRey(Lado(s).Lista_Torres[0], caballo) > 4)
        return 0;
    return Signo(Rey_Tablero_Fin_Mate[rey] + VALOR_PEON + PushClose[DistanciaRey(rey, caballo)], s);
}

// Queen (base VALOR_DAMA) or rook (VALOR_TORRE) on square pieza against the weak side's lone
// pawn.
static int32_t CarreraPeon(int32_t s, int32_t pieza, int32_t base) {
    const int32_t p = PrimerPeon(Lado(1 - s)), q = Coronacion(p, 1 - s);
    const int32_t rey = Rey(s), rey_debil = Rey(1 - s), d = DistanciaReyes();
    // 1. The strong king blocks the pawn.
    if (rey == p + Paso(1 - s)) return Signo(base + PushAway[d], s);
    // 2. A pawn without its king: caught, or it wins the race.
    if (DistanciaRey(rey_debil, p) > 2) {
        const int32_t pasos = DistanciaRey(p, q) + (TableroGlobal.Turno == s ? 1 : 0);
        if (DistanciaRey(pieza, q) <= pasos || DistanciaRey(rey, q) <= pasos)
            return Signo(base + PushAway[d], s);
        // The pawn queens: a queen less the pawn for the weak side.
        return Signo(-(VALOR_DAMA - VALOR_PEON), s);
    }
    // 3. A pawn next to its king is a draw once the strong king is too far to help.
    if (DistanciaRey(rey_debil, p) > 1 || d <= DistanciaRey(p, q)) return SIN_PUNTUACION;
    return 0;
}

// Bishop against the weak side's lone pawn: a draw once the bishop controls the pawn's path.
static int32_t KBKP(int32_t s) {
    const Tipo_Tablero &t = TableroGlobal;
    const int32_t alfil = Lado(s).Lista_Alfiles[0], p = PrimerPeon(Lado(1 - s));
    const int32_t rey = Rey(s), rey_debil = Rey(1 - s);
    // 1. Reach: the empty squares of each diagonal; the pawn first on one is taken.
    uint64_t alcance = 0;
    bool toca_peon = false;
    for (int32_t dir = 0; dir < 4; dir++) {
        for (int32_t k = 0; k < GEOMETRIA.Largo_Rayo[alfil][dir]; k++) {
            const int32_t c = GEOMETRIA.Rayo[alfil][dir][k];
            if (t.Tablero[c] != SIN_PIEZA) {
                toca_peon = toca_peon || c == p;
                break;
            }
            alcance |= Bit(c);
        }
    }
    if (toca_peon && t.Turno == s) return 0;
    // 2. The pawn is blocked by the king, or by the bishop out of the weak king's reach.
    const int32_t delante = p + Paso(1 - s);
    if (rey == delante || (alfil == delante && DistanciaRey(rey_debil, alfil) > 1)) return 0;
    // 3. The path is covered, unless the weak king chases the bishop from it alone.
    const bool acosado = DistanciaRey(rey_debil, alfil) <= 1 && DistanciaRey(rey, alfil) >= 2;
    if (!acosado && (alcance & Camino(p, 1 - s)) != 0) return 0;
    // 4. The pawn side is better by a bishop's worth.
    return Signo(-VALOR_ALFIL, s);
}

// Knight against the weak side's lone pawn, scored as the bishop is: a draw when the knight
// takes the pawn, the strong king blocks it, or a jump covers its path (unless the weak king
// chases the knight from it alone); otherwise the pawn runs and the pawn side is better.
static int32_t KNKP(int32_t s) {
    const Tipo_Tablero &t = TableroGlobal;
    const int32_t caballo = Lado(s).Lista_Caballos[0], p = PrimerPeon(Lado(1 - s));
    const int32_t rey = Rey(s), rey_debil = Rey(1 - s);
    // The jumps come with the edge rule: a knight always lands on the other colour.
    uint64_t alcance = 0;
    bool ataca = false;
    for (int32_t k = 0; k < GEOMETRIA.Num_Caballo[caballo]; k++) {
        const int32_t c = GEOMETRIA.Caballo[caballo][k];
        ataca = ataca || c == p;
        if (t.Tablero[c] == SIN_PIEZA) alcance |= Bit(c);
    }
    if (ataca && t.Turno == s) return 0;
    if (rey == p + Paso(1 - s)) return 0;
    const bool acosado = DistanciaRey(rey_debil, caballo) <= 1 && DistanciaRey(rey, caballo) >= 2;
    if (!acosado && (alcance & Camino(p, 1 - s)) != 0) return 0;
    return Signo(-VALOR_CABALLO, s);
}

// King and pawn against king: only the rook pawn with the defending king in its corner.
static int32_t KPK(int32_t s) {
    const int32_t p = PrimerPeon(Lado(s)), f = p & 7;
    if ((f == 0 || f == 7) && DistanciaRey(Rey(1 - s), Coronacion(p, s)) <= 1) return 0;
    return SIN_PUNTUACION;
}

// Bishop (base: the bishop and the pawn) or knight (the knight alone) and pawn against a bare
// king.
static int32_t KMPK(int32_t s) {
    const Tipo_Tablero &t = TableroGlobal;
    const Tipo_Lado &f = Lado(s);
    const bool alfil = f.Num_Alfiles == 1;
    const int32_t p = PrimerPeon(f), q = Coronacion(p, s), r = Avance(p, s);
    const int32_t rey = Rey(1 - s);
    const bool torre = (p & 7) == 0 || (p & 7) == 7;
    // 1. The rook pawn draws with a bishop of the wrong colour when the king stands in
    // front of the pawn or in the corner; with a knight, on the seventh with the king at the
    // corner.
    if (alfil && torre && t.Color_Casilla[f.Lista_Alfiles[0]] != t.Color_Casilla[q]) {
        const int32_t df = (rey & 7) - (p & 7), dr = (rey >> 3) - (p >> 3);
        const bool delante = s == 1 ? dr < 0 : dr > 0;
        if ((df >= -2 && df <= 2 && dr >= -2 && dr <= 2 && delante) || DistanciaRey(rey, q) <= 1)
            return 0;
    }
    if (!alfil && torre && r == 6 && DistanciaRey(rey, q) <= 1) return 0;
    // 2. The weak side to move.
    const int32_t base = alfil ? VALOR_ALFIL + VALOR_PEON : VALOR_CABALLO;
    const int32_t lejos = PushAway[DistanciaRey(rey, p)];
    const int32_t valor = alfil ? base + lejos : base;
    if (t.Turno != s) return -valor;
    // 3. The strong side to move; a pawn under attack adds its advance.
    if (Peon_Asalvo(p, s)) return base + lejos + PushAway[r];
    return valor;
}

// Bishop (side s) against knight and pawn: nothing with the bishop side to move. With the
// other side to move its pawn counts only when its own pieces guard it: a pawn the bishop
// side can take is no asset.
static int32_t KBKNP(int32_t s) {
    if (TableroGlobal.Turno == s) return 0;
    const int32_t p = PrimerPeon(Lado(1 - s));
    if (!Peon_Asalvo(p, s)) return 0;
    return PushAway[DistanciaRey(Rey(s), p)] + VALOR_PEON + PushAway[Avance(p, 1 - s)];
}

static constexpr int32_t Par(int32_t fuerte, int32_t debil) { return fuerte * 243 + debil; }

// The configurations with side s as the first one named (the strong side).
static int32_t Configuracion(int32_t fuerte, int32_t debil, int32_t s) {
    const Tipo_Lado &f = Lado(s), &d = Lado(1 - s);
    switch (Par(fuerte, debil)) {
        case Par(MAT("BN"), MAT("")): return KBNK(s);
        case Par(MAT("Q"), MAT("R")): return KQKR(s);
        case Par(MAT("RB"), MAT("B")):
        case Par(MAT("RN"), MAT("B")): return KRBKB(s);
        case Par(MAT("BB"), MAT("B")): return KBBKB(s);
        case Par(MAT("RB"), MAT("R")): return RedCercana(s, d.Lista_Torres[0]);
        case Par(MAT("BB"), MAT("N")): return RedCercana(s, d.Lista_Caballos[0]);
        case Par(MAT("Q"), MAT("Q")): return KQKQ(TableroGlobal.Turno);
        case Par(MAT("R"), MAT("R")): return KRKR(TableroGlobal.Turno);
        case Par(MAT("BB"), MAT("BB")): return KBBKBB(TableroGlobal.Turno);
        case Par(MAT("R"), MAT("B")): return KRKB(s);
        case Par(MAT("R"), MAT("N")): return KRKN(s);
        case Par(MAT("Q"), MAT("P")): return CarreraPeon(s, f.Lista_Damas[0], VALOR_DAMA);
        case Par(MAT("R"), MAT("P")): return CarreraPeon(s, f.Lista_Torres[0], VALOR_TORRE);
        case Par(MAT("B"), MAT("P")): return KBKP(s);
        case Par(MAT("N"), MAT("P")): return KNKP(s);
        case Par(MAT("P"), MAT("")): return KPK(s);
        case Par(MAT("BP"), MAT("")):
        case Par(MAT("NP"), MAT("")): return KMPK(s);
        case Par(MAT("B"), MAT("NP")): return KBKNP(s);
        default: return SIN_PUNTUACION;
    }
}

int32_t EvaluarFinalesDificiles() {
    const Tipo_Lado &b = Blancas, &n = Negras;
    const int32_t hb = b.Num_Peones + b.Num_Caballos + b.Num_Alfiles + b.Num_Torres + b.Num_Damas;
    const int32_t hn = n.Num_Peones + n.Num_Caballos + n.Num_Alfiles + n.Num_Torres + n.Num_Damas;
    // A rook or a queen, whatever beside, or two bishops alone, against a bare king.
    if (hn == 0 && (b.Num_Torres + b.Num_Damas > 0 || (hb == 2 && b.Num_Alfiles == 2)))
        return KXK(1);
    if (hb == 0 && (n.Num_Torres + n.Num_Damas > 0 || (hn == 2 && n.Num_Alfiles == 2)))
        return KXK(0);
    if (hb > 2 || hn > 2) return SIN_PUNTUACION;
    const int32_t blancas = CodigoMaterial(b.Num_Peones, b.Num_Caballos, b.Num_Alfiles,
                                           b.Num_Torres, b.Num_Damas);
    const int32_t negras = CodigoMaterial(n.Num_Peones, n.Num_Caballos, n.Num_Alfiles,
                                          n.Num_Torres, n.Num_Damas);
    const int32_t v = Configuracion(blancas, negras, 1);
    return v != SIN_PUNTUACION ? v : Configuracion(negras, blancas, 0);
}
