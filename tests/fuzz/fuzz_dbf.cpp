#include "fuzz_comun.h"
#include "objetivos.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t n) {
    ph::fuzz::ProbarDbf(datos, n, ph::fuzz::Carpeta("dbf"));
    return 0;
}
