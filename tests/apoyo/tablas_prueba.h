#pragma once
// Fixtures for building and reading tables in the tests: work tables filled directly with
// the table engine and read back as text, a centre file written from the sections a test
// needs, the surroundings of one stage, and the frame, work tables and solutions of the
// export tests.
//
// The export's frame is the one of template "PL1": three sessions a day, with orders 1, 2
// and 4 (a gap), so that HORA 3 stands for session order 4.
#include "apoyo/apoyo.h"
#include "common/dbf/dbf.h"
#include "common/xml.h"
#include "export/registros.h"
#include "import/contexto.h"
#include "transfer/tablas_trabajo.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <ostream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace ph::prueba {

// ---- rows -------------------------------------------------------------------------------

// A row by field name, every value as text; fields not named stay blank.
using Fila = std::map<std::string, std::string>;
// Field name and value as text, in the order they are set.
using Valores = std::vector<std::pair<std::string, std::string>>;

// Appends one row. Integer and float fields take the text as a number, logical fields
// "T" or "F"; an empty text leaves a field of another kind than text blank.
inline void AnadirFila(TablaDbf& t, const Valores& valores) {
    const std::vector<DefCampo> campos = t.Campos();
    t.Append();
    for (const auto& [campo, valor] : valores) {
        TipoCampo tipo = TipoCampo::Texto;
        for (const DefCampo& c : campos)
            if (c.nombre == campo) tipo = c.tipo;
        if (valor.empty() && tipo != TipoCampo::Texto) continue;
        switch (tipo) {
            case TipoCampo::Texto: t.SetString(campo, valor); break;
            case TipoCampo::Entero: t.SetInteger(campo, std::stoll(valor)); break;
            case TipoCampo::Flotante: t.SetFloat(campo, std::stod(valor)); break;
            case TipoCampo::Logico: t.SetBoolean(campo, valor == "T"); break;
        }
    }
    t.Post();
}

// Creates the work table anew in carpeta with these rows.
inline void EscribirTabla(const std::string& carpeta, const TablaTrabajo& tabla, const std::vector<Valores>& filas) {
    CrearTablaTrabajo(carpeta, tabla);
    TablaDbf t;
    AbrirTabla(t, carpeta, tabla.nombre);
    for (const Valores& f : filas) AnadirFila(t, f);
    t.Cerrar();
}
inline void LlenarTabla(const std::string& carpeta, const TablaTrabajo& tabla, const std::vector<Fila>& filas) {
    std::vector<Valores> v;
    for (const Fila& f : filas) v.emplace_back(f.begin(), f.end());
    EscribirTabla(carpeta, tabla, v);
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
        filas.push_back(std::move(f));
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

// n copies of a text.
inline std::string Repetir(const std::string& s, int n) {
    std::string r;
    for (int i = 0; i < n; ++i) r += s;
    return r;
}

// ---- centre files -----------------------------------------------------------------------

// Attributes of one element, in the order they are written.
using Atributos = std::vector<std::pair<std::string, std::string>>;

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

// A stage's surroundings: an exchange folder, a centre document, scripted answers and the
// run's shared state, with the language "VALENCIÁ".
class EtapaPrueba : public ::testing::Test {
protected:
    CarpetaTemporal stemp;
    CarpetaTemporal entrada;
    DocumentoXml doc;
    DialogosGuion dialogos;
    ContextoImportacion ctx{doc, stemp.ruta(), dialogos};

    EtapaPrueba() { ctx.idioma = "VALENCIÁ"; }

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

// ---- the export's tables ----------------------------------------------------------------

struct SesionMarco {
    const char* hora;
    const char* orden;
    const char* desde;
    const char* hasta;
};
inline const std::vector<SesionMarco>& SesionesPL1() {
    static const std::vector<SesionMarco> s{{"1", "1", "08:00", "08:55"},
                                            {"2", "2", "08:55", "09:50"},
                                            {"3", "4", "10:20", "11:15"}};
    return s;
}

// The frame of a template: one row per session and day, as the frame stage writes it.
inline void EscribirMarco(const std::string& carpeta, const std::vector<SesionMarco>& sesiones,
                          const std::string& plantilla) {
    std::vector<Valores> filas;
    for (const SesionMarco& s : sesiones)
        for (int d = 1; d <= 7; ++d)
            filas.push_back({{"DIHO", std::to_string(d) + s.hora},
                             {"DIA", std::to_string(d)},
                             {"HORA", s.hora},
                             {"TEXTOHOR", std::string(s.orden) + "-" + s.desde + "-" + s.hasta},
                             {"HORADESDE", s.desde},
                             {"HORAHASTA", s.hasta},
                             {"MARCO", "0"},
                             {"MARCOXML", plantilla},
                             {"SESION_ORDEN", s.orden}});
    EscribirTabla(carpeta, TablaDIASHORAST(), filas);
}

// The work tables of a small school. GRUPOST holds a later row with the same ABREV as
// the first one (a lookup takes the first); the teachers' ENSENANZA differs from the
// groups', so that an entry shows which one it took.
inline void EscribirTablasTrabajo(const std::string& carpeta, bool codigoVacio = false) {
    EscribirTabla(carpeta, TablaPROFT(),
                  {{{"ABREV", "PGL"}, {"NOMBRE", "PÉREZ GIL, LUIS"}, {"DNI", "11111111A"}, {"ENSENANZA", "PROF5"}},
                   {{"ABREV", "MRS"}, {"NOMBRE", "MARTÍ ROS, SARA"}, {"DNI", "22222222B"}, {"ENSENANZA", "PROF3"}}});
    EscribirTabla(carpeta, TablaCURSOST(),
                  {{{"ABREV", "1ES"}, {"CURSO", "1"}, {"CLAVE", "C10"}, {"ESTUD", "1ESO"}}});
    EscribirTabla(carpeta, TablaGRUPOST(),
                  {{{"ABREV", "1ESOA"}, {"MARCO", "0"}, {"CLAVE", "G100"}, {"CLAVECURSO", "C10"}, {"ENSENANZA", "ESO"}},
                   {{"ABREV", "2BACA"}, {"MARCO", "0"}, {"CLAVE", "G200"}, {"CLAVECURSO", "C20"}, {"ENSENANZA", "BAC"}},
                   {{"ABREV", "1ESOA"}, {"MARCO", "0"}, {"CLAVE", "G999"}, {"CLAVECURSO", "C99"}, {"ENSENANZA", "XXX"}}});
    std::vector<Valores> asignaturas{
        {{"COD", "MAT"}, {"NOMBRE", "Matemàtiques"}, {"ESTAREA", "F"}, {"ABREV_ITACA", "MAT-ITACA"}},
        {{"COD", "FQ"}, {"NOMBRE", "Física i Química"}, {"ESTAREA", "F"}, {"ABREV_ITACA", "FQ-ITACA"}},
        {{"COD", "*GUA"}, {"NOMBRE", "Guàrdia"}, {"CODTAREA", "OC-GUARDIA"}, {"ESTAREA", "T"},
         {"ABREV_ITACA", "OC-GUARDIA"}}};
    if (codigoVacio)
        asignaturas.push_back({{"COD", ""}, {"ESTAREA", "T"}, {"ABREV_ITACA", "SIN-CODIGO"}});
    EscribirTabla(carpeta, TablaASIGNOMT(), asignaturas);
    EscribirTabla(carpeta, TablaAULAT(),
                  {{{"ABREV", "A1"}, {"NOMBRE", "Aula 1"}, {"ABREV_ITACA", "AULA-1"}},
                   {{"ABREV", "AULÀ2"}, {"NOMBRE", "Aulà 2"}, {"ABREV_ITACA", "AULA-2"}}});
    EscribirTabla(carpeta, TablaASIGT(),
                  {{{"CASIG", "MAT"}, {"CPROF", "PGL"}, {"CGRUP", "1ESOA"}, {"CAULA", "A1"}, {"HORAS", "4"},
                    {"CLAVE", "G100"}, {"CLAVECURSO", "C10"}, {"CTAREA", "*479"}, {"ASIG_ITACA", "MAT-ITACA"}},
                   {{"CASIG", "FQ"}, {"CPROF", "PGL"}, {"CGRUP", "2BACA"}, {"CAULA", "AULÀ2"}, {"HORAS", "2.6"},
                    {"CLAVE", "G200"}, {"CLAVECURSO", "C20"}, {"CTAREA", "*479"}, {"ASIG_ITACA", "FQ-ITACA"}},
                   {{"CASIG", "*GUA"}, {"CPROF", "MRS"}, {"HORAS", "2"}, {"CTAREA", "*GUA"},
                    {"ASIG_ITACA", "OC-GUARDIA"}}});
    EscribirMarco(carpeta, SesionesPL1(), "PL1");
}

// One row of a solution.
struct FilaSoluc {
    std::string asig, tarea;
    long long dia, hora;
    std::string marco, codgrupo, prof, aula;
    friend void PrintTo(const FilaSoluc& f, std::ostream* os) {
        *os << "{ASIG " << f.asig << ", TAREA " << f.tarea << ", DIA " << f.dia << ", HORA " << f.hora
            << ", MARCO " << f.marco << ", CODGRUPO " << f.codgrupo << ", PROF " << f.prof << ", AULA " << f.aula
            << "}";
    }
};

// A solution as Sesionix's own engine writes it: level 7, DIA and HORA binary integers.
// MARCO is three characters wide, to show that only its first one counts.
inline void EscribirSoluc(const std::string& ruta, const std::vector<FilaSoluc>& filas) {
    TablaDbf::Crear(ruta, {{"ASIG", TipoCampo::Texto, 10},
                           {"TAREA", TipoCampo::Texto, 10},
                           {"DIA", TipoCampo::Entero, 0},
                           {"HORA", TipoCampo::Entero, 0},
                           {"MARCO", TipoCampo::Texto, 3},
                           {"CODGRUPO", TipoCampo::Texto, 10},
                           {"PROF", TipoCampo::Texto, 10},
                           {"AULA", TipoCampo::Texto, 10}});
    TablaDbf t;
    t.Abrir(ruta);
    for (const FilaSoluc& f : filas)
        AnadirFila(t, Valores{{"ASIG", f.asig}, {"TAREA", f.tarea}, {"DIA", std::to_string(f.dia)},
                              {"HORA", std::to_string(f.hora)}, {"MARCO", f.marco}, {"CODGRUPO", f.codgrupo},
                              {"PROF", f.prof}, {"AULA", f.aula}});
    t.Cerrar();
}

}  // namespace ph::prueba

namespace ph {

inline bool operator==(const EntradaHorarioGrupo& a, const EntradaHorarioGrupo& b) {
    return a.plantilla == b.plantilla && a.dia_semana == b.dia_semana && a.sesion_orden == b.sesion_orden &&
           a.hora_desde == b.hora_desde && a.hora_hasta == b.hora_hasta && a.grupo == b.grupo &&
           a.ensenanza == b.ensenanza && a.curso == b.curso && a.contenido == b.contenido &&
           a.docente == b.docente && a.aula == b.aula;
}

inline bool operator==(const EntradaHorarioOcupacion& a, const EntradaHorarioOcupacion& b) {
    return a.plantilla == b.plantilla && a.dia_semana == b.dia_semana && a.sesion_orden == b.sesion_orden &&
           a.hora_desde == b.hora_desde && a.hora_hasta == b.hora_hasta && a.docente == b.docente &&
           a.ensenanza == b.ensenanza && a.ocupacion == b.ocupacion;
}

inline void PrintTo(const EntradaHorarioGrupo& e, std::ostream* os) {
    *os << "{" << e.plantilla << "|" << e.dia_semana << "|" << e.sesion_orden << "|" << e.hora_desde << "|"
        << e.hora_hasta << "|" << e.grupo << "|" << e.ensenanza << "|" << e.curso << "|" << e.contenido << "|"
        << e.docente << "|" << e.aula << "}";
}

inline void PrintTo(const EntradaHorarioOcupacion& e, std::ostream* os) {
    *os << "{" << e.plantilla << "|" << e.dia_semana << "|" << e.sesion_orden << "|" << e.hora_desde << "|"
        << e.hora_hasta << "|" << e.docente << "|" << e.ensenanza << "|" << e.ocupacion << "}";
}

}  // namespace ph
