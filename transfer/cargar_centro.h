#pragma once
// How both transfer drivers take the centre file: the presence test of their inputs, the
// parse, and the refusal of a file that is not an ITACA centre file.
#include "transfer/dialogos.h"
#include "transfer/resultado.h"

#include <optional>
#include <string>
#include <vector>

namespace ph {

class DocumentoXml;

// What a run needs before it touches anything.
struct EntradasCentro {
    std::string centro;               // the centre file
    std::vector<std::string> otras;   // files that must exist besides it (the solution)
    std::string siFalta;              // the message when any of them does not exist
};

// Whether doc is an ITACA centre file: its root element is «centro».
bool EsCentroItaca(const DocumentoXml& doc);

// Checks that every input exists (an empty path counts as missing), loads the centre file
// into doc unless yaCargado (the caller loaded it from that path, and Cargar succeeded),
// and checks that it is an ITACA centre file. When the run cannot go on, the message is
// shown through dialogos and the run's end is returned: FaltaEntrada with siFalta, or
// Rechazada naming the file and what is wrong with it. Nothing when doc holds the centre
// file. Nothing has been written either way.
std::optional<ResultadoTransferencia> CargarCentro(Dialogos& dialogos, const EntradasCentro& entradas,
                                                   DocumentoXml& doc, bool yaCargado = false);

}  // namespace ph
