#pragma once
// Text helpers shared by both transfers. Texts are UTF-8 std::string; lengths, positions
// and counts are in 16-bit code units, as the stored formats count characters.
// A blank is U+0020 alone.
#include <string>

namespace ph {

std::string AllTrim(const std::string& texto);
std::string LTrim(const std::string& texto);
std::string RTrim(const std::string& texto);
std::string Left(const std::string& texto, long cuenta);
std::string Right(const std::string& texto, long cuenta);
std::string Iniciales(const std::string& texto);

// True when every byte of the text is below 0x80.
bool EsAscii(const std::string& texto);
// Number of 16-bit code units of the text.
long Longitud(const std::string& texto);
// Code units from position desde (0-based), at most cuenta of them.
std::string Medio(const std::string& texto, long desde, long cuenta);
// Capitals for the letters a to z only; every other character keeps its case.
std::string MayusculasAscii(const std::string& texto);
// Lower case for the letters A to Z only.
std::string MinusculasAscii(const std::string& texto);
// Strips every character up to U+0020 (blanks and control characters) at both ends.
std::string QuitarControles(const std::string& texto);

// UTF-8 <-> UTF-16. Bytes that are not valid UTF-8 become U+FFFD.
std::u16string AUtf16(const std::string& texto);
std::string AUtf8(const std::u16string& texto);

// Whole decimal number with optional leading blanks and sign, as the frame stage reads
// session orders and times. Throws ph::Error naming the text when it is not one.
long EnteroDeTexto(const std::string& texto);

}  // namespace ph
