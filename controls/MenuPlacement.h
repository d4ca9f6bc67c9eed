#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a menu window of `size` opens, on the desktop's available area `desktop` (screen
// coordinates). Every test is strict: a menu that would touch the area's far edge does not fit.

// A top-level menu opened at the point `at`: to the right of and below it; else to the left and
// below; else to the right and above; else to the left and above; when none of these fits, at
// the point.
QPoint PlaceTopLevelMenu(QPoint at, QSize size, const QRect& desktop);

// A sub-menu opened from the row `row` (screen coordinates, spanning the parent menu's whole
// client width): right of the row and down from its top; right and up from its bottom; left
// and down; left and up. When none fits, it goes to the side with more room and is pushed
// into the area as far as it can be.
QPoint PlaceSubMenu(const QRect& row, QSize size, const QRect& desktop);
