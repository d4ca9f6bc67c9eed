#pragma once

#include "library/Catalogue.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryFile>

#include <optional>

// A new library file is written whole under a temporary name in data/ (".import-" and six
// letters, hidden, so that no list of library files shows it), and given its name only then,
// as a second link to the same file, while the catalogue is locked and just before its line
// is written. The temporary name goes when the object does; an import cut short (killed)
// leaves it, and the next import undoes what it left (UndoUnfinishedImports).
class StagedLibraryFile {
public:
    explicit StagedLibraryFile(const QString& programFolder);

    // Writes the text and makes sure it is on the disk. While the object lives, its file is
    // locked (flock), which tells other programs the import is still running.
    bool Write(const QByteArray& text);
    // Gives the file written its name, never in place of a file that exists. Only after a
    // successful Write.
    bool Publish(const QString& path);

private:
    bool Create();

    QString template_;
    std::optional<QTemporaryFile> file_;
};

// Removes what killed imports left in data/: each temporary file no running import holds,
// and the library file linked to it unless the catalogue lists that file, so that a library
// file and its catalogue line are there together or not at all. Called with the catalogue
// locked.
void UndoUnfinishedImports(const QString& programFolder, const LibraryCatalogue& catalogue);
