#pragma once

#include <QString>

// The desktop companion's options, which the 212-byte settings record has no room for. They
// live in lexado.conf in the program folder, in Qt's INI format.
struct CompanionOptions {
    int idleSeconds = 120; // pause after this long without keyboard or mouse; 0 for never
    bool pauseWhenLocked = true;
    bool pauseWhenFullScreen = true;
    bool trayIcon = true;
    // Global shortcuts in Qt's key-sequence notation; empty for none.
    QString pauseShortcut = QStringLiteral("Ctrl+Alt+P");
    QString knownShortcut = QStringLiteral("Ctrl+Alt+K");
    QString againShortcut = QStringLiteral("Ctrl+Alt+J");
    QString showShortcut = QStringLiteral("Ctrl+Alt+L");

    bool operator==(const CompanionOptions&) const = default;
};

// The longest idle time that can be set: a day.
inline constexpr int kMaxIdleSeconds = 24 * 60 * 60;

// The options of lexado.conf; the defaults for what it does not say or says out of range, and
// all the defaults when there is no file or it cannot be read or parsed.
CompanionOptions LoadCompanionOptions(const QString& programFolder);

// Writes the options into lexado.conf, keeping the keys it holds that are not these options.
// The file is replaced whole at once, so that it is never left half written. False when it
// cannot be written; the old file is then left as it was. Callers write only when the user has
// changed an option, so a broken file stays as it is until then.
bool SaveCompanionOptions(const QString& programFolder, const CompanionOptions& options);
