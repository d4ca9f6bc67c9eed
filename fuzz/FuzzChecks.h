#pragma once

#include "library/ImportedLines.h"

#include <QByteArrayView>
#include <QString>

// What the fuzz targets check beyond the sanitizers: a broken invariant ends the run as a
// finding, with the invariant's description.

void Check(bool holds, const char* invariant);

// A program folder with its data/ folder, the same for the whole run.
const QString& FuzzProgramFolder();

// Replaces the file's contents with the bytes.
void WriteFile(const QString& path, QByteArrayView bytes);

// The lines of an import are valid UTF-8 "word#meaning" or "word#meaning#phonetic" lines with
// a word, each ended by CR LF and holding no other line break, one an entry; and the library
// reader, reading them from a library file, finds the same lines as its entries.
void CheckImportedLines(const ImportedLines& lines);
