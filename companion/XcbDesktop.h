#pragma once

#include "companion/DesktopSources.h"

#include <memory>

// The X server's own view of the desktop, on a connection of the companion's own: the idle time
// of the MIT-SCREEN-SAVER extension, and the full-screen state of the active window as the
// window manager sets it (_NET_ACTIVE_WINDOW, _NET_WM_STATE_FULLSCREEN).

// Nothing without an X server, or when it lacks the extension.
std::unique_ptr<IdleTimeSource> XcbIdleTime();
// Nothing without an X server.
std::unique_ptr<FullScreenSource> XcbFullScreen();
