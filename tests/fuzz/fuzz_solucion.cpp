#include "fuzz_comun.h"
#include "objetivos.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t n) {
    const std::string& carpeta = ph::fuzz::Carpeta("solucion");
    static bool preparado = (ph::fuzz::PrepararTablasSolucion(carpeta), true);
    (void)preparado;
    (void)ph::fuzz::ProbarSolucion(datos, n, carpeta);
    return 0;
}
