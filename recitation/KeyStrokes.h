#pragma once

#include <QtGlobal>

#include <optional>

// Tells when a key stroke ends: a press of a key made on the window and its release, however
// long the key is held. A held key sends a release and a press for every repeat, with one
// timestamp; the window system's own repeat flag cannot be trusted, as it is decided by looking
// for the press when the release arrives, and on a busy machine the press has not come yet.
// So a release ends the stroke only when no press of the same key follows within
// kRepeatGapMs of it, by the events' timestamps; the window calls Settle once kSettleMs have
// passed after a release with no press.
//
// The stroke followed is that of the key pressed last. A release whose press was not seen (the
// Return that chose a row of a menu, released once the menu has gone) ends nothing, nor do the
// repeats of that key until it is let go.
class KeyStrokes {
public:
    static constexpr quint32 kRepeatGapMs = 10;
    static constexpr int kSettleMs = 50;

    // Each returns the key whose stroke has just ended, if one has.
    std::optional<int> Press(int key, quint64 timestampMs);
    std::optional<int> Release(int key, quint64 timestampMs);
    std::optional<int> Settle();

private:
    std::optional<int> EndReleasedStroke();

    int key_ = 0;
    bool counts_ = false; // the stroke began with a press seen here and has not ended yet
    std::optional<quint64> releasedAt_;
};
