#include "CursoExport.h"

#include "Ayuda.h"
#include "Estilo.h"
#include "PanelDegradado.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

TCurExp::TCurExp(QWidget* owner) : QDialog(owner) {
    setObjectName("CurExp");
    setWindowTitle(QStringLiteral("Curso de destino"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(FuenteBase());
    setFixedSize(380, 138);
    PonerContextoAyuda(this, 1);

    Draw3D4 = new PanelDegradado({colores::kCieloAzul, Qt::white, colores::kTituloInactivo}, this);
    Draw3D4->setObjectName("Draw3D4");
    Draw3D4->setGeometry(0, 0, 380, 138);
    PonerContextoAyuda(Draw3D4, 3);

    LabelCurso = new QLabel(
        QStringLiteral("Seleccione el Curso para el que quiere Exportar el Resultado del Horario."), Draw3D4);
    LabelCurso->setObjectName("LabelCurso");
    LabelCurso->setFont(FuenteArialNegrita(13));
    LabelCurso->setWordWrap(true);
    LabelCurso->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Colocar(LabelCurso, 6, 1, 315, 33);

    LabelCurSelected = new QLabel(QStringLiteral("Curso seleccionado actualmente:"), Draw3D4);
    LabelCurSelected->setObjectName("LabelCurSelected");
    LabelCurSelected->setFont(FuenteNegrita());
    LabelCurSelected->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PonerColorTexto(LabelCurSelected, colores::kAzul);
    Colocar(LabelCurSelected, 6, 46, 233, 24);

    LabelCurActual = new QLabel(QStringLiteral("-"), Draw3D4);
    LabelCurActual->setObjectName("LabelCurActual");
    LabelCurActual->setFont(FuenteNegrita(16));
    PonerColorTexto(LabelCurActual, colores::kRojo);
    Colocar(LabelCurActual, 270, 42);

    LabelSeleccion = new QLabel(QStringLiteral("Curso para el que se efecturá la Exportación:"), Draw3D4);
    LabelSeleccion->setObjectName("LabelSeleccion");
    LabelSeleccion->setFont(FuenteNegrita());
    PonerColorTexto(LabelSeleccion, colores::kRojo);
    ColocarHasta(LabelSeleccion, 7, 72, 265);

    ComboBoxCurso = new QComboBox(Draw3D4);
    ComboBoxCurso->setObjectName("ComboBoxCurso");
    ComboBoxCurso->setEditable(true);
    ComboBoxCurso->setInsertPolicy(QComboBox::NoInsert);
    ComboBoxCurso->setFont(FuenteNegrita());
    for (int anio = 2010; anio <= 2020; ++anio) ComboBoxCurso->addItem(QString::number(anio));
    ComboBoxCurso->setCurrentIndex(-1);
    ComboBoxCurso->setEditText(QString());
    ComboBoxCurso->setGeometry(267, 69, 105, ComboBoxCurso->sizeHint().height());
    PonerContextoAyuda(ComboBoxCurso, 1);

    BitBtnContinuar = new QPushButton(GlifoOk(), QStringLiteral("Continuar"), Draw3D4);
    BitBtnContinuar->setObjectName("BitBtnContinuar");
    BitBtnContinuar->setFont(FuenteNegrita());
    BitBtnContinuar->setGeometry(153, 102, 89, 25);
    BitBtnContinuar->setDefault(true);
    PonerContextoAyuda(BitBtnContinuar, 3);

    setTabOrder(ComboBoxCurso, BitBtnContinuar);

    connect(ComboBoxCurso, &QComboBox::currentTextChanged, this,
            [this](const QString& texto) { ComboBoxCursoChange(texto); });
    connect(BitBtnContinuar, &QPushButton::clicked, this, [this] { BitBtnContinuarClick(); });
    InstalarTeclaAyuda(this);
    CentrarEnPantalla(this);
}

void TCurExp::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_Escape || evento->matches(QKeySequence::Cancel)) {
        evento->accept();
        return;
    }
    QDialog::keyPressEvent(evento);
}

void TCurExp::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (!activado_) {
        activado_ = true;
        FormActivate();
    }
}

void TCurExp::FormActivate() {
    LabelCurActual->setText(CursoActual);
    LabelCurActual->adjustSize();
}

void TCurExp::ComboBoxCursoChange(const QString& texto) {
    LabelCurActual->setText(texto);
    LabelCurActual->adjustSize();
}

void TCurExp::BitBtnContinuarClick() {
    CursoActual = LabelCurActual->text();
    accept();
}

void TCurExp::done(int r) {
    CursoActual = LabelCurActual->text();
    QDialog::done(r);
}
