// Renders the program's windows to PNG files, for people to look at:
//   capturas_app [FOLDER]      (default: ./capturas; the offscreen platform unless another is set)
// main_interactivo.png, main_importar.png, main_exportar.png, plantillas_importacion.png,
// plantillas_exportacion.png, curso.png.
#include "CursoExport.h"
#include "MainForm.h"
#include "Plantihoras.h"
#include "apoyo/apoyo.h"
#include "apoyo_app.h"

#include "import/importacion.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTextStream>

#include <cstdio>

namespace {

bool Guardar(QWidget& w, const QDir& dir, const QString& nombre) {
    w.show();
    QApplication::processEvents();
    const QString ruta = dir.filePath(nombre);
    const bool ok = w.grab().save(ruta);
    std::fprintf(ok ? stdout : stderr, "%s %s\n", ok ? "escrito" : "no se pudo escribir", qPrintable(ruta));
    w.hide();
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("capturas"));
    if (!QDir().mkpath(dir.path())) {
        std::fprintf(stderr, "no se pudo crear la carpeta %s\n", qPrintable(dir.path()));
        return 1;
    }

    ph::prueba::CarpetaTemporal temporal;
    const QString ini = QString::fromStdString(temporal / "Sesionix.ini");
    const QString centro = prueba_app::Dato("centro.xml");
    bool ok = true;

    {
        TMForm f({}, ini);
        ok &= Guardar(f, dir, "main_interactivo.png");
    }
    {
        TMForm f({"importar", "x"}, ini);
        ok &= Guardar(f, dir, "main_importar.png");
    }
    {
        TMForm f({"exportar", "x"}, ini);
        ok &= Guardar(f, dir, "main_exportar.png");
    }
    {
        TPlantillas d(nullptr);
        d.rutaCentro = centro;
        d.idiomaVentana = QStringLiteral("VALENCIÁ");
        ok &= Guardar(d, dir, "plantillas_importacion.png");
    }
    {
        // The last import recorded VESP: the export dialog starts on it.
        const std::string stemp = temporal / "STEMP";
        QDir().mkpath(QString::fromStdString(stemp));
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
        ok &= Guardar(d, dir, "plantillas_exportacion.png");
    }
    {
        TCurExp d(nullptr);
        d.CursoActual = QStringLiteral("2019");
        ok &= Guardar(d, dir, "curso.png");
    }
    return ok ? 0 : 1;
}
