#pragma once
// What both commands of pasahorario-cli share.
#include "cli/opciones.h"
#include "transfer/resultado.h"

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

// What keeps an input file from being read, as a line naming it ("No existe el archivo de
// centro «x.xml».", "... es una carpeta ..."); empty when it is a readable regular file.
// que names the file's role: "el archivo de centro".
std::string MotivoFaltaArchivo(const std::string& ruta, const std::string& que);

}  // namespace ph::cli
