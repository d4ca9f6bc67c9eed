#pragma once

#include "recitation/SettingsRecord.h"

#include <QFont>
#include <QString>

// The word font described by a stored font record: face, height in pixels (a negative height
// is a character height, as the record keeps it), weight, italic, underline and strike-out.
QFont FontFromLogFont(const LogFontA& logFont);

// Writes a font's face, pixel height, weight, italic, underline and strike-out into a stored
// font record; the record's other fields stay as they are.
void StoreFont(const QFont& font, LogFontA& logFont);

// The family of the program's phonetic font, in which '2' and '3' draw as brackets.
inline const QString kPhoneticFamily = QStringLiteral("DARizaz LXD");

// The phonetic font, in this family: 9/10 of the word font's height, cut toward zero (-21
// gives -18).
QFont PhoneticFont(const LogFontA& wordFont, const QString& family);

// Registers fonts/Lxdphone.ttf of the resource folder for this run; the id to remove it
// with, or -1 when it cannot be loaded (the phonetic text then falls back to another font).
int InstallPhoneticFont(const QString& resourceFolder);
void RemovePhoneticFont(int id);
