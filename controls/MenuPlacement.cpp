#include "controls/MenuPlacement.h"

#include <algorithm>

namespace {

// The edges as the menu rules count them: right and bottom one past the last pixel.
struct Edges {
    int left, top, right, bottom;
};

Edges EdgesOf(const QRect& r) {
    return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
}

// Moves `start` so that [start, start + length) lies in [low, high) where it can; a span
// longer than the range starts at `low`.
int PushInto(int start, int length, int low, int high) {
    return std::max(low, std::min(start, high - length));
}

} // namespace

QPoint PlaceTopLevelMenu(QPoint at, QSize size, const QRect& desktop) {
    const Edges d = EdgesOf(desktop);
    const int x = at.x();
    const int y = at.y();
    const int w = size.width();
    const int h = size.height();
    const bool rightFits = x + w < d.right;
    const bool leftFits = x - w > d.left;
    const bool downFits = y + h < d.bottom;
    const bool upFits = y - h > d.top;
    if (rightFits && downFits) {
        return {x, y};
    }
    if (leftFits && downFits) {
        return {x - w, y};
    }
    if (rightFits && upFits) {
        return {x, y - h};
    }
    if (leftFits && upFits) {
        return {x - w, y - h};
    }
    return {x, y};
}

QPoint PlaceSubMenu(const QRect& row, QSize size, const QRect& desktop) {
    const Edges d = EdgesOf(desktop);
    const Edges r = EdgesOf(row);
    const int w = size.width();
    const int h = size.height();
    const bool rightFits = r.right + w < d.right;
    const bool leftFits = r.left - w > d.left;
    const bool downFits = r.top + h < d.bottom;
    const bool upFits = r.bottom - h > d.top;
    if (rightFits && downFits) {
        return {r.right, r.top};
    }
    if (rightFits && upFits) {
        return {r.right, r.bottom - h};
    }
    if (leftFits && downFits) {
        return {r.left - w, r.top};
    }
    if (leftFits && upFits) {
        return {r.left - w, r.bottom - h};
    }
    const bool moreRoomRight = d.right - r.right >= r.left - d.left;
    const int x = moreRoomRight ? r.right : r.left - w;
    return {PushInto(x, w, d.left, d.right), PushInto(r.top, h, d.top, d.bottom)};
}
