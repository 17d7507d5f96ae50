#include "ArchivoChm.h"

#include <QFile>

#include <chm_lib.h>

ArchivoChm::ArchivoChm(const QString& ruta) {
    chm_ = chm_open(QFile::encodeName(ruta).constData());
    if (chm_) LeerSistema();
}

ArchivoChm::~ArchivoChm() {
    if (chm_) chm_close(chm_);
}

std::optional<QByteArray> ArchivoChm::Leer(const QString& ruta) const {
    if (!chm_) return std::nullopt;
    QString camino = ruta;
    if (!camino.startsWith('/')) camino.prepend('/');
    chmUnitInfo ui;
    if (chm_resolve_object(chm_, camino.toUtf8().constData(), &ui) != CHM_RESOLVE_SUCCESS) return std::nullopt;
    // Folders and the CHM's own entries are no files to show.
    if (camino.endsWith('/') || ui.length > LONGUINT64(64) * 1024 * 1024) return std::nullopt;
    QByteArray datos(qsizetype(ui.length), '\0');
    const LONGINT64 leidos =
        chm_retrieve_object(chm_, &ui, reinterpret_cast<unsigned char*>(datos.data()), 0, LONGINT64(ui.length));
    if (leidos != LONGINT64(ui.length)) return std::nullopt;
    return datos;
}

QString ArchivoChm::ArchivoContenido() const { return contenido_; }
QString ArchivoChm::TemaPorDefecto() const { return porDefecto_; }

// "#SYSTEM": a 4-byte version, then entries of a 2-byte code, a 2-byte length and the
// data, little-endian. Code 0 names the table of contents, code 2 the default topic.
void ArchivoChm::LeerSistema() {
    const std::optional<QByteArray> sistema = Leer(QStringLiteral("/#SYSTEM"));
    if (!sistema) return;
    const QByteArray& s = *sistema;
    auto palabra = [&](qsizetype i) {
        return int(static_cast<unsigned char>(s[i])) | (int(static_cast<unsigned char>(s[i + 1])) << 8);
    };
    for (qsizetype i = 4; i + 4 <= s.size();) {
        const int codigo = palabra(i);
        const int largo = palabra(i + 2);
        if (i + 4 + largo > s.size()) break;
        // The texts end in a NUL; they are in the help's code page (our names are ASCII).
        QByteArray texto = s.mid(i + 4, largo);
        if (const qsizetype fin = texto.indexOf('\0'); fin >= 0) texto.truncate(fin);
        if (codigo == 0) contenido_ = QString::fromLatin1(texto);
        if (codigo == 2) porDefecto_ = QString::fromLatin1(texto);
        i += 4 + largo;
    }
}
