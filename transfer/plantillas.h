#pragma once
// The template choice logic, shared by the template dialog and the command line.
#include "common/xml.h"
#include "transfer/dialogos.h"

#include <string>
#include <vector>

namespace ph {

// The stripped codes of the templates, in document order, unsorted.
std::vector<std::string> CodigosPlantilla(const DocumentoXml& doc);

// Description and shift shown for the combo's text: those of the last template whose
// stripped code equals texto exactly; "-" for both when none does. The description is
// descripcion_val when idioma is exactly "VALENCIÁ", else descripcion_cas.
struct DescripcionPlantilla {
    std::string descripcion = "-";
    std::string turno = "-";
};
DescripcionPlantilla DescribirPlantilla(const DocumentoXml& doc, const std::string& texto,
                                        const std::string& idioma);

// One session line: order (a blank before a single character, cut to 3), " de ", cut to
// 7, then the start time, " a ", the end time.
std::string LineaSesion(const std::string& orden, const std::string& desde, const std::string& hasta);

// The Monday session lines of the template whose code equals texto, in the dialog's
// order (ascending text).
std::vector<std::string> LineasSesion(const DocumentoXml& doc, const std::string& texto);

// The whole dialog without a window: the results it gives when the combo holds texto
// and the language combo idioma, and it is closed.
EleccionPlantilla ElegirPlantillaSinVentana(const DocumentoXml& doc, const std::string& texto,
                                            const std::string& idioma);

// The template code that the last transfer recorded in DIASHORAST (MARCOXML of its first
// row); empty when the table or the row is missing or cannot be read.
std::string PlantillaRegistrada(const std::string& carpeta);

}  // namespace ph
