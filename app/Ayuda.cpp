#include "Ayuda.h"

#include "Modal.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QShortcut>
#include <QUrl>
#include <QWidget>

namespace {

QString& ArchivoElegido() {
    static QString ruta;
    return ruta;
}

AbridorAyuda& AbridorElegido() {
    static AbridorAyuda abridor;
    return abridor;
}

bool AbrirConElSistema(const QString& archivo, int) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(archivo));
}

}  // namespace

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
    bool abierto = abrir ? abrir(ArchivoAyuda(), contexto) : AbrirConElSistema(ArchivoAyuda(), contexto);
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
