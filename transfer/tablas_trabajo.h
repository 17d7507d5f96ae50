#pragma once
// The seven work tables that the ITACA -> Sesionix transfer leaves in the exchange folder,
// and Sesionix's solution table: names and field layouts, in file order.
#include "common/dbf/dbf.h"

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace ph {

struct TablaTrabajo {
    const char* nombre;  // "PROFT": the file is nombre + ".DBF"
    std::vector<DefCampo> campos;
};

const TablaTrabajo& TablaPROFT();
const TablaTrabajo& TablaCURSOST();
const TablaTrabajo& TablaGRUPOST();
const TablaTrabajo& TablaASIGNOMT();
const TablaTrabajo& TablaAULAT();
const TablaTrabajo& TablaASIGT();
const TablaTrabajo& TablaDIASHORAST();
// The seven, in the order the transfer builds them.
std::vector<const TablaTrabajo*> TablasTrabajo();

inline constexpr const char* kSOLUC = "SOLUC";

// Path of a table's file in the exchange folder: an existing file whose name matches
// nombre + extension without regard to letter case, else the name as given.
std::string RutaTabla(const std::string& carpeta, const std::string& nombre,
                      const char* extension = ".DBF");

// Deletes the table's .DBF and then its .MDX where they exist (a failed deletion is
// ignored). A .DBF that another program holds is not deleted, so that creating the table
// then reports it in use.
void BorrarTabla(const std::string& carpeta, const std::string& nombre);
// Writes the table empty, with its fields and no index.
void CrearVacia(const std::string& carpeta, const TablaTrabajo& tabla);
// The creation procedure: BorrarTabla, then CrearVacia.
void CrearTablaTrabajo(const std::string& carpeta, const TablaTrabajo& tabla);
// Opens a table of the exchange folder (exclusive use, as the window's components do).
void AbrirTabla(TablaDbf& tabla, const std::string& carpeta, const std::string& nombre,
                bool exclusivo = true);

// CrearTablaTrabajo, then the new table opened as AbrirTabla opens it.
TablaDbf CrearYAbrirTabla(const std::string& carpeta, const TablaTrabajo& trabajo);
// The field campo of the first row whose field clave holds valor (the row becomes the
// current one); empty when no row does.
std::string CampoBuscado(TablaDbf& tabla, const char* clave, const std::string& valor, const char* campo);

// Sets text fields of the row being appended or edited: (field, value) pairs.
void PonerTextos(TablaDbf& tabla, std::initializer_list<std::pair<const char*, std::string>> campos);

// Rows of each work table in the folder, in build order (-1 for a table that cannot be read).
std::vector<std::pair<std::string, long>> ContarFilas(const std::string& carpeta);

}  // namespace ph
