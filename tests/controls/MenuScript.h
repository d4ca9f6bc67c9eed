#pragma once

#include "controls/CBmpMenu.h"
#include "controls/CBmpMenuBar.h"

#include <QApplication>
#include <QList>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include <functional>
#include <utility>

// The menu level that has the keyboard and the pointer: the deepest open one.
inline CBmpMenu* ActiveMenu() {
    return qobject_cast<CBmpMenu*>(QApplication::activePopupWidget());
}

// Drives menus that block in Track: each step runs from the event loop a little after the one
// before it, so steps reach the menu levels' own loops. A step that opens a sub-menu stays on
// the stack while the sub-menu's loop runs, so the next step may then run inside it; while a
// step is merely processing events (as QTest's key and mouse calls do), the next one waits.
// If the steps leave a menu open, a watchdog closes every level, so no test hangs.
class MenuScript {
public:
    using Step = std::function<void()>;

    explicit MenuScript(QList<Step> steps) : steps_(std::move(steps)) {
        stepTimer_.setSingleShot(true);
        stepTimer_.setInterval(kStepMs);
        QObject::connect(&stepTimer_, &QTimer::timeout, [this] { RunNext(); });
        watchdog_.setSingleShot(true);
        watchdog_.setInterval(kWatchdogMs);
        QObject::connect(&watchdog_, &QTimer::timeout, [this] {
            timedOut_ = true;
            if (CBmpMenu* menu = ActiveMenu()) {
                menu->CloseAll();
            }
        });
        stepTimer_.start();
        watchdog_.start();
    }

    // Every step ran and none had to be cut short by the watchdog.
    bool Completed() const { return next_ == steps_.size() && !timedOut_; }

private:
    static constexpr int kStepMs = 25;
    static constexpr int kWatchdogMs = 10000;

    void RunNext() {
        if (next_ >= steps_.size()) {
            return;
        }
        if (running_ && ActiveMenu() == menuAtStep_) {
            stepTimer_.start(); // the step before is still at work
            return;
        }
        const Step step = steps_.at(next_++);
        if (next_ < steps_.size()) {
            stepTimer_.start();
        }
        const bool outerRunning = std::exchange(running_, true);
        CBmpMenu* const outerMenu = std::exchange(menuAtStep_, ActiveMenu());
        step();
        running_ = outerRunning;
        menuAtStep_ = outerMenu;
    }

    QList<Step> steps_;
    qsizetype next_ = 0;
    bool running_ = false;           // a step is on the stack
    CBmpMenu* menuAtStep_ = nullptr; // the open menu when it began
    bool timedOut_ = false;
    QTimer stepTimer_;
    QTimer watchdog_;
};

// A key as the window system delivers it: to the open menus, whichever window it names.
inline void PressKey(Qt::Key key) {
    if (CBmpMenu* menu = ActiveMenu()) {
        QTest::keyClick(menu->windowHandle(), key);
    }
}

// The screen point in the middle of a row of a menu level. Each call lands a pixel or two
// apart from the one before: a move to the very place of the previous move is ignored.
inline QPoint RowPoint(const CBmpMenu* menu, int row) {
    static int nudge = 0;
    nudge = (nudge + 1) % 4;
    const CBmpMenuBar* bar = menu->itemBar();
    return bar->mapToGlobal(bar->RowRect(row).center() + QPoint(nudge, 0));
}

// The pointer moved to, or pressed at, a screen point, as the window system delivers it: to the
// deepest open menu, wherever the point lies.
inline void MovePointer(QPoint global) {
    if (CBmpMenu* menu = ActiveMenu()) {
        QTest::mouseMove(menu->windowHandle(), menu->mapFromGlobal(global));
    }
}

inline void ClickAt(QPoint global) {
    if (CBmpMenu* menu = ActiveMenu()) {
        QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {}, menu->mapFromGlobal(global));
    }
}
