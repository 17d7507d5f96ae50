// The ITACA -> Sesionix transfer stopped part-way: by a failed write at each write point
// of the sample school's import in turn, and by SIGKILL of pasahorario-cli at scattered
// moments of a large school's import. Whatever the point, every table left in the
// exchange folder is a dBase table that our engine and TDbf read whole, Sesionix's solution
// is untouched, no table stays locked, and the next run recovers: it completes and gives
// the tables of an uninterrupted run.
#include "import/fiabilidad_prueba.h"

#include "apoyo/apoyo.h"
#include "common/dbf.h"
#include "common/resultado.h"
#include "common/tablas_trabajo.h"
#include "import/importacion.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

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
        fs::copy_file(std::string(PH_EJEMPLOS) + "/SOLUC.DBF", anterior / "SOLUC.DBF");
    }
    void TearDown() override { TablaDbf::FallarTrasEscrituras(-1); }

    CarpetaTemporal anterior;
    std::map<std::string, std::string> completas;
};

// The name of the table a failure message names: "... la tabla «<carpeta>/PROFT.DBF»."
std::string TablaDelMensaje(const std::string& mensaje, const std::string& carpeta) {
    const std::string inicio = "«" + carpeta + "/";
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
        std::string salida;
        ASSERT_EQ(Ejecutar("/usr/bin/python3 " + Comillas(std::string(PH_FUENTES) + "/bench/generar_centro.py") +
                               " -s 1 -o " + Comillas(centro_),
                           &salida),
                  0)
            << salida;
        fs::create_directory(*datos_ / "anterior");
        const auto inicio = std::chrono::steady_clock::now();
        const Salida s = Cli(Argumentos(*datos_ / "anterior"));
        duracion_ = std::chrono::steady_clock::now() - inicio;
        ASSERT_EQ(s.codigo, 0) << s.errores;
        completas_ = Volcados(*datos_ / "anterior");
        fs::copy_file(std::string(PH_EJEMPLOS) + "/SOLUC.DBF", *datos_ / "anterior/SOLUC.DBF");
    }
    static void TearDownTestSuite() {
        delete datos_;
        datos_ = nullptr;
    }
    static std::string Argumentos(const std::string& carpeta) {
        return "itaca-a-sesionix " + Comillas(centro_) + " --stemp " + Comillas(carpeta);
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

// Starts pasahorario-cli with its output thrown away; the process id.
pid_t Lanzar(const std::vector<std::string>& argumentos) {
    std::vector<char*> argv;
    for (const std::string& a : argumentos) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t acciones;
    posix_spawn_file_actions_init(&acciones);
    posix_spawn_file_actions_addopen(&acciones, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&acciones, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int r = posix_spawn(&pid, argv[0], &acciones, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&acciones);
    return r == 0 ? pid : -1;
}

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

        const pid_t pid =
            Lanzar({kCli, "itaca-a-sesionix", centro_, "--stemp", stemp.ruta()});
        ASSERT_GT(pid, 0);
        std::this_thread::sleep_for(duracion_ * fraccion);
        kill(pid, SIGKILL);
        int estado = 0;
        ASSERT_EQ(waitpid(pid, &estado, 0), pid);
        if (WIFSIGNALED(estado) && WTERMSIG(estado) == SIGKILL) ++muertas;

        ComprobarCarpetaIntercambio(stemp.ruta(), antes, nullptr, true);

        // The next run completes from what the killed one left.
        const Salida s = Cli(Argumentos(stemp.ruta()));
        ASSERT_EQ(s.codigo, 0) << s.errores;
        EXPECT_EQ(Volcados(stemp.ruta()), completas_);
    }
    EXPECT_GT(muertas, 0) << "ninguna ejecución se llegó a interrumpir";
}

}  // namespace
