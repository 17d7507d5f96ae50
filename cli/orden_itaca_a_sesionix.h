#pragma once
// pasahorario-cli itaca-a-sesionix: the centre file into Sesionix's work tables.
#include "cli/orden_transferencia.h"

namespace ph::cli {

class OrdenItacaASesionix final : public OrdenTransferencia {
public:
    using OrdenTransferencia::OrdenTransferencia;

private:
    DialogosOpciones::Respuestas PrepararRespuestas(const std::string& carpeta) override;
    ResultadoTransferencia Transferir(EstadoVentana& estado, const std::string& carpeta, Dialogos& dialogos,
                                      Informe& informe) override;
    void EscribirResumen(const ResultadoTransferencia& resultado, const std::optional<EleccionPlantilla>& eleccion,
                         const std::string& carpeta, bool simulada) override;
};

}  // namespace ph::cli
