// pasahorario-cli sesionix-a-itaca, run as a program after an import of the sample school
// and a solution from the program that plays Sesionix: the schedule file, the template
// it takes, the options, the exit status and what a refused or failed run leaves behind.
#include "apoyo/apoyo.h"
#include "apoyo/cli_prueba.h"
#include "apoyo/en_linux.h"
#include "common/dbf/dbf.h"
#include "common/texto.h"
#include "common/xml.h"
#include "transfer/tablas_trabajo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

using namespace ph;
using namespace ph::prueba;

namespace {

using Multiconjunto = std::map<std::tuple<std::string, std::string, std::string>, int>;

// What the sample centre file holds, for checking the references of the schedule file.
struct Muestra {
    std::set<std::string> grupos, cursos, docentes, aulas, ocupaciones;
    std::set<std::pair<std::string, std::string>> contenidos;  // (code, course)
    std::map<std::string, std::string> cursoDeGrupo, ensenanzaDeGrupo, ensenanzaDeDocente;
    // template -> session order -> (start, end), from the Monday sessions
    std::map<std::string, std::map<std::string, std::pair<std::string, std::string>>> sesiones;
    // template -> (group, subject, teacher) -> periods; (teacher, occupation, "") -> periods
    std::map<std::string, Multiconjunto> clases, ocupacionesPorPlantilla;

    explicit Muestra(const std::string& ruta) {
        DocumentoXml doc;
        EXPECT_TRUE(doc.Cargar(ruta)) << doc.MotivoFallo();
        auto at = [](const NodoXml& n, const char* a) { return AllTrim(n.Atributo(a)); };
        for (const NodoXml& n : doc.Seleccionar("/centro/grupos/grupo")) {
            grupos.insert(at(n, "codigo"));
            ensenanzaDeGrupo[at(n, "codigo")] = at(n, "ensenanza");
        }
        for (const NodoXml& n : doc.Seleccionar("/centro/cursos_grupo/curso_grupo"))
            cursoDeGrupo[at(n, "grupo")] = at(n, "curso");
        for (const NodoXml& n : doc.Seleccionar("/centro/cursos/curso")) cursos.insert(at(n, "codigo"));
        for (const NodoXml& n : doc.Seleccionar("/centro/docentes/docente")) {
            docentes.insert(at(n, "documento"));
            ensenanzaDeDocente[at(n, "documento")] = at(n, "ensenanza");
        }
        for (const NodoXml& n : doc.Seleccionar("/centro/aulas/aula")) aulas.insert(at(n, "codigo"));
        for (const NodoXml& n : doc.Seleccionar("/centro/ocupaciones/ocupacion")) ocupaciones.insert(at(n, "codigo"));
        for (const NodoXml& n : doc.Seleccionar("/centro/contenidos/contenido"))
            contenidos.insert({at(n, "codigo"), at(n, "curso")});
        for (const NodoXml& n : doc.Seleccionar("/centro/sesiones_horario/sesion_horario"))
            if (at(n, "dia_semana") == "L")
                sesiones[at(n, "plantilla")][at(n, "sesion_orden")] = {at(n, "hora_desde"), at(n, "hora_hasta")};
        for (const NodoXml& n : doc.Seleccionar("/centro/horarios_grupo/horario_grupo"))
            ++clases[at(n, "plantilla")][{at(n, "grupo"), at(n, "contenido"), at(n, "docente")}];
        for (const NodoXml& n : doc.Seleccionar("/centro/horarios_ocupaciones/horario_ocupacion"))
            ++ocupacionesPorPlantilla[at(n, "plantilla")][{at(n, "docente"), at(n, "ocupacion"), ""}];
    }
};

const Muestra& Ejemplo() {
    static const Muestra m(kEjemplo);
    return m;
}

// The solution rows that the export can turn into entries: a lesson row needs its group,
// its subject and its session; an occupation row its occupation, its teacher and its session.
std::pair<long, long> FilasQuePasan(const std::string& carpeta) {
    auto columna = [&](const char* tabla, const char* campo) {
        std::set<std::string> r;
        TablaDbf t;
        t.Abrir(RutaTabla(carpeta, tabla), false);
        for (t.First(); !t.Eof(); t.Next()) r.insert(t.AsString(campo));
        return r;
    };
    const std::set<std::string> grupos = columna("GRUPOST", "ABREV"), asignaturas = columna("ASIGNOMT", "COD"),
                                profesores = columna("PROFT", "ABREV");
    std::set<std::pair<std::string, std::string>> sesiones;
    {
        TablaDbf t;
        t.Abrir(RutaTabla(carpeta, "DIASHORAST"), false);
        for (t.First(); !t.Eof(); t.Next()) sesiones.insert({t.AsString("HORA"), t.AsString("MARCO")});
    }
    long clases = 0, ocupaciones = 0;
    TablaDbf s;
    s.Abrir(RutaTabla(carpeta, kSOLUC), false);
    for (s.First(); !s.Eof(); s.Next()) {
        if (s.AsInteger("DIA") == 0 || s.AsInteger("HORA") == 0) continue;
        const std::string asig = s.AsString("ASIG");
        if (!asignaturas.count(asig) || !sesiones.count({s.AsString("HORA"), s.AsString("MARCO").substr(0, 1)}))
            continue;
        if (asig != s.AsString("TAREA")) clases += grupos.count(s.AsString("CODGRUPO"));
        else ocupaciones += profesores.count(s.AsString("PROF"));
    }
    return {clases, ocupaciones};
}

// Every file of a folder with its bytes.
std::map<std::string, std::string> Contenido(const std::string& carpeta) {
    std::map<std::string, std::string> r;
    for (const std::string& n : ArchivosDe(carpeta)) r[n] = LeerArchivo(Unir(carpeta, n));
    return r;
}

class CliExportacion : public ::testing::Test {
protected:
    // Copies the sample beside a fresh exchange folder, imports it and lets Sesionix
    // place the timetable.
    // With solucionDeEjemplo, the solution is the one kept in examples/ instead.
    void Preparar(const std::string& opcionesImportacion = "", bool solucionDeEjemplo = false) {
        std::filesystem::copy_file(RutaNativa(kEjemplo), RutaNativa(centro));
        const Salida i = Cli(Argumentos{"itaca-a-sesionix", centro, "--stemp", stemp.ruta()} +
                             Palabras(opcionesImportacion));
        ASSERT_EQ(i.codigo, 0) << i.errores;
        if (solucionDeEjemplo) {
            std::filesystem::copy_file(RutaNativa(Unir(PH_EJEMPLOS, "SOLUC.DBF")), RutaNativa(stemp / "SOLUC.DBF"));
        } else {
            const Salida s = Simular(stemp.ruta());
            ASSERT_EQ(s.codigo, 0) << s.errores;
        }
        ASSERT_TRUE(std::filesystem::exists(RutaNativa(stemp / "SOLUC.DBF")));
    }
    Salida Exportar(const std::string& opciones = "", long long limiteArchivo = -1) {
        return Cli(Argumentos{"sesionix-a-itaca", centro, "--stemp", stemp.ruta()} + Palabras(opciones), {},
                   limiteArchivo);
    }

    CarpetaTemporal entrada, stemp;
    const std::string centro = entrada / "centro.xml";
    const std::string resultado = entrada / "ResultadoSesionixcentro.xml";
};

class IdaYVuelta : public CliExportacion, public ::testing::WithParamInterface<bool> {};

TEST_P(IdaYVuelta, CadaClaseVuelveAItaca) {
    ASSERT_NO_FATAL_FAILURE(Preparar("", GetParam()));
    const Salida s = Exportar();
    ASSERT_EQ(s.codigo, 0) << s.errores;
    EXPECT_EQ(s.errores, "Proceso finalizado\n");

    // The schedule file is XML that another parser reads, in the centre file's encoding.
    ComprobarXmlBienFormado(resultado);
    EXPECT_EQ(LeerArchivo(resultado).rfind("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>", 0), 0u);

    DocumentoXml doc;
    ASSERT_TRUE(doc.Cargar(resultado)) << doc.MotivoFallo();
    const NodoXml raiz = doc.Raiz();
    EXPECT_EQ(raiz.Atributo("codigo"), "46999901");
    EXPECT_EQ(raiz.Atributo("denominacion"), "IES Tossal de les Oliveres");
    EXPECT_EQ(raiz.Atributo("curso"), "2019");
    EXPECT_EQ(raiz.Atributo("version"), "1.4");
    EXPECT_TRUE(doc.Seleccionar("/centro/docentes/docente").empty());

    const Muestra& m = Ejemplo();
    const auto& sesiones = m.sesiones.at("MATI");
    const std::set<std::string> dias{"L", "M", "X", "J", "V"};
    Multiconjunto clases, ocupaciones;
    const std::vector<NodoXml> grupos = doc.Seleccionar("/centro/horarios_grupo/horario_grupo");
    for (const NodoXml& n : grupos) {
        const std::string grupo = n.Atributo("grupo"), curso = n.Atributo("curso"),
                          contenido = n.Atributo("contenido"), docente = n.Atributo("docente");
        SCOPED_TRACE(grupo + " " + contenido + " " + docente);
        EXPECT_EQ(n.Atributo("plantilla"), "MATI");
        EXPECT_TRUE(dias.count(n.Atributo("dia_semana")));
        ASSERT_TRUE(sesiones.count(n.Atributo("sesion_orden")));
        EXPECT_EQ(sesiones.at(n.Atributo("sesion_orden")),
                  std::make_pair(n.Atributo("hora_desde"), n.Atributo("hora_hasta")));
        EXPECT_TRUE(m.grupos.count(grupo));
        EXPECT_EQ(curso, m.cursoDeGrupo.at(grupo));
        EXPECT_TRUE(m.cursos.count(curso));
        EXPECT_TRUE(m.contenidos.count({contenido, curso}));
        EXPECT_TRUE(m.docentes.count(docente));
        EXPECT_TRUE(m.aulas.count(n.Atributo("aula")) && !n.Atributo("aula").empty());
        EXPECT_EQ(n.Atributo("ensenanza"), m.ensenanzaDeGrupo.at(grupo));
        EXPECT_TRUE(n.TieneAtributo("idioma"));
        EXPECT_EQ(n.Atributo("idioma"), "");
        ++clases[{grupo, contenido, docente}];
    }
    const std::vector<NodoXml> ocup = doc.Seleccionar("/centro/horarios_ocupaciones/horario_ocupacion");
    for (const NodoXml& n : ocup) {
        const std::string docente = n.Atributo("docente"), ocupacion = n.Atributo("ocupacion");
        SCOPED_TRACE(docente + " " + ocupacion);
        EXPECT_EQ(n.Atributo("plantilla"), "MATI");
        EXPECT_TRUE(dias.count(n.Atributo("dia_semana")));
        EXPECT_TRUE(sesiones.count(n.Atributo("sesion_orden")));
        EXPECT_TRUE(m.ocupaciones.count(ocupacion));
        ASSERT_TRUE(m.docentes.count(docente));
        EXPECT_EQ(n.Atributo("ensenanza"), m.ensenanzaDeDocente.at(docente));
        ++ocupaciones[{docente, ocupacion, ""}];
    }

    // One entry per solution row that finds its group (or teacher), subject and session.
    const auto [filasClase, filasOcupacion] = FilasQuePasan(stemp.ruta());
    EXPECT_EQ(long(grupos.size()), filasClase);
    EXPECT_EQ(long(ocup.size()), filasOcupacion);
    EXPECT_NE(s.salida.find("Archivo de horarios: " + resultado), std::string::npos) << s.salida;
    EXPECT_NE(s.salida.find("horario_grupo:     " + std::to_string(grupos.size()) + " entradas"), std::string::npos)
        << s.salida;
    EXPECT_NE(s.salida.find("horario_ocupacion: " + std::to_string(ocup.size()) + " entradas"), std::string::npos)
        << s.salida;

    // Each lesson and occupation of the morning comes back as often as the centre file had it.
    EXPECT_EQ(clases, m.clases.at("MATI"));
    EXPECT_EQ(ocupaciones, m.ocupacionesPorPlantilla.at("MATI"));
}

INSTANTIATE_TEST_SUITE_P(Solucion, IdaYVuelta, ::testing::Values(false, true),
                         [](const auto& info) { return std::string(info.param ? "DeEjemplo" : "Simulada"); });

TEST_F(CliExportacion, SinPlantillaTomaLaDeLaUltimaImportacion) {
    ASSERT_NO_FATAL_FAILURE(Preparar("--plantilla VESP"));
    const Salida s = Exportar();
    ASSERT_EQ(s.codigo, 0) << s.errores;
    EXPECT_NE(s.salida.find("Plantilla: VESP"), std::string::npos) << s.salida;

    DocumentoXml doc;
    ASSERT_TRUE(doc.Cargar(resultado));
    const auto& sesiones = Ejemplo().sesiones.at("VESP");
    Multiconjunto clases;
    for (const NodoXml& n : doc.Seleccionar("/centro/horarios_grupo/horario_grupo")) {
        EXPECT_EQ(n.Atributo("plantilla"), "VESP");
        EXPECT_TRUE(sesiones.count(n.Atributo("sesion_orden"))) << n.Atributo("sesion_orden");
        ++clases[{n.Atributo("grupo"), n.Atributo("contenido"), n.Atributo("docente")}];
    }
    EXPECT_EQ(clases, Ejemplo().clases.at("VESP"));
    for (const NodoXml& n : doc.Seleccionar("/centro/horarios_ocupaciones/horario_ocupacion"))
        EXPECT_EQ(n.Atributo("plantilla"), "VESP");
}

TEST_F(CliExportacion, CursoEIdiomaDeLasOpciones) {
    ASSERT_NO_FATAL_FAILURE(Preparar());
    const Salida s = Exportar("--curso=2021 --idioma CASTELLANO --plantilla MATI");
    ASSERT_EQ(s.codigo, 0) << s.errores;
    DocumentoXml doc;
    ASSERT_TRUE(doc.Cargar(resultado));
    EXPECT_EQ(doc.Raiz().Atributo("curso"), "2021");
    // The courses of the entries are the groups' ITACA courses, not the school year.
    const NodoXml primera = doc.SeleccionarUno("/centro/horarios_grupo/horario_grupo");
    ASSERT_TRUE(primera.Valido());
    EXPECT_TRUE(Ejemplo().cursos.count(primera.Atributo("curso")));

    // The rebuilt frame names its days in the language given.
    TablaDbf t;
    t.Abrir(RutaTabla(stemp.ruta(), "DIASHORAST"), false);
    std::map<std::string, std::string> nombres;
    for (t.First(); !t.Eof(); t.Next()) nombres[t.AsString("DIA")] = t.AsString("TEXTODIA");
    EXPECT_EQ(nombres["1"], "Lunes");
    EXPECT_EQ(nombres["3"], "Miércoles");
    EXPECT_EQ(nombres["7"], "Domingo");
}

// --- refused runs: nothing is touched -----------------------------------------------------

enum class Estropicio {
    Ninguno,
    SinDiasHoras,
    PlantillaAjena,
    SinSolucion,
    SinCentro,
    SolucionSinProfNiFilas,
    SolucionConFilasSinTresCampos
};

// A solution with the given fields, every text field 10 wide, DIA and HORA binary
// integers, and one lesson row when conFila.
void SolucionConCampos(const std::string& ruta, const std::vector<std::string>& nombres, bool conFila) {
    std::filesystem::remove(ruta);
    std::vector<DefCampo> campos;
    for (const std::string& n : nombres)
        campos.push_back(n == "DIA" || n == "HORA" ? DefCampo{n, TipoCampo::Entero, 0}
                                                   : DefCampo{n, TipoCampo::Texto, 10});
    TablaDbf::Crear(ruta, campos);
    if (!conFila) return;
    TablaDbf t;
    t.Abrir(ruta);
    t.Append();
    for (const std::string& n : nombres) {
        if (n == "DIA" || n == "HORA") t.SetInteger(n, 1);
        else t.SetString(n, n == "TAREA" ? "*479" : "X");
    }
    t.Post();
    t.Cerrar();
}

struct CasoRechazo {
    const char* nombre;
    Estropicio estropicio;
    const char* opciones;
    int codigo;
    const char* mensaje;
};
void PrintTo(const CasoRechazo& c, std::ostream* os) { *os << c.nombre; }

class ExportacionRechazada : public CliExportacion, public ::testing::WithParamInterface<CasoRechazo> {};

TEST_P(ExportacionRechazada, NoTocaNada) {
    const CasoRechazo& c = GetParam();
    ASSERT_NO_FATAL_FAILURE(Preparar());
    switch (c.estropicio) {
        case Estropicio::Ninguno: break;
        case Estropicio::SinDiasHoras: std::filesystem::remove(RutaNativa(stemp / "DIASHORAST.DBF")); break;
        case Estropicio::PlantillaAjena: {
            TablaDbf::Crear(stemp / "DIASHORAST.DBF", TablaDIASHORAST().campos);
            TablaDbf t;
            t.Abrir(stemp / "DIASHORAST.DBF");
            t.Append();
            t.SetString("MARCOXML", "NOCHE");
            t.Post();
            t.Cerrar();
            break;
        }
        case Estropicio::SinSolucion: std::filesystem::remove(RutaNativa(stemp / "SOLUC.DBF")); break;
        case Estropicio::SinCentro: std::filesystem::remove(RutaNativa(centro)); break;
        case Estropicio::SolucionSinProfNiFilas:
            SolucionConCampos(stemp / "SOLUC.DBF", {"ASIG", "TAREA", "DIA", "HORA", "MARCO", "CODGRUPO", "AULA"},
                              false);
            break;
        case Estropicio::SolucionConFilasSinTresCampos:
            SolucionConCampos(stemp / "SOLUC.DBF", {"ASIG", "TAREA", "DIA", "HORA", "CODGRUPO"}, true);
            break;
    }
    const auto antes = Contenido(stemp.ruta());
    const auto entradaAntes = Contenido(entrada.ruta());

    const Salida s = Exportar(c.opciones);
    EXPECT_EQ(s.codigo, c.codigo) << s.errores;
    EXPECT_NE(s.errores.find(c.mensaje), std::string::npos) << s.errores;
    EXPECT_EQ(s.salida, "");
    EXPECT_TRUE(Contenido(stemp.ruta()) == antes);
    EXPECT_TRUE(Contenido(entrada.ruta()) == entradaAntes);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ExportacionRechazada,
    ::testing::Values(
        CasoRechazo{"SinPlantillaNiDiasHoras", Estropicio::SinDiasHoras, "", 2, "--plantilla"},
        CasoRechazo{"PlantillaRegistradaQueElArchivoNoTiene", Estropicio::PlantillaAjena, "", 2, "--plantilla"},
        CasoRechazo{"OpcionDeLaImportacion", Estropicio::Ninguno, "--todas-plantillas", 2,
                    "no admite la opción «--todas-plantillas»"},
        CasoRechazo{"OtraOpcionDeLaImportacion", Estropicio::Ninguno, "--conservar-sin-clases=1", 2,
                    "«--conservar-sin-clases»"},
        CasoRechazo{"SinSolucion", Estropicio::SinSolucion, "", 1, "No existe archivo XML o Solución."},
        CasoRechazo{"SinCentro", Estropicio::SinCentro, "", 1, "No existe archivo XML o Solución."},
        CasoRechazo{"SinCentroNiPlantilla", Estropicio::SinCentro, "--plantilla MATI", 1,
                    "No existe archivo XML o Solución."},
        // A solution without a field the export reads stops the run before the frame is
        // rebuilt: nothing is written, not even an empty schedule file.
        CasoRechazo{"SolucionSinProfNiFilas", Estropicio::SolucionSinProfNiFilas, "", 3,
                    "SOLUC.DBF» no tiene el campo «PROF», que la exportación lee."},
        CasoRechazo{"SolucionSinMarcoProfNiAula", Estropicio::SolucionConFilasSinTresCampos, "", 3,
                    "SOLUC.DBF» no tiene los campos «MARCO», «PROF», «AULA», que la exportación lee."}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST_F(CliExportacion, GuardadoFallidoDejaElArchivoAnterior) {
    ASSERT_NO_FATAL_FAILURE(Preparar());
    ASSERT_EQ(Exportar().codigo, 0);
    const std::string anterior = LeerArchivo(resultado);
    ASSERT_GT(anterior.size(), 60000u);

    Salida s;
    if (kHayLimiteArchivo) {
        // Files may not grow past 20 KiB: the frame table still fits, the schedule file
        // does not.
        s = Exportar("--curso 2021", 40 * 512);
    } else {
        // Windows has no such limit: another program holds the earlier schedule file, so
        // it cannot be replaced.
        ArchivoRetenido otro(resultado, Retencion::Exclusiva);
        s = Exportar("--curso 2021");
    }
    EXPECT_EQ(s.codigo, 3) << s.errores;
    EXPECT_NE(s.errores.find("ResultadoSesionixcentro.xml"), std::string::npos) << s.errores;
    EXPECT_EQ(s.errores.find("Proceso finalizado"), std::string::npos) << s.errores;
    EXPECT_EQ(LeerArchivo(resultado), anterior);
    EXPECT_EQ(ArchivosDe(entrada.ruta()), (std::vector<std::string>{"ResultadoSesionixcentro.xml", "centro.xml"}));
}

}  // namespace
