#pragma once

#include "library/ImportedLines.h"

#include <QByteArray>

// Why a word list could not be imported.
enum class ImportError {
    None,
    CannotRead,             // the file cannot be opened
    NotWordList,            // neither a KVTML file nor text
    OldKvtml,               // a KVTML file older than version 2
    Malformed,              // a KVTML file that is not well-formed XML
    NoEntries,              // nothing in the file to import
    HashInName,             // the library name asked for holds a '#'
    ControlCharacterInName, // the library name asked for holds a line break, a tab, ...
    BlankName,              // the library name asked for is nothing but blanks
    CannotWrite,            // the library file cannot be written
    CannotWriteCatalogue,   // table.ini cannot be written
    CatalogueBusy,          // another program kept table.ini locked
};

// What an import did: the entries written, the phonetics filled in and those not and why, the
// entries left out and why, and the names chosen; or why nothing was written.
struct ImportResult {
    ImportError error = ImportError::None;
    qint64 errorLine = 0; // where a malformed file goes wrong
    int entries = 0;
    int phoneticsFilled = 0;
    WithheldPhonetics withheldPhonetics;
    SkippedEntries skipped;
    QByteArray libraryName; // the catalogue name, UTF-8
    QByteArray fileName;    // the library file in data/

    bool ok() const { return error == ImportError::None; }
};
