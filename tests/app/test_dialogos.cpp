// The template dialog, the course dialog, the boxes and the help, on their own.
#include "Ayuda.h"
#include "CursoExport.h"
#include "DialogosQt.h"
#include "MainForm.h"
#include "Modal.h"
#include "PanelDegradado.h"
#include "Plantihoras.h"
#include "apoyo/apoyo.h"
#include "apoyo_app.h"

#include "import/importacion.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using prueba_app::Dato;
using prueba_app::Guion;

namespace {

// Fills the exchange folder as an import of the centre file with that template would.
void RegistrarPlantilla(const std::string& carpeta, const QString& centro, const std::string& plantilla) {
    ph::EstadoVentana estado;
    estado.filenameXML = centro.toStdString();
    ph::prueba::DialogosGuion guion;
    guion.fijarPlantilla = true;
    guion.plantilla = plantilla;
    auto r = ph::ImportarDeItaca(estado, carpeta, guion);
    QCOMPARE(int(r.desenlace), int(ph::Desenlace::Completada));
}

const QStringList kLineasMati{" 1 de 08:00 a 08:55", " 2 de 08:55 a 09:50", "10 de 13:00 a 13:55"};

}  // namespace

class PruebaDialogos : public QObject {
    Q_OBJECT

private slots:
    void plantillasImportacionMuestraLaPrimera() {
        ph::prueba::CarpetaTemporal stemp;
        TPlantillas d(nullptr);
        d.rutaCentro = Dato("centro.xml");
        d.idiomaVentana = "CASTELLANO";
        d.carpetaIntercambio = stemp.ruta();
        d.show();
        QCOMPARE(d.ComboBoxPlantilla->count(), 2);
        QCOMPARE(d.ComboBoxPlantilla->currentText(), QString("MATI"));
        QCOMPARE(d.ComboBoxValCast->currentText(), QString("CASTELLANO"));
        QVERIFY(d.ComboBoxValCast->isVisibleTo(&d));
        QCOMPARE(d.LabelNombre->text(), QString("Horario de mañana"));
        QCOMPARE(d.LabelTurno->text(), QString("M"));
        QCOMPARE(d.Lineas(), kLineasMati);  // the session 10 after the session 2
        d.BitBtnContinuar->click();
        QCOMPARE(d.resultado, QString("MATI"));
        QCOMPARE(d.turno_plant, QString("M"));
    }

    void plantillasTextoEscrito_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QString>("turno");
        QTest::addColumn<int>("lineas");
        QTest::addColumn<QString>("resultado");
        QTest::newRow("código de la lista") << "VESP" << "Horari de vesprada" << "V" << 2 << "VESP";
        QTest::newRow("espacio detrás") << "MATI " << "-" << "-" << 0 << "MATI";
        QTest::newRow("tabulador delante") << "\tMATI" << "-" << "-" << 0 << "MATI";
        QTest::newRow("otra caja de letra") << "mati" << "-" << "-" << 0 << "mati";
        QTest::newRow("vacío") << "" << "-" << "-" << 0 << "";
    }
    void plantillasTextoEscrito() {
        QFETCH(QString, texto);
        QFETCH(QString, nombre);
        QFETCH(QString, turno);
        QFETCH(int, lineas);
        QFETCH(QString, resultado);
        TPlantillas d(nullptr);
        d.rutaCentro = Dato("centro.xml");
        d.idiomaVentana = "VALENCIÁ";
        d.show();
        d.ComboBoxPlantilla->setFocus();
        d.ComboBoxPlantilla->lineEdit()->selectAll();
        d.ComboBoxPlantilla->lineEdit()->del();
        if (texto.contains('\t'))
            d.ComboBoxPlantilla->lineEdit()->insert(texto);  // a typed tab would move the focus
        else
            QTest::keyClicks(d.ComboBoxPlantilla->lineEdit(), texto);
        QCOMPARE(d.ComboBoxPlantilla->currentText(), texto);
        QCOMPARE(d.LabelNombre->text(), nombre);
        QCOMPARE(d.LabelTurno->text(), turno);
        QCOMPARE(d.ListBox1->count(), lineas);
        d.BitBtnContinuar->click();
        QCOMPARE(d.resultado, resultado);
        QCOMPARE(d.turno_plant, turno);
    }

    void plantillasIdiomaCambiaLaDescripcion_data() {
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<QString>("nombre");
        QTest::newRow("VALENCIÁ") << "VALENCIÁ" << "Horari de matí";
        QTest::newRow("CASTELLANO") << "CASTELLANO" << "Horario de mañana";
        QTest::newRow("minúsculas") << "valenciá" << "Horario de mañana";
        QTest::newRow("sin acento") << "VALENCIA" << "Horario de mañana";
    }
    void plantillasIdiomaCambiaLaDescripcion() {
        QFETCH(QString, idioma);
        QFETCH(QString, nombre);
        TPlantillas d(nullptr);
        d.rutaCentro = Dato("centro.xml");
        d.idiomaVentana = "VALENCIÁ";
        d.show();
        QCOMPARE(d.LabelNombre->text(), QString("Horari de matí"));
        d.ComboBoxValCast->setEditText(idioma);
        QCOMPARE(d.LabelNombre->text(), nombre);
        d.close();  // the close box gives the results too
        QCOMPARE(d.Idioma(), idioma);
        QCOMPARE(d.resultado, QString("MATI"));
    }

    // The export dialog starts on the template the last import recorded, when the
    // centre file has it.
    void plantillasExportacionEmpiezaEnLaRegistrada_data() {
        QTest::addColumn<QString>("centroImportado");  // empty: no import before
        QTest::addColumn<QString>("plantillaImportada");
        QTest::addColumn<QString>("inicial");
        QTest::addColumn<QString>("turno");
        QTest::addColumn<int>("lineas");
        QTest::newRow("sin importación previa") << "" << "" << "" << "-" << 0;
        QTest::newRow("registrada VESP") << "centro.xml" << "VESP" << "VESP" << "V" << 2;
        QTest::newRow("registrada MATI") << "centro.xml" << "MATI" << "MATI" << "M" << 3;
        QTest::newRow("registrada de otro centro") << "otras_plantillas.xml" << "TARD" << "" << "-" << 0;
    }
    void plantillasExportacionEmpiezaEnLaRegistrada() {
        QFETCH(QString, centroImportado);
        QFETCH(QString, plantillaImportada);
        QFETCH(QString, inicial);
        QFETCH(QString, turno);
        QFETCH(int, lineas);
        ph::prueba::CarpetaTemporal stemp;
        if (!centroImportado.isEmpty())
            RegistrarPlantilla(stemp.ruta(), Dato(centroImportado.toUtf8().constData()), plantillaImportada.toStdString());

        TPlantillas d(nullptr);
        d.Tag = 2;
        d.rutaCentro = Dato("centro.xml");
        d.idiomaVentana = "CASTELLANO";
        d.carpetaIntercambio = stemp.ruta();
        d.show();
        QCOMPARE(d.Label9->text(), QString("EXPORTACIÓN A ITACA"));
        QVERIFY(!d.ComboBoxValCast->isVisibleTo(&d));
        QCOMPARE(d.LabelPlantillas->text(),
                 QString("Seleccione la Plantilla Horaria que quiere aplicar para Exportar su Horario a ITACA."));
        QCOMPARE(d.ComboBoxPlantilla->count(), 2);
        QCOMPARE(d.ComboBoxPlantilla->currentText(), inicial);
        QCOMPARE(d.LabelTurno->text(), turno);
        QCOMPARE(d.ListBox1->count(), lineas);
        d.close();
        QCOMPARE(d.resultado, inicial);
        QCOMPARE(d.turno_plant, turno);
        QCOMPARE(d.Lineas().size(), lineas);
    }

    void cursoActual_data() {
        QTest::addColumn<QString>("accion");
        QTest::addColumn<bool>("aspa");
        QTest::addColumn<QString>("etiqueta");
        QTest::addColumn<QString>("curso");
        QTest::newRow("sin tocar, Continuar") << "" << false << "2019" << "2019";
        QTest::newRow("2018 de la lista, aspa") << "lista:2018" << true << "2018" << "2018";
        QTest::newRow("2021 escrito") << "escribir:2021" << false << "2021" << "2021";
        QTest::newRow("elegido y borrado") << "lista:2015,borrar" << false << "" << "";
    }
    void cursoActual() {
        QFETCH(QString, accion);
        QFETCH(bool, aspa);
        QFETCH(QString, etiqueta);
        QFETCH(QString, curso);
        TCurExp d(nullptr);
        d.CursoActual = "2019";
        QCOMPARE(d.LabelCurActual->text(), QString("-"));
        d.show();
        QCOMPARE(d.LabelCurActual->text(), QString("2019"));
        QCOMPARE(d.ComboBoxCurso->currentText(), QString());
        QCOMPARE(d.ComboBoxCurso->count(), 11);
        for (const QString& paso : accion.split(',', Qt::SkipEmptyParts)) {
            if (paso.startsWith("lista:")) {
                d.ComboBoxCurso->setCurrentIndex(d.ComboBoxCurso->findText(paso.mid(6)));
            } else if (paso.startsWith("escribir:")) {
                d.ComboBoxCurso->setFocus();
                QTest::keyClicks(d.ComboBoxCurso->lineEdit(), paso.mid(9));
            } else if (paso == "borrar") {
                d.ComboBoxCurso->lineEdit()->clear();
            }
        }
        QCOMPARE(d.LabelCurActual->text(), etiqueta);
        if (aspa) d.close(); else d.BitBtnContinuar->click();
        QCOMPARE(d.CursoActual, curso);
    }

    void cajasDeConfirmacion_data() {
        QTest::addColumn<bool>("respuesta");
        QTest::newRow("Sí") << true;
        QTest::newRow("No") << false;
    }
    void cajasDeConfirmacion() {
        QFETCH(bool, respuesta);
        Guion guion;
        guion.respuestas = {respuesta, respuesta};
        DialogosQt dialogos(nullptr);
        QCOMPARE(dialogos.PreguntarTodasPlantillas("¿Todas?\r\nSeguro"), respuesta);
        QCOMPARE(dialogos.PreguntarQuitarSinClases("¿Quitar?"), respuesta);
        QCOMPARE(int(guion.cajas.size()), 2);
        for (const auto& c : guion.cajas) {
            QCOMPARE(c.titulo, QString("Confirmar"));
            QCOMPARE(c.icono, int(QMessageBox::Question));
            QCOMPARE(c.botones.size(), 2);
            QVERIFY(c.botones.contains("&Sí"));
            QVERIFY(c.botones.contains("&No"));
        }
        QCOMPARE(guion.cajas[0].texto, QString("¿Todas?\nSeguro"));
    }

    void mensajeConTituloDelPrograma() {
        Guion guion;
        DialogosQt dialogos(nullptr);
        dialogos.Mensaje("Deberá Abrir\r\nel fichero");
        QCOMPARE(int(guion.cajas.size()), 1);
        QCOMPARE(guion.cajas[0].titulo, QString("Pasahorario"));
        QCOMPARE(guion.cajas[0].texto, QString("Deberá Abrir\nel fichero"));
        QCOMPARE(guion.cajas[0].botones, QStringList{"Aceptar"});
        QCOMPARE(guion.cajas[0].icono, int(QMessageBox::NoIcon));
    }

    void dialogoDeArchivo() {
        Guion guion;
        DialogosQt dialogos(nullptr);
        guion.archivo = Dato("centro.xml");
        QCOMPARE(dialogos.PedirArchivoXml(Dato("otras_plantillas.xml")), Dato("centro.xml"));
        QCOMPARE(guion.cajas[0].titulo, QString("Seleccione Archivo XML obtenido de ÍTACA"));
        QCOMPARE(guion.filtrosArchivo, QStringList{"*.xml"});
        QCOMPARE(guion.sufijoArchivo, QString("xml"));
        QCOMPARE(guion.archivoInicial, Dato("otras_plantillas.xml"));
        guion.archivo.clear();
        QCOMPARE(dialogos.PedirArchivoXml(Dato("centro.xml")), QString());
    }

    void esperaPoneYQuitaElCursor() {
        DialogosQt dialogos(nullptr);
        QVERIFY(!QApplication::overrideCursor());
        dialogos.Espera(true);
        QVERIFY(QApplication::overrideCursor());
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        dialogos.Espera(false);
        dialogos.Espera(false);  // one more than put up: nothing else to take down
        QVERIFY(!QApplication::overrideCursor());
    }

    void contextosDeAyuda_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("contexto");
        QTest::newRow("ventana") << "MForm" << 1;
        QTest::newRow("Button1") << "Button1" << 1;
        QTest::newRow("ComboBoxValCast") << "ComboBoxValCast" << 1;
        QTest::newRow("Draw3D1") << "Draw3D1" << 3;
        QTest::newRow("Draw3D2") << "Draw3D2" << 3;
        QTest::newRow("Draw3D3") << "Draw3D3" << 3;
        QTest::newRow("BExportar") << "BExportar" << 3;
        QTest::newRow("BImportar") << "BImportar" << 3;
        QTest::newRow("BClose") << "BClose" << 3;
        QTest::newRow("Label3 toma el de su panel") << "Label3" << 3;
    }
    void contextosDeAyuda() {
        QFETCH(QString, control);
        QFETCH(int, contexto);
        ph::prueba::CarpetaTemporal dir;
        TMForm f({}, QString::fromStdString(dir / "Sesionix.ini"));
        QWidget* w = control == "MForm" ? &f : f.findChild<QWidget*>(control);
        QVERIFY(w);
        QCOMPARE(ContextoAyuda(w), contexto);
    }

    void contextosDeAyudaDeLosDialogos() {
        TPlantillas p(nullptr);
        QCOMPARE(ContextoAyuda(&p), 1);
        QCOMPARE(ContextoAyuda(p.ComboBoxValCast), 1);
        QCOMPARE(ContextoAyuda(p.Draw3D4), 3);
        QCOMPARE(ContextoAyuda(p.BitBtnContinuar), 3);
        TCurExp c(nullptr);
        QCOMPARE(ContextoAyuda(&c), 1);
        QCOMPARE(ContextoAyuda(c.ComboBoxCurso), 1);
        QCOMPARE(ContextoAyuda(c.Draw3D4), 3);
        QCOMPARE(ContextoAyuda(c.BitBtnContinuar), 3);
    }

    void ayuda_data() {
        QTest::addColumn<bool>("existe");
        QTest::addColumn<bool>("visor");
        QTest::addColumn<QString>("mensaje");  // the start of the message; empty: none
        QTest::newRow("falta el archivo") << false << true << "No se encuentra el archivo de ayuda";
        QTest::newRow("falta un visor") << true << false << "No hay ningún programa";
        QTest::newRow("se abre") << true << true << "";
    }
    void ayuda() {
        QFETCH(bool, existe);
        QFETCH(bool, visor);
        QFETCH(QString, mensaje);
        ph::prueba::CarpetaTemporal dir;
        const QString chm = QString::fromStdString(dir / "ITACA.chm");
        if (existe) ph::prueba::EscribirArchivo(chm.toStdString(), "ayuda");
        PonerArchivoAyuda(chm);
        QStringList abiertos;
        PonerAbridorAyuda([&](const QString& archivo, int contexto) {
            abiertos << QString("%1#%2").arg(archivo).arg(contexto);
            return visor;
        });
        Guion guion;
        TMForm f({}, QString::fromStdString(dir / "Sesionix.ini"));
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));

        f.Button1->click();
        f.ComboBoxValCast->setFocus();
        QTest::keyClick(&f, Qt::Key_F1);
        f.BExportar->setFocus();
        QTest::keyClick(&f, Qt::Key_F1);

        if (existe) {
            QCOMPARE(abiertos, (QStringList{chm + "#0", chm + "#1", chm + "#3"}));
        } else {
            QVERIFY(abiertos.isEmpty());
        }
        const QStringList mensajes = guion.Mensajes();
        if (mensaje.isEmpty()) {
            QVERIFY(mensajes.isEmpty());
        } else {
            QCOMPARE(mensajes.size(), 3);
            for (const QString& m : mensajes) {
                QVERIFY2(m.startsWith(mensaje), qPrintable(m));
                QVERIFY2(m.contains("ITACA.chm"), qPrintable(m));
            }
        }
        PonerAbridorAyuda({});
        PonerArchivoAyuda({});
    }
};

QTEST_MAIN(PruebaDialogos)
#include "test_dialogos.moc"
