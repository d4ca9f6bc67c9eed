#pragma once

#include <QByteArray>
#include <QString>

// The part of a text that an English voice reads, in UTF-8, as the built-in synthesizer is
// handed it for speaking and transcribing alike: letters of the Latin scripts (Basic Latin, the
// letters of Latin-1 Supplement, Latin Extended-A and -B and Latin Extended Additional), the
// digits 0 to 9 and the printable characters of Basic Latin. Accents written as combining marks
// are first joined to their letters; typographic quotes and dashes become their plain forms,
// white space a space. Every other character (control characters, other scripts, symbols) is
// dropped as a word break, so "a中b" is read "a b"; runs of spaces become one and the ends are
// trimmed.
//
// Empty when no letter or digit is left: such a text is not handed to the engine at all.
QByteArray TextForEnglishVoice(const QString& text);
