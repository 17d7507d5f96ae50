#include "VentanaAyuda.h"

#include "ArchivoChm.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QRegularExpression>
#include <QSplitter>
#include <QStyle>
#include <QTextDocumentFragment>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace {

const char* const kEsquema = "ayuda";

// A value of the table of contents: HTML text with entities ("Qu&eacute; hace").
QString TextoDeHtml(const QString& html) { return QTextDocumentFragment::fromHtml(html).toPlainText(); }

}  // namespace

QUrl UrlTema(const QString& tema) {
    QUrl url;
    url.setScheme(QString::fromLatin1(kEsquema));
    const qsizetype almohadilla = tema.indexOf('#');
    url.setPath('/' + (almohadilla < 0 ? tema : tema.left(almohadilla)));
    if (almohadilla >= 0) url.setFragment(tema.mid(almohadilla + 1));
    return url;
}

NavegadorAyuda::NavegadorAyuda(const ArchivoChm& chm, QWidget* padre) : QTextBrowser(padre), chm_(chm) {
    setObjectName("NavegadorAyuda");
    setOpenLinks(true);
    setOpenExternalLinks(false);
}

QVariant NavegadorAyuda::loadResource(int tipo, const QUrl& url) {
    if (url.scheme() != QLatin1String(kEsquema)) return {};
    const std::optional<QByteArray> datos = chm_.Leer(url.path());
    if (!datos) return {};
    if (tipo == QTextDocument::ImageResource) return *datos;
    return QString::fromUtf8(*datos);  // the topics and the stylesheet are UTF-8
}

VentanaAyuda::VentanaAyuda(std::unique_ptr<ArchivoChm> chm, const QString& ruta, QWidget* padre)
    : QWidget(padre, Qt::Window), chm_(std::move(chm)), ruta_(ruta) {
    setObjectName("VentanaAyuda");
    setWindowTitle(QStringLiteral("Ayuda de Pasahorario"));

    BAtras = new QPushButton(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("&Atrás"), this);
    BAtras->setObjectName("BAtras");
    BAdelante = new QPushButton(style()->standardIcon(QStyle::SP_ArrowForward), QStringLiteral("A&delante"), this);
    BAdelante->setObjectName("BAdelante");
    BInicio = new QPushButton(style()->standardIcon(QStyle::SP_DirHomeIcon), QStringLiteral("&Contenido"), this);
    BInicio->setObjectName("BInicio");
    for (QPushButton* b : {BAtras, BAdelante, BInicio}) b->setAutoDefault(false);
    BAtras->setEnabled(false);
    BAdelante->setEnabled(false);

    Contenido = new QTreeWidget(this);
    Contenido->setObjectName("Contenido");
    Contenido->setHeaderHidden(true);
    Navegador = new NavegadorAyuda(*chm_, this);

    auto* botones = new QHBoxLayout;
    botones->addWidget(BAtras);
    botones->addWidget(BAdelante);
    botones->addWidget(BInicio);
    botones->addStretch();
    auto* division = new QSplitter(this);
    division->addWidget(Contenido);
    division->addWidget(Navegador);
    division->setStretchFactor(1, 1);
    division->setSizes({230, 570});
    auto* todo = new QVBoxLayout(this);
    todo->addLayout(botones);
    todo->addWidget(division, 1);
    resize(860, 620);

    connect(BAtras, &QPushButton::clicked, Navegador, &QTextBrowser::backward);
    connect(BAdelante, &QPushButton::clicked, Navegador, &QTextBrowser::forward);
    connect(BInicio, &QPushButton::clicked, this, [this] { MostrarTema({}); });
    connect(Navegador, &QTextBrowser::backwardAvailable, BAtras, &QWidget::setEnabled);
    connect(Navegador, &QTextBrowser::forwardAvailable, BAdelante, &QWidget::setEnabled);
    connect(Navegador, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) { MarcarEnContenido(url); });
    connect(Contenido, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        const QString tema = item->data(0, Qt::UserRole).toString();
        if (!tema.isEmpty()) MostrarTema(tema);
    });
    connect(Contenido, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        const QString tema = item->data(0, Qt::UserRole).toString();
        if (!tema.isEmpty()) MostrarTema(tema);
    });

    CargarContenido();
    inicio_ = chm_->TemaPorDefecto();
    if (inicio_.isEmpty() && Contenido->topLevelItemCount() > 0)
        inicio_ = Contenido->topLevelItem(0)->data(0, Qt::UserRole).toString();
}

// The browser reads from the help file: it goes before the file closes.
VentanaAyuda::~VentanaAyuda() { delete Navegador; }

void VentanaAyuda::MostrarTema(const QString& tema) {
    const QUrl url = UrlTema(tema.isEmpty() ? inicio_ : tema);
    if (Navegador->source() == url) Navegador->reload();
    else Navegador->setSource(url, QTextDocument::HtmlResource);
}

QString VentanaAyuda::TemaActual() const { return Navegador->source().path().mid(1); }

// The table of contents is an HTML list of <OBJECT type="text/sitemap"> entries, each with
// a "Name" and a "Local" parameter; a nested <UL> holds the entries below the one before.
void VentanaAyuda::CargarContenido() {
    Contenido->clear();
    const std::optional<QByteArray> hhc = chm_->Leer(chm_->ArchivoContenido());
    if (!hhc) return;
    const QString texto = QString::fromLatin1(*hhc);
    static const QRegularExpression pieza(
        QStringLiteral("<\\s*(/?)\\s*ul\\b[^>]*>|<object[^>]*text/sitemap[^>]*>(.*?)</object>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression parametro(
        QStringLiteral("<param\\s+name\\s*=\\s*\"([^\"]*)\"\\s+value\\s*=\\s*\"([^\"]*)\"\\s*/?>"),
        QRegularExpression::CaseInsensitiveOption);

    QList<QTreeWidgetItem*> padres;  // the entry each open <UL> hangs from (null: the top)
    QTreeWidgetItem* ultimo = nullptr;
    int nivel = 0;
    for (auto m = pieza.globalMatch(texto); m.hasNext();) {
        const QRegularExpressionMatch p = m.next();
        if (p.capturedLength(2) == 0 && !p.captured(0).contains(QLatin1String("object"), Qt::CaseInsensitive)) {
            if (p.captured(1).isEmpty()) {
                if (nivel++ > 0) padres.append(ultimo);
            } else if (nivel > 0) {
                if (--nivel > 0 && !padres.isEmpty()) padres.removeLast();
            }
            continue;
        }
        QString nombre, local;
        for (auto q = parametro.globalMatch(p.captured(2)); q.hasNext();) {
            const QRegularExpressionMatch r = q.next();
            if (r.captured(1).compare(QLatin1String("Name"), Qt::CaseInsensitive) == 0) nombre = TextoDeHtml(r.captured(2));
            if (r.captured(1).compare(QLatin1String("Local"), Qt::CaseInsensitive) == 0) local = r.captured(2);
        }
        if (nombre.isEmpty()) continue;
        QTreeWidgetItem* padre = padres.isEmpty() ? nullptr : padres.last();
        auto* item = padre ? new QTreeWidgetItem(padre) : new QTreeWidgetItem(Contenido);
        item->setText(0, nombre);
        item->setData(0, Qt::UserRole, local);
        ultimo = item;
    }
    Contenido->expandAll();
}

void VentanaAyuda::MarcarEnContenido(const QUrl& url) {
    const QString tema = url.path().mid(1);
    const QString conAncla = url.hasFragment() ? tema + '#' + url.fragment() : tema;
    QTreeWidgetItem* elegido = nullptr;
    for (QTreeWidgetItemIterator it(Contenido); *it; ++it) {
        const QString local = (*it)->data(0, Qt::UserRole).toString();
        if (local == conAncla) {
            elegido = *it;
            break;
        }
        if (!elegido && local == tema) elegido = *it;
    }
    QSignalBlocker bloqueo(Contenido);
    Contenido->setCurrentItem(elegido);
}
