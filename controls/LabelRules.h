#pragma once

#include <QColor>

// What a blinking label blinks: nothing, its text, or its text and background together.
enum class BlinkKind { None, Text, Background };

struct LabelColours {
    QColor text;
    QColor back;
};

// The colours a label paints with in the current phase of its blinking. In the off phase
// (flashOn false) a blinking text takes the background's colour, so that it disappears, and a
// blinking background swaps the two colours; in the on phase, and without blinking, they are
// the label's own.
LabelColours BlinkPhaseColours(const LabelColours& colours, BlinkKind kind, bool flashOn);

// The pixel height of a font of `points` points on a screen of `dotsPerInch`, in whole pixels
// (truncated), whatever the sign of `points`.
int PointSizePixels(int points, int dotsPerInch);
