#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

// Library files live in the data/ folder of the program folder.
QString DataFolderPath(const QString& programFolder);

// The path of the file of this name inside data/, or nothing when the name could lead
// elsewhere (it is empty, holds a path separator or ".."): such a name is treated as a file
// that cannot be opened, so no catalogue line, progress file or typed name can make the
// program read or write outside its folder.
std::optional<QString> DataFilePath(const QString& programFolder, QByteArrayView fileName);
