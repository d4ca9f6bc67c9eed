#include "companion/CompanionOptions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryFile>

#include <cstdio>

namespace {

const QString kIdleSeconds = QStringLiteral("Pause/idleSeconds");
const QString kWhenLocked = QStringLiteral("Pause/whenLocked");
const QString kWhenFullScreen = QStringLiteral("Pause/whenFullScreen");
const QString kTrayEnabled = QStringLiteral("Tray/enabled");
const QString kPauseShortcut = QStringLiteral("Shortcuts/pause");
const QString kKnownShortcut = QStringLiteral("Shortcuts/known");
const QString kAgainShortcut = QStringLiteral("Shortcuts/again");
const QString kShowShortcut = QStringLiteral("Shortcuts/show");

bool BoolOr(const QSettings& file, const QString& key, bool fallback) {
    const QString text = file.value(key).toString().trimmed().toLower();
    if (text == u"true" || text == u"1") {
        return true;
    }
    if (text == u"false" || text == u"0") {
        return false;
    }
    return fallback;
}

QString TextOr(const QSettings& file, const QString& key, const QString& fallback) {
    return file.contains(key) ? file.value(key).toString().trimmed() : fallback;
}

void Store(QSettings& file, const CompanionOptions& options) {
    file.setValue(kIdleSeconds, options.idleSeconds);
    file.setValue(kWhenLocked, options.pauseWhenLocked);
    file.setValue(kWhenFullScreen, options.pauseWhenFullScreen);
    file.setValue(kTrayEnabled, options.trayIcon);
    file.setValue(kPauseShortcut, options.pauseShortcut);
    file.setValue(kKnownShortcut, options.knownShortcut);
    file.setValue(kAgainShortcut, options.againShortcut);
    file.setValue(kShowShortcut, options.showShortcut);
}

} // namespace

QString CompanionOptionsPath(const QString& programFolder) {
    return QDir(programFolder).filePath(QStringLiteral("lexado.conf"));
}

CompanionOptions LoadCompanionOptions(const QString& programFolder) {
    const QString path = CompanionOptionsPath(programFolder);
    const CompanionOptions defaults;
    if (!QFileInfo(path).isFile()) {
        return defaults;
    }
    const QSettings file(path, QSettings::IniFormat);
    if (file.status() != QSettings::NoError) {
        return defaults;
    }
    CompanionOptions options;
    bool isNumber = false;
    const int idle = file.value(kIdleSeconds).toString().trimmed().toInt(&isNumber);
    options.idleSeconds =
        isNumber && idle >= 0 && idle <= kMaxIdleSeconds ? idle : defaults.idleSeconds;
    options.pauseWhenLocked = BoolOr(file, kWhenLocked, defaults.pauseWhenLocked);
    options.pauseWhenFullScreen = BoolOr(file, kWhenFullScreen, defaults.pauseWhenFullScreen);
    options.trayIcon = BoolOr(file, kTrayEnabled, defaults.trayIcon);
    options.pauseShortcut = TextOr(file, kPauseShortcut, defaults.pauseShortcut);
    options.knownShortcut = TextOr(file, kKnownShortcut, defaults.knownShortcut);
    options.againShortcut = TextOr(file, kAgainShortcut, defaults.againShortcut);
    options.showShortcut = TextOr(file, kShowShortcut, defaults.showShortcut);
    return options;
}

// QSettings writes its file in place, so the options are written into a copy beside it that
// then takes its name in one step. A file that cannot be parsed is not copied: its keys cannot
// be kept.
bool SaveCompanionOptions(const QString& programFolder, const CompanionOptions& options) {
    const QString path = CompanionOptionsPath(programFolder);
    QTemporaryFile copy(path + QStringLiteral(".XXXXXX"));
    if (!copy.open()) {
        return false;
    }
    QFile old(path);
    if (QFileInfo(path).isFile() &&
        QSettings(path, QSettings::IniFormat).status() == QSettings::NoError) {
        if (!old.open(QIODevice::ReadOnly) || copy.write(old.readAll()) != old.size()) {
            return false;
        }
    }
    copy.close();
    {
        QSettings file(copy.fileName(), QSettings::IniFormat);
        Store(file, options);
        file.sync();
        if (file.status() != QSettings::NoError) {
            return false;
        }
    }
    if (std::rename(QFile::encodeName(copy.fileName()).constData(),
                    QFile::encodeName(path).constData()) != 0) {
        return false;
    }
    copy.setAutoRemove(false);
    return true;
}
