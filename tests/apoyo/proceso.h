#pragma once
// Starting programs from tests the same way on every system: an argument list (never a
// shell line), extra environment variables and a working folder given apart, standard
// output and standard error captured apart, the exit status returned.
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace ph::prueba {

// ".exe" on Windows, nothing elsewhere.
extern const char* const kSufijoEjecutable;

// A program built with the tests: the build folder joined with nombre (a path relative to
// it, with "/" between parts) and the executable suffix.
std::string ProgramaConstruido(const std::string& nombre);

struct Orden {
    std::vector<std::string> argumentos;                        // the program first
    std::vector<std::pair<std::string, std::string>> entorno;  // added to the test's own
    std::string carpeta;                                        // working folder; "" keeps ours
    // POSIX only: the largest file the program may write (RLIMIT_FSIZE), in bytes, with
    // SIGXFSZ ignored so that a write past it fails as on a full disk; -1 for no limit.
    long long limiteArchivo = -1;
};

// Whether Orden::limiteArchivo works on this system.
extern const bool kHayLimiteArchivo;

struct Salida {
    int codigo = -1;      // exit status; -1 when the program could not start or was killed
    std::string salida;   // standard output
    std::string errores;  // standard error
};

// Runs the program to its end, with nothing on its standard input.
Salida EjecutarAparte(const Orden& orden);

// The same, for the common case; salida receives standard output followed by standard error.
int Ejecutar(const std::vector<std::string>& argumentos, std::string* salida = nullptr);

// A program left running while the test goes on: its standard input stays open until
// Terminar (or the destructor) closes it and waits for the program's end.
class ProcesoEnMarcha {
public:
    explicit ProcesoEnMarcha(const Orden& orden);
    ~ProcesoEnMarcha();
    ProcesoEnMarcha(const ProcesoEnMarcha&) = delete;
    ProcesoEnMarcha& operator=(const ProcesoEnMarcha&) = delete;

    // The next line of its standard output, without the line end; "" at the end of it.
    std::string LeerLinea();
    // Closes its standard input and waits; gives the exit status.
    int Terminar();
    // Kills it at once (SIGKILL; TerminateProcess on Windows) and waits for its end; true
    // when it was still running and was killed.
    bool Matar();

    struct Estado;

private:
    std::unique_ptr<Estado> e_;
};

// The test's own environment, on every system, for itself and the programs it starts.
void FijarVariable(const std::string& nombre, const std::string& valor);
void QuitarVariable(const std::string& nombre);
// The value, or nullptr-equivalent: false when the variable is not set.
bool LeerVariable(const std::string& nombre, std::string* valor);

// Sets (or, with quitar, removes) a variable for as long as the object lives.
class VariableTemporal {
public:
    VariableTemporal(std::string nombre, const std::string& valor, bool quitar = false);
    ~VariableTemporal();
    VariableTemporal(const VariableTemporal&) = delete;
    VariableTemporal& operator=(const VariableTemporal&) = delete;

private:
    std::string nombre_;
    std::string antes_;
    bool habia_;
};

// The text with every CR LF line end turned into LF: programs on Windows end lines so.
std::string SinRetornos(std::string texto);

}  // namespace ph::prueba
