#pragma once

#include "library/Catalogue.h"
#include "library/WriteFailure.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// Taking a library out to flashcard programs.

// The tab-separated text of the entries: the header lines "#separator:tab", "#html:false" and
// "#columns:Word<TAB>Meaning<TAB>Phonetic", then one line per entry with its word, meaning and
// phonetic, each read in the encoding of its line and written as UTF-8, lines ended by a line
// feed. A field holding a tab, a carriage return or a '"' is put in quotes, its '"' doubled.
QByteArray ExportText(const WordList& entries);

enum class ExportError {
    None,
    LibraryNotFound, // the library file cannot be read
    NotRegularFile,  // the output names a device, a FIFO, a folder or a socket
    CannotWrite,     // the output file cannot be written
};

struct ExportResult {
    ExportError error = ExportError::None;
    qsizetype entries = 0;
    WriteFailure writeFailure = WriteFailure::Unknown; // why, for CannotWrite
    QString folder;                                    // the output's folder, for CannotWrite
};

// Writes the library data/<libraryFile> to the output file as ExportText. An empty library
// gives the header lines alone. Only a regular file is replaced: anything else there is left
// as it is.
ExportResult ExportLibrary(const QString& programFolder, QByteArrayView libraryFile,
                           const QString& outputPath);

// The library file a name stands for: the file of the catalogue entry of that name, else the
// name itself when it is the file of an entry. Nothing when neither is listed.
std::optional<QByteArray> LibraryFileNamed(const LibraryCatalogue& catalogue, QByteArrayView name);
