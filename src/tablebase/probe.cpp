// The probe of the current position: the board encoded for the library, its answer as a score.
#include "board/board.h"
#include "tablebase/tablebase.h"

// Engine square (a8 = 0) to the library's square (a1 = 0).
static constexpr int32_t Flip3[64] = {
    56, 57, 58, 59, 60, 61, 62, 63,
    48, 49, 50, 51, 52, 53, 54, 55,
    40, 41, 42, 43, 44, 45, 46, 47,
    32, 33, 34, 35, 36, 37, 38, 39,
    24, 25, 26, 27, 28, 29, 30, 31,
    16, 17, 18, 19, 20, 21, 22, 23,
     8,  9, 10, 11, 12, 13, 14, 15,
     0,  1,  2,  3,  4,  5,  6,  7,
};

int32_t SondearTablas(int32_t dura, int32_t *puntuacion) {
    const Tipo_Tablero &t = TableroGlobal;
    const int32_t hombres = 2 + Blancas.Num_Peones + Blancas.Num_Caballos + Blancas.Num_Alfiles +
                            Blancas.Num_Torres + Blancas.Num_Damas + Negras.Num_Peones +
                            Negras.Num_Caballos + Negras.Num_Alfiles + Negras.Num_Torres +
                            Negras.Num_Damas;
    const uint32_t disp = tbprobe_Gaviota.Disponibles;
    if (!((disp & 1 && hombres <= 3) || (disp & 4 && hombres <= 4) ||
          (disp & 16 && hombres <= 5))) {
        return 0;
    }
    const int32_t lado = t.Turno == 1 ? 0 : 1;
    unsigned al_paso = 64;
    if (t.Ficha_Al_Paso != 0) {
        al_paso = static_cast<unsigned>(t.Turno == 1 ? Flip3[t.Ficha_Al_Paso - 8]
                                                     : Flip3[t.Ficha_Al_Paso + 8]);
    }
    // The library's castling bits: White king side 8, queen side 4, Black 2 and 1.
    const auto derechos = [](int32_t estado, unsigned corto, unsigned largo) {
        unsigned bits = 0;
        if (TieneDerecho(estado, ENROQUE_CORTO)) bits += corto;
        if (TieneDerecho(estado, ENROQUE_LARGO)) bits += largo;
        return bits;
    };
    const unsigned enroque = derechos(t.Enroque_Blancas, 8, 4) + derechos(t.Enroque_Negras, 2, 1);

    // Square and piece lists per colour, a8 to h1, closed by 64 and 0.
    unsigned cas_b[17], cas_n[17];
    unsigned char pie_b[17], pie_n[17];
    int nb = 0, nn = 0;
    for (int s = 0; s < 64; s++) {
        const int32_t p = t.Tablero[s];
        if (p >= PEON_B && p <= REY_B && nb < 16) {
            cas_b[nb] = static_cast<unsigned>(Flip3[s]);
            pie_b[nb++] = static_cast<unsigned char>(p);
        } else if (p >= PEON_N && p <= REY_N && nn < 16) {
            cas_n[nn] = static_cast<unsigned>(Flip3[s]);
            pie_n[nn++] = static_cast<unsigned char>(p - 7);
        }
    }
    cas_b[nb] = 64;
    cas_n[nn] = 64;
    pie_b[nb] = 0;
    pie_n[nn] = 0;

    const Tb_Prueba sonda = dura ? tb_probe_hard : tb_probe_soft;
    if (sonda == nullptr) return 0;
    unsigned info = 7, plies = 0;
    if (sonda(static_cast<unsigned>(lado), al_paso, enroque, cas_b, cas_n, pie_b, pie_n, &info,
              &plies) != 1)
        return 0;

    tbprobe_Gaviota.Aciertos++;
    const int32_t d = static_cast<int32_t>(plies);
    // A win in d plies scores one below a mate at the root.
    constexpr int32_t GANA = MATE - 1;
    if (info == 1) *puntuacion = t.Turno == 1 ? GANA - d : d - GANA;
    else if (info == 2) *puntuacion = t.Turno == 0 ? GANA - d : d - GANA;
    else *puntuacion = 0;
    return 1;
}

