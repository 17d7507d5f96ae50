#include "Modal.h"

#include <QAbstractButton>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>

namespace {

Presentador& PresentadorActual() {
    static Presentador p;
    return p;
}

QString ConSaltos(QString texto) { return texto.replace("\r\n", "\n"); }

// A message box that keeps its lines whole. Qt's box wraps any text wider than half the
// screen (at most 500 pixels) and sizes itself again whenever it likes; its label is given
// a minimum width that holds the longest line, and that makes the box at least
// kAnchoMinimoCaja wide, so that every later sizing keeps both.
class Caja : public QMessageBox {
public:
    Caja(Icon icono, const QString& titulo, const QString& texto, StandardButtons botones, QWidget* padre)
        : QMessageBox(icono, titulo, ConSaltos(texto), botones, padre) {
        setTextFormat(Qt::PlainText);
        if (QAbstractButton* b = button(QMessageBox::Ok)) b->setText(QStringLiteral("Aceptar"));
    }

protected:
    void showEvent(QShowEvent* evento) override {
        QMessageBox::showEvent(evento);
        auto* etiqueta = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        if (!etiqueta) return;
        const QFontMetrics fm(etiqueta->font());
        int ancho = 0;
        for (const QString& linea : text().split(QLatin1Char('\n'))) ancho = std::max(ancho, fm.horizontalAdvance(linea));
        const QMargins m = etiqueta->contentsMargins();
        etiqueta->setMinimumWidth(ancho + m.left() + m.right() + 2 * etiqueta->margin() + 2);
        layout()->activate();
        const int falta = kAnchoMinimoCaja - layout()->totalMinimumSize().width();
        if (falta > 0) etiqueta->setMinimumWidth(etiqueta->minimumWidth() + falta);
        layout()->activate();
        const QSize minimo = layout()->totalMinimumSize();
        setFixedSize(std::max(minimo.width(), width()), std::max(minimo.height(), height()));
    }
};

}  // namespace

void PonerPresentador(Presentador presentador) { PresentadorActual() = std::move(presentador); }

int MostrarModal(QDialog& dialogo) {
    if (const Presentador& p = PresentadorActual()) return p(dialogo);
    return dialogo.exec();
}

void MostrarMensaje(QWidget* padre, const QString& texto) {
    Caja caja(QMessageBox::NoIcon, QString::fromUtf8(kTituloAplicacion), texto, QMessageBox::Ok, padre);
    MostrarModal(caja);
}

bool Confirmar(QWidget* padre, const QString& texto) {
    Caja caja(QMessageBox::Question, QStringLiteral("Confirmar"), texto, QMessageBox::Yes | QMessageBox::No, padre);
    caja.button(QMessageBox::Yes)->setText(QStringLiteral("&Sí"));
    caja.button(QMessageBox::No)->setText(QStringLiteral("&No"));
    caja.setDefaultButton(QMessageBox::Yes);
    return MostrarModal(caja) == QMessageBox::Yes;
}

namespace {

const char* const kMostrarDetalles = "Mostrar detalles…";
const char* const kOcultarDetalles = "Ocultar detalles…";

// Names the message box's details button in Spanish whenever the box shows or hides its
// details (after the box has named it itself).
class NombreDetalles : public QObject {
public:
    NombreDetalles(QAbstractButton* boton, QObject* padre) : QObject(padre), boton_(boton) {}
    bool eventFilter(QObject*, QEvent* evento) override {
        if (evento->type() == QEvent::ShowToParent) boton_->setText(QString::fromUtf8(kOcultarDetalles));
        if (evento->type() == QEvent::HideToParent) boton_->setText(QString::fromUtf8(kMostrarDetalles));
        return false;
    }

private:
    QAbstractButton* boton_;
};

}  // namespace

RespuestaFinal MostrarFinal(QWidget* padre, const QString& texto, const QString& detalles) {
    Caja caja(QMessageBox::NoIcon, QString::fromUtf8(kTituloAplicacion), texto, QMessageBox::Ok, padre);
    QPushButton* guardar = caja.addButton(QStringLiteral("Guardar informe…"), QMessageBox::ActionRole);
    guardar->setObjectName("GuardarInforme");
    caja.setDefaultButton(QMessageBox::Ok);
    caja.setDetailedText(detalles);
    // The box's own details button, named in Spanish; its text follows what it does.
    QTextEdit* area = caja.findChild<QTextEdit*>();
    for (QAbstractButton* b : caja.buttons()) {
        if (b == guardar || caja.standardButton(b) != QMessageBox::NoButton || !area || !area->parentWidget()) continue;
        b->setObjectName("MostrarDetalles");
        b->setText(QString::fromUtf8(kMostrarDetalles));
        // The box sizes the button for its own texts: make room for ours.
        QStyleOptionButton opcion;
        opcion.initFrom(b);
        int ancho = 0;
        for (const char* t : {kMostrarDetalles, kOcultarDetalles}) {
            opcion.text = QString::fromUtf8(t);
            const QSize texto(b->fontMetrics().horizontalAdvance(opcion.text), b->fontMetrics().height());
            ancho = std::max(ancho, b->style()->sizeFromContents(QStyle::CT_PushButton, &opcion, texto, b).width());
        }
        b->setMinimumWidth(ancho);
        area->parentWidget()->installEventFilter(new NombreDetalles(b, &caja));
    }
    // Each line of the summary stays whole: the details area is as wide as its longest line.
    if (area) {
        area->setLineWrapMode(QTextEdit::NoWrap);
        const QFontMetrics fm(area->font());
        int ancho = 0;
        for (const QString& linea : detalles.split(QLatin1Char('\n'))) ancho = std::max(ancho, fm.horizontalAdvance(linea));
        const int margen = 2 * (area->frameWidth() + int(area->document()->documentMargin())) +
                           area->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4;
        area->setMinimumWidth(ancho + margen);
    }
    MostrarModal(caja);
    return caja.clickedButton() == guardar ? RespuestaFinal::GuardarInforme : RespuestaFinal::Aceptar;
}
