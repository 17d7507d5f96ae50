// The template choice logic: codes, description and shift, session lines, the recorded template.
#include "apoyo/tablas_prueba.h"
#include "transfer/dias_horas.h"

#include "import/etapas.h"
#include "transfer/plantillas.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cstdio>

using namespace ph;
using namespace ph::prueba;

namespace {

using Lista = std::vector<std::string>;

std::string Sesion(const std::string& plantilla, const std::string& dia, const std::string& orden,
                   const std::string& desde = "08:00", const std::string& hasta = "08:55") {
    return "<sesion_horario plantilla=\"" + plantilla + "\" dia_semana=\"" + dia + "\" sesion_orden=\"" + orden +
           "\" hora_desde=\"" + desde + "\" hora_hasta=\"" + hasta + "\"/>";
}

class Plantillas : public EtapaPrueba {
protected:
    void SetUp() override {
        Centro("<plantillas_horario>"
               "<plantilla_horario codigo=\" MATI&#9;\" descripcion_val=\" Matí \" descripcion_cas=\"Mañana&#10;\" turno=\" M \"/>"
               "<plantilla_horario codigo=\"VESP\" descripcion_val=\"Vesprada\" descripcion_cas=\"Tarde\" turno=\"T\"/>"
               "<plantilla_horario codigo=\"DOBLE\" descripcion_val=\"Primera\" descripcion_cas=\"Primera\" turno=\"1\"/>"
               "<plantilla_horario codigo=\"DOBLE\" descripcion_val=\"Segona\" descripcion_cas=\"Segunda\" turno=\"2\"/>"
               "<plantilla_horario codigo=\"ABC\" descripcion_val=\"Abc\" descripcion_cas=\"Abc\" turno=\"A\"/>"
               "</plantillas_horario><sesiones_horario>" +
               Sesion("MATI", "L", "10", "13:05", "14:00") + Sesion("MATI", "L", "2", "08:55", "09:50") +
               Sesion("MATI", "M", "1", "07:00", "07:55") + Sesion(" MATI ", " L ", " 9 ", " 12:10 ", " 13:05 ") +
               Sesion("MATI", "L", "1") + Sesion("mati", "L", "3") + Sesion("MATI", "l", "4") +
               Sesion("VESP", "M", "1") + Sesion("VESP", "X", "2") +
               // Letters in the lines: the list box ignores their case; equal lines both stay.
               Sesion("ABC", "L", "b") + Sesion("ABC", "L", "B") + Sesion("ABC", "L", "a") + Sesion("ABC", "L", "C") +
               Sesion("ABC", "L", "a") + "</sesiones_horario>");
    }
};

TEST_F(Plantillas, CodigosRecortadosEnOrdenDelDocumentoSinOrdenar) {
    EXPECT_EQ(CodigosPlantilla(doc), (Lista{"MATI", "VESP", "DOBLE", "DOBLE", "ABC"}));
}

struct CasoDescripcion {
    std::string texto, idioma, descripcion, turno;
};
void PrintTo(const CasoDescripcion& c, std::ostream* os) { *os << "«" << c.texto << "», " << c.idioma; }

class Descripcion : public Plantillas, public ::testing::WithParamInterface<CasoDescripcion> {};

TEST_P(Descripcion, MuestraLaPlantillaQueCoincide) {
    const auto& c = GetParam();
    const DescripcionPlantilla d = DescribirPlantilla(doc, c.texto, c.idioma);
    EXPECT_EQ(d.descripcion, c.descripcion) << c.texto << " / " << c.idioma;
    EXPECT_EQ(d.turno, c.turno) << c.texto << " / " << c.idioma;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Descripcion,
    ::testing::Values(CasoDescripcion{"MATI", "VALENCIÁ", "Matí", "M"},
                      CasoDescripcion{"MATI", "CASTELLANO", "Mañana", "M"},
                      CasoDescripcion{"MATI", "valencià", "Mañana", "M"},  // any other text: Castilian
                      CasoDescripcion{"MATI", "", "Mañana", "M"},
                      CasoDescripcion{"VESP", "VALENCIÁ", "Vesprada", "T"},
                      CasoDescripcion{"DOBLE", "VALENCIÁ", "Segona", "2"},  // the last match stays
                      CasoDescripcion{"MATI ", "VALENCIÁ", "-", "-"},       // the combo's text is not stripped
                      CasoDescripcion{"mati", "VALENCIÁ", "-", "-"},
                      CasoDescripcion{"", "VALENCIÁ", "-", "-"}));

struct CasoLineaSesion {
    std::string orden, linea;
};
void PrintTo(const CasoLineaSesion& c, std::ostream* os) { *os << "«" << c.orden << "»"; }

class UnaLineaSesion : public ::testing::TestWithParam<CasoLineaSesion> {};

TEST_P(UnaLineaSesion, SeConstruye) { EXPECT_EQ(LineaSesion(GetParam().orden, "08:00", "08:55"), GetParam().linea); }

INSTANTIATE_TEST_SUITE_P(Casos, UnaLineaSesion,
                         ::testing::Values(CasoLineaSesion{"3", " 3 de 08:00 a 08:55"},
                                           CasoLineaSesion{"12", "12 de 08:00 a 08:55"},
                                           CasoLineaSesion{"123", "123 de 08:00 a 08:55"},
                                           CasoLineaSesion{"1234", "123 de 08:00 a 08:55"},
                                           CasoLineaSesion{"", " de 08:00 a 08:55"},
                                           CasoLineaSesion{"à", " à de 08:00 a 08:55"}));  // one character

TEST_F(Plantillas, LineasDelLunesEnOrdenAscendente) {
    // " L " and " 9 " count once stripped; "l", "M" and another template's "mati" do not.
    EXPECT_EQ(LineasSesion(doc, "MATI"), (Lista{" 1 de 08:00 a 08:55", " 2 de 08:55 a 09:50",
                                                " 9 de 12:10 a 13:05", "10 de 13:05 a 14:00"}));
}

TEST_F(Plantillas, LineasOrdenadasSinMirarMayusculasYRepetidasConservadas) {
    EXPECT_EQ(LineasSesion(doc, "ABC"), (Lista{" a de 08:00 a 08:55", " a de 08:00 a 08:55", " b de 08:00 a 08:55",
                                               " B de 08:00 a 08:55", " C de 08:00 a 08:55"}));
}

TEST_F(Plantillas, UnaPlantillaSinSesionesElLunesNoTieneLineas) {
    EXPECT_TRUE(LineasSesion(doc, "VESP").empty());
    EXPECT_TRUE(LineasSesion(doc, "NADA").empty());
}

TEST(PlantillaUnica, UnaSolaSesionDaSuLinea) {
    CarpetaTemporal dir;
    DocumentoXml doc;
    EscribirArchivo(dir / "c.xml",
                    "<centro><plantillas_horario><plantilla_horario codigo=\"P\" descripcion_val=\"V\" "
                    "descripcion_cas=\"C\" turno=\"M\"/></plantillas_horario><sesiones_horario>" +
                        Sesion("P", "L", "1") + "</sesiones_horario></centro>");
    ASSERT_TRUE(doc.Cargar(dir / "c.xml"));
    // One template: it is the first code and is chosen at once, with everything it shows.
    const auto codigos = CodigosPlantilla(doc);
    ASSERT_EQ(codigos, (Lista{"P"}));
    const EleccionPlantilla e = ElegirPlantillaSinVentana(doc, codigos.front(), "VALENCIÁ");
    EXPECT_EQ(e.resultado, "P");
    EXPECT_EQ(e.turno_plant, "M");
    EXPECT_EQ(e.idioma, "VALENCIÁ");
    EXPECT_EQ(e.lineas, (Lista{" 1 de 08:00 a 08:55"}));
}

struct CasoEleccion {
    std::string texto, idioma;
    std::string resultado, turno;
    size_t lineas;
};
void PrintTo(const CasoEleccion& c, std::ostream* os) { *os << "«" << c.texto << "», " << c.idioma; }

class Eleccion : public Plantillas, public ::testing::WithParamInterface<CasoEleccion> {};

TEST_P(Eleccion, DaLosResultadosDelDialogo) {
    const auto& c = GetParam();
    const EleccionPlantilla e = ElegirPlantillaSinVentana(doc, c.texto, c.idioma);
    EXPECT_EQ(e.resultado, c.resultado);
    EXPECT_EQ(e.turno_plant, c.turno);
    EXPECT_EQ(e.idioma, c.idioma);
    EXPECT_EQ(e.lineas.size(), c.lineas);
}

INSTANTIATE_TEST_SUITE_P(Casos, Eleccion,
                         ::testing::Values(CasoEleccion{"MATI", "CASTELLANO", "MATI", "M", 4},
                                           CasoEleccion{"", "VALENCIÁ", "", "-", 0},  // export mode, closed at once
                                           CasoEleccion{"MATI ", "VALENCIÁ", "MATI", "-", 0},
                                           CasoEleccion{"\tVESP\r\n", "VALENCIÁ", "VESP", "-", 0},
                                           CasoEleccion{"OTRA", "INGLÉS", "OTRA", "-", 0}));

class Registrada : public ::testing::Test {
protected:
    CarpetaTemporal stemp;
};

TEST_F(Registrada, LaPlantillaDeLaPrimeraFilaDelMarco) {
    CrearDiasHoras(stemp.ruta(), {" 1 de 08:00 a 08:55", " 2 de 08:55 a 09:50"}, "MATI", "VALENCIÁ");
    EXPECT_EQ(PlantillaRegistrada(stemp.ruta()), "MATI");
}

TEST_F(Registrada, VaciaSiNoHayNadaQueLeer) {
    EXPECT_EQ(PlantillaRegistrada(stemp.ruta()), "");  // no table
    EXPECT_EQ(PlantillaRegistrada(stemp / "no-existe"), "");
    CrearDiasHoras(stemp.ruta(), {}, "MATI", "VALENCIÁ");
    EXPECT_EQ(PlantillaRegistrada(stemp.ruta()), "");  // no row
    EscribirArchivo(stemp / "DIASHORAST.DBF", "no es una tabla");
    EXPECT_EQ(PlantillaRegistrada(stemp.ruta()), "");
    LlenarTabla(stemp.ruta(), TablaPROFT(), {{{"ABREV", "X"}}});
    std::rename((stemp / "PROFT.DBF").c_str(), (stemp / "DIASHORAST.DBF").c_str());
    EXPECT_EQ(PlantillaRegistrada(stemp.ruta()), "");  // a table without MARCOXML
}

TEST_F(Registrada, SeHallaSinMirarLasMayusculasDelNombreDeArchivo) {
    CrearDiasHoras(stemp.ruta(), {" 1 de 08:00 a 08:55"}, "VESP", "VALENCIÁ");
    std::rename((stemp / "DIASHORAST.DBF").c_str(), (stemp / "diashorast.dbf").c_str());
    EXPECT_EQ(PlantillaRegistrada(stemp.ruta()), "VESP");
}

}  // namespace
