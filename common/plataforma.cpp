#include "common/plataforma.h"

#include "common/texto.h"

#include <cstdlib>

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#endif

namespace ph {

#ifdef _WIN32

namespace {
std::string DeAncho(const wchar_t* t) {
    return AUtf8(std::u16string(reinterpret_cast<const char16_t*>(t)));
}
}  // namespace

std::vector<std::string> ArgumentosDelPrograma(int, char**) {
    std::vector<std::string> r;
    int n = 0;
    wchar_t** lista = CommandLineToArgvW(GetCommandLineW(), &n);
    if (!lista) return r;
    for (int i = 1; i < n; ++i) r.push_back(DeAncho(lista[i]));
    LocalFree(lista);
    return r;
}

std::optional<std::string> VariableDeEntorno(const char* nombre) {
    const std::u16string ancho = AUtf16(nombre);
    const wchar_t* v = _wgetenv(reinterpret_cast<const wchar_t*>(ancho.c_str()));
    if (!v) return std::nullopt;
    return DeAncho(v);
}

void PrepararConsola() {
    SetConsoleOutputCP(CP_UTF8);
    SetConsoleCP(CP_UTF8);
}

#else

std::vector<std::string> ArgumentosDelPrograma(int argc, char** argv) {
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

std::optional<std::string> VariableDeEntorno(const char* nombre) {
    const char* v = std::getenv(nombre);
    if (!v) return std::nullopt;
    return std::string(v);
}

void PrepararConsola() {}

#endif

}  // namespace ph
