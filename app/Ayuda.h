#pragma once
// Help: the file "ITACA.chm" next to the executable, shown by the system's viewer.
// Each widget keeps its help context number in the dynamic property "HelpContext"; a
// widget without one (or with 0) takes that of its parent.
#include <QString>

#include <functional>

class QWidget;

inline const char* const kPropiedadContextoAyuda = "HelpContext";
void PonerContextoAyuda(QWidget* w, int contexto);
int ContextoAyuda(const QWidget* w);

// The help file: "ITACA.chm" in the executable's folder unless replaced.
QString ArchivoAyuda();
void PonerArchivoAyuda(const QString& ruta);  // empty: back to the default

// Hands the file to a viewer; false when there is none. The default asks the desktop to
// open the file, which shows it from its contents page whatever the context.
using AbridorAyuda = std::function<bool(const QString& archivo, int contexto)>;
void PonerAbridorAyuda(AbridorAyuda abridor);  // empty: back to the default

// Shows the help at the given context (0: the contents). When the file or a viewer is
// missing, a message says so.
void MostrarAyuda(QWidget* padre, int contexto);

// F1 in the window shows the topic of the focused widget (else of the window).
void InstalarTeclaAyuda(QWidget* ventana);
