#pragma once
// pasahorario-cli sesionix-a-itaca: Sesionix's solution into ITACA's schedule file.
#include "cli/orden_transferencia.h"
#include "common/xml.h"

namespace ph::cli {

// Its run throws ErrorUso when the template is neither given nor recorded, before anything
// is touched.
class OrdenSesionixAItaca final : public OrdenTransferencia {
public:
    using OrdenTransferencia::OrdenTransferencia;

private:
    DialogosOpciones::Respuestas PrepararRespuestas(const std::string& carpeta) override;
    void PrepararEnsayo(Simulacion& ensayo, const std::string& carpeta, EstadoVentana& estado) override;
    ResultadoTransferencia Transferir(EstadoVentana& estado, const std::string& carpeta, Dialogos& dialogos,
                                      Informe& informe) override;
    std::vector<Entrada> OtrasEntradas(const std::string& carpeta) const override;
    void EscribirResumen(const ResultadoTransferencia& resultado, const std::optional<EleccionPlantilla>& eleccion,
                         const std::string& carpeta, bool simulada) override;

    // The centre file as read to choose the template, for the transfer to work on the same
    // document; none when the template was given or the file could not be read.
    DocumentoXml centroLeido_;
    DocumentoXml* cargado_ = nullptr;
};

}  // namespace ph::cli
