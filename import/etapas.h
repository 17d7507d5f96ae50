#pragma once
// The ten stages of the ITACA -> Sesionix transfer, in the order the driver runs them.
// Each rebuilds or changes its work tables in the exchange folder and raises ph::Error
// (or lets a table or XML error pass) when it cannot go on; every table it opened is
// closed again on the way out.
#include "import/contexto.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ph {

void TransformarDocentes(ContextoImportacion& ctx);                                        // PROFT
void TransformarGrupos(ContextoImportacion& ctx, const PlantillaElegida& plantilla);      // CURSOST, GRUPOST
void TransformarContenidos(ContextoImportacion& ctx);                                      // ASIGNOMT: subjects
void TransformarOcupaciones(ContextoImportacion& ctx);                                     // ASIGNOMT: occupations
void TransformarAulas(ContextoImportacion& ctx);                                           // AULAT
void PrepararAsignaciones(ContextoImportacion& ctx);                                       // ASIGT
// ASIGT. Asks whether to take the lines of every template, when there are group
// timetable lines; returns true for the answer "No": only the chosen template's lines
// apply, here and in the stages after it. False when nothing was asked.
bool TransformarHorariosGrupo(ContextoImportacion& ctx, const PlantillaElegida& plantilla);
void TransformarHorariosOcupaciones(ContextoImportacion& ctx, const PlantillaElegida& plantilla);  // ASIGT
void QuitarSinClases(ContextoImportacion& ctx, const PlantillaElegida& plantilla);        // GRUPOST, PROFT (asks)
void CrearDiasHoras(ContextoImportacion& ctx, const PlantillaElegida& plantilla);         // DIASHORAST

// The weekly session string for n periods (n >= 1): one digit per session, at most 14.
std::string CadenaSesiones(std::int64_t n);

}  // namespace ph
