// Any bytes as a dBase table: opening and reading every field of every row either works
// or raises ph::Error; nothing else may happen.
#include "common/dbf.h"
#include "common/error.h"
#include "fuzz_comun.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t n) {
    const std::string ruta = ph::fuzz::Carpeta("dbf") + "/T.DBF";
    ph::fuzz::Escribir(ruta, datos, n);
    try {
        ph::TablaDbf t;
        t.Abrir(ruta, true);
        auto campos = t.Campos();
        int filas = 0;
        for (t.First(); !t.Eof() && filas < 64; t.Next(), ++filas) {
            for (const auto& c : campos) {
                (void)t.AsString(c.nombre);
                try { (void)t.AsInteger(c.nombre); } catch (const ph::Error&) {}
                try { (void)t.AsFloat(c.nombre); } catch (const ph::Error&) {}
                try { (void)t.AsBoolean(c.nombre); } catch (const ph::Error&) {}
            }
        }
        if (!campos.empty()) t.Locate(campos[0].nombre, "A");
    } catch (const ph::Error&) {
    }
    return 0;
}
