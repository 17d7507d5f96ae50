#pragma once
// Ini files as the Windows profile functions read and write them: "[Section]" lines,
// "key=value" lines, section and key names matched without regard to letter case
// (A-Z) and to the blanks around them, the first matching section and key taken.
//
// A write changes only the line of its key (or adds one line, or one section with its
// line): every other byte of the file stays as it was, comments, blank lines, line
// endings and a leading byte-order mark included.
#include <optional>
#include <string>

namespace ph {

// The text of an ini file after setting clave of seccion to valor. The key's line becomes
// "clave=valor" with the key written as the file had it; a missing key is added after the
// last line of its section that is not blank; a missing section is added at the end.
// New lines end as the text's first line does (CRLF or LF; the system's own when the
// text has no line end yet).
std::string CambiarValorIni(const std::string& texto, const std::string& seccion,
                            const std::string& clave, const std::string& valor);

// The value of clave in seccion, blanks around it removed; nullopt when the section or
// the key is missing.
std::optional<std::string> ValorIni(const std::string& texto, const std::string& seccion,
                                    const std::string& clave);

// Sets the key in the file at ruta, creating the file and the section when missing.
// The new content is written to a temporary file in the same folder and renamed over
// ruta, so a failed write leaves the old file whole. Throws ph::Error naming the file.
void EscribirIni(const std::string& ruta, const std::string& seccion, const std::string& clave,
                 const std::string& valor);

// The value of the key in the file at ruta; nullopt when the file cannot be read or the
// section or the key is missing.
std::optional<std::string> LeerIni(const std::string& ruta, const std::string& seccion,
                                   const std::string& clave);

}  // namespace ph
