#include "transfer/tablas_trabajo.h"

#include "common/carpeta.h"

namespace ph {

namespace {
constexpr TipoCampo C = TipoCampo::Texto;
constexpr TipoCampo I = TipoCampo::Entero;
constexpr TipoCampo F = TipoCampo::Flotante;
constexpr TipoCampo L = TipoCampo::Logico;
}  // namespace

const TablaTrabajo& TablaPROFT() {
    static const TablaTrabajo t{"PROFT",
                                {{"ABREV", C, 10}, {"NOMBRE", C, 80}, {"DEPART", C, 40},
                                 {"EMAIL", C, 100}, {"DNI", C, 14}, {"X_EMPLEADO", C, 10},
                                 {"F_TOMAPOS", C, 10}, {"ENSENANZA", C, 5}}};
    return t;
}

const TablaTrabajo& TablaCURSOST() {
    static const TablaTrabajo t{"CURSOST",
                                {{"ABREV", C, 3}, {"TURNO", C, 1}, {"NIVEL", C, 5},
                                 {"CURSO", C, 3}, {"CLAVE", C, 10}, {"ESTUD", C, 40}}};
    return t;
}

const TablaTrabajo& TablaGRUPOST() {
    static const TablaTrabajo t{"GRUPOST",
                                {{"ABREV", C, 10}, {"TURNO", C, 1}, {"NIVEL", C, 5},
                                 {"CURSO", C, 3}, {"GRUPO", C, 2}, {"DESCRIP", C, 80},
                                 {"MARCO", C, 1}, {"CLAVE", C, 10}, {"CLAVECURSO", C, 10},
                                 {"ENSENANZA", C, 10}, {"TUTOR", C, 10}}};
    return t;
}

const TablaTrabajo& TablaASIGNOMT() {
    static const TablaTrabajo t{"ASIGNOMT",
                                {{"COD", C, 10}, {"CODLARGO", C, 10}, {"NOMBRE", C, 80},
                                 {"MATERIA", C, 8}, {"CODTAREA", C, 12}, {"ESTAREA", L, 0},
                                 {"DENIVEL", C, 5}, {"DECURSO", C, 3}, {"ABREV_ITACA", C, 20}}};
    return t;
}

const TablaTrabajo& TablaAULAT() {
    static const TablaTrabajo t{"AULAT",
                                {{"ABREV", C, 10}, {"NOMBRE", C, 80}, {"EDIFICIO", C, 1},
                                 {"MAXALUM", I, 0}, {"DEPCENTRO", C, 10}, {"ABREV_ITACA", C, 20}}};
    return t;
}

const TablaTrabajo& TablaASIGT() {
    static const TablaTrabajo t{"ASIGT",
                                {{"CASIG", C, 10}, {"CPROF", C, 10}, {"CGRUP", C, 10},
                                 {"CAULA", C, 10}, {"TURNO", C, 1}, {"NIVEL", C, 5},
                                 {"CURSO", C, 3}, {"GRUPO", C, 2}, {"HORAS", F, 0},
                                 {"SESIONES", C, 20}, {"NCONEX", C, 4}, {"CLAVE", C, 10},
                                 {"CLAVECURSO", C, 10}, {"CTAREA", C, 10}, {"ASIG_ITACA", C, 20}}};
    return t;
}

const TablaTrabajo& TablaDIASHORAST() {
    static const TablaTrabajo t{"DIASHORAST",
                                {{"DIHO", C, 10}, {"CODDIHO", C, 10}, {"DIA", C, 20},
                                 {"TEXTODIA", C, 20}, {"HORA", C, 8}, {"TEXTOHOR", C, 15},
                                 {"HORADESDE", C, 8}, {"HORAHASTA", C, 8}, {"MINUTOS", C, 8},
                                 {"MARCO", C, 1}, {"MARCOXML", C, 10}, {"SESION_ORDEN", I, 0}}};
    return t;
}

std::vector<const TablaTrabajo*> TablasTrabajo() {
    return {&TablaPROFT(), &TablaCURSOST(), &TablaGRUPOST(), &TablaASIGNOMT(),
            &TablaAULAT(), &TablaASIGT(),   &TablaDIASHORAST()};
}

std::string RutaTabla(const std::string& carpeta, const std::string& nombre, const char* extension) {
    return BuscarEnCarpeta(carpeta, nombre + extension);
}

void BorrarTabla(const std::string& carpeta, const std::string& nombre) {
    TablaDbf::Borrar(RutaTabla(carpeta, nombre, ".DBF"));
    BorrarSiExiste(RutaTabla(carpeta, nombre, ".MDX"));
}

void CrearVacia(const std::string& carpeta, const TablaTrabajo& tabla) {
    // An existing file of another letter case is replaced under its own name, so that the
    // folder never holds two tables that differ only in case.
    TablaDbf::Crear(RutaTabla(carpeta, tabla.nombre), tabla.campos);
}

void CrearTablaTrabajo(const std::string& carpeta, const TablaTrabajo& tabla) {
    BorrarTabla(carpeta, tabla.nombre);
    CrearVacia(carpeta, tabla);
}

void AbrirTabla(TablaDbf& tabla, const std::string& carpeta, const std::string& nombre, bool exclusivo) {
    tabla.Abrir(RutaTabla(carpeta, nombre), exclusivo);
}

TablaDbf CrearYAbrirTabla(const std::string& carpeta, const TablaTrabajo& trabajo) {
    CrearTablaTrabajo(carpeta, trabajo);
    TablaDbf tabla;
    AbrirTabla(tabla, carpeta, trabajo.nombre);
    return tabla;
}

std::string CampoBuscado(TablaDbf& tabla, const char* clave, const std::string& valor, const char* campo) {
    return tabla.Locate(clave, valor) ? tabla.AsString(campo) : std::string();
}

void PonerTextos(TablaDbf& tabla, std::initializer_list<std::pair<const char*, std::string>> campos) {
    for (const auto& [campo, valor] : campos) tabla.SetString(campo, valor);
}

std::vector<std::pair<std::string, long>> ContarFilas(const std::string& carpeta) {
    std::vector<std::pair<std::string, long>> filas;
    for (const TablaTrabajo* t : TablasTrabajo()) {
        long n = -1;
        try {
            TablaDbf tabla;
            AbrirTabla(tabla, carpeta, t->nombre, false);
            n = tabla.RecordCount();
        } catch (const std::exception&) {
        }
        filas.emplace_back(t->nombre, n);
    }
    return filas;
}

}  // namespace ph
