// pasahorario-cli itaca-a-sesionix, run as a program: the sample school's work tables,
// the options, the exit status, and what a refused or stopped run leaves behind.
//
// The expected tables are text dumps in tests/data/esperado/<case>/<TABLE>.txt. The
// folder "centro" holds all seven for a run with the defaults; the folder of another case
// holds only the tables that differ from those. PH_REGENERAR=1 rewrites the dumps from the
// program's output (to be reviewed by hand before they are committed).
#include "apoyo/apoyo.h"
#include "apoyo/cli_prueba.h"
#include "common/dbf/dbf.h"
#include "transfer/tablas_trabajo.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

using namespace ph;
using namespace ph::prueba;

namespace {

const std::string kEsperado = Unir(PH_DATOS, "esperado");

bool Regenerar() {
    std::string v;
    return LeerVariable("PH_REGENERAR", &v) && v == "1";
}

std::string RutaEsperada(const std::string& caso, const std::string& tabla) {
    return Unir(Unir(kEsperado, caso), tabla + ".txt");
}

std::string Esperado(const std::string& caso, const std::string& tabla) {
    return LeerArchivo(RutaEsperada(caso, tabla));
}

long FilasDeVolcado(const std::string& volcado) { return long(Lineas(volcado).size()) - 1; }

// The count the summary gives for a table ("  PROFT.DBF    38 filas"), -2 when absent.
long FilasDelResumen(const std::string& resumen, const std::string& tabla) {
    for (const std::string& l : Lineas(resumen)) {
        const std::string clave = "  " + tabla + ".DBF";
        if (l.rfind(clave, 0) == 0) return std::stol(l.substr(clave.size()));
    }
    return -2;
}

struct CasoEjemplo {
    const char* nombre;
    const char* opciones;
    const char* carpeta;  // expected dumps
};
void PrintTo(const CasoEjemplo& c, std::ostream* os) { *os << c.nombre; }

class EjemploCompleto : public ::testing::TestWithParam<CasoEjemplo> {};

TEST_P(EjemploCompleto, CadaTablaIgualALaEsperada) {
    const CasoEjemplo& c = GetParam();
    CarpetaTemporal stemp;
    const Salida s = Cli(Argumentos{"itaca-a-sesionix", kEjemplo, "--stemp", stemp.ruta()} + Palabras(c.opciones));
    ASSERT_EQ(s.codigo, 0) << s.errores;
    EXPECT_EQ(s.errores, "Proceso finalizado\n");

    const std::string caso = c.carpeta;
    for (const std::string& tabla : NombresTablasTrabajo()) {
        SCOPED_TRACE(tabla);
        const std::string volcado = Volcar(stemp.ruta(), tabla);
        EXPECT_EQ(FilasDelResumen(s.salida, tabla), FilasDeVolcado(volcado)) << s.salida;

        const std::string propia = RutaEsperada(caso, tabla);
        if (Regenerar()) {
            std::filesystem::create_directories(RutaNativa(Unir(kEsperado, caso)));
            if (caso == "centro" || volcado != Esperado("centro", tabla)) EscribirArchivo(propia, volcado);
            else std::filesystem::remove(RutaNativa(propia));
            continue;
        }
        if (caso != "centro" && std::filesystem::exists(RutaNativa(propia))) {
            // The case's own dump must show what the option changed.
            EXPECT_NE(Esperado(caso, tabla), Esperado("centro", tabla)) << propia;
            EXPECT_EQ(volcado, Esperado(caso, tabla));
        } else {
            EXPECT_EQ(volcado, Esperado("centro", tabla));
        }
    }
    if (Regenerar()) GTEST_SKIP() << "volcados reescritos en " << Unir(kEsperado, caso);
    if (caso != "centro") {
        EXPECT_TRUE(std::filesystem::exists(RutaNativa(Unir(kEsperado, caso)))) << "faltan los volcados de " << caso;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ejemplo, EjemploCompleto,
    ::testing::Values(CasoEjemplo{"PorOmision", "", "centro"},
                      CasoEjemplo{"TodasLasPlantillas", "--todas-plantillas", "centro-todas-plantillas"},
                      CasoEjemplo{"ConservarSinClases", "--conservar-sin-clases", "centro-conservar-sin-clases"},
                      CasoEjemplo{"Castellano", "--idioma CASTELLANO", "centro-castellano"},
                      CasoEjemplo{"PlantillaDeTarde", "--plantilla VESP", "centro-vesp"}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(CliImportacion, OtroMotorDbfLeeLasMismasTablas) {
    // Free Pascal's TDbf reads the sample's work tables as level-7 tables in Windows-1252,
    // with the same fields and values as our engine.
    if (!HayLeerDbf()) GTEST_SKIP() << "falta " << kLeerDbf;
    CarpetaTemporal stemp;
    const Salida s = Cli({"itaca-a-sesionix", kEjemplo, "--stemp", stemp.ruta()});
    ASSERT_EQ(s.codigo, 0) << s.errores;
    for (const std::string& tabla : NombresTablasTrabajo()) {
        SCOPED_TRACE(tabla);
        EXPECT_EQ(VolcarConTDbf(stemp.ruta(), tabla, {"NIVEL 7", "PAGINA 1252"}), VolcarPropio(stemp.ruta(), tabla));
    }
}

// --- the exchange folder ---------------------------------------------------------------

struct CasoCarpeta {
    const char* nombre;
    std::string opcion;   // with DIR standing for the folder the tables must reach
    std::string entorno;  // a variable NOMBRE=valor, likewise; "" for none
};
void PrintTo(const CasoCarpeta& c, std::ostream* os) { *os << c.nombre; }

class CarpetaIntercambio : public ::testing::TestWithParam<CasoCarpeta> {};

std::string Sustituir(std::string texto, const std::string& por) {
    for (size_t i; (i = texto.find("DIR")) != std::string::npos;) texto.replace(i, 3, por);
    return texto;
}

Entorno VariableDe(const std::string& texto) {
    if (texto.empty()) return {};
    const size_t igual = texto.find('=');
    return {{texto.substr(0, igual), texto.substr(igual + 1)}};
}

TEST_P(CarpetaIntercambio, LasTablasVanALaCarpetaElegida) {
    const CasoCarpeta& c = GetParam();
    CarpetaTemporal elegida;
    Argumentos args{"itaca-a-sesionix", kEjemplo};
    for (const std::string& p : Palabras(c.opcion)) args.push_back(Sustituir(p, elegida.ruta()));
    const Salida s = Cli(args, VariableDe(Sustituir(c.entorno, elegida.ruta())));
    ASSERT_EQ(s.codigo, 0) << s.errores;
    EXPECT_EQ(ArchivosDe(elegida.ruta()).size(), 7u);
    EXPECT_EQ(Volcar(elegida.ruta(), "PROFT"), Esperado("centro", "PROFT"));
    EXPECT_NE(s.salida.find("Tablas de trabajo en " + elegida.ruta()), std::string::npos) << s.salida;
}

INSTANTIATE_TEST_SUITE_P(
    Formas, CarpetaIntercambio,
    ::testing::Values(CasoCarpeta{"OpcionYValor", "--stemp DIR", ""},
                      CasoCarpeta{"OpcionConIgual", "--stemp=DIR", ""},
                      CasoCarpeta{"VariableDeEntorno", "", "PASAHORARIO_STEMP=DIR"},
                      CasoCarpeta{"OpcionAntesQueVariable", "--stemp DIR", "PASAHORARIO_STEMP=/no-existe"}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(CliImportacion, CarpetaDeIntercambioInexistente) {
    CarpetaTemporal dir;
    const std::string falta = dir / "no-existe";
    const Salida s = Cli({"itaca-a-sesionix", kEjemplo, "--stemp", falta});
    EXPECT_EQ(s.codigo, 1);
    EXPECT_NE(s.errores.find(falta), std::string::npos) << s.errores;
    EXPECT_FALSE(std::filesystem::exists(RutaNativa(falta)));
}

// --- the template as typed into the dialog -----------------------------------------------

TEST(CliImportacion, PlantillaQueElArchivoNoTiene) {
    // A code the file lacks is still the template code: no shift, no sessions.
    CarpetaTemporal stemp;
    const Salida s = Cli({"itaca-a-sesionix", kEjemplo, "--stemp", stemp.ruta(), "--plantilla", "NOCHE"});
    ASSERT_EQ(s.codigo, 0) << s.errores;
    EXPECT_EQ(FilasDeVolcado(Volcar(stemp.ruta(), "DIASHORAST")), 0);
    TablaDbf cursos;
    cursos.Abrir(RutaTabla(stemp.ruta(), "CURSOST"), false);
    cursos.First();
    ASSERT_FALSE(cursos.Eof());
    EXPECT_EQ(cursos.AsString("TURNO"), "-");
    EXPECT_NE(s.salida.find("Plantilla: NOCHE (turno -)"), std::string::npos) << s.salida;
}

TEST(CliImportacion, SinPlantillasNoHayEleccion) {
    // Without templates there is no dialog: the option is not used and the frame is empty.
    CarpetaTemporal entrada, stemp;
    const std::string centro = entrada / "centro.xml";
    EscribirArchivo(centro, R"(<?xml version="1.0" encoding="UTF-8"?>
<centro codigo="1" denominacion="IES Prova" curso="2019" version="1">
 <docentes>
  <docente apellido1="Ferrer" apellido2="Puig" nombre="Joan" tipo_docente="D" fecha_ingreso="01/09/1998" documento="1A" ensenanza="3" email1="j@example.org" email2=""/>
  <docente apellido1="Martí" apellido2="Soler" nombre="Empar" tipo_docente="I" fecha_ingreso="" documento="2B" ensenanza="3" email1="e@example.org" email2=""/>
 </docentes>
</centro>
)");
    const Salida s = Cli({"itaca-a-sesionix", centro, "--stemp", stemp.ruta(), "--plantilla", "MATI"});
    ASSERT_EQ(s.codigo, 0) << s.errores;
    EXPECT_NE(s.salida.find("El archivo no tiene plantillas horarias."), std::string::npos) << s.salida;
    EXPECT_EQ(FilasDelResumen(s.salida, "PROFT"), 2);
    EXPECT_EQ(FilasDelResumen(s.salida, "DIASHORAST"), 0);
    EXPECT_EQ(FilasDeVolcado(Volcar(stemp.ruta(), "DIASHORAST")), 0);
}

// --- usage ---------------------------------------------------------------------------------

struct CasoUso {
    const char* nombre;
    std::string argumentos;  // CENTRO stands for the sample, TEMPORAL for a folder
    std::string mensaje;     // part of the message on standard error
};
void PrintTo(const CasoUso& c, std::ostream* os) { *os << c.nombre; }

class ErrorDeUso : public ::testing::TestWithParam<CasoUso> {};

TEST_P(ErrorDeUso, SaleConDosSinTocarNada) {
    const CasoUso& c = GetParam();
    CarpetaTemporal stemp;
    Argumentos args = Palabras(c.argumentos);
    for (std::string& p : args) {
        if (p == "CENTRO") p = kEjemplo;
        if (p == "TEMPORAL") p = stemp.ruta();
    }
    const Salida s = Cli(args, {{"PASAHORARIO_STEMP", stemp.ruta()}});
    EXPECT_EQ(s.codigo, 2) << s.errores;
    EXPECT_NE(s.errores.find(c.mensaje), std::string::npos) << s.errores;
    EXPECT_NE(s.errores.find("--help"), std::string::npos) << s.errores;
    EXPECT_EQ(s.salida, "");
    EXPECT_TRUE(ArchivosDe(stemp.ruta()).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ErrorDeUso,
    ::testing::Values(
        CasoUso{"SinNada", "", "falta la orden"},
        CasoUso{"OrdenDesconocida", "importar CENTRO", "orden desconocida «importar»"},
        CasoUso{"OpcionDesconocida", "itaca-a-sesionix CENTRO --lengua CASTELLANO", "«--lengua»"},
        CasoUso{"OpcionDeLaOtraOrden", "itaca-a-sesionix CENTRO --curso 2020", "no admite la opción «--curso»"},
        CasoUso{"FaltaValorAlFinal", "itaca-a-sesionix CENTRO --plantilla", "falta el valor de la opción --plantilla"},
        CasoUso{"ValorEnOpcionSinValor", "itaca-a-sesionix CENTRO --todas-plantillas=si", "no lleva valor"},
        CasoUso{"FaltaArchivo", "itaca-a-sesionix --stemp TEMPORAL", "falta el archivo de centro"},
        CasoUso{"DosArchivos", "itaca-a-sesionix CENTRO otro.xml", "sobra el argumento «otro.xml»"},
        CasoUso{"OpcionCorta", "itaca-a-sesionix CENTRO -p MATI", "«-p»"}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(CliImportacion, AyudaYVersion) {
    const Salida ayuda = Cli({"--help"});
    EXPECT_EQ(ayuda.codigo, 0);
    for (const char* texto : {"Uso:", "itaca-a-sesionix CENTRO.xml", "sesionix-a-itaca CENTRO.xml", "--stemp",
                              "--plantilla", "--idioma", "--todas-plantillas", "--conservar-sin-clases", "--curso",
                              "PASAHORARIO_STEMP"})
        EXPECT_NE(ayuda.salida.find(texto), std::string::npos) << texto;
    EXPECT_EQ(Cli({"itaca-a-sesionix", "--help"}).salida, ayuda.salida);

    const Salida version = Cli({"--version"});
    EXPECT_EQ(version.codigo, 0);
    EXPECT_EQ(version.salida, "pasahorario-cli 1.0\n");
}

// --- refused input ----------------------------------------------------------------------

struct CasoEntrada {
    const char* nombre;
    const char* contenido;  // nullptr: no file at all
    const char* mensaje;
};
void PrintTo(const CasoEntrada& c, std::ostream* os) { *os << c.nombre; }

class EntradaRechazada : public ::testing::TestWithParam<CasoEntrada> {};

TEST_P(EntradaRechazada, SaleConUnoYNoTocaLasTablas) {
    const CasoEntrada& c = GetParam();
    CarpetaTemporal entrada, stemp;
    const std::string centro = entrada / "centro.xml";
    if (c.contenido) EscribirArchivo(centro, c.contenido);
    // Tables of an earlier run stay as they were.
    EscribirArchivo(stemp / "PROFT.DBF", "tabla anterior");
    EscribirArchivo(stemp / "DIASHORAST.DBF", "otra tabla anterior");

    const Salida s = Cli({"itaca-a-sesionix", centro, "--stemp", stemp.ruta()});
    EXPECT_EQ(s.codigo, 1);
    EXPECT_NE(s.errores.find(c.mensaje), std::string::npos) << s.errores;
    EXPECT_EQ(s.errores.find("Proceso finalizado"), std::string::npos) << s.errores;
    EXPECT_EQ(s.salida, "");
    EXPECT_EQ(ArchivosDe(stemp.ruta()), (std::vector<std::string>{"DIASHORAST.DBF", "PROFT.DBF"}));
    EXPECT_EQ(LeerArchivo(stemp / "PROFT.DBF"), "tabla anterior");
    EXPECT_EQ(LeerArchivo(stemp / "DIASHORAST.DBF"), "otra tabla anterior");
}

INSTANTIATE_TEST_SUITE_P(
    Casos, EntradaRechazada,
    ::testing::Values(
        CasoEntrada{"ArchivoInexistente", nullptr, "No existe archivo"},
        CasoEntrada{"NoEsXml", "docente;apellido1\n1;García\n", "no es un archivo XML"},
        CasoEntrada{"XmlCortado", "<?xml version=\"1.0\"?><centro><docentes><docente", "no es un archivo XML"},
        CasoEntrada{"OtraRaiz", "<?xml version=\"1.0\"?><escuela codigo=\"1\"/>", "no es un archivo de centro"}),
    [](const auto& info) { return std::string(info.param.nombre); });

// --- a run stopped by an error ----------------------------------------------------------

TEST(CliImportacion, HoraDeSesionMalEscritaDetieneElMarco) {
    // The third Monday session of the morning starts at "8:00": its session line cannot
    // be read by position, and the frame stops there.
    CarpetaTemporal entrada, stemp;
    std::string xml = LeerArchivo(kEjemplo);
    const std::string buena =
        "<sesion_horario plantilla=\"MATI\" dia_semana=\"L\" sesion_orden=\"3\" hora_desde=\"09:50\"";
    const size_t i = xml.find(buena);
    ASSERT_NE(i, std::string::npos);
    xml.replace(i, buena.size(),
                "<sesion_horario plantilla=\"MATI\" dia_semana=\"L\" sesion_orden=\"3\" hora_desde=\"8:00\"");
    const std::string centro = entrada / "centro.xml";
    EscribirArchivo(centro, xml);

    const Salida s = Cli({"itaca-a-sesionix", centro, "--stemp", stemp.ruta()});
    EXPECT_EQ(s.codigo, 3);
    EXPECT_NE(s.errores.find("8:00"), std::string::npos) << s.errores;
    EXPECT_EQ(s.errores.find("Proceso finalizado"), std::string::npos) << s.errores;
    EXPECT_EQ(s.salida, "");

    // The stages before the frame completed.
    for (const std::string& tabla : NombresTablasTrabajo()) {
        if (tabla == "DIASHORAST") continue;
        EXPECT_EQ(Volcar(stemp.ruta(), tabla), Esperado("centro", tabla)) << tabla;
    }
    // The frame holds the seven days of the two sessions before the bad line.
    const std::vector<std::string> esperado = Lineas(Esperado("centro", "DIASHORAST"));
    const std::vector<std::string> dias = Lineas(Volcar(stemp.ruta(), "DIASHORAST"));
    ASSERT_EQ(dias.size(), 1u + 14u);
    EXPECT_EQ(dias, std::vector<std::string>(esperado.begin(), esperado.begin() + 15));
}

}  // namespace
