// pasahorario-cli sesionix-a-itaca: Sesionix's solution into ITACA's schedule file.
#include "cli/orden_sesionix_a_itaca.h"

#include "cli/avisos.h"
#include "cli/comun.h"
#include "cli/dialogos_opciones.h"
#include "cli/simulacion.h"
#include "common/carpeta.h"
#include "common/xml.h"
#include "export/exportacion.h"
#include "export/guardar_resultado.h"
#include "transfer/centro.h"
#include "transfer/plantillas.h"
#include "transfer/tablas_trabajo.h"

#include <algorithm>
#include <optional>
#include <ostream>
#include <sstream>

namespace ph::cli {

namespace {

// The template of the export when none is given: the one the last import recorded in
// DIASHORAST, provided the centre file (doc, loaded from rutaCentro) has it. Without a
// readable centre file there is nothing to choose: the transfer itself reports the file.
std::optional<std::string> PlantillaPorOmision(const DocumentoXml* doc, const std::string& rutaCentro,
                                               const std::string& carpeta) {
    if (!doc || !doc->Raiz().Valido() || doc->Raiz().Nombre() != centro::kCentro) return std::nullopt;
    const std::string registrada = PlantillaRegistrada(carpeta);
    const std::vector<std::string> codigos = CodigosPlantilla(*doc);
    if (registrada.empty() || std::find(codigos.begin(), codigos.end(), registrada) == codigos.end())
        throw ErrorUso("la carpeta de intercambio «" + carpeta +
                       "» no registra ninguna plantilla horaria de «" + rutaCentro +
                       "» (DIASHORAST): indique la plantilla con --plantilla CODIGO.");
    return registrada;
}

}  // namespace

int OrdenSesionixAItaca::Ejecutar(const Opciones& opciones) {
    const std::string carpeta = CarpetaDeTrabajo(opciones);
    if (!ExisteCarpeta(carpeta)) {
        errores_ << "No existe la carpeta de intercambio «" << carpeta << "»." << std::endl;
        return kSalidaFaltaEntrada;
    }

    // Without --plantilla the centre file is read here to choose the template, and the
    // transfer then works on the same document instead of parsing the file again.
    DocumentoXml centroLeido;
    DocumentoXml* cargado = nullptr;
    if (!opciones.plantilla && ExisteArchivo(opciones.centro) && centroLeido.Cargar(opciones.centro))
        cargado = &centroLeido;

    DialogosOpciones::Respuestas r;
    r.plantilla = opciones.plantilla ? opciones.plantilla : PlantillaPorOmision(cargado, opciones.centro, carpeta);
    r.curso = opciones.curso;

    // A trial run works on copies of the tables and of the centre file; its messages name
    // the real files.
    std::optional<Simulacion> ensayo;
    std::ostringstream mensajesEnsayo;
    EstadoVentana estado;
    estado.filenameXML = opciones.centro;
    estado.idioma = opciones.idioma ? *opciones.idioma : centro::kValencia;
    if (opciones.simular) {
        ensayo.emplace();
        ensayo->SustituyeCarpeta(carpeta);
        std::vector<std::string> tablas{kSOLUC};
        for (const TablaTrabajo* t : TablasTrabajo()) tablas.push_back(t->nombre);
        ensayo->CopiarTablas(carpeta, tablas);
        estado.filenameXML = ensayo->CopiarCentro(opciones.centro);
    }
    DialogosOpciones dialogos(r, ensayo ? mensajesEnsayo : errores_);

    Informe informe;
    const ResultadoTransferencia resultado =
        ExportarAItaca(estado, ensayo ? ensayo->Carpeta() : carpeta, dialogos, cargado, &informe);
    if (ensayo) errores_ << ensayo->Real(mensajesEnsayo.str()) << std::flush;
    if (resultado.desenlace == Desenlace::FaltaEntrada) {
        // The window's message names no file: say which one.
        for (const std::string& motivo : {MotivoFaltaArchivo(opciones.centro, "el archivo de centro"),
                                          MotivoFaltaArchivo(RutaTabla(carpeta, kSOLUC), "la solución de Sesionix")})
            if (!motivo.empty()) errores_ << motivo << std::endl;
    }
    if (resultado.desenlace != Desenlace::Completada) return CodigoSalida(resultado.desenlace);

    if (ensayo) {
        salida_ << kTextoSimulacion << std::endl;
        salida_ << "Archivo de horarios (no escrito): " << RutaResultado(opciones.centro) << std::endl;
    } else {
        salida_ << "Archivo de horarios: " << resultado.salida << std::endl;
    }
    salida_ << "  horario_grupo:     " << resultado.entradasGrupo << " entradas" << std::endl;
    salida_ << "  horario_ocupacion: " << resultado.entradasOcupacion << " entradas" << std::endl;
    if (dialogos.Eleccion()) salida_ << "Plantilla: " << dialogos.Eleccion()->resultado << std::endl;
    EscribirResumenAvisos(salida_, informe);
    return GuardarInformePedido(opciones, informe, salida_, errores_) ? kSalidaCompletada : kSalidaError;
}

}  // namespace ph::cli
