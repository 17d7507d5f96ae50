// The ITACA -> Sesionix driver.
#include "import/importacion.h"

#include "common/dbf/dbf.h"
#include "common/error.h"
#include "common/xml.h"
#include "import/contexto.h"
#include "import/etapas.h"
#include "transfer/cargar_centro.h"
#include "transfer/centro.h"
#include "transfer/desenlace.h"
#include "transfer/tablas_trabajo.h"

#include <exception>

namespace ph {

namespace {

// The ten stages in order, under the wait cursor. The group timetable stage settles
// whether only the chosen template's lines apply; the stages after it take its answer.
void EjecutarEtapas(ContextoImportacion& ctx, PlantillaElegida plantilla) {
    CursorEspera espera(ctx.dialogos);
    TransformarDocentes(ctx);
    TransformarGrupos(ctx, plantilla);
    TransformarContenidos(ctx);
    TransformarOcupaciones(ctx);
    TransformarAulas(ctx);
    PrepararAsignaciones(ctx);
    plantilla.soloSusLineas = TransformarHorariosGrupo(ctx, plantilla);
    TransformarHorariosOcupaciones(ctx, plantilla);
    QuitarSinClases(ctx, plantilla);
    CrearDiasHoras(ctx, plantilla);
}

}  // namespace

ResultadoTransferencia ImportarDeItaca(EstadoVentana& estado, const std::string& carpeta, Dialogos& dialogos,
                                       Informe* informe) {
    const std::string ruta = estado.filenameXML;
    try {
        // A missing file, or one that is not an ITACA centre file, ends the run before any
        // table is touched.
        DocumentoXml doc;
        if (auto fin = CargarCentro(dialogos, {ruta, {}, "No existe archivo"}, doc)) return *fin;

        if (!doc.Seleccionar(centro::kPlantillas).empty()) {
            estado.resultado.clear();
            EleccionPlantilla e = dialogos.ElegirPlantillaEnDocumento(doc, ruta, false, estado.idioma);
            estado.resultado = e.resultado;
            estado.idioma = e.idioma;
            estado.turno_plant = e.turno_plant;
            estado.ListBoxPlanti = e.lineas;
        }

        ContextoImportacion ctx(doc, carpeta, dialogos, informe);
        ctx.idioma = estado.idioma;
        EjecutarEtapas(ctx, {estado.resultado, estado.turno_plant, estado.ListBoxPlanti});

        ResultadoTransferencia r = Finalizar(dialogos, informe);
        r.filas = ContarFilas(carpeta);
        return r;
    } catch (const std::exception& e) {
        return Terminar(dialogos, Desenlace::Error, e.what());
    } catch (...) {
        return Terminar(dialogos, Desenlace::Error, "Error desconocido al transformar «" + ruta + "».");
    }
}

}  // namespace ph
