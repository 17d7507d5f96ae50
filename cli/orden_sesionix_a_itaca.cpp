// pasahorario-cli sesionix-a-itaca: Sesionix's solution into ITACA's schedule file.
#include "cli/orden_sesionix_a_itaca.h"

#include "cli/simulacion.h"
#include "common/carpeta.h"
#include "export/exportacion.h"
#include "export/guardar_resultado.h"
#include "transfer/cargar_centro.h"
#include "transfer/plantillas.h"
#include "transfer/tablas_trabajo.h"

#include <algorithm>
#include <ostream>

namespace ph::cli {

namespace {

// The template of the export when none is given: the one the last import recorded in
// DIASHORAST, provided the centre file (doc, loaded from rutaCentro) has it. Without a
// readable centre file there is nothing to choose: the transfer itself reports the file.
std::optional<std::string> PlantillaPorOmision(const DocumentoXml* doc, const std::string& rutaCentro,
                                               const std::string& carpeta) {
    if (!doc || !EsCentroItaca(*doc)) return std::nullopt;
    const std::string registrada = PlantillaRegistrada(carpeta);
    const std::vector<std::string> codigos = CodigosPlantilla(*doc);
    if (registrada.empty() || std::find(codigos.begin(), codigos.end(), registrada) == codigos.end())
        throw ErrorUso("la carpeta de intercambio «" + carpeta +
                       "» no registra ninguna plantilla horaria de «" + rutaCentro +
                       "» (DIASHORAST): indique la plantilla con --plantilla CODIGO.");
    return registrada;
}

}  // namespace

DialogosOpciones::Respuestas OrdenSesionixAItaca::PrepararRespuestas(const std::string& carpeta) {
    // Without --plantilla the centre file is read here to choose the template, and the
    // transfer then works on the same document instead of parsing the file again.
    if (!opciones_.plantilla && ExisteArchivo(opciones_.centro) && centroLeido_.Cargar(opciones_.centro))
        cargado_ = &centroLeido_;
    DialogosOpciones::Respuestas r;
    r.plantilla = opciones_.plantilla ? opciones_.plantilla : PlantillaPorOmision(cargado_, opciones_.centro, carpeta);
    r.curso = opciones_.curso;
    return r;
}

// The trial works on copies of the tables and of the centre file, beside which the
// schedule file is written.
void OrdenSesionixAItaca::PrepararEnsayo(Simulacion& ensayo, const std::string& carpeta, EstadoVentana& estado) {
    std::vector<std::string> tablas{kSOLUC};
    for (const TablaTrabajo* t : TablasTrabajo()) tablas.push_back(t->nombre);
    ensayo.CopiarTablas(carpeta, tablas);
    estado.filenameXML = ensayo.CopiarCentro(opciones_.centro);
}

ResultadoTransferencia OrdenSesionixAItaca::Transferir(EstadoVentana& estado, const std::string& carpeta,
                                                       Dialogos& dialogos, Informe& informe) {
    return ExportarAItaca(estado, carpeta, dialogos, cargado_, &informe);
}

std::vector<OrdenTransferencia::Entrada> OrdenSesionixAItaca::OtrasEntradas(const std::string& carpeta) const {
    return {{RutaTabla(carpeta, kSOLUC), "la solución de Sesionix"}};
}

void OrdenSesionixAItaca::EscribirResumen(const ResultadoTransferencia& resultado,
                                          const std::optional<EleccionPlantilla>& eleccion, const std::string&,
                                          bool simulada) {
    if (simulada) salida_ << "Archivo de horarios (no escrito): " << RutaResultado(opciones_.centro) << std::endl;
    else salida_ << "Archivo de horarios: " << resultado.salida << std::endl;
    salida_ << "  horario_grupo:     " << resultado.entradasGrupo << " entradas" << std::endl;
    salida_ << "  horario_ocupacion: " << resultado.entradasOcupacion << " entradas" << std::endl;
    if (eleccion) salida_ << "Plantilla: " << eleccion->resultado << std::endl;
}

}  // namespace ph::cli
