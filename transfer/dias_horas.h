#pragma once
// DIASHORAST, the frame of days and sessions. Both transfers build it: the import from the
// template chosen for the run, the export again for the template of the schedule file.
#include <string>
#include <vector>

namespace ph {

// Rebuilds DIASHORAST in carpeta: the session lines repeated on each of the seven days
// (day names in idioma), each row marked with the template code resultado. A line that
// holds no number where one is expected stops with an error naming the line; the rows
// of the lines before it are kept.
void CrearDiasHoras(const std::string& carpeta, const std::vector<std::string>& lineas,
                    const std::string& resultado, const std::string& idioma);

}  // namespace ph
