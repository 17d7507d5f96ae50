// Code pages of stored text: conversion from and to UTF-8 through iconv.
#include "common/dbf_formato.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>
#include <map>
#include <mutex>

namespace ph::dbf {

namespace {

std::string NombreIconv(int numero) {
    switch (numero) {
        case 10000: return "MACINTOSH";
        case 10007: return "MAC-CYRILLIC";
        case 10029: return "MAC-CENTRALEUROPE";
        default: return "CP" + std::to_string(numero);
    }
}

// Single-byte pages are converted through tables; these are not.
bool MultiByte(int numero) { return numero == 932 || numero == 936 || numero == 949 || numero == 950; }

class Conversion {
public:
    Conversion(const std::string& a, const std::string& de) : cd_(iconv_open(a.c_str(), de.c_str())) {}
    ~Conversion() {
        if (Valida()) iconv_close(cd_);
    }
    Conversion(const Conversion&) = delete;
    Conversion& operator=(const Conversion&) = delete;
    bool Valida() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    // Converts the whole input; false when any part of it cannot be converted.
    bool Convertir(const char* entrada, size_t n, std::string& salida) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        salida.assign(n * 4 + 8, '\0');
        char* in = const_cast<char*>(entrada);
        char* out = salida.data();
        size_t quedan = n, libres = salida.size();
        if (iconv(cd_, &in, &quedan, &out, &libres) == static_cast<size_t>(-1)) return false;
        if (iconv(cd_, nullptr, nullptr, &out, &libres) == static_cast<size_t>(-1)) return false;
        salida.resize(salida.size() - libres);
        return true;
    }

private:
    iconv_t cd_;
};

// Decodes one UTF-8 character at pos (advancing it); malformed bytes give U+FFFD.
char32_t SiguienteCaracter(const std::string& t, size_t& pos) {
    const auto b = [&](size_t i) { return static_cast<unsigned char>(t[i]); };
    const unsigned char c = b(pos);
    if (c < 0x80) {
        ++pos;
        return c;
    }
    const int extra = (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : 0;
    if (extra == 0) {
        ++pos;
        return 0xFFFD;
    }
    char32_t cp = c & (0x3F >> extra);
    for (int i = 1; i <= extra; ++i) {
        if (pos + i >= t.size() || (b(pos + i) & 0xC0) != 0x80) {
            pos += i;
            return 0xFFFD;
        }
        cp = cp << 6 | (b(pos + i) & 0x3F);
    }
    static const char32_t minimo[] = {0, 0x80, 0x800, 0x10000};
    pos += extra + 1;
    if (cp < minimo[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0xFFFD;
    return cp;
}

void AnadirUtf8(std::string& s, char32_t cp) {
    if (cp < 0x80) {
        s += static_cast<char>(cp);
    } else if (cp < 0x800) {
        s += static_cast<char>(0xC0 | cp >> 6);
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        s += static_cast<char>(0xE0 | cp >> 12);
        s += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | cp >> 18);
        s += static_cast<char>(0x80 | (cp >> 12 & 0x3F));
        s += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

const std::string kSustituto = "\xEF\xBF\xBD";  // U+FFFD

}  // namespace

PaginaCodigos::PaginaCodigos(int numero, const std::string& nombreIconv)
    : numero_(numero), nombreIconv_(nombreIconv), unByte_(!MultiByte(numero)) {
    if (!unByte_) return;
    Conversion a("UTF-8", nombreIconv_);
    decodificar_.resize(256);
    for (int b = 0; b < 256; ++b) {
        char byte = static_cast<char>(b);
        std::string utf8;
        if (a.Convertir(&byte, 1, utf8) && !utf8.empty()) {
            decodificar_[b] = utf8;
            size_t pos = 0;
            codificar_.emplace_back(SiguienteCaracter(utf8, pos), static_cast<unsigned char>(b));
        } else {
            decodificar_[b] = kSustituto;
        }
    }
    std::sort(codificar_.begin(), codificar_.end());
}

std::shared_ptr<const PaginaCodigos> PaginaCodigos::De(int numero) {
    static std::mutex m;
    static std::map<int, std::shared_ptr<const PaginaCodigos>> cache;
    std::lock_guard<std::mutex> l(m);
    auto it = cache.find(numero);
    if (it != cache.end()) return it->second;
    const std::string nombre = NombreIconv(numero);
    const bool convertible = Conversion("UTF-8", nombre).Valida() && Conversion(nombre, "UTF-8").Valida();
    if (!convertible && numero != 1252) {
        // Pages the system cannot convert are read as Windows-1252.
        auto windows = cache.find(1252);
        if (windows == cache.end())
            windows = cache.emplace(1252, std::make_shared<PaginaCodigos>(1252, "CP1252")).first;
        return cache.emplace(numero, windows->second).first->second;
    }
    return cache.emplace(numero, std::make_shared<PaginaCodigos>(numero, nombre)).first->second;
}

std::string PaginaCodigos::AUtf8(const char* bytes, size_t n) const {
    std::string s;
    if (unByte_) {
        s.reserve(n);
        for (size_t i = 0; i < n; ++i) s += decodificar_[static_cast<unsigned char>(bytes[i])];
        return s;
    }
    Conversion a("UTF-8", nombreIconv_);
    if (a.Convertir(bytes, n, s)) return s;
    // Convert what can be converted, one byte at a time where the text is broken.
    s.clear();
    for (size_t i = 0; i < n;) {
        std::string parte;
        size_t largo = 1;
        while (largo <= 2 && i + largo <= n && !a.Convertir(bytes + i, largo, parte)) ++largo;
        if (largo <= 2 && i + largo <= n) {
            s += parte;
            i += largo;
        } else {
            s += kSustituto;
            ++i;
        }
    }
    return s;
}

std::string PaginaCodigos::DeUtf8(const std::string& texto, size_t maximo) const {
    std::string s;
    std::string uno;
    Conversion* hacia = nullptr;
    std::unique_ptr<Conversion> conversion;
    if (!unByte_) {
        conversion = std::make_unique<Conversion>(nombreIconv_, "UTF-8");
        hacia = conversion.get();
    }
    for (size_t pos = 0; pos < texto.size() && s.size() < maximo;) {
        char32_t cp = SiguienteCaracter(texto, pos);
        if (unByte_) {
            auto it = std::lower_bound(codificar_.begin(), codificar_.end(), std::make_pair(cp, static_cast<unsigned char>(0)));
            s += (it != codificar_.end() && it->first == cp) ? static_cast<char>(it->second) : '?';
            continue;
        }
        std::string utf8;
        AnadirUtf8(utf8, cp);
        if (!hacia->Convertir(utf8.data(), utf8.size(), uno) || uno.empty()) uno = "?";
        if (s.size() + uno.size() > maximo) break;
        s += uno;
    }
    return s;
}

}  // namespace ph::dbf
