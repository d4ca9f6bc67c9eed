#pragma once

#include "companion/CompanionOptions.h"
#include "recitation/PauseState.h"

#include <optional>

// What the desktop says at a moment. A source the desktop does not offer says nothing: no idle
// time, not locked, no full-screen window.
struct DesktopState {
    std::optional<int> idleSeconds; // since the last key or mouse input
    bool locked = false;
    bool fullScreen = false;   // another program's window is full-screen on the window's screen
    bool hiddenByUser = false; // the user put the window away, which pauses too
};

// The cause to pause for, under the options: a locked screen first, then a full-screen
// window, then the window put away, then the user's absence; nothing when none holds or its option
// is off.
std::optional<AwayCause> AwayCauseOf(const DesktopState& desktop, const CompanionOptions& options);

// Whether the window steps aside: while a full-screen window is up and pausing for it is on.
bool HidesWindow(const DesktopState& desktop, const CompanionOptions& options);
