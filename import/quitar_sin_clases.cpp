// When only the chosen template's lines were taken, the groups and teachers without any
// ASIGT row belong to other templates: after asking (at the first such group), remove
// them from GRUPOST and PROFT. Teachers are pruned also when every group has classes.
#include "common/dbf/dbf.h"
#include "import/etapas.h"
#include "import/preguntas.h"
#include "transfer/tablas_trabajo.h"

#include <string>
#include <unordered_set>

namespace ph {

namespace {

using Conjunto = std::unordered_set<std::string>;

// What the report says about a removed row.
struct AvisoPoda {
    Categoria categoria;
    const char* clase;   // "grupo", "docente"
    const char* clave;   // the ITACA code field
    const char* nombre;  // the name field
};

// Deletes every row whose ABREV is not in conClases, then packs the table.
void Podar(TablaDbf& tabla, const Conjunto& conClases, const Anotador& avisos, const AvisoPoda& aviso) {
    tabla.First();
    while (!tabla.Eof()) {
        if (conClases.count(tabla.AsString("ABREV"))) {
            tabla.Next();
            continue;
        }
        avisos.Anotar(aviso.categoria,
                      Elemento(aviso.clase, tabla.AsString(aviso.clave), tabla.AsString(aviso.nombre)) + ", código " +
                          Citar(tabla.AsString("ABREV")),
                      "no tiene clases en la plantilla elegida: se quita");
        tabla.Delete();
    }
    tabla.Pack();
}

}  // namespace

void QuitarSinClases(ContextoImportacion& ctx, const PlantillaElegida& plantilla) {
    if (!plantilla.soloSusLineas) return;

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

    Podar(grupos, gruposConClases, ctx.avisos, {Categoria::GrupoQuitado, "grupo", "CLAVE", "DESCRIP"});
    grupos.Cerrar();
    Podar(profesores, profesoresConClases, ctx.avisos, {Categoria::DocenteQuitado, "docente", "DNI", "NOMBRE"});
    profesores.Cerrar();
    asigt.Cerrar();
}

}  // namespace ph
