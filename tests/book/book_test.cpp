// The opening book: "go" and "book" against books of every kind, and the book builder.
#include <sqlite3.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "book/book.h"
#include "book/builder.h"
#include "support/process.h"
#include "support/transcript.h"
#include "uci/uci.h"

namespace {

// A fresh directory whose Book.db is "missing", "no table", "foreign" (other tables, a Book
// without Partida), "not sqlite", "corrupt" (table pages unreadable), "schema" (the schema page
// unreadable), a "directory", or else a table Book of lineas.
std::string DirectorioConLibro(const std::string &clase, std::vector<std::string> lineas = {}) {
    const std::string dir = CrearDirectorioTemporal(), ruta = dir + "/Book.db";
    if (clase == "not sqlite") std::ofstream(ruta) << std::string(600, 'x');
    if (clase == "directory") std::filesystem::create_directory(ruta);
    if (clase == "missing" || clase == "not sqlite" || clase == "directory") return dir;
    std::string sql = clase == "no table" ? "PRAGMA user_version = 7;"
                      : clase == "foreign"
                          ? "CREATE TABLE Games (Pgn); CREATE TABLE Book (Titulo);"
                          : "PRAGMA page_size = 512; CREATE TABLE Book (Partida);";
    if (clase == "corrupt" || clase == "schema") lineas.assign(300, "e2e4 e7e5 g1f3 b8c6 f1b5");
    for (const std::string &l : lineas) {
        sql += "INSERT INTO Book VALUES ('";
        for (char c : l) sql += c == '\'' ? std::string("''") : std::string(1, c);
        sql += "');";
    }
    sqlite3 *db = nullptr;
    sqlite3_open(ruta.c_str(), &db);
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sql;
    sqlite3_close(db);
    // The second page is the table's first: overwritten, every read of a row fails.
    if (clase == "corrupt")
        std::fstream(ruta, std::ios::in | std::ios::out).seekp(512) << std::string(512, '\xff');
    // The file header is kept; the schema on the rest of the first page is not.
    if (clase == "schema")
        std::fstream(ruta, std::ios::in | std::ios::out).seekp(100) << std::string(412, '\xff');
    return dir;
}

// Dialogo in dir with OwnBook on.
std::vector<std::string> Respuestas(const std::string &dir, const std::string &comandos) {
    return Dialogo("setoption name OwnBook value true\n" + comandos + "quit\n", dir);
}

// A "position" from the start with the moves, then a short "go".
std::string Ir(const std::string &j) { return "position startpos moves " + j + "\ngo depth 3\n"; }
const std::string INICIO = "position startpos\ngo depth 3\n";
const std::string PRUEBAS = INICIO + Ir("e2e4") + "book\nuci\n";

// The lines of a source as the builder keeps them (duplicates and prefixes merged, in move-text
// order), and the rejections in the order they came; read in blocks of 7 bytes, so that every
// construct also meets a block's end. The book tool's test decides --min-games.
std::pair<std::vector<std::string>, std::vector<std::string>> LeerFuente(const std::string &t) {
    std::vector<std::string> lineas;
    std::istringstream entrada(t);
    Lector_Fuente f;
    AbrirFuente(f, entrada, "in", 7);
    Arbol_Libro arbol;
    std::vector<uint16_t> jugadas;
    while (SiguienteJugadas(f, 16, jugadas)) AnadirLinea(arbol, jugadas);
    for (uint32_t n : LineasLibro(arbol, 1)) lineas.push_back(TextoLinea(arbol, n));
    return {lineas, f.Rechazos};
}

TEST(Libro, GoYBookSegunElLibro) {
    const std::string no = "Libro de apertura cargado: No.", codigo = "C\363digo de error: ",
                      error = "Error en el libro de apertura.", en = "Apertura incorrecta en: ",
                      analiza = "Analizando libro de aperturas...", s = "search",
                      bien = "Libro de apertura correcto.", info = "info string ",
                      corrupto = "Error: Libro de aperturas corrupto.",
                      uci = "option name OwnBook type check default ";
    // 20 plies in 99 characters; its prefixes are games of any length.
    const std::vector<std::string> b = {"e2e4 e7e5 g1f3", "e2e4 x%_\\ d2d4", "e2e4 x'y d2d4",
                                        "d2d4 d7d5", "E2E4 C7C5 G1F3", DanzaDeCaballos(20)};
    const struct {
        const char *clase;
        std::vector<std::string> libro;
        std::string comandos;
        std::vector<std::string> respuestas;
    } casos[] = {
        // As LIKE matches: ASCII case ignored, '%' and '_' as wildcards, a backslash as itself.
        // A quote continues no line, nor does a text that stops inside a move or after a space.
        {"lines", b, Ir("e2e4 e7e5") + Ir("e2e4 x%_\\") + Ir("e2e4 c7c5") + Ir("e2e4 E7E5") +
                         Ir("e2e4 _7e5"), {"g1f3", "d2d4", "G1F3", "g1f3", "g1f3"}},
        {"lines", b, Ir("e2e4 x'y") + Ir("e2e4 %") + Ir("e2e4 ' OR 1 OR '") + Ir("e2e4 e7") +
                         Ir("e2e4 e7e5 "), {s, s, s, s, s}},
        // Out of book until the next "position"; a line that ends where the game stands.
        {"lines", b, Ir("a2a3") + "go depth 3\n" + Ir("e2e4 e7e5") + Ir("d2d4 d7d5"),
         {s, s, "g1f3", s}},
        // OwnBookLimit 2 and 8 let texts shorter than 20 and 80 characters in; never after a FEN.
        {"lines", b, "setoption name OwnBookLimit value 2\n" + Ir(DanzaDeCaballos(4)) +
                         Ir(DanzaDeCaballos(5)), {"g1f3", s}},
        {"lines", b, Ir(DanzaDeCaballos(16)) + Ir(DanzaDeCaballos(17)) +
                         Ir("e2e4 " + std::string(200, 'x')), {"g1f3", s, s}},
        {"lines", b, "position fen rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1 moves "
                     "e2e4\ngo depth 3\n", {s}},
        // A single line is played from the start; no line at all leaves it to the search.
        {"lines", {"c2c4 e7e5"}, INICIO, {"c2c4"}},
        {"lines", {}, INICIO + "book\n", {s, analiza, bien}},
        {"lines", {"e2e4 e7e5 g1f3", "e2e4 e7e5 e4e5 b8c6"}, "book\nisready\n",
         {analiza, info + "Movimiento ilegal: e4e5", info + "Enroque Blancas: 3",
          info + "Enroque Negras: 3", info + "Ficha al Paso: 28",
          info + "Posici\363n Rey Blanco: 60", info + "Posici\363n Rey Negro: 4", error,
          codigo + "100", en + "e2e4 e7e5 e4e5 b8c6", "readyok"}},
        {"lines", {"d2d4", "d2d4 e7e8q"}, "book\n",
         {analiza, error, codigo + "100", en + "d2d4 e7e8q"}},
        // The first move is the first four characters; each later one follows a space.
        {"lines", {"e2e4x e7e5 g1f3", "d2d4d7d5"}, "book\n", {analiza, bien}},
        // Books that cannot serve: a search at the start position and later, and the check.
        // "uci" keeps OwnBook on while the book opens; switched off, it is not tried.
        {"missing", {}, PRUEBAS, {s, s, analiza, corrupto, uci + "true"}},
        {"no table", {}, PRUEBAS, {s, s, analiza, corrupto, uci + "true"}},
        {"foreign", {}, PRUEBAS, {s, s, analiza, corrupto, uci + "true"}},
        // A statement that did not prepare is stepped all the same: SQLite's misuse code.
        {"not sqlite", {}, PRUEBAS, {s, s, analiza, error, codigo + "21", en, uci + "true"}},
        {"schema", {}, PRUEBAS, {s, s, analiza, error, codigo + "21", en, uci + "true"}},
        {"corrupt", {}, PRUEBAS, {error, codigo + "11", s, error, codigo + "11", s, analiza, error,
                                  codigo + "11", en, uci + "true"}},
        {"directory", {}, PRUEBAS + Ir("e2e4"), {no, s, no, s, analiza, no, s}},
    };
    for (const auto &c : casos) {
        const std::string dir = DirectorioConLibro(c.clase, c.libro);
        EXPECT_EQ(Respuestas(dir, c.comandos), c.respuestas) << c.clase << "\n" << c.comandos;
        EXPECT_TRUE(std::filesystem::exists(dir + "/Book.db")) << "a missing book is created";
        BorrarDirectorio(dir);
    }
    // The default book, built next to the engine, is correct.
    EXPECT_EQ(Respuestas(std::filesystem::path(VANTOR_BIN).parent_path(), "book\n"),
              (std::vector<std::string>{analiza, bien}));
    // At the start position, one of the first moves of the lines, at random.
    const std::set<std::string> primeras = {"e2e4", "d2d4", "c2c4", "g1f3", "b1c3"};
    std::string treinta;
    for (int i = 0; i < 30; i++) treinta += INICIO;
    const std::string d = DirectorioConLibro("", {"e2e4 e7e5", "d2d4", "c2c4 c5", "g1f3", "b1c3"});
    const std::vector<std::string> r = Respuestas(d, treinta);
    BorrarDirectorio(d);
    EXPECT_EQ(r.size(), 30u);
    for (const std::string &m : r) EXPECT_EQ(primeras.count(m), 1u) << m;
    EXPECT_GT(std::set<std::string>(r.begin(), r.end()).size(), 1u);
}

TEST(FuenteLibro, PgnTsvYCoordenadasRepetidasPorElMotor) {
    const std::string ilegal = "' is illegal, ambiguous or unreadable";
    const struct { std::string texto; std::vector<std::string> lineas, rechazos; } casos[] = {
        // Tags, comments, variations, NAGs, results; both castlings, en passant, check and mate
        // marks, knights told apart by file and by rank, and a promotion that ends the line.
        {"[Event \"a \\\"]\" ]\n\n1. e4 {two\nlines} e5 (1... c5 2. Nf3 (2. c3 d5) d6)\n2. Nf3 "
         "$1 Nc6 3. Bb5!? Nf6 4. O-O 1-0\n1.d4 d5 2. Nc3 Nc6 3. Bf4 Bf5 4. Qd2 Qd7 5. O-O-O O-O-O\n"
         "*[Event \"b\"]\n1. e4 Nf6 2. e5 d5 3. exd6 ; en passant\n3... exd6 0-1 1. e4 d5 2. Bb5+\n"
         "c6 [Event \"c\"] 1. e4 e5 2. Bc4 Nc6 3. Qh5 Nf6 4. Qxf7# 1-0\n"
         "1. d4 d5 2. Nf3 Nf6 3. Nbd2 *\n"
         "1. e4 c6 2. d4 d5 3. Nd2 dxe4 4. Nxe4 Bf5 5. Ng5 Bg6 6. N1f3 h6 *\n"
         "1. e4 d5 2. exd5 c6 3. dxc6 Nf6 4. cxb7 Nbd7 5. bxa8=Q Nb6 *",
         {"d2d4 d7d5 b1c3 b8c6 c1f4 c8f5 d1d2 d8d7 e1c1 e8c8", "d2d4 d7d5 g1f3 g8f6 b1d2",
          "e2e4 c7c6 d2d4 d7d5 b1d2 d5e4 d2e4 c8f5 e4g5 f5g6 g1f3 h7h6",
          "e2e4 d7d5 e4d5 c7c6 d5c6 g8f6 c6b7 b8d7", "e2e4 d7d5 f1b5 c7c6",
          "e2e4 e7e5 f1c4 b8c6 d1h5 g8f6 h5f7", "e2e4 e7e5 g1f3 b8c6 f1b5 g8f6 e1g1",
          "e2e4 g8f6 e4e5 d7d5 e5d6 e7d6"},
         {}},
        // A byte-order mark; coordinate moves in movetext, with SAN, up to a promotion.
        {"\xEF\xBB\xBF[Event \"x\"]\n1. e4 e5 *\n1. g1f3 c7c5 2. e2e4 Nc6 3. d2d4 c5d4 *\n"
         "1. e2e4 d7d5 2. e4d5 c7c6 3. d5c6 g8f6 4. c6b7 b8d7 5. b7a8q *\n1. e2e4 e7e4 *",
         {"e2e4 d7d5 e4d5 c7c6 d5c6 g8f6 c6b7 b8d7", "e2e4 e7e5", "g1f3 c7c5 e2e4 b8c6 d2d4 c5d4"},
         {"in:5: move 2 'e7e4" + ilegal}},
        {"\xEF\xBB\xBF" "e2e4 e7e5\n", {"e2e4 e7e5"}, {}},
        {"eco\tname\tpgn\nA00\tAmar\t1. Nh3 d5 2. g3 e5 3. f4\nB00\tshort row\n",
         {"g1h3 d7d5 g2g3 e7e5 f2f4"}, {"in:3: no pgn column in this row"}},
        {"eco\tname\nA00\tAmar\n", {}, {"in:1: no column named pgn in the header"}},
        {"e2e4 e7e5 g1f3\n\nd2d4 d7d5 e2e4 d5e4\ne2e4 e7e5 e1e2 e8e7 e2e4\n",
         {"d2d4 d7d5 e2e4 d5e4", "e2e4 e7e5 g1f3"}, {"in:4: move 5 'e2e4" + ilegal}},
        // Own pawn on d2, two knights for d2, no such square: the input line and move named.
        {"1. e4 e5 2. Nf3 Nc6\n3. Nd2 *\n1. d4 d5 2. Nf3 Nf6 3. Nd2 *\n1. e4 e5\n2. Qh9 *", {},
         {"in:2: move 5 'Nd2" + ilegal, "in:3: move 5 'Nd2" + ilegal,
          "in:5: move 3 'Qh9" + ilegal}},
    };
    IniciarMotor(3, 1);
    for (const auto &c : casos) {
        const auto [lineas, rechazos] = LeerFuente(c.texto);
        EXPECT_EQ(lineas, c.lineas) << c.texto.substr(0, 60);
        EXPECT_EQ(rechazos, c.rechazos) << c.texto.substr(0, 60);
    }
}

// vantor-book run in dir with the arguments: its exit status; what it printed goes to *salida.
int Construir(const std::string &dir, std::vector<std::string> args, std::string *salida) {
    args.emplace(args.begin(), VANTOR_BOOK_BIN);
    return Correr(args, salida, 60000, 5000, dir).estado;
}

TEST(HerramientaLibro, EscribeSoloLibrosCompletos) {
    const std::string dir = CrearDirectorioTemporal();
    std::ofstream(dir + "/a.pgn") << "1. e4 e5 2. Nf3 *\n1. e4 e5 *\n1. e4 e5 2. Nf3 *\n1. d4 Nf3";
    std::string s;
    EXPECT_EQ(Construir(dir, {"Book.db", "a.pgn", "no_such.pgn"}, &s), 1);
    EXPECT_FALSE(std::filesystem::exists(dir + "/Book.db"));
    EXPECT_EQ(Construir(dir, {"--plies", "2", "Book.db", "a.pgn"}, &s), 0);
    EXPECT_EQ(Respuestas(dir, Ir("e2e4")), std::vector<std::string>{"e7e5"});
    EXPECT_EQ(Construir(dir, {"Book.db", "a.pgn"}, &s), 1);  // an existing book is kept
    EXPECT_EQ(Construir(dir, {"--force", "Book.db", "a.pgn"}, &s), 0);
    EXPECT_EQ(s.substr(0, s.find('\n')), "Book.db: 4 lines read, 1 written, 1 rejected, 2 "
                                          "duplicates or prefixes dropped");
    EXPECT_EQ(Respuestas(dir, Ir("e2e4 e7e5")), std::vector<std::string>{"g1f3"});
    // Nf3 was played in two games: out of a book of moves played in three.
    EXPECT_EQ(Construir(dir, {"--force", "--min-games", "0", "Book.db", "a.pgn"}, &s), 2);
    EXPECT_EQ(Construir(dir, {"--force", "--min-games", "3", "Book.db", "a.pgn"}, &s), 0);
    EXPECT_EQ(Respuestas(dir, Ir("e2e4") + Ir("e2e4 e7e5")),
              (std::vector<std::string>{"e7e5", "search"}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 2);  // no temporary
    BorrarDirectorio(dir);
}

}  // namespace
