#pragma once

#include <QRect>
#include <QSize>
#include <QString>

// The alignment styles of a static text (a label), as the bits the program's dialog templates
// give it. A style may combine them, and the rules below test single bits.
namespace StaticStyle {
inline constexpr unsigned Left = 0x0;           // word-wrapped, left-aligned
inline constexpr unsigned Centre = 0x1;         // centred
inline constexpr unsigned Right = 0x2;          // right-aligned
inline constexpr unsigned LeftNoWordWrap = 0xC; // left-aligned, not wrapped
inline constexpr unsigned CentreImage = 0x200;  // centred vertically as well
} // namespace StaticStyle

// The QPainter::drawText flags a label of `style` draws `text` with. Each rule replaces the
// result of the one before it: left and word-wrapped, or left without wrapping when the style
// has either bit of LeftNoWordWrap; right-aligned with the Right bit; centred with the Centre
// bit; centred with the CentreImage bit, and then, for a text without a line break, on a single
// line in the middle of the label.
int StaticTextFlags(unsigned style, const QString& text);

// A label's rectangle fitted to its text's extent. Vertically a CentreImage label keeps its
// middle, any other its top; horizontally a Centre label keeps its middle, a Right one its
// right edge, any other its left edge. Of an odd difference, the odd pixel is taken from or
// added to the right (bottom) side.
QRect FitRectToText(const QRect& rect, QSize textExtent, unsigned style);
