// The Sesionix -> ITACA driver. From the presence test of the centre file and the
// solution to the saved schedule file; the reminder and the open-file dialog before it
// belong to the windows.
#include "export/exportacion.h"

#include "common/carpeta.h"
#include "common/dbf/dbf.h"
#include "common/texto.h"
#include "common/xml.h"
#include "export/fecha_exportacion.h"
#include "export/guardar_resultado.h"
#include "export/lectura_solucion.h"
#include "transfer/cargar_centro.h"
#include "transfer/centro.h"
#include "transfer/desenlace.h"
#include "transfer/dias_horas.h"
#include "transfer/tablas_trabajo.h"

#include <exception>
#include <utility>
#include <vector>

namespace ph {

const char* const kRecordatorioExportacion =
    "Deberá Abrir el fichero XML de ITACA,\r\ndesde el cual realizó la Importación a Sesionix";

namespace {

// The tables of the export, opened exclusively in this order and closed in the same
// order; a table still open when an error leaves is closed by its destructor.
struct TablasAbiertas {
    TablaDbf SOLUC, GRUPOST, CURSOST, PROFT, AULAT, ASIGNOMT, DIASHORAST, ASIGT;

    void Abrir(const std::string& carpeta) {
        for (auto& [tabla, nombre] : Orden()) AbrirTabla(*tabla, carpeta, nombre);
    }
    void Cerrar() {
        for (auto& [tabla, nombre] : Orden()) tabla->Cerrar();
    }
    TablasExportacion Lectura() { return {SOLUC, GRUPOST, PROFT, AULAT, ASIGNOMT, DIASHORAST}; }

private:
    std::vector<std::pair<TablaDbf*, const char*>> Orden() {
        return {{&SOLUC, kSOLUC},          {&GRUPOST, TablaGRUPOST().nombre},
                {&CURSOST, TablaCURSOST().nombre}, {&PROFT, TablaPROFT().nombre},
                {&AULAT, TablaAULAT().nombre},     {&ASIGNOMT, TablaASIGNOMT().nombre},
                {&DIASHORAST, TablaDIASHORAST().nombre}, {&ASIGT, TablaASIGT().nombre}};
    }
};

// What the schedule file is made of.
struct Horarios {
    DatosCentro datos;
    std::vector<EntradaHorarioGrupo> grupos;
    std::vector<EntradaHorarioOcupacion> ocupaciones;
};

// With every table of the export open: the centre's data from the root element (trimmed
// of blanks), the school year as the course dialog confirms it, the date of the export
// taken after that dialog, and both solution passes. The tables are closed again, in
// their order, before it returns (or, on an error, as it leaves).
Horarios LeerHorarios(const std::string& carpeta, NodoXml raiz, Dialogos& dialogos, const std::string& plantilla,
                      Informe* informe) {
    TablasAbiertas tablas;
    tablas.Abrir(carpeta);
    Horarios h;
    h.datos.codigo = AllTrim(raiz.Atributo(centro::raiz::codigo));
    h.datos.denominacion = AllTrim(raiz.Atributo(centro::raiz::denominacion));
    const std::string cursoActual = AllTrim(raiz.Atributo(centro::raiz::curso));
    h.datos.version = AllTrim(raiz.Atributo(centro::raiz::version));

    h.datos.curso = dialogos.ConfirmarCurso(cursoActual);
    h.datos.fecha_exportacion = FechaExportacion();

    TablasExportacion lectura = tablas.Lectura();
    lectura.informe = informe;
    h.grupos = LeerHorariosGrupo(lectura, plantilla);
    h.ocupaciones = LeerHorariosOcupaciones(lectura, plantilla);
    tablas.Cerrar();
    return h;
}

}  // namespace

ResultadoTransferencia ExportarAItaca(EstadoVentana& estado, const std::string& carpeta, Dialogos& dialogos,
                                      DocumentoXml* centroCargado, Informe* informe) {
    const std::string ruta = estado.filenameXML;
    try {
        // A missing centre file or solution, or a file that is not an ITACA centre file,
        // ends the run before anything is touched. The solution is looked for in the
        // exchange folder that is then read.
        DocumentoXml propio;
        DocumentoXml& doc = centroCargado ? *centroCargado : propio;
        const EntradasCentro entradas{ruta, {RutaTabla(carpeta, kSOLUC)}, "No existe archivo XML o Solución."};
        if (auto fin = CargarCentro(dialogos, entradas, doc, centroCargado != nullptr)) return *fin;

        // A solution that lacks a field the reading needs is refused before the frame is
        // rebuilt or anything else is written, even when it has no rows.
        {
            TablaDbf soluc;
            AbrirTabla(soluc, carpeta, kSOLUC, false);
            ComprobarCamposSolucion(soluc);
        }

        // The template dialog in export mode: only its code and session lines are taken.
        {
            EleccionPlantilla e = dialogos.ElegirPlantillaEnDocumento(doc, ruta, true, estado.idioma);
            estado.resultado = e.resultado;
            estado.ListBoxPlanti = e.lineas;
        }
        // From here on the frame is the one of the template chosen for the export.
        CrearDiasHoras(carpeta, estado.ListBoxPlanti, estado.resultado, estado.idioma);

        Horarios h;
        {
            CursorEspera espera(dialogos);
            h = LeerHorarios(carpeta, doc.Raiz(), dialogos, estado.resultado, informe);
            GuardarResultado(doc, h.datos, h.grupos, h.ocupaciones, ruta);
        }

        ResultadoTransferencia r = Finalizar(dialogos, informe);
        r.salida = RutaResultado(ruta);
        r.entradasGrupo = long(h.grupos.size());
        r.entradasOcupacion = long(h.ocupaciones.size());
        return r;
    } catch (const std::exception& e) {
        return Terminar(dialogos, Desenlace::Error, e.what());
    } catch (...) {
        return Terminar(dialogos, Desenlace::Error, "Error desconocido al exportar «" + ruta + "».");
    }
}

}  // namespace ph
