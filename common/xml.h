#pragma once
// The XML document engine, over libxml2.
//
// Loading is safe: no DTD is loaded, no external entity is resolved, no network is
// reached and entity expansion is bounded. A file is read in the encoding its declaration
// names; a file without declaration that is not valid UTF-8 is read as Windows-1252.
// Attribute values pass in and out as UTF-8.
#include <memory>
#include <string>
#include <vector>

typedef struct _xmlNode xmlNode;

namespace ph {

// A light handle on an element of a DocumentoXml; valid while the document lives.
class NodoXml {
public:
    NodoXml() = default;
    explicit NodoXml(xmlNode* n) : n_(n) {}
    bool Valido() const { return n_ != nullptr; }
    // The attribute's value as written (not trimmed); empty text when it is missing.
    std::string Atributo(const char* nombre) const;
    bool TieneAtributo(const char* nombre) const;
    std::string Nombre() const;
    // Sets (or adds) the attribute; attributes keep the order of their first setting.
    // The value is plain text (escaped on saving); bytes that are not UTF-8 and characters
    // that XML 1.0 cannot hold (control characters other than tab, CR, LF) become "?".
    void PonerAtributo(const char* nombre, const std::string& valor);
    void AnadirHijo(NodoXml hijo);  // the child becomes the last child
    xmlNode* Nativo() const { return n_; }

private:
    xmlNode* n_ = nullptr;
};

class DocumentoXml {
public:
    DocumentoXml();
    ~DocumentoXml();
    DocumentoXml(const DocumentoXml&) = delete;
    DocumentoXml& operator=(const DocumentoXml&) = delete;

    // Loads the file into a new tree. Returns false when the file cannot be read or
    // parsed; the document is then empty (every selection finds nothing) and
    // MotivoFallo() says why, in Spanish.
    bool Cargar(const std::string& ruta);
    const std::string& MotivoFallo() const;

    // The elements of an absolute child path such as "/centro" or
    // "/centro/docentes/docente", in document order; empty when nothing matches.
    std::vector<NodoXml> Seleccionar(const std::string& ruta) const;
    NodoXml SeleccionarUno(const std::string& ruta) const;  // first match or invalid
    NodoXml Raiz() const;                                   // root element or invalid

    // Editing (the schedule file writer).
    void QuitarRaiz();                           // removes the root element with its subtree
    // Not yet in the tree; released with the document if never placed. On a document
    // that was never loaded, this starts a new UTF-8 document.
    NodoXml CrearElemento(const std::string& nombre);
    void PonerRaiz(NodoXml elemento);  // appends it as the root element (replacing any root)

    // Saves the whole document: the original declaration (version, encoding) and the
    // top-level nodes outside the root are kept; bytes are written in the encoding the
    // declaration names; a file that named none (also one read as Windows-1252) is written
    // as UTF-8 with encoding="UTF-8" declared. The file is written to a temporary file in the
    // same folder and renamed over ruta, so a failed save leaves no half-written file and
    // any earlier file of that name intact. Errors raise ph::Error naming the file.
    void Guardar(const std::string& ruta) const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

}  // namespace ph
