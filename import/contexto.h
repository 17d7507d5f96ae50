#pragma once
// The state one ITACA -> Sesionix run shares between its stages (the main window's state).
#include "common/xml.h"
#include "transfer/dialogos.h"
#include "transfer/informe.h"

#include <set>
#include <string>
#include <vector>

namespace ph {

struct ContextoImportacion {
    ContextoImportacion(const DocumentoXml& doc, std::string carpetaIntercambio, Dialogos& dlg)
        : XMLDoc(doc), carpeta(std::move(carpetaIntercambio)), dialogos(dlg) {}

    const DocumentoXml& XMLDoc;   // the loaded centre file
    std::string carpeta;          // the exchange folder
    std::string resultado;        // code of the chosen template
    std::string turno_plant;      // its shift
    std::string idioma;           // the language text (ComboBoxValCast)
    std::vector<std::string> ListBoxPlanti;  // the chosen template's session lines
    bool SoloPlantilla = false;   // set by TransformarHorariosGrupo

    // Run-scoped sets, exact comparison (letter case counts).
    std::set<std::string> CodigosUsados;
    std::set<std::string> NombresUsados;
    std::set<std::string> ContenidosVistos;

    Dialogos& dialogos;
    // Where the stages note what the data did not carry or carried changed; null when
    // nobody asked for a report.
    Informe* informe = nullptr;
};

}  // namespace ph
