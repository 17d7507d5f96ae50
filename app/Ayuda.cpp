#include "Ayuda.h"

#include "Modal.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QShortcut>
#include <QWidget>

#ifdef _WIN32
#include <QProcess>
#else
#include "ArchivoChm.h"
#include "VentanaAyuda.h"

#include <memory>
#endif

namespace {

QString& ArchivoElegido() {
    static QString ruta;
    return ruta;
}

AbridorAyuda& AbridorElegido() {
    static AbridorAyuda abridor;
    return abridor;
}

#ifdef _WIN32
// Windows' HTML Help viewer: "hh.exe ITACA.chm" shows the contents, "hh.exe
// ITACA.chm::/tema.html" a topic. The topic goes by its file name rather than by "-mapid
// N": the context map that chmcmd writes names each topic by the path of the folder it
// was compiled in, which the viewer cannot find inside the file.
bool AbrirConElSistema(QWidget*, const QString& archivo, int contexto) {
    QString destino = QDir::toNativeSeparators(archivo);
    const QString tema = TemaDeContexto(contexto);
    if (!tema.isEmpty()) destino += QStringLiteral("::/") + tema;
    return QProcess::startDetached(QStringLiteral("hh.exe"), {destino});
}
#else
QPointer<VentanaAyuda>& VentanaActual() {
    static QPointer<VentanaAyuda> v;
    return v;
}

// The program's own window, one at a time. It belongs to the window it was asked from:
// it closes with it (a program that Sesionix started still ends when its window closes),
// and a modal dialog's help takes input while the dialog is open.
bool AbrirConElSistema(QWidget* padre, const QString& archivo, int contexto) {
    QWidget* duena = padre ? padre->window() : nullptr;
    QPointer<VentanaAyuda>& v = VentanaActual();
    if (!v || v->Ruta() != archivo || v->parentWidget() != duena) {
        auto chm = std::make_unique<ArchivoChm>(archivo);
        if (!chm->Abierto()) {
            // The viewer is here; the file is what fails, and the message says so.
            MostrarMensaje(padre, QStringLiteral("El archivo de ayuda «%1» está dañado o no es un archivo de ayuda.")
                                      .arg(QDir::toNativeSeparators(archivo)));
            return true;
        }
        delete v.data();
        v = new VentanaAyuda(std::move(chm), archivo, duena);
        v->setAttribute(Qt::WA_DeleteOnClose);
    }
    v->MostrarTema(TemaDeContexto(contexto));
    v->show();
    v->raise();
    v->activateWindow();
    return true;
}
#endif

}  // namespace

#ifndef _WIN32
VentanaAyuda* VentanaAyudaAbierta() { return VentanaActual().data(); }
#endif

QString TemaDeContexto(int contexto) {
    switch (contexto) {
    case 1: return QStringLiteral("ventana_principal.html");
    case 3: return QStringLiteral("transferencias.html");
    default: return {};
    }
}

void PonerContextoAyuda(QWidget* w, int contexto) { w->setProperty(kPropiedadContextoAyuda, contexto); }

int ContextoAyuda(const QWidget* w) {
    for (; w; w = w->parentWidget()) {
        int c = w->property(kPropiedadContextoAyuda).toInt();
        if (c != 0) return c;
    }
    return 0;
}

QString ArchivoAyuda() {
    if (!ArchivoElegido().isEmpty()) return ArchivoElegido();
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("ITACA.chm"));
}

void PonerArchivoAyuda(const QString& ruta) { ArchivoElegido() = ruta; }

void PonerAbridorAyuda(AbridorAyuda abridor) { AbridorElegido() = std::move(abridor); }

void MostrarAyuda(QWidget* padre, int contexto) {
    const QString archivo = QDir::toNativeSeparators(ArchivoAyuda());
    if (!QFileInfo(ArchivoAyuda()).isFile()) {
        MostrarMensaje(padre, QStringLiteral("No se encuentra el archivo de ayuda «%1».").arg(archivo));
        return;
    }
    const AbridorAyuda& abrir = AbridorElegido();
    bool abierto = abrir ? abrir(ArchivoAyuda(), contexto) : AbrirConElSistema(padre, ArchivoAyuda(), contexto);
    if (!abierto)
        MostrarMensaje(padre, QStringLiteral("No hay ningún programa para mostrar el archivo de ayuda «%1».")
                                  .arg(archivo));
}

void InstalarTeclaAyuda(QWidget* ventana) {
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), ventana);
    f1->setContext(Qt::WindowShortcut);
    QObject::connect(f1, &QShortcut::activated, ventana, [ventana] {
        QWidget* foco = QApplication::focusWidget();
        if (!foco || foco->window() != ventana) foco = ventana;
        MostrarAyuda(ventana, ContextoAyuda(foco));
    });
}
