// TransformarHorariosGrupo: periods, teachers and rooms from the group timetable lines.
#include "apoyo/tablas_prueba.h"
#include "import/preguntas.h"

#include "apoyo/cli_prueba.h"
#include "import/etapas.h"

#include <gtest/gtest.h>

#include <ostream>

#include <sstream>

using namespace ph;
using namespace ph::prueba;

namespace {

struct L {  // one horario_grupo line
    std::string plantilla, grupo, curso, contenido, docente, aula;
};

Fila Provisional(const std::string& casig, const std::string& cgrup, const std::string& clave,
                 const std::string& asigItaca) {
    return {{"CASIG", casig}, {"CGRUP", cgrup},   {"TURNO", "M"},         {"NIVEL", "ESO"},
            {"CURSO", "1"},   {"GRUPO", "A"},     {"HORAS", "4"},         {"SESIONES", "1111"},
            {"CLAVE", clave}, {"CLAVECURSO", "c1"}, {"CTAREA", "*479"}, {"ASIG_ITACA", asigItaca}};
}

// A row in short: CASIG|CPROF|CGRUP|CAULA|HORAS.
std::vector<std::string> Resumen(const std::vector<Fila>& filas) {
    std::vector<std::string> r;
    for (const Fila& f : filas)
        r.push_back(f.at("CASIG") + "|" + f.at("CPROF") + "|" + f.at("CGRUP") + "|" + f.at("CAULA") + "|" +
                    f.at("HORAS"));
    return r;
}

class HorariosGrupo : public EtapaPrueba {
protected:
    PlantillaElegida plantilla;

    void SetUp() override {
        plantilla.codigo = "P1";
        Llenar(TablaPROFT(), {{{"ABREV", "ANA"}, {"DNI", "d1"}}, {{"ABREV", "BEA"}, {"DNI", "d2"}}});
        Llenar(TablaAULAT(), {{{"ABREV", "A1"}, {"ABREV_ITACA", "a1"}}, {{"ABREV", "A2"}, {"ABREV_ITACA", "a2"}}});
        Llenar(TablaGRUPOST(), {{{"ABREV", "1A"}, {"TURNO", "M"}, {"NIVEL", "ESO"}, {"CURSO", "1"},
                                 {"GRUPO", "A"}, {"CLAVE", "g1"}, {"CLAVECURSO", "c1"}},
                                {{"ABREV", "1B"}, {"TURNO", "T"}, {"NIVEL", "BAT"}, {"CURSO", "2"},
                                 {"GRUPO", "B"}, {"CLAVE", "g2"}, {"CLAVECURSO", "c1"}}});
        // ZZ is a group code GRUPOST does not hold.
        Llenar(TablaASIGT(), {Provisional("MAT", "1A", "g1", "m1"), Provisional("HIS", "1A", "g1", "h1"),
                              Provisional("MAT", "1B", "g2", "m1"), Provisional("ING", "ZZ", "gz", "i1")});
    }

    void Lineas(const std::vector<L>& lineas) {
        std::ostringstream s;
        s << "<horarios_grupo>";
        for (const L& l : lineas)
            s << "<horario_grupo plantilla=\"" << l.plantilla << "\" grupo=\"" << l.grupo << "\" curso=\""
              << l.curso << "\" contenido=\"" << l.contenido << "\" docente=\"" << l.docente << "\" aula=\""
              << l.aula << "\" dia_semana=\"L\" sesion_orden=\"1\"/>";
        s << "</horarios_grupo>";
        Centro(s.str());
    }
};

TEST_F(HorariosGrupo, SinLineasNoSePreguntaNiSeCambiaNada) {
    Centro("<horarios_grupo/>");
    const std::string antes = LeerArchivo(stemp / "ASIGT.DBF");
    plantilla.soloSusLineas = true;  // left from an earlier run
    EXPECT_FALSE(TransformarHorariosGrupo(ctx, plantilla));
    EXPECT_TRUE(dialogos.preguntas.empty());
    EXPECT_EQ(LeerArchivo(stemp / "ASIGT.DBF"), antes);
}

TEST_F(HorariosGrupo, RespuestaNoPreguntaUnaVezYSoloTomaLaPlantillaElegida) {
    dialogos.todasPlantillas = false;
    Lineas({{"P1", "g1", "c1", "m1", "d1", "a1"}, {"P2", "g1", "c1", "h1", "d2", "a2"}});
    const bool soloSusLineas = TransformarHorariosGrupo(ctx, plantilla);

    ASSERT_EQ(dialogos.preguntas.size(), 1u);
    EXPECT_EQ(dialogos.preguntas[0], kPreguntaTodasPlantillas);
    EXPECT_TRUE(soloSusLineas);
    // Subjects only the other template teaches are gone, and so are unconfirmed rows.
    EXPECT_EQ(Resumen(Leer(TablaASIGT())), (std::vector<std::string>{"MAT|ANA|1A|A1|1"}));
    EXPECT_EQ(RegistrosEnArchivo(stemp / "ASIGT.DBF"), 1u);  // packed
}

TEST_F(HorariosGrupo, RespuestaSiAplicaLasLineasDeTodasLasPlantillas) {
    dialogos.todasPlantillas = true;
    Lineas({{"P1", "g1", "c1", "m1", "d1", "a1"}, {"P2", "g1", "c1", "m1", "d1", "a2"},
            {"P2", "g1", "c1", "h1", "d2", "a2"}, {"OTRA", "g2", "c1", "m1", "d2", ""}});
    const bool soloSusLineas = TransformarHorariosGrupo(ctx, plantilla);

    EXPECT_EQ(dialogos.preguntas.size(), 1u);
    EXPECT_FALSE(soloSusLineas);
    EXPECT_EQ(Resumen(Leer(TablaASIGT())),
              (std::vector<std::string>{"MAT|ANA|1A|A1|2", "HIS|BEA|1A|A2|1", "MAT|BEA|1B||1"}));
}

TEST_F(HorariosGrupo, UnSegundoDocenteRecibeUnaFilaEnteraPropia) {
    Lineas({{"P1", "g1", "c1", "m1", "d1", "a1"}, {"P1", "g2", "c1", "m1", "d1", "a1"},
            {"P1", "g2", "c1", "m1", "d2", "a2"}});
    TransformarHorariosGrupo(ctx, plantilla);

    const auto filas = Leer(TablaASIGT());
    ASSERT_EQ(filas.size(), 3u);
    // The group's fields come from GRUPOST, the codes from the line, the rest is fixed.
    const Fila esperada{{"CASIG", "MAT"},  {"CPROF", "BEA"},     {"CGRUP", "1B"},     {"CAULA", "A2"},
                        {"TURNO", "T"},    {"NIVEL", "BAT"},     {"CURSO", "2"},      {"GRUPO", "B"},
                        {"HORAS", "1"},    {"SESIONES", "1111"}, {"NCONEX", ""},      {"CLAVE", "g2"},
                        {"CLAVECURSO", "c1"}, {"CTAREA", "*479"}, {"ASIG_ITACA", "m1"}};
    EXPECT_EQ(filas[2], esperada);

    // Another engine reads the packed table alike: the deleted rows are gone from the file.
    ASSERT_TRUE(HayLeerDbf());
    const std::string tdbf = VolcarConTDbf(stemp.ruta(), "ASIGT");
    EXPECT_EQ(tdbf, VolcarPropio(stemp.ruta(), "ASIGT"));
    EXPECT_EQ(ph::prueba::Lineas(tdbf).size(), 4u);
    EXPECT_EQ(RegistrosEnArchivo(stemp / "ASIGT.DBF"), 3u);
}

// Answer No, template P1: lines in order -> the rows left, in stored order.
struct CasoLineas {
    const char* nombre;
    std::vector<L> lineas;
    std::vector<std::string> filas;
};
void PrintTo(const CasoLineas& c, std::ostream* os) { *os << c.nombre; }

class AplicarLineas : public HorariosGrupo, public ::testing::WithParamInterface<CasoLineas> {};

TEST_P(AplicarLineas, DejaLasFilasEsperadas) {
    Lineas(GetParam().lineas);
    TransformarHorariosGrupo(ctx, plantilla);
    EXPECT_EQ(Resumen(Leer(TablaASIGT())), GetParam().filas);
}

const L A1{"P1", "g1", "c1", "m1", "d1", "a1"};  // teacher ANA, room A1
const L B2{"P1", "g1", "c1", "m1", "d2", "a2"};  // teacher BEA, room A2

INSTANTIATE_TEST_SUITE_P(
    Casos, AplicarLineas,
    ::testing::Values(
        CasoLineas{"SeAplicaUnaLinea", {A1}, {"MAT|ANA|1A|A1|1"}},
        CasoLineas{"TresLineasDeUnDocente", {A1, A1, A1}, {"MAT|ANA|1A|A1|3"}},
        CasoLineas{"DosDocentesSeRepartenLaFila", {A1, A1, B2}, {"MAT|ANA|1A|A1|2", "MAT|BEA|1A|A2|1"}},
        CasoLineas{"UnDocentePosteriorHallaSuPropiaFila", {A1, B2, A1, B2, B2}, {"MAT|ANA|1A|A1|2", "MAT|BEA|1A|A2|3"}},
        CasoLineas{"PrimerDocenteDesconocidoSeQuedaLosPeriodosDeLosDesconocidos",
                   {{"P1", "g1", "c1", "m1", "d9", "a1"}, A1, {"P1", "g1", "c1", "m1", "", "a2"}},
                   {"MAT||1A|A1|2", "MAT|ANA|1A|A1|1"}},
        CasoLineas{"AulaDeLaPrimeraLineaConAulaConocida",
                   {{"P1", "g1", "c1", "m1", "d1", "a9"}, {"P1", "g1", "c1", "m1", "d1", "a2"}, A1},
                   {"MAT|ANA|1A|A2|3"}},
        CasoLineas{"PlantillaRecortadaAntesDeCompararse",
                   {{" P1 ", "g1", "c1", "m1", "d1", "a1"}, {"p1", "g1", "c1", "h1", "d1", "a1"},
                    {"P1 x", "g2", "c1", "m1", "d1", "a1"}},
                   {"MAT|ANA|1A|A1|1"}},
        CasoLineas{"ValoresRecortados", {{"P1", " g1 ", " c1", "m1 ", " d1 ", " a1 "}}, {"MAT|ANA|1A|A1|1"}},
        CasoLineas{"CodigosSeComparanExactamente",
                   {{"P1", "G1", "c1", "m1", "d1", "a1"}, {"P1", "g1", "C1", "m1", "d1", "a1"}},
                   {}},
        CasoLineas{"LineaSinAsignacionSeSalta",
                   {{"P1", "g1", "c1", "zz", "d1", "a1"}, {"P1", "g2", "c1", "m1", "d2", "a2"}},
                   {"MAT|BEA|1B|A2|1"}},
        CasoLineas{"OtroDocenteDeUnGrupoFueraDeGRUPOSTSeDescarta",
                   {{"P1", "gz", "c1", "i1", "d1", "a1"}, {"P1", "gz", "c1", "i1", "d2", "a2"}},
                   {"ING|ANA|ZZ|A1|1"}}),
    [](const ::testing::TestParamInfo<CasoLineas>& i) { return std::string(i.param.nombre); });

TEST(HorariosGrupoSinAtributos, AtributosQueFaltanSeLeenVacios) {
    CarpetaTemporal stemp, entrada;
    DialogosGuion d;
    DocumentoXml doc;
    EscribirArchivo(entrada / "c.xml",
                    "<centro><horarios_grupo><horario_grupo grupo=\"g1\" curso=\"c1\" contenido=\"m1\"/>"
                    "</horarios_grupo></centro>");
    ASSERT_TRUE(doc.Cargar(entrada / "c.xml"));
    LlenarTabla(stemp.ruta(), TablaPROFT(), {{{"ABREV", "ANA"}, {"DNI", "d1"}}});
    LlenarTabla(stemp.ruta(), TablaAULAT(), {});
    LlenarTabla(stemp.ruta(), TablaGRUPOST(), {});
    LlenarTabla(stemp.ruta(), TablaASIGT(), {Provisional("MAT", "1A", "g1", "m1")});
    ContextoImportacion ctx(doc, stemp.ruta(), d);
    PlantillaElegida plantilla;
    plantilla.codigo = "";  // no template chosen; the missing plantilla reads as empty
    TransformarHorariosGrupo(ctx, plantilla);
    EXPECT_EQ(Resumen(LeerTabla(stemp.ruta(), "ASIGT")), (std::vector<std::string>{"MAT||1A||1"}));
}

}  // namespace
