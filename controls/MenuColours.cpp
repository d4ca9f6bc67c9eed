#include "controls/MenuColours.h"

#include <QPalette>

MenuColours MenuColoursOf(const QPalette& palette) {
    MenuColours colours;
    colours.menu = palette.color(QPalette::Active, QPalette::Window);
    colours.menuText = palette.color(QPalette::Active, QPalette::WindowText);
    colours.highlight = palette.color(QPalette::Active, QPalette::Highlight);
    colours.highlightText = palette.color(QPalette::Active, QPalette::HighlightedText);
    colours.grayText = palette.color(QPalette::Disabled, QPalette::WindowText);
    colours.buttonText = palette.color(QPalette::Active, QPalette::ButtonText);
    colours.buttonShadow = palette.color(QPalette::Active, QPalette::Dark);
    colours.buttonHighlight = palette.color(QPalette::Active, QPalette::Light);
    return colours;
}
