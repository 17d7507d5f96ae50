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

namespace {

// The short code of a room whose code (or, without one, the first 4 characters of its
// name) is dado, among the codes given so far.
std::string CodigoCorto(CodigosDados& usados, const std::string& dado) {
    std::string corto = dado;
    if (usados.Contiene(corto)) {
        // Repeated: the code (its first 9 characters when longer than 10) numbered.
        const std::string base = Longitud(corto) > 10 ? Left(corto, 9) : corto;
        usados.Buscar("=" + usados.Clave(base), 1, std::numeric_limits<long long>::max(),
                      [&](long long k) { return base + std::to_string(k); }, corto);
    }
    if (Longitud(corto) > 10) {
        // Too long, as read or once numbered: its first 8 characters numbered, the base
        // cut shorter when the number has three or more digits, so that the code keeps at
        // most 10 characters.
        const std::string base = Left(corto, 8);
        const std::string clave = usados.Clave(base);
        usados.BuscarPorCifras([&](int d) { return ">" + Left(clave, 10 - std::max(2, d)); }, 1, 18,
                               [&](long long k) { return Left(base, 10 - std::max(2, Digitos(k))) + std::to_string(k); },
                               corto);
    }
    return corto;
}

}  // namespace

void TransformarAulas(ContextoImportacion& ctx) {
    namespace a = centro::aula;
    TablaDbf taulas = CrearYAbrirTabla(ctx.carpeta, TablaAULAT());
    CodigosDados usados;
    for (const NodoXml& n : ctx.documento.Seleccionar(centro::kAulas)) {
        const std::string nombre = AllTrim(n.Atributo(a::nombre));
        const std::string codigo = AllTrim(n.Atributo(a::codigo));
        const std::string dado = codigo.empty() ? Left(nombre, 4) : codigo;
        const std::string corto = CodigoCorto(usados, dado);
        if (corto != dado)
            AnotarRenumerado(ctx.avisos, Elemento("aula", codigo, nombre),
                             Citar(dado) + (usados.Contiene(dado) ? " ya estaba usado" : " tiene más de 10 caracteres"),
                             corto);
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
