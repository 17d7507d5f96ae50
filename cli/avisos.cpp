// The transfer report on the command line.
#include "cli/avisos.h"

#include <exception>
#include <ostream>

namespace ph::cli {

void EscribirResumenAvisos(std::ostream& salida, const Informe& informe) {
    const auto resumen = informe.Resumen();
    if (resumen.empty()) {
        salida << "Avisos: ninguno." << std::endl;
        return;
    }
    salida << "Avisos:" << std::endl;
    for (const auto& [titulo, total] : resumen) salida << "  " << titulo << ": " << total << std::endl;
}

bool GuardarInformePedido(const Opciones& opciones, const Informe& informe, std::ostream& salida,
                          std::ostream& errores) {
    if (!opciones.informe) return true;
    try {
        informe.GuardarCsv(*opciones.informe);
    } catch (const std::exception& e) {
        errores << e.what() << std::endl;
        return false;
    }
    salida << "Informe: " << *opciones.informe << std::endl;
    return true;
}

}  // namespace ph::cli
