#pragma once
// Character encodings that libxml2 lacks where it is built without iconv (Windows).

namespace ph {

// Registers windows-1252 (also known as CP1252) with libxml2 through the system's
// code-page API. Does nothing on systems whose libxml2 converts through iconv.
void RegistrarCodificacionesXml();

}  // namespace ph
