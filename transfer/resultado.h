#pragma once
// How a transfer ended, for the programs that drive the core.
#include <string>
#include <utility>
#include <vector>

namespace ph {

enum class Desenlace {
    Completada,    // "Proceso finalizado"; completion code 1
    FaltaEntrada,  // the input file (or the solution) does not exist; code -1 in command-line mode
    Rechazada,     // the centre file is not a readable ITACA centre file; code -1 in command-line mode
    Error,         // an error stopped the transfer; code unchanged
};

struct ResultadoTransferencia {
    Desenlace desenlace = Desenlace::Error;
    std::string mensaje;  // the message shown ("Proceso finalizado", the refusal, the error's own text)
    // Rows per work table after a completed import, in the order the transfer builds them.
    std::vector<std::pair<std::string, long>> filas;
    // After a completed export: the schedule file and its entries.
    std::string salida;
    long entradasGrupo = 0;
    long entradasOcupacion = 0;
};

}  // namespace ph
