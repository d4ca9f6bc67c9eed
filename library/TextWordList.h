#pragma once

#include "library/ImportedLines.h"

#include <QByteArrayView>

// Reads a word list written as text, one entry a line with its fields in columns (the
// spreadsheets' comma-separated values, the flashcard programs' tab-separated exports) or
// without (a learner's list of words and meanings), into the lines. False, with nothing read,
// when the text is not UTF-8.
//
// The header lines of a flashcard program's export are honoured (see TextListHeader). The
// separator is the header's, or else the first of tab, comma and semicolon that the first
// line that is not blank holds before its meaning would start if it were a plain line. A list
// without one has a line an entry: a library line "word#meaning#phonetic" when it holds a '#',
// else a plain line "word meaning" (see SplitPlainWordLine). The columns are word,
// meaning and phonetic, in this order, leaving out those that the header says hold no field
// of the note, unless column names given in the header, or in a first line that names a word
// and a meaning column ("word,meaning,phonetic", "English,Chinese", "Front,Back"), say
// otherwise. Fields are HTML when the header says so. A record with a quote that is never
// closed is skipped (see DelimitedRecords), with its line.
bool ReadTextWordList(QByteArrayView text, ImportedLines& lines);
