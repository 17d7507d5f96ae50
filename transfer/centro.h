#pragma once
// The ITACA centre file: the paths of its sections and the names of the attributes read.
namespace ph::centro {

// Sections (absolute child paths).
inline constexpr const char* kRaiz = "/centro";
inline constexpr const char* kPlantillas = "/centro/plantillas_horario/plantilla_horario";
inline constexpr const char* kSesiones = "/centro/sesiones_horario/sesion_horario";
inline constexpr const char* kDocentes = "/centro/docentes/docente";
inline constexpr const char* kCursos = "/centro/cursos/curso";
inline constexpr const char* kEnsenanzas = "/centro/ensenanzas/ensenanza";
inline constexpr const char* kCursosGrupo = "/centro/cursos_grupo/curso_grupo";
inline constexpr const char* kGrupos = "/centro/grupos/grupo";
inline constexpr const char* kContenidos = "/centro/contenidos/contenido";
inline constexpr const char* kOcupaciones = "/centro/ocupaciones/ocupacion";
inline constexpr const char* kAulas = "/centro/aulas/aula";
inline constexpr const char* kHorariosGrupo = "/centro/horarios_grupo/horario_grupo";
inline constexpr const char* kHorariosOcupacion = "/centro/horarios_ocupaciones/horario_ocupacion";

// Root element name.
inline constexpr const char* kCentro = "centro";

// Attributes, by the element that carries them.
namespace raiz {
inline constexpr const char* codigo = "codigo";
inline constexpr const char* denominacion = "denominacion";
inline constexpr const char* curso = "curso";
inline constexpr const char* fecha_exportacion = "fecha_exportacion";
inline constexpr const char* version = "version";
}  // namespace raiz

namespace plantilla_horario {
inline constexpr const char* codigo = "codigo";
inline constexpr const char* descripcion_val = "descripcion_val";
inline constexpr const char* descripcion_cas = "descripcion_cas";
inline constexpr const char* turno = "turno";
}  // namespace plantilla_horario

namespace sesion_horario {
inline constexpr const char* plantilla = "plantilla";
inline constexpr const char* dia_semana = "dia_semana";
inline constexpr const char* sesion_orden = "sesion_orden";
inline constexpr const char* hora_desde = "hora_desde";
inline constexpr const char* hora_hasta = "hora_hasta";
}  // namespace sesion_horario

namespace docente {
inline constexpr const char* apellido1 = "apellido1";
inline constexpr const char* apellido2 = "apellido2";
inline constexpr const char* nombre = "nombre";
inline constexpr const char* tipo_docente = "tipo_docente";
inline constexpr const char* fecha_ingreso = "fecha_ingreso";
inline constexpr const char* documento = "documento";
inline constexpr const char* ensenanza = "ensenanza";
inline constexpr const char* email1 = "email1";
inline constexpr const char* email2 = "email2";
}  // namespace docente

namespace curso {
inline constexpr const char* codigo = "codigo";
inline constexpr const char* padre = "padre";
inline constexpr const char* abreviatura = "abreviatura";
inline constexpr const char* ensenanza = "ensenanza";
}  // namespace curso

namespace ensenanza {
inline constexpr const char* ensenanza = "ensenanza";
inline constexpr const char* abreviatura = "abreviatura";
}  // namespace ensenanza

namespace curso_grupo {
inline constexpr const char* grupo = "grupo";
inline constexpr const char* curso = "curso";
}  // namespace curso_grupo

namespace grupo {
inline constexpr const char* codigo = "codigo";
inline constexpr const char* nombre = "nombre";
inline constexpr const char* turno = "turno";
inline constexpr const char* ensenanza = "ensenanza";
inline constexpr const char* tutor_ppal = "tutor_ppal";
inline constexpr const char* tutor_sec = "tutor_sec";
}  // namespace grupo

namespace contenido {
inline constexpr const char* codigo = "codigo";
inline constexpr const char* curso = "curso";
inline constexpr const char* nombre_val = "nombre_val";
inline constexpr const char* nombre_cas = "nombre_cas";
}  // namespace contenido

namespace ocupacion {
inline constexpr const char* codigo = "codigo";
inline constexpr const char* nombre_val = "nombre_val";
inline constexpr const char* nombre_cas = "nombre_cas";
}  // namespace ocupacion

namespace aula {
inline constexpr const char* codigo = "codigo";
inline constexpr const char* nombre = "nombre";
}  // namespace aula

namespace horario_grupo {
inline constexpr const char* plantilla = "plantilla";
inline constexpr const char* dia_semana = "dia_semana";
inline constexpr const char* sesion_orden = "sesion_orden";
inline constexpr const char* hora_desde = "hora_desde";
inline constexpr const char* hora_hasta = "hora_hasta";
inline constexpr const char* grupo = "grupo";
inline constexpr const char* ensenanza = "ensenanza";
inline constexpr const char* curso = "curso";
inline constexpr const char* contenido = "contenido";
inline constexpr const char* docente = "docente";
inline constexpr const char* aula = "aula";
inline constexpr const char* idioma = "idioma";
}  // namespace horario_grupo

namespace horario_ocupacion {
inline constexpr const char* plantilla = "plantilla";
inline constexpr const char* dia_semana = "dia_semana";
inline constexpr const char* sesion_orden = "sesion_orden";
inline constexpr const char* hora_desde = "hora_desde";
inline constexpr const char* hora_hasta = "hora_hasta";
inline constexpr const char* docente = "docente";
inline constexpr const char* ensenanza = "ensenanza";
inline constexpr const char* ocupacion = "ocupacion";
}  // namespace horario_ocupacion

// Languages offered by the language combo.
inline constexpr const char* kValencia = "VALENCIÁ";
inline constexpr const char* kCastellano = "CASTELLANO";

}  // namespace ph::centro
