// Stored form of each field kind, and the conversions between the accessors' types.
#include "common/dbf/dbf_formato.h"

#include "common/error.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace ph::dbf {

namespace {

std::string Nombres(const Contexto& ctx) {
    return "del campo «" + ctx.campo.nombre + "» de la tabla «" + ctx.ruta + "»";
}

bool EsBlanco(char c) { return c == ' ' || c == '\0'; }

// The stored text without the blanks (or NULs) that pad it at the end.
std::string_view SinRelleno(const char* p, size_t n) {
    while (n > 0 && EsBlanco(p[n - 1])) --n;
    return {p, n};
}

std::string_view SinBlancos(std::string_view t) {
    while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
    while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
    return t;
}

bool LeerEntero(std::string_view t, long long& v) {
    t = SinBlancos(t);
    if (!t.empty() && t.front() == '+') t.remove_prefix(1);
    if (t.empty() || t.front() == ' ') return false;
    auto r = std::from_chars(t.data(), t.data() + t.size(), v);
    return r.ec == std::errc() && r.ptr == t.data() + t.size();
}

bool LeerReal(std::string_view t, double& v) {
    t = SinBlancos(t);
    if (!t.empty() && t.front() == '+') t.remove_prefix(1);
    if (t.empty()) return false;
    for (char c : t)  // digits, sign, point and exponent only: no "inf", no "nan"
        if (!(c >= '0' && c <= '9') && c != '-' && c != '+' && c != '.' && c != 'e' && c != 'E') return false;
    auto r = std::from_chars(t.data(), t.data() + t.size(), v);
    return r.ec == std::errc() && r.ptr == t.data() + t.size() && std::isfinite(v);
}

std::uint64_t BigEndian(const char* p, int n) {
    std::uint64_t v = 0;
    for (int i = 0; i < n; ++i) v = v << 8 | static_cast<unsigned char>(p[i]);
    return v;
}

std::uint64_t LittleEndian(const char* p, int n) {
    std::uint64_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(p[i]);
    return v;
}

void PonerBigEndian(char* p, int n, std::uint64_t v) {
    for (int i = n - 1; i >= 0; --i, v >>= 8) p[i] = static_cast<char>(v & 0xFF);
}

void PonerLittleEndian(char* p, int n, std::uint64_t v) {
    for (int i = 0; i < n; ++i, v >>= 8) p[i] = static_cast<char>(v & 0xFF);
}

double RealDeBits(std::uint64_t bits) {
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

std::uint64_t BitsDeReal(double d) {
    std::uint64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    return bits;
}

constexpr std::uint64_t kSigno = 0x8000000000000000ull;

// Round half to even, as the number conversions of the platform's engine do.
bool Redondear(double d, long long& v) {
    double r = std::nearbyint(d);
    if (!(r >= -9.2233720368547758e18 && r < 9.2233720368547758e18)) return false;
    v = static_cast<long long>(r);
    return true;
}

// Fixed notation with `decimales` digits after the point, right-aligned in `ancho`
// characters; fewer decimals when the number needs the room. False when it cannot fit.
bool FormatoFijo(double v, int ancho, int decimales, std::string& salida) {
    if (v == 0) v = 0;  // no "-0"
    char buf[400];
    for (int d = decimales; d >= 0; --d) {
        auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, d);
        if (r.ec != std::errc()) return false;
        int n = static_cast<int>(r.ptr - buf);
        if (n <= ancho) {
            salida.assign(static_cast<size_t>(ancho - n), ' ');
            salida.append(buf, static_cast<size_t>(n));
            return true;
        }
    }
    return false;
}

long long EnteroParaCampo(const Contexto& ctx, const Valor& v, long long minimo, long long maximo) {
    long long n = ComoEntero(ctx, v);
    if (n < minimo || n > maximo)
        throw Error("El valor " + std::to_string(n) + " no cabe en el campo «" + ctx.campo.nombre +
                    "» de la tabla «" + ctx.ruta + "».");
    return n;
}

// A number stored as text (N, F): blank, the number, or, when it does not read as one,
// its text, for the messages.
Valor NumeroDeTexto(const char* p, int n, const PaginaCodigos& pagina) {
    Valor v;
    std::string_view t = SinBlancos(SinRelleno(p, static_cast<size_t>(n)));
    if (t.empty()) return v;
    if (LeerReal(t, v.real)) {
        v.clase = Valor::Real;
    } else {
        v.clase = Valor::Texto;
        v.texto = pagina.AUtf8(t.data(), t.size());
    }
    return v;
}

// A logical (L) from its byte: "T" or "Y" true, "F" or "N" false, in either case; a blank
// or "?" was never set.
Valor LogicoDeByte(char b) {
    Valor v;
    switch (b) {
        case 'T': case 't': case 'Y': case 'y': v.clase = Valor::Logico; v.logico = true; break;
        case 'F': case 'f': case 'N': case 'n': v.clase = Valor::Logico; v.logico = false; break;
        default: break;
    }
    return v;
}

// Writes a number as text (N, F), right-aligned in the field's width with its decimals,
// fewer when the number needs the room. A whole number beyond 2^53 is written digit for
// digit. A number that does not fit is an error.
void NumeroComoTexto(const Contexto& ctx, char* p, const Valor& valor) {
    const Campo& campo = ctx.campo;
    const int n = campo.longitud;
    std::string t;
    bool cabe;
    if (valor.clase == Valor::Entero && std::llabs(valor.entero) > (1LL << 53)) {
        t = std::to_string(valor.entero);
        cabe = static_cast<int>(t.size()) <= n;
        if (cabe) t.insert(0, static_cast<size_t>(n) - t.size(), ' ');
    } else {
        cabe = FormatoFijo(ComoReal(ctx, valor), n, campo.decimales, t);
    }
    if (!cabe)
        throw Error("El valor " + ComoTexto(valor) + " no cabe en el campo «" + campo.nombre + "» de la tabla «" +
                    ctx.ruta + "».");
    std::memcpy(p, t.data(), t.size());
}

// Writes a date (D): eight digits, AAAAMMDD; anything else is an error.
void FechaComoTexto(const Contexto& ctx, char* p, const Valor& valor) {
    std::string t = ComoTexto(valor);
    bool digitos = t.size() == 8;
    for (char c : t) digitos = digitos && c >= '0' && c <= '9';
    if (!digitos) throw Error("El valor «" + t + "» no es una fecha (AAAAMMDD) " + Nombres(ctx) + ".");
    std::memcpy(p, t.data(), std::min<size_t>(8, static_cast<size_t>(ctx.campo.longitud)));
}

// A currency value (Y) in ten-thousandths: a stored one as it is, any other number rounded.
long long DiezmilesimasParaCampo(const Contexto& ctx, const Valor& valor) {
    long long v;
    if (valor.clase == Valor::Moneda) v = valor.entero;
    else if (!Redondear(ComoReal(ctx, valor) * 10000.0, v))
        throw Error("El valor " + ComoTexto(valor) + " no cabe " + Nombres(ctx) + ".");
    return v;
}

}  // namespace

std::string TextoDeReal(double v) {
    if (v == 0) return "0";
    char buf[400];
    const double a = std::fabs(v);
    auto fmt = a >= 1e-7 && a < 1e21 ? std::chars_format::fixed : std::chars_format::general;
    auto r = std::to_chars(buf, buf + sizeof buf, v, fmt);
    return std::string(buf, r.ptr);
}

Valor Decodificar(const Campo& campo, Familia familia, const char* registro, const PaginaCodigos& pagina) {
    const char* p = registro + campo.desplazamiento;
    const int n = campo.longitud;
    const bool nivel7 = familia == Familia::Nivel7;
    const bool fox = familia == Familia::FoxPro;
    Valor v;
    switch (campo.tipo) {
        case 'N':
        case 'F':
            return NumeroDeTexto(p, n, pagina);
        case 'L':
            return n < 1 ? v : LogicoDeByte(p[0]);
        case 'I':
        case '+':
            if (n != 4) break;
            if (nivel7) {
                std::uint64_t u = BigEndian(p, 4);
                if (u == 0) return v;
                v.entero = static_cast<std::int32_t>(static_cast<std::uint32_t>(u ^ 0x80000000u));
            } else {
                v.entero = static_cast<std::int32_t>(static_cast<std::uint32_t>(LittleEndian(p, 4)));
            }
            v.clase = Valor::Entero;
            return v;
        case 'O':
            if (n != 8) break;
            if (std::uint64_t u = BigEndian(p, 8); u != 0) {
                v.clase = Valor::Real;
                v.real = RealDeBits((u & kSigno) ? (u ^ kSigno) : ~u);
            }
            return v;
        case 'B':
            if (!fox || n != 8) break;
            if (SinRelleno(p, 8).empty()) return v;  // blanks, as some engines leave a new row
            v.clase = Valor::Real;
            v.real = RealDeBits(LittleEndian(p, 8));
            return v;
        case 'Y':
            if (n != 8) break;
            v.clase = Valor::Moneda;
            v.entero = static_cast<long long>(LittleEndian(p, 8));
            return v;
        case '@':
        case '0':
        case 'Q':
            return v;  // time stamps and binary data: not read
        case 'T':
            if (fox) return v;
            break;
        default:
            break;
    }
    std::string_view t = SinRelleno(p, static_cast<size_t>(n));
    v.clase = Valor::Texto;
    v.texto = pagina.AUtf8(t.data(), t.size());
    return v;
}

void Blanquear(const Campo& campo, Familia familia, char* registro) {
    char* p = registro + campo.desplazamiento;
    const size_t n = static_cast<size_t>(campo.longitud);
    bool binario = false;
    switch (campo.tipo) {
        case 'I': case '+': case 'O': case '@': case '0': case 'Y': case 'W': binario = true; break;
        case 'B': case 'T': binario = familia == Familia::FoxPro; break;
        case 'M': binario = n == 4; break;
        default: break;
    }
    std::memset(p, binario ? 0 : ' ', n);
}

void Codificar(const Contexto& ctx, Familia familia, char* registro, const Valor& valor,
               const PaginaCodigos& pagina) {
    const Campo& campo = ctx.campo;
    char* p = registro + campo.desplazamiento;
    const int n = campo.longitud;
    const bool nulo = valor.clase == Valor::Nulo || (valor.clase == Valor::Texto && valor.texto.empty());
    if (nulo) {
        Blanquear(campo, familia, registro);
        return;
    }
    const bool fox = familia == Familia::FoxPro;
    switch (campo.tipo) {
        case 'N':
        case 'F':
            NumeroComoTexto(ctx, p, valor);
            return;
        case 'L':
            if (n >= 1) p[0] = ComoLogico(ctx, valor) ? 'T' : 'F';
            return;
        case 'D':
            FechaComoTexto(ctx, p, valor);
            return;
        case 'I':
        case '+':
            if (n != 4) break;
            {
                // At level 7 all zero bytes mean blank, which leaves the smallest number out.
                const long long minimo = std::numeric_limits<std::int32_t>::min() + (familia == Familia::Nivel7);
                auto v = static_cast<std::uint32_t>(static_cast<std::int32_t>(
                    EnteroParaCampo(ctx, valor, minimo, std::numeric_limits<std::int32_t>::max())));
                if (familia == Familia::Nivel7) PonerBigEndian(p, 4, v ^ 0x80000000u);
                else PonerLittleEndian(p, 4, v);
            }
            return;
        case 'O':
            if (n != 8) break;
            {
                double d = ComoReal(ctx, valor);
                if (d == 0) d = 0;
                std::uint64_t bits = BitsDeReal(d);
                PonerBigEndian(p, 8, d < 0 ? ~bits : bits ^ kSigno);
            }
            return;
        case 'B':
            if (!fox || n != 8) break;
            PonerLittleEndian(p, 8, BitsDeReal(ComoReal(ctx, valor)));
            return;
        case 'Y':
            if (n != 8) break;
            PonerLittleEndian(p, 8, static_cast<std::uint64_t>(DiezmilesimasParaCampo(ctx, valor)));
            return;
        default:
            break;
    }
    if (campo.tipo != 'C')
        throw Error("No se sabe escribir en el campo «" + campo.nombre + "» (tipo " + std::string(1, campo.tipo) +
                    ") de la tabla «" + ctx.ruta + "».");
    std::string t = pagina.DeUtf8(ComoTexto(valor), static_cast<size_t>(n));
    std::memcpy(p, t.data(), t.size());
    std::memset(p + t.size(), ' ', static_cast<size_t>(n) - t.size());
}

std::string ComoTexto(const Valor& v) {
    switch (v.clase) {
        case Valor::Nulo: return "";
        case Valor::Texto: return v.texto;
        case Valor::Entero: return std::to_string(v.entero);
        case Valor::Real: return TextoDeReal(v.real);
        case Valor::Logico: return v.logico ? "T" : "F";
        case Valor::Moneda: {
            unsigned long long a = v.entero < 0 ? 0ull - static_cast<unsigned long long>(v.entero)
                                                : static_cast<unsigned long long>(v.entero);
            std::string t = (v.entero < 0 ? "-" : "") + std::to_string(a / 10000);
            std::string fraccion = std::to_string(a % 10000 + 10000).substr(1);
            while (!fraccion.empty() && fraccion.back() == '0') fraccion.pop_back();
            return fraccion.empty() ? t : t + "." + fraccion;
        }
    }
    return "";
}

long long ComoEntero(const Contexto& ctx, const Valor& v) {
    long long n = 0;
    switch (v.clase) {
        case Valor::Nulo: return 0;
        case Valor::Entero: return v.entero;
        case Valor::Logico: return v.logico ? 1 : 0;
        case Valor::Texto:
            if (LeerEntero(v.texto, n)) return n;
            throw Error("El valor «" + v.texto + "» " + Nombres(ctx) + " no es un número entero.");
        case Valor::Real:
            if (Redondear(v.real, n)) return n;
            break;
        case Valor::Moneda:
            if (Redondear(static_cast<double>(v.entero) / 10000.0, n)) return n;
            break;
    }
    throw Error("El valor " + ComoTexto(v) + " " + Nombres(ctx) + " no cabe en un número entero.");
}

double ComoReal(const Contexto& ctx, const Valor& v) {
    double d = 0;
    switch (v.clase) {
        case Valor::Nulo: return 0;
        case Valor::Entero: return static_cast<double>(v.entero);
        case Valor::Real: return v.real;
        case Valor::Logico: return v.logico ? 1 : 0;
        case Valor::Moneda: return static_cast<double>(v.entero) / 10000.0;
        case Valor::Texto:
            if (LeerReal(v.texto, d)) return d;
            throw Error("El valor «" + v.texto + "» " + Nombres(ctx) + " no es un número.");
    }
    return 0;
}

bool ComoLogico(const Contexto& ctx, const Valor& v) {
    switch (v.clase) {
        case Valor::Nulo: return false;
        case Valor::Logico: return v.logico;
        case Valor::Entero:
        case Valor::Moneda: return v.entero != 0;
        case Valor::Real: return v.real != 0;
        case Valor::Texto:
            if (v.texto.empty()) return false;
            switch (v.texto[0]) {
                case 'T': case 't': case 'Y': case 'y': case 'S': case 's': return true;
                case 'F': case 'f': case 'N': case 'n': return false;
                default: break;
            }
            throw Error("El valor «" + v.texto + "» " + Nombres(ctx) + " no es un valor lógico.");
    }
    return false;
}

}  // namespace ph::dbf
