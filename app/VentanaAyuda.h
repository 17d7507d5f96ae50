#pragma once
// The program's own help window, off Windows: the topics of ITACA.chm in a text browser,
// with the table of contents beside them and back, forward and contents buttons.
#include <QTextBrowser>
#include <QWidget>

#include <memory>

class ArchivoChm;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The text browser that takes its pages, pictures and stylesheet out of the CHM. Topics
// have URLs "ayuda:/inicio.html", so relative links resolve inside the help file.
class NavegadorAyuda : public QTextBrowser {
    Q_OBJECT
public:
    NavegadorAyuda(const ArchivoChm& chm, QWidget* padre);
    QVariant loadResource(int tipo, const QUrl& url) override;

private:
    const ArchivoChm& chm_;
};

class VentanaAyuda : public QWidget {
    Q_OBJECT
public:
    // chm: the help file, already opened.
    VentanaAyuda(std::unique_ptr<ArchivoChm> chm, const QString& ruta, QWidget* padre = nullptr);
    ~VentanaAyuda() override;

    const QString& Ruta() const { return ruta_; }
    // Shows a topic ("transferencias.html", "transferencias.html#ida"); empty: the
    // contents (the default topic).
    void MostrarTema(const QString& tema);
    QString TemaActual() const;  // the file of the topic on show, "transferencias.html"
    QString PaginaInicial() const { return inicio_; }

    NavegadorAyuda* Navegador;
    QTreeWidget* Contenido;
    QPushButton* BAtras;
    QPushButton* BAdelante;
    QPushButton* BInicio;

private:
    void CargarContenido();
    void MarcarEnContenido(const QUrl& url);

    std::unique_ptr<ArchivoChm> chm_;
    QString ruta_;
    QString inicio_;
};

// The URL of a topic inside the help ("ayuda:/inicio.html").
QUrl UrlTema(const QString& tema);
