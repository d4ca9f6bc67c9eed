#include "controls/MenuRowDrawing.h"

#include "controls/MenuPicture.h"

#include <QPainter>

#include <array>

namespace {

// The standard check mark, 7 x 7.
constexpr std::array<const char*, 7> kCheckMark{
    "......#", ".....##", "#...###", "##.###.", "#####..", ".###...", "..#....",
};
constexpr int kCheckMarkSide = 7;

constexpr int kLabelFlags =
    Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
constexpr int kShortcutFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;

// A picture narrower than the square sits in its middle at its own size; a larger one fills it
// and shows its middle.
void DrawCentred(QImage& square, const QImage& picture) {
    QPainter painter(&square);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(
        QPoint((square.width() - picture.width()) / 2, (square.height() - picture.height()) / 2),
        picture);
}

void DrawCheckMark(QImage& square, QColor ink) {
    const int left = (square.width() - kCheckMarkSide) / 2;
    const int top = (square.height() - kCheckMarkSide) / 2;
    for (int y = 0; y < kCheckMarkSide; ++y) {
        for (int x = 0; x < kCheckMarkSide; ++x) {
            const QPoint p(left + x, top + y);
            if (kCheckMark[y][x] == '#' && square.rect().contains(p)) {
                square.setPixel(p, ink.rgb());
            }
        }
    }
}

// A one-pixel sunken edge: shaded above and left, lit below and right.
void DrawSunkenEdge(QImage& square, const MenuColours& colours) {
    const int last = square.width() - 1;
    for (int i = 0; i < last; ++i) {
        square.setPixel(i, 0, colours.buttonShadow.rgb());
        square.setPixel(0, i, colours.buttonShadow.rgb());
    }
    for (int i = 0; i <= last; ++i) {
        square.setPixel(i, last, colours.buttonHighlight.rgb());
        square.setPixel(last, i, colours.buttonHighlight.rgb());
    }
}

} // namespace

QImage PictureSquare(const MenuItem& item, int side, bool highlighted, const MenuColours& colours,
                     QPoint origin) {
    const bool lit = highlighted && !item.greyed;
    const QColor ground = lit ? colours.highlight : colours.menu;
    const QColor ink = item.greyed ? colours.grayText : colours.menuText;
    const QImage& own = item.checked ? item.checkedPicture : item.uncheckedPicture;

    QImage square(side, side, QImage::Format_ARGB32);
    square.fill(item.checked && !own.isNull() ? colours.menu : ground);
    if (!own.isNull()) {
        DrawCentred(square, item.greyed ? GreyedPicture(own, ink, ground)
                                        : RecolourPicture(own, colours, lit));
    } else if (item.checked) {
        DrawCheckMark(square, ink);
    }
    if (item.checked) {
        DrawSunkenEdge(square, colours);
        const QRgb surface = lit && own.isNull() ? colours.highlight.rgb() : colours.menu.rgb();
        const QRgb menu = colours.menu.rgb();
        const QRgb light = colours.buttonHighlight.rgb();
        FloodFillSurface(square, QPoint(1, 1), surface, [=](int x, int y) {
            return lit || (origin.x() + x + origin.y() + y) % 2 != 0 ? menu : light;
        });
    }
    return square;
}

QPolygon SubMenuArrow(const QRect& row, int checkSize) {
    const int c = checkSize;
    const int boxLeft = row.x() + row.width() - 3 * c / 4;
    const int boxTop = row.y() + (row.height() - c) / 2;
    const int boxRight = boxLeft + c - 3 * c / 10;
    const int boxBottom = boxTop + c;
    const int sideX = boxLeft + 3 * c / 10;
    const int y1 = boxTop + 3 * c / 10;
    const int h = (boxBottom - 3 * c / 10 - y1) / 2;
    return QPolygon(
        {QPoint(sideX, y1), QPoint(sideX, y1 + 2 * h), QPoint((sideX + boxRight) / 2, y1 + h)});
}

void DrawMenuRow(QPainter& painter, const MenuItem& item, const QRect& row, bool highlighted,
                 const MenuColours& colours, const MenuLayout& layout) {
    const QColor ground = highlighted ? colours.highlight : colours.menu;
    QColor text = highlighted ? colours.highlightText : colours.menuText;
    if (item.greyed) {
        text = colours.grayText;
    }
    painter.fillRect(row.adjusted(1, 0, 0, 0), ground);

    const QRect square(row.left() + 1, row.top(), row.height(), row.height());
    if (item.checked || !item.uncheckedPicture.isNull()) {
        painter.drawImage(square.topLeft(), PictureSquare(item, square.width(), highlighted,
                                                          colours, square.topLeft()));
    }

    const MenuTextParts parts = SplitMenuText(item.text);
    const QRect labelRect = row.adjusted(layout.labelLeft, 0, 0, 0);
    const QRect shortcutRect = row.adjusted(layout.shortcutLeft, 0, 0, 0);
    const auto drawTexts = [&](QPoint offset) {
        painter.drawText(labelRect.translated(offset), kLabelFlags, parts.label);
        painter.drawText(shortcutRect.translated(offset), kShortcutFlags, parts.shortcut);
    };
    if (item.greyed && !highlighted) {
        painter.setPen(colours.buttonHighlight);
        drawTexts(QPoint(1, 1));
    }
    painter.setPen(text);
    drawTexts(QPoint(0, 0));

    if (item.type == MenuItem::Type::SubMenu) {
        painter.setBrush(text);
        painter.drawPolygon(SubMenuArrow(row, layout.checkSize));
        painter.setBrush(Qt::NoBrush);
    }
}

void DrawMenuSeparator(QPainter& painter, const QRect& row, const MenuColours& colours) {
    const int y = row.top() + row.height() / 2 - 1;
    const int right = row.x() + row.width() - 1;
    painter.setPen(colours.buttonShadow);
    painter.drawLine(row.left() + 1, y, right, y);
    painter.setPen(colours.buttonHighlight);
    painter.drawLine(row.left() + 1, y + 1, right, y + 1);
}
