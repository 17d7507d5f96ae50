// ASIGT: the provisional skeleton of the subject assignments. For every subject of the
// contents section, one row per group of the subject's course, with four one-period
// sessions, no teacher and no room; the timetable stages confirm, count and split them.
#include "common/dbf/dbf.h"
#include "common/texto.h"
#include "import/etapas.h"
#include "transfer/centro.h"
#include "transfer/tablas_trabajo.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace ph {

namespace {

// The GRUPOST fields an assignment row copies.
struct GrupoAsignable {
    std::string abrev, turno, nivel, curso, grupo, clave;
};

// GRUPOST's rows by CLAVECURSO, each list in stored order.
std::unordered_map<std::string, std::vector<GrupoAsignable>> GruposPorCurso(TablaDbf& grupos) {
    std::unordered_map<std::string, std::vector<GrupoAsignable>> mapa;
    for (grupos.First(); !grupos.Eof(); grupos.Next()) {
        mapa[grupos.AsString("CLAVECURSO")].push_back(
            {grupos.AsString("ABREV"), grupos.AsString("TURNO"), grupos.AsString("NIVEL"),
             grupos.AsString("CURSO"), grupos.AsString("GRUPO"), grupos.AsString("CLAVE")});
    }
    return mapa;
}

// COD of the first ASIGNOMT row whose field equals valor; empty when none.
std::string CodigoDe(TablaDbf& nombres, const char* campo, const std::string& valor) {
    return nombres.Locate(campo, valor) ? nombres.AsString("COD") : std::string();
}

}  // namespace

void PrepararAsignaciones(ContextoImportacion& ctx) {
    namespace co = centro::contenido;
    CrearTablaTrabajo(ctx.carpeta, TablaASIGT());
    TablaDbf asigt, grupos, nombres;
    AbrirTabla(asigt, ctx.carpeta, TablaASIGT().nombre);
    AbrirTabla(grupos, ctx.carpeta, TablaGRUPOST().nombre);
    AbrirTabla(nombres, ctx.carpeta, TablaASIGNOMT().nombre);

    const auto porCurso = GruposPorCurso(grupos);
    for (const NodoXml& c : ctx.XMLDoc.Seleccionar(centro::kContenidos)) {
        const std::string curso = AllTrim(c.Atributo(co::curso));
        const std::string codigo = AllTrim(c.Atributo(co::codigo));

        // By ITACA code first, then by the name in the chosen language.
        std::string cod = CodigoDe(nombres, "ABREV_ITACA", codigo);
        if (cod.empty() && ctx.idioma == centro::kCastellano)
            cod = CodigoDe(nombres, "NOMBRE", AllTrim(c.Atributo(co::nombre_cas)));
        if (cod.empty() && ctx.idioma == centro::kValencia)
            cod = CodigoDe(nombres, "NOMBRE", AllTrim(c.Atributo(co::nombre_val)));
        if (cod.empty()) {
            if (ctx.informe)
                ctx.informe->Anotar(Categoria::ContenidoSinCodigo, "contenido " + Citar(codigo) + ", curso " + Citar(curso),
                                    "no tiene código de asignatura en ASIGNOMT: no se escriben sus asignaciones");
            continue;
        }

        auto it = porCurso.find(curso);
        if (it == porCurso.end()) continue;
        for (const GrupoAsignable& g : it->second) {
            asigt.Append();
            asigt.SetString("CASIG", cod);
            asigt.SetString("CGRUP", g.abrev);
            asigt.SetString("TURNO", g.turno);
            asigt.SetString("NIVEL", g.nivel);
            asigt.SetString("CURSO", g.curso);
            asigt.SetString("GRUPO", g.grupo);
            asigt.SetFloat("HORAS", 4);
            asigt.SetString("SESIONES", "1111");
            asigt.SetString("CLAVE", g.clave);
            asigt.SetString("CLAVECURSO", curso);
            asigt.SetString("CTAREA", "*479");
            asigt.SetString("ASIG_ITACA", codigo);
            asigt.Post();
        }
    }

    asigt.Cerrar();
    grupos.Cerrar();
    nombres.Cerrar();
}

}  // namespace ph
