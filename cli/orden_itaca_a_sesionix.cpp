// pasahorario-cli itaca-a-sesionix: the centre file into Sesionix's work tables.
#include "cli/orden_itaca_a_sesionix.h"

#include "cli/comun.h"
#include "cli/dialogos_opciones.h"
#include "common/carpeta.h"
#include "common/centro.h"
#include "import/importacion.h"

#include <iomanip>
#include <ostream>

namespace ph::cli {

int OrdenItacaASesionix::Ejecutar(const Opciones& opciones) {
    const std::string carpeta = CarpetaDeTrabajo(opciones);
    if (!ExisteCarpeta(carpeta)) {
        errores_ << "No existe la carpeta de intercambio «" << carpeta << "»." << std::endl;
        return kSalidaFaltaEntrada;
    }

    DialogosOpciones::Respuestas r;
    r.plantilla = opciones.plantilla;
    r.todasPlantillas = opciones.todasPlantillas;
    r.quitarSinClases = !opciones.conservarSinClases;
    DialogosOpciones dialogos(r, errores_);

    EstadoVentana estado;
    estado.filenameXML = opciones.centro;
    estado.idioma = opciones.idioma ? *opciones.idioma : centro::kValencia;

    const ResultadoTransferencia resultado = ImportarDeItaca(estado, carpeta, dialogos);
    if (resultado.desenlace == Desenlace::FaltaEntrada) {
        // The window's message names no file: say which one.
        if (const std::string motivo = MotivoFaltaArchivo(opciones.centro, "el archivo de centro"); !motivo.empty())
            errores_ << motivo << std::endl;
    }
    if (resultado.desenlace != Desenlace::Completada) return CodigoSalida(resultado.desenlace);

    salida_ << "Tablas de trabajo en " << carpeta << ":" << std::endl;
    for (const auto& [tabla, filas] : resultado.filas) {
        salida_ << "  " << std::left << std::setw(15) << (tabla + ".DBF") << std::right << std::setw(6);
        if (filas < 0) salida_ << "?" << "  (no se puede leer)";
        else salida_ << filas << (filas == 1 ? " fila" : " filas");
        salida_ << std::endl;
    }
    if (dialogos.Eleccion())
        salida_ << "Plantilla: " << dialogos.Eleccion()->resultado << " (turno " << dialogos.Eleccion()->turno_plant
                << "), idioma: " << estado.idioma << std::endl;
    else
        salida_ << "El archivo no tiene plantillas horarias." << std::endl;
    return kSalidaCompletada;
}

}  // namespace ph::cli
