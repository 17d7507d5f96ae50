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
            // Windows maps the five unassigned bytes (0x81, 0x8D, ...) to C1 controls; they
            // are no characters of the encoding, as for libxml2 elsewhere.
            const bool ok = MultiByteToWideChar(1252, MB_ERR_INVALID_CHARS, &byte, 1, &w, 1) == 1 &&
                            !(w >= 0x80 && w <= 0x9F);
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

// What converting the character at the front of the input came to: the bytes it took and
// gave, none when the output has no room for it, or the protocol's error.
struct Paso {
    int leidos = 0;
    int escritos = 0;
    int error = 0;
};
constexpr Paso kSinSitio{};
constexpr Paso kIlegible{0, 0, -2};
constexpr Paso kCortado{0, 0, -3};

// Runs paso(de, quedan, a, sitio) on each character in turn (de: its first byte, quedan:
// the input bytes left from there; a: where its bytes go, sitio: the room left) until the
// input ends, the output is full or a character cannot be converted, and reports as the
// protocol asks.
template <class PasoDeConversion>
int Convertir(unsigned char* out, int* outlen, const unsigned char* in, int* inlen, PasoDeConversion paso) {
    if (!out || !outlen || !inlen) return -1;
    if (!in) {
        *outlen = *inlen = 0;
        return 0;
    }
    int i = 0, o = 0;
    int resultado = 0;
    while (i < *inlen) {
        const Paso p = paso(in + i, *inlen - i, out + o, *outlen - o);
        resultado = p.error;
        if (p.error || p.leidos == 0) break;
        i += p.leidos;
        o += p.escritos;
    }
    *inlen = i;
    *outlen = o;
    return resultado < 0 ? resultado : o;
}

int Windows1252AUtf8(unsigned char* out, int* outlen, const unsigned char* in, int* inlen) {
    const Tabla& t = Tabla1252();
    return Convertir(out, outlen, in, inlen, [&t](const unsigned char* de, int, unsigned char* a, int sitio) {
        const char32_t cp = t.aUnicode[de[0]];
        if (cp == kSinDefinir) return kIlegible;
        const int largo = cp < 0x80 ? 1 : cp < 0x800 ? 2 : 3;
        if (largo > sitio) return kSinSitio;
        if (largo == 1) {
            a[0] = static_cast<unsigned char>(cp);
        } else if (largo == 2) {
            a[0] = static_cast<unsigned char>(0xC0 | cp >> 6);
            a[1] = static_cast<unsigned char>(0x80 | (cp & 0x3F));
        } else {
            a[0] = static_cast<unsigned char>(0xE0 | cp >> 12);
            a[1] = static_cast<unsigned char>(0x80 | (cp >> 6 & 0x3F));
            a[2] = static_cast<unsigned char>(0x80 | (cp & 0x3F));
        }
        return Paso{1, largo, 0};
    });
}

int Utf8AWindows1252(unsigned char* out, int* outlen, const unsigned char* in, int* inlen) {
    const Tabla& t = Tabla1252();
    return Convertir(out, outlen, in, inlen, [&t](const unsigned char* de, int quedan, unsigned char* a, int sitio) {
        if (sitio < 1) return kSinSitio;
        const unsigned char c = de[0];
        const int extra = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : -1;
        if (extra < 0) return kIlegible;
        if (extra >= quedan && extra > 0) return kCortado;
        char32_t cp = extra == 0 ? c : static_cast<char32_t>(c & (0x3F >> extra));
        bool valido = true;
        for (int k = 1; k <= extra; ++k) {
            if ((de[k] & 0xC0) != 0x80) valido = false;
            cp = cp << 6 | (de[k] & 0x3F);
        }
        const auto it = valido ? t.deUnicode.find(cp) : t.deUnicode.end();
        if (it == t.deUnicode.end()) return kIlegible;
        a[0] = it->second;
        return Paso{extra + 1, 1, 0};
    });
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
