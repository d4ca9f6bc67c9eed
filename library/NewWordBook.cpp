#include "library/NewWordBook.h"

#include "library/DataFolder.h"
#include "library/TextFile.h"

#include <QFile>

QString NewWordBookPath(const QString& programFolder) {
    return DataFolderPath(programFolder) + u'/' + QLatin1String(kNewWordBookFile);
}

// The line goes out in one write, so a full disk leaves at most a cut last line and never
// touches the lines already in the book.
bool AppendToNewWordBook(const QString& programFolder, QByteArrayView line) {
    QFile file(NewWordBookPath(programFolder));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        return false;
    }
    const QByteArray bytes = line.toByteArray() + "\r\n";
    return file.write(bytes) == bytes.size() && file.flush();
}

bool EmptyNewWordBook(const QString& programFolder) {
    return ReplaceFileContents(NewWordBookPath(programFolder), QByteArray());
}
