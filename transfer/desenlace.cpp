#include "transfer/desenlace.h"

namespace ph {

ResultadoTransferencia Terminar(Dialogos& dialogos, Desenlace desenlace, const std::string& mensaje) {
    ResultadoTransferencia r;
    r.desenlace = desenlace;
    r.mensaje = mensaje;
    dialogos.Mensaje(mensaje);
    return r;
}

ResultadoTransferencia Finalizar(Dialogos& dialogos, const Informe* informe) {
    ResultadoTransferencia r;
    r.desenlace = Desenlace::Completada;
    r.mensaje = "Proceso finalizado";
    dialogos.Finalizado(r.mensaje, informe);
    return r;
}

}  // namespace ph
