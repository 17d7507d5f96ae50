#pragma once
// How the program shows its modal boxes. Every modal dialog goes through MostrarModal, so
// that tests can answer it without a modal loop (PonerPresentador).
#include <QString>

#include <functional>

class QDialog;
class QWidget;

// The caption of the program's own message boxes.
inline const char* const kTituloAplicacion = "Pasahorario";

// Runs a dialog modally and returns its result. Replaced, the presenter receives the
// dialog instead and returns what exec() would have returned.
using Presentador = std::function<int(QDialog&)>;
void PonerPresentador(Presentador presentador);  // an empty one restores exec()
int MostrarModal(QDialog& dialogo);

// A message with an "Aceptar" button and the program's title as caption. "\r\n" breaks
// lines.
void MostrarMensaje(QWidget* padre, const QString& texto);

// A confirmation: question icon, caption "Confirmar", buttons "&Sí" (the default) and
// "&No" (also Escape). True for "&Sí".
bool Confirmar(QWidget* padre, const QString& texto);

// Every box of the program shows each line of its text whole, never wrapped, however wide
// the line (the questions carry rules of "=" and "-" that must stay one line each), and is
// at least this wide, so that the title bar shows the whole caption.
inline constexpr int kAnchoMinimoCaja = 260;

// The message that ends a completed transfer: texto with a "Mostrar detalles…" button that
// shows detalles, OK, and "Guardar informe…".
enum class RespuestaFinal { Aceptar, GuardarInforme };
RespuestaFinal MostrarFinal(QWidget* padre, const QString& texto, const QString& detalles);
