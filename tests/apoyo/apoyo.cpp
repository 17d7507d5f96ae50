#include "apoyo/apoyo.h"

#include "common/xml.h"
#include "transfer/plantillas.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace ph::prueba {

CarpetaTemporal::CarpetaTemporal() {
    static std::mt19937_64 azar{std::random_device{}()};
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    for (int intento = 0; intento < 100; ++intento) {
        const std::filesystem::path ruta = base / ("ph-prueba-" + std::to_string(azar() % 1000000000000ULL));
        if (std::filesystem::create_directory(ruta)) {  // false when the name is taken
            ruta_ = TextoDeRuta(ruta);
            return;
        }
    }
    throw std::runtime_error("no se puede crear una carpeta temporal en " + TextoDeRuta(base));
}

CarpetaTemporal::~CarpetaTemporal() {
    std::error_code ec;
    const std::filesystem::path ruta = RutaNativa(ruta_);
    // Give back write rights that a test may have taken away, then remove.
    for (auto it = std::filesystem::recursive_directory_iterator(ruta, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
        std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
    std::filesystem::permissions(ruta, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(ruta, ec);
}

std::string UriDeArchivo(const std::string& ruta) {
    std::string r = "file://";
#ifdef _WIN32
    r += "/";  // file:///C:/...
    for (char c : ruta) r += c == '\\' ? '/' : c;
#else
    r += ruta;
#endif
    return r;
}

ArchivoRetenido::ArchivoRetenido(const std::string& ruta, Retencion modo)
    : proceso_(Orden{{ProgramaConstruido("ph-retener-archivo"), ruta,
                      modo == Retencion::Exclusiva ? "exclusivo" : "compartido"},
                     {},
                     {}}) {
    if (proceso_.LeerLinea() != "S") throw std::runtime_error("el otro proceso no ha podido retener " + ruta);
}

void EscribirArchivo(const std::string& ruta, const std::string& contenido) {
    std::ofstream f(RutaNativa(ruta), std::ios::binary);
    if (!f) throw std::runtime_error("no se puede escribir " + ruta);
    f << contenido;
}

std::string LeerArchivo(const std::string& ruta) {
    std::ifstream f(RutaNativa(ruta), std::ios::binary);
    if (!f) throw std::runtime_error("no se puede leer " + ruta);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

EleccionPlantilla DialogosGuion::ElegirPlantilla(const std::string& rutaCentro, bool exportacion,
                                                 const std::string& idiomaVentana) {
    ++plantillasPedidas;
    DocumentoXml doc;
    doc.Cargar(rutaCentro);
    std::string texto;
    if (fijarPlantilla) {
        texto = plantilla;
    } else if (!exportacion) {
        auto codigos = CodigosPlantilla(doc);
        if (!codigos.empty()) texto = codigos.front();
    }
    std::string lengua = exportacion ? idiomaVentana : idioma;
    return ElegirPlantillaSinVentana(doc, texto, lengua);
}

bool DialogosGuion::PreguntarTodasPlantillas(const std::string& mensaje) {
    preguntas.push_back(mensaje);
    return todasPlantillas;
}

bool DialogosGuion::PreguntarQuitarSinClases(const std::string& mensaje) {
    preguntas.push_back(mensaje);
    return quitarSinClases;
}

std::string DialogosGuion::ConfirmarCurso(const std::string& cursoActual) {
    ++cursosPedidos;
    return cambiarCurso ? curso : cursoActual;
}

void DialogosGuion::Mensaje(const std::string& texto) { mensajes.push_back(texto); }

}  // namespace ph::prueba
