#pragma once
// The questions of a transfer answered from the command-line options.
#include "transfer/dialogos.h"

#include <iosfwd>
#include <optional>
#include <string>

namespace ph::cli {

class DialogosOpciones : public Dialogos {
public:
    struct Respuestas {
        // The text typed into the template combo; without it the first template of the
        // file (import) or an empty text (export).
        std::optional<std::string> plantilla;
        bool todasPlantillas = false;  // "Sí" to the question about all templates
        bool quitarSinClases = true;   // "Sí" to the question about groups and teachers without classes
        std::optional<std::string> curso;  // the school year; without it the file's
    };

    DialogosOpciones(Respuestas respuestas, std::ostream& mensajes);

    EleccionPlantilla ElegirPlantilla(const std::string& rutaCentro, bool exportacion,
                                      const std::string& idioma) override;
    // Answers from the document the transfer loaded, without reading the file again.
    EleccionPlantilla ElegirPlantillaEnDocumento(const DocumentoXml& centro, const std::string& rutaCentro,
                                                 bool exportacion, const std::string& idioma) override;
    bool PreguntarTodasPlantillas(const std::string& mensaje) override;
    bool PreguntarQuitarSinClases(const std::string& mensaje) override;
    std::string ConfirmarCurso(const std::string& cursoActual) override;
    void Mensaje(const std::string& texto) override;

    // The template the dialog handed back, once asked.
    const std::optional<EleccionPlantilla>& Eleccion() const { return eleccion_; }

private:
    Respuestas respuestas_;
    std::ostream& mensajes_;
    std::optional<EleccionPlantilla> eleccion_;
};

}  // namespace ph::cli
