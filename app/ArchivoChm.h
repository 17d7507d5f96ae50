#pragma once
// Reads the files inside a compiled HTML Help file (.chm) through chmlib: the help
// window shows the topics of ITACA.chm itself, so the help needs nothing beyond the
// program and that one file.
#include <QByteArray>
#include <QString>

#include <optional>

struct chmFile;

class ArchivoChm {
public:
    explicit ArchivoChm(const QString& ruta);
    ~ArchivoChm();
    ArchivoChm(const ArchivoChm&) = delete;
    ArchivoChm& operator=(const ArchivoChm&) = delete;

    bool Abierto() const { return chm_ != nullptr; }
    // A file inside the CHM by its path ("/inicio.html", "capturas/curso.png"); nothing
    // when it is not there.
    std::optional<QByteArray> Leer(const QString& ruta) const;
    // The table of contents (.hhc) and the default topic named by the file's system data;
    // empty when the file names none.
    QString ArchivoContenido() const;
    QString TemaPorDefecto() const;

private:
    void LeerSistema();

    chmFile* chm_ = nullptr;
    QString contenido_;
    QString porDefecto_;
};
