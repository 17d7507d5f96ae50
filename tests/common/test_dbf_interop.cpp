// Our tables against independent dBase engines: Free Pascal's TDbf (tools built from
// tests/interop) and Debian's python3-dbf.
#include "common/dbf/dbf.h"

#include "apoyo/apoyo.h"
#include "apoyo/en_linux.h"
#include "common/error.h"
#include "common/texto.h"
#include "transfer/tablas_trabajo.h"

#include <gtest/gtest.h>

#include <ostream>

#include <map>
#include <sstream>

using namespace ph;
using ph::prueba::CarpetaTemporal;
using ph::prueba::Ejecutar;
using ph::prueba::EscribirArchivo;
using ph::prueba::LeerArchivo;

namespace {

using ph::prueba::kPython;

const std::string kLeerDbf = ph::prueba::ProgramaConstruido("interop/leerdbf");
const std::string kEscribirDbf = ph::prueba::ProgramaConstruido("interop/escribirdbf");

// These tests run TDbf's tools and python3-dbf next to our engine in one process's
// lifetime; those are Linux programs. The Windows build's own tables are read by TDbf on
// the Linux side through the kept checks of the transfer tests.
#define SOLO_CON_HERRAMIENTAS_LINUX()                                                               \
    if (!ph::prueba::kHerramientasLinux)                                                              \
    GTEST_SKIP() << "TDbf (Free Pascal) y python3-dbf son programas de Linux; esta prueba se hace en " \
                    "la pasada de Linux"

// What leerdbf prints about a table.
struct Volcado {
    std::string nivel, pagina;
    std::vector<std::string> campos;  // "NOMBRE C 10 0"
    std::vector<long> posiciones;
    std::vector<std::map<std::string, std::string>> filas;
};

Volcado LeerConTDbf(const std::string& ruta) {
    std::string salida;
    Volcado v;
    if (Ejecutar({kLeerDbf, ruta}, &salida) != 0) {
        ADD_FAILURE() << "leerdbf: " << salida;
        return v;
    }
    std::istringstream lineas(salida);
    for (std::string l; std::getline(lineas, l);) {
        if (l.rfind("NIVEL ", 0) == 0) v.nivel = l.substr(6);
        else if (l.rfind("PAGINA ", 0) == 0) v.pagina = l.substr(7);
        else if (l.rfind("CAMPO ", 0) == 0) v.campos.push_back(l.substr(6));
        else if (l.rfind("FILA ", 0) == 0) {
            v.posiciones.push_back(std::stol(l.substr(5)));
            v.filas.emplace_back();
        } else if (!v.filas.empty() && l.find('=') != std::string::npos) {
            v.filas.back()[l.substr(0, l.find('='))] = l.substr(l.find('=') + 1);
        }
    }
    return v;
}

// A table described as escribirdbf reads it.
struct Fila {
    std::vector<std::pair<std::string, std::string>> valores;
    bool borrar = false;
};

struct Descripcion {
    int nivel = 7;
    std::vector<std::string> campos;  // "NOMBRE C 10", "NUMERO I", "HORAS N 18 8"
    std::vector<Fila> filas;

    std::string Texto() const {
        std::string t = "NIVEL " + std::to_string(nivel) + "\n";
        for (const std::string& c : campos) t += "CAMPO " + c + "\n";
        for (const Fila& f : filas) {
            t += "FILA\n";
            for (const auto& [campo, valor] : f.valores) t += campo + "=" + valor + "\n";
            if (f.borrar) t += "BORRAR\n";
        }
        return t;
    }
};

void EscribirConTDbf(const CarpetaTemporal& carpeta, const Descripcion& d, const std::string& ruta) {
    const std::string texto = carpeta / "descripcion.txt";
    EscribirArchivo(texto, d.Texto());
    std::string salida;
    ASSERT_EQ(Ejecutar({kEscribirDbf, texto, ruta}, &salida), 0) << salida;
}

void EjecutarPython(const CarpetaTemporal& carpeta, const std::string& programa) {
    const std::string guion = carpeta / "guion.py";
    EscribirArchivo(guion, "import dbf\n" + programa);
    std::string salida;
    ASSERT_EQ(Ejecutar({kPython, guion}, &salida), 0) << salida;
}

// The same table through our engine: the kinds our work tables use.
void EscribirConNosotros(const Descripcion& d, const std::string& ruta) {
    std::vector<DefCampo> campos;
    std::map<std::string, char> tipos;
    for (const std::string& c : d.campos) {
        std::istringstream s(c);
        std::string nombre, tipo;
        int ancho = 0;
        s >> nombre >> tipo >> ancho;
        tipos[nombre] = tipo[0];
        switch (tipo[0]) {
            case 'C': campos.push_back({nombre, TipoCampo::Texto, ancho}); break;
            case 'I': campos.push_back({nombre, TipoCampo::Entero, 0}); break;
            case 'N': campos.push_back({nombre, TipoCampo::Flotante, 0}); break;
            case 'L': campos.push_back({nombre, TipoCampo::Logico, 0}); break;
            default: FAIL() << c;
        }
    }
    TablaDbf::Crear(ruta, campos);
    TablaDbf t;
    t.Abrir(ruta);
    for (const Fila& f : d.filas) {
        t.Append();
        for (const auto& [campo, valor] : f.valores) {
            switch (tipos[campo]) {
                case 'C': t.SetString(campo, valor); break;
                case 'I': t.SetInteger(campo, std::stoll(valor)); break;
                case 'N': t.SetFloat(campo, std::stod(valor)); break;
                case 'L': t.SetBoolean(campo, valor == "T"); break;
            }
        }
        t.Post();
        if (f.borrar) t.Delete();
    }
}

// Texts that exercise Windows-1252: Valencian and Castilian letters, signs, the euro.
const char* const kTextos[] = {
    "Matemàtiques i Educació Física",
    "Lengua Castellana y Literatura: ¿Año? ¡Sí!",
    "Geografia i Història · Col·legi",
    "ÀÈÉÍÏÒÓÚÜÇ Ñ àèéíïòóúüç ñ € «»",
};

// A value for each kind of field, longer than any text field so that it gets cut.
std::string ValorDePrueba(const DefCampo& c, int fila) {
    switch (c.tipo) {
        case TipoCampo::Texto: {
            std::string t = kTextos[fila % 4];
            while (Longitud(t) <= c.ancho) t += " " + t;
            return t;
        }
        case TipoCampo::Entero: return fila % 2 ? "-7" : "12345";
        case TipoCampo::Flotante: return fila % 2 ? "40" : "2.5";
        case TipoCampo::Logico: return fila % 2 ? "F" : "T";
    }
    return "";
}

std::string Descriptor(const DefCampo& c) {
    switch (c.tipo) {
        case TipoCampo::Texto: return c.nombre + " C " + std::to_string(c.ancho);
        case TipoCampo::Entero: return c.nombre + " I";
        case TipoCampo::Flotante: return c.nombre + " N 18 8";
        case TipoCampo::Logico: return c.nombre + " L";
    }
    return "";
}

// A work table's layout with rows: full ones, one with its first field only, a blank
// one and a deleted one.
Descripcion DeTablaDeTrabajo(const TablaTrabajo& t) {
    Descripcion d;
    for (const DefCampo& c : t.campos) d.campos.push_back(Descriptor(c));
    for (int i = 0; i < 2; ++i) {
        Fila f;
        for (const DefCampo& c : t.campos) f.valores.emplace_back(c.nombre, ValorDePrueba(c, i));
        d.filas.push_back(f);
    }
    d.filas.push_back({{{t.campos[0].nombre, ValorDePrueba(t.campos[0], 2)}}});
    d.filas.push_back({});
    Fila borrada;
    borrada.valores.emplace_back(t.campos[0].nombre, "borrada");
    borrada.borrar = true;
    d.filas.push_back(borrada);
    d.filas.push_back({{{t.campos[0].nombre, ValorDePrueba(t.campos[0], 3)}}});
    return d;
}

std::string Nombre(const TablaTrabajo* t) { return t->nombre; }

class TablaDeTrabajo : public testing::TestWithParam<const TablaTrabajo*> {
protected:
    CarpetaTemporal carpeta;
};

// ---------------------------------------------------------------- TDbf reads ours

TEST_P(TablaDeTrabajo, TDbfLeeLoQueEscribioNuestroMotor) {
    SOLO_CON_HERRAMIENTAS_LINUX();
    const TablaTrabajo& tabla = *GetParam();
    CrearTablaTrabajo(carpeta.ruta(), tabla);
    const Descripcion d = DeTablaDeTrabajo(tabla);
    {
        TablaDbf t;
        AbrirTabla(t, carpeta.ruta(), tabla.nombre);
        for (const Fila& f : d.filas) {
            t.Append();
            for (const auto& [campo, valor] : f.valores) t.SetString(campo, valor);
            t.Post();
            if (f.borrar) t.Delete();
        }
    }
    const Volcado v = LeerConTDbf(RutaTabla(carpeta.ruta(), tabla.nombre));
    EXPECT_EQ(v.nivel, "7");
    EXPECT_EQ(v.pagina, "1252");
    ASSERT_EQ(v.campos.size(), tabla.campos.size());
    for (size_t i = 0; i < tabla.campos.size(); ++i) {
        const DefCampo& c = tabla.campos[i];
        std::string esperado = Descriptor(c);
        if (c.tipo == TipoCampo::Texto) esperado += " 0";
        if (c.tipo == TipoCampo::Entero) esperado = c.nombre + " I 4 0";
        if (c.tipo == TipoCampo::Logico) esperado = c.nombre + " L 1 0";
        EXPECT_EQ(v.campos[i], esperado);
    }
    ASSERT_EQ(v.filas.size(), d.filas.size() - 1);
    EXPECT_EQ(v.posiciones, (std::vector<long>{1, 2, 3, 4, 6}));  // the fifth is deleted
    for (size_t i = 0; i < v.filas.size(); ++i) {
        const Fila& f = d.filas[i < 4 ? i : i + 1];
        for (const DefCampo& c : tabla.campos) {
            std::string esperado;
            for (const auto& [campo, valor] : f.valores)
                if (campo == c.nombre) esperado = c.tipo == TipoCampo::Texto ? RTrim(Left(valor, c.ancho)) : valor;
            EXPECT_EQ(v.filas[i].at(c.nombre), esperado) << tabla.nombre << " fila " << i << " " << c.nombre;
        }
    }
}

TEST_P(TablaDeTrabajo, NuestroArchivoEsElDeTDbfByteAByte) {
    SOLO_CON_HERRAMIENTAS_LINUX();
    const Descripcion d = DeTablaDeTrabajo(*GetParam());
    const std::string nuestro = carpeta / "NUESTRO.DBF", suyo = carpeta / "SUYO.DBF";
    EscribirConNosotros(d, nuestro);
    EscribirConTDbf(carpeta, d, suyo);
    std::string a = LeerArchivo(nuestro), b = LeerArchivo(suyo);
    ASSERT_EQ(a.size(), b.size());
    a.replace(1, 3, "fec");  // the date of the last change
    b.replace(1, 3, "fec");
    for (size_t i = 0; i < a.size(); ++i) ASSERT_EQ(a[i], b[i]) << "byte " << i;
}

INSTANTIATE_TEST_SUITE_P(Siete, TablaDeTrabajo, testing::ValuesIn(TablasTrabajo()),
                         [](const auto& i) { return Nombre(i.param); });

struct CasoBytes {
    const char* nombre;
    Descripcion d;
};
void PrintTo(const CasoBytes& c, std::ostream* os) { *os << c.nombre; }

class MismosBytes : public testing::TestWithParam<CasoBytes> {
protected:
    CarpetaTemporal carpeta;
};

TEST_P(MismosBytes, NuestroArchivoEsElDeTDbf) {
    SOLO_CON_HERRAMIENTAS_LINUX();
    const std::string nuestro = carpeta / "NUESTRO.DBF", suyo = carpeta / "SUYO.DBF";
    EscribirConNosotros(GetParam().d, nuestro);
    EscribirConTDbf(carpeta, GetParam().d, suyo);
    std::string a = LeerArchivo(nuestro), b = LeerArchivo(suyo);
    ASSERT_EQ(a.size(), b.size());
    EXPECT_EQ(a.substr(0, 1), b.substr(0, 1));
    EXPECT_EQ(a.substr(4), b.substr(4));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, MismosBytes,
    testing::Values(
        CasoBytes{"Vacia", {7, {"A C 1", "B I", "C N 18 8", "D L"}, {}}},
        CasoBytes{"Numeros",
                  {7,
                   {"N I", "F N 18 8"},
                   {{{{"N", "0"}, {"F", "0"}}},
                    {{{"N", "2147483647"}, {"F", "0.1"}}},
                    {{{"N", "-2147483647"}, {"F", "-1234.56789012"}}},
                    {{{"N", "1"}, {"F", "99999999.99999999"}}},
                    {{{"N", "-1"}, {"F", "-0.001"}}},
                    {{{"F", "123456789012"}}}}}},
        CasoBytes{"Textos",
                  {7,
                   {"T C 255", "U C 1"},
                   {{{{"T", kTextos[0]}, {"U", "ñ"}}},
                    {{{"T", kTextos[3]}, {"U", "€"}}},
                    {{{"T", "Łódź"}, {"U", "Ж"}}}}}},
        CasoBytes{"NombresLargos",
                  {7,
                   {"SESION_ORDEN I", "NOMBRE_DE_TREINTA_Y_UN_CARACTER C 3"},
                   {{{{"SESION_ORDEN", "3"}, {"NOMBRE_DE_TREINTA_Y_UN_CARACTER", "abc"}}, true},
                    {{{"SESION_ORDEN", "4"}}}}}}),
    [](const auto& i) { return std::string(i.param.nombre); });

// ---------------------------------------------------------------- we read TDbf's

struct CasoLectura {
    const char* nombre;
    Descripcion d;
    std::vector<std::vector<std::string>> esperado;  // per row not deleted: AsString of each field
    std::vector<long> posiciones;
};
void PrintTo(const CasoLectura& c, std::ostream* os) { *os << c.nombre; }

class LeemosTDbf : public testing::TestWithParam<CasoLectura> {
protected:
    CarpetaTemporal carpeta;
};

TEST_P(LeemosTDbf, ConLosValoresCorrectos) {
    SOLO_CON_HERRAMIENTAS_LINUX();
    const CasoLectura& c = GetParam();
    const std::string ruta = carpeta / "TABLA.DBF";
    EscribirConTDbf(carpeta, c.d, ruta);
    TablaDbf t;
    t.Abrir(ruta, false);
    std::vector<std::string> nombres;
    for (const DefCampo& campo : t.Campos()) nombres.push_back(campo.nombre);
    ASSERT_EQ(nombres.size(), c.d.campos.size());
    size_t i = 0;
    for (t.First(); !t.Eof(); t.Next(), ++i) {
        ASSERT_LT(i, c.esperado.size());
        EXPECT_EQ(t.RecNo(), c.posiciones[i]);
        for (size_t k = 0; k < nombres.size(); ++k)
            EXPECT_EQ(t.AsString(nombres[k]), c.esperado[i][k]) << "fila " << i << " " << nombres[k];
    }
    EXPECT_EQ(i, c.esperado.size());
}

INSTANTIATE_TEST_SUITE_P(
    Niveles, LeemosTDbf,
    testing::Values(
        CasoLectura{"Nivel7SolucionConEnterosBinarios",
                    {7,
                     {"ASIG C 10", "TAREA C 10", "DIA I", "HORA I", "MARCO C 1", "CODGRUPO C 10", "PROF C 10", "AULA C 10"},
                     {{{{"ASIG", "MAT"}, {"TAREA", "*479"}, {"DIA", "1"}, {"HORA", "3"}, {"MARCO", "0"},
                        {"CODGRUPO", "1ESOA"}, {"PROF", "FMA"}, {"AULA", "Aula àç"}}},
                      {{{"ASIG", "X"}, {"DIA", "2"}}, true},
                      {{{"ASIG", "*GUA"}, {"TAREA", "*GUA"}, {"DIA", "5"}, {"HORA", "-12"}, {"PROF", "Núñez"}}},
                      {{{"ASIG", "Ç"}}}}},
                    {{"MAT", "*479", "1", "3", "0", "1ESOA", "FMA", "Aula àç"},
                     {"*GUA", "*GUA", "5", "-12", "", "", "Núñez", ""},
                     {"Ç", "", "", "", "", "", "", ""}},
                    {1, 3, 4}},
        CasoLectura{"Nivel7OtrosTipos",
                    {7,
                     {"AUTO +", "REAL O", "FECHA D", "IMPORTE N 10 2", "SI L", "NOMBRE C 20"},
                     {{{{"REAL", "-2.75"}, {"FECHA", "20240115"}, {"IMPORTE", "12.5"}, {"SI", "T"}, {"NOMBRE", "Educació"}}},
                      {{{"REAL", "1e10"}, {"IMPORTE", "-3"}, {"SI", "F"}}},
                      {{{"REAL", "0"}}}}},
                    {{"0", "-2.75", "20240115", "12.5", "T", "Educació"},  // TDbf counts from 0
                     {"1", "10000000000", "", "-3", "F", ""},
                     {"2", "0", "", "", "", ""}},
                    {1, 2, 3}},
        CasoLectura{"Nivel4",
                    {4,
                     {"DIA N 2 0", "HORAS N 10 2", "PESO F 12 3", "NOMBRE C 20", "MARCA L", "FECHA D"},
                     {{{{"DIA", "3"}, {"HORAS", "2.5"}, {"PESO", "-0.125"}, {"NOMBRE", "Educació Física"}, {"MARCA", "F"},
                        {"FECHA", "19991231"}}},
                      {{{"DIA", "12"}}, true},
                      {{{"NOMBRE", "àèéíïòóúüç ñ"}}}}},
                    {{"3", "2.5", "-0.125", "Educació Física", "F", "19991231"}, {"", "", "", "àèéíïòóúüç ñ", "", ""}},
                    {1, 3}},
        CasoLectura{"VisualFoxPro",
                    {30,
                     {"DIA I", "PESO B", "PRECIO Y", "NOMBRE C 12"},
                     {{{{"DIA", "-5"}, {"PESO", "3.25"}, {"PRECIO", "12.3456"}, {"NOMBRE", "Català"}}},
                      {{{"DIA", "7"}}}}},
                    {{"-5", "3.25", "12.3456", "Català"}, {"7", "", "0", ""}},  // TDbf leaves B blank
                    {1, 2}}),
    [](const auto& i) { return std::string(i.param.nombre); });

// ---------------------------------------------------------------- python3-dbf

class Python : public testing::Test {
protected:
    CarpetaTemporal carpeta;
    std::string ruta = carpeta / "SOLUC.DBF";

    // The text python3-dbf gives for expresion, with t the table open for reading.
    std::string LeidoPorPython(const std::string& expresion) {
        const std::string salida = carpeta / "salida.txt";
        EjecutarPython(carpeta, "t = dbf.Table(r'" + ruta + "')\nt.open(dbf.READ_ONLY)\nopen(r'" + salida +
                                    "', 'w', encoding='utf-8').write(" + expresion + ")\n");
        return LeerArchivo(salida);
    }
};

TEST_F(Python, DBaseIIIConCamposNumericos) {
    SOLO_CON_HERRAMIENTAS_LINUX();
    EjecutarPython(carpeta, "t = dbf.Table(r'" + ruta +
                                "', 'ASIG C(10); TAREA C(10); DIA N(1,0); HORA N(3,0); MARCO C(1); PROF C(20); "
                                "HORAS N(6,2)', dbf_type='db3', codepage='cp1252')\n"
                                "t.open(dbf.READ_WRITE)\n"
                                "t.append(('MAT', '*479', 1, 2, '0', 'Àngels Ñúñez', 2.5))\n"
                                "t.append(('X', 'X', 2, 3, '0', 'borrada', 0))\n"
                                "t.append(('GUA', 'GUA', 5, -10, '1', '€ ç', -0.25))\n"
                                "dbf.delete(t[1])\n"
                                "t.close()\n");
    ASSERT_EQ(LeerArchivo(ruta)[0], '\x03');
    TablaDbf t;
    t.Abrir(ruta);
    EXPECT_EQ(t.RecordCount(), 2);
    EXPECT_EQ(t.AsString("ASIG"), "MAT");
    EXPECT_EQ(t.AsInteger("DIA"), 1);
    EXPECT_EQ(t.AsString("HORA"), "2");
    EXPECT_EQ(t.AsString("PROF"), "Àngels Ñúñez");
    EXPECT_EQ(t.AsFloat("HORAS"), 2.5);
    t.Next();
    EXPECT_EQ(t.RecNo(), 3);
    EXPECT_EQ(t.AsInteger("HORA"), -10);
    EXPECT_EQ(t.AsString("PROF"), "€ ç");
    EXPECT_EQ(t.AsString("HORAS"), "-0.25");
    EXPECT_TRUE(t.Locate("TAREA;MARCO", std::vector<std::string>{"GUA", "1"}));

    // A row our engine adds, with its accents, is read back by python3-dbf.
    t.Append();
    t.SetString("ASIG", "Ç");
    t.SetInteger("DIA", 7);
    t.SetFloat("HORAS", 1.5);
    t.SetString("PROF", "Mònica");
    t.Post();
    t.Cerrar();
    const std::string salida = carpeta / "salida.txt";
    EjecutarPython(carpeta, "t = dbf.Table(r'" + ruta + "')\nt.open(dbf.READ_ONLY)\nr = t[-1]\n"
                            "open(r'" + salida + "', 'w', encoding='utf-8').write("
                            "'%s|%d|%s|%s|%d' % (r.asig.strip(), r.dia, r.horas, r.prof.strip(), len(t)))\n");
    EXPECT_EQ(LeerArchivo(salida), "Ç|7|1.5|Mònica|4");
}

TEST_F(Python, VisualFoxProConEnterosBinarios) {
    SOLO_CON_HERRAMIENTAS_LINUX();
    EjecutarPython(carpeta, "t = dbf.Table(r'" + ruta +
                                "', 'ASIG C(10); DIA I; HORA I; PRECIO Y; PESO B; PROF C(20)', "
                                "dbf_type='vfp', codepage='cp1252')\n"
                                "t.open(dbf.READ_WRITE)\n"
                                "t.append(('MAT', 1, 2, 12.5, -3.25, 'Educació'))\n"
                                "t.append(('TUT', -5, 10, 0, 0, 'Ç·ñ'))\n"
                                "t.close()\n");
    ASSERT_EQ(LeerArchivo(ruta)[0], '\x30');
    TablaDbf t;
    t.Abrir(ruta);
    EXPECT_EQ(t.AsString("DIA"), "1");
    EXPECT_EQ(t.AsInteger("HORA"), 2);
    EXPECT_EQ(t.AsString("PRECIO"), "12.5");
    EXPECT_EQ(t.AsFloat("PESO"), -3.25);
    EXPECT_EQ(t.AsString("PROF"), "Educació");
    t.Next();
    EXPECT_EQ(t.AsInteger("DIA"), -5);
    EXPECT_EQ(t.AsString("HORA"), "10");
    EXPECT_EQ(t.AsString("PROF"), "Ç·ñ");
    t.Next();
    EXPECT_TRUE(t.Eof());
}

// Dates and currency in a table another engine made: what our engine writes into them is
// what python3-dbf reads, and a value that is not a date is refused, naming the field.
TEST_F(Python, LasFechasYLaMonedaQueEscribimosSeLeenIgual) {
    SOLO_CON_HERRAMIENTAS_LINUX();
    EjecutarPython(carpeta, "t = dbf.Table(r'" + ruta +
                                "', 'FECHA D; PRECIO Y; NOMBRE C(10)', dbf_type='vfp', codepage='cp1252')\n"
                                "t.open(dbf.READ_WRITE)\n"
                                "t.append((dbf.Date(2001, 1, 1), 1, 'uno'))\n"
                                "t.close()\n");
    TablaDbf t;
    t.Abrir(ruta);
    t.Edit();
    t.SetString("FECHA", "20240229");
    t.SetFloat("PRECIO", 12.3456);
    t.Post();
    t.Append();
    t.SetString("FECHA", "19991231");
    t.SetFloat("PRECIO", -7.5);
    t.SetString("NOMBRE", "dos");
    t.Post();
    t.Edit();
    try {
        t.SetString("FECHA", "31/12/1999");
        t.Post();
        ADD_FAILURE() << "una fecha que no es AAAAMMDD se ha escrito";
    } catch (const ph::Error& e) {
        EXPECT_EQ(std::string(e.what()),
                  "El valor «31/12/1999» no es una fecha (AAAAMMDD) del campo «FECHA» de la tabla «" + ruta + "».");
    }
    t.Cerrar();

    EXPECT_EQ(LeidoPorPython("';'.join('%s|%s|%s' % (r.fecha.strftime('%Y%m%d'), r.precio, r.nombre.strip()) "
                             "for r in t)"),
              "20240229|12.3456|uno;19991231|-7.5000|dos");
}

TEST_F(Python, OtrasPaginasDeCodigosSeConvierten) {
    SOLO_CON_HERRAMIENTAS_LINUX();
    struct Caso { const char* pagina; const char* texto; };
    const Caso casos[] = {{"cp850", "Àngels Ñúñez ç"}, {"cp437", "Ñandú"}, {"cp1250", "Łódź Żółć"},
                          {"cp1251", "Жук"}, {"cp866", "Ёлка"}, {"cp852", "Čeština"}};
    for (const Caso& c : casos) {
        const std::string r = carpeta / (std::string(c.pagina) + ".dbf");
        EjecutarPython(carpeta, "t = dbf.Table(r'" + r + "', 'NOMBRE C(20)', dbf_type='db3', codepage='" + c.pagina +
                                    "')\nt.open(dbf.READ_WRITE)\nt.append(('" + c.texto + "',))\nt.close()\n");
        TablaDbf t;
        t.Abrir(r);
        EXPECT_EQ(t.AsString("NOMBRE"), c.texto) << c.pagina;
        t.Edit();  // written back in the table's own code page
        t.SetString("NOMBRE", std::string(c.texto) + "!");
        t.Post();
        t.Cerrar();
        const std::string salida = carpeta / "salida.txt";
        EjecutarPython(carpeta, "t = dbf.Table(r'" + r + "')\nt.open(dbf.READ_ONLY)\n"
                                "open(r'" + salida + "', 'w', encoding='utf-8').write(t[0].nombre.strip())\n");
        EXPECT_EQ(LeerArchivo(salida), std::string(c.texto) + "!") << c.pagina;
    }
}

// ---------------------------------------------------------------- TDbf reads our changes

TEST(Interop, TDbfLeeNuestrosCambiosEnSuTablaDeNivel4) {
    SOLO_CON_HERRAMIENTAS_LINUX();
    CarpetaTemporal carpeta;
    const std::string ruta = carpeta / "N4.DBF";
    Descripcion d{4, {"DIA N 2 0", "HORAS N 10 2", "NOMBRE C 20", "MARCA L"}, {}};
    d.filas.push_back({{{"DIA", "1"}, {"NOMBRE", "uno"}}});
    d.filas.push_back({{{"DIA", "2"}, {"NOMBRE", "dos"}}});
    EscribirConTDbf(carpeta, d, ruta);
    {
        TablaDbf t;
        t.Abrir(ruta);
        t.Delete();
        t.Edit();
        t.SetFloat("HORAS", -1.5);
        t.SetBoolean("MARCA", true);
        t.Post();
        t.Append();
        t.SetInteger("DIA", 3);
        t.SetString("NOMBRE", "Educació Física");
        t.Post();
    }
    const Volcado v = LeerConTDbf(ruta);
    EXPECT_EQ(v.nivel, "4");
    ASSERT_EQ(v.filas.size(), 2u);
    EXPECT_EQ(v.posiciones, (std::vector<long>{2, 3}));
    EXPECT_EQ(v.filas[0].at("HORAS"), "-1.5");
    EXPECT_EQ(v.filas[0].at("MARCA"), "T");
    EXPECT_EQ(v.filas[1].at("DIA"), "3");
    EXPECT_EQ(v.filas[1].at("NOMBRE"), "Educació Física");
    EXPECT_EQ(v.filas[1].at("MARCA"), "");
}

// ---------------------------------------------------------------- stored fixtures

TEST(Interop, DatosDeOtrosMotoresYPaginasDeCodigos) {
    // tests/data/dbf/LEEME.txt tells how each was made.
    struct Caso { const char* archivo; const char* campo; std::vector<std::string> valores; };
    const Caso casos[] = {
        {"dbase3_cp850.dbf", "NOMBRE", {"Àngels Ñúñez", "Educació Física"}},
        {"dbase3_cp850.dbf", "DIA", {"1", "-3"}},
        {"dbase3_cp850.dbf", "FECHA", {"20240115", ""}},
        {"dbase3_cp850.dbf", "SI", {"T", "F"}},
        {"visualfoxpro_cp1250.dbf", "NOMBRE", {"Łódź Żółć", "Čeština"}},
        {"visualfoxpro_cp1250.dbf", "DIA", {"-2147483647", "7"}},
        {"visualfoxpro_cp1250.dbf", "PRECIO", {"-12.0625", "0"}},
        {"visualfoxpro_cp1250.dbf", "PESO", {"0.5", "-1e+300"}},
        {"nivel7_cp866.dbf", "NOMBRE", {"Ёлка Жук", "Щит"}},
        {"nivel7_cp866.dbf", "DIA", {"5", ""}},
    };
    for (const Caso& c : casos) {
        TablaDbf t;
        t.Abrir(Unir(Unir(PH_DATOS, "dbf"), c.archivo), false);
        std::vector<std::string> valores;
        for (; !t.Eof(); t.Next()) valores.push_back(t.AsString(c.campo));
        EXPECT_EQ(valores, c.valores) << c.archivo << " " << c.campo;
    }
}

}  // namespace
