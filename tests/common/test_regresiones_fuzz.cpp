// Every input the fuzzers found a fault with, replayed through the same code: each must
// now end normally (an error raised as ph::Error is a normal end).
#include "apoyo/apoyo.h"
#include "fuzz/objetivos.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;
using namespace ph;

namespace {

std::vector<std::string> Hallazgos(const char* tipo) {
    std::vector<std::string> r;
    fs::path carpeta = fs::path(PH_FUENTES) / "tests/fuzz/regresiones" / tipo;
    for (const auto& e : fs::directory_iterator(carpeta))
        if (e.is_regular_file() && e.path().filename() != "LEEME") r.push_back(e.path().string());
    std::sort(r.begin(), r.end());
    return r;
}

std::string Bytes(const std::string& ruta) { return prueba::LeerArchivo(ruta); }

}  // namespace

TEST(RegresionesFuzz, TablasDbf) {
    prueba::CarpetaTemporal tmp;
    for (const auto& ruta : Hallazgos("dbf")) {
        SCOPED_TRACE(ruta);
        std::string b = Bytes(ruta);
        fuzz::ProbarDbf(reinterpret_cast<const uint8_t*>(b.data()), b.size(), tmp.ruta());
    }
}

TEST(RegresionesFuzz, Soluciones) {
    prueba::CarpetaTemporal tmp;
    fuzz::PrepararTablasSolucion(tmp.ruta());
    for (const auto& ruta : Hallazgos("solucion")) {
        SCOPED_TRACE(ruta);
        std::string b = Bytes(ruta);
        fuzz::ProbarSolucion(reinterpret_cast<const uint8_t*>(b.data()), b.size(), tmp.ruta());
    }
}

TEST(RegresionesFuzz, ArchivosDeCentro) {
    prueba::CarpetaTemporal tmp;
    for (const auto& ruta : Hallazgos("centro")) {
        SCOPED_TRACE(ruta);
        std::string b = Bytes(ruta);
        fuzz::ProbarCentro(reinterpret_cast<const uint8_t*>(b.data()), b.size(), tmp.ruta());
    }
}
