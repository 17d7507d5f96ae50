// The export driver: presence tests, refusal, a completed export, runs that stop in an
// error, and a save that fails.
#include "export/exportacion.h"
#include "export/fecha_exportacion.h"
#include "export/guardar_resultado.h"

#include "apoyo/apoyo.h"
#include "apoyo/en_linux.h"
#include "apoyo/tablas_prueba.h"
#include "common/carpeta.h"
#include "common/dbf/dbf.h"
#include "common/xml.h"
#include "transfer/tablas_trabajo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <csignal>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>
#ifndef _WIN32
#include <sys/resource.h>
#endif

using namespace ph;
using namespace ph::prueba;
namespace fs = std::filesystem;

namespace {

const char* const kCentro =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<!-- exportado por ITACA -->\n"
    "<centro codigo=\" 46000001 \" denominacion=\"IES Algemesí &amp; Cía\" curso=\"2019 \" version=\" 3.1\""
    " fecha_exportacion=\"01/09/2019 10:00:00\">\n"
    " <plantillas_horario>\n"
    "  <plantilla_horario codigo=\"PL1\" descripcion_val=\"Matí\" descripcion_cas=\"Mañana\" turno=\"M\"/>\n"
    "  <plantilla_horario codigo=\"PL2\" descripcion_val=\"Vesprada\" descripcion_cas=\"Tarde\" turno=\"T\"/>\n"
    " </plantillas_horario>\n"
    " <sesiones_horario>\n"
    "  <sesion_horario plantilla=\"PL1\" dia_semana=\"L\" sesion_orden=\"4\" hora_desde=\"10:20\" hora_hasta=\"11:15\"/>\n"
    "  <sesion_horario plantilla=\"PL1\" dia_semana=\"L\" sesion_orden=\"1\" hora_desde=\"08:00\" hora_hasta=\"08:55\"/>\n"
    "  <sesion_horario plantilla=\"PL1\" dia_semana=\"L\" sesion_orden=\"2\" hora_desde=\"08:55\" hora_hasta=\"09:50\"/>\n"
    "  <sesion_horario plantilla=\"PL1\" dia_semana=\"M\" sesion_orden=\"3\" hora_desde=\"09:50\" hora_hasta=\"10:20\"/>\n"
    "  <sesion_horario plantilla=\"PL2\" dia_semana=\"L\" sesion_orden=\"1\" hora_desde=\"15:00\" hora_hasta=\"15:55\"/>\n"
    " </sesiones_horario>\n"
    " <docentes>\n"
    "  <docente documento=\"11111111A\" nombre=\"Luis\" apellido1=\"Pérez\" apellido2=\"Gil\"/>\n"
    " </docentes>\n"
    " <horarios_grupo>\n"
    "  <horario_grupo plantilla=\"PL1\" dia_semana=\"L\" sesion_orden=\"1\" grupo=\"VIEJO\"/>\n"
    " </horarios_grupo>\n"
    "</centro>\n";

const FilaSoluc kLeccion{"MAT", "*479", 1, 1, "0", "1ESOA", "PGL", "A1"};
const FilaSoluc kLeccionFQ{"FQ", "*479", 5, 3, "0", "2BACA", "XYZ", "AULÀ2"};
const FilaSoluc kOcupacion{"*GUA", "*GUA", 2, 2, "0", "", "MRS", ""};
const FilaSoluc kSinSesion{"MAT", "*479", 1, 1, "1", "1ESOA", "PGL", "A1"};

const std::vector<std::string> kTablas = {"SOLUC", "GRUPOST", "CURSOST",    "PROFT",
                                          "AULAT", "ASIGNOMT", "DIASHORAST", "ASIGT"};

// Scripted answers that also record the wait cursor, the dialogs and the messages in order.
class DialogosRegistro : public DialogosGuion {
public:
    std::vector<std::string> sucesos;
    std::function<void()> alConfirmarCurso;

    EleccionPlantilla ElegirPlantilla(const std::string& ruta, bool exportacion,
                                      const std::string& idiomaVentana) override {
        sucesos.push_back(std::string("plantilla") + (exportacion ? " exportación " : " importación ") +
                          idiomaVentana);
        return DialogosGuion::ElegirPlantilla(ruta, exportacion, idiomaVentana);
    }
    std::string ConfirmarCurso(const std::string& cursoActual) override {
        sucesos.push_back("curso " + cursoActual);
        if (alConfirmarCurso) alConfirmarCurso();
        return DialogosGuion::ConfirmarCurso(cursoActual);
    }
    void Mensaje(const std::string& texto) override {
        sucesos.push_back("mensaje");
        DialogosGuion::Mensaje(texto);
    }
    void Espera(bool activa) override { sucesos.push_back(activa ? "espera" : "fin espera"); }
};

#ifndef _WIN32
// Whether texto has the shape of forma, where 9 stands for any digit.
bool TieneForma(const std::string& texto, const std::string& forma) {
    if (texto.size() != forma.size()) return false;
    for (size_t i = 0; i < texto.size(); ++i)
        if (forma[i] == '9' ? !std::isdigit(static_cast<unsigned char>(texto[i])) : texto[i] != forma[i]) return false;
    return true;
}
#endif

class Exportacion : public ::testing::Test {
protected:
    void SetUp() override {
        EscribirTablasTrabajo(stemp.ruta());
        // The frame the last import left: another template, one session.
        EscribirMarco(stemp.ruta(), {{"1", "1", "09:00", "10:00"}}, "VIEJA");
        EscribirArchivo(centro(), kCentro);
        estado.filenameXML = centro();
        dialogos.fijarPlantilla = true;
        dialogos.plantilla = "PL1";
    }

    std::string centro() const { return itaca / "centro.xml"; }
    std::string salida() const { return itaca / "ResultadoSesionixcentro.xml"; }
    std::string marco() const { return stemp / "DIASHORAST.DBF"; }

    ResultadoTransferencia Exportar() { return ExportarAItaca(estado, stemp.ruta(), dialogos); }

    // Every table of the export that exists can be opened exclusively: none was left open.
    void EsperarTablasLibres() {
        for (const std::string& nombre : kTablas) {
            if (!ExisteArchivo(RutaTabla(stemp.ruta(), nombre))) continue;
            TablaDbf t;
            EXPECT_NO_THROW(AbrirTabla(t, stemp.ruta(), nombre, true)) << nombre;
        }
    }

    // Rows of DIASHORAST as "DIA HORA TEXTODIA SESION_ORDEN MARCOXML".
    std::vector<std::string> FilasMarco() {
        std::vector<std::string> filas;
        TablaDbf t;
        AbrirTabla(t, stemp.ruta(), "DIASHORAST", false);
        for (t.First(); !t.Eof(); t.Next())
            filas.push_back(t.AsString("DIA") + " " + t.AsString("HORA") + " " + t.AsString("TEXTODIA") + " " +
                            t.AsString("SESION_ORDEN") + " " + t.AsString("MARCOXML"));
        return filas;
    }

    CarpetaTemporal stemp, itaca;
    EstadoVentana estado;
    DialogosRegistro dialogos;
};

// ---------------------------------------------------------------------------------------
// A completed export.

TEST_F(Exportacion, EscribeElArchivoDeHorariosJuntoAlDeCentro) {
    EscribirSoluc(stemp / "SOLUC.DBF", {kLeccion, kOcupacion, kSinSesion, kLeccionFQ});
    dialogos.cambiarCurso = true;
    dialogos.curso = "2024";
    estado.idioma = "CASTELLANO";

    ResultadoTransferencia r = Exportar();

    ASSERT_EQ(r.desenlace, Desenlace::Completada) << r.mensaje;
    EXPECT_EQ(r.mensaje, "Proceso finalizado");
    EXPECT_EQ(r.salida, salida());
    EXPECT_EQ(r.entradasGrupo, 2);
    EXPECT_EQ(r.entradasOcupacion, 1);
    EXPECT_EQ(dialogos.sucesos, (std::vector<std::string>{"plantilla exportación CASTELLANO", "espera",
                                                           "curso 2019", "fin espera", "mensaje"}));
    EXPECT_EQ(dialogos.mensajes, std::vector<std::string>{"Proceso finalizado"});
    EXPECT_EQ(estado.resultado, "PL1");
    EXPECT_EQ(estado.ListBoxPlanti.size(), 3u);
    EXPECT_EQ(estado.idioma, "CASTELLANO");
    EXPECT_EQ(LeerArchivo(centro()), kCentro) << "the centre file is never written";

    const std::string out = salida();
    ASSERT_TRUE(ExisteArchivo(out));
    ComprobarXPath(out, "string(/centro/@codigo)", "46000001");
    ComprobarXPath(out, "string(/centro/@denominacion)", "IES Algemesí & Cía");
    ComprobarXPath(out, "string(/centro/@curso)", "2024");
    ComprobarXPath(out, "string(/centro/@version)", "3.1");
    {
        DocumentoXml leido;
        ASSERT_TRUE(leido.Cargar(out)) << leido.MotivoFallo();
        const std::string fecha = leido.Raiz().Atributo("fecha_exportacion");
#ifdef _WIN32
        // The user's regional short date and long time: only a date, a blank and a time
        // with seconds are sure.
        EXPECT_NE(fecha.find(' '), std::string::npos) << fecha;
        EXPECT_EQ(std::count(fecha.begin(), fecha.end(), ':'), 2) << fecha;
#else
        EXPECT_TRUE(TieneForma(fecha, "99/99/9999 99:99:99")) << fecha;
#endif
    }
    ComprobarXPath(out, "count(/centro/*)", "2");
    ComprobarXPath(out, "name(/centro/*[1])", "horarios_grupo");
    ComprobarXPath(out, "name(/centro/*[2])", "horarios_ocupaciones");
    EXPECT_NE(LeerArchivo(out).find("<!-- exportado por ITACA -->"), std::string::npos);

    DocumentoXml doc;
    ASSERT_TRUE(doc.Cargar(out)) << doc.MotivoFallo();
    auto grupos = doc.Seleccionar("/centro/horarios_grupo/horario_grupo");
    ASSERT_EQ(grupos.size(), 2u);
    const std::vector<std::vector<std::string>> esperados = {
        {"PL1", "L", "1", "08:00", "08:55", "G100", "ESO", "C10", "MAT-ITACA", "11111111A", "AULA-1", ""},
        {"PL1", "V", "4", "10:20", "11:15", "G200", "BAC", "C20", "FQ-ITACA", "", "AULA-2", ""}};
    const char* atributos[] = {"plantilla", "dia_semana", "sesion_orden", "hora_desde", "hora_hasta", "grupo",
                               "ensenanza", "curso", "contenido", "docente", "aula", "idioma"};
    for (size_t i = 0; i < grupos.size(); ++i)
        for (size_t a = 0; a < 12; ++a) {
            EXPECT_TRUE(grupos[i].TieneAtributo(atributos[a])) << i << " " << atributos[a];
            EXPECT_EQ(grupos[i].Atributo(atributos[a]), esperados[i][a]) << i << " " << atributos[a];
        }
    auto ocupaciones = doc.Seleccionar("/centro/horarios_ocupaciones/horario_ocupacion");
    ASSERT_EQ(ocupaciones.size(), 1u);
    EXPECT_EQ(ocupaciones[0].Atributo("dia_semana"), "M");
    EXPECT_EQ(ocupaciones[0].Atributo("sesion_orden"), "2");
    EXPECT_EQ(ocupaciones[0].Atributo("docente"), "22222222B");
    EXPECT_EQ(ocupaciones[0].Atributo("ensenanza"), "PROF3");
    EXPECT_EQ(ocupaciones[0].Atributo("ocupacion"), "OC-GUARDIA");

    // The frame was rebuilt for the export's template, with the window's language.
    std::vector<std::string> filas = FilasMarco();
    ASSERT_EQ(filas.size(), 21u);
    EXPECT_EQ(filas[0], "1 1 Lunes 1 PL1");
    EXPECT_EQ(filas[20], "7 3 Domingo 4 PL1");
    EsperarTablasLibres();
}

// ---------------------------------------------------------------------------------------
// The export's date, read from a fixed clock in a fixed time zone.

// Central European time, with summer time from the last Sunday of March at 01:00 UTC.
const char* const kZonaMadrid = "CET-1CEST,M3.5.0,M10.5.0/3";

// Sets TZ, or removes it when zona is null.
void PonerZona(const char* zona) {
#ifdef _WIN32
    _putenv_s("TZ", zona ? zona : "");
    _tzset();
#else
    if (zona) setenv("TZ", zona, 1);
    else unsetenv("TZ");
    tzset();
#endif
}

// Sets the time zone and the export's clock for as long as it lives.
class RelojFijo {
public:
    RelojFijo(const char* zona, std::time_t instante) : ahora_(instante) {
        if (const char* tz = std::getenv("TZ")) tzAnterior_ = tz, habiaTz_ = true;
        PonerZona(zona);
        PonerRelojExportacion([this] { return std::chrono::system_clock::from_time_t(ahora_); });
    }
    ~RelojFijo() {
        PonerRelojExportacion(nullptr);
        PonerZona(habiaTz_ ? tzAnterior_.c_str() : nullptr);
    }
    RelojFijo(const RelojFijo&) = delete;
    RelojFijo& operator=(const RelojFijo&) = delete;
    void Avanzar(std::time_t segundos) { ahora_ += segundos; }

private:
    std::time_t ahora_;
    std::string tzAnterior_;
    bool habiaTz_ = false;
};

// The export's date as this platform's branch writes it. Elsewhere than on Windows it is
// the exact text; on Windows it follows the user's regional settings and time zone, of
// which only the minutes and seconds are sure.
void EsperarFecha(const std::string& fecha, const std::string& texto) {
#ifdef _WIN32
    EXPECT_NE(fecha.find(texto.substr(13)), std::string::npos) << fecha;
#else
    EXPECT_EQ(fecha, texto);
#endif
}

struct CasoFecha {
    const char* nombre;
    const char* zona;
    std::time_t instante;  // seconds since 1970-01-01 00:00 UTC
    const char* texto;
    friend void PrintTo(const CasoFecha& c, std::ostream* os) {
        *os << c.nombre << " (" << c.zona << ", " << c.instante << ")";
    }
};

class FechaFija : public ::testing::TestWithParam<CasoFecha> {};

TEST_P(FechaFija, DiaMesAnoHoraMinutoSegundoEnHoraLocal) {
    const CasoFecha& c = GetParam();
    RelojFijo reloj(c.zona, c.instante);
    EsperarFecha(FechaExportacion(), c.texto);
}

// 1767654249 is 2026-01-05 23:04:09 UTC; 1774745970 is 2026-03-29 00:59:30 UTC, half a
// minute before summer time starts; 1798761599 is 2026-12-31 23:59:59 UTC.
INSTANTIATE_TEST_SUITE_P(
    Casos, FechaFija,
    ::testing::Values(CasoFecha{"UtcCerosALaIzquierda", "UTC0", 1767654249, "05/01/2026 23:04:09"},
                      CasoFecha{"MadridYaEsOtroDia", kZonaMadrid, 1767654249, "06/01/2026 00:04:09"},
                      CasoFecha{"MadridYaEsOtroAno", kZonaMadrid, 1798761599, "01/01/2027 00:59:59"},
                      CasoFecha{"MadridAntesDelCambioDeHora", kZonaMadrid, 1774745970, "29/03/2026 01:59:30"},
                      CasoFecha{"MadridTrasElCambioDeHora", kZonaMadrid, 1774745970 + 3600,
                                "29/03/2026 03:59:30"}),
    [](const auto& info) { return std::string(info.param.nombre); });

// The date is taken once the course dialog has closed: a dialog left open for an hour
// and two minutes moves it.
TEST_F(Exportacion, LaFechaEsLaDelCierreDelDialogoDelCurso) {
    EscribirSoluc(stemp / "SOLUC.DBF", {kLeccion});
    RelojFijo reloj(kZonaMadrid, 1774745970);
    dialogos.alConfirmarCurso = [&reloj] { reloj.Avanzar(3720); };

    ResultadoTransferencia r = Exportar();

    ASSERT_EQ(r.desenlace, Desenlace::Completada) << r.mensaje;
    DocumentoXml leido;
    ASSERT_TRUE(leido.Cargar(salida())) << leido.MotivoFallo();
    EsperarFecha(leido.Raiz().Atributo("fecha_exportacion"), "29/03/2026 04:01:30");
}

TEST_F(Exportacion, SinPlantillaElMarcoQuedaVacioYElArchivoSinEntradas) {
    EscribirSoluc(stemp / "SOLUC.DBF", {kLeccion, kOcupacion});
    dialogos.fijarPlantilla = false;  // the export dialog starts empty

    ResultadoTransferencia r = Exportar();

    ASSERT_EQ(r.desenlace, Desenlace::Completada) << r.mensaje;
    EXPECT_EQ(r.entradasGrupo, 0);
    EXPECT_EQ(r.entradasOcupacion, 0);
    EXPECT_TRUE(FilasMarco().empty());
    ComprobarXPath(salida(), "string(/centro/@curso)", "2019");
    ComprobarXPath(salida(), "count(/centro/horarios_grupo/*) + count(/centro/horarios_ocupaciones/*)", "0");
}

TEST_F(Exportacion, LaSolucionSeEncuentraSinMirarMayusculas) {
    EscribirSoluc(stemp / "soluc.dbf", {kLeccion});
    ResultadoTransferencia r = Exportar();
    ASSERT_EQ(r.desenlace, Desenlace::Completada) << r.mensaje;
    EXPECT_EQ(r.entradasGrupo, 1);
}

// ---------------------------------------------------------------------------------------
// Missing input: the message, and nothing touched.

struct CasoFalta {
    const char* nombre;
    friend void PrintTo(const CasoFalta& c, std::ostream* os) { *os << c.nombre; }
    std::function<void(const std::string& stemp, const std::string& itaca, EstadoVentana&)> preparar;
};

class FaltaEntrada : public Exportacion, public ::testing::WithParamInterface<CasoFalta> {};

TEST_P(FaltaEntrada, AvisaYNoTocaNada) {
    EscribirSoluc(stemp / "SOLUC.DBF", {kLeccion});
    GetParam().preparar(stemp.ruta(), itaca.ruta(), estado);
    const std::string antes = LeerArchivo(marco());

    ResultadoTransferencia r = Exportar();

    EXPECT_EQ(r.desenlace, Desenlace::FaltaEntrada);
    EXPECT_EQ(r.mensaje, "No existe archivo XML o Solución.");
    EXPECT_EQ(dialogos.sucesos, std::vector<std::string>{"mensaje"});
    EXPECT_EQ(dialogos.mensajes, std::vector<std::string>{"No existe archivo XML o Solución."});
    EXPECT_EQ(LeerArchivo(marco()), antes);
    EXPECT_FALSE(fs::exists(salida()));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, FaltaEntrada,
    ::testing::Values(
        CasoFalta{"SinSolucion", [](auto& s, auto&, auto&) { fs::remove(Unir(s, "SOLUC.DBF")); }},
        CasoFalta{"SolucionFueraDeLaCarpetaDeIntercambio",
                  [](auto& s, auto& i, auto&) { fs::rename(Unir(s, "SOLUC.DBF"), Unir(i, "SOLUC.DBF")); }},
        CasoFalta{"SinArchivoElegido", [](auto&, auto&, auto& e) { e.filenameXML = ""; }},
        CasoFalta{"CentroInexistente", [](auto&, auto& i, auto& e) { e.filenameXML = Unir(i, "otro.xml"); }},
        CasoFalta{"CentroEsUnaCarpeta",
                  [](auto&, auto& i, auto& e) {
                      fs::create_directory(Unir(i, "carpeta.xml"));
                      e.filenameXML = Unir(i, "carpeta.xml");
                  }}),
    [](const auto& info) { return std::string(info.param.nombre); });

// ---------------------------------------------------------------------------------------
// A file that is not a centre file is refused before anything is touched.

struct CasoRechazo {
    const char* nombre;
    friend void PrintTo(const CasoRechazo& c, std::ostream* os) { *os << c.nombre; }
    const char* contenido;
};

class Rechazo : public Exportacion, public ::testing::WithParamInterface<CasoRechazo> {};

TEST_P(Rechazo, SeRechazaSinTocarNada) {
    EscribirSoluc(stemp / "SOLUC.DBF", {kLeccion});
    EscribirArchivo(centro(), GetParam().contenido);
    const std::string antes = LeerArchivo(marco());

    ResultadoTransferencia r = Exportar();

    EXPECT_EQ(r.desenlace, Desenlace::Rechazada);
    EXPECT_NE(r.mensaje.find(centro()), std::string::npos) << r.mensaje;
    EXPECT_EQ(dialogos.mensajes, std::vector<std::string>{r.mensaje});
    EXPECT_EQ(dialogos.plantillasPedidas, 0);
    EXPECT_EQ(dialogos.cursosPedidos, 0);
    EXPECT_EQ(LeerArchivo(marco()), antes);
    EXPECT_FALSE(fs::exists(salida()));
}

INSTANTIATE_TEST_SUITE_P(Casos, Rechazo,
                         ::testing::Values(CasoRechazo{"NoEsXml", "Esto no es XML, es una hoja de cálculo.\n"},
                                           CasoRechazo{"Vacio", ""},
                                           CasoRechazo{"Cortado", "<?xml version=\"1.0\"?>\n<centro codigo=\"1\">"},
                                           CasoRechazo{"OtraRaiz", "<?xml version=\"1.0\"?>\n<escuela/>\n"}),
                         [](const auto& info) { return std::string(info.param.nombre); });

// ---------------------------------------------------------------------------------------
// Runs that stop in an error: the error's message, no schedule file, every table closed,
// the wait cursor gone before the message, and the frame already rebuilt.

struct CasoError {
    const char* nombre;
    friend void PrintTo(const CasoError& c, std::ostream* os) { *os << c.nombre; }
    std::function<void(const std::string& stemp)> preparar;
    const char* enElMensaje;
};

class ErrorDeTablas : public Exportacion, public ::testing::WithParamInterface<CasoError> {};

TEST_P(ErrorDeTablas, TerminaSinArchivoYConTodasLasTablasCerradas) {
    EscribirSoluc(stemp / "SOLUC.DBF", {kLeccion, kOcupacion});
    GetParam().preparar(stemp.ruta());
    ResultadoTransferencia r;
    {
        // Sesionix may hold a table open while the export runs.
        TablaDbf retenida;
        if (std::string(GetParam().nombre) == "TablaRetenida") AbrirTabla(retenida, stemp.ruta(), "ASIGT", true);
        r = Exportar();
    }

    EXPECT_EQ(r.desenlace, Desenlace::Error);
    EXPECT_NE(r.mensaje.find(GetParam().enElMensaje), std::string::npos) << r.mensaje;
    EXPECT_EQ(dialogos.mensajes, std::vector<std::string>{r.mensaje});
    ASSERT_GE(dialogos.sucesos.size(), 3u);
    EXPECT_EQ(dialogos.sucesos[dialogos.sucesos.size() - 2], "fin espera");
    EXPECT_EQ(dialogos.sucesos.back(), "mensaje");
    EXPECT_FALSE(fs::exists(salida()));
    EXPECT_EQ(FilasMarco().size(), 21u) << "the frame is rebuilt before the tables are opened";
    EsperarTablasLibres();
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ErrorDeTablas,
    ::testing::Values(
        CasoError{"DiaEnLetras",
                  [](const std::string& s) {
                      const std::string ruta = Unir(s, "SOLUC.DBF");
                      TablaDbf::Crear(ruta, {{"ASIG", TipoCampo::Texto, 10}, {"TAREA", TipoCampo::Texto, 10},
                                             {"DIA", TipoCampo::Texto, 10}, {"HORA", TipoCampo::Entero, 0},
                                             {"MARCO", TipoCampo::Texto, 1}, {"CODGRUPO", TipoCampo::Texto, 10},
                                             {"PROF", TipoCampo::Texto, 10}, {"AULA", TipoCampo::Texto, 10}});
                      TablaDbf t;
                      t.Abrir(ruta);
                      AnadirFila(t, {{"ASIG", "MAT"}, {"TAREA", "*479"}, {"DIA", "1"}, {"HORA", "1"},
                                     {"MARCO", "0"}, {"CODGRUPO", "1ESOA"}, {"PROF", "PGL"}});
                      AnadirFila(t, {{"ASIG", "MAT"}, {"TAREA", "*479"}, {"DIA", "lunes"}, {"HORA", "1"},
                                     {"MARCO", "0"}, {"CODGRUPO", "1ESOA"}, {"PROF", "PGL"}});
                      t.Cerrar();
                  },
                  "lunes"},
        CasoError{"FaltaCursost", [](const std::string& s) { fs::remove(Unir(s, "CURSOST.DBF")); }, "CURSOST"},
        CasoError{"TablaRetenida", [](const std::string&) {}, "ASIGT"}),
    [](const auto& info) { return std::string(info.param.nombre); });

// ---------------------------------------------------------------------------------------
// A save that fails.

TEST_F(Exportacion, UnaCarpetaConElNombreDeLaSalidaImpideGuardar) {
    EscribirSoluc(stemp / "SOLUC.DBF", {kLeccion});
    fs::create_directory(salida());
    EscribirArchivo(Unir(salida(), "dentro.txt"), "x");

    ResultadoTransferencia r = Exportar();

    EXPECT_EQ(r.desenlace, Desenlace::Error);
    EXPECT_NE(r.mensaje.find("ResultadoSesionixcentro.xml"), std::string::npos) << r.mensaje;
    EXPECT_EQ(dialogos.mensajes, std::vector<std::string>{r.mensaje});
    EXPECT_TRUE(fs::is_directory(salida()));
    EXPECT_EQ(LeerArchivo(Unir(salida(), "dentro.txt")), "x");
    // Nothing else was left beside the centre file.
    std::vector<std::string> nombres;
    for (const auto& e : fs::directory_iterator(RutaNativa(itaca.ruta()))) nombres.push_back(TextoDeRuta(e.path().filename()));
    std::sort(nombres.begin(), nombres.end());
    EXPECT_EQ(nombres, (std::vector<std::string>{"ResultadoSesionixcentro.xml", "centro.xml"}));
    EsperarTablasLibres();
}

// The file-size limit binds root too: once the course is confirmed, no file may grow past
// a few bytes, so the schedule file cannot be written. Windows has no such limit: there
// another program takes hold of the earlier file once the course is confirmed.
TEST_F(Exportacion, UnGuardadoFallidoDejaIntactoElArchivoAnterior) {
    EscribirSoluc(stemp / "SOLUC.DBF", {kLeccion, kOcupacion});
    const std::string anterior = "<?xml version=\"1.0\"?>\n<centro curso=\"2018\"/>\n";
    EscribirArchivo(salida(), anterior);

#ifdef _WIN32
    std::unique_ptr<ArchivoRetenido> otro;
    dialogos.alConfirmarCurso = [&] { otro = std::make_unique<ArchivoRetenido>(salida(), Retencion::Exclusiva); };
    ResultadoTransferencia r = Exportar();
    otro.reset();
#else
    rlimit original{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &original), 0);
    auto senal = std::signal(SIGXFSZ, SIG_IGN);
    dialogos.alConfirmarCurso = [&] {
        rlimit pequeno = original;
        pequeno.rlim_cur = 16;
        setrlimit(RLIMIT_FSIZE, &pequeno);
    };
    ResultadoTransferencia r = Exportar();
    setrlimit(RLIMIT_FSIZE, &original);
    std::signal(SIGXFSZ, senal);
#endif

    EXPECT_EQ(r.desenlace, Desenlace::Error) << r.mensaje;
    EXPECT_EQ(dialogos.mensajes, std::vector<std::string>{r.mensaje});
    EXPECT_EQ(LeerArchivo(salida()), anterior);
    std::vector<std::string> nombres;
    for (const auto& e : fs::directory_iterator(RutaNativa(itaca.ruta()))) nombres.push_back(TextoDeRuta(e.path().filename()));
    std::sort(nombres.begin(), nombres.end());
    EXPECT_EQ(nombres, (std::vector<std::string>{"ResultadoSesionixcentro.xml", "centro.xml"}));
    EsperarTablasLibres();
}

}  // namespace
