#pragma once
// A scratch folder for the fuzzing process.
#include <cstdlib>
#include <string>

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

}  // namespace ph::fuzz
