// The export's date and time, in the form of the user's regional settings.
#include "export/guardar_resultado.h"

#include <ctime>

#ifdef _WIN32
#include <windows.h>
#endif

namespace ph {

std::string FechaExportacion() {
#ifdef _WIN32
    wchar_t fecha[128], hora[128];
    if (GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, fecha, 128, nullptr) > 0 &&
        GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, nullptr, nullptr, hora, 128) > 0) {
        std::wstring w = std::wstring(fecha) + L" " + hora;
        int n = WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, nullptr, 0, nullptr, nullptr);
        std::string r(size_t(n > 0 ? n - 1 : 0), '\0');
        if (n > 1) WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, r.data(), n, nullptr, nullptr);
        return r;
    }
#endif
    // The Spanish regional defaults, which ITACA also writes in its own exports.
    std::time_t ahora = std::time(nullptr);
    std::tm t{};
#ifdef _WIN32
    localtime_s(&t, &ahora);
#else
    localtime_r(&ahora, &t);
#endif
    char buf[32];
    std::strftime(buf, sizeof buf, "%d/%m/%Y %H:%M:%S", &t);
    return buf;
}

}  // namespace ph
