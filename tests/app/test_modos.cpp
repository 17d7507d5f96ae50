// Run modes, the completion code and Sesionix.ini.
#include "MainForm.h"
#include "PanelDegradado.h"
#include "apoyo/apoyo.h"
#include "apoyo_app.h"

#include "common/ini.h"
#include "export/exportacion.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>

#include <memory>

using prueba_app::Dato;
using prueba_app::Guion;

namespace {

QByteArray Leer(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Escribir(const QString& ruta, const QByteArray& bytes) {
    QFile f(ruta);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// The completion code the ini file holds, "(falta)" when none.
QString CodigoEscrito(const QString& ini) {
    return QString::fromStdString(ph::LeerIni(ini.toStdString(), "Transformadores", "Transformado").value_or("(falta)"));
}

const QRect kArribaAncho(0, 0, 632, 169);

}  // namespace

class PruebaModos : public QObject {
    Q_OBJECT

    std::unique_ptr<ph::prueba::CarpetaTemporal> dir_;
    QString Ruta(const char* nombre) const { return QString::fromStdString(*dir_ / nombre); }
    QString Ini() const { return Ruta("Sesionix.ini"); }

private slots:
    void init() {
        dir_ = std::make_unique<ph::prueba::CarpetaTemporal>();
        QDir().mkpath(Ruta("STEMP"));
        qputenv("PASAHORARIO_STEMP", Ruta("STEMP").toLocal8Bit());
    }
    void cleanup() {
        QVERIFY(!QApplication::overrideCursor());
        dir_.reset();
    }

    void modos_data() {
        QTest::addColumn<QStringList>("parametros");
        QTest::addColumn<bool>("ve2");  // ITACA -> Sesionix panel
        QTest::addColumn<bool>("ve3");  // Sesionix -> ITACA panel
        QTest::addColumn<bool>("linea");  // command-line mode: the code is written on close
        QTest::newRow("sin parámetros") << QStringList{} << true << true << false;
        QTest::newRow("uno: importar") << QStringList{"importar"} << true << true << false;
        QTest::newRow("importar") << QStringList{"importar", "x"} << false << true << true;
        QTest::newRow("IMPORTAR") << QStringList{"IMPORTAR", "x"} << false << true << true;
        QTest::newRow("Exportar") << QStringList{"Exportar", ""} << true << false << true;
        QTest::newRow("otra palabra") << QStringList{"transformar", "x"} << true << true << true;
        QTest::newRow("importar con tilde") << QStringList{"ÍMPORTAR", "x"} << true << true << true;
        QTest::newRow("importar con espacio") << QStringList{"importar ", "x"} << true << true << true;
        QTest::newRow("tres") << QStringList{"importar", "x", "y"} << true << true << false;
    }
    void modos() {
        QFETCH(QStringList, parametros);
        QFETCH(bool, ve2);
        QFETCH(bool, ve3);
        QFETCH(bool, linea);
        TMForm f(parametros, Ini());
        f.show();
        QCOMPARE(f.windowTitle(), QString("Exportar e importar datos entre Sesionix e ITACA"));
        QCOMPARE(f.size(), QSize(632, 266));
        QCOMPARE(f.NumParametros(), linea ? 2 : 0);
        QCOMPARE(f.Draw3D2->isVisible(), ve2);
        QCOMPARE(f.Draw3D3->isVisible(), ve3);
        QCOMPARE(f.Draw3D1->isVisible(), true);
        if (ve2 && ve3) {
            QCOMPARE(f.Draw3D2->geometry(), QRect(0, 0, 315, 169));
            QCOMPARE(f.Draw3D3->geometry(), QRect(316, 0, 317, 169));
        } else {
            QCOMPARE((ve2 ? f.Draw3D2 : f.Draw3D3)->geometry(), kArribaAncho);
        }
        QCOMPARE(f.ComboBoxValCast->currentText(), QString("VALENCIÁ"));

        QTest::mouseClick(f.BClose, Qt::LeftButton);
        QVERIFY(!f.isVisible());
        QCOMPARE(QFile::exists(Ini()), linea);
        if (linea) QCOMPARE(CodigoEscrito(Ini()), QString("0"));
    }

    // The ini file's other content survives byte for byte; interactive mode leaves the
    // whole file alone.
    void iniConservaElResto_data() {
        QTest::addColumn<QStringList>("parametros");
        QTest::addColumn<QByteArray>("despues");
        const QByteArray antes = "; Sesionix\r\n[General]\r\nRuta=C:\\SX19\r\n\r\n[TRANSFORMADORES]\r\n"
                                 "transformado = 1\r\nOtro=x\r\n";
        QTest::newRow("línea de órdenes") << QStringList{"exportar", "x"}
                                          << QByteArray(antes).replace("transformado = 1", "transformado=0");
        QTest::newRow("interactivo") << QStringList{} << antes;
    }
    void iniConservaElResto() {
        QFETCH(QStringList, parametros);
        QFETCH(QByteArray, despues);
        Escribir(Ini(), "; Sesionix\r\n[General]\r\nRuta=C:\\SX19\r\n\r\n[TRANSFORMADORES]\r\n"
                        "transformado = 1\r\nOtro=x\r\n");
        {
            TMForm f(parametros, Ini());
            f.show();
            f.close();
        }
        QCOMPARE(Leer(Ini()), despues);
    }

    // The input is missing: a message; in command-line mode -1 and the window closes.
    void faltaEntrada_data() {
        QTest::addColumn<QStringList>("parametros");
        QTest::addColumn<QString>("boton");
        QTest::addColumn<QString>("archivo");  // the file chosen; empty: the dialog is cancelled
        QTest::addColumn<QStringList>("mensajes");
        QTest::addColumn<int>("codigo");
        const QString recordatorio = QString::fromUtf8(ph::kRecordatorioExportacion).replace("\r\n", "\n");
        const QStringList faltaExportacion{recordatorio, "No existe archivo XML o Solución."};
        QTest::newRow("ITACA->Sesionix interactivo") << QStringList{} << "BExportar" << "" << QStringList{"No existe archivo"} << 0;
        QTest::newRow("ITACA->Sesionix órdenes") << QStringList{"exportar", "x"} << "BExportar" << "" << QStringList{"No existe archivo"} << -1;
        QTest::newRow("archivo que no existe") << QStringList{"exportar", "x"} << "BExportar" << "no-existe.xml" << QStringList{"No existe archivo"} << -1;
        QTest::newRow("Sesionix->ITACA interactivo") << QStringList{} << "BImportar" << "" << faltaExportacion << 0;
        QTest::newRow("Sesionix->ITACA órdenes") << QStringList{"importar", "x"} << "BImportar" << "" << faltaExportacion << -1;
        QTest::newRow("falta la solución") << QStringList{"importar", "x"} << "BImportar" << "centro.xml" << faltaExportacion << -1;
    }
    void faltaEntrada() {
        QFETCH(QStringList, parametros);
        QFETCH(QString, boton);
        QFETCH(QString, archivo);
        QFETCH(QStringList, mensajes);
        QFETCH(int, codigo);
        const bool linea = parametros.size() == 2;
        Guion guion;
        if (!archivo.isEmpty()) guion.archivo = archivo == "centro.xml" ? Dato("centro.xml") : Ruta("no-existe.xml");
        TMForm f(parametros, Ini());
        f.show();
        QTest::mouseClick(f.findChild<QPushButton*>(boton), Qt::LeftButton);

        QCOMPARE(guion.Mensajes(), mensajes);
        QCOMPARE(guion.Contar("TPlantillas"), 0);
        QCOMPARE(f.CodigoResultado(), codigo);
        QCOMPARE(f.isVisible(), !linea);
        QVERIFY(f.BExportar->isEnabled());
        QVERIFY(f.BImportar->isEnabled());
        if (linea) QCOMPARE(CodigoEscrito(Ini()), QString::number(codigo));
        f.close();
        QCOMPARE(QFile::exists(Ini()), linea);
        QVERIFY(QDir(Ruta("STEMP")).isEmpty());  // no work table touched
    }

    // A file that is not a centre file is refused: -1 in command-line mode.
    void archivoRechazado() {
        Escribir(Ruta("notas.xml"), "<notas><nota/></notas>");
        Guion guion;
        guion.archivo = Ruta("notas.xml");
        TMForm f({"exportar", "x"}, Ini());
        f.show();
        QTest::mouseClick(f.BExportar, Qt::LeftButton);
        QCOMPARE(guion.Mensajes().size(), 1);
        QVERIFY2(guion.Mensajes()[0].contains("notas.xml"), qPrintable(guion.Mensajes()[0]));
        QCOMPARE(f.CodigoResultado(), -1);
        QVERIFY(!f.isVisible());
        QCOMPARE(CodigoEscrito(Ini()), QString("-1"));
    }

    // An error stops the run: its message, both buttons enabled, the code unchanged, the
    // window open also in command-line mode; a new try reuses the file chosen before.
    void errorDejaLaVentanaComoEstaba() {
        Escribir(Ruta("no-es-carpeta"), "x");
        qputenv("PASAHORARIO_STEMP", Ruta("no-es-carpeta").toLocal8Bit());
        Guion guion;
        guion.archivo = Dato("centro.xml");
        TMForm f({"transformar", "x"}, Ini());
        f.show();
        QTest::mouseClick(f.BExportar, Qt::LeftButton);

        QCOMPARE(guion.Mensajes().size(), 1);
        const QString error = guion.Mensajes()[0];
        QVERIFY(error != "Proceso finalizado");
        QVERIFY2(error.contains("no-es-carpeta"), qPrintable(error));
        QCOMPARE(f.CodigoResultado(), 0);
        QVERIFY(f.isVisible());
        QVERIFY(f.BExportar->isEnabled());
        QVERIFY(f.BImportar->isEnabled());
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(!QFile::exists(Ini()));

        guion.archivo.clear();  // cancelled: the file chosen the first time is used again
        QTest::mouseClick(f.BExportar, Qt::LeftButton);
        QCOMPARE(guion.archivoInicial, Dato("centro.xml"));
        QCOMPARE(f.filenameXML(), Dato("centro.xml"));
        QCOMPARE(guion.Mensajes().size(), 2);
        QCOMPARE(guion.Mensajes()[1], error);
        QCOMPARE(guion.Contar("TPlantillas"), 2);

        QTest::mouseClick(f.BClose, Qt::LeftButton);
        QCOMPARE(CodigoEscrito(Ini()), QString("0"));
    }
};

QTEST_MAIN(PruebaModos)
#include "test_modos.moc"
