// "setoption": every message and fallback, as seen by a later "uci".
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "uci/transcript.h"

namespace {

// The option lines printed by the final "uci" of a transcript (lines 3 to 10 of it).
std::vector<std::string> OpcionesFinales(const std::string &salida) {
    std::vector<std::string> l = Lineas(salida);
    if (l.size() < 11) return {};
    return std::vector<std::string>(l.end() - 9, l.end() - 1);
}

// Runs the commands, then "uci" and "quit"; returns the lines before the final reply
// and the eight option lines of it.
struct Resultado {
    std::vector<std::string> mensajes, opciones;
    int estado;
};
Resultado Probar(const std::string &comandos, const std::string &dir = "") {
    Transcripcion t = EjecutarMotor({{comandos + "uci\nquit\n", 0}}, 20000, dir);
    Resultado r;
    r.estado = t.estado;
    r.opciones = OpcionesFinales(t.salida);
    std::vector<std::string> l = Lineas(t.salida);
    if (l.size() >= 11) r.mensajes.assign(l.begin(), l.end() - 11);
    return r;
}

TEST(SetOption, HashSeRecortaAMilVeinticuatroYRechazaSignosYUnidades) {
    Resultado r = Probar("setoption name Hash value 2048\n");
    EXPECT_TRUE(r.mensajes.empty());
    EXPECT_EQ(r.opciones[0], "option name Hash type spin default 1024 min 1 max 1024");

    r = Probar(
        "setoption name Hash value -1\nsetoption name Hash value 64MB\n"
        "setoption name Hash value\n");
    EXPECT_EQ(r.mensajes, std::vector<std::string>(3, "info string Valor incorrecto para Hash."));
    EXPECT_EQ(r.opciones[0], "option name Hash type spin default 128 min 1 max 1024");

    // Zero is a number and is taken as it is until the next "isready".
    r = Probar("setoption name Hash value 0\n");
    EXPECT_EQ(r.opciones[0], "option name Hash type spin default 0 min 1 max 1024");
    r = Probar("setoption name Hash value 64\n");
    EXPECT_EQ(r.opciones[0], "option name Hash type spin default 64 min 1 max 1024");
}

TEST(SetOption, OwnBookLimitFueraDeRangoVuelveAOcho) {
    Resultado r = Probar("setoption name OwnBookLimit value 10\n");
    EXPECT_EQ(r.opciones[2], "option name OwnBookLimit type spin default 10 min 2 max 10");
    r = Probar("setoption name OwnBookLimit value 2\n");
    EXPECT_EQ(r.opciones[2], "option name OwnBookLimit type spin default 2 min 2 max 10");
    r = Probar("setoption name OwnBookLimit value 5\nsetoption name OwnBookLimit value 11\n");
    EXPECT_EQ(r.opciones[2], "option name OwnBookLimit type spin default 8 min 2 max 10");
    r = Probar("setoption name OwnBookLimit value 5\nsetoption name OwnBookLimit value 1\n");
    EXPECT_EQ(r.opciones[2], "option name OwnBookLimit type spin default 8 min 2 max 10");
    r = Probar("setoption name OwnBookLimit value diez\n");
    EXPECT_EQ(r.mensajes.at(0), "info string Valor incorrecto para OwnBookLimit.");
}

TEST(SetOption, CacheYCompresionDeLasTablas) {
    Resultado r = Probar(
        "setoption name GaviotaTbCache value 4\n"
        "setoption name GaviotaTbCompression value 9\n");
    EXPECT_EQ(r.opciones[6], "option name GaviotaTbCache type spin default 4 min 8 max 1024");
    EXPECT_EQ(r.opciones[7], "option name GaviotaTbCompression type spin default 9 min 0 max 9");

    r = Probar(
        "setoption name GaviotaTbCache value 1014\n"
        "setoption name GaviotaTbCache value 1015\n"
        "setoption name GaviotaTbCompression value 0\n"
        "setoption name GaviotaTbCompression value 10\n");
    EXPECT_TRUE(r.mensajes.empty());
    EXPECT_EQ(r.opciones[6], "option name GaviotaTbCache type spin default 32 min 8 max 1024");
    EXPECT_EQ(r.opciones[7], "option name GaviotaTbCompression type spin default 4 min 0 max 9");

    r = Probar(
        "setoption name GaviotaTbCache value x\n"
        "setoption name GaviotaTbCompression value -1\n");
    EXPECT_EQ(r.mensajes, (std::vector<std::string>{
                              "info string Valor incorrecto para GaviotaTbCache.",
                              "info string Valor incorrecto para GaviotaTbCompression."}));
}

TEST(SetOption, ShowPvYLasCasillasDistinguenMayusculas) {
    Resultado r = Probar("setoption name ShowPv value Full\n");
    EXPECT_EQ(r.opciones[3],
              "option name ShowPv type combo default Full var None var Middle var Full");
    r = Probar("setoption name ShowPv value None\n");
    EXPECT_EQ(r.opciones[3],
              "option name ShowPv type combo default None var None var Middle var Full");

    r = Probar(
        "setoption name ShowPv value none\nsetoption name OwnBook value True\n"
        "setoption name GaviotaTbUse value yes\n");
    EXPECT_EQ(r.mensajes,
              (std::vector<std::string>{"info string Valor incorrecto para ShowPv.",
                                        "info string Valor incorrecto para OwnBook.",
                                        "info string Valor incorrecto para GaviotaTbUse."}));
    EXPECT_EQ(r.opciones[3],
              "option name ShowPv type combo default Middle var None var Middle var Full");

    r = Probar("setoption name GaviotaTbUse value true\n");
    EXPECT_EQ(r.opciones[4], "option name GaviotaTbUse type check default true");
}

TEST(SetOption, NombresDesconocidosODeDosPalabrasNoHacenNada) {
    Resultado r = Probar(
        "setoption name Clear Hash\nsetoption name hash value 1\n"
        "setoption name Hash\nsetoption\n");
    // "name Hash" with nothing after it reads the value "empty", not a number.
    EXPECT_EQ(r.mensajes, std::vector<std::string>{"info string Valor incorrecto para Hash."});
    EXPECT_EQ(r.opciones[0], "option name Hash type spin default 128 min 1 max 1024");
}

TEST(SetOption, ValorDeMasDe252CaracteresTerminaSinMensaje) {
    // After "value" the rest of the line is a space and the value itself.
    std::string ok = "setoption name GaviotaTbPath value " + std::string(251, 'x') + "\n";
    std::string largo = "setoption name GaviotaTbPath value " + std::string(252, 'x') + "\n";
    Transcripcion t = EjecutarMotor(ok + "isready\nquit\n");
    EXPECT_NE(t.salida.find("readyok"), std::string::npos);
    t = EjecutarMotor(largo + "isready\nquit\n");
    EXPECT_EQ(t.salida, "");
    EXPECT_EQ(t.estado, 0);
}

TEST(SetOption, RutaVaciaEsEmptyYUnaRutaEscribibleGuardaLaListaEntera) {
    std::string dir = CrearDirectorioTemporal();
    Resultado r = Probar("setoption name GaviotaTbPath value\n", dir);
    EXPECT_EQ(r.opciones[5], "option name GaviotaTbPath type string default empty");

    // One directory missing, one writable: one error line, the whole list kept.
    std::string malo = dir + "/no_existe";
    std::string bueno = dir + "/tablas";
    std::filesystem::create_directory(bueno);
    r = Probar("setoption name GaviotaTbPath value " + malo + ";" + bueno + "/\n", dir);
    EXPECT_EQ(r.mensajes, std::vector<std::string>{"info string Valor incorrecto para "
                                                   "GaviotaTbPath. " +
                                                   malo + " "});
    EXPECT_EQ(r.opciones[5],
              "option name GaviotaTbPath type string default " + malo + ";" + bueno + "/");
    EXPECT_FALSE(std::filesystem::exists(bueno + "/acceso.txt")) << "the test file is removed";

    // No writable directory: the path is left empty.
    r = Probar("setoption name GaviotaTbPath value " + malo + "\n", dir);
    EXPECT_EQ(r.opciones[5], "option name GaviotaTbPath type string default ");
    BorrarDirectorio(dir);
}

TEST(SetOption, OwnBookVerdaderoSoloSiElLibroAbre) {
    std::string dir = CrearDirectorioTemporal();
    Resultado r = Probar("setoption name OwnBook value true\n", dir);
    EXPECT_EQ(r.opciones[1], "option name OwnBook type check default true");
    // The trial opening creates the book file when it is missing.
    EXPECT_TRUE(std::filesystem::exists(dir + "/Book.db"));
    BorrarDirectorio(dir);

    // A directory in the way of the file: the book cannot open and the option goes off,
    // so a second "uci" shows false as well.
    dir = CrearDirectorioTemporal();
    std::filesystem::create_directory(dir + "/Book.db");
    r = Probar("setoption name OwnBook value true\nuci\n", dir);
    EXPECT_EQ(r.opciones[1], "option name OwnBook type check default false");
    EXPECT_EQ(r.mensajes.at(3), "option name OwnBook type check default false");
    BorrarDirectorio(dir);
}

}  // namespace
