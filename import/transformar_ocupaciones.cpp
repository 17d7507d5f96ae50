// Occupations: non-teaching tasks appended to ASIGNOMT after the subjects.
#include "common/dbf/dbf.h"
#include "common/error.h"
#include "common/texto.h"
#include "import/codigos.h"
#include "import/etapas.h"
#include "import/nombres_asignatura.h"
#include "transfer/centro.h"
#include "transfer/tablas_trabajo.h"

namespace ph {

void TransformarOcupaciones(ContextoImportacion& ctx) {
    namespace a = centro::ocupacion;
    TablaDbf nombres;
    AbrirTabla(nombres, ctx.carpeta, TablaASIGNOMT().nombre);
    const char* atributoNombre = AtributoNombre(ctx, a::nombre_val, a::nombre_cas);
    BuscadorLibre buscador;
    auto ocupado = [&](const std::string& c) { return ctx.codigosUsados.count(c) != 0; };

    for (const NodoXml& n : ctx.documento.Seleccionar(centro::kOcupaciones)) {
        const std::string codigo = AllTrim(n.Atributo(a::codigo));
        const std::string nombre = AllTrim(n.Atributo(atributoNombre));
        const std::string elemento = Elemento("ocupación", codigo, nombre);
        // A name already given to a subject or an earlier occupation is not taken again.
        if (ctx.nombresUsados.count(nombre)) {
            ctx.avisos.Anotar(Categoria::OcupacionNombreRepetido, elemento,
                              "su nombre ya lo tiene una asignatura u otra ocupación: no se importa");
            continue;
        }
        ctx.nombresUsados.insert(nombre);

        const std::string dado = "*" + Right(codigo, 3);
        std::string corto = dado;
        if (ctx.codigosUsados.count(corto)) {
            // Its first three characters and one more: "A", then the characters that
            // follow in the character table (B, C, ... and on past Z), surrogates skipped.
            const std::string base = Left(corto, 3);
            auto candidato = [&](long long k) {
                char16_t c = char16_t(u'A' + k);
                if (c >= 0xD800) c = char16_t(c + 0x800);
                return base + AUtf8(std::u16string(1, c));
            };
            if (!buscador.Buscar(base, 0, 0xFFFF - 0x800 - 'A', ocupado, candidato, corto))
                throw Error("La ocupación «" + codigo + "» no tiene código corto libre: todos los de «" +
                            base + "» están usados.");
            AnotarRenumerado(ctx.avisos, elemento, Citar(dado) + " ya estaba usado", corto);
        }
        ctx.codigosUsados.insert(corto);
        AnadirNombre(nombres, {.cod = corto, .nombre = nombre, .abrevItaca = codigo, .esTarea = true, .codTarea = codigo});
    }
    nombres.Cerrar();
}

}  // namespace ph
