// The keyboard as on Windows: Escape does not close the dialogs that have no cancel,
// Return and Enter press the focused button of the main window (and its first OK button
// from the language field), Tab walks every control in order, and the mnemonics of the
// captions work.
#include "CursoExport.h"
#include "MainForm.h"
#include "Modal.h"
#include "Plantihoras.h"
#include "apoyo/apoyo.h"
#include "apoyo_app.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <memory>

using prueba_app::Dato;
using prueba_app::Guion;

namespace {

// The control that has the focus, by name; the edit field of a combo box counts as the combo.
QString ConFoco() {
    QWidget* w = QApplication::focusWidget();
    if (!w) return "(nadie)";
    if (qobject_cast<QLineEdit*>(w) && qobject_cast<QComboBox*>(w->parentWidget())) w = w->parentWidget();
    return w->objectName();
}

std::unique_ptr<QDialog> Dialogo(const QString& cual) {
    if (cual == "curso") {
        auto d = std::make_unique<TCurExp>(nullptr);
        d->CursoActual = "2019";
        return d;
    }
    auto d = std::make_unique<TPlantillas>(nullptr);
    d->rutaCentro = Dato("centro.xml");
    d->idiomaVentana = "VALENCIÁ";
    if (cual == "plantillas de exportación") d->Tag = 2;
    return d;
}

}  // namespace

class PruebaTeclado : public QObject {
    Q_OBJECT

    std::unique_ptr<ph::prueba::CarpetaTemporal> dir_;
    QString Ini() const { return QString::fromStdString(*dir_ / "Sesionix.ini"); }

private slots:
    void init() {
        dir_ = std::make_unique<ph::prueba::CarpetaTemporal>();
        qputenv("PASAHORARIO_STEMP", QByteArray::fromStdString(*dir_ / "STEMP"));
    }
    void cleanup() { dir_.reset(); }

    void escapeNoCierraLosDialogos_data() {
        QTest::addColumn<QString>("dialogo");
        QTest::addColumn<QString>("foco");
        QTest::newRow("plantillas, en la plantilla") << "plantillas" << "ComboBoxPlantilla";
        QTest::newRow("plantillas, en el idioma") << "plantillas" << "ComboBoxValCast";
        QTest::newRow("plantillas, en la lista") << "plantillas" << "ListBox1";
        QTest::newRow("plantillas, en Continuar") << "plantillas" << "BitBtnContinuar";
        QTest::newRow("plantillas de exportación") << "plantillas de exportación" << "ComboBoxPlantilla";
        QTest::newRow("curso, en el año") << "curso" << "ComboBoxCurso";
        QTest::newRow("curso, en Continuar") << "curso" << "BitBtnContinuar";
    }
    void escapeNoCierraLosDialogos() {
        QFETCH(QString, dialogo);
        QFETCH(QString, foco);
        std::unique_ptr<QDialog> d = Dialogo(dialogo);
        int finales = 0;
        connect(d.get(), &QDialog::finished, this, [&] { ++finales; });
        d->show();
        QVERIFY(QTest::qWaitForWindowActive(d.get()));
        QWidget* w = d->findChild<QWidget*>(foco);
        QVERIFY(w);
        w->setFocus();
        QCOMPARE(ConFoco(), foco);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTest::keyClick(d.get(), Qt::Key_Escape);
        QVERIFY(d->isVisible());
        QCOMPARE(finales, 0);
        // The close box still closes it.
        d->close();
        QVERIFY(!d->isVisible());
        QCOMPARE(finales, 1);
    }

    void intro_data() {
        QTest::addColumn<QString>("foco");
        QTest::addColumn<int>("tecla");
        QTest::addColumn<QStringList>("mensajes");  // the boxes with OK that follow, in order
        QTest::addColumn<int>("dialogosArchivo");
        QTest::addColumn<bool>("abierta");
        const QStringList ida{"No existe archivo"};
        const QStringList vuelta{"Deberá Abrir el fichero XML de ITACA,\ndesde el cual realizó la Importación a Sesionix",
                                 "No existe archivo XML o Solución."};
        QTest::newRow("Intro en el OK de ida") << "BExportar" << int(Qt::Key_Return) << ida << 1 << true;
        QTest::newRow("Intro del teclado numérico") << "BExportar" << int(Qt::Key_Enter) << ida << 1 << true;
        QTest::newRow("Intro en el OK de vuelta") << "BImportar" << int(Qt::Key_Return) << vuelta << 1 << true;
        QTest::newRow("Intro en el idioma: el primer OK") << "ComboBoxValCast" << int(Qt::Key_Return) << ida << 1 << true;
        QTest::newRow("Intro en Salir") << "BClose" << int(Qt::Key_Return) << QStringList{} << 0 << false;
        QTest::newRow("Espacio en Salir") << "BClose" << int(Qt::Key_Space) << QStringList{} << 0 << false;
        QTest::newRow("Escape no hace nada") << "BExportar" << int(Qt::Key_Escape) << QStringList{} << 0 << true;
    }
    void intro() {
        QFETCH(QString, foco);
        QFETCH(int, tecla);
        QFETCH(QStringList, mensajes);
        QFETCH(int, dialogosArchivo);
        QFETCH(bool, abierta);
        Guion guion;  // the open-file dialog is cancelled
        TMForm f({}, Ini());
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        f.findChild<QWidget*>(foco)->setFocus();
        QCOMPARE(ConFoco(), foco);
        const Qt::KeyboardModifiers mod = tecla == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(tecla), mod);
        QCOMPARE(guion.Mensajes(), mensajes);
        QCOMPARE(guion.Contar("QFileDialog"), dialogosArchivo);
        QCOMPARE(f.isVisible(), abierta);
    }

    void tabulador_data() {
        QTest::addColumn<QString>("ventana");
        QTest::addColumn<QStringList>("orden");  // from the first control, Tab after Tab, back to it
        QTest::newRow("principal") << "principal"
                                   << QStringList{"ComboBoxValCast", "BExportar", "BImportar", "Button1", "BClose",
                                                  "ComboBoxValCast"};
        QTest::newRow("plantillas") << "plantillas"
                                    << QStringList{"ComboBoxValCast", "ComboBoxPlantilla", "ListBox1", "BitBtnContinuar",
                                                   "ComboBoxValCast"};
        QTest::newRow("plantillas de exportación")
            << "plantillas de exportación"
            << QStringList{"ComboBoxPlantilla", "ListBox1", "BitBtnContinuar", "ComboBoxPlantilla"};
        QTest::newRow("curso") << "curso" << QStringList{"ComboBoxCurso", "BitBtnContinuar", "ComboBoxCurso"};
    }
    void tabulador() {
        QFETCH(QString, ventana);
        QFETCH(QStringList, orden);
        std::unique_ptr<QWidget> w;
        if (ventana == "principal")
            w = std::make_unique<TMForm>(QStringList{}, Ini());
        else
            w = Dialogo(ventana);
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        w->findChild<QWidget*>(orden.first())->setFocus();
        QStringList visto{ConFoco()};
        for (int i = 1; i < orden.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visto << ConFoco();
        }
        QCOMPARE(visto, orden);
    }

    void altSCierraLaVentana() {
        Guion guion;
        TMForm f({}, Ini());
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        f.ComboBoxValCast->setFocus();
        QTest::keyClick(&f, Qt::Key_S, Qt::AltModifier);
        QTRY_VERIFY(!f.isVisible());  // a mnemonic presses its button the way a click does, a moment later
        QVERIFY(guion.cajas.empty());
    }

    void teclasDeLaPregunta_data() {
        QTest::addColumn<int>("tecla");
        QTest::addColumn<int>("modificador");
        QTest::addColumn<bool>("si");
        QTest::newRow("Alt+S") << int(Qt::Key_S) << int(Qt::AltModifier) << true;
        QTest::newRow("Alt+N") << int(Qt::Key_N) << int(Qt::AltModifier) << false;
        QTest::newRow("Intro: Sí") << int(Qt::Key_Return) << int(Qt::NoModifier) << true;
        QTest::newRow("Escape: No") << int(Qt::Key_Escape) << int(Qt::NoModifier) << false;
    }
    void teclasDeLaPregunta() {
        QFETCH(int, tecla);
        QFETCH(int, modificador);
        QFETCH(bool, si);
        bool cerrada = false;
        PonerPresentador([&](QDialog& d) {
            d.show();
            if (!QTest::qWaitForWindowActive(&d)) return -1;
            QTest::keyClick(&d, Qt::Key(tecla), Qt::KeyboardModifiers(modificador));
            cerrada = QTest::qWaitFor([&] { return !d.isVisible(); }, 2000);
            d.hide();
            return d.result();
        });
        const bool respuesta = Confirmar(nullptr, "¿Seguro?");
        PonerPresentador({});
        QVERIFY(cerrada);
        QCOMPARE(respuesta, si);
    }
};

QTEST_MAIN(PruebaTeclado)
#include "test_teclado.moc"
