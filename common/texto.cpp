#include "common/texto.h"

#include "common/error.h"

#include <cerrno>
#include <climits>

namespace ph {

std::string RTrim(const std::string& texto) {
    size_t fin = texto.size();
    while (fin > 0 && texto[fin - 1] == ' ') --fin;
    return texto.substr(0, fin);
}

std::string LTrim(const std::string& texto) {
    size_t ini = 0;
    while (ini < texto.size() && texto[ini] == ' ') ++ini;
    return texto.substr(ini);
}

std::string AllTrim(const std::string& texto) { return LTrim(RTrim(texto)); }

std::u16string AUtf16(const std::string& s) {
    std::u16string r;
    r.reserve(s.size());
    size_t i = 0, n = s.size();
    while (i < n) {
        unsigned char c = s[i];
        char32_t cp;
        size_t largo;
        if (c < 0x80) { cp = c; largo = 1; }
        else if ((c >> 5) == 0x6) { cp = c & 0x1F; largo = 2; }
        else if ((c >> 4) == 0xE) { cp = c & 0x0F; largo = 3; }
        else if ((c >> 3) == 0x1E) { cp = c & 0x07; largo = 4; }
        else { r.push_back(0xFFFD); ++i; continue; }
        if (i + largo > n) { r.push_back(0xFFFD); ++i; continue; }
        bool bien = true;
        for (size_t k = 1; k < largo; ++k) {
            unsigned char d = s[i + k];
            if ((d >> 6) != 0x2) { bien = false; break; }
            cp = (cp << 6) | (d & 0x3F);
        }
        if (!bien || (largo == 2 && cp < 0x80) || (largo == 3 && cp < 0x800) ||
            (largo == 4 && (cp < 0x10000 || cp > 0x10FFFF)) || (cp >= 0xD800 && cp <= 0xDFFF)) {
            r.push_back(0xFFFD);
            ++i;
            continue;
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            r.push_back(char16_t(0xD800 + (cp >> 10)));
            r.push_back(char16_t(0xDC00 + (cp & 0x3FF)));
        } else {
            r.push_back(char16_t(cp));
        }
        i += largo;
    }
    return r;
}

std::string AUtf8(const std::u16string& s) {
    std::string r;
    r.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        char32_t cp = s[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (s[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD;
        }
        if (cp < 0x80) r.push_back(char(cp));
        else if (cp < 0x800) { r.push_back(char(0xC0 | (cp >> 6))); r.push_back(char(0x80 | (cp & 0x3F))); }
        else if (cp < 0x10000) {
            r.push_back(char(0xE0 | (cp >> 12)));
            r.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
            r.push_back(char(0x80 | (cp & 0x3F)));
        } else {
            r.push_back(char(0xF0 | (cp >> 18)));
            r.push_back(char(0x80 | ((cp >> 12) & 0x3F)));
            r.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
            r.push_back(char(0x80 | (cp & 0x3F)));
        }
    }
    return r;
}

bool EsAscii(const std::string& texto) {
    for (unsigned char c : texto)
        if (c >= 0x80) return false;
    return true;
}

long Longitud(const std::string& texto) {
    if (EsAscii(texto)) return long(texto.size());
    return long(AUtf16(texto).size());
}

std::string Medio(const std::string& texto, long desde, long cuenta) {
    if (cuenta <= 0 || desde < 0) return {};
    if (EsAscii(texto)) {
        if (size_t(desde) >= texto.size()) return {};
        return texto.substr(size_t(desde), size_t(cuenta));
    }
    std::u16string u = AUtf16(texto);
    if (size_t(desde) >= u.size()) return {};
    return AUtf8(u.substr(size_t(desde), size_t(cuenta)));
}

std::string Left(const std::string& texto, long cuenta) {
    if (Longitud(texto) <= cuenta) return texto;
    return Medio(texto, 0, cuenta);
}

std::string Right(const std::string& texto, long cuenta) {
    long largo = Longitud(texto);
    if (largo <= cuenta) return texto;
    if (cuenta <= 0) return {};
    return Medio(texto, largo - cuenta, cuenta);
}

std::string Iniciales(const std::string& texto) {
    std::u16string t = AUtf16(texto);
    std::u16string r;
    const long L = long(t.size());
    // p is 1-based: t[p - 1] is the blank, t[p] the character after it.
    for (long p = 1; p <= L - 1; ++p) {
        if (t[p - 1] != u' ') continue;
        if (p < L - 4) {
            bool hayBlanco = false;
            for (long k = 0; k < 4; ++k)
                if (t[p + k] == u' ') hayBlanco = true;
            if (!hayBlanco) r.push_back(t[p]);
        } else {
            r.push_back(t[p]);
        }
    }
    return AUtf8(r);
}

std::string MayusculasAscii(const std::string& texto) {
    std::string r = texto;
    for (char& c : r)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return r;
}

std::string MinusculasAscii(const std::string& texto) {
    std::string r = texto;
    for (char& c : r)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return r;
}

std::string QuitarControles(const std::string& texto) {
    size_t ini = 0, fin = texto.size();
    while (ini < fin && (unsigned char)texto[ini] <= 0x20) ++ini;
    while (fin > ini && (unsigned char)texto[fin - 1] <= 0x20) --fin;
    return texto.substr(ini, fin - ini);
}

long EnteroDeTexto(const std::string& texto) {
    size_t i = 0;
    while (i < texto.size() && texto[i] == ' ') ++i;
    size_t ini = i;
    if (i < texto.size() && (texto[i] == '-' || texto[i] == '+')) ++i;
    size_t digitos = i;
    long long valor = 0;
    while (i < texto.size() && texto[i] >= '0' && texto[i] <= '9') {
        valor = valor * 10 + (texto[i] - '0');
        if (valor > INT_MAX) break;
        ++i;
    }
    if (i == digitos || i != texto.size() || valor > INT_MAX)
        throw Error("«" + texto + "» no es un número entero válido.");
    return (texto[ini] == '-') ? -long(valor) : long(valor);
}

}  // namespace ph
