// DIASHORAST: the frame of days and sessions. The chosen template's Monday session lines
// are repeated on each of the seven days; every line is read by position (order in
// characters 1-2, start time in 7-11, end time in 15-19).
#include "transfer/dias_horas.h"

#include "common/dbf/dbf.h"
#include "common/error.h"
#include "common/texto.h"
#include "transfer/centro.h"
#include "transfer/tablas_trabajo.h"

#include <array>
#include <string>

namespace ph {

namespace {

constexpr std::array<const char*, 7> kDiasCastellano = {"Lunes",   "Martes", "Miércoles", "Jueves",
                                                        "Viernes", "Sábado", "Domingo"};
constexpr std::array<const char*, 7> kDiasValenciano = {"Dilluns",   "Dimarts",   "Dimecres", "Dijous",
                                                        "Divendres", "Dissabte", "Diumenge"};

// What one session line says.
struct Sesion {
    long orden;
    std::string desde, hasta;  // hh:mm as written in the line
    long minutos;
};

// Reads the numbers of a line by position. A position that holds no number stops the
// frame with an error naming the line and the value.
Sesion LeerLinea(const std::string& linea, long lugar) {
    auto numero = [&](long desde) {
        const std::string texto = Medio(linea, desde, 2);
        try {
            return EnteroDeTexto(texto);
        } catch (const Error& e) {
            throw Error("No se puede crear " + std::string(TablaDIASHORAST().nombre) +
                        ".DBF: la línea de sesión " + std::to_string(lugar) + " («" + linea +
                        "») no tiene un número en el lugar esperado: " + e.what());
        }
    };
    Sesion s;
    s.orden = numero(0);
    const long horaDesde = numero(6), minDesde = numero(9);
    const long horaHasta = numero(14), minHasta = numero(17);
    s.desde = Medio(linea, 6, 5);
    s.hasta = Medio(linea, 14, 5);
    s.minutos = (horaHasta * 60 + minHasta) - (horaDesde * 60 + minDesde);
    return s;
}

}  // namespace

void CrearDiasHoras(const std::string& carpeta, const std::vector<std::string>& lineas,
                    const std::string& resultado, const std::string& idioma) {
    const auto& dias = idioma == centro::kCastellano ? kDiasCastellano : kDiasValenciano;
    CrearTablaTrabajo(carpeta, TablaDIASHORAST());
    TablaDbf tabla;
    AbrirTabla(tabla, carpeta, TablaDIASHORAST().nombre);

    // Rows are posted one by one: the lines before a faulty one keep their rows.
    long h = 0;
    for (const std::string& linea : lineas) {
        ++h;
        const Sesion s = LeerLinea(linea, h);
        const std::string hora = std::to_string(h);
        for (int d = 1; d <= 7; ++d) {
            const std::string dia = std::to_string(d);
            tabla.Append();
            tabla.SetString("DIHO", dia + hora);
            tabla.SetString("DIA", dia);
            tabla.SetString("TEXTODIA", dias[size_t(d - 1)]);
            tabla.SetString("HORA", hora);
            tabla.SetString("TEXTOHOR", std::to_string(s.orden) + "-" + s.desde + "-" + s.hasta);
            tabla.SetString("HORADESDE", s.desde);
            tabla.SetString("HORAHASTA", s.hasta);
            tabla.SetString("MINUTOS", std::to_string(s.minutos));
            tabla.SetString("MARCO", "0");
            tabla.SetString("MARCOXML", resultado);
            tabla.SetInteger("SESION_ORDEN", s.orden);
            tabla.Post();
        }
    }
    tabla.Cerrar();
}

}  // namespace ph
