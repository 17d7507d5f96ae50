// DIASHORAST from the template chosen for this run.
#include "import/etapas.h"
#include "transfer/dias_horas.h"

namespace ph {

void CrearDiasHoras(ContextoImportacion& ctx) {
    CrearDiasHoras(ctx.carpeta, ctx.ListBoxPlanti, ctx.resultado, ctx.idioma);
}

}  // namespace ph
