#pragma once

#include "recitation/SettingsRecord.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <functional>

// A voice the settings sheet offers: the name it shows and the id the record stores.
struct SheetVoice {
    QString name;
    Guid id;
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
};
