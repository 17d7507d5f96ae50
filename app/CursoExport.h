#pragma once
// The target-course dialog: the person confirms or changes the school year for which the
// timetable is exported. There is no cancel: however it closes, the year on show is taken.
#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class PanelDegradado;

class TCurExp : public QDialog {
    Q_OBJECT
public:
    explicit TCurExp(QWidget* owner);

    // The school year: set by the caller to the centre file's year before showing, and
    // set by the dialog to the year on show when it closes.
    QString CursoActual;

    PanelDegradado* Draw3D4;
    QLabel* LabelCurso;
    QLabel* LabelCurSelected;
    QLabel* LabelCurActual;
    QLabel* LabelSeleccion;
    QComboBox* ComboBoxCurso;
    QPushButton* BitBtnContinuar;

    void FormActivate();
    void ComboBoxCursoChange(const QString& texto);
    void BitBtnContinuarClick();

protected:
    void showEvent(QShowEvent* evento) override;
    // The dialog has no cancel: Escape does nothing (it ends by "Continuar" or the close box).
    void keyPressEvent(QKeyEvent* evento) override;
    void done(int r) override;  // every close: "Continuar" or the close box

private:
    bool activado_ = false;
};
