#pragma once

#include "recitation/SettingsRecord.h"
#include "settings/SheetValues.h"

#include <QList>

// What confirming the settings sheet does to the main window's settings record and what the
// window must rebuild afterwards. The window has stopped both timers before the sheet opened.

// The parts of the run that confirming depends on.
struct RunState {
    bool paused = false;
    qsizetype entryCount = 1; // entries in the presented list, at least 1
};

// The progress-bar pen after the confirmation.
enum class BarPen {
    Drop,    // neither the bar nor the delayed meaning is on
    MakeAnew // solid, 3 pixels wide, in the record's barColor
};

struct SettingsApplied {
    SettingsRecord record; // the window's new record

    // Make both fonts again from record.wordFont, as when the settings are loaded.
    bool rebuildFonts = true;
    BarPen barPen = BarPen::Drop;
    // Whether the tick timer runs once the window restarts its timers; RunTimers(true) does
    // exactly this.
    bool tickTimerRuns = false;
    // Start the voice record.speechModeId and keep whether it started as speechReady; without
    // this, speechReady stays as it was, whether speech was turned off or left alone.
    bool restartSpeech = false;
    // The browsing changed: record.position and record.repeatCount are 0 and the group number
    // was checked against the list. The engine takes its cursor from the record.
    bool cursorReset = false;
    // Seed the random draws from the clock again.
    bool reseed = true;
    // Show a new entry at once (NextEntry), even when nothing changed.
    bool showNextEntry = true;
};

// Stores the pages' values into a copy of `record`. `voiceIds` are the ids of the voices page 3
// listed, in its order: choosing another voice takes its id; an index that names no voice
// leaves the chosen voice as it was. The stored numbers stay in range: the time per word, the
// group size, the passes per group and the group number are at least 1, the group size is at
// most the number of entries and the group number at most the last whole group.
SettingsApplied ApplySettings(const SettingsRecord& record, const SheetValues& values,
                              const RunState& run, const QList<Guid>& voiceIds);
