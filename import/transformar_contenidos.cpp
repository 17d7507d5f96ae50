// Subjects: ASIGNOMT from the centre file's contenido elements, one row per ITACA code.
#include "common/dbf/dbf.h"
#include "common/texto.h"
#include "import/codigos.h"
#include "import/etapas.h"
#include "import/nombres_asignatura.h"
#include "transfer/centro.h"
#include "transfer/tablas_trabajo.h"

namespace ph {

namespace {

// The short code of a new subject: its code shortened, and when another subject has that,
// its first 10 - digits(k) characters followed by the smallest number k that makes it free.
std::string CodigoCorto(ContextoImportacion& ctx, BuscadorLibre& buscador, const std::string& codigo,
                        const std::string& nombre) {
    const std::string acortado = AcortarCodigo(codigo);
    std::string corto = acortado;
    if (ctx.codigosUsados.count(corto)) {
        buscador.BuscarPorCifras([&](int d) { return Left(acortado, 10 - d); }, 1, 18,
                                 [&](const std::string& c) { return ctx.codigosUsados.count(c) != 0; },
                                 [&](long long k) { return Left(acortado, 10 - Digitos(k)) + std::to_string(k); },
                                 corto);
    }
    if (corto != codigo)
        AnotarRenumerado(ctx.avisos, Elemento("contenido", codigo, nombre),
                         ctx.codigosUsados.count(acortado) ? Citar(acortado) + " ya estaba usado"
                                                           : "el código tiene más de 10 caracteres",
                         corto);
    return corto;
}

// The same subject in another course: its level and course stay on the current row only
// while every occurrence agrees on them. Noted when a value that stood is blanked, once
// per subject and field.
void CompararNivel(ContextoImportacion& ctx, TablaDbf& nombres, const std::string& codigo,
                   const std::string& cursoItaca, const std::string& nivel, const std::string& curso) {
    nombres.Edit();
    const std::string nivelAntes = nombres.AsString("DENIVEL");
    const std::string cursoAntes = nombres.AsString("DECURSO");
    if (nivelAntes != nivel) nombres.SetString("DENIVEL", "");
    if (cursoAntes != curso) nombres.SetString("DECURSO", "");
    nombres.Post();
    std::string borrado;
    if (!nivelAntes.empty() && nivelAntes != nivel)
        borrado = "nivel " + Citar(nivel) + " en vez de " + Citar(nivelAntes) + ": DENIVEL en blanco";
    if (!cursoAntes.empty() && cursoAntes != curso)
        borrado += (borrado.empty() ? "" : "; ") + std::string("curso ") + Citar(curso) + " en vez de " +
                   Citar(cursoAntes) + ": DECURSO en blanco";
    if (!borrado.empty())
        ctx.avisos.Anotar(Categoria::NivelBorrado, Elemento("contenido", codigo, nombres.AsString("NOMBRE")),
                          "en el curso " + Citar(cursoItaca) + " tiene " + borrado);
}

}  // namespace

void TransformarContenidos(ContextoImportacion& ctx) {
    namespace a = centro::contenido;
    TablaDbf nombres = CrearYAbrirTabla(ctx.carpeta, TablaASIGNOMT());
    TablaDbf cursos;
    AbrirTabla(cursos, ctx.carpeta, TablaCURSOST().nombre);

    const char* atributoNombre = AtributoNombre(ctx, a::nombre_val, a::nombre_cas);
    BuscadorLibre buscador;
    for (const NodoXml& n : ctx.documento.Seleccionar(centro::kContenidos)) {
        const std::string codigo = AllTrim(n.Atributo(a::codigo));
        const std::string cursoItaca = AllTrim(n.Atributo(a::curso));
        std::string nivel, curso;
        if (cursos.Locate("CLAVE", cursoItaca)) {
            nivel = cursos.AsString("NIVEL");
            curso = cursos.AsString("CURSO");
        }
        const std::string nombre = AllTrim(n.Atributo(atributoNombre));
        ctx.nombresUsados.insert(nombre);

        if (!ctx.contenidosVistos.count(codigo)) {
            const std::string corto = CodigoCorto(ctx, buscador, codigo, nombre);
            ctx.codigosUsados.insert(corto);
            ctx.contenidosVistos.insert(codigo);
            AnadirNombre(nombres, {.cod = corto, .nombre = nombre, .abrevItaca = codigo, .nivel = nivel, .curso = curso});
        } else if (nombres.Locate("ABREV_ITACA", codigo)) {
            CompararNivel(ctx, nombres, codigo, cursoItaca, nivel, curso);
        }
    }
    cursos.Cerrar();
    nombres.Cerrar();
}

}  // namespace ph
