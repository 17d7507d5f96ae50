// pasahorario-cli itaca-a-sesionix: the centre file into Sesionix's work tables.
#include "cli/orden_itaca_a_sesionix.h"

#include "import/importacion.h"

#include <iomanip>
#include <ostream>

namespace ph::cli {

DialogosOpciones::Respuestas OrdenItacaASesionix::PrepararRespuestas(const std::string&) {
    DialogosOpciones::Respuestas r;
    r.plantilla = opciones_.plantilla;
    r.todasPlantillas = opciones_.todasPlantillas;
    r.quitarSinClases = !opciones_.conservarSinClases;
    return r;
}

// A trial run writes the work tables into the trial's exchange folder: nothing else to copy.
ResultadoTransferencia OrdenItacaASesionix::Transferir(EstadoVentana& estado, const std::string& carpeta,
                                                       Dialogos& dialogos, Informe& informe) {
    return ImportarDeItaca(estado, carpeta, dialogos, &informe);
}

void OrdenItacaASesionix::EscribirResumen(const ResultadoTransferencia& resultado,
                                          const std::optional<EleccionPlantilla>& eleccion,
                                          const std::string& carpeta, bool simulada) {
    salida_ << (simulada ? "Tablas de trabajo que se escribirían en " : "Tablas de trabajo en ") << carpeta << ":"
            << std::endl;
    for (const auto& [tabla, filas] : resultado.filas) {
        salida_ << "  " << std::left << std::setw(15) << (tabla + ".DBF") << std::right << std::setw(6);
        if (filas < 0) salida_ << "?" << "  (no se puede leer)";
        else salida_ << filas << (filas == 1 ? " fila" : " filas");
        salida_ << std::endl;
    }
    if (eleccion)
        salida_ << "Plantilla: " << eleccion->resultado << " (turno " << eleccion->turno_plant
                << "), idioma: " << eleccion->idioma << std::endl;
    else
        salida_ << "El archivo no tiene plantillas horarias." << std::endl;
}

}  // namespace ph::cli
