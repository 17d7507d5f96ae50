// The questions of a transfer answered from the command-line options.
#include "cli/dialogos_opciones.h"

#include "common/xml.h"
#include "transfer/plantillas.h"

#include <ostream>

namespace ph::cli {

DialogosOpciones::DialogosOpciones(Respuestas respuestas, std::ostream& mensajes)
    : respuestas_(std::move(respuestas)), mensajes_(mensajes) {}

EleccionPlantilla DialogosOpciones::ElegirPlantilla(const std::string& rutaCentro, bool exportacion,
                                                    const std::string& idioma) {
    // Like the dialog, read the centre file into a document of its own.
    DocumentoXml doc;
    doc.Cargar(rutaCentro);
    return ElegirPlantillaEnDocumento(doc, rutaCentro, exportacion, idioma);
}

EleccionPlantilla DialogosOpciones::ElegirPlantillaEnDocumento(const DocumentoXml& doc, const std::string&,
                                                              bool exportacion, const std::string& idioma) {
    std::string texto;
    if (respuestas_.plantilla) {
        texto = *respuestas_.plantilla;
    } else if (!exportacion) {
        std::vector<std::string> codigos = CodigosPlantilla(doc);
        if (!codigos.empty()) texto = codigos.front();
    }
    eleccion_ = ElegirPlantillaSinVentana(doc, texto, idioma);
    return *eleccion_;
}

bool DialogosOpciones::PreguntarTodasPlantillas(const std::string&) { return respuestas_.todasPlantillas; }

bool DialogosOpciones::PreguntarQuitarSinClases(const std::string&) { return respuestas_.quitarSinClases; }

std::string DialogosOpciones::ConfirmarCurso(const std::string& cursoActual) {
    return respuestas_.curso ? *respuestas_.curso : cursoActual;
}

void DialogosOpciones::Mensaje(const std::string& texto) {
    // Messages keep their line breaks, written the way of the terminal.
    std::string linea;
    for (size_t i = 0; i < texto.size(); ++i) {
        if (texto[i] == '\r' && i + 1 < texto.size() && texto[i + 1] == '\n') continue;
        linea += texto[i];
    }
    mensajes_ << linea << std::endl;
}

}  // namespace ph::cli
