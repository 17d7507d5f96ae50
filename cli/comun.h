#pragma once
// What both commands of pasahorario-cli share.
#include "cli/opciones.h"
#include "common/resultado.h"

#include <string>

namespace ph::cli {

// Exit status of the program.
inline constexpr int kSalidaCompletada = 0;
inline constexpr int kSalidaFaltaEntrada = 1;  // input missing or refused
inline constexpr int kSalidaUso = 2;
inline constexpr int kSalidaError = 3;

int CodigoSalida(Desenlace desenlace);

// The exchange folder: --stemp, else the environment's or the system's.
std::string CarpetaDeTrabajo(const Opciones& opciones);

}  // namespace ph::cli
