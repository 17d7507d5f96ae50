#pragma once
// Shared test support: temporary folders, files, programs, and a Dialogos with scripted
// answers.
#include "apoyo/proceso.h"
#include "common/carpeta.h"
#include "transfer/dialogos.h"

#include <string>
#include <vector>

namespace ph::prueba {

// A new empty folder under the system's temporary folder, removed by the destructor.
// Paths are UTF-8 text joined with the system's separator.
class CarpetaTemporal {
public:
    CarpetaTemporal();
    ~CarpetaTemporal();
    CarpetaTemporal(const CarpetaTemporal&) = delete;
    CarpetaTemporal& operator=(const CarpetaTemporal&) = delete;
    const std::string& ruta() const { return ruta_; }
    std::string operator/(const std::string& nombre) const { return Unir(ruta_, nombre); }

private:
    std::string ruta_;
};

// A file:// URI for a local path, as an XML parser reads it.
std::string UriDeArchivo(const std::string& ruta);

// Holds a file open from another process (tests/apoyo/programas/retener_archivo.cpp)
// until the object goes: as Sesionix holds its tables. Throws when it cannot.
enum class Retencion { Compartida, Exclusiva };
class ArchivoRetenido {
public:
    ArchivoRetenido(const std::string& ruta, Retencion modo);

private:
    ProcesoEnMarcha proceso_;
};

void EscribirArchivo(const std::string& ruta, const std::string& contenido);
std::string LeerArchivo(const std::string& ruta);

// Scripted answers; every call is recorded.
class DialogosGuion : public Dialogos {
public:
    // The template dialog: when plantilla is set, answers as the dialog would with that
    // text typed into the combo; otherwise the first template of the file (import) or an
    // empty text (export).
    bool fijarPlantilla = false;
    std::string plantilla;
    std::string idioma = "VALENCIÁ";
    bool todasPlantillas = false;   // answer to the first question
    bool quitarSinClases = true;    // answer to the second question
    bool cambiarCurso = false;
    std::string curso;              // the year chosen when cambiarCurso

    std::vector<std::string> mensajes;
    std::vector<std::string> preguntas;
    int plantillasPedidas = 0;
    int cursosPedidos = 0;

    EleccionPlantilla ElegirPlantilla(const std::string& rutaCentro, bool exportacion,
                                      const std::string& idiomaVentana) override;
    bool PreguntarTodasPlantillas(const std::string& mensaje) override;
    bool PreguntarQuitarSinClases(const std::string& mensaje) override;
    std::string ConfirmarCurso(const std::string& cursoActual) override;
    void Mensaje(const std::string& texto) override;
};

}  // namespace ph::prueba
