// The work tables: layouts, the creation procedure, and file lookups in the exchange folder.
#include "transfer/tablas_trabajo.h"

#include "apoyo/apoyo.h"
#include "common/carpeta.h"
#include "common/error.h"
#include "common/texto.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

using namespace ph;
using ph::prueba::CarpetaTemporal;
using ph::prueba::EscribirArchivo;

namespace {

std::vector<std::string> Archivos(const CarpetaTemporal& carpeta) {
    std::vector<std::string> r;
    for (const auto& e : std::filesystem::directory_iterator(carpeta.ruta())) r.push_back(e.path().filename().string());
    std::sort(r.begin(), r.end());
    return r;
}

class Creacion : public testing::TestWithParam<const TablaTrabajo*> {
protected:
    CarpetaTemporal stemp;
};

TEST_P(Creacion, DejaUnaTablaVaciaConLosCamposExactosDeSuDisposicion) {
    const TablaTrabajo& tabla = *GetParam();
    // An earlier run's table with other fields and rows is replaced whole.
    const std::string ruta = stemp / (std::string(tabla.nombre) + ".DBF");
    TablaDbf::Crear(ruta, {{"VIEJO", TipoCampo::Texto, 5}, {"OTRO", TipoCampo::Entero, 0}});
    {
        TablaDbf t;
        t.Abrir(ruta);
        t.Append();
        t.SetString("VIEJO", "fila");
        t.Post();
    }
    CrearTablaTrabajo(stemp.ruta(), tabla);
    EXPECT_EQ(Archivos(stemp), std::vector<std::string>{std::string(tabla.nombre) + ".DBF"});
    TablaDbf t;
    AbrirTabla(t, stemp.ruta(), tabla.nombre);
    EXPECT_EQ(t.RecordCount(), 0);
    EXPECT_TRUE(t.Eof());
    const std::vector<DefCampo> campos = t.Campos();
    ASSERT_EQ(campos.size(), tabla.campos.size());
    for (size_t i = 0; i < campos.size(); ++i) {
        EXPECT_EQ(campos[i].nombre, tabla.campos[i].nombre);
        EXPECT_EQ(campos[i].tipo, tabla.campos[i].tipo) << campos[i].nombre;
        EXPECT_EQ(campos[i].ancho, tabla.campos[i].ancho) << campos[i].nombre;
    }
    EXPECT_FALSE(t.TieneCampo("VIEJO"));
}

INSTANTIATE_TEST_SUITE_P(Siete, Creacion, testing::ValuesIn(TablasTrabajo()),
                         [](const auto& i) { return std::string(i.param->nombre); });

TEST(TablasTrabajo, SieteEnElOrdenDeLaTransferencia) {
    std::vector<std::string> nombres;
    for (const TablaTrabajo* t : TablasTrabajo()) nombres.push_back(t->nombre);
    EXPECT_EQ(nombres, (std::vector<std::string>{"PROFT", "CURSOST", "GRUPOST", "ASIGNOMT", "AULAT", "ASIGT",
                                                 "DIASHORAST"}));
}

TEST(TablasTrabajo, UnIndiceSobranteSeBorraAunqueFalteSuTabla) {
    for (const char* indice : {"PROFT.MDX", "proft.mdx"}) {
        CarpetaTemporal stemp;
        EscribirArchivo(stemp / indice, "indice");
        EscribirArchivo(stemp / "CURSOST.MDX", "de otra tabla");
        CrearTablaTrabajo(stemp.ruta(), TablaPROFT());
        EXPECT_EQ(Archivos(stemp), (std::vector<std::string>{"CURSOST.MDX", "PROFT.DBF"})) << indice;
    }
}

TEST(TablasTrabajo, BorrarTablaQuitaDatosEIndiceSinQuejarseDeLoQueFalta) {
    CarpetaTemporal stemp;
    EscribirArchivo(stemp / "aulat.dbf", "x");
    EscribirArchivo(stemp / "AULAT.MDX", "x");
    BorrarTabla(stemp.ruta(), "AULAT");
    EXPECT_TRUE(Archivos(stemp).empty());
    EXPECT_NO_THROW(BorrarTabla(stemp.ruta(), "AULAT"));
    EXPECT_NO_THROW(BorrarTabla(stemp / "no-existe", "AULAT"));
}

TEST(TablasTrabajo, LosArchivosSeHallanSinMirarMayusculas) {
    CarpetaTemporal stemp;
    TablaDbf::Crear(stemp / "soluc.dbf", {{"ASIG", TipoCampo::Texto, 10}});
#ifdef _WIN32
    // Windows' file names ignore letter case already: any spelling names the one file.
    EXPECT_EQ(MinusculasAscii(RutaTabla(stemp.ruta(), kSOLUC)), MinusculasAscii(stemp / "soluc.dbf"));
#else
    EXPECT_EQ(RutaTabla(stemp.ruta(), kSOLUC), stemp / "soluc.dbf");
#endif
    TablaDbf t;
    AbrirTabla(t, stemp.ruta(), kSOLUC, false);
    EXPECT_TRUE(t.TieneCampo("ASIG"));
    t.Cerrar();
#ifndef _WIN32
    // The exact name first, when both are there (they cannot both be on Windows).
    TablaDbf::Crear(stemp / "SOLUC.DBF", {{"OTRA", TipoCampo::Texto, 10}});
    EXPECT_EQ(RutaTabla(stemp.ruta(), kSOLUC), stemp / "SOLUC.DBF");
#endif
    // Nothing found: the name as given.
    EXPECT_EQ(RutaTabla(stemp.ruta(), "ASIGT"), stemp / "ASIGT.DBF");
}

TEST(TablasTrabajo, UnaTablaConOtrasMayusculasSeSustituyeSinDuplicarse) {
    CarpetaTemporal stemp;
    TablaDbf::Crear(stemp / "grupost.dbf", {{"VIEJO", TipoCampo::Texto, 3}});
    CrearVacia(stemp.ruta(), TablaGRUPOST());  // under the name it has
    EXPECT_EQ(Archivos(stemp), std::vector<std::string>{"grupost.dbf"});
    CrearTablaTrabajo(stemp.ruta(), TablaGRUPOST());  // deleted first, then made anew
    EXPECT_EQ(Archivos(stemp), std::vector<std::string>{"GRUPOST.DBF"});
    TablaDbf t;
    AbrirTabla(t, stemp.ruta(), "GRUPOST");
    EXPECT_TRUE(t.TieneCampo("TUTOR"));
}

TEST(TablasTrabajo, CarpetaOTablaQueFaltanYUsoExclusivoSonErroresConSuNombre) {
    CarpetaTemporal stemp;
    const std::string sinCarpeta = stemp / "STEMP";
    try {
        CrearTablaTrabajo(sinCarpeta, TablaAULAT());
        ADD_FAILURE() << "sin error";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find(sinCarpeta), std::string::npos) << e.what();
    }
    TablaDbf t;
    try {
        AbrirTabla(t, stemp.ruta(), "ASIGT");
        ADD_FAILURE() << "sin error";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find(stemp / "ASIGT.DBF"), std::string::npos) << e.what();
    }
    CrearTablaTrabajo(stemp.ruta(), TablaASIGT());
    AbrirTabla(t, stemp.ruta(), "ASIGT");  // exclusive, as the window's tables
    TablaDbf otra;
    try {
        AbrirTabla(otra, stemp.ruta(), "ASIGT", false);
        ADD_FAILURE() << "sin error";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("en uso"), std::string::npos) << e.what();
    }
}

TEST(Carpeta, CarpetaDeIntercambioDelEntorno) {
    {
        ph::prueba::VariableTemporal otra("PASAHORARIO_STEMP", "D:\\Horarios\\otra");
        EXPECT_EQ(CarpetaIntercambio(), "D:\\Horarios\\otra");
    }
    ph::prueba::VariableTemporal ninguna("PASAHORARIO_STEMP", "", true);
#ifdef _WIN32
    EXPECT_EQ(CarpetaIntercambio(), "\\STEMP");  // of the current drive
#else
    EXPECT_EQ(CarpetaIntercambio(), "/STEMP");
#endif
}

}  // namespace
