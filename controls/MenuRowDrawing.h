#pragma once

#include "controls/MenuColours.h"
#include "controls/MenuDescription.h"
#include "controls/MenuLayout.h"

#include <QImage>
#include <QPoint>
#include <QPolygon>
#include <QRect>

class QPainter;

// The square at a row's left end with the row's picture, as it is drawn: the item's own
// picture recoloured (a monochrome copy on a greyed row), centred; for a checked item the
// checked picture or the standard check mark on a sunken square, whose surface shows a
// checkerboard unless the row is highlighted. `origin` is where the square lies in the item
// column; the checkerboard keeps the column's phase.
QImage PictureSquare(const MenuItem& item, int side, bool highlighted, const MenuColours& colours,
                     QPoint origin);

// The sub-menu arrow of a row: a small triangle pointing right near the row's right end.
QPolygon SubMenuArrow(const QRect& row, int checkSize);

// Draws one row of the item column into `row` with the painter's font: ground, picture
// square, label and shortcut in the layout's columns (embossed when greyed) and, for a
// sub-menu row, the arrow.
void DrawMenuRow(QPainter& painter, const MenuItem& item, const QRect& row, bool highlighted,
                 const MenuColours& colours, const MenuLayout& layout);

// A separator row: an etched line across its middle.
void DrawMenuSeparator(QPainter& painter, const QRect& row, const MenuColours& colours);
