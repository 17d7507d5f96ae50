// sesionix-simulado: plays Sesionix for tests and the demonstration. Reads the work tables
// of an exchange folder and writes the solution table SOLUC.DBF there, placing every
// assignment's weekly periods into the cells of the day-and-session frame (Monday to
// Friday), deterministically.
//
// Placement: the assignments are taken in ASIGT's stored order and each period in turn.
// A period goes to the first cell, in order of preference, where neither the teacher nor
// the group is busy and the assignment has no period yet; the preferred days are those
// where the assignment has the fewest periods so far (then the earlier day), and within a
// day the earlier session. When every cell clashes, the period goes to the cell with the
// fewest clashes, preferring cells where the assignment has no period yet.
//
// SOLUC layout: ASIG C10, TAREA C10, DIA I, HORA I, MARCO C1, CODGRUPO C10, PROF C10,
// AULA C10. ASIG is the assignment's CASIG and TAREA its CTAREA, so a lesson carries
// "*479" and an occupation its own code in both.
#include "common/dbf/dbf.h"
#include "transfer/tablas_trabajo.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

using namespace ph;

struct Celda {
    int dia;
    int hora;
};

struct Asignacion {
    std::string casig, ctarea, cprof, cgrup, caula;
    long periodos;
};

// The cells of the frame, Monday to Friday, ordered by day and session.
std::vector<Celda> LeerMarco(const std::string& carpeta) {
    TablaDbf t;
    AbrirTabla(t, carpeta, TablaDIASHORAST().nombre, false);
    std::set<std::pair<int, int>> vistas;
    for (t.First(); !t.Eof(); t.Next()) {
        if (t.AsString("MARCO") != "0") continue;
        long long dia = t.AsInteger("DIA"), hora = t.AsInteger("HORA");
        if (dia >= 1 && dia <= 5 && hora >= 1) vistas.insert({int(dia), int(hora)});
    }
    std::vector<Celda> celdas;
    for (auto [d, h] : vistas) celdas.push_back({d, h});
    return celdas;
}

std::vector<Asignacion> LeerAsignaciones(const std::string& carpeta) {
    TablaDbf t;
    AbrirTabla(t, carpeta, TablaASIGT().nombre, false);
    std::vector<Asignacion> filas;
    for (t.First(); !t.Eof(); t.Next()) {
        double horas = t.AsFloat("HORAS");
        long periodos = horas > 0 ? std::lround(horas) : 0;
        filas.push_back({t.AsString("CASIG"), t.AsString("CTAREA"), t.AsString("CPROF"),
                         t.AsString("CGRUP"), t.AsString("CAULA"), periodos});
    }
    return filas;
}

class Colocador {
public:
    explicit Colocador(std::vector<Celda> celdas) : celdas_(std::move(celdas)) {}

    // The cell index for each period of the assignment.
    std::vector<size_t> Colocar(const Asignacion& a) {
        std::vector<size_t> elegidas;
        if (celdas_.empty()) return elegidas;
        std::vector<char>& prof = Ocupacion(profesores_, a.cprof);
        std::vector<char>* grupo = a.cgrup.empty() ? nullptr : &Ocupacion(grupos_, a.cgrup);
        std::vector<char> propia(celdas_.size(), 0);
        std::map<int, int> porDia;

        for (long p = 0; p < a.periodos; ++p) {
            size_t mejor = 0;
            int menor = -1;
            for (size_t i : Preferencia(porDia)) {
                int choques = prof[i] + (grupo ? (*grupo)[i] : 0) + (propia[i] ? 3 : 0);
                if (menor < 0 || choques < menor) {
                    menor = choques;
                    mejor = i;
                }
                if (choques == 0) break;
            }
            if (menor > 0) ++conflictos_;
            prof[mejor] = 1;
            if (grupo) (*grupo)[mejor] = 1;
            propia[mejor] = 1;
            ++porDia[celdas_[mejor].dia];
            elegidas.push_back(mejor);
        }
        return elegidas;
    }

    const Celda& celda(size_t i) const { return celdas_[i]; }
    long conflictos() const { return conflictos_; }

private:
    std::vector<char>& Ocupacion(std::unordered_map<std::string, std::vector<char>>& m,
                                 const std::string& clave) {
        auto [it, nueva] = m.try_emplace(clave);
        if (nueva) it->second.assign(celdas_.size(), 0);
        return it->second;
    }

    // Cell indexes: days with fewer periods of the assignment first, then by day, then
    // by session.
    std::vector<size_t> Preferencia(const std::map<int, int>& porDia) const {
        std::vector<size_t> orden(celdas_.size());
        for (size_t i = 0; i < orden.size(); ++i) orden[i] = i;
        auto carga = [&](int dia) {
            auto it = porDia.find(dia);
            return it == porDia.end() ? 0 : it->second;
        };
        std::stable_sort(orden.begin(), orden.end(), [&](size_t x, size_t y) {
            return carga(celdas_[x].dia) < carga(celdas_[y].dia);
        });
        return orden;
    }

    std::vector<Celda> celdas_;
    std::unordered_map<std::string, std::vector<char>> profesores_, grupos_;
    long conflictos_ = 0;
};

const std::vector<DefCampo>& CamposSoluc() {
    static const std::vector<DefCampo> campos{
        {"ASIG", TipoCampo::Texto, 10},     {"TAREA", TipoCampo::Texto, 10},
        {"DIA", TipoCampo::Entero, 0},      {"HORA", TipoCampo::Entero, 0},
        {"MARCO", TipoCampo::Texto, 1},     {"CODGRUPO", TipoCampo::Texto, 10},
        {"PROF", TipoCampo::Texto, 10},     {"AULA", TipoCampo::Texto, 10}};
    return campos;
}

int Simular(const std::string& carpeta) {
    Colocador colocador(LeerMarco(carpeta));
    const std::vector<Asignacion> asignaciones = LeerAsignaciones(carpeta);

    BorrarTabla(carpeta, kSOLUC);
    const std::string ruta = RutaTabla(carpeta, kSOLUC);
    TablaDbf::Crear(ruta, CamposSoluc());
    TablaDbf soluc;
    soluc.Abrir(ruta);
    long filas = 0, sinMarco = 0;
    for (const Asignacion& a : asignaciones) {
        std::vector<size_t> celdas = colocador.Colocar(a);
        if (celdas.empty()) sinMarco += a.periodos;
        for (size_t i : celdas) {
            soluc.Append();
            soluc.SetString("ASIG", a.casig);
            soluc.SetString("TAREA", a.ctarea);
            soluc.SetInteger("DIA", colocador.celda(i).dia);
            soluc.SetInteger("HORA", colocador.celda(i).hora);
            soluc.SetString("MARCO", "0");
            soluc.SetString("CODGRUPO", a.cgrup);
            soluc.SetString("PROF", a.cprof);
            soluc.SetString("AULA", a.caula);
            soluc.Post();
            ++filas;
        }
    }
    soluc.Cerrar();

    std::cout << ruta << ": " << filas << " sesiones colocadas";
    if (colocador.conflictos() > 0) std::cout << ", " << colocador.conflictos() << " con coincidencias";
    std::cout << "\n";
    if (sinMarco > 0)
        std::cerr << "Aviso: el marco de días y sesiones de DIASHORAST no tiene sesiones de lunes a viernes; "
                  << sinMarco << " sesiones quedan sin colocar.\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 || std::string(argv[1]).empty() || std::string(argv[1]) == "--help") {
        std::cerr << "Uso: sesionix-simulado CARPETA\n"
                     "Lee las tablas de trabajo de CARPETA (ASIGT.DBF, DIASHORAST.DBF) y escribe en ella\n"
                     "la solución SOLUC.DBF, como la dejaría Sesionix.\n";
        return 1;
    }
    try {
        return Simular(argv[1]);
    } catch (const std::exception& e) {
        std::cerr << "sesionix-simulado: " << e.what() << "\n";
        return 1;
    }
}
