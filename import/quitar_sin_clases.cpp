// When only the chosen template's lines were taken, the groups and teachers without any
// ASIGT row belong to other templates: after asking (at the first such group), remove
// them from GRUPOST and PROFT. Teachers are pruned also when every group has classes.
#include "common/dbf.h"
#include "common/tablas_trabajo.h"
#include "import/etapas.h"

#include <string>
#include <unordered_set>

namespace ph {

namespace {

using Conjunto = std::unordered_set<std::string>;

// Deletes every row whose ABREV is not in conClases, then packs the table.
void Podar(TablaDbf& tabla, const Conjunto& conClases) {
    tabla.First();
    while (!tabla.Eof()) {
        if (conClases.count(tabla.AsString("ABREV"))) tabla.Next();
        else tabla.Delete();
    }
    tabla.Pack();
}

}  // namespace

void QuitarSinClases(ContextoImportacion& ctx) {
    if (!ctx.SoloPlantilla) return;

    TablaDbf asigt, profesores, grupos;
    AbrirTabla(asigt, ctx.carpeta, TablaASIGT().nombre);
    AbrirTabla(profesores, ctx.carpeta, TablaPROFT().nombre);
    AbrirTabla(grupos, ctx.carpeta, TablaGRUPOST().nombre);

    // Occupation rows count for teachers as well as group rows.
    Conjunto gruposConClases, profesoresConClases;
    for (asigt.First(); !asigt.Eof(); asigt.Next()) {
        gruposConClases.insert(asigt.AsString("CGRUP"));
        profesoresConClases.insert(asigt.AsString("CPROF"));
    }

    for (grupos.First(); !grupos.Eof(); grupos.Next()) {
        if (gruposConClases.count(grupos.AsString("ABREV"))) continue;
        if (!ctx.dialogos.PreguntarQuitarSinClases(kPreguntaQuitarSinClases)) {
            grupos.Cerrar();
            profesores.Cerrar();
            asigt.Cerrar();
            return;
        }
        break;
    }

    Podar(grupos, gruposConClases);
    grupos.Cerrar();
    Podar(profesores, profesoresConClases);
    profesores.Cerrar();
    asigt.Cerrar();
}

}  // namespace ph
