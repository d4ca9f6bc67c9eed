#include "controls/MenuLayout.h"

#include <QFontMetrics>

#include <algorithm>

namespace {

constexpr int kRowPadding = 6;      // above and below the taller of picture and text
constexpr int kSeparatorHeight = 8; // a separator row
constexpr int kTextGap = 3;         // the row's first pixel column and the gap after the square
constexpr int kTextEndPadding = 8;  // between the widest text and the arrow's room
constexpr int kTextFlags = Qt::TextSingleLine | Qt::TextShowMnemonic;

} // namespace

int MenuCheckSize(const QFontMetrics& menuFont) {
    return std::max(13, menuFont.height() - 2);
}

int MenuRowHeight(const QFontMetrics& menuFont) {
    return std::max(MenuCheckSize(menuFont), menuFont.height()) + kRowPadding;
}

MenuLayout LayOutMenu(const MenuDescription& items, const QFontMetrics& menuFont) {
    MenuLayout layout;
    layout.checkSize = MenuCheckSize(menuFont);
    const int rowHeight = MenuRowHeight(menuFont);
    int widestText = 0;
    for (const MenuItem& item : items) {
        if (item.type != MenuItem::Type::Separator) {
            widestText = std::max(widestText, menuFont.size(kTextFlags, item.text).width());
        }
    }
    const int width = kTextGap + rowHeight + widestText + kTextEndPadding + layout.checkSize;
    int top = 0;
    for (const MenuItem& item : items) {
        const int height = item.type == MenuItem::Type::Separator ? kSeparatorHeight : rowHeight;
        layout.rows.append(QRect(0, top, width, height));
        top += height;
    }
    layout.columnSize = QSize(width, top);
    return layout;
}
