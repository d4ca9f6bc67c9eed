#pragma once

#include "controls/MenuDescription.h"

#include <QList>
#include <QRect>
#include <QSize>

class QFontMetrics;

// The rows of a menu's item column, one under the other, all of one width: a picture square
// as high as the row, the text, and room for a sub-menu arrow at the right end.
struct MenuLayout {
    int checkSize = 0; // the side of a menu check mark; sizes the sub-menu arrow
    QList<QRect> rows; // in the column's coordinates, from (0, 0)
    QSize columnSize;  // the rows' bounding size
};

// The side of a menu check mark for the menu font: a little less than a line of it, 13 at the
// least.
int MenuCheckSize(const QFontMetrics& menuFont);

// Rows are as high as the check mark or a line of text, whichever is more, plus 6; separators
// are 8 high. Every row is wide enough for the widest text after its picture square, plus the
// arrow's room.
MenuLayout LayOutMenu(const MenuDescription& items, const QFontMetrics& menuFont);

// The height of a row that shows a picture and text.
int MenuRowHeight(const QFontMetrics& menuFont);
