#include "recitation/PauseState.h"

std::optional<AwayCause> PauseState::automaticCause() const {
    if (byUser_ || setAside_) {
        return std::nullopt;
    }
    return cause_;
}

void PauseState::ResumeByUser() {
    byUser_ = false;
    setAside_ = cause_.has_value();
}

void PauseState::SetCause(std::optional<AwayCause> cause) {
    if (cause != cause_) {
        cause_ = cause;
        setAside_ = false;
    }
}
