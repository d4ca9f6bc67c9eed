#pragma once

#include "recitation/SettingsRecord.h"

#include <QColor>
#include <QFont>

#include <cstdint>

// Fonts and colours as the settings record stores them (a LOGFONTA, a 0x00BBGGRR colour) and as
// Qt draws them. The main window's word font and the settings sheet's preview both come from
// here, so the preview shows the word as the window will draw it.

// The font described by a stored font record: face, height in pixels (a negative height is a
// character height, as the record keeps it), weight, italic, underline and strike-out.
QFont FontFromLogFont(const LogFontA& logFont);

// Writes a font's face, pixel height, weight, italic, underline and strike-out into a stored
// font record; the record's other fields stay as they are.
void StoreFont(const QFont& font, LogFontA& logFont);

// A stored colour 0x00BBGGRR, and back.
QColor ColorFromColorRef(std::uint32_t colorRef);
std::uint32_t ColorRefFromColor(const QColor& colour);
