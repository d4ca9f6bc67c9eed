#pragma once

#include "recitation/SettingsRecord.h"

#include <QRect>

// The settings of a first start at 96 dpi, with the window at (100, 100), speech off, and a
// time per word so long that no timer fires unless a test makes it.
inline SettingsRecord QuietSettings() {
    SettingsRecord s = DefaultSettings(96, QRect(100, 100, 200, 60));
    SetNameField(s.libraryFile, "words.dat");
    SetNameField(s.libraryName, "TOEFL");
    s.speechOn = false;
    s.wordTimeMs = 1000000;
    return s;
}
