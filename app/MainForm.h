#pragma once
// The main window: the two transfers side by side, one panel and one OK button each,
// the run mode Sesionix chooses with two parameters, and the completion code it reads
// back from Sesionix.ini.
#include "DialogosQt.h"

#include "import/importacion.h"
#include "transfer/resultado.h"

#include <QStringList>
#include <QWidget>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class PanelDegradado;

class TMForm : public QWidget {
    Q_OBJECT
public:
    // parametros: the command-line parameters, without the program's name. rutaIni: the
    // ini file for the completion code; empty means $PASAHORARIO_INI when set, else
    // "Sesionix.ini" in the executable's folder.
    explicit TMForm(const QStringList& parametros, const QString& rutaIni = {}, QWidget* parent = nullptr);

    int NumParametros() const { return NumParametros_; }  // 2 in command-line mode, else 0
    int CodigoResultado() const { return CodigoResultado_; }
    const QString& RutaIni() const { return rutaIni_; }
    const ph::EstadoVentana& Estado() const { return estado_; }
    QString filenameXML() const { return QString::fromStdString(estado_.filenameXML); }

    PanelDegradado* Draw3D2;
    QLabel* Label3;
    QLabel* Label9;
    QComboBox* ComboBoxValCast;
    QPushButton* BExportar;
    PanelDegradado* Draw3D3;
    QLabel* Label4;
    QPushButton* BImportar;
    PanelDegradado* Draw3D1;
    QLabel* Label1;
    QPushButton* Button1;
    QPushButton* BClose;
    QListWidget* ListBoxPlanti;

    void BExportarClick();  // ITACA -> Sesionix
    void BImportarClick();  // Sesionix -> ITACA
    void Button1Click();    // help contents

protected:
    void closeEvent(QCloseEvent* evento) override;  // writes the code in command-line mode
    // Return and Enter that no focused button took press the first OK button on show.
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void CrearControles();
    void DecidirModo(const QStringList& parametros);
    void AlinearArriba(PanelDegradado* panel);
    void PedirArchivo();
    void Terminar(const ph::ResultadoTransferencia& r);

    DialogosQt dialogos_;
    ph::EstadoVentana estado_;
    int NumParametros_ = 0;
    int CodigoResultado_ = 0;
    QString rutaIni_;
};
