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

namespace a = centro::ocupacion;

void TransformarOcupaciones(ContextoImportacion& ctx) {
    TablaDbf nombres;
    AbrirTabla(nombres, ctx.carpeta, TablaASIGNOMT().nombre);
    const std::vector<NodoXml> ocupaciones = ctx.XMLDoc.Seleccionar(centro::kOcupaciones);

    const char* atributoNombre = AtributoNombre(ctx, a::nombre_val, a::nombre_cas);
    BuscadorLibre buscador;
    auto ocupado = [&](const std::string& c) { return ctx.CodigosUsados.count(c) != 0; };

    for (const NodoXml& n : ocupaciones) {
        const std::string codigo = AllTrim(n.Atributo(a::codigo));
        const std::string nombre = AllTrim(n.Atributo(atributoNombre));
        // A name already given to a subject or an earlier occupation is not taken again.
        if (ctx.NombresUsados.count(nombre)) {
            if (ctx.informe)
                ctx.informe->Anotar(Categoria::OcupacionNombreRepetido, "ocupación " + Citar(codigo) + " (" + nombre + ")",
                                    "su nombre ya lo tiene una asignatura u otra ocupación: no se importa");
            continue;
        }
        ctx.NombresUsados.insert(nombre);

        std::string corto = "*" + Right(codigo, 3);
        if (ctx.CodigosUsados.count(corto)) {
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
            if (ctx.informe)
                ctx.informe->Anotar(Categoria::CodigoRenumerado, "ocupación " + Citar(codigo) + " (" + nombre + ")",
                                    Citar("*" + Right(codigo, 3)) + " ya estaba usado: código corto " + Citar(corto));
        }
        ctx.CodigosUsados.insert(corto);
        nombres.Append();
        nombres.SetString("COD", corto);
        nombres.SetString("CODLARGO", CodigoLargo(nombre));
        nombres.SetString("NOMBRE", nombre);
        nombres.SetString("CODTAREA", codigo);
        nombres.SetBoolean("ESTAREA", true);
        nombres.SetString("ABREV_ITACA", codigo);
        nombres.Post();
    }
    nombres.Cerrar();
}

}  // namespace ph
