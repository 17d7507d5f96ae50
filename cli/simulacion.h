#pragma once
// The trial run (--simular): the transfer works on copies in a temporary folder of its
// own, so that the exchange folder, the centre file's folder and everything else stay as
// they are. The folder goes when the object does.
#include <string>
#include <utility>
#include <vector>

namespace ph::cli {

// The first line of a trial run's summary.
inline constexpr const char* kTextoSimulacion =
    "Simulación: no se ha cambiado la carpeta de intercambio ni ningún otro archivo.";

class Simulacion {
public:
    // Creates the temporary folder, with an empty exchange folder inside. Raises ph::Error
    // when it cannot.
    Simulacion();
    ~Simulacion();
    Simulacion(const Simulacion&) = delete;
    Simulacion& operator=(const Simulacion&) = delete;

    // The exchange folder of the trial, standing for carpetaReal.
    const std::string& Carpeta() const { return carpeta_; }
    void SustituyeCarpeta(const std::string& carpetaReal);

    // Copies into the trial's exchange folder the tables of carpetaReal named here (found
    // without regard to letter case, the name kept); a missing one is left missing, for
    // the transfer to report as it would.
    void CopiarTablas(const std::string& carpetaReal, const std::vector<std::string>& nombres);

    // Copies the centre file into a folder of the trial, so that what the transfer writes
    // beside it stays in the trial. Returns the copy's path; the file itself when it does
    // not exist (the transfer then reports it).
    std::string CopiarCentro(const std::string& rutaCentro);

    // The text with the trial's paths replaced by the real ones they stand for.
    std::string Real(std::string texto) const;

private:
    std::string raiz_;
    std::string carpeta_;
    std::vector<std::pair<std::string, std::string>> sustituciones_;  // trial -> real, longest first
    void Sustituir(const std::string& deEnsayo, const std::string& real);
};

}  // namespace ph::cli
