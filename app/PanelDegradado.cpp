#include "PanelDegradado.h"

#include <QLinearGradient>
#include <QPainter>

PanelDegradado::PanelDegradado(std::initializer_list<QColor> colores, QWidget* padre)
    : QWidget(padre), colores_(colores) {}

void PanelDegradado::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QLinearGradient degradado(0, 0, 0, height());
    const size_t n = colores_.size();
    for (size_t i = 0; i < n; ++i) degradado.setColorAt(n > 1 ? double(i) / double(n - 1) : 0.0, colores_[i]);
    p.fillRect(rect(), degradado);

    // Raised edge: light on the top and left, shadow on the bottom and right.
    const QRect r = rect().adjusted(0, 0, -1, -1);
    p.setPen(QColor(Qt::white));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(QColor(128, 128, 128));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}
