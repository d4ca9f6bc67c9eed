#pragma once

// The desktop's default handler in a test. Qt's offscreen platform opens nothing, so opening
// falls to xdg-open; run without a display or a desktop session, xdg-open hands every web
// address and mail link to the programs in $BROWSER. Here that is a script that records what it
// is given, or `false` for a handler that fails.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class DesktopHandler {
public:
    DesktopHandler() {
        for (const char* name :
             {"DISPLAY", "WAYLAND_DISPLAY", "XDG_CURRENT_DESKTOP", "DESKTOP_SESSION",
              "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID", "MATE_DESKTOP_SESSION_ID",
              "LXQT_SESSION_CONFIG", "DBUS_SESSION_BUS_ADDRESS"}) {
            qunsetenv(name);
        }
        QFile script(handler());
        if (script.open(QIODevice::WriteOnly)) {
            script.write("#!/bin/sh\nprintf '%s\\n' \"$1\" >> \"" + openedFile().toUtf8() + "\"\n");
            script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        Succeed();
    }

    void Succeed() const { qputenv("BROWSER", handler().toUtf8()); }
    void Fail() const { qputenv("BROWSER", "false"); }

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
    QString handler() const { return dir_.filePath(QStringLiteral("handler")); }
    QString openedFile() const { return dir_.filePath(QStringLiteral("opened")); }

    QTemporaryDir dir_;
};
