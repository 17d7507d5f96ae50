#pragma once
// The dBase table engine: a small table object in the manner of the Borland one.
//
// Writing: new tables are dBase level 7 (version byte 0x04, language driver "DBWINWE0",
// Windows-1252 text), laid out byte for byte as Free Pascal's TDbf writes them with
// TableLevel := 7, apart from the header date. Field kinds written: C (text, width n),
// I (4-byte integer, big-endian with the sign bit inverted), N 18.8 (float, right-aligned),
// L (logical: "T"/"F", a blank when never set).
// Reading: dBase III/IV (0x03, 0x83, 0x8B), level 7 (0x04, 0x8C) and FoxPro/Visual FoxPro
// (0x30, 0x31, 0xF5), field kinds C, N, F, L, D and the binary ones (I, + and O at level 7,
// big-endian; I, B and Y in FoxPro, little-endian), with the code page of the file.
//
// Texts pass in and out as UTF-8. Text written to a character field is converted to the
// table's code page ("?" for a character it cannot hold) and cut to the field's width;
// text read back carries no trailing blanks.
//
// The table is held in memory while open, with in-memory indexes for Locate, so that a
// lookup costs no scan. Posted rows reach the file in order (records and end marker
// first, then the record count in the header; writes may be gathered and flushed at the
// latest by Cerrar and Pack), so the file on disk is a valid table at every moment.
// Every error is a ph::Error whose message names the file and the problem.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace ph {

enum class TipoCampo { Texto, Entero, Flotante, Logico };

// A field of a table to be created. Ancho counts only for Texto.
struct DefCampo {
    std::string nombre;
    TipoCampo tipo;
    int ancho = 0;
};

class TablaDbf {
public:
    TablaDbf();
    ~TablaDbf();  // closes the table if open; never throws
    TablaDbf(const TablaDbf&) = delete;
    TablaDbf& operator=(const TablaDbf&) = delete;
    TablaDbf(TablaDbf&&) noexcept;
    TablaDbf& operator=(TablaDbf&&) noexcept;

    // Writes an empty level-7 table with exactly these fields and no index, replacing a
    // file of that name. The table is not left open. The file appears whole or not at
    // all: a failed or interrupted creation leaves an earlier file as it was. A file that
    // another holder has open under a lock is not replaced: an error naming it.
    static void Crear(const std::string& ruta, const std::vector<DefCampo>& campos);
    // Deletes the table's file unless another holder has it open under a lock (Windows
    // refuses to delete a file in use; elsewhere the lock says so). True when deleted.
    static bool Borrar(const std::string& ruta);

    // Opens the file at ruta. Exclusive use takes an advisory lock (flock on POSIX,
    // no sharing on Windows); another holder gives an error naming the file. Shared use
    // takes a shared lock, so that an exclusive holder elsewhere is detected too. A file
    // that cannot be written is opened for reading only. The table opens at its first row.
    void Abrir(const std::string& ruta, bool exclusivo = true);
    // Posts a pending Append/Edit first and writes what is pending. The file is let go
    // even when that fails (the error is then raised).
    void Cerrar();
    bool Activa() const;
    const std::string& Ruta() const;

    // Navigation in stored order, skipping deleted rows. As the platform's tables do, moving
    // (First, Next, Locate, Append, Pack) first posts a pending row whose fields were set
    // and drops one whose fields were not.
    void First();
    void Next();
    bool Eof() const;
    // The 1-based position of the current row in the file (deleted rows count), 0 at Eof
    // of an empty table.
    long RecNo() const;
    long RecordCount() const;  // rows not deleted

    // Append: a new blank row becomes current; fields set afterwards; Post writes it as
    // the last row. Edit: the current row is changed in place by Post; on a table without
    // rows it appends. Setting a field, or Post, outside Append/Edit is an error.
    void Append();
    void Edit();
    void Post();

    // Marks the current row deleted; the next row becomes current, or the previous one when
    // none follows; an emptied table is at Eof. During Append it drops the new row; on an
    // empty table it is an error.
    void Delete();
    // Removes deleted rows from the file; the table stays open, at its first row.
    void Pack();

    // Finds the first row in stored order whose fields equal the values exactly (text
    // without trailing blanks, letter case counts). campos: one name, or names joined by
    // ";". True and current row moved when found; false and current row kept otherwise.
    bool Locate(const std::string& campos, const std::vector<std::string>& valores);
    bool Locate(const std::string& campo, const std::string& valor) {
        return Locate(campo, std::vector<std::string>{valor});
    }

    // Field access on the current row (or the row being appended/edited).
    // AsString of a numeric field gives the number in its shortest decimal form ("1",
    // "2.5"); of a logical field "T"/"F"/""; of a date field its 8 stored digits.
    // AsInteger of a text field converts its text, and raises an error naming the file,
    // the field and the value when it is not a whole number.
    std::string AsString(const std::string& campo) const;
    long long AsInteger(const std::string& campo) const;
    double AsFloat(const std::string& campo) const;
    bool AsBoolean(const std::string& campo) const;
    void SetString(const std::string& campo, const std::string& valor);
    void SetInteger(const std::string& campo, long long valor);
    void SetFloat(const std::string& campo, double valor);
    void SetBoolean(const std::string& campo, bool valor);

    bool TieneCampo(const std::string& campo) const;  // letter case ignored, as FieldByName
    std::vector<DefCampo> Campos() const;

    // For fault-injection tests: after this many more file writes, the next one throws
    // (once; then writes work again). Negative disables. Process-wide.
    static void FallarTrasEscrituras(long escrituras);

private:
    struct Impl;
    Impl& I() const;  // the state; an error for an object whose content was moved away
    std::unique_ptr<Impl> d;
};

}  // namespace ph
