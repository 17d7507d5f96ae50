// A whole import of a small school, worked out by hand: the seven tables it must leave,
// row by row, with the answers "No" (only the chosen template's lines) and "Sí" (remove
// groups and teachers without classes).
//
// The file is chosen so that the result depends on the order of the stages:
// - a tutor is found only when the teachers come before the groups;
// - a subject's level and year come from the courses, built before the subjects;
// - an occupation named as a subject is dropped only when the subjects come first;
// - rooms are found by the group lines only when the rooms come first;
// - the group lines' clean-up would delete the occupation rows if these came first, and
//   an occupation line of the other template would then be taken;
// - the session strings are rebuilt after the group lines have counted the periods;
// - the teacher whose only rows are occupation rows keeps her place because the pruning
//   comes after the occupation lines;
// - the frame is the chosen template's.
#include "apoyo/apoyo.h"
#include "apoyo/cli_prueba.h"
#include "import/importacion.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

using namespace ph;
using namespace ph::prueba;

namespace {

const char* const kCentroAMano = R"(<?xml version="1.0" encoding="UTF-8"?>
<centro codigo="46000001" denominacion="IES Prova" curso="2024" version="1.0">
 <plantillas_horario>
  <plantilla_horario codigo="PL1" descripcion_val="Matí" descripcion_cas="Mañana" turno="M"/>
  <plantilla_horario codigo="PL2" descripcion_val="Vesprada" descripcion_cas="Tarde" turno="T"/>
 </plantillas_horario>
 <sesiones_horario>
  <sesion_horario plantilla="PL1" dia_semana="L" sesion_orden="2" hora_desde="09:00" hora_hasta="09:55"/>
  <sesion_horario plantilla="PL1" dia_semana="L" sesion_orden="1" hora_desde="08:00" hora_hasta="09:00"/>
  <sesion_horario plantilla="PL1" dia_semana="M" sesion_orden="3" hora_desde="10:00" hora_hasta="11:00"/>
  <sesion_horario plantilla="PL2" dia_semana="L" sesion_orden="1" hora_desde="15:00" hora_hasta="16:00"/>
 </sesiones_horario>
 <docentes>
  <docente documento="111A" nombre="Luis" apellido1="Pérez" apellido2="Gil" tipo_docente="D"
           fecha_ingreso="01/09/2010" ensenanza="PROF5" email1="luis@prova.es" email2=""/>
  <docente documento="222B" nombre="Lola" apellido1="Puig" apellido2="Gras" tipo_docente="I"
           fecha_ingreso="02/09/2011" ensenanza="PROF3" email1=" " email2="lola@prova.es"/>
  <docente documento="333C" nombre="Ana" apellido1="Sanz" apellido2="Ros" tipo_docente="D"
           fecha_ingreso="03/09/2012" ensenanza="PROF5" email1="ana@prova.es" email2=""/>
  <docente documento="444D" nombre="Marc" apellido1="Vidal" apellido2="Mas" tipo_docente="D"
           fecha_ingreso="04/09/2013" ensenanza="PROF5" email1="" email2=""/>
 </docentes>
 <ensenanzas>
  <ensenanza ensenanza="ESO" abreviatura="ESO"/>
  <ensenanza ensenanza="BAC" abreviatura="BACH"/>
 </ensenanzas>
 <cursos>
  <curso codigo="C1ESO" padre="" abreviatura="1ESO" ensenanza="ESO"/>
  <curso codigo="C1BAC" padre="" abreviatura="1BACH" ensenanza="BAC"/>
  <curso codigo="CDIV" padre="" abreviatura="Diversificació" ensenanza="ESO"/>
 </cursos>
 <cursos_grupo>
  <curso_grupo grupo="1ESOA" curso="C1ESO"/>
  <curso_grupo grupo="1BACA" curso="C1BAC"/>
 </cursos_grupo>
 <grupos>
  <grupo codigo="1ESOA" nombre="1r ESO A" turno="Matí" ensenanza="ESO" tutor_ppal="" tutor_sec="222B"/>
  <grupo codigo="1BACA" nombre="1r BACH A" turno="T" ensenanza="BAC" tutor_ppal="111A" tutor_sec=""/>
 </grupos>
 <contenidos>
  <contenido codigo="MAT" curso="C1ESO" nombre_val="Matemàtiques" nombre_cas="Matemáticas"/>
  <contenido codigo="MAT" curso="C1BAC" nombre_val="Matemàtiques I" nombre_cas="Matemáticas I"/>
  <contenido codigo="HIST" curso="C1ESO" nombre_val="Història" nombre_cas="Historia"/>
 </contenidos>
 <ocupaciones>
  <ocupacion codigo="OC479" nombre_val="Guàrdia" nombre_cas="Guardia"/>
  <ocupacion codigo="OCHIS" nombre_val="Història" nombre_cas="Historia"/>
  <ocupacion codigo="BIB479" nombre_val="Biblioteca" nombre_cas="Biblioteca"/>
 </ocupaciones>
 <aulas>
  <aula codigo="A12" nombre="Aula 12"/>
  <aula codigo="" nombre="Laboratori"/>
  <aula codigo="a12" nombre="Aula 12 bis"/>
 </aulas>
 <horarios_grupo>
  <horario_grupo plantilla="PL1" grupo="1ESOA" curso="C1ESO" contenido="MAT" docente="111A" aula="A12"/>
  <horario_grupo plantilla="PL1" grupo="1ESOA" curso="C1ESO" contenido="MAT" docente="111A" aula="LAB"/>
  <horario_grupo plantilla="PL1" grupo="1ESOA" curso="C1ESO" contenido="MAT" docente="222B" aula="A12"/>
  <horario_grupo plantilla="PL1" grupo="1ESOA" curso="C1ESO" contenido="HIST" docente="111A" aula="a12"/>
  <horario_grupo plantilla="PL2" grupo="1BACA" curso="C1BAC" contenido="MAT" docente="444D" aula="A12"/>
  <horario_grupo plantilla="PL1" grupo="1ESOA" curso="C1ESO" contenido="MAT" docente="111A" aula="A12"/>
 </horarios_grupo>
 <horarios_ocupaciones>
  <horario_ocupacion ocupacion="OC479" docente="333C" plantilla="PL1"/>
  <horario_ocupacion ocupacion="OC479" docente="333C" plantilla="PL1"/>
  <horario_ocupacion ocupacion="BIB479" docente="444D" plantilla="PL2"/>
  <horario_ocupacion ocupacion="BIB479" docente="111A" plantilla="PL1"/>
 </horarios_ocupaciones>
</centro>
)";

using Fila = std::vector<std::string>;

struct TablaEsperada {
    const char* tabla;
    Fila campos;
    std::vector<Fila> filas;
    friend void PrintTo(const TablaEsperada& t, std::ostream* os) { *os << t.tabla; }
};

// The rows as the dumps write them: the field names, then one line per row, "|" between values.
std::vector<std::string> LineasEsperadas(const TablaEsperada& t) {
    auto unir = [](const Fila& f) {
        std::string r;
        for (size_t i = 0; i < f.size(); ++i) r += (i ? "|" : "") + f[i];
        return r;
    };
    std::vector<std::string> r{unir(t.campos)};
    for (const Fila& f : t.filas) {
        EXPECT_EQ(f.size(), t.campos.size()) << t.tabla << ": " << unir(f);
        r.push_back(unir(f));
    }
    return r;
}

const std::vector<TablaEsperada>& Esperadas() {
    static const std::vector<TablaEsperada> t{
        // Initials of the surnames and the name; the second PGL gets a 1. Lola's first
        // e-mail is blank, so her second is taken; only type "D" keeps the entry date.
        // Marc teaches only in PL2: removed.
        {"PROFT",
         {"ABREV", "NOMBRE", "DEPART", "EMAIL", "DNI", "X_EMPLEADO", "F_TOMAPOS", "ENSENANZA"},
         {{"PGL", "Pérez Gil, Luis", "", "luis@prova.es", "111A", "", "01/09/2010", "PROF5"},
          {"PGL1", "Puig Gras, Lola", "", "lola@prova.es", "222B", "", "", "PROF3"},
          {"SRA", "Sanz Ros, Ana", "", "ana@prova.es", "333C", "", "03/09/2012", "PROF5"}}},
        // The shift of PL1; "Diversificació" has no parent and no year digit: left out.
        {"CURSOST",
         {"ABREV", "TURNO", "NIVEL", "CURSO", "CLAVE", "ESTUD"},
         {{"1ES", "M", "ESO", "1", "C1ESO", "1ESO"}, {"1BA", "M", "BACH", "1", "C1BAC", "1BACH"}}},
        // The tutor is the second one, Lola. 1BACA has classes only in PL2: removed.
        {"GRUPOST",
         {"ABREV", "TURNO", "NIVEL", "CURSO", "GRUPO", "DESCRIP", "MARCO", "CLAVE", "CLAVECURSO", "ENSENANZA",
          "TUTOR"},
         {{"1ESOA", "M", "ESO", "1", "A", "1r ESO A", "0", "1ESOA", "C1ESO", "ESO", "PGL1"}}},
        // MAT occurs in courses of two levels of the same year: its level is blanked, its
        // year kept, its first name kept. The occupation named "Història" is dropped; the
        // second occupation ending in 479 gets *47A. Long codes: a one-word name of 12
        // characters gives its first letter; shorter names their capitals, accents kept.
        {"ASIGNOMT",
         {"COD", "CODLARGO", "NOMBRE", "MATERIA", "CODTAREA", "ESTAREA", "DENIVEL", "DECURSO", "ABREV_ITACA"},
         {{"MAT", "M", "Matemàtiques", "", "", "F", "", "1", "MAT"},
          {"HIST", "HISTòRIA", "Història", "", "", "F", "ESO", "1", "HIST"},
          {"*479", "GUàRDIA", "Guàrdia", "", "OC479", "T", "", "", "OC479"},
          {"*47A", "BIBLIOTECA", "Biblioteca", "", "BIB479", "T", "", "", "BIB479"}}},
        // A room without code takes four letters of its name; a12 repeats A12 but for the
        // letter case, and gets a 1.
        {"AULAT",
         {"ABREV", "NOMBRE", "EDIFICIO", "MAXALUM", "DEPCENTRO", "ABREV_ITACA"},
         {{"A12", "Aula 12", "", "", "", "A12"},
          {"Labo", "Laboratori", "", "", "", ""},
          {"a121", "Aula 12 bis", "", "", "", "a12"}}},
        // MAT of 1ESOA: three lines of Luis (the room of the first), one of Lola, who gets
        // a row of her own. HIST: one line. MAT of 1BACA: only a PL2 line, removed.
        // Ana's two PL1 guards make one row; Marc's PL2 line is not taken; Luis's library
        // hour is the last row. Sessions rebuilt from the periods.
        {"ASIGT",
         {"CASIG", "CPROF", "CGRUP", "CAULA", "TURNO", "NIVEL", "CURSO", "GRUPO", "HORAS", "SESIONES", "NCONEX",
          "CLAVE", "CLAVECURSO", "CTAREA", "ASIG_ITACA"},
         {{"MAT", "PGL", "1ESOA", "A12", "M", "ESO", "1", "A", "3", "111", "", "1ESOA", "C1ESO", "*479", "MAT"},
          {"HIST", "PGL", "1ESOA", "a121", "M", "ESO", "1", "A", "1", "1", "", "1ESOA", "C1ESO", "*479", "HIST"},
          {"MAT", "PGL1", "1ESOA", "A12", "M", "ESO", "1", "A", "1", "1", "", "1ESOA", "C1ESO", "*479", "MAT"},
          {"*479", "SRA", "", "", "", "", "", "", "2", "11", "", "", "", "*479", "OC479"},
          {"*47A", "PGL", "", "", "", "", "", "", "1", "1", "", "", "", "*47A", "BIB479"}}},
        // PL1's two Monday sessions in order, on the seven days, Valencian day names.
        {"DIASHORAST",
         {"DIHO", "CODDIHO", "DIA", "TEXTODIA", "HORA", "TEXTOHOR", "HORADESDE", "HORAHASTA", "MINUTOS", "MARCO",
          "MARCOXML", "SESION_ORDEN"},
         {{"11", "", "1", "Dilluns", "1", "1-08:00-09:00", "08:00", "09:00", "60", "0", "PL1", "1"},
          {"21", "", "2", "Dimarts", "1", "1-08:00-09:00", "08:00", "09:00", "60", "0", "PL1", "1"},
          {"31", "", "3", "Dimecres", "1", "1-08:00-09:00", "08:00", "09:00", "60", "0", "PL1", "1"},
          {"41", "", "4", "Dijous", "1", "1-08:00-09:00", "08:00", "09:00", "60", "0", "PL1", "1"},
          {"51", "", "5", "Divendres", "1", "1-08:00-09:00", "08:00", "09:00", "60", "0", "PL1", "1"},
          {"61", "", "6", "Dissabte", "1", "1-08:00-09:00", "08:00", "09:00", "60", "0", "PL1", "1"},
          {"71", "", "7", "Diumenge", "1", "1-08:00-09:00", "08:00", "09:00", "60", "0", "PL1", "1"},
          {"12", "", "1", "Dilluns", "2", "2-09:00-09:55", "09:00", "09:55", "55", "0", "PL1", "2"},
          {"22", "", "2", "Dimarts", "2", "2-09:00-09:55", "09:00", "09:55", "55", "0", "PL1", "2"},
          {"32", "", "3", "Dimecres", "2", "2-09:00-09:55", "09:00", "09:55", "55", "0", "PL1", "2"},
          {"42", "", "4", "Dijous", "2", "2-09:00-09:55", "09:00", "09:55", "55", "0", "PL1", "2"},
          {"52", "", "5", "Divendres", "2", "2-09:00-09:55", "09:00", "09:55", "55", "0", "PL1", "2"},
          {"62", "", "6", "Dissabte", "2", "2-09:00-09:55", "09:00", "09:55", "55", "0", "PL1", "2"},
          {"72", "", "7", "Diumenge", "2", "2-09:00-09:55", "09:00", "09:55", "55", "0", "PL1", "2"}}},
    };
    return t;
}

class CentroAMano : public ::testing::TestWithParam<TablaEsperada> {
protected:
    // One import for the seven tables: PL1 (the first template), "VALENCIÁ", "No" to all
    // templates, "Sí" to removing groups and teachers without classes.
    static void SetUpTestSuite() {
        carpetas_ = new Carpetas;
        const std::string centro = carpetas_->itaca / "centro.xml";
        EscribirArchivo(centro, kCentroAMano);
        EstadoVentana estado;
        estado.filenameXML = centro;
        DialogosGuion dialogos;
        ResultadoTransferencia r = ImportarDeItaca(estado, carpetas_->stemp.ruta(), dialogos);
        ASSERT_EQ(r.desenlace, Desenlace::Completada) << r.mensaje;
        ASSERT_EQ(estado.resultado, "PL1");
        ASSERT_EQ(dialogos.preguntas.size(), 2u) << "both questions are asked";
    }
    static void TearDownTestSuite() {
        delete carpetas_;
        carpetas_ = nullptr;
    }
    struct Carpetas {
        CarpetaTemporal stemp, itaca;
    };
    static Carpetas* carpetas_;
};
CentroAMano::Carpetas* CentroAMano::carpetas_ = nullptr;

TEST_P(CentroAMano, TablaFilaAFila) {
    const TablaEsperada& t = GetParam();
    EXPECT_EQ(Lineas(Volcar(carpetas_->stemp.ruta(), t.tabla)), LineasEsperadas(t));
}

// The frame is the last stage: a run that stops at an earlier stage has not built it.
// Here the assignments table cannot be created, for a folder holds its name.
TEST(CentroAManoInterrumpido, ElMarcoNoSeHaceAntesQueLasAsignaciones) {
    CarpetaTemporal stemp, itaca;
    const std::string centro = itaca / "centro.xml";
    EscribirArchivo(centro, kCentroAMano);
    std::filesystem::create_directory(stemp / "ASIGT.DBF");
    std::filesystem::create_directory(stemp / "ASIGT.DBF/dentro");
    EstadoVentana estado;
    estado.filenameXML = centro;
    DialogosGuion dialogos;
    ResultadoTransferencia r = ImportarDeItaca(estado, stemp.ruta(), dialogos);
    EXPECT_EQ(r.desenlace, Desenlace::Error) << r.mensaje;
    for (const char* antes : {"PROFT.DBF", "CURSOST.DBF", "GRUPOST.DBF", "ASIGNOMT.DBF", "AULAT.DBF"})
        EXPECT_TRUE(std::filesystem::is_regular_file(stemp / antes)) << antes;
    EXPECT_FALSE(std::filesystem::exists(stemp / "DIASHORAST.DBF"));
}

INSTANTIATE_TEST_SUITE_P(Siete, CentroAMano, ::testing::ValuesIn(Esperadas()),
                         [](const auto& info) { return std::string(info.param.tabla); });

}  // namespace
