#pragma once
// pasahorario-cli sesionix-a-itaca: Sesionix's solution into ITACA's schedule file.
#include "cli/opciones.h"

#include <iosfwd>

namespace ph::cli {

class OrdenSesionixAItaca {
public:
    OrdenSesionixAItaca(std::ostream& salida, std::ostream& errores) : salida_(salida), errores_(errores) {}
    // Runs the transfer; returns the program's exit status. Throws ErrorUso when the
    // template is neither given nor recorded, before anything is touched.
    int Ejecutar(const Opciones& opciones);

private:
    std::ostream& salida_;
    std::ostream& errores_;
};

}  // namespace ph::cli
