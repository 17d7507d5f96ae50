#include "apoyo_app.h"

#include "CursoExport.h"
#include "Modal.h"
#include "Plantihoras.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace prueba_app {

Guion::Guion() {
    PonerPresentador([this](QDialog& d) { return Presentar(d); });
}

Guion::~Guion() { PonerPresentador({}); }

QStringList Guion::Mensajes() const {
    QStringList r;
    for (const Caja& c : cajas)
        if (c.clase == "QMessageBox" && c.icono != QMessageBox::Question) r << c.texto;
    return r;
}

int Guion::Contar(const QString& clase) const {
    int n = 0;
    for (const Caja& c : cajas) n += c.clase == clase;
    return n;
}

int Guion::Presentar(QDialog& d) {
    Caja caja;
    caja.titulo = d.windowTitle();
    caja.conEspera = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;

    if (auto* f = qobject_cast<QFileDialog*>(&d)) {
        caja.clase = "QFileDialog";
        cajas.push_back(caja);
        archivoInicial = QDir::toNativeSeparators(f->selectedFiles().value(0));
        filtrosArchivo = f->nameFilters();
        sufijoArchivo = f->defaultSuffix();
        if (archivo.isEmpty()) return QDialog::Rejected;
        f->selectFile(archivo);
        return QDialog::Accepted;
    }
    if (auto* m = qobject_cast<QMessageBox*>(&d)) {
        caja.clase = "QMessageBox";
        caja.texto = m->text();
        caja.icono = m->icon();
        for (QAbstractButton* b : m->buttons()) caja.botones << b->text();
        cajas.push_back(caja);
        if (m->icon() != QMessageBox::Question) return enMensaje ? enMensaje(*m) : int(QMessageBox::Ok);
        if (enPregunta) enPregunta(*m);
        bool si = false;
        if (!respuestas.empty()) {
            si = respuestas.front();
            respuestas.pop_front();
        }
        return si ? QMessageBox::Yes : QMessageBox::No;
    }

    // The program's own dialogs: shown (which fills them), acted on, closed.
    d.show();
    if (auto* p = qobject_cast<TPlantillas*>(&d)) {
        caja.clase = "TPlantillas";
        if (enPlantillas) enPlantillas(*p);
        if (cerrarConAspa) p->close(); else p->BitBtnContinuar->click();
    } else if (auto* c = qobject_cast<TCurExp*>(&d)) {
        caja.clase = "TCurExp";
        if (enCurso) enCurso(*c);
        if (cerrarConAspa) c->close(); else c->BitBtnContinuar->click();
    } else {
        caja.clase = d.metaObject()->className();
        d.accept();
    }
    cajas.push_back(caja);
    return d.result();
}

// As the system writes paths (backslashes on Windows), as the program hands them on.
QString Dato(const char* nombre) { return QDir::toNativeSeparators(QString::fromUtf8(PH_DATOS) + "/app/" + nombre); }

}  // namespace prueba_app
