#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <optional>

// The whole contents of a file, or nothing when it cannot be opened for reading. Only a regular
// file, or a link to one, is read: anything else named there cannot be opened.
std::optional<QByteArray> ReadWholeFile(const QString& path);

// The rest of an open device's contents, from where it is to its end; nothing when it cannot
// be read.
std::optional<QByteArray> ReadRest(QIODevice& device);

// The first `maxBytes` bytes of a file (all of it when it is shorter), on the same terms.
std::optional<QByteArray> ReadFileStart(const QString& path, qint64 maxBytes);

// Replaces the file's contents with these bytes. The bytes go to a temporary file beside it
// that is then renamed over the old one, so a crash or a full disk never leaves a half-written
// file and the old contents survive a failed write. False when the file cannot be written.
bool ReplaceFileContents(const QString& path, const QByteArray& bytes);
