// windows-1252 for libxml2 on Windows, where it is built without iconv: a conversion
// table made once from the system's code-page API, and the two functions libxml2 calls to
// read and write that encoding.
#include "common/xml_codificaciones.h"

#ifdef _WIN32

#include <libxml/encoding.h>

#include <windows.h>

#include <array>
#include <map>

namespace ph {

namespace {

constexpr char32_t kSinDefinir = 0xFFFFFFFF;

struct Tabla {
    std::array<char32_t, 256> aUnicode{};
    std::map<char32_t, unsigned char> deUnicode;
};

const Tabla& Tabla1252() {
    static const Tabla t = [] {
        Tabla r;
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            wchar_t w = 0;
            const bool ok = MultiByteToWideChar(1252, MB_ERR_INVALID_CHARS, &byte, 1, &w, 1) == 1;
            r.aUnicode[static_cast<size_t>(b)] = ok ? static_cast<char32_t>(w) : kSinDefinir;
            if (ok) r.deUnicode.emplace(static_cast<char32_t>(w), static_cast<unsigned char>(b));
        }
        return r;
    }();
    return t;
}

// The protocol of libxml2's conversion functions: on return *inlen holds the input bytes
// consumed and *outlen the bytes written; the result is the bytes written, -2 for input
// that cannot be converted, -3 for a character cut at the end of the input.

int Windows1252AUtf8(unsigned char* out, int* outlen, const unsigned char* in, int* inlen) {
    if (!out || !outlen || !inlen) return -1;
    if (!in) {
        *outlen = *inlen = 0;
        return 0;
    }
    const Tabla& t = Tabla1252();
    int i = 0, o = 0;
    int resultado = 0;
    for (; i < *inlen; ++i) {
        const char32_t cp = t.aUnicode[in[i]];
        if (cp == kSinDefinir) {
            resultado = -2;
            break;
        }
        const int largo = cp < 0x80 ? 1 : cp < 0x800 ? 2 : 3;
        if (o + largo > *outlen) break;
        if (largo == 1) {
            out[o++] = static_cast<unsigned char>(cp);
        } else if (largo == 2) {
            out[o++] = static_cast<unsigned char>(0xC0 | cp >> 6);
            out[o++] = static_cast<unsigned char>(0x80 | (cp & 0x3F));
        } else {
            out[o++] = static_cast<unsigned char>(0xE0 | cp >> 12);
            out[o++] = static_cast<unsigned char>(0x80 | (cp >> 6 & 0x3F));
            out[o++] = static_cast<unsigned char>(0x80 | (cp & 0x3F));
        }
    }
    *inlen = i;
    *outlen = o;
    return resultado < 0 ? resultado : o;
}

int Utf8AWindows1252(unsigned char* out, int* outlen, const unsigned char* in, int* inlen) {
    if (!out || !outlen || !inlen) return -1;
    if (!in) {
        *outlen = *inlen = 0;
        return 0;
    }
    const Tabla& t = Tabla1252();
    int i = 0, o = 0;
    int resultado = 0;
    while (i < *inlen && o < *outlen) {
        const unsigned char c = in[i];
        const int extra = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : -1;
        if (extra < 0) {
            resultado = -2;
            break;
        }
        if (i + extra >= *inlen && extra > 0) {
            resultado = -3;
            break;
        }
        char32_t cp = extra == 0 ? c : static_cast<char32_t>(c & (0x3F >> extra));
        bool valido = true;
        for (int k = 1; k <= extra; ++k) {
            if ((in[i + k] & 0xC0) != 0x80) valido = false;
            cp = cp << 6 | (in[i + k] & 0x3F);
        }
        const auto it = valido ? t.deUnicode.find(cp) : t.deUnicode.end();
        if (it == t.deUnicode.end()) {
            resultado = -2;
            break;
        }
        out[o++] = it->second;
        i += extra + 1;
    }
    *inlen = i;
    *outlen = o;
    return resultado < 0 ? resultado : o;
}

}  // namespace

void RegistrarCodificacionesXml() {
    if (xmlNewCharEncodingHandler("windows-1252", Windows1252AUtf8, Utf8AWindows1252))
        xmlAddEncodingAlias("WINDOWS-1252", "CP1252");
}

}  // namespace ph

#else

namespace ph {

void RegistrarCodificacionesXml() {}

}  // namespace ph

#endif
