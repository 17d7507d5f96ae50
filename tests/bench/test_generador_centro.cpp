// The centre-file generator: the benchmark's large schools are files that our reader
// takes, of the announced size, scaled section by section, deterministic, and carrying the
// quirks of real exports; the sample profile writes the sample school of the examples.
#include "apoyo/apoyo.h"
#include "apoyo/en_linux.h"
#include "common/carpeta.h"
#include "common/dbf/dbf.h"
#include "common/texto.h"
#include "common/xml.h"
#include "import/importacion.h"
#include "transfer/centro.h"
#include "transfer/tablas_trabajo.h"

#include <gtest/gtest.h>
#include <libxml/tree.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using namespace ph;
using namespace ph::prueba;

namespace {

// The generator's command line writing to ruta. opciones: words.
std::vector<std::string> OrdenGenerador(const std::string& opciones, const std::string& ruta) {
    std::vector<std::string> orden{kPython, Unir(Unir(PH_FUENTES, "bench"), "generar_centro.py")};
    std::istringstream palabras(opciones);
    for (std::string p; palabras >> p;) orden.push_back(p);
    orden.push_back("-o");
    orden.push_back(ruta);
    return orden;
}

// Generates a centre file; fails the test when the generator fails.
std::string Generar(const CarpetaTemporal& carpeta, const std::string& nombre, const std::string& opciones) {
    const std::string ruta = carpeta / nombre;
    std::string salida;
    EXPECT_EQ(Ejecutar(OrdenGenerador(opciones, ruta), &salida), 0) << salida;
    return ruta;
}

class GeneradorCentro : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!kHerramientasLinux) return;
        carpeta = new CarpetaTemporal;
        s1 = Generar(*carpeta, "s1.xml", "-s 1");
        s1otra = Generar(*carpeta, "s1otra.xml", "-s 1");
        s1utf8 = Generar(*carpeta, "s1utf8.xml", "-s 1 --codificacion utf-8");
        s1semilla = Generar(*carpeta, "s1semilla.xml", "-s 1 --semilla 7");
        s2 = Generar(*carpeta, "s2.xml", "-s 2");
    }
    void SetUp() override {
        if (!kHerramientasLinux)
            GTEST_SKIP() << "el generador es un programa de Python, que aquí solo corre en Linux; se prueba en la "
                            "pasada de Linux";
    }
    static void TearDownTestSuite() {
        delete carpeta;
        carpeta = nullptr;
    }

    static CarpetaTemporal* carpeta;
    static std::string s1, s1otra, s1utf8, s1semilla, s2;
};

CarpetaTemporal* GeneradorCentro::carpeta = nullptr;
std::string GeneradorCentro::s1, GeneradorCentro::s1otra, GeneradorCentro::s1utf8, GeneradorCentro::s1semilla,
    GeneradorCentro::s2;

std::unique_ptr<DocumentoXml> Cargar(const std::string& ruta) {
    auto doc = std::make_unique<DocumentoXml>();
    EXPECT_TRUE(doc->Cargar(ruta)) << doc->MotivoFallo();
    return doc;
}

// The sections that the transfer reads, with the size of a large school at scale 1.
struct Tamano {
    const char* ruta;
    size_t minimo, maximo;
};
const Tamano kTamanos[] = {
    {centro::kPlantillas, 3, 3},        {centro::kSesiones, 90, 120},    {centro::kDocentes, 150, 150},
    {centro::kEnsenanzas, 5, 10},       {centro::kCursos, 45, 45},       {centro::kCursosGrupo, 70, 100},
    {centro::kGrupos, 70, 70},          {centro::kContenidos, 420, 480}, {centro::kOcupaciones, 40, 40},
    {centro::kAulas, 60, 60},           {centro::kHorariosGrupo, 5500, 6500},
    {centro::kHorariosOcupacion, 800, 1000},
    {"/centro/alumnos/alumno", 1500, 1500},
};

// Elements per section, by the section's name.
std::map<std::string, size_t> ElementosPorSeccion(const DocumentoXml& doc) {
    std::map<std::string, size_t> cuentas;
    for (xmlNode* s = doc.Raiz().Nativo()->children; s; s = s->next) {
        if (s->type != XML_ELEMENT_NODE) continue;
        size_t& n = cuentas[reinterpret_cast<const char*>(s->name)];
        for (xmlNode* e = s->children; e; e = e->next) n += e->type == XML_ELEMENT_NODE;
    }
    return cuentas;
}

}  // namespace

TEST_F(GeneradorCentro, LaEscalaUnoEsUnCentroGrandeDeUnasCincuentaYCincoSecciones) {
    auto doc = Cargar(s1);
    NodoXml raiz = doc->Raiz();
    ASSERT_TRUE(raiz.Valido());
    EXPECT_EQ(raiz.Nombre(), "centro");
    for (const char* a : {"codigo", "denominacion", "curso", "version"}) EXPECT_FALSE(raiz.Atributo(a).empty()) << a;
    for (const Tamano& t : kTamanos) {
        size_t n = doc->Seleccionar(t.ruta).size();
        EXPECT_GE(n, t.minimo) << t.ruta;
        EXPECT_LE(n, t.maximo) << t.ruta;
    }
    const size_t secciones = ElementosPorSeccion(*doc).size();
    EXPECT_GE(secciones, 50u);
    EXPECT_LE(secciones, 60u);
    // Real exports are written in ISO-8859-1 and say so.
    EXPECT_EQ(LeerArchivo(s1).rfind("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>", 0), 0u);
    std::string salida;
    EXPECT_EQ(Ejecutar({"xmllint", "--noout", s1}, &salida), 0) << salida;
}

TEST_F(GeneradorCentro, MismaSemillaMismosBytesOtraSemillaOtroCentro) {
    EXPECT_EQ(LeerArchivo(s1), LeerArchivo(s1otra));
    EXPECT_NE(LeerArchivo(s1), LeerArchivo(s1semilla));
}

TEST_F(GeneradorCentro, ElArchivoUtf8LlevaLosMismosTextos) {
    auto latin = Cargar(s1);
    auto utf8 = Cargar(s1utf8);
    EXPECT_EQ(LeerArchivo(s1utf8).rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>", 0), 0u);
    auto a = latin->Seleccionar(centro::kDocentes);
    auto b = utf8->Seleccionar(centro::kDocentes);
    ASSERT_EQ(a.size(), b.size());
    bool acentos = false;
    for (size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].Atributo("apellido1"), b[i].Atributo("apellido1"));
        acentos = acentos || a[i].Atributo("apellido1").find("é") != std::string::npos;
    }
    EXPECT_TRUE(acentos) << "no accented surname: the encoding is not exercised";
}

TEST_F(GeneradorCentro, LaEscalaDosDuplicaCadaSeccionYMantieneUnicosLosCodigosItaca) {
    auto uno = Cargar(s1);
    auto dos = Cargar(s2);
    const auto cuentasUno = ElementosPorSeccion(*uno);
    const auto cuentasDos = ElementosPorSeccion(*dos);
    ASSERT_EQ(cuentasUno.size(), cuentasDos.size());
    for (const auto& [seccion, n] : cuentasUno) {
        EXPECT_GT(n, 0u) << seccion;
        EXPECT_EQ(cuentasDos.at(seccion), 2 * n) << seccion;
    }
    struct Clave {
        const char* ruta;
        const char* atributo;
    };
    const Clave claves[] = {
        {centro::kDocentes, "documento"}, {centro::kCursos, "codigo"},     {centro::kGrupos, "codigo"},
        {centro::kPlantillas, "codigo"},  {centro::kOcupaciones, "codigo"}, {centro::kEnsenanzas, "ensenanza"},
        {"/centro/alumnos/alumno", "nia"},
    };
    for (const Clave& c : claves) {
        std::set<std::string> vistos;
        for (NodoXml n : dos->Seleccionar(c.ruta))
            EXPECT_TRUE(vistos.insert(n.Atributo(c.atributo)).second) << c.ruta << " " << n.Atributo(c.atributo);
    }
}

// Every reference of a timetable line finds its element, and nearly every line names an
// assignment the transfer builds (the group's first course and a subject of that course).
TEST_F(GeneradorCentro, LasLineasDeHorarioRemitenASuPlantillaGrupoCursoAsignaturaDocenteYAula) {
    auto doc = Cargar(s2);
    auto conjunto = [&](const char* ruta, const char* atributo) {
        std::set<std::string> s;
        for (NodoXml n : doc->Seleccionar(ruta)) s.insert(n.Atributo(atributo));
        return s;
    };
    const auto plantillas = conjunto(centro::kPlantillas, "codigo");
    const auto grupos = conjunto(centro::kGrupos, "codigo");
    const auto cursos = conjunto(centro::kCursos, "codigo");
    const auto docentes = conjunto(centro::kDocentes, "documento");
    const auto aulas = conjunto(centro::kAulas, "codigo");
    const auto ocupaciones = conjunto(centro::kOcupaciones, "codigo");
    std::set<std::pair<std::string, std::string>> contenidos;
    for (NodoXml n : doc->Seleccionar(centro::kContenidos)) contenidos.insert({n.Atributo("codigo"), n.Atributo("curso")});
    std::map<std::string, std::string> primerCurso;
    for (NodoXml n : doc->Seleccionar(centro::kCursosGrupo)) primerCurso.emplace(n.Atributo("grupo"), n.Atributo("curso"));

    size_t lineas = 0, asignadas = 0, sinAula = 0;
    for (NodoXml n : doc->Seleccionar(centro::kHorariosGrupo)) {
        ++lineas;
        const std::string grupo = n.Atributo("grupo"), curso = n.Atributo("curso"), aula = n.Atributo("aula");
        EXPECT_TRUE(plantillas.count(n.Atributo("plantilla")));
        EXPECT_TRUE(grupos.count(grupo)) << grupo;
        EXPECT_TRUE(cursos.count(curso)) << curso;
        EXPECT_TRUE(docentes.count(n.Atributo("docente")));
        if (aula == " ") {
            ++sinAula;
        } else {
            EXPECT_TRUE(aulas.count(aula)) << aula;
        }
        if (primerCurso[grupo] == curso && contenidos.count({n.Atributo("contenido"), curso})) ++asignadas;
    }
    EXPECT_GT(asignadas, lineas * 9 / 10);
    EXPECT_GT(sinAula, 0u);
    for (NodoXml n : doc->Seleccionar(centro::kHorariosOcupacion)) {
        EXPECT_TRUE(ocupaciones.count(n.Atributo("ocupacion")));
        EXPECT_TRUE(docentes.count(n.Atributo("docente")));
        EXPECT_TRUE(plantillas.count(n.Atributo("plantilla")));
    }
    for (NodoXml n : doc->Seleccionar(centro::kGrupos)) {
        const std::string tutor = AllTrim(n.Atributo("tutor_ppal")) + AllTrim(n.Atributo("tutor_sec"));
        if (!tutor.empty()) {
            EXPECT_TRUE(docentes.count(tutor)) << tutor;
        }
    }
}

// The file exercises what real exports bring: repeated initials, rooms without code and
// with codes that repeat in another letter case, occupations whose codes end alike, long
// subject codes that shorten to the same code, teachers without second surname.
TEST_F(GeneradorCentro, LaTransferenciaHallaLasRarezasDeLasExportacionesReales) {
    CarpetaTemporal stemp;
    DialogosGuion dialogos;
    EstadoVentana estado;
    estado.filenameXML = s1;
    ResultadoTransferencia r = ImportarDeItaca(estado, stemp.ruta(), dialogos);
    ASSERT_EQ(r.desenlace, Desenlace::Completada) << r.mensaje;

    auto columna = [&](const char* tabla, const char* campo) {
        std::multiset<std::string> valores;
        TablaDbf t;
        AbrirTabla(t, stemp.ruta(), tabla, false);
        for (t.First(); !t.Eof(); t.Next()) valores.insert(t.AsString(campo));
        return valores;
    };
    auto alguno = [](const std::multiset<std::string>& valores, auto condicion) {
        for (const std::string& v : valores)
            if (condicion(v)) return true;
        return false;
    };
    const auto profesores = columna("PROFT", "ABREV");
    EXPECT_TRUE(alguno(profesores, [](const std::string& v) { return v.size() > 3 && isdigit(v.back()); }));
    EXPECT_TRUE(alguno(profesores, [](const std::string& v) { return v.size() == 2; }));
    const auto aulas = columna("AULAT", "ABREV");
    EXPECT_TRUE(aulas.count("Aula") && aulas.count("Aula1")) << "rooms without code";
    EXPECT_TRUE(aulas.count("a12") && aulas.count("A121")) << "codes repeated in another letter case";
    const auto asignaturas = columna("ASIGNOMT", "COD");
    EXPECT_TRUE(asignaturas.count("*101") && asignaturas.count("*10A")) << "occupation codes ending alike";
    // Two long subject codes that shorten alike both get a row, with different codes.
    std::map<std::string, std::string> codigoDe;
    TablaDbf nombres;
    AbrirTabla(nombres, stemp.ruta(), "ASIGNOMT", false);
    for (nombres.First(); !nombres.Eof(); nombres.Next())
        codigoDe[nombres.AsString("ABREV_ITACA")] = nombres.AsString("COD");
    ASSERT_TRUE(codigoDe.count("EPA00000CO01") && codigoDe.count("EPA00000SO01"));
    EXPECT_NE(codigoDe["EPA00000CO01"], codigoDe["EPA00000SO01"]);

    // The timetable lines of the chosen template give assignments with teachers and hours.
    TablaDbf asig;
    AbrirTabla(asig, stemp.ruta(), "ASIGT", false);
    long conProfesor = 0, conVariasHoras = 0;
    for (asig.First(); !asig.Eof(); asig.Next()) {
        conProfesor += !asig.AsString("CPROF").empty();
        conVariasHoras += asig.AsFloat("HORAS") > 1;
    }
    EXPECT_GT(asig.RecordCount(), 500);
    EXPECT_GT(conProfesor, asig.RecordCount() * 9 / 10);
    EXPECT_GT(conVariasHoras, asig.RecordCount() / 2);
}

// The sample school that ./run carries is the generator's profile "ejemplo": the file in
// examples/ is exactly what it writes.
TEST_F(GeneradorCentro, ElPerfilEjemploEscribeElCentroDeLosEjemplos) {
    const std::string escrito = LeerArchivo(Generar(*carpeta, "ejemplo.xml", "--perfil ejemplo"));
    const std::string esperado = LeerArchivo(Unir(PH_EJEMPLOS, "centro.xml"));
    ASSERT_FALSE(esperado.empty());
    const auto diferencia = std::mismatch(escrito.begin(), escrito.end(), esperado.begin(), esperado.end());
    EXPECT_TRUE(escrito == esperado) << "sizes " << escrito.size() << " and " << esperado.size()
                                     << ", first difference at byte " << (diferencia.first - escrito.begin());
}

// Options that do not fit the profile are a usage error, and no file is written: the
// sample school is one, with no scale and no seed.
TEST_F(GeneradorCentro, LasOpcionesQueNoCasanConElPerfilSeRechazan) {
    struct Caso {
        const char* opciones;
        const char* mensaje;
    };
    const Caso casos[] = {
        {"--perfil ejemplo -s 2", "el perfil ejemplo no admite -s ni --semilla"},
        {"--perfil ejemplo --semilla 3", "el perfil ejemplo no admite -s ni --semilla"},
        {"-s 0", "la escala debe ser 1 o más"},
    };
    for (const Caso& c : casos) {
        const std::string ruta = *carpeta / "rechazado.xml";
        std::string salida;
        EXPECT_EQ(Ejecutar(OrdenGenerador(c.opciones, ruta), &salida), 2) << c.opciones;
        EXPECT_NE(salida.find(c.mensaje), std::string::npos) << c.opciones << ": " << salida;
        EXPECT_FALSE(ExisteArchivo(ruta)) << c.opciones;
    }
}
