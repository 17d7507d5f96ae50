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

namespace a = centro::docente;

void TransformarDocentes(ContextoImportacion& ctx) {
    CrearTablaTrabajo(ctx.carpeta, TablaPROFT());
    const std::vector<NodoXml> docentes = ctx.XMLDoc.Seleccionar(centro::kDocentes);

    TablaDbf proft;
    AbrirTabla(proft, ctx.carpeta, TablaPROFT().nombre);

    // Short codes given so far; "glp" and "GLP" count as the same code.
    ListaCodigos usados(true);
    BuscadorLibre buscador;
    auto ocupado = [&](const std::string& c) { return usados.Contiene(c); };
    // For the report only: document number -> name of the first teacher that has it.
    std::unordered_map<std::string, std::string> primeroConDocumento;

    for (const NodoXml& d : docentes) {
        const std::string apellido1 = AllTrim(d.Atributo(a::apellido1));
        const std::string apellido2 = AllTrim(d.Atributo(a::apellido2));
        const std::string nombre = AllTrim(d.Atributo(a::nombre));
        const std::string tipo = AllTrim(d.Atributo(a::tipo_docente));

        const std::string nombreCompleto = apellido1 + " " + apellido2 + ", " + nombre;
        const std::string documento = AllTrim(d.Atributo(a::documento));
        proft.Append();
        proft.SetString("NOMBRE", nombreCompleto);
        if (tipo == "D") proft.SetString("F_TOMAPOS", AllTrim(d.Atributo(a::fecha_ingreso)));
        proft.SetString("DNI", documento);
        if (ctx.informe && !documento.empty()) {
            auto [primero, nuevo] = primeroConDocumento.try_emplace(documento, nombreCompleto);
            if (!nuevo)
                ctx.informe->Anotar(Categoria::DocumentoRepetido,
                                    "docente " + Citar(documento) + " (" + nombreCompleto + ")",
                                    "el documento ya es de " + Citar(primero->second) +
                                        ": tutorías y horarios con este documento van al primero");
        }

        // Initials of the two surnames and the first name; an empty part gives nothing.
        std::string abrev = Left(apellido1, 1) + Left(apellido2, 1) + Left(nombre, 1);
        if (usados.Contiene(abrev)) {
            const std::string base = Left(abrev, 3);
            const std::string iniciales = abrev;
            buscador.Buscar(usados.Clave(base), 1, std::numeric_limits<long long>::max(), ocupado,
                            [&](long long k) { return base + std::to_string(k); }, abrev);
            if (ctx.informe)
                ctx.informe->Anotar(Categoria::CodigoRenumerado, "docente " + Citar(documento) + " (" + nombreCompleto + ")",
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
