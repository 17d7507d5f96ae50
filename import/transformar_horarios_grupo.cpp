// ASIGT from the group timetables: each line adds one period to the row of its (group,
// course, subject, teacher); the first line of an assignment replaces the provisional
// four periods by one and gives the row its teacher and room; a further teacher of the
// same assignment gets a row of its own. Rows no applied line confirmed are removed.
#include "common/dbf/dbf.h"
#include "common/texto.h"
#include "import/etapas.h"
#include "import/preguntas.h"
#include "transfer/centro.h"
#include "transfer/tablas_trabajo.h"

#include <string>
#include <unordered_map>
#include <unordered_set>

namespace ph {

namespace {

// ABREV of the first row whose field equals valor; empty when none.
std::string AbrevDe(TablaDbf& tabla, const char* campo, const std::string& valor) {
    return tabla.Locate(campo, valor) ? tabla.AsString("ABREV") : std::string();
}

// Counts one more period on the current row (or sets the first one) and fills its teacher
// and room while they are empty; a teacher or room once set is never replaced.
void Contar(TablaDbf& asigt, bool primera, const std::string& profesor, const std::string& aula) {
    asigt.Edit();
    asigt.SetFloat("HORAS", primera ? 1.0 : asigt.AsFloat("HORAS") + 1.0);
    if (AllTrim(asigt.AsString("CPROF")).empty()) asigt.SetString("CPROF", profesor);
    if (AllTrim(asigt.AsString("CAULA")).empty()) asigt.SetString("CAULA", aula);
    asigt.Post();
}

// For the report: group code -> name, of the first GRUPOST row with that code.
std::unordered_map<std::string, std::string> NombresDeGrupo(TablaDbf& grupos) {
    std::unordered_map<std::string, std::string> m;
    for (grupos.First(); !grupos.Eof(); grupos.Next()) m.try_emplace(grupos.AsString("CLAVE"), grupos.AsString("DESCRIP"));
    return m;
}

std::string Grupo(const std::unordered_map<std::string, std::string>& nombres, const std::string& clave) {
    auto it = nombres.find(clave);
    return "grupo " + Citar(clave) + (it == nombres.end() ? "" : " (" + it->second + ")");
}

}  // namespace

void TransformarHorariosGrupo(ContextoImportacion& ctx) {
    namespace hg = centro::horario_grupo;
    ctx.SoloPlantilla = false;
    const std::vector<NodoXml> lineas = ctx.XMLDoc.Seleccionar(centro::kHorariosGrupo);
    if (lineas.empty()) return;
    // "Sí" takes the lines of every template; "No" only those of the chosen one.
    if (!ctx.dialogos.PreguntarTodasPlantillas(kPreguntaTodasPlantillas)) ctx.SoloPlantilla = true;

    TablaDbf asigt, grupos, profesores, aulas;
    AbrirTabla(asigt, ctx.carpeta, TablaASIGT().nombre);
    AbrirTabla(grupos, ctx.carpeta, TablaGRUPOST().nombre);
    AbrirTabla(profesores, ctx.carpeta, TablaPROFT().nombre);
    AbrirTabla(aulas, ctx.carpeta, TablaAULAT().nombre);

    // Record numbers of the rows a line confirmed or created. Nothing is deleted before the
    // clean-up, so the numbers stay valid.
    std::unordered_set<long> tocadas;
    Informe* informe = ctx.informe;
    const auto nombresGrupo = informe ? NombresDeGrupo(grupos) : std::unordered_map<std::string, std::string>();

    for (const NodoXml& l : lineas) {
        if (ctx.SoloPlantilla) {
            const std::string plantilla = AllTrim(l.Atributo(hg::plantilla));
            if (plantilla != ctx.resultado) {
                if (informe)
                    informe->Contar(Categoria::LineasOtraPlantilla, "horario_grupo de la plantilla " + Citar(plantilla),
                                    "no se aplican: solo se importa la plantilla " + Citar(ctx.resultado));
                continue;
            }
        }
        const std::string grupo = AllTrim(l.Atributo(hg::grupo));
        const std::string curso = AllTrim(l.Atributo(hg::curso));
        const std::string contenido = AllTrim(l.Atributo(hg::contenido));
        const std::string docente = AllTrim(l.Atributo(hg::docente));
        const std::string aula = AllTrim(l.Atributo(hg::aula));

        if (!asigt.Locate("CLAVE;CLAVECURSO;ASIG_ITACA", {grupo, curso, contenido})) {
            if (informe)
                informe->Anotar(Categoria::LineaSinAsignacion,
                                Grupo(nombresGrupo, grupo) + ", curso " + Citar(curso) + ", contenido " + Citar(contenido),
                                "no hay asignación de ese contenido al grupo en ASIGT: la línea no se aplica");
            continue;
        }
        const std::string profesor = AbrevDe(profesores, "DNI", docente);
        const std::string codAula = AbrevDe(aulas, "ABREV_ITACA", aula);
        if (informe && profesor.empty())
            informe->Anotar(Categoria::LineaDocenteDesconocido,
                            "docente " + Citar(docente) + ", " + Grupo(nombresGrupo, grupo) + ", contenido " + Citar(contenido),
                            "no es docente del centro: la hora se cuenta sin docente");
        if (informe && !aula.empty() && codAula.empty())
            informe->Anotar(Categoria::LineaAulaDesconocida,
                            "aula " + Citar(aula) + ", " + Grupo(nombresGrupo, grupo) + ", contenido " + Citar(contenido),
                            "no es aula del centro: la clase no recibe esa aula");

        const long primeraFila = asigt.RecNo();
        if (tocadas.insert(primeraFila).second) {
            Contar(asigt, true, profesor, codAula);
            continue;
        }
        const std::string casig = asigt.AsString("CASIG");
        const std::string cgrup = asigt.AsString("CGRUP");
        if (asigt.AsString("CPROF") == profesor) {
            Contar(asigt, false, profesor, codAula);
        } else if (asigt.Locate("CLAVE;CLAVECURSO;ASIG_ITACA;CPROF", {grupo, curso, contenido, profesor})) {
            Contar(asigt, false, profesor, codAula);
        } else {
            if (grupos.Locate("ABREV", cgrup)) {
                asigt.Append();
                asigt.SetString("CASIG", casig);
                asigt.SetString("CPROF", profesor);
                asigt.SetString("CGRUP", cgrup);
                asigt.SetString("CAULA", codAula);
                asigt.SetString("TURNO", grupos.AsString("TURNO"));
                asigt.SetString("NIVEL", grupos.AsString("NIVEL"));
                asigt.SetString("CURSO", grupos.AsString("CURSO"));
                asigt.SetString("GRUPO", grupos.AsString("GRUPO"));
                asigt.SetFloat("HORAS", 1);
                asigt.SetString("SESIONES", "1111");
                asigt.SetString("CLAVE", grupo);
                asigt.SetString("CLAVECURSO", curso);
                asigt.SetString("CTAREA", "*479");
                asigt.SetString("ASIG_ITACA", contenido);
                asigt.Post();
            }
            // The new row, or the first row again when the group was not found.
            tocadas.insert(asigt.RecNo());
        }
    }

    asigt.First();
    while (!asigt.Eof()) {
        if (tocadas.count(asigt.RecNo())) {
            asigt.Next();
            continue;
        }
        if (informe)
            informe->Anotar(Categoria::AsignacionSinLineas,
                            "contenido " + Citar(asigt.AsString("ASIG_ITACA")) + " (" + asigt.AsString("CASIG") + "), " +
                                Grupo(nombresGrupo, asigt.AsString("CLAVE")) + ", curso " + Citar(asigt.AsString("CLAVECURSO")),
                            (ctx.SoloPlantilla ? "ninguna línea de la plantilla " + Citar(ctx.resultado) + " la confirma"
                                               : std::string("ninguna línea de horario la confirma")) +
                                ": se quita de ASIGT");
        asigt.Delete();
    }
    asigt.Pack();

    asigt.Cerrar();
    grupos.Cerrar();
    profesores.Cerrar();
    aulas.Cerrar();
}

}  // namespace ph
