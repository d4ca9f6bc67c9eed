#pragma once

#include "library/CatalogueEditor.h"
#include "library/ImportResult.h"
#include "library/ImportedLines.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

// Turning another program's word list into a library: a KVTML file (KWordQuiz, Parley and the
// word lists desktop distributions ship), or a word list written as text (comma- or
// tab-separated, flashcard programs' plain-text exports); see KvtmlReader.h and
// TextWordList.h.

struct ImportRequest {
    QString sourcePath;
    QByteArray libraryName;   // UTF-8; empty for the name proposed from the file's title
    PhoneticSource phonetics; // asked for the entries without a phonetic; empty for none
};

// The library text made from a word list's bytes, whatever their encoding (see
// WordListEncoding.h), with its title; `error` says why there is none.
struct ConvertedWordList {
    ImportError error = ImportError::None;
    qint64 errorLine = 0;
    QString title;
    ImportedLines lines;
};
ConvertedWordList ConvertWordList(QByteArray bytes, PhoneticSource phonetics = {});
// The same for the rest of an open device that can seek, a KVTML file read from it as it goes.
ConvertedWordList ConvertWordList(QIODevice& source, PhoneticSource phonetics = {});

// Imports the word list as a new library: writes data/<file>.dat, never over an existing file
// (see FreeLibraryNames), and adds "name#file" to the catalogue through the editor, as the
// library manager adds a library. Nothing is written and nothing added on an error.
ImportResult ImportWordList(const QString& programFolder, CatalogueEditor& catalogue,
                            const ImportRequest& request);

// The same for a program folder's table.ini, which is rewritten at once with the new entry
// after its own, under the catalogue's lock (CatalogueBusy when another program keeps it); the
// library file and the line appear together. The names and files of `alsoListed` (the library
// manager's catalogue, which may differ from table.ini until the manager is confirmed) are not
// chosen either, so that the entry can be added to that catalogue as well.
ImportResult ImportWordListIntoCatalogueFile(const QString& programFolder,
                                             const ImportRequest& request,
                                             const LibraryCatalogue& alsoListed = {});
