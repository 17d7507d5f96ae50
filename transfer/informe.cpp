#include "transfer/informe.h"

#include "common/carpeta.h"
#include "common/escritura_atomica.h"

namespace ph {

const char* TituloCategoria(Categoria c) {
    switch (c) {
        case Categoria::LineasOtraPlantilla: return "Líneas de horario de otras plantillas omitidas";
        case Categoria::LineaSinAsignacion: return "Líneas de horario de grupo sin asignación";
        case Categoria::LineaDocenteDesconocido: return "Líneas de horario de grupo con docente desconocido";
        case Categoria::LineaAulaDesconocida: return "Líneas de horario de grupo con aula desconocida";
        case Categoria::OcupacionDesconocida: return "Líneas de horario de ocupación con ocupación desconocida";
        case Categoria::OcupacionDocenteDesconocido: return "Líneas de horario de ocupación con docente desconocido";
        case Categoria::AsignacionSinLineas: return "Asignaciones quitadas por no tener líneas de horario";
        case Categoria::TutorNoEncontrado: return "Tutores que no son docentes del centro";
        case Categoria::GrupoSinCurso: return "Grupos sin curso asociado";
        case Categoria::CursoOmitido: return "Cursos omitidos";
        case Categoria::ContenidoSinCodigo: return "Contenidos sin código de asignatura";
        case Categoria::NivelBorrado: return "Contenidos compartidos con nivel o curso borrado";
        case Categoria::CodigoRenumerado: return "Códigos cortos renumerados";
        case Categoria::OcupacionNombreRepetido: return "Ocupaciones omitidas por nombre repetido";
        case Categoria::GrupoQuitado: return "Grupos quitados por no tener clases";
        case Categoria::DocenteQuitado: return "Docentes quitados por no tener clases";
        case Categoria::DocumentoRepetido: return "Docentes con documento repetido";
        case Categoria::SolucionGrupoDesconocido: return "Filas de la solución con grupo desconocido";
        case Categoria::SolucionAsignaturaDesconocida: return "Filas de la solución con asignatura u ocupación desconocida";
        case Categoria::SolucionDocenteDesconocido: return "Filas de la solución con docente desconocido";
        case Categoria::SolucionAulaDesconocida: return "Filas de la solución con aula desconocida";
        case Categoria::SolucionSesionDesconocida: return "Filas de la solución con sesión desconocida";
        case Categoria::SolucionSinDiaHora: return "Filas de la solución sin día o sin hora";
        case Categoria::SolucionDiaFueraDeSemana: return "Filas de la solución con día fuera de la semana";
    }
    return "";
}

const std::vector<Categoria>& TodasCategorias() {
    static const std::vector<Categoria> todas = [] {
        std::vector<Categoria> v;
        for (int c = 0; c <= int(Categoria::SolucionDiaFueraDeSemana); ++c) v.push_back(Categoria(c));
        return v;
    }();
    return todas;
}

void Informe::Anotar(Categoria c, std::string elemento, std::string consecuencia) {
    avisos_.push_back({c, std::move(elemento), std::move(consecuencia), 1});
}

void Informe::Contar(Categoria c, const std::string& elemento, const std::string& consecuencia) {
    auto [it, nuevo] = contados_.try_emplace({c, elemento}, avisos_.size());
    if (nuevo) avisos_.push_back({c, elemento, consecuencia, 1});
    else ++avisos_[it->second].cantidad;
}

long Informe::Total(Categoria c) const {
    long n = 0;
    for (const Aviso& a : avisos_)
        if (a.categoria == c) n += a.cantidad;
    return n;
}

std::vector<std::pair<std::string, long>> Informe::Resumen() const {
    std::map<int, long> n;
    for (const Aviso& a : avisos_) n[int(a.categoria)] += a.cantidad;
    std::vector<std::pair<std::string, long>> r;
    for (const auto& [c, total] : n) r.emplace_back(TituloCategoria(Categoria(c)), total);
    return r;
}

namespace {

// A field in quotes when it holds the separator, a quote or a line break; quotes doubled.
std::string CampoCsv(const std::string& s) {
    if (s.find_first_of(";\"\r\n") == std::string::npos) return s;
    std::string r = "\"";
    for (char c : s) {
        if (c == '"') r += '"';
        r += c;
    }
    return r + "\"";
}

}  // namespace

void Informe::GuardarCsv(const std::string& ruta) const {
    std::string texto = "\xEF\xBB\xBF" "Categoría;Elemento;Consecuencia;Cantidad\r\n";
    for (const Aviso& a : avisos_)
        texto += CampoCsv(TituloCategoria(a.categoria)) + ';' + CampoCsv(a.elemento) + ';' +
                 CampoCsv(a.consecuencia) + ';' + std::to_string(a.cantidad) + "\r\n";
    EscrituraAtomica archivo(ruta);
    archivo.Escribir(texto.data(), texto.size());
    archivo.Terminar();
}

std::string RutaInforme(const std::string& rutaCentro, const std::string& sentido) {
    std::string nombre = NombreDe(rutaCentro);
    const size_t punto = nombre.rfind('.');
    if (punto != std::string::npos && punto > 0) nombre.erase(punto);
    return CarpetaDe(rutaCentro) + nombre + "_informe_" + sentido + ".csv";
}

std::string TextoResumen(const Informe& informe) {
    if (informe.Vacio()) return "Sin avisos: la transferencia no ha omitido ni cambiado ningún dato.\n";
    std::string texto;
    for (const auto& [titulo, total] : informe.Resumen()) texto += titulo + ": " + std::to_string(total) + "\n";
    return texto;
}

}  // namespace ph
