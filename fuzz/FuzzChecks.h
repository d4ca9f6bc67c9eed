#pragma once

#include "library/ImportedLines.h"

#include <QByteArrayView>
#include <QString>

// A broken invariant ends the run as a finding, named on stderr.
void Check(bool holds, const char* invariant);

// A program folder with a data/ folder, for the whole run; and a file of it written whole.
const QString& FuzzProgramFolder();
void WriteFile(const QString& path, QByteArrayView bytes);

// An import's lines are UTF-8 "word#meaning[#phonetic]" lines with a word, ended by CR LF, one
// an entry, which the library reader reads back from a library file as its entries.
void CheckImportedLines(const ImportedLines& lines);
