// Solution reading: each SOLUC row becomes a group or an occupation timetable entry
// through the work tables. Two passes over SOLUC in stored order: lessons (ASIG differs
// from TAREA), then occupations (ASIG equals TAREA). A row whose group, subject or session
// (and, for occupations, teacher) is not found is skipped silently; an unknown teacher or
// room of a lesson leaves that value empty. Lookups are TablaDbf::Locate: the first row
// in stored order whose whole value matches exactly.
#include "export/lectura_solucion.h"

#include "common/texto.h"

#include <utility>

namespace ph {

namespace {

// The values every entry takes from the solution row and the frame.
struct Sesion {
    std::string dia_semana;
    std::string sesion_orden;
    std::string hora_desde;
    std::string hora_hasta;
};

// The first character of MARCO, empty when MARCO is empty.
std::string PrimerCaracter(const std::string& texto) { return Left(texto, 1); }

// Whether the current SOLUC row belongs to the pass: ASIG against TAREA first, then DIA,
// then HORA, each read only when the earlier tests held.
bool FilaDelPaso(const TablaDbf& soluc, bool ocupaciones) {
    const bool iguales = soluc.AsString("ASIG") == soluc.AsString("TAREA");
    if (iguales != ocupaciones) return false;
    if (soluc.AsInteger("DIA") == 0) return false;
    return soluc.AsInteger("HORA") != 0;
}

// Finds the session of the current SOLUC row in DIASHORAST by HORA (its text) and the
// first character of MARCO. False when no row of the frame matches.
bool BuscarSesion(TablasExportacion& t, const std::string& marco, Sesion& s) {
    const std::string hora = t.SOLUC.AsString("HORA");
    if (!t.DIASHORAST.Locate("HORA;MARCO", {hora, marco})) return false;
    s.sesion_orden = t.DIASHORAST.AsString("SESION_ORDEN");
    s.hora_desde = t.DIASHORAST.AsString("HORADESDE");
    s.hora_hasta = t.DIASHORAST.AsString("HORAHASTA");
    return true;
}

}  // namespace

std::string LetraDia(long long dia) {
    static const char* const kLetras[] = {"L", "M", "X", "J", "V", "S", "D"};
    if (dia < 1 || dia > 7) return "";
    return kLetras[dia - 1];
}

std::vector<EntradaHorarioGrupo> LeerHorariosGrupo(TablasExportacion& t, const std::string& plantilla) {
    std::vector<EntradaHorarioGrupo> entradas;
    TablaDbf& soluc = t.SOLUC;
    for (soluc.First(); !soluc.Eof(); soluc.Next()) {
        if (!FilaDelPaso(soluc, false)) continue;

        EntradaHorarioGrupo e;
        Sesion s;
        s.dia_semana = LetraDia(soluc.AsInteger("DIA"));
        const std::string marco = PrimerCaracter(soluc.AsString("MARCO"));

        if (!t.GRUPOST.Locate("ABREV", soluc.AsString("CODGRUPO"))) continue;
        e.grupo = t.GRUPOST.AsString("CLAVE");
        e.curso = t.GRUPOST.AsString("CLAVECURSO");
        e.ensenanza = t.GRUPOST.AsString("ENSENANZA");

        if (!t.ASIGNOMT.Locate("COD", soluc.AsString("ASIG"))) continue;
        e.contenido = t.ASIGNOMT.AsString("ABREV_ITACA");

        if (t.PROFT.Locate("ABREV", soluc.AsString("PROF"))) e.docente = t.PROFT.AsString("DNI");
        if (t.AULAT.Locate("ABREV", soluc.AsString("AULA"))) e.aula = t.AULAT.AsString("ABREV_ITACA");

        if (!BuscarSesion(t, marco, s)) continue;
        e.dia_semana = s.dia_semana;
        e.sesion_orden = s.sesion_orden;
        e.hora_desde = s.hora_desde;
        e.hora_hasta = s.hora_hasta;
        e.plantilla = plantilla;
        entradas.push_back(std::move(e));
    }
    return entradas;
}

std::vector<EntradaHorarioOcupacion> LeerHorariosOcupaciones(TablasExportacion& t,
                                                             const std::string& plantilla) {
    std::vector<EntradaHorarioOcupacion> entradas;
    TablaDbf& soluc = t.SOLUC;
    for (soluc.First(); !soluc.Eof(); soluc.Next()) {
        if (!FilaDelPaso(soluc, true)) continue;

        EntradaHorarioOcupacion e;
        Sesion s;
        s.dia_semana = LetraDia(soluc.AsInteger("DIA"));
        const std::string marco = PrimerCaracter(soluc.AsString("MARCO"));

        if (!t.ASIGNOMT.Locate("COD", soluc.AsString("ASIG"))) continue;
        e.ocupacion = t.ASIGNOMT.AsString("ABREV_ITACA");

        if (!t.PROFT.Locate("ABREV", soluc.AsString("PROF"))) continue;
        e.docente = t.PROFT.AsString("DNI");
        e.ensenanza = t.PROFT.AsString("ENSENANZA");

        if (!BuscarSesion(t, marco, s)) continue;
        e.dia_semana = s.dia_semana;
        e.sesion_orden = s.sesion_orden;
        e.hora_desde = s.hora_desde;
        e.hora_hasta = s.hora_hasta;
        e.plantilla = plantilla;
        entradas.push_back(std::move(e));
    }
    return entradas;
}

}  // namespace ph
