#include "apoyo/apoyo.h"

#include "common/xml.h"
#include "import/plantillas.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>

namespace ph::prueba {

CarpetaTemporal::CarpetaTemporal() {
    std::string plantilla = (std::filesystem::temp_directory_path() / "ph-prueba-XXXXXX").string();
    std::vector<char> buf(plantilla.begin(), plantilla.end());
    buf.push_back('\0');
    if (!mkdtemp(buf.data())) throw std::runtime_error("mkdtemp");
    ruta_ = buf.data();
}

CarpetaTemporal::~CarpetaTemporal() {
    std::error_code ec;
    // Give back write rights that a test may have taken away, then remove.
    for (auto it = std::filesystem::recursive_directory_iterator(ruta_, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
        std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
    std::filesystem::permissions(ruta_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(ruta_, ec);
}

void EscribirArchivo(const std::string& ruta, const std::string& contenido) {
    std::ofstream f(ruta, std::ios::binary);
    if (!f) throw std::runtime_error("no se puede escribir " + ruta);
    f << contenido;
}

std::string LeerArchivo(const std::string& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    if (!f) throw std::runtime_error("no se puede leer " + ruta);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

int Ejecutar(const std::string& orden, std::string* salida) {
    std::string completa = orden + " 2>&1";
    FILE* p = popen(completa.c_str(), "r");
    if (!p) return -1;
    std::array<char, 4096> buf;
    std::string texto;
    size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) texto.append(buf.data(), n);
    int estado = pclose(p);
    if (salida) *salida = texto;
    return WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
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
