#include "controls/MenuLayout.h"

#include <QFontMetrics>

#include <algorithm>

namespace {

constexpr int kRowPadding = 6;      // above and below the taller of picture and text
constexpr int kSeparatorHeight = 8; // a separator row
constexpr int kTextGap = 3;         // the row's first pixel column and the gap after the square
constexpr int kTextEndPadding = 8;  // between the widest text and the arrow's room
constexpr int kTextFlags = Qt::TextSingleLine | Qt::TextShowMnemonic;

constexpr char16_t kIdeographicSpace = u'\u3000';

bool IsPadding(QChar c) {
    return c == u' ' || c == kIdeographicSpace;
}

} // namespace

// The padding is the last run of spaces before the shortcut, so that a label may hold single
// spaces between its words.
MenuTextParts SplitMenuText(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && IsPadding(text[end - 1])) {
        --end;
    }
    qsizetype shortcutStart = end;
    while (shortcutStart > 0 && !IsPadding(text[shortcutStart - 1])) {
        --shortcutStart;
    }
    qsizetype labelEnd = shortcutStart;
    while (labelEnd > 0 && IsPadding(text[labelEnd - 1])) {
        --labelEnd;
    }
    const QStringView padding = QStringView(text).sliced(labelEnd, shortcutStart - labelEnd);
    if (labelEnd == 0 || (padding.size() < 2 && !padding.contains(kIdeographicSpace))) {
        return {text.first(end), QString()};
    }
    return {text.first(labelEnd), text.sliced(shortcutStart, end - shortcutStart)};
}

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
    int widestLabel = 0;
    int widestShortcut = 0;
    for (const MenuItem& item : items) {
        if (item.type != MenuItem::Type::Separator) {
            const MenuTextParts parts = SplitMenuText(item.text);
            widestLabel = std::max(widestLabel, menuFont.size(kTextFlags, parts.label).width());
            widestShortcut = std::max(widestShortcut, menuFont.horizontalAdvance(parts.shortcut));
        }
    }
    layout.labelLeft = kTextGap + rowHeight;
    layout.shortcutLeft = layout.labelLeft + widestLabel + menuFont.height();
    const int textEnd =
        widestShortcut > 0 ? layout.shortcutLeft + widestShortcut : layout.labelLeft + widestLabel;
    const int width = textEnd + kTextEndPadding + layout.checkSize;
    int top = 0;
    for (const MenuItem& item : items) {
        const int height = item.type == MenuItem::Type::Separator ? kSeparatorHeight : rowHeight;
        layout.rows.append(QRect(0, top, width, height));
        top += height;
    }
    layout.columnSize = QSize(width, top);
    return layout;
}
