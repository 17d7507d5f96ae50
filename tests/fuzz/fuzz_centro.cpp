// Any bytes as a centre file, through the whole ITACA -> Sesionix transfer into a scratch
// exchange folder. The transfer must end in one of its outcomes, never crash or hang.
#include "common/dialogos.h"
#include "common/xml.h"
#include "fuzz_comun.h"
#include "import/importacion.h"
#include "import/plantillas.h"

namespace {

class DialogosFijos : public ph::Dialogos {
public:
    ph::EleccionPlantilla ElegirPlantilla(const std::string& ruta, bool, const std::string& idioma) override {
        ph::DocumentoXml doc;
        doc.Cargar(ruta);
        auto codigos = ph::CodigosPlantilla(doc);
        return ph::ElegirPlantillaSinVentana(doc, codigos.empty() ? "" : codigos.front(), idioma);
    }
    bool PreguntarTodasPlantillas(const std::string&) override { return todas = !todas; }
    bool PreguntarQuitarSinClases(const std::string&) override { return true; }
    std::string ConfirmarCurso(const std::string& c) override { return c; }
    void Mensaje(const std::string&) override {}
    bool todas = false;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t n) {
    const std::string& carpeta = ph::fuzz::Carpeta("centro");
    ph::EstadoVentana estado;
    estado.filenameXML = carpeta + "/centro.xml";
    ph::fuzz::Escribir(estado.filenameXML, datos, n);
    static DialogosFijos dialogos;
    (void)ph::ImportarDeItaca(estado, carpeta, dialogos);
    return 0;
}
