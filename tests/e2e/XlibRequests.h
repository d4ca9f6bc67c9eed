#pragma once

// What the tests ask of the X display named by $DISPLAY through Xlib.

#include <optional>

// Asks a window to close, as a window manager's close button does: the WM_DELETE_WINDOW
// message. False when the display cannot be opened or the message cannot be sent.
bool SendCloseRequest(unsigned long windowId);

// How the server repeats a held key: the first repeat after delayMs, then one every intervalMs.
struct KeyRepeat {
    unsigned delayMs = 0;
    unsigned intervalMs = 0;
};

// Sets the server's repeat and returns the one it replaced; nothing when the display cannot
// be opened or has no keyboard extension.
std::optional<KeyRepeat> ReplaceServerKeyRepeat(KeyRepeat repeat);

// Sets the font resolution the desktop gives its programs (the server's resources, which hold
// nothing else in a test's server), as a desktop set to a scale does. False when the display
// cannot be opened.
bool SetXftDpi(int dpi);
