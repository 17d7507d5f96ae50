#include "Traducciones.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// Texts of Qt's own file dialog that Qt's Spanish translation lacks (they moved to a new
// context in Qt 6): the kind of a folder, a drive or a link in the file list.
class TextosQueFaltan : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* contexto, const char* texto, const char* = nullptr, int = -1) const override {
        if (qstrcmp(contexto, "QAbstractFileIconProvider") != 0) return {};
        static const struct {
            const char* ingles;
            const char* castellano;
        } kTextos[] = {{"Drive", "Unidad"},     {"File Folder", "Carpeta de archivos"}, {"Folder", "Carpeta"},
                       {"Alias", "Alias"},      {"Shortcut", "Acceso directo"},        {"Unknown", "Desconocido"}};
        for (const auto& t : kTextos)
            if (qstrcmp(texto, t.ingles) == 0) return QString::fromUtf8(t.castellano);
        return {};
    }
};

}  // namespace

bool CargarTraduccionesQt() {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return false;
    // Dates and numbers in Qt's own dialogs follow Spain's conventions as well.
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    const QStringList carpetas{QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                               QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations"))};
    QCoreApplication::installTranslator(new TextosQueFaltan(app));
    auto* traductor = new QTranslator(app);
    for (const QString& carpeta : carpetas) {
        if (traductor->load(QStringLiteral("qtbase_es"), carpeta) && QCoreApplication::installTranslator(traductor))
            return true;
    }
    delete traductor;
    return false;
}
