// Rooms: AULAT from the centre file's aula elements.
#include "common/dbf/dbf.h"
#include "common/texto.h"
#include "import/codigos.h"
#include "import/etapas.h"
#include "transfer/centro.h"
#include "transfer/tablas_trabajo.h"

#include <algorithm>
#include <limits>

namespace ph {

namespace a = centro::aula;

void TransformarAulas(ContextoImportacion& ctx) {
    CrearTablaTrabajo(ctx.carpeta, TablaAULAT());
    const std::vector<NodoXml> aulas = ctx.XMLDoc.Seleccionar(centro::kAulas);

    TablaDbf taulas;
    AbrirTabla(taulas, ctx.carpeta, TablaAULAT().nombre);

    // Short codes given so far; "a12" and "A12" count as the same code.
    ListaCodigos usados(true);
    BuscadorLibre buscador;
    auto ocupado = [&](const std::string& c) { return usados.Contiene(c); };
    constexpr long long kSinLimite = std::numeric_limits<long long>::max();

    for (const NodoXml& n : aulas) {
        const std::string nombre = AllTrim(n.Atributo(a::nombre));
        const std::string codigo = AllTrim(n.Atributo(a::codigo));
        const std::string dado = codigo.empty() ? Left(nombre, 4) : codigo;
        std::string corto = dado;

        if (usados.Contiene(corto)) {
            // Repeated: the code (its first 9 characters when longer than 10) numbered.
            const std::string base = Longitud(corto) > 10 ? Left(corto, 9) : corto;
            buscador.Buscar("=" + usados.Clave(base), 1, kSinLimite, ocupado,
                            [&](long long k) { return base + std::to_string(k); }, corto);
        }
        if (Longitud(corto) > 10) {
            // Too long, as read or once numbered: its first 8 characters numbered, the
            // base cut shorter when the number has three or more digits, so that the
            // code keeps at most 10 characters.
            const std::string base = Left(corto, 8);
            const std::string clave = usados.Clave(base);
            buscador.BuscarPorCifras([&](int d) { return ">" + Left(clave, 10 - std::max(2, d)); }, 1, 18, ocupado,
                                     [&](long long k) { return Left(base, 10 - std::max(2, Digitos(k))) + std::to_string(k); },
                                     corto);
        }

        if (ctx.informe && corto != dado)
            ctx.informe->Anotar(Categoria::CodigoRenumerado, "aula " + Citar(codigo) + " (" + nombre + ")",
                                (usados.Contiene(dado) ? Citar(dado) + " ya estaba usado"
                                                       : Citar(dado) + " tiene más de 10 caracteres") +
                                    ": código corto " + Citar(corto));
        usados.Anadir(corto);
        taulas.Append();
        taulas.SetString("ABREV", corto);
        taulas.SetString("NOMBRE", nombre);
        taulas.SetString("ABREV_ITACA", codigo);
        taulas.Post();
    }
    taulas.Cerrar();
}

}  // namespace ph
