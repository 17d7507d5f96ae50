#pragma once
// The exchange folder and file lookups.
#include <filesystem>
#include <string>

namespace ph {

// The exchange folder: `\STEMP` of the current drive on Windows, `/STEMP` elsewhere;
// the environment variable PASAHORARIO_STEMP replaces it.
std::string CarpetaIntercambio();

// Joins a folder and a file name with the system's separator.
std::string Unir(const std::string& carpeta, const std::string& nombre);
// The path of an existing entry of the folder whose name equals nombre without regard to
// letter case (an exact match first); Unir(carpeta, nombre) when there is none.
std::string BuscarEnCarpeta(const std::string& carpeta, const std::string& nombre);

bool ExisteArchivo(const std::string& ruta);  // a regular file (or a link to one)
bool ExisteCarpeta(const std::string& ruta);
void BorrarSiExiste(const std::string& ruta);  // errors ignored

// Folder part with its trailing separator ("" when none), and file-name part.
// UTF-8 text <-> the system's path type.
std::filesystem::path RutaNativa(const std::string& ruta);
std::string TextoDeRuta(const std::filesystem::path& ruta);

std::string CarpetaDe(const std::string& ruta);
std::string NombreDe(const std::string& ruta);

}  // namespace ph
