// Every text the core shows a person, typed out here as the program must show it: the two
// questions of an import, the reminder before an export, and the messages that end or
// stop a run. Each run goes through the real drivers with scripted answers that record
// the texts they are handed.
#include "apoyo/apoyo.h"
#include "apoyo/tablas_prueba.h"
#include "export/exportacion.h"
#include "import/importacion.h"
#include "import/preguntas.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

using namespace ph;
using namespace ph::prueba;

namespace {

const std::string kEjemploCentro = std::string(PH_EJEMPLOS) + "/centro.xml";

// Line breaks inside a message are a carriage return and a line feed.
const std::string kSalto = "\r\n";

const std::string kPreguntaTodasPlantillas =
    std::string(7, ' ') + "!!! I M P O R T A N T E !!!  ¿Importar Datos de todas las Plantillas?" + kSalto +
    std::string(7, ' ') + std::string(39, '=') + std::string(4, ' ') + kSalto +
    "Se han encontrado Datos que pueden pertenecer a varias Plantillas Horarias." + kSalto +
    "RECOMENDAMOS IMPORTAR SOLAMENTE LOS DATOS PERTENECIENTES A UNA SOLA PLANTILLA." + kSalto +
    "Si quiere Importar los Datos de todas las Plantillas Pulse el Botón \"Sí\"." + kSalto +
    "Para Importar solo los Datos de la Plantilla seleccionada,Pulse el Botón \"No\"." + kSalto +
    std::string(88, '-') + kSalto +
    "(RECOMENDAMOS Pulsar \"No\", y trabajar solo con datos de una Plantilla.)" + kSalto +
    std::string(88, '-');

const std::string kPreguntaQuitarSinClases =
    std::string(23, ' ') + "!!! I M P O R T A N T E !!!" + std::string(25, ' ') + kSalto +
    "Existen Grupos de Clase y Profesores que NO tienen Clases en esta Plantilla." + kSalto +
    "Tanto, QUITAR como DEJAR estos Grupos y Profesores, No afectará al Horario." + kSalto +
    "¿Quieren quitar dichos Grupos y Profesores, del Horario que se va a Importar?.";

const std::string kRecordatorio =
    "Deberá Abrir el fichero XML de ITACA," + kSalto + "desde el cual realizó la Importación a Sesionix";

// What a run showed: the questions asked and the messages, in order.
struct Visto {
    std::vector<std::string> preguntas;
    std::vector<std::string> mensajes;
};

struct Carpetas {
    CarpetaTemporal stemp, itaca;
};

Visto Importar(Carpetas& c, const std::string& centro) {
    EstadoVentana estado;
    estado.filenameXML = centro;
    DialogosGuion d;
    ImportarDeItaca(estado, c.stemp.ruta(), d);
    return {d.preguntas, d.mensajes};
}

Visto Exportar(Carpetas& c, const std::string& centro) {
    EstadoVentana estado;
    estado.filenameXML = centro;
    DialogosGuion d;
    ExportarAItaca(estado, c.stemp.ruta(), d);
    return {d.preguntas, d.mensajes};
}

// The sample school next to the exchange folder.
std::string CopiaDelEjemplo(Carpetas& c) {
    const std::string ruta = c.itaca / "centro.xml";
    std::filesystem::copy_file(kEjemploCentro, ruta);
    return ruta;
}

struct CasoMensajes {
    const char* nombre;
    std::function<Visto(Carpetas&)> ejecutar;
    std::vector<std::string> preguntas;
    std::vector<std::string> mensajes;
    friend void PrintTo(const CasoMensajes& c, std::ostream* os) { *os << c.nombre; }
};

class Mensajes : public ::testing::TestWithParam<CasoMensajes> {};

TEST_P(Mensajes, SonLosTextosExactos) {
    const CasoMensajes& c = GetParam();
    Carpetas carpetas;
    const Visto v = c.ejecutar(carpetas);
    EXPECT_EQ(v.preguntas, c.preguntas);
    EXPECT_EQ(v.mensajes, c.mensajes);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Mensajes,
    ::testing::Values(
        // The sample school has timetable lines and groups without classes in its first
        // template: both questions, in this order, then the end.
        CasoMensajes{"ImportacionCompleta",
                     [](Carpetas& c) { return Importar(c, CopiaDelEjemplo(c)); },
                     {kPreguntaTodasPlantillas, kPreguntaQuitarSinClases},
                     {"Proceso finalizado"}},
        CasoMensajes{"ImportacionSinArchivo",
                     [](Carpetas& c) { return Importar(c, c.itaca / "no-existe.xml"); },
                     {},
                     {"No existe archivo"}},
        CasoMensajes{"ImportacionConRutaVacia", [](Carpetas& c) { return Importar(c, ""); }, {},
                     {"No existe archivo"}},
        CasoMensajes{"ExportacionCompleta",
                     [](Carpetas& c) {
                         const std::string centro = CopiaDelEjemplo(c);
                         Importar(c, centro);
                         EscribirSoluc(c.stemp / "SOLUC.DBF", {});
                         return Exportar(c, centro);
                     },
                     {},
                     {"Proceso finalizado"}},
        CasoMensajes{"ExportacionSinSolucion",
                     [](Carpetas& c) {
                         const std::string centro = CopiaDelEjemplo(c);
                         Importar(c, centro);
                         return Exportar(c, centro);
                     },
                     {},
                     {"No existe archivo XML o Solución."}},
        CasoMensajes{"ExportacionSinCentro",
                     [](Carpetas& c) {
                         EscribirSoluc(c.stemp / "SOLUC.DBF", {});
                         return Exportar(c, c.itaca / "no-existe.xml");
                     },
                     {},
                     {"No existe archivo XML o Solución."}}),
    [](const auto& info) { return std::string(info.param.nombre); });

// The reminder is shown by the windows before their open-file dialog; the core holds it.
TEST(Recordatorio, EsElTextoExacto) { EXPECT_EQ(std::string(kRecordatorioExportacion), kRecordatorio); }

}  // namespace
