#pragma once
// The ITACA -> Sesionix driver: loads the centre file, lets the person choose the
// template and the language, runs the ten stages in order.
#include "transfer/dialogos.h"
#include "transfer/estado_ventana.h"
#include "transfer/informe.h"
#include "transfer/resultado.h"

#include <string>
#include <vector>

namespace ph {


// Runs one transfer of the centre file at estado.filenameXML into the exchange folder.
// Messages ("No existe archivo", the refusal of a file that is not a centre file, an
// error's own text, "Proceso finalizado") go through dialogos.Mensaje; the result says
// how the run ended. Never throws.
// informe: when given, the stages note in it what the data did not carry or carried
// changed; the tables are the same with or without it.
ResultadoTransferencia ImportarDeItaca(EstadoVentana& estado, const std::string& carpeta,
                                       Dialogos& dialogos, Informe* informe = nullptr);

}  // namespace ph
