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

        ContextoImportacion ctx(doc, carpeta, dialogos);
        ctx.resultado = estado.resultado;
        ctx.turno_plant = estado.turno_plant;
        ctx.idioma = estado.idioma;
        ctx.ListBoxPlanti = estado.ListBoxPlanti;
        ctx.informe = informe;

        {
            CursorEspera espera(dialogos);
            TransformarDocentes(ctx);
            TransformarGrupos(ctx);
            TransformarContenidos(ctx);
            TransformarOcupaciones(ctx);
            TransformarAulas(ctx);
            PrepararAsignaciones(ctx);
            TransformarHorariosGrupo(ctx);
            TransformarHorariosOcupaciones(ctx);
            QuitarSinClases(ctx);
            CrearDiasHoras(ctx);
        }

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
