// The transfer report through pasahorario-cli: the CSV file as another program reads it,
// the summary by category, the trial run that changes nothing, and the schedule file that
// is the same with or without a report.
#include "apoyo/apoyo.h"
#include "apoyo/cli_prueba.h"
#include "apoyo/en_linux.h"
#include "common/dbf/dbf.h"
#include "export/exportacion.h"
#include "transfer/informe.h"
#include "transfer/tablas_trabajo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <tuple>
#include <vector>

using namespace ph;
using namespace ph::prueba;
namespace fs = std::filesystem;

namespace {

// Every entry under a folder, the folder included: name -> (size, time of last change).
using Instantanea = std::map<std::string, std::tuple<uintmax_t, fs::file_time_type>>;

Instantanea Mirar(const std::string& carpeta) {
    Instantanea r;
    const fs::path raiz = RutaNativa(carpeta);
    r["."] = {0, fs::last_write_time(raiz)};
    for (const auto& e : fs::recursive_directory_iterator(raiz))
        r[TextoDeRuta(fs::relative(e.path(), raiz))] = {e.is_regular_file() ? e.file_size() : 0, e.last_write_time()};
    return r;
}

// The summary's lines about notices: "  Título: n".
std::map<std::string, long> AvisosDelResumen(const std::string& salida) {
    std::map<std::string, long> r;
    for (const std::string& l : Lineas(salida)) {
        const size_t dos = l.rfind(": ");
        if (l.rfind("  ", 0) != 0 || dos == std::string::npos || dos + 2 >= l.size()) continue;
        const std::string n = l.substr(dos + 2);
        if (n.find_first_not_of("0123456789") == std::string::npos) r[l.substr(2, dos - 2)] = std::stol(n);
    }
    return r;
}

// The text with every occurrence of one part replaced.
std::string Reemplazar(std::string texto, const std::string& de, const std::string& por) {
    for (size_t i = texto.find(de); i != std::string::npos; i = texto.find(de, i + por.size()))
        texto.replace(i, de.size(), por);
    return texto;
}

// Reads the CSV with Debian's Python and its csv module; prints per line the number of
// fields, then the category, the element and the amount, tab-separated.
std::string LeerCsvConPython(const std::string& ruta, int* codigo) {
    const char* programa =
        "import csv, sys\n"
        "with open(sys.argv[1], encoding='utf-8-sig', newline='') as f:\n"
        "    for fila in csv.reader(f, delimiter=';'):\n"
        "        print(len(fila), *(fila[i] for i in (0, 1, 3) if i < len(fila)), sep='\\t')\n";
    const std::string script = Unir(CarpetaDe(ruta), "leer.py");
    EscribirArchivo(script, programa);
    std::string salida;
    *codigo = Ejecutar({kPython, script, ruta}, &salida);
    return salida;
}

// The same lines, read by this test itself as RFC 4180 with ";" between fields, where
// Python cannot run; Python then reads the kept file on the Linux side and must print
// these very lines.
std::string LeerCsvAqui(const std::string& ruta) {
    std::string texto = LeerArchivo(ruta);
    if (texto.rfind("\xEF\xBB\xBF", 0) == 0) texto.erase(0, 3);
    std::vector<std::vector<std::string>> filas;
    std::vector<std::string> fila;
    std::string campo;
    bool comillas = false, hayCampo = false;
    auto cerrarCampo = [&] {
        fila.push_back(campo);
        campo.clear();
        hayCampo = false;
    };
    for (size_t i = 0; i < texto.size(); ++i) {
        const char c = texto[i];
        if (comillas) {
            if (c == '"' && i + 1 < texto.size() && texto[i + 1] == '"') {
                campo += '"';
                ++i;
            } else if (c == '"') {
                comillas = false;
            } else {
                campo += c;
            }
        } else if (c == '"') {
            comillas = hayCampo = true;
        } else if (c == ';') {
            cerrarCampo();
            hayCampo = true;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < texto.size() && texto[i + 1] == '\n') ++i;
            if (hayCampo || !campo.empty() || !fila.empty()) cerrarCampo();
            filas.push_back(fila);
            fila.clear();
        } else {
            campo += c;
            hayCampo = true;
        }
    }
    if (hayCampo || !campo.empty() || !fila.empty()) {
        cerrarCampo();
        filas.push_back(fila);
    }
    std::string r;
    for (const auto& f : filas) {
        r += std::to_string(f.size());
        for (size_t i : {0u, 1u, 3u})
            if (i < f.size()) r += "\t" + f[i];
        r += "\n";
    }
    return r;
}

class CliInforme : public ::testing::Test {
protected:
    CarpetaTemporal entrada, stemp, tmp;
    const std::string centro = entrada / "centro.xml";
    // The programs' temporary folder, watched too: a trial run leaves nothing there.
#ifdef _WIN32
    Entorno Temporal() const { return {{"TMP", tmp.ruta()}, {"TEMP", tmp.ruta()}}; }
#else
    Entorno Temporal() const { return {{"TMPDIR", tmp.ruta()}}; }
#endif

    CliInforme() { fs::copy_file(RutaNativa(kEjemplo), RutaNativa(centro)); }

    // opciones: words; "--informe" is followed by the report's path, given apart.
    Salida Importar(const std::string& opciones = "", const std::string& informe = "") {
        return Cli(Argumentos{"itaca-a-sesionix", centro, "--stemp", stemp.ruta()} + Palabras(opciones) +
                       (informe.empty() ? Argumentos{} : Argumentos{"--informe", informe}),
                   Temporal());
    }
    Salida Exportar(const std::string& opciones = "", const std::string& informe = "") {
        return Cli(Argumentos{"sesionix-a-itaca", centro, "--stemp", stemp.ruta()} + Palabras(opciones) +
                       (informe.empty() ? Argumentos{} : Argumentos{"--informe", informe}),
                   Temporal());
    }
    // An import, then Sesionix's solution with some rows the export cannot take.
    void PrepararExportacion() {
        ASSERT_EQ(Importar().codigo, 0);
        ASSERT_EQ(Simular(stemp.ruta()).codigo, 0);
        std::string ocupacion;  // the code of an occupation the import wrote
        {
            TablaDbf nombres;
            nombres.Abrir(RutaTabla(stemp.ruta(), "ASIGNOMT"), false);
            for (nombres.First(); !nombres.Eof() && ocupacion.empty(); nombres.Next())
                if (nombres.AsBoolean("ESTAREA")) ocupacion = nombres.AsString("COD");
        }
        ASSERT_FALSE(ocupacion.empty());
        TablaDbf soluc;
        soluc.Abrir(RutaTabla(stemp.ruta(), kSOLUC));
        auto anadir = [&](const char* asig, const char* tarea, int dia, int hora, const char* grupo, const char* prof) {
            soluc.Append();
            soluc.SetString("ASIG", asig);
            soluc.SetString("TAREA", tarea);
            soluc.SetInteger("DIA", dia);
            soluc.SetInteger("HORA", hora);
            soluc.SetString("MARCO", "0");
            soluc.SetString("CODGRUPO", grupo);
            soluc.SetString("PROF", prof);
            soluc.Post();
        };
        anadir("XXX", "*479", 1, 1, "NOGRUPO", "");
        anadir(ocupacion.c_str(), ocupacion.c_str(), 2, 1, "", "NOPROF");
        anadir("XXX", "*479", 0, 1, "NOGRUPO", "");
        soluc.Cerrar();
    }
};

TEST_F(CliInforme, ElCsvSeLeeConPythonConSusColumnasYAcentos) {
    // A teacher without classes whose name needs quoting in CSV (the sample file is in
    // ISO-8859-1: "\xD1\xFA\xF1" is "Ñúñ").
    std::string texto = LeerArchivo(centro);
    texto.insert(texto.find("</docentes>"),
                 "<docente apellido1='O\"Brien; \xD1\xFA\xF1" "ez' apellido2='Vila' nombre='Joan' tipo_docente='D' "
                 "fecha_ingreso='' documento='X1' ensenanza='' email1='' email2=''/>\n");
    EscribirArchivo(centro, texto);
    const std::string csv = entrada / "informe.csv";
    const Salida s = Importar("", csv);
    ASSERT_EQ(s.codigo, 0) << s.errores;
    EXPECT_NE(s.salida.find("Informe: " + csv), std::string::npos) << s.salida;

    int codigo = -1;
    std::string leido;
    if (kHerramientasLinux) {
        leido = LeerCsvConPython(csv, &codigo);
        EXPECT_EQ(LeerCsvAqui(csv), leido) << "el lector de la prueba, que sustituye a Python en Windows";
    } else {
        leido = LeerCsvAqui(csv);
        codigo = 0;
        ComprobarEnLinux(Comprobacion::CsvPython, csv, leido);
    }
    const std::vector<std::string> filas = Lineas(leido);
    ASSERT_EQ(codigo, 0) << filas.size();
    ASSERT_GT(filas.size(), 1u);
    EXPECT_EQ(filas[0], "4\tCategoría\tElemento\tCantidad");
    std::map<std::string, long> porCategoria;
    for (size_t i = 1; i < filas.size(); ++i) {
        ASSERT_EQ(filas[i].substr(0, 2), "4\t") << filas[i];
        const size_t a = filas[i].find('\t', 2), b = filas[i].rfind('\t');
        porCategoria[filas[i].substr(2, a - 2)] += std::stol(filas[i].substr(b + 1));
    }
    EXPECT_NE(std::find(filas.begin(), filas.end(),
                        "4\tDocentes quitados por no tener clases\tdocente «X1» (O\"Brien; Ñúñez Vila, Joan), código «OVJ»\t1"),
              filas.end());
    EXPECT_NE(std::find(filas.begin(), filas.end(),
                        "4\tCódigos cortos renumerados\tdocente «20600722J» (Gómez Lledó, Pilar)\t1"),
              filas.end());
    // The summary on standard output counts what the file holds.
    EXPECT_EQ(AvisosDelResumen(s.salida), porCategoria);
}

TEST_F(CliInforme, ElResumenCuentaPorCategoria) {
    const Salida s = Importar();
    ASSERT_EQ(s.codigo, 0) << s.errores;
    const auto avisos = AvisosDelResumen(s.salida);
    EXPECT_EQ(avisos.at("Docentes quitados por no tener clases"), 3);
    EXPECT_EQ(avisos.at("Grupos quitados por no tener clases"), 1);
    EXPECT_GT(avisos.at("Líneas de horario de otras plantillas omitidas"), 1);

    // With every template and nothing pruned, those notices go.
    const auto todas = AvisosDelResumen(Importar("--todas-plantillas --conservar-sin-clases").salida);
    EXPECT_EQ(todas.count("Docentes quitados por no tener clases"), 0u);
    EXPECT_EQ(todas.count("Líneas de horario de otras plantillas omitidas"), 0u);
}

TEST_F(CliInforme, UnCentroLimpioNoDaAvisos) {
    EscribirArchivo(centro, R"(<?xml version="1.0" encoding="UTF-8"?>
<centro codigo="1" denominacion="IES" curso="2026" version="1">
 <docentes><docente apellido1="García" apellido2="López" nombre="Pau" tipo_docente="D" fecha_ingreso="" documento="111A" ensenanza="ESO" email1="" email2=""/></docentes>
 <aulas><aula codigo="A1" nombre="Aula 1"/></aulas>
</centro>
)");
    const std::string csv = entrada / "informe.csv";
    const Salida s = Importar("", csv);
    ASSERT_EQ(s.codigo, 0) << s.errores;
    EXPECT_NE(s.salida.find("Avisos: ninguno."), std::string::npos) << s.salida;
    EXPECT_EQ(LeerArchivo(csv), "\xEF\xBB\xBF" "Categoría;Elemento;Consecuencia;Cantidad\r\n");
}

TEST_F(CliInforme, InformeQueNoSePuedeEscribir) {
    const std::string csv = entrada / "no-existe/informe.csv";
    const Salida s = Importar("", csv);
    EXPECT_EQ(s.codigo, 3);
    EXPECT_NE(s.errores.find("«" + csv + "»"), std::string::npos) << s.errores;
    // The transfer itself was done.
    EXPECT_NE(s.salida.find("ASIGT.DBF"), std::string::npos);
}

// A trial run of either transfer leaves the exchange folder, the centre file's folder and
// the temporary folder as they were, and reports what the real run then does.
TEST_F(CliInforme, SimularImportacionNoCambiaNada) {
    ASSERT_EQ(Importar("--todas-plantillas").codigo, 0);  // earlier tables, different from the trial's
    const Instantanea antesStemp = Mirar(stemp.ruta()), antesEntrada = Mirar(entrada.ruta());

    const Salida ensayo = Importar("--simular");
    ASSERT_EQ(ensayo.codigo, 0) << ensayo.errores;
    EXPECT_EQ(Mirar(stemp.ruta()), antesStemp);
    EXPECT_EQ(Mirar(entrada.ruta()), antesEntrada);
    // The trial's own folder is gone.
    EXPECT_EQ(ArchivosDe(tmp.ruta()), std::vector<std::string>{});

    const Salida real = Importar();
    ASSERT_EQ(real.codigo, 0) << real.errores;
    std::vector<std::string> lineas = Lineas(ensayo.salida);
    ASSERT_FALSE(lineas.empty());
    EXPECT_EQ(lineas.front(), "Simulación: no se ha cambiado la carpeta de intercambio ni ningún otro archivo.");
    lineas.erase(lineas.begin());
    lineas.front() = Reemplazar(lineas.front(), "que se escribirían ", "");
    EXPECT_EQ(lineas, Lineas(real.salida));
}

TEST_F(CliInforme, SimularExportacionNoCambiaNada) {
    PrepararExportacion();
    const Instantanea antesStemp = Mirar(stemp.ruta()), antesEntrada = Mirar(entrada.ruta());

    const std::string csv = tmp / "informe.csv";
    const Salida ensayo = Exportar("--simular", csv);
    ASSERT_EQ(ensayo.codigo, 0) << ensayo.errores;
    EXPECT_EQ(Mirar(stemp.ruta()), antesStemp);
    EXPECT_EQ(Mirar(entrada.ruta()), antesEntrada);
    // Only the report that was asked for is left in the temporary folder.
    EXPECT_EQ(ArchivosDe(tmp.ruta()), std::vector<std::string>{"informe.csv"});

    const auto avisos = AvisosDelResumen(ensayo.salida);
    EXPECT_EQ(avisos, (std::map<std::string, long>{{"Filas de la solución con grupo desconocido", 1},
                                                   {"Filas de la solución con docente desconocido", 1},
                                                   {"Filas de la solución sin día o sin hora", 1}}));
    EXPECT_NE(ensayo.salida.find("Archivo de horarios (no escrito): " + entrada / "ResultadoSesionixcentro.xml"),
              std::string::npos)
        << ensayo.salida;

    // The real run writes as many entries as the trial announced.
    const Salida real = Exportar();
    ASSERT_EQ(real.codigo, 0) << real.errores;
    auto entradas = [](const std::string& salida) {
        std::vector<std::string> r;
        for (const std::string& l : Lineas(salida))
            if (l.find(" entradas") != std::string::npos) r.push_back(l);
        return r;
    };
    EXPECT_EQ(entradas(ensayo.salida), entradas(real.salida));
    EXPECT_EQ(entradas(real.salida).size(), 2u);
}

// The messages of a trial run name the real files, not the trial's copies.
TEST_F(CliInforme, SimularNombraLasRutasReales) {
    PrepararExportacion();
    fs::remove(RutaTabla(stemp.ruta(), "ASIGT"));
    const Salida ensayo = Exportar("--simular");
    EXPECT_EQ(ensayo.codigo, 3);
    EXPECT_NE(ensayo.errores.find(stemp.ruta()), std::string::npos) << ensayo.errores;
    EXPECT_EQ(ensayo.errores.find(tmp.ruta()), std::string::npos) << ensayo.errores;
    EXPECT_EQ(ArchivosDe(tmp.ruta()), std::vector<std::string>{});
}

// The schedule file is the same, byte for byte but for the export's date, with or without
// the report.
TEST_F(CliInforme, ArchivoDeHorariosIgualConYSinInforme) {
    PrepararExportacion();
    CarpetaTemporal otra;
    const std::string otroCentro = otra / "centro.xml";
    fs::copy_file(centro, otroCentro);

    auto exportar = [&](const std::string& ruta, Informe* informe) {
        DialogosGuion dialogos;
        dialogos.fijarPlantilla = true;
        dialogos.plantilla = "MATI";
        EstadoVentana estado;
        estado.filenameXML = ruta;
        EXPECT_EQ(ExportarAItaca(estado, stemp.ruta(), dialogos, nullptr, informe).desenlace, Desenlace::Completada);
        std::string xml = LeerArchivo((fs::path(ruta).parent_path() / "ResultadoSesionixcentro.xml").string());
        const size_t desde = xml.find("fecha_exportacion=\"");
        EXPECT_NE(desde, std::string::npos);
        if (desde != std::string::npos) {
            const size_t valor = desde + std::string("fecha_exportacion=\"").size();
            xml.erase(valor, xml.find('"', valor) - valor);
        }
        return xml;
    };
    Informe informe;
    const std::string sin = exportar(centro, nullptr);
    const std::string con = exportar(otroCentro, &informe);
    EXPECT_EQ(con, sin);
    EXPECT_EQ(informe.Avisos().size(), 3u);
}

}  // namespace
