// The program that plays Sesionix: the solution it writes, and an export of it.
#include "apoyo/apoyo.h"
#include "apoyo/tablas_prueba.h"
#include "common/dbf/dbf.h"
#include "export/exportacion.h"
#include "transfer/tablas_trabajo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

using namespace ph;
using namespace ph::prueba;

namespace {

const std::string kPrograma = ProgramaConstruido("sesionix-simulado");

struct FilaLeida {
    std::string asig, tarea, marco, codgrupo, prof, aula;
    long long dia, hora;
};

std::vector<FilaLeida> LeerSoluc(const std::string& carpeta) {
    TablaDbf t;
    AbrirTabla(t, carpeta, kSOLUC, false);
    std::vector<FilaLeida> filas;
    for (t.First(); !t.Eof(); t.Next())
        filas.push_back({t.AsString("ASIG"), t.AsString("TAREA"), t.AsString("MARCO"), t.AsString("CODGRUPO"),
                         t.AsString("PROF"), t.AsString("AULA"), t.AsInteger("DIA"), t.AsInteger("HORA")});
    return filas;
}

// The program on a folder ("" for none); salida gets its output, line ends as LF.
int Simular(const std::string& carpeta, std::string* salida = nullptr) {
    std::vector<std::string> argumentos{kPrograma};
    if (!carpeta.empty()) argumentos.push_back(carpeta);
    const int codigo = Ejecutar(argumentos, salida);
    if (salida) *salida = SinRetornos(*salida);
    return codigo;
}

class SesionixSimulado : public ::testing::Test {
protected:
    void SetUp() override { EscribirTablasTrabajo(dir.ruta()); }
    CarpetaTemporal dir;
};

TEST_F(SesionixSimulado, ColocaCadaPeriodoSinCoincidencias) {
    std::string salida;
    ASSERT_EQ(Simular(dir.ruta(), &salida), 0) << salida;
    const std::vector<FilaLeida> filas = LeerSoluc(dir.ruta());

    // MAT 4 periods, FQ 2.6 rounded to 3, the occupation 2.
    std::map<std::string, int> porAsignatura;
    std::set<std::tuple<std::string, long long, long long>> profesor, grupo;
    std::set<std::tuple<std::string, long long>> diaDeAsignatura;
    for (const FilaLeida& f : filas) {
        ++porAsignatura[f.asig];
        EXPECT_EQ(f.marco, "0");
        EXPECT_GE(f.dia, 1);
        EXPECT_LE(f.dia, 5);
        EXPECT_GE(f.hora, 1);
        EXPECT_LE(f.hora, 3);
        EXPECT_TRUE(profesor.insert({f.prof, f.dia, f.hora}).second) << "teacher clash " << f.prof;
        if (!f.codgrupo.empty()) {
            EXPECT_TRUE(grupo.insert({f.codgrupo, f.dia, f.hora}).second) << "group clash " << f.codgrupo;
        }
        EXPECT_TRUE(diaDeAsignatura.insert({f.asig, f.dia}).second) << f.asig << " twice on day " << f.dia;
        if (f.asig == "MAT") {
            EXPECT_EQ(f.tarea, "*479");
            EXPECT_EQ(f.codgrupo, "1ESOA");
            EXPECT_EQ(f.prof, "PGL");
            EXPECT_EQ(f.aula, "A1");
        } else if (f.asig == "FQ") {
            EXPECT_EQ(f.tarea, "*479");
            EXPECT_EQ(f.aula, "AULÀ2");
        } else {
            EXPECT_EQ(f.asig, "*GUA");
            EXPECT_EQ(f.tarea, "*GUA");
            EXPECT_EQ(f.codgrupo, "");
            EXPECT_EQ(f.prof, "MRS");
        }
    }
    EXPECT_EQ(porAsignatura, (std::map<std::string, int>{{"MAT", 4}, {"FQ", 3}, {"*GUA", 2}}));
}

TEST_F(SesionixSimulado, DosEjecucionesDanLaMismaSolucion) {
    ASSERT_EQ(Simular(dir.ruta()), 0);
    const std::vector<FilaLeida> primera = LeerSoluc(dir.ruta());
    ASSERT_EQ(Simular(dir.ruta()), 0);
    const std::vector<FilaLeida> segunda = LeerSoluc(dir.ruta());
    ASSERT_EQ(primera.size(), segunda.size());
    for (size_t i = 0; i < primera.size(); ++i) {
        EXPECT_EQ(primera[i].asig, segunda[i].asig) << i;
        EXPECT_EQ(primera[i].dia, segunda[i].dia) << i;
        EXPECT_EQ(primera[i].hora, segunda[i].hora) << i;
    }
}

TEST_F(SesionixSimulado, MasPeriodosQueCeldasSeColocanIgualmente) {
    EscribirTabla(dir.ruta(), TablaASIGT(),
                  {{{"CASIG", "MAT"}, {"CPROF", "PGL"}, {"CGRUP", "1ESOA"}, {"HORAS", "20"}, {"CTAREA", "*479"}}});
    std::string salida;
    ASSERT_EQ(Simular(dir.ruta(), &salida), 0) << salida;
    EXPECT_EQ(LeerSoluc(dir.ruta()).size(), 20u);
}

TEST_F(SesionixSimulado, UnMarcoVacioDaUnaSolucionVacia) {
    EscribirMarco(dir.ruta(), {}, "");
    std::string salida;
    ASSERT_EQ(Simular(dir.ruta(), &salida), 0) << salida;
    EXPECT_TRUE(LeerSoluc(dir.ruta()).empty());
    EXPECT_NE(salida.find("sin colocar"), std::string::npos) << salida;
}

TEST_F(SesionixSimulado, UsoYErroresEnEspanol) {
    std::string salida;
    EXPECT_EQ(Simular("", &salida), 1);
    EXPECT_NE(salida.find("Uso: sesionix-simulado CARPETA"), std::string::npos) << salida;

    std::filesystem::remove(RutaNativa(dir / "ASIGT.DBF"));
    EXPECT_EQ(Simular(dir.ruta(), &salida), 1);
    EXPECT_NE(salida.find("ASIGT"), std::string::npos) << salida;
}

// The whole road back: the simulated solution exported to a schedule file.
TEST_F(SesionixSimulado, SuSolucionSeExportaEntera) {
    ASSERT_EQ(Simular(dir.ruta()), 0);
    CarpetaTemporal itaca;
    EscribirArchivo(itaca / "centro.xml",
                    "<?xml version=\"1.0\"?>\n<centro codigo=\"1\" denominacion=\"IES\" curso=\"2019\" version=\"1\">"
                    "<plantillas_horario><plantilla_horario codigo=\"PL1\" descripcion_val=\"\" descripcion_cas=\"\""
                    " turno=\"M\"/></plantillas_horario><sesiones_horario>"
                    "<sesion_horario plantilla=\"PL1\" dia_semana=\"L\" sesion_orden=\"1\" hora_desde=\"08:00\""
                    " hora_hasta=\"08:55\"/>"
                    "<sesion_horario plantilla=\"PL1\" dia_semana=\"L\" sesion_orden=\"2\" hora_desde=\"08:55\""
                    " hora_hasta=\"09:50\"/>"
                    "<sesion_horario plantilla=\"PL1\" dia_semana=\"L\" sesion_orden=\"4\" hora_desde=\"10:20\""
                    " hora_hasta=\"11:15\"/></sesiones_horario></centro>\n");
    EstadoVentana estado;
    estado.filenameXML = itaca / "centro.xml";
    DialogosGuion dialogos;
    dialogos.fijarPlantilla = true;
    dialogos.plantilla = "PL1";

    ResultadoTransferencia r = ExportarAItaca(estado, dir.ruta(), dialogos);

    ASSERT_EQ(r.desenlace, Desenlace::Completada) << r.mensaje;
    EXPECT_EQ(r.entradasGrupo, 7);
    EXPECT_EQ(r.entradasOcupacion, 2);
}

}  // namespace
