// Occupations stage: task rows appended to ASIGNOMT after the subjects, their "*" codes
// and the names they may not repeat.
#include "apoyo/tablas_prueba.h"

#include "common/error.h"
#include "import/etapas.h"

using namespace ph;
using namespace ph::prueba;

namespace {

Atributos Ocupacion(const std::string& codigo, const std::string& nombre_val, const std::string& nombre_cas = "") {
    return {{"codigo", codigo}, {"nombre_val", nombre_val},
            {"nombre_cas", nombre_cas.empty() ? nombre_val + " (cas)" : nombre_cas}};
}

class Ocupaciones : public EtapaPrueba {
protected:
    // Runs the subjects stage (one subject per code and name), then the occupations stage;
    // returns the occupation rows.
    std::vector<Fila> Ejecutar(const std::vector<std::pair<std::string, std::string>>& asignaturas,
                                   const std::vector<Atributos>& ocupaciones) {
        Llenar(TablaCURSOST(), {{{"CLAVE", "C1"}, {"NIVEL", "ESO"}, {"CURSO", "1"}}});
        std::vector<Atributos> contenidos;
        for (const auto& [codigo, nombre] : asignaturas)
            contenidos.push_back({{"codigo", codigo}, {"curso", "C1"}, {"nombre_val", nombre}, {"nombre_cas", nombre}});
        Centro(Seccion("contenidos", "contenido", contenidos) + Seccion("ocupaciones", "ocupacion", ocupaciones));
        TransformarContenidos(ctx);
        TransformarOcupaciones(ctx);
        auto filas = Leer(TablaASIGNOMT());
        EXPECT_GE(filas.size(), asignaturas.size());
        filas.erase(filas.begin(), filas.begin() + long(std::min(filas.size(), asignaturas.size())));
        return filas;
    }
};

struct CasoOcupaciones {
    const char* nombre;
    std::vector<std::pair<std::string, std::string>> asignaturas;  // code, name
    std::vector<Atributos> ocupaciones;
    std::vector<Fila> esperado;  // only the fields named are compared
};
void PrintTo(const CasoOcupaciones& c, std::ostream* os) { *os << c.nombre; }

class FilasOcupaciones : public Ocupaciones, public ::testing::WithParamInterface<CasoOcupaciones> {};

TEST_P(FilasOcupaciones, FilasAnadidas) {
    const CasoOcupaciones& c = GetParam();
    const auto filas = Ejecutar(c.asignaturas, c.ocupaciones);
    ASSERT_EQ(filas.size(), c.esperado.size());
    for (size_t i = 0; i < filas.size(); ++i)
        for (const auto& [campo, valor] : c.esperado[i])
            EXPECT_EQ(filas[i].at(campo), valor) << "fila " << i << ", campo " << campo;
}

const std::vector<std::pair<std::string, std::string>> kAsignaturas{{"MAT", "Matemàtiques"}, {"FIS", "Física"}};

INSTANTIATE_TEST_SUITE_P(
    Casos, FilasOcupaciones,
    ::testing::Values(
        CasoOcupaciones{"SeccionVacia", kAsignaturas, {}, {}},
        CasoOcupaciones{"UnaSolaOcupacion",
                        kAsignaturas,
                        {Ocupacion(" OC479 ", " Guàrdia de pati ")},
                        {{{"COD", "*479"}, {"CODLARGO", "GP"}, {"NOMBRE", "Guàrdia de pati"}, {"MATERIA", ""},
                          {"CODTAREA", "OC479"}, {"ESTAREA", "T"}, {"DENIVEL", ""}, {"DECURSO", ""},
                          {"ABREV_ITACA", "OC479"}}}},
        CasoOcupaciones{"MismaTerminacionLetras",
                        kAsignaturas,
                        {Ocupacion("OC479", "Guàrdia"), Ocupacion("XX479", "Biblioteca"), Ocupacion("479", "Reunió"),
                         Ocupacion("OC480", "Tutoria")},
                        {{{"COD", "*479"}}, {{"COD", "*47A"}}, {{"COD", "*47B"}}, {{"COD", "*480"}}}},
        CasoOcupaciones{"CodigoCorto",
                        kAsignaturas,
                        {Ocupacion("12", "Una"), Ocupacion("12", "Altra"), Ocupacion("", "Sense codi"),
                         Ocupacion("", "Sense codi 2")},
                        {{{"COD", "*12"}, {"ABREV_ITACA", "12"}}, {{"COD", "*12A"}, {"ABREV_ITACA", "12"}},
                         {{"COD", "*"}, {"CODTAREA", ""}}, {{"COD", "*A"}}}},
        CasoOcupaciones{"CodigoDeAsignaturaOcupado",
                        // A subject whose ITACA code is "*479" holds that short code.
                        {{"*479", "Rara"}},
                        {Ocupacion("OC479", "Guàrdia")},
                        {{{"COD", "*47A"}}}},
        CasoOcupaciones{"NombreDeAsignaturaSeDescarta",
                        kAsignaturas,
                        {Ocupacion("OC1", "Física"), Ocupacion("OC2", "física"), Ocupacion("OC3", "MATEMÀTIQUES")},
                        {{{"COD", "*OC2"}, {"NOMBRE", "física"}}, {{"COD", "*OC3"}, {"NOMBRE", "MATEMÀTIQUES"}}}},
        CasoOcupaciones{"MismoNombreSoloLaPrimera",
                        kAsignaturas,
                        {Ocupacion("OC1", "Guàrdia"), Ocupacion("OC1", "Guàrdia"), Ocupacion("OC1", "Altra")},
                        // The dropped occupation takes no code: the third gets *OCA, not *OCB.
                        {{{"COD", "*OC1"}, {"NOMBRE", "Guàrdia"}}, {{"COD", "*OCA"}, {"NOMBRE", "Altra"}}}},
        CasoOcupaciones{"MismoCodigoOtroNombreDosFilas",
                        kAsignaturas,
                        {Ocupacion("OC123", "Guàrdia"), Ocupacion("OC123", "Biblioteca")},
                        {{{"COD", "*123"}, {"ABREV_ITACA", "OC123"}}, {{"COD", "*12A"}, {"ABREV_ITACA", "OC123"}}}},
        CasoOcupaciones{"CamposCortados",
                        kAsignaturas,
                        {Ocupacion("OCUPACIO-MOLT-LLARGA-25CH", "Coordinació de tecnologies de la informació")},
                        {{{"COD", "*5CH"}, {"CODTAREA", "OCUPACIO-MOL"}, {"ABREV_ITACA", "OCUPACIO-MOLT-LLARGA"},
                          {"CODLARGO", "CTI"}}}}),
    [](const ::testing::TestParamInfo<CasoOcupaciones>& i) { return std::string(i.param.nombre); });

TEST_F(Ocupaciones, TrasLaZetaSiguenLosCaracteresSiguientes) {
    std::vector<Atributos> ocupaciones;
    for (int i = 0; i < 30; ++i) ocupaciones.push_back(Ocupacion("O" + std::to_string(100 + i) + "479", "Ocupació " + std::to_string(i)));
    const auto cods = Columna(Ejecutar({}, ocupaciones), "COD");
    ASSERT_EQ(cods.size(), 30u);
    EXPECT_EQ(cods[0], "*479");
    EXPECT_EQ(cods[1], "*47A");
    EXPECT_EQ(cods[26], "*47Z");
    EXPECT_EQ(cods[27], "*47[");
    EXPECT_EQ(cods[28], "*47\\");
    EXPECT_EQ(cods[29], "*47]");
}

struct CasoIdioma {
    std::string idioma;
    std::string esperado;
};
void PrintTo(const CasoIdioma& c, std::ostream* os) { *os << c.idioma; }

class IdiomaOcupacion : public Ocupaciones, public ::testing::WithParamInterface<CasoIdioma> {};

TEST_P(IdiomaOcupacion, EligeElNombre) {
    ctx.idioma = GetParam().idioma;
    const auto filas = Ejecutar({}, {Ocupacion("G", "Guàrdia", "Guardia")});
    ASSERT_EQ(filas.size(), 1u);
    EXPECT_EQ(filas[0].at("NOMBRE"), GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(Casos, IdiomaOcupacion,
                         ::testing::Values(CasoIdioma{"VALENCIÁ", "Guàrdia"}, CasoIdioma{"valenciá", "Guardia"},
                                           CasoIdioma{"CASTELLANO", "Guardia"}));

TEST_F(Ocupaciones, LasAsignaturasQuedanIntactasYLasListasCrecen) {
    const auto ocupaciones = Ejecutar(kAsignaturas, {Ocupacion("OC1", "Guàrdia"), Ocupacion("OC2", "Física")});
    ASSERT_EQ(ocupaciones.size(), 1u);
    const auto filas = Leer(TablaASIGNOMT());
    ASSERT_EQ(filas.size(), 3u);
    EXPECT_EQ(filas[0].at("COD"), "MAT");
    EXPECT_EQ(filas[0].at("ESTAREA"), "F");
    EXPECT_EQ(filas[0].at("DENIVEL"), "ESO");
    EXPECT_EQ(filas[1].at("COD"), "FIS");
    EXPECT_EQ(ctx.codigosUsados, (std::set<std::string>{"MAT", "FIS", "*OC1"}));
    EXPECT_EQ(ctx.nombresUsados, (std::set<std::string>{"Matemàtiques", "Física", "Guàrdia"}));
}

TEST_F(Ocupaciones, SinTablaDeNombresSeDetiene) {
    Centro(Seccion("ocupaciones", "ocupacion", {Ocupacion("OC1", "Guàrdia")}));
    EXPECT_THROW(TransformarOcupaciones(ctx), Error);
}

}  // namespace
