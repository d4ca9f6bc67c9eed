#pragma once

#include <QStringView>

// What counts as English in an imported word list: phonetics are filled in for English words
// only, and a plain list's word is the English its line starts with.

// Whether a locale ("en", "en_GB", "en-US") names English.
bool IsEnglishLocale(QStringView locale);

// Whether a character beyond ASCII can stand in English text: a Latin letter (the "é" of
// "café"), a combining mark, or the typographic apostrophe.
bool IsEnglishBeyondAscii(char32_t c);

// Whether the text is English: ASCII and the characters above, a letter among them. Chinese,
// Cyrillic, full-width punctuation and every other script are not.
bool IsEnglishText(QStringView text);
