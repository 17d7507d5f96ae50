// Subjects: ASIGNOMT from the centre file's contenido elements, one row per ITACA code.
#include "common/dbf/dbf.h"
#include "common/texto.h"
#include "import/codigos.h"
#include "import/etapas.h"
#include "import/nombres_asignatura.h"
#include "transfer/centro.h"
#include "transfer/tablas_trabajo.h"

namespace ph {

namespace a = centro::contenido;

namespace {

// A code of more than 10 characters becomes its first 8 followed by its last 2.
std::string Acortado(const std::string& codigo) {
    return Longitud(codigo) > 10 ? Left(codigo, 8) + Right(codigo, 2) : codigo;
}

std::string Contenido(const std::string& codigo, const std::string& nombre) {
    return "contenido " + Citar(codigo) + " (" + nombre + ")";
}

}  // namespace

void TransformarContenidos(ContextoImportacion& ctx) {
    CrearTablaTrabajo(ctx.carpeta, TablaASIGNOMT());
    const std::vector<NodoXml> contenidos = ctx.XMLDoc.Seleccionar(centro::kContenidos);

    TablaDbf nombres;
    AbrirTabla(nombres, ctx.carpeta, TablaASIGNOMT().nombre);
    TablaDbf cursos;
    AbrirTabla(cursos, ctx.carpeta, TablaCURSOST().nombre);

    const char* atributoNombre = AtributoNombre(ctx, a::nombre_val, a::nombre_cas);
    BuscadorLibre buscador;
    auto ocupado = [&](const std::string& c) { return ctx.CodigosUsados.count(c) != 0; };

    for (const NodoXml& n : contenidos) {
        const std::string codigo = AllTrim(n.Atributo(a::codigo));
        const std::string cursoItaca = AllTrim(n.Atributo(a::curso));
        std::string nivel, curso;
        if (cursos.Locate("CLAVE", cursoItaca)) {
            nivel = cursos.AsString("NIVEL");
            curso = cursos.AsString("CURSO");
        }
        const std::string nombre = AllTrim(n.Atributo(atributoNombre));
        ctx.NombresUsados.insert(nombre);

        if (!ctx.ContenidosVistos.count(codigo)) {
            std::string corto = Acortado(codigo);
            if (ctx.CodigosUsados.count(corto)) {
                // Taken by another subject: its first 10 - digits(k) characters followed
                // by the smallest number k that makes it free.
                const std::string base = corto;
                buscador.BuscarPorCifras([&](int d) { return Left(base, 10 - d); }, 1, 18, ocupado,
                                         [&](long long k) { return Left(base, 10 - Digitos(k)) + std::to_string(k); },
                                         corto);
            }
            if (ctx.informe && corto != codigo)
                ctx.informe->Anotar(Categoria::CodigoRenumerado, Contenido(codigo, nombre),
                                    (ctx.CodigosUsados.count(Acortado(codigo))
                                         ? Citar(Acortado(codigo)) + " ya estaba usado"
                                         : std::string("el código tiene más de 10 caracteres")) +
                                        ": código corto " + Citar(corto));
            ctx.CodigosUsados.insert(corto);
            ctx.ContenidosVistos.insert(codigo);
            nombres.Append();
            nombres.SetString("COD", corto);
            nombres.SetString("CODLARGO", CodigoLargo(nombre));
            nombres.SetString("NOMBRE", nombre);
            nombres.SetBoolean("ESTAREA", false);
            nombres.SetString("DENIVEL", nivel);
            nombres.SetString("DECURSO", curso);
            nombres.SetString("ABREV_ITACA", codigo);
            nombres.Post();
        } else if (nombres.Locate("ABREV_ITACA", codigo)) {
            // The same subject in another course: its level and course stay only while
            // every occurrence agrees on them.
            nombres.Edit();
            const std::string nivelAntes = nombres.AsString("DENIVEL");
            const std::string cursoAntes = nombres.AsString("DECURSO");
            if (nivelAntes != nivel) nombres.SetString("DENIVEL", "");
            if (cursoAntes != curso) nombres.SetString("DECURSO", "");
            nombres.Post();
            // Noted when a value that stood is blanked: once per subject and field.
            if (ctx.informe) {
                std::string borrado;
                if (!nivelAntes.empty() && nivelAntes != nivel)
                    borrado = "nivel " + Citar(nivel) + " en vez de " + Citar(nivelAntes) + ": DENIVEL en blanco";
                if (!cursoAntes.empty() && cursoAntes != curso)
                    borrado += (borrado.empty() ? "" : "; ") + std::string("curso ") + Citar(curso) + " en vez de " +
                               Citar(cursoAntes) + ": DECURSO en blanco";
                if (!borrado.empty())
                    ctx.informe->Anotar(Categoria::NivelBorrado, Contenido(codigo, nombres.AsString("NOMBRE")),
                                        "en el curso " + Citar(cursoItaca) + " tiene " + borrado);
            }
        }
    }
    cursos.Cerrar();
    nombres.Cerrar();
}

}  // namespace ph
