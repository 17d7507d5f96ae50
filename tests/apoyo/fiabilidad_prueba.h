#pragma once
// Support for the tests of hostile input and interrupted runs: what a folder holds, and
// whether a file is a dBase table that our engine and TDbf both read whole.
#include "apoyo/apoyo.h"
#include "apoyo/cli_prueba.h"
#include "apoyo/en_linux.h"
#include "common/dbf/dbf.h"
#include "common/error.h"
#include "common/texto.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace ph::prueba {

// Every regular file of a folder with its bytes, by name; empty when there is no folder.
// A file that another program holds for its exclusive use cannot be read on Windows: it
// is left out.
inline std::map<std::string, std::string> ContenidoDe(const std::string& carpeta) {
    std::map<std::string, std::string> r;
    std::error_code ec;
    for (auto it = std::filesystem::directory_iterator(RutaNativa(carpeta), ec);
         !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        if (!it->is_regular_file()) continue;
        try {
            r[TextoDeRuta(it->path().filename())] = LeerArchivo(TextoDeRuta(it->path()));
        } catch (const std::runtime_error&) {
        }
    }
    return r;
}

// Copies every regular file of one folder into another.
inline void CopiarArchivos(const std::string& de, const std::string& a) {
    for (const auto& [nombre, bytes] : ContenidoDe(de)) EscribirArchivo(Unir(a, nombre), bytes);
}

// The file names the exchange folder may hold as tables: the seven work tables and the
// solution, as the transfer writes them.
inline bool EsTablaDeIntercambio(const std::string& nombre) {
    if (nombre == std::string(kSOLUC) + ".DBF") return true;
    for (const std::string& t : NombresTablasTrabajo())
        if (nombre == t + ".DBF") return true;
    return false;
}

// Empty when the file is a dBase table that our engine reads to its last row and field
// and TDbf reads without error (where TDbf cannot run, that check is left to the Linux
// side); otherwise what failed.
inline std::string FalloDeTabla(const std::string& ruta) {
    try {
        TablaDbf t;
        t.Abrir(ruta, false);
        const std::vector<DefCampo> campos = t.Campos();
        for (t.First(); !t.Eof(); t.Next())
            for (const DefCampo& c : campos) (void)t.AsString(c.nombre);
    } catch (const std::exception& e) {
        return std::string("nuestro lector: ") + e.what();
    }
    if (!kHerramientasLinux) {
        ComprobarEnLinux(Comprobacion::TablaLeidaPorTDbf, ruta);
    } else if (HayLeerDbf()) {
        const Salida s = EjecutarAparte(Orden{{kLeerDbf, ruta}, {}, {}});
        if (s.codigo != 0) return "TDbf: " + s.errores;
    }
    return {};
}

// The name of the file in which a table's new content is written before it takes the
// table's name (".PROFT.DBF.a1B2c3"): only a run killed at that moment leaves one.
inline bool EsTemporalDeTabla(const std::string& nombre) {
    const size_t i = nombre.find(".DBF.");
    return !nombre.empty() && nombre[0] == '.' && i != std::string::npos &&
           EsTablaDeIntercambio(nombre.substr(1, i + 3));
}

// Checks what a run left in an exchange folder against what the folder held before it:
// every file is either as it was or one of the tables, and each such table reads whole;
// Sesionix's solution is never touched. Names of the tables that changed go to cambiadas.
// conTemporales: the run was killed, so a table's temporary file may be left over.
inline void ComprobarCarpetaIntercambio(const std::string& carpeta, const std::map<std::string, std::string>& antes,
                                        std::vector<std::string>* cambiadas = nullptr, bool conTemporales = false) {
    const std::map<std::string, std::string> despues = ContenidoDe(carpeta);
    for (const auto& [nombre, bytes] : despues) {
        SCOPED_TRACE(Unir(carpeta, nombre));
        const auto it = antes.find(nombre);
        if (it != antes.end() && it->second == bytes) continue;
        if (conTemporales && EsTemporalDeTabla(nombre)) continue;
        EXPECT_TRUE(EsTablaDeIntercambio(nombre)) << "archivo nuevo o cambiado que no es una tabla";
        EXPECT_EQ(FalloDeTabla(Unir(carpeta, nombre)), "");
        if (cambiadas) cambiadas->push_back(nombre);
    }
    const std::string soluc = std::string(kSOLUC) + ".DBF";
    if (antes.count(soluc)) {
        ASSERT_TRUE(despues.count(soluc)) << "la solución de Sesionix ha desaparecido";
        EXPECT_TRUE(despues.at(soluc) == antes.at(soluc)) << "la solución de Sesionix ha cambiado";
    }
}

}  // namespace ph::prueba
