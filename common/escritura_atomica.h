#pragma once
// Writing a file so that it appears whole or not at all: the bytes go to a new temporary
// file in the target's folder, which is synced to disk and then renamed over the target.
// Until then an earlier file of that name stays as it was; on any failure the temporary
// file is removed.
#include <cstddef>
#include <string>

namespace ph {

class EscrituraAtomica {
public:
    // Creates the temporary file; raises ph::Error naming ruta when it cannot.
    explicit EscrituraAtomica(const std::string& ruta);
    // Removes the temporary file when Terminar has not put it in place.
    ~EscrituraAtomica();
    EscrituraAtomica(const EscrituraAtomica&) = delete;
    EscrituraAtomica& operator=(const EscrituraAtomica&) = delete;

    // Appends bytes. After the first failure it writes nothing more and returns false;
    // Terminar then reports that failure.
    bool Escribir(const char* datos, size_t cuantos);
    bool Fallida() const { return error_ != 0; }

    // Syncs, closes and renames the file over the target. Raises ph::Error naming the
    // target and the reason when a write failed or any of these steps fails.
    void Terminar();
    // Gives up: removes the temporary file and raises ph::Error naming the target.
    [[noreturn]] void Abandonar(const std::string& motivo);

    const std::string& Ruta() const { return ruta_; }

private:
    std::string ruta_;
    std::string temporal_;
    int fd_ = -1;
    int error_ = 0;  // errno of the first failed write
    bool hecho_ = false;

    void Descartar();
};

// A short Spanish description of an errno value ("no existe", "no hay permiso de acceso").
std::string DescripcionErrno(int codigo);

}  // namespace ph
