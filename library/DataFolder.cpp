#include "library/DataFolder.h"

#include "library/TextCodec.h"

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
