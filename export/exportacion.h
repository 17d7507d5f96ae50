#pragma once
// The Sesionix -> ITACA driver: from the solution table and the centre file to the
// schedule file.
#include "transfer/dialogos.h"
#include "transfer/estado_ventana.h"
#include "transfer/informe.h"
#include "transfer/resultado.h"

#include <string>

namespace ph {

class DocumentoXml;

// The reminder shown before the open-file dialog.
extern const char* const kRecordatorioExportacion;

// Runs one export of the centre file at estado.filenameXML with the solution of the
// exchange folder. Asks the template (export mode) and the school year through dialogos;
// rebuilds DIASHORAST for the template; writes the schedule file. Messages go through
// dialogos.Mensaje. Never throws.
// centroCargado: the centre file at estado.filenameXML as the caller has already loaded it
// (Cargar returned true), which the export then uses and changes instead of parsing the
// file a second time; null to have it loaded here.
// informe: when given, the solution reading notes in it the rows it skips or writes
// incomplete; the schedule file is the same with or without it.
ResultadoTransferencia ExportarAItaca(EstadoVentana& estado, const std::string& carpeta,
                                      Dialogos& dialogos, DocumentoXml* centroCargado = nullptr,
                                      Informe* informe = nullptr);

}  // namespace ph
