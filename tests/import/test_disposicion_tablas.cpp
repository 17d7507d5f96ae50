// The seven work tables as a transfer writes them: every field's name, kind, width and
// decimals in file order, typed out here and checked three ways on the files a whole
// import of the sample school leaves: the descriptors read straight from the file's
// bytes, our table engine, and Free Pascal's TDbf.
#include "apoyo/apoyo.h"
#include "apoyo/cli_prueba.h"
#include "common/dbf/dbf.h"
#include "import/importacion.h"
#include "transfer/tablas_trabajo.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

using namespace ph;
using namespace ph::prueba;

namespace {

// One field as it stands in the file: name, kind letter, width in bytes, decimals.
struct Campo {
    std::string nombre;
    char tipo;
    int ancho;
    int decimales;
    bool operator==(const Campo&) const = default;
    friend void PrintTo(const Campo& c, std::ostream* os) {
        *os << c.nombre << " " << c.tipo << " " << c.ancho << "." << c.decimales;
    }
};

struct Disposicion {
    const char* tabla;
    std::vector<Campo> campos;
    friend void PrintTo(const Disposicion& d, std::ostream* os) { *os << d.tabla; }
};

// Text: C n. Integer: I, 4 bytes. Float: N 18.8. Logical: L 1.
Campo C(const char* n, int ancho) { return {n, 'C', ancho, 0}; }
Campo I(const char* n) { return {n, 'I', 4, 0}; }
Campo F(const char* n) { return {n, 'N', 18, 8}; }
Campo L(const char* n) { return {n, 'L', 1, 0}; }

const std::vector<Disposicion>& Disposiciones() {
    static const std::vector<Disposicion> d{
        {"PROFT",
         {C("ABREV", 10), C("NOMBRE", 80), C("DEPART", 40), C("EMAIL", 100), C("DNI", 14), C("X_EMPLEADO", 10),
          C("F_TOMAPOS", 10), C("ENSENANZA", 5)}},
        {"CURSOST", {C("ABREV", 3), C("TURNO", 1), C("NIVEL", 5), C("CURSO", 3), C("CLAVE", 10), C("ESTUD", 40)}},
        {"GRUPOST",
         {C("ABREV", 10), C("TURNO", 1), C("NIVEL", 5), C("CURSO", 3), C("GRUPO", 2), C("DESCRIP", 80),
          C("MARCO", 1), C("CLAVE", 10), C("CLAVECURSO", 10), C("ENSENANZA", 10), C("TUTOR", 10)}},
        {"ASIGNOMT",
         {C("COD", 10), C("CODLARGO", 10), C("NOMBRE", 80), C("MATERIA", 8), C("CODTAREA", 12), L("ESTAREA"),
          C("DENIVEL", 5), C("DECURSO", 3), C("ABREV_ITACA", 20)}},
        {"AULAT",
         {C("ABREV", 10), C("NOMBRE", 80), C("EDIFICIO", 1), I("MAXALUM"), C("DEPCENTRO", 10),
          C("ABREV_ITACA", 20)}},
        {"ASIGT",
         {C("CASIG", 10), C("CPROF", 10), C("CGRUP", 10), C("CAULA", 10), C("TURNO", 1), C("NIVEL", 5),
          C("CURSO", 3), C("GRUPO", 2), F("HORAS"), C("SESIONES", 20), C("NCONEX", 4), C("CLAVE", 10),
          C("CLAVECURSO", 10), C("CTAREA", 10), C("ASIG_ITACA", 20)}},
        {"DIASHORAST",
         {C("DIHO", 10), C("CODDIHO", 10), C("DIA", 20), C("TEXTODIA", 20), C("HORA", 8), C("TEXTOHOR", 15),
          C("HORADESDE", 8), C("HORAHASTA", 8), C("MINUTOS", 8), C("MARCO", 1), C("MARCOXML", 10),
          I("SESION_ORDEN")}},
    };
    return d;
}

// The field descriptors of a level-7 table, read from its bytes: a 68-byte header, then
// 48 bytes per field (32-byte name, kind, width, decimals) up to the 0x0D terminator.
std::vector<Campo> CamposDelArchivo(const std::string& ruta) {
    const std::string b = LeerArchivo(ruta);
    std::vector<Campo> r;
    EXPECT_GE(b.size(), 69u);
    if (b.size() < 69) return r;
    EXPECT_EQ(uint8_t(b[0]), 0x04) << "level 7";
    const size_t cabecera = uint8_t(b[8]) | size_t(uint8_t(b[9])) << 8;
    size_t p = 68;
    for (; p + 48 <= b.size() && b[p] != '\x0D'; p += 48) {
        const std::string nombre = b.substr(p, 32);
        r.push_back({nombre.substr(0, nombre.find('\0')), b[p + 32], uint8_t(b[p + 33]), uint8_t(b[p + 34])});
    }
    EXPECT_LT(p, b.size());
    if (p < b.size()) {
        EXPECT_EQ(b[p], '\x0D') << "terminator after the descriptors";
    }
    EXPECT_EQ(cabecera, p + 1) << "the header's length ends right after the terminator";
    return r;
}

// Our engine's view: the kind as it gives it and, for text, the width.
std::vector<Campo> CamposDelMotor(const std::string& ruta) {
    TablaDbf t;
    t.Abrir(ruta, false);
    std::vector<Campo> r;
    for (const DefCampo& c : t.Campos()) {
        switch (c.tipo) {
            case TipoCampo::Texto: r.push_back({c.nombre, 'C', c.ancho, 0}); break;
            case TipoCampo::Entero: r.push_back({c.nombre, 'I', 4, 0}); break;
            case TipoCampo::Flotante: r.push_back({c.nombre, 'N', 18, 8}); break;
            case TipoCampo::Logico: r.push_back({c.nombre, 'L', 1, 0}); break;
        }
    }
    return r;
}

// TDbf's view: leerdbf must print "NIVEL 7", the number of fields and one line
// "CAMPO <name> <kind> <width> <decimals>" per field; the dump's first line gives the
// field names in file order. Under Windows the check is made on the Linux side.
std::vector<std::string> LineasEsperadasDeTDbf(const Disposicion& d) {
    std::vector<std::string> r{"NIVEL 7", "CAMPOS " + std::to_string(d.campos.size())};
    for (const Campo& c : d.campos)
        r.push_back("CAMPO " + c.nombre + " " + c.tipo + " " + std::to_string(c.ancho) + " " +
                    std::to_string(c.decimales));
    return r;
}

std::string NombresEnOrden(const Disposicion& d) {
    std::string r;
    for (const Campo& c : d.campos) r += (r.empty() ? "" : "|") + c.nombre;
    return r;
}

class DisposicionEscrita : public ::testing::TestWithParam<Disposicion> {
protected:
    // One import of the sample school for all seven tables.
    static void SetUpTestSuite() {
        stemp_ = new CarpetaTemporal;
        EstadoVentana estado;
        estado.filenameXML = kEjemplo;
        DialogosGuion dialogos;
        ResultadoTransferencia r = ImportarDeItaca(estado, stemp_->ruta(), dialogos);
        ASSERT_EQ(r.desenlace, Desenlace::Completada) << r.mensaje;
    }
    static void TearDownTestSuite() {
        delete stemp_;
        stemp_ = nullptr;
    }
    static CarpetaTemporal* stemp_;
};
CarpetaTemporal* DisposicionEscrita::stemp_ = nullptr;

TEST_P(DisposicionEscrita, EnLosBytesDelArchivo) {
    const Disposicion& d = GetParam();
    EXPECT_EQ(CamposDelArchivo(Unir(stemp_->ruta(), std::string(d.tabla) + ".DBF")), d.campos);
}

TEST_P(DisposicionEscrita, SegunNuestroMotor) {
    const Disposicion& d = GetParam();
    EXPECT_EQ(CamposDelMotor(Unir(stemp_->ruta(), std::string(d.tabla) + ".DBF")), d.campos);
}

TEST_P(DisposicionEscrita, SegunTDbf) {
    ASSERT_TRUE(HayLeerDbf()) << kLeerDbf;
    const Disposicion& d = GetParam();
    const std::string volcado = VolcarConTDbf(stemp_->ruta(), d.tabla, LineasEsperadasDeTDbf(d));
    EXPECT_EQ(volcado.rfind("leerdbf ha fallado", 0), std::string::npos) << volcado;
    EXPECT_EQ(volcado.substr(0, volcado.find('\n')), NombresEnOrden(d));
}

INSTANTIATE_TEST_SUITE_P(Siete, DisposicionEscrita, ::testing::ValuesIn(Disposiciones()),
                         [](const auto& info) { return std::string(info.param.tabla); });

// The transfer writes exactly these seven tables.
TEST(DisposicionEscritaLista, SonLasSieteEnEsteOrden) {
    std::vector<std::string> nombres;
    for (const Disposicion& d : Disposiciones()) nombres.push_back(d.tabla);
    EXPECT_EQ(NombresTablasTrabajo(), nombres);
}

}  // namespace
