#pragma once

#include "library/WordList.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// How the library picked in the choose-library dialog was found.
enum class PickStatus {
    Read,            // the entries are the file's lines
    Empty,           // the file is empty: the single entry of string 106
    Missing,         // the file cannot be opened (string 103); no entries
    FileNameTooLong, // the settings record could not hold the file name; no entries
};

struct PickedLibrary {
    QByteArray fileName;    // the catalogue entry's file part, trailing white space removed
    QByteArray displayName; // the entry's name
    WordList entries;
    PickStatus status = PickStatus::Missing;
};

// Reads the library of a catalogue entry into a list of its own, as the choose-library dialog
// does when a name is picked. A file that cannot be opened, or whose name leads out of data/,
// gives no entries at all, unlike the pseudo-entry the main window would show.
PickedLibrary PickLibrary(const QString& programFolder, QByteArrayView catalogueEntry);
