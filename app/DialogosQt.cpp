#include "DialogosQt.h"

#include "CursoExport.h"
#include "Modal.h"
#include "Plantihoras.h"

#include "transfer/informe.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>

#include <exception>

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The dialog's closing handler sets its results: make sure it has run.
void AsegurarCierre(QDialog& d) {
    if (d.isVisible()) d.close();
}

}  // namespace

DialogosQt::~DialogosQt() {
    while (esperas_ > 0) Espera(false);
}

ph::EleccionPlantilla DialogosQt::ElegirPlantilla(const std::string& rutaCentro, bool exportacion,
                                                  const std::string& idioma) {
    TPlantillas d(ventana_);
    d.Tag = exportacion ? 2 : 0;
    d.rutaCentro = Q(rutaCentro);
    d.idiomaVentana = Q(idioma);
    MostrarModal(d);
    AsegurarCierre(d);

    ph::EleccionPlantilla e;
    e.resultado = d.resultado.toStdString();
    e.turno_plant = d.turno_plant.toStdString();
    e.idioma = d.Idioma().toStdString();
    for (const QString& l : d.Lineas()) e.lineas.push_back(l.toStdString());
    return e;
}

bool DialogosQt::PreguntarTodasPlantillas(const std::string& mensaje) { return Confirmar(ventana_, Q(mensaje)); }

bool DialogosQt::PreguntarQuitarSinClases(const std::string& mensaje) { return Confirmar(ventana_, Q(mensaje)); }

std::string DialogosQt::ConfirmarCurso(const std::string& cursoActual) {
    TCurExp d(ventana_);
    d.CursoActual = Q(cursoActual);
    MostrarModal(d);
    AsegurarCierre(d);
    return d.CursoActual.toStdString();
}

void DialogosQt::Mensaje(const std::string& texto) { MostrarMensaje(ventana_, Q(texto)); }

void DialogosQt::Finalizado(const std::string& texto, const ph::Informe* informe) {
    if (!informe) {
        Mensaje(texto);
        return;
    }
    if (MostrarFinal(ventana_, Q(texto), Q(ph::TextoResumen(*informe))) != RespuestaFinal::GuardarInforme) return;
    try {
        informe->GuardarCsv(rutaInforme);
        // The path as the system writes it (backslashes on Windows).
        MostrarMensaje(ventana_, "Informe guardado en «" + QDir::toNativeSeparators(Q(rutaInforme)) + "».");
    } catch (const std::exception& e) {
        Mensaje(e.what());
    }
}

void DialogosQt::Espera(bool activa) {
    if (activa) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++esperas_;
    } else if (esperas_ > 0) {
        QApplication::restoreOverrideCursor();
        --esperas_;
    }
}

QString DialogosQt::PedirArchivoXml(const QString& rutaAnterior) {
    QFileDialog d(ventana_, QStringLiteral("Seleccione Archivo XML obtenido de ÍTACA"));
    d.setObjectName("OpenDialogXML");
    d.setAcceptMode(QFileDialog::AcceptOpen);
    d.setFileMode(QFileDialog::AnyFile);
    d.setNameFilter(QStringLiteral("*.xml"));  // the filter reads "*.xml", as its pattern
    d.setDefaultSuffix(QStringLiteral("xml"));
    if (!rutaAnterior.isEmpty()) d.selectFile(rutaAnterior);
    if (MostrarModal(d) != QDialog::Accepted) return {};
    const QStringList elegidos = d.selectedFiles();
    // The path as the system writes it (backslashes on Windows): it is shown in messages.
    return elegidos.isEmpty() ? QString() : QDir::toNativeSeparators(elegidos.first());
}
