#pragma once

#include "library/LineFields.h"

#include <QByteArrayView>

// The fields of a line of a plain word list, as learners write them: the word, then its
// meaning, perhaps with a phonetic between them ("abandon v. 放弃；抛弃", "abroad [əˈbrɔːd] adv.
// 在国外", "apple 苹果"). The text is UTF-8.
//
// The word is the English the line starts with; the meaning starts at the first part-of-speech
// mark after a blank ("n.", "v.", "vt.", "vi.", "adj.", "adv.", "prep.", "conj.", "pron.",
// "num.", "art.", "int.", "abbr."), which it keeps, or at the first character that cannot
// stand in English text (see IsEnglishBeyondAscii). A phonetic in square brackets, or in
// slashes after a blank, ends the word, and the meaning follows it. A line that does not start
// with English is all word, as it is written. The word keeps the blanks that end it.
LineFields SplitPlainWordLine(QByteArrayView line);
