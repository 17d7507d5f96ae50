#pragma once
// The template dialog: the person chooses one timetable template of the centre file
// and, when importing, the language of the texts. It shows the template's description,
// shift and Monday sessions, and hands back the code, the shift and the session lines.
#include "common/xml.h"

#include <QDialog>
#include <QStringList>

#include <string>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class PanelDegradado;

class TPlantillas : public QDialog {
    Q_OBJECT
public:
    explicit TPlantillas(QWidget* owner);

    // Set by the caller before showing: 2 is export mode, any other value import mode.
    int Tag = 0;
    QString rutaCentro;          // the centre file (the main window's filenameXML)
    QString idiomaVentana;       // the language the main window shows
    std::string carpetaIntercambio;  // where DIASHORAST records the last template used

    // Results, set on "Continuar" and whenever the dialog closes.
    QString resultado;
    QString turno_plant;
    QString Idioma() const;
    QStringList Lineas() const;

    PanelDegradado* Draw3D4;
    QLabel* Label9;
    QComboBox* ComboBoxValCast;
    QLabel* LabelPlantillas;
    QLabel* Label1;
    QComboBox* ComboBoxPlantilla;
    QListWidget* ListBox1;
    QLabel* Label3;
    QLabel* LabelNombre;
    QLabel* Label2;
    QLabel* LabelTurno;
    QPushButton* BitBtnContinuar;

    // Fills the dialog from the centre file; runs when the dialog is first shown.
    void FormActivate();
    // Shows description, shift and session lines of the template the combo names.
    void ComboBoxPlantillaChange();
    void BitBtnContinuarClick();

    bool Exportacion() const { return Tag == 2; }

protected:
    void showEvent(QShowEvent* evento) override;
    // The dialog has no cancel: Escape does nothing (it ends by "Continuar" or the close box).
    void keyPressEvent(QKeyEvent* evento) override;
    void done(int r) override;  // every close: "Continuar" or the close box

private:
    void PonerResultados();

    ph::DocumentoXml doc_;
    bool activado_ = false;
};
