// The report of the solution reading: which rows are noted, under which category, and
// that noting changes none of the entries.
#include "export/lectura_solucion.h"

#include "apoyo/apoyo.h"
#include "apoyo/tablas_prueba.h"
#include "common/dbf/dbf.h"
#include "transfer/informe.h"
#include "transfer/tablas_trabajo.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

using namespace ph;
using namespace ph::prueba;

namespace {

// A lesson and an occupation that the work tables of tablas_prueba.h resolve entirely.
const FilaSoluc kLeccion{"MAT", "*479", 1, 1, "0", "1ESOA", "PGL", "A1"};
const FilaSoluc kOcupacion{"*GUA", "*GUA", 2, 2, "0", "", "MRS", ""};

template <class F>
FilaSoluc Con(FilaSoluc f, F cambio) {
    cambio(f);
    return f;
}

struct Lectura {
    std::vector<EntradaHorarioGrupo> grupos;
    std::vector<EntradaHorarioOcupacion> ocupaciones;
};

Lectura LeerCarpeta(const std::string& carpeta, Informe* informe) {
    TablaDbf soluc, grupost, proft, aulat, asignomt, diashorast;
    AbrirTabla(soluc, carpeta, kSOLUC);
    AbrirTabla(grupost, carpeta, "GRUPOST");
    AbrirTabla(proft, carpeta, "PROFT");
    AbrirTabla(aulat, carpeta, "AULAT");
    AbrirTabla(asignomt, carpeta, "ASIGNOMT");
    AbrirTabla(diashorast, carpeta, "DIASHORAST");
    TablasExportacion t{soluc, grupost, proft, aulat, asignomt, diashorast, informe};
    return {LeerHorariosGrupo(t, "PL1"), LeerHorariosOcupaciones(t, "PL1")};
}

// Notices per category.
std::map<Categoria, long> PorCategoria(const Informe& informe) {
    std::map<Categoria, long> n;
    for (const Aviso& a : informe.Avisos()) n[a.categoria] += a.cantidad;
    return n;
}

struct CasoSolucion {
    const char* nombre;
    friend void PrintTo(const CasoSolucion& c, std::ostream* os) { *os << c.nombre; }
    std::vector<FilaSoluc> filas;
    std::map<Categoria, long> avisos;  // expected notices per category; none elsewhere
    size_t entradas;                   // entries of both passes together
};

class InformeSolucion : public ::testing::TestWithParam<CasoSolucion> {
protected:
    CarpetaTemporal dir;
};

TEST_P(InformeSolucion, AnotaCadaFilaUnaVezYNoCambiaLasEntradas) {
    const CasoSolucion& c = GetParam();
    EscribirTablasTrabajo(dir.ruta());
    EscribirSoluc(dir / "SOLUC.DBF", c.filas);

    const Lectura sin = LeerCarpeta(dir.ruta(), nullptr);
    Informe informe;
    const Lectura con = LeerCarpeta(dir.ruta(), &informe);

    EXPECT_EQ(PorCategoria(informe), c.avisos);
    EXPECT_EQ(con.grupos.size() + con.ocupaciones.size(), c.entradas);
    EXPECT_TRUE(con.grupos == sin.grupos);  // equality of tablas_prueba.h
    EXPECT_TRUE(con.ocupaciones == sin.ocupaciones);
}

using C = Categoria;
INSTANTIATE_TEST_SUITE_P(
    Filas, InformeSolucion,
    ::testing::Values(
        CasoSolucion{"filas_completas", {kLeccion, kOcupacion}, {}, 2},
        CasoSolucion{"grupo_desconocido", {Con(kLeccion, [](FilaSoluc& f) { f.codgrupo = "9Z"; }), kOcupacion},
                     {{C::SolucionGrupoDesconocido, 1}}, 1},
        CasoSolucion{"asignatura_desconocida", {Con(kLeccion, [](FilaSoluc& f) { f.asig = "LAT"; })},
                     {{C::SolucionAsignaturaDesconocida, 1}}, 0},
        CasoSolucion{"ocupacion_desconocida",
                     {Con(kOcupacion, [](FilaSoluc& f) { f.asig = f.tarea = "*BIB"; })},
                     {{C::SolucionAsignaturaDesconocida, 1}}, 0},
        CasoSolucion{"docente_de_ocupacion_desconocido", {Con(kOcupacion, [](FilaSoluc& f) { f.prof = "XYZ"; })},
                     {{C::SolucionDocenteDesconocido, 1}}, 0},
        CasoSolucion{"ocupacion_sin_docente", {Con(kOcupacion, [](FilaSoluc& f) { f.prof = ""; })},
                     {{C::SolucionDocenteDesconocido, 1}}, 0},
        // A lesson with an unknown teacher or room is still written, without them.
        CasoSolucion{"docente_de_clase_desconocido", {Con(kLeccion, [](FilaSoluc& f) { f.prof = "XYZ"; })},
                     {{C::SolucionDocenteDesconocido, 1}}, 1},
        CasoSolucion{"aula_desconocida", {Con(kLeccion, [](FilaSoluc& f) { f.aula = "B7"; })},
                     {{C::SolucionAulaDesconocida, 1}}, 1},
        // A lesson that names no teacher or room carries nothing lost.
        CasoSolucion{"clase_sin_docente_ni_aula", {Con(kLeccion, [](FilaSoluc& f) { f.prof = f.aula = ""; })}, {}, 1},
        CasoSolucion{"marco_sin_sesion", {Con(kLeccion, [](FilaSoluc& f) { f.marco = "1"; })},
                     {{C::SolucionSesionDesconocida, 1}}, 0},
        CasoSolucion{"hora_sin_sesion",
                     {Con(kLeccion, [](FilaSoluc& f) { f.hora = 9; }), Con(kOcupacion, [](FilaSoluc& f) { f.hora = 9; })},
                     {{C::SolucionSesionDesconocida, 2}}, 0},
        // Each row counts in its own pass only, not once per pass.
        CasoSolucion{"dia_u_hora_cero",
                     {Con(kLeccion, [](FilaSoluc& f) { f.dia = 0; }), Con(kLeccion, [](FilaSoluc& f) { f.hora = 0; }),
                      Con(kOcupacion, [](FilaSoluc& f) { f.dia = 0; })},
                     {{C::SolucionSinDiaHora, 3}}, 0},
        CasoSolucion{"dia_fuera_de_semana",
                     {Con(kLeccion, [](FilaSoluc& f) { f.dia = 8; }), Con(kOcupacion, [](FilaSoluc& f) { f.dia = -1; })},
                     {{C::SolucionDiaFueraDeSemana, 2}}, 2},
        // A row that is skipped in the end says only why: not what it would have lacked.
        CasoSolucion{"omitida_no_dice_lo_que_le_faltaria",
                     {Con(kLeccion, [](FilaSoluc& f) {
                         f.dia = 8;
                         f.prof = "XYZ";
                         f.aula = "B7";
                         f.marco = "";
                     })},
                     {{C::SolucionSesionDesconocida, 1}}, 0},
        // What an earlier row lacked does not carry over to the next one.
        CasoSolucion{"nada_pasa_a_la_fila_siguiente",
                     {Con(kLeccion, [](FilaSoluc& f) {
                          f.prof = "XYZ";
                          f.hora = 9;
                      }),
                      kLeccion},
                     {{C::SolucionSesionDesconocida, 1}}, 1}),
    [](const ::testing::TestParamInfo<CasoSolucion>& i) { return std::string(i.param.nombre); });

TEST(InformeSolucionTexto, ElAvisoNombraLaFilaSusCodigosYLaConsecuencia) {
    CarpetaTemporal dir;
    EscribirTablasTrabajo(dir.ruta());
    EscribirSoluc(dir / "SOLUC.DBF", {kLeccion, kOcupacion, Con(kLeccion, [](FilaSoluc& f) { f.aula = "B7"; })});
    Informe informe;
    LeerCarpeta(dir.ruta(), &informe);

    ASSERT_EQ(informe.Avisos().size(), 1u);
    const Aviso& a = informe.Avisos()[0];
    EXPECT_EQ(a.elemento,
              "fila 3 de SOLUC: CODGRUPO «1ESOA», ASIG «MAT», PROF «PGL», AULA «B7», DIA 1, HORA 1, MARCO «0»");
    EXPECT_NE(a.consecuencia.find("sin aula"), std::string::npos) << a.consecuencia;
}

}  // namespace
