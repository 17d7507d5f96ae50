// Renders the program's windows and boxes to PNG files, for people to look at and for the
// help, and checks each file it wrote: the picture has its window's size and is not blank.
//   capturas_app [FOLDER]      (default: ./capturas; the offscreen platform unless another is set)
// main_interactivo.png, main_importar.png, main_exportar.png, plantillas_importacion.png,
// plantillas_exportacion.png, curso.png, pregunta_todas_plantillas.png,
// pregunta_quitar_sin_clases.png, final.png, final_detalles.png, recordatorio.png,
// abrir_archivo.png, mensaje_corto.png.
#include "CursoExport.h"
#include "MainForm.h"
#include "Modal.h"
#include "Plantihoras.h"
#include "Traducciones.h"
#include "apoyo/apoyo.h"
#include "apoyo_app.h"

#include "import/importacion.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileSystemModel>
#include <QFileDialog>
#include <QHash>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>

#include <cstdio>

namespace {

QDir carpeta;
bool todoBien = true;

void Fallo(const QString& texto) {
    std::fprintf(stderr, "%s\n", qPrintable(texto));
    todoBien = false;
}

// A picture is blank when one colour covers almost all of it, or it has hardly any colours.
bool EnBlanco(const QImage& imagen) {
    QHash<QRgb, int> cuenta;
    for (int y = 0; y < imagen.height(); ++y)
        for (int x = 0; x < imagen.width(); ++x) ++cuenta[imagen.pixel(x, y)];
    int mayor = 0;
    for (int n : cuenta) mayor = std::max(mayor, n);
    return cuenta.size() < 4 || mayor > 0.97 * imagen.width() * imagen.height();
}

// Saves a picture of a window that is on show, reads the file back and checks it. tamano:
// the size the window must have; empty: the window's own size.
void Guardar(QWidget& w, const QString& nombre, QSize tamano = {}) {
    QApplication::processEvents();
    const QString ruta = carpeta.filePath(nombre);
    if (!w.grab().save(ruta)) return Fallo("no se pudo escribir " + ruta);
    std::printf("escrito %s\n", qPrintable(ruta));
    const QImage leida(ruta);
    const QSize esperado = tamano.isValid() ? tamano : w.size();
    if (leida.isNull()) return Fallo(ruta + ": no se puede leer");
    if (leida.size() != esperado || w.size() != esperado)
        Fallo(QString("%1: mide %2x%3, su ventana %4x%5 (debe medir %6x%7)")
                  .arg(ruta)
                  .arg(leida.width())
                  .arg(leida.height())
                  .arg(w.width())
                  .arg(w.height())
                  .arg(esperado.width())
                  .arg(esperado.height()));
    if (EnBlanco(leida)) Fallo(ruta + ": la imagen está en blanco");
}

void Mostrar(QWidget& w, const QString& nombre, QSize tamano = {}) {
    w.show();
    Guardar(w, nombre, tamano);
    w.hide();
}

QAbstractButton* Boton(QMessageBox& m, const char* nombre) { return m.findChild<QAbstractButton*>(nombre); }

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Drawn as on a Spanish system: dates and numbers in Qt's dialogs follow its locale.
    qputenv("LC_ALL", "es_ES.UTF-8");
    QApplication app(argc, argv);
    if (!CargarTraduccionesQt()) Fallo("no se encuentra la traducción qtbase_es.qm");
    carpeta = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("capturas"));
    if (!QDir().mkpath(carpeta.path())) {
        std::fprintf(stderr, "no se pudo crear la carpeta %s\n", qPrintable(carpeta.path()));
        return 1;
    }

    ph::prueba::CarpetaTemporal temporal;
    const QString ini = QString::fromStdString(temporal / "Sesionix.ini");
    const QString centro = prueba_app::Dato("centro.xml");
    const std::string stemp = temporal / "STEMP";
    QDir().mkpath(QString::fromStdString(stemp));
    qputenv("PASAHORARIO_STEMP", QByteArray::fromStdString(stemp));

    // The sizes the windows are drawn at.
    const QSize principal(632, 266), plantillas(369, 265), curso(380, 138);
    {
        TMForm f({}, ini);
        Mostrar(f, "main_interactivo.png", principal);
    }
    {
        TMForm f({"importar", "x"}, ini);
        Mostrar(f, "main_importar.png", principal);
    }
    {
        TMForm f({"exportar", "x"}, ini);
        Mostrar(f, "main_exportar.png", principal);
    }
    {
        TPlantillas d(nullptr);
        d.rutaCentro = centro;
        d.idiomaVentana = QStringLiteral("VALENCIÁ");
        d.carpetaIntercambio = stemp;
        Mostrar(d, "plantillas_importacion.png", plantillas);
    }
    {
        // The last import recorded VESP: the export dialog starts on it.
        ph::EstadoVentana estado;
        estado.filenameXML = centro.toStdString();
        ph::prueba::DialogosGuion guion;
        guion.fijarPlantilla = true;
        guion.plantilla = "VESP";
        ph::ImportarDeItaca(estado, stemp, guion);

        TPlantillas d(nullptr);
        d.Tag = 2;
        d.rutaCentro = centro;
        d.idiomaVentana = QStringLiteral("VALENCIÁ");
        d.carpetaIntercambio = stemp;
        Mostrar(d, "plantillas_exportacion.png", plantillas);
    }
    {
        TCurExp d(nullptr);
        d.CursoActual = QStringLiteral("2019");
        Mostrar(d, "curso.png", curso);
    }

    // An import through the window, as a person makes it: both questions and the final
    // message, with and without its details.
    {
        int preguntas = 0;
        PonerPresentador([&](QDialog& d) -> int {
            if (auto* f = qobject_cast<QFileDialog*>(&d)) {
                f->selectFile(prueba_app::Dato("dos_preguntas.xml"));
                return QDialog::Accepted;
            }
            if (auto* p = qobject_cast<TPlantillas*>(&d)) {
                p->show();
                p->BitBtnContinuar->click();
                return p->result();
            }
            auto* m = qobject_cast<QMessageBox*>(&d);
            if (!m) return QDialog::Rejected;
            m->show();
            if (m->icon() == QMessageBox::Question) {
                ++preguntas;
                Guardar(*m, preguntas == 1 ? "pregunta_todas_plantillas.png" : "pregunta_quitar_sin_clases.png");
                m->hide();
                return preguntas == 1 ? QMessageBox::No : QMessageBox::Yes;
            }
            Guardar(*m, "final.png");
            if (QAbstractButton* detalles = Boton(*m, "MostrarDetalles")) {
                detalles->click();
                Guardar(*m, "final_detalles.png");
            } else {
                Fallo("el mensaje final no tiene el botón «Mostrar detalles…»");
            }
            m->hide();
            return QMessageBox::Ok;
        });
        TMForm f({}, ini);
        f.show();
        f.BExportar->click();
        if (preguntas != 2) Fallo(QString("la importación hizo %1 preguntas, no 2").arg(preguntas));
        if (f.CodigoResultado() != 1) Fallo("la importación no terminó");
    }

    // The way back: the reminder, Qt's own open-file dialog, cancelled, and the short
    // message that follows.
    {
        int mensajes = 0;
        PonerPresentador([&](QDialog& d) -> int {
            if (auto* f = qobject_cast<QFileDialog*>(&d)) {
                f->setOption(QFileDialog::DontUseNativeDialog);
                f->setDirectory(QString::fromStdString(temporal.ruta()));
                f->show();
                // The list of files fills in the background: wait for it.
                if (auto* modelo = f->findChild<QFileSystemModel*>()) {
                    QElapsedTimer reloj;
                    reloj.start();
                    while (modelo->rowCount(modelo->index(f->directory().absolutePath())) == 0 && reloj.elapsed() < 5000)
                        QApplication::processEvents(QEventLoop::AllEvents, 50);
                }
                Mostrar(*f, "abrir_archivo.png");
                return QDialog::Rejected;
            }
            if (auto* m = qobject_cast<QMessageBox*>(&d)) {
                Mostrar(*m, ++mensajes == 1 ? "recordatorio.png" : "mensaje_corto.png");
                return QMessageBox::Ok;
            }
            return QDialog::Rejected;
        });
        TMForm f({}, ini);
        f.show();
        f.BImportar->click();
        if (mensajes != 2) Fallo(QString("la exportación mostró %1 mensajes, no 2").arg(mensajes));
    }
    PonerPresentador({});
    return todoBien ? 0 : 1;
}
