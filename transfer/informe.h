#pragma once
// The transfer report: one notice per thing the data did not carry, or carried changed.
// Collecting notices changes nothing in the tables or the schedule file.
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace ph {

enum class Categoria {
    LineasOtraPlantilla,          // timetable lines of other templates skipped (one notice per template)
    LineaSinAsignacion,           // group timetable line whose assignment is not in ASIGT
    LineaDocenteDesconocido,      // group timetable line whose teacher is not in PROFT
    LineaAulaDesconocida,         // group timetable line whose room is not in AULAT
    OcupacionDesconocida,         // occupation timetable line whose occupation is unknown
    OcupacionDocenteDesconocido,  // occupation timetable line whose teacher is unknown
    AsignacionSinLineas,          // assignment removed: no timetable line confirms it
    TutorNoEncontrado,            // group tutor that is not a teacher
    GrupoSinCurso,                // group without a course link
    CursoOmitido,                 // course left out (no parent, abbreviation not starting with a digit)
    ContenidoSinCodigo,           // subject without a short code: no assignment rows
    NivelBorrado,                 // subject met in courses of different level or course: blanked
    CodigoRenumerado,             // short code renumbered because it was taken or too long
    OcupacionNombreRepetido,      // occupation dropped: its name is already used
    GrupoQuitado,                 // group removed as having no classes
    DocenteQuitado,               // teacher removed as having no classes
    DocumentoRepetido,            // two teachers with the same document number
    SolucionGrupoDesconocido,     // solution row skipped: group unknown
    SolucionAsignaturaDesconocida,  // solution row skipped: subject or occupation unknown
    SolucionDocenteDesconocido,   // occupation row skipped (teacher unknown) or lesson without teacher
    SolucionAulaDesconocida,      // lesson row kept without room
    SolucionSesionDesconocida,    // solution row skipped: day and session not in the frame
    SolucionSinDiaHora,           // solution row skipped: DIA or HORA is 0
    SolucionDiaFueraDeSemana,     // solution row kept with an empty day letter
};

// Every category, in the order of the enumeration.
const std::vector<Categoria>& TodasCategorias();

// The Spanish title of a category.
const char* TituloCategoria(Categoria c);

struct Aviso {
    Categoria categoria;
    std::string elemento;      // which element or row: its codes and names
    std::string consecuencia;  // what the transfer did with it
    long cantidad = 1;         // how many things the notice stands for (lines of a template, say)
};

class Informe {
public:
    void Anotar(Categoria c, std::string elemento, std::string consecuencia);
    // Counts one occurrence under an element (a template, say): the first occurrence
    // adds the notice, each further one adds 1 to its amount.
    void Contar(Categoria c, const std::string& elemento, const std::string& consecuencia);

    const std::vector<Aviso>& Avisos() const { return avisos_; }
    bool Vacio() const { return avisos_.empty(); }
    // Sum of the amounts of a category's notices.
    long Total(Categoria c) const;
    // (title, total) for every category with notices, in the order of the enumeration.
    std::vector<std::pair<std::string, long>> Resumen() const;
    // The report as CSV: UTF-8 with a byte-order mark, ";" between fields, CRLF line ends,
    // a header line, then one line per notice in the order they were noted. Saved
    // atomically; raises ph::Error naming the file when it cannot be written.
    void GuardarCsv(const std::string& ruta) const;

private:
    std::vector<Aviso> avisos_;
    std::map<std::pair<Categoria, std::string>, size_t> contados_;  // -> index in avisos_
};

// Where the desktop program saves the report of a transfer: beside the centre file, its
// name without the extension, "_informe_", the direction and ".csv" ("centro.xml" and
// "importacion" -> "centro_informe_importacion.csv"), so that the return trip's report
// does not replace the first one.
std::string RutaInforme(const std::string& rutaCentro, const std::string& sentido);

// The summary by category as text, one line each ("Título: n"); a line saying there is
// nothing to report when there are no notices.
std::string TextoResumen(const Informe& informe);

// A value in quotes for the notices: «valor».
inline std::string Citar(const std::string& valor) { return "«" + valor + "»"; }

// How the notices name an element: its kind, its code in quotes and its name in
// brackets ("docente «X» (nombre)").
inline std::string Elemento(const std::string& clase, const std::string& codigo, const std::string& nombre) {
    return clase + " " + Citar(codigo) + " (" + nombre + ")";
}

// Where a run notes in its report, when one was asked for: without a report every call
// does nothing.
class Anotador {
public:
    explicit Anotador(Informe* informe = nullptr) : informe_(informe) {}
    void Anotar(Categoria c, std::string elemento, std::string consecuencia) const {
        if (informe_) informe_->Anotar(c, std::move(elemento), std::move(consecuencia));
    }
    void Contar(Categoria c, const std::string& elemento, const std::string& consecuencia) const {
        if (informe_) informe_->Contar(c, elemento, consecuencia);
    }

private:
    Informe* informe_;
};

}  // namespace ph
