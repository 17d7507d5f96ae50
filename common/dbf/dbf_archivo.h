#pragma once
// The file under a dBase table: opening with a lock, whole reads, positioned writes, and
// the replacement of its whole content. Only the table engine includes this.
#include <cstddef>
#include <cstdint>
#include <string>

namespace ph::dbf {

class Archivo {
public:
    Archivo() = default;
    ~Archivo() { Cerrar(); }
    Archivo(const Archivo&) = delete;
    Archivo& operator=(const Archivo&) = delete;
    Archivo(Archivo&& otro) noexcept;
    Archivo& operator=(Archivo&& otro) noexcept;

    // Opens an existing table file, for writing where the system allows it (else for
    // reading only), holding an exclusive lock or a shared one. A holder of a conflicting
    // lock, a missing folder or file: an Error naming the file.
    static Archivo Abrir(const std::string& ruta, bool exclusivo);
    // Creates the file or empties an existing one, under an exclusive lock.
    static Archivo Crear(const std::string& ruta);
    // Puts a file with this content at ruta in one step: the bytes go to a new file in the
    // same folder, which then takes the name. The name never shows a partial file, and an
    // interrupted or failed creation leaves an earlier file whole. An existing file that
    // another holder has open under a lock is left as it is: an Error naming it.
    static void CrearConContenido(const std::string& ruta, const std::string& contenido);
    // Deletes the file unless another holder has it open under a lock, as Windows refuses
    // to delete a file in use. True when it was deleted.
    static bool Borrar(const std::string& ruta);

    bool Abierto() const;
    const std::string& Ruta() const { return ruta_; }
    std::string LeerTodo() const;
    // One write; the fault-injection counter counts it. Errors name the file.
    void Escribir(std::uint64_t posicion, const char* datos, size_t n);
    // Writes contenido to a new file in the same folder, renames it over this file's
    // path and goes on with the new file under the same kind of lock. On failure the old
    // file stays as it was.
    void Reemplazar(const std::string& contenido);
    void Cerrar() noexcept;

private:
    // One call of the system's write at that position: the bytes written, 0 when it was
    // interrupted before writing any. Errors name the file.
    size_t EscribirParte(std::uint64_t posicion, const char* datos, size_t n);

#ifdef _WIN32
    // Writes contenido to a new file beside ruta (its name and ".nuevo"), closed again,
    // whose errors name ruta; a failed write deletes it. Returns its path.
    static std::string EscribirAlLado(const std::string& ruta, const std::string& contenido);

    void* h_ = nullptr;
#else
    int fd_ = -1;
#endif
    std::string ruta_;
    bool exclusivo_ = false;
    bool soloLectura_ = false;
};

// Process-wide fault injection: after this many more writes the next one fails (once).
// Negative disables.
void FallarTrasEscrituras(long escrituras);

}  // namespace ph::dbf
