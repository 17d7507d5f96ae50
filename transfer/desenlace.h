#pragma once
// How both transfer drivers end a run and keep the wait cursor.
#include "transfer/dialogos.h"
#include "transfer/resultado.h"

#include <string>

namespace ph {

class Informe;

// Shows the wait cursor for as long as it lives, also when an error leaves early.
class CursorEspera {
public:
    explicit CursorEspera(Dialogos& d) : d_(d) { d_.Espera(true); }
    ~CursorEspera() { d_.Espera(false); }
    CursorEspera(const CursorEspera&) = delete;
    CursorEspera& operator=(const CursorEspera&) = delete;

private:
    Dialogos& d_;
};

// A run that ends without completing: its message is shown and handed back.
ResultadoTransferencia Terminar(Dialogos& dialogos, Desenlace desenlace, const std::string& mensaje);

// The end of a completed transfer: "Proceso finalizado", with the report when there is one.
ResultadoTransferencia Finalizar(Dialogos& dialogos, const Informe* informe);

}  // namespace ph
