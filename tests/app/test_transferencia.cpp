// Both transfers through the real window, with a person's answers scripted.
#include "CursoExport.h"
#include "MainForm.h"
#include "Plantihoras.h"
#include "apoyo/apoyo.h"
#include "apoyo_app.h"
#include "transfer/tablas_trabajo.h"

#include "common/ini.h"
#include "export/exportacion.h"
#include "import/importacion.h"
#include "transfer/plantillas.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <memory>

using prueba_app::Dato;
using prueba_app::Guion;

namespace {

QString CodigoEscrito(const QString& ini) {
    return QString::fromStdString(ph::LeerIni(ini.toStdString(), "Transformadores", "Transformado").value_or("(falta)"));
}

long Filas(const std::string& carpeta, const std::string& tabla) {
    for (const auto& [nombre, n] : ph::ContarFilas(carpeta))
        if (nombre == tabla) return n;
    return -2;
}

}  // namespace

class PruebaTransferencia : public QObject {
    Q_OBJECT

    std::unique_ptr<ph::prueba::CarpetaTemporal> dir_;
    QString Ruta(const char* nombre) const { return QString::fromStdString(*dir_ / nombre); }
    std::string Stemp() const { return *dir_ / "STEMP"; }
    QString Ini() const { return Ruta("Sesionix.ini"); }
    QString Centro() const { return Ruta("centro.xml"); }  // the schedule file is written beside it

private slots:
    void init() {
        dir_ = std::make_unique<ph::prueba::CarpetaTemporal>();
        QDir().mkpath(QString::fromStdString(Stemp()));
        qputenv("PASAHORARIO_STEMP", QByteArray::fromStdString(Stemp()));
        QVERIFY(QFile::copy(Dato("centro.xml"), Centro()));
    }
    void cleanup() {
        QVERIFY(!QApplication::overrideCursor());
        dir_.reset();
    }

    void importacionCompleta() {
        Guion guion;
        guion.archivo = Centro();
        guion.respuestas = {false, true};
        QString modoDialogo;
        guion.enPlantillas = [&](TPlantillas& d) {
            modoDialogo = QString::number(d.Tag);
            d.ComboBoxValCast->setEditText("CASTELLANO");
        };
        TMForm f({}, Ini());
        f.show();
        QTest::mouseClick(f.BExportar, Qt::LeftButton);

        QCOMPARE(guion.Mensajes(), QStringList{"Proceso finalizado"});
        QCOMPARE(modoDialogo, QString("0"));
        QCOMPARE(f.CodigoResultado(), 1);
        QVERIFY(!f.BExportar->isEnabled());
        QVERIFY(!f.BImportar->isEnabled());
        QVERIFY(f.isVisible());
        QVERIFY(!QFile::exists(Ini()));

        // What the template dialog chose stays with the window.
        QCOMPARE(f.ComboBoxValCast->currentText(), QString("CASTELLANO"));
        QStringList lineas;
        for (int i = 0; i < f.ListBoxPlanti->count(); ++i) lineas << f.ListBoxPlanti->item(i)->text();
        QCOMPARE(lineas, (QStringList{" 1 de 08:00 a 08:55", " 2 de 08:55 a 09:50", "10 de 13:00 a 13:55"}));
        QCOMPARE(QString::fromStdString(f.Estado().resultado), QString("MATI"));
        QCOMPARE(QString::fromStdString(f.Estado().turno_plant), QString("M"));

        // The questions are asked while the wait cursor is up, under "Confirmar".
        int preguntas = 0;
        for (const auto& c : guion.cajas) {
            if (c.titulo != "Confirmar") continue;
            ++preguntas;
            QVERIFY(c.conEspera);
        }
        QVERIFY(preguntas >= 1);

        QCOMPARE(Filas(Stemp(), "PROFT"), 2L);
        QCOMPARE(Filas(Stemp(), "DIASHORAST"), 21L);  // three sessions, seven days
        QVERIFY(Filas(Stemp(), "ASIGT") > 0);
        QCOMPARE(QString::fromStdString(ph::PlantillaRegistrada(Stemp())), QString("MATI"));

        f.close();
        QVERIFY(!QFile::exists(Ini()));
    }

    // In command-line mode a completed transfer closes the window and writes 1.
    void lineaDeOrdenesCierraYEscribeUno_data() {
        QTest::addColumn<QStringList>("parametros");
        QTest::newRow("exportar") << QStringList{"EXPORTAR", "1"};
        QTest::newRow("otra palabra") << QStringList{"sesionix", "1"};
    }
    void lineaDeOrdenesCierraYEscribeUno() {
        QFETCH(QStringList, parametros);
        Guion guion;
        guion.archivo = Centro();
        TMForm f(parametros, Ini());
        f.show();
        QTest::mouseClick(f.BExportar, Qt::LeftButton);
        QCOMPARE(guion.Mensajes(), QStringList{"Proceso finalizado"});
        QVERIFY(!f.isVisible());
        QCOMPARE(f.CodigoResultado(), 1);
        QCOMPARE(CodigoEscrito(Ini()), QString("1"));
    }

    // Sesionix -> ITACA after an import and Sesionix's solution, as Sesionix starts it.
    void exportacionCompleta() {
        {
            ph::EstadoVentana estado;
            estado.filenameXML = Centro().toStdString();
            ph::prueba::DialogosGuion respuestas;
            QCOMPARE(int(ph::ImportarDeItaca(estado, Stemp(), respuestas).desenlace), int(ph::Desenlace::Completada));
            std::string salida;
            QCOMPARE(ph::prueba::Ejecutar({ph::prueba::ProgramaConstruido("sesionix-simulado"), Stemp()}, &salida), 0);
        }

        Guion guion;
        guion.archivo = Centro();
        guion.cerrarConAspa = true;
        QString inicial, cursoMostrado;
        guion.enPlantillas = [&](TPlantillas& d) {
            QCOMPARE(d.Tag, 2);
            inicial = d.ComboBoxPlantilla->currentText();
        };
        guion.enCurso = [&](TCurExp& d) {
            cursoMostrado = d.CursoActual;
            d.ComboBoxCurso->setCurrentIndex(d.ComboBoxCurso->findText("2018"));
        };
        TMForm f({"importar", "x"}, Ini());
        f.show();
        QTest::mouseClick(f.BImportar, Qt::LeftButton);

        const QString recordatorio = QString::fromUtf8(ph::kRecordatorioExportacion).replace("\r\n", "\n");
        QCOMPARE(guion.Mensajes(), (QStringList{recordatorio, "Proceso finalizado"}));
        QCOMPARE(inicial, QString("MATI"));  // recorded by the import
        QCOMPARE(cursoMostrado, QString("2019"));
        bool cursoConEspera = false;
        for (const auto& c : guion.cajas)
            if (c.clase == "TCurExp") cursoConEspera = c.conEspera;
        QVERIFY(cursoConEspera);
        QCOMPARE(f.CodigoResultado(), 1);
        QVERIFY(!f.BExportar->isEnabled());
        QVERIFY(!f.BImportar->isEnabled());
        QVERIFY(!f.isVisible());
        QCOMPARE(CodigoEscrito(Ini()), QString("1"));

        QFile salida(Ruta("ResultadoSesionixcentro.xml"));
        QVERIFY(salida.open(QIODevice::ReadOnly));
        const QByteArray xml = salida.readAll();
        QVERIFY(xml.contains("curso=\"2018\""));
        QVERIFY(xml.contains("horario_grupo"));
    }
};

QTEST_MAIN(PruebaTransferencia)
#include "test_transferencia.moc"
