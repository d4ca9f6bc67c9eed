#pragma once

#include "companion/AwayRule.h"

#include <QRect>
#include <QtGlobal>

#include <memory>
#include <optional>

// The signals of the desktop the companion follows, one small interface each, so that the rules
// can be driven without a desktop. A desktop that does not offer one has none.

// How long, in seconds, since the user last touched keyboard or mouse.
class IdleTimeSource {
public:
    virtual ~IdleTimeSource() = default;
    virtual std::optional<int> IdleSeconds() = 0;
};

class LockSource {
public:
    virtual ~LockSource() = default;
    virtual bool Locked() = 0;
};

// The window that has the focus, when it is full-screen: its id and its place on the screen.
struct FullScreenWindow {
    quint64 id = 0;
    QRect geometry;
};

class FullScreenSource {
public:
    virtual ~FullScreenSource() = default;
    virtual std::optional<FullScreenWindow> ActiveFullScreenWindow() = 0;
};

struct DesktopSources {
    std::unique_ptr<IdleTimeSource> idle;
    std::unique_ptr<LockSource> lock;
    std::unique_ptr<FullScreenSource> fullScreen;
};

// The program's own window: its id and its place.
struct OwnWindow {
    quint64 id = 0;
    QRect geometry;
};

// What the sources say now. A full-screen window counts when it is another program's and
// covers the middle of the window, that is, when it is on the window's screen.
DesktopState ReadDesktop(DesktopSources& sources, const OwnWindow& window);
