// The evaluation driver: material, phase, cache, terms, blend, imbalance and scaling.
#include <cstring>

#include "endgame/endgame.h"
#include "eval/eval.h"

int32_t AJUSTE_MOB[2];
int32_t AJUSTE_ATT[2];

void Material(Tipo_Lado &p, const Tipo_Lado &r) {
    int32_t peones = p.Num_Peones < 0 ? 0 : (p.Num_Peones > 8 ? 8 : p.Num_Peones);
    int32_t material = VALOR_PEON * p.Num_Peones + VALOR_CABALLO * p.Num_Caballos +
                       VALOR_ALFIL * p.Num_Alfiles + VALOR_TORRE * p.Num_Torres +
                       VALOR_DAMA * p.Num_Damas;
    int32_t ajuste = CABALLO_ADJ[peones] * p.Num_Caballos - TORRE_ADJ[peones] * p.Num_Torres;
    if (p.Num_Caballos >= 2) ajuste -= 10;
    if (p.Num_Torres >= 2) ajuste -= 5;
    if (p.Num_Damas >= 1) ajuste -= 5 * (r.Num_Caballos + r.Num_Alfiles);
    p.Puntos_Apertura = material + ajuste;
    p.Puntos_Final = material + ajuste;
    if (p.Num_Alfiles >= 2) {
        p.Puntos_Apertura += 50;
        p.Puntos_Final += 60;
    }
}

// Mobility at the side's weight, tropism at a fixed 20 percent.
static void Ponderar(Tipo_Lado &p, int32_t lado) {
    p.Puntos_Apertura += Porcentaje(p.Movilidad_Apertura, AJUSTE_MOB[lado]) +
                         Porcentaje(p.Tropismo_Apertura, 20);
    p.Puntos_Final += Porcentaje(p.Movilidad_Final, AJUSTE_MOB[lado]) +
                      Porcentaje(p.Tropismo_Final, 20);
}

// The attack counts only with two attackers and a queen.
static void AtaqueRey(Tipo_Lado &p, int32_t lado) {
    if (p.Atacantes_Rey < 2) return;
    if (p.Ataque_Rey > 399) p.Ataque_Rey = 399;
    int32_t valor = 0;
    if (p.Num_Damas >= 1)
        valor = KING_ATTACK_MULTI[p.Ataque_Rey];
    else
        p.Ataque_Rey = 0;
    valor = Porcentaje(valor, AJUSTE_ATT[lado]);
    p.Puntos_Apertura += valor;
    p.Puntos_Final += valor;
}

// Index of a difference into the imbalance table: 4 = equal.
static inline int32_t IndiceDesequilibrio(int32_t dif) {
    if (dif < -3) return 0;
    return dif + 4 > 8 ? 8 : dif + 4;
}

static inline int32_t Reconocidos() {
    const Tipo_Lado &b = Blancas, &n = Negras;
    return FinalesReconocidos(b.Num_Peones, b.Num_Caballos, b.Num_Alfiles, b.Num_Torres,
                              b.Num_Damas, n.Num_Peones, n.Num_Caballos, n.Num_Alfiles,
                              n.Num_Torres, n.Num_Damas);
}

// Evaluations worked out lately, by a 64-bit fingerprint of everything an evaluation reads: the
// square sets, the side to move, both castling states and the four weights. An entry keeps the
// top 48 bits of the fingerprint over the score (16 bits, for the side to move), so a found
// one is the evaluation itself and the score is the same whether it is found or worked out. It
// serves only where the evaluation cache is off (Hash below 32 MB): there it spares the repeats
// (3% of the instructions at 16 MB); beside the cache its misses cost more than it saves.
// 256 KB, as a larger table won instructions but lost speed to memory.
static uint64_t EVALUACIONES[1 << 15];

void OlvidarEvaluaciones() { std::memset(EVALUACIONES, 0, sizeof(EVALUACIONES)); }

static uint64_t HuellaPosicion() {
    const Tipo_Tablero &t = TableroGlobal;
    uint64_t h = static_cast<uint64_t>(t.Turno) | static_cast<uint64_t>(t.Enroque_Blancas) << 8 |
                 static_cast<uint64_t>(t.Enroque_Negras) << 16 |
                 static_cast<uint64_t>(AJUSTE_MOB[0] ^ AJUSTE_MOB[1] << 8) << 24 |
                 static_cast<uint64_t>(AJUSTE_ATT[0] ^ AJUSTE_ATT[1] << 8) << 44;
    for (const uint64_t mapa : t.Mapa_Pieza) {
        h = (h ^ mapa) * 0x9E3779B97F4A7C15ull;
        h ^= h >> 29;
    }
    h *= 0xBF58476D1CE4E5B9ull;
    // Never the empty entry's.
    return (h ^ h >> 32) | uint64_t(1) << 63;
}

static int32_t EvaluacionCompleta();

int32_t Evaluar() {
    Tipo_Tablero &t = TableroGlobal;
    Tipo_Lado &b = Blancas, &n = Negras;

    // 1. Phase: 24 with every piece on the board, 0 with pawns and kings only.
    int32_t fase = b.Num_Caballos + n.Num_Caballos + b.Num_Alfiles + n.Num_Alfiles +
                   2 * (b.Num_Torres + n.Num_Torres) + 4 * (b.Num_Damas + n.Num_Damas);
    t.Fase = fase < 0 ? 0 : (fase > 24 ? 24 : fase);

    // 2. Cache probe: scores are stored from White's point of view.
    int32_t guardada;
    const int32_t cache = LeerCacheEvaluacion(t.Clave, &guardada);
    if (cache == 1) return t.Turno == 1 ? guardada : -guardada;
    if (cache == 0) return EvaluacionCompleta();

    // 3. Without the cache, the same evaluation worked out lately.
    constexpr uint64_t PUNTOS = 0xFFFF;
    const uint64_t huella = HuellaPosicion() & ~PUNTOS;
    uint64_t &hecha = EVALUACIONES[huella >> 49];
    if ((hecha & ~PUNTOS) == huella) return static_cast<int16_t>(hecha & PUNTOS);
    const int32_t puntos = EvaluacionCompleta();
    hecha = huella | static_cast<uint16_t>(puntos);
    return puntos;
}

// Steps 4 to 19 of Evaluar.
static int32_t EvaluacionCompleta() {
    Tipo_Tablero &t = TableroGlobal;
    Tipo_Lado &b = Blancas, &n = Negras;

    // 4. Clear the work fields, keeping the piece counts. Only the terms below read them,
    // so a cache hit leaves them as the last full evaluation did.
    LimpiarPuntuacion(0);

    // 5. Material.
    Material(b, n);
    Material(n, b);

    // 6. Opening patterns.
    PatronesApertura();

    // 7. Board scan.
    EvaluarPiezasTableroJuego();

    // 8. Endgame gate; none of these returns goes through the cache.
    if (t.Fase <= 9) {
        int32_t menores_b = b.Num_Caballos + b.Num_Alfiles;
        int32_t menores_n = n.Num_Caballos + n.Num_Alfiles;
        int32_t pesadas = b.Num_Peones + n.Num_Peones + b.Num_Torres + n.Num_Torres +
                          b.Num_Damas + n.Num_Damas;
        if (pesadas == 0 && menores_b + menores_n == 0) return 0;
        if (pesadas == 0 && menores_b <= 1 && menores_n <= 1) return 0;
        if (Reconocidos() == ESCALA_TABLAS) return 0;
        int32_t especial = EvaluarFinalesDificiles();
        if (especial != SIN_PUNTUACION) return especial;
    }

    // 9. Pawn structure and rooks.
    EvaluarPeonesB();
    EvaluarPeonesN();
    EvaluarTorreB();
    EvaluarTorreN();

    // 10. King safety, islands, threats and piece patterns. Per side: pawn threats, knight
    // threats, then the knight patterns, White first. A side's threats set the enemy's
    // Defensa_Casilla to -1 where they score, and that side's trapped-knight test reads the
    // enemy's Defensa_Casilla, so a pawn guard already hit by a pawn threat no longer counts
    // as doubly defended. Only the threats of the same side matter to that test, so running
    // Black's pawn threats before or after White's knight patterns gives the same score.
    EvaluarReyB();
    EvaluarReyN();
    EvaluarReyFinal();
    IslasPeones();
    AmenazasPeonB();
    AmenazasCaballoB();
    PatronesCaballoB();
    AmenazasPeonN();
    AmenazasCaballoN();
    PatronesCaballoN();
    AmenazasAlfilB();
    PatronesAlfilB();
    AmenazasAlfilN();
    PatronesAlfilN();
    AmenazasTorreB();
    AmenazasTorreN();
    AmenazasDamaB();
    AmenazasDamaN();
    AmenazasReyB();
    AmenazasReyN();

    return CerrarEvaluacion();
}

// Steps 11 to 19 of Evaluar: weights, king attack, tempo, blend, imbalance, scaling,
// clamp and cache store, from the side records as the terms left them.
int32_t CerrarEvaluacion() {
    Tipo_Tablero &t = TableroGlobal;
    Tipo_Lado &b = Blancas, &n = Negras;

    // 11. Mobility and tropism weights.
    Ponderar(b, 1);
    Ponderar(n, 0);

    // 12. King attack, White first.
    AtaqueRey(b, 1);
    AtaqueRey(n, 0);

    // 13. Tempo.
    Tipo_Lado &mueve = t.Turno == 1 ? b : n;
    mueve.Puntos_Apertura += 5;
    mueve.Puntos_Final += 10;

    // 14. Blend by phase; single-precision 1/24 is 11184811 / 2^28, slightly above 1/24.
    static_assert(1.0f / 24.0f == 11184811.0f / 268435456.0f);
    int32_t mezcla = (b.Puntos_Apertura - n.Puntos_Apertura) * t.Fase +
                     (b.Puntos_Final - n.Puntos_Final) * (24 - t.Fase);
    int32_t puntos = EscalarExacto(mezcla, 11184811, 28);

    // 15. Imbalance of major against minor pieces.
    int32_t mayor = (b.Num_Torres - n.Num_Torres) + 2 * (b.Num_Damas - n.Num_Damas);
    int32_t menor = (b.Num_Caballos - n.Num_Caballos) + (b.Num_Alfiles - n.Num_Alfiles);
    puntos += imbalance[IndiceDesequilibrio(mayor)][IndiceDesequilibrio(menor)];

    // 16. Drawish material scales the score; 0 changes nothing here.
    int32_t escala = Reconocidos();
    if (escala != ESCALA_TABLAS && escala != ESCALA_NORMAL) puntos = Porcentaje(puntos, escala);

    // 17. Clamp below the mate scores and inside 16 bits.
    if (puntos > UMBRAL_MATE) puntos = UMBRAL_MATE;
    if (puntos < -UMBRAL_MATE) puntos = -UMBRAL_MATE;

    // 18. Cache store, always overwriting.
    GuardarCacheEvaluacion(t.Clave, puntos);

    // 19. From the side to move's point of view.
    return t.Turno == 1 ? puntos : -puntos;
}
