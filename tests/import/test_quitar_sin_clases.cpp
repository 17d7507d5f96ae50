// QuitarSinClases: groups and teachers without ASIGT rows, removed after the question.
#include "apoyo/tablas_prueba.h"
#include "import/preguntas.h"

#include "apoyo/cli_prueba.h"
#include "import/etapas.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace ph;
using namespace ph::prueba;

namespace {

using Lista = std::vector<std::string>;

struct CasoPoda {
    const char* nombre;
    bool soloPlantilla;
    bool respuesta;         // answer to the question
    bool todosConClases;    // an extra ASIGT row gives 1B its class
    size_t preguntas;
    Lista grupos, profesores;  // ABREV left, in stored order
};
void PrintTo(const CasoPoda& c, std::ostream* os) { *os << c.nombre; }

class Poda : public EtapaPrueba, public ::testing::WithParamInterface<CasoPoda> {};

TEST_P(Poda, QuitaLoQueDebe) {
    const CasoPoda& c = GetParam();
    Llenar(TablaGRUPOST(), {{{"ABREV", "1A"}}, {{"ABREV", "1B"}}, {{"ABREV", "2A"}}, {{"ABREV", "2B"}}});
    // CAR teaches nothing but has an occupation; DAN has neither.
    Llenar(TablaPROFT(), {{{"ABREV", "DAN"}}, {{"ABREV", "ANA"}}, {{"ABREV", "CAR"}}, {{"ABREV", "BEA"}},
                          {{"ABREV", "EVA"}}});
    std::vector<Fila> asigt{{{"CGRUP", "1A"}, {"CPROF", "ANA"}},
                            {{"CGRUP", "2A"}, {"CPROF", "BEA"}},
                            {{"CGRUP", "2B"}, {"CPROF", ""}},
                            {{"CPROF", "CAR"}, {"CTAREA", "GUA"}}};
    if (c.todosConClases) asigt.push_back({{"CGRUP", "1B"}, {"CPROF", "ANA"}});
    Llenar(TablaASIGT(), asigt);
    const std::string asigtAntes = LeerArchivo(stemp / "ASIGT.DBF");

    PlantillaElegida plantilla;
    plantilla.soloSusLineas = c.soloPlantilla;
    dialogos.quitarSinClases = c.respuesta;
    QuitarSinClases(ctx, plantilla);

    ASSERT_EQ(dialogos.preguntas.size(), c.preguntas);
    if (c.preguntas) {
        EXPECT_EQ(dialogos.preguntas[0], kPreguntaQuitarSinClases);
    }
    EXPECT_EQ(Columna(Leer(TablaGRUPOST()), "ABREV"), c.grupos);
    EXPECT_EQ(Columna(Leer(TablaPROFT()), "ABREV"), c.profesores);
    EXPECT_EQ(LeerArchivo(stemp / "ASIGT.DBF"), asigtAntes);
    // Removed rows have left the files, not only been marked.
    EXPECT_EQ(RegistrosEnArchivo(stemp / "GRUPOST.DBF"), c.grupos.size());
    EXPECT_EQ(RegistrosEnArchivo(stemp / "PROFT.DBF"), c.profesores.size());
    ASSERT_TRUE(HayLeerDbf());
    for (const char* tabla : {"GRUPOST", "PROFT"})
        EXPECT_EQ(VolcarConTDbf(stemp.ruta(), tabla), VolcarPropio(stemp.ruta(), tabla)) << tabla;
}

const Lista kTodosGrupos{"1A", "1B", "2A", "2B"};
const Lista kTodosProfesores{"DAN", "ANA", "CAR", "BEA", "EVA"};

INSTANTIATE_TEST_SUITE_P(
    Casos, Poda,
    ::testing::Values(
        CasoPoda{"TodasLasPlantillasNoSeQuitaNada", false, true, false, 0, kTodosGrupos, kTodosProfesores},
        CasoPoda{"RespuestaNoNoSeQuitaNada", true, false, false, 1, kTodosGrupos, kTodosProfesores},
        CasoPoda{"RespuestaSiQuitaGruposYDocentes", true, true, false, 1, {"1A", "2A", "2B"}, {"ANA", "CAR", "BEA"}},
        CasoPoda{"TodosLosGruposTienenClasesDocentesSinPregunta", true, false, true, 0, kTodosGrupos,
                 {"ANA", "CAR", "BEA"}}),
    [](const ::testing::TestParamInfo<CasoPoda>& i) { return std::string(i.param.nombre); });

TEST(PodaVacia, TablasVaciasNoPreguntanNada) {
    CarpetaTemporal stemp;
    DialogosGuion d;
    DocumentoXml doc;
    for (const TablaTrabajo* t : {&TablaGRUPOST(), &TablaPROFT(), &TablaASIGT()}) CrearTablaTrabajo(stemp.ruta(), *t);
    ContextoImportacion ctx(doc, stemp.ruta(), d);
    PlantillaElegida plantilla;
    plantilla.soloSusLineas = true;
    QuitarSinClases(ctx, plantilla);
    EXPECT_TRUE(d.preguntas.empty());
    EXPECT_TRUE(LeerTabla(stemp.ruta(), "PROFT").empty());
}

}  // namespace
