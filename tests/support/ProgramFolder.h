#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

// A program folder in a temporary directory, with its data/ folder, for tests that read and
// write the program's real files.
class ProgramFolder {
public:
    ProgramFolder() { QDir(dir_.path()).mkpath(QStringLiteral("data")); }

    QString path() const { return dir_.path(); }
    QString filePath(const QString& relative) const { return dir_.filePath(relative); }

    // Writes the file whole. A file that cannot be written fails the running test, since what
    // it goes on to check would be about some other contents; false then.
    bool write(const QString& relative, const QByteArray& bytes) const {
        QFile file(filePath(relative));
        const bool written =
            file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
        if (!written) {
            const QByteArray message = "cannot write " + relative.toUtf8();
            QTest::qFail(message.constData(), __FILE__, __LINE__);
        }
        return written;
    }

    QByteArray read(const QString& relative) const {
        QFile file(filePath(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    bool exists(const QString& relative) const { return QFile::exists(filePath(relative)); }

private:
    QTemporaryDir dir_;
};
