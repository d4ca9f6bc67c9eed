#include "companion/CompanionOptions.h"

#include "library/OptionsFile.h"

namespace {

const QString kIdleSeconds = QStringLiteral("Pause/idleSeconds");
const QString kWhenLocked = QStringLiteral("Pause/whenLocked");
const QString kWhenFullScreen = QStringLiteral("Pause/whenFullScreen");
const QString kTrayEnabled = QStringLiteral("Tray/enabled");
const QString kPauseShortcut = QStringLiteral("Shortcuts/pause");
const QString kKnownShortcut = QStringLiteral("Shortcuts/known");
const QString kAgainShortcut = QStringLiteral("Shortcuts/again");
const QString kShowShortcut = QStringLiteral("Shortcuts/show");

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

CompanionOptions LoadCompanionOptions(const QString& programFolder) {
    const CompanionOptions defaults;
    const std::unique_ptr<const QSettings> read = ReadOptionsFile(programFolder);
    if (!read) {
        return defaults;
    }
    const QSettings& file = *read;
    CompanionOptions options;
    bool isNumber = false;
    const int idle = file.value(kIdleSeconds).toString().trimmed().toInt(&isNumber);
    options.idleSeconds =
        isNumber && idle >= 0 && idle <= kMaxIdleSeconds ? idle : defaults.idleSeconds;
    options.pauseWhenLocked = OptionFlag(file, kWhenLocked, defaults.pauseWhenLocked);
    options.pauseWhenFullScreen = OptionFlag(file, kWhenFullScreen, defaults.pauseWhenFullScreen);
    options.trayIcon = OptionFlag(file, kTrayEnabled, defaults.trayIcon);
    options.pauseShortcut = OptionText(file, kPauseShortcut, defaults.pauseShortcut);
    options.knownShortcut = OptionText(file, kKnownShortcut, defaults.knownShortcut);
    options.againShortcut = OptionText(file, kAgainShortcut, defaults.againShortcut);
    options.showShortcut = OptionText(file, kShowShortcut, defaults.showShortcut);
    return options;
}

bool SaveCompanionOptions(const QString& programFolder, const CompanionOptions& options) {
    return UpdateOptionsFile(programFolder, [&](QSettings& file) { Store(file, options); });
}
