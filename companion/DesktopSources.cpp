#include "companion/DesktopSources.h"

DesktopState ReadDesktop(DesktopSources& sources, const OwnWindow& window) {
    DesktopState desktop;
    if (sources.idle) {
        desktop.idleSeconds = sources.idle->IdleSeconds();
    }
    desktop.locked = sources.lock && sources.lock->Locked();
    if (sources.fullScreen) {
        const std::optional<FullScreenWindow> active = sources.fullScreen->ActiveFullScreenWindow();
        desktop.fullScreen = active && active->id != window.id &&
                             active->geometry.contains(window.geometry.center());
    }
    return desktop;
}
