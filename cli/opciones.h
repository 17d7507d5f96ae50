#pragma once
// The command line of pasahorario-cli: what was asked and with which options.
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace ph::cli {

enum class Orden { Ayuda, Version, ItacaASesionix, SesionixAItaca };

struct Opciones {
    Orden orden = Orden::Ayuda;
    std::string centro;                    // the centre file
    std::optional<std::string> stemp;      // --stemp
    std::optional<std::string> plantilla;  // --plantilla
    std::optional<std::string> idioma;     // --idioma
    std::optional<std::string> curso;      // --curso (sesionix-a-itaca)
    bool todasPlantillas = false;          // --todas-plantillas (itaca-a-sesionix)
    bool conservarSinClases = false;       // --conservar-sin-clases (itaca-a-sesionix)
    std::optional<std::string> informe;    // --informe: the report as CSV
    bool simular = false;                  // --simular: a trial run that changes nothing
};

// A command line that cannot be understood. Its message says why, in Spanish.
class ErrorUso : public std::runtime_error {
public:
    explicit ErrorUso(const std::string& mensaje) : std::runtime_error(mensaje) {}
};

// Reads the arguments after the program's name. Options are accepted as "--opt VALUE"
// and as "--opt=VALUE"; "--" ends the options. Throws ErrorUso.
Opciones LeerOpciones(const std::vector<std::string>& argumentos);

// The text of --help.
std::string TextoAyuda();
inline constexpr const char* kVersion = "pasahorario-cli 1.0";

}  // namespace ph::cli
