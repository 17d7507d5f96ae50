#pragma once
// The two questions the ITACA -> Sesionix transfer asks: whether to take the lines of
// every template, and whether to remove groups and teachers without classes.

namespace ph {

// Their exact texts, with their CRLF line breaks.
extern const char* const kPreguntaTodasPlantillas;
extern const char* const kPreguntaQuitarSinClases;

}  // namespace ph
