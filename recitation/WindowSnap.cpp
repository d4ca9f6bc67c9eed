#include "recitation/WindowSnap.h"

namespace {

constexpr int kSnapDistance = 8;

void ShiftHorizontally(WindowRect& rect, int dx) {
    rect.left += dx;
    rect.right += dx;
}

void ShiftVertically(WindowRect& rect, int dy) {
    rect.top += dy;
    rect.bottom += dy;
}

bool NearOrBeyondLow(int edge, int areaEdge) {
    return edge < areaEdge + kSnapDistance && edge != areaEdge;
}

bool NearOrBeyondHigh(int edge, int areaEdge) {
    return edge > areaEdge - kSnapDistance && edge != areaEdge;
}

// Where the right edge pulls the window: flush right, unless that would carry the left edge
// into the reach of the work area's left edge, which then holds it.
int RightPullLeft(const WindowRect& rect, const WindowRect& area) {
    const int left = rect.left + area.right - rect.right;
    return NearOrBeyondLow(left, area.left) ? area.left : left;
}

} // namespace

WindowRect SnapToWorkArea(WindowRect rect, const WindowRect& area) {
    for (;;) {
        if (NearOrBeyondLow(rect.left, area.left)) {
            ShiftHorizontally(rect, area.left - rect.left);
        } else if (NearOrBeyondLow(rect.top, area.top)) {
            ShiftVertically(rect, area.top - rect.top);
        } else if (NearOrBeyondHigh(rect.right, area.right) &&
                   RightPullLeft(rect, area) != rect.left) {
            ShiftHorizontally(rect, RightPullLeft(rect, area) - rect.left);
        } else if (NearOrBeyondHigh(rect.bottom, area.bottom)) {
            ShiftVertically(rect, area.bottom - rect.bottom);
            return rect;
        } else {
            return rect;
        }
    }
}
