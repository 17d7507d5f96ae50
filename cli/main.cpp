// pasahorario-cli: both transfers without a window, every question answered by an option.
#include "cli/opciones.h"
#include "cli/orden_itaca_a_sesionix.h"
#include "cli/orden_sesionix_a_itaca.h"
#include "cli/orden_transferencia.h"
#include "common/plataforma.h"

#include <exception>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    using namespace ph::cli;
    ph::PrepararConsola();
    try {
        const Opciones opciones = LeerOpciones(ph::ArgumentosDelPrograma(argc, argv));
        switch (opciones.orden) {
            case Orden::Ayuda:
                std::cout << TextoAyuda();
                return kSalidaCompletada;
            case Orden::Version:
                std::cout << kVersion << std::endl;
                return kSalidaCompletada;
            case Orden::ItacaASesionix:
                return OrdenItacaASesionix(opciones, std::cout, std::cerr).Ejecutar();
            case Orden::SesionixAItaca:
                return OrdenSesionixAItaca(opciones, std::cout, std::cerr).Ejecutar();
        }
    } catch (const ErrorUso& e) {
        std::cerr << "pasahorario-cli: " << e.what() << "\n"
                  << "Escriba «pasahorario-cli --help» para ver el uso." << std::endl;
        return kSalidaUso;
    } catch (const std::exception& e) {
        std::cerr << "pasahorario-cli: " << e.what() << std::endl;
        return kSalidaError;
    }
    return kSalidaError;
}
