#pragma once

#include "library/WordList.h"

#include <QByteArrayView>
#include <QString>

// How a library file was found when it was read.
enum class LibraryStatus {
    Read,    // the entries are the file's lines
    Empty,   // the file is empty: the single entry of string 106
    Missing, // the file cannot be opened: the single entry of string 107
};

struct LibraryContents {
    WordList entries;
    LibraryStatus status = LibraryStatus::Missing;
};

// Reads data/<fileName> of the program folder. The first line is kept whatever its length,
// later lines only when they are two bytes or longer. Never fails: an empty or missing file
// gives a single pseudo-entry in the line format ("Error#..."), so there is always an entry
// to show.
LibraryContents ReadWordLibrary(const QString& programFolder, QByteArrayView fileName);

// Rewrites data/<fileName> with the entries, each followed by a carriage return and a line
// feed. False when the file cannot be written (the caller tells the user with string 103).
bool WriteWordLibrary(const QString& programFolder, QByteArrayView fileName,
                      const WordList& entries);
