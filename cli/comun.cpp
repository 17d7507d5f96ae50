// What both commands of pasahorario-cli share.
#include "cli/comun.h"

#include "common/carpeta.h"

#include <filesystem>
#include <system_error>

namespace ph::cli {

int CodigoSalida(Desenlace desenlace) {
    switch (desenlace) {
        case Desenlace::Completada: return kSalidaCompletada;
        case Desenlace::FaltaEntrada:
        case Desenlace::Rechazada: return kSalidaFaltaEntrada;
        case Desenlace::Error: break;
    }
    return kSalidaError;
}

std::string CarpetaDeTrabajo(const Opciones& opciones) {
    return opciones.stemp ? *opciones.stemp : CarpetaIntercambio();
}

std::string MotivoFaltaArchivo(const std::string& ruta, const std::string& que) {
    if (ExisteArchivo(ruta)) return {};
    const std::string nombre = "«" + ruta + "»";
    std::error_code ec;
    const std::filesystem::file_status estado = std::filesystem::status(RutaNativa(ruta), ec);
    if (estado.type() == std::filesystem::file_type::directory)
        return "No se puede leer " + que + " " + nombre + ": es una carpeta, no un archivo.";
    if (std::filesystem::exists(estado))
        return "No se puede leer " + que + " " + nombre + ": no es un archivo normal.";
    return "No existe " + que + " " + nombre + ".";
}

}  // namespace ph::cli
