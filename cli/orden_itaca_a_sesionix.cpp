// pasahorario-cli itaca-a-sesionix: the centre file into Sesionix's work tables.
#include "cli/orden_itaca_a_sesionix.h"

#include "cli/avisos.h"
#include "cli/comun.h"
#include "cli/dialogos_opciones.h"
#include "cli/simulacion.h"
#include "common/carpeta.h"
#include "import/importacion.h"
#include "transfer/centro.h"

#include <iomanip>
#include <optional>
#include <ostream>
#include <sstream>

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

    // A trial run writes the work tables into a temporary exchange folder of its own; its
    // messages name the real one.
    std::optional<Simulacion> ensayo;
    std::ostringstream mensajesEnsayo;
    if (opciones.simular) {
        ensayo.emplace();
        ensayo->SustituyeCarpeta(carpeta);
    }
    DialogosOpciones dialogos(r, ensayo ? mensajesEnsayo : errores_);

    EstadoVentana estado;
    estado.filenameXML = opciones.centro;
    estado.idioma = opciones.idioma ? *opciones.idioma : centro::kValencia;

    Informe informe;
    const ResultadoTransferencia resultado =
        ImportarDeItaca(estado, ensayo ? ensayo->Carpeta() : carpeta, dialogos, &informe);
    if (ensayo) errores_ << ensayo->Real(mensajesEnsayo.str()) << std::flush;
    if (resultado.desenlace == Desenlace::FaltaEntrada) {
        // The window's message names no file: say which one.
        if (const std::string motivo = MotivoFaltaArchivo(opciones.centro, "el archivo de centro"); !motivo.empty())
            errores_ << motivo << std::endl;
    }
    if (resultado.desenlace != Desenlace::Completada) return CodigoSalida(resultado.desenlace);

    if (ensayo) salida_ << kTextoSimulacion << std::endl;
    salida_ << (ensayo ? "Tablas de trabajo que se escribirían en " : "Tablas de trabajo en ") << carpeta << ":"
            << std::endl;
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
    EscribirResumenAvisos(salida_, informe);
    return GuardarInformePedido(opciones, informe, salida_, errores_) ? kSalidaCompletada : kSalidaError;
}

}  // namespace ph::cli
