#include "Traducciones.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool CargarTraduccionesQt() {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return false;
    // Dates and numbers in Qt's own dialogs follow Spain's conventions as well.
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    const QStringList carpetas{QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                               QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations"))};
    auto* traductor = new QTranslator(app);
    for (const QString& carpeta : carpetas) {
        if (traductor->load(QStringLiteral("qtbase_es"), carpeta) && QCoreApplication::installTranslator(traductor))
            return true;
    }
    delete traductor;
    return false;
}
