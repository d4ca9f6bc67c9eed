#pragma once

#include <QList>
#include <QRect>

// Keeping the window on a screen. A stored place may lie on a screen that has gone since it was
// stored, or partly past a screen's edge; the window is brought back whole into a work area.

// One screen of the desktop: all of it, and the part that panels leave to windows.
struct ScreenArea {
    QRect geometry;
    QRect workArea;
};

// The screen that holds the largest part of the window; the primary screen, which comes first
// in the list, when no screen holds any part of it. The list is not empty.
const ScreenArea& ScreenHoldingMost(const QRect& window, const QList<ScreenArea>& screens);

// The window moved, never resized, so that it lies wholly in the work area. A window wider or
// taller than the work area keeps its left or top edge on the work area's. A window of no size
// is placed as one pixel would be.
QRect PlaceInWorkArea(const QRect& window, const QRect& workArea);
