#pragma once
// The bodies of the fuzz targets, shared with the regression test that replays every
// finding kept in tests/fuzz/regresiones/. Each takes the input bytes and a scratch folder.
#include "common/dbf/dbf.h"
#include "common/error.h"
#include "common/xml.h"
#include "export/lectura_solucion.h"
#include "import/etapas.h"
#include "import/importacion.h"
#include "transfer/dialogos.h"
#include "transfer/dias_horas.h"
#include "transfer/plantillas.h"
#include "transfer/tablas_trabajo.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace ph::fuzz {

inline void Escribir(const std::string& ruta, const uint8_t* datos, size_t n) {
    FILE* f = std::fopen(ruta.c_str(), "wb");
    if (!f) std::abort();
    if (n && std::fwrite(datos, 1, n, f) != n) std::abort();
    std::fclose(f);
}

// Any bytes as a dBase table: opening and reading every field of the first rows either
// works or raises ph::Error; nothing else may happen.
inline void ProbarDbf(const uint8_t* datos, size_t n, const std::string& carpeta) {
    const std::string ruta = carpeta + "/T.DBF";
    Escribir(ruta, datos, n);
    try {
        TablaDbf t;
        t.Abrir(ruta, true);
        auto campos = t.Campos();
        int filas = 0;
        for (t.First(); !t.Eof() && filas < 64; t.Next(), ++filas) {
            for (const auto& c : campos) {
                (void)t.AsString(c.nombre);
                try { (void)t.AsInteger(c.nombre); } catch (const Error&) {}
                try { (void)t.AsFloat(c.nombre); } catch (const Error&) {}
                try { (void)t.AsBoolean(c.nombre); } catch (const Error&) {}
            }
        }
        if (!campos.empty()) t.Locate(campos[0].nombre, "A");
    } catch (const Error&) {
    }
}

namespace detalle {

inline void Fila(TablaDbf& t, std::initializer_list<std::pair<const char*, const char*>> valores) {
    t.Append();
    for (const auto& [campo, valor] : valores) t.SetString(campo, valor);
    t.Post();
}

}  // namespace detalle

// Small work tables for the solution target: one group, one subject, one occupation, one
// teacher, one room, a frame of two sessions.
inline void PrepararTablasSolucion(const std::string& carpeta) {
    using detalle::Fila;
    for (const TablaTrabajo* t : TablasTrabajo()) CrearTablaTrabajo(carpeta, *t);
    TablaDbf t;
    AbrirTabla(t, carpeta, "GRUPOST");
    Fila(t, {{"ABREV", "1A"}, {"CLAVE", "G1A"}, {"CLAVECURSO", "C1"}, {"ENSENANZA", "ESO"}});
    t.Cerrar();
    AbrirTabla(t, carpeta, "ASIGNOMT");
    Fila(t, {{"COD", "MAT"}, {"ABREV_ITACA", "MAT1"}});
    Fila(t, {{"COD", "*479"}, {"ABREV_ITACA", "OC479"}});
    t.Cerrar();
    AbrirTabla(t, carpeta, "PROFT");
    Fila(t, {{"ABREV", "GLP"}, {"DNI", "111A"}, {"ENSENANZA", "ESO"}});
    t.Cerrar();
    AbrirTabla(t, carpeta, "AULAT");
    Fila(t, {{"ABREV", "A1"}, {"ABREV_ITACA", "AULA1"}});
    t.Cerrar();
    CrearDiasHoras(carpeta, {" 1 de 08:00 a 08:55", " 2 de 08:55 a 09:50"}, "MATI", "VALENCIÁ");
}

// Any bytes as Sesionix's solution table, read through the tables above. Gives the number
// of entries both passes made (0 when the table was refused).
inline size_t ProbarSolucion(const uint8_t* datos, size_t n, const std::string& carpeta) {
    Escribir(carpeta + "/SOLUC.DBF", datos, n);
    try {
        TablaDbf soluc, grupos, prof, aulas, asig, dias;
        AbrirTabla(soluc, carpeta, "SOLUC");
        AbrirTabla(grupos, carpeta, "GRUPOST");
        AbrirTabla(prof, carpeta, "PROFT");
        AbrirTabla(aulas, carpeta, "AULAT");
        AbrirTabla(asig, carpeta, "ASIGNOMT");
        AbrirTabla(dias, carpeta, "DIASHORAST");
        TablasExportacion t{soluc, grupos, prof, aulas, asig, dias};
        const size_t clases = LeerHorariosGrupo(t, "MATI").size();
        return clases + LeerHorariosOcupaciones(t, "MATI").size();
    } catch (const Error&) {
    }
    return 0;
}

class DialogosFijos : public Dialogos {
public:
    EleccionPlantilla ElegirPlantilla(const std::string& ruta, bool, const std::string& idioma) override {
        DocumentoXml doc;
        doc.Cargar(ruta);
        auto codigos = CodigosPlantilla(doc);
        return ElegirPlantillaSinVentana(doc, codigos.empty() ? "" : codigos.front(), idioma);
    }
    // Alternates the answers, so that both ways through the timetable lines are fuzzed.
    bool PreguntarTodasPlantillas(const std::string&) override { return todas = !todas; }
    bool PreguntarQuitarSinClases(const std::string&) override { return true; }
    std::string ConfirmarCurso(const std::string& c) override { return c; }
    void Mensaje(const std::string&) override {}
    bool todas = false;
};

// Any bytes as a centre file, through the whole ITACA -> Sesionix transfer: it must end
// in one of its outcomes, never crash or hang.
inline void ProbarCentro(const uint8_t* datos, size_t n, const std::string& carpeta) {
    EstadoVentana estado;
    estado.filenameXML = carpeta + "/centro.xml";
    Escribir(estado.filenameXML, datos, n);
    DialogosFijos dialogos;
    (void)ImportarDeItaca(estado, carpeta, dialogos);
}

}  // namespace ph::fuzz
