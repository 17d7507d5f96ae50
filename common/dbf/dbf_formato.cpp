// Header of a table file: reading and checking any supported level, writing level 7.
#include "common/dbf/dbf_formato.h"

#include "common/error.h"
#include "common/texto.h"

#include <cstdio>
#include <ctime>
#include <limits>
#include <unordered_set>

namespace ph::dbf {

namespace {

unsigned Byte(const std::string& c, size_t i) { return static_cast<unsigned char>(c[i]); }
unsigned Palabra(const std::string& c, size_t i) { return Byte(c, i) | Byte(c, i + 1) << 8; }
std::uint32_t Doble(const std::string& c, size_t i) {
    return Palabra(c, i) | static_cast<std::uint32_t>(Palabra(c, i + 2)) << 16;
}

// Text up to the first NUL of a fixed-width area.
std::string HastaNulo(const std::string& c, size_t desde, size_t ancho) {
    size_t n = 0;
    while (n < ancho && c[desde + n] != '\0') ++n;
    return c.substr(desde, n);
}

bool Familiade(unsigned char version, Familia& familia) {
    switch (version) {
        case 0x02: case 0x03: case 0x83: case 0x8B:
            familia = Familia::DBase;
            return true;
        case 0x04: case 0x8C:
            familia = Familia::Nivel7;
            return true;
        case 0x30: case 0x31: case 0x32: case 0xF5: case 0xFB:
            familia = Familia::FoxPro;
            return true;
        default:
            return false;
    }
}

// Code page of a language driver byte (dBase and FoxPro share the numbering); 0 unknown.
int PaginaDeByte(unsigned b) {
    struct Par { unsigned char id; short pagina; };
    static const Par tabla[] = {
        {0x01, 437},  {0x02, 850},  {0x03, 1252}, {0x04, 10000}, {0x08, 865},  {0x09, 437},
        {0x0A, 850},  {0x0B, 437},  {0x0C, 850},  {0x0D, 437},   {0x0E, 850},  {0x0F, 437},
        {0x10, 850},  {0x11, 437},  {0x12, 850},  {0x13, 932},   {0x14, 850},  {0x15, 437},
        {0x16, 850},  {0x17, 865},  {0x18, 437},  {0x19, 437},   {0x1A, 850},  {0x1B, 437},
        {0x1C, 863},  {0x1D, 850},  {0x1F, 852},  {0x22, 852},   {0x23, 852},  {0x24, 860},
        {0x25, 850},  {0x26, 866},  {0x37, 850},  {0x40, 852},   {0x4D, 936},  {0x4E, 949},
        {0x4F, 950},  {0x50, 874},  {0x57, 1252}, {0x58, 1252},  {0x59, 1252}, {0x64, 852},
        {0x65, 866},  {0x66, 865},  {0x67, 861},  {0x6A, 737},   {0x6B, 857},  {0x78, 950},
        {0x79, 949},  {0x7A, 936},  {0x7B, 932},  {0x7C, 874},   {0x7D, 1255}, {0x7E, 1256},
        {0x86, 737},  {0x87, 852},  {0x88, 857},  {0x96, 10007}, {0x97, 10029}, {0xC8, 1250},
        {0xC9, 1251}, {0xCA, 1254}, {0xCB, 1253},
    };
    for (const Par& p : tabla)
        if (p.id == b) return p.pagina;
    return 0;
}

bool Digitos(const std::string& t) {
    if (t.empty()) return false;
    for (char c : t)
        if (c < '0' || c > '9') return false;
    return true;
}

// Code page of a level-7 language driver name: "DBWINWE0" is Windows-1252, "DB437US0"
// page 437, "FOXDEWIN" 1252, "FOXNO865" 865; 0 unknown.
int PaginaDeNombre(const std::string& nombre) {
    if (nombre == "DBHEBREW") return 1255;
    if (nombre.rfind("BGDB868", 0) == 0) return 868;
    std::string pagina;
    if (nombre.size() >= 5 && nombre.compare(0, 2, "DB") == 0) pagina = nombre.substr(2, 3);
    else if (nombre.size() >= 8 && nombre.compare(0, 3, "FOX") == 0) pagina = nombre.substr(5, 3);
    if (pagina == "WIN") return 1252;
    if (Digitos(pagina)) return std::stoi(pagina);
    return 0;
}

// The name, kind, width and decimals of the field descriptor at pos, as the family lays
// them out (the caller has checked that the whole descriptor is there).
Campo LeerDescriptor(const std::string& c, size_t pos, Familia familia) {
    Campo campo;
    if (familia == Familia::Nivel7) {
        campo.nombre = HastaNulo(c, pos, 32);
        campo.tipo = c[pos + 32];
        campo.longitud = static_cast<int>(Byte(c, pos + 33));
        campo.decimales = static_cast<int>(Byte(c, pos + 34));
        return campo;
    }
    campo.nombre = HastaNulo(c, pos, 11);
    campo.tipo = c[pos + 11];
    campo.longitud = static_cast<int>(Byte(c, pos + 16));
    campo.decimales = static_cast<int>(Byte(c, pos + 17));
    if (familia == Familia::FoxPro && campo.tipo == 'C') {
        // FoxPro keeps the high byte of a long text width in the decimals byte.
        campo.longitud += campo.decimales * 256;
        campo.decimales = 0;
    }
    return campo;
}

}  // namespace

Cabecera LeerCabecera(const std::string& ruta, const std::string& c) {
    auto danada = [&](const std::string& problema) -> Error {
        return Error("La tabla «" + ruta + "» está dañada: " + problema + ".");
    };
    const size_t tam = c.size();
    if (tam == 0) throw danada("el archivo está vacío");
    if (tam < 32) throw danada("la cabecera está incompleta (el archivo tiene " + std::to_string(tam) + " bytes)");

    Cabecera k;
    k.version = static_cast<unsigned char>(c[0]);
    if (!Familiade(k.version, k.familia)) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "0x%02X", k.version);
        throw Error("La tabla «" + ruta + "» no es una tabla dBase que se sepa leer (versión " + hex + ").");
    }
    const std::uint32_t filas = Doble(c, 4);
    k.largoCabecera = static_cast<int>(Palabra(c, 8));
    k.largoRegistro = static_cast<int>(Palabra(c, 10));

    const bool nivel7 = k.familia == Familia::Nivel7;
    const size_t inicio = nivel7 ? 68 : 32;
    const size_t descriptor = nivel7 ? 48 : 32;
    if (static_cast<size_t>(k.largoCabecera) < inicio + 1)
        throw danada("la longitud de la cabecera (" + std::to_string(k.largoCabecera) + ") es menor que la mínima");
    if (static_cast<size_t>(k.largoCabecera) > tam)
        throw danada("la cabecera declara " + std::to_string(k.largoCabecera) + " bytes y el archivo solo tiene " +
                     std::to_string(tam));
    if (k.largoRegistro == 0) throw danada("la longitud de registro es cero");

    // Code page: a level-7 file names its language driver; others carry its byte.
    int pagina = nivel7 ? PaginaDeNombre(HastaNulo(c, 32, 32)) : 0;
    if (pagina == 0) pagina = PaginaDeByte(Byte(c, 29));
    k.paginaCodigos = pagina ? pagina : 1252;

    size_t pos = inicio;
    int desplazamiento = 1;
    const size_t fin = static_cast<size_t>(k.largoCabecera);
    for (;;) {
        if (pos >= fin) throw danada("falta el final de la lista de campos (byte 0x0D)");
        if (c[pos] == '\x0D') break;
        if (pos + descriptor > fin) throw danada("falta el final de la lista de campos (byte 0x0D)");
        Campo campo = LeerDescriptor(c, pos, k.familia);
        campo.clave = MayusculasAscii(campo.nombre);
        campo.desplazamiento = desplazamiento;
        desplazamiento += campo.longitud;
        if (desplazamiento > k.largoRegistro)
            throw danada("el campo «" + campo.nombre + "» sale del registro de " + std::to_string(k.largoRegistro) +
                         " bytes");
        k.campos.push_back(std::move(campo));
        pos += descriptor;
    }

    const unsigned long long necesario =
        static_cast<unsigned long long>(k.largoCabecera) + static_cast<unsigned long long>(filas) * k.largoRegistro;
    if (necesario > tam) {
        unsigned long long caben = (tam - k.largoCabecera) / k.largoRegistro;
        throw danada("la cabecera declara " + std::to_string(filas) + " filas y el archivo solo tiene sitio para " +
                     std::to_string(caben));
    }
    // `long` has 32 bits on Windows: a count it cannot hold is refused, never wrapped.
    if (filas > static_cast<std::uint32_t>(std::numeric_limits<long>::max()))
        throw danada("la cabecera declara " + std::to_string(filas) + " filas, más de las que se pueden leer");
    k.filas = static_cast<long>(filas);
    return k;
}

void FechaDeHoy(unsigned char* destino) {
    std::time_t ahora = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &ahora);
#else
    localtime_r(&ahora, &local);
#endif
    destino[0] = static_cast<unsigned char>(local.tm_year);  // years since 1900
    destino[1] = static_cast<unsigned char>(local.tm_mon + 1);
    destino[2] = static_cast<unsigned char>(local.tm_mday);
}

std::string TablaVaciaNivel7(const std::string& ruta, const std::vector<DefCampo>& campos) {
    auto invalida = [&](const std::string& problema) -> Error {
        return Error("No se puede crear la tabla «" + ruta + "»: " + problema + ".");
    };
    if (campos.empty()) throw invalida("no tiene campos");
    const size_t largoCabecera = 68 + 48 * campos.size() + 1;
    if (largoCabecera > 0xFFFF) throw invalida("tiene demasiados campos");

    std::string c(largoCabecera + 1, '\0');
    c[0] = '\x04';
    FechaDeHoy(reinterpret_cast<unsigned char*>(&c[1]));
    c[8] = static_cast<char>(largoCabecera & 0xFF);
    c[9] = static_cast<char>(largoCabecera >> 8);
    const std::string idioma = "DBWINWE0";  // Windows-1252, Western Europe
    c.replace(32, idioma.size(), idioma);

    std::unordered_set<std::string> vistos;
    size_t largoRegistro = 1;
    size_t pos = 68;
    for (const DefCampo& d : campos) {
        const std::string nombre = MayusculasAscii(d.nombre);
        if (nombre.empty()) throw invalida("un campo no tiene nombre");
        if (nombre.size() > 31) throw invalida("el nombre del campo «" + d.nombre + "» pasa de 31 caracteres");
        if (nombre.find('\0') != std::string::npos) throw invalida("el nombre del campo «" + d.nombre + "» no es válido");
        if (!vistos.insert(nombre).second) throw invalida("el campo «" + d.nombre + "» está repetido");
        char tipo = 'C';
        int longitud = 0, decimales = 0;
        switch (d.tipo) {
            case TipoCampo::Texto:
                if (d.ancho < 1 || d.ancho > 255)
                    throw invalida("el ancho del campo «" + d.nombre + "» (" + std::to_string(d.ancho) +
                                   ") no está entre 1 y 255");
                longitud = d.ancho;
                break;
            case TipoCampo::Entero: tipo = 'I'; longitud = 4; break;
            case TipoCampo::Flotante: tipo = 'N'; longitud = 18; decimales = 8; break;
            case TipoCampo::Logico: tipo = 'L'; longitud = 1; break;
        }
        c.replace(pos, nombre.size(), nombre);
        c[pos + 32] = tipo;
        c[pos + 33] = static_cast<char>(longitud);
        c[pos + 34] = static_cast<char>(decimales);
        largoRegistro += static_cast<size_t>(longitud);
        pos += 48;
    }
    if (largoRegistro > 0xFFFF) throw invalida("sus campos pasan de 65535 bytes");
    c[10] = static_cast<char>(largoRegistro & 0xFF);
    c[11] = static_cast<char>(largoRegistro >> 8);
    c[pos] = '\x0D';
    c[pos + 1] = '\x1A';
    return c;
}

}  // namespace ph::dbf
