// The desktop program: one main window; two parameters put it in Sesionix's
// command-line mode.
#include "MainForm.h"
#include "Modal.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(kTituloAplicacion));
    // The parameters left once Qt has taken its own options (-platform, -style, ...).
    TMForm MForm(QApplication::arguments().mid(1));
    MForm.show();
    return app.exec();
}
