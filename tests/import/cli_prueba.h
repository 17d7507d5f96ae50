#pragma once
// Support for the tests that drive the built programs: pasahorario-cli and the program
// that plays Sesionix, and text dumps of the work tables.
#include "apoyo/apoyo.h"
#include "common/dbf.h"
#include "common/tablas_trabajo.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace ph::prueba {

inline const std::string kCli = std::string(PH_BINARIOS) + "/pasahorario-cli";
inline const std::string kSimulador = std::string(PH_BINARIOS) + "/sesionix-simulado";
inline const std::string kEjemplo = std::string(PH_EJEMPLOS) + "/centro.xml";

// A word for the shell, in single quotes.
inline std::string Comillas(const std::string& s) {
    std::string r = "'";
    for (char c : s) r += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return r + "'";
}

struct Salida {
    int codigo = -1;
    std::string salida;   // standard output
    std::string errores;  // standard error
};

// Runs a shell command line with its standard output and standard error kept apart.
inline Salida EjecutarAparte(const std::string& orden) {
    CarpetaTemporal tmp;
    const std::string err = tmp / "errores";
    Salida r;
    FILE* p = popen((orden + " 2>" + Comillas(err)).c_str(), "r");
    if (!p) return r;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) r.salida.append(buf, n);
    const int estado = pclose(p);
    r.codigo = WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
    if (std::filesystem::exists(err)) r.errores = LeerArchivo(err);
    return r;
}

// pasahorario-cli with these arguments (already quoted where needed); entorno goes
// before the program, as "VAR=valor".
inline Salida Cli(const std::string& argumentos, const std::string& entorno = "") {
    return EjecutarAparte((entorno.empty() ? "" : entorno + " ") + Comillas(kCli) + " " + argumentos);
}

inline Salida Simular(const std::string& carpeta) {
    return EjecutarAparte(Comillas(kSimulador) + " " + Comillas(carpeta));
}

// Free Pascal's TDbf dump tool, an independent reader of dBase tables, where it was built.
inline const std::string kLeerDbf = std::string(PH_BINARIOS) + "/interop/leerdbf";
inline bool HayLeerDbf() { return std::filesystem::exists(kLeerDbf); }

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

// The same text, read through TDbf. cabecera, when given, receives the tool's lines
// about the table itself ("NIVEL 7", "PAGINA 1252", "CAMPO ...").
inline std::string VolcarConTDbf(const std::string& carpeta, const std::string& tabla,
                                 std::vector<std::string>* cabecera = nullptr) {
    std::string salida;
    const int codigo = Ejecutar(Comillas(kLeerDbf) + " " + Comillas(RutaTabla(carpeta, tabla)), &salida);
    if (codigo != 0) return "leerdbf ha fallado: " + salida;
    std::vector<std::string> campos;
    std::vector<std::vector<std::string>> filas;
    std::istringstream lineas(salida);
    for (std::string l; std::getline(lineas, l);) {
        if (l.rfind("FILA ", 0) == 0) {
            filas.emplace_back();
        } else if (!filas.empty()) {
            filas.back().push_back(l.substr(l.find('=') + 1));  // "<field>=<value>"
        } else {
            if (cabecera) cabecera->push_back(l);
            if (l.rfind("CAMPO ", 0) == 0) campos.push_back(l.substr(6, l.find(' ', 6) - 6));
        }
    }
    std::ostringstream s;
    auto escribir = [&s](const std::vector<std::string>& valores) {
        for (size_t i = 0; i < valores.size(); ++i) s << (i ? "|" : "") << valores[i];
        s << "\n";
    };
    escribir(campos);
    for (const auto& fila : filas) escribir(fila);
    return s.str();
}

// The dump the tests compare: through TDbf where its tool was built, else our own reader.
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
    for (const auto& e : std::filesystem::directory_iterator(carpeta)) r.push_back(e.path().filename().string());
    std::sort(r.begin(), r.end());
    return r;
}

}  // namespace ph::prueba
