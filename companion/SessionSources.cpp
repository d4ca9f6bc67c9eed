#include "companion/SessionSources.h"

#include "companion/DbusDesktop.h"
#include "companion/XcbDesktop.h"

DesktopSources SessionSources() {
    DesktopSources sources;
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    sources.idle = wayland ? DbusIdleTime() : XcbIdleTime();
    if (!sources.idle) {
        sources.idle = wayland ? XcbIdleTime() : DbusIdleTime();
    }
    sources.lock = DbusLock();
    sources.fullScreen = XcbFullScreen();
    return sources;
}
