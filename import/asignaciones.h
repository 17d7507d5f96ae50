#pragma once
// What the stages that write ASIGT share: the row of a subject taught to a group, and the
// choice of the timetable lines that apply.
#include "common/dbf/dbf.h"
#include "common/xml.h"
#include "import/contexto.h"

#include <string>

namespace ph {

// What a subject's ASIGT row copies from its group's GRUPOST row.
struct GrupoAsignacion {
    std::string abrev, turno, nivel, curso, grupo;
};

// The GRUPOST current row's fields that an assignment row copies.
GrupoAsignacion LeerGrupoAsignacion(const TablaDbf& grupos);

// One subject taught to one group: the ITACA codes that identify it and the codes and
// periods the ASIGT row holds. Teacher and room stay empty when not given.
struct Asignacion {
    std::string casig{};                // ASIGNOMT's short code of the subject
    std::string clave{}, claveCurso{};  // ITACA codes of the group and its course
    std::string asigItaca{};            // ITACA code of the subject
    double horas = 0;
    std::string cprof{}, caula{};       // PROFT and AULAT codes
};

// Appends the subject's row: the group's fields, the session string "1111" (rebuilt from
// the periods only when occupation lines follow) and the teaching task code "*479".
void AnadirAsignacion(TablaDbf& asigt, const GrupoAsignacion& grupo, const Asignacion& a);

// True when a timetable line is of another template than the chosen one while only the
// chosen one's lines apply: the line is skipped, and counted in the report under its
// template. clase names the kind of line ("horario_grupo"), atributo its template attribute.
bool DeOtraPlantilla(const ContextoImportacion& ctx, const PlantillaElegida& plantilla, const NodoXml& linea,
                     const char* atributo, const char* clase);

}  // namespace ph
