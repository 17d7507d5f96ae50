// Code pages of stored text: conversion from and to UTF-8 through iconv, or through the
// code-page API on Windows.
#include "common/dbf/dbf_formato.h"

#include <algorithm>
#include <cerrno>
#include <limits>
#include <map>
#include <mutex>

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace ph::dbf {

namespace {

// Single-byte pages are converted through tables; these are not.
bool MultiByte(int numero) { return numero == 932 || numero == 936 || numero == 949 || numero == 950; }

#ifdef _WIN32

// Windows converts through its own code-page API: nothing extra to ship.
class Conversion {
public:
    // From the page to UTF-8 (aUtf8) or from UTF-8 to the page.
    Conversion(int pagina, bool aUtf8) : pagina_(static_cast<UINT>(pagina)), aUtf8_(aUtf8) {}
    bool Valida() const { return IsValidCodePage(pagina_) != 0; }
    // Converts the whole input; false when any part of it cannot be converted.
    bool Convertir(const char* entrada, size_t n, std::string& salida) const {
        salida.clear();
        if (n == 0) return true;
        if (n > static_cast<size_t>(std::numeric_limits<int>::max() / 4)) return false;
        const int largo = static_cast<int>(n);
        const UINT de = aUtf8_ ? pagina_ : CP_UTF8;
        std::wstring ancho(n, L'\0');
        const int anchos = MultiByteToWideChar(de, MB_ERR_INVALID_CHARS, entrada, largo, ancho.data(), largo);
        if (anchos <= 0) return false;
        // Windows gives the unassigned bytes of its own pages (0x81 in Windows-1252) the C1
        // control of the same number; they have no character, as elsewhere.
        if (pagina_ >= 1250 && pagina_ <= 1258)
            for (int i = 0; i < anchos; ++i)
                if (ancho[static_cast<size_t>(i)] >= 0x80 && ancho[static_cast<size_t>(i)] <= 0x9F) return false;
        const UINT a = aUtf8_ ? CP_UTF8 : pagina_;
        salida.assign(static_cast<size_t>(anchos) * 4, '\0');
        BOOL sustituido = FALSE;
        // The "default character used" flag may not be asked of UTF-8.
        const int bytes = WideCharToMultiByte(a, aUtf8_ ? 0 : WC_NO_BEST_FIT_CHARS, ancho.data(), anchos, salida.data(),
                                              static_cast<int>(salida.size()), nullptr, aUtf8_ ? nullptr : &sustituido);
        if (bytes <= 0 || sustituido) return false;
        salida.resize(static_cast<size_t>(bytes));
        return true;
    }

private:
    UINT pagina_;
    bool aUtf8_;
};

#else

std::string NombreIconv(int numero) {
    switch (numero) {
        case 10000: return "MACINTOSH";
        case 10007: return "MAC-CYRILLIC";
        case 10029: return "MAC-CENTRALEUROPE";
        default: return "CP" + std::to_string(numero);
    }
}

class Conversion {
public:
    // From the page to UTF-8 (aUtf8) or from UTF-8 to the page.
    Conversion(int pagina, bool aUtf8)
        : cd_(aUtf8 ? iconv_open("UTF-8", NombreIconv(pagina).c_str())
                    : iconv_open(NombreIconv(pagina).c_str(), "UTF-8")) {}
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

#endif

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

PaginaCodigos::PaginaCodigos(int numero) : numero_(numero), unByte_(!MultiByte(numero)) {
    if (!unByte_) return;
    Conversion a(numero_, true);
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
    const bool convertible = Conversion(numero, true).Valida() && Conversion(numero, false).Valida();
    if (!convertible && numero != 1252) {
        // Pages the system cannot convert are read as Windows-1252.
        auto windows = cache.find(1252);
        if (windows == cache.end())
            windows = cache.emplace(1252, std::make_shared<PaginaCodigos>(1252)).first;
        return cache.emplace(numero, windows->second).first->second;
    }
    return cache.emplace(numero, std::make_shared<PaginaCodigos>(numero)).first->second;
}

std::string PaginaCodigos::AUtf8(const char* bytes, size_t n) const {
    std::string s;
    if (unByte_) {
        s.reserve(n);
        for (size_t i = 0; i < n; ++i) s += decodificar_[static_cast<unsigned char>(bytes[i])];
        return s;
    }
    Conversion a(numero_, true);
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
        conversion = std::make_unique<Conversion>(numero_, false);
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
        if (!hacia->Convertir(utf8.data(), utf8.size(), uno) || uno.empty()) uno.assign(1, '?');
        if (s.size() + uno.size() > maximo) break;
        s += uno;
    }
    return s;
}

}  // namespace ph::dbf
