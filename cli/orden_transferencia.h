#pragma once
// A transfer command of pasahorario-cli. This base runs what both commands do around the
// transfer: it checks the exchange folder, sets up the trial run (--simular), names the
// input files that are missing, writes the report's summary and its CSV, and turns the
// ending into the exit status. Each command says only what is its own: the answers to the
// questions, what the trial copies, the transfer itself and the lines of its summary.
#include "cli/dialogos_opciones.h"
#include "cli/opciones.h"
#include "transfer/estado_ventana.h"
#include "transfer/informe.h"
#include "transfer/resultado.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace ph::cli {

// Exit status of the program.
inline constexpr int kSalidaCompletada = 0;
inline constexpr int kSalidaFaltaEntrada = 1;  // input missing or refused
inline constexpr int kSalidaUso = 2;
inline constexpr int kSalidaError = 3;

class Simulacion;

class OrdenTransferencia {
public:
    // opciones outlive the command.
    OrdenTransferencia(const Opciones& opciones, std::ostream& salida, std::ostream& errores)
        : opciones_(opciones), salida_(salida), errores_(errores) {}
    virtual ~OrdenTransferencia() = default;
    OrdenTransferencia(const OrdenTransferencia&) = delete;
    OrdenTransferencia& operator=(const OrdenTransferencia&) = delete;

    // Runs the transfer; returns the program's exit status. Throws ErrorUso when the
    // command cannot answer its questions, before anything is touched.
    int Ejecutar();

protected:
    // An input file the transfer reads, and its role in the messages ("el archivo de centro").
    struct Entrada {
        std::string ruta;
        std::string que;
    };

    // The answers to the transfer's questions, taken from the options. carpeta is the real
    // exchange folder. Nothing has been touched yet.
    virtual DialogosOpciones::Respuestas PrepararRespuestas(const std::string& carpeta) = 0;
    // Copies into the trial the files the transfer reads and rewrites, so that it works on
    // the copies (estado may be pointed at them). By default nothing: the transfer then only
    // writes new tables into the trial's empty exchange folder.
    virtual void PrepararEnsayo(Simulacion& ensayo, const std::string& carpeta, EstadoVentana& estado);
    // The transfer itself, working in carpeta (the trial's, in a trial run).
    virtual ResultadoTransferencia Transferir(EstadoVentana& estado, const std::string& carpeta,
                                              Dialogos& dialogos, Informe& informe) = 0;
    // The input files besides the centre file, named when the transfer finds one missing.
    virtual std::vector<Entrada> OtrasEntradas(const std::string& carpeta) const;
    // The summary of a completed transfer, after the trial's first line: what was written
    // (or would be, when simulada) and the template chosen.
    virtual void EscribirResumen(const ResultadoTransferencia& resultado,
                                 const std::optional<EleccionPlantilla>& eleccion, const std::string& carpeta,
                                 bool simulada) = 0;

    const Opciones& opciones_;
    std::ostream& salida_;
    std::ostream& errores_;

private:
    void NombrarEntradasQueFaltan(const std::string& carpeta) const;
    void EscribirResumenAvisos(const Informe& informe) const;
    bool GuardarInformePedido(const Informe& informe) const;
};

}  // namespace ph::cli
