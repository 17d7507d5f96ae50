#include "common/ini.h"

#include "common/carpeta.h"
#include "common/error.h"
#include "common/escritura_atomica.h"
#include "common/texto.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace ph {

namespace {

const std::string kBom = "\xEF\xBB\xBF";

// One line of the file: its text without the line end, and where it starts and ends.
struct Linea {
    size_t inicio;      // first byte of the line
    size_t finTexto;    // first byte after the text (where the line end starts)
    size_t fin;         // first byte after the line end
    std::string texto;  // the text, without a leading byte-order mark
};

std::vector<Linea> PartirLineas(const std::string& t) {
    std::vector<Linea> lineas;
    size_t pos = 0;
    while (pos < t.size()) {
        size_t salto = t.find('\n', pos);
        size_t fin = salto == std::string::npos ? t.size() : salto + 1;
        size_t finTexto = salto == std::string::npos ? t.size() : salto;
        if (finTexto > pos && t[finTexto - 1] == '\r') --finTexto;
        size_t desde = pos;
        if (pos == 0 && t.compare(0, kBom.size(), kBom) == 0) desde = std::min(kBom.size(), finTexto);
        lineas.push_back({pos, finTexto, fin, t.substr(desde, finTexto - desde)});
        pos = fin;
    }
    return lineas;
}

bool EsBlanco(char c) { return c == ' ' || c == '\t'; }

std::string Recortar(const std::string& s) {
    size_t a = 0, b = s.size();
    while (a < b && EsBlanco(s[a])) ++a;
    while (b > a && EsBlanco(s[b - 1])) --b;
    return s.substr(a, b - a);
}

bool MismoNombre(const std::string& a, const std::string& b) {
    return MinusculasAscii(a) == MinusculasAscii(b);
}

// The section a line opens, or nullopt when it opens none.
std::optional<std::string> Seccion(const std::string& linea) {
    std::string r = Recortar(linea);
    if (r.empty() || r[0] != '[') return std::nullopt;
    size_t cierre = r.find(']');
    if (cierre == std::string::npos) return std::nullopt;
    return Recortar(r.substr(1, cierre - 1));
}

// The key of a "key=value" line, or nullopt for blank lines, comments and other lines.
std::optional<std::string> Clave(const std::string& linea) {
    std::string r = Recortar(linea);
    if (r.empty() || r[0] == ';') return std::nullopt;
    size_t igual = r.find('=');
    if (igual == std::string::npos) return std::nullopt;
    return Recortar(r.substr(0, igual));
}

std::string FinDeLinea(const std::string& t) {
    size_t salto = t.find('\n');
    if (salto != std::string::npos) return salto > 0 && t[salto - 1] == '\r' ? "\r\n" : "\n";
#ifdef _WIN32
    return "\r\n";
#else
    return "\n";
#endif
}

// Where the section's lines are: the header's index and one past its last line.
struct Tramo {
    size_t cabecera;
    size_t fin;
};

std::optional<Tramo> BuscarSeccion(const std::vector<Linea>& lineas, const std::string& seccion) {
    for (size_t i = 0; i < lineas.size(); ++i) {
        auto s = Seccion(lineas[i].texto);
        if (!s || !MismoNombre(*s, seccion)) continue;
        size_t j = i + 1;
        while (j < lineas.size() && !Seccion(lineas[j].texto)) ++j;
        return Tramo{i, j};
    }
    return std::nullopt;
}

std::optional<size_t> BuscarClave(const std::vector<Linea>& lineas, Tramo tramo, const std::string& clave) {
    for (size_t i = tramo.cabecera + 1; i < tramo.fin; ++i) {
        auto c = Clave(lineas[i].texto);
        if (c && MismoNombre(*c, clave)) return i;
    }
    return std::nullopt;
}

}  // namespace

std::string CambiarValorIni(const std::string& texto, const std::string& seccion,
                            const std::string& clave, const std::string& valor) {
    const std::string eol = FinDeLinea(texto);
    const std::vector<Linea> lineas = PartirLineas(texto);
    auto tramo = BuscarSeccion(lineas, seccion);

    if (!tramo) {
        std::string r = texto;
        if (!r.empty() && r.back() != '\n') r += eol;
        return r + "[" + seccion + "]" + eol + clave + "=" + valor + eol;
    }

    if (auto i = BuscarClave(lineas, *tramo, clave)) {
        const Linea& l = lineas[*i];
        std::string escrita = *Clave(l.texto);
        std::string r = texto.substr(0, l.inicio);
        r += escrita + "=" + valor;
        r += texto.substr(l.finTexto);
        return r;
    }

    // After the last line of the section that is not blank (the header at least).
    size_t ultima = tramo->cabecera;
    for (size_t i = tramo->cabecera + 1; i < tramo->fin; ++i)
        if (!Recortar(lineas[i].texto).empty()) ultima = i;
    const Linea& l = lineas[ultima];
    std::string r = texto.substr(0, l.fin);
    if (l.fin == l.finTexto) r += eol;  // the last line of the file had no line end
    r += clave + "=" + valor + eol;
    r += texto.substr(l.fin);
    return r;
}

std::optional<std::string> ValorIni(const std::string& texto, const std::string& seccion,
                                    const std::string& clave) {
    const std::vector<Linea> lineas = PartirLineas(texto);
    auto tramo = BuscarSeccion(lineas, seccion);
    if (!tramo) return std::nullopt;
    auto i = BuscarClave(lineas, *tramo, clave);
    if (!i) return std::nullopt;
    const std::string& t = lineas[*i].texto;
    return Recortar(t.substr(t.find('=') + 1));
}

void EscribirIni(const std::string& ruta, const std::string& seccion, const std::string& clave,
                 const std::string& valor) {
    const fs::path destino = RutaNativa(ruta);
    std::error_code ec;
    std::string actual;
    if (fs::exists(destino, ec)) {
        std::ifstream f(destino, std::ios::binary);
        if (!f) throw Error("No se puede leer el archivo «" + ruta + "».");
        std::ostringstream s;
        s << f.rdbuf();  // an empty file extracts nothing: not an error
        actual = s.str();
    }
    const std::string nuevo = CambiarValorIni(actual, seccion, clave, valor);

    EscrituraAtomica escritura(ruta);
    escritura.Escribir(nuevo.data(), nuevo.size());
    escritura.Terminar();
}

std::optional<std::string> LeerIni(const std::string& ruta, const std::string& seccion,
                                   const std::string& clave) {
    std::ifstream f(RutaNativa(ruta), std::ios::binary);
    if (!f) return std::nullopt;
    std::ostringstream s;
    s << f.rdbuf();
    return ValorIni(s.str(), seccion, clave);
}

}  // namespace ph
