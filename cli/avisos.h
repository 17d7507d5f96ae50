#pragma once
// The transfer report on the command line: its summary by category and its CSV file.
#include "cli/opciones.h"
#include "transfer/informe.h"

#include <iosfwd>

namespace ph::cli {

// One line per category with notices and its count; "Avisos: ninguno." when there are none.
void EscribirResumenAvisos(std::ostream& salida, const Informe& informe);

// Saves the report where --informe says, and names the file on salida. False, with the
// reason on errores, when it cannot be written.
bool GuardarInformePedido(const Opciones& opciones, const Informe& informe, std::ostream& salida,
                          std::ostream& errores);

}  // namespace ph::cli
