// Reading the command line of pasahorario-cli.
#include "cli/opciones.h"

#include <algorithm>
#include <array>

namespace ph::cli {

namespace {

constexpr const char* kItacaASesionix = "itaca-a-sesionix";
constexpr const char* kSesionixAItaca = "sesionix-a-itaca";

// An option, which commands accept it and whether it takes a value.
struct DefOpcion {
    const char* nombre;
    bool conValor;
    bool enImportacion;  // itaca-a-sesionix
    bool enExportacion;  // sesionix-a-itaca
};

constexpr std::array<DefOpcion, 8> kOpciones{{
    {"--stemp", true, true, true},
    {"--plantilla", true, true, true},
    {"--idioma", true, true, true},
    {"--curso", true, false, true},
    {"--todas-plantillas", false, true, false},
    {"--conservar-sin-clases", false, true, false},
    {"--informe", true, true, true},
    {"--simular", false, true, true},
}};

const DefOpcion* BuscarOpcion(const std::string& nombre) {
    for (const DefOpcion& d : kOpciones)
        if (nombre == d.nombre) return &d;
    return nullptr;
}

void Asignar(Opciones& o, const std::string& nombre, const std::string& valor) {
    if (nombre == "--stemp") o.stemp = valor;
    else if (nombre == "--plantilla") o.plantilla = valor;
    else if (nombre == "--idioma") o.idioma = valor;
    else if (nombre == "--curso") o.curso = valor;
    else if (nombre == "--todas-plantillas") o.todasPlantillas = true;
    else if (nombre == "--conservar-sin-clases") o.conservarSinClases = true;
    else if (nombre == "--informe") o.informe = valor;
    else if (nombre == "--simular") o.simular = true;
}

// Reads the option argumentos[i] into o, for the command o.orden named by argumentos[0]; a
// value given apart moves i past it.
void LeerOpcion(Opciones& o, const std::vector<std::string>& argumentos, size_t& i) {
    const std::string& orden = argumentos.front();
    const std::string& a = argumentos[i];
    const size_t igual = a.find('=');
    const std::string nombre = a.substr(0, igual);
    const DefOpcion* d = BuscarOpcion(nombre);
    if (!d || !(o.orden == Orden::ItacaASesionix ? d->enImportacion : d->enExportacion))
        throw ErrorUso("la orden " + orden + " no admite la opción «" + nombre + "».");
    std::string valor;
    if (d->conValor) {
        if (igual != std::string::npos) {
            valor = a.substr(igual + 1);
        } else {
            if (i + 1 >= argumentos.size()) throw ErrorUso("falta el valor de la opción " + nombre + ".");
            valor = argumentos[++i];
        }
    } else if (igual != std::string::npos) {
        throw ErrorUso("la opción " + nombre + " no lleva valor.");
    }
    Asignar(o, nombre, valor);
}

}  // namespace

Opciones LeerOpciones(const std::vector<std::string>& argumentos) {
    Opciones o;
    if (argumentos.empty()) throw ErrorUso("falta la orden.");

    auto pide = [&](const char* a) { return std::find(argumentos.begin(), argumentos.end(), a) != argumentos.end(); };
    if (pide("--help") || pide("-h")) return o;
    if (argumentos.front() == "--version") {
        o.orden = Orden::Version;
        return o;
    }

    const std::string& orden = argumentos.front();
    if (orden == kItacaASesionix) o.orden = Orden::ItacaASesionix;
    else if (orden == kSesionixAItaca) o.orden = Orden::SesionixAItaca;
    else throw ErrorUso("orden desconocida «" + orden + "».");

    std::vector<std::string> archivos;
    bool finOpciones = false;
    for (size_t i = 1; i < argumentos.size(); ++i) {
        const std::string& a = argumentos[i];
        if (finOpciones || a == "-" || a.empty() || a[0] != '-') {
            archivos.push_back(a);
            continue;
        }
        if (a == "--") {
            finOpciones = true;
            continue;
        }
        LeerOpcion(o, argumentos, i);
    }

    if (archivos.empty()) throw ErrorUso("falta el archivo de centro de ITACA (CENTRO.xml).");
    if (archivos.size() > 1) throw ErrorUso("sobra el argumento «" + archivos[1] + "»: se espera un solo archivo de centro.");
    o.centro = archivos.front();
    return o;
}

std::string TextoAyuda() {
    return
        "Uso:\n"
        "  pasahorario-cli itaca-a-sesionix CENTRO.xml [--stemp CARPETA] [--plantilla CODIGO]\n"
        "          [--idioma TEXTO] [--todas-plantillas] [--conservar-sin-clases]\n"
        "          [--informe ARCHIVO.csv] [--simular]\n"
        "  pasahorario-cli sesionix-a-itaca CENTRO.xml [--stemp CARPETA] [--plantilla CODIGO]\n"
        "          [--curso TEXTO] [--idioma TEXTO] [--informe ARCHIVO.csv] [--simular]\n"
        "  pasahorario-cli --help | --version\n"
        "\n"
        "Órdenes:\n"
        "  itaca-a-sesionix  Crea las siete tablas de trabajo de Sesionix en la carpeta de\n"
        "                    intercambio a partir del archivo de centro exportado por ITACA.\n"
        "  sesionix-a-itaca  Lee la solución de Sesionix (SOLUC.DBF) y escribe el archivo de\n"
        "                    horarios para ITACA, ResultadoSesionix + el nombre del archivo de\n"
        "                    centro, junto a este.\n"
        "\n"
        "Opciones:\n"
        "  --stemp CARPETA         Carpeta de intercambio. Por omisión, la variable de entorno\n"
        "                          PASAHORARIO_STEMP o, si no existe, /STEMP.\n"
        "  --plantilla CODIGO      Plantilla horaria. Por omisión, la primera del archivo\n"
        "                          (itaca-a-sesionix) o la registrada en DIASHORAST por la\n"
        "                          última importación (sesionix-a-itaca; si no hay ninguna\n"
        "                          que el archivo tenga, la opción es obligatoria).\n"
        "  --idioma TEXTO          Idioma de los textos: VALENCIÁ (por omisión) o CASTELLANO.\n"
        "                          En sesionix-a-itaca da los nombres de los días.\n"
        "  --todas-plantillas      Importa los datos de todas las plantillas (responde «Sí»).\n"
        "  --conservar-sin-clases  No quita los grupos y profesores sin clases (responde «No»).\n"
        "  --curso TEXTO           Curso escolar de la exportación. Por omisión, el del archivo.\n"
        "  --informe ARCHIVO.csv   Guarda el informe de la transferencia: un aviso por cada dato\n"
        "                          omitido, fusionado, renumerado o vaciado (CSV separado por\n"
        "                          «;», UTF-8 con BOM). El resumen cuenta los avisos por clase.\n"
        "  --simular               Ensayo: hace la transferencia en una carpeta temporal e\n"
        "                          informa, sin cambiar la carpeta de intercambio, la carpeta\n"
        "                          del archivo de centro ni nada más.\n"
        "  --help                  Muestra esta ayuda.\n"
        "  --version               Muestra la versión.\n"
        "\n"
        "Las opciones también se aceptan como --opcion=VALOR.\n"
        "\n"
        "Estado de salida: 0 transferencia completada; 1 falta la entrada o no es válida;\n"
        "2 uso incorrecto; 3 la transferencia se detuvo por un error.\n";
}

}  // namespace ph::cli
