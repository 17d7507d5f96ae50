// Both transfers take the centre file the same way: a missing one ends the run with the
// direction's own words, and a file that is not an ITACA centre file is refused with the
// same words in either direction, before anything is written.
#include "export/exportacion.h"
#include "import/importacion.h"

#include "apoyo/apoyo.h"
#include "apoyo/tablas_prueba.h"
#include "common/xml.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <set>
#include <string>
#include <tuple>
#include <vector>

using namespace ph;
using namespace ph::prueba;
namespace fs = std::filesystem;

namespace {

enum class Sentido { Importacion, Exportacion };
void PrintTo(Sentido s, std::ostream* os) { *os << (s == Sentido::Importacion ? "Importacion" : "Exportacion"); }

// The names in a folder, to see that a refused run wrote nothing.
std::set<std::string> Nombres(const std::string& carpeta) {
    std::set<std::string> r;
    for (const auto& e : fs::directory_iterator(RutaNativa(carpeta))) r.insert(TextoDeRuta(e.path().filename()));
    return r;
}

struct CasoCarga {
    const char* nombre;
    bool existe;            // whether the centre file is written at all
    std::string contenido;  // its bytes
    Desenlace desenlace;
    // The message of each direction; "@" stands for the centre file's path.
    std::string importacion;
    std::string exportacion;
    friend void PrintTo(const CasoCarga& c, std::ostream* os) { *os << c.nombre; }
};

std::string ConRuta(std::string mensaje, const std::string& ruta) {
    if (const size_t i = mensaje.find('@'); i != std::string::npos) mensaje.replace(i, 1, ruta);
    return mensaje;
}

class CargaDelCentro : public ::testing::TestWithParam<std::tuple<CasoCarga, Sentido>> {};

TEST_P(CargaDelCentro, TerminaConElMensajeDeCadaSentidoSinEscribirNada) {
    const auto& [c, sentido] = GetParam();
    CarpetaTemporal stemp, itaca;
    const std::string centro = itaca / "centro.xml";
    if (c.existe) EscribirArchivo(centro, c.contenido);
    EstadoVentana estado;
    estado.filenameXML = centro;
    DialogosGuion d;

    ResultadoTransferencia r;
    std::string esperado;
    if (sentido == Sentido::Importacion) {
        r = ImportarDeItaca(estado, stemp.ruta(), d);
        esperado = ConRuta(c.importacion, centro);
    } else {
        EscribirSoluc(stemp / "SOLUC.DBF", {});
        r = ExportarAItaca(estado, stemp.ruta(), d);
        esperado = ConRuta(c.exportacion, centro);
    }

    EXPECT_EQ(r.desenlace, c.desenlace);
    EXPECT_EQ(r.mensaje, esperado);
    EXPECT_EQ(d.mensajes, std::vector<std::string>{esperado});
    EXPECT_EQ(d.plantillasPedidas, 0);
    const std::set<std::string> antes =
        sentido == Sentido::Exportacion ? std::set<std::string>{"SOLUC.DBF"} : std::set<std::string>{};
    EXPECT_EQ(Nombres(stemp.ruta()), antes);
    const std::set<std::string> centroSolo =
        c.existe ? std::set<std::string>{"centro.xml"} : std::set<std::string>{};
    EXPECT_EQ(Nombres(itaca.ruta()), centroSolo);
}

const std::string kNoEsXml =
    "El archivo «@» no es un archivo XML válido: error de XML en la línea 1, columna 1: el archivo está vacío o "
    "no tiene ninguna etiqueta";
const std::string kOtraRaiz =
    "El archivo «@» no es un archivo de centro de ITACA: su elemento raíz no es «centro».";

INSTANTIATE_TEST_SUITE_P(
    Casos, CargaDelCentro,
    ::testing::Combine(
        ::testing::Values(
            CasoCarga{"NoExiste", false, "", Desenlace::FaltaEntrada, "No existe archivo",
                      "No existe archivo XML o Solución."},
            CasoCarga{"TextoQueNoEsXml", true, "codigo;denominacion\n46000001;IES\n", Desenlace::Rechazada, kNoEsXml,
                      kNoEsXml},
            CasoCarga{"OtraRaiz", true, "<?xml version=\"1.0\"?>\n<escuela codigo=\"1\"/>\n", Desenlace::Rechazada,
                      kOtraRaiz, kOtraRaiz}),
        ::testing::Values(Sentido::Importacion, Sentido::Exportacion)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).nombre) +
               (std::get<1>(info.param) == Sentido::Importacion ? "_Importacion" : "_Exportacion");
    });

// A centre file the caller has already loaded is refused as one loaded by the export.
TEST(CargaDelCentro, UnDocumentoYaCargadoQueNoEsDeCentroSeRechaza) {
    CarpetaTemporal stemp, itaca;
    const std::string centro = itaca / "centro.xml";
    EscribirArchivo(centro, "<?xml version=\"1.0\"?>\n<horarios/>\n");
    EscribirSoluc(stemp / "SOLUC.DBF", {});
    DocumentoXml cargado;
    ASSERT_TRUE(cargado.Cargar(centro));
    EstadoVentana estado;
    estado.filenameXML = centro;
    DialogosGuion d;

    const ResultadoTransferencia r = ExportarAItaca(estado, stemp.ruta(), d, &cargado);

    EXPECT_EQ(r.desenlace, Desenlace::Rechazada);
    EXPECT_EQ(r.mensaje, "El archivo «" + centro +
                             "» no es un archivo de centro de ITACA: su elemento raíz no es «centro».");
    EXPECT_EQ(Nombres(stemp.ruta()), std::set<std::string>{"SOLUC.DBF"});
    EXPECT_EQ(Nombres(itaca.ruta()), std::set<std::string>{"centro.xml"});
}

}  // namespace
