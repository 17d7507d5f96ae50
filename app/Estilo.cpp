#include "Estilo.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

QFont FuenteBase() {
    static const QString familia = [] {
        const QStringList familias = QFontDatabase::families();
        for (const char* preferida : {"MS Sans Serif", "Microsoft Sans Serif"})
            if (familias.contains(QString::fromLatin1(preferida), Qt::CaseInsensitive)) return QString::fromLatin1(preferida);
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    QFont f(familia);
    f.setPointSize(8);
    return f;
}

QFont FuenteArialNegrita(int pixeles) {
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixeles);
    f.setBold(true);
    return f;
}

QFont FuenteNegrita(int pixeles) {
    QFont f = FuenteBase();
    if (pixeles > 0) f.setPixelSize(pixeles);
    f.setBold(true);
    return f;
}

void PonerColorTexto(QWidget* w, const QColor& color) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, color);
    p.setColor(QPalette::Text, color);
    w->setPalette(p);
}

void PonerColorFondo(QWidget* w, const QColor& color) {
    QPalette p = w->palette();
    p.setColor(QPalette::Base, color);
    w->setPalette(p);
}

void Colocar(QLabel* etiqueta, int x, int y, int ancho, int alto) {
    if (ancho > 0) {
        etiqueta->setGeometry(x, y, ancho, alto);
    } else {
        etiqueta->adjustSize();
        etiqueta->move(x, y);
    }
}

void ColocarHasta(QLabel* etiqueta, int x, int y, int limite) {
    const int sitio = limite - x;
    QFont f = etiqueta->font();
    // First narrower letters, then, where the font has no narrower face, a smaller size.
    for (int paso = 0; paso < 8 && QFontMetrics(f).horizontalAdvance(etiqueta->text()) > sitio; ++paso) {
        if (paso == 0) {
            f.setStretch(QFont::SemiCondensed);
        } else {
            const qreal puntos = f.pointSizeF() > 0 ? f.pointSizeF() : f.pixelSize() * 0.75;
            f.setPointSizeF(puntos - 0.25);
        }
    }
    etiqueta->setFont(f);
    Colocar(etiqueta, x, y);
    if (etiqueta->width() > sitio) etiqueta->resize(sitio, etiqueta->height());
}

void CentrarEnPantalla(QWidget* ventana) {
    QScreen* pantalla = ventana->screen() ? ventana->screen() : QGuiApplication::primaryScreen();
    if (pantalla) ventana->move(pantalla->availableGeometry().center() - ventana->rect().center());
}

namespace {

QPixmap Lienzo() {
    QPixmap px(16, 16);
    px.fill(Qt::transparent);
    return px;
}

}  // namespace

QIcon IconoPrograma() {
    QIcon icono;
    for (int n : {16, 24, 32, 48, 64, 128, 256}) icono.addFile(QStringLiteral(":/icono/pasahorario_%1.png").arg(n), QSize(n, n));
    return icono;
}

QIcon GlifoOk() {
    QPixmap px = Lienzo();
    QPainter p(&px);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath tick;
    tick.moveTo(2.5, 8.5);
    tick.lineTo(6.5, 12.5);
    tick.lineTo(13.5, 3.5);
    p.setPen(QPen(QColor(0x00, 0x80, 0x00), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    return QIcon(px);
}

QIcon GlifoSalir() {
    QPixmap px = Lienzo();
    QPainter p(&px);
    // The door frame, the open door leaf and its knob.
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.setBrush(QColor(0x30, 0x30, 0x30));
    p.drawRect(4, 1, 9, 13);
    QPolygon hoja;
    hoja << QPoint(4, 1) << QPoint(9, 3) << QPoint(9, 15) << QPoint(4, 14);
    p.setBrush(QColor(0xC0, 0x80, 0x20));
    p.drawPolygon(hoja);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xE0, 0x60));
    p.drawEllipse(QPoint(8, 9), 1, 1);
    return QIcon(px);
}
