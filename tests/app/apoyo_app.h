#pragma once
// Support for the desktop program's tests: a person's answers to every modal box,
// given without a modal loop.
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

class QDialog;
class QMessageBox;
class TCurExp;
class TPlantillas;

namespace prueba_app {

// One box the program showed.
struct Caja {
    QString clase;          // "QMessageBox", "QFileDialog", "TPlantillas", "TCurExp"
    QString titulo;
    QString texto;          // the message of a message box
    int icono = 0;          // QMessageBox::Icon
    QStringList botones;    // button texts of a message box
    bool conEspera = false; // the wait cursor was up while it showed
};

// Answers the program's boxes while it lives (it installs itself as the presenter).
class Guion {
public:
    Guion();
    ~Guion();
    Guion(const Guion&) = delete;
    Guion& operator=(const Guion&) = delete;

    QString archivo;              // the open-file dialog's answer; empty: Cancel
    std::deque<bool> respuestas;  // answers to the confirmations, in turn ("&Sí" true); No once used up
    std::function<void(QMessageBox&)> enPregunta;     // acts on a confirmation box before it is answered
    std::function<void(TPlantillas&)> enPlantillas;  // acts on the template dialog before it closes
    std::function<void(TCurExp&)> enCurso;           // acts on the course dialog before it closes
    // Acts on a message box with an OK button and closes it; returns what exec() would.
    // Unset, the box is answered OK.
    std::function<int(QMessageBox&)> enMensaje;
    bool cerrarConAspa = false;   // dialogs close by their close box instead of "Continuar"

    std::vector<Caja> cajas;
    QString archivoInicial;       // what the open-file dialog showed selected
    QStringList filtrosArchivo;
    QString sufijoArchivo;

    QStringList Mensajes() const;  // texts of the message boxes with OK, in order
    int Contar(const QString& clase) const;

private:
    int Presentar(QDialog& d);
};

// Path of a fixture in tests/data/app.
QString Dato(const char* nombre);

}  // namespace prueba_app
