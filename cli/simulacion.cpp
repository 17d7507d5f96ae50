// The trial run (--simular).
#include "cli/simulacion.h"

#include "common/carpeta.h"
#include "common/error.h"
#include "transfer/tablas_trabajo.h"

#include <algorithm>
#include <filesystem>
#include <random>
#include <system_error>

namespace fs = std::filesystem;

namespace ph::cli {

Simulacion::Simulacion() {
    std::error_code ec;
    const fs::path base = fs::temp_directory_path(ec);
    if (ec) throw Error("No se puede preparar la simulación: no hay carpeta temporal (" + ec.message() + ").");
    std::random_device azar;
    for (int intento = 0; intento < 100 && raiz_.empty(); ++intento) {
        const fs::path candidata = base / ("pasahorario-simulacion-" + std::to_string(azar()));
        if (fs::create_directory(candidata, ec)) raiz_ = TextoDeRuta(candidata);
    }
    if (raiz_.empty())
        throw Error("No se puede preparar la simulación: no se puede crear una carpeta en «" + TextoDeRuta(base) + "».");
    carpeta_ = Unir(raiz_, "STEMP");
    if (!fs::create_directory(RutaNativa(carpeta_), ec))
        throw Error("No se puede preparar la simulación: no se puede crear «" + carpeta_ + "».");
}

Simulacion::~Simulacion() {
    std::error_code ec;
    fs::remove_all(RutaNativa(raiz_), ec);
}

void Simulacion::Sustituir(const std::string& deEnsayo, const std::string& real) {
    sustituciones_.emplace_back(deEnsayo, real);
    std::stable_sort(sustituciones_.begin(), sustituciones_.end(),
                     [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
}

void Simulacion::SustituyeCarpeta(const std::string& carpetaReal) { Sustituir(carpeta_, carpetaReal); }

void Simulacion::CopiarTablas(const std::string& carpetaReal, const std::vector<std::string>& nombres) {
    for (const std::string& nombre : nombres) {
        const std::string origen = RutaTabla(carpetaReal, nombre);
        if (!ExisteArchivo(origen)) continue;
        const std::string destino = Unir(carpeta_, NombreDe(origen));
        std::error_code ec;
        if (!fs::copy_file(RutaNativa(origen), RutaNativa(destino), fs::copy_options::overwrite_existing, ec))
            throw Error("No se puede copiar la tabla «" + origen + "» para la simulación: " + ec.message() + ".");
    }
}

std::string Simulacion::CopiarCentro(const std::string& rutaCentro) {
    if (!ExisteArchivo(rutaCentro)) return rutaCentro;
    const std::string carpeta = Unir(raiz_, "centro");
    std::error_code ec;
    fs::create_directory(RutaNativa(carpeta), ec);
    const std::string copia = Unir(carpeta, NombreDe(rutaCentro));
    if (!fs::copy_file(RutaNativa(rutaCentro), RutaNativa(copia), fs::copy_options::overwrite_existing, ec))
        throw Error("No se puede copiar el archivo de centro «" + rutaCentro + "» para la simulación: " +
                    ec.message() + ".");
    Sustituir(copia, rutaCentro);
    Sustituir(CarpetaDe(copia), CarpetaDe(rutaCentro));
    return copia;
}

std::string Simulacion::Real(std::string texto) const {
    for (const auto& [deEnsayo, real] : sustituciones_) {
        if (deEnsayo.empty()) continue;
        for (size_t i = texto.find(deEnsayo); i != std::string::npos; i = texto.find(deEnsayo, i + real.size()))
            texto.replace(i, deEnsayo.size(), real);
    }
    return texto;
}

}  // namespace ph::cli
