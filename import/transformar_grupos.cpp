// Courses and groups: CURSOST and GRUPOST from the centre file's cursos, ensenanzas,
// cursos_grupo and grupos sections.
#include "common/dbf/dbf.h"
#include "common/texto.h"
#include "import/codigos.h"
#include "import/etapas.h"
#include "transfer/centro.h"
#include "transfer/tablas_trabajo.h"

#include <algorithm>
#include <unordered_map>

namespace ph {

namespace {

// Key -> value.
using PorClave = std::unordered_map<std::string, std::string>;

// Key -> value of the first element, in document order, whose key attribute holds it.
PorClave PrimeroPorClave(const DocumentoXml& doc, const char* ruta, const char* clave, const char* valor) {
    PorClave m;
    for (const NodoXml& n : doc.Seleccionar(ruta))
        m.try_emplace(AllTrim(n.Atributo(clave)), AllTrim(n.Atributo(valor)));
    return m;
}

std::string Buscar(const PorClave& m, const std::string& clave) {
    auto it = m.find(clave);
    return it == m.end() ? std::string() : it->second;
}

// Group short codes: unique without regard to letter case, at most 10 characters.
class AbreviaturasGrupo {
public:
    std::string Dar(const std::string& codigo) {
        std::string abrev = AcortarCodigo(codigo);
        if (usados_.Contiene(abrev)) abrev = Numerada(codigo);
        usados_.Anadir(abrev);
        return abrev;
    }

private:
    // The code (its first 9 characters when it has 10 or more) followed by the smallest
    // number k >= 1 whose shortened form is free. From k = 10^max(3, 11 - length of that
    // base) on, the shortened forms only repeat earlier ones; when all of them are taken
    // (over a hundred groups sharing one code of 8 or more characters), the base is cut
    // to 10 - digits(k) characters instead, so that the search always ends.
    std::string Numerada(const std::string& codigo) {
        const std::string base = Longitud(codigo) >= 10 ? Left(codigo, 9) : codigo;
        const long largo = Longitud(base);
        const std::string clave = usados_.Clave(base);
        std::string libre;
        // A candidate of base and k that fits is base + k; one that does not is its first
        // 8 characters (from base, then k's first digits) and k's last 2 digits.
        auto serie = [&](int d) { return largo + d <= 10 ? "=" + clave : ">" + Left(clave, 8); };
        if (usados_.BuscarPorCifras(serie, 1, int(std::max(3L, 11 - largo)),
                                    [&](long long k) { return AcortarCodigo(base + std::to_string(k)); }, libre))
            return libre;
        usados_.BuscarPorCifras([&](int d) { return "#" + Left(clave, 10 - d); }, 1, 18,
                                [&](long long k) { return Left(base, 10 - Digitos(k)) + std::to_string(k); }, libre);
        return libre;
    }

    CodigosDados usados_;
};

// The report's notices about one group: its short code, its course link and its tutor.
void AnotarGrupo(const Anotador& avisos, const NodoXml& n, const std::string& codigo, const std::string& abrev,
                 const std::string& claveCurso, const std::string& tutor, bool tutorEncontrado) {
    const std::string elemento = Elemento("grupo", codigo, AllTrim(n.Atributo(centro::grupo::nombre)));
    if (abrev != codigo)
        AnotarRenumerado(avisos, elemento,
                         Longitud(codigo) > 10 && abrev == AcortarCodigo(codigo) ? "el código tiene más de 10 caracteres"
                                                                                  : "el código ya estaba usado",
                         abrev);
    if (claveCurso.empty())
        avisos.Anotar(Categoria::GrupoSinCurso, elemento,
                      "ningún curso_grupo lo enlaza con un curso: CLAVECURSO vacío, el grupo no recibe asignaciones");
    if (!tutor.empty() && !tutorEncontrado)
        avisos.Anotar(Categoria::TutorNoEncontrado, elemento,
                      "el tutor " + Citar(tutor) + " no es docente del centro: el grupo queda sin tutor");
}

// CURSOST from the cursos section; the courses take the shift of the chosen template.
void EscribirCursos(ContextoImportacion& ctx, const PlantillaElegida& plantilla, const PorClave& niveles) {
    namespace c = centro::curso;
    TablaDbf cursos;
    AbrirTabla(cursos, ctx.carpeta, TablaCURSOST().nombre);
    for (const NodoXml& n : ctx.documento.Seleccionar(centro::kCursos)) {
        const std::string abreviatura = AllTrim(n.Atributo(c::abreviatura));
        const std::string codigo = AllTrim(n.Atributo(c::codigo));
        // A top-level course must start with its year as a digit.
        if (AllTrim(n.Atributo(c::padre)).empty() &&
            (abreviatura.empty() || abreviatura[0] < '0' || abreviatura[0] > '9')) {
            ctx.avisos.Anotar(Categoria::CursoOmitido, Elemento("curso", codigo, abreviatura),
                              "no tiene curso padre y su abreviatura no empieza por una cifra: "
                              "no se escribe en CURSOST");
            continue;
        }
        cursos.Append();
        PonerTextos(cursos, {{"ABREV", Left(abreviatura, 3)}, {"TURNO", plantilla.turno},
                             {"CURSO", Left(abreviatura, 1)}, {"CLAVE", codigo}, {"ESTUD", abreviatura},
                             {"NIVEL", Buscar(niveles, AllTrim(n.Atributo(c::ensenanza)))}});
        cursos.Post();
    }
    cursos.Cerrar();
}

// GRUPOST from the grupos section, each group linked to its course and its tutor.
void EscribirGrupos(ContextoImportacion& ctx, const PorClave& niveles) {
    namespace g = centro::grupo;
    // Group code -> course of its first curso_grupo element.
    const auto cursoDeGrupo = PrimeroPorClave(ctx.documento, centro::kCursosGrupo, centro::curso_grupo::grupo,
                                              centro::curso_grupo::curso);
    TablaDbf proft;
    AbrirTabla(proft, ctx.carpeta, TablaPROFT().nombre);
    const std::vector<NodoXml> grupos = ctx.documento.Seleccionar(centro::kGrupos);
    TablaDbf tgrupos;
    AbrirTabla(tgrupos, ctx.carpeta, TablaGRUPOST().nombre);

    AbreviaturasGrupo abreviaturas;
    for (const NodoXml& n : grupos) {
        const std::string codigo = AllTrim(n.Atributo(g::codigo));
        const std::string ensenanza = AllTrim(n.Atributo(g::ensenanza));
        std::string tutor = AllTrim(n.Atributo(g::tutor_ppal));
        if (tutor.empty()) tutor = AllTrim(n.Atributo(g::tutor_sec));
        // Searched even for an empty value: it finds a teacher without DNI.
        const bool tutorEncontrado = proft.Locate("DNI", tutor);
        const std::string abrevTutor = tutorEncontrado ? proft.AsString("ABREV") : "";
        const std::string abrev = abreviaturas.Dar(codigo);
        const std::string claveCurso = Buscar(cursoDeGrupo, codigo);
        AnotarGrupo(ctx.avisos, n, codigo, abrev, claveCurso, tutor, tutorEncontrado);

        tgrupos.Append();
        PonerTextos(tgrupos, {{"ABREV", abrev}, {"TURNO", AllTrim(n.Atributo(g::turno))},
                              {"NIVEL", Buscar(niveles, ensenanza)}, {"CURSO", Left(codigo, 1)},
                              {"GRUPO", Right(codigo, 1)}, {"DESCRIP", AllTrim(n.Atributo(g::nombre))},
                              {"MARCO", "0"}, {"CLAVE", codigo}, {"CLAVECURSO", claveCurso},
                              {"ENSENANZA", ensenanza}, {"TUTOR", abrevTutor}});
        tgrupos.Post();
    }
    tgrupos.Cerrar();
    proft.Cerrar();
}

}  // namespace

void TransformarGrupos(ContextoImportacion& ctx, const PlantillaElegida& plantilla) {
    BorrarTabla(ctx.carpeta, TablaGRUPOST().nombre);
    BorrarTabla(ctx.carpeta, TablaCURSOST().nombre);
    CrearVacia(ctx.carpeta, TablaCURSOST());
    CrearVacia(ctx.carpeta, TablaGRUPOST());
    // Teaching code -> abbreviation of its first ensenanza element.
    const PorClave niveles = PrimeroPorClave(ctx.documento, centro::kEnsenanzas, centro::ensenanza::ensenanza,
                                            centro::ensenanza::abreviatura);
    EscribirCursos(ctx, plantilla, niveles);
    EscribirGrupos(ctx, niveles);
}

}  // namespace ph
