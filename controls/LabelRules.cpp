#include "controls/LabelRules.h"

#include <cstdlib>

LabelColours BlinkPhaseColours(const LabelColours& colours, BlinkKind kind, bool flashOn) {
    if (flashOn) {
        return colours;
    }
    switch (kind) {
    case BlinkKind::Text:
        return {colours.back, colours.back};
    case BlinkKind::Background:
        return {colours.back, colours.text};
    case BlinkKind::None:
        break;
    }
    return colours;
}

int PointSizePixels(int points, int dotsPerInch) {
    return std::abs(points * 10 * dotsPerInch / 720);
}
