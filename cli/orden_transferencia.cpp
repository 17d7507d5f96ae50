// What both transfer commands of pasahorario-cli do around the transfer itself.
#include "cli/orden_transferencia.h"

#include "cli/simulacion.h"
#include "common/carpeta.h"
#include "transfer/centro.h"

#include <exception>
#include <filesystem>
#include <ostream>
#include <sstream>
#include <system_error>
#include <utility>

namespace ph::cli {

namespace {

int CodigoSalida(Desenlace desenlace) {
    switch (desenlace) {
        case Desenlace::Completada: return kSalidaCompletada;
        case Desenlace::FaltaEntrada:
        case Desenlace::Rechazada: return kSalidaFaltaEntrada;
        case Desenlace::Error: break;
    }
    return kSalidaError;
}

// What keeps an input file from being read, as a line naming it ("No existe el archivo de
// centro «x.xml».", "... es una carpeta ..."); empty when it is a readable regular file.
// que names the file's role: "el archivo de centro".
std::string MotivoFaltaArchivo(const std::string& ruta, const std::string& que) {
    if (ExisteArchivo(ruta)) return {};
    const std::string nombre = "«" + ruta + "»";
    std::error_code ec;
    const std::filesystem::file_status estado = std::filesystem::status(RutaNativa(ruta), ec);
    if (estado.type() == std::filesystem::file_type::directory)
        return "No se puede leer " + que + " " + nombre + ": es una carpeta, no un archivo.";
    if (std::filesystem::exists(estado))
        return "No se puede leer " + que + " " + nombre + ": no es un archivo normal.";
    return "No existe " + que + " " + nombre + ".";
}

}  // namespace

int OrdenTransferencia::Ejecutar() {
    // The exchange folder: --stemp, else the environment's or the system's.
    const std::string carpeta = opciones_.stemp ? *opciones_.stemp : CarpetaIntercambio();
    if (!ExisteCarpeta(carpeta)) {
        errores_ << "No existe la carpeta de intercambio «" << carpeta << "»." << std::endl;
        return kSalidaFaltaEntrada;
    }
    const DialogosOpciones::Respuestas respuestas = PrepararRespuestas(carpeta);

    EstadoVentana estado;
    estado.filenameXML = opciones_.centro;
    estado.idioma = opciones_.idioma ? *opciones_.idioma : centro::kValencia;

    // A trial run works in a temporary exchange folder of its own, on copies; its messages
    // name the real files.
    std::optional<Simulacion> ensayo;
    std::ostringstream mensajesEnsayo;
    if (opciones_.simular) {
        ensayo.emplace();
        ensayo->SustituyeCarpeta(carpeta);
        PrepararEnsayo(*ensayo, carpeta, estado);
    }
    DialogosOpciones dialogos(respuestas, ensayo ? mensajesEnsayo : errores_);

    Informe informe;
    const ResultadoTransferencia resultado =
        Transferir(estado, ensayo ? ensayo->Carpeta() : carpeta, dialogos, informe);
    if (ensayo) errores_ << ensayo->Real(mensajesEnsayo.str()) << std::flush;
    // The window's message names no file: say which one.
    if (resultado.desenlace == Desenlace::FaltaEntrada) NombrarEntradasQueFaltan(carpeta);
    if (resultado.desenlace != Desenlace::Completada) return CodigoSalida(resultado.desenlace);

    if (ensayo) salida_ << kTextoSimulacion << std::endl;
    EscribirResumen(resultado, dialogos.Eleccion(), carpeta, ensayo.has_value());
    EscribirResumenAvisos(informe);
    return GuardarInformePedido(informe) ? kSalidaCompletada : kSalidaError;
}

void OrdenTransferencia::PrepararEnsayo(Simulacion&, const std::string&, EstadoVentana&) {}

std::vector<OrdenTransferencia::Entrada> OrdenTransferencia::OtrasEntradas(const std::string&) const { return {}; }

void OrdenTransferencia::NombrarEntradasQueFaltan(const std::string& carpeta) const {
    std::vector<Entrada> entradas{{opciones_.centro, "el archivo de centro"}};
    for (Entrada& otra : OtrasEntradas(carpeta)) entradas.push_back(std::move(otra));
    for (const Entrada& entrada : entradas)
        if (const std::string motivo = MotivoFaltaArchivo(entrada.ruta, entrada.que); !motivo.empty())
            errores_ << motivo << std::endl;
}

// One line per category with notices and its count; "Avisos: ninguno." when there are none.
void OrdenTransferencia::EscribirResumenAvisos(const Informe& informe) const {
    const auto resumen = informe.Resumen();
    if (resumen.empty()) {
        salida_ << "Avisos: ninguno." << std::endl;
        return;
    }
    salida_ << "Avisos:" << std::endl;
    for (const auto& [titulo, total] : resumen) salida_ << "  " << titulo << ": " << total << std::endl;
}

// Saves the report where --informe says, and names the file. False, with the reason on
// the error stream, when it cannot be written.
bool OrdenTransferencia::GuardarInformePedido(const Informe& informe) const {
    if (!opciones_.informe) return true;
    try {
        informe.GuardarCsv(*opciones_.informe);
    } catch (const std::exception& e) {
        errores_ << e.what() << std::endl;
        return false;
    }
    salida_ << "Informe: " << *opciones_.informe << std::endl;
    return true;
}

}  // namespace ph::cli
