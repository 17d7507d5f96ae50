#include "apoyo/proceso.h"

#include "common/carpeta.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
extern char** environ;
#endif

namespace ph::prueba {

#ifdef _WIN32
const char* const kSufijoEjecutable = ".exe";
const bool kHayLimiteArchivo = false;
#else
const char* const kSufijoEjecutable = "";
const bool kHayLimiteArchivo = true;
#endif

std::string ProgramaConstruido(const std::string& nombre) {
    std::string ruta = PH_BINARIOS;
    size_t desde = 0;
    while (desde <= nombre.size()) {
        size_t hasta = nombre.find('/', desde);
        if (hasta == std::string::npos) hasta = nombre.size();
        ruta = Unir(ruta, nombre.substr(desde, hasta - desde));
        desde = hasta + 1;
    }
    return ruta + kSufijoEjecutable;
}

std::string SinRetornos(std::string texto) {
    size_t escrito = 0;
    for (size_t i = 0; i < texto.size(); ++i) {
        if (texto[i] == '\r' && i + 1 < texto.size() && texto[i + 1] == '\n') continue;
        texto[escrito++] = texto[i];
    }
    texto.resize(escrito);
    return texto;
}

// ---------------------------------------------------------------- the platform's part

#ifdef _WIN32
using Extremo = HANDLE;  // our end of a pipe
const Extremo kSinExtremo = nullptr;
using IdProceso = HANDLE;
#else
using Extremo = int;
const Extremo kSinExtremo = -1;
using IdProceso = pid_t;
#endif

struct ProcesoEnMarcha::Estado {
    IdProceso proceso{};  // valid while iniciado
    Extremo entrada = kSinExtremo, salida = kSinExtremo, errores = kSinExtremo;
    std::string pendiente;
    bool iniciado = false;
    std::string fallo;
};

#ifdef _WIN32

namespace {

std::wstring Ancho(const std::string& s) {
    if (s.empty()) return {};
    int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
    std::wstring r(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), r.data(), n);
    return r;
}

std::string Estrecho(const std::wstring& s) {
    if (s.empty()) return {};
    int n = WideCharToMultiByte(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0, nullptr, nullptr);
    std::string r(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), r.data(), n, nullptr, nullptr);
    return r;
}

// One argument as the C runtime's command-line parser reads it back: in double quotes
// when it has blanks or quotes, a quote preceded by a backslash, and backslashes doubled
// only where a quote follows them.
std::wstring Citar(const std::wstring& a) {
    if (!a.empty() && a.find_first_of(L" \t\n\v\"") == std::wstring::npos) return a;
    std::wstring r = L"\"";
    for (auto it = a.begin();; ++it) {
        size_t barras = 0;
        while (it != a.end() && *it == L'\\') {
            ++it;
            ++barras;
        }
        if (it == a.end()) {
            r.append(barras * 2, L'\\');
            break;
        }
        if (*it == L'"') {
            r.append(barras * 2 + 1, L'\\');
        } else {
            r.append(barras, L'\\');
        }
        r.push_back(*it);
    }
    r.push_back(L'"');
    return r;
}

// The test's environment block with the order's variables in place of any of the same
// name (names compare without regard to letter case, as Windows does).
std::wstring BloqueEntorno(const std::vector<std::pair<std::string, std::string>>& extra) {
    std::vector<std::wstring> variables;
    if (wchar_t* bloque = GetEnvironmentStringsW()) {
        for (const wchar_t* p = bloque; *p; p += wcslen(p) + 1) variables.emplace_back(p);
        FreeEnvironmentStringsW(bloque);
    }
    for (const auto& [nombre, valor] : extra) {
        const std::wstring n = Ancho(nombre);
        std::erase_if(variables, [&n](const std::wstring& v) {
            return v.size() > n.size() && v[n.size()] == L'=' &&
                   CompareStringOrdinal(v.c_str(), static_cast<int>(n.size()), n.c_str(),
                                        static_cast<int>(n.size()), TRUE) == CSTR_EQUAL;
        });
        variables.push_back(n + L"=" + Ancho(valor));
    }
    std::wstring r;
    for (const std::wstring& v : variables) r += v + L'\0';
    r += L'\0';
    return r;
}

// A pipe whose end for the child is inheritable and whose end for us is not.
void Tuberia(HANDLE* nuestro, HANDLE* suyo, bool suyoLee) {
    SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
    HANDLE lectura, escritura;
    if (!CreatePipe(&lectura, &escritura, &sa, 0)) throw std::runtime_error("CreatePipe");
    *nuestro = suyoLee ? escritura : lectura;
    *suyo = suyoLee ? lectura : escritura;
    SetHandleInformation(*nuestro, HANDLE_FLAG_INHERIT, 0);
}

void Cerrar(Extremo& e) {
    if (e) CloseHandle(e);
    e = kSinExtremo;
}

size_t Leer(Extremo e, char* buf, size_t n) {
    DWORD leidos = 0;
    if (!ReadFile(e, buf, static_cast<DWORD>(n), &leidos, nullptr)) return 0;  // broken pipe: the end
    return leidos;
}

void Iniciar(ProcesoEnMarcha::Estado& e, const Orden& orden, bool conEntrada, bool conErrores) {
    std::wstring linea;
    for (const std::string& a : orden.argumentos) linea += (linea.empty() ? L"" : L" ") + Citar(Ancho(a));
    std::wstring entorno = BloqueEntorno(orden.entorno);
    std::wstring carpeta = Ancho(orden.carpeta);

    HANDLE suyaEntrada, suyaSalida, suyaErrores = nullptr;
    SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
    if (conEntrada) {
        Tuberia(&e.entrada, &suyaEntrada, true);
    } else {
        suyaEntrada = CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &sa, OPEN_EXISTING, 0,
                                  nullptr);
    }
    Tuberia(&e.salida, &suyaSalida, false);
    if (conErrores) {
        Tuberia(&e.errores, &suyaErrores, false);
    } else {
        suyaErrores = GetStdHandle(STD_ERROR_HANDLE);
    }

    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = suyaEntrada;
    si.hStdOutput = suyaSalida;
    si.hStdError = suyaErrores;
    PROCESS_INFORMATION pi{};
    BOOL ok = FALSE;
    DWORD error = 0;
    // Wine now and then refuses to start a process right after another one was terminated
    // (ERROR_INTERNAL_ERROR while the server is still tearing the old one down); a short pause
    // and another try start it. Any other refusal is reported at once.
    for (int intento = 0; intento < 10; ++intento) {
        ok = CreateProcessW(nullptr, linea.data(), nullptr, nullptr, TRUE, CREATE_UNICODE_ENVIRONMENT,
                            entorno.data(), carpeta.empty() ? nullptr : carpeta.c_str(), &si, &pi);
        error = GetLastError();
        if (ok || error != ERROR_INTERNAL_ERROR) break;
        Sleep(200);
    }
    CloseHandle(suyaEntrada);
    CloseHandle(suyaSalida);
    if (conErrores) CloseHandle(suyaErrores);
    if (!ok) {
        e.fallo = "no se puede iniciar " + orden.argumentos.front() + ": error " + std::to_string(error);
        return;
    }
    CloseHandle(pi.hThread);
    e.proceso = pi.hProcess;
    e.iniciado = true;
}

bool MatarProceso(ProcesoEnMarcha::Estado& e) {
    if (!e.iniciado) return false;
    bool muerto = false;
    if (WaitForSingleObject(e.proceso, 0) == WAIT_TIMEOUT) muerto = TerminateProcess(e.proceso, 137) != 0;
    WaitForSingleObject(e.proceso, INFINITE);
    CloseHandle(e.proceso);
    e.proceso = nullptr;
    e.iniciado = false;
    return muerto;
}

int Esperar(ProcesoEnMarcha::Estado& e) {
    if (!e.iniciado) return -1;
    WaitForSingleObject(e.proceso, INFINITE);
    DWORD codigo = 0;
    GetExitCodeProcess(e.proceso, &codigo);
    CloseHandle(e.proceso);
    e.proceso = nullptr;
    e.iniciado = false;
    return static_cast<int>(codigo);
}

}  // namespace

void FijarVariable(const std::string& nombre, const std::string& valor) {
    _wputenv_s(Ancho(nombre).c_str(), Ancho(valor).c_str());
    SetEnvironmentVariableW(Ancho(nombre).c_str(), Ancho(valor).c_str());
}

void QuitarVariable(const std::string& nombre) {
    _wputenv_s(Ancho(nombre).c_str(), L"");
    SetEnvironmentVariableW(Ancho(nombre).c_str(), nullptr);
}

bool LeerVariable(const std::string& nombre, std::string* valor) {
    const std::wstring n = Ancho(nombre);
    DWORD largo = GetEnvironmentVariableW(n.c_str(), nullptr, 0);
    if (largo == 0) return false;
    std::wstring v(largo, L'\0');
    largo = GetEnvironmentVariableW(n.c_str(), v.data(), largo);
    v.resize(largo);
    if (valor) *valor = Estrecho(v);
    return true;
}

#else  // POSIX

namespace {

void Cerrar(Extremo& e) {
    if (e >= 0) close(e);
    e = kSinExtremo;
}

size_t Leer(Extremo e, char* buf, size_t n) {
    for (;;) {
        ssize_t r = read(e, buf, n);
        if (r >= 0) return static_cast<size_t>(r);
        if (errno != EINTR) return 0;
    }
}

void Tuberia(int extremos[2]) {
    if (pipe2(extremos, O_CLOEXEC) != 0) throw std::runtime_error("pipe2");
}

void Iniciar(ProcesoEnMarcha::Estado& e, const Orden& orden, bool conEntrada, bool conErrores) {
    // The environment: ours, without the order's names, then the order's variables.
    std::vector<std::string> variables;
    for (char** v = environ; *v; ++v) {
        const std::string texto = *v;
        const bool sustituida = std::any_of(orden.entorno.begin(), orden.entorno.end(), [&texto](const auto& p) {
            return texto.size() > p.first.size() && texto.compare(0, p.first.size(), p.first) == 0 &&
                   texto[p.first.size()] == '=';
        });
        if (!sustituida) variables.push_back(texto);
    }
    for (const auto& [nombre, valor] : orden.entorno) variables.push_back(nombre + "=" + valor);
    std::vector<char*> envp;
    for (std::string& v : variables) envp.push_back(v.data());
    envp.push_back(nullptr);
    std::vector<std::string> copia = orden.argumentos;
    std::vector<char*> argv;
    for (std::string& a : copia) argv.push_back(a.data());
    argv.push_back(nullptr);

    int entrada[2] = {-1, -1}, salida[2], errores[2] = {-1, -1};
    if (conEntrada) Tuberia(entrada);
    Tuberia(salida);
    if (conErrores) Tuberia(errores);

    posix_spawn_file_actions_t acciones;
    posix_spawn_file_actions_init(&acciones);
    if (conEntrada) {
        posix_spawn_file_actions_adddup2(&acciones, entrada[0], 0);
    } else {
        posix_spawn_file_actions_addopen(&acciones, 0, "/dev/null", O_RDONLY, 0);
    }
    posix_spawn_file_actions_adddup2(&acciones, salida[1], 1);
    if (conErrores) posix_spawn_file_actions_adddup2(&acciones, errores[1], 2);
    if (!orden.carpeta.empty()) posix_spawn_file_actions_addchdir_np(&acciones, orden.carpeta.c_str());
    // The child starts with the default action for SIGPIPE whatever ours is.
    posix_spawnattr_t atributos;
    posix_spawnattr_init(&atributos);
    sigset_t senales;
    sigemptyset(&senales);
    sigaddset(&senales, SIGPIPE);
    posix_spawnattr_setsigdefault(&atributos, &senales);
    posix_spawnattr_setflags(&atributos, POSIX_SPAWN_SETSIGDEF);

    // A limit on file size is inherited: it is set for us around the start, and undone.
    struct rlimit antes {};
    struct sigaction ignorar {}, senalAntes {};
    const bool limitar = orden.limiteArchivo >= 0;
    if (limitar) {
        getrlimit(RLIMIT_FSIZE, &antes);
        struct rlimit limite = antes;
        limite.rlim_cur = static_cast<rlim_t>(orden.limiteArchivo);
        ignorar.sa_handler = SIG_IGN;
        sigaction(SIGXFSZ, &ignorar, &senalAntes);
        setrlimit(RLIMIT_FSIZE, &limite);
    }
    const int error = posix_spawnp(&e.proceso, argv[0], &acciones, &atributos, argv.data(), envp.data());
    if (limitar) {
        setrlimit(RLIMIT_FSIZE, &antes);
        sigaction(SIGXFSZ, &senalAntes, nullptr);
    }
    posix_spawn_file_actions_destroy(&acciones);
    posix_spawnattr_destroy(&atributos);
    if (conEntrada) close(entrada[0]);
    close(salida[1]);
    if (conErrores) close(errores[1]);
    e.entrada = entrada[1];
    e.salida = salida[0];
    e.errores = errores[0];
    if (error != 0) {
        e.fallo = "no se puede iniciar " + orden.argumentos.front() + ": " + std::strerror(error);
        return;
    }
    e.iniciado = true;
}

bool MatarProceso(ProcesoEnMarcha::Estado& e) {
    if (!e.iniciado) return false;
    kill(e.proceso, SIGKILL);
    int estado = 0;
    while (waitpid(e.proceso, &estado, 0) < 0) {
        if (errno != EINTR) return false;
    }
    e.iniciado = false;
    return WIFSIGNALED(estado) && WTERMSIG(estado) == SIGKILL;
}

int Esperar(ProcesoEnMarcha::Estado& e) {
    if (!e.iniciado) return -1;
    int estado = 0;
    while (waitpid(e.proceso, &estado, 0) < 0) {
        if (errno != EINTR) return -1;
    }
    e.iniciado = false;
    return WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
}

}  // namespace

void FijarVariable(const std::string& nombre, const std::string& valor) { setenv(nombre.c_str(), valor.c_str(), 1); }

void QuitarVariable(const std::string& nombre) { unsetenv(nombre.c_str()); }

bool LeerVariable(const std::string& nombre, std::string* valor) {
    const char* v = std::getenv(nombre.c_str());
    if (!v) return false;
    if (valor) *valor = v;
    return true;
}

#endif

// ---------------------------------------------------------------- common to both

namespace {

std::string LeerHastaElFin(Extremo e) {
    std::string texto;
    char buf[4096];
    for (size_t n; (n = Leer(e, buf, sizeof buf)) > 0;) texto.append(buf, n);
    return texto;
}

}  // namespace

Salida EjecutarAparte(const Orden& orden) {
    if (orden.argumentos.empty()) throw std::invalid_argument("orden sin programa");
    ProcesoEnMarcha::Estado e;
    Iniciar(e, orden, false, true);
    Salida r;
    // Both pipes are read at once, so that a program that fills one is never stuck.
    std::thread errores([&] {
        if (e.errores != kSinExtremo) r.errores = LeerHastaElFin(e.errores);
    });
    if (e.salida != kSinExtremo) r.salida = LeerHastaElFin(e.salida);
    errores.join();
    Cerrar(e.salida);
    Cerrar(e.errores);
    if (!e.fallo.empty()) {
        r.errores += e.fallo;
        return r;
    }
    r.codigo = Esperar(e);
    return r;
}

int Ejecutar(const std::vector<std::string>& argumentos, std::string* salida) {
    Salida r = EjecutarAparte(Orden{argumentos, {}, {}});
    if (salida) *salida = r.salida + r.errores;
    return r.codigo;
}

ProcesoEnMarcha::ProcesoEnMarcha(const Orden& orden) : e_(std::make_unique<Estado>()) {
    if (orden.argumentos.empty()) throw std::invalid_argument("orden sin programa");
    Iniciar(*e_, orden, true, false);
    if (!e_->fallo.empty()) {
        Cerrar(e_->entrada);
        Cerrar(e_->salida);
        throw std::runtime_error(e_->fallo);
    }
}

ProcesoEnMarcha::~ProcesoEnMarcha() { Terminar(); }

std::string ProcesoEnMarcha::LeerLinea() {
    char buf[256];
    size_t fin;
    while ((fin = e_->pendiente.find('\n')) == std::string::npos && e_->salida != kSinExtremo) {
        size_t n = Leer(e_->salida, buf, sizeof buf);
        if (n == 0) {
            Cerrar(e_->salida);
            break;
        }
        e_->pendiente.append(buf, n);
    }
    std::string linea;
    if (fin == std::string::npos) {
        linea = std::move(e_->pendiente);
        e_->pendiente.clear();
    } else {
        linea = e_->pendiente.substr(0, fin);
        e_->pendiente.erase(0, fin + 1);
    }
    if (!linea.empty() && linea.back() == '\r') linea.pop_back();
    return linea;
}

int ProcesoEnMarcha::Terminar() {
    Cerrar(e_->entrada);
    if (e_->salida != kSinExtremo) LeerHastaElFin(e_->salida);  // so that it never waits on a full pipe
    Cerrar(e_->salida);
    return Esperar(*e_);
}

bool ProcesoEnMarcha::Matar() {
    const bool muerto = MatarProceso(*e_);
    Cerrar(e_->entrada);
    Cerrar(e_->salida);
    return muerto;
}

VariableTemporal::VariableTemporal(std::string nombre, const std::string& valor, bool quitar)
    : nombre_(std::move(nombre)), habia_(LeerVariable(nombre_, &antes_)) {
    if (quitar) {
        QuitarVariable(nombre_);
    } else {
        FijarVariable(nombre_, valor);
    }
}

VariableTemporal::~VariableTemporal() {
    if (habia_) {
        FijarVariable(nombre_, antes_);
    } else {
        QuitarVariable(nombre_);
    }
}

}  // namespace ph::prueba
