#pragma once

#include "recitation/SettingsRecord.h"
#include "settings/SheetValues.h"

#include <QList>

#include <cstdint>

// What confirming the settings sheet does to the main window's settings record. The window has
// stopped both timers before the sheet opened.

// The voices page 3 listed: their ids in its order, and the entry it showed as the voice in
// use, -1 for none (the stored voice is not installed).
struct SheetVoiceIds {
    QList<Guid> ids;
    std::int32_t shown = -1;
};

struct SettingsApplied {
    SettingsRecord record; // the window's new record
    // Start the voice record.speechModeId and keep whether it started as speechReady; without
    // this, speechReady stays as it was, whether speech was turned off or left alone.
    bool restartSpeech = false;
};

// Stores the pages' values into a copy of `record`. Picking another entry than the one shown
// takes that voice's id and index; otherwise the stored voice stays, index and all. The browsing
// is restarted (position and passes 0) when it changed. The stored numbers stay in range: the
// time per word, the group size, the passes per group and the group number are at least 1, the
// group size is at most `entryCount` (taken as at least 1) and the group number at most the last
// whole group.
SettingsApplied ApplySettings(const SettingsRecord& record, const SheetValues& values,
                              qsizetype entryCount, const SheetVoiceIds& voices);
