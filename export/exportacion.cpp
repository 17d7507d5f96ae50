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

}  // namespace

ResultadoTransferencia ExportarAItaca(EstadoVentana& estado, const std::string& carpeta, Dialogos& dialogos,
                                      DocumentoXml* centroCargado, Informe* informe) {
    const std::string ruta = estado.filenameXML;
    try {
        // The solution is looked for in the exchange folder that is then read.
        if (!ExisteArchivo(ruta) || !ExisteArchivo(RutaTabla(carpeta, kSOLUC)))
            return Terminar(dialogos, Desenlace::FaltaEntrada, "No existe archivo XML o Solución.");

        // A file that is not an ITACA centre file is refused before anything is touched.
        DocumentoXml propio;
        DocumentoXml& doc = centroCargado ? *centroCargado : propio;
        if (!centroCargado && !doc.Cargar(ruta))
            return Terminar(dialogos, Desenlace::Rechazada,
                            "El archivo «" + ruta + "» no es un archivo XML válido: " + doc.MotivoFallo());
        NodoXml raiz = doc.Raiz();
        if (!raiz.Valido() || raiz.Nombre() != centro::kCentro)
            return Terminar(dialogos, Desenlace::Rechazada,
                            "El archivo «" + ruta +
                                "» no es un archivo de centro de ITACA: su elemento raíz no es «centro».");

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

        DatosCentro datos;
        std::vector<EntradaHorarioGrupo> grupos;
        std::vector<EntradaHorarioOcupacion> ocupaciones;
        {
            CursorEspera espera(dialogos);
            {
                TablasAbiertas tablas;
                tablas.Abrir(carpeta);

                datos.codigo = AllTrim(raiz.Atributo(centro::raiz::codigo));
                datos.denominacion = AllTrim(raiz.Atributo(centro::raiz::denominacion));
                const std::string cursoActual = AllTrim(raiz.Atributo(centro::raiz::curso));
                datos.version = AllTrim(raiz.Atributo(centro::raiz::version));

                datos.curso = dialogos.ConfirmarCurso(cursoActual);
                datos.fecha_exportacion = FechaExportacion();

                TablasExportacion lectura = tablas.Lectura();
                lectura.informe = informe;
                grupos = LeerHorariosGrupo(lectura, estado.resultado);
                ocupaciones = LeerHorariosOcupaciones(lectura, estado.resultado);
                tablas.Cerrar();
            }
            GuardarResultado(doc, datos, grupos, ocupaciones, ruta);
        }

        ResultadoTransferencia r = Finalizar(dialogos, informe);
        r.salida = RutaResultado(ruta);
        r.entradasGrupo = long(grupos.size());
        r.entradasOcupacion = long(ocupaciones.size());
        return r;
    } catch (const std::exception& e) {
        return Terminar(dialogos, Desenlace::Error, e.what());
    } catch (...) {
        return Terminar(dialogos, Desenlace::Error, "Error desconocido al exportar «" + ruta + "».");
    }
}

}  // namespace ph
