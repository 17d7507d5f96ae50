// Teachers stage: PROFT rows, short codes and the values taken from the centre file.
#include "apoyo/tablas_prueba.h"

#include "common/carpeta.h"
#include "import/etapas.h"

using namespace ph;
using namespace ph::prueba;

namespace {

// A teacher with the usual attributes; extra ones replace or add.
Atributos Docente(const std::string& ap1, const std::string& ap2, const std::string& nom,
                  const std::string& dni, Atributos extra = {}) {
    Atributos a{{"apellido1", ap1}, {"apellido2", ap2}, {"nombre", nom}, {"tipo_docente", "D"},
                {"fecha_ingreso", "01/09/2010"}, {"documento", dni}, {"ensenanza", "ESO"},
                {"email1", dni + "@gva.es"}, {"email2", "otro@gva.es"}};
    for (auto& [n, v] : extra) {
        bool puesto = false;
        for (auto& p : a)
            if (p.first == n) { p.second = v; puesto = true; }
        if (!puesto) a.emplace_back(n, v);
    }
    return a;
}

struct CasoDocentes {
    const char* nombre;
    std::vector<Atributos> docentes;
    std::vector<Fila> esperado;  // only the fields named are compared
};
void PrintTo(const CasoDocentes& c, std::ostream* os) { *os << c.nombre; }

class Docentes : public EtapaPrueba, public ::testing::WithParamInterface<CasoDocentes> {};

TEST_P(Docentes, FilasDePROFT) {
    const CasoDocentes& c = GetParam();
    Centro(Seccion("docentes", "docente", c.docentes));
    TransformarDocentes(ctx);

    const auto filas = Leer(TablaPROFT());
    ASSERT_EQ(filas.size(), c.esperado.size());
    for (size_t i = 0; i < filas.size(); ++i)
        for (const auto& [campo, valor] : c.esperado[i])
            EXPECT_EQ(filas[i].at(campo), valor) << "fila " << i << ", campo " << campo;
}

const std::string k90 = Repetir("Maria", 18);  // 90 characters

INSTANTIATE_TEST_SUITE_P(
    Casos, Docentes,
    ::testing::Values(
        CasoDocentes{"SeccionVacia", {}, {}},
        CasoDocentes{"UnSoloDocente",
                     {Docente("García", "López", "Pere", "111A")},
                     {{{"ABREV", "GLP"}, {"NOMBRE", "García López, Pere"}, {"DNI", "111A"},
                       {"F_TOMAPOS", "01/09/2010"}, {"ENSENANZA", "ESO"}, {"EMAIL", "111A@gva.es"},
                       {"DEPART", ""}, {"X_EMPLEADO", ""}}}},
        CasoDocentes{"IgualesInicialesNumeradas",
                     {Docente("García", "López", "Pere", "1"), Docente("Gil", "Lara", "Pau", "2"),
                      Docente("Gómez", "Luna", "Pilar", "3"), Docente("Sanz", "Ruiz", "Ana", "4")},
                     {{{"ABREV", "GLP"}}, {{"ABREV", "GLP1"}}, {{"ABREV", "GLP2"}}, {{"ABREV", "SRA"}}}},
        CasoDocentes{"InicialesSinDistinguirMayusculas",
                     {Docente("García", "López", "Pere", "1"), Docente("gil", "lara", "pau", "2"),
                      Docente("Gómez", "Luna", "Pilar", "3")},
                     {{{"ABREV", "GLP"}}, {{"ABREV", "glp1"}}, {{"ABREV", "GLP2"}}}},
        CasoDocentes{"UnNumeroYaDadoSeSalta",
                     // "GL1" is a real teacher's code before GL is repeated.
                     {Docente("Gómez", "Lis", "1r", "1"), Docente("García", "", "Lluís", "2"),
                      Docente("Gil", "", "Laia", "3"), Docente("Gómez", "", "Lola", "4")},
                     {{{"ABREV", "GL1"}}, {{"ABREV", "GL"}}, {{"ABREV", "GL2"}}, {{"ABREV", "GL3"}}}},
        CasoDocentes{"SinSegundoApellido",
                     {Docente("García", "", "Pere", "1"), Docente("Ruiz", " ", "Ana", "2")},
                     {{{"ABREV", "GP"}, {"NOMBRE", "García , Pere"}},
                      {{"ABREV", "RA"}, {"NOMBRE", "Ruiz , Ana"}}}},
        CasoDocentes{"FechaSoloParaTipoD",
                     {Docente("A", "B", "C", "1", {{"tipo_docente", "d"}}),
                      Docente("A", "B", "C", "2", {{"tipo_docente", " D "}}),
                      Docente("A", "B", "C", "3", {{"tipo_docente", "I"}})},
                     {{{"F_TOMAPOS", ""}, {"DNI", "1"}},
                      {{"F_TOMAPOS", "01/09/2010"}, {"DNI", "2"}},
                      {{"F_TOMAPOS", ""}, {"DNI", "3"}}}},
        CasoDocentes{"CorreoSegundoSiPrimeroVacio",
                     {Docente("A", "B", "C", "1", {{"email1", "   "}}),
                      Docente("A", "B", "C", "2", {{"email1", ""}, {"email2", " b@x.es "}}),
                      Docente("A", "B", "C", "3", {{"email1", " a@x.es"}})},
                     {{{"EMAIL", "otro@gva.es"}}, {{"EMAIL", "b@x.es"}}, {{"EMAIL", "a@x.es"}}}},
        CasoDocentes{"ValoresRecortadosYCortadosAlAnchoDelCampo",
                     {Docente("  Pérez ", " Soler  ", k90, "  12345678901234567 ",
                              {{"ensenanza", " 1234567 "}, {"fecha_ingreso", "2010-09-01T00:00"}})},
                     {{{"NOMBRE", ("Pérez Soler, " + k90).substr(0, 81)},  // é takes two bytes
                       {"ABREV", "PSM"},
                       {"DNI", "12345678901234"},
                       {"ENSENANZA", "12345"},
                       {"F_TOMAPOS", "2010-09-01"}}}},
        CasoDocentes{"AtributosAusentesComoVacios",
                     {{{"apellido1", "Vidal"}, {"documento", "9"}}, {{"nombre", "Rosa"}}},
                     // Trailing blanks of a stored text are not read back.
                     {{{"ABREV", "V"}, {"NOMBRE", "Vidal ,"}, {"DNI", "9"}, {"EMAIL", ""}, {"F_TOMAPOS", ""}},
                      {{"ABREV", "R"}, {"NOMBRE", " , Rosa"}, {"DNI", ""}}}}),
    [](const ::testing::TestParamInfo<CasoDocentes>& i) { return std::string(i.param.nombre); });

class DocentesTabla : public EtapaPrueba {};

TEST_F(DocentesTabla, SinSeccionQuedaVaciaConSusCampos) {
    Centro("");
    TransformarDocentes(ctx);
    TablaDbf t;
    AbrirTabla(t, stemp.ruta(), "PROFT");
    EXPECT_EQ(t.RecordCount(), 0);
    std::vector<std::string> nombres;
    for (const DefCampo& c : t.Campos()) nombres.push_back(c.nombre);
    EXPECT_EQ(nombres, (std::vector<std::string>{"ABREV", "NOMBRE", "DEPART", "EMAIL", "DNI", "X_EMPLEADO",
                                                 "F_TOMAPOS", "ENSENANZA"}));
}

TEST_F(DocentesTabla, SustituyeLaTablaAnteriorYBorraSuIndice) {
    // A table of an earlier run, with other fields and rows, and a stray index file.
    TablaDbf::Crear(stemp / "PROFT.DBF", {{"OTRO", TipoCampo::Texto, 5}});
    {
        TablaDbf t;
        t.Abrir(stemp / "PROFT.DBF");
        t.Append();
        t.SetString("OTRO", "viejo");
        t.Post();
    }
    EscribirArchivo(stemp / "PROFT.MDX", "indice");
    Centro(Seccion("docentes", "docente", {Docente("Mas", "Pons", "Joan", "7")}));

    TransformarDocentes(ctx);

    EXPECT_FALSE(ExisteArchivo(stemp / "PROFT.MDX"));
    const auto filas = Leer(TablaPROFT());
    ASSERT_EQ(filas.size(), 1u);
    EXPECT_EQ(filas[0].at("ABREV"), "MPJ");
    EXPECT_EQ(filas[0].count("OTRO"), 0u);
}

TEST_F(DocentesTabla, MuchosDocentesConLasMismasInicialesDanCodigosDistintos) {
    std::vector<Atributos> docentes;
    for (int i = 0; i < 1200; ++i) docentes.push_back(Docente("Ferrer", "Marí", "Toni", std::to_string(i)));
    Centro(Seccion("docentes", "docente", docentes));
    TransformarDocentes(ctx);

    const auto abrevs = Columna(Leer(TablaPROFT()), "ABREV");
    ASSERT_EQ(abrevs.size(), 1200u);
    EXPECT_EQ(abrevs[0], "FMT");
    EXPECT_EQ(abrevs[1], "FMT1");
    EXPECT_EQ(abrevs[1199], "FMT1199");
}

}  // namespace
