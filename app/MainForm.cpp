#include "MainForm.h"

#include "Ayuda.h"
#include "Estilo.h"
#include "PanelDegradado.h"

#include "common/carpeta.h"
#include "common/error.h"
#include "common/ini.h"
#include "common/texto.h"
#include "export/exportacion.h"
#include "transfer/informe.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <cstdio>

namespace {

const QColor kArribaA{0xF9, 0xD3, 0x7D};
const QColor kArribaC{0xFF, 0xEE, 0xDD};
const QColor kAbajoA{0xC2, 0xCD, 0xFE};
const QColor kAbajoB{0xCF, 0xF2, 0xFE};
const QColor kAbajoC{0xCC, 0xD8, 0xE6};

QString RutaIniPorDefecto() {
    // Read as UTF-16 on Windows: a folder's name may lie outside the ANSI code page.
    const QString entorno = qEnvironmentVariable("PASAHORARIO_INI");
    if (!entorno.isEmpty()) return entorno;
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Sesionix.ini"));
}

QLabel* Etiqueta(const QString& texto, const char* nombre, QWidget* padre) {
    auto* l = new QLabel(texto, padre);
    l->setObjectName(nombre);
    return l;
}

// Return and Enter press the focused button, as on Windows.
QPushButton* Boton(const QIcon& glifo, const QString& texto, const char* nombre, QWidget* padre) {
    auto* b = new QPushButton(glifo, texto, padre);
    b->setObjectName(nombre);
    b->setAutoDefault(true);
    return b;
}

}  // namespace

TMForm::TMForm(const QStringList& parametros, const QString& rutaIni, QWidget* parent)
    : QWidget(parent), dialogos_(this), rutaIni_(rutaIni.isEmpty() ? RutaIniPorDefecto() : rutaIni) {
    setObjectName("MForm");
    setWindowTitle(QStringLiteral("Exportar e importar datos entre Sesionix e ITACA"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFont(FuenteBase());
    setFixedSize(632, 266);
    setWindowIcon(IconoPrograma());
    PonerContextoAyuda(this, 1);
    CrearControles();
    DecidirModo(parametros);
    InstalarTeclaAyuda(this);
    CentrarEnPantalla(this);
}

void TMForm::CrearControles() {
    // ITACA -> Sesionix.
    Draw3D2 = new PanelDegradado({kArribaA, Qt::white, kArribaC}, this);
    Draw3D2->setObjectName("Draw3D2");
    Draw3D2->setGeometry(0, 0, 315, 169);
    PonerContextoAyuda(Draw3D2, 3);

    Label3 = Etiqueta(QStringLiteral("Transformar datos desde ITACA hacia Sesionix "), "Label3", Draw3D2);
    Label3->setFont(FuenteArialNegrita(16));
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Colocar(Label3, 24, 24, 265, 57);

    Label9 = Etiqueta(QStringLiteral("Recoger Textos en:"), "Label9", Draw3D2);
    Label9->setFont(FuenteNegrita());
    PonerColorTexto(Label9, colores::kRojo);
    ColocarHasta(Label9, 6, 73, 166);

    ComboBoxValCast = new QComboBox(Draw3D2);
    ComboBoxValCast->setObjectName("ComboBoxValCast");
    ComboBoxValCast->setEditable(true);
    ComboBoxValCast->setInsertPolicy(QComboBox::NoInsert);
    ComboBoxValCast->addItems({QStringLiteral("VALENCIÁ"), QStringLiteral("CASTELLANO")});
    ComboBoxValCast->setCurrentText(QString::fromStdString(estado_.idioma));
    ComboBoxValCast->setFont(FuenteNegrita());
    ComboBoxValCast->setGeometry(168, 68, 133, ComboBoxValCast->sizeHint().height());
    PonerContextoAyuda(ComboBoxValCast, 1);

    BExportar = Boton(GlifoOk(), QStringLiteral("Aceptar"), "BExportar", Draw3D2);
    BExportar->setDefault(true);
    BExportar->setGeometry(88, 120, 89, 25);
    PonerContextoAyuda(BExportar, 3);

    // Sesionix -> ITACA.
    Draw3D3 = new PanelDegradado({kArribaA, Qt::white, kArribaC}, this);
    Draw3D3->setObjectName("Draw3D3");
    Draw3D3->setGeometry(316, 0, 317, 169);
    PonerContextoAyuda(Draw3D3, 3);

    Label4 = Etiqueta(QStringLiteral("Transformar datos desde Sesionix hacia ITACA"), "Label4", Draw3D3);
    Label4->setFont(FuenteArialNegrita(16));
    Label4->setWordWrap(true);
    Label4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Colocar(Label4, 8, 24, 305, 57);

    BImportar = Boton(GlifoOk(), QStringLiteral("Aceptar"), "BImportar", Draw3D3);
    BImportar->setDefault(true);
    BImportar->setGeometry(96, 120, 89, 25);
    PonerContextoAyuda(BImportar, 3);

    // Bottom panel.
    Draw3D1 = new PanelDegradado({kAbajoA, kAbajoB, kAbajoC}, this);
    Draw3D1->setObjectName("Draw3D1");
    Draw3D1->setGeometry(0, 168, 633, 97);
    PonerContextoAyuda(Draw3D1, 3);

    Label1 = Etiqueta(QStringLiteral("Pasahorario para SX19 V-1.0"), "Label1", Draw3D1);
    Label1->setFont(FuenteNegrita());
    PonerColorTexto(Label1, colores::kRojo);
    Colocar(Label1, 8, 72);

    Button1 = Boton(QIcon(), QStringLiteral("F1 Ayuda"), "Button1", Draw3D1);
    Button1->setGeometry(48, 40, 75, 25);
    PonerContextoAyuda(Button1, 1);

    BClose = Boton(GlifoSalir(), QStringLiteral("&Salir"), "BClose", Draw3D1);
    BClose->setGeometry(256, 32, 89, 25);
    PonerContextoAyuda(BClose, 3);

    ListBoxPlanti = new QListWidget(Draw3D1);
    ListBoxPlanti->setObjectName("ListBoxPlanti");
    ListBoxPlanti->setFont(FuenteNegrita());
    PonerColorTexto(ListBoxPlanti, colores::kAzul);
    ListBoxPlanti->setGeometry(576, 4, 49, 29);
    ListBoxPlanti->hide();

    setTabOrder(ComboBoxValCast, BExportar);
    setTabOrder(BExportar, BImportar);
    setTabOrder(BImportar, Button1);
    setTabOrder(Button1, BClose);

    connect(BExportar, &QPushButton::clicked, this, [this] { BExportarClick(); });
    connect(BImportar, &QPushButton::clicked, this, [this] { BImportarClick(); });
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(BClose, &QPushButton::clicked, this, &QWidget::close);
}

void TMForm::DecidirModo(const QStringList& parametros) {
    if (parametros.size() != 2) return;
    NumParametros_ = 2;
    const std::string primero = ph::MinusculasAscii(parametros.first().toStdString());
    if (primero == "importar") {
        Draw3D2->hide();
        AlinearArriba(Draw3D3);
    }
    if (primero == "exportar") {
        Draw3D3->hide();
        AlinearArriba(Draw3D2);
    }
}

void TMForm::AlinearArriba(PanelDegradado* panel) { panel->setGeometry(0, 0, width(), panel->height()); }

void TMForm::PedirArchivo() {
    const QString elegido = dialogos_.PedirArchivoXml(filenameXML());
    if (!elegido.isEmpty()) estado_.filenameXML = elegido.toStdString();
}

void TMForm::BExportarClick() {
    PedirArchivo();
    estado_.idioma = ComboBoxValCast->currentText().toStdString();
    ph::Informe informe;
    dialogos_.rutaInforme = ph::RutaInforme(estado_.filenameXML, "importacion");
    const ph::ResultadoTransferencia r =
        ph::ImportarDeItaca(estado_, ph::CarpetaIntercambio(), dialogos_, &informe);
    Terminar(r);
}

void TMForm::BImportarClick() {
    dialogos_.Mensaje(ph::kRecordatorioExportacion);
    PedirArchivo();
    estado_.idioma = ComboBoxValCast->currentText().toStdString();
    ph::Informe informe;
    dialogos_.rutaInforme = ph::RutaInforme(estado_.filenameXML, "exportacion");
    const ph::ResultadoTransferencia r =
        ph::ExportarAItaca(estado_, ph::CarpetaIntercambio(), dialogos_, nullptr, &informe);
    Terminar(r);
}

void TMForm::Terminar(const ph::ResultadoTransferencia& r) {
    // What the template dialog handed back stays with the window for the next run.
    ComboBoxValCast->setCurrentText(QString::fromStdString(estado_.idioma));
    ListBoxPlanti->clear();
    for (const std::string& linea : estado_.ListBoxPlanti) ListBoxPlanti->addItem(QString::fromStdString(linea));

    switch (r.desenlace) {
    case ph::Desenlace::Completada:
        CodigoResultado_ = 1;
        BExportar->setEnabled(false);
        BImportar->setEnabled(false);
        if (NumParametros_ == 2) close();
        break;
    case ph::Desenlace::FaltaEntrada:
    case ph::Desenlace::Rechazada:
        if (NumParametros_ == 2) {
            CodigoResultado_ = -1;
            close();
        }
        break;
    case ph::Desenlace::Error:
        break;  // the window stays as it was, ready for another try
    }
}

void TMForm::keyPressEvent(QKeyEvent* evento) {
    const bool intro = evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter;
    if (intro && (evento->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        for (QPushButton* b : {BExportar, BImportar}) {
            if (b->isVisible() && b->isEnabled()) {
                b->click();
                evento->accept();
                return;
            }
        }
    }
    QWidget::keyPressEvent(evento);
}

void TMForm::Button1Click() { MostrarAyuda(this, 0); }

void TMForm::closeEvent(QCloseEvent* evento) {
    if (NumParametros_ == 2) {
        try {
            ph::EscribirIni(rutaIni_.toStdString(), "Transformadores", "Transformado",
                            std::to_string(CodigoResultado_));
        } catch (const ph::Error& e) {
            // Sesionix reads a missing code as a failed transfer; the window is closing,
            // so the reason goes to the error output.
            std::fprintf(stderr, "%s\n", e.what());
        }
    }
    evento->accept();
}
