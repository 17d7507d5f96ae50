#pragma once
// Shared by the fuzz targets: a scratch folder for the process and a file writer.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace ph::fuzz {

inline const std::string& Carpeta(const char* nombre) {
    static std::string carpeta = [nombre] {
        std::string plantilla = std::string("/tmp/ph-fuzz-") + nombre + "-XXXXXX";
        char* r = mkdtemp(plantilla.data());
        if (!r) std::abort();
        return std::string(r);
    }();
    return carpeta;
}

inline void Escribir(const std::string& ruta, const uint8_t* datos, size_t n) {
    FILE* f = std::fopen(ruta.c_str(), "wb");
    if (!f) std::abort();
    if (n && std::fwrite(datos, 1, n, f) != n) std::abort();
    std::fclose(f);
}

}  // namespace ph::fuzz
