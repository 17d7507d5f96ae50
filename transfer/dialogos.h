#pragma once
// How the core talks to a person. The core never shows anything itself: the desktop
// program implements this with Qt dialogs, the command-line program with its options,
// the tests with scripted answers.
#include <string>
#include <vector>

namespace ph {

class DocumentoXml;
class Informe;

// What the template dialog hands back.
struct EleccionPlantilla {
    std::string resultado;            // the template code (stripped)
    std::string turno_plant;          // its shift, "-" when the code matched no template
    std::string idioma;               // the language text (import mode only)
    std::vector<std::string> lineas;  // the Monday session lines, in the dialog's order
};

class Dialogos {
public:
    virtual ~Dialogos() = default;

    // The template dialog. exportacion: export mode. idioma: the language text the main
    // window shows. Called only when the centre file has templates (import) or always
    // (export).
    virtual EleccionPlantilla ElegirPlantilla(const std::string& rutaCentro, bool exportacion,
                                              const std::string& idioma) = 0;
    // The same dialog, handed the centre file that the transfer has just loaded from
    // rutaCentro, so that a large file need not be parsed twice. By default it is the
    // dialog above, which reads the file again.
    virtual EleccionPlantilla ElegirPlantillaEnDocumento(const DocumentoXml& /*centro*/,
                                                         const std::string& rutaCentro, bool exportacion,
                                                         const std::string& idioma) {
        return ElegirPlantilla(rutaCentro, exportacion, idioma);
    }
    // The question of the group timetable stage; true for "Sí".
    virtual bool PreguntarTodasPlantillas(const std::string& mensaje) = 0;
    // The question of the pruning stage; true for "Sí".
    virtual bool PreguntarQuitarSinClases(const std::string& mensaje) = 0;
    // The target-course dialog: receives the centre file's year, returns the one chosen.
    virtual std::string ConfirmarCurso(const std::string& cursoActual) = 0;
    // Messages with an OK button: "Proceso finalizado", reminders, refusals, errors.
    virtual void Mensaje(const std::string& texto) = 0;
    // The message that ends a completed transfer, with the report the transfer collected
    // (null when nobody asked for one). By default the plain message.
    virtual void Finalizado(const std::string& texto, const Informe* /*informe*/) { Mensaje(texto); }
    // The wait cursor, on while the stages run.
    virtual void Espera(bool /*activa*/) {}
};

}  // namespace ph
