// The ITACA -> Sesionix driver: refusals, the template dialog, the questions, errors.
#include "apoyo/apoyo.h"
#include "common/carpeta.h"
#include "common/dbf/dbf.h"
#include "import/etapas.h"
#include "import/importacion.h"
#include "import/preguntas.h"
#include "transfer/tablas_trabajo.h"

#include <gtest/gtest.h>

using namespace ph;
using namespace ph::prueba;

namespace {

const char* kCentroMinimo = R"(<?xml version="1.0" encoding="UTF-8"?>
<centro codigo="46000001" denominacion="IES Prova" curso="2026" version="1">
 <plantillas_horario>
  <plantilla_horario codigo="MATI" descripcion_val="Matí" descripcion_cas="Mañana" turno="M"/>
  <plantilla_horario codigo="VESP" descripcion_val="Vesprada" descripcion_cas="Tarde" turno="T"/>
 </plantillas_horario>
 <sesiones_horario>
  <sesion_horario plantilla="MATI" dia_semana="L" sesion_orden="1" hora_desde="08:00" hora_hasta="08:55"/>
  <sesion_horario plantilla="MATI" dia_semana="L" sesion_orden="2" hora_desde="HORA_MALA" hora_hasta="09:50"/>
  <sesion_horario plantilla="VESP" dia_semana="L" sesion_orden="1" hora_desde="15:00" hora_hasta="15:55"/>
 </sesiones_horario>
 <docentes>
  <docente apellido1="García" apellido2="López" nombre="Pau" tipo_docente="D" fecha_ingreso="01/09/2010" documento="111A" ensenanza="ESO" email1="pau@example.org" email2=""/>
  <docente apellido1="Martí" apellido2="Soler" nombre="Anna" tipo_docente="D" fecha_ingreso="01/09/2012" documento="222B" ensenanza="ESO" email1="" email2="anna@example.org"/>
 </docentes>
 <ensenanzas><ensenanza ensenanza="3" abreviatura="ESO"/></ensenanzas>
 <cursos><curso codigo="C1" padre="" abreviatura="1ESO" ensenanza="3"/></cursos>
 <cursos_grupo><curso_grupo grupo="1A" curso="C1"/></cursos_grupo>
 <grupos><grupo codigo="1A" nombre="1r ESO A" turno="M" ensenanza="3" tutor_ppal="111A" tutor_sec=""/></grupos>
 <contenidos><contenido codigo="MAT1" curso="C1" nombre_val="Matemàtiques" nombre_cas="Matemáticas"/></contenidos>
 <aulas><aula codigo="A1" nombre="Aula 1"/></aulas>
 <horarios_grupo>
  <horario_grupo plantilla="MATI" grupo="1A" curso="C1" contenido="MAT1" docente="111A" aula="A1"/>
 </horarios_grupo>
</centro>
)";

struct Ejecucion {
    CarpetaTemporal entrada, stemp;
    DialogosGuion dialogos;
    EstadoVentana estado;
    ResultadoTransferencia r;
    void Correr(const std::string& contenido) {
        estado.filenameXML = entrada / "centro.xml";
        EscribirArchivo(estado.filenameXML, contenido);
        r = ImportarDeItaca(estado, stemp.ruta(), dialogos);
    }
};

}  // namespace

TEST(Importacion, ArchivoQueFaltaNoTocaNada) {
    CarpetaTemporal stemp;
    DialogosGuion d;
    EstadoVentana estado;  // no file chosen yet: empty path
    auto r = ImportarDeItaca(estado, stemp.ruta(), d);
    EXPECT_EQ(r.desenlace, Desenlace::FaltaEntrada);
    ASSERT_EQ(d.mensajes.size(), 1u);
    EXPECT_EQ(d.mensajes[0], "No existe archivo");
    EXPECT_FALSE(ExisteArchivo(stemp / "PROFT.DBF"));
}

TEST(Importacion, ArchivosQueNoSonDeCentroSeRechazanAntesDeTocarTablas) {
    const char* casos[] = {"", "esto no es XML", "<centro><docentes>", "<?xml version=\"1.0\"?><otro/>"};
    for (const char* contenido : casos) {
        Ejecucion e;
        // An earlier run's table must survive the refusal byte for byte.
        CrearTablaTrabajo(e.stemp.ruta(), TablaPROFT());
        const std::string antes = LeerArchivo(e.stemp / "PROFT.DBF");
        e.Correr(contenido);
        EXPECT_EQ(e.r.desenlace, Desenlace::Rechazada) << contenido;
        EXPECT_NE(e.r.mensaje.find("centro.xml"), std::string::npos) << e.r.mensaje;
        EXPECT_EQ(e.dialogos.plantillasPedidas, 0);
        EXPECT_EQ(LeerArchivo(e.stemp / "PROFT.DBF"), antes);
        EXPECT_FALSE(ExisteArchivo(e.stemp / "GRUPOST.DBF"));
    }
}

TEST(Importacion, EjecucionCompletaSinPlantillasNoPideNingunaYHaceTodasLasTablas) {
    Ejecucion e;
    e.Correr("<centro codigo=\"1\"/>");
    EXPECT_EQ(e.r.desenlace, Desenlace::Completada);
    EXPECT_EQ(e.dialogos.plantillasPedidas, 0);
    EXPECT_TRUE(e.dialogos.preguntas.empty());
    ASSERT_EQ(e.dialogos.mensajes.back(), "Proceso finalizado");
    ASSERT_EQ(e.r.filas.size(), 7u);
    for (const auto& [tabla, filas] : e.r.filas) EXPECT_EQ(filas, 0) << tabla;
}

TEST(Importacion, UnErrorDetieneLaEjecucionConSuMensajeYDejaTablasValidas) {
    Ejecucion e;
    e.Correr(kCentroMinimo);  // template MATI, whose second session has a bad start time
    ASSERT_EQ(e.r.desenlace, Desenlace::Error);
    EXPECT_NE(e.r.mensaje.find("HORA_"), std::string::npos) << e.r.mensaje;
    EXPECT_EQ(e.dialogos.mensajes.back(), e.r.mensaje);
    // Every earlier stage completed (the teacher without classes was pruned without a
    // question, since every group has classes); the frame holds the rows of the first line
    // only, and every table can be opened exclusively again (none was left open).
    EXPECT_EQ(e.dialogos.preguntas.size(), 1u);
    auto filas = ContarFilas(e.stemp.ruta());
    EXPECT_EQ(filas[0], std::make_pair(std::string("PROFT"), 1L));
    EXPECT_EQ(filas[2], std::make_pair(std::string("GRUPOST"), 1L));
    EXPECT_EQ(filas[5], std::make_pair(std::string("ASIGT"), 1L));
    EXPECT_EQ(filas[6], std::make_pair(std::string("DIASHORAST"), 7L));
    for (const TablaTrabajo* t : TablasTrabajo()) {
        TablaDbf tabla;
        EXPECT_NO_THROW(AbrirTabla(tabla, e.stemp.ruta(), t->nombre, true)) << t->nombre;
    }
}

TEST(Importacion, LaPlantillaElegidaLlegaALasEtapasYSeHaceLaPregunta) {
    Ejecucion e;
    e.dialogos.fijarPlantilla = true;
    e.dialogos.plantilla = "VESP";
    e.dialogos.idioma = "CASTELLANO";
    e.Correr(kCentroMinimo);
    ASSERT_EQ(e.r.desenlace, Desenlace::Completada) << e.r.mensaje;
    EXPECT_EQ(e.estado.resultado, "VESP");
    EXPECT_EQ(e.estado.turno_plant, "T");
    EXPECT_EQ(e.estado.idioma, "CASTELLANO");
    ASSERT_EQ(e.dialogos.preguntas.size(), 2u);  // all templates? then remove groups without classes?
    EXPECT_EQ(e.dialogos.preguntas[0], kPreguntaTodasPlantillas);
    EXPECT_EQ(e.dialogos.preguntas[1], kPreguntaQuitarSinClases);

    TablaDbf dias;
    AbrirTabla(dias, e.stemp.ruta(), "DIASHORAST");
    dias.First();
    EXPECT_EQ(dias.AsString("MARCOXML"), "VESP");
    EXPECT_EQ(dias.AsString("TEXTODIA"), "Lunes");
    EXPECT_EQ(dias.RecordCount(), 7);
}

TEST(Importacion, EleccionCanceladaConservaElArchivoAnterior) {
    // The window's state outlives a run: a new run with the same path reuses the file.
    Ejecucion e;
    e.Correr("<centro/>");
    ASSERT_EQ(e.r.desenlace, Desenlace::Completada);
    auto r = ImportarDeItaca(e.estado, e.stemp.ruta(), e.dialogos);
    EXPECT_EQ(r.desenlace, Desenlace::Completada);
}
