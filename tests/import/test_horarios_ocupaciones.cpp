// TransformarHorariosOcupaciones and the weekly session string.
#include "apoyo/tablas_prueba.h"

#include "import/etapas.h"

#include <gtest/gtest.h>

#include <ostream>

#include <sstream>

using namespace ph;
using namespace ph::prueba;

namespace {

// ---- The session string ----

struct CasoSesiones {
    long n;
    const char* cadena;
};
void PrintTo(const CasoSesiones& c, std::ostream* os) { *os << c.n; }

class Sesiones : public ::testing::TestWithParam<CasoSesiones> {};

TEST_P(Sesiones, DaLaCadena) { EXPECT_EQ(CadenaSesiones(GetParam().n), GetParam().cadena) << GetParam().n; }

INSTANTIATE_TEST_SUITE_P(
    Ejemplos, Sesiones,
    ::testing::Values(CasoSesiones{1, "1"}, CasoSesiones{4, "1111"}, CasoSesiones{14, "11111111111111"},
                      CasoSesiones{15, "21111111111111"}, CasoSesiones{22, "91111111111111"},
                      CasoSesiones{23, "92111111111111"}, CasoSesiones{28, "22222222222222"},
                      CasoSesiones{30, "42222222222222"}, CasoSesiones{40, "97222222222222"},
                      CasoSesiones{41, "98222222222222"}, CasoSesiones{54, "99333333333333"},
                      // From 55 on the second session overflows too and passes its excess on.
                      CasoSesiones{55, "99433333333333"}, CasoSesiones{69, "99744444444444"},
                      CasoSesiones{70, "55555555555555"}, CasoSesiones{126, "99999999999999"},
                      // Above 126 the last session keeps nine: the rule as written.
                      CasoSesiones{127, "99999999999999"}, CasoSesiones{1000, "99999999999999"},
                      // Below one period: a single session.
                      CasoSesiones{0, "1"}, CasoSesiones{-5, "1"}));

TEST(SesionesTodas, UnaCifraPorSesionQueSumanElTotalHasta126) {
    for (long n = 1; n <= 126; ++n) {
        const std::string s = CadenaSesiones(n);
        ASSERT_LE(s.size(), 14u) << n;
        ASSERT_EQ(s.size(), size_t(n < 14 ? n : 14)) << n;
        long suma = 0;
        for (char c : s) {
            ASSERT_TRUE(c >= '1' && c <= '9') << n << " -> " << s;
            suma += c - '0';
        }
        EXPECT_EQ(suma, n) << s;
    }
}

// ---- The stage ----

class HorariosOcupaciones : public EtapaPrueba {
protected:
    PlantillaElegida plantilla;

    void SetUp() override {
        plantilla.codigo = "P1";
        plantilla.soloSusLineas = true;
        Llenar(TablaASIGNOMT(), {{{"COD", "MAT"}, {"ABREV_ITACA", "m1"}},
                                 {{"COD", "GUA"}, {"ABREV_ITACA", "o1"}},
                                 {{"COD", "BIB"}, {"ABREV_ITACA", "o2"}}});
        Llenar(TablaPROFT(), {{{"ABREV", "ANA"}, {"DNI", "d1"}}, {{"ABREV", "BEA"}, {"DNI", "d2"}}});
        Llenar(TablaASIGT(), {Grupo("ANA", "m1", "4"), Grupo("BEA", "m1", "23")});
    }

    static Fila Grupo(const std::string& cprof, const std::string& asig, const std::string& horas) {
        return {{"CASIG", "MAT"}, {"CPROF", cprof},    {"CGRUP", "1A"},      {"HORAS", horas},
                {"SESIONES", "1111"}, {"CLAVE", "g1"}, {"CLAVECURSO", "c1"}, {"CTAREA", "*479"},
                {"ASIG_ITACA", asig}};
    }

    struct O {  // one horario_ocupacion line
        std::string plantilla, ocupacion, docente;
    };
    void Lineas(const std::vector<O>& lineas) {
        std::ostringstream s;
        s << "<horarios_ocupaciones>";
        for (const O& l : lineas)
            s << "<horario_ocupacion plantilla=\"" << l.plantilla << "\" ocupacion=\"" << l.ocupacion
              << "\" docente=\"" << l.docente << "\"/>";
        s << "</horarios_ocupaciones>";
        Centro(s.str());
    }
    // CASIG|CPROF|HORAS|SESIONES|CTAREA|ASIG_ITACA of every row.
    std::vector<std::string> Resumen() {
        std::vector<std::string> r;
        for (const Fila& f : Leer(TablaASIGT()))
            r.push_back(f.at("CASIG") + "|" + f.at("CPROF") + "|" + f.at("HORAS") + "|" + f.at("SESIONES") + "|" +
                        f.at("CTAREA") + "|" + f.at("ASIG_ITACA"));
        return r;
    }
};

TEST_F(HorariosOcupaciones, SinLineasLaTablaQuedaComoEstaba) {
    Centro("<horarios_ocupaciones/>");
    const std::string antes = LeerArchivo(stemp / "ASIGT.DBF");
    TransformarHorariosOcupaciones(ctx, plantilla);
    EXPECT_EQ(LeerArchivo(stemp / "ASIGT.DBF"), antes);  // HORAS 23 keeps "1111"
}

TEST_F(HorariosOcupaciones, UnaLineaAnadeUnaFilaDeOcupacionYRehaceTodasLasCadenas) {
    Lineas({{"P1", "o1", "d1"}});
    TransformarHorariosOcupaciones(ctx, plantilla);

    const auto filas = Leer(TablaASIGT());
    ASSERT_EQ(filas.size(), 3u);
    EXPECT_EQ(filas[0].at("SESIONES"), "1111");
    EXPECT_EQ(filas[1].at("SESIONES"), "92111111111111");
    const Fila esperada{{"CASIG", "GUA"}, {"CPROF", "ANA"},    {"CGRUP", ""},      {"CAULA", ""},
                        {"TURNO", ""},    {"NIVEL", ""},       {"CURSO", ""},      {"GRUPO", ""},
                        {"HORAS", "1"},   {"SESIONES", "1"},   {"NCONEX", ""},     {"CLAVE", ""},
                        {"CLAVECURSO", ""}, {"CTAREA", "GUA"}, {"ASIG_ITACA", "o1"}};
    EXPECT_EQ(filas[2], esperada);
}

struct CasoOcupaciones {
    const char* nombre;
    bool soloPlantilla;
    std::vector<std::pair<std::string, std::string>> lineas;  // (plantilla, ocupacion), teacher d1
    std::vector<std::string> anadidas;                          // rows after the two group rows
};
void PrintTo(const CasoOcupaciones& c, std::ostream* os) { *os << c.nombre; }

class AplicarOcupaciones : public HorariosOcupaciones, public ::testing::WithParamInterface<CasoOcupaciones> {};

TEST_P(AplicarOcupaciones, CuentaLosPeriodos) {
    plantilla.soloSusLineas = GetParam().soloPlantilla;
    std::vector<O> lineas;
    for (const auto& [plantilla, ocupacion] : GetParam().lineas) lineas.push_back({plantilla, ocupacion, "d1"});
    Lineas(lineas);
    TransformarHorariosOcupaciones(ctx, plantilla);
    auto filas = Resumen();
    ASSERT_GE(filas.size(), 2u);
    EXPECT_EQ(std::vector<std::string>(filas.begin() + 2, filas.end()), GetParam().anadidas);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, AplicarOcupaciones,
    ::testing::Values(
        CasoOcupaciones{"TresLineasUnaFila", true, {{"P1", "o1"}, {"P1", "o1"}, {"P1", "o1"}},
                        {"GUA|ANA|3|111|GUA|o1"}},
        CasoOcupaciones{"FilasEnElOrdenDeSuPrimeraLinea", true, {{"P1", "o2"}, {"P1", "o1"}, {"P1", "o2"}},
                        {"BIB|ANA|2|11|BIB|o2", "GUA|ANA|1|1|GUA|o1"}},
        CasoOcupaciones{"SoloLaPlantillaElegida", true, {{"P1", "o1"}, {"P2", "o1"}, {"p1", "o2"}, {" P1 ", "o1"}},
                        {"GUA|ANA|2|11|GUA|o1"}},
        CasoOcupaciones{"TodasLasPlantillasSiNoEsSoloUna", false, {{"P1", "o1"}, {"P2", "o1"}, {"", "o1"}},
                        {"GUA|ANA|3|111|GUA|o1"}},
        CasoOcupaciones{"OcupacionDesconocidaConservaSuCodigoItaca", true, {{"P1", "o9"}}, {"|ANA|1|1||o9"}},
        CasoOcupaciones{"CodigoDistingueMayusculas", true, {{"P1", "O1"}}, {"|ANA|1|1||O1"}}),
    [](const ::testing::TestParamInfo<CasoOcupaciones>& i) { return std::string(i.param.nombre); });

TEST_F(HorariosOcupaciones, DocenteDesconocidoDaCodigoDeDocenteVacio) {
    Lineas({{"P1", "o1", "d9"}, {"P1", "o1", "d9"}});
    TransformarHorariosOcupaciones(ctx, plantilla);
    EXPECT_EQ(Resumen().back(), "GUA||2|11|GUA|o1");
}

TEST_F(HorariosOcupaciones, SeCuentaEnLaFilaDeAsignaturaDelDocenteConEseCodigo) {
    Lineas({{"P1", "m1", "d1"}});
    TransformarHorariosOcupaciones(ctx, plantilla);
    const auto filas = Resumen();
    ASSERT_EQ(filas.size(), 2u);
    EXPECT_EQ(filas[0], "MAT|ANA|5|11111|*479|m1");
}

TEST_F(HorariosOcupaciones, LosPeriodosSeRedondeanHaciaArribaAntesDeHacerLaCadena) {
    Llenar(TablaASIGT(), {Grupo("ANA", "m1", "2.5"), Grupo("BEA", "m1", "55"), Grupo("CAR", "m1", "0")});
    Lineas({{"P2", "o1", "d1"}});  // skipped, but the rebuild runs all the same
    TransformarHorariosOcupaciones(ctx, plantilla);
    const auto filas = Leer(TablaASIGT());
    EXPECT_EQ(Columna(filas, "SESIONES"), (std::vector<std::string>{"111", "99433333333333", "1"}));
    EXPECT_EQ(Columna(filas, "HORAS"), (std::vector<std::string>{"2.5", "55", "0"}));
}

}  // namespace
