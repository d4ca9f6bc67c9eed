#pragma once

// The window's fonts: the word font and its colours come from the stored record
// (settings/ui/FontAndColour.h), the phonetic font is the program's own.
#include "recitation/SettingsRecord.h"
#include "settings/ui/FontAndColour.h"

#include <QFont>
#include <QString>

// The family of the program's phonetic font, in which '2' and '3' draw as brackets.
inline const QString kPhoneticFamily = QStringLiteral("DARizaz LXD");

// The phonetic font, in this family: 9/10 of the word font's stored height, cut toward zero
// (-21 gives -18), scaled by `scale` as the word font is (FontFromLogFont).
QFont PhoneticFont(const LogFontA& wordFont, const QString& family, qreal scale);

// Registers fonts/Lxdphone.ttf of the resource folder for this run; the id to remove it
// with, or -1 when it cannot be loaded (the phonetic text then falls back to another font).
int InstallPhoneticFont(const QString& resourceFolder);
void RemovePhoneticFont(int id);
