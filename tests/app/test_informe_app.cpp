// The report in the desktop program: "Proceso finalizado" keeps its text and gains the
// summary by category behind "Mostrar detalles…", and a button that saves the whole report
// as CSV beside the centre file.
#include "MainForm.h"
#include "Plantihoras.h"
#include "apoyo/apoyo.h"
#include "apoyo_app.h"

#include "transfer/informe.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

#include <memory>

using prueba_app::Guion;

namespace {

// Two teachers, one of whom has no classes in the chosen template and is removed; a line
// of the other template is skipped.
const char* const kCentro = R"(<?xml version="1.0" encoding="UTF-8"?>
<centro codigo="46000001" denominacion="IES Prova" curso="2026" version="1">
 <plantillas_horario>
  <plantilla_horario codigo="MATI" descripcion_val="Matí" descripcion_cas="Mañana" turno="M"/>
  <plantilla_horario codigo="VESP" descripcion_val="Vesprada" descripcion_cas="Tarde" turno="T"/>
 </plantillas_horario>
 <sesiones_horario>
  <sesion_horario plantilla="MATI" dia_semana="L" sesion_orden="1" hora_desde="08:00" hora_hasta="08:55"/>
 </sesiones_horario>
 <docentes>
  <docente apellido1="García" apellido2="López" nombre="Pau" tipo_docente="D" fecha_ingreso="" documento="111A" ensenanza="ESO" email1="" email2=""/>
  <docente apellido1="Martí" apellido2="Soler" nombre="Anna" tipo_docente="D" fecha_ingreso="" documento="222B" ensenanza="ESO" email1="" email2=""/>
 </docentes>
 <ensenanzas><ensenanza ensenanza="3" abreviatura="ESO"/></ensenanzas>
 <cursos><curso codigo="C1" padre="" abreviatura="1ESO" ensenanza="3"/></cursos>
 <cursos_grupo><curso_grupo grupo="1A" curso="C1"/></cursos_grupo>
 <grupos><grupo codigo="1A" nombre="1r ESO A" turno="M" ensenanza="3" tutor_ppal="111A" tutor_sec=""/></grupos>
 <contenidos><contenido codigo="MAT1" curso="C1" nombre_val="Matemàtiques" nombre_cas="Matemáticas"/></contenidos>
 <aulas><aula codigo="A1" nombre="Aula 1"/></aulas>
 <horarios_grupo>
  <horario_grupo plantilla="MATI" grupo="1A" curso="C1" contenido="MAT1" docente="111A" aula="A1"/>
  <horario_grupo plantilla="VESP" grupo="1A" curso="C1" contenido="MAT1" docente="222B" aula="A1"/>
 </horarios_grupo>
</centro>
)";

QAbstractButton* Boton(QMessageBox& m, const char* nombre) { return m.findChild<QAbstractButton*>(nombre); }

}  // namespace

class PruebaInformeApp : public QObject {
    Q_OBJECT

    std::unique_ptr<ph::prueba::CarpetaTemporal> dir_;
    QString Ruta(const char* nombre) const { return QString::fromStdString(*dir_ / nombre); }
    QString Centro() const { return Ruta("centro.xml"); }
    QString Informe() const { return Ruta("centro_informe_importacion.csv"); }

    // Runs the import through the window; enFinal acts on the final box.
    void Importar(Guion& guion, const std::function<int(QMessageBox&)>& enFinal) {
        guion.archivo = Centro();
        guion.respuestas = {false, true};  // only the chosen template; remove those without classes
        guion.enMensaje = [&](QMessageBox& m) {
            return m.text() == "Proceso finalizado" ? enFinal(m) : int(QMessageBox::Ok);
        };
        TMForm f({}, Ruta("Sesionix.ini"));
        f.show();
        QTest::mouseClick(f.BExportar, Qt::LeftButton);
        QCOMPARE(f.CodigoResultado(), 1);
    }

private slots:
    void init() {
        dir_ = std::make_unique<ph::prueba::CarpetaTemporal>();
        QDir().mkpath(Ruta("STEMP"));
        qputenv("PASAHORARIO_STEMP", Ruta("STEMP").toUtf8());
        ph::prueba::EscribirArchivo(Centro().toStdString(), kCentro);
    }
    void cleanup() { dir_.reset(); }

    void detallesConElResumenPorCategoria() {
        Guion guion;
        QString detalles, antes, abiertos, cerrados;
        Importar(guion, [&](QMessageBox& m) {
            detalles = m.detailedText();
            QAbstractButton* b = Boton(m, "MostrarDetalles");
            if (!b) return int(QMessageBox::Ok);
            antes = b->text();
            m.show();
            b->click();
            abiertos = b->text();
            const bool visibles = m.findChild<QTextEdit*>()->isVisible();
            b->click();
            cerrados = b->text();
            m.hide();
            return visibles ? int(QMessageBox::Ok) : -1;
        });

        QCOMPARE(guion.Mensajes(), QStringList{"Proceso finalizado"});
        QCOMPARE(detalles, QString("Líneas de horario de otras plantillas omitidas: 1\n"
                                   "Docentes quitados por no tener clases: 1\n"));
        QCOMPARE(antes, QString("Mostrar detalles…"));
        QCOMPARE(abiertos, QString("Ocultar detalles…"));
        QCOMPARE(cerrados, QString("Mostrar detalles…"));
        const prueba_app::Caja& final = guion.cajas.back();
        QCOMPARE(final.titulo, QString("Pasahorario"));
        QVERIFY(final.botones.contains("Guardar informe…"));
        // Only saved when asked.
        QVERIFY(!QFile::exists(Informe()));
    }

    void guardarInformeJuntoAlCentro() {
        Guion guion;
        Importar(guion, [&](QMessageBox& m) {
            Boton(m, "GuardarInforme")->click();
            return m.result();
        });

        QCOMPARE(guion.Mensajes(),
                 (QStringList{"Proceso finalizado", "Informe guardado en «" + Informe() + "»."}));
        QVERIFY(QFile::exists(Informe()));
        const std::string bytes = ph::prueba::LeerArchivo(Informe().toStdString());
        QVERIFY(bytes.rfind("\xEF\xBB\xBF", 0) == 0);
        const QString csv = QString::fromStdString(bytes);
        QVERIFY(csv.contains("Docentes quitados por no tener clases;docente «222B» (Martí Soler, Anna)"));
    }

    // The return trip saves its own report: the first one stays as it was.
    void unInformePorSentido() {
        {
            Guion guion;
            Importar(guion, [&](QMessageBox& m) {
                Boton(m, "GuardarInforme")->click();
                return m.result();
            });
        }
        const std::string ida = ph::prueba::LeerArchivo(Ruta("centro_informe_importacion.csv").toStdString());
        QVERIFY(QString::fromStdString(ida).contains("Docentes quitados por no tener clases"));
        std::string salida;
        QCOMPARE(ph::prueba::Ejecutar({ph::prueba::ProgramaConstruido("sesionix-simulado"), Ruta("STEMP").toStdString()},
                                      &salida),
                 0);

        Guion guion;
        guion.archivo = Centro();
        guion.enMensaje = [&](QMessageBox& m) {
            if (m.text() == "Proceso finalizado") Boton(m, "GuardarInforme")->click();
            return int(QMessageBox::Ok);
        };
        TMForm f({}, Ruta("Sesionix.ini"));
        f.show();
        QTest::mouseClick(f.BImportar, Qt::LeftButton);
        QCOMPARE(f.CodigoResultado(), 1);

        const QString vuelta = Ruta("centro_informe_exportacion.csv");
        QCOMPARE(guion.Mensajes().last(), "Informe guardado en «" + vuelta + "».");
        QVERIFY(QFile::exists(vuelta));
        QCOMPARE(ph::prueba::LeerArchivo(Ruta("centro_informe_importacion.csv").toStdString()), ida);
        QVERIFY(!QFile::exists(Ruta("centro_informe.csv")));
    }

    void informeQueNoSePuedeGuardar() {
        Guion guion;
        QVERIFY(QDir().mkpath(Informe()));  // a folder stands where the file would go
        Importar(guion, [&](QMessageBox& m) {
            Boton(m, "GuardarInforme")->click();
            return m.result();
        });
        const QStringList mensajes = guion.Mensajes();
        QCOMPARE(mensajes.size(), 2);
        QVERIFY2(mensajes[1].startsWith("No se puede guardar el archivo «" + Informe() + "»"), qPrintable(mensajes[1]));
    }
};

QTEST_MAIN(PruebaInformeApp)
#include "test_informe_app.moc"
