#pragma once
// The core's questions and messages answered with the program's windows: the template
// dialog, the two confirmation boxes, the target-course dialog, message boxes and the
// wait cursor. Every box goes through MostrarModal (Modal.h).
#include "transfer/dialogos.h"

#include <QString>

class QWidget;

class DialogosQt : public ph::Dialogos {
public:
    explicit DialogosQt(QWidget* ventana) : ventana_(ventana) {}
    ~DialogosQt() override;

    ph::EleccionPlantilla ElegirPlantilla(const std::string& rutaCentro, bool exportacion,
                                          const std::string& idioma) override;
    bool PreguntarTodasPlantillas(const std::string& mensaje) override;
    bool PreguntarQuitarSinClases(const std::string& mensaje) override;
    std::string ConfirmarCurso(const std::string& cursoActual) override;
    void Mensaje(const std::string& texto) override;
    // "Proceso finalizado" with a "Mostrar detalles…" part holding the report's summary
    // by category, and a button that saves the whole report as CSV at rutaInforme.
    void Finalizado(const std::string& texto, const ph::Informe* informe) override;
    void Espera(bool activa) override;

    // Where the button of the final message saves the report (set by the main window
    // before each transfer, beside the centre file).
    std::string rutaInforme;

    // The open-file dialog OpenDialogXML, starting on rutaAnterior; the chosen path, or
    // an empty text when the person cancels.
    QString PedirArchivoXml(const QString& rutaAnterior);

private:
    QWidget* ventana_;
    int esperas_ = 0;  // wait cursors this object has put up and not yet taken down
};
