// ASIGT from the group timetables: each line adds one period to the row of its (group,
// course, subject, teacher); the first line of an assignment replaces the provisional
// four periods by one and gives the row its teacher and room; a further teacher of the
// same assignment gets a row of its own. Rows no applied line confirmed are removed.
#include "common/dbf/dbf.h"
#include "common/texto.h"
#include "import/asignaciones.h"
#include "import/etapas.h"
#include "import/preguntas.h"
#include "transfer/centro.h"
#include "transfer/tablas_trabajo.h"

#include <string>
#include <unordered_map>
#include <unordered_set>

namespace ph {

namespace {

// Counts one more period on the current row (or sets the first one) and fills its teacher
// and room while they are empty; a teacher or room once set is never replaced.
void Contar(TablaDbf& asigt, bool primera, const std::string& profesor, const std::string& aula) {
    asigt.Edit();
    asigt.SetFloat("HORAS", primera ? 1.0 : asigt.AsFloat("HORAS") + 1.0);
    if (AllTrim(asigt.AsString("CPROF")).empty()) asigt.SetString("CPROF", profesor);
    if (AllTrim(asigt.AsString("CAULA")).empty()) asigt.SetString("CAULA", aula);
    asigt.Post();
}

// How the report names groups: "grupo «clave» (nombre)" with the name of the first
// GRUPOST row of that code, without the name when no row has it.
class NombresGrupo {
public:
    explicit NombresGrupo(TablaDbf& grupos) {
        for (grupos.First(); !grupos.Eof(); grupos.Next())
            nombres_.try_emplace(grupos.AsString("CLAVE"), grupos.AsString("DESCRIP"));
    }
    std::string operator()(const std::string& clave) const {
        auto it = nombres_.find(clave);
        return it == nombres_.end() ? "grupo " + Citar(clave) : Elemento("grupo", clave, it->second);
    }

private:
    std::unordered_map<std::string, std::string> nombres_;
};

// A timetable line: the ITACA codes it names.
struct LineaGrupo {
    std::string grupo, curso, contenido, docente, aula;
};

LineaGrupo LeerLinea(const NodoXml& l) {
    namespace hg = centro::horario_grupo;
    return {AllTrim(l.Atributo(hg::grupo)), AllTrim(l.Atributo(hg::curso)), AllTrim(l.Atributo(hg::contenido)),
            AllTrim(l.Atributo(hg::docente)), AllTrim(l.Atributo(hg::aula))};
}

// Notes a line whose teacher or room the centre does not hold.
void AnotarDesconocidos(const Anotador& avisos, const LineaGrupo& l, const std::string& grupo,
                        const std::string& profesor, const std::string& codAula) {
    if (profesor.empty())
        avisos.Anotar(Categoria::LineaDocenteDesconocido,
                      "docente " + Citar(l.docente) + ", " + grupo + ", contenido " + Citar(l.contenido),
                      "no es docente del centro: la hora se cuenta sin docente");
    if (!l.aula.empty() && codAula.empty())
        avisos.Anotar(Categoria::LineaAulaDesconocida,
                      "aula " + Citar(l.aula) + ", " + grupo + ", contenido " + Citar(l.contenido),
                      "no es aula del centro: la clase no recibe esa aula");
}

// Removes every row not in tocadas, then packs the table.
void QuitarNoConfirmadas(TablaDbf& asigt, const std::unordered_set<long>& tocadas, const Anotador& avisos,
                         const PlantillaElegida& plantilla, const NombresGrupo& nombrarGrupo) {
    asigt.First();
    while (!asigt.Eof()) {
        if (tocadas.count(asigt.RecNo())) {
            asigt.Next();
            continue;
        }
        avisos.Anotar(Categoria::AsignacionSinLineas,
                      Elemento("contenido", asigt.AsString("ASIG_ITACA"), asigt.AsString("CASIG")) + ", " +
                          nombrarGrupo(asigt.AsString("CLAVE")) + ", curso " + Citar(asigt.AsString("CLAVECURSO")),
                      (plantilla.soloSusLineas
                           ? "ninguna línea de la plantilla " + Citar(plantilla.codigo) + " la confirma"
                           : std::string("ninguna línea de horario la confirma")) +
                          ": se quita de ASIGT");
        asigt.Delete();
    }
    asigt.Pack();
}

}  // namespace

bool TransformarHorariosGrupo(ContextoImportacion& ctx, const PlantillaElegida& plantilla) {
    const std::vector<NodoXml> lineas = ctx.documento.Seleccionar(centro::kHorariosGrupo);
    if (lineas.empty()) return false;
    // "Sí" takes the lines of every template; "No" only those of the chosen one.
    PlantillaElegida aplicada = plantilla;
    aplicada.soloSusLineas = !ctx.dialogos.PreguntarTodasPlantillas(kPreguntaTodasPlantillas);

    TablaDbf asigt, grupos, profesores, aulas;
    AbrirTabla(asigt, ctx.carpeta, TablaASIGT().nombre);
    AbrirTabla(grupos, ctx.carpeta, TablaGRUPOST().nombre);
    AbrirTabla(profesores, ctx.carpeta, TablaPROFT().nombre);
    AbrirTabla(aulas, ctx.carpeta, TablaAULAT().nombre);

    // Record numbers of the rows a line confirmed or created. Nothing is deleted before the
    // clean-up, so the numbers stay valid.
    std::unordered_set<long> tocadas;
    const NombresGrupo nombrarGrupo(grupos);

    for (const NodoXml& nodo : lineas) {
        if (DeOtraPlantilla(ctx, aplicada, nodo, centro::horario_grupo::plantilla, "horario_grupo")) continue;
        const LineaGrupo l = LeerLinea(nodo);
        if (!asigt.Locate("CLAVE;CLAVECURSO;ASIG_ITACA", {l.grupo, l.curso, l.contenido})) {
            ctx.avisos.Anotar(Categoria::LineaSinAsignacion,
                              nombrarGrupo(l.grupo) + ", curso " + Citar(l.curso) + ", contenido " + Citar(l.contenido),
                              "no hay asignación de ese contenido al grupo en ASIGT: la línea no se aplica");
            continue;
        }
        const std::string profesor = CampoBuscado(profesores, "DNI", l.docente, "ABREV");
        const std::string codAula = CampoBuscado(aulas, "ABREV_ITACA", l.aula, "ABREV");
        AnotarDesconocidos(ctx.avisos, l, nombrarGrupo(l.grupo), profesor, codAula);

        if (tocadas.insert(asigt.RecNo()).second) {
            Contar(asigt, true, profesor, codAula);
            continue;
        }
        const std::string casig = asigt.AsString("CASIG");
        const std::string cgrup = asigt.AsString("CGRUP");
        if (asigt.AsString("CPROF") == profesor ||
            asigt.Locate("CLAVE;CLAVECURSO;ASIG_ITACA;CPROF", {l.grupo, l.curso, l.contenido, profesor})) {
            Contar(asigt, false, profesor, codAula);
            continue;
        }
        if (grupos.Locate("ABREV", cgrup))
            AnadirAsignacion(asigt, LeerGrupoAsignacion(grupos),
                             {casig, l.grupo, l.curso, l.contenido, 1, profesor, codAula});
        // The new row, or the first row again when the group was not found.
        tocadas.insert(asigt.RecNo());
    }

    QuitarNoConfirmadas(asigt, tocadas, ctx.avisos, aplicada, nombrarGrupo);
    asigt.Cerrar();
    grupos.Cerrar();
    profesores.Cerrar();
    aulas.Cerrar();
    return aplicada.soloSusLineas;
}

}  // namespace ph
