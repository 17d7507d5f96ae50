#pragma once
// The schedule file writer.
#include "common/xml.h"
#include "export/registros.h"

#include <string>
#include <vector>

namespace ph {

// "ResultadoSesionix" + the centre file's name, in the centre file's folder.
std::string RutaResultado(const std::string& rutaCentro);

// Replaces the root of doc by the schedule and saves it atomically at
// RutaResultado(rutaCentro). The centre file itself is never written.
void GuardarResultado(DocumentoXml& doc, const DatosCentro& datos,
                      const std::vector<EntradaHorarioGrupo>& grupos,
                      const std::vector<EntradaHorarioOcupacion>& ocupaciones,
                      const std::string& rutaCentro);

}  // namespace ph
