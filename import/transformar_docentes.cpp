// Teachers: PROFT from the centre file's docente elements.
#include "common/centro.h"
#include "common/dbf.h"
#include "common/tablas_trabajo.h"
#include "common/texto.h"
#include "import/codigos.h"
#include "import/etapas.h"

#include <limits>

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

    for (const NodoXml& d : docentes) {
        const std::string apellido1 = AllTrim(d.Atributo(a::apellido1));
        const std::string apellido2 = AllTrim(d.Atributo(a::apellido2));
        const std::string nombre = AllTrim(d.Atributo(a::nombre));
        const std::string tipo = AllTrim(d.Atributo(a::tipo_docente));

        proft.Append();
        proft.SetString("NOMBRE", apellido1 + " " + apellido2 + ", " + nombre);
        if (tipo == "D") proft.SetString("F_TOMAPOS", AllTrim(d.Atributo(a::fecha_ingreso)));
        proft.SetString("DNI", AllTrim(d.Atributo(a::documento)));

        // Initials of the two surnames and the first name; an empty part gives nothing.
        std::string abrev = Left(apellido1, 1) + Left(apellido2, 1) + Left(nombre, 1);
        if (usados.Contiene(abrev)) {
            const std::string base = Left(abrev, 3);
            buscador.Buscar(usados.Clave(base), 1, std::numeric_limits<long long>::max(), ocupado,
                            [&](long long k) { return base + std::to_string(k); }, abrev);
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
