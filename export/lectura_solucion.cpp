// Solution reading: each SOLUC row becomes a group or an occupation timetable entry
// through the work tables. Two passes over SOLUC in stored order: lessons (ASIG differs
// from TAREA), then occupations (ASIG equals TAREA). A row whose group, subject or session
// (and, for occupations, teacher) is not found is skipped; an unknown teacher or room of a
// lesson leaves that value empty. Both are noted in the report when there is one. Lookups
// are TablaDbf::Locate: the first row in stored order whose whole value matches exactly.
#include "export/lectura_solucion.h"

#include "common/error.h"
#include "common/texto.h"

#include <utility>
#include <vector>

namespace ph {

namespace {

// The first character of MARCO, empty when MARCO is empty.
std::string PrimerCaracter(const std::string& texto) { return Left(texto, 1); }

enum class Paso { Otro, SinDiaHora, Tomada };

// Whether the current SOLUC row belongs to the pass: ASIG against TAREA first, then DIA,
// then HORA, each read only when the earlier tests held. A row of the pass whose DIA or
// HORA is 0 is not taken.
Paso FilaDelPaso(const TablaDbf& soluc, bool ocupaciones) {
    const bool iguales = soluc.AsString("ASIG") == soluc.AsString("TAREA");
    if (iguales != ocupaciones) return Paso::Otro;
    if (soluc.AsInteger("DIA") == 0) return Paso::SinDiaHora;
    return soluc.AsInteger("HORA") != 0 ? Paso::Tomada : Paso::SinDiaHora;
}

// The report's notices about the current SOLUC row of one pass. Notices about a row that
// is written (a missing teacher or room, the day) wait until the row is known to be written.
class AvisosFila {
public:
    AvisosFila(Informe* informe, const TablaDbf& soluc, bool ocupaciones)
        : informe_(informe), soluc_(soluc), ocupaciones_(ocupaciones) {}

    // The row is skipped for this reason.
    void Omitida(Categoria c, const std::string& motivo) {
        if (informe_) informe_->Anotar(c, Fila(), motivo + ": la fila no se escribe");
    }
    // The row will be written with this value missing, if it is written.
    void Incompleta(Categoria c, const std::string& motivo) {
        if (informe_) pendientes_.emplace_back(c, motivo);
    }
    void Escrita() {
        if (!informe_) return;
        for (auto& [c, motivo] : pendientes_) informe_->Anotar(c, Fila(), motivo);
        pendientes_.clear();
    }
    void Siguiente() { pendientes_.clear(); }

private:
    std::string Fila() const {
        std::string f = "fila " + std::to_string(soluc_.RecNo()) + " de SOLUC: ";
        if (!ocupaciones_) f += "CODGRUPO " + Citar(soluc_.AsString("CODGRUPO")) + ", ";
        f += "ASIG " + Citar(soluc_.AsString("ASIG")) + ", PROF " + Citar(soluc_.AsString("PROF"));
        if (!ocupaciones_) f += ", AULA " + Citar(soluc_.AsString("AULA"));
        return f + ", DIA " + soluc_.AsString("DIA") + ", HORA " + soluc_.AsString("HORA") + ", MARCO " +
               Citar(soluc_.AsString("MARCO"));
    }

    Informe* informe_;
    const TablaDbf& soluc_;
    bool ocupaciones_;
    std::vector<std::pair<Categoria, std::string>> pendientes_;
};

const char* const kSinDiaHora = "DIA u HORA es 0";
const char* const kSinSesion = "ninguna sesión de DIASHORAST tiene esa HORA y ese MARCO";

// Finds the session of the current SOLUC row in DIASHORAST by HORA (its text) and the
// first character of MARCO, and gives the entry its order and times. False when no row of
// the frame matches.
template <class Entrada>
bool BuscarSesion(TablasExportacion& t, const std::string& marco, Entrada& e) {
    const std::string hora = t.SOLUC.AsString("HORA");
    if (!t.DIASHORAST.Locate("HORA;MARCO", {hora, marco})) return false;
    e.sesion_orden = t.DIASHORAST.AsString("SESION_ORDEN");
    e.hora_desde = t.DIASHORAST.AsString("HORADESDE");
    e.hora_hasta = t.DIASHORAST.AsString("HORAHASTA");
    return true;
}

// One pass over SOLUC in stored order, the same for lessons and occupations: the row's
// membership of the pass, its day letter and frame, and at the end its session and the
// template. In between, tomar(e, avisos) fills the entry's own values from the lookup
// tables and returns false to skip the row (having noted why).
template <class Entrada, class Tomar>
std::vector<Entrada> LeerPaso(TablasExportacion& t, const std::string& plantilla, bool ocupaciones,
                              Tomar tomar) {
    std::vector<Entrada> entradas;
    TablaDbf& soluc = t.SOLUC;
    AvisosFila avisos(t.informe, soluc, ocupaciones);
    for (soluc.First(); !soluc.Eof(); soluc.Next(), avisos.Siguiente()) {
        const Paso paso = FilaDelPaso(soluc, ocupaciones);
        if (paso == Paso::SinDiaHora) avisos.Omitida(Categoria::SolucionSinDiaHora, kSinDiaHora);
        if (paso != Paso::Tomada) continue;

        Entrada e;
        e.dia_semana = LetraDia(soluc.AsInteger("DIA"));
        if (e.dia_semana.empty())
            avisos.Incompleta(Categoria::SolucionDiaFueraDeSemana, "DIA no es de 1 a 7: se escribe sin día de la semana");
        const std::string marco = PrimerCaracter(soluc.AsString("MARCO"));

        if (!tomar(e, avisos)) continue;

        if (!BuscarSesion(t, marco, e)) {
            avisos.Omitida(Categoria::SolucionSesionDesconocida, kSinSesion);
            continue;
        }
        avisos.Escrita();
        e.plantilla = plantilla;
        entradas.push_back(std::move(e));
    }
    return entradas;
}

}  // namespace

const std::vector<std::string>& CamposSolucion() {
    static const std::vector<std::string> campos{"ASIG", "TAREA", "DIA", "HORA", "MARCO", "CODGRUPO", "PROF", "AULA"};
    return campos;
}

void ComprobarCamposSolucion(const TablaDbf& soluc) {
    std::string faltan;
    int n = 0;
    for (const std::string& campo : CamposSolucion())
        if (!soluc.TieneCampo(campo)) faltan += (n++ ? ", «" : "«") + campo + "»";
    if (n == 0) return;
    throw Error("La tabla de solución «" + soluc.Ruta() + "» no tiene " +
                (n == 1 ? "el campo " : "los campos ") + faltan + ", que la exportación lee.");
}

std::string LetraDia(long long dia) {
    static const char* const kLetras[] = {"L", "M", "X", "J", "V", "S", "D"};
    if (dia < 1 || dia > 7) return "";
    return kLetras[dia - 1];
}

std::vector<EntradaHorarioGrupo> LeerHorariosGrupo(TablasExportacion& t, const std::string& plantilla) {
    const TablaDbf& soluc = t.SOLUC;
    const auto tomar = [&](EntradaHorarioGrupo& e, AvisosFila& avisos) {
        if (!t.GRUPOST.Locate("ABREV", soluc.AsString("CODGRUPO"))) {
            avisos.Omitida(Categoria::SolucionGrupoDesconocido, "ningún grupo de GRUPOST tiene ese código");
            return false;
        }
        e.grupo = t.GRUPOST.AsString("CLAVE");
        e.curso = t.GRUPOST.AsString("CLAVECURSO");
        e.ensenanza = t.GRUPOST.AsString("ENSENANZA");

        if (!t.ASIGNOMT.Locate("COD", soluc.AsString("ASIG"))) {
            avisos.Omitida(Categoria::SolucionAsignaturaDesconocida, "ninguna asignatura de ASIGNOMT tiene ese código");
            return false;
        }
        e.contenido = t.ASIGNOMT.AsString("ABREV_ITACA");

        if (t.PROFT.Locate("ABREV", soluc.AsString("PROF"))) e.docente = t.PROFT.AsString("DNI");
        else if (!soluc.AsString("PROF").empty())
            avisos.Incompleta(Categoria::SolucionDocenteDesconocido,
                              "ningún docente de PROFT tiene ese código: la clase se escribe sin docente");
        if (t.AULAT.Locate("ABREV", soluc.AsString("AULA"))) e.aula = t.AULAT.AsString("ABREV_ITACA");
        else if (!soluc.AsString("AULA").empty())
            avisos.Incompleta(Categoria::SolucionAulaDesconocida,
                              "ningún aula de AULAT tiene ese código: la clase se escribe sin aula");
        return true;
    };
    return LeerPaso<EntradaHorarioGrupo>(t, plantilla, false, tomar);
}

std::vector<EntradaHorarioOcupacion> LeerHorariosOcupaciones(TablasExportacion& t,
                                                             const std::string& plantilla) {
    const TablaDbf& soluc = t.SOLUC;
    const auto tomar = [&](EntradaHorarioOcupacion& e, AvisosFila& avisos) {
        if (!t.ASIGNOMT.Locate("COD", soluc.AsString("ASIG"))) {
            avisos.Omitida(Categoria::SolucionAsignaturaDesconocida, "ninguna ocupación de ASIGNOMT tiene ese código");
            return false;
        }
        e.ocupacion = t.ASIGNOMT.AsString("ABREV_ITACA");

        if (!t.PROFT.Locate("ABREV", soluc.AsString("PROF"))) {
            avisos.Omitida(Categoria::SolucionDocenteDesconocido, "ningún docente de PROFT tiene ese código");
            return false;
        }
        e.docente = t.PROFT.AsString("DNI");
        e.ensenanza = t.PROFT.AsString("ENSENANZA");
        return true;
    };
    return LeerPaso<EntradaHorarioOcupacion>(t, plantilla, true, tomar);
}

}  // namespace ph
