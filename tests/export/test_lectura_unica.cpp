// Each transfer parses the centre file once: the template dialog is handed the document
// the transfer loaded, and the export can work on a document its caller has loaded.
#include "apoyo/apoyo.h"
#include "common/carpeta.h"
#include "common/texto.h"
#include "common/xml.h"
#include "export/exportacion.h"
#include "import/importacion.h"
#include "transfer/plantillas.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace ph;
using namespace ph::prueba;

namespace {

const std::string kEjemplo = Unir(PH_EJEMPLOS, "centro.xml");

// Scripted answers that also record what the template dialog was handed.
class DialogosQueMiran : public DialogosGuion {
public:
    int conDocumento = 0;
    std::vector<std::string> codigosVistos;

    EleccionPlantilla ElegirPlantillaEnDocumento(const DocumentoXml& centro, const std::string& ruta,
                                                 bool exportacion, const std::string& idioma) override {
        ++conDocumento;
        codigosVistos = CodigosPlantilla(centro);
        return DialogosGuion::ElegirPlantilla(ruta, exportacion, idioma);
    }
};

}  // namespace

TEST(LecturaUnica, AmbasTransferenciasDanAlDialogoElCentroCargado) {
    DocumentoXml esperado;
    ASSERT_TRUE(esperado.Cargar(kEjemplo));
    const std::vector<std::string> codigos = CodigosPlantilla(esperado);
    ASSERT_FALSE(codigos.empty());

    CarpetaTemporal stemp;
    DialogosQueMiran importar;
    EstadoVentana estado;
    estado.filenameXML = kEjemplo;
    ASSERT_EQ(ImportarDeItaca(estado, stemp.ruta(), importar).desenlace, Desenlace::Completada);
    EXPECT_EQ(importar.conDocumento, 1);
    EXPECT_EQ(importar.codigosVistos, codigos);

    CarpetaTemporal entrada;
    const std::string centro = entrada / "centro.xml";
    std::filesystem::copy_file(kEjemplo, centro);
    std::filesystem::copy_file(RutaNativa(Unir(PH_EJEMPLOS, "SOLUC.DBF")), RutaNativa(stemp / "SOLUC.DBF"));
    DialogosQueMiran exportar;
    exportar.fijarPlantilla = true;
    exportar.plantilla = codigos.front();
    estado.filenameXML = centro;
    ASSERT_EQ(ExportarAItaca(estado, stemp.ruta(), exportar).desenlace, Desenlace::Completada);
    EXPECT_EQ(exportar.conDocumento, 1);
    EXPECT_EQ(exportar.codigosVistos, codigos);
}

// The export given a loaded document works on it and does not read the file again: the
// file changed on disk after the loading does not reach the schedule file.
TEST(LecturaUnica, LaExportacionTrabajaSobreElDocumentoQueRecibe) {
    CarpetaTemporal stemp, entrada;
    DialogosGuion d;
    EstadoVentana estado;
    estado.filenameXML = kEjemplo;
    ASSERT_EQ(ImportarDeItaca(estado, stemp.ruta(), d).desenlace, Desenlace::Completada);
    std::filesystem::copy_file(RutaNativa(Unir(PH_EJEMPLOS, "SOLUC.DBF")), RutaNativa(stemp / "SOLUC.DBF"));

    const std::string centro = entrada / "centro.xml";
    std::filesystem::copy_file(kEjemplo, centro);
    DocumentoXml cargado;
    ASSERT_TRUE(cargado.Cargar(centro));
    const std::string codigo = cargado.Raiz().Atributo("codigo");
    ASSERT_FALSE(codigo.empty());
    std::string texto = LeerArchivo(centro);
    const std::string original = "codigo=\"" + codigo + "\"";
    ASSERT_NE(texto.find(original), std::string::npos);
    texto.replace(texto.find(original), original.size(), "codigo=\"CAMBIADO\"");
    EscribirArchivo(centro, texto);

    DialogosGuion e;
    e.fijarPlantilla = true;
    e.plantilla = estado.resultado;
    estado.filenameXML = centro;
    ResultadoTransferencia r = ExportarAItaca(estado, stemp.ruta(), e, &cargado);
    ASSERT_EQ(r.desenlace, Desenlace::Completada) << r.mensaje;
    DocumentoXml horario;
    ASSERT_TRUE(horario.Cargar(r.salida));
    EXPECT_EQ(horario.Raiz().Atributo("codigo"), AllTrim(codigo));
    EXPECT_GT(r.entradasGrupo, 0);
}
