// pasahorario-cli sesionix-a-itaca: Sesionix's solution into ITACA's schedule file.
#include "cli/orden_sesionix_a_itaca.h"

#include "cli/comun.h"
#include "cli/dialogos_opciones.h"
#include "common/carpeta.h"
#include "common/centro.h"
#include "common/xml.h"
#include "export/exportacion.h"
#include "import/plantillas.h"

#include <algorithm>
#include <optional>
#include <ostream>

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

    // Without --plantilla the centre file is read here to choose the template, and the
    // transfer then works on the same document instead of parsing the file again.
    DocumentoXml centroLeido;
    DocumentoXml* cargado = nullptr;
    if (!opciones.plantilla && ExisteArchivo(opciones.centro) && centroLeido.Cargar(opciones.centro))
        cargado = &centroLeido;

    DialogosOpciones::Respuestas r;
    r.plantilla = opciones.plantilla ? opciones.plantilla : PlantillaPorOmision(cargado, opciones.centro, carpeta);
    r.curso = opciones.curso;
    DialogosOpciones dialogos(r, errores_);

    EstadoVentana estado;
    estado.filenameXML = opciones.centro;
    estado.idioma = opciones.idioma ? *opciones.idioma : centro::kValencia;

    const ResultadoTransferencia resultado = ExportarAItaca(estado, carpeta, dialogos, cargado);
    if (resultado.desenlace != Desenlace::Completada) return CodigoSalida(resultado.desenlace);

    salida_ << "Archivo de horarios: " << resultado.salida << std::endl;
    salida_ << "  horario_grupo:     " << resultado.entradasGrupo << " entradas" << std::endl;
    salida_ << "  horario_ocupacion: " << resultado.entradasOcupacion << " entradas" << std::endl;
    if (dialogos.Eleccion()) salida_ << "Plantilla: " << dialogos.Eleccion()->resultado << std::endl;
    return kSalidaCompletada;
}

}  // namespace ph::cli
