#pragma once

// The desktop's default handler in a test: an xdg-open of the test's own, first on the PATH,
// that records what it is given and exits as xdg-open does: 0 when a handler took the target,
// 3 when none was found.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class DesktopHandler {
public:
    DesktopHandler() : path_(qgetenv("PATH")) {
        qputenv("PATH", dir_.path().toUtf8() + ':' + path_);
        Succeed();
    }
    ~DesktopHandler() { qputenv("PATH", path_); }
    DesktopHandler(const DesktopHandler&) = delete;
    DesktopHandler& operator=(const DesktopHandler&) = delete;

    void Succeed() const { WriteXdgOpen(0); }
    void Fail() const { WriteXdgOpen(3); }

    // The targets the handler was given, in order.
    QStringList Opened() const {
        QFile file(openedFile());
        if (!file.open(QIODevice::ReadOnly)) {
            return {};
        }
        return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }

    QString filePath(const QString& name) const { return dir_.filePath(name); }

private:
    void WriteXdgOpen(int exitCode) const {
        QFile script(dir_.filePath(QStringLiteral("xdg-open")));
        if (script.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            script.write("#!/bin/sh\nprintf '%s\\n' \"$1\" >> \"" + openedFile().toUtf8() +
                         "\"\nexit " + QByteArray::number(exitCode) + "\n");
            script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
    }
    QString openedFile() const { return dir_.filePath(QStringLiteral("opened")); }

    QTemporaryDir dir_;
    QByteArray path_;
};
