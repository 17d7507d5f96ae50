#include "common/ini.h"

#include "apoyo/apoyo.h"
#include "common/error.h"

#include <gtest/gtest.h>

#include <ostream>

#include <filesystem>

using namespace ph;
using ph::prueba::CarpetaTemporal;
using ph::prueba::EscribirArchivo;
using ph::prueba::LeerArchivo;

namespace {

struct CasoCambio {
    const char* nombre;
    std::string antes;
    std::string despues;  // after setting [Transformadores] Transformado=1
};
void PrintTo(const CasoCambio& c, std::ostream* os) { *os << c.nombre; }

#ifdef _WIN32
const std::string kEolSistema = "\r\n";
#else
const std::string kEolSistema = "\n";
#endif

const CasoCambio kCasosCambio[] = {
    {"ArchivoVacio", "", "[Transformadores]" + kEolSistema + "Transformado=1" + kEolSistema},
    {"SeccionQueFaltaAlFinalCrlf", "[Otra]\r\nA=b\r\n", "[Otra]\r\nA=b\r\n[Transformadores]\r\nTransformado=1\r\n"},
    {"SeccionQueFaltaSinSaltoFinal", "[Otra]\nA=b", "[Otra]\nA=b\n[Transformadores]\nTransformado=1\n"},
    {"ValorCambiadoSoloEnSuLinea", "; nota\r\n[Transformadores]\r\nTransformado=0\r\nOtro=7\r\n",
     "; nota\r\n[Transformadores]\r\nTransformado=1\r\nOtro=7\r\n"},
    {"SeccionYClaveSinMirarMayusculas", "[TRANSFORMADORES]\nTRANSFORMADO=-1\n", "[TRANSFORMADORES]\nTRANSFORMADO=1\n"},
    {"BlancosAlrededorDeNombres", "[ Transformadores ]\n  Transformado = 0 \n", "[ Transformadores ]\nTransformado=1\n"},
    {"ClaveNuevaTrasLaUltimaLineaNoBlancaDeSuSeccion", "[Transformadores]\nX=1\n\n[B]\nY=2\n",
     "[Transformadores]\nX=1\nTransformado=1\n\n[B]\nY=2\n"},
    {"ClaveNuevaEnSeccionFinalSinSalto", "[Transformadores]\nX=1", "[Transformadores]\nX=1\nTransformado=1\n"},
    {"LaMismaClaveEnOtraSeccionNoCuenta", "[A]\nTransformado=5\n[Transformadores]\n",
     "[A]\nTransformado=5\n[Transformadores]\nTransformado=1\n"},
    {"PrimeraSeccionYPrimeraClaveRepetidas", "[Transformadores]\nTransformado=0\nTransformado=9\n[transformadores]\nTransformado=8\n",
     "[Transformadores]\nTransformado=1\nTransformado=9\n[transformadores]\nTransformado=8\n"},
    {"ComentarioConElNombreNoEsClave", "[Transformadores]\n;Transformado=0\n", "[Transformadores]\n;Transformado=0\nTransformado=1\n"},
    {"NombreMasLargoNoCoincide", "[Transformadores]\nTransformados=0\n", "[Transformadores]\nTransformados=0\nTransformado=1\n"},
    {"MarcaDeOrdenDeBytesConservada", "\xEF\xBB\xBF[Transformadores]\r\nTransformado=0\r\n",
     "\xEF\xBB\xBF[Transformadores]\r\nTransformado=1\r\n"},
    {"BytesNoAsciiIntactos", "[Años]\nNombre=Cañada\xE9\n[Transformadores]\nTransformado=0\n",
     "[Años]\nNombre=Cañada\xE9\n[Transformadores]\nTransformado=1\n"},
};

class CambioIni : public ::testing::TestWithParam<CasoCambio> {};

TEST_P(CambioIni, CambiaSoloLoNecesario) {
    const auto& c = GetParam();
    std::string r = CambiarValorIni(c.antes, "Transformadores", "Transformado", "1");
    EXPECT_EQ(r, c.despues);
    EXPECT_EQ(ValorIni(r, "transformadores", "transformado"), std::optional<std::string>("1"));
}

INSTANTIATE_TEST_SUITE_P(Casos, CambioIni, ::testing::ValuesIn(kCasosCambio),
                         [](const auto& info) { return std::string(info.param.nombre); });

TEST(LecturaIni, FaltaSeccionOClave) {
    const std::string t = "Transformado=3\n[A]\nTransformado=4\n[Transformadores]\nOtra=1\n";
    EXPECT_EQ(ValorIni(t, "Transformadores", "Transformado"), std::nullopt);  // keys before any section belong to none
    EXPECT_EQ(ValorIni(t, "B", "Transformado"), std::nullopt);
    EXPECT_EQ(ValorIni(t, "a", "TRANSFORMADO"), std::optional<std::string>("4"));
}

TEST(ArchivoIni, CreaElArchivoQueFalta) {
    CarpetaTemporal dir;
    const std::string ruta = dir / "Sesionix.ini";
    EscribirIni(ruta, "Transformadores", "Transformado", "-1");
    EXPECT_EQ(LeerArchivo(ruta), "[Transformadores]" + kEolSistema + "Transformado=-1" + kEolSistema);
    EXPECT_EQ(LeerIni(ruta, "Transformadores", "Transformado"), std::optional<std::string>("-1"));
}

TEST(ArchivoIni, ConservaElRestoByteAByteYNoDejaTemporales) {
    CarpetaTemporal dir;
    const std::string ruta = dir / "Sesionix.ini";
    const std::string antes =
        "; Configuración de Sesionix\r\n[General]\r\nRuta=C:\\SX19\r\n\r\n[transformadores]\r\n"
        "  ; no tocar\r\nTransformado=0\r\nUltimo=ITACA\r\n\r\n[Ventana]\r\nAncho=800";
    EscribirArchivo(ruta, antes);
    EscribirIni(ruta, "Transformadores", "Transformado", "1");
    std::string despues = antes;
    despues.replace(despues.find("Transformado=0"), 14, "Transformado=1");
    EXPECT_EQ(LeerArchivo(ruta), despues);

    int entradas = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.ruta())) ++entradas;
    EXPECT_EQ(entradas, 1);
}

TEST(ArchivoIni, CarpetaQueNoExisteDaErrorConElNombre) {
    CarpetaTemporal dir;
    const std::string ruta = dir / "no-existe/Sesionix.ini";
    try {
        EscribirIni(ruta, "Transformadores", "Transformado", "1");
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find(ruta), std::string::npos) << e.what();
    }
    EXPECT_EQ(LeerIni(ruta, "Transformadores", "Transformado"), std::nullopt);
}

}  // namespace
