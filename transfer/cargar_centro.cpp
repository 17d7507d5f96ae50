#include "transfer/cargar_centro.h"

#include "common/carpeta.h"
#include "common/xml.h"
#include "transfer/centro.h"
#include "transfer/desenlace.h"

namespace ph {

bool EsCentroItaca(const DocumentoXml& doc) {
    const NodoXml raiz = doc.Raiz();
    return raiz.Valido() && raiz.Nombre() == centro::kCentro;
}

std::optional<ResultadoTransferencia> CargarCentro(Dialogos& dialogos, const EntradasCentro& entradas,
                                                   DocumentoXml& doc, bool yaCargado) {
    bool faltan = !ExisteArchivo(entradas.centro);
    for (const std::string& ruta : entradas.otras) faltan = faltan || !ExisteArchivo(ruta);
    if (faltan) return Terminar(dialogos, Desenlace::FaltaEntrada, entradas.siFalta);

    const std::string& ruta = entradas.centro;
    if (!yaCargado && !doc.Cargar(ruta))
        return Terminar(dialogos, Desenlace::Rechazada,
                        "El archivo «" + ruta + "» no es un archivo XML válido: " + doc.MotivoFallo());
    if (!EsCentroItaca(doc))
        return Terminar(dialogos, Desenlace::Rechazada,
                        "El archivo «" + ruta + "» no es un archivo de centro de ITACA: su elemento raíz no es «centro».");
    return std::nullopt;
}

}  // namespace ph
