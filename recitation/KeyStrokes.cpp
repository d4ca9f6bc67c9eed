#include "recitation/KeyStrokes.h"

namespace {

// Timestamps are milliseconds of 32 bits on X11 and Wayland; the difference is taken in 32
// bits so that it holds across their wrap.
bool FollowsWithinRepeatGap(quint64 releasedAt, quint64 pressedAt) {
    return static_cast<quint32>(pressedAt - releasedAt) <= KeyStrokes::kRepeatGapMs;
}

} // namespace

// A press of the key held (repeats without releases between) or right after its release goes
// on with the stroke; any other press ends a released stroke and begins a new one.
std::optional<int> KeyStrokes::Press(int key, quint64 timestampMs) {
    if (key == key_ && (!releasedAt_ || FollowsWithinRepeatGap(*releasedAt_, timestampMs))) {
        releasedAt_.reset();
        return std::nullopt;
    }
    const std::optional<int> ended = EndReleasedStroke();
    key_ = key;
    counts_ = true;
    releasedAt_.reset();
    return ended;
}

// Another key let go while the stroke's key is held changes nothing.
std::optional<int> KeyStrokes::Release(int key, quint64 timestampMs) {
    if (key != key_ && !releasedAt_ && key_ != 0) {
        return std::nullopt;
    }
    std::optional<int> ended;
    if (key != key_) {
        ended = EndReleasedStroke();
        key_ = key;
        counts_ = false;
    }
    releasedAt_ = timestampMs;
    return ended;
}

// The release stays on record: a repeat's press that comes later still belongs to the stroke.
std::optional<int> KeyStrokes::Settle() {
    return EndReleasedStroke();
}

std::optional<int> KeyStrokes::EndReleasedStroke() {
    if (!releasedAt_ || !counts_) {
        return std::nullopt;
    }
    counts_ = false;
    return key_;
}
