#include "app/HelpPlacement.h"

#include <algorithm>

namespace {

constexpr int kGap = 8;
constexpr int kNarrowest = 320;

} // namespace

QRect HelpFrameBeside(const QSize& size, const QRect& dialog, const QRect& screen) {
    const int roomRight = screen.right() - dialog.right() - kGap;
    const int roomLeft = dialog.left() - screen.left() - kGap;
    const bool onTheRight = roomRight >= roomLeft;
    const int width =
        std::min(std::max(std::min(size.width(), std::max(roomRight, roomLeft)), kNarrowest),
                 screen.width());
    const int height = std::min(size.height(), screen.height());
    const int left = onTheRight ? dialog.right() + 1 + kGap : dialog.left() - kGap - width;
    const int top = dialog.center().y() - height / 2;
    return {std::clamp(left, screen.left(), screen.right() + 1 - width),
            std::clamp(top, screen.top(), screen.bottom() + 1 - height), width, height};
}
