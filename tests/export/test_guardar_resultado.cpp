// The schedule file writer: what the file holds, checked with xmllint and read back by
// Python's own XML parser; where it goes; and a save that fails.
#include "export/guardar_resultado.h"

#include "apoyo/apoyo.h"
#include "apoyo/en_linux.h"
#include "common/error.h"

#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#ifndef _WIN32
#include <sys/resource.h>
#endif
#include <unistd.h>

using namespace ph;
using ph::prueba::ArchivoRetenido;
using ph::prueba::CarpetaTemporal;
using ph::prueba::ComprobarEstructura;
using ph::prueba::ComprobarEstructuraContiene;
using ph::prueba::Retencion;
using ph::prueba::EscribirArchivo;
using ph::prueba::LeerArchivo;

namespace {

std::string Fixture(const std::string& nombre) { return Unir(Unir(PH_DATOS, "xml"), nombre); }

const DatosCentro kDatos{"46000001", "IES Martínez", "2015", "09/12/2015 10:11:12", "3.1"};

EntradaHorarioGrupo Grupo(const std::string& sesion, const std::string& docente, const std::string& aula) {
    return {"P1", "L", sesion, "08:00", "08:55", "1ESO-A", "ESO", "1ESO", "MAT", docente, aula};
}

EntradaHorarioOcupacion Ocupacion(const std::string& sesion) {
    return {"P1", "X", sesion, "10:00", "10:55", "11111111A", "ESO", "GUARD"};
}

void ComprobarXmllint(const std::string& ruta) { ph::prueba::ComprobarXmlBienFormado(ruta); }

std::vector<std::string> Nombres(const std::string& carpeta) {
    std::vector<std::string> r;
    for (const auto& e : std::filesystem::directory_iterator(RutaNativa(carpeta)))
        r.push_back(TextoDeRuta(e.path().filename()));
    std::sort(r.begin(), r.end());
    return r;
}

// Everything written to standard error between construction and Terminar().
class CapturaError {
public:
    explicit CapturaError(const std::string& ruta) : ruta_(ruta) {
        fflush(stderr);
        guardado_ = dup(2);
        int fd = open(ruta.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(fd, 2);
        close(fd);
    }
    std::string Terminar() {
        fflush(stderr);
        dup2(guardado_, 2);
        close(guardado_);
        return LeerArchivo(ruta_);
    }

private:
    std::string ruta_;
    int guardado_;
};

// A centre file copied into a temporary folder under the given name, and loaded.
struct Centro {
    CarpetaTemporal carpeta;
    std::string ruta;
    std::string original;
    DocumentoXml doc;

    Centro(const std::string& fixture, const std::string& nombre = "centro.xml") : ruta(carpeta / nombre) {
        original = LeerArchivo(Fixture(fixture));
        EscribirArchivo(ruta, original);
        EXPECT_TRUE(doc.Cargar(ruta)) << doc.MotivoFallo();
    }
    std::string Salida() const { return carpeta / ("ResultadoSesionix" + NombreDe(ruta)); }
};

}  // namespace

struct CasoRuta {
    std::string centro;
    std::string resultado;
};
void PrintTo(const CasoRuta& c, std::ostream* os) { *os << c.centro; }

class RutasDeResultado : public ::testing::TestWithParam<CasoRuta> {};

TEST_P(RutasDeResultado, VaJuntoAlCentroConElPrefijo) {
    EXPECT_EQ(RutaResultado(GetParam().centro), GetParam().resultado);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, RutasDeResultado,
    ::testing::Values(CasoRuta{"/datos/itaca/centro.xml", "/datos/itaca/ResultadoSesionixcentro.xml"},
                      CasoRuta{"/datos/ResultadoSesionixcentro.xml", "/datos/ResultadoSesionixResultadoSesionixcentro.xml"},
                      CasoRuta{"/datos.v2/centro", "/datos.v2/ResultadoSesionixcentro"},
                      CasoRuta{"centro.xml", "ResultadoSesionixcentro.xml"},
                      CasoRuta{"/centro.XML", "/ResultadoSesionixcentro.XML"}));

TEST(GuardarResultado, SinEntradasQuedanLaRaizYLasDosSeccionesVacias) {
    Centro c("centro_utf8.xml");
    GuardarResultado(c.doc, kDatos, {}, {}, c.ruta);
    EXPECT_EQ(LeerArchivo(c.Salida()),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<centro codigo=\"46000001\" denominacion=\"IES Martínez\" curso=\"2015\" "
              "fecha_exportacion=\"09/12/2015 10:11:12\" version=\"3.1\">"
              "<horarios_grupo/><horarios_ocupaciones/></centro>\n");
    ComprobarXmllint(c.Salida());
    EXPECT_EQ(LeerArchivo(c.ruta), c.original) << "the centre file is never written";
}

TEST(GuardarResultado, CadaEntradaLlevaTodosSusAtributosEnSuOrden) {
    Centro c("centro_utf8.xml");
    DatosCentro datos = kDatos;
    datos.version = "";
    std::vector<EntradaHorarioGrupo> grupos{Grupo("1", "11111111A", "A12"), Grupo("2", "", ""),
                                             Grupo("10", "22222222B", "LAB")};
    grupos[1].dia_semana = "";
    std::vector<EntradaHorarioOcupacion> ocupaciones{Ocupacion("3"), Ocupacion("4")};
    ocupaciones[1].ensenanza = "";
    GuardarResultado(c.doc, datos, grupos, ocupaciones, c.ruta);

    ComprobarXmllint(c.Salida());
    ComprobarEstructura(c.Salida(),
              "centro codigo=\"46000001\" denominacion=\"IES Martínez\" curso=\"2015\" "
              "fecha_exportacion=\"09/12/2015 10:11:12\" version=\"\"\n"
              "  horarios_grupo\n"
              "    horario_grupo plantilla=\"P1\" dia_semana=\"L\" sesion_orden=\"1\" hora_desde=\"08:00\" "
              "hora_hasta=\"08:55\" grupo=\"1ESO-A\" ensenanza=\"ESO\" curso=\"1ESO\" contenido=\"MAT\" "
              "docente=\"11111111A\" aula=\"A12\" idioma=\"\"\n"
              "    horario_grupo plantilla=\"P1\" dia_semana=\"\" sesion_orden=\"2\" hora_desde=\"08:00\" "
              "hora_hasta=\"08:55\" grupo=\"1ESO-A\" ensenanza=\"ESO\" curso=\"1ESO\" contenido=\"MAT\" "
              "docente=\"\" aula=\"\" idioma=\"\"\n"
              "    horario_grupo plantilla=\"P1\" dia_semana=\"L\" sesion_orden=\"10\" hora_desde=\"08:00\" "
              "hora_hasta=\"08:55\" grupo=\"1ESO-A\" ensenanza=\"ESO\" curso=\"1ESO\" contenido=\"MAT\" "
              "docente=\"22222222B\" aula=\"LAB\" idioma=\"\"\n"
              "  horarios_ocupaciones\n"
              "    horario_ocupacion plantilla=\"P1\" dia_semana=\"X\" sesion_orden=\"3\" hora_desde=\"10:00\" "
              "hora_hasta=\"10:55\" docente=\"11111111A\" ensenanza=\"ESO\" ocupacion=\"GUARD\"\n"
              "    horario_ocupacion plantilla=\"P1\" dia_semana=\"X\" sesion_orden=\"4\" hora_desde=\"10:00\" "
              "hora_hasta=\"10:55\" docente=\"11111111A\" ensenanza=\"\" ocupacion=\"GUARD\"\n");
}

TEST(GuardarResultado, LosValoresSeEscapanYLosAcentosVuelvenIguales) {
    Centro c("centro_utf8.xml");
    DatosCentro datos = kDatos;
    datos.denominacion = "Col·legi \"Sant Josep\" & <Maristes>";
    EntradaHorarioGrupo g = Grupo("1", "11111111A", "A&B");
    g.contenido = "Matemàtiques";
    g.grupo = "1º<A>";
    GuardarResultado(c.doc, datos, {g}, {}, c.ruta);

    ComprobarXmllint(c.Salida());
    // No "TEXTO" line: no text added between the elements.
    ComprobarEstructuraContiene(c.Salida(),
                                {"denominacion=\"Col·legi \\\"Sant Josep\\\" & <Maristes>\"", "grupo=\"1º<A>\"",
                                 "contenido=\"Matemàtiques\"", "aula=\"A&B\""},
                                {"TEXTO"});
}

TEST(GuardarResultado, UnCentroIso88591DaUnArchivoIso88591) {
    Centro c("centro_iso88591.xml");
    DatosCentro datos = kDatos;
    datos.denominacion = "Col·legi Públic L’Alcúdia";  // ’ is not in ISO-8859-1
    EntradaHorarioGrupo g = Grupo("1", "11111111A", "A12");
    g.contenido = "Educació Física";
    GuardarResultado(c.doc, datos, {g}, {}, c.ruta);

    const std::string bytes = LeerArchivo(c.Salida());
    EXPECT_EQ(bytes.rfind("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<!-- Exportaci\xF3n de ITACA -->\n", 0), 0u)
        << bytes;
    EXPECT_NE(bytes.find("Col\xB7legi P\xFA\x62lic L"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("Educaci\xF3 F\xEDsica"), std::string::npos) << bytes;
    EXPECT_EQ(bytes.find("\xC3"), std::string::npos) << "UTF-8 bytes in an ISO-8859-1 file";
    ComprobarXmllint(c.Salida());
    ComprobarEstructuraContiene(c.Salida(),
                                {"denominacion=\"Col·legi Públic L’Alcúdia\"", "contenido=\"Educació Física\""});
}

TEST(GuardarResultado, QuedaLoQueHabiaFueraDeLaRaizYNadaDeSusSecciones) {
    Centro c("secciones.xml");
    GuardarResultado(c.doc, kDatos, {}, {Ocupacion("1")}, c.ruta);
    const std::string bytes = LeerArchivo(c.Salida());
    EXPECT_EQ(bytes.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<?itaca version=\"2\"?>\n"
                          "<!-- primera parte -->\n<!-- despues de la raiz -->\n<centro ",
                          0),
              0u)
        << bytes;
    for (const char* viejo : {"docentes", "aulas", "grupos", "contenidos", "D1"})
        EXPECT_EQ(bytes.find(viejo), std::string::npos) << viejo;
    ComprobarXmllint(c.Salida());
}

TEST(GuardarResultado, UnResultadoAnteriorElegidoComoCentroDaOtroNombre) {
    Centro c("centro_utf8.xml", "ResultadoSesionixcentro.xml");
    GuardarResultado(c.doc, kDatos, {Grupo("1", "", "")}, {}, c.ruta);
    EXPECT_EQ(Nombres(c.carpeta.ruta()),
              (std::vector<std::string>{"ResultadoSesionixResultadoSesionixcentro.xml", "ResultadoSesionixcentro.xml"}));
    EXPECT_EQ(LeerArchivo(c.ruta), c.original);
    ComprobarXmllint(c.carpeta / "ResultadoSesionixResultadoSesionixcentro.xml");
}

TEST(GuardarResultado, ReemplazaUnResultadoAnterior) {
    Centro c("centro_utf8.xml");
    EscribirArchivo(c.Salida(), "resultado anterior");
    GuardarResultado(c.doc, kDatos, {}, {}, c.ruta);
    EXPECT_NE(LeerArchivo(c.Salida()).find("<horarios_grupo/><horarios_ocupaciones/>"), std::string::npos);
    EXPECT_EQ(Nombres(c.carpeta.ruta()), (std::vector<std::string>{"ResultadoSesionixcentro.xml", "centro.xml"}));
}

// A write that fails half-way (the file-size limit stands in for a full disk; it also
// stops root, for whom file rights do not). Windows has no such limit: there another
// program holds the earlier file while the new one is saved, so it cannot be replaced.
TEST(GuardarResultado, UnGuardadoFallidoDejaIntactoElResultadoAnterior) {
    Centro c("centro_utf8.xml");
    const std::string anterior(100, 'x');
    EscribirArchivo(c.Salida(), anterior);
    std::vector<EntradaHorarioGrupo> grupos(2000, Grupo("1", "11111111A", "A12"));

#ifdef _WIN32
    auto otro = std::make_unique<ArchivoRetenido>(c.Salida(), Retencion::Exclusiva);
#else
    struct rlimit antes;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &antes), 0);
    auto senal = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limite = antes;
    limite.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limite), 0);
#endif
    CarpetaTemporal otra;
    CapturaError captura(otra / "stderr");
    std::string mensaje;
    try {
        GuardarResultado(c.doc, kDatos, grupos, {}, c.ruta);
    } catch (const Error& e) {
        mensaje = e.what();
    }
#ifdef _WIN32
    otro.reset();
#else
    setrlimit(RLIMIT_FSIZE, &antes);
    std::signal(SIGXFSZ, senal);
#endif
    EXPECT_EQ(captura.Terminar(), "") << "libxml2 printed its errors";

    EXPECT_NE(mensaje.find(c.Salida()), std::string::npos) << "no error naming the file: " << mensaje;
    EXPECT_EQ(LeerArchivo(c.Salida()), anterior);
    EXPECT_EQ(LeerArchivo(c.ruta), c.original);
    EXPECT_EQ(Nombres(c.carpeta.ruta()), (std::vector<std::string>{"ResultadoSesionixcentro.xml", "centro.xml"}))
        << "a temporary file was left";
}

TEST(GuardarResultado, UnaCarpetaEnElLugarDelResultadoDaUnErrorConSuNombre) {
    Centro c("centro_utf8.xml");
    std::filesystem::create_directory(RutaNativa(c.Salida()));
    try {
        GuardarResultado(c.doc, kDatos, {}, {}, c.ruta);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find(c.Salida()), std::string::npos) << e.what();
    }
    EXPECT_EQ(Nombres(c.carpeta.ruta()), (std::vector<std::string>{"ResultadoSesionixcentro.xml", "centro.xml"}));
    EXPECT_EQ(LeerArchivo(c.ruta), c.original);
}
