#include "companion/AwayRule.h"

std::optional<AwayCause> AwayCauseOf(const DesktopState& desktop, const CompanionOptions& options) {
    if (desktop.locked && options.pauseWhenLocked) {
        return AwayCause::Locked;
    }
    if (HidesWindow(desktop, options)) {
        return AwayCause::FullScreen;
    }
    if (desktop.hiddenByUser) {
        return AwayCause::Hidden;
    }
    if (options.idleSeconds > 0 && desktop.idleSeconds &&
        *desktop.idleSeconds >= options.idleSeconds) {
        return AwayCause::Idle;
    }
    return std::nullopt;
}

bool HidesWindow(const DesktopState& desktop, const CompanionOptions& options) {
    return desktop.fullScreen && options.pauseWhenFullScreen;
}
