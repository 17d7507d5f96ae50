#pragma once
// The ITACA -> Sesionix driver: loads the centre file, lets the person choose the
// template and the language, runs the ten stages in order.
#include "common/dialogos.h"
#include "common/informe.h"
#include "common/resultado.h"

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

// Runs one transfer of the centre file at estado.filenameXML into the exchange folder.
// Messages ("No existe archivo", the refusal of a file that is not a centre file, an
// error's own text, "Proceso finalizado") go through dialogos.Mensaje; the result says
// how the run ended. Never throws.
// informe: when given, the stages note in it what the data did not carry or carried
// changed; the tables are the same with or without it.
ResultadoTransferencia ImportarDeItaca(EstadoVentana& estado, const std::string& carpeta,
                                       Dialogos& dialogos, Informe* informe = nullptr);

// Rows of each work table in the folder, in build order (-1 for a table that cannot be read).
std::vector<std::pair<std::string, long>> ContarFilas(const std::string& carpeta);

}  // namespace ph
