// What both commands of pasahorario-cli do around the transfer, written out whole: the
// exchange folder is checked before anything else, and a transfer that finds an input
// missing names each missing file by its role and its real path, in a trial run too.
#include "apoyo/apoyo.h"
#include "apoyo/cli_prueba.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using namespace ph;
using namespace ph::prueba;
namespace fs = std::filesystem;

namespace {

enum class Falta { Carpeta, CentroEsCarpeta, CentroYSolucion, SolucionEsCarpeta };

struct CasoPasos {
    const char* nombre;
    const char* orden;
    Falta falta;
    const char* opciones;
    // The whole standard error; CENTRO, STEMP and SOLUCION stand for the centre file, the
    // exchange folder and the solution in it.
    std::string errores;
};
void PrintTo(const CasoPasos& c, std::ostream* os) { *os << c.nombre; }

std::string Poner(std::string texto, const std::string& marca, const std::string& valor) {
    for (size_t i = texto.find(marca); i != std::string::npos; i = texto.find(marca, i + valor.size()))
        texto.replace(i, marca.size(), valor);
    return texto;
}

class PasosComunes : public ::testing::TestWithParam<CasoPasos> {
protected:
    CarpetaTemporal entrada, intercambio, tmp;
    // The programs' temporary folder, where a trial run works.
#ifdef _WIN32
    Entorno Temporal() const { return {{"TMP", tmp.ruta()}, {"TEMP", tmp.ruta()}}; }
#else
    Entorno Temporal() const { return {{"TMPDIR", tmp.ruta()}}; }
#endif
};

TEST_P(PasosComunes, MensajesYCodigo) {
    const CasoPasos& c = GetParam();
    const std::string centro = entrada / "centro.xml";
    std::string stemp = intercambio.ruta();
    switch (c.falta) {
        case Falta::Carpeta:
            fs::copy_file(RutaNativa(kEjemplo), RutaNativa(centro));
            stemp = intercambio / "no-existe";
            break;
        case Falta::CentroEsCarpeta: fs::create_directory(RutaNativa(centro)); break;
        case Falta::CentroYSolucion: break;
        case Falta::SolucionEsCarpeta:
            fs::copy_file(RutaNativa(kEjemplo), RutaNativa(centro));
            fs::create_directory(RutaNativa(intercambio / "SOLUC.DBF"));
            break;
    }

    const Salida s = Cli(Argumentos{c.orden, centro, "--stemp", stemp} + Palabras(c.opciones), Temporal());
    EXPECT_EQ(s.codigo, 1) << s.errores;
    EXPECT_EQ(s.errores, Poner(Poner(Poner(c.errores, "CENTRO", centro), "STEMP", stemp), "SOLUCION",
                                Unir(stemp, "SOLUC.DBF")));
    EXPECT_EQ(s.salida, "");
    // Nothing written anywhere: not in the exchange folder, not beside the centre file,
    // and no trial folder left behind.
    const std::vector<std::string> intercambioAntes =
        c.falta == Falta::SolucionEsCarpeta ? std::vector<std::string>{"SOLUC.DBF"} : std::vector<std::string>{};
    EXPECT_EQ(ArchivosDe(intercambio.ruta()), intercambioAntes);
    const std::vector<std::string> entradaAntes =
        c.falta == Falta::CentroYSolucion ? std::vector<std::string>{} : std::vector<std::string>{"centro.xml"};
    EXPECT_EQ(ArchivosDe(entrada.ruta()), entradaAntes);
    EXPECT_EQ(ArchivosDe(tmp.ruta()), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Casos, PasosComunes,
    ::testing::Values(
        CasoPasos{"ImportacionSinCarpeta", "itaca-a-sesionix", Falta::Carpeta, "",
                  "No existe la carpeta de intercambio «STEMP».\n"},
        // The folder is checked before the template is looked up in it.
        CasoPasos{"ExportacionSinCarpeta", "sesionix-a-itaca", Falta::Carpeta, "",
                  "No existe la carpeta de intercambio «STEMP».\n"},
        CasoPasos{"ExportacionSimuladaSinCarpeta", "sesionix-a-itaca", Falta::Carpeta, "--simular",
                  "No existe la carpeta de intercambio «STEMP».\n"},
        CasoPasos{"ImportacionCentroEsCarpeta", "itaca-a-sesionix", Falta::CentroEsCarpeta, "",
                  "No existe archivo\n"
                  "No se puede leer el archivo de centro «CENTRO»: es una carpeta, no un archivo.\n"},
        CasoPasos{"ImportacionSimuladaCentroEsCarpeta", "itaca-a-sesionix", Falta::CentroEsCarpeta, "--simular",
                  "No existe archivo\n"
                  "No se puede leer el archivo de centro «CENTRO»: es una carpeta, no un archivo.\n"},
        CasoPasos{"ExportacionSinCentroNiSolucion", "sesionix-a-itaca", Falta::CentroYSolucion, "--plantilla MATI",
                  "No existe archivo XML o Solución.\n"
                  "No existe el archivo de centro «CENTRO».\n"
                  "No existe la solución de Sesionix «SOLUCION».\n"},
        CasoPasos{"ExportacionSimuladaSinCentroNiSolucion", "sesionix-a-itaca", Falta::CentroYSolucion,
                  "--plantilla MATI --simular",
                  "No existe archivo XML o Solución.\n"
                  "No existe el archivo de centro «CENTRO».\n"
                  "No existe la solución de Sesionix «SOLUCION».\n"},
        CasoPasos{"ExportacionSolucionEsCarpeta", "sesionix-a-itaca", Falta::SolucionEsCarpeta, "--plantilla MATI",
                  "No existe archivo XML o Solución.\n"
                  "No se puede leer la solución de Sesionix «SOLUCION»: es una carpeta, no un archivo.\n"},
        CasoPasos{"ExportacionSimuladaSolucionEsCarpeta", "sesionix-a-itaca", Falta::SolucionEsCarpeta,
                  "--plantilla MATI --simular",
                  "No existe archivo XML o Solución.\n"
                  "No se puede leer la solución de Sesionix «SOLUCION»: es una carpeta, no un archivo.\n"}),
    [](const auto& info) { return std::string(info.param.nombre); });

}  // namespace
