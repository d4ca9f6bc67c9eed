#pragma once

#include "controls/MenuDescription.h"

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

class QFontMetrics;

// A menu item's text, as it is drawn: the label, and the shortcut that padding sets apart
// after it ("暂停(&P)　　　　　Ctrl+P ", "E&xit          Alt+X"). Padding is a run of
// two or more spaces, or of ideographic spaces (U+3000); a text without one is all label.
struct MenuTextParts {
    QString label;
    QString shortcut;
};
MenuTextParts SplitMenuText(const QString& text);

// The rows of a menu's item column, one under the other, all of one width: a picture square
// as high as the row, the label, the shortcut in a column of its own, so that the shortcuts
// line up whatever the font makes of the padding, and room for a sub-menu arrow at the right
// end.
struct MenuLayout {
    int checkSize = 0;    // the side of a menu check mark; sizes the sub-menu arrow
    int labelLeft = 0;    // where the labels start, from a row's left
    int shortcutLeft = 0; // where the shortcuts start, from a row's left
    QList<QRect> rows;    // in the column's coordinates, from (0, 0)
    QSize columnSize;     // the rows' bounding size
};

// The side of a menu check mark for the menu font: a little less than a line of it, 13 at the
// least.
int MenuCheckSize(const QFontMetrics& menuFont);

// Rows are as high as the check mark or a line of text, whichever is more, plus 6; separators
// are 8 high. Every row is wide enough for the widest label after its picture square, a line's
// height of space and the widest shortcut when there are shortcuts, plus the arrow's room.
MenuLayout LayOutMenu(const MenuDescription& items, const QFontMetrics& menuFont);

// The height of a row that shows a picture and text.
int MenuRowHeight(const QFontMetrics& menuFont);
