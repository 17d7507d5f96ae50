// Subjects stage: one ASIGNOMT row per ITACA subject code, short and long codes, level and
// course agreement, language, and the lists handed to the occupations stage.
#include "apoyo/tablas_prueba.h"

#include "common/error.h"
#include "import/etapas.h"

using namespace ph;
using namespace ph::prueba;

namespace {

Atributos Contenido(const std::string& codigo, const std::string& curso, const std::string& nombre_val,
                    const std::string& nombre_cas = "") {
    return {{"codigo", codigo}, {"curso", curso}, {"nombre_val", nombre_val},
            {"nombre_cas", nombre_cas.empty() ? nombre_val + " (cas)" : nombre_cas}};
}

class Contenidos : public EtapaPrueba {
protected:
    // Courses as the courses stage leaves them.
    void Cursos() {
        Llenar(TablaCURSOST(), {{{"CLAVE", "C1"}, {"NIVEL", "ESO"}, {"CURSO", "1"}},
                                {{"CLAVE", "C1b"}, {"NIVEL", "ESO"}, {"CURSO", "1"}},
                                {{"CLAVE", "C2"}, {"NIVEL", "ESO"}, {"CURSO", "2"}},
                                {{"CLAVE", "B1"}, {"NIVEL", "BAT"}, {"CURSO", "1"}},
                                {{"CLAVE", "C1"}, {"NIVEL", "OTRO"}, {"CURSO", "9"}}});
    }
    std::vector<Fila> Ejecutar(const std::vector<Atributos>& contenidos) {
        Cursos();
        Centro(Seccion("contenidos", "contenido", contenidos));
        TransformarContenidos(ctx);
        return Leer(TablaASIGNOMT());
    }
};

// --- Rows, short codes and level agreement ----------------------------------------------

struct CasoContenidos {
    const char* nombre;
    std::vector<Atributos> contenidos;
    std::vector<Fila> esperado;  // only the fields named are compared
};
void PrintTo(const CasoContenidos& c, std::ostream* os) { *os << c.nombre; }

class FilasContenidos : public Contenidos, public ::testing::WithParamInterface<CasoContenidos> {};

TEST_P(FilasContenidos, FilasDeASIGNOMT) {
    const CasoContenidos& c = GetParam();
    const auto filas = Ejecutar(c.contenidos);
    ASSERT_EQ(filas.size(), c.esperado.size());
    for (size_t i = 0; i < filas.size(); ++i)
        for (const auto& [campo, valor] : c.esperado[i])
            EXPECT_EQ(filas[i].at(campo), valor) << "fila " << i << ", campo " << campo;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, FilasContenidos,
    ::testing::Values(
        CasoContenidos{"SeccionVacia", {}, {}},
        CasoContenidos{"UnSoloContenido",
                       {Contenido(" MAT ", " C1 ", " Matemàtiques ")},
                       {{{"COD", "MAT"}, {"CODLARGO", "M"}, {"NOMBRE", "Matemàtiques"}, {"MATERIA", ""},
                         {"CODTAREA", ""}, {"ESTAREA", "F"}, {"DENIVEL", "ESO"}, {"DECURSO", "1"},
                         {"ABREV_ITACA", "MAT"}}}},
        CasoContenidos{"MismoCodigoMismoNivelYCurso",
                       // C1 is found first in CURSOST (ESO, 1), as C1b.
                       {Contenido("MAT", "C1", "Mates"), Contenido("MAT", "C1b", "Mates")},
                       {{{"COD", "MAT"}, {"DENIVEL", "ESO"}, {"DECURSO", "1"}}}},
        CasoContenidos{"OtroCursoBorraSoloDECURSO",
                       {Contenido("MAT", "C1", "Mates"), Contenido("MAT", "C2", "Mates")},
                       {{{"DENIVEL", "ESO"}, {"DECURSO", ""}}}},
        CasoContenidos{"OtroNivelBorraSoloDENIVEL",
                       {Contenido("MAT", "C1", "Mates"), Contenido("MAT", "B1", "Mates")},
                       {{{"DENIVEL", ""}, {"DECURSO", "1"}}}},
        CasoContenidos{"CursoDesconocidoBorraAmbos",
                       {Contenido("MAT", "C1", "Mates"), Contenido("MAT", "c1", "Mates")},
                       {{{"DENIVEL", ""}, {"DECURSO", ""}}}},
        CasoContenidos{"PrimerCursoDesconocidoQuedaVacio",
                       {Contenido("MAT", "X", "Mates"), Contenido("MAT", "C1", "Mates")},
                       {{{"DENIVEL", ""}, {"DECURSO", ""}}}},
        CasoContenidos{"MismoCodigoOtroNombreGuardaElPrimero",
                       {Contenido("MAT", "C1", "Mates"), Contenido("FIS", "C1", "Física"),
                        Contenido("MAT", "C1", "Matemàtiques")},
                       {{{"COD", "MAT"}, {"NOMBRE", "Mates"}}, {{"COD", "FIS"}, {"NOMBRE", "Física"}}}},
        CasoContenidos{"CodigosQueSoloDifierenEnMayusculasSonDistintos",
                       {Contenido("mat", "C1", "a"), Contenido("MAT", "C2", "b")},
                       {{{"COD", "mat"}, {"DECURSO", "1"}}, {{"COD", "MAT"}, {"DECURSO", "2"}}}},
        CasoContenidos{"CodigoLargoAcortado",
                       {Contenido("ABCDEFGHIJKL", "C1", "Llarg"), Contenido("ABCDEFGHIJ", "C1", "Deu")},
                       {{{"COD", "ABCDEFGHKL"}, {"ABREV_ITACA", "ABCDEFGHIJKL"}},
                        {{"COD", "ABCDEFGHIJ"}, {"ABREV_ITACA", "ABCDEFGHIJ"}}}},
        CasoContenidos{"CodigoCortoOcupadoRecibeUnoLibre",
                       // ABCDEFGHXYKL shortens to the code already given: it is numbered
                       // and keeps its row, which a later occurrence then updates.
                       {Contenido("ABCDEFGHIJKL", "C1", "Primer"), Contenido("ABCDEFGHXYKL", "C1", "Segon"),
                        Contenido("ABCDEFGHZZKL", "C2", "Tercer"), Contenido("ABCDEFGHXYKL", "B1", "Segon bis")},
                       {{{"COD", "ABCDEFGHKL"}, {"NOMBRE", "Primer"}, {"DENIVEL", "ESO"}},
                        {{"COD", "ABCDEFGHK1"}, {"NOMBRE", "Segon"}, {"ABREV_ITACA", "ABCDEFGHXYKL"},
                         {"DENIVEL", ""}, {"DECURSO", "1"}},
                        {{"COD", "ABCDEFGHK2"}, {"NOMBRE", "Tercer"}, {"DECURSO", "2"}}}},
        CasoContenidos{"CodigoLibreSaltaLosDados",
                       {Contenido("ABCDEFGHK1", "C1", "a"), Contenido("ABCDEFGHKL", "C1", "b"),
                        Contenido("ABCDEFGHIJKL", "C1", "c")},
                       {{{"COD", "ABCDEFGHK1"}}, {{"COD", "ABCDEFGHKL"}}, {{"COD", "ABCDEFGHK2"}}}},
        CasoContenidos{"CodigosLibresDeOtrasBases",
                       // KM's free code may not be K1, taken by KL's; ZB... numbers on its own.
                       {Contenido("ABCDEFGHIJKL", "C1", "a"), Contenido("ABCDEFGHXXKL", "C1", "b"),
                        Contenido("ABCDEFGHIJKM", "C1", "c"), Contenido("ABCDEFGHXXKM", "C1", "d"),
                        Contenido("ZBCDEFGHIJKL", "C1", "e"), Contenido("ZBCDEFGHXXKL", "C1", "f")},
                       {{{"COD", "ABCDEFGHKL"}}, {{"COD", "ABCDEFGHK1"}}, {{"COD", "ABCDEFGHKM"}},
                        {{"COD", "ABCDEFGHK2"}}, {{"COD", "ZBCDEFGHKL"}}, {{"COD", "ZBCDEFGHK1"}}}},
        CasoContenidos{"CodigoItacaDeMasDeVeinte",
                       // Stored cut to 20: a later occurrence finds no row to update.
                       {Contenido("ABCDEFGHIJKLMNOPQRSTUVWXY", "C1", "Llarg"),
                        Contenido("ABCDEFGHIJKLMNOPQRSTUVWXY", "B1", "Llarg")},
                       {{{"COD", "ABCDEFGHXY"}, {"ABREV_ITACA", "ABCDEFGHIJKLMNOPQRST"}, {"DENIVEL", "ESO"}}}}),
    [](const ::testing::TestParamInfo<CasoContenidos>& i) { return std::string(i.param.nombre); });

TEST_F(Contenidos, NumerosDeDosCifrasCortanMasLaBase) {
    // Twelve codes that all shorten to ABCDEFGHKL: the free codes run to two digits.
    std::vector<Atributos> contenidos;
    for (char c = 'A'; c <= 'L'; ++c) contenidos.push_back(Contenido(std::string("ABCDEFGH") + c + "JKL", "C1", "x"));
    const auto cods = Columna(Ejecutar(contenidos), "COD");
    EXPECT_EQ(cods, (std::vector<std::string>{"ABCDEFGHKL", "ABCDEFGHK1", "ABCDEFGHK2", "ABCDEFGHK3", "ABCDEFGHK4",
                                              "ABCDEFGHK5", "ABCDEFGHK6", "ABCDEFGHK7", "ABCDEFGHK8", "ABCDEFGHK9",
                                              "ABCDEFGH10", "ABCDEFGH11"}));
}

// --- Long codes ----------------------------------------------------------------------------

struct CasoCodigoLargo {
    std::string nombre;
    std::string esperado;
};
void PrintTo(const CasoCodigoLargo& c, std::ostream* os) { *os << c.nombre; }

class CodigoLargo : public Contenidos, public ::testing::WithParamInterface<CasoCodigoLargo> {};

TEST_P(CodigoLargo, DelNombre) {
    const auto filas = Ejecutar({Contenido("A", "C1", GetParam().nombre)});
    ASSERT_EQ(filas.size(), 1u);
    EXPECT_EQ(filas[0].at("CODLARGO"), GetParam().esperado);
    EXPECT_EQ(filas[0].at("NOMBRE"), GetParam().nombre);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, CodigoLargo,
    ::testing::Values(CasoCodigoLargo{"Lengua Castellana y Literatura", "LCL"},
                      CasoCodigoLargo{"Ciencias de la Naturaleza", "CN"},
                      CasoCodigoLargo{"Música", "MúSICA"},
                      CasoCodigoLargo{"Matemàtiques", "M"},
                      CasoCodigoLargo{"Informàtica", "INFORMàTIC"},   // 11 characters: the first 10
                      CasoCodigoLargo{"Informatica", "INFORMATIC"},
                      CasoCodigoLargo{"Taller de TIC", "TT"},
                      CasoCodigoLargo{"Tutoria", "TUTORIA"},
                      CasoCodigoLargo{"", ""}));

// --- Language ----------------------------------------------------------------------------

struct CasoIdioma {
    std::string idioma;
    std::string esperado;
};
void PrintTo(const CasoIdioma& c, std::ostream* os) { *os << c.idioma; }

class Idioma : public Contenidos, public ::testing::WithParamInterface<CasoIdioma> {};

TEST_P(Idioma, EligeElNombre) {
    ctx.idioma = GetParam().idioma;
    const auto filas = Ejecutar({Contenido("HIS", "C1", "Història", "Historia")});
    ASSERT_EQ(filas.size(), 1u);
    EXPECT_EQ(filas[0].at("NOMBRE"), GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(Casos, Idioma,
                         ::testing::Values(CasoIdioma{"VALENCIÁ", "Història"}, CasoIdioma{"valenciá", "Historia"},
                                           CasoIdioma{"VALENCIA", "Historia"}, CasoIdioma{" VALENCIÁ", "Historia"},
                                           CasoIdioma{"CASTELLANO", "Historia"}, CasoIdioma{"", "Historia"}));

// --- What the occupations stage inherits ---------------------------------------------------

TEST_F(Contenidos, ListasDeLaEjecucion) {
    Ejecutar({Contenido("ABCDEFGHIJKL", "C1", "Primer"), Contenido("ABCDEFGHXYKL", "C1", "Segon"),
              Contenido("ABCDEFGHIJKL", "C2", "Primer bis"), Contenido("MAT", "C1", "Mates")});
    EXPECT_EQ(ctx.codigosUsados, (std::set<std::string>{"ABCDEFGHKL", "ABCDEFGHK1", "MAT"}));
    EXPECT_EQ(ctx.contenidosVistos, (std::set<std::string>{"ABCDEFGHIJKL", "ABCDEFGHXYKL", "MAT"}));
    // Every name read, also those of elements that gave no row.
    EXPECT_EQ(ctx.nombresUsados, (std::set<std::string>{"Primer", "Segon", "Primer bis", "Mates"}));
}

TEST_F(Contenidos, SinCursosSeDetiene) {
    Centro(Seccion("contenidos", "contenido", {Contenido("MAT", "C1", "Mates")}));
    EXPECT_THROW(TransformarContenidos(ctx), Error);
}

}  // namespace
