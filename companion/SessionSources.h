#pragma once

#include "companion/DesktopSources.h"

// The sources of the session the program runs in. On a Wayland session the X server sees only
// the input to X windows, so the idle time comes from D-Bus first there; elsewhere from the X
// server first.
DesktopSources SessionSources();
