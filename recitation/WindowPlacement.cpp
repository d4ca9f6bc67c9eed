#include "recitation/WindowPlacement.h"

#include <algorithm>

namespace {

qint64 Area(const QRect& rect) {
    return rect.isEmpty() ? 0 : qint64{rect.width()} * rect.height();
}

// The coordinate of an edge that keeps a side of this length within [low, low + room).
int Within(int edge, int length, int low, int room) {
    return std::max(low, std::min(edge, low + room - length));
}

} // namespace

const ScreenArea& ScreenHoldingMost(const QRect& window, const QList<ScreenArea>& screens) {
    qsizetype holding = 0;
    qint64 largest = 0;
    for (qsizetype i = 0; i < screens.size(); ++i) {
        const qint64 held = Area(window & screens.at(i).geometry);
        if (held > largest) {
            largest = held;
            holding = i;
        }
    }
    return screens.at(holding);
}

QRect PlaceInWorkArea(const QRect& window, const QRect& workArea) {
    const QSize size = window.size().expandedTo({1, 1});
    const QPoint topLeft(Within(window.left(), size.width(), workArea.left(), workArea.width()),
                         Within(window.top(), size.height(), workArea.top(), workArea.height()));
    return QRect(topLeft, window.size());
}
