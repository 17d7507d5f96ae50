// The schedule file writer: the centre document's root is replaced by the group and
// occupation timetables of the export, and the document is saved next to the centre file
// as "ResultadoSesionix" + its name. Everything outside the root stays as it was.
#include "export/guardar_resultado.h"

#include "common/carpeta.h"
#include "transfer/centro.h"

namespace ph {

std::string RutaResultado(const std::string& rutaCentro) {
    return CarpetaDe(rutaCentro) + "ResultadoSesionix" + NombreDe(rutaCentro);
}

namespace {

// The element name at step k of an absolute section path: Paso("/centro/a/b", 1) is "a".
std::string Paso(const std::string& ruta, int k) {
    size_t i = 0;
    for (int n = 0; n <= k; ++n) i = ruta.find('/', i) + 1;
    return ruta.substr(i, ruta.find('/', i) - i);
}

void PonerAtributos(NodoXml n, const EntradaHorarioGrupo& e) {
    namespace a = centro::horario_grupo;
    n.PonerAtributo(a::plantilla, e.plantilla);
    n.PonerAtributo(a::dia_semana, e.dia_semana);
    n.PonerAtributo(a::sesion_orden, e.sesion_orden);
    n.PonerAtributo(a::hora_desde, e.hora_desde);
    n.PonerAtributo(a::hora_hasta, e.hora_hasta);
    n.PonerAtributo(a::grupo, e.grupo);
    n.PonerAtributo(a::ensenanza, e.ensenanza);
    n.PonerAtributo(a::curso, e.curso);
    n.PonerAtributo(a::contenido, e.contenido);
    n.PonerAtributo(a::docente, e.docente);
    n.PonerAtributo(a::aula, e.aula);
    n.PonerAtributo(a::idioma, std::string());
}

void PonerAtributos(NodoXml n, const EntradaHorarioOcupacion& e) {
    namespace a = centro::horario_ocupacion;
    n.PonerAtributo(a::plantilla, e.plantilla);
    n.PonerAtributo(a::dia_semana, e.dia_semana);
    n.PonerAtributo(a::sesion_orden, e.sesion_orden);
    n.PonerAtributo(a::hora_desde, e.hora_desde);
    n.PonerAtributo(a::hora_hasta, e.hora_hasta);
    n.PonerAtributo(a::docente, e.docente);
    n.PonerAtributo(a::ensenanza, e.ensenanza);
    n.PonerAtributo(a::ocupacion, e.ocupacion);
}

// Adds to the root the section that the centre file's path names and in it, in order,
// one element of the path's name per entry.
template <class Entrada>
void AnadirSeccion(DocumentoXml& doc, NodoXml raiz, const std::string& ruta, const std::vector<Entrada>& entradas) {
    const std::string nombre = Paso(ruta, 2);
    NodoXml seccion = doc.CrearElemento(Paso(ruta, 1));
    raiz.AnadirHijo(seccion);
    for (const Entrada& e : entradas) {
        NodoXml n = doc.CrearElemento(nombre);
        PonerAtributos(n, e);
        seccion.AnadirHijo(n);
    }
}

}  // namespace

void GuardarResultado(DocumentoXml& doc, const DatosCentro& datos,
                      const std::vector<EntradaHorarioGrupo>& grupos,
                      const std::vector<EntradaHorarioOcupacion>& ocupaciones,
                      const std::string& rutaCentro) {
    doc.QuitarRaiz();

    NodoXml raiz = doc.CrearElemento(centro::kCentro);
    raiz.PonerAtributo(centro::raiz::codigo, datos.codigo);
    raiz.PonerAtributo(centro::raiz::denominacion, datos.denominacion);
    raiz.PonerAtributo(centro::raiz::curso, datos.curso);
    raiz.PonerAtributo(centro::raiz::fecha_exportacion, datos.fecha_exportacion);
    raiz.PonerAtributo(centro::raiz::version, datos.version);
    doc.PonerRaiz(raiz);

    AnadirSeccion(doc, raiz, centro::kHorariosGrupo, grupos);
    AnadirSeccion(doc, raiz, centro::kHorariosOcupacion, ocupaciones);

    doc.Guardar(RutaResultado(rutaCentro));
}

}  // namespace ph
