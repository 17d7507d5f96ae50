#pragma once
// What the main window keeps between runs: the centre file, and the template, shift,
// language and session lines chosen last. Both transfers read it; the template dialog
// writes it.
#include <string>
#include <vector>

namespace ph {

// The main window's state that outlives one run.
struct EstadoVentana {
    std::string filenameXML;
    std::string resultado;
    std::string turno_plant;
    std::string idioma = "VALENCIÁ";
    std::vector<std::string> ListBoxPlanti;
};

}  // namespace ph
