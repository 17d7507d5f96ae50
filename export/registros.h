#pragma once
// The records the solution reading and the export driver hand to the schedule writer.
#include <string>

namespace ph {

struct DatosCentro {
    std::string codigo;
    std::string denominacion;
    std::string curso;
    std::string fecha_exportacion;
    std::string version;
};

struct EntradaHorarioGrupo {
    std::string plantilla;
    std::string dia_semana;
    std::string sesion_orden;
    std::string hora_desde;
    std::string hora_hasta;
    std::string grupo;
    std::string ensenanza;
    std::string curso;
    std::string contenido;
    std::string docente;
    std::string aula;
};

struct EntradaHorarioOcupacion {
    std::string plantilla;
    std::string dia_semana;
    std::string sesion_orden;
    std::string hora_desde;
    std::string hora_hasta;
    std::string docente;
    std::string ensenanza;
    std::string ocupacion;
};

}  // namespace ph
