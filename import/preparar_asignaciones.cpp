// ASIGT: the provisional skeleton of the subject assignments. For every subject of the
// contents section, one row per group of the subject's course, with four one-period
// sessions, no teacher and no room; the timetable stages confirm, count and split them.
#include "common/dbf/dbf.h"
#include "common/texto.h"
#include "import/asignaciones.h"
#include "import/etapas.h"
#include "transfer/centro.h"
#include "transfer/tablas_trabajo.h"

#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace ph {

namespace {

// A GRUPOST row as an assignment row copies it, with the group's ITACA code.
using GrupoConClave = std::pair<GrupoAsignacion, std::string>;

// GRUPOST's rows by CLAVECURSO, each list in stored order.
std::unordered_map<std::string, std::vector<GrupoConClave>> GruposPorCurso(TablaDbf& grupos) {
    std::unordered_map<std::string, std::vector<GrupoConClave>> mapa;
    for (grupos.First(); !grupos.Eof(); grupos.Next())
        mapa[grupos.AsString("CLAVECURSO")].emplace_back(LeerGrupoAsignacion(grupos), grupos.AsString("CLAVE"));
    return mapa;
}

}  // namespace

void PrepararAsignaciones(ContextoImportacion& ctx) {
    namespace co = centro::contenido;
    TablaDbf asigt = CrearYAbrirTabla(ctx.carpeta, TablaASIGT());
    TablaDbf grupos, nombres;
    AbrirTabla(grupos, ctx.carpeta, TablaGRUPOST().nombre);
    AbrirTabla(nombres, ctx.carpeta, TablaASIGNOMT().nombre);

    const auto porCurso = GruposPorCurso(grupos);
    for (const NodoXml& c : ctx.documento.Seleccionar(centro::kContenidos)) {
        const std::string curso = AllTrim(c.Atributo(co::curso));
        const std::string codigo = AllTrim(c.Atributo(co::codigo));

        // By ITACA code first, then by the name in the chosen language.
        std::string cod = CampoBuscado(nombres, "ABREV_ITACA", codigo, "COD");
        if (cod.empty() && ctx.idioma == centro::kCastellano)
            cod = CampoBuscado(nombres, "NOMBRE", AllTrim(c.Atributo(co::nombre_cas)), "COD");
        if (cod.empty() && ctx.idioma == centro::kValencia)
            cod = CampoBuscado(nombres, "NOMBRE", AllTrim(c.Atributo(co::nombre_val)), "COD");
        if (cod.empty()) {
            ctx.avisos.Anotar(Categoria::ContenidoSinCodigo, "contenido " + Citar(codigo) + ", curso " + Citar(curso),
                              "no tiene código de asignatura en ASIGNOMT: no se escriben sus asignaciones");
            continue;
        }

        auto it = porCurso.find(curso);
        if (it == porCurso.end()) continue;
        for (const auto& [grupo, clave] : it->second)
            AnadirAsignacion(asigt, grupo, {.casig = cod, .clave = clave, .claveCurso = curso, .asigItaca = codigo, .horas = 4});
    }

    asigt.Cerrar();
    grupos.Cerrar();
    nombres.Cerrar();
}

}  // namespace ph
