#include "library/DataFolder.h"

#include "strings/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString DataFolderPath(const QString& programFolder) {
    return programFolder + QStringLiteral("/data");
}

std::optional<QString> DataFilePath(const QString& programFolder, QByteArrayView fileName) {
    const QString name = DecodeLine(fileName);
    if (name.isEmpty() || name.contains(u'/') || name.contains(u'\\') ||
        name.contains(QStringLiteral("..")) || name.contains(QChar(0))) {
        return std::nullopt;
    }
    return DataFolderPath(programFolder) + u'/' + name;
}

QStringList LibraryFileNames(const QString& programFolder) {
    return QDir(DataFolderPath(programFolder))
        .entryList({QStringLiteral("*.dat")}, QDir::Files, QDir::Name);
}

bool DiscardLibraryFile(const QString& programFolder, QByteArrayView fileName) {
    const std::optional<QString> path = DataFilePath(programFolder, fileName);
    if (!path || QFileInfo(*path).isDir()) {
        return false;
    }
    return QFile::moveToTrash(*path) || QFile::remove(*path);
}
