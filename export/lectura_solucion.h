#pragma once
// Solution reading: Sesionix's SOLUC rows back into ITACA's codes through the work tables.
#include "common/dbf/dbf.h"
#include "export/registros.h"
#include "transfer/informe.h"

#include <string>
#include <vector>

namespace ph {

// The tables the export driver has opened; the passes only read them.
struct TablasExportacion {
    TablaDbf& SOLUC;
    TablaDbf& GRUPOST;
    TablaDbf& PROFT;
    TablaDbf& AULAT;
    TablaDbf& ASIGNOMT;
    TablaDbf& DIASHORAST;
    // Where the passes note the rows they skip or write incomplete; null for no report.
    Informe* informe = nullptr;
};

std::vector<EntradaHorarioGrupo> LeerHorariosGrupo(TablasExportacion& t, const std::string& plantilla);
std::vector<EntradaHorarioOcupacion> LeerHorariosOcupaciones(TablasExportacion& t,
                                                             const std::string& plantilla);

// The fields of SOLUC the two passes read, in the order they are named in a message.
const std::vector<std::string>& CamposSolucion();

// Refuses a solution table that lacks any field of CamposSolucion(): the error names the
// file and every missing field. Says nothing about the fields' kinds.
void ComprobarCamposSolucion(const TablaDbf& soluc);

// The day letter of DIA: 1 "L" ... 7 "D"; empty for any other value.
std::string LetraDia(long long dia);

}  // namespace ph
