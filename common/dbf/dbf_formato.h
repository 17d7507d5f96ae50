#pragma once
// Inner parts of the dBase table engine (common/dbf/dbf.h): the file header, the code pages
// of stored text and the stored form of each field kind. Only the engine includes this.
#include "common/dbf/dbf.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace ph::dbf {

// The three families of header layout and binary field storage.
enum class Familia {
    DBase,   // dBase III/IV: 32-byte header and field descriptors
    Nivel7,  // dBase level 7: 68-byte header, 48-byte descriptors, ordered big-endian binaries
    FoxPro,  // FoxPro / Visual FoxPro: dBase III descriptors, little-endian binaries
};

struct Campo {
    std::string nombre;    // as stored
    std::string clave;     // nombre in capitals (A-Z only), for lookups by name
    char tipo = 'C';       // the stored kind letter: C, N, F, L, D, I, +, O, B, Y, ...
    int longitud = 0;      // bytes in the record
    int decimales = 0;
    int desplazamiento = 0;  // offset in the record (the deletion flag is byte 0)
};

struct Cabecera {
    unsigned char version = 0;
    Familia familia = Familia::DBase;
    long filas = 0;          // record count stored in the header
    int largoCabecera = 0;   // bytes before the first record
    int largoRegistro = 0;   // bytes per record, deletion flag included
    int paginaCodigos = 1252;
    std::vector<Campo> campos;
};

// Reads and checks the header of a table file held in memory. Every inconsistency that
// would make a reader go out of bounds is an Error naming ruta and the problem.
Cabecera LeerCabecera(const std::string& ruta, const std::string& contenido);

// The bytes of an empty level-7 table with these fields (header, descriptors, terminator,
// end marker), dated today. Checks the field list; errors name ruta.
std::string TablaVaciaNivel7(const std::string& ruta, const std::vector<DefCampo>& campos);

// Stores today's date (year - 1900, month, day) in three bytes.
void FechaDeHoy(unsigned char* destino);

// A code page of stored text and its conversion from and to UTF-8.
class PaginaCodigos {
public:
    // The table for this code page number; Windows-1252 when the system cannot convert it.
    static std::shared_ptr<const PaginaCodigos> De(int numero);

    int Numero() const { return numero_; }
    std::string AUtf8(const char* bytes, size_t n) const;
    // At most maxCaracteres characters; a character the page cannot hold becomes "?".
    std::string DeUtf8(const std::string& texto, size_t maxCaracteres) const;

    explicit PaginaCodigos(int numero);  // use De()

private:
    int numero_;
    bool unByte_ = true;
    std::vector<std::string> decodificar_;  // 256 entries, UTF-8 of each byte
    std::vector<std::pair<char32_t, unsigned char>> codificar_;  // sorted by code point
};

// A field value in transit between the record bytes and the accessors.
struct Valor {
    enum Clase { Nulo, Texto, Entero, Real, Logico, Moneda } clase = Nulo;
    std::string texto;      // Texto
    long long entero = 0;   // Entero; Moneda in ten-thousandths
    double real = 0;        // Real
    bool logico = false;    // Logico
};

// Context of a conversion, for the messages of its errors.
struct Contexto {
    const std::string& ruta;
    const Campo& campo;
};

Valor Decodificar(const Campo& campo, Familia familia, const char* registro,
                  const PaginaCodigos& pagina);
void Codificar(const Contexto& ctx, Familia familia, char* registro, const Valor& valor,
               const PaginaCodigos& pagina);
// The blank value of each field kind, for a new row.
void Blanquear(const Campo& campo, Familia familia, char* registro);

std::string ComoTexto(const Valor& v);
long long ComoEntero(const Contexto& ctx, const Valor& v);
double ComoReal(const Contexto& ctx, const Valor& v);
bool ComoLogico(const Contexto& ctx, const Valor& v);

// Shortest decimal form of a number ("1", "2.5").
std::string TextoDeReal(double v);

}  // namespace ph::dbf
