#pragma once

#include "recitation/SettingsRecord.h"

#include <QList>
#include <QString>

#include <functional>

// A voice the settings sheet offers: the name it shows and the id the record stores.
struct SheetVoice {
    QString name;
    Guid id;
};

// What the settings sheet needs from the main window besides its settings record.
struct SheetContext {
    bool paused = false;      // browsing is paused
    qsizetype entryCount = 1; // entries in the presented list
    QList<SheetVoice> voices; // in the order of the voice list
    bool speechAvailable = true;
    // Speaks the test phrase with the voice at an index of `voices`; called only with an index
    // that names one.
    std::function<void(int index)> testVoice;
    // Shows the help; the Help button calls it.
    std::function<void()> help;
};
