// The table object: rows in memory, navigation, editing, indexed Locate, gathered writes.
#include "common/dbf/dbf.h"

#include "common/dbf/dbf_archivo.h"
#include "common/dbf/dbf_formato.h"
#include "common/error.h"
#include "common/texto.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <unordered_map>

namespace ph {

namespace {

// Writes wait in memory until this many bytes are pending (or until Cerrar / Pack).
constexpr size_t kPendientesMaximos = 256 * 1024;

void PonerDoble(std::string& s, size_t pos, std::uint32_t v) {
    for (int i = 0; i < 4; ++i, v >>= 8) s[pos + i] = static_cast<char>(v & 0xFF);
}

// Part of a lookup key: the value's length, then the value, so that no two lists of
// values share a key.
void AnadirAClave(std::string& clave, const std::string& valor) {
    clave += std::to_string(valor.size());
    clave += ':';
    clave += valor;
}

}  // namespace

struct TablaDbf::Impl {
    enum class Modo { Consulta, Alta, Edicion };
    struct Indice {
        std::unordered_map<std::string, std::set<long>> filas;  // key -> live rows
    };

    std::string ruta;
    bool activa = false;
    dbf::Archivo archivo;
    dbf::Cabecera cab;
    std::string cabecera;  // header bytes as read, for Pack
    std::shared_ptr<const dbf::PaginaCodigos> pagina;
    std::unordered_map<std::string, int> porNombre;  // name in capitals -> field
    std::string blanco;                              // a new row
    std::vector<char> datos;                         // all rows, deleted ones included
    long filas = 0;
    long vivas = 0;

    long actual = -1;
    bool eof = true;
    Modo modo = Modo::Consulta;
    std::string bufer;
    bool modificado = false;

    // Skipping deleted rows at amortised constant cost: sig[i] leads to the first live row
    // at or after i (filas: none); ant[i + 1] to the last live row at or before i, plus one.
    std::vector<long> sig, ant;

    long filasEnDisco = 0;
    std::vector<long> editadas;        // rows on disk changed in memory
    std::vector<unsigned char> marca;  // per row: listed in editadas
    size_t pendientes = 0;

    std::map<std::vector<int>, Indice> indices;

    size_t Largo() const { return static_cast<size_t>(cab.largoRegistro); }
    char* Fila(long i) { return datos.data() + static_cast<size_t>(i) * Largo(); }
    const char* Fila(long i) const { return datos.data() + static_cast<size_t>(i) * Largo(); }
    bool Borrada(long i) const { return Fila(i)[0] == '*'; }

    void ComprobarActiva() const {
        if (!activa) throw Error("La tabla «" + ruta + "» no está abierta.");
    }

    static long Raiz(std::vector<long>& v, long i) {
        while (v[static_cast<size_t>(i)] != i) {
            long& p = v[static_cast<size_t>(i)];
            p = v[static_cast<size_t>(p)];
            i = p;
        }
        return i;
    }
    long SiguienteViva(long desde) { return Raiz(sig, desde); }  // filas when none
    long AnteriorViva(long hasta) { return Raiz(ant, hasta + 1) - 1; }  // -1 when none

    void PrepararSaltos() {
        sig.resize(static_cast<size_t>(filas) + 1);
        ant.resize(static_cast<size_t>(filas) + 1);
        ant[0] = 0;
        sig[static_cast<size_t>(filas)] = filas;
        vivas = 0;
        for (long i = 0; i < filas; ++i) {
            bool borrada = Borrada(i);
            sig[static_cast<size_t>(i)] = borrada ? i + 1 : i;
            ant[static_cast<size_t>(i) + 1] = borrada ? i : i + 1;
            if (!borrada) ++vivas;
        }
    }

    const dbf::Campo& CampoDe(const std::string& nombre) const {
        ComprobarActiva();
        auto it = porNombre.find(MayusculasAscii(nombre));
        if (it == porNombre.end()) throw Error("La tabla «" + ruta + "» no tiene el campo «" + nombre + "».");
        return cab.campos[static_cast<size_t>(it->second)];
    }

    const char* Visible() const {
        if (modo != Modo::Consulta) return bufer.data();
        if (actual >= 0) return Fila(actual);
        return blanco.data();
    }

    dbf::Valor Leer(const dbf::Campo& c, const char* registro) const {
        return dbf::Decodificar(c, cab.familia, registro, *pagina);
    }

    void Escribir(const std::string& nombre, const dbf::Valor& v) {
        const dbf::Campo& c = CampoDe(nombre);
        if (modo == Modo::Consulta)
            throw Error("La tabla «" + ruta + "» no está en edición: no se puede cambiar el campo «" + nombre + "».");
        dbf::Codificar(dbf::Contexto{ruta, c}, cab.familia, bufer.data(), v, *pagina);
        modificado = true;
    }

    std::string Clave(const std::vector<int>& campos, const char* registro) const {
        std::string clave;
        for (int i : campos) AnadirAClave(clave, dbf::ComoTexto(Leer(cab.campos[static_cast<size_t>(i)], registro)));
        return clave;
    }

    Indice& IndiceDe(const std::vector<int>& campos) {
        auto it = indices.find(campos);
        if (it != indices.end()) return it->second;
        Indice& ind = indices[campos];
        for (long i = 0; i < filas; ++i)
            if (!Borrada(i)) {
                auto& filasDeClave = ind.filas[Clave(campos, Fila(i))];
                filasDeClave.insert(filasDeClave.end(), i);
            }
        return ind;
    }

    static void Quitar(Indice& ind, const std::string& clave, long fila) {
        auto it = ind.filas.find(clave);
        if (it == ind.filas.end()) return;
        it->second.erase(fila);
        if (it->second.empty()) ind.filas.erase(it);
    }

    void MarcarEditada(long i) {
        if (i >= filasEnDisco || marca[static_cast<size_t>(i)]) return;
        marca[static_cast<size_t>(i)] = 1;
        editadas.push_back(i);
        pendientes += Largo();
    }

    // Writes what is pending: changed rows in place, then new rows with the end marker,
    // then the header's date and row count, so that the file is a table at every moment.
    void Volcar() {
        if (editadas.empty() && filasEnDisco == filas) return;
        const size_t largo = Largo();
        const std::uint64_t base = static_cast<std::uint64_t>(cab.largoCabecera);
        std::sort(editadas.begin(), editadas.end());
        for (size_t a = 0; a < editadas.size();) {
            size_t b = a + 1;
            while (b < editadas.size() && editadas[b] == editadas[b - 1] + 1) ++b;
            archivo.Escribir(base + static_cast<std::uint64_t>(editadas[a]) * largo, Fila(editadas[a]),
                             (b - a) * largo);
            a = b;
        }
        if (filas > filasEnDisco) {
            std::string nuevas(Fila(filasEnDisco), static_cast<size_t>(filas - filasEnDisco) * largo);
            nuevas += '\x1A';
            archivo.Escribir(base + static_cast<std::uint64_t>(filasEnDisco) * largo, nuevas.data(), nuevas.size());
        }
        std::string inicio = cabecera.substr(0, 8);
        dbf::FechaDeHoy(reinterpret_cast<unsigned char*>(&inicio[1]));
        PonerDoble(inicio, 4, static_cast<std::uint32_t>(filas));
        archivo.Escribir(0, inicio.data(), inicio.size());
        cabecera.replace(0, 8, inicio);
        for (long i : editadas) marca[static_cast<size_t>(i)] = 0;
        editadas.clear();
        filasEnDisco = filas;
        pendientes = 0;
    }

    void VolcarSiHaceFalta() {
        if (pendientes >= kPendientesMaximos) Volcar();
    }

    // As the platform's tables do before moving: a changed pending row is posted, an
    // untouched one dropped.
    void SalirDeEdicion(TablaDbf& t) {
        if (modo == Modo::Consulta) return;
        if (modificado) t.Post();
        else modo = Modo::Consulta;
    }

    void Liberar() noexcept {
        archivo.Cerrar();
        activa = false;
        modo = Modo::Consulta;
        datos.clear();
        datos.shrink_to_fit();
        sig.clear();
        ant.clear();
        editadas.clear();
        marca.clear();
        indices.clear();
        porNombre.clear();
        filas = vivas = filasEnDisco = 0;
        pendientes = 0;
        actual = -1;
        eof = true;
    }
};

TablaDbf::TablaDbf() : d(std::make_unique<Impl>()) {}

TablaDbf::Impl& TablaDbf::I() const {
    if (!d) throw Error("Tabla no válida: su contenido pasó a otro objeto.");
    return *d;
}

TablaDbf::~TablaDbf() {
    try {
        Cerrar();
    } catch (...) {
    }
}

TablaDbf::TablaDbf(TablaDbf&& otra) noexcept : d(std::move(otra.d)) {}

TablaDbf& TablaDbf::operator=(TablaDbf&& otra) noexcept {
    if (this != &otra) {
        try {
            Cerrar();
        } catch (...) {
        }
        d = std::move(otra.d);
    }
    return *this;
}

void TablaDbf::Crear(const std::string& ruta, const std::vector<DefCampo>& campos) {
    dbf::Archivo::CrearConContenido(ruta, dbf::TablaVaciaNivel7(ruta, campos));
}

bool TablaDbf::Borrar(const std::string& ruta) { return dbf::Archivo::Borrar(ruta); }

void TablaDbf::Abrir(const std::string& ruta, bool exclusivo) {
    if (!d) d = std::make_unique<Impl>();
    Cerrar();
    Impl& t = I();
    t.ruta = ruta;
    dbf::Archivo archivo = dbf::Archivo::Abrir(ruta, exclusivo);
    const std::string contenido = archivo.LeerTodo();
    t.cab = dbf::LeerCabecera(ruta, contenido);
    t.cabecera = contenido.substr(0, static_cast<size_t>(t.cab.largoCabecera));
    const size_t inicio = static_cast<size_t>(t.cab.largoCabecera);
    t.datos.assign(contenido.begin() + static_cast<std::ptrdiff_t>(inicio),
                   contenido.begin() + static_cast<std::ptrdiff_t>(inicio + static_cast<size_t>(t.cab.filas) * t.Largo()));
    t.filas = t.filasEnDisco = t.cab.filas;
    t.marca.assign(static_cast<size_t>(t.filas), 0);
    t.pagina = dbf::PaginaCodigos::De(t.cab.paginaCodigos);
    t.porNombre.clear();
    t.blanco.assign(t.Largo(), ' ');
    for (size_t i = 0; i < t.cab.campos.size(); ++i) {
        t.porNombre.emplace(t.cab.campos[i].clave, static_cast<int>(i));
        dbf::Blanquear(t.cab.campos[i], t.cab.familia, t.blanco.data());
    }
    t.PrepararSaltos();
    t.archivo = std::move(archivo);
    t.activa = true;
    First();
}

void TablaDbf::Cerrar() {
    if (!d || !d->activa) return;
    try {
        if (d->modo != Impl::Modo::Consulta) Post();
        d->Volcar();
    } catch (...) {
        d->Liberar();
        throw;
    }
    d->Liberar();
}

bool TablaDbf::Activa() const { return d && d->activa; }

const std::string& TablaDbf::Ruta() const {
    static const std::string vacia;
    return d ? d->ruta : vacia;
}

void TablaDbf::First() {
    Impl& t = I();
    t.ComprobarActiva();
    t.SalirDeEdicion(*this);
    long i = t.SiguienteViva(0);
    t.actual = i < t.filas ? i : -1;
    t.eof = t.actual < 0;
}

void TablaDbf::Next() {
    Impl& t = I();
    t.ComprobarActiva();
    t.SalirDeEdicion(*this);
    long i = t.actual < 0 ? t.filas : t.SiguienteViva(t.actual + 1);
    if (i < t.filas) t.actual = i;
    else t.eof = true;
}

bool TablaDbf::Eof() const {
    I().ComprobarActiva();
    return d->eof;
}

long TablaDbf::RecNo() const {
    const Impl& t = I();
    t.ComprobarActiva();
    if (t.modo == Impl::Modo::Alta) return t.filas + 1;
    return t.actual + 1;
}

long TablaDbf::RecordCount() const {
    I().ComprobarActiva();
    return d->vivas;
}

void TablaDbf::Append() {
    Impl& t = I();
    t.ComprobarActiva();
    t.SalirDeEdicion(*this);
    t.bufer = t.blanco;
    t.modo = Impl::Modo::Alta;
    t.modificado = false;
}

void TablaDbf::Edit() {
    Impl& t = I();
    t.ComprobarActiva();
    if (t.modo != Impl::Modo::Consulta) return;
    if (t.actual < 0) {  // nothing to change: as the platform's tables do, a new row
        Append();
        return;
    }
    t.bufer.assign(t.Fila(t.actual), t.Largo());
    t.modo = Impl::Modo::Edicion;
    t.modificado = false;
}

void TablaDbf::Post() {
    Impl& t = I();
    t.ComprobarActiva();
    if (t.modo == Impl::Modo::Consulta)
        throw Error("La tabla «" + t.ruta + "» no está en edición: no hay fila que guardar.");
    t.bufer[0] = ' ';
    if (t.modo == Impl::Modo::Alta) {
        const long i = t.filas;
        t.datos.insert(t.datos.end(), t.bufer.begin(), t.bufer.end());
        ++t.filas;
        ++t.vivas;
        t.sig.push_back(t.filas);  // sig[i] == i already: the new row is live
        t.ant.push_back(i + 1);
        t.marca.push_back(0);
        t.pendientes += t.Largo();
        for (auto& [campos, ind] : t.indices) {
            auto& filasDeClave = ind.filas[t.Clave(campos, t.Fila(i))];
            filasDeClave.insert(filasDeClave.end(), i);  // the largest row number
        }
        t.actual = i;
        t.eof = false;
    } else {
        const long i = t.actual;
        for (auto& [campos, ind] : t.indices) {
            std::string antes = t.Clave(campos, t.Fila(i));
            std::string despues = t.Clave(campos, t.bufer.data());
            if (antes == despues) continue;
            Impl::Quitar(ind, antes, i);
            ind.filas[despues].insert(i);
        }
        std::memcpy(t.Fila(i), t.bufer.data(), t.Largo());
        t.MarcarEditada(i);
    }
    t.modo = Impl::Modo::Consulta;
    t.VolcarSiHaceFalta();
}

void TablaDbf::Delete() {
    Impl& t = I();
    t.ComprobarActiva();
    const bool alta = t.modo == Impl::Modo::Alta;
    t.modo = Impl::Modo::Consulta;
    if (alta) return;  // deleting a row being appended drops it
    if (t.actual < 0) throw Error("La tabla «" + t.ruta + "» está vacía: no hay fila que borrar.");
    const long i = t.actual;
    for (auto& [campos, ind] : t.indices) Impl::Quitar(ind, t.Clave(campos, t.Fila(i)), i);
    t.Fila(i)[0] = '*';
    t.sig[static_cast<size_t>(i)] = i + 1;
    t.ant[static_cast<size_t>(i) + 1] = i;
    --t.vivas;
    t.MarcarEditada(i);
    long siguiente = t.SiguienteViva(i + 1);
    if (siguiente < t.filas) {
        t.actual = siguiente;
    } else {
        t.actual = t.AnteriorViva(i);
    }
    t.eof = t.actual < 0;
    t.VolcarSiHaceFalta();
}

void TablaDbf::Pack() {
    Impl& t = I();
    t.ComprobarActiva();
    t.SalirDeEdicion(*this);
    const size_t largo = t.Largo();
    std::vector<char> vivas;
    vivas.reserve(static_cast<size_t>(t.vivas) * largo);
    for (long i = 0; i < t.filas; ++i)
        if (!t.Borrada(i)) vivas.insert(vivas.end(), t.Fila(i), t.Fila(i) + largo);
    std::string cabecera = t.cabecera;
    dbf::FechaDeHoy(reinterpret_cast<unsigned char*>(&cabecera[1]));
    PonerDoble(cabecera, 4, static_cast<std::uint32_t>(t.vivas));
    std::string contenido = cabecera;
    contenido.append(vivas.begin(), vivas.end());
    contenido += '\x1A';
    t.archivo.Reemplazar(contenido);

    t.cabecera = std::move(cabecera);
    t.datos = std::move(vivas);
    t.filas = t.filasEnDisco = t.vivas;
    t.editadas.clear();
    t.marca.assign(static_cast<size_t>(t.filas), 0);
    t.pendientes = 0;
    t.indices.clear();
    t.PrepararSaltos();
    First();
}

bool TablaDbf::Locate(const std::string& campos, const std::vector<std::string>& valores) {
    Impl& t = I();
    t.ComprobarActiva();
    std::vector<int> indices;
    size_t desde = 0;
    for (;;) {
        size_t hasta = campos.find(';', desde);
        std::string nombre = AllTrim(campos.substr(desde, hasta == std::string::npos ? std::string::npos : hasta - desde));
        const dbf::Campo& c = t.CampoDe(nombre);
        indices.push_back(static_cast<int>(&c - t.cab.campos.data()));
        if (hasta == std::string::npos) break;
        desde = hasta + 1;
    }
    if (indices.size() != valores.size())
        throw Error("Búsqueda en la tabla «" + t.ruta + "» con " + std::to_string(indices.size()) + " campos y " +
                    std::to_string(valores.size()) + " valores.");
    t.SalirDeEdicion(*this);
    std::string clave;
    for (const std::string& v : valores) AnadirAClave(clave, v);
    Impl::Indice& ind = t.IndiceDe(indices);
    auto it = ind.filas.find(clave);
    if (it == ind.filas.end() || it->second.empty()) return false;
    t.actual = *it->second.begin();
    t.eof = false;
    return true;
}

std::string TablaDbf::AsString(const std::string& campo) const {
    const Impl& t = I();
    const dbf::Campo& c = t.CampoDe(campo);
    return dbf::ComoTexto(t.Leer(c, t.Visible()));
}

long long TablaDbf::AsInteger(const std::string& campo) const {
    const Impl& t = I();
    const dbf::Campo& c = t.CampoDe(campo);
    return dbf::ComoEntero(dbf::Contexto{t.ruta, c}, t.Leer(c, t.Visible()));
}

double TablaDbf::AsFloat(const std::string& campo) const {
    const Impl& t = I();
    const dbf::Campo& c = t.CampoDe(campo);
    return dbf::ComoReal(dbf::Contexto{t.ruta, c}, t.Leer(c, t.Visible()));
}

bool TablaDbf::AsBoolean(const std::string& campo) const {
    const Impl& t = I();
    const dbf::Campo& c = t.CampoDe(campo);
    return dbf::ComoLogico(dbf::Contexto{t.ruta, c}, t.Leer(c, t.Visible()));
}

void TablaDbf::SetString(const std::string& campo, const std::string& valor) {
    dbf::Valor v;
    v.clase = dbf::Valor::Texto;
    v.texto = valor;
    I().Escribir(campo, v);
}

void TablaDbf::SetInteger(const std::string& campo, long long valor) {
    dbf::Valor v;
    v.clase = dbf::Valor::Entero;
    v.entero = valor;
    I().Escribir(campo, v);
}

void TablaDbf::SetFloat(const std::string& campo, double valor) {
    dbf::Valor v;
    v.clase = dbf::Valor::Real;
    v.real = valor;
    I().Escribir(campo, v);
}

void TablaDbf::SetBoolean(const std::string& campo, bool valor) {
    dbf::Valor v;
    v.clase = dbf::Valor::Logico;
    v.logico = valor;
    I().Escribir(campo, v);
}

bool TablaDbf::TieneCampo(const std::string& campo) const {
    return d && d->activa && d->porNombre.count(MayusculasAscii(campo)) > 0;
}

std::vector<DefCampo> TablaDbf::Campos() const {
    I().ComprobarActiva();
    std::vector<DefCampo> r;
    for (const dbf::Campo& c : d->cab.campos) {
        DefCampo def{c.nombre, TipoCampo::Texto, 0};
        switch (c.tipo) {
            case 'I': case '+': def.tipo = TipoCampo::Entero; break;
            case 'N': case 'F': def.tipo = c.decimales == 0 ? TipoCampo::Entero : TipoCampo::Flotante; break;
            case 'O': case 'B': case 'Y': def.tipo = TipoCampo::Flotante; break;
            case 'L': def.tipo = TipoCampo::Logico; break;
            default: def.ancho = c.longitud; break;
        }
        r.push_back(std::move(def));
    }
    return r;
}

void TablaDbf::FallarTrasEscrituras(long escrituras) { dbf::FallarTrasEscrituras(escrituras); }

}  // namespace ph
