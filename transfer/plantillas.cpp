// The template choice logic: what the template dialog shows and hands back for a text
// typed or chosen in its combo. Every value read here is stripped of blanks and control
// characters at both ends.
#include "transfer/plantillas.h"

#include "common/dbf/dbf.h"
#include "common/texto.h"
#include "transfer/centro.h"
#include "transfer/tablas_trabajo.h"

#include <algorithm>
#include <exception>

namespace ph {

namespace {

std::string Limpio(const NodoXml& n, const char* atributo) { return QuitarControles(n.Atributo(atributo)); }

// The order of a sorted list box: letter case ignored, equal lines kept as they came.
bool AntesEnLista(const std::string& a, const std::string& b) {
    return MinusculasAscii(a) < MinusculasAscii(b);
}

}  // namespace

std::vector<std::string> CodigosPlantilla(const DocumentoXml& doc) {
    std::vector<std::string> codigos;
    for (const NodoXml& p : doc.Seleccionar(centro::kPlantillas))
        codigos.push_back(Limpio(p, centro::plantilla_horario::codigo));
    return codigos;
}

DescripcionPlantilla DescribirPlantilla(const DocumentoXml& doc, const std::string& texto,
                                        const std::string& idioma) {
    namespace pl = centro::plantilla_horario;
    const bool valenciano = idioma == centro::kValencia;
    DescripcionPlantilla d;
    // The combo's text is compared as it stands; the last matching template wins.
    for (const NodoXml& p : doc.Seleccionar(centro::kPlantillas)) {
        if (Limpio(p, pl::codigo) != texto) continue;
        d.descripcion = Limpio(p, valenciano ? pl::descripcion_val : pl::descripcion_cas);
        d.turno = Limpio(p, pl::turno);
    }
    return d;
}

std::string LineaSesion(const std::string& orden, const std::string& desde, const std::string& hasta) {
    std::string o = orden;
    if (Longitud(o) == 1) o = " " + o;
    o = Left(o, 3);
    return Left(o + " de ", 7) + desde + " a " + hasta;
}

std::vector<std::string> LineasSesion(const DocumentoXml& doc, const std::string& texto) {
    namespace sh = centro::sesion_horario;
    std::vector<std::string> lineas;
    for (const NodoXml& s : doc.Seleccionar(centro::kSesiones)) {
        if (Limpio(s, sh::plantilla) != texto) continue;
        if (Limpio(s, sh::dia_semana) != "L") continue;
        lineas.push_back(LineaSesion(Limpio(s, sh::sesion_orden), Limpio(s, sh::hora_desde),
                                     Limpio(s, sh::hora_hasta)));
    }
    std::stable_sort(lineas.begin(), lineas.end(), AntesEnLista);
    return lineas;
}

EleccionPlantilla ElegirPlantillaSinVentana(const DocumentoXml& doc, const std::string& texto,
                                            const std::string& idioma) {
    EleccionPlantilla e;
    e.resultado = QuitarControles(texto);
    e.turno_plant = DescribirPlantilla(doc, texto, idioma).turno;
    e.idioma = idioma;
    e.lineas = LineasSesion(doc, texto);
    return e;
}

std::string PlantillaRegistrada(const std::string& carpeta) {
    try {
        TablaDbf tabla;
        AbrirTabla(tabla, carpeta, TablaDIASHORAST().nombre, false);
        tabla.First();
        if (tabla.Eof()) return {};
        return tabla.AsString("MARCOXML");
    } catch (const std::exception&) {
        return {};
    }
}

}  // namespace ph
