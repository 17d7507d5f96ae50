#pragma once
// Short codes of the import stages: the codes given so far, and the search for the first
// free numbered code.
#include "transfer/informe.h"

#include <functional>
#include <string>
#include <unordered_map>
#include <unordered_set>

namespace ph {

// The text with its letter case folded, for lists that ignore case: A-Z and the
// capitals of Latin-1 and Windows-1252 (À, Ñ, Š, Ÿ, ...) become small letters.
std::string SinMayusculas(const std::string& texto);

// Number of decimal digits of k (k >= 0).
int Digitos(long long k);

// A code of more than 10 characters becomes its first 8 followed by its last 2.
std::string AcortarCodigo(const std::string& codigo);

// Notes in the report that an element got another short code than its own: why, then
// ": código corto «corto»".
inline void AnotarRenumerado(const Anotador& avisos, const std::string& elemento, const std::string& motivo,
                             const std::string& corto) {
    avisos.Anotar(Categoria::CodigoRenumerado, elemento, motivo + ": código corto " + Citar(corto));
}

// Finds the smallest k in [desde, hasta] for which candidato(k) is not taken.
//
// A series names one sequence of candidates: two searches with the same series must
// pass the same candidato, desde and hasta. Since the lists only grow, a value found
// taken stays taken, so a later search of the same series resumes at the k the
// previous one found: the total work stays linear in the number of codes given.
class BuscadorLibre {
public:
    using Ocupado = std::function<bool(const std::string&)>;
    using Candidato = std::function<std::string(long long)>;

    // True and the free candidate in libre when one exists; false when every k up to
    // hasta gives a taken value.
    bool Buscar(const std::string& serie, long long desde, long long hasta, const Ocupado& ocupado,
                const Candidato& candidato, std::string& libre);

    // The same for k >= 1, number by number of digits d from cifrasDesde to cifrasHasta,
    // where serie(d) names what the candidates of d digits depend on (for "the first
    // 10 - d characters of the code, then k", those characters). Searches whose
    // candidates coincide then share one series, so that codes with a common beginning
    // do not each walk past the numbers the others took.
    bool BuscarPorCifras(const std::function<std::string(int)>& serie, int cifrasDesde, int cifrasHasta,
                         const Ocupado& ocupado, const Candidato& candidato, std::string& libre);

private:
    std::unordered_map<std::string, long long> siguiente_;
};

// The short codes one stage has given, where codes that differ only in letter case are
// the same code ("a12" and "A12"), and the searches for a free numbered one among them.
class CodigosDados {
public:
    bool Contiene(const std::string& codigo) const { return claves_.count(Clave(codigo)) != 0; }
    void Anadir(const std::string& codigo) { claves_.insert(Clave(codigo)); }
    // The form under which a code is compared: its letter case folded.
    static std::string Clave(const std::string& codigo) { return SinMayusculas(codigo); }

    // BuscadorLibre's searches, the codes given being the taken ones.
    bool Buscar(const std::string& serie, long long desde, long long hasta, const BuscadorLibre::Candidato& candidato,
                std::string& libre) {
        return buscador_.Buscar(serie, desde, hasta, Ocupado(), candidato, libre);
    }
    bool BuscarPorCifras(const std::function<std::string(int)>& serie, int cifrasDesde, int cifrasHasta,
                         const BuscadorLibre::Candidato& candidato, std::string& libre) {
        return buscador_.BuscarPorCifras(serie, cifrasDesde, cifrasHasta, Ocupado(), candidato, libre);
    }

private:
    BuscadorLibre::Ocupado Ocupado() const {
        return [this](const std::string& c) { return Contiene(c); };
    }

    std::unordered_set<std::string> claves_;
    BuscadorLibre buscador_;
};

}  // namespace ph
