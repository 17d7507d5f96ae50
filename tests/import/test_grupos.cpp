// Courses and groups stage: CURSOST and GRUPOST rows, group short codes, the lookups of
// level, course and tutor.
#include "apoyo/tablas_prueba.h"

#include "common/carpeta.h"
#include "common/error.h"
#include "common/texto.h"
#include "import/etapas.h"

#include <set>

using namespace ph;
using namespace ph::prueba;

namespace {

const std::string kEnsenanzas = Seccion("ensenanzas", "ensenanza",
                                        {{{"ensenanza", "3012"}, {"abreviatura", "ESO"}},
                                         {{"ensenanza", "3013"}, {"abreviatura", "BAT"}},
                                         {{"ensenanza", "3012"}, {"abreviatura", "OTRA"}}});

Atributos Curso(const std::string& codigo, const std::string& padre, const std::string& abrev,
                const std::string& ensenanza = "3012") {
    return {{"codigo", codigo}, {"padre", padre}, {"abreviatura", abrev}, {"ensenanza", ensenanza}};
}

Atributos Grupo(const std::string& codigo, Atributos extra = {}) {
    Atributos a{{"codigo", codigo}, {"nombre", "Grupo " + codigo}, {"turno", "M"}, {"ensenanza", "3012"},
                {"tutor_ppal", ""}, {"tutor_sec", ""}};
    for (auto& [n, v] : extra)
        for (auto& p : a)
            if (p.first == n) p.second = v;
    return a;
}

class Grupos : public EtapaPrueba {
protected:
    PlantillaElegida plantilla;
    // Teachers as the teachers stage leaves them: ABREV and DNI.
    void Docentes(const std::vector<std::pair<std::string, std::string>>& abrevDni) {
        std::vector<Fila> filas;
        for (const auto& [abrev, dni] : abrevDni) filas.push_back({{"ABREV", abrev}, {"DNI", dni}});
        Llenar(TablaPROFT(), filas);
    }
};

// --- Courses ---------------------------------------------------------------------------

struct CasoCursos {
    const char* nombre;
    std::vector<Atributos> cursos;
    std::vector<Fila> esperado;
};
void PrintTo(const CasoCursos& c, std::ostream* os) { *os << c.nombre; }

class Cursos : public Grupos, public ::testing::WithParamInterface<CasoCursos> {};

TEST_P(Cursos, FilasDeCURSOST) {
    const CasoCursos& c = GetParam();
    Docentes({});
    plantilla.turno = "Matí";
    Centro(kEnsenanzas + Seccion("cursos", "curso", c.cursos));
    TransformarGrupos(ctx, plantilla);

    const auto filas = Leer(TablaCURSOST());
    ASSERT_EQ(filas.size(), c.esperado.size());
    for (size_t i = 0; i < filas.size(); ++i)
        EXPECT_EQ(filas[i], c.esperado[i]) << "fila " << i;
}

Fila FilaCurso(const std::string& clave, const std::string& estud, const std::string& nivel = "ESO") {
    return {{"ABREV", Left(estud, 3)}, {"TURNO", "M"}, {"NIVEL", nivel},
            {"CURSO", Left(estud, 1)}, {"CLAVE", clave}, {"ESTUD", estud}};
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Cursos,
    ::testing::Values(
        CasoCursos{"SeccionVacia", {}, {}},
        CasoCursos{"UnSoloCurso", {Curso("100", "", "1ESO")}, {FilaCurso("100", "1ESO")}},
        CasoCursos{"AbreviaturaDeCincoCaracteres",
                   {Curso("101", "", "2BATX", "3013")},
                   {{{"ABREV", "2BA"}, {"TURNO", "M"}, {"NIVEL", "BAT"}, {"CURSO", "2"}, {"CLAVE", "101"},
                     {"ESTUD", "2BATX"}}}},
        CasoCursos{"SinPadreSoloSiEmpiezaPorCifra",
                   {Curso("1", "", "1ESO"), Curso("2", "", "ESO1"), Curso("3", "7", "ESO1"), Curso("4", "", ""),
                    Curso("5", "  ", "  0PRE "), Curso("6", " ", "-1"), Curso("7", "x", ""),
                    Curso("8", "", "９A")},  // a full-width digit is no decimal digit
                   {FilaCurso("1", "1ESO"), FilaCurso("3", "ESO1"), FilaCurso("5", "0PRE"),
                    FilaCurso("7", "")}},
        CasoCursos{"NivelDeLaPrimeraEnsenanzaOVacio",
                   // 3012 appears twice: the first abbreviation counts. 9999 is unknown.
                   {Curso("1", "", "1ESO", "3012"), Curso("2", "", "1X", "9999"), Curso("3", "", "1B", " 3013 ")},
                   {FilaCurso("1", "1ESO", "ESO"), FilaCurso("2", "1X", ""), FilaCurso("3", "1B", "BAT")}}),
    [](const ::testing::TestParamInfo<CasoCursos>& i) { return std::string(i.param.nombre); });

// --- Group short codes -----------------------------------------------------------------

struct CasoAbreviaturas {
    const char* nombre;
    std::vector<std::string> codigos;
    std::vector<std::string> esperado;
};
void PrintTo(const CasoAbreviaturas& c, std::ostream* os) { *os << c.nombre; }

class AbreviaturasGrupo : public Grupos, public ::testing::WithParamInterface<CasoAbreviaturas> {};

TEST_P(AbreviaturasGrupo, UnicasYDeDiezComoMucho) {
    const CasoAbreviaturas& c = GetParam();
    Docentes({});
    std::vector<Atributos> grupos;
    for (const std::string& codigo : c.codigos) grupos.push_back(Grupo(codigo));
    Centro(Seccion("grupos", "grupo", grupos));
    TransformarGrupos(ctx, plantilla);

    const auto filas = Leer(TablaGRUPOST());
    EXPECT_EQ(Columna(filas, "ABREV"), c.esperado);
}

std::vector<std::string> Copias(const std::string& s, int n) { return std::vector<std::string>(size_t(n), s); }

INSTANTIATE_TEST_SUITE_P(
    Casos, AbreviaturasGrupo,
    ::testing::Values(
        CasoAbreviaturas{"UnSoloGrupo", {"1A"}, {"1A"}},
        CasoAbreviaturas{"RepetidosNumerados", {"1A", "1A", "1B", "1A"}, {"1A", "1A1", "1B", "1A2"}},
        CasoAbreviaturas{"SinDistinguirMayusculas", {"1a", "1A", "1a", "1A1"}, {"1a", "1A1", "1a2", "1A11"}},
        CasoAbreviaturas{"DiezCaracteresSeCortanANueve",
                         Copias("ABCDEFGHIJ", 12),
                         {"ABCDEFGHIJ", "ABCDEFGHI1", "ABCDEFGHI2", "ABCDEFGHI3", "ABCDEFGHI4", "ABCDEFGHI5",
                          "ABCDEFGHI6", "ABCDEFGHI7", "ABCDEFGHI8", "ABCDEFGHI9", "ABCDEFGH10", "ABCDEFGH11"}},
        CasoAbreviaturas{"MasDeDiezSeAcortan",
                         {"ESO1ABCDEFGH", "BAT2XYZ"}, {"ESO1ABCDGH", "BAT2XYZ"}},
        CasoAbreviaturas{"LargosQueCoincidenAlAcortarSeDistinguen",
                         // Both shorten to ABCDEFGHKL; the second is numbered on its first 9.
                         {"ABCDEFGHIJKL", "ABCDEFGHXYKL", "ABCDEFGHXYKL"},
                         {"ABCDEFGHKL", "ABCDEFGHX1", "ABCDEFGHX2"}},
        CasoAbreviaturas{"LargoQueCoincideConUnCodigoDado",
                         {"ABCDEFGHKL", "ABCDEFGHijKL"}, {"ABCDEFGHKL", "ABCDEFGHi1"}},
        CasoAbreviaturas{"CadaCodigoNumeraPorSuCuenta",
                         {"ABCDEFGHIJ", "ABCDEFGHIJ", "ZBCDEFGHIJ", "ZBCDEFGHIJ", "1A", "1A"},
                         {"ABCDEFGHIJ", "ABCDEFGHI1", "ZBCDEFGHIJ", "ZBCDEFGHI1", "1A", "1A1"}},
        CasoAbreviaturas{"NumeroYaDadoSeSalta", {"2B1", "2B", "2b", "2B2"}, {"2B1", "2B", "2b2", "2B21"}},
        // 1 + 9 + 100 shortened forms exist for a code of 10 characters; past them the base
        // is cut further and the codes stay unique.
        CasoAbreviaturas{"MasDeCientoDiezRepetidos",
                         Copias("ABCDEFGHIJ", 112),
                         [] {
                             std::vector<std::string> v{"ABCDEFGHIJ"};
                             for (int k = 1; k <= 9; ++k) v.push_back("ABCDEFGHI" + std::to_string(k));
                             for (int k = 10; k <= 109; ++k)
                                 v.push_back("ABCDEFGH" + Right(std::to_string(k), 2));
                             v.push_back("ABCDEFG100");
                             v.push_back("ABCDEFG101");
                             return v;
                         }()},
        CasoAbreviaturas{"NumeroDeTresCifrasEnCodigoCorto",
                         Copias("1ESOA", 102),
                         [] {
                             std::vector<std::string> v{"1ESOA"};
                             for (int k = 1; k <= 101; ++k) v.push_back("1ESOA" + std::to_string(k));
                             return v;
                         }()}),
    [](const ::testing::TestParamInfo<CasoAbreviaturas>& i) { return std::string(i.param.nombre); });

TEST_F(Grupos, CodigosLargosRepetidosQuedanUnicos) {
    // Many groups whose codes share their first 8 and last 2 characters.
    Docentes({});
    std::vector<Atributos> grupos;
    for (int i = 0; i < 300; ++i) grupos.push_back(Grupo("CFGS-DAM-" + std::to_string(1000 + i % 7) + "-A1"));
    Centro(Seccion("grupos", "grupo", grupos));
    TransformarGrupos(ctx, plantilla);

    std::set<std::string> vistos;
    for (const std::string& a : Columna(Leer(TablaGRUPOST()), "ABREV")) {
        EXPECT_LE(Longitud(a), 10) << a;
        EXPECT_TRUE(vistos.insert(MinusculasAscii(a)).second) << "repetido: " << a;
    }
    EXPECT_EQ(vistos.size(), 300u);
}

// --- Group rows ------------------------------------------------------------------------

TEST_F(Grupos, FilasDeGRUPOST) {
    Docentes({{"GLP", "111A"}, {"SRA", "222B"}, {"GLP1", "111A"}, {"MPJ", "12345678901234"}});
    Centro(kEnsenanzas +
           Seccion("cursos_grupo", "curso_grupo",
                   {{{"grupo", "1ESOA"}, {"curso", "100"}},
                    {{"grupo", "1ESOA"}, {"curso", "999"}},
                    {{"grupo", "1esob"}, {"curso", "101"}}}) +
           Seccion("grupos", "grupo",
                   {Grupo(" 1ESOA ", {{"nombre", " 1r ESO A "}, {"turno", " Matí "}, {"tutor_ppal", "111A"},
                                      {"tutor_sec", "222B"}}),
                    Grupo("1ESOB", {{"tutor_sec", " 222B "}, {"ensenanza", "3013"}, {"turno", "V"}}),
                    Grupo("1ESOC", {{"tutor_ppal", "000Z"}, {"tutor_sec", "222B"}, {"ensenanza", "77"}}),
                    Grupo("ESO-GRUP-LLARG-Z")}));
    TransformarGrupos(ctx, plantilla);

    const auto filas = Leer(TablaGRUPOST());
    ASSERT_EQ(filas.size(), 4u);
    const std::vector<Fila> esperado{
        {{"ABREV", "1ESOA"}, {"TURNO", "M"}, {"NIVEL", "ESO"}, {"CURSO", "1"}, {"GRUPO", "A"},
         {"DESCRIP", "1r ESO A"}, {"MARCO", "0"}, {"CLAVE", "1ESOA"}, {"CLAVECURSO", "100"},
         {"ENSENANZA", "3012"}, {"TUTOR", "GLP"}},
        // Link codes compare exactly: "1esob" is not "1ESOB". The tutor comes from tutor_sec.
        {{"ABREV", "1ESOB"}, {"TURNO", "V"}, {"NIVEL", "BAT"}, {"CURSO", "1"}, {"GRUPO", "B"},
         {"DESCRIP", "Grupo 1ESOB"}, {"MARCO", "0"}, {"CLAVE", "1ESOB"}, {"CLAVECURSO", ""},
         {"ENSENANZA", "3013"}, {"TUTOR", "SRA"}},
        // tutor_ppal is set but unknown: no fallback to tutor_sec.
        {{"ABREV", "1ESOC"}, {"TURNO", "M"}, {"NIVEL", ""}, {"CURSO", "1"}, {"GRUPO", "C"},
         {"DESCRIP", "Grupo 1ESOC"}, {"MARCO", "0"}, {"CLAVE", "1ESOC"}, {"CLAVECURSO", ""},
         {"ENSENANZA", "77"}, {"TUTOR", ""}},
        // A long code: shortened ABREV, CLAVE cut to its field, GRUPO from the whole code.
        {{"ABREV", "ESO-GRUP-Z"}, {"TURNO", "M"}, {"NIVEL", "ESO"}, {"CURSO", "E"}, {"GRUPO", "Z"},
         {"DESCRIP", "Grupo ESO-GRUP-LLARG-Z"}, {"MARCO", "0"}, {"CLAVE", "ESO-GRUP-L"}, {"CLAVECURSO", ""},
         {"ENSENANZA", "3012"}, {"TUTOR", ""}}};
    for (size_t i = 0; i < esperado.size(); ++i) EXPECT_EQ(filas[i], esperado[i]) << "fila " << i;
}

struct CasoTutor {
    const char* nombre;
    std::vector<std::pair<std::string, std::string>> docentes;  // ABREV, DNI
    std::string ppal, sec;
    std::string esperado;
};
void PrintTo(const CasoTutor& c, std::ostream* os) { *os << c.nombre; }

class Tutor : public Grupos, public ::testing::WithParamInterface<CasoTutor> {};

TEST_P(Tutor, AbreviaturaDelTutor) {
    const CasoTutor& c = GetParam();
    Docentes(c.docentes);
    Centro(Seccion("grupos", "grupo", {Grupo("1A", {{"tutor_ppal", c.ppal}, {"tutor_sec", c.sec}})}));
    TransformarGrupos(ctx, plantilla);
    const auto filas = Leer(TablaGRUPOST());
    ASSERT_EQ(filas.size(), 1u);
    EXPECT_EQ(filas[0].at("TUTOR"), c.esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Tutor,
    ::testing::Values(
        CasoTutor{"Principal", {{"AAA", "1"}, {"BBB", "2"}}, "2", "1", "BBB"},
        CasoTutor{"SecundarioSiNoHayPrincipal", {{"AAA", "1"}, {"BBB", "2"}}, " ", "2", "BBB"},
        CasoTutor{"PrimeroConEseDNI", {{"AAA", "1"}, {"BBB", "2"}, {"CCC", "2"}}, "2", "", "BBB"},
        CasoTutor{"DesconocidoQuedaVacio", {{"AAA", "1"}}, "9", "1", ""},
        CasoTutor{"DNIEnOtraCajaNoCoincide", {{"AAA", "12a"}}, "12A", "", ""},
        // Both empty: the search is still made, and finds a teacher without DNI.
        CasoTutor{"VacioEncuentraDocenteSinDNI", {{"AAA", "1"}, {"BBB", ""}, {"CCC", ""}}, "", "", "BBB"},
        CasoTutor{"VacioSinDocenteSinDNI", {{"AAA", "1"}}, "", "", ""}),
    [](const ::testing::TestParamInfo<CasoTutor>& i) { return std::string(i.param.nombre); });

// --- Files -----------------------------------------------------------------------------

TEST_F(Grupos, SustituyeAmbasTablasYBorraSusIndices) {
    Docentes({});
    for (const char* t : {"CURSOST", "GRUPOST"}) {
        TablaDbf::Crear(stemp / (std::string(t) + ".DBF"), {{"VIEJO", TipoCampo::Texto, 3}});
    }
    // Index files are found whatever the letter case of their names.
    EscribirArchivo(stemp / "CURSOST.MDX", "indice");
    EscribirArchivo(stemp / "grupost.mdx", "indice");
    Centro(Seccion("cursos", "curso", {Curso("1", "", "1ESO")}) + Seccion("grupos", "grupo", {Grupo("1A")}));
    TransformarGrupos(ctx, plantilla);

    for (const char* mdx : {"CURSOST.MDX", "grupost.mdx"}) EXPECT_FALSE(ExisteArchivo(stemp / mdx)) << mdx;
    EXPECT_EQ(Leer(TablaCURSOST()).size(), 1u);
    const auto grupos = Leer(TablaGRUPOST());
    ASSERT_EQ(grupos.size(), 1u);
    EXPECT_EQ(grupos[0].count("VIEJO"), 0u);
}

TEST_F(Grupos, SinProfesoradoSeDetieneConLosCursosEscritos) {
    Centro(Seccion("cursos", "curso", {Curso("1", "", "1ESO"), Curso("2", "", "2ESO")}) +
           Seccion("grupos", "grupo", {Grupo("1A")}));
    EXPECT_THROW(TransformarGrupos(ctx, plantilla), Error);
    EXPECT_EQ(Leer(TablaCURSOST()).size(), 2u);
    EXPECT_TRUE(Leer(TablaGRUPOST()).empty());
}

}  // namespace
