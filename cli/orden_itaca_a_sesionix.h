#pragma once
// pasahorario-cli itaca-a-sesionix: the centre file into Sesionix's work tables.
#include "cli/opciones.h"

#include <iosfwd>

namespace ph::cli {

class OrdenItacaASesionix {
public:
    OrdenItacaASesionix(std::ostream& salida, std::ostream& errores) : salida_(salida), errores_(errores) {}
    // Runs the transfer; returns the program's exit status.
    int Ejecutar(const Opciones& opciones);

private:
    std::ostream& salida_;
    std::ostream& errores_;
};

}  // namespace ph::cli
