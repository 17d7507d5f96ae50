#pragma once
// The Sesionix -> ITACA driver: from the solution table and the centre file to the
// schedule file.
#include "common/dialogos.h"
#include "common/resultado.h"
#include "import/importacion.h"

#include <string>

namespace ph {

// The reminder shown before the open-file dialog.
extern const char* const kRecordatorioExportacion;

// Runs one export of the centre file at estado.filenameXML with the solution of the
// exchange folder. Asks the template (export mode) and the school year through dialogos;
// rebuilds DIASHORAST for the template; writes the schedule file. Messages go through
// dialogos.Mensaje. Never throws.
ResultadoTransferencia ExportarAItaca(EstadoVentana& estado, const std::string& carpeta,
                                      Dialogos& dialogos);

}  // namespace ph
