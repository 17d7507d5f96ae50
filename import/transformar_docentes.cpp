// Teachers: PROFT from the centre file's docente elements.
#include "common/dbf/dbf.h"
#include "common/texto.h"
#include "import/codigos.h"
#include "import/etapas.h"
#include "transfer/centro.h"
#include "transfer/tablas_trabajo.h"

#include <limits>
#include <unordered_map>

namespace ph {

void TransformarDocentes(ContextoImportacion& ctx) {
    namespace a = centro::docente;
    TablaDbf proft = CrearYAbrirTabla(ctx.carpeta, TablaPROFT());
    // Short codes given so far; "glp" and "GLP" count as the same code.
    CodigosDados usados;
    // For the report: document number -> name of the first teacher that has it.
    std::unordered_map<std::string, std::string> primeroConDocumento;

    for (const NodoXml& d : ctx.documento.Seleccionar(centro::kDocentes)) {
        const std::string apellido1 = AllTrim(d.Atributo(a::apellido1));
        const std::string apellido2 = AllTrim(d.Atributo(a::apellido2));
        const std::string nombre = AllTrim(d.Atributo(a::nombre));
        const std::string tipo = AllTrim(d.Atributo(a::tipo_docente));

        const std::string nombreCompleto = apellido1 + " " + apellido2 + ", " + nombre;
        const std::string documento = AllTrim(d.Atributo(a::documento));
        const std::string elemento = Elemento("docente", documento, nombreCompleto);
        proft.Append();
        proft.SetString("NOMBRE", nombreCompleto);
        if (tipo == "D") proft.SetString("F_TOMAPOS", AllTrim(d.Atributo(a::fecha_ingreso)));
        proft.SetString("DNI", documento);
        if (!documento.empty()) {
            auto [primero, nuevo] = primeroConDocumento.try_emplace(documento, nombreCompleto);
            if (!nuevo)
                ctx.avisos.Anotar(Categoria::DocumentoRepetido, elemento,
                                  "el documento ya es de " + Citar(primero->second) +
                                      ": tutorías y horarios con este documento van al primero");
        }

        // Initials of the two surnames and the first name; an empty part gives nothing.
        std::string abrev = Left(apellido1, 1) + Left(apellido2, 1) + Left(nombre, 1);
        if (usados.Contiene(abrev)) {
            const std::string base = Left(abrev, 3);
            const std::string iniciales = abrev;
            usados.Buscar(usados.Clave(base), 1, std::numeric_limits<long long>::max(),
                          [&](long long k) { return base + std::to_string(k); }, abrev);
            ctx.avisos.Anotar(Categoria::CodigoRenumerado, elemento,
                              "las iniciales " + Citar(iniciales) + " ya estaban usadas: código " + Citar(abrev));
        }

        proft.SetString("ENSENANZA", AllTrim(d.Atributo(a::ensenanza)));
        std::string email = AllTrim(d.Atributo(a::email1));
        if (email.empty()) email = AllTrim(d.Atributo(a::email2));
        proft.SetString("EMAIL", email);

        usados.Anadir(abrev);
        proft.SetString("ABREV", abrev);
        proft.Post();
    }
    proft.Cerrar();
}

}  // namespace ph
