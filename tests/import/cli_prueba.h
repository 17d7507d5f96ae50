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

// A table as text: a line with the field names, then one line per row with every field
// as text, separated by "|".
inline std::string Volcar(const std::string& carpeta, const std::string& tabla) {
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
