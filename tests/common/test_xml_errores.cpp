// A centre file that does not parse is refused with a reason in Spanish that says where
// the fault is (line and column) and what it is, never the parser's own English text.
#include "common/xml.h"

#include "apoyo/apoyo.h"

#include <gtest/gtest.h>

#include <string>

using ph::DocumentoXml;
using ph::prueba::CarpetaTemporal;
using ph::prueba::EscribirArchivo;

namespace {

struct CasoRoto {
    const char* nombre;
    std::string contenido;
    int linea;
    int columnaMin, columnaMax;  // the column reported lies within the faulty piece
    const char* que;             // the description, written out in full
};

class CentroQueNoSeAnaliza : public ::testing::TestWithParam<CasoRoto> {};

TEST_P(CentroQueNoSeAnaliza, DiceEnCastellanoQueFallaYDonde) {
    const CasoRoto& c = GetParam();
    CarpetaTemporal tmp;
    EscribirArchivo(tmp / "centro.xml", c.contenido);
    DocumentoXml doc;
    ASSERT_FALSE(doc.Cargar(tmp / "centro.xml"));
    const std::string& m = doc.MotivoFallo();

    const std::string inicio = "error de XML en la línea " + std::to_string(c.linea) + ", columna ";
    ASSERT_EQ(m.rfind(inicio, 0), 0u) << m;
    const size_t dosPuntos = m.find(": ", inicio.size());
    ASSERT_NE(dosPuntos, std::string::npos) << m;
    const std::string columna = m.substr(inicio.size(), dosPuntos - inicio.size());
    ASSERT_FALSE(columna.empty()) << m;
    ASSERT_EQ(columna.find_first_not_of("0123456789"), std::string::npos) << m;
    EXPECT_GE(std::stoi(columna), c.columnaMin) << m;
    EXPECT_LE(std::stoi(columna), c.columnaMax) << m;
    EXPECT_EQ(m.substr(dosPuntos + 2), c.que) << m;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, CentroQueNoSeAnaliza,
    ::testing::Values(
        CasoRoto{"EtiquetaQueNoCierra",
                 "<?xml version=\"1.0\"?>\n<centro codigo=\"1\">\n  <docentes>\n    <docente documento=\"D1\">\n"
                 "  </docentes>\n</centro>\n",
                 5, 3, 14, "una etiqueta de cierre no corresponde a la que está abierta"},
        CasoRoto{"AtributoSinComillas", "<centro codigo=1/>\n", 1, 15, 17,
                 "un atributo no tiene su valor entre comillas"},
        CasoRoto{"AmpersandSuelto", "<?xml version=\"1.0\"?>\n<centro denominacion=\"Pérez & Hijos\"/>\n", 2, 29, 31,
                 "falta un nombre de etiqueta, de atributo o de entidad (un «&» suelto se escribe «&amp;»)"},
        CasoRoto{"AtributoRepetido", "<centro codigo=\"1\" codigo=\"2\"/>\n", 1, 20, 32,
                 "un elemento repite el mismo atributo"},
        CasoRoto{"TextoTrasLaRaiz", "<centro codigo=\"1\"/>\n<otro/>\n", 2, 1, 3,
                 "hay más texto detrás del cierre del elemento raíz"},
        CasoRoto{"ArchivoCortado", "<centro codigo=\"1\">\n  <docentes>\n    ", 3, 1, 5,
                 "el archivo se acaba con elementos sin cerrar"},
        CasoRoto{"EtiquetaCortada", "<centro codigo=\"1\">\n  <docentes>\n    <docente", 3, 5, 13,
                 "una etiqueta no está bien cerrada con «>»"},
        CasoRoto{"BytesDeOtraCodificacion",
                 "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<centro denominacion=\"Mart\xEDnez\"/>\n", 2, 27, 30,
                 "hay un carácter no permitido o bytes que no son del juego de caracteres declarado"},
        CasoRoto{"CodificacionDesconocida", "<?xml version=\"1.0\" encoding=\"X-KLINGON-9\"?>\n<centro/>\n", 1, 30, 45,
                 "la codificación declarada («X-KLINGON-9») no se conoce"},
        CasoRoto{"TextoQueNoEsXml", "codigo;denominacion\n46000001;IES\n", 1, 1, 1,
                 "el archivo está vacío o no tiene ninguna etiqueta"}),
    [](const auto& info) { return std::string(info.param.nombre); });

}  // namespace
