// Every input kept from the fuzzers, replayed through the same code: those they once found
// a fault with, and small inputs that reach deep into the transfer. Each must end
// normally (an error raised as ph::Error is a normal end). A folder with nothing to
// replay is a failure: the replay would prove nothing.
#include "apoyo/apoyo.h"
#include "fuzz/objetivos.h"
#include "transfer/tablas_trabajo.h"

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
    EXPECT_FALSE(r.empty()) << "no hay entradas que repetir en " << carpeta.string();
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

// At least one kept solution passes every lookup and becomes entries of the schedule.
TEST(RegresionesFuzz, Soluciones) {
    prueba::CarpetaTemporal tmp;
    fuzz::PrepararTablasSolucion(tmp.ruta());
    int conEntradas = 0;
    for (const auto& ruta : Hallazgos("solucion")) {
        SCOPED_TRACE(ruta);
        std::string b = Bytes(ruta);
        if (fuzz::ProbarSolucion(reinterpret_cast<const uint8_t*>(b.data()), b.size(), tmp.ruta()) > 0)
            ++conEntradas;
    }
    EXPECT_GE(conEntradas, 1);
}

// At least one kept centre file goes through every stage to assignments and a frame.
TEST(RegresionesFuzz, ArchivosDeCentro) {
    int hastaElFinal = 0;
    for (const auto& ruta : Hallazgos("centro")) {
        SCOPED_TRACE(ruta);
        prueba::CarpetaTemporal tmp;
        std::string b = Bytes(ruta);
        fuzz::ProbarCentro(reinterpret_cast<const uint8_t*>(b.data()), b.size(), tmp.ruta());
        long asignaciones = 0, sesiones = 0;
        for (const auto& [tabla, filas] : ContarFilas(tmp.ruta())) {
            if (tabla == "ASIGT") asignaciones = filas;
            if (tabla == "DIASHORAST") sesiones = filas;
        }
        if (asignaciones > 0 && sesiones > 0) ++hastaElFinal;
    }
    EXPECT_GE(hastaElFinal, 1);
}
