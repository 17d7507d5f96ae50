// The help in the desktop program, with the ITACA.chm the build makes: F1 opens the topic
// of the focused control in the help window, the help button opens the contents, the
// window goes back and forward, and a missing or damaged file gives a message.
#include "Ayuda.h"
#include "CursoExport.h"
#include "MainForm.h"
#include "Plantihoras.h"
#include "VentanaAyuda.h"
#include "apoyo/apoyo.h"
#include "apoyo_app.h"

#include <QComboBox>
#include <QFileInfo>
#include <QImage>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using prueba_app::Guion;

namespace {

const QString kChm = QStringLiteral(PH_BINARIOS "/ITACA.chm");

VentanaAyuda* Abierta() {
    VentanaAyuda* v = VentanaAyudaAbierta();
    return v && v->isVisible() ? v : nullptr;
}

void PulsarF1En(QWidget* ventana, QWidget* control) {
    control->setFocus();
    QTest::keyClick(ventana, Qt::Key_F1);
}

}  // namespace

class PruebaAyuda : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(QFileInfo(kChm).isFile(), qPrintable("falta " + kChm + ": compile ayuda_chm")); }
    void init() { PonerArchivoAyuda(kChm); }
    void cleanup() {
        delete VentanaAyudaAbierta();
        PonerArchivoAyuda({});
    }

    // Context 1: the main window and the language; 3: the transfers.
    void f1EnLaVentanaPrincipal_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("tema");
        QTest::addColumn<QString>("titulo");
        const QString principal = "ventana_principal.html", transferencias = "transferencias.html";
        const QString tPrincipal = "La ventana principal y el idioma", tTransferencias = "Las transferencias paso a paso";
        QTest::newRow("idioma") << "ComboBoxValCast" << principal << tPrincipal;
        QTest::newRow("botón de ayuda") << "Button1" << principal << tPrincipal;
        QTest::newRow("OK de ida") << "BExportar" << transferencias << tTransferencias;
        QTest::newRow("OK de vuelta") << "BImportar" << transferencias << tTransferencias;
        QTest::newRow("Salir") << "BClose" << transferencias << tTransferencias;
    }
    void f1EnLaVentanaPrincipal() {
        QFETCH(QString, control);
        QFETCH(QString, tema);
        QFETCH(QString, titulo);
        ph::prueba::CarpetaTemporal dir;
        Guion guion;
        TMForm f({}, QString::fromStdString(dir / "Sesionix.ini"));
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        auto* w = f.findChild<QWidget*>(control);
        QVERIFY(w);
        PulsarF1En(&f, w);
        VentanaAyuda* v = Abierta();
        QVERIFY(v);
        QCOMPARE(v->TemaActual(), tema);
        QCOMPARE(v->Navegador->documentTitle(), titulo);
        QVERIFY(guion.Mensajes().isEmpty());
    }

    void f1EnLosDialogos() {
        Guion guion;
        TPlantillas p(nullptr);
        p.rutaCentro = prueba_app::Dato("centro.xml");
        p.show();
        QVERIFY(QTest::qWaitForWindowActive(&p));
        PulsarF1En(&p, p.ComboBoxValCast);
        QVERIFY(Abierta());
        QCOMPARE(Abierta()->TemaActual(), QString("ventana_principal.html"));
        PulsarF1En(&p, p.BitBtnContinuar);
        QCOMPARE(Abierta()->TemaActual(), QString("transferencias.html"));
        // The help of a modal dialog belongs to it, so it takes input while the dialog is open.
        QCOMPARE(Abierta()->parentWidget(), &p);
        p.hide();

        TCurExp c(nullptr);
        c.show();
        QVERIFY(QTest::qWaitForWindowActive(&c));
        PulsarF1En(&c, c.ComboBoxCurso);
        QCOMPARE(Abierta()->TemaActual(), QString("ventana_principal.html"));
        PulsarF1En(&c, c.BitBtnContinuar);
        QCOMPARE(Abierta()->TemaActual(), QString("transferencias.html"));
    }

    void elBotonAbreElContenido() {
        ph::prueba::CarpetaTemporal dir;
        Guion guion;
        TMForm f({}, QString::fromStdString(dir / "Sesionix.ini"));
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        f.Button1->click();
        VentanaAyuda* v = Abierta();
        QVERIFY(v);
        QCOMPARE(v->TemaActual(), QString("inicio.html"));
        QCOMPARE(v->Navegador->documentTitle(), QString("Qué hace Pasahorario"));
        // The table of contents, read from the file: every topic, in order.
        QStringList temas;
        for (int i = 0; i < v->Contenido->topLevelItemCount(); ++i) temas << v->Contenido->topLevelItem(i)->text(0);
        QCOMPARE(temas, (QStringList{"Qué hace Pasahorario", "La ventana principal y el idioma",
                                     "Las transferencias paso a paso", "El informe de la transferencia y el ensayo",
                                     "Los mensajes del programa", "pasahorario-cli, para el personal de informática"}));
        QVERIFY(v->Contenido->topLevelItem(2)->childCount() > 0);
        QCOMPARE(v->Contenido->currentItem(), v->Contenido->topLevelItem(0));
    }

    void atrasAdelanteYContenido() {
        ph::prueba::CarpetaTemporal dir;
        Guion guion;
        TMForm f({}, QString::fromStdString(dir / "Sesionix.ini"));
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        f.Button1->click();
        VentanaAyuda* v = Abierta();
        QVERIFY(v);
        QVERIFY(!v->BAtras->isEnabled());
        QVERIFY(!v->BAdelante->isEnabled());

        // A click in the table of contents.
        QTreeWidgetItem* mensajes = v->Contenido->topLevelItem(4);
        const QRect sitio = v->Contenido->visualItemRect(mensajes);
        QTest::mouseClick(v->Contenido->viewport(), Qt::LeftButton, {}, sitio.center());
        QCOMPARE(v->TemaActual(), QString("mensajes.html"));
        // F1 in the window goes to the transfers, in the same help window.
        PulsarF1En(&f, f.BExportar);
        QCOMPARE(Abierta(), v);
        QCOMPARE(v->TemaActual(), QString("transferencias.html"));

        QVERIFY(v->BAtras->isEnabled());
        v->BAtras->click();
        QCOMPARE(v->TemaActual(), QString("mensajes.html"));
        v->BAtras->click();
        QCOMPARE(v->TemaActual(), QString("inicio.html"));
        QVERIFY(!v->BAtras->isEnabled());
        QVERIFY(v->BAdelante->isEnabled());
        v->BAdelante->click();
        QCOMPARE(v->TemaActual(), QString("mensajes.html"));
        v->BInicio->click();
        QCOMPARE(v->TemaActual(), QString("inicio.html"));
    }

    // The pictures are the real windows: the main window's has its size.
    void lasImagenesSonLasVentanas() {
        ph::prueba::CarpetaTemporal dir;
        Guion guion;
        TMForm f({}, QString::fromStdString(dir / "Sesionix.ini"));
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        PulsarF1En(&f, f.ComboBoxValCast);
        VentanaAyuda* v = Abierta();
        QVERIFY(v);
        const QVariant datos =
            v->Navegador->loadResource(QTextDocument::ImageResource, UrlTema("capturas/main_interactivo.png"));
        const QImage imagen = QImage::fromData(datos.toByteArray());
        QVERIFY(!imagen.isNull());
        QCOMPARE(imagen.size(), QSize(632, 266));
        QVERIFY(v->Navegador->loadResource(QTextDocument::ImageResource, UrlTema("capturas/no_existe.png")).isNull());
    }

    // The help window closes with the window it belongs to: a program that Sesionix started
    // still ends when its main window closes.
    void laAyudaSeCierraConSuVentana() {
        ph::prueba::CarpetaTemporal dir;
        Guion guion;
        QPointer<VentanaAyuda> v;
        {
            TMForm f({"exportar", "x"}, QString::fromStdString(dir / "Sesionix.ini"));
            f.show();
            QVERIFY(QTest::qWaitForWindowActive(&f));
            f.Button1->click();
            v = Abierta();
            QVERIFY(v);
        }
        QVERIFY(v.isNull());
    }

    void sinArchivoOConArchivoDanado_data() {
        QTest::addColumn<QByteArray>("contenido");  // empty: no file
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("falta") << QByteArray() << "No se encuentra el archivo de ayuda «%1».";
        QTest::newRow("dañado") << QByteArray("esto no es un archivo de ayuda")
                                << "El archivo de ayuda «%1» está dañado o no es un archivo de ayuda.";
    }
    void sinArchivoOConArchivoDanado() {
        QFETCH(QByteArray, contenido);
        QFETCH(QString, mensaje);
        ph::prueba::CarpetaTemporal dir;
        const QString chm = QString::fromStdString(dir / "ITACA.chm");
        if (!contenido.isEmpty()) ph::prueba::EscribirArchivo(chm.toStdString(), contenido.toStdString());
        PonerArchivoAyuda(chm);
        Guion guion;
        TMForm f({}, QString::fromStdString(dir / "Sesionix.ini"));
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        f.Button1->click();
        PulsarF1En(&f, f.BExportar);
        QVERIFY(!Abierta());
        const QString esperado = mensaje.arg(chm);
        QCOMPARE(guion.Mensajes(), (QStringList{esperado, esperado}));
    }
};

QTEST_MAIN(PruebaAyuda)
#include "test_ayuda.moc"
