#include "import/codigos.h"

#include "common/texto.h"

namespace ph {

namespace {

char16_t Minuscula(char16_t c) {
    if (c >= u'A' && c <= u'Z') return char16_t(c + 0x20);
    if (c >= 0x00C0 && c <= 0x00DE && c != 0x00D7) return char16_t(c + 0x20);  // À..Þ but ×
    switch (c) {
        case 0x0152: return 0x0153;  // Œ
        case 0x0160: return 0x0161;  // Š
        case 0x017D: return 0x017E;  // Ž
        case 0x0178: return 0x00FF;  // Ÿ
        default: return c;
    }
}

}  // namespace

std::string SinMayusculas(const std::string& texto) {
    if (EsAscii(texto)) return MinusculasAscii(texto);
    std::u16string u = AUtf16(texto);
    for (char16_t& c : u) c = Minuscula(c);
    return AUtf8(u);
}

std::string AcortarCodigo(const std::string& codigo) {
    return Longitud(codigo) > 10 ? Left(codigo, 8) + Right(codigo, 2) : codigo;
}

int Digitos(long long k) {
    int d = 1;
    while (k >= 10) {
        k /= 10;
        ++d;
    }
    return d;
}

bool BuscadorLibre::Buscar(const std::string& serie, long long desde, long long hasta,
                           const Ocupado& ocupado, const Candidato& candidato, std::string& libre) {
    auto [it, nuevo] = siguiente_.try_emplace(serie, desde);
    for (long long k = it->second; k <= hasta; ++k) {
        std::string c = candidato(k);
        if (!ocupado(c)) {
            it->second = k;
            libre = std::move(c);
            return true;
        }
    }
    it->second = hasta + 1;
    return false;
}

bool BuscadorLibre::BuscarPorCifras(const std::function<std::string(int)>& serie, int cifrasDesde,
                                    int cifrasHasta, const Ocupado& ocupado, const Candidato& candidato,
                                    std::string& libre) {
    long long desde = 1;
    for (int d = 1; d < cifrasDesde; ++d) desde *= 10;
    for (int d = cifrasDesde; d <= cifrasHasta && d <= 18; ++d, desde *= 10) {
        if (Buscar(std::to_string(d) + "\n" + serie(d), desde, desde * 10 - 1, ocupado, candidato, libre))
            return true;
    }
    return false;
}

}  // namespace ph
