#pragma once
// Checks made with tools that run only on Linux here: xmllint, Free Pascal's TDbf tool
// (interop/leerdbf) and /usr/bin/python3 with Debian's modules.
//
// Where the tests run as Linux programs, the tool runs at once and the check is a test
// expectation. Where they run as Windows programs (under Wine), the tools cannot start:
// the file is then kept in <build>/para-linux/<test>/ with a line in comprobaciones.jsonl
// saying which tool to run on it and what it must give, and
// tests/windows/comprobar_en_linux.py makes every kept check on the Linux side after the
// Windows programs have run (CTest runs it last in the Windows build).
#include "apoyo/apoyo.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace ph::prueba {

#ifdef _WIN32
inline constexpr bool kHerramientasLinux = false;
#else
inline constexpr bool kHerramientasLinux = true;
#endif

inline const std::string kPython = "/usr/bin/python3";

// What a kept check does with its file.
enum class Comprobacion {
    XmlBienFormado,     // xmllint --noout accepts it
    TablaLeidaPorTDbf,  // leerdbf reads it to the end
    VolcadoTDbf,        // the dump of leerdbf, as VolcarConTDbf gives it, is esperado
    EstructuraXml,      // tests/data/xml/estructura.py prints esperado
    EstructuraXmlContiene,  // estructura.py prints every line of esperado that starts with "+"
                            // and none that starts with "-" (the rest of the line)
    XPath,              // xmllint --xpath <first line of esperado> prints the rest of esperado
    CsvPython,          // Python's csv module reads the report (";", UTF-8 with BOM) as esperado:
                        // per row the number of fields, then fields 0, 1 and 3, tab-separated
};

namespace detalle {

inline std::string Json(const std::string& s) {
    std::string r = "\"";
    for (unsigned char c : s) {
        switch (c) {
        case '"': r += "\\\""; break;
        case '\\': r += "\\\\"; break;
        case '\n': r += "\\n"; break;
        case '\r': r += "\\r"; break;
        case '\t': r += "\\t"; break;
        default:
            if (c < 0x20) {
                const char* hex = "0123456789abcdef";
                r += "\\u00";
                r += hex[c >> 4];
                r += hex[c & 15];
            } else {
                r += static_cast<char>(c);
            }
        }
    }
    return r + "\"";
}

inline const char* Nombre(Comprobacion c) {
    switch (c) {
    case Comprobacion::XmlBienFormado: return "xml-bien-formado";
    case Comprobacion::TablaLeidaPorTDbf: return "tabla-tdbf";
    case Comprobacion::VolcadoTDbf: return "volcado-tdbf";
    case Comprobacion::EstructuraXml: return "estructura-xml";
    case Comprobacion::EstructuraXmlContiene: return "estructura-xml-contiene";
    case Comprobacion::XPath: return "xpath";
    case Comprobacion::CsvPython: return "csv-python";
    }
    return "?";
}

}  // namespace detalle

// Keeps the file for a check on the Linux side (see above).
// cabecera: for VolcadoTDbf, lines that leerdbf must print about the table itself.
inline void ComprobarEnLinux(Comprobacion comprobacion, const std::string& ruta, const std::string& esperado = "",
                             const std::vector<std::string>& cabecera = {}) {
    namespace fs = std::filesystem;
    static std::atomic<int> numero{0};
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string prueba = info ? std::string(info->test_suite_name()) + "." + info->name() : "fuera-de-prueba";
    std::string carpetaPrueba = prueba;
    for (char& c : carpetaPrueba)
        if (c == '/' || c == '\\' || c == ':') c = '.';
    const std::string carpeta = Unir(Unir(PH_BINARIOS, "para-linux"), carpetaPrueba);
    fs::create_directories(RutaNativa(carpeta));
    const std::string copia = std::to_string(++numero) + "-" + NombreDe(ruta);
    fs::copy_file(RutaNativa(ruta), RutaNativa(Unir(carpeta, copia)), fs::copy_options::overwrite_existing);
    std::ofstream lista(RutaNativa(Unir(carpeta, "comprobaciones.jsonl")), std::ios::binary | std::ios::app);
    lista << "{\"prueba\": " << detalle::Json(prueba) << ", \"tipo\": \"" << detalle::Nombre(comprobacion)
          << "\", \"archivo\": " << detalle::Json(copia) << ", \"esperado\": " << detalle::Json(esperado)
          << ", \"cabecera\": [";
    for (size_t i = 0; i < cabecera.size(); ++i) lista << (i ? ", " : "") << detalle::Json(cabecera[i]);
    lista << "]}\n";
    if (!lista) ADD_FAILURE() << "no se puede guardar la comprobación de " << ruta << " en " << carpeta;
}

// xmllint reads the file as well-formed XML: here, or on the Linux side.
inline void ComprobarXmlBienFormado(const std::string& ruta) {
    if (!kHerramientasLinux) return ComprobarEnLinux(Comprobacion::XmlBienFormado, ruta);
    std::string salida;
    EXPECT_EQ(Ejecutar({"xmllint", "--noout", ruta}, &salida), 0) << salida;
}

// xmllint --xpath on the file prints esperado (without its final line break): here, or on
// the Linux side.
inline void ComprobarXPath(const std::string& ruta, const std::string& expresion, const std::string& esperado) {
    if (!kHerramientasLinux) return ComprobarEnLinux(Comprobacion::XPath, ruta, expresion + "\n" + esperado);
    std::string salida;
    Ejecutar({"xmllint", "--xpath", expresion, ruta}, &salida);
    if (!salida.empty() && salida.back() == '\n') salida.pop_back();
    EXPECT_EQ(salida, esperado) << expresion;
}

// The tree of an XML file as Python's own parser reads it (tests/data/xml/estructura.py).
inline std::string EstructuraConPython(const std::string& ruta) {
    std::string salida;
    const int estado = Ejecutar({kPython, Unir(Unir(PH_DATOS, "xml"), "estructura.py"), ruta}, &salida);
    EXPECT_EQ(estado, 0) << salida;
    return salida;
}

// That tree is esperado: here, or on the Linux side.
inline void ComprobarEstructura(const std::string& ruta, const std::string& esperado) {
    if (!kHerramientasLinux) return ComprobarEnLinux(Comprobacion::EstructuraXml, ruta, esperado);
    EXPECT_EQ(EstructuraConPython(ruta), esperado);
}

// That tree holds every one of estan and none of faltan: here, or on the Linux side.
inline void ComprobarEstructuraContiene(const std::string& ruta, const std::vector<std::string>& estan,
                                        const std::vector<std::string>& faltan = {}) {
    if (!kHerramientasLinux) {
        std::string lineas;
        for (const std::string& f : estan) lineas += "+" + f + "\n";
        for (const std::string& f : faltan) lineas += "-" + f + "\n";
        return ComprobarEnLinux(Comprobacion::EstructuraXmlContiene, ruta, lineas);
    }
    const std::string e = EstructuraConPython(ruta);
    for (const std::string& f : estan) EXPECT_NE(e.find(f), std::string::npos) << f << " en:\n" << e;
    for (const std::string& f : faltan) EXPECT_EQ(e.find(f), std::string::npos) << f << " en:\n" << e;
}

}  // namespace ph::prueba
