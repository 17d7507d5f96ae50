#pragma once
// The look shared by the program's windows: fonts, colours, button glyphs, and the
// help context kept on each widget.
#include <QColor>
#include <QFont>
#include <QIcon>

class QWidget;
class QLabel;

// The windows' default font: "MS Sans Serif" 8 points (or its TrueType successor
// "Microsoft Sans Serif"), else the system's sans at 8 points.
QFont FuenteBase();
// Arial (or its metric twin), bold, at a size in pixels.
QFont FuenteArialNegrita(int pixeles);
// The default font in bold, optionally at a size in pixels.
QFont FuenteNegrita(int pixeles = 0);

void PonerColorTexto(QWidget* w, const QColor& color);
void PonerColorFondo(QWidget* w, const QColor& color);

// Places a label at (x, y): at the given size, or at the size of its text when ancho is 0.
void Colocar(QLabel* etiqueta, int x, int y, int ancho = 0, int alto = 0);
// Places a one-line label at (x, y) at the size of its text; where the system's font
// draws the text wider than the room up to limite, the letters are narrowed (or made a
// little smaller) to fit.
void ColocarHasta(QLabel* etiqueta, int x, int y, int limite);

// Moves a window to the middle of the screen it will show on.
void CentrarEnPantalla(QWidget* ventana);

// The program's own icon (a timetable and the exchange's two arrows), at every size.
QIcon IconoPrograma();

// The green tick of OK-kind buttons and the door of close-kind buttons.
QIcon GlifoOk();
QIcon GlifoSalir();

// Colours the windows use.
namespace colores {
inline const QColor kRojo{0xFF, 0x00, 0x00};
inline const QColor kGranate{0x80, 0x00, 0x00};
inline const QColor kAzul{0x00, 0x00, 0xFF};
inline const QColor kAmarillo{0xFF, 0xFF, 0x00};
inline const QColor kCieloAzul{0xA6, 0xCA, 0xF0};
inline const QColor kTituloInactivo{0xBF, 0xCD, 0xDB};
}  // namespace colores
