#include "common/texto.h"

#include "common/error.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace ph;

struct CasoTexto {
    const char* funcion;
    std::string entrada;
    long cuenta;
    std::string esperado;
};
void PrintTo(const CasoTexto& c, std::ostream* os) { *os << c.funcion << "(\"" << c.entrada << "\")"; }

class TextoCasos : public ::testing::TestWithParam<CasoTexto> {};

TEST_P(TextoCasos, DaLoEsperado) {
    const auto& c = GetParam();
    std::string f = c.funcion, r;
    if (f == "AllTrim") r = AllTrim(c.entrada);
    else if (f == "LTrim") r = LTrim(c.entrada);
    else if (f == "RTrim") r = RTrim(c.entrada);
    else if (f == "Left") r = Left(c.entrada, c.cuenta);
    else if (f == "Right") r = Right(c.entrada, c.cuenta);
    else if (f == "Iniciales") r = Iniciales(c.entrada);
    EXPECT_EQ(r, c.esperado) << f << "(\"" << c.entrada << "\", " << c.cuenta << ")";
}

INSTANTIATE_TEST_SUITE_P(
    Ejemplos, TextoCasos,
    ::testing::Values(
        CasoTexto{"AllTrim", "  Aula 3  ", 0, "Aula 3"},
        CasoTexto{"AllTrim", "     ", 0, ""},
        CasoTexto{"AllTrim", "", 0, ""},
        CasoTexto{"AllTrim", "\tAula\t", 0, "\tAula\t"},
        CasoTexto{"AllTrim", "\xC2\xA0" "Aula ", 0, "\xC2\xA0" "Aula"},  // no-break space stays
        CasoTexto{"LTrim", "  a b  ", 0, "a b  "},
        CasoTexto{"RTrim", "  a b  ", 0, "  a b"},
        CasoTexto{"RTrim", "a\n ", 0, "a\n"},
        CasoTexto{"Left", "ABCDEFGHIJKL", 8, "ABCDEFGH"},
        CasoTexto{"Left", "ABC", 3, "ABC"},
        CasoTexto{"Left", "ABC", 10, "ABC"},
        CasoTexto{"Left", "ABC", 0, ""},
        CasoTexto{"Left", "ABC", -2, ""},
        CasoTexto{"Left", "Matemàtiques", 6, "Matemà"},  // counts characters, not bytes
        CasoTexto{"Right", "ABCDEFGHIJKL", 2, "KL"},
        CasoTexto{"Right", "ABC", 3, "ABC"},
        CasoTexto{"Right", "ABC", 0, ""},
        CasoTexto{"Right", "Educació", 2, "ió"},
        CasoTexto{"Iniciales", "", 0, ""},
        CasoTexto{"Iniciales", "Matemàtiques", 0, ""},
        CasoTexto{"Iniciales", "Lengua Castellana y Literatura", 0, "CL"},
        CasoTexto{"Iniciales", "Ciencias de la Naturaleza", 0, "N"},
        CasoTexto{"Iniciales", "Taller de TIC", 0, "T"},
        CasoTexto{"Iniciales", "Lengua  B", 0, " B"},
        CasoTexto{"Iniciales", "Historia ", 0, ""},
        CasoTexto{"Iniciales", "Educació Física i Esport", 0, "FE"},
        CasoTexto{"Iniciales", "Tutoria amb Àngels", 0, "À"}));

TEST(Texto, CadaUnidadDeCodigoCuentaComoUnCaracter) {
    EXPECT_EQ(Longitud("Música"), 6);
    EXPECT_EQ(Longitud("\xF0\x9F\x98\x80"), 2);  // one character outside the BMP: two units
    EXPECT_EQ(MayusculasAscii("Música"), "MúSICA");
}

TEST(Texto, QuitarControlesQuitaTodoHastaElBlanco) {
    EXPECT_EQ(QuitarControles("\t A1 \r\n"), "A1");
    EXPECT_EQ(QuitarControles("\x01\x1F"), "");
}

TEST(Texto, EnteroDeTexto) {
    EXPECT_EQ(EnteroDeTexto(" 1"), 1);
    EXPECT_EQ(EnteroDeTexto("08"), 8);
    EXPECT_EQ(EnteroDeTexto("-5"), -5);
    for (const char* malo : {"", " ", "8:", "x1", "1 ", "99999999999"}) {
        EXPECT_THROW(EnteroDeTexto(malo), Error) << malo;
    }
    try {
        EnteroDeTexto("8:");
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("8:"), std::string::npos);
    }
}
