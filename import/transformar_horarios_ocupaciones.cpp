// ASIGT from the occupation timetables: one row per teacher and occupation counting its
// periods; then the session string of every row is rebuilt from its periods.
#include "common/dbf/dbf.h"
#include "common/texto.h"
#include "import/asignaciones.h"
#include "import/etapas.h"
#include "transfer/centro.h"
#include "transfer/tablas_trabajo.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace ph {

namespace {

constexpr int kMaxSesiones = 14;
constexpr std::int64_t kMaxPeriodosSesion = 9;

// Whole periods of a row: HORAS rounded up, at least one. Absurd values are held to a
// size the session string can still be built from. 64-bit on every system: `long` has 32
// bits on Windows.
std::int64_t PeriodosDe(double horas) {
    if (!(horas >= 1)) return 1;
    if (horas > 1e12) return std::int64_t{1000000000000};
    return static_cast<std::int64_t>(std::ceil(horas));
}

// Every row's session string rebuilt from its periods.
void ReconstruirSesiones(TablaDbf& asigt) {
    for (asigt.First(); !asigt.Eof(); asigt.Next()) {
        asigt.Edit();
        asigt.SetString("SESIONES", CadenaSesiones(PeriodosDe(asigt.AsFloat("HORAS"))));
        asigt.Post();
    }
}

}  // namespace

std::string CadenaSesiones(std::int64_t n) {
    if (n < 1) n = 1;
    if (n <= kMaxSesiones) return std::string(size_t(n), '1');
    // Fourteen sessions of n div 14 periods, the remainder on the first; a session above
    // nine periods keeps nine and passes the rest on to the next; the last keeps nine at most.
    const std::int64_t b = n / kMaxSesiones;
    std::vector<std::int64_t> sesiones(kMaxSesiones, b);
    sesiones[0] = n - (kMaxSesiones - 1) * b;
    for (int i = 0; i + 1 < kMaxSesiones; ++i) {
        if (sesiones[size_t(i)] > kMaxPeriodosSesion) {
            sesiones[size_t(i) + 1] += sesiones[size_t(i)] - kMaxPeriodosSesion;
            sesiones[size_t(i)] = kMaxPeriodosSesion;
        }
    }
    std::string s;
    for (std::int64_t p : sesiones) s.push_back(char('0' + std::min(p, kMaxPeriodosSesion)));
    return s;
}

void TransformarHorariosOcupaciones(ContextoImportacion& ctx, const PlantillaElegida& plantilla) {
    namespace ho = centro::horario_ocupacion;
    const std::vector<NodoXml> lineas = ctx.documento.Seleccionar(centro::kHorariosOcupacion);
    if (lineas.empty()) return;

    TablaDbf nombres, asigt, profesores;
    AbrirTabla(nombres, ctx.carpeta, TablaASIGNOMT().nombre);
    AbrirTabla(asigt, ctx.carpeta, TablaASIGT().nombre);
    AbrirTabla(profesores, ctx.carpeta, TablaPROFT().nombre);

    for (const NodoXml& l : lineas) {
        if (DeOtraPlantilla(ctx, plantilla, l, ho::plantilla, "horario_ocupacion")) continue;
        const std::string ocupacion = AllTrim(l.Atributo(ho::ocupacion));
        const std::string docente = AllTrim(l.Atributo(ho::docente));
        const std::string cod = CampoBuscado(nombres, "ABREV_ITACA", ocupacion, "COD");
        const std::string profesor = CampoBuscado(profesores, "DNI", docente, "ABREV");
        if (cod.empty())
            ctx.avisos.Anotar(Categoria::OcupacionDesconocida,
                              "ocupación " + Citar(ocupacion) + ", docente " + Citar(docente),
                              "no está entre las ocupaciones importadas: la hora se cuenta sin código de ocupación");
        if (profesor.empty())
            ctx.avisos.Anotar(Categoria::OcupacionDocenteDesconocido,
                              "docente " + Citar(docente) + ", ocupación " + Citar(ocupacion),
                              "no es docente del centro: la hora se cuenta sin docente");

        // Any row of the teacher with this ITACA code counts, a subject row included.
        if (asigt.Locate("CPROF;ASIG_ITACA", {profesor, ocupacion})) {
            asigt.Edit();
            asigt.SetFloat("HORAS", asigt.AsFloat("HORAS") + 1);
            asigt.SetString("SESIONES", asigt.AsString("SESIONES") + "1");
            asigt.Post();
        } else {
            asigt.Append();
            asigt.SetString("CASIG", cod);
            asigt.SetString("CPROF", profesor);
            asigt.SetFloat("HORAS", 1);
            asigt.SetString("SESIONES", "1");
            asigt.SetString("CTAREA", cod);
            asigt.SetString("ASIG_ITACA", ocupacion);
            asigt.Post();
        }
    }

    ReconstruirSesiones(asigt);
    nombres.Cerrar();
    asigt.Cerrar();
    profesores.Cerrar();
}

}  // namespace ph
