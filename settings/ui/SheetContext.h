#pragma once

#include "companion/CompanionOptions.h"
#include "recitation/SettingsRecord.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>

// A voice the settings sheet offers: the name it shows and the id the record stores.
struct SheetVoice {
    QString name;
    Guid id;
};

// The desktop page's part: the companion's options, the shortcuts another program holds, and
// what takes the page's values when the sheet is confirmed.
struct SheetDesktop {
    CompanionOptions options;
    QStringList heldElsewhere;
    std::function<void(const CompanionOptions&)> confirmed;
};

// The word memory's part of the browse page: whether recitation follows it, today's counts,
// and what takes the choice when the sheet is confirmed.
struct SheetReview {
    bool byMemory = false;
    QString today;
    std::function<void(bool byMemory)> confirmed;
};

// What the settings sheet needs from the main window besides its settings record.
struct SheetContext {
    qsizetype entryCount = 1; // entries in the presented list
    QList<SheetVoice> voices; // in the order of the voice list
    // The entry of `voices` that speaks for the record's voice, -1 when that is not installed.
    std::int32_t voiceInUse = -1;
    bool speechAvailable = true;
    // Speaks the test phrase with the voice at an index of `voices`; called only with an index
    // that names one.
    std::function<void(int index)> testVoice;
    // Shows the help; the Help button calls it.
    std::function<void()> help;
    // The browse page's third mode, for a program with a word memory.
    std::optional<SheetReview> review;
    // The fourth page, for a program with a desktop companion.
    std::optional<SheetDesktop> desktop;
};
