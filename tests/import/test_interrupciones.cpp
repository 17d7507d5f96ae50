// The ITACA -> Sesionix transfer stopped part-way: by a failed write at each write point
// of the sample school's import in turn, and by SIGKILL of pasahorario-cli at scattered
// moments of a large school's import. Whatever the point, every table left in the
// exchange folder is a dBase table that our engine and TDbf read whole, Sesionix's solution
// is untouched, no table stays locked, and the next run recovers: it completes and gives
// the tables of an uninterrupted run.
#include "apoyo/apoyo.h"
#include "apoyo/en_linux.h"
#include "apoyo/fiabilidad_prueba.h"
#include "common/dbf/dbf.h"
#include "import/importacion.h"
#include "transfer/resultado.h"
#include "transfer/tablas_trabajo.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

using namespace ph;
using namespace ph::prueba;
namespace fs = std::filesystem;

namespace {

// The work tables of a folder as our engine reads them, by name.
std::map<std::string, std::string> Volcados(const std::string& carpeta) {
    std::map<std::string, std::string> r;
    for (const std::string& t : NombresTablasTrabajo()) r[t] = VolcarPropio(carpeta, t);
    return r;
}

ResultadoTransferencia ImportarEjemplo(const std::string& carpeta, DialogosGuion& dialogos) {
    EstadoVentana estado;
    estado.filenameXML = kEjemplo;
    return ImportarDeItaca(estado, carpeta, dialogos);
}

// The exchange folder of an earlier, complete import of the sample with Sesionix's
// solution beside its tables, and the dumps of those tables.
class Interrupciones : public ::testing::Test {
protected:
    void SetUp() override {
        DialogosGuion d;
        ASSERT_EQ(ImportarEjemplo(anterior.ruta(), d).desenlace, Desenlace::Completada) << d.mensajes.back();
        completas = Volcados(anterior.ruta());
        fs::copy_file(RutaNativa(Unir(PH_EJEMPLOS, "SOLUC.DBF")), RutaNativa(anterior / "SOLUC.DBF"));
    }
    void TearDown() override { TablaDbf::FallarTrasEscrituras(-1); }

    CarpetaTemporal anterior;
    std::map<std::string, std::string> completas;
};

// The name of the table a failure message names: "... la tabla «<carpeta>/PROFT.DBF»."
std::string TablaDelMensaje(const std::string& mensaje, const std::string& carpeta) {
    const std::string inicio = "«" + Unir(carpeta, "");
    const size_t i = mensaje.find(inicio);
    if (i == std::string::npos) return {};
    const size_t desde = i + inicio.size();
    return mensaje.substr(desde, mensaje.find("»", desde) - desde);
}

TEST_F(Interrupciones, UnaEscrituraFallidaEnCadaPunto) {
    const auto antes = ContenidoDe(anterior.ruta());
    std::set<std::string> tablasDetenidas;
    long k = 0;
    for (;; ++k) {
        ASSERT_LT(k, 10000) << "la transferencia no llega a completarse";
        CarpetaTemporal stemp;
        CopiarArchivos(anterior.ruta(), stemp.ruta());
        DialogosGuion d;
        TablaDbf::FallarTrasEscrituras(k);
        const ResultadoTransferencia r = ImportarEjemplo(stemp.ruta(), d);
        TablaDbf::FallarTrasEscrituras(-1);
        SCOPED_TRACE("fallo en la escritura " + std::to_string(k) + ": " + r.mensaje);

        ComprobarCarpetaIntercambio(stemp.ruta(), antes);
        for (const auto& [nombre, bytes] : ContenidoDe(stemp.ruta())) {
            TablaDbf t;  // nobody holds it any more
            EXPECT_NO_THROW(t.Abrir(stemp / nombre, true)) << nombre;
        }
        if (r.desenlace == Desenlace::Completada) {
            // Past the last write: the fault never came.
            EXPECT_EQ(Volcados(stemp.ruta()), completas);
            break;
        }
        EXPECT_EQ(r.desenlace, Desenlace::Error);
        const std::string tabla = TablaDelMensaje(r.mensaje, stemp.ruta());
        EXPECT_TRUE(EsTablaDeIntercambio(tabla)) << r.mensaje;
        tablasDetenidas.insert(tabla);
        for (const std::string& m : d.mensajes) EXPECT_NE(m, "Proceso finalizado");

        // The next run starts from what the stopped one left and completes.
        DialogosGuion otra;
        ASSERT_EQ(ImportarEjemplo(stemp.ruta(), otra).desenlace, Desenlace::Completada) << otra.mensajes.back();
        EXPECT_EQ(Volcados(stemp.ruta()), completas);
    }
    // The write points reached every stage: each work table was being written at one.
    std::set<std::string> todas;
    for (const std::string& t : NombresTablasTrabajo()) todas.insert(t + ".DBF");
    EXPECT_EQ(tablasDetenidas, todas);
}

// --- SIGKILL -------------------------------------------------------------------------

// A large school (bench/generar_centro.py at scale 1), an exchange folder with its tables
// from a complete run and Sesionix's solution, and how long a complete run takes here.
class InterrupcionPorSenal : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        datos_ = new CarpetaTemporal;
        centro_ = *datos_ / "centro-grande.xml";
        if (kHerramientasLinux) {
            std::string salida;
            ASSERT_EQ(Ejecutar({kPython, Unir(Unir(PH_FUENTES, "bench"), "generar_centro.py"), "-s", "1", "-o", centro_},
                               &salida),
                      0)
                << salida;
        } else {
            // Python does not run here: the build made the same file on the Linux side.
            fs::copy_file(RutaNativa(Unir(Unir(PH_BINARIOS, "generados"), "centro-s1.xml")), RutaNativa(centro_));
        }
        fs::create_directory(RutaNativa(*datos_ / "anterior"));
        const auto inicio = std::chrono::steady_clock::now();
        const Salida s = Cli(Argumentos(*datos_ / "anterior"));
        duracion_ = std::chrono::steady_clock::now() - inicio;
        ASSERT_EQ(s.codigo, 0) << s.errores;
        completas_ = Volcados(*datos_ / "anterior");
        fs::copy_file(RutaNativa(Unir(PH_EJEMPLOS, "SOLUC.DBF")), RutaNativa(Unir(*datos_ / "anterior", "SOLUC.DBF")));
    }
    static void TearDownTestSuite() {
        delete datos_;
        datos_ = nullptr;
    }
    static prueba::Argumentos Argumentos(const std::string& carpeta) {
        return {"itaca-a-sesionix", centro_, "--stemp", carpeta};
    }

    static CarpetaTemporal* datos_;
    static std::string centro_;
    static std::chrono::duration<double> duracion_;
    static std::map<std::string, std::string> completas_;
};
CarpetaTemporal* InterrupcionPorSenal::datos_ = nullptr;
std::string InterrupcionPorSenal::centro_;
std::chrono::duration<double> InterrupcionPorSenal::duracion_{};
std::map<std::string, std::string> InterrupcionPorSenal::completas_;

TEST_F(InterrupcionPorSenal, LasTablasQuedanLegibles) {
    ASSERT_NE(datos_, nullptr);
    const std::string anterior = *datos_ / "anterior";
    const auto antes = ContenidoDe(anterior);
    // Deterministic moments, one in each of six equal stretches of a complete run.
    std::mt19937 azar(20190912);
    std::uniform_real_distribution<double> dentro(0.0, 1.0);
    constexpr int kVeces = 6;
    int muertas = 0;
    for (int vez = 0; vez < kVeces; ++vez) {
        const double fraccion = 0.02 + 0.93 * (vez + dentro(azar)) / kVeces;
        SCOPED_TRACE("SIGKILL al " + std::to_string(int(fraccion * 100)) + " % de la duración");
        CarpetaTemporal stemp;
        CopiarArchivos(anterior, stemp.ruta());

        ProcesoEnMarcha cli(Orden{prueba::Argumentos{kCli} + Argumentos(stemp.ruta()), {}, {}});
        std::this_thread::sleep_for(duracion_ * fraccion);
        if (cli.Matar()) ++muertas;

        ComprobarCarpetaIntercambio(stemp.ruta(), antes, nullptr, true);

        // The next run completes from what the killed one left.
        const Salida s = Cli(Argumentos(stemp.ruta()));
        ASSERT_EQ(s.codigo, 0) << s.errores;
        EXPECT_EQ(Volcados(stemp.ruta()), completas_);
    }
    EXPECT_GT(muertas, 0) << "ninguna ejecución se llegó a interrumpir";
}

}  // namespace
