#pragma once
// Support for the tests that drive the built programs: pasahorario-cli and the program
// that plays Sesionix, and text dumps of the work tables.
#include "apoyo/apoyo.h"
#include "apoyo/en_linux.h"
#include "common/dbf/dbf.h"
#include "transfer/tablas_trabajo.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace ph::prueba {

inline const std::string kCli = ProgramaConstruido("pasahorario-cli");
inline const std::string kSimulador = ProgramaConstruido("sesionix-simulado");
inline const std::string kEjemplo = Unir(PH_EJEMPLOS, "centro.xml");

using Argumentos = std::vector<std::string>;
using Entorno = std::vector<std::pair<std::string, std::string>>;

// The words of an option text from a table of cases, split at blanks (no value in these
// tables has a blank of its own).
inline Argumentos Palabras(const std::string& texto) {
    Argumentos r;
    std::istringstream s(texto);
    for (std::string p; s >> p;) r.push_back(p);
    return r;
}

inline Argumentos operator+(Argumentos a, const Argumentos& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// pasahorario-cli with these arguments and these variables added to the environment;
// limiteArchivo as in Orden. Line ends come back as LF on every system.
inline Salida Cli(const Argumentos& argumentos, const Entorno& entorno = {}, long long limiteArchivo = -1) {
    Salida s = EjecutarAparte(Orden{Argumentos{kCli} + argumentos, entorno, {}, limiteArchivo});
    s.salida = SinRetornos(s.salida);
    s.errores = SinRetornos(s.errores);
    return s;
}

inline Salida Simular(const std::string& carpeta) {
    Salida s = EjecutarAparte(Orden{{kSimulador, carpeta}, {}, {}});
    s.salida = SinRetornos(s.salida);
    s.errores = SinRetornos(s.errores);
    return s;
}

// Free Pascal's TDbf dump tool, an independent reader of dBase tables, where it was built.
// Where the tests run as Windows programs, TDbf's checks are kept for the Linux side (see
// apoyo/en_linux.h), so that it counts as present.
inline const std::string kLeerDbf = ProgramaConstruido("interop/leerdbf");
inline bool HayLeerDbf() { return !kHerramientasLinux || std::filesystem::exists(RutaNativa(kLeerDbf)); }

// A table as text: a line with the field names, then one line per row with every field
// as text, separated by "|". This one reads the table with our own engine.
inline std::string VolcarPropio(const std::string& carpeta, const std::string& tabla) {
    TablaDbf t;
    t.Abrir(RutaTabla(carpeta, tabla), false);
    const std::vector<DefCampo> campos = t.Campos();
    std::ostringstream s;
    for (size_t i = 0; i < campos.size(); ++i) s << (i ? "|" : "") << campos[i].nombre;
    s << "\n";
    for (t.First(); !t.Eof(); t.Next()) {
        for (size_t i = 0; i < campos.size(); ++i) s << (i ? "|" : "") << t.AsString(campos[i].nombre);
        s << "\n";
    }
    return s.str();
}

// The same text, read through TDbf; cabecera: lines the tool must print about the table
// itself ("NIVEL 7", "PAGINA 1252", "CAMPO ..."). Where TDbf cannot run, gives our own
// dump and leaves the check that TDbf reads the same to the Linux side.
inline std::string VolcarConTDbf(const std::string& carpeta, const std::string& tabla,
                                 const std::vector<std::string>& cabecera = {}) {
    if (!kHerramientasLinux) {
        const std::string propio = VolcarPropio(carpeta, tabla);
        ComprobarEnLinux(Comprobacion::VolcadoTDbf, RutaTabla(carpeta, tabla), propio, cabecera);
        return propio;
    }
    std::string salida;
    const int codigo = Ejecutar({kLeerDbf, RutaTabla(carpeta, tabla)}, &salida);
    if (codigo != 0) return "leerdbf ha fallado: " + salida;
    std::vector<std::string> campos, lineasCabecera;
    std::vector<std::vector<std::string>> filas;
    std::istringstream lineas(salida);
    for (std::string l; std::getline(lineas, l);) {
        if (l.rfind("FILA ", 0) == 0) {
            filas.emplace_back();
        } else if (!filas.empty()) {
            filas.back().push_back(l.substr(l.find('=') + 1));  // "<field>=<value>"
        } else {
            lineasCabecera.push_back(l);
            if (l.rfind("CAMPO ", 0) == 0) campos.push_back(l.substr(6, l.find(' ', 6) - 6));
        }
    }
    std::ostringstream s;
    auto escribir = [&s](const std::vector<std::string>& valores) {
        for (size_t i = 0; i < valores.size(); ++i) s << (i ? "|" : "") << valores[i];
        s << "\n";
    };
    for (const std::string& l : cabecera)
        if (std::find(lineasCabecera.begin(), lineasCabecera.end(), l) == lineasCabecera.end())
            ADD_FAILURE() << "leerdbf no dice «" << l << "» de " << RutaTabla(carpeta, tabla);
    escribir(campos);
    for (const auto& fila : filas) escribir(fila);
    return s.str();
}

// The dump the tests compare: through TDbf where its tool was built (or on the Linux
// side), else our own reader.
inline std::string Volcar(const std::string& carpeta, const std::string& tabla) {
    return HayLeerDbf() ? VolcarConTDbf(carpeta, tabla) : VolcarPropio(carpeta, tabla);
}

inline std::vector<std::string> Lineas(const std::string& texto) {
    std::vector<std::string> r;
    std::istringstream s(texto);
    for (std::string l; std::getline(s, l);) r.push_back(l);
    return r;
}

// The names of the seven work tables, in build order.
inline std::vector<std::string> NombresTablasTrabajo() {
    std::vector<std::string> r;
    for (const TablaTrabajo* t : TablasTrabajo()) r.push_back(t->nombre);
    return r;
}

// The files of a folder, by name.
inline std::vector<std::string> ArchivosDe(const std::string& carpeta) {
    std::vector<std::string> r;
    for (const auto& e : std::filesystem::directory_iterator(RutaNativa(carpeta)))
        r.push_back(TextoDeRuta(e.path().filename()));
    std::sort(r.begin(), r.end());
    return r;
}

}  // namespace ph::prueba
