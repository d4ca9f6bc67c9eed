#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// A program folder in a temporary directory, with its data/ folder, for tests that read and
// write the program's real files.
class ProgramFolder {
public:
    ProgramFolder() { QDir(dir_.path()).mkpath(QStringLiteral("data")); }

    QString path() const { return dir_.path(); }
    QString filePath(const QString& relative) const { return dir_.filePath(relative); }

    void write(const QString& relative, const QByteArray& bytes) const {
        QFile file(filePath(relative));
        if (file.open(QIODevice::WriteOnly)) {
            file.write(bytes);
        }
    }

    QByteArray read(const QString& relative) const {
        QFile file(filePath(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    bool exists(const QString& relative) const { return QFile::exists(filePath(relative)); }

private:
    QTemporaryDir dir_;
};
