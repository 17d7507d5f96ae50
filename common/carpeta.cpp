#include "common/carpeta.h"

#include "common/plataforma.h"
#include "common/texto.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace ph {

namespace {
#ifdef _WIN32
constexpr char kSep = '\\';
bool EsSeparador(char c) { return c == '\\' || c == '/'; }
#else
constexpr char kSep = '/';
bool EsSeparador(char c) { return c == '/'; }
#endif
}  // namespace

fs::path RutaNativa(const std::string& ruta) {
#ifdef _WIN32
    return fs::path(std::u8string(ruta.begin(), ruta.end()));
#else
    return fs::path(ruta);
#endif
}

std::string TextoDeRuta(const fs::path& ruta) {
#ifdef _WIN32
    std::u8string u = ruta.u8string();
    return std::string(u.begin(), u.end());
#else
    return ruta.string();
#endif
}

std::string CarpetaIntercambio() {
    if (auto v = VariableDeEntorno("PASAHORARIO_STEMP"); v && !v->empty()) return *v;
#ifdef _WIN32
    return "\\STEMP";
#else
    return "/STEMP";
#endif
}

std::string Unir(const std::string& carpeta, const std::string& nombre) {
    if (carpeta.empty()) return nombre;
    if (EsSeparador(carpeta.back())) return carpeta + nombre;
    return carpeta + kSep + nombre;
}

std::string BuscarEnCarpeta(const std::string& carpeta, const std::string& nombre) {
    std::string exacta = Unir(carpeta, nombre);
    std::error_code ec;
    if (fs::exists(RutaNativa(exacta), ec)) return exacta;
    const std::string buscado = MinusculasAscii(nombre);
    fs::directory_iterator it(RutaNativa(carpeta.empty() ? "." : carpeta), ec), fin;
    for (; !ec && it != fin; it.increment(ec)) {
        std::string n = TextoDeRuta(it->path().filename());
        if (MinusculasAscii(n) == buscado) return Unir(carpeta, n);
    }
    return exacta;
}

bool ExisteArchivo(const std::string& ruta) {
    if (ruta.empty()) return false;
    std::error_code ec;
    return fs::is_regular_file(RutaNativa(ruta), ec);
}

bool ExisteCarpeta(const std::string& ruta) {
    std::error_code ec;
    return fs::is_directory(RutaNativa(ruta), ec);
}

void BorrarSiExiste(const std::string& ruta) {
    std::error_code ec;
    fs::remove(RutaNativa(ruta), ec);
}

std::string CarpetaDe(const std::string& ruta) {
    size_t i = ruta.size();
    while (i > 0 && !EsSeparador(ruta[i - 1])) --i;
    return ruta.substr(0, i);
}

std::string NombreDe(const std::string& ruta) { return ruta.substr(CarpetaDe(ruta).size()); }

}  // namespace ph
