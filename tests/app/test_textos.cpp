// What a person reads: the two questions and the reminder with their exact lines, none
// of them wrapped; short messages wide enough for the caption; a broken centre file
// refused in Spanish with line and column; Qt's own dialogs and menus in Spanish.
#include "DialogosQt.h"
#include "MainForm.h"
#include "Modal.h"
#include "Traducciones.h"
#include "apoyo/apoyo.h"
#include "apoyo_app.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>

#include <memory>

using prueba_app::Guion;

namespace {

// Both questions come up: lines of two templates, and a group (1B) without classes.
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
 <cursos_grupo><curso_grupo grupo="1A" curso="C1"/><curso_grupo grupo="1B" curso="C1"/></cursos_grupo>
 <grupos>
  <grupo codigo="1A" nombre="1r ESO A" turno="M" ensenanza="3" tutor_ppal="111A" tutor_sec=""/>
  <grupo codigo="1B" nombre="1r ESO B" turno="M" ensenanza="3" tutor_ppal="" tutor_sec=""/>
 </grupos>
 <contenidos><contenido codigo="MAT1" curso="C1" nombre_val="Matemàtiques" nombre_cas="Matemáticas"/></contenidos>
 <aulas><aula codigo="A1" nombre="Aula 1"/></aulas>
 <horarios_grupo>
  <horario_grupo plantilla="MATI" grupo="1A" curso="C1" contenido="MAT1" docente="111A" aula="A1"/>
  <horario_grupo plantilla="VESP" grupo="1A" curso="C1" contenido="MAT1" docente="222B" aula="A1"/>
 </horarios_grupo>
</centro>
)";

QString Linea(QChar c, int n) { return QString(n, c); }

// The texts as a person must read them, line by line.
const QString kTodasPlantillas =
    QStringList{Linea(' ', 7) + "!!! I M P O R T A N T E !!!  ¿Importar Datos de todas las Plantillas?",
                Linea(' ', 7) + Linea('=', 39) + Linea(' ', 4),
                "Se han encontrado Datos que pueden pertenecer a varias Plantillas Horarias.",
                "RECOMENDAMOS IMPORTAR SOLAMENTE LOS DATOS PERTENECIENTES A UNA SOLA PLANTILLA.",
                "Si quiere Importar los Datos de todas las Plantillas Pulse el Botón \"Sí\".",
                "Para Importar solo los Datos de la Plantilla seleccionada,Pulse el Botón \"No\".",
                Linea('-', 88),
                "(RECOMENDAMOS Pulsar \"No\", y trabajar solo con datos de una Plantilla.)",
                Linea('-', 88)}
        .join('\n');
const QString kQuitarSinClases =
    QStringList{Linea(' ', 23) + "!!! I M P O R T A N T E !!!" + Linea(' ', 25),
                "Existen Grupos de Clase y Profesores que NO tienen Clases en esta Plantilla.",
                "Tanto, QUITAR como DEJAR estos Grupos y Profesores, No afectará al Horario.",
                "¿Quieren quitar dichos Grupos y Profesores, del Horario que se va a Importar?."}
        .join('\n');
const QString kRecordatorio = "Deberá Abrir el fichero XML de ITACA,\ndesde el cual realizó la Importación a Sesionix";

// How a box showed its text.
struct Vista {
    QString texto;
    QString titulo;
    bool partida = true;  // some line did not fit on one line of the label
    QSize caja;
};

Vista Mirar(QMessageBox& m) {
    m.show();
    QApplication::processEvents();
    Vista v;
    v.texto = m.text();
    v.titulo = m.windowTitle();
    v.caja = m.size();
    const QLabel* l = m.findChild<QLabel*>("qt_msgbox_label");
    if (l) {
        const QFontMetrics fm(l->font());
        const QStringList lineas = m.text().split('\n');
        int ancho = 0;
        for (const QString& linea : lineas) ancho = std::max(ancho, fm.horizontalAdvance(linea));
        const QRect dentro = l->contentsRect();
        v.partida = dentro.width() < ancho || dentro.height() < int(lineas.size()) * fm.height();
    }
    m.hide();
    return v;
}

}  // namespace

class PruebaTextos : public QObject {
    Q_OBJECT

    std::unique_ptr<ph::prueba::CarpetaTemporal> dir_;
    QString Ruta(const char* nombre) const { return QString::fromStdString(*dir_ / nombre); }

private slots:
    void initTestCase() { QVERIFY(CargarTraduccionesQt()); }

    void init() {
        dir_ = std::make_unique<ph::prueba::CarpetaTemporal>();
        QDir().mkpath(Ruta("STEMP"));
        qputenv("PASAHORARIO_STEMP", Ruta("STEMP").toUtf8());
        ph::prueba::EscribirArchivo(Ruta("centro.xml").toStdString(), kCentro);
    }
    void cleanup() { dir_.reset(); }

    // The two questions of an import and the reminder of an export, as shown.
    void preguntasYRecordatorio_data() {
        QTest::addColumn<int>("orden");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<QString>("texto");
        QTest::newRow("todas las plantillas") << 0 << "Confirmar" << kTodasPlantillas;
        QTest::newRow("quitar sin clases") << 1 << "Confirmar" << kQuitarSinClases;
        QTest::newRow("recordatorio") << 2 << "Pasahorario" << kRecordatorio;
    }
    void preguntasYRecordatorio() {
        QFETCH(int, orden);
        QFETCH(QString, titulo);
        QFETCH(QString, texto);
        std::vector<Vista> vistas;
        {
            Guion guion;
            guion.archivo = Ruta("centro.xml");
            guion.respuestas = {false, true};
            guion.enPregunta = [&](QMessageBox& m) { vistas.push_back(Mirar(m)); };
            TMForm f({}, Ruta("Sesionix.ini"));
            f.show();
            QTest::mouseClick(f.BExportar, Qt::LeftButton);
            QCOMPARE(f.CodigoResultado(), 1);
        }
        {
            Guion guion;  // the open-file dialog is cancelled after the reminder
            guion.enMensaje = [&](QMessageBox& m) {
                if (m.text().startsWith("Deberá")) vistas.push_back(Mirar(m));
                return int(QMessageBox::Ok);
            };
            TMForm f({}, Ruta("Sesionix.ini"));
            f.show();
            QTest::mouseClick(f.BImportar, Qt::LeftButton);
        }
        QCOMPARE(int(vistas.size()), 3);
        const Vista& v = vistas[size_t(orden)];
        QCOMPARE(v.texto, texto);
        QCOMPARE(v.titulo, titulo);
        QVERIFY2(!v.partida, "a line of the box was wrapped or cut");
        // It fits a 1024 x 768 screen.
        QVERIFY2(v.caja.width() <= 1024 && v.caja.height() <= 768, qPrintable(QString::number(v.caja.width())));
    }

    // A short message is wide enough for its title bar to show the whole "Pasahorario":
    // the window's icon, the caption and the close box.
    void mensajeCortoConTituloEntero() {
        std::vector<Vista> vistas;
        Guion guion;
        guion.enMensaje = [&](QMessageBox& m) {
            vistas.push_back(Mirar(m));
            return int(QMessageBox::Ok);
        };
        DialogosQt dialogos(nullptr);
        dialogos.Mensaje("No existe archivo");
        QCOMPARE(int(vistas.size()), 1);
        QCOMPARE(vistas[0].titulo, QString("Pasahorario"));
        QVERIFY2(vistas[0].caja.width() >= 260, qPrintable(QString::number(vistas[0].caja.width())));
        QCOMPARE(guion.cajas[0].botones, QStringList{"Aceptar"});
    }

    // The final message's summary keeps each line whole once its details are shown.
    void detallesDelFinalSinPartir() {
        Guion guion;
        guion.archivo = Ruta("centro.xml");
        guion.respuestas = {false, true};
        QStringList lineas;
        int cabe = -1, hace = 0;
        guion.enMensaje = [&](QMessageBox& m) {
            if (m.text() != "Proceso finalizado") return int(QMessageBox::Ok);
            m.show();
            if (QAbstractButton* b = m.findChild<QAbstractButton*>("MostrarDetalles")) b->click();
            QApplication::processEvents();
            if (auto* area = m.findChild<QTextEdit*>()) {
                lineas = area->toPlainText().split('\n', Qt::SkipEmptyParts);
                const QFontMetrics fm(area->font());
                for (const QString& l : lineas) hace = std::max(hace, fm.horizontalAdvance(l));
                cabe = area->viewport()->width() - 2 * int(area->document()->documentMargin());
            }
            m.hide();
            return int(QMessageBox::Ok);
        };
        TMForm f({}, Ruta("Sesionix.ini"));
        f.show();
        QTest::mouseClick(f.BExportar, Qt::LeftButton);
        QVERIFY(lineas.contains("Asignaciones quitadas por no tener líneas de horario: 1"));
        QVERIFY2(cabe >= hace, qPrintable(QString("%1 < %2").arg(cabe).arg(hace)));
    }

    // The window carries the program's own icon at the sizes the platforms use.
    void iconoPropio() {
        TMForm f({}, Ruta("Sesionix.ini"));
        QList<QSize> tamanos = f.windowIcon().availableSizes();
        std::sort(tamanos.begin(), tamanos.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
        QCOMPARE(tamanos, (QList<QSize>{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}}));
        const QImage imagen = f.windowIcon().pixmap(32, 32).toImage();
        QSet<QRgb> colores;
        for (int y = 0; y < imagen.height(); ++y)
            for (int x = 0; x < imagen.width(); ++x) colores.insert(imagen.pixel(x, y));
        QVERIFY(colores.size() > 8);
    }

    void centroRotoEnCastellano() {
        ph::prueba::EscribirArchivo(Ruta("roto.xml").toStdString(), "<?xml version=\"1.0\"?>\n<centro codigo=1>\n</centro>\n");
        Guion guion;
        guion.archivo = Ruta("roto.xml");
        TMForm f({}, Ruta("Sesionix.ini"));
        f.show();
        QTest::mouseClick(f.BExportar, Qt::LeftButton);
        const QStringList m = guion.Mensajes();
        QCOMPARE(m.size(), 1);
        const QString inicio = "El archivo «" + Ruta("roto.xml") +
                               "» no es un archivo XML válido: error de XML en la línea 2, columna ";
        const QString final = ": un atributo no tiene su valor entre comillas";
        QVERIFY2(m[0].startsWith(inicio) && m[0].endsWith(final), qPrintable(m[0]));
        bool esNumero = false;
        m[0].mid(inicio.size(), m[0].size() - inicio.size() - final.size()).toInt(&esNumero);
        QVERIFY2(esNumero, qPrintable(m[0]));
    }

    // Qt's own file dialog, as drawn when the system offers none of its own.
    void dialogoDeArchivoEnCastellano() {
        QStringList botones;
        QString filtro;
        PonerPresentador([&](QDialog& d) {
            auto* f = qobject_cast<QFileDialog*>(&d);
            if (!f) return int(QDialog::Rejected);
            f->setOption(QFileDialog::DontUseNativeDialog);
            f->show();
            QApplication::processEvents();
            if (auto* caja = f->findChild<QDialogButtonBox*>())
                for (QAbstractButton* b : caja->buttons()) botones << b->text().remove('&');
            if (auto* c = f->findChild<QComboBox*>("fileTypeCombo")) filtro = c->currentText();
            f->hide();
            return int(QDialog::Rejected);
        });
        DialogosQt dialogos(nullptr);
        dialogos.PedirArchivoXml({});
        PonerPresentador({});
        botones.sort();
        QCOMPARE(botones, (QStringList{"Abrir", "Cancelar"}));
        QCOMPARE(filtro, QString("*.xml"));
    }

    void menuDeLosCamposEnCastellano() {
        TMForm f({}, Ruta("Sesionix.ini"));
        std::unique_ptr<QMenu> menu(f.ComboBoxValCast->lineEdit()->createStandardContextMenu());
        QStringList textos;
        for (QAction* a : menu->actions())
            if (!a->isSeparator()) textos << a->text().remove('&').section('\t', 0, 0);
        for (const char* t : {"Deshacer", "Rehacer", "Cortar", "Copiar", "Pegar"})
            QVERIFY2(textos.contains(QString::fromUtf8(t)), qPrintable(textos.join(", ")));
        for (const char* t : {"Undo", "Redo", "Cut", "Copy", "Paste", "Delete", "Select All"})
            QVERIFY2(!textos.contains(QString::fromUtf8(t)), qPrintable(textos.join(", ")));
    }
};

QTEST_MAIN(PruebaTextos)
#include "test_textos.moc"
