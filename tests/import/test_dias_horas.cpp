// CrearDiasHoras: the frame of days and sessions from the session lines.
#include "apoyo/tablas_prueba.h"
#include "transfer/dias_horas.h"

#include "apoyo/cli_prueba.h"
#include "common/error.h"
#include "import/etapas.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace ph;
using namespace ph::prueba;

namespace {

using Lista = std::vector<std::string>;

class DiasHoras : public ::testing::Test {
protected:
    CarpetaTemporal stemp;
    std::vector<Fila> Crear(const Lista& lineas, const std::string& resultado = "P1",
                            const std::string& idioma = "VALENCIÁ") {
        CrearDiasHoras(stemp.ruta(), lineas, resultado, idioma);
        return LeerTabla(stemp.ruta(), "DIASHORAST");
    }
};

const Lista kSeis{" 1 de 08:00 a 08:55", " 2 de 08:55 a 09:50", " 3 de 09:50 a 10:45",
                  " 4 de 11:15 a 12:10", " 5 de 12:10 a 13:05", " 6 de 13:05 a 14:00"};

TEST_F(DiasHoras, SieteFilasPorLineaLineaALinea) {
    const auto filas = Crear(kSeis);
    ASSERT_EQ(filas.size(), 42u);
    for (size_t i = 0; i < filas.size(); ++i) {
        const std::string dia = std::to_string(i % 7 + 1), hora = std::to_string(i / 7 + 1);
        EXPECT_EQ(filas[i].at("DIA"), dia) << i;
        EXPECT_EQ(filas[i].at("HORA"), hora) << i;
        EXPECT_EQ(filas[i].at("DIHO"), dia + hora) << i;
        EXPECT_EQ(filas[i].at("CODDIHO"), "") << i;
        EXPECT_EQ(filas[i].at("MARCO"), "0") << i;
        EXPECT_EQ(filas[i].at("MARCOXML"), "P1") << i;
    }
    const Fila esperada{{"DIHO", "74"},          {"CODDIHO", ""},          {"DIA", "7"},
                        {"TEXTODIA", "Diumenge"}, {"HORA", "4"},            {"TEXTOHOR", "4-11:15-12:10"},
                        {"HORADESDE", "11:15"},   {"HORAHASTA", "12:10"},   {"MINUTOS", "55"},
                        {"MARCO", "0"},           {"MARCOXML", "P1"},       {"SESION_ORDEN", "4"}};
    EXPECT_EQ(filas[27], esperada);
}

TEST_F(DiasHoras, LaDecimaLineaDaDihoDe110) {
    Lista lineas;
    for (int i = 1; i <= 10; ++i) lineas.push_back((i < 10 ? " " : "") + std::to_string(i) + " de 08:00 a 08:55");
    const auto filas = Crear(lineas);
    ASSERT_EQ(filas.size(), 70u);
    EXPECT_EQ(filas[63].at("DIHO"), "110");
    EXPECT_EQ(filas[63].at("TEXTOHOR"), "10-08:00-08:55");
}

struct CasoLinea {
    std::string linea;
    std::string textohor, desde, hasta, minutos, orden;
};
void PrintTo(const CasoLinea& c, std::ostream* os) { *os << c.linea; }

class UnaLinea : public DiasHoras, public ::testing::WithParamInterface<CasoLinea> {};

TEST_P(UnaLinea, SeLeePorPosicion) {
    const CasoLinea& c = GetParam();
    const auto filas = Crear({c.linea});
    ASSERT_EQ(filas.size(), 7u);
    EXPECT_EQ(filas[0].at("TEXTOHOR"), c.textohor);
    EXPECT_EQ(filas[0].at("HORADESDE"), c.desde);
    EXPECT_EQ(filas[0].at("HORAHASTA"), c.hasta);
    EXPECT_EQ(filas[0].at("MINUTOS"), c.minutos);
    EXPECT_EQ(filas[0].at("SESION_ORDEN"), c.orden);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, UnaLinea,
    ::testing::Values(CasoLinea{" 1 de 08:00 a 08:55", "1-08:00-08:55", "08:00", "08:55", "55", "1"},
                      CasoLinea{"12 de 23:30 a 00:15", "12-23:30-00:15", "23:30", "00:15", "-1395", "12"},
                      CasoLinea{" 3 de 10:00 a 10:00", "3-10:00-10:00", "10:00", "10:00", "0", "3"},
                      // A blank before a one-digit hour still reads as a number.
                      CasoLinea{" 4 de  9:05 a  9:50", "4- 9:05- 9:50", " 9:05", " 9:50", "45", "4"}));

TEST_F(DiasHoras, LosHuecosDelOrdenConservanElLugarEnHora) {
    const auto filas = Crear({" 1 de 08:00 a 08:55", " 2 de 08:55 a 09:50", " 4 de 10:45 a 11:40"});
    ASSERT_EQ(filas.size(), 21u);
    EXPECT_EQ((Lista{filas[0].at("HORA"), filas[7].at("HORA"), filas[14].at("HORA")}), (Lista{"1", "2", "3"}));
    EXPECT_EQ((Lista{filas[0].at("SESION_ORDEN"), filas[7].at("SESION_ORDEN"), filas[14].at("SESION_ORDEN")}),
              (Lista{"1", "2", "4"}));
    EXPECT_EQ(filas[14].at("TEXTOHOR").substr(0, 2), "4-");
}

struct CasoIdioma {
    std::string idioma;
    Lista dias;
};
void PrintTo(const CasoIdioma& c, std::ostream* os) { *os << c.idioma; }

const Lista kCastellano{"Lunes", "Martes", "Miércoles", "Jueves", "Viernes", "Sábado", "Domingo"};
const Lista kValenciano{"Dilluns", "Dimarts", "Dimecres", "Dijous", "Divendres", "Dissabte", "Diumenge"};

class Idioma : public DiasHoras, public ::testing::WithParamInterface<CasoIdioma> {};

TEST_P(Idioma, NombraLosDias) {
    EXPECT_EQ(Columna(Crear({" 1 de 08:00 a 08:55"}, "P1", GetParam().idioma), "TEXTODIA"), GetParam().dias);
}

INSTANTIATE_TEST_SUITE_P(Casos, Idioma,
                         ::testing::Values(CasoIdioma{"CASTELLANO", kCastellano}, CasoIdioma{"VALENCIÁ", kValenciano},
                                           CasoIdioma{"castellano", kValenciano}, CasoIdioma{"CASTELLANO ", kValenciano},
                                           CasoIdioma{"", kValenciano}, CasoIdioma{"INGLÉS", kValenciano}));

TEST_F(DiasHoras, SinLineasQuedaUnaTablaVaciaConSusCamposEnLugarDeLaAntigua) {
    Crear(kSeis);
    const auto filas = Crear({}, "");
    EXPECT_TRUE(filas.empty());
    TablaDbf t;
    AbrirTabla(t, stemp.ruta(), "DIASHORAST");
    ASSERT_EQ(t.Campos().size(), TablaDIASHORAST().campos.size());
    for (size_t i = 0; i < t.Campos().size(); ++i)
        EXPECT_EQ(t.Campos()[i].nombre, TablaDIASHORAST().campos[i].nombre);
}

struct CasoMala {
    std::string linea, valor;  // the value that is no number
};
void PrintTo(const CasoMala& c, std::ostream* os) { *os << c.linea; }

class LineaMala : public DiasHoras, public ::testing::WithParamInterface<CasoMala> {};

TEST_P(LineaMala, SeDetieneNombrandoElValorYConservaLasFilasAnteriores) {
    const CasoMala& c = GetParam();
    try {
        CrearDiasHoras(stemp.ruta(), {" 1 de 08:00 a 08:55", c.linea, " 3 de 10:00 a 10:55"}, "P1", "VALENCIÁ");
        FAIL() << "no error for " << c.linea;
    } catch (const Error& e) {
        const std::string m = e.what();
        EXPECT_NE(m.find("«" + c.valor + "»"), std::string::npos) << m;
        EXPECT_NE(m.find("línea de sesión 2"), std::string::npos) << m;
        EXPECT_NE(m.find("DIASHORAST"), std::string::npos) << m;
    }
    const auto filas = LeerTabla(stemp.ruta(), "DIASHORAST");
    EXPECT_EQ(filas.size(), 7u);
    for (const Fila& f : filas) EXPECT_EQ(f.at("HORA"), "1");
}

INSTANTIATE_TEST_SUITE_P(Casos, LineaMala,
                         ::testing::Values(CasoMala{" 2 de 8:00 a 08:55", "8:"},          // one-digit hour
                                           CasoMala{"100 de 08:00 a 08:55", ":0"},        // three-digit order
                                           CasoMala{" 2 de 08:00 a 8:55", "8:"},          // end hour
                                           CasoMala{"x2 de 08:00 a 08:55", "x2"},         // order
                                           CasoMala{" 2 de 08:0", ""},                    // cut short
                                           CasoMala{"", ""}));

TEST_F(DiasHoras, UnLectorIndependienteVeElMismoMarco) {
    CrearDiasHoras(stemp.ruta(), {" 1 de 08:00 a 08:55", "12 de 23:30 a 00:15"}, "MATI", "CASTELLANO");
    ASSERT_TRUE(HayLeerDbf());
    const std::string tdbf = VolcarConTDbf(stemp.ruta(), "DIASHORAST", {"NIVEL 7", "CAMPO SESION_ORDEN I 4 0"});
    EXPECT_EQ(tdbf, VolcarPropio(stemp.ruta(), "DIASHORAST"));
    EXPECT_EQ(Lineas(tdbf).size(), 15u);
    EXPECT_NE(tdbf.find("|Miércoles|"), std::string::npos) << tdbf;
    EXPECT_NE(tdbf.find("|-1395|0|MATI|12"), std::string::npos) << tdbf;
}

TEST(DiasHorasEtapa, TomaLasLineasLaPlantillaYElIdiomaDeLaEjecucion) {
    CarpetaTemporal stemp;
    DialogosGuion d;
    DocumentoXml doc;
    ContextoImportacion ctx(doc, stemp.ruta(), d);
    PlantillaElegida plantilla;
    plantilla.lineasSesion = {" 1 de 15:00 a 15:55", " 2 de 15:55 a 16:50"};
    plantilla.codigo = "VESP";
    ctx.idioma = "CASTELLANO";
    CrearDiasHoras(ctx, plantilla);
    const auto filas = LeerTabla(stemp.ruta(), "DIASHORAST");
    ASSERT_EQ(filas.size(), 14u);
    EXPECT_EQ(filas[13].at("MARCOXML"), "VESP");
    EXPECT_EQ(filas[13].at("TEXTODIA"), "Domingo");
    EXPECT_EQ(filas[13].at("HORADESDE"), "15:55");
}

}  // namespace
