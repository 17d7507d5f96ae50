// The XML document engine over libxml2.
//
// Loading reads the whole file into memory and parses it from there with a parser
// context of its own: no DTD is loaded, entities are not substituted, the network is
// never reached, and the process-wide external entity loader refuses every request, so
// no entity can make the parser open a file. libxml2 keeps its own amplification limits
// for internal entities (no XML_PARSE_HUGE). Parser errors are collected through the
// context's structured handler instead of being printed.
//
// Encoding: the declaration names it; a file that names none and is not valid UTF-8 is
// read as Windows-1252. Saving writes the encoding the declaration named, or UTF-8 with
// encoding="UTF-8" declared when the file named none (so a file read as Windows-1252
// comes back as true, declared UTF-8).
#include "common/xml.h"

#include "common/carpeta.h"
#include "common/error.h"
#include "common/escritura_atomica.h"
#include "common/xml_codificaciones.h"

#include <libxml/parser.h>
#include <libxml/parserInternals.h>
#include <libxml/tree.h>
#include <libxml/xmlerror.h>
#include <libxml/xmlsave.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <mutex>

namespace ph {

namespace {

const xmlChar* X(const char* s) { return reinterpret_cast<const xmlChar*>(s); }
const char* C(const xmlChar* s) { return reinterpret_cast<const char*>(s); }

// ---------------------------------------------------------------- set-up

xmlParserInputPtr CargadorQueRechaza(const char*, const char*, xmlParserCtxtPtr) { return nullptr; }

void PrepararLibxml() {
    static std::once_flag hecho;
    std::call_once(hecho, [] {
        xmlInitParser();
        xmlSetExternalEntityLoader(CargadorQueRechaza);
        RegistrarCodificacionesXml();
    });
}

// ---------------------------------------------------------------- text checks

// Length of the valid UTF-8 sequence at s[i], or 0 when it is not one.
size_t LongitudUtf8(const unsigned char* s, size_t i, size_t n) {
    unsigned char c = s[i];
    if (c < 0x80) return 1;
    size_t largo;
    unsigned int cp;
    if (c >= 0xC2 && c <= 0xDF) { largo = 2; cp = c & 0x1F; }
    else if (c >= 0xE0 && c <= 0xEF) { largo = 3; cp = c & 0x0F; }
    else if (c >= 0xF0 && c <= 0xF4) { largo = 4; cp = c & 0x07; }
    else return 0;
    if (i + largo > n) return 0;
    for (size_t k = 1; k < largo; ++k) {
        if ((s[i + k] & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (s[i + k] & 0x3F);
    }
    if ((largo == 3 && cp < 0x800) || (largo == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
        (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return largo;
}

bool EsUtf8Valido(const std::string& t) {
    const unsigned char* s = reinterpret_cast<const unsigned char*>(t.data());
    const size_t n = t.size();
    size_t i = 0;
    while (i < n) {
        if (s[i] < 0x80) { ++i; continue; }
        size_t l = LongitudUtf8(s, i, n);
        if (l == 0) return false;
        i += l;
    }
    return true;
}

// A value as XML 1.0 can hold it: invalid UTF-8 bytes, control characters other than tab,
// line feed and carriage return, and U+FFFE/U+FFFF become "?". Most values pass untouched.
std::string TextoXmlValido(const std::string& t) {
    const unsigned char* s = reinterpret_cast<const unsigned char*>(t.data());
    const size_t n = t.size();
    std::string r;
    bool cambiado = false;
    size_t i = 0;
    while (i < n) {
        unsigned char c = s[i];
        size_t l = c < 0x80 ? 1 : LongitudUtf8(s, i, n);
        bool valido = l != 0;
        if (c < 0x20 && c != '\t' && c != '\n' && c != '\r') valido = false;
        if (l == 3 && c == 0xEF && s[i + 1] == 0xBF && (s[i + 2] == 0xBE || s[i + 2] == 0xBF)) valido = false;
        if (!valido && !cambiado) {
            r.assign(t, 0, i);
            cambiado = true;
        }
        if (cambiado) {
            if (valido) r.append(t, i, l);
            else r.push_back('?');
        }
        i += valido ? l : 1;
    }
    return cambiado ? r : t;
}

// ---------------------------------------------------------------- declaration

struct Declaracion {
    bool ascii = true;        // no byte-order mark or pattern of UTF-16 or UTF-32
    bool marcaUtf8 = false;   // begins with the UTF-8 byte-order mark
    std::string codificacion; // the encoding the declaration names, empty when none
};

// Looks at the start of the file for the XML declaration and the encoding it names.
Declaracion LeerDeclaracion(const std::string& datos) {
    Declaracion d;
    size_t i = 0;
    const unsigned char* s = reinterpret_cast<const unsigned char*>(datos.data());
    if (datos.size() >= 3 && s[0] == 0xEF && s[1] == 0xBB && s[2] == 0xBF) {
        i = 3;
        d.marcaUtf8 = true;
    } else if (datos.size() >= 2 && ((s[0] == 0xFE && s[1] == 0xFF) || (s[0] == 0xFF && s[1] == 0xFE) ||
                                   s[0] == 0 || s[1] == 0)) {
        d.ascii = false;  // UTF-16 or UTF-32: libxml2 detects these itself
        return d;
    }
    if (datos.compare(i, 5, "<?xml") != 0 || datos.size() < i + 6 ||
        !(datos[i + 5] == ' ' || datos[i + 5] == '\t' || datos[i + 5] == '\r' || datos[i + 5] == '\n'))
        return d;
    size_t fin = datos.find("?>", i);
    if (fin == std::string::npos || fin - i > 1024) return d;
    const std::string decl = datos.substr(i, fin - i);
    size_t p = decl.find("encoding");
    if (p == std::string::npos) return d;
    p += 8;
    auto blancos = [&] { while (p < decl.size() && std::strchr(" \t\r\n", decl[p])) ++p; };
    blancos();
    if (p >= decl.size() || decl[p] != '=') return d;
    ++p;
    blancos();
    if (p >= decl.size() || (decl[p] != '"' && decl[p] != '\'')) return d;
    char comilla = decl[p++];
    size_t cierre = decl.find(comilla, p);
    if (cierre != std::string::npos) d.codificacion = decl.substr(p, cierre - p);
    return d;
}

// ---------------------------------------------------------------- errors

struct RecogidaErrores {
    std::string primero;  // first error that stopped the parse or counts against it
};

// What is wrong, in Spanish, for the parser's errors a damaged or foreign file gives;
// libxml2's own texts are English and speak of its internals.
std::string DescribirError(int codigo) {
    switch (codigo) {
    case XML_ERR_NO_MEMORY: return "no hay memoria para leer el archivo";
    case XML_ERR_DOCUMENT_START: return "no empieza por una etiqueta (el texto no es XML)";
    case XML_ERR_DOCUMENT_EMPTY: return "el archivo está vacío o no tiene ninguna etiqueta";
    case XML_ERR_DOCUMENT_END: return "hay más texto detrás del cierre del elemento raíz";
    case XML_ERR_INVALID_HEX_CHARREF:
    case XML_ERR_INVALID_DEC_CHARREF:
    case XML_ERR_INVALID_CHARREF: return "una referencia a un carácter (&#...;) no es válida";
    case XML_ERR_INVALID_CHAR:
        return "hay un carácter no permitido o bytes que no son del juego de caracteres declarado";
    case XML_ERR_ENTITYREF_NO_NAME:
    case XML_ERR_ENTITYREF_SEMICOL_MISSING:
        return "hay un «&» que no empieza una referencia válida (escríbalo «&amp;»)";
    case XML_ERR_UNDECLARED_ENTITY: return "se usa una entidad que no está declarada";
    case XML_ERR_UNKNOWN_ENCODING:
    case XML_ERR_UNSUPPORTED_ENCODING: return "la codificación declarada no se conoce";
    case XML_ERR_LT_IN_ATTRIBUTE: return "el valor de un atributo contiene «<»";
    case XML_ERR_ATTRIBUTE_NOT_STARTED:
    case XML_ERR_ATTRIBUTE_WITHOUT_VALUE: return "un atributo no tiene su valor entre comillas";
    case XML_ERR_ATTRIBUTE_NOT_FINISHED: return "falta la comilla que cierra el valor de un atributo";
    case XML_ERR_ATTRIBUTE_REDEFINED: return "un elemento repite el mismo atributo";
    case XML_ERR_LITERAL_NOT_FINISHED:
    case XML_ERR_STRING_NOT_CLOSED: return "falta la comilla que cierra un texto";
    case XML_ERR_COMMENT_NOT_FINISHED: return "un comentario no está cerrado";
    case XML_ERR_PI_NOT_FINISHED: return "una instrucción de proceso («<?...?>») no está cerrada";
    case XML_ERR_CDATA_NOT_FINISHED: return "una sección CDATA no está cerrada";
    case XML_ERR_RESERVED_XML_NAME: return "la declaración XML no está al principio del archivo";
    case XML_ERR_VERSION_MISSING: return "a la declaración XML le falta la versión";
    case XML_ERR_SPACE_REQUIRED: return "falta un espacio entre dos partes de una etiqueta";
    case XML_ERR_NAME_REQUIRED:
        return "falta un nombre de etiqueta, de atributo o de entidad (un «&» suelto se escribe «&amp;»)";
    case XML_ERR_EQUAL_REQUIRED: return "falta el signo «=» tras el nombre de un atributo";
    case XML_ERR_GT_REQUIRED:
    case XML_ERR_LTSLASH_REQUIRED: return "una etiqueta no está bien cerrada con «>»";
    case XML_ERR_TAG_NAME_MISMATCH: return "una etiqueta de cierre no corresponde a la que está abierta";
    case XML_ERR_TAG_NOT_FINISHED: return "el archivo se acaba con elementos sin cerrar";
    case XML_ERR_EXTRA_CONTENT: return "hay más texto detrás del cierre del elemento raíz";
    case XML_ERR_ENTITY_LOOP: return "una entidad se contiene a sí misma";
    case XML_ERR_NOT_WELL_BALANCED: return "el contenido de una entidad no está equilibrado";
    case XML_ERR_INVALID_ENCODING: return "hay bytes que no son del juego de caracteres declarado";
    case XML_ERR_EXT_ENTITY_STANDALONE:
    case XML_ERR_ENTITY_BOUNDARY: return "una entidad no está bien formada";
    case XML_ERR_DOCTYPE_NOT_FINISHED: return "la declaración de tipo de documento no está cerrada";
    case XML_ERR_MISPLACED_CDATA_END: return "aparece «]]>» fuera de una sección CDATA";
    case XML_ERR_HYPHEN_IN_COMMENT: return "un comentario contiene «--»";
    case XML_ERR_ENCODING_NAME: return "el nombre de la codificación no es válido";
    case XML_ERR_INVALID_URI:
    case XML_ERR_URI_FRAGMENT: return "una dirección (URI) del archivo no es válida";
    case XML_ERR_NAME_TOO_LONG: return "un nombre es demasiado largo";
    case XML_ERR_USER_STOP: return "la lectura se detuvo";
    case XML_ERR_INTERNAL_ERROR: return "error interno del analizador de XML";
    default:
        if (codigo >= XML_NS_ERR_XML_NAMESPACE && codigo <= XML_NS_ERR_COLON)
            return "un espacio de nombres (prefijo «xxx:») no está bien declarado";
        return "la sintaxis XML no es correcta (código " + std::to_string(codigo) + " del analizador)";
    }
}

void RecogerError(void* datos, xmlErrorPtr e) {
    auto* ctxt = static_cast<xmlParserCtxtPtr>(datos);
    auto* r = ctxt ? static_cast<RecogidaErrores*>(ctxt->_private) : nullptr;
    if (!r || !e || e->level < XML_ERR_ERROR || !r->primero.empty()) return;
    std::string motivo = DescribirError(e->code);
    // An encoding it does not know is named, so that the person can see which one.
    if ((e->code == XML_ERR_UNKNOWN_ENCODING || e->code == XML_ERR_UNSUPPORTED_ENCODING) && e->str1 && *e->str1)
        motivo = std::string("la codificación declarada («") + e->str1 + "») no se conoce";
    // For parser errors libxml2 keeps the column in int2.
    if (e->line > 0 && e->int2 > 0)
        r->primero = "error de XML en la línea " + std::to_string(e->line) + ", columna " +
                     std::to_string(e->int2) + ": " + motivo;
    else if (e->line > 0)
        r->primero = "error de XML en la línea " + std::to_string(e->line) + ": " + motivo;
    else
        r->primero = "error de XML: " + motivo;
}

// ---------------------------------------------------------------- entities

// A file that declares its own entities may use them in attribute values. They are put
// together once, on loading, within a fixed budget, so that reading an attribute never
// expands anything and a file built to blow up ("billion laughs", quadratic blow-up) is
// refused quickly.
constexpr size_t kPresupuestoEntidades = size_t(16) << 20;
constexpr int kProfundidadEntidades = 40;

bool Expandir(xmlDoc* doc, const xmlNode* h, std::string& r, size_t& gastado, int profundidad) {
    if (profundidad > kProfundidadEntidades) return false;
    for (; h; h = h->next) {
        if (h->type == XML_TEXT_NODE || h->type == XML_CDATA_SECTION_NODE) {
            size_t n = h->content ? std::strlen(C(h->content)) : 0;
            gastado += n;
            if (gastado > kPresupuestoEntidades) return false;
            r.append(h->content ? C(h->content) : "", n);
        } else if (h->type == XML_ENTITY_REF_NODE) {
            xmlEntity* ent = xmlGetDocEntity(doc, h->name);
            if (!ent) continue;
            const xmlNode* hijos = ent->children;
            if (hijos == reinterpret_cast<const xmlNode*>(-1)) return false;  // still being built
            if (!Expandir(doc, hijos, r, gastado, profundidad + 1)) return false;
        }
    }
    return true;
}

bool ResolverEntidades(xmlDoc* doc) {
    if (!doc->intSubset || !doc->intSubset->entities) return true;
    size_t gastado = 0;
    xmlNode* n = doc->children;
    while (n) {
        if (n->type == XML_ELEMENT_NODE) {
            for (xmlAttr* a = n->properties; a; a = a->next) {
                xmlNode* h = a->children;
                if (!h || (h->next == nullptr && h->type == XML_TEXT_NODE)) continue;
                std::string valor;
                if (!Expandir(doc, h, valor, gastado, 0)) return false;
                xmlSetNsProp(n, a->ns, a->name, X(valor.c_str()));
            }
        }
        // Next node in document order.
        if (n->type == XML_ELEMENT_NODE && n->children) {
            n = n->children;
            continue;
        }
        while (n && !n->next) n = n->parent == reinterpret_cast<xmlNode*>(doc) ? nullptr : n->parent;
        if (n) n = n->next;
    }
    return true;
}

// While it lives, libxml2's errors that reach no parser context (saving, encoders) are
// kept here instead of being printed; the handler in force before comes back after.
class SilencioLibxml {
public:
    SilencioLibxml() : antes_(xmlStructuredError), contextoAntes_(xmlStructuredErrorContext) {
        xmlSetStructuredErrorFunc(this, Recoger);
    }
    ~SilencioLibxml() { xmlSetStructuredErrorFunc(contextoAntes_, antes_); }
    SilencioLibxml(const SilencioLibxml&) = delete;
    SilencioLibxml& operator=(const SilencioLibxml&) = delete;
    const std::string& Primero() const { return primero_; }

private:
    static void Recoger(void* yo, xmlErrorPtr e) {
        auto* s = static_cast<SilencioLibxml*>(yo);
        if (s->primero_.empty() && e && e->message) {
            s->primero_ = e->message;
            while (!s->primero_.empty() && (s->primero_.back() == '\n' || s->primero_.back() == ' '))
                s->primero_.pop_back();
        }
    }
    xmlStructuredErrorFunc antes_;
    void* contextoAntes_;
    std::string primero_;
};

// ---------------------------------------------------------------- selection

bool MismoNombre(const xmlNode* n, const std::string& nombre) {
    return n->type == XML_ELEMENT_NODE && (n->ns == nullptr || n->ns->prefix == nullptr) &&
           std::strcmp(C(n->name), nombre.c_str()) == 0;
}

std::vector<std::string> Pasos(const std::string& ruta) {
    std::vector<std::string> pasos;
    if (ruta.size() < 2 || ruta[0] != '/') return pasos;
    size_t i = 1;
    while (i <= ruta.size()) {
        size_t j = ruta.find('/', i);
        if (j == std::string::npos) j = ruta.size();
        if (j == i) return {};  // empty step: "//" or a trailing "/"
        pasos.push_back(ruta.substr(i, j - i));
        i = j + 1;
    }
    return pasos;
}

// Appends, in document order, the elements below n that match pasos[k..]; stops once
// limite elements are found.
void Recorrer(xmlNode* n, const std::vector<std::string>& pasos, size_t k, std::vector<NodoXml>& r,
              size_t limite) {
    if (k == pasos.size()) {
        r.emplace_back(n);
        return;
    }
    for (xmlNode* h = n->children; h && r.size() < limite; h = h->next)
        if (MismoNombre(h, pasos[k])) Recorrer(h, pasos, k + 1, r, limite);
}

std::vector<NodoXml> Buscar(xmlDoc* doc, const std::string& ruta, size_t limite) {
    std::vector<NodoXml> r;
    if (!doc) return r;
    const std::vector<std::string> pasos = Pasos(ruta);
    xmlNode* raiz = xmlDocGetRootElement(doc);
    if (pasos.empty() || !raiz || !MismoNombre(raiz, pasos[0])) return r;
    Recorrer(raiz, pasos, 1, r, limite);
    return r;
}

// ---------------------------------------------------------------- saving

int EscribirEn(void* salida, const char* datos, int cuantos) {
    return static_cast<EscrituraAtomica*>(salida)->Escribir(datos, size_t(cuantos)) ? cuantos : -1;
}

}  // namespace

// ================================================================ NodoXml

std::string NodoXml::Atributo(const char* nombre) const {
    if (!n_) return {};
    for (xmlAttr* a = n_->properties; a; a = a->next) {
        if ((a->ns && a->ns->prefix) || std::strcmp(C(a->name), nombre) != 0) continue;
        xmlNode* h = a->children;
        if (!h) return {};
        if (h->next == nullptr && h->type == XML_TEXT_NODE) return h->content ? C(h->content) : "";
        // Several pieces (entity references were resolved on loading).
        std::string r;
        for (; h; h = h->next)
            if (h->type == XML_TEXT_NODE && h->content) r += C(h->content);
        return r;
    }
    return {};
}

bool NodoXml::TieneAtributo(const char* nombre) const {
    if (!n_) return false;
    for (xmlAttr* a = n_->properties; a; a = a->next)
        if (!(a->ns && a->ns->prefix) && std::strcmp(C(a->name), nombre) == 0) return true;
    return false;
}

std::string NodoXml::Nombre() const { return n_ && n_->name ? C(n_->name) : ""; }

void NodoXml::PonerAtributo(const char* nombre, const std::string& valor) {
    if (!n_) return;
    // xmlSetProp stores the value as plain text; it is escaped when the file is written.
    // An empty value needs no text node: the attribute is then written as nombre="".
    if (valor.empty()) xmlSetProp(n_, X(nombre), nullptr);
    else xmlSetProp(n_, X(nombre), X(TextoXmlValido(valor).c_str()));
}

void NodoXml::AnadirHijo(NodoXml hijo) {
    if (!n_ || !hijo.n_ || hijo.n_ == n_) return;
    xmlUnlinkNode(hijo.n_);
    xmlAddChild(n_, hijo.n_);
}

// ================================================================ DocumentoXml

struct DocumentoXml::Impl {
    xmlDoc* doc = nullptr;
    // Elements created and not yet placed hang here, so that none is lost when the
    // document goes.
    xmlNode* sueltos = nullptr;
    std::string motivo;

    void Vaciar() {
        if (sueltos) xmlFreeNode(sueltos);
        sueltos = nullptr;
        if (doc) xmlFreeDoc(doc);
        doc = nullptr;
    }
    xmlDoc* Documento() {
        if (!doc) {
            doc = xmlNewDoc(X("1.0"));
            doc->dict = xmlDictCreate();
        }
        return doc;
    }
};

DocumentoXml::DocumentoXml() : d(std::make_unique<Impl>()) { PrepararLibxml(); }

DocumentoXml::~DocumentoXml() { d->Vaciar(); }

bool DocumentoXml::Cargar(const std::string& ruta) {
    d->Vaciar();
    d->motivo.clear();

    std::string datos;
    {
        std::error_code ec;
        if (std::filesystem::is_directory(RutaNativa(ruta), ec)) {
            d->motivo = "no se puede abrir el archivo: " + DescripcionErrno(EISDIR);
            return false;
        }
        std::ifstream f(RutaNativa(ruta), std::ios::binary);
        if (!f) {
            d->motivo = "no se puede abrir el archivo: " + DescripcionErrno(errno);
            return false;
        }
        f.seekg(0, std::ios::end);
        const std::streamoff largo = f.tellg();
        f.seekg(0, std::ios::beg);
        if (largo > std::streamoff(INT32_MAX)) {
            d->motivo = "el archivo es demasiado grande";
            return false;
        }
        if (largo > 0) {
            datos.resize(size_t(largo));
            f.read(datos.data(), largo);
        }
        if (largo < 0 || !f) {
            d->motivo = "no se puede leer el archivo";
            return false;
        }
    }

    const Declaracion decl = LeerDeclaracion(datos);
    const char* forzada = nullptr;
    if (decl.ascii && !decl.marcaUtf8 && decl.codificacion.empty() && !EsUtf8Valido(datos))
        forzada = "WINDOWS-1252";

    SilencioLibxml silencio;
    xmlParserCtxtPtr ctxt = xmlNewParserCtxt();
    if (!ctxt) {
        d->motivo = "no hay memoria para leer el archivo";
        return false;
    }
    RecogidaErrores errores;
    ctxt->_private = &errores;
    ctxt->sax->serror = RecogerError;  // errors come back here, never to stderr
    ctxt->sax->warning = nullptr;
    ctxt->sax->error = nullptr;

    const int opciones = XML_PARSE_NONET | XML_PARSE_NOWARNING | XML_PARSE_NOERROR | XML_PARSE_COMPACT |
                         XML_PARSE_BIG_LINES | XML_PARSE_NOXINCNODE;
    xmlDoc* doc = xmlCtxtReadMemory(ctxt, datos.data(), int(datos.size()), nullptr, forzada, opciones);
    const bool bien = doc != nullptr && ctxt->wellFormed;
    xmlFreeParserCtxt(ctxt);

    if (!bien) {
        if (doc) xmlFreeDoc(doc);
        d->motivo = errores.primero.empty() ? "el archivo no es un documento XML bien formado" : errores.primero;
        return false;
    }
    if (!xmlDocGetRootElement(doc)) {
        xmlFreeDoc(doc);
        d->motivo = "el archivo no tiene elemento raíz";
        return false;
    }
    if (!ResolverEntidades(doc)) {
        xmlFreeDoc(doc);
        d->motivo = "el archivo declara entidades cuyo texto crece sin medida";
        return false;
    }
    // A file that named no encoding is written back as declared UTF-8.
    if (decl.ascii && decl.codificacion.empty() && doc->encoding) {
        xmlFree(const_cast<xmlChar*>(doc->encoding));
        doc->encoding = nullptr;
    }
    d->doc = doc;
    return true;
}

const std::string& DocumentoXml::MotivoFallo() const { return d->motivo; }

std::vector<NodoXml> DocumentoXml::Seleccionar(const std::string& ruta) const {
    return Buscar(d->doc, ruta, SIZE_MAX);
}

NodoXml DocumentoXml::SeleccionarUno(const std::string& ruta) const {
    std::vector<NodoXml> r = Buscar(d->doc, ruta, 1);
    return r.empty() ? NodoXml() : r.front();
}

NodoXml DocumentoXml::Raiz() const { return NodoXml(d->doc ? xmlDocGetRootElement(d->doc) : nullptr); }

void DocumentoXml::QuitarRaiz() {
    if (!d->doc) return;
    xmlNode* raiz = xmlDocGetRootElement(d->doc);
    if (!raiz) return;
    xmlUnlinkNode(raiz);
    xmlFreeNode(raiz);
}

NodoXml DocumentoXml::CrearElemento(const std::string& nombre) {
    xmlDoc* doc = d->Documento();
    if (!d->sueltos) d->sueltos = xmlNewDocNode(doc, nullptr, X("sueltos"), nullptr);
    xmlNode* n = xmlNewDocNode(doc, nullptr, X(nombre.c_str()), nullptr);
    if (!n) throw Error("No hay memoria para crear el elemento «" + nombre + "».");
    xmlAddChild(d->sueltos, n);
    return NodoXml(n);
}

void DocumentoXml::PonerRaiz(NodoXml elemento) {
    xmlNode* n = elemento.Nativo();
    if (!n) return;
    xmlDoc* doc = d->Documento();
    if (xmlNode* antigua = xmlDocGetRootElement(doc); antigua && antigua != n) {
        xmlUnlinkNode(antigua);
        xmlFreeNode(antigua);
    }
    xmlUnlinkNode(n);
    xmlAddChild(reinterpret_cast<xmlNode*>(doc), n);
}

void DocumentoXml::Guardar(const std::string& ruta) const {
    if (!d->doc || !xmlDocGetRootElement(d->doc))
        throw Error("No se puede guardar el archivo «" + ruta + "»: el documento no tiene elemento raíz.");
    EscrituraAtomica salida(ruta);
    SilencioLibxml silencio;
    const std::string codificacion = d->doc->encoding ? C(d->doc->encoding) : "UTF-8";
    xmlSaveCtxtPtr s = xmlSaveToIO(EscribirEn, nullptr, &salida, codificacion.c_str(), 0);
    if (!s) salida.Abandonar("la codificación «" + codificacion + "» no se puede escribir");
    const long escrito = xmlSaveDoc(s, d->doc);
    const int cerrado = xmlSaveClose(s);
    if ((escrito < 0 || cerrado < 0) && !salida.Fallida())
        salida.Abandonar("error al escribir el documento en " + codificacion +
                         (silencio.Primero().empty() ? "" : " (" + silencio.Primero() + ")"));
    salida.Terminar();
}

}  // namespace ph
