// Rooms stage: AULAT rows and their short codes.
#include "apoyo/tablas_prueba.h"

#include "common/texto.h"
#include "import/codigos.h"
#include "import/etapas.h"

#include <set>

using namespace ph;
using namespace ph::prueba;

namespace {

Atributos Aula(const std::string& codigo, const std::string& nombre = "Aula") {
    return {{"codigo", codigo}, {"nombre", nombre}};
}

class Aulas : public EtapaPrueba {
protected:
    std::vector<Fila> Ejecutar(const std::vector<Atributos>& aulas) {
        Centro(Seccion("aulas", "aula", aulas));
        TransformarAulas(ctx);
        return Leer(TablaAULAT());
    }
};

struct CasoAulas {
    const char* nombre;
    std::vector<Atributos> aulas;
    std::vector<std::string> abrevs;
};
void PrintTo(const CasoAulas& c, std::ostream* os) { *os << c.nombre; }

class CodigosAula : public Aulas, public ::testing::WithParamInterface<CasoAulas> {};

TEST_P(CodigosAula, ABREV) {
    const auto filas = Ejecutar(GetParam().aulas);
    EXPECT_EQ(Columna(filas, "ABREV"), GetParam().abrevs);
}

std::vector<Atributos> Copias(const std::string& codigo, int n) { return std::vector<Atributos>(size_t(n), Aula(codigo)); }

INSTANTIATE_TEST_SUITE_P(
    Casos, CodigosAula,
    ::testing::Values(
        CasoAulas{"SeccionVacia", {}, {}},
        CasoAulas{"UnaSolaAula", {Aula("A12")}, {"A12"}},
        CasoAulas{"RepetidasNumeradas", Copias("A12", 3), {"A12", "A121", "A122"}},
        CasoAulas{"SinDistinguirMayusculas", {Aula("a12"), Aula("A12"), Aula("a12")}, {"a12", "A121", "a122"}},
        CasoAulas{"NumeroYaDadoSeSalta", {Aula("A121"), Aula("A12"), Aula("A12")}, {"A121", "A12", "A122"}},
        CasoAulas{"SinCodigoCuatroDelNombre",
                  {Aula("", " Laboratori de Física "), Aula(" ", "Laboratori 2"), Aula("", "Gim")},
                  {"Labo", "Labo1", "Gim"}},
        CasoAulas{"LargoUnicoSeCortaYNumera", {Aula("LABORATORIO2"), Aula("LABORATORIO3")}, {"LABORATO1", "LABORATO2"}},
        CasoAulas{"DiezCaracteresRepetido", Copias("AULA000001", 3), {"AULA000001", "AULA00001", "AULA00002"}},
        CasoAulas{"OnceCaracteresRepetido", Copias("ABCDEFGHIJK", 2), {"ABCDEFGH1", "ABCDEFGH2"}},
        CasoAulas{"CadaCodigoNumeraPorSuCuenta",
                  {Aula("ABCDEFGHIJK"), Aula("ZBCDEFGHIJK"), Aula("ABCDEFGHIJK"), Aula("ZBCDEFGHIJK"), Aula("B1"),
                   Aula("B1")},
                  {"ABCDEFGH1", "ZBCDEFGH1", "ABCDEFGH2", "ZBCDEFGH2", "B1", "B11"}},
        CasoAulas{"LargoNumeradoSaltaLosDados",
                  {Aula("ABCDEFGH1"), Aula("ABCDEFGHIJK"), Aula("abcdefghXYZ")},
                  {"ABCDEFGH1", "ABCDEFGH2", "abcdefgh3"}},
        CasoAulas{"NumeroDeTresCifrasCortaLaBase",
                  Copias("ABCDEFGHIJK", 101),
                  [] {
                      std::vector<std::string> v;
                      for (int k = 1; k <= 99; ++k) v.push_back("ABCDEFGH" + std::to_string(k));
                      v.push_back("ABCDEFG100");
                      v.push_back("ABCDEFG101");
                      return v;
                  }()}),
    [](const ::testing::TestParamInfo<CasoAulas>& i) { return std::string(i.param.nombre); });

TEST_F(Aulas, FilasDeAULAT) {
    const std::string nombre85 = Repetir("Sala ", 17);
    const auto filas = Ejecutar({Aula(" A12 ", " Aula 12 "), Aula("", "Laboratori"),
                                 Aula("AULA-DE-MUSICA-PLANTA-2", nombre85)});
    ASSERT_EQ(filas.size(), 3u);
    EXPECT_EQ(filas[0].at("ABREV"), "A12");
    EXPECT_EQ(filas[0].at("NOMBRE"), "Aula 12");
    EXPECT_EQ(filas[0].at("ABREV_ITACA"), "A12");
    EXPECT_EQ(filas[0].at("EDIFICIO"), "");
    EXPECT_EQ(filas[0].at("DEPCENTRO"), "");
    EXPECT_EQ(filas[1].at("ABREV"), "Labo");
    EXPECT_EQ(filas[1].at("ABREV_ITACA"), "");
    EXPECT_EQ(filas[2].at("ABREV"), "AULA-DE-1");
    EXPECT_EQ(filas[2].at("ABREV_ITACA"), "AULA-DE-MUSICA-PLANT");
    EXPECT_EQ(filas[2].at("NOMBRE"), nombre85.substr(0, 79));  // 80 characters, the last a blank
}

TEST_F(Aulas, MuchasAulasConCodigosLargosQuedanUnicas) {
    // Codes that all share their first 8 characters, also in another letter case.
    std::vector<Atributos> aulas;
    for (int i = 0; i < 1500; ++i) aulas.push_back(Aula((i % 2 ? "LABORATORI-" : "laboratori-") + std::to_string(i % 5)));
    const auto abrevs = Columna(Ejecutar(aulas), "ABREV");
    ASSERT_EQ(abrevs.size(), 1500u);
    std::set<std::string> vistos;
    for (const std::string& a : abrevs) {
        EXPECT_LE(Longitud(a), 10) << a;
        EXPECT_TRUE(vistos.insert(SinMayusculas(a)).second) << "repetido: " << a;
    }
    // The number grows to four digits and the base shrinks to keep 10 characters.
    EXPECT_EQ(abrevs[98], "laborato99");
    EXPECT_EQ(abrevs[99], "LABORAT100");
    EXPECT_EQ(abrevs[1499], "LABORA1500");
}

}  // namespace
