// The desktop program: one main window; two parameters put it in Sesionix's
// command-line mode.
#include "Estilo.h"
#include "MainForm.h"
#include "Modal.h"
#include "Traducciones.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(kTituloAplicacion));
    QApplication::setWindowIcon(IconoPrograma());
    CargarTraduccionesQt();  // without it Qt's own dialogs speak English, but they work
    // The parameters left once Qt has taken its own options (-platform, -style, ...).
    TMForm MForm(QApplication::arguments().mid(1));
    MForm.show();
    return app.exec();
}
