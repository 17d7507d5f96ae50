// Any bytes as Sesionix's solution table, read through fixed work tables.
#include "common/dbf.h"
#include "common/error.h"
#include "common/tablas_trabajo.h"
#include "export/lectura_solucion.h"
#include "fuzz_comun.h"
#include "import/etapas.h"

namespace {

void Fila(ph::TablaDbf& t, std::initializer_list<std::pair<const char*, const char*>> valores) {
    t.Append();
    for (const auto& [campo, valor] : valores) t.SetString(campo, valor);
    t.Post();
}

// Small work tables: one group, one subject, one occupation, one teacher, one room, a
// frame of two sessions.
void PrepararTablas(const std::string& carpeta) {
    using namespace ph;
    for (const TablaTrabajo* t : TablasTrabajo()) CrearTablaTrabajo(carpeta, *t);
    TablaDbf t;
    AbrirTabla(t, carpeta, "GRUPOST");
    Fila(t, {{"ABREV", "1A"}, {"CLAVE", "G1A"}, {"CLAVECURSO", "C1"}, {"ENSENANZA", "ESO"}});
    t.Cerrar();
    AbrirTabla(t, carpeta, "ASIGNOMT");
    Fila(t, {{"COD", "MAT"}, {"ABREV_ITACA", "MAT1"}});
    Fila(t, {{"COD", "*479"}, {"ABREV_ITACA", "OC479"}});
    t.Cerrar();
    AbrirTabla(t, carpeta, "PROFT");
    Fila(t, {{"ABREV", "GLP"}, {"DNI", "111A"}, {"ENSENANZA", "ESO"}});
    t.Cerrar();
    AbrirTabla(t, carpeta, "AULAT");
    Fila(t, {{"ABREV", "A1"}, {"ABREV_ITACA", "AULA1"}});
    t.Cerrar();
    CrearDiasHoras(carpeta, {" 1 de 08:00 a 08:55", " 2 de 08:55 a 09:50"}, "MATI", "VALENCIÁ");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t n) {
    const std::string& carpeta = ph::fuzz::Carpeta("solucion");
    static bool preparado = (PrepararTablas(carpeta), true);
    (void)preparado;
    ph::fuzz::Escribir(carpeta + "/SOLUC.DBF", datos, n);
    try {
        ph::TablaDbf soluc, grupos, prof, aulas, asig, dias;
        ph::AbrirTabla(soluc, carpeta, "SOLUC");
        ph::AbrirTabla(grupos, carpeta, "GRUPOST");
        ph::AbrirTabla(prof, carpeta, "PROFT");
        ph::AbrirTabla(aulas, carpeta, "AULAT");
        ph::AbrirTabla(asig, carpeta, "ASIGNOMT");
        ph::AbrirTabla(dias, carpeta, "DIASHORAST");
        ph::TablasExportacion t{soluc, grupos, prof, aulas, asig, dias};
        (void)ph::LeerHorariosGrupo(t, "MATI");
        (void)ph::LeerHorariosOcupaciones(t, "MATI");
    } catch (const ph::Error&) {
    }
    return 0;
}
