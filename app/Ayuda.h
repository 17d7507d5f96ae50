#pragma once
// Help: the file "ITACA.chm" next to the executable. On Windows the system's HTML Help
// viewer (hh.exe) shows it; elsewhere the program's own help window (VentanaAyuda) shows
// the same topics, read out of the file. Each widget keeps its help context number in the
// dynamic property "HelpContext"; a widget without one (or with 0) takes that of its
// parent.
#include <QString>

#include <functional>

class QWidget;

inline const char* const kPropiedadContextoAyuda = "HelpContext";
void PonerContextoAyuda(QWidget* w, int contexto);
int ContextoAyuda(const QWidget* w);

// The help file: "ITACA.chm" in the executable's folder unless replaced.
QString ArchivoAyuda();
void PonerArchivoAyuda(const QString& ruta);  // empty: back to the default

// The topic of a context number: 1 the main window and the language, 3 the transfers;
// empty for 0 (the contents) and for a number the help does not know.
QString TemaDeContexto(int contexto);

// Hands the file to a viewer; false when there is none. The default is the platform's
// viewer described above, on the topic of the context (0: the contents); the program's
// own window reports a help file it cannot read itself.
using AbridorAyuda = std::function<bool(const QString& archivo, int contexto)>;
void PonerAbridorAyuda(AbridorAyuda abridor);  // empty: back to the default

// Shows the help at the given context (0: the contents). When the file or a viewer is
// missing, a message says so.
void MostrarAyuda(QWidget* padre, int contexto);

// F1 in the window shows the topic of the focused widget (else of the window).
void InstalarTeclaAyuda(QWidget* ventana);

#ifndef _WIN32
class VentanaAyuda;
// The help window the default viewer opened last; null before the first help or once
// closed.
VentanaAyuda* VentanaAyudaAbierta();
#endif
