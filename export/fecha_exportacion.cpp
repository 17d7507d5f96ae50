// The export's date and time, in the form of the user's regional settings, read from a
// clock that tests can replace.
#include "export/fecha_exportacion.h"

#include <ctime>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#endif

namespace ph {

namespace {

RelojExportacion& Reloj() {
    static RelojExportacion reloj;
    return reloj;
}

std::chrono::system_clock::time_point Ahora() {
    return Reloj() ? Reloj()() : std::chrono::system_clock::now();
}

}  // namespace

void PonerRelojExportacion(RelojExportacion reloj) { Reloj() = std::move(reloj); }

std::string FechaExportacion() {
    const std::time_t instante = std::chrono::system_clock::to_time_t(Ahora());
#ifdef _WIN32
    // The instant as the local time of this machine, then in the user's regional forms.
    ULARGE_INTEGER intervalos;
    intervalos.QuadPart = ULONGLONG(instante) * 10000000ULL + 116444736000000000ULL;
    FILETIME ft;
    ft.dwLowDateTime = intervalos.LowPart;
    ft.dwHighDateTime = intervalos.HighPart;
    SYSTEMTIME utc, local;
    wchar_t fecha[128], hora[128];
    if (FileTimeToSystemTime(&ft, &utc) && SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local) &&
        GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &local, nullptr, fecha, 128, nullptr) > 0 &&
        GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &local, nullptr, hora, 128) > 0) {
        std::wstring w = std::wstring(fecha) + L" " + hora;
        int n = WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, nullptr, 0, nullptr, nullptr);
        std::string r(size_t(n > 0 ? n - 1 : 0), '\0');
        if (n > 1) WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, r.data(), n, nullptr, nullptr);
        return r;
    }
#endif
    // The Spanish regional defaults, which ITACA also writes in its own exports.
    std::tm t{};
#ifdef _WIN32
    localtime_s(&t, &instante);
#else
    localtime_r(&instante, &t);
#endif
    char buf[32];
    std::strftime(buf, sizeof buf, "%d/%m/%Y %H:%M:%S", &t);
    return buf;
}

}  // namespace ph
