#pragma once
// Fixture for the stage tests: a centre file written from the sections a test needs, an
// exchange folder, the run's state, and work tables read back as text.
#include "apoyo/apoyo.h"
#include "common/dbf.h"
#include "common/tablas_trabajo.h"
#include "common/xml.h"
#include "import/contexto.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace ph::prueba {

// Attributes of one element, in the order they are written.
using Atributos = std::vector<std::pair<std::string, std::string>>;
// A row read back: every field as text.
using Registro = std::map<std::string, std::string>;

inline std::string EscaparXml(const std::string& s) {
    std::string r;
    for (char c : s) {
        switch (c) {
            case '&': r += "&amp;"; break;
            case '<': r += "&lt;"; break;
            case '"': r += "&quot;"; break;
            default: r += c;
        }
    }
    return r;
}

// <seccion><elemento a="v" .../>...</seccion>
inline std::string Seccion(const std::string& seccion, const std::string& elemento,
                           const std::vector<Atributos>& elementos) {
    std::string r = "<" + seccion + ">";
    for (const Atributos& e : elementos) {
        r += "\n  <" + elemento;
        for (const auto& [n, v] : e) r += " " + n + "=\"" + EscaparXml(v) + "\"";
        r += "/>";
    }
    return r + "\n</" + seccion + ">\n";
}

inline std::vector<Registro> LeerRegistros(const std::string& carpeta, const std::string& tabla) {
    TablaDbf t;
    AbrirTabla(t, carpeta, tabla, false);
    std::vector<Registro> filas;
    const auto campos = t.Campos();
    for (t.First(); !t.Eof(); t.Next()) {
        Registro f;
        for (const DefCampo& c : campos) f[c.nombre] = t.AsString(c.nombre);
        filas.push_back(std::move(f));
    }
    return filas;
}

inline std::vector<std::string> Campo(const std::vector<Registro>& filas, const std::string& campo) {
    std::vector<std::string> v;
    for (const Registro& f : filas) v.push_back(f.at(campo));
    return v;
}

// n copies of a text.
inline std::string Repetir(const std::string& s, int n) {
    std::string r;
    for (int i = 0; i < n; ++i) r += s;
    return r;
}

class CentroPrueba : public ::testing::Test {
protected:
    CarpetaTemporal stemp;
    CarpetaTemporal entrada;
    DocumentoXml doc;
    DialogosGuion dialogos;
    ContextoImportacion ctx{doc, stemp.ruta(), dialogos};

    CentroPrueba() { ctx.idioma = "VALENCIÁ"; }

    // Loads a centre file whose root holds cuerpo.
    void Centro(const std::string& cuerpo) {
        const std::string ruta = entrada / "centro.xml";
        EscribirArchivo(ruta, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<centro codigo=\"46000001\">\n" +
                                  cuerpo + "</centro>\n");
        ASSERT_TRUE(doc.Cargar(ruta)) << doc.MotivoFallo();
    }

    // Creates a work table with these rows (text fields only).
    void Llenar(const TablaTrabajo& t, const std::vector<Registro>& filas) {
        CrearTablaTrabajo(stemp.ruta(), t);
        TablaDbf tabla;
        AbrirTabla(tabla, stemp.ruta(), t.nombre);
        for (const Registro& f : filas) {
            tabla.Append();
            for (const auto& [campo, valor] : f) tabla.SetString(campo, valor);
            tabla.Post();
        }
        tabla.Cerrar();
    }

    std::vector<Registro> Leer(const TablaTrabajo& t) { return LeerRegistros(stemp.ruta(), t.nombre); }
};

}  // namespace ph::prueba
