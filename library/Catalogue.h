#pragma once

#include "library/WordList.h"

#include <QByteArrayView>
#include <QString>

// The lines of table.ini, each a display name, '#' and a file name in data/. Every line is an
// entry, an empty one included.
using LibraryCatalogue = WordList;

// The longest name or file name of a library, in bytes: the settings record keeps the current
// library's name and file name in fields of 20 bytes, a NUL included.
inline constexpr qsizetype kLibraryNameBytes = 19;

struct CatalogueEntry {
    QByteArrayView name; // the text before the first '#'
    QByteArrayView file; // everything after the first '#'; the whole line when there is none
};

CatalogueEntry SplitCatalogueEntry(QByteArrayView line);

// Whether a name or file name holds a line break or another control character, which would
// split or garble its line in table.ini.
bool HoldsControlCharacter(QByteArrayView text);

// Whether an entry of the catalogue has this name or this file: a library is listed once under
// each.
bool ListsNameOrFile(const LibraryCatalogue& catalogue, QByteArrayView name, QByteArrayView file);

QString CataloguePath(const QString& programFolder);

// The lines of the program folder's table.ini; empty when the file is missing or empty.
LibraryCatalogue ReadCatalogue(const QString& programFolder);

// Rewrites table.ini from the catalogue, each entry followed by a carriage return and a line
// feed. False when the file cannot be written (the caller tells the user with string 105).
bool WriteCatalogue(const QString& programFolder, const LibraryCatalogue& catalogue);
