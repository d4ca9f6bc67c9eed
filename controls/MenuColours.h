#pragma once

#include <QColor>

class QPalette;

// The desktop colours a menu is drawn in, by the part they play.
struct MenuColours {
    QColor menu;            // a row's ground
    QColor menuText;        // a row's text
    QColor highlight;       // the highlighted row's ground
    QColor highlightText;   // the highlighted row's text
    QColor grayText;        // a greyed row's text and picture
    QColor buttonText;      // black in a picture
    QColor buttonShadow;    // dark grey in a picture, the shaded side of an edge
    QColor buttonHighlight; // white in a picture, the lit side of an edge, the menu's ground
};

MenuColours MenuColoursOf(const QPalette& palette);
