// The report of the ITACA -> Sesionix transfer: one small centre file per kind of thing
// the data did not carry or carried changed, the notice it gives and its count; and the
// same tables, byte for byte, with and without the report.
#include "apoyo/apoyo.h"
#include "apoyo/cli_prueba.h"
#include "common/carpeta.h"
#include "import/importacion.h"
#include "transfer/informe.h"
#include "transfer/tablas_trabajo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

using namespace ph;
using namespace ph::prueba;

namespace {

using Elementos = std::map<std::string, std::vector<std::string>>;  // section -> element lines

// A clean centre file: one template's lines confirm every assignment, every teacher has
// classes, every code is unique and short. Its report is empty.
const Elementos& CentroLimpio() {
    static const Elementos e{
        {"plantillas_horario",
         {R"(<plantilla_horario codigo="MATI" descripcion_val="Matí" descripcion_cas="Mañana" turno="M"/>)",
          R"(<plantilla_horario codigo="VESP" descripcion_val="Vesprada" descripcion_cas="Tarde" turno="T"/>)"}},
        {"sesiones_horario",
         {R"(<sesion_horario plantilla="MATI" dia_semana="L" sesion_orden="1" hora_desde="08:00" hora_hasta="08:55"/>)",
          R"(<sesion_horario plantilla="MATI" dia_semana="L" sesion_orden="2" hora_desde="08:55" hora_hasta="09:50"/>)"}},
        {"docentes",
         {R"(<docente apellido1="García" apellido2="López" nombre="Pau" tipo_docente="D" fecha_ingreso="01/09/2010" documento="111A" ensenanza="ESO" email1="" email2=""/>)",
          R"(<docente apellido1="Martí" apellido2="Soler" nombre="Anna" tipo_docente="D" fecha_ingreso="01/09/2012" documento="222B" ensenanza="ESO" email1="" email2=""/>)"}},
        {"ensenanzas",
         {R"(<ensenanza ensenanza="3" abreviatura="ESO"/>)", R"(<ensenanza ensenanza="4" abreviatura="BAT"/>)"}},
        {"cursos",
         {R"(<curso codigo="C1" padre="" abreviatura="1ESO" ensenanza="3"/>)",
          R"(<curso codigo="C2" padre="" abreviatura="1BAT" ensenanza="4"/>)"}},
        {"cursos_grupo", {R"(<curso_grupo grupo="1A" curso="C1"/>)"}},
        {"grupos",
         {R"(<grupo codigo="1A" nombre="1r ESO A" turno="M" ensenanza="3" tutor_ppal="111A" tutor_sec=""/>)"}},
        {"contenidos", {R"(<contenido codigo="MAT1" curso="C1" nombre_val="Matemàtiques" nombre_cas="Matemáticas"/>)"}},
        {"ocupaciones", {R"(<ocupacion codigo="OC1" nombre_val="Guàrdia" nombre_cas="Guardia"/>)"}},
        {"aulas", {R"(<aula codigo="A1" nombre="Aula 1"/>)"}},
        {"horarios_grupo",
         {R"(<horario_grupo plantilla="MATI" grupo="1A" curso="C1" contenido="MAT1" docente="111A" aula="A1"/>)",
          R"(<horario_grupo plantilla="MATI" grupo="1A" curso="C1" contenido="MAT1" docente="111A" aula="A1"/>)"}},
        {"horarios_ocupaciones", {R"(<horario_ocupacion plantilla="MATI" ocupacion="OC1" docente="222B"/>)"}},
    };
    return e;
}

// The clean centre file with more elements in some sections.
std::string Centro(const Elementos& mas) {
    Elementos e = CentroLimpio();
    for (const auto& [seccion, lineas] : mas) e[seccion].insert(e[seccion].end(), lineas.begin(), lineas.end());
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<centro codigo=\"46000001\" denominacion=\"IES Prova\" curso=\"2026\" version=\"1\">\n";
    for (const auto& [seccion, lineas] : e) {
        xml += " <" + seccion + ">\n";
        for (const std::string& l : lineas) xml += "  " + l + "\n";
        xml += " </" + seccion + ">\n";
    }
    return xml + "</centro>\n";
}

struct Respuestas {
    bool todas = false;   // "Sí" to the question about all templates
    bool quitar = true;   // "Sí" to the question about groups and teachers without classes
    std::string idioma = "VALENCIÁ";
};

// Runs the whole transfer of the centre file into the folder.
ResultadoTransferencia Importar(const std::string& centro, const std::string& carpeta, const Respuestas& r,
                                Informe* informe) {
    DialogosGuion dialogos;
    dialogos.todasPlantillas = r.todas;
    dialogos.quitarSinClases = r.quitar;
    dialogos.idioma = r.idioma;
    EstadoVentana estado;
    estado.filenameXML = centro;
    return ImportarDeItaca(estado, carpeta, dialogos, informe);
}

std::map<Categoria, long> PorCategoria(const Informe& informe) {
    std::map<Categoria, long> n;
    for (const Aviso& a : informe.Avisos()) n[a.categoria] += a.cantidad;
    return n;
}

// The bytes of a table but its header's date (bytes 1 to 3).
std::string SinFecha(const std::string& ruta) {
    std::string b = LeerArchivo(ruta);
    if (b.size() > 4) b.replace(1, 3, "---");
    return b;
}

struct CasoImportacion {
    const char* nombre;
    friend void PrintTo(const CasoImportacion& c, std::ostream* os) { *os << c.nombre; }
    Elementos mas;
    std::map<Categoria, long> avisos;  // expected total per category; none elsewhere
    const char* texto = "";            // appears in some notice's element or consequence
    Respuestas respuestas{};
};

class InformeImportacion : public ::testing::TestWithParam<CasoImportacion> {
protected:
    CarpetaTemporal dir;
};

TEST_P(InformeImportacion, AnotaLoQueCambiaYDejaLasTablasIguales) {
    const CasoImportacion& c = GetParam();
    const std::string centro = dir / "centro.xml";
    EscribirArchivo(centro, Centro(c.mas));
    // "con" alone is a device name on Windows.
    std::filesystem::create_directory(RutaNativa(dir / "sin-informe"));
    std::filesystem::create_directory(RutaNativa(dir / "con-informe"));

    ASSERT_EQ(Importar(centro, dir / "sin-informe", c.respuestas, nullptr).desenlace, Desenlace::Completada);
    Informe informe;
    ASSERT_EQ(Importar(centro, dir / "con-informe", c.respuestas, &informe).desenlace, Desenlace::Completada);

    EXPECT_EQ(PorCategoria(informe), c.avisos);
    std::string textos;
    for (const Aviso& a : informe.Avisos()) textos += a.elemento + " | " + a.consecuencia + "\n";
    EXPECT_NE(textos.find(c.texto), std::string::npos) << textos;

    for (const std::string& tabla : NombresTablasTrabajo())
        EXPECT_EQ(SinFecha(RutaTabla(dir / "con-informe", tabla)), SinFecha(RutaTabla(dir / "sin-informe", tabla))) << tabla;
    EXPECT_EQ(ArchivosDe(dir / "con-informe"), ArchivosDe(dir / "sin-informe"));
}

using C = Categoria;
// "Sí" to the question about all templates: lines of every template are applied, and no
// group or teacher is removed (assignments without lines still are).
const Respuestas kTodas{true, true, "VALENCIÁ"};

// A line of group timetable of template MATI for group 1A, course C1.
std::string Linea(const std::string& contenido, const std::string& docente, const std::string& aula,
                  const std::string& plantilla = "MATI") {
    return "<horario_grupo plantilla=\"" + plantilla + "\" grupo=\"1A\" curso=\"C1\" contenido=\"" + contenido +
           "\" docente=\"" + docente + "\" aula=\"" + aula + "\"/>";
}
std::string Grupo(const std::string& codigo, const std::string& nombre, const std::string& tutor = "111A") {
    return "<grupo codigo=\"" + codigo + "\" nombre=\"" + nombre + "\" turno=\"M\" ensenanza=\"3\" tutor_ppal=\"" +
           tutor + "\" tutor_sec=\"\"/>";
}
std::string Enlace(const std::string& grupo, const std::string& curso) {
    return "<curso_grupo grupo=\"" + grupo + "\" curso=\"" + curso + "\"/>";
}
std::string Docente(const std::string& ap1, const std::string& ap2, const std::string& nombre, const std::string& doc) {
    return "<docente apellido1=\"" + ap1 + "\" apellido2=\"" + ap2 + "\" nombre=\"" + nombre +
           "\" tipo_docente=\"D\" fecha_ingreso=\"\" documento=\"" + doc + "\" ensenanza=\"ESO\" email1=\"\" email2=\"\"/>";
}
std::string Contenido(const std::string& codigo, const std::string& curso, const std::string& nombre) {
    return "<contenido codigo=\"" + codigo + "\" curso=\"" + curso + "\" nombre_val=\"" + nombre + "\" nombre_cas=\"" +
           nombre + "\"/>";
}
std::string Ocupacion(const std::string& codigo, const std::string& nombre) {
    return "<ocupacion codigo=\"" + codigo + "\" nombre_val=\"" + nombre + "\" nombre_cas=\"" + nombre + "\"/>";
}
std::string LineaOcupacion(const std::string& ocupacion, const std::string& docente, const std::string& plantilla = "MATI") {
    return "<horario_ocupacion plantilla=\"" + plantilla + "\" ocupacion=\"" + ocupacion + "\" docente=\"" + docente + "\"/>";
}

INSTANTIATE_TEST_SUITE_P(
    Categorias, InformeImportacion,
    ::testing::Values(
        CasoImportacion{"centro_limpio", {}, {}},
        CasoImportacion{"lineas_de_otra_plantilla",
                        {{"horarios_grupo", {Linea("MAT1", "111A", "A1", "VESP"), Linea("MAT1", "111A", "A1", "VESP"),
                                             Linea("MAT1", "222B", "A1", "VESP")}},
                         {"horarios_ocupaciones", {LineaOcupacion("OC1", "222B", "VESP")}}},
                        {{C::LineasOtraPlantilla, 4}},
                        "horario_grupo de la plantilla «VESP»"},
        // With "Sí" the lines of every template are applied: none is skipped.
        CasoImportacion{"todas_las_plantillas",
                        {{"horarios_grupo", {Linea("MAT1", "111A", "A1", "VESP")}},
                         {"horarios_ocupaciones", {LineaOcupacion("OC1", "222B", "VESP")}}},
                        {}, "", kTodas},
        CasoImportacion{"linea_sin_asignacion", {{"horarios_grupo", {Linea("FIS1", "111A", "A1")}}},
                        {{C::LineaSinAsignacion, 1}}, "grupo «1A» (1r ESO A), curso «C1», contenido «FIS1»"},
        CasoImportacion{"linea_con_docente_desconocido", {{"horarios_grupo", {Linea("MAT1", "999Z", "A1")}}},
                        {{C::LineaDocenteDesconocido, 1}}, "docente «999Z»"},
        CasoImportacion{"linea_con_aula_desconocida", {{"horarios_grupo", {Linea("MAT1", "111A", "B9")}}},
                        {{C::LineaAulaDesconocida, 1}}, "aula «B9»"},
        // A line that names no room has lost none.
        CasoImportacion{"linea_sin_aula", {{"horarios_grupo", {Linea("MAT1", "111A", "")}}}, {}},
        CasoImportacion{"ocupacion_desconocida", {{"horarios_ocupaciones", {LineaOcupacion("OC9", "222B")}}},
                        {{C::OcupacionDesconocida, 1}}, "ocupación «OC9»"},
        CasoImportacion{"ocupacion_con_docente_desconocido",
                        {{"horarios_ocupaciones", {LineaOcupacion("OC1", "999Z")}}},
                        {{C::OcupacionDocenteDesconocido, 1}}, "docente «999Z», ocupación «OC1»"},
        CasoImportacion{"asignacion_sin_lineas", {{"contenidos", {Contenido("LEN1", "C1", "Llengua")}}},
                        {{C::AsignacionSinLineas, 1}}, "contenido «LEN1» (LEN1), grupo «1A» (1r ESO A), curso «C1»"},
        CasoImportacion{"tutor_no_encontrado",
                        {{"grupos", {Grupo("1B", "1r ESO B", "999Z")}}, {"cursos_grupo", {Enlace("1B", "C1")}}},
                        {{C::TutorNoEncontrado, 1}, {C::AsignacionSinLineas, 1}}, "el tutor «999Z»", kTodas},
        CasoImportacion{"grupo_sin_curso", {{"grupos", {Grupo("1B", "1r ESO B")}}},
                        {{C::GrupoSinCurso, 1}}, "grupo «1B» (1r ESO B)", kTodas},
        CasoImportacion{"curso_omitido",
                        {{"cursos", {R"(<curso codigo="CX" padre="" abreviatura="ESO" ensenanza="3"/>)"}}},
                        {{C::CursoOmitido, 1}}, "curso «CX» (ESO)"},
        // A course with a parent is taken whatever its abbreviation.
        CasoImportacion{"curso_con_padre",
                        {{"cursos", {R"(<curso codigo="CX" padre="C1" abreviatura="ESO" ensenanza="3"/>)"}}}, {}},
        // Without a name lookup (a language other than the two) a code too long for
        // ABREV_ITACA finds no subject row.
        CasoImportacion{"contenido_sin_codigo",
                        {{"contenidos", {Contenido("CONTENIDOMUYLARGO12345", "C1", "Llarg")}}},
                        {{C::ContenidoSinCodigo, 1}, {C::CodigoRenumerado, 1}},
                        "contenido «CONTENIDOMUYLARGO12345», curso «C1»",
                        {true, true, "ANGLÉS"}},
        CasoImportacion{"nivel_borrado", {{"contenidos", {Contenido("MAT1", "C2", "Matemàtiques")}}},
                        {{C::NivelBorrado, 1}}, "nivel «BAT» en vez de «ESO»"},
        CasoImportacion{"iniciales_de_docente_repetidas", {{"docentes", {Docente("Gómez", "Luna", "Pere", "333C")}}},
                        {{C::CodigoRenumerado, 1}}, "código «GLP1»", kTodas},
        CasoImportacion{"codigo_de_grupo_repetido",
                        {{"grupos", {Grupo("1a", "1r ESO a")}}, {"cursos_grupo", {Enlace("1a", "C1")}}},
                        {{C::CodigoRenumerado, 1}, {C::AsignacionSinLineas, 1}}, "código corto «1a1»", kTodas},
        CasoImportacion{"codigo_de_grupo_largo",
                        {{"grupos", {Grupo("1ESOGRUPOAB", "1r ESO AB")}}, {"cursos_grupo", {Enlace("1ESOGRUPOAB", "C1")}}},
                        {{C::CodigoRenumerado, 1}, {C::AsignacionSinLineas, 1}},
                        "más de 10 caracteres: código corto «1ESOGRUPAB»", kTodas},
        CasoImportacion{"codigo_de_contenido_largo", {{"contenidos", {Contenido("MATEMATIQUES1", "C1", "Mates")}}},
                        {{C::CodigoRenumerado, 1}, {C::AsignacionSinLineas, 1}}, "código corto «MATEMATIS1»", kTodas},
        CasoImportacion{"codigo_de_ocupacion_repetido", {{"ocupaciones", {Ocupacion("ZOC1", "Biblioteca")}}},
                        {{C::CodigoRenumerado, 1}}, "«*OC1» ya estaba usado: código corto «*OCA»", kTodas},
        CasoImportacion{"codigo_de_aula_repetido", {{"aulas", {R"(<aula codigo="A1" nombre="Aula 1 bis"/>)"}}},
                        {{C::CodigoRenumerado, 1}}, "código corto «A11»"},
        CasoImportacion{"ocupacion_con_nombre_de_asignatura", {{"ocupaciones", {Ocupacion("OC2", "Matemàtiques")}}},
                        {{C::OcupacionNombreRepetido, 1}}, "ocupación «OC2» (Matemàtiques)"},
        CasoImportacion{"grupo_sin_clases",
                        {{"grupos", {Grupo("1B", "1r BAT B")}}, {"cursos_grupo", {Enlace("1B", "C2")}}},
                        {{C::GrupoQuitado, 1}}, "grupo «1B» (1r BAT B), código «1B»"},
        // Answered "No", nothing is removed, so nothing is noted.
        CasoImportacion{"grupo_sin_clases_conservado",
                        {{"grupos", {Grupo("1B", "1r BAT B")}}, {"cursos_grupo", {Enlace("1B", "C2")}}},
                        {}, "", {false, false, "VALENCIÁ"}},
        CasoImportacion{"docente_sin_clases", {{"docentes", {Docente("Ruiz", "Vila", "Joan", "333C")}}},
                        {{C::DocenteQuitado, 1}}, "docente «333C» (Ruiz Vila, Joan), código «RVJ»"},
        CasoImportacion{"documento_repetido", {{"docentes", {Docente("Ruiz", "Vila", "Joan", "111A")}}},
                        {{C::DocumentoRepetido, 1}}, "ya es de «García López, Pau»", kTodas}),
    [](const ::testing::TestParamInfo<CasoImportacion>& i) { return std::string(i.param.nombre); });

// Lines of another template give one notice per template and kind of line, counting them.
TEST(InformeImportacionCuentas, UnAvisoPorPlantillaConSusLineas) {
    CarpetaTemporal dir;
    const std::string centro = dir / "centro.xml";
    EscribirArchivo(centro, Centro({{"horarios_grupo", {Linea("MAT1", "111A", "A1", "VESP"), Linea("X", "Y", "Z", "VESP"),
                                                        Linea("MAT1", "111A", "A1", "NOCT"), Linea("X", "Y", "Z", "VESP")}}}));
    Informe informe;
    ASSERT_EQ(Importar(centro, dir.ruta(), {}, &informe).desenlace, Desenlace::Completada);
    std::map<std::string, long> cuentas;
    for (const Aviso& a : informe.Avisos()) cuentas[a.elemento] = a.cantidad;
    EXPECT_EQ(cuentas, (std::map<std::string, long>{{"horario_grupo de la plantilla «VESP»", 3},
                                                    {"horario_grupo de la plantilla «NOCT»", 1}}));
}

// The sample centre file: whatever it gives, the tables are the same with the report.
TEST(InformeImportacionEjemplo, LasTablasDelEjemploSonLasMismas) {
    for (const Respuestas& r : {Respuestas{}, kTodas}) {
        CarpetaTemporal sin, con;
        Informe informe;
        ASSERT_EQ(Importar(Unir(PH_EJEMPLOS, "centro.xml"), sin.ruta(), r, nullptr).desenlace,
                  Desenlace::Completada);
        ASSERT_EQ(Importar(Unir(PH_EJEMPLOS, "centro.xml"), con.ruta(), r, &informe).desenlace,
                  Desenlace::Completada);
        for (const std::string& tabla : NombresTablasTrabajo())
            EXPECT_EQ(SinFecha(RutaTabla(con.ruta(), tabla)), SinFecha(RutaTabla(sin.ruta(), tabla))) << tabla;
    }
}

}  // namespace
