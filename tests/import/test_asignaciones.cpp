// PrepararAsignaciones: one provisional ASIGT row per subject and group of its course.
#include "apoyo/tablas_prueba.h"

#include "common/carpeta.h"
#include "import/etapas.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace ph;
using namespace ph::prueba;

namespace {

class Asignaciones : public EtapaPrueba {
protected:
    void SetUp() override {
        ctx.idioma = "VALENCIÁ";
        Llenar(TablaGRUPOST(),
               {{{"ABREV", "1A"}, {"TURNO", "M"}, {"NIVEL", "ESO"}, {"CURSO", "1"}, {"GRUPO", "A"},
                 {"CLAVE", "g1a"}, {"CLAVECURSO", "c1"}},
                {{"ABREV", "2A"}, {"TURNO", "T"}, {"NIVEL", "ESO"}, {"CURSO", "2"}, {"GRUPO", "A"},
                 {"CLAVE", "g2a"}, {"CLAVECURSO", "c2"}},
                {{"ABREV", "SIN"}, {"CLAVE", "gsin"}},  // no course link
                {{"ABREV", "1B"}, {"TURNO", "M"}, {"NIVEL", "ESO"}, {"CURSO", "1"}, {"GRUPO", "B"},
                 {"CLAVE", "g1b"}, {"CLAVECURSO", "c1"}}});
        Llenar(TablaASIGNOMT(), {{{"COD", "MAT"}, {"ABREV_ITACA", "m1"}, {"NOMBRE", "Matemàtiques"}},
                                 {{"COD", "LEN"}, {"ABREV_ITACA", "x9"}, {"NOMBRE", "Lengua"}},
                                 {{"COD", ""}, {"ABREV_ITACA", "vacio"}, {"NOMBRE", "Sense codi"}},
                                 {{"COD", "HIS"}, {"ABREV_ITACA", "h1"}, {"NOMBRE", "Història"}}});
        // A table left by an earlier run: none of its rows may survive.
        Llenar(TablaASIGT(), {{{"CASIG", "VIEJA"}, {"CLAVECURSO", "c1"}}});
    }

    static std::string Contenido(const std::string& codigo, const std::string& curso,
                                 const std::string& val = "", const std::string& cas = "") {
        return "<contenido codigo=\"" + codigo + "\" curso=\"" + curso + "\" nombre_val=\"" + val +
               "\" nombre_cas=\"" + cas + "\"/>";
    }
    void Contenidos(const std::string& elementos) { Centro("<contenidos>" + elementos + "</contenidos>"); }
};

TEST_F(Asignaciones, UnaAsignaturaDaUnaFilaEnteraPorGrupoDeSuCursoEnOrdenDeGrupos) {
    Contenidos(Contenido("m1", "c1"));
    PrepararAsignaciones(ctx);

    const auto filas = Leer(TablaASIGT());
    ASSERT_EQ(filas.size(), 2u);
    const Fila esperada{{"CASIG", "MAT"},  {"CPROF", ""},      {"CGRUP", "1A"},       {"CAULA", ""},
                        {"TURNO", "M"},    {"NIVEL", "ESO"},   {"CURSO", "1"},        {"GRUPO", "A"},
                        {"HORAS", "4"},    {"SESIONES", "1111"}, {"NCONEX", ""},      {"CLAVE", "g1a"},
                        {"CLAVECURSO", "c1"}, {"CTAREA", "*479"}, {"ASIG_ITACA", "m1"}};
    EXPECT_EQ(filas[0], esperada);
    Fila segunda = esperada;
    segunda["CGRUP"] = "1B";
    segunda["GRUPO"] = "B";
    segunda["CLAVE"] = "g1b";
    EXPECT_EQ(filas[1], segunda);
}

TEST_F(Asignaciones, FilasAsignaturaPorAsignaturaYUnaRepetidaRepiteSusFilas) {
    Contenidos(Contenido("m1", "c1") + Contenido("h1", "c2") + Contenido("m1", "c1") +
               Contenido("h1", "c9"));  // a course without groups
    PrepararAsignaciones(ctx);

    const auto filas = Leer(TablaASIGT());
    EXPECT_EQ(Columna(filas, "CASIG"), (std::vector<std::string>{"MAT", "MAT", "HIS", "MAT", "MAT"}));
    EXPECT_EQ(Columna(filas, "CGRUP"), (std::vector<std::string>{"1A", "1B", "2A", "1A", "1B"}));
    EXPECT_EQ(filas[0], filas[3]);
    EXPECT_EQ(filas[1], filas[4]);
}

TEST_F(Asignaciones, UnGrupoSinCursoNoRecibeFila) {
    Contenidos(Contenido("m1", "c1") + Contenido("h1", "c2"));
    PrepararAsignaciones(ctx);
    for (const Fila& f : Leer(TablaASIGT())) EXPECT_NE(f.at("CGRUP"), "SIN");
}

TEST_F(Asignaciones, SinAsignaturasLaTablaQuedaVaciaConSusCampos) {
    Centro("<contenidos/>");
    PrepararAsignaciones(ctx);
    TablaDbf t;
    AbrirTabla(t, stemp.ruta(), "ASIGT");
    EXPECT_EQ(t.RecordCount(), 0);
    ASSERT_EQ(t.Campos().size(), TablaASIGT().campos.size());
    for (size_t i = 0; i < t.Campos().size(); ++i) EXPECT_EQ(t.Campos()[i].nombre, TablaASIGT().campos[i].nombre);
}

// The subject lookup: ITACA code first; then the name of the chosen language only.
struct CasoCodigo {
    const char* nombre;
    std::string idioma, codigo, val, cas;
    std::string casig;  // empty: no row
    std::string asigItaca;
};
void PrintTo(const CasoCodigo& c, std::ostream* os) { *os << c.nombre; }

class BusquedaCodigo : public Asignaciones, public ::testing::WithParamInterface<CasoCodigo> {};

TEST_P(BusquedaCodigo, HallaElCodigoDeSesionix) {
    const CasoCodigo& c = GetParam();
    ctx.idioma = c.idioma;
    Contenidos(Contenido(c.codigo, "c1", c.val, c.cas));
    PrepararAsignaciones(ctx);

    const auto filas = Leer(TablaASIGT());
    if (c.casig.empty()) {
        EXPECT_TRUE(filas.empty());
        return;
    }
    ASSERT_EQ(filas.size(), 2u);
    EXPECT_EQ(filas[0].at("CASIG"), c.casig);
    EXPECT_EQ(filas[0].at("ASIG_ITACA"), c.asigItaca);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, BusquedaCodigo,
    ::testing::Values(
        CasoCodigo{"PorCodigo", "VALENCIÁ", "m1", "Lengua", "Lengua", "MAT", "m1"},
        CasoCodigo{"PorCodigoSeaCualSeaElIdioma", "INGLÉS", "m1", "", "", "MAT", "m1"},
        CasoCodigo{"CodigoRecortado", "VALENCIÁ", "  m1 ", "", "", "MAT", "m1"},
        CasoCodigo{"CodigoDistingueMayusculas", "INGLÉS", "M1", "", "", "", ""},
        CasoCodigo{"NombreCastellano", "CASTELLANO", "zz", "", "Lengua", "LEN", "zz"},
        CasoCodigo{"CastellanoNuncaPruebaValenciano", "CASTELLANO", "zz", "Lengua", "Otra", "", ""},
        CasoCodigo{"NombreValenciano", "VALENCIÁ", "zz", "Lengua", "", "LEN", "zz"},
        CasoCodigo{"ValencianoNuncaPruebaCastellano", "VALENCIÁ", "zz", "Otra", "Lengua", "", ""},
        CasoCodigo{"OtroIdiomaNoPruebaNingunNombre", "valencià", "zz", "Lengua", "Lengua", "", ""},
        CasoCodigo{"NombreRecortado", "VALENCIÁ", "zz", "  Lengua ", "", "LEN", "zz"},
        CasoCodigo{"NombreDistingueMayusculas", "VALENCIÁ", "zz", "lengua", "", "", ""},
        CasoCodigo{"NombreDistingueEspaciosInteriores", "CASTELLANO", "zz", "", "Len gua", "", ""},
        CasoCodigo{"NombreNoAscii", "VALENCIÁ", "zz", "Història", "", "HIS", "zz"},
        CasoCodigo{"CodigoVacioHalladoCuentaComoNoHallado", "VALENCIÁ", "vacio", "Lengua", "", "LEN", "vacio"},
        CasoCodigo{"CodigoVacioYSinNombre", "VALENCIÁ", "vacio", "Nada", "", "", ""}),
    [](const ::testing::TestParamInfo<CasoCodigo>& i) { return std::string(i.param.nombre); });

TEST(AsignacionesSinAtributos, AtributosQueFaltanSeLeenVacios) {
    CarpetaTemporal stemp, entrada;
    DialogosGuion d;
    DocumentoXml doc;
    EscribirArchivo(entrada / "c.xml", "<centro><contenidos><contenido codigo=\"m1\"/></contenidos></centro>");
    ASSERT_TRUE(doc.Cargar(entrada / "c.xml"));
    LlenarTabla(stemp.ruta(), TablaGRUPOST(), {{{"ABREV", "X"}, {"CLAVE", "gx"}}});  // empty CLAVECURSO
    LlenarTabla(stemp.ruta(), TablaASIGNOMT(), {{{"COD", "MAT"}, {"ABREV_ITACA", "m1"}}});
    ContextoImportacion ctx(doc, stemp.ruta(), d);
    ctx.idioma = "VALENCIÁ";
    PrepararAsignaciones(ctx);
    // The missing course reads as empty text and equals the empty course of the group.
    const auto filas = LeerTabla(stemp.ruta(), "ASIGT");
    ASSERT_EQ(filas.size(), 1u);
    EXPECT_EQ(filas[0].at("CGRUP"), "X");
    EXPECT_EQ(filas[0].at("CLAVECURSO"), "");
}

}  // namespace
