#pragma once
// The date and time the schedule file records as its export's moment.
#include <chrono>
#include <functional>
#include <string>

namespace ph {

// The clock the export's date is read from.
using RelojExportacion = std::function<std::chrono::system_clock::time_point()>;
// Replaces that clock (tests fix the time with it); an empty one restores the system clock.
void PonerRelojExportacion(RelojExportacion reloj);

// The export's date and time, read from the clock now, in local time: on Windows the
// user's regional short date, a blank and the regional long time; elsewhere
// "dd/mm/yyyy hh:mm:ss".
std::string FechaExportacion();

}  // namespace ph
