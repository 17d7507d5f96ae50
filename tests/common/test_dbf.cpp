// The dBase table engine: stored layout, values, navigation, Locate, writes, locks and
// damaged files.
#include "common/dbf/dbf.h"

#include "apoyo/apoyo.h"
#include "common/error.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cstring>
#include <functional>
#include <ctime>
#include <filesystem>

using namespace ph;
using ph::prueba::ArchivoRetenido;
using ph::prueba::CarpetaTemporal;
using ph::prueba::EscribirArchivo;
using ph::prueba::LeerArchivo;
using ph::prueba::Retencion;

namespace {

const std::vector<DefCampo> kCampos = {
    {"NOMBRE", TipoCampo::Texto, 80},
    {"CODIGO", TipoCampo::Texto, 10},
    {"NUMERO", TipoCampo::Entero, 0},
    {"HORAS", TipoCampo::Flotante, 0},
    {"TAREA", TipoCampo::Logico, 0},
};

// Header 68 + 5 descriptors of 48 + terminator; rows of 1 + 80 + 10 + 4 + 18 + 1 bytes.
constexpr size_t kCabecera = 68 + 5 * 48 + 1;
constexpr size_t kRegistro = 114;

testing::AssertionResult Contiene(const std::string& texto, std::initializer_list<std::string> partes) {
    for (const std::string& p : partes)
        if (texto.find(p) == std::string::npos)
            return testing::AssertionFailure() << "«" << texto << "» no contiene «" << p << "»";
    return testing::AssertionSuccess();
}

// The message of the Error that f throws; fails the test when none is thrown.
template <typename F>
std::string MensajeDeError(F&& f) {
    try {
        f();
    } catch (const Error& e) {
        return e.what();
    }
    ADD_FAILURE() << "no se lanzó ph::Error";
    return "";
}

class Dbf : public testing::Test {
protected:
    CarpetaTemporal carpeta;
    std::string ruta = carpeta / "PRUEBA.DBF";

    void SetUp() override { TablaDbf::Crear(ruta, kCampos); }
    void TearDown() override { TablaDbf::FallarTrasEscrituras(-1); }

    // Appends rows whose CODIGO are the given values, in this order.
    void Filas(TablaDbf& t, std::initializer_list<std::string> codigos) {
        for (const std::string& c : codigos) {
            t.Append();
            t.SetString("CODIGO", c);
            t.Post();
        }
    }

    std::vector<std::string> Codigos(TablaDbf& t) {
        std::vector<std::string> r;
        for (t.First(); !t.Eof(); t.Next()) r.push_back(t.AsString("CODIGO"));
        return r;
    }
};

// ---------------------------------------------------------------- stored layout

TEST_F(Dbf, LaTablaVaciaTieneLaDisposicionDelNivel7) {
    const std::string c = LeerArchivo(ruta);
    ASSERT_EQ(c.size(), kCabecera + 1);
    EXPECT_EQ(c[0], '\x04');
    std::time_t ahora = std::time(nullptr);
    std::tm hoy{};
#ifdef _WIN32
    localtime_s(&hoy, &ahora);
#else
    localtime_r(&ahora, &hoy);
#endif
    EXPECT_EQ(static_cast<unsigned char>(c[1]), hoy.tm_year);
    EXPECT_EQ(static_cast<unsigned char>(c[2]), hoy.tm_mon + 1);
    EXPECT_EQ(static_cast<unsigned char>(c[3]), hoy.tm_mday);
    EXPECT_EQ(c.substr(4, 4), std::string(4, '\0'));  // no rows
    EXPECT_EQ(static_cast<unsigned char>(c[8]) | static_cast<unsigned char>(c[9]) << 8, kCabecera);
    EXPECT_EQ(static_cast<unsigned char>(c[10]) | static_cast<unsigned char>(c[11]) << 8, kRegistro);
    EXPECT_EQ(c.substr(12, 20), std::string(20, '\0'));  // byte 29 too: the name tells the code page
    EXPECT_EQ(c.substr(32, 36), std::string("DBWINWE0") + std::string(28, '\0'));
    // Descriptors: 32-byte name, kind, width, decimals, zeros.
    struct { const char* nombre; char tipo; int ancho, decimales; } esperado[] = {
        {"NOMBRE", 'C', 80, 0}, {"CODIGO", 'C', 10, 0}, {"NUMERO", 'I', 4, 0}, {"HORAS", 'N', 18, 8}, {"TAREA", 'L', 1, 0}};
    for (size_t i = 0; i < 5; ++i) {
        const std::string d = c.substr(68 + 48 * i, 48);
        std::string nombre = esperado[i].nombre;
        EXPECT_EQ(d.substr(0, 32), nombre + std::string(32 - nombre.size(), '\0'));
        EXPECT_EQ(d[32], esperado[i].tipo);
        EXPECT_EQ(static_cast<unsigned char>(d[33]), esperado[i].ancho);
        EXPECT_EQ(static_cast<unsigned char>(d[34]), esperado[i].decimales);
        EXPECT_EQ(d.substr(35), std::string(13, '\0'));
    }
    EXPECT_EQ(c[kCabecera - 1], '\x0D');
    EXPECT_EQ(c[kCabecera], '\x1A');
}

TEST_F(Dbf, LasFilasSeGuardanComoLasGuardaElMotorDeNivel7) {
    {
        TablaDbf t;
        t.Abrir(ruta);
        t.Append();
        t.SetString("NOMBRE", "Matemàtiques");
        t.SetString("CODIGO", "MAT");
        t.SetInteger("NUMERO", 12);
        t.SetFloat("HORAS", 4);
        t.SetBoolean("TAREA", true);
        t.Post();
        t.Append();
        t.SetInteger("NUMERO", -1);
        t.SetFloat("HORAS", -2.5);
        t.SetBoolean("TAREA", false);
        t.Post();
        t.Append();  // never set: blank
        t.Post();
    }
    const std::string c = LeerArchivo(ruta);
    ASSERT_EQ(c.size(), kCabecera + 3 * kRegistro + 1);
    EXPECT_EQ(c.substr(4, 4), std::string("\x03\0\0\0", 4));
    auto fila = [&](int i) { return c.substr(kCabecera + i * kRegistro, kRegistro); };
    std::string nombre = "Matem\xE0tiques";  // Windows-1252
    EXPECT_EQ(fila(0), " " + nombre + std::string(80 - nombre.size(), ' ') + "MAT       " +
                           std::string("\x80\x00\x00\x0C", 4) + "        4.00000000" + "T");
    EXPECT_EQ(fila(1), " " + std::string(90, ' ') + "\x7F\xFF\xFF\xFF" + "       -2.50000000" + "F");
    EXPECT_EQ(fila(2), " " + std::string(90, ' ') + std::string(4, '\0') + std::string(18, ' ') + " ");
    EXPECT_EQ(c.back(), '\x1A');
}

// ---------------------------------------------------------------- values

TEST_F(Dbf, CadaTipoVuelveComoSeEscribio) {
    struct Caso { long long numero; double horas; bool tarea; std::string numeroTexto, horasTexto; };
    const Caso casos[] = {
        {0, 0, false, "0", "0"},
        {1, 1, true, "1", "1"},
        {-7, -0.5, false, "-7", "-0.5"},
        {2147483647, 12345678.12345678, true, "2147483647", "12345678.12345678"},
        {-2147483647, 0.25, false, "-2147483647", "0.25"},
    };
    {
        TablaDbf t;
        t.Abrir(ruta);
        for (const Caso& c : casos) {
            t.Append();
            t.SetInteger("NUMERO", c.numero);
            t.SetFloat("HORAS", c.horas);
            t.SetBoolean("TAREA", c.tarea);
            t.Post();
        }
    }
    TablaDbf t;
    t.Abrir(ruta);
    for (const Caso& c : casos) {
        ASSERT_FALSE(t.Eof());
        EXPECT_EQ(t.AsInteger("NUMERO"), c.numero);
        EXPECT_EQ(t.AsString("NUMERO"), c.numeroTexto);
        EXPECT_DOUBLE_EQ(t.AsFloat("HORAS"), c.horas);
        EXPECT_EQ(t.AsString("HORAS"), c.horasTexto);
        EXPECT_EQ(t.AsBoolean("TAREA"), c.tarea);
        EXPECT_EQ(t.AsString("TAREA"), c.tarea ? "T" : "F");
        t.Next();
    }
    EXPECT_TRUE(t.Eof());
}

TEST_F(Dbf, CamposNuncaAsignadosSeLeenEnBlanco) {
    TablaDbf t;
    t.Abrir(ruta);
    t.Append();
    t.Post();
    t.Cerrar();
    t.Abrir(ruta);
    for (const char* campo : {"NOMBRE", "NUMERO", "HORAS", "TAREA"}) EXPECT_EQ(t.AsString(campo), "") << campo;
    EXPECT_EQ(t.AsInteger("NUMERO"), 0);
    EXPECT_EQ(t.AsFloat("HORAS"), 0);
    EXPECT_FALSE(t.AsBoolean("TAREA"));
}

TEST_F(Dbf, ConversionesEntreTipos) {
    TablaDbf t;
    t.Abrir(ruta);
    t.Append();
    t.SetString("NUMERO", " 42");
    t.SetString("HORAS", "3.5");
    t.SetString("TAREA", "T");
    t.SetInteger("CODIGO", 17);
    t.Post();
    EXPECT_EQ(t.AsInteger("NUMERO"), 42);
    EXPECT_EQ(t.AsFloat("HORAS"), 3.5);
    EXPECT_EQ(t.AsInteger("HORAS"), 4);  // rounded half to even
    EXPECT_TRUE(t.AsBoolean("TAREA"));
    EXPECT_EQ(t.AsString("CODIGO"), "17");
    EXPECT_EQ(t.AsInteger("CODIGO"), 17);
    t.Edit();
    t.SetFloat("NUMERO", 2.5);
    t.SetString("NUMERO", "");  // empty text blanks a number
    t.Post();
    EXPECT_EQ(t.AsString("NUMERO"), "");
}

TEST_F(Dbf, TextoQueNoEsNumeroDaErrorConArchivoCampoYValor) {
    TablaDbf t;
    t.Abrir(ruta);
    Filas(t, {"lunes"});
    EXPECT_TRUE(Contiene(MensajeDeError([&] { t.AsInteger("CODIGO"); }), {ruta, "CODIGO", "lunes"}));
    EXPECT_TRUE(Contiene(MensajeDeError([&] { t.AsFloat("codigo"); }), {ruta, "CODIGO", "lunes"}));
    t.Edit();
    EXPECT_TRUE(Contiene(MensajeDeError([&] { t.SetString("NUMERO", "12a"); }), {ruta, "NUMERO", "12a"}));
    EXPECT_TRUE(Contiene(MensajeDeError([&] { t.SetString("HORAS", "dos"); }), {ruta, "HORAS", "dos"}));
    EXPECT_TRUE(Contiene(MensajeDeError([&] { t.SetInteger("NUMERO", 1LL << 40); }), {ruta, "NUMERO"}));
    // All zero bytes mean a blank integer: the smallest 32-bit number has no room.
    EXPECT_TRUE(Contiene(MensajeDeError([&] { t.SetInteger("NUMERO", -2147483648LL); }), {ruta, "NUMERO"}));
    EXPECT_TRUE(Contiene(MensajeDeError([&] { t.SetFloat("HORAS", 1e18); }), {ruta, "HORAS"}));
    t.SetFloat("HORAS", 1e12);  // fewer decimals make room
    EXPECT_EQ(t.AsFloat("HORAS"), 1e12);
}

TEST_F(Dbf, NombresDeCampoSinMirarMayusculasYLosDesconocidosSonError) {
    TablaDbf t;
    t.Abrir(ruta);
    t.Append();
    t.SetString("codigo", "x");
    t.Post();
    EXPECT_EQ(t.AsString("Codigo"), "x");
    EXPECT_TRUE(t.TieneCampo("nombre"));
    EXPECT_FALSE(t.TieneCampo("NOMBRES"));
    EXPECT_TRUE(Contiene(MensajeDeError([&] { t.AsString("DNI"); }), {ruta, "DNI"}));
    EXPECT_TRUE(Contiene(MensajeDeError([&] { t.Locate("CODIGO;DNI", std::vector<std::string>{"x", "y"}); }), {ruta, "DNI"}));
}

struct CasoTexto {
    std::string escrito;
    std::string leido;
};
void PrintTo(const CasoTexto& c, std::ostream* os) { *os << c.escrito; }

class DbfTexto : public Dbf, public testing::WithParamInterface<CasoTexto> {};

TEST_P(DbfTexto, SeGuardaEnWindows1252YSeCortaAlAncho) {
    {
        TablaDbf t;
        t.Abrir(ruta);
        t.Append();
        t.SetString("NOMBRE", GetParam().escrito);
        t.Post();
    }
    TablaDbf t;
    t.Abrir(ruta);
    EXPECT_EQ(t.AsString("NOMBRE"), GetParam().leido);
}

// 85 characters; the 80th is "ñ".
const std::string k85 = "Fernández Martínez, María Àngels de la Concepció Ibáñez i Pérez-Güell del PlaÑúñez 12";

INSTANTIATE_TEST_SUITE_P(
    Casos, DbfTexto,
    testing::Values(
        CasoTexto{"Educació Física i Esport", "Educació Física i Esport"},
        CasoTexto{"àèéíïòóúüç ñÑ l·l ¿¡ €", "àèéíïòóúüç ñÑ l·l ¿¡ €"},
        CasoTexto{"ÀÈÉÍÏÒÓÚÜÇ «»", "ÀÈÉÍÏÒÓÚÜÇ «»"},
        CasoTexto{"Łódź Жук 😀 x", "?ód? ??? ? x"},  // outside Windows-1252
        CasoTexto{"  dos  ", "  dos"},                    // trailing blanks go, leading stay
        CasoTexto{k85, "Fernández Martínez, María Àngels de la Concepció Ibáñez i Pérez-Güell del PlaÑúñ"},
        CasoTexto{"", ""}));

TEST_F(Dbf, DeOchentaYCincoCaracteresQuedanLosOchentaPrimeros) {
    const std::string texto(85, 'x');
    TablaDbf t;
    t.Abrir(ruta);
    t.Append();
    t.SetString("NOMBRE", texto);
    t.Post();
    EXPECT_EQ(t.AsString("NOMBRE"), texto.substr(0, 80));
}

// A dBase III table with one text field NOMBRE C 4 and one row holding these bytes.
std::string TablaDBaseIII(unsigned char idioma, const std::string& bytes) {
    std::string c(32, '\0');
    c[0] = '\x03';
    c[4] = 1;
    c[8] = 32 + 32 + 1;
    c[10] = 1 + 4;
    c[29] = static_cast<char>(idioma);
    std::string d(32, '\0');
    d.replace(0, 6, "NOMBRE");
    d[11] = 'C';
    d[16] = 4;
    return c + d + "\x0D" + " " + bytes + std::string(4 - bytes.size(), ' ') + "\x1A";
}

TEST_F(Dbf, PaginaDeCodigosPorElByteDeIdiomaOElNombreDelControlador) {
    const std::string bytes = "\x80\xA4";
    struct Caso { int idioma; const char* nombre; const char* texto; };
    const Caso casos[] = {
        {0x00, nullptr, "€¤"},   // none: Windows-1252
        {0x03, nullptr, "€¤"},   {0x57, nullptr, "€¤"}, {0x58, nullptr, "€¤"},
        {0x01, nullptr, "Çñ"},   {0x02, nullptr, "Çñ"}, {0x64, nullptr, "ÇĄ"},
        {0x65, nullptr, "Ад"},   {0x26, nullptr, "Ад"}, {0xC8, nullptr, "€¤"},
        {0xC9, nullptr, "Ђ¤"},   {0xEE, nullptr, "€¤"},  // unknown: Windows-1252
        {-1, "DBWINUS0", "€¤"},  {-1, "DB437US0", "Çñ"}, {-1, "DB850ES0", "Çñ"},
        {-1, "DB866RU0", "Ад"},  {-1, "FOXDEWIN", "€¤"}, {-1, "FOXNO865", "Çñ"},
        {-1, "DB895CZ0", "€¤"},  // a page the system cannot convert: Windows-1252
    };
    for (const Caso& c : casos) {
        std::string contenido;
        if (c.nombre) {
            TablaDbf::Crear(ruta, {{"NOMBRE", TipoCampo::Texto, 4}});
            contenido = LeerArchivo(ruta);
            contenido.replace(32, 8, c.nombre);
            contenido[4] = 1;
            contenido.back() = ' ';
            contenido += bytes + "  \x1A";
        } else {
            contenido = TablaDBaseIII(static_cast<unsigned char>(c.idioma), bytes);
        }
        EscribirArchivo(ruta, contenido);
        TablaDbf t;
        t.Abrir(ruta);
        EXPECT_EQ(t.AsString("NOMBRE"), c.texto) << c.idioma << " " << (c.nombre ? c.nombre : "");
        // Written back in the same page.
        t.Edit();
        t.SetString("NOMBRE", c.texto);
        t.Post();
        t.Cerrar();
        EXPECT_EQ(LeerArchivo(ruta).substr(contenido.size() - 5, 2), bytes) << c.idioma << " " << (c.nombre ? c.nombre : "");
    }
}

// FoxPro keeps a text field wider than 255 bytes as its width's low byte in the length
// byte and its high byte in the decimals byte: NOTA C 300 is stored as 44 and 1.
TEST_F(Dbf, UnTextoFoxProDeMasDe255SeLeeYSeEscribeEntero) {
    std::string c(32, '\0');
    c[0] = '\x30';
    c[4] = 1;
    c[8] = 32 + 32 + 1;
    c[10] = static_cast<char>((1 + 300) & 0xFF);
    c[11] = static_cast<char>((1 + 300) >> 8);
    c[29] = '\x03';
    std::string d(32, '\0');
    d.replace(0, 4, "NOTA");
    d[11] = 'C';
    d[16] = 44;
    d[17] = 1;
    std::string texto;
    for (int i = 0; i < 60; ++i) texto += "abcde";
    EscribirArchivo(ruta, c + d + "\x0D" + " " + texto + "\x1A");

    TablaDbf t;
    t.Abrir(ruta);
    EXPECT_EQ(t.AsString("NOTA"), texto);
    t.Edit();
    t.SetString("NOTA", std::string(301, 'z'));
    t.Post();
    t.Cerrar();
    EXPECT_EQ(LeerArchivo(ruta).substr(66, 301), std::string(300, 'z') + "\x1A");
}

// ---------------------------------------------------------------- navigation and editing

TEST_F(Dbf, DeletePasaALaFilaSiguienteOALaAnterior) {
    TablaDbf t;
    t.Abrir(ruta);
    Filas(t, {"A", "B", "C", "D"});
    ASSERT_TRUE(t.Locate("CODIGO", "B"));
    t.Delete();
    EXPECT_EQ(t.AsString("CODIGO"), "C");
    EXPECT_EQ(t.RecNo(), 3);  // the position in the file: deleted rows count
    EXPECT_FALSE(t.Eof());
    ASSERT_TRUE(t.Locate("CODIGO", "D"));
    t.Delete();  // the last one: the previous row becomes current
    EXPECT_EQ(t.AsString("CODIGO"), "C");
    EXPECT_FALSE(t.Eof());
    EXPECT_EQ(t.RecordCount(), 2);
    EXPECT_EQ(Codigos(t), (std::vector<std::string>{"A", "C"}));
    t.First();
    t.Delete();
    EXPECT_EQ(t.AsString("CODIGO"), "C");
    t.Delete();
    EXPECT_TRUE(t.Eof());
    EXPECT_EQ(t.RecNo(), 0);
    EXPECT_EQ(t.RecordCount(), 0);
    EXPECT_TRUE(Contiene(MensajeDeError([&] { t.Delete(); }), {ruta}));
    t.Cerrar();
    t.Abrir(ruta);
    EXPECT_TRUE(t.Eof());
    EXPECT_EQ(t.RecordCount(), 0);
}

TEST_F(Dbf, BorrarAlRecorrerConservaLasDemas) {
    // The pruning loop: delete what is not wanted, move on past what is.
    TablaDbf t;
    t.Abrir(ruta);
    Filas(t, {"x1", "A", "x2", "x3", "B", "x4"});
    t.First();
    while (!t.Eof()) {
        if (t.AsString("CODIGO")[0] == 'x') t.Delete();
        else t.Next();
    }
    EXPECT_EQ(Codigos(t), (std::vector<std::string>{"A", "B"}));
}

TEST_F(Dbf, PackQuitaDelArchivoLasFilasBorradas) {
    TablaDbf t;
    t.Abrir(ruta);
    Filas(t, {"A", "B", "C", "D", "E"});
    for (const char* c : {"A", "C", "E"}) {
        ASSERT_TRUE(t.Locate("CODIGO", c));
        t.Delete();
    }
    t.Pack();
    EXPECT_FALSE(t.Eof());
    EXPECT_EQ(t.RecNo(), 1);
    EXPECT_EQ(t.AsString("CODIGO"), "B");
    ASSERT_TRUE(t.Locate("CODIGO", "D"));
    EXPECT_EQ(t.RecNo(), 2);
    // Written at once (the size, which Windows gives while the table is held exclusively).
    EXPECT_EQ(std::filesystem::file_size(RutaNativa(ruta)), kCabecera + 2 * kRegistro + 1);
    Filas(t, {"F"});  // the table stays usable
    t.Cerrar();
    t.Abrir(ruta);
    EXPECT_EQ(Codigos(t), (std::vector<std::string>{"B", "D", "F"}));
    t.Cerrar();  // Windows lets nobody read a table held for exclusive use
    EXPECT_EQ(LeerArchivo(ruta).substr(4, 4), std::string("\x03\0\0\0", 4));
    std::error_code ec;
    int entradas = 0;
    for (auto it = std::filesystem::directory_iterator(RutaNativa(carpeta.ruta()), ec); it != std::filesystem::directory_iterator(); ++it) ++entradas;
    EXPECT_EQ(entradas, 1);  // no temporary file left behind
}

TEST_F(Dbf, EditCambiaLaFilaEnSuSitio) {
    TablaDbf t;
    t.Abrir(ruta);
    Filas(t, {"A", "B", "C"});
    ASSERT_TRUE(t.Locate("CODIGO", "B"));
    t.Edit();
    t.SetString("CODIGO", "Z");
    t.SetFloat("HORAS", t.AsFloat("HORAS") + 1);
    t.Post();
    EXPECT_EQ(t.RecNo(), 2);
    t.Cerrar();
    t.Abrir(ruta);
    EXPECT_EQ(Codigos(t), (std::vector<std::string>{"A", "Z", "C"}));
    t.Locate("CODIGO", "Z");
    EXPECT_EQ(t.AsFloat("HORAS"), 1);
}

TEST_F(Dbf, LosCambiosPendientesSeResuelvenComoEnLasTablasDeLaPlataforma) {
    TablaDbf t;
    t.Abrir(ruta);
    Filas(t, {"A"});
    t.Append();
    t.First();  // an untouched new row is dropped
    EXPECT_EQ(t.RecordCount(), 1);
    t.Append();
    t.SetString("CODIGO", "B");
    t.First();  // a changed one is posted
    EXPECT_EQ(t.RecordCount(), 2);
    t.Append();
    t.SetString("CODIGO", "C");
    t.Delete();  // deleting the row being appended drops it
    EXPECT_EQ(t.RecordCount(), 2);
    EXPECT_TRUE(Contiene(MensajeDeError([&] { t.Post(); }), {ruta}));
    EXPECT_TRUE(Contiene(MensajeDeError([&] { t.SetString("CODIGO", "x"); }), {ruta, "CODIGO"}));
    t.Append();
    t.SetString("CODIGO", "D");
    t.Cerrar();  // posts it
    t.Abrir(ruta);
    EXPECT_EQ(Codigos(t), (std::vector<std::string>{"A", "B", "D"}));
}

TEST_F(Dbf, EditDeUnaTablaVaciaAnadeUnaFila) {
    TablaDbf t;
    t.Abrir(ruta);
    EXPECT_TRUE(t.Eof());
    t.Edit();
    t.SetString("CODIGO", "A");
    t.Post();
    EXPECT_EQ(Codigos(t), (std::vector<std::string>{"A"}));
}

TEST_F(Dbf, UnaTablaMovidaSigueFuncionando) {
    TablaDbf a;
    a.Abrir(ruta);
    Filas(a, {"A"});
    TablaDbf b(std::move(a));
    Filas(b, {"B"});
    EXPECT_FALSE(a.Activa());
    EXPECT_THROW(a.First(), Error);
    TablaDbf c;
    c = std::move(b);
    EXPECT_EQ(Codigos(c), (std::vector<std::string>{"A", "B"}));
}

// ---------------------------------------------------------------- Locate

TEST_F(Dbf, LocateHallaLaPrimeraCoincidenciaEnElOrdenGuardado) {
    TablaDbf t;
    t.Abrir(ruta);
    const char* filas[][2] = {{"A", "1"}, {"B", "2"}, {"A", "3"}, {"b", "4"}, {"", "5"}, {"A", "6"}};
    for (auto& f : filas) {
        t.Append();
        t.SetString("CODIGO", f[0]);
        t.SetString("NOMBRE", f[1]);
        t.SetInteger("NUMERO", std::stoi(f[1]) % 2);
        t.Post();
    }
    struct Caso { std::string campos; std::vector<std::string> valores; long recno; };
    const Caso casos[] = {
        {"CODIGO", {"A"}, 1},
        {"CODIGO", {"b"}, 4},        // letter case counts
        {"CODIGO", {""}, 5},         // an empty value finds a blank field
        {"CODIGO", {"A "}, 0},       // compared exactly: no blanks trimmed from the value
        {"CODIGO", {"C"}, 0},
        {"CODIGO;NUMERO", {"A", "0"}, 6},
        {"codigo ; nombre", {"A", "3"}, 3},
        {"NUMERO", {"1"}, 1},        // a number, by its text
        {"NOMBRE;CODIGO", {"3", "B"}, 0},
    };
    for (const Caso& c : casos) {
        t.First();
        t.Next();  // row 2 current
        EXPECT_EQ(t.Locate(c.campos, c.valores), c.recno != 0) << c.campos;
        EXPECT_EQ(t.RecNo(), c.recno ? c.recno : 2) << c.campos;  // not found: the row stays
    }
    EXPECT_TRUE(Contiene(MensajeDeError([&] { t.Locate("CODIGO;NOMBRE", std::vector<std::string>{"A"}); }), {ruta}));
}

TEST_F(Dbf, LocateSigueEdicionesBorradosAltasYPack) {
    TablaDbf t;
    t.Abrir(ruta);
    Filas(t, {"A", "B", "A", "C"});
    ASSERT_TRUE(t.Locate("CODIGO", "A"));  // builds the index
    EXPECT_EQ(t.RecNo(), 1);
    t.Delete();  // the first A goes: the second is found
    ASSERT_TRUE(t.Locate("CODIGO", "A"));
    EXPECT_EQ(t.RecNo(), 3);
    ASSERT_TRUE(t.Locate("CODIGO", "B"));
    t.Edit();
    t.SetString("CODIGO", "D");
    t.Post();
    EXPECT_FALSE(t.Locate("CODIGO", "B"));
    ASSERT_TRUE(t.Locate("CODIGO", "D"));
    EXPECT_EQ(t.RecNo(), 2);
    t.Edit();
    t.SetString("CODIGO", "A");  // now before the other A
    t.Post();
    ASSERT_TRUE(t.Locate("CODIGO", "A"));
    EXPECT_EQ(t.RecNo(), 2);
    Filas(t, {"E"});
    ASSERT_TRUE(t.Locate("CODIGO", "E"));
    EXPECT_EQ(t.RecNo(), 5);
    t.Pack();
    ASSERT_TRUE(t.Locate("CODIGO", "E"));
    EXPECT_EQ(t.RecNo(), 4);
    ASSERT_TRUE(t.Locate("CODIGO", "C"));
    EXPECT_EQ(t.RecNo(), 3);
}

TEST_F(Dbf, MuchasFilasMuchasBusquedas) {
    // A transfer's pattern on a large table: append, look up an earlier row, change it.
    constexpr int n = 60000;
    TablaDbf t;
    t.Abrir(ruta);
    for (int i = 0; i < n; ++i) {
        t.Append();
        t.SetString("CODIGO", "K" + std::to_string(i));
        t.SetInteger("NUMERO", i % 7);
        t.Post();
        if (i % 3 == 0) {
            const int j = i / 2;
            ASSERT_TRUE(t.Locate("CODIGO;NUMERO", {"K" + std::to_string(j), std::to_string(j % 7)}));
            t.Edit();
            t.SetFloat("HORAS", t.AsFloat("HORAS") + 1);
            t.Post();
        }
    }
    t.Cerrar();
    t.Abrir(ruta, false);
    EXPECT_EQ(t.RecordCount(), n);
    double total = 0;
    for (t.First(); !t.Eof(); t.Next()) total += t.AsFloat("HORAS");
    EXPECT_EQ(total, n / 3);
    for (int j : {0, 1, 2, 3, 4, 5, 12345, 29999}) {
        // Row j was counted once for each of 2j and 2j + 1 that is a multiple of 3.
        const double esperado = (2 * j % 3 == 0) + ((2 * j + 1) % 3 == 0);
        ASSERT_TRUE(t.Locate("CODIGO", "K" + std::to_string(j)));
        EXPECT_EQ(t.AsFloat("HORAS"), esperado) << j;
    }
}

// ---------------------------------------------------------------- writes reach the file

TEST_F(Dbf, ElArchivoEsUnaTablaValidaMientrasSeGuardanFilas) {
    TablaDbf escritor;
    escritor.Abrir(ruta, false);
    for (int i = 0; i < 5000; ++i) {
        escritor.Append();
        escritor.SetString("CODIGO", std::to_string(i));
        escritor.Post();
        if (i % 1000 == 999) {
            TablaDbf lector;
            lector.Abrir(ruta, false);
            long k = 0;
            for (; !lector.Eof(); lector.Next(), ++k) ASSERT_EQ(lector.AsString("CODIGO"), std::to_string(k));
            EXPECT_LE(k, i + 1);
        }
    }
    escritor.Cerrar();
    TablaDbf lector;
    lector.Abrir(ruta);
    EXPECT_EQ(lector.RecordCount(), 5000);
}

class DbfFallos : public Dbf, public testing::WithParamInterface<int> {};

TEST_P(DbfFallos, UnaEscrituraFallidaDejaUnaTablaValida) {
    int guardadas = 0;
    {
        TablaDbf t;
        t.Abrir(ruta, false);
        Filas(t, {"A", "B", "C"});
        t.Cerrar();
        t.Abrir(ruta, false);
        TablaDbf::FallarTrasEscrituras(GetParam());
        std::string mensaje = MensajeDeError([&] {
            t.First();
            t.Edit();
            t.SetString("NOMBRE", "editada");
            t.Post();
            t.Next();
            t.Delete();
            for (;;) {
                t.Append();
                t.SetString("CODIGO", std::to_string(guardadas));
                ++guardadas;  // in memory: a failed write comes after
                t.Post();
            }
        });
        EXPECT_TRUE(Contiene(mensaje, {ruta}));
        // What is on disk now is a table: the rows written first, in order.
        TablaDbf lector;
        lector.Abrir(ruta, false);
        std::vector<std::string> codigos = Codigos(lector);
        ASSERT_GE(codigos.size(), 2u);
        EXPECT_EQ(codigos[0], "A");
        size_t j = 1;
        if (codigos[j] == "B") ++j;  // its deletion may not have been written yet
        ASSERT_EQ(codigos[j], "C");
        for (size_t k = 0; ++j < codigos.size(); ++k) ASSERT_EQ(codigos[j], std::to_string(k));
        EXPECT_LT(codigos.size(), guardadas + 3u);
    }
    // Everything reached the file when the table object went away.
    TablaDbf t;
    t.Abrir(ruta);
    std::vector<std::string> codigos = Codigos(t);
    ASSERT_EQ(codigos.size(), guardadas + 2u);
    EXPECT_EQ(codigos[0], "A");
    EXPECT_EQ(codigos[1], "C");
    EXPECT_EQ(codigos.back(), std::to_string(guardadas - 1));
    t.First();
    EXPECT_EQ(t.AsString("NOMBRE"), "editada");
}

// Rows are gathered: each round of writes has the changed rows (the first round only),
// the new rows and the header.
INSTANTIATE_TEST_SUITE_P(Escrituras, DbfFallos, testing::Values(0, 1, 2, 3, 4, 7));

TEST_F(Dbf, UnCierreFallidoSueltaIgualmenteElArchivo) {
    TablaDbf t;
    t.Abrir(ruta);
    Filas(t, {"A", "B"});
    t.Cerrar();
    t.Abrir(ruta);
    Filas(t, {"C"});
    TablaDbf::FallarTrasEscrituras(1);  // the new row is written, the header is not
    EXPECT_TRUE(Contiene(MensajeDeError([&] { t.Cerrar(); }), {ruta}));
    EXPECT_FALSE(t.Activa());
    t.Abrir(ruta);  // exclusive: nobody holds it any more
    EXPECT_EQ(Codigos(t), (std::vector<std::string>{"A", "B"}));
}

TEST_F(Dbf, UnPackFallidoDejaElArchivoComoEstaba) {
    TablaDbf t;
    t.Abrir(ruta);
    Filas(t, {"A", "B", "C"});
    t.First();
    t.Delete();
    t.Cerrar();
    const std::string antes = LeerArchivo(ruta);
    t.Abrir(ruta);
    TablaDbf::FallarTrasEscrituras(0);
    EXPECT_TRUE(Contiene(MensajeDeError([&] { t.Pack(); }), {ruta}));
#ifdef _WIN32
    t.Cerrar();  // Windows lets nobody read a table held for exclusive use, this process neither
    EXPECT_EQ(LeerArchivo(ruta), antes);
    t.Abrir(ruta);
#else
    EXPECT_EQ(LeerArchivo(ruta), antes);
#endif
    int entradas = 0;
    for (auto& e : std::filesystem::directory_iterator(RutaNativa(carpeta.ruta()))) entradas += e.is_regular_file();
    EXPECT_EQ(entradas, 1);
    t.Pack();  // the fault was once
    EXPECT_EQ(Codigos(t), (std::vector<std::string>{"B", "C"}));
}

// ---------------------------------------------------------------- creation

TEST_F(Dbf, CrearSustituyeEnteraUnaTablaDeOtrosCampos) {
    {
        TablaDbf t;
        t.Abrir(ruta);
        Filas(t, {"A", "B"});
    }
    TablaDbf::Crear(ruta, {{"ABREV", TipoCampo::Texto, 10}, {"SESION_ORDEN", TipoCampo::Entero, 0}});
    TablaDbf t;
    t.Abrir(ruta);
    EXPECT_EQ(t.RecordCount(), 0);
    auto campos = t.Campos();
    ASSERT_EQ(campos.size(), 2u);
    EXPECT_EQ(campos[0].nombre, "ABREV");
    EXPECT_EQ(campos[0].tipo, TipoCampo::Texto);
    EXPECT_EQ(campos[0].ancho, 10);
    EXPECT_EQ(campos[1].nombre, "SESION_ORDEN");
    EXPECT_EQ(campos[1].tipo, TipoCampo::Entero);
}

TEST_F(Dbf, CrearRechazaListasDeCamposQueNoPuedeGuardar) {
    const std::vector<std::vector<DefCampo>> malas = {
        {},
        {{"", TipoCampo::Texto, 5}},
        {{"A", TipoCampo::Texto, 0}},
        {{"A", TipoCampo::Texto, 256}},
        {{"A", TipoCampo::Texto, 5}, {"a", TipoCampo::Entero, 0}},
        {{std::string(32, 'N'), TipoCampo::Logico, 0}},
    };
    for (const auto& campos : malas) {
        std::string otra = carpeta / "OTRA.DBF";
        EXPECT_TRUE(Contiene(MensajeDeError([&] { TablaDbf::Crear(otra, campos); }), {otra}));
        EXPECT_FALSE(std::filesystem::exists(RutaNativa(otra)));
    }
}

// ---------------------------------------------------------------- missing and damaged files

TEST_F(Dbf, CarpetaOArchivoQueFaltaDaErrorConSuNombre) {
    TablaDbf t;
    const std::string sinCarpeta = carpeta / "no/existe/PROFT.DBF";
    EXPECT_TRUE(Contiene(MensajeDeError([&] { t.Abrir(sinCarpeta); }), {carpeta / "no/existe/", sinCarpeta}));
    EXPECT_TRUE(Contiene(MensajeDeError([&] { TablaDbf::Crear(sinCarpeta, kCampos); }), {sinCarpeta}));
    const std::string sinArchivo = carpeta / "SOLUC.DBF";
    EXPECT_TRUE(Contiene(MensajeDeError([&] { t.Abrir(sinArchivo); }), {"No existe la tabla", sinArchivo}));
    EXPECT_TRUE(Contiene(MensajeDeError([&] { t.Abrir(carpeta.ruta()); }), {carpeta.ruta()}));
    EXPECT_FALSE(t.Activa());
    EXPECT_TRUE(Contiene(MensajeDeError([&] { t.First(); }), {"no está abierta"}));
}

struct CasoDanado {
    const char* nombre;
    std::function<void(std::string&)> estropear;
    const char* problema;  // part of the message
};
void PrintTo(const CasoDanado& c, std::ostream* os) { *os << c.nombre; }

class DbfDanado : public Dbf, public testing::WithParamInterface<CasoDanado> {};

void PonerPalabra(std::string& c, size_t pos, unsigned v) {
    c[pos] = static_cast<char>(v & 0xFF);
    c[pos + 1] = static_cast<char>(v >> 8);
}

TEST_P(DbfDanado, SeRechazaConUnMensajeClaro) {
    {
        TablaDbf t;
        t.Abrir(ruta);
        Filas(t, {"A", "B"});
    }
    std::string c = LeerArchivo(ruta);
    GetParam().estropear(c);
    EscribirArchivo(ruta, c);
    TablaDbf t;
    std::string mensaje = MensajeDeError([&] { t.Abrir(ruta); });
    EXPECT_TRUE(Contiene(mensaje, {ruta, GetParam().problema}));
    EXPECT_FALSE(t.Activa());
    // The file was let go: it can be opened for exclusive use again once repaired.
    TablaDbf::Crear(ruta, kCampos);
    t.Abrir(ruta);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, DbfDanado,
    testing::Values(
        CasoDanado{"vacio", [](std::string& c) { c.clear(); }, "vacío"},
        CasoDanado{"cabecera_cortada", [](std::string& c) { c.resize(20); }, "cabecera"},
        CasoDanado{"campos_cortados", [](std::string& c) { c.resize(150); }, "cabecera"},
        CasoDanado{"cabecera_mas_larga_que_el_archivo", [](std::string& c) { PonerPalabra(c, 8, 60000); }, "cabecera"},
        CasoDanado{"cabecera_demasiado_corta", [](std::string& c) { PonerPalabra(c, 8, 40); }, "cabecera"},
        CasoDanado{"mas_filas_que_el_archivo", [](std::string& c) { c[4] = 3; }, "3 filas"},
        CasoDanado{"muchisimas_filas", [](std::string& c) { c[7] = '\x7F'; }, "filas"},
        CasoDanado{"sin_terminador", [](std::string& c) { c[kCabecera - 1] = ' '; }, "0x0D"},
        CasoDanado{"campo_fuera_del_registro", [](std::string& c) { c[68 + 33] = static_cast<char>(200); }, "NOMBRE"},
        CasoDanado{"registro_de_cero_bytes", [](std::string& c) { PonerPalabra(c, 10, 0); }, "registro"},
        CasoDanado{"version_desconocida", [](std::string& c) { c[0] = 'x'; }, "0x78"}),
    [](const testing::TestParamInfo<CasoDanado>& i) { return std::string(i.param.nombre); });

// Opens whatever is at ruta and reads every field of every row: an Error is the only way out.
void LeerTodo(const std::string& ruta) {
    try {
        TablaDbf t;
        t.Abrir(ruta, false);
        const auto campos = t.Campos();
        for (t.First(); !t.Eof(); t.Next()) {
            for (const DefCampo& c : campos) {
                t.AsString(c.nombre);
                try {
                    t.AsFloat(c.nombre);
                } catch (const Error&) {
                }
            }
        }
        if (!campos.empty()) t.Locate(campos[0].nombre, "A");
    } catch (const Error&) {
    }
}

TEST_F(Dbf, NingunDanoEnCabeceraOLongitudSaleDeLosLimites) {
    {
        TablaDbf t;
        t.Abrir(ruta);
        Filas(t, {"A", "B"});
    }
    const std::string bueno = LeerArchivo(ruta);
    int n = 0;
    auto probar = [&](const std::string& contenido) {
        // A new file each time: rewriting one in place costs a disk flush on some systems.
        const std::string otra = carpeta / ("OTRA" + std::to_string(n++) + ".DBF");
        EscribirArchivo(otra, contenido);
        LeerTodo(otra);
        std::filesystem::remove(RutaNativa(otra));
    };
    for (size_t largo = 0; largo < bueno.size(); ++largo) probar(bueno.substr(0, largo));
    for (size_t i = 0; i < kCabecera + 2; ++i) {
        for (unsigned char v : {0x00, 0xFF, 0x0D, 0x20, 0x7F, 0x80}) {
            std::string c = bueno;
            c[i] = static_cast<char>(v);
            probar(c);
        }
    }
}

// ---------------------------------------------------------------- exclusive use

TEST_F(Dbf, OtroProcesoQueLaRetieneImpideAbrirla) {
    // A second process holds the file while the test opens it.
    struct Caso { Retencion suya; bool exclusivo; bool falla; };
    const Caso casos[] = {{Retencion::Exclusiva, true, true},
                          {Retencion::Exclusiva, false, true},
                          {Retencion::Compartida, true, true},
                          {Retencion::Compartida, false, false}};
    for (const Caso& c : casos) {
        ArchivoRetenido otro(ruta, c.suya);
        TablaDbf t;
        if (c.falla) {
            EXPECT_TRUE(Contiene(MensajeDeError([&] { t.Abrir(ruta, c.exclusivo); }), {ruta, "en uso"}));
        } else {
            EXPECT_NO_THROW(t.Abrir(ruta, c.exclusivo));
        }
    }
    ArchivoRetenido otro(ruta, Retencion::Compartida);
    EXPECT_TRUE(Contiene(MensajeDeError([&] { TablaDbf::Crear(ruta, kCampos); }), {ruta, "en uso"}));
}

TEST_F(Dbf, ElUsoExclusivoDetieneTambienAOtrasTablasDelMismoProceso) {
    TablaDbf a;
    a.Abrir(ruta, true);
    TablaDbf b;
    EXPECT_TRUE(Contiene(MensajeDeError([&] { b.Abrir(ruta, false); }), {ruta, "en uso"}));
    a.Cerrar();
    b.Abrir(ruta, false);
    TablaDbf c;
    c.Abrir(ruta, false);  // shared use: both
}

}  // namespace
