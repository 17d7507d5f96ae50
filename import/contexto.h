#pragma once
// What one ITACA -> Sesionix run hands its stages: the run's surroundings, the template
// chosen for it, and the sets that several stages fill in turn.
#include "common/xml.h"
#include "transfer/dialogos.h"
#include "transfer/informe.h"

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace ph {

// The template the run works with, and which timetable lines apply. The driver holds it
// and hands it to the stages that need it; they only read it.
struct PlantillaElegida {
    std::string codigo;                     // the template code, stripped
    std::string turno;                      // its shift
    std::vector<std::string> lineasSesion;  // its session lines, in the dialog's order
    // Only the lines of this template apply (the answer "No" to the question of the group
    // timetable stage); false when every template's lines apply or nothing was asked.
    bool soloSusLineas = false;
};

struct ContextoImportacion {
    ContextoImportacion(const DocumentoXml& documentoCentro, std::string carpetaIntercambio, Dialogos& dlg,
                        Informe* informe = nullptr)
        : documento(documentoCentro), carpeta(std::move(carpetaIntercambio)), dialogos(dlg), avisos(informe) {}

    const DocumentoXml& documento;  // the loaded centre file
    const std::string carpeta;      // the exchange folder
    Dialogos& dialogos;
    std::string idioma;             // the language text, as the window shows it
    // Where the stages note what the data did not carry or carried changed; it notes
    // nothing when nobody asked for a report.
    const Anotador avisos;

    // Filled by the subjects and occupations stages, exact comparison (letter case counts).
    std::set<std::string> codigosUsados;     // ASIGNOMT short codes given
    std::set<std::string> nombresUsados;     // names of subjects and occupations
    std::set<std::string> contenidosVistos;  // ITACA subject codes already written
};

}  // namespace ph
