#pragma once

#include "library/WordList.h"

#include <QString>

// The index of the first entry that begins with `text` once its leading white space is set
// aside, or -1 when none does. The whole raw line is searched, so a text holding '#' reaches
// into the meaning; case matters; an empty text finds entry 0 of a list that has one.
//
// Typed text is UTF-8; a line that is not valid UTF-8 (a library made on the original Chinese
// systems) is compared with the text in GB18030 instead, so Chinese text finds it too.
qsizetype FindEntry(const WordList& words, const QString& text);
