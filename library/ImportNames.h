#pragma once

#include "library/Catalogue.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// The library name proposed for a word list with this title (a KVTML file's title, or the
// file's name without its extension): '#' becomes "＃" (it would end the name in table.ini),
// line breaks and other control characters spaces, and the name is cut to the bytes the
// settings record holds, at a character boundary. UTF-8.
QByteArray LibraryNameFromTitle(const QString& title);

struct LibraryNames {
    QByteArray name; // the catalogue name
    QByteArray file; // the file name in data/
};

// A name and a file for a new library that no catalogue entry uses and no file in data/ has:
// "name" and "name.dat", else "name-2" and "name-2.dat", and so on, each cut to the bytes the
// settings record holds. The file name is the name with the characters that could lead out of
// data/ or trouble another system ('/', '\\', '.', ':' and the like) made '_'. Nothing when
// every name up to a thousand is taken.
std::optional<LibraryNames> FreeLibraryNames(const QString& programFolder,
                                             const LibraryCatalogue& catalogue,
                                             QByteArrayView name);
