#pragma once
// The schedule file writer.
#include "common/xml.h"
#include "export/registros.h"

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace ph {

// "ResultadoSesionix" + the centre file's name, in the centre file's folder.
std::string RutaResultado(const std::string& rutaCentro);

// Replaces the root of doc by the schedule and saves it atomically at
// RutaResultado(rutaCentro). The centre file itself is never written.
void GuardarResultado(DocumentoXml& doc, const DatosCentro& datos,
                      const std::vector<EntradaHorarioGrupo>& grupos,
                      const std::vector<EntradaHorarioOcupacion>& ocupaciones,
                      const std::string& rutaCentro);

// The clock the export's date is read from.
using RelojExportacion = std::function<std::chrono::system_clock::time_point()>;
// Replaces that clock (tests fix the time with it); an empty one restores the system clock.
void PonerRelojExportacion(RelojExportacion reloj);

// The export's date and time, read from the clock now, in local time: on Windows the
// user's regional short date, a blank and the regional long time; elsewhere
// "dd/mm/yyyy hh:mm:ss".
std::string FechaExportacion();

}  // namespace ph
