// What both commands of pasahorario-cli share.
#include "cli/comun.h"

#include "common/carpeta.h"

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

}  // namespace ph::cli
