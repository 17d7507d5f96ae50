#include "Plantihoras.h"

#include "Ayuda.h"
#include "Estilo.h"
#include "PanelDegradado.h"

#include "common/carpeta.h"
#include "common/texto.h"
#include "transfer/plantillas.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TPlantillas::TPlantillas(QWidget* owner) : QDialog(owner), carpetaIntercambio(ph::CarpetaIntercambio()) {
    setObjectName("Plantillas");
    setWindowTitle(QStringLiteral("Plantillas Horarias"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(FuenteBase());
    setFixedSize(369, 265);
    PonerContextoAyuda(this, 1);

    Draw3D4 = new PanelDegradado({colores::kCieloAzul, Qt::white, colores::kTituloInactivo}, this);
    Draw3D4->setObjectName("Draw3D4");
    Draw3D4->setGeometry(0, 0, 369, 265);
    PonerContextoAyuda(Draw3D4, 3);

    Label9 = new QLabel(QStringLiteral("Recoger Textos en: -------------->"), Draw3D4);
    Label9->setObjectName("Label9");
    Label9->setFont(FuenteNegrita());
    PonerColorTexto(Label9, colores::kRojo);
    ColocarHasta(Label9, 6, 10, 203);

    ComboBoxValCast = new QComboBox(Draw3D4);
    ComboBoxValCast->setObjectName("ComboBoxValCast");
    ComboBoxValCast->setEditable(true);
    ComboBoxValCast->setInsertPolicy(QComboBox::NoInsert);
    ComboBoxValCast->addItems({QStringLiteral("VALENCIÁ"), QStringLiteral("CASTELLANO")});
    ComboBoxValCast->setFont(FuenteNegrita());
    ComboBoxValCast->setGeometry(205, 6, 133, ComboBoxValCast->sizeHint().height());
    PonerContextoAyuda(ComboBoxValCast, 1);

    LabelPlantillas = new QLabel(
        QStringLiteral("Seleccione la Plantilla Horaria que quiere aplicar a su Horario en Sesionix."), Draw3D4);
    LabelPlantillas->setObjectName("LabelPlantillas");
    LabelPlantillas->setFont(FuenteArialNegrita(13));
    LabelPlantillas->setWordWrap(true);
    LabelPlantillas->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Colocar(LabelPlantillas, 6, 33, 321, 33);

    Label1 = new QLabel(QStringLiteral("HORAS"), Draw3D4);
    Label1->setObjectName("Label1");
    Label1->setFont(FuenteArialNegrita(16));
    PonerColorTexto(Label1, colores::kGranate);
    Colocar(Label1, 228, 61);

    ComboBoxPlantilla = new QComboBox(Draw3D4);
    ComboBoxPlantilla->setObjectName("ComboBoxPlantilla");
    ComboBoxPlantilla->setEditable(true);
    ComboBoxPlantilla->setInsertPolicy(QComboBox::NoInsert);
    ComboBoxPlantilla->setCompleter(nullptr);  // no completion while typing
    ComboBoxPlantilla->setFont(FuenteNegrita());
    PonerColorFondo(ComboBoxPlantilla, colores::kAmarillo);
    ComboBoxPlantilla->setGeometry(8, 80, 129, ComboBoxPlantilla->sizeHint().height());

    ListBox1 = new QListWidget(Draw3D4);
    ListBox1->setObjectName("ListBox1");
    ListBox1->setFont(FuenteNegrita());
    PonerColorTexto(ListBox1, colores::kAzul);
    ListBox1->setGeometry(168, 80, 197, 149);

    Label3 = new QLabel(QStringLiteral("Horario:"), Draw3D4);
    Label3->setObjectName("Label3");
    Label3->setFont(FuenteNegrita());
    Colocar(Label3, 2, 105);

    LabelNombre = new QLabel(QStringLiteral("-"), Draw3D4);
    LabelNombre->setObjectName("LabelNombre");
    LabelNombre->setFont(FuenteNegrita());
    LabelNombre->setWordWrap(true);
    LabelNombre->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PonerColorTexto(LabelNombre, colores::kGranate);
    Colocar(LabelNombre, 2, 127, 162, 36);

    Label2 = new QLabel(QStringLiteral("Turno:"), Draw3D4);
    Label2->setObjectName("Label2");
    Label2->setFont(FuenteNegrita());
    Colocar(Label2, 2, 185);

    LabelTurno = new QLabel(QStringLiteral("-"), Draw3D4);
    LabelTurno->setObjectName("LabelTurno");
    LabelTurno->setFont(FuenteNegrita());
    LabelTurno->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PonerColorTexto(LabelTurno, colores::kGranate);
    Colocar(LabelTurno, 44, 185, 101, 23);

    BitBtnContinuar = new QPushButton(GlifoOk(), QStringLiteral("Continuar"), Draw3D4);
    BitBtnContinuar->setObjectName("BitBtnContinuar");
    BitBtnContinuar->setFont(FuenteNegrita());
    BitBtnContinuar->setGeometry(255, 234, 89, 25);
    BitBtnContinuar->setDefault(true);
    PonerContextoAyuda(BitBtnContinuar, 3);

    setTabOrder(ComboBoxValCast, ComboBoxPlantilla);
    setTabOrder(ComboBoxPlantilla, ListBox1);
    setTabOrder(ListBox1, BitBtnContinuar);

    connect(ComboBoxPlantilla, &QComboBox::currentTextChanged, this, [this] { ComboBoxPlantillaChange(); });
    connect(ComboBoxValCast, &QComboBox::currentTextChanged, this, [this] { ComboBoxPlantillaChange(); });
    connect(BitBtnContinuar, &QPushButton::clicked, this, [this] { BitBtnContinuarClick(); });
    InstalarTeclaAyuda(this);
    CentrarEnPantalla(this);
}

QString TPlantillas::Idioma() const { return ComboBoxValCast->currentText(); }

QStringList TPlantillas::Lineas() const {
    QStringList lineas;
    for (int i = 0; i < ListBox1->count(); ++i) lineas << ListBox1->item(i)->text();
    return lineas;
}

void TPlantillas::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_Escape || evento->matches(QKeySequence::Cancel)) {
        evento->accept();
        return;
    }
    QDialog::keyPressEvent(evento);
}

void TPlantillas::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (!activado_) {
        activado_ = true;
        FormActivate();
    }
}

void TPlantillas::FormActivate() {
    if (Exportacion()) {
        Label9->setText(QStringLiteral("EXPORTACIÓN A ITACA"));
        Label9->setFont(FuenteNegrita());
        ColocarHasta(Label9, 6, 10, 363);
        ComboBoxValCast->hide();
        LabelPlantillas->setText(QStringLiteral(
            "Seleccione la Plantilla Horaria que quiere aplicar para Exportar su Horario a ITACA."));
    }
    ComboBoxValCast->setCurrentText(idiomaVentana);

    doc_.Cargar(rutaCentro.toStdString());
    const std::vector<std::string> codigos = ph::CodigosPlantilla(doc_);
    if (!codigos.empty()) {
        const QSignalBlocker bloqueo(ComboBoxPlantilla);
        ComboBoxPlantilla->clear();
        for (const std::string& c : codigos) ComboBoxPlantilla->addItem(Q(c));
    }

    {
        const QSignalBlocker bloqueo(ComboBoxPlantilla);
        if (Exportacion()) {
            // Offer the template the last ITACA -> Sesionix transfer recorded, when the
            // centre file has it.
            const std::string registrada = ph::PlantillaRegistrada(carpetaIntercambio);
            const bool existe = !registrada.empty() &&
                                std::find(codigos.begin(), codigos.end(), registrada) != codigos.end();
            ComboBoxPlantilla->setCurrentIndex(-1);
            ComboBoxPlantilla->setEditText(existe ? Q(registrada) : QString());
        } else if (ComboBoxPlantilla->count() > 0) {
            ComboBoxPlantilla->setCurrentIndex(0);
        }
    }
    ComboBoxPlantillaChange();
}

void TPlantillas::ComboBoxPlantillaChange() {
    const std::string texto = ComboBoxPlantilla->currentText().toStdString();
    const ph::DescripcionPlantilla d =
        ph::DescribirPlantilla(doc_, texto, ComboBoxValCast->currentText().toStdString());
    LabelNombre->setText(Q(d.descripcion));
    LabelTurno->setText(Q(d.turno));
    ListBox1->clear();
    for (const std::string& linea : ph::LineasSesion(doc_, texto)) ListBox1->addItem(Q(linea));
}

void TPlantillas::PonerResultados() {
    resultado = Q(ph::QuitarControles(ComboBoxPlantilla->currentText().toStdString()));
    turno_plant = LabelTurno->text();
}

void TPlantillas::BitBtnContinuarClick() {
    PonerResultados();
    accept();
}

void TPlantillas::done(int r) {
    PonerResultados();
    QDialog::done(r);
}
