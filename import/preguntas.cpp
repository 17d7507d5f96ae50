// The exact texts of the two questions the ITACA -> Sesionix transfer asks.
#include "import/preguntas.h"

#include <string>

namespace ph {

namespace {

std::string Repetir(char c, int n) { return std::string(size_t(n), c); }

const std::string& TextoTodasPlantillas() {
    static const std::string t =
        Repetir(' ', 7) + "!!! I M P O R T A N T E !!!  ¿Importar Datos de todas las Plantillas?\r\n" +
        Repetir(' ', 7) + Repetir('=', 39) + Repetir(' ', 4) + "\r\n" +
        "Se han encontrado Datos que pueden pertenecer a varias Plantillas Horarias.\r\n"
        "RECOMENDAMOS IMPORTAR SOLAMENTE LOS DATOS PERTENECIENTES A UNA SOLA PLANTILLA.\r\n"
        "Si quiere Importar los Datos de todas las Plantillas Pulse el Botón \"Sí\".\r\n"
        "Para Importar solo los Datos de la Plantilla seleccionada,Pulse el Botón \"No\".\r\n" +
        Repetir('-', 88) + "\r\n" +
        "(RECOMENDAMOS Pulsar \"No\", y trabajar solo con datos de una Plantilla.)\r\n" +
        Repetir('-', 88);
    return t;
}

const std::string& TextoQuitarSinClases() {
    static const std::string t =
        Repetir(' ', 23) + "!!! I M P O R T A N T E !!!" + Repetir(' ', 25) + "\r\n" +
        "Existen Grupos de Clase y Profesores que NO tienen Clases en esta Plantilla.\r\n"
        "Tanto, QUITAR como DEJAR estos Grupos y Profesores, No afectará al Horario.\r\n"
        "¿Quieren quitar dichos Grupos y Profesores, del Horario que se va a Importar?.";
    return t;
}

}  // namespace

const char* const kPreguntaTodasPlantillas = TextoTodasPlantillas().c_str();
const char* const kPreguntaQuitarSinClases = TextoQuitarSinClases().c_str();

}  // namespace ph
