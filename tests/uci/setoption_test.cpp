// "setoption": every message and fallback, as seen by a later "uci".
#include <gtest/gtest.h>

#include <filesystem>

#include "uci/transcript.h"

namespace {

// Runs the commands, then "uci" and "quit": the lines before the final reply and the
// eight option lines of it.
struct Resultado {
    std::vector<std::string> mensajes, opciones;
};
Resultado Probar(const std::string &comandos, const std::string &dir = "") {
    Transcripcion t = EjecutarMotor({{comandos + "uci\nquit\n"}}, 20000, dir);
    std::vector<std::string> l = Lineas(t.salida);
    Resultado r;
    r.opciones.resize(8);
    if (t.estado != 0 || l.size() < 11) return r;
    r.mensajes.assign(l.begin(), l.end() - 11);
    r.opciones.assign(l.end() - 9, l.end() - 1);
    return r;
}

std::string Error(const std::string &opcion) {
    return "info string Valor incorrecto para " + opcion + ".";
}

TEST(SetOption, MensajesYValoresDeRepuesto) {
    const std::string spin = " type spin default ";
    const struct {
        std::string comandos;
        std::vector<std::string> mensajes;
        size_t opcion;
        std::string linea;
    } casos[] = {
        {"name Hash value 2048", {}, 0, "Hash" + spin + "1024 min 1 max 1024"},
        {"name Hash value -1\nsetoption name Hash value 64MB\nsetoption name Hash value",
         {Error("Hash"), Error("Hash"), Error("Hash")}, 0, "Hash" + spin + "128 min 1 max 1024"},
        {"name Hash value 0", {}, 0, "Hash" + spin + "0 min 1 max 1024"},
        {"name OwnBookLimit value 10", {}, 2, "OwnBookLimit" + spin + "10 min 2 max 10"},
        {"name OwnBookLimit value 5\nsetoption name OwnBookLimit value 11", {}, 2,
         "OwnBookLimit" + spin + "8 min 2 max 10"},
        {"name OwnBookLimit value 5\nsetoption name OwnBookLimit value 1", {}, 2,
         "OwnBookLimit" + spin + "8 min 2 max 10"},
        {"name OwnBookLimit value diez", {Error("OwnBookLimit")}, 2,
         "OwnBookLimit" + spin + "8 min 2 max 10"},
        {"name GaviotaTbCache value 4", {}, 6, "GaviotaTbCache" + spin + "4 min 8 max 1024"},
        {"name GaviotaTbCache value 1015", {}, 6, "GaviotaTbCache" + spin + "32 min 8 max 1024"},
        {"name GaviotaTbCache value x", {Error("GaviotaTbCache")}, 6,
         "GaviotaTbCache" + spin + "32 min 8 max 1024"},
        {"name GaviotaTbCompression value 9", {}, 7,
         "GaviotaTbCompression" + spin + "9 min 0 max 9"},
        {"name GaviotaTbCompression value 10", {}, 7,
         "GaviotaTbCompression" + spin + "4 min 0 max 9"},
        {"name GaviotaTbCompression value -1", {Error("GaviotaTbCompression")}, 7,
         "GaviotaTbCompression" + spin + "4 min 0 max 9"},
        {"name ShowPv value Full", {}, 3,
         "ShowPv type combo default Full var None var Middle var Full"},
        {"name ShowPv value none\nsetoption name OwnBook value True\n"
         "setoption name GaviotaTbUse value yes",
         {Error("ShowPv"), Error("OwnBook"), Error("GaviotaTbUse")}, 3,
         "ShowPv type combo default Middle var None var Middle var Full"},
        {"name GaviotaTbUse value true", {}, 4, "GaviotaTbUse type check default true"},
        {"name GaviotaTbPath value", {}, 5, "GaviotaTbPath type string default empty"},
        // Two-word and unknown names do nothing; "name Hash" alone reads the value "empty".
        {"name Clear Hash\nsetoption name hash value 1\nsetoption name Hash\nsetoption",
         {Error("Hash")}, 0, "Hash" + spin + "128 min 1 max 1024"},
    };
    for (const auto &c : casos) {
        Resultado r = Probar("setoption " + c.comandos + "\n");
        EXPECT_EQ(r.mensajes, c.mensajes) << c.comandos;
        EXPECT_EQ(r.opciones[c.opcion], "option name " + c.linea) << c.comandos;
    }
}

TEST(SetOption, ValorDeMasDe252CaracteresTerminaSinMensaje) {
    const std::string ruta = "setoption name GaviotaTbPath value ";
    Transcripcion t = EjecutarMotor(ruta + std::string(251, 'x') + "\nisready\nquit\n");
    EXPECT_NE(t.salida.find("readyok"), std::string::npos);
    t = EjecutarMotor(ruta + std::string(252, 'x') + "\nisready\nquit\n");
    EXPECT_EQ(t.salida, "");
    EXPECT_EQ(t.estado, 0);
}

TEST(SetOption, UnaRutaEscribibleGuardaLaListaEntera) {
    // One directory missing, one writable: one error line, the whole list kept.
    std::string dir = CrearDirectorioTemporal();
    std::string malo = dir + "/no_existe", bueno = dir + "/tablas";
    std::filesystem::create_directory(bueno);
    Resultado r = Probar("setoption name GaviotaTbPath value " + malo + ";" + bueno + "/\n", dir);
    EXPECT_EQ(r.mensajes, std::vector<std::string>{Error("GaviotaTbPath") + " " + malo + " "});
    EXPECT_EQ(r.opciones[5],
              "option name GaviotaTbPath type string default " + malo + ";" + bueno + "/");
    EXPECT_FALSE(std::filesystem::exists(bueno + "/acceso.txt")) << "the test file is removed";

    // No writable directory: the path is left empty.
    r = Probar("setoption name GaviotaTbPath value " + malo + "\n", dir);
    EXPECT_EQ(r.opciones[5], "option name GaviotaTbPath type string default ");
    BorrarDirectorio(dir);
}

}  // namespace
