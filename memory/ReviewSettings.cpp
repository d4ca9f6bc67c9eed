#include "memory/ReviewSettings.h"

#include "library/OptionsFile.h"

#include <algorithm>

namespace {

const QString kEnabled = QStringLiteral("Review/enabled");
const QString kNewPerDay = QStringLiteral("Review/newPerDay");
const QString kRetention = QStringLiteral("Review/retention");

} // namespace

ReviewSettings LoadReviewSettings(const QString& programFolder) {
    const ReviewSettings defaults;
    const std::unique_ptr<const QSettings> read = ReadOptionsFile(programFolder);
    if (!read) {
        return defaults;
    }
    ReviewSettings settings;
    settings.enabled = OptionFlag(*read, kEnabled, defaults.enabled);
    bool isNumber = false;
    const int newPerDay = OptionText(*read, kNewPerDay, {}).toInt(&isNumber);
    settings.schedule.newPerDay = isNumber && newPerDay >= 0 && newPerDay <= kMaxNewPerDay
                                      ? newPerDay
                                      : defaults.schedule.newPerDay;
    const double retention = OptionText(*read, kRetention, {}).toDouble(&isNumber);
    settings.schedule.retention =
        isNumber ? std::clamp(retention, Fsrs::kMinRetention, Fsrs::kMaxRetention)
                 : defaults.schedule.retention;
    return settings;
}

bool SaveReviewSettings(const QString& programFolder, const ReviewSettings& settings) {
    return UpdateOptionsFile(programFolder, [&](QSettings& file) {
        file.setValue(kEnabled, settings.enabled);
        file.setValue(kNewPerDay, settings.schedule.newPerDay);
        file.setValue(kRetention, settings.schedule.retention);
    });
}
