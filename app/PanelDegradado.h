#pragma once
// A panel painted with a top-to-bottom colour gradient and a thin raised edge, the
// background of the main window's panels and of the dialogs.
#include <QColor>
#include <QWidget>

#include <initializer_list>
#include <vector>

class PanelDegradado : public QWidget {
public:
    // The colours, top to bottom, spread evenly over the panel's height.
    PanelDegradado(std::initializer_list<QColor> colores, QWidget* padre);
    const std::vector<QColor>& Colores() const { return colores_; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    std::vector<QColor> colores_;
};
