// pasahorario-cli given hostile input, as a program: broken, hostile and strange centre
// files, damaged solution tables, tables held by another process, folders that cannot be
// written. One table of cases; for each, the exit status and a message that names the
// file, and proof that nothing was lost: the centre file and an earlier schedule file are
// as they were, Sesionix's solution is untouched, and every other table in the exchange
// folder is either as it was or a table that our engine and TDbf read whole.
//
// Every case starts from the same ground: the exchange folder holds the sample school's
// work tables from an earlier import and Sesionix's solution for them; beside the centre
// file lies the schedule file of an earlier export.
#include "apoyo/apoyo.h"
#include "apoyo/en_linux.h"
#include "apoyo/fiabilidad_prueba.h"
#include "common/dbf/dbf.h"
#include "transfer/tablas_trabajo.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <aclapi.h>
#include <windows.h>
#else
#include <sys/stat.h>
#endif

#include <cctype>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using namespace ph;
using namespace ph::prueba;
namespace fs = std::filesystem;

namespace {

const std::string kResultadoAnterior =
    "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<centro codigo=\"46999901\">exportación anterior</centro>\n";
const std::string kSecreto = "SECRETO-QUE-NO-DEBE-SALIR";

std::string Reemplazar(std::string texto, const std::string& de, const std::string& a, bool todas = false) {
    size_t i = 0;
    bool hecho = false;
    while ((i = texto.find(de, i)) != std::string::npos) {
        texto.replace(i, de.size(), a);
        i += a.size();
        hecho = true;
        if (!todas) break;
    }
    if (!hecho) throw std::runtime_error("no está «" + de + "»");
    return texto;
}

std::string Ejemplo() { return LeerArchivo(kEjemplo); }

// The sample without a single attribute: every start tag keeps only its name.
std::string SinAtributos(const std::string& xml) {
    std::string r;
    const size_t cuerpo = xml.find("?>") + 2;  // the declaration stays
    r = xml.substr(0, cuerpo);
    for (size_t i = cuerpo; i < xml.size();) {
        if (xml[i] == '<' && i + 1 < xml.size() && std::isalpha(static_cast<unsigned char>(xml[i + 1]))) {
            size_t fin = xml.find('>', i);
            size_t nombre = i + 1;
            while (nombre < fin && !std::isspace(static_cast<unsigned char>(xml[nombre])) && xml[nombre] != '/')
                ++nombre;
            r += xml.substr(i, nombre - i);
            if (xml[fin - 1] == '/') r += '/';
            r += '>';
            i = fin + 1;
        } else {
            r += xml[i++];
        }
    }
    return r;
}

// A small UTF-8 centre file with these teachers (the inside of <docentes>) and one
// template of two sessions.
std::string CentroPequeno(const std::string& docentes, const std::string& cabecera = "") {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + cabecera +
           "<centro codigo=\"1\" denominacion=\"IES Prova\" curso=\"2019\" version=\"1\">\n"
           " <plantillas_horario><plantilla_horario codigo=\"MATI\" descripcion_val=\"Matí\" "
           "descripcion_cas=\"Mañana\" turno=\"M\"/></plantillas_horario>\n"
           " <sesiones_horario>\n"
           "  <sesion_horario plantilla=\"MATI\" dia_semana=\"L\" sesion_orden=\"1\" hora_desde=\"08:00\" "
           "hora_hasta=\"08:55\"/>\n"
           "  <sesion_horario plantilla=\"MATI\" dia_semana=\"L\" sesion_orden=\"2\" hora_desde=\"08:55\" "
           "hora_hasta=\"09:50\"/>\n"
           " </sesiones_horario>\n"
           " <docentes>\n" +
           docentes + " </docentes>\n</centro>\n";
}

std::string Docente(const std::string& apellido1, const std::string& apellido2, const std::string& nombre,
                    const std::string& documento) {
    return "  <docente apellido1=\"" + apellido1 + "\" apellido2=\"" + apellido2 + "\" nombre=\"" + nombre +
           "\" tipo_docente=\"D\" fecha_ingreso=\"01/09/1998\" documento=\"" + documento +
           "\" ensenanza=\"3\" email1=\"\" email2=\"\"/>\n";
}

// Entities that expand ten times per level, nine levels deep: 10^10 characters.
std::string MilMillonesDeRisas() {
    std::string dtd = "<!ENTITY r0 \"jajajajaja\">";
    for (int i = 1; i <= 9; ++i) {
        dtd += "<!ENTITY r" + std::to_string(i) + " \"";
        for (int k = 0; k < 10; ++k) dtd += "&r" + std::to_string(i - 1) + ";";
        dtd += "\">";
    }
    return "<?xml version=\"1.0\"?>\n<!DOCTYPE centro [" + dtd + "]>\n" + "<centro codigo=\"1\"><docentes>" +
           Docente("&r9;", "b", "c", "1A") + Docente("a", "b", "c", "2B") + "</docentes></centro>\n";
}

// One entity of 100,000 characters, used 2,000 times: 200 million characters in total.
std::string ExpansionCuadratica() {
    std::string usos;
    for (int i = 0; i < 2000; ++i) usos += "&g;";
    return "<?xml version=\"1.0\"?>\n<!DOCTYPE centro [<!ENTITY g \"" + std::string(100000, 'g') + "\">]>\n" +
           "<centro codigo=\"1\"><docentes>" + Docente(usos, "b", "c", "1A") + Docente("a", "b", "c", "2B") +
           "</docentes></centro>\n";
}

// The rows of a table as our engine reads them, one map per row.
std::vector<std::map<std::string, std::string>> Filas(const std::string& carpeta, const std::string& tabla) {
    std::vector<std::map<std::string, std::string>> r;
    TablaDbf t;
    t.Abrir(RutaTabla(carpeta, tabla), false);
    const std::vector<DefCampo> campos = t.Campos();
    for (t.First(); !t.Eof(); t.Next()) {
        r.emplace_back();
        for (const DefCampo& c : campos) r.back()[c.nombre] = t.AsString(c.nombre);
    }
    return r;
}

std::vector<std::string> Columna(const std::string& carpeta, const std::string& tabla, const std::string& campo) {
    std::vector<std::string> r;
    for (auto& fila : Filas(carpeta, tabla)) r.push_back(fila.at(campo));
    return r;
}

#ifdef _WIN32
// A file's or folder's access list as it was, to put back.
struct AccesoAnterior {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    PACL lista = nullptr;
    ~AccesoAnterior() {
        if (descriptor) LocalFree(descriptor);
    }
};

// Adds an entry to the access list of ruta that denies everyone writing into it, creating
// files in it and deleting it.
bool DenegarEscritura(const std::string& ruta, AccesoAnterior* anterior) {
    std::wstring w = RutaNativa(ruta).wstring();
    if (GetNamedSecurityInfoW(w.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                              &anterior->lista, nullptr, &anterior->descriptor) != ERROR_SUCCESS)
        return false;
    EXPLICIT_ACCESSW negar{};
    wchar_t todos[] = L"EVERYONE";
    BuildExplicitAccessWithNameW(&negar, todos,
                                 FILE_WRITE_DATA | FILE_APPEND_DATA | FILE_WRITE_EA | DELETE | FILE_DELETE_CHILD,
                                 DENY_ACCESS, NO_INHERITANCE);
    PACL nueva = nullptr;
    if (SetEntriesInAclW(1, &negar, anterior->lista, &nueva) != ERROR_SUCCESS) return false;
    const bool ok = SetNamedSecurityInfoW(w.data(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                                          nueva, nullptr) == ERROR_SUCCESS;
    LocalFree(nueva);
    return ok;
}

void RestaurarAcceso(const std::string& ruta, const AccesoAnterior& anterior) {
    std::wstring w = RutaNativa(ruta).wstring();
    SetNamedSecurityInfoW(w.data(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, anterior.lista,
                          nullptr);
}
#endif

// What a case works on. Undo steps (locks, rights taken away) run before the checks and,
// at the latest, before the folders go.
struct Escenario {
    CarpetaTemporal entrada, stemp;
    const std::string centro = entrada / "centro.xml";
    const std::string resultado = entrada / "ResultadoSesionixcentro.xml";
    std::string carpeta = stemp.ruta();  // the exchange folder given to the program
    long long limiteArchivo = -1;        // the largest file the program may write
    bool omitir = false;                 // the trick the case needs does not work here
    std::string motivoOmision;
    std::vector<std::function<void()>> deshacer;
    std::map<std::string, std::string> retenidos;  // files held by another process, as they were

    ~Escenario() { Deshacer(); }
    void Deshacer() {
        while (!deshacer.empty()) {
            deshacer.back()();
            deshacer.pop_back();
        }
    }
    void Centro(const std::string& contenido) { EscribirArchivo(centro, contenido); }

    // Puts a named pipe that nobody ever writes into in place of the file.
    void Tuberia(const std::string& ruta) {
#ifdef _WIN32
        (void)ruta;
        omitir = true;
        motivoOmision = "Windows no tiene tuberías con nombre en una carpeta de archivos";
#else
        fs::remove(ruta);
        ASSERT_EQ(mkfifo(ruta.c_str(), 0600), 0);
#endif
    }

    // The program may write no file longer than bytes, as on a disk that fills up.
    void Llena(long long bytes) {
        limiteArchivo = bytes;
        if (!kHayLimiteArchivo) {
            omitir = true;
            motivoOmision = "Windows no limita el tamaño de los archivos de un proceso, y un disco lleno de "
                            "verdad no cabe en una prueba";
        }
    }
    std::string Tabla(const std::string& nombre) const { return stemp / (nombre + ".DBF"); }

    void Bloquear(const std::string& ruta, Retencion modo) {
        retenidos[NombreDe(ruta)] = LeerArchivo(ruta);  // Windows lets nobody read it while held
        auto cerrojo = std::make_shared<ArchivoRetenido>(ruta, modo);
        deshacer.push_back([cerrojo]() mutable { cerrojo.reset(); });
    }

    // Makes a folder and its files unwritable, also for root where the file system allows
    // it (the immutable attribute); else takes the write rights away. On Windows, a deny
    // entry for everyone in their access lists and the read-only attribute on the files.
    // When the folder can still be written, the case is skipped.
    void SoloLectura(const std::string& dir) {
        std::vector<std::string> rutas;
        for (const auto& [nombre, bytes] : ContenidoDe(dir)) rutas.push_back(Unir(dir, nombre));
        rutas.push_back(dir);
        std::string salida;
#ifdef _WIN32
        for (const std::string& r : rutas) {
            auto anterior = std::make_shared<AccesoAnterior>();
            if (!DenegarEscritura(r, anterior.get())) {
                salida += "no se puede cambiar el acceso a " + r + "; ";
                continue;
            }
            deshacer.push_back([r, anterior] { RestaurarAcceso(r, *anterior); });
        }
        for (const std::string& r : rutas) {
            if (r == dir) continue;
            const std::wstring w = RutaNativa(r).wstring();
            SetFileAttributesW(w.c_str(), GetFileAttributesW(w.c_str()) | FILE_ATTRIBUTE_READONLY);
            deshacer.push_back([w] { SetFileAttributesW(w.c_str(), GetFileAttributesW(w.c_str()) & ~FILE_ATTRIBUTE_READONLY); });
        }
        const char* medio = "ni la lista de acceso ni el atributo de solo lectura la protegen";
#else
        Argumentos chattr{"chattr", "+i"};
        chattr.insert(chattr.end(), rutas.begin(), rutas.end());
        if (Ejecutar(chattr, &salida) == 0) {
            deshacer.push_back([chattr]() mutable {
                chattr[1] = "-i";
                Ejecutar(chattr);
            });
        } else {
            for (const std::string& r : rutas)
                fs::permissions(r, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                                fs::perm_options::remove);
            deshacer.push_back([rutas] {
                for (const std::string& r : rutas) fs::permissions(r, fs::perms::owner_write, fs::perm_options::add);
            });
        }
        const char* medio = "ni chattr ni permisos la protegen";
#endif
        const std::string prueba = Unir(dir, "escritura-de-prueba");
        if (std::ofstream(RutaNativa(prueba))) {
            fs::remove(RutaNativa(prueba));
            omitir = true;
            motivoOmision = std::string("la carpeta sigue admitiendo escritura (") + medio + "): " + salida;
        }
    }
};

enum class Orden { Importar, Exportar };

struct Caso {
    const char* nombre;
    Orden orden;
    std::function<void(Escenario&)> preparar;
    std::string opciones;
    int codigo;
    // Fragments the messages (standard error and output) must hold; "@stemp", "@entrada"
    // and "@centro" stand for the case's folders and centre file.
    std::vector<std::string> mensaje;
    std::function<void(const Escenario&)> despues;  // further checks, when any
};
void PrintTo(const Caso& c, std::ostream* os) { *os << c.nombre; }

const std::vector<Caso>& Casos() {
    static const std::vector<Caso> casos = {
        // --- the centre file is not a centre file -----------------------------------------
        {"ArchivoVacio", Orden::Importar, [](Escenario& e) { e.Centro(""); }, "", 1,
         {"@centro", "no es un archivo XML válido"}, {}},
        {"ArchivoBinario", Orden::Importar,
         [](Escenario& e) {
             std::string bytes = "\x89PNG\r\n\x1A\n";
             for (int i = 0; i < 4096; ++i) bytes += static_cast<char>((i * 37 + 11) & 0xFF);
             e.Centro(bytes);
         },
         "", 1, {"@centro", "no es un archivo XML válido"}, {}},
        {"XmlCortado", Orden::Importar, [](Escenario& e) { e.Centro(Ejemplo().substr(0, Ejemplo().size() / 2)); }, "",
         1, {"@centro", "no es un archivo XML válido"}, {}},
        {"OtraRaiz", Orden::Importar,
         [](Escenario& e) {
             e.Centro(Reemplazar(Reemplazar(Ejemplo(), "<centro ", "<escuela "), "</centro>", "</escuela>"));
         },
         "", 1, {"@centro", "no es un archivo de centro de ITACA"}, {}},
        {"CodificacionDesconocida", Orden::Importar,
         [](Escenario& e) { e.Centro(Reemplazar(Ejemplo(), "encoding=\"ISO-8859-1\"", "encoding=\"X-KLINGON-9\"")); },
         "", 1, {"@centro", "X-KLINGON-9"}, {}},
        {"CentroEsUnaCarpeta", Orden::Importar,
         [](Escenario& e) {
             fs::remove(RutaNativa(e.centro));
             fs::create_directory(RutaNativa(e.centro));
         },
         "", 1,
         {"@centro", "es una carpeta"}, {}},
        {"CentroEsUnaTuberia", Orden::Importar,
         [](Escenario& e) {
             fs::remove(e.centro);
             e.Tuberia(e.centro);
         },
         "", 1, {"@centro", "no es un archivo normal"}, {}},
        {"CaracterDeControlLiteral", Orden::Importar,
         [](Escenario& e) { e.Centro(Reemplazar(Ejemplo(), "nombre=\"", "nombre=\"\x01")); }, "", 1,
         {"@centro", "no es un archivo XML válido"}, {}},

        // --- entities: no file is read, no expansion blows up --------------------------------
        {"EntidadExternaEnUnAtributo", Orden::Importar,
         [](Escenario& e) {
             EscribirArchivo(e.entrada / "secreto.txt", kSecreto);
             e.Centro(CentroPequeno(Docente("&secreto;", "b", "c", "1A") + Docente("a", "b", "c", "2B"),
                                    "<!DOCTYPE centro [<!ENTITY secreto SYSTEM \"" + UriDeArchivo(e.entrada / "secreto.txt") +
                                        "\">]>\n"));
         },
         "", 1, {"@centro", "no es un archivo XML válido"}, {}},
        {"EntidadesExternasQueNoSeLeen", Orden::Importar,
         [](Escenario& e) {
             // An external DTD, a parameter entity and an entity in element content: the file
             // is read without any of them.
             EscribirArchivo(e.entrada / "secreto.txt", kSecreto);
             EscribirArchivo(e.entrada / "secreto.dtd", "<!ENTITY nombre \"" + kSecreto + "\">");
             const std::string dtd = UriDeArchivo(e.entrada / "secreto.dtd");
             const std::string txt = UriDeArchivo(e.entrada / "secreto.txt");
             e.Centro(CentroPequeno(Docente("Ferrer", "Puig", "Joan", "1A") + "<docente>&secreto;</docente>" +
                                        Docente("Martí", "Soler", "Empar", "2B"),
                                    "<!DOCTYPE centro SYSTEM \"" + dtd + "\" [<!ENTITY % p SYSTEM \"" + dtd +
                                        "\"> %p; <!ENTITY secreto SYSTEM \"" + txt + "\">]>\n"));
         },
         "--conservar-sin-clases", 0, {"Proceso finalizado"},
         [](const Escenario& e) {
             for (const auto& [nombre, bytes] : ContenidoDe(e.stemp.ruta()))
                 EXPECT_EQ(bytes.find(kSecreto), std::string::npos) << nombre;
             EXPECT_EQ(Columna(e.stemp.ruta(), "PROFT", "DNI"), (std::vector<std::string>{"1A", "", "2B"}));
         }},
        {"MilMillonesDeRisas", Orden::Importar, [](Escenario& e) { e.Centro(MilMillonesDeRisas()); }, "", 1,
         {"@centro"}, {}},
        {"ExpansionCuadratica", Orden::Importar, [](Escenario& e) { e.Centro(ExpansionCuadratica()); }, "", 1,
         {"@centro"}, {}},

        // --- odd values -------------------------------------------------------------------------
        {"SinNingunAtributo", Orden::Importar, [](Escenario& e) { e.Centro(SinAtributos(Ejemplo())); },
         "--conservar-sin-clases", 0, {"Proceso finalizado"},
         [](const Escenario& e) {
             // One teacher row per docente element, all with the empty code of empty names.
             EXPECT_EQ(Filas(e.stemp.ruta(), "PROFT").size(), 43u);
             EXPECT_EQ(Filas(e.stemp.ruta(), "DIASHORAST").size(), 0u);
         }},
        {"HoraSinCeroDelante", Orden::Importar,
         [](Escenario& e) { e.Centro(Reemplazar(Ejemplo(), "hora_desde=\"08:00\"", "hora_desde=\"8:00\"")); }, "", 3,
         {"DIASHORAST.DBF", "8:00"}, {}},
        {"HoraQueNoEsUnNumero", Orden::Importar,
         [](Escenario& e) { e.Centro(Reemplazar(Ejemplo(), "hora_desde=\"08:00\"", "hora_desde=\"xx:yy\"")); }, "",
         3, {"DIASHORAST.DBF", "xx:yy"}, {}},
        {"HoraFueraDeRango", Orden::Importar,
         [](Escenario& e) { e.Centro(Reemplazar(Ejemplo(), "hora_hasta=\"08:55\"", "hora_hasta=\"25:99\"")); }, "",
         0, {"Proceso finalizado"},
         [](const Escenario& e) {
             // Times are not checked: the frame carries the value as given.
             const auto filas = Filas(e.stemp.ruta(), "DIASHORAST");
             ASSERT_FALSE(filas.empty());
             EXPECT_EQ(filas[0].at("HORAHASTA"), "25:99");
             EXPECT_EQ(filas[0].at("TEXTOHOR"), "1-08:00-25:99");
         }},
        {"OrdenDeTresCifras", Orden::Importar,
         [](Escenario& e) { e.Centro(Reemplazar(Ejemplo(), "sesion_orden=\"1\" ", "sesion_orden=\"100\" ")); }, "", 3,
         {"DIASHORAST.DBF", "100 de"}, {}},
        {"ValoresDeDiezMilCaracteres", Orden::Importar,
         [](Escenario& e) {
             std::string xml = Ejemplo();
             for (const char* atributo : {"nombre=\"", "apellido1=\"", "apellido2=\"", "email1=\"", "denominacion=\"",
                                          "nombre_cas=\"", "nombre_val=\"", "descripcion_val=\""})
                 xml = Reemplazar(xml, atributo, atributo + std::string(10000, 'x'), true);
             e.Centro(xml);
         },
         "--conservar-sin-clases", 0, {"Proceso finalizado"},
         [](const Escenario& e) {
             // Cut to the field's width.
             for (const std::string& nombre : Columna(e.stemp.ruta(), "PROFT", "NOMBRE"))
                 EXPECT_EQ(nombre, std::string(80, 'x'));
         }},
        {"CaracteresDeControlEnNombres", Orden::Importar,
         [](Escenario& e) {
             e.Centro(CentroPequeno(Docente("Fe&#9;rrer", "&#13;Puig", "Jo&#10;an", "1A") +
                                    Docente("Martí", "Soler", "Empar&#127;&#128;", "2B")));
         },
         "--conservar-sin-clases", 0, {"Proceso finalizado"},
         [](const Escenario& e) {
             // Kept as they come; the blanks at either end go, a tab or line break stays.
             EXPECT_EQ(Columna(e.stemp.ruta(), "PROFT", "NOMBRE"),
                       (std::vector<std::string>{"Fe\trrer \rPuig, Jo\nan", "Martí Soler, Empar\x7F?"}));
         }},
        {"CaracteresFueraDeWindows1252", Orden::Importar,
         [](Escenario& e) {
             e.Centro(CentroPequeno(Docente("Łukasz", "李", "😀 €", "1A") + Docente("Ñúñez", "Ωmega", "Zoë", "2B")));
         },
         "--conservar-sin-clases", 0, {"Proceso finalizado"},
         [](const Escenario& e) {
             EXPECT_EQ(Columna(e.stemp.ruta(), "PROFT", "NOMBRE"),
                       (std::vector<std::string>{"?ukasz ?, ? €", "Ñúñez ?mega, Zoë"}));
             if (HayLeerDbf()) {
                 EXPECT_EQ(VolcarConTDbf(e.stemp.ruta(), "PROFT"), VolcarPropio(e.stemp.ruta(), "PROFT"));
             }
         }},

        // --- the exchange folder -------------------------------------------------------------
        {"TablaBloqueadaPorOtroProceso", Orden::Importar,
         [](Escenario& e) { e.Bloquear(e.Tabla("PROFT"), Retencion::Compartida); }, "", 3, {"@stemp/PROFT.DBF", "en uso"}, {}},
        {"TablaDeTrabajoEsUnaTuberia", Orden::Importar,
         [](Escenario& e) {
             fs::remove(e.Tabla("PROFT"));
             e.Tuberia(e.Tabla("PROFT"));
         },
         "", 3, {"@stemp/PROFT.DBF"}, {}},
        {"CarpetaDeIntercambioInexistente", Orden::Importar,
         [](Escenario& e) { e.carpeta = e.entrada / "no-existe"; }, "", 1, {"@entrada/no-existe"},
         [](const Escenario& e) { EXPECT_FALSE(fs::exists(e.entrada / "no-existe")); }},
        {"CarpetaDeIntercambioBajoUnArchivo", Orden::Importar,
         [](Escenario& e) {
             EscribirArchivo(e.entrada / "archivo", "no es una carpeta");
             e.carpeta = e.entrada / "archivo/STEMP";
         },
         "", 1, {"@entrada/archivo/STEMP"}, {}},
        {"CarpetaDeIntercambioDeSoloLectura", Orden::Importar, [](Escenario& e) { e.SoloLectura(e.stemp.ruta()); },
         "", 3, {"@stemp/PROFT.DBF"}, {}},
        {"CarpetaDeIntercambioLlena", Orden::Importar,
         [](Escenario& e) { e.Llena(4 * 512); }, "", 3, {"@stemp/", ".DBF"}, {}},

        // --- Sesionix's solution ---------------------------------------------------------------
        {"SolucionConLaCabeceraCortada", Orden::Exportar,
         [](Escenario& e) { EscribirArchivo(e.Tabla("SOLUC"), LeerArchivo(e.Tabla("SOLUC")).substr(0, 40)); }, "", 3,
         {"@stemp/SOLUC.DBF", "cabecera"}, {}},
        {"SolucionConMasFilasQueBytes", Orden::Exportar,
         [](Escenario& e) {
             std::string c = LeerArchivo(e.Tabla("SOLUC"));
             c[4] = '\xA0';
             c[5] = '\x86';
             c[6] = '\x01';  // 100,000 rows
             EscribirArchivo(e.Tabla("SOLUC"), c);
         },
         "", 3, {"@stemp/SOLUC.DBF", "100000 filas"}, {}},
        {"SolucionSinElCampoDIA", Orden::Exportar,
         [](Escenario& e) {
             std::string c = LeerArchivo(e.Tabla("SOLUC"));
             const size_t cabecera = static_cast<unsigned char>(c[8]) | static_cast<unsigned char>(c[9]) << 8;
             const size_t i = c.find(std::string("DIA\0", 4));
             ASSERT_LT(i, cabecera);
             c[i + 2] = 'X';
             EscribirArchivo(e.Tabla("SOLUC"), c);
         },
         "", 3, {"@stemp/SOLUC.DBF", "«DIA»"}, {}},
        {"SolucionConDiaDeTexto", Orden::Exportar,
         [](Escenario& e) {
             // Another program's solution whose DIA is text: "lunes" where a number belongs.
             std::vector<DefCampo> campos;
             {
                 TablaDbf t;
                 t.Abrir(e.Tabla("SOLUC"), false);
                 campos = t.Campos();
             }
             for (DefCampo& c : campos)
                 if (c.nombre == "DIA") c = {"DIA", TipoCampo::Texto, 10};
             const auto filas = Filas(e.stemp.ruta(), "SOLUC");
             TablaDbf::Crear(e.Tabla("SOLUC"), campos);
             TablaDbf t;
             t.Abrir(e.Tabla("SOLUC"));
             for (const auto& fila : filas) {
                 t.Append();
                 for (const auto& [campo, valor] : fila) {
                     if (campo == "DIA") t.SetString(campo, valor == "1" ? "lunes" : valor);
                     else if (campo == "HORA") t.SetInteger(campo, std::stoll(valor));
                     else t.SetString(campo, valor);
                 }
                 t.Post();
             }
         },
         "", 3, {"@stemp/SOLUC.DBF", "«DIA»", "«lunes»"}, {}},
        {"SolucionBloqueadaPorOtroProceso", Orden::Exportar,
         [](Escenario& e) { e.Bloquear(e.Tabla("SOLUC"), Retencion::Exclusiva); }, "", 3, {"@stemp/SOLUC.DBF", "en uso"}, {}},
        {"TablaDeTrabajoBloqueadaEnLaExportacion", Orden::Exportar,
         [](Escenario& e) { e.Bloquear(e.Tabla("GRUPOST"), Retencion::Compartida); }, "", 3, {"@stemp/GRUPOST.DBF", "en uso"}, {}},
        {"ExportacionSinCarpetaDeIntercambio", Orden::Exportar,
         [](Escenario& e) { e.carpeta = e.entrada / "no-existe"; }, "", 1, {"@entrada/no-existe"},
         [](const Escenario& e) { EXPECT_FALSE(fs::exists(e.entrada / "no-existe")); }},
        {"ExportacionConCarpetaDeSoloLectura", Orden::Exportar, [](Escenario& e) { e.SoloLectura(e.stemp.ruta()); },
         "", 3, {"@stemp/DIASHORAST.DBF"}, {}},
        {"ExportacionDeUnArchivoVacio", Orden::Exportar, [](Escenario& e) { e.Centro(""); }, "--plantilla MATI", 1,
         {"@centro", "no es un archivo XML válido"}, {}},
        {"ExportacionDeUnaCarpeta", Orden::Exportar,
         [](Escenario& e) {
             fs::remove(RutaNativa(e.centro));
             fs::create_directory(RutaNativa(e.centro));
         },
         "", 1, {"@centro", "es una carpeta"}, {}},

        // --- the schedule file cannot be written ----------------------------------------------
        {"CarpetaDeSalidaDeSoloLectura", Orden::Exportar, [](Escenario& e) { e.SoloLectura(e.entrada.ruta()); }, "",
         3, {"@entrada/ResultadoSesionixcentro.xml"}, {}},
        {"CarpetaDeSalidaLlena", Orden::Exportar, [](Escenario& e) { e.Llena(40 * 512); }, "", 3,
         {"@entrada/ResultadoSesionixcentro.xml"}, {}},
    };
    return casos;
}

class EntradaHostil : public ::testing::TestWithParam<Caso> {
protected:
    // The exchange folder of an earlier import of the sample, with Sesionix's solution.
    static void SetUpTestSuite() {
        base_ = new CarpetaTemporal;
        const Salida s = Cli({"itaca-a-sesionix", kEjemplo, "--stemp", base_->ruta()});
        ASSERT_EQ(s.codigo, 0) << s.errores;
        fs::copy_file(RutaNativa(Unir(PH_EJEMPLOS, "SOLUC.DBF")), RutaNativa(*base_ / "SOLUC.DBF"));
    }
    static void TearDownTestSuite() {
        delete base_;
        base_ = nullptr;
    }
    static CarpetaTemporal* base_;
};
CarpetaTemporal* EntradaHostil::base_ = nullptr;

std::string Sustituir(std::string texto, const Escenario& e) {
    // A mark followed by "/" is the folder with the system's separator after it.
    const std::pair<std::string, std::string> marcas[] = {{"@stemp/", Unir(e.stemp.ruta(), "")},
                                                          {"@entrada/", Unir(e.entrada.ruta(), "")},
                                                          {"@stemp", e.stemp.ruta()},
                                                          {"@entrada", e.entrada.ruta()},
                                                          {"@centro", e.centro}};
    for (const auto& [marca, valor] : marcas)
        for (size_t i; (i = texto.find(marca)) != std::string::npos;) texto.replace(i, marca.size(), valor);
    return texto;
}

TEST_P(EntradaHostil, MensajeClaroYNadaPerdido) {
    const Caso& c = GetParam();
    ASSERT_NE(base_, nullptr);
    Escenario e;
    CopiarArchivos(base_->ruta(), e.stemp.ruta());
    fs::copy_file(RutaNativa(kEjemplo), RutaNativa(e.centro));
    EscribirArchivo(e.resultado, kResultadoAnterior);
    ASSERT_NO_FATAL_FAILURE(c.preparar(e));
    if (e.omitir) GTEST_SKIP() << e.motivoOmision;

    // What must survive: the exchange folder, and the centre file's folder (the centre
    // file, the earlier schedule file and anything beside them).
    auto intercambioAntes = ContenidoDe(e.stemp.ruta());
    for (const auto& [nombre, bytes] : e.retenidos) intercambioAntes[nombre] = bytes;
    const auto entradaAntes = ContenidoDe(e.entrada.ruta());
    const fs::file_type tipoCentro = fs::symlink_status(RutaNativa(e.centro)).type();

    const std::string orden = c.orden == Orden::Importar ? "itaca-a-sesionix" : "sesionix-a-itaca";
    const Argumentos args = Argumentos{kCli, orden, e.centro, "--stemp", e.carpeta} + Palabras(c.opciones);
    Salida s = EjecutarAparte(prueba::Orden{args, {}, {}, e.limiteArchivo});
    s.salida = SinRetornos(s.salida);
    s.errores = SinRetornos(s.errores);
    e.Deshacer();

    EXPECT_EQ(s.codigo, c.codigo) << s.errores << s.salida;
    const std::string mensajes = s.errores + s.salida;
    for (const std::string& fragmento : c.mensaje) EXPECT_NE(mensajes.find(Sustituir(fragmento, e)), std::string::npos)
        << "falta «" << Sustituir(fragmento, e) << "» en:\n" << mensajes;
    if (c.codigo != 0) {
        EXPECT_EQ(s.errores.find("Proceso finalizado"), std::string::npos) << s.errores;
        EXPECT_EQ(s.salida, "");
    }

    // The centre file and what lies beside it are as they were; a completed export
    // replaced the schedule file with a new one that another parser reads.
    auto entradaDespues = ContenidoDe(e.entrada.ruta());
    EXPECT_EQ(fs::symlink_status(RutaNativa(e.centro)).type(), tipoCentro);
    if (c.orden == Orden::Exportar && s.codigo == 0) {
        std::string salidaXmllint;
        ComprobarXmlBienFormado(e.resultado);
        entradaDespues[NombreDe(e.resultado)] = kResultadoAnterior;
    }
    EXPECT_TRUE(entradaDespues == entradaAntes) << "la carpeta del archivo de centro ha cambiado";

    ComprobarCarpetaIntercambio(e.stemp.ruta(), intercambioAntes);
    if (c.despues) c.despues(e);
}

INSTANTIATE_TEST_SUITE_P(Casos, EntradaHostil, ::testing::ValuesIn(Casos()),
                         [](const auto& info) { return std::string(info.param.nombre); });

}  // namespace
