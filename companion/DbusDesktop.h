#pragma once

#include "companion/DesktopSources.h"

#include <memory>

// The desktop's view over D-Bus, for desktops whose X server does not see the user's input
// (Wayland sessions, where the program runs through XWayland) and for the locked screen.

// org.freedesktop.ScreenSaver's GetSessionIdleTime (KDE and others), else GNOME's
// org.gnome.Mutter.IdleMonitor; nothing when the session bus offers neither.
std::unique_ptr<IdleTimeSource> DbusIdleTime();

// org.freedesktop.ScreenSaver's ActiveChanged on the session bus, else the LockedHint of the
// session in logind; nothing when neither answers.
std::unique_ptr<LockSource> DbusLock();
