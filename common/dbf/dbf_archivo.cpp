#include "common/dbf/dbf_archivo.h"

#include "common/carpeta.h"
#include "common/error.h"
#include "common/escritura_atomica.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <utility>

#ifdef _WIN32
#include <windows.h>

#include <algorithm>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace ph::dbf {

namespace {

std::atomic<long> escriturasHastaFallo{-1};

// Counts one write; throws when the injected fault is due.
void ContarEscritura(const std::string& ruta) {
    long n = escriturasHastaFallo.load();
    while (n >= 0) {
        if (escriturasHastaFallo.compare_exchange_weak(n, n - 1)) {
            if (n == 0) throw Error("Fallo de escritura provocado en la tabla «" + ruta + "».");
            return;
        }
    }
}

std::string Comillas(const std::string& ruta) { return "«" + ruta + "»"; }

[[noreturn]] void ErrorAlAbrir(const std::string& ruta, const std::string& causa) {
    std::string carpeta = CarpetaDe(ruta);
    if (!carpeta.empty() && !ExisteCarpeta(carpeta))
        throw Error("No existe la carpeta " + Comillas(carpeta) + " de la tabla " + Comillas(ruta) + ".");
    throw Error("No se puede abrir la tabla " + Comillas(ruta) + ": " + causa + ".");
}

[[noreturn]] void EnUso(const std::string& ruta) {
    throw Error("La tabla " + Comillas(ruta) + " está en uso por otro programa.");
}

[[noreturn]] void ErrorAlEscribir(const std::string& ruta, const std::string& causa) {
    throw Error("No se puede escribir en la tabla " + Comillas(ruta) + ": " + causa + ".");
}

}  // namespace

void FallarTrasEscrituras(long escrituras) { escriturasHastaFallo.store(escrituras < 0 ? -1 : escrituras); }

Archivo::Archivo(Archivo&& otro) noexcept { *this = std::move(otro); }

Archivo& Archivo::operator=(Archivo&& otro) noexcept {
    if (this != &otro) {
        Cerrar();
#ifdef _WIN32
        h_ = std::exchange(otro.h_, nullptr);
#else
        fd_ = std::exchange(otro.fd_, -1);
#endif
        ruta_ = std::move(otro.ruta_);
        exclusivo_ = otro.exclusivo_;
        soloLectura_ = otro.soloLectura_;
    }
    return *this;
}

void Archivo::Escribir(std::uint64_t posicion, const char* datos, size_t n) {
    ContarEscritura(ruta_);
    if (soloLectura_) ErrorAlEscribir(ruta_, "el archivo es de solo lectura");
    for (size_t escritos = 0; escritos < n;)
        escritos += EscribirParte(posicion + escritos, datos + escritos, n - escritos);
}

#ifdef _WIN32

// Windows: the lock is the share mode of the handle. Exclusive use shares nothing; shared
// use lets others read and write but fails while someone holds the file exclusively.

namespace {
std::string UltimoError() { return "error " + std::to_string(GetLastError()); }

HANDLE AbrirManejador(const std::string& ruta, bool exclusivo, DWORD acceso, DWORD disposicion) {
    DWORD compartir = exclusivo ? 0 : (FILE_SHARE_READ | FILE_SHARE_WRITE);
    return CreateFileW(RutaNativa(ruta).c_str(), acceso, compartir, nullptr, disposicion,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}
}  // namespace

Archivo Archivo::Abrir(const std::string& ruta, bool exclusivo) {
    Archivo a;
    a.ruta_ = ruta;
    a.exclusivo_ = exclusivo;
    HANDLE h = AbrirManejador(ruta, exclusivo, GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING);
    if (h == INVALID_HANDLE_VALUE && GetLastError() == ERROR_ACCESS_DENIED) {
        h = AbrirManejador(ruta, exclusivo, GENERIC_READ, OPEN_EXISTING);
        a.soloLectura_ = true;
    }
    if (h == INVALID_HANDLE_VALUE) {
        DWORD e = GetLastError();
        if (e == ERROR_SHARING_VIOLATION || e == ERROR_LOCK_VIOLATION) EnUso(ruta);
        if (e == ERROR_FILE_NOT_FOUND) {
            std::string carpeta = CarpetaDe(ruta);
            if (carpeta.empty() || ExisteCarpeta(carpeta))
                throw Error("No existe la tabla " + Comillas(ruta) + ".");
        }
        ErrorAlAbrir(ruta, UltimoError());
    }
    a.h_ = h;
    return a;
}

Archivo Archivo::Crear(const std::string& ruta) {
    Archivo a;
    a.ruta_ = ruta;
    a.exclusivo_ = true;
    HANDLE h = AbrirManejador(ruta, true, GENERIC_READ | GENERIC_WRITE, CREATE_ALWAYS);
    if (h == INVALID_HANDLE_VALUE) {
        DWORD e = GetLastError();
        if (e == ERROR_SHARING_VIOLATION || e == ERROR_LOCK_VIOLATION) EnUso(ruta);
        ErrorAlAbrir(ruta, UltimoError());
    }
    a.h_ = h;
    return a;
}

std::string Archivo::EscribirAlLado(const std::string& ruta, const std::string& contenido) {
    const std::string temporal = ruta + ".nuevo";
    Archivo nuevo = Crear(temporal);
    nuevo.ruta_ = ruta;  // errors name the table, not the file beside it
    try {
        nuevo.Escribir(0, contenido.data(), contenido.size());
    } catch (...) {
        nuevo.Cerrar();
        DeleteFileW(RutaNativa(temporal).c_str());
        throw;
    }
    return temporal;
}

void Archivo::CrearConContenido(const std::string& ruta, const std::string& contenido) {
    // Windows replaces no file that another program has open: look first, so that the
    // message names the table in use rather than the rename.
    HANDLE viejo = AbrirManejador(ruta, true, GENERIC_READ, OPEN_EXISTING);
    if (viejo == INVALID_HANDLE_VALUE) {
        DWORD e = GetLastError();
        if (e == ERROR_SHARING_VIOLATION || e == ERROR_LOCK_VIOLATION) EnUso(ruta);
        if (e == ERROR_PATH_NOT_FOUND) ErrorAlAbrir(ruta, UltimoError());
    } else {
        CloseHandle(viejo);
    }
    const std::string temporal = EscribirAlLado(ruta, contenido);
    if (!MoveFileExW(RutaNativa(temporal).c_str(), RutaNativa(ruta).c_str(), MOVEFILE_REPLACE_EXISTING)) {
        DWORD e = GetLastError();
        std::string causa = UltimoError();
        DeleteFileW(RutaNativa(temporal).c_str());
        if (e == ERROR_SHARING_VIOLATION || e == ERROR_LOCK_VIOLATION) EnUso(ruta);
        ErrorAlEscribir(ruta, causa);
    }
}

bool Archivo::Borrar(const std::string& ruta) { return DeleteFileW(RutaNativa(ruta).c_str()) != 0; }

bool Archivo::Abierto() const { return h_ != nullptr; }

std::string Archivo::LeerTodo() const {
    LARGE_INTEGER tam;
    if (!GetFileSizeEx(static_cast<HANDLE>(h_), &tam))
        throw Error("No se puede leer la tabla " + Comillas(ruta_) + ": " + UltimoError() + ".");
    std::string datos(static_cast<size_t>(tam.QuadPart), '\0');
    size_t leidos = 0;
    while (leidos < datos.size()) {
        OVERLAPPED ov{};
        ov.Offset = static_cast<DWORD>(leidos & 0xFFFFFFFFu);
        ov.OffsetHigh = static_cast<DWORD>(static_cast<std::uint64_t>(leidos) >> 32);
        DWORD n = 0;
        DWORD pedir = static_cast<DWORD>(std::min<size_t>(datos.size() - leidos, 1u << 30));
        if (!ReadFile(static_cast<HANDLE>(h_), datos.data() + leidos, pedir, &n, &ov) || n == 0)
            throw Error("No se puede leer la tabla " + Comillas(ruta_) + ": " + UltimoError() + ".");
        leidos += n;
    }
    return datos;
}

size_t Archivo::EscribirParte(std::uint64_t posicion, const char* datos, size_t n) {
    OVERLAPPED ov{};
    ov.Offset = static_cast<DWORD>(posicion & 0xFFFFFFFFu);
    ov.OffsetHigh = static_cast<DWORD>(posicion >> 32);
    DWORD hechos = 0;
    DWORD pedir = static_cast<DWORD>(std::min<size_t>(n, 1u << 30));
    if (!WriteFile(static_cast<HANDLE>(h_), datos, pedir, &hechos, &ov) || hechos == 0)
        ErrorAlEscribir(ruta_, UltimoError());
    return hechos;
}

void Archivo::Reemplazar(const std::string& contenido) {
    // Windows renames no file that is open without sharing: write the new content beside
    // it, close, rename, open again.
    if (soloLectura_) ErrorAlEscribir(ruta_, "el archivo es de solo lectura");
    const std::string temporal = EscribirAlLado(ruta_, contenido);
    const std::string ruta = ruta_;
    const bool exclusivo = exclusivo_;
    Cerrar();
    if (!MoveFileExW(RutaNativa(temporal).c_str(), RutaNativa(ruta).c_str(), MOVEFILE_REPLACE_EXISTING)) {
        std::string causa = UltimoError();
        DeleteFileW(RutaNativa(temporal).c_str());
        *this = Abrir(ruta, exclusivo);
        ErrorAlEscribir(ruta, causa);
    }
    *this = Abrir(ruta, exclusivo);
}

void Archivo::Cerrar() noexcept {
    if (h_) CloseHandle(static_cast<HANDLE>(h_));
    h_ = nullptr;
}

#else  // POSIX: advisory locks with flock, which other programs using flock respect.

namespace {
std::string UltimoError() { return DescripcionErrno(errno); }

bool Bloquear(int fd, bool exclusivo) {
    while (flock(fd, (exclusivo ? LOCK_EX : LOCK_SH) | LOCK_NB) != 0) {
        if (errno != EINTR) return false;
    }
    return true;
}
}  // namespace

Archivo Archivo::Abrir(const std::string& ruta, bool exclusivo) {
    Archivo a;
    a.ruta_ = ruta;
    a.exclusivo_ = exclusivo;
    int fd = ::open(ruta.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0 && (errno == EACCES || errno == EROFS || errno == EPERM)) {
        fd = ::open(ruta.c_str(), O_RDONLY | O_CLOEXEC);
        a.soloLectura_ = true;
    }
    if (fd < 0) {
        int e = errno;
        if (e == ENOENT) {
            std::string carpeta = CarpetaDe(ruta);
            if (carpeta.empty() || ExisteCarpeta(carpeta))
                throw Error("No existe la tabla " + Comillas(ruta) + ".");
        }
        if (e == EISDIR) throw Error(Comillas(ruta) + " es una carpeta, no una tabla.");
        errno = e;
        ErrorAlAbrir(ruta, UltimoError());
    }
    a.fd_ = fd;
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        throw Error(Comillas(ruta) + " no es un archivo de tabla.");
    if (!Bloquear(fd, exclusivo)) EnUso(ruta);
    return a;
}

Archivo Archivo::Crear(const std::string& ruta) {
    Archivo a;
    a.ruta_ = ruta;
    a.exclusivo_ = true;
    int fd = ::open(ruta.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        if (errno == EISDIR) throw Error(Comillas(ruta) + " es una carpeta, no una tabla.");
        ErrorAlAbrir(ruta, UltimoError());
    }
    a.fd_ = fd;
    if (!Bloquear(fd, true)) EnUso(ruta);
    if (ftruncate(fd, 0) != 0) ErrorAlEscribir(ruta, UltimoError());
    return a;
}

void Archivo::CrearConContenido(const std::string& ruta, const std::string& contenido) {
    // An existing file is held under an exclusive lock until the new one takes its name,
    // and lends it its rights. O_NONBLOCK: a named pipe in its place must not hang us.
    Archivo viejo;
    viejo.ruta_ = ruta;
    mode_t modo;
    if (int fd = ::open(ruta.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK); fd >= 0) {
        viejo.fd_ = fd;
        struct stat st;
        if (fstat(fd, &st) != 0) ErrorAlAbrir(ruta, UltimoError());
        if (S_ISDIR(st.st_mode)) throw Error(Comillas(ruta) + " es una carpeta, no una tabla.");
        if (!S_ISREG(st.st_mode)) throw Error(Comillas(ruta) + " no es un archivo de tabla.");
        if (!Bloquear(fd, true)) EnUso(ruta);
        modo = st.st_mode & 07777;
    } else if (errno == ENOENT || errno == EACCES) {
        const mode_t mascara = ::umask(022);
        ::umask(mascara);
        modo = 0666 & ~mascara;
    } else {
        ErrorAlAbrir(ruta, UltimoError());
    }

    std::string temporal = Unir(CarpetaDe(ruta), "." + NombreDe(ruta) + ".XXXXXX");
    const int fd = mkstemp(temporal.data());
    if (fd < 0) {
        const int e = errno;
        const std::string carpeta = CarpetaDe(ruta);
        if (e == ENOENT && !carpeta.empty() && !ExisteCarpeta(carpeta))
            throw Error("No existe la carpeta " + Comillas(carpeta) + " de la tabla " + Comillas(ruta) + ".");
        errno = e;
        ErrorAlEscribir(ruta, "no se puede crear un archivo en su carpeta (" + UltimoError() + ")");
    }
    Archivo nuevo;
    nuevo.fd_ = fd;
    nuevo.ruta_ = ruta;
    try {
        (void)fchmod(fd, modo);
        nuevo.Escribir(0, contenido.data(), contenido.size());
        if (::rename(temporal.c_str(), ruta.c_str()) != 0) ErrorAlEscribir(ruta, UltimoError());
    } catch (...) {
        nuevo.Cerrar();
        ::unlink(temporal.c_str());
        throw;
    }
}

bool Archivo::Borrar(const std::string& ruta) {
    const int fd = ::open(ruta.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return errno != ENOENT && ::unlink(ruta.c_str()) == 0;
    struct stat st;
    bool libre = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && Bloquear(fd, true);
    // Deleted while locked, so that nobody takes the file in between.
    const bool borrado = libre && ::unlink(ruta.c_str()) == 0;
    ::close(fd);
    return borrado;
}

bool Archivo::Abierto() const { return fd_ >= 0; }

std::string Archivo::LeerTodo() const {
    struct stat st;
    if (fstat(fd_, &st) != 0)
        throw Error("No se puede leer la tabla " + Comillas(ruta_) + ": " + UltimoError() + ".");
    std::string datos(static_cast<size_t>(st.st_size), '\0');
    size_t leidos = 0;
    while (leidos < datos.size()) {
        ssize_t n = ::pread(fd_, datos.data() + leidos, datos.size() - leidos, static_cast<off_t>(leidos));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw Error("No se puede leer la tabla " + Comillas(ruta_) + ": " + UltimoError() + ".");
        if (n == 0) {  // shrunk meanwhile: what is there is what we have
            datos.resize(leidos);
            break;
        }
        leidos += static_cast<size_t>(n);
    }
    return datos;
}

size_t Archivo::EscribirParte(std::uint64_t posicion, const char* datos, size_t n) {
    ssize_t k = ::pwrite(fd_, datos, n, static_cast<off_t>(posicion));
    if (k < 0 && errno == EINTR) return 0;
    if (k <= 0) ErrorAlEscribir(ruta_, UltimoError());
    return static_cast<size_t>(k);
}

void Archivo::Reemplazar(const std::string& contenido) {
    if (soloLectura_) ErrorAlEscribir(ruta_, "el archivo es de solo lectura");
    std::string plantilla = Unir(CarpetaDe(ruta_), "." + NombreDe(ruta_) + ".XXXXXX");
    std::string temporal = plantilla;
    int fd = mkstemp(temporal.data());
    if (fd < 0) ErrorAlEscribir(ruta_, UltimoError());
    Archivo nuevo;
    nuevo.fd_ = fd;
    nuevo.ruta_ = ruta_;
    nuevo.exclusivo_ = exclusivo_;
    try {
        struct stat st;
        if (fstat(fd_, &st) == 0) fchmod(fd, st.st_mode & 07777);
        // The new file is locked before it takes the table's name, so that nobody else
        // can take it in between.
        if (!Bloquear(fd, exclusivo_)) EnUso(ruta_);
        nuevo.Escribir(0, contenido.data(), contenido.size());
        if (::rename(temporal.c_str(), ruta_.c_str()) != 0) ErrorAlEscribir(ruta_, UltimoError());
    } catch (...) {
        nuevo.Cerrar();
        ::unlink(temporal.c_str());
        throw;
    }
    *this = std::move(nuevo);
}

void Archivo::Cerrar() noexcept {
    if (fd_ >= 0) ::close(fd_);  // releases the lock
    fd_ = -1;
}

#endif

}  // namespace ph::dbf
