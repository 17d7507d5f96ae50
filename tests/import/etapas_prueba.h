#pragma once
// Small fixtures for the stage tests: work tables filled directly, read back as text, and
// a centre file written from the sections a test needs.
#include "apoyo/apoyo.h"
#include "common/dbf.h"
#include "common/tablas_trabajo.h"
#include "common/xml.h"
#include "import/contexto.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace ph::prueba {

// A row by field name; fields not named stay blank.
using Fila = std::map<std::string, std::string>;

// Creates the work table anew with these rows (numbers given as text).
inline void LlenarTabla(const std::string& carpeta, const TablaTrabajo& t, const std::vector<Fila>& filas) {
    CrearTablaTrabajo(carpeta, t);
    TablaDbf tabla;
    AbrirTabla(tabla, carpeta, t.nombre);
    for (const Fila& f : filas) {
        tabla.Append();
        for (const auto& [campo, valor] : f) {
            TipoCampo tipo = TipoCampo::Texto;
            for (const DefCampo& c : t.campos)
                if (c.nombre == campo) tipo = c.tipo;
            if (tipo == TipoCampo::Flotante) tabla.SetFloat(campo, std::stod(valor));
            else if (tipo == TipoCampo::Entero) tabla.SetInteger(campo, std::stoll(valor));
            else tabla.SetString(campo, valor);
        }
        tabla.Post();
    }
    tabla.Cerrar();
}

// Every row not deleted, every field as text, in stored order.
inline std::vector<Fila> LeerTabla(const std::string& carpeta, const std::string& nombre) {
    TablaDbf tabla;
    AbrirTabla(tabla, carpeta, nombre, false);
    std::vector<Fila> filas;
    const auto campos = tabla.Campos();
    for (tabla.First(); !tabla.Eof(); tabla.Next()) {
        Fila f;
        for (const DefCampo& c : campos) f[c.nombre] = tabla.AsString(c.nombre);
        filas.push_back(f);
    }
    return filas;
}

// One field of every row, in stored order.
inline std::vector<std::string> Columna(const std::vector<Fila>& filas, const std::string& campo) {
    std::vector<std::string> v;
    for (const Fila& f : filas) v.push_back(f.at(campo));
    return v;
}

// The record count the file's header states: deleted rows still count until a pack.
inline uint32_t RegistrosEnArchivo(const std::string& ruta) {
    const std::string bytes = LeerArchivo(ruta);
    if (bytes.size() < 8) throw std::runtime_error("cabecera corta: " + ruta);
    uint32_t n = 0;
    for (int i = 7; i >= 4; --i) n = (n << 8) | uint8_t(bytes[size_t(i)]);
    return n;
}

// A stage's surroundings: an exchange folder, a centre document, scripted answers and the
// run's shared state.
class EtapaPrueba : public ::testing::Test {
protected:
    CarpetaTemporal stemp;
    CarpetaTemporal entrada;
    DocumentoXml doc;
    DialogosGuion dialogos;
    ContextoImportacion ctx{doc, stemp.ruta(), dialogos};

    // Loads a centre file whose root holds cuerpo.
    void Centro(const std::string& cuerpo) {
        const std::string ruta = entrada / "centro.xml";
        EscribirArchivo(ruta, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<centro codigo=\"46000001\">\n" +
                                  cuerpo + "\n</centro>\n");
        ASSERT_TRUE(doc.Cargar(ruta)) << doc.MotivoFallo();
    }

    void Llenar(const TablaTrabajo& t, const std::vector<Fila>& filas) { LlenarTabla(stemp.ruta(), t, filas); }
    std::vector<Fila> Leer(const TablaTrabajo& t) { return LeerTabla(stemp.ruta(), t.nombre); }
};

}  // namespace ph::prueba
