#pragma once

#include <optional>

// Why the desktop companion pauses the recitation by itself.
enum class AwayCause {
    Idle,       // no key or mouse touched for the set time
    Locked,     // the screen is locked
    FullScreen, // another program's window is full-screen on the window's screen
    Hidden,     // the user put the window away (the tray icon, lexado --hide)
};

// Why the recitation stands still: the user's own pause, and the automatic one of a cause the
// desktop reports. The user's pause stays until the user resumes, whatever the desktop does.
// An automatic pause ends when its cause ends, or when the user resumes, which sets that cause
// aside until it ends (a learner who resumes during a presentation means it).
class PauseState {
public:
    bool paused() const { return byUser_ || (cause_ && !setAside_); }
    bool pausedByUser() const { return byUser_; }
    // The cause of an automatic pause in force, or nothing (also while the user's pause holds).
    std::optional<AwayCause> automaticCause() const;

    void PauseByUser() { byUser_ = true; }
    void ResumeByUser();
    // The cause the desktop reports now, or nothing.
    void SetCause(std::optional<AwayCause> cause);

private:
    bool byUser_ = false;
    std::optional<AwayCause> cause_;
    bool setAside_ = false;
};
