#include "recitation/WindowSnap.h"

namespace {

constexpr int kSnapDistance = 8;

bool NearOrBeyondLow(int edge, int areaEdge) {
    return edge < areaEdge + kSnapDistance && edge != areaEdge;
}

bool NearOrBeyondHigh(int edge, int areaEdge) {
    return edge > areaEdge - kSnapDistance && edge != areaEdge;
}

// Where the right edge pulls the window: flush right, unless that would carry the left edge
// into the reach of the work area's left edge, which then holds it.
int RightPullLeft(const QRect& rect, const QRect& area) {
    const int left = rect.left() + area.right() - rect.right();
    return NearOrBeyondLow(left, area.left()) ? area.left() : left;
}

} // namespace

QRect SnapToWorkArea(QRect rect, const QRect& area) {
    for (;;) {
        if (NearOrBeyondLow(rect.left(), area.left())) {
            rect.moveLeft(area.left());
        } else if (NearOrBeyondLow(rect.top(), area.top())) {
            rect.moveTop(area.top());
        } else if (NearOrBeyondHigh(rect.right(), area.right()) &&
                   RightPullLeft(rect, area) != rect.left()) {
            rect.moveLeft(RightPullLeft(rect, area));
        } else if (NearOrBeyondHigh(rect.bottom(), area.bottom())) {
            rect.moveBottom(area.bottom());
            return rect;
        } else {
            return rect;
        }
    }
}
