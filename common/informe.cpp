#include "common/informe.h"

#include "common/carpeta.h"
#include "common/error.h"

#include <cstdio>
#include <fstream>

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

void Informe::Anotar(Categoria c, std::string elemento, std::string consecuencia) {
    avisos_.push_back({c, std::move(elemento), std::move(consecuencia)});
}

void Informe::Contar(Categoria c, const std::string& clave, const std::string& consecuencia) {
    Cuenta& k = cuentas_[{c, clave}];
    ++k.n;
    k.consecuencia = consecuencia;
}

void Informe::Cerrar() {
    for (const auto& [clave, cuenta] : cuentas_)
        avisos_.push_back({clave.first, clave.second + " (" + std::to_string(cuenta.n) + ")", cuenta.consecuencia});
    cuentas_.clear();
}

std::vector<std::pair<std::string, long>> Informe::Resumen() const {
    std::map<int, long> n;
    for (const Aviso& a : avisos_) ++n[int(a.categoria)];
    for (const auto& [clave, cuenta] : cuentas_) n[int(clave.first)] += 1;
    std::vector<std::pair<std::string, long>> r;
    for (const auto& [c, total] : n) r.emplace_back(TituloCategoria(Categoria(c)), total);
    return r;
}

namespace {

std::string CampoCsv(const std::string& s) {
    bool comillas = s.find_first_of(";\"\r\n") != std::string::npos;
    if (!comillas) return s;
    std::string r = "\"";
    for (char c : s) {
        if (c == '"') r += '"';
        r += c;
    }
    return r + "\"";
}

}  // namespace

void Informe::GuardarCsv(const std::string& ruta) const {
    const std::string temporal = ruta + ".tmp";
    {
        std::ofstream f(RutaNativa(temporal), std::ios::binary | std::ios::trunc);
        if (!f) throw Error("No se puede escribir el informe «" + ruta + "».");
        f << "\xEF\xBB\xBF" << "Categoría;Elemento;Consecuencia\r\n";
        for (const Aviso& a : avisos_)
            f << CampoCsv(TituloCategoria(a.categoria)) << ';' << CampoCsv(a.elemento) << ';'
              << CampoCsv(a.consecuencia) << "\r\n";
        f.flush();
        if (!f) {
            f.close();
            BorrarSiExiste(temporal);
            throw Error("No se puede escribir el informe «" + ruta + "».");
        }
    }
    if (std::rename(temporal.c_str(), ruta.c_str()) != 0) {
        BorrarSiExiste(temporal);
        throw Error("No se puede escribir el informe «" + ruta + "».");
    }
}

}  // namespace ph
