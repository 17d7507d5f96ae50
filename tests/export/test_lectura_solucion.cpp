// Solution reading: which SOLUC rows become entries, and with what values.
#include "export/lectura_solucion.h"

#include "apoyo/apoyo.h"
#include "apoyo/en_linux.h"
#include "apoyo/tablas_prueba.h"
#include "common/dbf/dbf.h"
#include "common/error.h"
#include "transfer/tablas_trabajo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace ph;
using namespace ph::prueba;

namespace {

using Grupos = std::vector<EntradaHorarioGrupo>;
using Ocupaciones = std::vector<EntradaHorarioOcupacion>;

// The lesson of 1ESOA on Monday, first session, and the entry it gives.
const FilaSoluc kLeccion{"MAT", "*479", 1, 1, "0", "1ESOA", "PGL", "A1"};
const EntradaHorarioGrupo kEntradaLeccion{"PL1", "L", "1", "08:00", "08:55", "G100",
                                          "ESO", "C10", "MAT-ITACA", "11111111A", "AULA-1"};
// An occupation of MRS on Tuesday, second session, and its entry.
const FilaSoluc kOcupacion{"*GUA", "*GUA", 2, 2, "0", "", "MRS", ""};
const EntradaHorarioOcupacion kEntradaOcupacion{"PL1", "M", "2", "08:55", "09:50",
                                                "22222222B", "PROF3", "OC-GUARDIA"};

// A copy of a row or an entry with one change.
template <class T, class F>
T Con(T valor, F cambio) {
    cambio(valor);
    return valor;
}

struct Lectura {
    Grupos grupos;
    Ocupaciones ocupaciones;
};

// Opens the tables as the export driver does and runs both passes.
Lectura LeerCarpeta(const std::string& carpeta, const std::string& plantilla = "PL1") {
    TablaDbf soluc, grupost, proft, aulat, asignomt, diashorast;
    AbrirTabla(soluc, carpeta, kSOLUC);
    AbrirTabla(grupost, carpeta, "GRUPOST");
    AbrirTabla(proft, carpeta, "PROFT");
    AbrirTabla(aulat, carpeta, "AULAT");
    AbrirTabla(asignomt, carpeta, "ASIGNOMT");
    AbrirTabla(diashorast, carpeta, "DIASHORAST");
    TablasExportacion t{soluc, grupost, proft, aulat, asignomt, diashorast};
    Lectura r;
    r.grupos = LeerHorariosGrupo(t, plantilla);
    r.ocupaciones = LeerHorariosOcupaciones(t, plantilla);
    return r;
}

class LecturaSolucion : public ::testing::Test {
protected:
    Lectura Leer(const std::vector<FilaSoluc>& filas, bool codigoVacio = false) {
        EscribirTablasTrabajo(dir.ruta(), codigoVacio);
        EscribirSoluc(dir / "SOLUC.DBF", filas);
        return LeerCarpeta(dir.ruta());
    }
    CarpetaTemporal dir;
};

// ---------------------------------------------------------------------------------------
// One solution row: the entry it gives, or none.

struct CasoFila {
    const char* nombre;
    friend void PrintTo(const CasoFila& c, std::ostream* os) { *os << c.nombre; }
    FilaSoluc fila;
    Grupos grupos;
    Ocupaciones ocupaciones;
    bool codigoVacio = false;  // ASIGNOMT also holds a row with an empty COD
};

class UnaFila : public LecturaSolucion, public ::testing::WithParamInterface<CasoFila> {};

TEST_P(UnaFila, DaLaEntradaEsperada) {
    const CasoFila& c = GetParam();
    Lectura r = Leer({c.fila}, c.codigoVacio);
    EXPECT_EQ(r.grupos, c.grupos);
    EXPECT_EQ(r.ocupaciones, c.ocupaciones);
}

const std::vector<CasoFila> kCasosFila = {
    {"LeccionCompleta", kLeccion, {kEntradaLeccion}, {}},
    // Skipped lessons.
    {"GrupoDesconocido", Con(kLeccion, [](auto& f) { f.codgrupo = "3ESOC"; }), {}, {}},
    {"GrupoEnOtraCaja", Con(kLeccion, [](auto& f) { f.codgrupo = "1esoa"; }), {}, {}},
    {"AsignaturaDesconocida", Con(kLeccion, [](auto& f) { f.asig = "LAT"; }), {}, {}},
    {"MarcoUno", Con(kLeccion, [](auto& f) { f.marco = "1"; }), {}, {}},
    {"MarcoVacio", Con(kLeccion, [](auto& f) { f.marco = ""; }), {}, {}},
    {"DiaCero", Con(kLeccion, [](auto& f) { f.dia = 0; }), {}, {}},
    {"HoraCero", Con(kLeccion, [](auto& f) { f.hora = 0; }), {}, {}},
    {"HoraFueraDelMarco", Con(kLeccion, [](auto& f) { f.hora = 4; }), {}, {}},
    // Kept lessons.
    {"ProfesorDesconocido", Con(kLeccion, [](auto& f) { f.prof = "XYZ"; }),
     {Con(kEntradaLeccion, [](auto& e) { e.docente = ""; })}, {}},
    {"AulaDesconocida", Con(kLeccion, [](auto& f) { f.aula = "B7"; }),
     {Con(kEntradaLeccion, [](auto& e) { e.aula = ""; })}, {}},
    {"ProfesorYAulaDesconocidos", Con(kLeccion, [](auto& f) { f.prof = "pgl"; f.aula = ""; }),
     {Con(kEntradaLeccion, [](auto& e) { e.docente = ""; e.aula = ""; })}, {}},
    {"AulaConAcento", Con(kLeccion, [](auto& f) { f.aula = "AULÀ2"; }),
     {Con(kEntradaLeccion, [](auto& e) { e.aula = "AULA-2"; })}, {}},
    {"SoloCuentaElPrimerCaracterDelMarco", Con(kLeccion, [](auto& f) { f.marco = "0AB"; }),
     {kEntradaLeccion}, {}},
    {"DiaSiete", Con(kLeccion, [](auto& f) { f.dia = 7; }),
     {Con(kEntradaLeccion, [](auto& e) { e.dia_semana = "D"; })}, {}},
    {"DiaOchoSinLetra", Con(kLeccion, [](auto& f) { f.dia = 8; }),
     {Con(kEntradaLeccion, [](auto& e) { e.dia_semana = ""; })}, {}},
    {"DiaNegativoSinLetra", Con(kLeccion, [](auto& f) { f.dia = -1; }),
     {Con(kEntradaLeccion, [](auto& e) { e.dia_semana = ""; })}, {}},
    {"SesionTrasUnHueco", Con(kLeccion, [](auto& f) { f.hora = 3; }),
     {Con(kEntradaLeccion, [](auto& e) { e.sesion_orden = "4"; e.hora_desde = "10:20"; e.hora_hasta = "11:15"; })},
     {}},
    {"TareaVaciaEsLeccion", Con(kLeccion, [](auto& f) { f.tarea = ""; }), {kEntradaLeccion}, {}},
    {"OcupacionConTareaDistintaEsLeccion",
     Con(kLeccion, [](auto& f) { f.asig = "*GUA"; }),
     {Con(kEntradaLeccion, [](auto& e) { e.contenido = "OC-GUARDIA"; })}, {}},
    // Occupations.
    {"Ocupacion", kOcupacion, {}, {kEntradaOcupacion}},
    {"OcupacionNoLeeGrupoNiAula", Con(kOcupacion, [](auto& f) { f.codgrupo = "ZZZ"; f.aula = "ZZZ"; }),
     {}, {kEntradaOcupacion}},
    {"OcupacionDeProfesorDesconocido", Con(kOcupacion, [](auto& f) { f.prof = "XYZ"; }), {}, {}},
    {"OcupacionDeProfesorEnOtraCaja", Con(kOcupacion, [](auto& f) { f.prof = "mrs"; }), {}, {}},
    {"OcupacionDesconocida", Con(kOcupacion, [](auto& f) { f.asig = f.tarea = "*XXX"; }), {}, {}},
    {"OcupacionMarcoUno", Con(kOcupacion, [](auto& f) { f.marco = "1"; }), {}, {}},
    {"OcupacionMarcoVacio", Con(kOcupacion, [](auto& f) { f.marco = ""; }), {}, {}},
    {"OcupacionDiaCero", Con(kOcupacion, [](auto& f) { f.dia = 0; }), {}, {}},
    {"OcupacionHoraCero", Con(kOcupacion, [](auto& f) { f.hora = 0; }), {}, {}},
    {"OcupacionDiaOcho", Con(kOcupacion, [](auto& f) { f.dia = 8; }), {},
     {Con(kEntradaOcupacion, [](auto& e) { e.dia_semana = ""; })}},
    {"AsigYTareaVacios", Con(kOcupacion, [](auto& f) { f.asig = f.tarea = ""; }), {}, {}},
    {"AsigYTareaVaciosConCodigoVacio", Con(kOcupacion, [](auto& f) { f.asig = f.tarea = ""; }), {},
     {Con(kEntradaOcupacion, [](auto& e) { e.ocupacion = "SIN-CODIGO"; })}, true},
};

INSTANTIATE_TEST_SUITE_P(Filas, UnaFila, ::testing::ValuesIn(kCasosFila),
                         [](const auto& info) { return std::string(info.param.nombre); });

// ---------------------------------------------------------------------------------------
// Several rows.

TEST_F(LecturaSolucion, CadaFilaDaUnaEntradaEnElOrdenDeLaSolucion) {
    const FilaSoluc otra = Con(kLeccion, [](auto& f) { f.dia = 3; f.codgrupo = "2BACA"; });
    const EntradaHorarioGrupo entradaOtra = Con(kEntradaLeccion, [](auto& e) {
        e.dia_semana = "X"; e.grupo = "G200"; e.curso = "C20"; e.ensenanza = "BAC";
    });
    const FilaSoluc ocupacion2 = Con(kOcupacion, [](auto& f) { f.dia = 5; });
    const EntradaHorarioOcupacion entradaOcupacion2 = Con(kEntradaOcupacion, [](auto& e) { e.dia_semana = "V"; });

    Lectura r = Leer({kLeccion, kOcupacion, otra, kLeccion, ocupacion2, kLeccion});
    EXPECT_EQ(r.grupos, (Grupos{kEntradaLeccion, entradaOtra, kEntradaLeccion, kEntradaLeccion}));
    EXPECT_EQ(r.ocupaciones, (Ocupaciones{kEntradaOcupacion, entradaOcupacion2}));
}

TEST_F(LecturaSolucion, LaPlantillaDeCadaEntradaEsLaDeLaExportacion) {
    EscribirTablasTrabajo(dir.ruta());
    EscribirSoluc(dir / "SOLUC.DBF", {kLeccion, kOcupacion});
    Lectura r = LeerCarpeta(dir.ruta(), "OTRA");
    ASSERT_EQ(r.grupos.size(), 1u);
    ASSERT_EQ(r.ocupaciones.size(), 1u);
    EXPECT_EQ(r.grupos[0].plantilla, "OTRA");
    EXPECT_EQ(r.ocupaciones[0].plantilla, "OTRA");
}

TEST_F(LecturaSolucion, UnMarcoSinSesionesNoDaNingunaEntrada) {
    EscribirTablasTrabajo(dir.ruta());
    EscribirMarco(dir.ruta(), {}, "");
    EscribirSoluc(dir / "SOLUC.DBF", {kLeccion, kOcupacion, Con(kLeccion, [](auto& f) { f.hora = 3; })});
    Lectura r = LeerCarpeta(dir.ruta());
    EXPECT_TRUE(r.grupos.empty());
    EXPECT_TRUE(r.ocupaciones.empty());
}

TEST_F(LecturaSolucion, UnaSolucionVaciaNoDaNingunaEntrada) {
    Lectura r = Leer({});
    EXPECT_TRUE(r.grupos.empty());
    EXPECT_TRUE(r.ocupaciones.empty());
}

// ---------------------------------------------------------------------------------------
// A solution the engine cannot read ends the reading with the engine's error.

struct CasoError {
    const char* nombre;
    friend void PrintTo(const CasoError& c, std::ostream* os) { *os << c.nombre; }
    std::vector<DefCampo> campos;
    Valores fila;
    std::vector<std::string> enElMensaje;
};

class SolucionIlegible : public LecturaSolucion, public ::testing::WithParamInterface<CasoError> {};

TEST_P(SolucionIlegible, LaLecturaTerminaConElErrorDelMotor) {
    const CasoError& c = GetParam();
    EscribirTablasTrabajo(dir.ruta());
    TablaDbf::Crear(dir / "SOLUC.DBF", c.campos);
    {
        TablaDbf t;
        t.Abrir(dir / "SOLUC.DBF");
        AnadirFila(t, c.fila);
        t.Cerrar();
    }
    try {
        LeerCarpeta(dir.ruta());
        FAIL() << "sin error";
    } catch (const Error& e) {
        for (const std::string& parte : c.enElMensaje)
            EXPECT_NE(std::string(e.what()).find(parte), std::string::npos) << e.what();
    }
}

const std::vector<DefCampo> kCamposTexto = {
    {"ASIG", TipoCampo::Texto, 10}, {"TAREA", TipoCampo::Texto, 10}, {"DIA", TipoCampo::Texto, 10},
    {"HORA", TipoCampo::Texto, 10}, {"MARCO", TipoCampo::Texto, 1},  {"CODGRUPO", TipoCampo::Texto, 10},
    {"PROF", TipoCampo::Texto, 10}, {"AULA", TipoCampo::Texto, 10}};
const std::vector<DefCampo> kCamposSinGrupo = {
    {"ASIG", TipoCampo::Texto, 10}, {"TAREA", TipoCampo::Texto, 10}, {"DIA", TipoCampo::Entero, 0},
    {"HORA", TipoCampo::Entero, 0}, {"MARCO", TipoCampo::Texto, 1},  {"PROF", TipoCampo::Texto, 10},
    {"AULA", TipoCampo::Texto, 10}};

INSTANTIATE_TEST_SUITE_P(
    Errores, SolucionIlegible,
    ::testing::Values(
        CasoError{"DiaEnLetras", kCamposTexto,
                  {{"ASIG", "MAT"}, {"TAREA", "*479"}, {"DIA", "lunes"}, {"HORA", "1"}, {"MARCO", "0"},
                   {"CODGRUPO", "1ESOA"}},
                  {"SOLUC", "DIA", "lunes"}},
        CasoError{"HoraEnLetras", kCamposTexto,
                  {{"ASIG", "MAT"}, {"TAREA", "*479"}, {"DIA", "1"}, {"HORA", "primera"}, {"MARCO", "0"},
                   {"CODGRUPO", "1ESOA"}},
                  {"SOLUC", "HORA", "primera"}},
        CasoError{"FaltaElCampoDelGrupo", kCamposSinGrupo,
                  {{"ASIG", "MAT"}, {"TAREA", "*479"}, {"DIA", "1"}, {"HORA", "1"}, {"MARCO", "0"}},
                  {"SOLUC", "CODGRUPO"}}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST_F(LecturaSolucion, UnDiaEnTextoConNumeroSeLeeComoNumero) {
    EscribirTablasTrabajo(dir.ruta());
    TablaDbf::Crear(dir / "SOLUC.DBF", kCamposTexto);
    {
        TablaDbf t;
        t.Abrir(dir / "SOLUC.DBF");
        AnadirFila(t, {{"ASIG", "MAT"}, {"TAREA", "*479"}, {"DIA", "1"}, {"HORA", "1"}, {"MARCO", "0"},
                       {"CODGRUPO", "1ESOA"}, {"PROF", "PGL"}, {"AULA", "A1"}});
        t.Cerrar();
    }
    EXPECT_EQ(LeerCarpeta(dir.ruta()).grupos, Grupos{kEntradaLeccion});
}

// ---------------------------------------------------------------------------------------
// Solutions written by other dBase engines.

const std::vector<FilaSoluc> kFilasAjenas = {
    kLeccion,
    {"FQ", "*479", 5, 3, "0", "2BACA", "XYZ", "AULÀ2"},
    kOcupacion,
    Con(kLeccion, [](auto& f) { f.dia = 0; }),
    Con(kLeccion, [](auto& f) { f.dia = 8; f.hora = 2; }),
    Con(kLeccion, [](auto& f) { f.marco = "1"; }),
};
const Grupos kGruposAjenos = {
    kEntradaLeccion,
    {"PL1", "V", "4", "10:20", "11:15", "G200", "BAC", "C20", "FQ-ITACA", "", "AULA-2"},
    Con(kEntradaLeccion, [](auto& e) { e.dia_semana = ""; e.sesion_orden = "2"; e.hora_desde = "08:55"; e.hora_hasta = "09:50"; }),
};

// Rows as "ASIG|TAREA|DIA|HORA|MARCO|CODGRUPO|PROF|AULA" lines, in UTF-8.
std::string LineasFilas(const std::vector<FilaSoluc>& filas) {
    std::string texto;
    for (const FilaSoluc& f : filas)
        texto += f.asig + "|" + f.tarea + "|" + std::to_string(f.dia) + "|" + std::to_string(f.hora) + "|" +
                 f.marco + "|" + f.codgrupo + "|" + f.prof + "|" + f.aula + "\n";
    return texto;
}

// The solution for Free Pascal's TDbf at level 7, with binary integers for DIA and HORA.
std::string DescripcionTDbf(const std::vector<FilaSoluc>& filas) {
    std::string texto =
        "NIVEL 7\nCAMPO ASIG C 10\nCAMPO TAREA C 10\nCAMPO DIA I\nCAMPO HORA I\nCAMPO MARCO C 1\n"
        "CAMPO CODGRUPO C 10\nCAMPO PROF C 10\nCAMPO AULA C 10\n";
    for (const FilaSoluc& f : filas)
        texto += "FILA\nASIG=" + f.asig + "\nTAREA=" + f.tarea + "\nDIA=" + std::to_string(f.dia) +
                 "\nHORA=" + std::to_string(f.hora) + "\nMARCO=" + f.marco + "\nCODGRUPO=" + f.codgrupo +
                 "\nPROF=" + f.prof + "\nAULA=" + f.aula + "\n";
    return texto;
}

// The rows and the python3-dbf writer are kept in tests/data/dbf/solucion_ajena, where the
// Windows build's Linux side makes the same tables from them.
const std::string kDatosAjenos = Unir(Unir(PH_DATOS, "dbf"), "solucion_ajena");

TEST(SolucionAjenaDatos, LasFilasGuardadasSonLasDeEstasPruebas) {
    EXPECT_EQ(LeerArchivo(Unir(kDatosAjenos, "filas.txt")), LineasFilas(kFilasAjenas));
}

struct Escritor {
    const char* nombre;
    friend void PrintTo(const Escritor& c, std::ostream* os) { *os << c.nombre; }
    int (*escribir)(const CarpetaTemporal& dir, const std::string& ruta, std::string* salida);
};

int EscribirConPython(const CarpetaTemporal& dir, const std::string& ruta, const char* tipo, std::string* salida) {
    EscribirArchivo(dir / "filas.txt", LineasFilas(kFilasAjenas));
    return Ejecutar({kPython, Unir(kDatosAjenos, "escribir_python.py"), ruta, tipo, dir / "filas.txt"}, salida);
}

class SolucionAjena : public LecturaSolucion, public ::testing::WithParamInterface<Escritor> {};

TEST_P(SolucionAjena, SeLeeComoLaPropia) {
    EscribirTablasTrabajo(dir.ruta());
    if (kHerramientasLinux) {
        std::string salida;
        ASSERT_EQ(GetParam().escribir(dir, dir / "SOLUC.DBF", &salida), 0) << salida;
    } else {
        // The other engines do not run here: the build made the same table on the Linux side.
        const std::string hecha = Unir(Unir(PH_BINARIOS, "generados"), std::string("SOLUC-") + GetParam().nombre + ".DBF");
        std::filesystem::copy_file(RutaNativa(hecha), RutaNativa(dir / "SOLUC.DBF"));
    }
    Lectura r = LeerCarpeta(dir.ruta());
    EXPECT_EQ(r.grupos, kGruposAjenos);
    EXPECT_EQ(r.ocupaciones, Ocupaciones{kEntradaOcupacion});
}

INSTANTIATE_TEST_SUITE_P(
    Motores, SolucionAjena,
    ::testing::Values(
        Escritor{"TDbfNivel7",
                 [](const CarpetaTemporal& dir, const std::string& ruta, std::string* salida) {
                     EscribirArchivo(dir / "descripcion.txt", DescripcionTDbf(kFilasAjenas));
                     return Ejecutar({ProgramaConstruido("interop/escribirdbf"), dir / "descripcion.txt", ruta},
                                     salida);
                 }},
        Escritor{"PythonDBaseIII",
                 [](const CarpetaTemporal& dir, const std::string& ruta, std::string* salida) {
                     return EscribirConPython(dir, ruta, "db3", salida);
                 }},
        Escritor{"PythonVisualFoxPro",
                 [](const CarpetaTemporal& dir, const std::string& ruta, std::string* salida) {
                     return EscribirConPython(dir, ruta, "vfp", salida);
                 }}),
    [](const auto& info) { return std::string(info.param.nombre); });

// ---------------------------------------------------------------------------------------

TEST(LetraDia, UnaLetraDeLunesADomingoYNadaFuera) {
    const std::vector<std::pair<long long, std::string>> casos = {
        {1, "L"}, {2, "M"}, {3, "X"}, {4, "J"}, {5, "V"}, {6, "S"}, {7, "D"},
        {0, ""},  {8, ""},  {-1, ""}, {-7, ""}, {100, ""}};
    for (const auto& [dia, letra] : casos) EXPECT_EQ(LetraDia(dia), letra) << dia;
}

}  // namespace
