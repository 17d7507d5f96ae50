#include "common/escritura_atomica.h"

#include "common/carpeta.h"
#include "common/error.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace ph {

std::string DescripcionErrno(int codigo) {
    switch (codigo) {
    case ENOENT: return "no existe";
    case EACCES: case EPERM: return "no hay permiso de acceso";
    case EISDIR: return "es una carpeta";
    case ENOTDIR: return "una parte de la ruta no es una carpeta";
    case ENOSPC: return "no queda espacio en el disco";
    case EFBIG: return "el archivo supera el tamaño permitido";
    case EROFS: return "el sistema de archivos es de solo lectura";
    case EBUSY: return "está en uso";
    default: return std::strerror(codigo);
    }
}

namespace {

// A new, empty file next to ruta with a name of its own; fills temporal. -1 and errno on
// failure.
int CrearTemporal(const std::string& ruta, std::string& temporal) {
#ifdef _WIN32
    for (unsigned intento = 0; intento < 100; ++intento) {
        char sufijo[32];
        std::snprintf(sufijo, sizeof sufijo, ".tmp-%08lx%02u", GetTickCount(), intento);
        temporal = ruta + sufijo;
        int fd = _wopen(RutaNativa(temporal).c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY,
                        _S_IREAD | _S_IWRITE);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
#else
    std::string plantilla = ruta + ".tmp-XXXXXX";
    int fd = mkstemp(plantilla.data());
    if (fd >= 0) temporal = plantilla;
    return fd;
#endif
}

// Gives the new file the rights of the file it replaces, or those of an ordinary new file
// (mkstemp makes it readable by its owner only).
void AjustarPermisos([[maybe_unused]] int fd, [[maybe_unused]] const std::string& ruta) {
#ifndef _WIN32
    struct stat st;
    mode_t modo;
    if (::stat(ruta.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
        modo = st.st_mode & 07777;
    } else {
        mode_t mascara = ::umask(022);
        ::umask(mascara);
        modo = 0666 & ~mascara;
    }
    (void)::fchmod(fd, modo);
#endif
}

int Sincronizar(int fd) {
#ifdef _WIN32
    return _commit(fd);
#else
    return ::fsync(fd);
#endif
}

int Cerrar(int fd) {
#ifdef _WIN32
    return _close(fd);
#else
    return ::close(fd);
#endif
}

// Puts temporal in the place of ruta in one step. 0, or -1 and errno.
int Reemplazar(const std::string& temporal, const std::string& ruta) {
#ifdef _WIN32
    if (MoveFileExW(RutaNativa(temporal).c_str(), RutaNativa(ruta).c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return 0;
    DWORD e = GetLastError();
    errno = (e == ERROR_ACCESS_DENIED) ? EACCES : (e == ERROR_SHARING_VIOLATION) ? EBUSY : EIO;
    return -1;
#else
    return ::rename(temporal.c_str(), ruta.c_str());
#endif
}

std::string Mensaje(const std::string& ruta, const std::string& motivo) {
    return "No se puede guardar el archivo «" + ruta + "»: " + motivo + ".";
}

}  // namespace

EscrituraAtomica::EscrituraAtomica(const std::string& ruta) : ruta_(ruta) {
    fd_ = CrearTemporal(ruta, temporal_);
    if (fd_ < 0)
        throw Error(Mensaje(ruta_, "no se puede crear un archivo en su carpeta (" + DescripcionErrno(errno) + ")"));
}

EscrituraAtomica::~EscrituraAtomica() { Descartar(); }

void EscrituraAtomica::Descartar() {
    if (fd_ >= 0) Cerrar(fd_);
    fd_ = -1;
    if (!hecho_ && !temporal_.empty()) {
        std::error_code ec;
        std::filesystem::remove(RutaNativa(temporal_), ec);
    }
    temporal_.clear();
}

bool EscrituraAtomica::Escribir(const char* datos, size_t cuantos) {
    if (error_ != 0 || fd_ < 0) return false;
    while (cuantos > 0) {
#ifdef _WIN32
        int n = _write(fd_, datos, unsigned(cuantos > (1u << 30) ? (1u << 30) : cuantos));
#else
        ssize_t n = ::write(fd_, datos, cuantos);
#endif
        if (n < 0) {
            if (errno == EINTR) continue;
            error_ = errno;
            return false;
        }
        datos += n;
        cuantos -= size_t(n);
    }
    return true;
}

void EscrituraAtomica::Abandonar(const std::string& motivo) {
    Descartar();
    throw Error(Mensaje(ruta_, motivo));
}

void EscrituraAtomica::Terminar() {
    if (error_ != 0) Abandonar("error al escribir (" + DescripcionErrno(error_) + ")");
    AjustarPermisos(fd_, ruta_);
    if (Sincronizar(fd_) != 0) Abandonar("error al escribir en el disco (" + DescripcionErrno(errno) + ")");
    int fd = fd_;
    fd_ = -1;
    if (Cerrar(fd) != 0) Abandonar("error al cerrar el archivo (" + DescripcionErrno(errno) + ")");
    if (Reemplazar(temporal_, ruta_) != 0) {
        int e = errno;
        std::error_code ec;
        if (std::filesystem::is_directory(RutaNativa(ruta_), ec)) e = EISDIR;
        Abandonar(DescripcionErrno(e));
    }
    hecho_ = true;
    temporal_.clear();
}

}  // namespace ph
