#include "library/TextFile.h"

#include "library/LargeBuffer.h"
#include "library/RegularFile.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>

std::optional<QByteArray> ReadWholeFile(const QString& path) {
    QFile file;
    if (!OpenRegularFile(file, path)) {
        return std::nullopt;
    }
    return ReadRest(file);
}

std::optional<QByteArray> ReadRest(QIODevice& device) {
    // One buffer of the size left, read at once: a library of a million lines is read without
    // the buffer growing on the way.
    QByteArray bytes(std::max<qint64>(device.size() - device.pos(), 0), Qt::Uninitialized);
    AdviseLargeBuffer(bytes.data(), bytes.size());
    const qint64 read = device.read(bytes.data(), bytes.size());
    if (read < 0) {
        return std::nullopt;
    }
    bytes.truncate(read);
    if (!device.atEnd()) {
        bytes += device.readAll(); // the file grew meanwhile, or reports no size
    }
    return bytes;
}

std::optional<QByteArray> ReadFileStart(const QString& path, qint64 maxBytes) {
    QFile file;
    if (!OpenRegularFile(file, path)) {
        return std::nullopt;
    }
    return file.read(maxBytes);
}

bool ReplaceFileContents(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
