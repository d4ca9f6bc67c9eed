#pragma once

#include <QByteArray>

#include <optional>

// The engine's state for the run. Its cursor (position, groupNumber, repeatCount) lives in the
// SettingsRecord so that it is saved with the settings; the number of entries is the size of
// the presented library's list.
struct RecitationState {
    qsizetype currentIndex = 0; // index of the entry on show in the list
    QByteArray currentLine;     // the raw library line of the entry on show
    bool paused = false;        // not saved: every start browses
    int tick = 0;               // ticks of the entry on show; 2 when it is shown
    bool meaningShown = false;  // the delayed meaning of the entry on show has been revealed
    bool speechReady = false;   // the speech slot holds a voice that can speak
    // The line deleted last in this run; deleting the same line again is refused.
    std::optional<QByteArray> lastDeletedLine;
};
