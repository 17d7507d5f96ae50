// The XML document engine: encodings in and out, safe loading, selection, editing and
// atomic saving.
#include "common/xml.h"

#include "apoyo/apoyo.h"
#include "apoyo/en_linux.h"
#include "common/error.h"

#include <gtest/gtest.h>

#include <ostream>

#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

using namespace ph;
using ph::prueba::CarpetaTemporal;
using ph::prueba::ComprobarEnLinux;
using ph::prueba::ComprobarXmlBienFormado;
using ph::prueba::Comprobacion;
using ph::prueba::Ejecutar;
using ph::prueba::kHerramientasLinux;
using ph::prueba::kPython;
using ph::prueba::EscribirArchivo;
using ph::prueba::LeerArchivo;

namespace {

std::string Fixture(const std::string& nombre) { return Unir(Unir(PH_DATOS, "xml"), nombre); }

std::string Contenido(const std::string& nombre) { return LeerArchivo(Fixture(nombre)); }

// Everything the code under test writes to standard error while it lives.
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

std::vector<std::string> Valores(const std::vector<NodoXml>& nodos, const char* atributo) {
    std::vector<std::string> r;
    for (const NodoXml& n : nodos) r.push_back(n.Atributo(atributo));
    return r;
}

bool QuedaTemporal(const std::string& carpeta) {
    for (const auto& e : std::filesystem::directory_iterator(RutaNativa(carpeta)))
        if (TextoDeRuta(e.path().filename()).find(".tmp-") != std::string::npos) return true;
    return false;
}

}  // namespace

// ------------------------------------------------------------------- encodings

struct ValorEsperado {
    const char* ruta;
    size_t indice;
    const char* atributo;
    std::string valor;
};

struct CasoCodificacion {
    const char* archivo;
    std::vector<ValorEsperado> valores;
    // What saving the document unchanged must give, byte for byte.
    std::string guardado;
};
void PrintTo(const CasoCodificacion& c, std::ostream* os) { *os << c.archivo; }

std::vector<ValorEsperado> ValoresCentro(const std::string& denominacion, const std::string& matematicas) {
    return {
        {"/centro", 0, "denominacion", denominacion},
        {"/centro/docentes/docente", 0, "apellido1", "Martínez"},
        {"/centro/docentes/docente", 0, "apellido2", "Pérez"},
        {"/centro/docentes/docente", 0, "nombre", "Àngel"},
        {"/centro/docentes/docente", 1, "apellido1", "Ñúñez"},
        {"/centro/docentes/docente", 1, "nombre", "Begoña"},
        {"/centro/contenidos/contenido", 0, "nombre_val", "Educació Física"},
        {"/centro/contenidos/contenido", 0, "nombre_cas", "Educación Física"},
        {"/centro/contenidos/contenido", 1, "nombre_val", matematicas},
    };
}

std::string Reemplazar(std::string t, const std::string& de, const std::string& a) {
    return t.replace(t.find(de), de.size(), a);
}

// The Windows-1252 file without declaration holds the tree of centro_utf8.xml with two
// other names; saved, it is that file with those names.
std::string GuardadoSinDeclaracion() {
    std::string t = Contenido("centro_utf8.xml");
    t = Reemplazar(t, "Col·legi Públic", "IES L’Alcúdia –");
    return Reemplazar(t, "Matemàtiques\"", "Matemàtiques €\"");
}

class Codificaciones : public ::testing::TestWithParam<CasoCodificacion> {};

TEST_P(Codificaciones, SeLeenEnUtf8YSeGuardanComoVinieron) {
    const CasoCodificacion& c = GetParam();
    DocumentoXml doc;
    ASSERT_TRUE(doc.Cargar(Fixture(c.archivo))) << doc.MotivoFallo();
    for (const ValorEsperado& v : c.valores) {
        std::vector<NodoXml> nodos = doc.Seleccionar(v.ruta);
        ASSERT_GT(nodos.size(), v.indice) << v.ruta;
        EXPECT_EQ(nodos[v.indice].Atributo(v.atributo), v.valor) << v.ruta << " " << v.atributo;
    }
    CarpetaTemporal tmp;
    doc.Guardar(tmp / "copia.xml");
    EXPECT_EQ(LeerArchivo(tmp / "copia.xml"), c.guardado);
    ComprobarXmlBienFormado(tmp / "copia.xml");
}

INSTANTIATE_TEST_SUITE_P(
    Centro, Codificaciones,
    ::testing::Values(
        CasoCodificacion{"centro_iso88591.xml", ValoresCentro("Col·legi Públic Martínez", "Matemàtiques"),
                         Contenido("centro_iso88591.xml")},
        CasoCodificacion{"centro_windows1252.xml",
                         ValoresCentro("IES L’Alcúdia – Martínez", "Matemàtiques €"),
                         Contenido("centro_windows1252.xml")},
        CasoCodificacion{"centro_utf8.xml", ValoresCentro("Col·legi Públic Martínez", "Matemàtiques"),
                         Contenido("centro_utf8.xml")},
        // Without a declaration and not UTF-8: read as Windows-1252, written back as
        // UTF-8 that says so.
        CasoCodificacion{"centro_sin_declaracion_1252.xml",
                         ValoresCentro("IES L’Alcúdia – Martínez", "Matemàtiques €"),
                         GuardadoSinDeclaracion()}));

TEST(DocumentoXml, UnIso88591GuardaLosAcentosEnSusBytes) {
    DocumentoXml doc;
    ASSERT_TRUE(doc.Cargar(Fixture("centro_iso88591.xml")));
    CarpetaTemporal tmp;
    doc.Guardar(tmp / "copia.xml");
    const std::string bytes = LeerArchivo(tmp / "copia.xml");
    EXPECT_EQ(bytes.rfind("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>", 0), 0u);
    for (const char* trozo : {"Mart\xEDnez", "P\xE9rez", "\xD1\xFA\xF1\x65z", "Educaci\xF3 F\xEDsica", "Matem\xE0tiques"})
        EXPECT_NE(bytes.find(trozo), std::string::npos) << trozo;
    EXPECT_EQ(bytes.find("\xC3"), std::string::npos) << "UTF-8 bytes in an ISO-8859-1 file";
}

// ------------------------------------------------------------------- safe loading

struct CasoExterno {
    const char* nombre;
    std::string xml;  // "@" stands for the folder of the secret files
};
void PrintTo(const CasoExterno& c, std::ostream* os) { *os << c.nombre; }

class EntidadesExternas : public ::testing::TestWithParam<CasoExterno> {};

TEST_P(EntidadesExternas, NoLeenArchivosLocales) {
    const std::string secreto = "CONTENIDO-SECRETO-8231";
    CarpetaTemporal tmp;
    EscribirArchivo(tmp / "secreto.txt", secreto);
    EscribirArchivo(tmp / "secreto.dtd", "<!ATTLIST centro codigo CDATA \"" + secreto + "\">\n<!ENTITY e \"" +
                                             secreto + "\">\n");
    std::string xml = GetParam().xml;
    const std::string uri = "file://@";
    for (size_t p; (p = xml.find(uri)) != std::string::npos;) xml.replace(p, uri.size(), ph::prueba::UriDeArchivo(tmp.ruta()));
    for (size_t p; (p = xml.find('@')) != std::string::npos;) xml.replace(p, 1, tmp.ruta());
    EscribirArchivo(tmp / "centro.xml", xml);

    DocumentoXml doc;
    if (doc.Cargar(tmp / "centro.xml")) {
        EXPECT_EQ(doc.Raiz().Atributo("codigo").find(secreto), std::string::npos);
        doc.Guardar(tmp / "copia.xml");
        EXPECT_EQ(LeerArchivo(tmp / "copia.xml").find(secreto), std::string::npos);
    } else {
        EXPECT_FALSE(doc.MotivoFallo().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Casos, EntidadesExternas,
    ::testing::Values(
        CasoExterno{"RutaEnContenido", "<!DOCTYPE centro [<!ENTITY s SYSTEM \"@/secreto.txt\">]>\n"
                                       "<centro codigo=\"1\">&s;</centro>"},
        CasoExterno{"UrlEnContenido", "<!DOCTYPE centro [<!ENTITY s SYSTEM \"file://@/secreto.txt\">]>\n"
                                      "<centro codigo=\"1\"><a>&s;</a></centro>"},
        CasoExterno{"EnAtributo", "<!DOCTYPE centro [<!ENTITY s SYSTEM \"@/secreto.txt\">]>\n"
                                  "<centro codigo=\"&s;\"/>"},
        CasoExterno{"EntidadDeParametro", "<!DOCTYPE centro [<!ENTITY % p SYSTEM \"@/secreto.dtd\"> %p;]>\n"
                                          "<centro codigo=\"&e;\"/>"},
        CasoExterno{"DtdExternaConValorPorDefecto", "<!DOCTYPE centro SYSTEM \"@/secreto.dtd\">\n<centro/>"},
        CasoExterno{"XInclude", "<centro codigo=\"1\" xmlns:xi=\"http://www.w3.org/2001/XInclude\">"
                                "<xi:include href=\"@/secreto.txt\" parse=\"text\"/></centro>"}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(DocumentoXml, LaExpansionDeEntidadesQueCreceSinMedidaSeRechaza) {
    CarpetaTemporal tmp;
    // Quadratic blow-up: one entity of 100 000 characters used 100 000 times.
    EscribirArchivo(tmp / "cuadratica.xml", "<!DOCTYPE centro [<!ENTITY a \"" + std::string(100000, 'A') +
                                                "\">]>\n<centro codigo=\"" + [] {
                                                    std::string r;
                                                    for (int i = 0; i < 100000; ++i) r += "&a;";
                                                    return r;
                                                }() + "\"/>");
    for (const std::string& ruta :
         {Fixture("risas_atributo.xml"), Fixture("risas_contenido.xml"), tmp / "cuadratica.xml"}) {
        DocumentoXml doc;
        EXPECT_FALSE(doc.Cargar(ruta)) << ruta;
        EXPECT_FALSE(doc.MotivoFallo().empty()) << ruta;
        EXPECT_TRUE(doc.Seleccionar("/centro").empty()) << ruta;
    }
}

TEST(DocumentoXml, LasEntidadesInternasYLasReferenciasSeResuelvenEnLosAtributos) {
    DocumentoXml doc;
    ASSERT_TRUE(doc.Cargar(Fixture("entidades_internas.xml"))) << doc.MotivoFallo();
    EXPECT_EQ(doc.Raiz().Atributo("codigo"), "x[Martínez & Hijos]y<");
    EXPECT_EQ(doc.Raiz().Atributo("denominacion"), "Café \"Central\"");
}

struct CasoFallo {
    const char* nombre;
    std::string ruta;
    const char* motivo;  // a piece of the reason given
};
void PrintTo(const CasoFallo& c, std::ostream* os) { *os << c.nombre; }

class ArchivosQueNoCargan : public ::testing::TestWithParam<CasoFallo> {};

TEST_P(ArchivosQueNoCargan, DejanElDocumentoVacioYDicenPorQue) {
    const CasoFallo& c = GetParam();
    DocumentoXml doc;
    ASSERT_TRUE(doc.Cargar(Fixture("centro_utf8.xml")));  // a failed load also empties a loaded one
    CarpetaTemporal tmp;
    CapturaError captura(tmp / "stderr");
    EXPECT_FALSE(doc.Cargar(c.ruta));
    EXPECT_EQ(captura.Terminar(), "") << "libxml2 printed its errors";
    EXPECT_NE(doc.MotivoFallo().find(c.motivo), std::string::npos) << doc.MotivoFallo();
    EXPECT_FALSE(doc.Raiz().Valido());
    EXPECT_TRUE(doc.Seleccionar("/centro").empty());
    EXPECT_TRUE(doc.Seleccionar("/centro/docentes/docente").empty());
    EXPECT_FALSE(doc.SeleccionarUno("/centro").Valido());
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ArchivosQueNoCargan,
    ::testing::Values(CasoFallo{"NoEsXml", Fixture("no_es_xml.xml"), "línea 1"},
                      CasoFallo{"MalFormado", Fixture("mal_formado.xml"), "línea 5"},
                      CasoFallo{"Vacio", Fixture("vacio.xml"), "línea"},
                      CasoFallo{"NoExiste", Fixture("no_existe.xml"), "no existe"},
                      CasoFallo{"EsUnaCarpeta", Unir(PH_DATOS, "xml"), "carpeta"}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(DocumentoXml, UnaDeclaracionUtf8ConBytesDeOtraCodificacionNoSeAdivina) {
    CarpetaTemporal tmp;
    EscribirArchivo(tmp / "c.xml", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<centro codigo=\"Mart\xEDnez\"/>");
    DocumentoXml doc;
    EXPECT_FALSE(doc.Cargar(tmp / "c.xml"));
    EXPECT_NE(doc.MotivoFallo().find("línea 2"), std::string::npos) << doc.MotivoFallo();
}

// ------------------------------------------------------------------- selection

struct CasoSeleccion {
    const char* ruta;
    std::vector<std::string> documentos;  // the documento attribute of what is found, in order
};
void PrintTo(const CasoSeleccion& c, std::ostream* os) { *os << c.ruta; }

class Seleccion : public ::testing::TestWithParam<CasoSeleccion> {};

TEST_P(Seleccion, HallaLosElementosEnOrdenDelDocumento) {
    DocumentoXml doc;
    ASSERT_TRUE(doc.Cargar(Fixture("secciones.xml"))) << doc.MotivoFallo();
    const CasoSeleccion& c = GetParam();
    EXPECT_EQ(Valores(doc.Seleccionar(c.ruta), "documento"), c.documentos) << c.ruta;
    NodoXml primero = doc.SeleccionarUno(c.ruta);
    EXPECT_EQ(primero.Valido(), !c.documentos.empty());
    if (primero.Valido()) {
        EXPECT_EQ(primero.Atributo("documento"), c.documentos.front());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rutas, Seleccion,
    ::testing::Values(
        // Two sections of the same name: both, in document order; neither the nested
        // element, nor the one in another section, nor an element of another name.
        CasoSeleccion{"/centro/docentes/docente", {"D1", "D2", "D3"}},
        CasoSeleccion{"/centro/docentes/docente/docente", {"anidado"}},
        CasoSeleccion{"/centro/grupos/docentes/docente", {"fuera"}},
        CasoSeleccion{"/centro/docentes/otro", {"X"}},
        CasoSeleccion{"/centro/contenidos/contenido", {}},
        CasoSeleccion{"/centro/ocupaciones/ocupacion", {}},
        CasoSeleccion{"/centro/Docentes/docente", {}},
        CasoSeleccion{"/docentes/docente", {}},
        CasoSeleccion{"centro/docentes/docente", {}},
        CasoSeleccion{"/centro/docentes/docente/", {}},
        CasoSeleccion{"/centro//docente", {}},
        CasoSeleccion{"/", {}},
        CasoSeleccion{"", {}}));

TEST(DocumentoXml, UnaSeccionDeUnSoloElementoSeHalla) {
    DocumentoXml doc;
    ASSERT_TRUE(doc.Cargar(Fixture("secciones.xml")));
    std::vector<NodoXml> aulas = doc.Seleccionar("/centro/aulas/aula");
    ASSERT_EQ(aulas.size(), 1u);
    EXPECT_EQ(aulas[0].Atributo("codigo"), "A1");
    EXPECT_EQ(aulas[0].Nombre(), "aula");
    EXPECT_EQ(doc.Seleccionar("/centro").size(), 1u);
}

TEST(DocumentoXml, UnAtributoQueFaltaSeLeeVacioYUnBlancoSeLeeComoEsta) {
    DocumentoXml doc;
    ASSERT_TRUE(doc.Cargar(Fixture("secciones.xml")));
    NodoXml d3 = doc.Seleccionar("/centro/docentes/docente").at(2);
    EXPECT_EQ(d3.Atributo("nombre"), "sin apellidos");
    EXPECT_FALSE(d3.TieneAtributo("apellido1"));
    EXPECT_EQ(d3.Atributo("apellido1"), "");
    NodoXml aula = doc.SeleccionarUno("/centro/aulas/aula");
    EXPECT_TRUE(aula.TieneAtributo("nombre"));
    EXPECT_EQ(aula.Atributo("nombre"), " ");
    EXPECT_EQ(NodoXml().Atributo("codigo"), "");
}

TEST(DocumentoXml, OtraRaizNoDaNadaBajoCentro) {
    DocumentoXml doc;
    ASSERT_TRUE(doc.Cargar(Fixture("otra_raiz.xml")));
    EXPECT_EQ(doc.Raiz().Nombre(), "horario");
    EXPECT_TRUE(doc.Seleccionar("/centro").empty());
    EXPECT_TRUE(doc.Seleccionar("/centro/docentes/docente").empty());
    EXPECT_EQ(doc.Seleccionar("/horario/centro/docentes/docente").size(), 2u);
}

// ------------------------------------------------------------------- editing and saving

TEST(DocumentoXml, LaNuevaRaizVaDetrasDeLoQueQuedaFueraDeLaAntigua) {
    DocumentoXml doc;
    ASSERT_TRUE(doc.Cargar(Fixture("secciones.xml")));
    doc.QuitarRaiz();
    EXPECT_FALSE(doc.Raiz().Valido());
    EXPECT_TRUE(doc.Seleccionar("/centro/docentes/docente").empty());
    NodoXml raiz = doc.CrearElemento("centro");
    raiz.PonerAtributo("codigo", "2");
    doc.PonerRaiz(raiz);
    NodoXml a = doc.CrearElemento("a");
    NodoXml b = doc.CrearElemento("b");
    raiz.AnadirHijo(b);
    raiz.AnadirHijo(a);  // children keep the order in which they were added
    CarpetaTemporal tmp;
    doc.Guardar(tmp / "nuevo.xml");
    EXPECT_EQ(LeerArchivo(tmp / "nuevo.xml"),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<?itaca version=\"2\"?>\n<!-- primera parte -->\n"
              "<!-- despues de la raiz -->\n<centro codigo=\"2\"><b/><a/></centro>\n");
}

TEST(DocumentoXml, LosAtributosConservanSuPrimerLugarYSeEscapanAlGuardar) {
    DocumentoXml doc;  // never loaded: a new UTF-8 document
    NodoXml raiz = doc.CrearElemento("centro");
    raiz.PonerAtributo("a", "1");
    raiz.PonerAtributo("b", "2");
    raiz.PonerAtributo("a", "3");
    raiz.PonerAtributo("texto", "A&B <c> \"d\" 'e'\tf\ng");
    raiz.PonerAtributo("vacio", "");
    raiz.PonerAtributo("raro", std::string("x\x01y\xFFz"));  // not XML text: each bad piece becomes ?
    doc.PonerRaiz(raiz);
    doc.CrearElemento("suelto");  // created and never placed: released with the document
    CarpetaTemporal tmp;
    doc.Guardar(tmp / "n.xml");
    EXPECT_EQ(LeerArchivo(tmp / "n.xml"),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<centro a=\"3\" b=\"2\" texto=\"A&amp;B &lt;c&gt; "
              "&quot;d&quot; 'e'&#9;f&#10;g\" vacio=\"\" raro=\"x?y?z\"/>\n");
    const std::string estructura =
        "centro a=\"3\" b=\"2\" texto=\"A&B <c> \\\"d\\\" 'e'\\tf\\ng\" vacio=\"\" raro=\"x?y?z\"\n";
    if (!kHerramientasLinux) return ComprobarEnLinux(Comprobacion::EstructuraXml, tmp / "n.xml", estructura);
    std::string salida;
    ASSERT_EQ(Ejecutar({kPython, Fixture("estructura.py"), tmp / "n.xml"}, &salida), 0) << salida;
    EXPECT_EQ(salida, estructura);
}

TEST(DocumentoXml, ElArchivoNuevoTieneLosPermisosDeUnArchivoCorriente) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows no tiene bits de permiso POSIX ni umask que un archivo nuevo deba seguir";
#else
    CarpetaTemporal tmp;
    DocumentoXml doc;
    ASSERT_TRUE(doc.Cargar(Fixture("centro_utf8.xml")));
    mode_t antes = umask(022);
    doc.Guardar(tmp / "nuevo.xml");
    EscribirArchivo(tmp / "previo.xml", "x");
    chmod((tmp / "previo.xml").c_str(), 0640);
    doc.Guardar(tmp / "previo.xml");
    umask(antes);
    struct stat st;
    ASSERT_EQ(stat((tmp / "nuevo.xml").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0644u);
    ASSERT_EQ(stat((tmp / "previo.xml").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u) << "a replaced file keeps its rights";
    EXPECT_EQ(LeerArchivo(tmp / "previo.xml"), Contenido("centro_utf8.xml"));
#endif
}

struct CasoGuardadoFallido {
    const char* nombre;
    const char* destino;  // inside the temporary folder
};
void PrintTo(const CasoGuardadoFallido& c, std::ostream* os) { *os << c.nombre; }

class GuardadoFallido : public ::testing::TestWithParam<CasoGuardadoFallido> {};

TEST_P(GuardadoFallido, AvisaConElNombreYNoDejaTemporales) {
    CarpetaTemporal tmp;
    std::filesystem::create_directory(RutaNativa(tmp / "carpeta.xml"));
    EscribirArchivo(tmp / "archivo", "no es una carpeta");
    DocumentoXml doc;
    ASSERT_TRUE(doc.Cargar(Fixture("centro_utf8.xml")));
    const std::string destino = tmp / GetParam().destino;
    try {
        doc.Guardar(destino);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find(destino), std::string::npos) << e.what();
    }
    EXPECT_FALSE(QuedaTemporal(tmp.ruta()));
    EXPECT_TRUE(std::filesystem::is_directory(RutaNativa(tmp / "carpeta.xml")));
    EXPECT_EQ(LeerArchivo(tmp / "archivo"), "no es una carpeta");
}

INSTANTIATE_TEST_SUITE_P(Casos, GuardadoFallido,
                         ::testing::Values(CasoGuardadoFallido{"DestinoEsUnaCarpeta", "carpeta.xml"},
                                           CasoGuardadoFallido{"CarpetaEsUnArchivo", "archivo/r.xml"},
                                           CasoGuardadoFallido{"CarpetaNoExiste", "falta/r.xml"}),
                         [](const auto& info) { return std::string(info.param.nombre); });

TEST(DocumentoXml, UnDocumentoSinRaizNoSeGuarda) {
    CarpetaTemporal tmp;
    DocumentoXml vacio;
    EXPECT_THROW(vacio.Guardar(tmp / "a.xml"), Error);
    DocumentoXml doc;
    ASSERT_TRUE(doc.Cargar(Fixture("secciones.xml")));
    doc.QuitarRaiz();
    EXPECT_THROW(doc.Guardar(tmp / "b.xml"), Error);
    EXPECT_FALSE(std::filesystem::exists(RutaNativa(tmp / "a.xml")));
    EXPECT_FALSE(std::filesystem::exists(RutaNativa(tmp / "b.xml")));
    EXPECT_FALSE(QuedaTemporal(tmp.ruta()));
}
