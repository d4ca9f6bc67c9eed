#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

// Library files live in the data/ folder of the program folder.
QString DataFolderPath(const QString& programFolder);

// The path of the file of this name inside data/, or nothing when the name could lead
// elsewhere (it is empty, holds a path separator or ".."): such a name is treated as a file
// that cannot be opened, so no catalogue line, progress file or typed name can make the
// program read or write outside its folder.
std::optional<QString> DataFilePath(const QString& programFolder, QByteArrayView fileName);

// The names of the library files (*.dat, in any case) in data/, in name order; folders and
// hidden files are left out.
QStringList LibraryFileNames(const QString& programFolder);

// Moves data/<fileName> to the desktop's trash, so that a library deleted by mistake can be
// brought back, or deletes it where there is no trash. False when the file is still there (no
// such file, a name leading out of data/, no permission).
bool DiscardLibraryFile(const QString& programFolder, QByteArrayView fileName);
