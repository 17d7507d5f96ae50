#include "import/asignaciones.h"

#include "common/texto.h"
#include "transfer/tablas_trabajo.h"

namespace ph {

namespace {

// Four one-period sessions: the provisional session string of a subject's row.
constexpr const char* kSesionesProvisionales = "1111";
// The task code of every teaching row.
constexpr const char* kTareaClase = "*479";

}  // namespace

GrupoAsignacion LeerGrupoAsignacion(const TablaDbf& grupos) {
    return {grupos.AsString("ABREV"), grupos.AsString("TURNO"), grupos.AsString("NIVEL"), grupos.AsString("CURSO"),
            grupos.AsString("GRUPO")};
}

void AnadirAsignacion(TablaDbf& asigt, const GrupoAsignacion& grupo, const Asignacion& a) {
    asigt.Append();
    PonerTextos(asigt, {{"CASIG", a.casig}, {"CPROF", a.cprof}, {"CGRUP", grupo.abrev}, {"CAULA", a.caula},
                        {"TURNO", grupo.turno}, {"NIVEL", grupo.nivel}, {"CURSO", grupo.curso}, {"GRUPO", grupo.grupo},
                        {"SESIONES", kSesionesProvisionales}, {"CLAVE", a.clave}, {"CLAVECURSO", a.claveCurso},
                        {"CTAREA", kTareaClase}, {"ASIG_ITACA", a.asigItaca}});
    asigt.SetFloat("HORAS", a.horas);
    asigt.Post();
}

bool DeOtraPlantilla(const ContextoImportacion& ctx, const PlantillaElegida& plantilla, const NodoXml& linea,
                     const char* atributo, const char* clase) {
    if (!plantilla.soloSusLineas) return false;
    const std::string suya = AllTrim(linea.Atributo(atributo));
    if (suya == plantilla.codigo) return false;
    ctx.avisos.Contar(Categoria::LineasOtraPlantilla, std::string(clase) + " de la plantilla " + Citar(suya),
                      "no se aplican: solo se importa la plantilla " + Citar(plantilla.codigo));
    return true;
}

}  // namespace ph
