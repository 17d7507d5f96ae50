#pragma once
// What the subjects and occupations stages share about ASIGNOMT rows.
#include "common/dbf/dbf.h"
#include "common/texto.h"
#include "import/contexto.h"
#include "transfer/centro.h"
#include "transfer/tablas_trabajo.h"

#include <string>

namespace ph {

// The long code of a name: for more than 11 characters its first character followed by
// the initials of its further words, else its first 10 characters; a to z in capitals.
inline std::string CodigoLargo(const std::string& nombre) {
    const std::string c = Longitud(nombre) > 11 ? Left(nombre, 1) + Iniciales(nombre) : Left(nombre, 10);
    return MayusculasAscii(c);
}

// The name attribute of the run's language: the Valencian one only for "VALENCIÁ"
// exactly, the Castilian one for any other text.
inline const char* AtributoNombre(const ContextoImportacion& ctx, const char* val, const char* cas) {
    return ctx.idioma == centro::kValencia ? val : cas;
}

// One ASIGNOMT row: a subject (with the level and course it is taught in) or an
// occupation (a task, whose ITACA code is also its task code).
struct FilaNombre {
    std::string cod{}, nombre{}, abrevItaca{};
    bool esTarea = false;
    std::string nivel{}, curso{};  // subjects only
    std::string codTarea{};        // occupations only
};

// Appends the row, its long code made from its name.
inline void AnadirNombre(TablaDbf& nombres, const FilaNombre& f) {
    nombres.Append();
    PonerTextos(nombres, {{"COD", f.cod}, {"CODLARGO", CodigoLargo(f.nombre)}, {"NOMBRE", f.nombre},
                          {"CODTAREA", f.codTarea}, {"DENIVEL", f.nivel}, {"DECURSO", f.curso},
                          {"ABREV_ITACA", f.abrevItaca}});
    nombres.SetBoolean("ESTAREA", f.esTarea);
    nombres.Post();
}

}  // namespace ph
