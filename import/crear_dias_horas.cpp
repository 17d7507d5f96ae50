// DIASHORAST from the template chosen for this run.
#include "import/etapas.h"
#include "transfer/dias_horas.h"

namespace ph {

void CrearDiasHoras(ContextoImportacion& ctx, const PlantillaElegida& plantilla) {
    CrearDiasHoras(ctx.carpeta, plantilla.lineasSesion, plantilla.codigo, ctx.idioma);
}

}  // namespace ph
