#pragma once

#include "recitation/SettingsRecord.h"

#include <QColor>
#include <QFont>

#include <cstdint>

// Fonts and colours as the settings record stores them (a LOGFONTA, a 0x00BBGGRR colour) and as
// Qt draws them. The main window's word font and the settings sheet's preview both come from
// here, so the preview shows the word as the window will draw it.

// How many of Qt's pixels on the primary screen draw one pixel of a stored font height (see
// kRecordDpi): its logical dots per inch over 96. Where the desktop's scaling (Xft.dpi,
// QT_SCALE_FACTOR) reaches Qt as a device pixel ratio, Qt's pixels are scaled already and
// this is 1; where it reaches Qt as a font resolution instead (high-DPI scaling turned off, a
// ratio rounded), this carries it. 1 without a screen.
qreal ScreenFontScale();

// The pixels of Qt's that a stored height draws with at that scale.
int ScaledPixels(std::int32_t storedHeight, qreal scale);

// The font described by a stored font record: face, height in pixels scaled by `scale` (a
// negative height is a character height, as the record keeps it), weight, italic, underline
// and strike-out.
QFont FontFromLogFont(const LogFontA& logFont, qreal scale);

// Writes a font's face, pixel height unscaled by `scale`, weight, italic, underline and
// strike-out into a stored font record; the record's other fields stay as they are, and so
// does a stored character height that draws the font's height.
void StoreFont(const QFont& font, LogFontA& logFont, qreal scale);

// A stored colour 0x00BBGGRR, and back.
QColor ColorFromColorRef(std::uint32_t colorRef);
std::uint32_t ColorRefFromColor(const QColor& colour);
