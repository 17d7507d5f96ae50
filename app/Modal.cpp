#include "Modal.h"

#include <QDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

Presentador& PresentadorActual() {
    static Presentador p;
    return p;
}

QString ConSaltos(QString texto) { return texto.replace("\r\n", "\n"); }

}  // namespace

void PonerPresentador(Presentador presentador) { PresentadorActual() = std::move(presentador); }

int MostrarModal(QDialog& dialogo) {
    if (const Presentador& p = PresentadorActual()) return p(dialogo);
    return dialogo.exec();
}

void MostrarMensaje(QWidget* padre, const QString& texto) {
    QMessageBox caja(QMessageBox::NoIcon, QString::fromUtf8(kTituloAplicacion), ConSaltos(texto),
                     QMessageBox::Ok, padre);
    caja.setTextFormat(Qt::PlainText);
    MostrarModal(caja);
}

bool Confirmar(QWidget* padre, const QString& texto) {
    QMessageBox caja(QMessageBox::Question, QStringLiteral("Confirm"), ConSaltos(texto),
                     QMessageBox::Yes | QMessageBox::No, padre);
    caja.setTextFormat(Qt::PlainText);
    caja.button(QMessageBox::Yes)->setText(QStringLiteral("&Yes"));
    caja.button(QMessageBox::No)->setText(QStringLiteral("&No"));
    caja.setDefaultButton(QMessageBox::Yes);
    return MostrarModal(caja) == QMessageBox::Yes;
}
